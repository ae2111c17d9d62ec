#include "report/RichTextBox.h"

#include "diary/Units.h"

#include <QAbstractTextDocumentLayout>
#include <QClipboard>
#include <QGuiApplication>
#include <QHash>
#include <QMimeData>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextImageFormat>
#include <QUrl>

#include <algorithm>

namespace {

// Where a picture's own size is kept in its format, so that it can be fitted again later.
constexpr int kNaturalWidthProperty = QTextFormat::UserProperty + 1;
constexpr int kNaturalHeightProperty = QTextFormat::UserProperty + 2;

// Draws the box's pictures scaled down smoothly. A picture larger than its place (the chart is
// drawn about twice the box's width) would otherwise lose thin lines to a nearest-pixel scale.
class SmoothPictureHandler : public QObject, public QTextObjectInterface {
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)
public:
    // bScaleDown: scale a picture down to the pixels it takes on the device (the screen);
    // otherwise it goes to the device whole (paper and PDF files keep every pixel).
    SmoothPictureHandler(QTextDocument* document, bool bScaleDown)
        : QObject(document), m_bScaleDown(bScaleDown) {}

    QSizeF intrinsicSize(QTextDocument* document, int, const QTextFormat& format) override {
        const QTextImageFormat image = format.toImageFormat();
        // The format gives the size in device-independent pixels. A document laid out for a
        // printer or a PDF file measures in the pixels of that device (300 to 1200 to the inch):
        // the picture takes as many of them as it takes inches.
        const QPaintDevice* device = document->documentLayout()->paintDevice();
        if (device == nullptr) {
            return {image.width(), image.height()};
        }
        return {image.width() * device->logicalDpiX() / kPixelsPerInch,
                image.height() * device->logicalDpiY() / kPixelsPerInch};
    }

    void drawObject(QPainter* painter, const QRectF& rect, QTextDocument* document, int,
                    const QTextFormat& format) override {
        const QString szName = format.toImageFormat().name();
        const QImage picture =
            qvariant_cast<QImage>(document->resource(QTextDocument::ImageResource, QUrl(szName)));
        if (picture.isNull()) {
            return;
        }
        const QSize target = painter->deviceTransform().mapRect(rect).size().toSize();
        QImage shown = picture;
        if (m_bScaleDown && target.isValid() && target.width() < picture.width()) {
            Scaled& scaled = m_scaled[szName];
            if (scaled.picture.size() != target || scaled.sourceKey != picture.cacheKey()) {
                scaled.picture =
                    picture.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
                scaled.sourceKey = picture.cacheKey();
            }
            shown = scaled.picture;
        }
        painter->save();
        painter->setRenderHint(QPainter::SmoothPixmapTransform);
        painter->drawImage(rect, shown);
        painter->restore();
    }

    // Forgets the scaled copies (the document's pictures were let go).
    void Clear() { m_scaled.clear(); }

private:
    struct Scaled {
        qint64 sourceKey = 0;
        QImage picture;
    };
    QHash<QString, Scaled> m_scaled;
    bool m_bScaleDown;
};

} // namespace

RichTextBox::RichTextBox(QWidget* parent) : QTextEdit(parent) {
    // The box holds a composed report, not an editing session: no undo history to grow.
    document()->setUndoRedoEnabled(false);
    document()->documentLayout()->registerHandler(QTextFormat::ImageObject,
                                                  new SmoothPictureHandler(document(), true));
    setAcceptRichText(true);
    m_selection = QTextCursor(document());
}

RichTextBox::~RichTextBox() = default;

QString RichTextBox::Text() const {
    QString szText = document()->toRawText();
    // Pictures, and the line breaks that keep neighbouring pictures apart, are not text.
    szText.remove(PictureBreak());
    szText.remove(QChar::ObjectReplacementCharacter);
    szText.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
    szText.replace(QChar::LineSeparator, QStringLiteral("\r\n"));
    szText.replace(QChar::Nbsp, u' ');
    return szText;
}

