#include "widgets/FramelessWindow.h"

#include "widgets/modUtils.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QRegularExpression>
#include <QScreen>
#include <QSvgRenderer>
#include <QThread>

#include <algorithm>
#include <cmath>
#include <future>
#include <map>
#include <system_error>
#include <utility>

namespace {

constexpr int kWindowWidth = 700;
constexpr int kWindowHeight = 500;
constexpr int kFadeSteps = 52;
constexpr int kFadeAlphaStep = 5;

// A frameless top-level window is a frame to a screen reader (a plain widget would be an unnamed
// "filler"), named by its title.
QAccessibleInterface* WindowFactory(const QString& szClass, QObject* object) {
    if (szClass != QLatin1String("FramelessWindow") || object == nullptr ||
        !object->isWidgetType() || !static_cast<QWidget*>(object)->isWindow()) {
        return nullptr;
    }
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
}

int& FadeDurationMs() {
    static int iMilliseconds = 0;
    return iMilliseconds;
}

// Draws a picture of the program (SVG or bitmap) into an image of the given size in
// device-independent pixels, at the given device pixel ratio.
QImage RenderArtwork(const QString& artwork, const QSize& size, qreal dpr) {
    QImage image((QSizeF(size) * dpr).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    image.setDevicePixelRatio(dpr);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (artwork.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive)) {
        QSvgRenderer renderer(ArtworkSvg(artwork));
        renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    } else {
        painter.drawImage(QRectF(QPointF(0, 0), QSizeF(size)), QImage(artwork));
    }
    painter.end();
    return image;
}

} // namespace

QByteArray ArtworkSvg(const QString& artwork) {
    QFile file(artwork);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QString szSvg = QString::fromUtf8(file.readAll());
    // Each <text> element's words (plain text in the pictures, no markup inside).
    static const QRegularExpression kText(QStringLiteral("(<text\\b[^>]*>)([^<]*)(</text>)"));
    QString szOut;
    qsizetype iDone = 0;
    for (const QRegularExpressionMatch& match : kText.globalMatch(szSvg)) {
        const QString szWords =
            QCoreApplication::translate("Artwork", match.captured(2).toUtf8().constData());
        szOut += QStringView(szSvg).mid(iDone, match.capturedStart(2) - iDone);
        szOut += szWords.toHtmlEscaped();
        iDone = match.capturedEnd(2);
    }
    szOut += QStringView(szSvg).mid(iDone);
    return szOut.toUtf8();
}

namespace {

// Ends an event loop when the watched window is hidden.
class HideWatcher : public QObject {
public:
    explicit HideWatcher(QEventLoop& loop) : m_loop(loop) {}

protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() == QEvent::Hide) {
            m_loop.quit();
        }
        return false;
    }

private:
    QEventLoop& m_loop;
};

} // namespace

void WaitWhileVisible(QWidget* window) {
    if (window == nullptr || !window->isVisible()) {
        return;
    }
    QEventLoop loop;
    HideWatcher watcher(loop);
    const QPointer<QWidget> guard(window);
    window->installEventFilter(&watcher);
    QObject::connect(window, &QObject::destroyed, &loop, &QEventLoop::quit);
    // The window may be hidden by anything run before the loop starts.
    QMetaObject::invokeMethod(
        &loop,
        [&loop, guard] {
            if (!guard || !guard->isVisible()) {
                loop.quit();
            }
        },
        Qt::QueuedConnection);
    loop.exec(QEventLoop::DialogExec);
    if (guard) {
        window->removeEventFilter(&watcher);
    }
}

QRect TwipsRect(double left, double top, double width, double height) {
    const auto px = [](double twips) {
        return static_cast<int>(std::lround(twips / kTwipsPerPixel));
    };
    return {px(left), px(top), px(width), px(height)};
}

QCursor HandPointer() {
    return QCursor(Qt::PointingHandCursor);
}

namespace {

// A picture drawn ahead if it has this size and ratio, else null; the drawing is taken either
// way.
QImage TakeDrawnAhead(std::future<QImage>& ahead, const QSize& size, qreal dpr) {
    if (!ahead.valid()) {
        return {};
    }
    QImage image;
    try {
        image = ahead.get();
    } catch (const std::exception&) {
        return {};
    }
    if (image.devicePixelRatio() != dpr || image.deviceIndependentSize().toSize() != size) {
        return {};
    }
    return image;
}

} // namespace

struct FramelessWindow::Impl {
    QString szArtwork;
    QPixmap background;
    // The background as drawn on a thread of its own while the window was being made, at the
    // size and pixel ratio it was made with; taken at the first paint.
    std::future<QImage> backgroundAhead;
    mutable std::map<long, QRegion> shapes;
};