QString RichTextBox::PictureBreak() {
    return QString(QChar::ObjectReplacementCharacter) + QChar(QChar::LineSeparator);
}

void RichTextBox::SetText(const QString& szText) {
    m_pictures.clear();
    // Clearing the document also drops its picture resources, so rebuilding never piles them up.
    document()->clear();
    if (auto* handler = document()->findChild<SmoothPictureHandler*>()) {
        handler->Clear();
    }
    m_selection = QTextCursor(document());
    if (!szText.isEmpty()) {
        m_selection.insertText(szText);
    }
    m_selection.setPosition(0);
    setTextCursor(m_selection);
}

int RichTextBox::TextLength() const {
    return document()->characterCount() - 1;
}

void RichTextBox::SetSelStart(int iStart) {
    m_selection.setPosition(std::clamp(iStart, 0, TextLength()));
}

int RichTextBox::SelStart() const {
    return m_selection.selectionStart();
}

void RichTextBox::SetSelLength(int iLength) {
    const int iStart = m_selection.selectionStart();
    m_selection.setPosition(iStart);
    m_selection.setPosition(std::clamp(iStart + iLength, iStart, TextLength()),
                            QTextCursor::KeepAnchor);
}

int RichTextBox::SelLength() const {
    return m_selection.selectionEnd() - m_selection.selectionStart();
}

void RichTextBox::SetSelColor(long lColor) {
    m_lSelColor = lColor;
}

long RichTextBox::SelColor() const {
    return m_lSelColor;
}

void RichTextBox::SetSelText(const QString& szText) {
    // A fresh format: the box's font (the document's default) and the selection colour only.
    QTextCharFormat format;
    format.setForeground(ColorFromValue(m_lSelColor));
    if (m_selection.hasSelection()) {
        m_selection.removeSelectedText();
    }
    m_selection.insertText(szText, format);
}

void RichTextBox::SetTabPositions(const QList<qreal>& positions) {
    QList<QTextOption::Tab> tabs;
    tabs.reserve(positions.size());
    for (const qreal position : positions) {
        tabs.append(QTextOption::Tab(position, QTextOption::LeftTab));
    }
    // The layout takes a line's tabs from its block's format alone. Lines added later take the
    // format of the block they are added to, so the stops hold for them too.
    QTextBlockFormat format;
    format.setTabPositions(tabs);
    QTextCursor all(document());
    all.select(QTextCursor::Document);
    all.mergeBlockFormat(format);
}

QList<qreal> RichTextBox::TabPositions() const {
    QList<qreal> positions;
    for (const QTextOption::Tab& tab : document()->begin().blockFormat().tabPositions()) {
        positions.append(tab.position);
    }
    return positions;
}

void RichTextBox::BeginEdit() {
    if (m_iEditDepth++ == 0) {
        m_selection.beginEditBlock();
    }
}

void RichTextBox::EndEdit() {
    if (m_iEditDepth > 0 && --m_iEditDepth == 0) {
        m_selection.endEditBlock();
    }
}

bool RichTextBox::Paste() {
    const QMimeData* source = QGuiApplication::clipboard()->mimeData();
    if (source == nullptr) {
        return false;
    }
    if (source->hasImage()) {
        const QImage picture = qvariant_cast<QImage>(source->imageData());
        if (picture.isNull()) {
            return false;
        }
        InsertPicture(picture);
        return true;
    }
    if (source->hasText()) {
        SetSelText(source->text());
        return true;
    }
    return false;
}