FramelessWindow::FramelessWindow(const QString& backgroundArtwork, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), d(new Impl) {
    d->szArtwork = backgroundArtwork;
    setFixedSize(kWindowWidth, kWindowHeight);
    // The background takes milliseconds to draw: it is drawn while the window's controls are
    // made, on the screen the window will most likely be shown on.
    try {
        d->backgroundAhead = std::async(std::launch::async, RenderArtwork, d->szArtwork, size(),
                                        devicePixelRatioF());
    } catch (const std::system_error&) {
        // No thread: the first paint draws it.
    }
    setAttribute(Qt::WA_OpaquePaintEvent);
    static const bool bInstalled = [] {
        QAccessible::installFactory(WindowFactory);
        return true;
    }();
    Q_UNUSED(bInstalled);
}

FramelessWindow::~FramelessWindow() {
    delete d;
}

void FramelessWindow::SetFadeDuration(int iMilliseconds) {
    FadeDurationMs() = std::max(0, iMilliseconds);
}

int FramelessWindow::FadeDuration() {
    return FadeDurationMs();
}

void FramelessWindow::Fade(int iFrom, int iStep) {
    // Each step changes the window's opacity only: nothing is repainted and no event is
    // dispatched, so no timer or input can act on a window half faded.
    const int iDuration = FadeDurationMs();
    QElapsedTimer clock;
    clock.start();
    int iAlpha = iFrom;
    for (int i = 0; i < kFadeSteps; ++i) {
        SetWindowTransparency(this, kColourKey, static_cast<unsigned char>(iAlpha));
        iAlpha = std::clamp(iAlpha + iStep, 0, 255);
        const qint64 iLeft =
            static_cast<qint64>(iDuration) * (i + 1) / kFadeSteps - clock.elapsed();
        if (iLeft > 0) {
            QThread::msleep(static_cast<unsigned long>(iLeft));
        }
    }
}

void FramelessWindow::FadeOut() {
    Fade(255, -kFadeAlphaStep);
}

void FramelessWindow::FadeIn() {
    Fade(0, kFadeAlphaStep);
}

void FramelessWindow::SetLeftTwips(double left) {
    move(static_cast<int>(std::lround(left / kTwipsPerPixel)), y());
}

void FramelessWindow::SetTopTwips(double top) {
    move(x(), static_cast<int>(std::lround(top / kTwipsPerPixel)));
}

double FramelessWindow::LeftTwips() const {
    return x() * kTwipsPerPixel;
}

double FramelessWindow::TopTwips() const {
    return y() * kTwipsPerPixel;
}

QPoint FramelessWindow::PlaceInside(const QRect& window, const QRect& area) {
    const int x = std::max(area.left(), std::min(window.left(), area.right() + 1 - window.width()));
    const int y = std::max(area.top(), std::min(window.top(), area.bottom() + 1 - window.height()));
    return {x, y};
}

void FramelessWindow::KeepInsideScreen() {
    const QRect frame = frameGeometry();
    const QScreen* screen = QGuiApplication::screenAt(frame.center());
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }
    if (screen == nullptr) {
        return;
    }
    const QPoint place = PlaceInside(frame, screen->availableGeometry());
    if (place != frame.topLeft()) {
        move(pos() + (place - frame.topLeft()));
    }
}

void FramelessWindow::showEvent(QShowEvent* event) {
    KeepInsideScreen();
    QWidget::showEvent(event);
}

QRegion FramelessWindow::ColourKeyShape(long lColourKey) const {
    const auto found = d->shapes.find(lColourKey);
    if (found != d->shapes.end()) {
        return found->second;
    }
    // The key is matched on the picture drawn at its own size, one pixel per pixel.
    QImage image;
    bool bBackground = false;
    if (!d->background.isNull() && d->background.devicePixelRatio() == 1.0 &&
        d->background.size() == size()) {
        image = d->background.toImage();
    } else {
        image = TakeDrawnAhead(d->backgroundAhead, size(), 1.0);
        bBackground = !image.isNull();
        if (!bBackground) {
            image = RenderArtwork(d->szArtwork, size(), 1.0);
        }
    }
    QRegion shape = ShapeWithoutColour(image, lColourKey);
    d->shapes.emplace(lColourKey, shape);
    if (bBackground) {
        // The picture drawn ahead is the background the first paint would draw.
        d->background = QPixmap::fromImage(std::move(image));
    }
    return shape;
}

void FramelessWindow::paintEvent(QPaintEvent* /*event*/) {
    const qreal dpr = devicePixelRatioF();
    if (d->background.isNull() || d->background.devicePixelRatio() != dpr ||
        d->background.deviceIndependentSize().toSize() != size()) {
        QImage image = TakeDrawnAhead(d->backgroundAhead, size(), dpr);
        if (image.isNull()) {
            image = RenderArtwork(d->szArtwork, size(), dpr);
        }
        d->background = QPixmap::fromImage(std::move(image));
    }
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.drawPixmap(0, 0, d->background);
}

void FramelessWindow::mousePressEvent(QMouseEvent* event) {
    const QPointF pos = event->position() * kTwipsPerPixel;
    Form_MouseDown(event->button(), event->modifiers(), pos.x(), pos.y());
    event->accept();
}

void FramelessWindow::mouseMoveEvent(QMouseEvent* event) {
    const QPointF pos = event->position() * kTwipsPerPixel;
    Form_MouseMove(event->buttons(), event->modifiers(), pos.x(), pos.y());
    event->accept();
}

void FramelessWindow::mouseReleaseEvent(QMouseEvent* event) {
    const QPointF pos = event->position() * kTwipsPerPixel;
    Form_MouseUp(event->button(), event->modifiers(), pos.x(), pos.y());
    event->accept();
}

void FramelessWindow::Form_MouseDown(Qt::MouseButton /*button*/, Qt::KeyboardModifiers /*shift*/,
                                     double x, double y) {
    bDragging = true;
    lDragX = std::lround(x);
    lDragY = std::lround(y);
    SetWindowTransparency(this, kColourKey, 128);
}

void FramelessWindow::Form_MouseMove(Qt::MouseButtons /*buttons*/, Qt::KeyboardModifiers /*shift*/,
                                     double x, double y) {
    if (!bDragging) {
        return;
    }
    // The grab point stays under the pointer.
    SetLeftTwips(LeftTwips() - (static_cast<double>(lDragX) - x));
    SetTopTwips(TopTwips() - (static_cast<double>(lDragY) - y));
}

void FramelessWindow::Form_MouseUp(Qt::MouseButton /*button*/, Qt::KeyboardModifiers /*shift*/,
                                   double /*x*/, double /*y*/) {
    bDragging = false;
    SetWindowTransparency(this, kColourKey, 255);
}

struct PictureButton::Impl {
    QString szArtwork;
    QPixmap picture;
    // The picture as drawn on a thread of its own while the window was being built.
    std::future<QImage> ahead;
};

PictureButton::PictureButton(const QString& artwork, QWidget* parent)
    : QAbstractButton(parent), d(new Impl) {
    d->szArtwork = artwork;
    setCursor(HandPointer());
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_TranslucentBackground);
}

PictureButton::~PictureButton() {
    delete d;
}

QSize PictureButton::sizeHint() const {
    QSvgRenderer renderer(ArtworkSvg(d->szArtwork));
    return renderer.isValid() ? renderer.defaultSize() : QSize(24, 24);
}

void PictureButton::DrawAhead() {
    if (isVisible() || size().isEmpty() || d->ahead.valid()) {
        return;
    }
    try {
        d->ahead = std::async(std::launch::async, RenderArtwork, d->szArtwork, size(),
                              devicePixelRatioF());
    } catch (const std::system_error&) {
        // No thread: the first paint draws it.
    }
}

void PictureButton::paintEvent(QPaintEvent* /*event*/) {
    const qreal dpr = devicePixelRatioF();
    if (d->picture.isNull() || d->picture.devicePixelRatio() != dpr ||
        d->picture.deviceIndependentSize().toSize() != size()) {
        QImage image = TakeDrawnAhead(d->ahead, size(), dpr);
        if (image.isNull()) {
            image = RenderArtwork(d->szArtwork, size(), dpr);
        }
        d->picture = QPixmap::fromImage(std::move(image));
    }
    QPainter painter(this);
    painter.drawPixmap(0, 0, d->picture);
    if (isDown()) {
        painter.fillRect(rect(), QColor(0, 0, 0, 60));
    }
    if (hasFocus()) {
        DrawFocusFrame(painter, rect());
    }
}

void PictureButton::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        event->modifiers() == Qt::NoModifier) {
        animateClick();
        event->accept();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

namespace {
const QColor kFocusLight = FocusFrameColour();
const QColor kFocusDark(16, 24, 40);
} // namespace

QColor FocusFrameColour() {
    // A light yellow inner line inside a dark outer line: one of the two always stands out.
    return {255, 216, 74};
}

void DrawFocusFrame(QPainter& painter, const QRect& rect) {
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kFocusDark, 1));
    painter.drawRect(QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5));
    painter.setPen(QPen(kFocusLight, 2));
    painter.drawRect(QRectF(rect).adjusted(2, 2, -2, -2));
    painter.restore();
}

QString FocusFrameStyle(const QString& szSelector) {
    return QStringLiteral("%1:focus { border: 2px solid %2; }").arg(szSelector, kFocusLight.name());
}