void RichTextBox::InsertPicture(const QImage& picture) {
    if (picture.isNull()) {
        return;
    }
    const QString szName = QStringLiteral("tlg-picture:%1").arg(++m_iNextPicture);
    document()->addResource(QTextDocument::ImageResource, QUrl(szName), picture);

    const QSizeF natural = picture.deviceIndependentSize();
    QTextImageFormat format;
    format.setName(szName);
    format.setWidth(natural.width());
    format.setHeight(natural.height());
    format.setProperty(kNaturalWidthProperty, natural.width());
    format.setProperty(kNaturalHeightProperty, natural.height());

    if (m_selection.hasSelection()) {
        m_selection.removeSelectedText();
    }
    // Pictures side by side would share one line as tall as the taller one; each keeps a line
    // of its own instead.
    const QChar lineBreak(QChar::LineSeparator);
    if (m_selection.position() > 0 &&
        document()->characterAt(m_selection.position() - 1) == QChar::ObjectReplacementCharacter) {
        m_selection.insertText(QString(lineBreak), QTextCharFormat());
    }
    const int iAt = m_selection.position();
    m_selection.insertImage(format);
    if (document()->characterAt(iAt + 1) == QChar::ObjectReplacementCharacter) {
        m_selection.insertText(QString(lineBreak), QTextCharFormat());
        m_selection.setPosition(iAt + 1);
    }

    Picture added;
    added.anchor = QTextCursor(document());
    added.anchor.setPosition(iAt);
    added.szName = szName;
    added.natural = natural;
    FitPicture(added, ScreenPictureWidth(), 0);
    m_pictures.push_back(added);
}

QTextCursor RichTextBox::PictureSelection(const Picture& picture) const {
    QTextCursor selection(picture.anchor);
    selection.setPosition(picture.anchor.position());
    selection.setPosition(picture.anchor.position() + 1, QTextCursor::KeepAnchor);
    return selection;
}

bool RichTextBox::IsPictureAlive(const Picture& picture) const {
    if (picture.anchor.position() >= TextLength()) {
        return false;
    }
    const QTextCharFormat format = PictureSelection(picture).charFormat();
    return format.isImageFormat() && format.toImageFormat().name() == picture.szName;
}

void RichTextBox::DropDeadPictures() {
    m_pictures.erase(std::remove_if(m_pictures.begin(), m_pictures.end(),
                                    [this](const Picture& p) { return !IsPictureAlive(p); }),
                     m_pictures.end());
}

std::vector<RichTextBox::Picture> RichTextBox::OrderedPictures() const {
    std::vector<Picture> pictures;
    for (const Picture& p : m_pictures) {
        if (IsPictureAlive(p)) {
            pictures.push_back(p);
        }
    }
    std::sort(pictures.begin(), pictures.end(), [](const Picture& a, const Picture& b) {
        return a.anchor.position() < b.anchor.position();
    });
    return pictures;
}

int RichTextBox::PictureCount() const {
    return static_cast<int>(OrderedPictures().size());
}

QImage RichTextBox::PictureAt(int index) const {
    const std::vector<Picture> pictures = OrderedPictures();
    if (index < 0 || index >= static_cast<int>(pictures.size())) {
        return {};
    }
    return qvariant_cast<QImage>(
        document()->resource(QTextDocument::ImageResource, QUrl(pictures[index].szName)));
}

QSizeF RichTextBox::PictureShownSize(int index) const {
    const std::vector<Picture> pictures = OrderedPictures();
    if (index < 0 || index >= static_cast<int>(pictures.size())) {
        return {};
    }
    const QTextImageFormat format = PictureSelection(pictures[index]).charFormat().toImageFormat();
    return {format.width(), format.height()};
}

namespace {

// Size a picture of this natural size is shown at within the limits (0 or less: none).
QSizeF FittedSize(QSizeF shown, qreal maxWidth, qreal maxHeight) {
    if (maxWidth > 0 && shown.width() > maxWidth) {
        shown = QSizeF(maxWidth, shown.height() * maxWidth / shown.width());
    }
    if (maxHeight > 0 && shown.height() > maxHeight) {
        shown = QSizeF(shown.width() * maxHeight / shown.height(), maxHeight);
    }
    return shown;
}

// Size a picture of this natural size takes across a width, unless that makes it taller than
// maxHeight (0 or less: no limit).
QSizeF AcrossSize(const QSizeF& natural, qreal width, qreal maxHeight) {
    if (natural.isEmpty() || width <= 0) {
        return FittedSize(natural, width, maxHeight);
    }
    return FittedSize(natural * (width / natural.width()), 0, maxHeight);
}

// Gives the picture selected by the cursor a new shown size, unless it has it already.
void ShowPictureAt(QTextCursor& selection, const QSizeF& shown) {
    QTextImageFormat format = selection.charFormat().toImageFormat();
    if (qFuzzyCompare(format.width(), shown.width()) &&
        qFuzzyCompare(format.height(), shown.height())) {
        return;
    }
    format.setWidth(shown.width());
    format.setHeight(shown.height());
    selection.setCharFormat(format);
}

} // namespace

void RichTextBox::FitPicture(Picture& picture, qreal maxWidth, qreal maxHeight) {
    QTextCursor selection = PictureSelection(picture);
    ShowPictureAt(selection, FittedSize(picture.natural, maxWidth, maxHeight));
}

void RichTextBox::UsePaperPictures(QTextDocument& document) {
    // The stock handler sizes a picture by turning it into a pixmap first, a full copy of it on
    // every layout.
    document.documentLayout()->registerHandler(QTextFormat::ImageObject,
                                               new SmoothPictureHandler(&document, false));
}

void RichTextBox::FitPicturesAcross(QTextDocument& document, qreal width, qreal maxHeight) {
    // Positions first: changing a format while walking the fragments would disturb the walk.
    std::vector<std::pair<int, QSizeF>> pictures;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat format = fragment.charFormat();
            if (!format.isImageFormat() || !format.hasProperty(kNaturalWidthProperty)) {
                continue;
            }
            const QSizeF natural(format.doubleProperty(kNaturalWidthProperty),
                                 format.doubleProperty(kNaturalHeightProperty));
            for (int i = 0; i < fragment.length(); ++i) {
                pictures.emplace_back(fragment.position() + i, natural);
            }
        }
    }
    QTextCursor selection(&document);
    for (const auto& [iPosition, natural] : pictures) {
        selection.setPosition(iPosition);
        selection.setPosition(iPosition + 1, QTextCursor::KeepAnchor);
        ShowPictureAt(selection, AcrossSize(natural, width, maxHeight));
    }
}

void RichTextBox::FitPictures(qreal maxWidth, qreal maxHeight) {
    DropDeadPictures();
    for (Picture& p : m_pictures) {
        FitPicture(p, maxWidth, maxHeight);
    }
}

qreal RichTextBox::ScreenPictureWidth() const {
    // The text area: the box less its frame, the document margins and a vertical scroll bar
    // (reports are usually longer than the box), less a little so a picture never wraps.
    const int iScrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    const qreal available =
        width() - 2 * frameWidth() - iScrollBar - 2 * document()->documentMargin() - 2;
    return std::max<qreal>(available, 16);
}

long RichTextBox::ColorValue(const QColor& colour) {
    return static_cast<long>(colour.red()) | (static_cast<long>(colour.green()) << 8) |
           (static_cast<long>(colour.blue()) << 16);
}

QColor RichTextBox::ColorFromValue(long lColor) {
    return QColor(static_cast<int>(lColor & 0xFF), static_cast<int>((lColor >> 8) & 0xFF),
                  static_cast<int>((lColor >> 16) & 0xFF));
}

bool RichTextBox::canInsertFromMimeData(const QMimeData* source) const {
    return source != nullptr && (source->hasImage() || QTextEdit::canInsertFromMimeData(source));
}

void RichTextBox::insertFromMimeData(const QMimeData* source) {
    if (source == nullptr) {
        return;
    }
    if (source->hasImage()) {
        m_selection = textCursor();
        InsertPicture(qvariant_cast<QImage>(source->imageData()));
        setTextCursor(m_selection);
        return;
    }
    QTextEdit::insertFromMimeData(source);
}

void RichTextBox::resizeEvent(QResizeEvent* event) {
    QTextEdit::resizeEvent(event);
    if (!m_pictures.empty()) {
        FitPictures(ScreenPictureWidth(), 0);
    }
}

#include "RichTextBox.moc"
