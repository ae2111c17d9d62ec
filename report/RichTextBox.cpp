#include "report/RichTextBox.h"

#include "diary/Units.h"

#include <QAbstractTextDocumentLayout>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QClipboard>
#include <QGraphicsEffect>
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

// What a screen reader reads of a RichTextBox: its spoken text (each picture's alternative text
// in place of the picture's object character), with every offset it gives or takes (caret,
// selection, boundaries, character boxes) in that text.
class RichTextBoxAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit RichTextBoxAccessible(RichTextBox* box)
        : QAccessibleWidget(box, QAccessible::EditableText) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface) {
            return static_cast<QAccessibleTextInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.multiLine = true;
        state.selectableText = true;
        if (Box()->isReadOnly()) {
            state.readOnly = true;
        } else {
            state.editable = true;
        }
        return state;
    }

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Value) {
            return Box()->SpokenText();
        }
        return QAccessibleWidget::text(kind);
    }

    // Selection and caret.
    void selection(int iSelection, int* piStart, int* piEnd) const override {
        *piStart = 0;
        *piEnd = 0;
        const QTextCursor cursor = Box()->textCursor();
        if (iSelection == 0 && cursor.hasSelection()) {
            *piStart = Box()->SpokenPosition(cursor.selectionStart());
            *piEnd = Box()->SpokenPosition(cursor.selectionEnd());
        }
    }
    int selectionCount() const override { return Box()->textCursor().hasSelection() ? 1 : 0; }
    void addSelection(int iStart, int iEnd) override { setSelection(0, iStart, iEnd); }
    void removeSelection(int iSelection) override {
        if (iSelection == 0) {
            QTextCursor cursor = Box()->textCursor();
            cursor.clearSelection();
            Box()->setTextCursor(cursor);
        }
    }
    void setSelection(int iSelection, int iStart, int iEnd) override {
        if (iSelection != 0) {
            return;
        }
        // A selection that touches a picture's words takes the whole picture.
        const bool bForward = iStart <= iEnd;
        QTextCursor cursor = Box()->textCursor();
        cursor.setPosition(Box()->DocumentPosition(iStart, !bForward));
        cursor.setPosition(Box()->DocumentPosition(iEnd, bForward), QTextCursor::KeepAnchor);
        Box()->setTextCursor(cursor);
    }
    int cursorPosition() const override {
        return Box()->SpokenPosition(Box()->textCursor().position());
    }
    void setCursorPosition(int iPosition) override {
        QTextCursor cursor = Box()->textCursor();
        cursor.setPosition(Box()->DocumentPosition(iPosition));
        Box()->setTextCursor(cursor);
    }

    // Text.
    QString text(int iStart, int iEnd) const override {
        const QString& szText = Box()->SpokenText();
        iStart = std::clamp(iStart, 0, static_cast<int>(szText.size()));
        iEnd = std::clamp(iEnd, iStart, static_cast<int>(szText.size()));
        return szText.mid(iStart, iEnd - iStart);
    }
    int characterCount() const override { return static_cast<int>(Box()->SpokenText().size()); }

    QString textAtOffset(int iOffset, QAccessible::TextBoundaryType type, int* piStart,
                         int* piEnd) const override {
        const auto [iStart, iEnd] = Unit(iOffset, type);
        *piStart = iStart;
        *piEnd = iEnd;
        return text(iStart, iEnd);
    }
    QString textBeforeOffset(int iOffset, QAccessible::TextBoundaryType type, int* piStart,
                             int* piEnd) const override {
        const int iAt = Unit(iOffset, type).first;
        const std::pair<int, int> unit = iAt > 0 ? Unit(iAt - 1, type) : std::pair{0, 0};
        *piStart = unit.first;
        *piEnd = std::min(unit.second, iAt);
        return text(*piStart, *piEnd);
    }
    QString textAfterOffset(int iOffset, QAccessible::TextBoundaryType type, int* piStart,
                            int* piEnd) const override {
        const int iCount = characterCount();
        const int iAfter = Unit(iOffset, type).second;
        // The next unit that reaches past this one (a line break closes the unit before it).
        std::pair<int, int> unit{iCount, iCount};
        for (int iFrom = iAfter; iFrom < iCount; ++iFrom) {
            unit = Unit(iFrom, type);
            if (unit.second > iAfter) {
                break;
            }
        }
        *piStart = std::max(unit.first, iAfter);
        *piEnd = std::max(unit.second, *piStart);
        return text(*piStart, *piEnd);
    }

    // Where characters are on the screen.
    QRect characterRect(int iOffset) const override {
        const int iPosition = Box()->DocumentPosition(iOffset);
        QTextCursor cursor(Box()->document());
        cursor.setPosition(std::clamp(iPosition, 0, Box()->TextLength()));
        QRect rect = Box()->cursorRect(cursor);
        if (iPosition < Box()->TextLength()) {
            cursor.setPosition(iPosition + 1);
            const QRect next = Box()->cursorRect(cursor);
            if (next.top() == rect.top() && next.left() > rect.left()) {
                rect.setRight(next.left() - 1);
            }
        }
        return QRect(Box()->viewport()->mapToGlobal(rect.topLeft()), rect.size());
    }
    int offsetAtPoint(const QPoint& point) const override {
        const QPoint local = Box()->viewport()->mapFromGlobal(point);
        if (!Box()->viewport()->rect().contains(local)) {
            return -1;
        }
        // The caret place nearest the point; the character under the point is the one before
        // it when the point lies left of that place on its line.
        int iPosition = Box()->cursorForPosition(local).position();
        if (iPosition > 0) {
            QTextCursor cursor(Box()->document());
            cursor.setPosition(iPosition);
            const QRect caret = Box()->cursorRect(cursor);
            if (local.x() < caret.left() && local.y() >= caret.top() &&
                local.y() <= caret.bottom()) {
                --iPosition;
            }
        }
        return Box()->SpokenPosition(iPosition);
    }
    void scrollToSubstring(int iStart, int iEnd) override {
        QTextCursor cursor(Box()->document());
        cursor.setPosition(std::clamp(Box()->DocumentPosition(iStart), 0, Box()->TextLength()));
        const QRect first = Box()->cursorRect(cursor);
        cursor.setPosition(std::clamp(Box()->DocumentPosition(iEnd, true), 0, Box()->TextLength()));
        const QRect last = Box()->cursorRect(cursor);
        QScrollBar* bar = Box()->verticalScrollBar();
        const int iHeight = Box()->viewport()->height();
        if (last.bottom() > iHeight) {
            bar->setValue(bar->value() + std::min(last.bottom() - iHeight, first.top()));
        } else if (first.top() < 0) {
            bar->setValue(bar->value() + first.top());
        }
    }

    // The run of like characters around an offset, and its font and colour.
    QString attributes(int iOffset, int* piStart, int* piEnd) const override {
        *piStart = 0;
        *piEnd = 0;
        const int iPosition = Box()->DocumentPosition(iOffset);
        const QTextBlock block = Box()->document()->findBlock(iPosition);
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.contains(iPosition)) {
                continue;
            }
            *piStart = Box()->SpokenPosition(fragment.position());
            *piEnd = Box()->SpokenPosition(fragment.position() + fragment.length());
            const QTextCharFormat format = fragment.charFormat();
            if (format.isImageFormat()) {
                return {};
            }
            const QFont font = format.font();
            const QColor colour = format.foreground().color();
            return QStringLiteral("font-family:\"%1\";font-size:%2pt;font-weight:%3;"
                                  "color:rgb(%4,%5,%6);")
                .arg(font.family())
                .arg(font.pointSizeF())
                .arg(font.bold() ? 700 : 400)
                .arg(colour.red())
                .arg(colour.green())
                .arg(colour.blue());
        }
        return {};
    }

private:
    RichTextBox* Box() const { return static_cast<RichTextBox*>(widget()); }

    // The unit of the kind around a spoken offset, as start and end offsets. A picture's words
    // are one word and one sentence.
    std::pair<int, int> Unit(int iOffset, QAccessible::TextBoundaryType type) const {
        const int iCount = characterCount();
        if (iOffset == -2) {
            iOffset = cursorPosition();
        }
        iOffset = std::clamp(iOffset, 0, iCount);
        if (type == QAccessible::NoBoundary) {
            return {0, iCount};
        }
        if (type == QAccessible::CharBoundary) {
            return {iOffset, std::min(iOffset + 1, iCount)};
        }
        const int iPosition = Box()->DocumentPosition(iOffset);
        const int iPictureStart = Box()->SpokenPosition(iPosition);
        const int iPictureEnd = Box()->SpokenPosition(iPosition + 1);
        const bool bPicture =
            iPosition < Box()->TextLength() &&
            Box()->document()->characterAt(iPosition) == QChar::ObjectReplacementCharacter;
        if (bPicture &&
            (type == QAccessible::WordBoundary || type == QAccessible::SentenceBoundary)) {
            return {iPictureStart, iPictureEnd};
        }
        QTextCursor cursor(Box()->document());
        cursor.setPosition(iPosition);
        const QPair<int, int> unit = QAccessible::qAccessibleTextBoundaryHelper(cursor, type);
        return {Box()->SpokenPosition(unit.first), Box()->SpokenPosition(unit.second)};
    }
};

QAccessibleInterface* RichTextBoxAccessibleFactory(const QString& szClass, QObject* object) {
    if (szClass == QLatin1String("RichTextBox") && object != nullptr && object->isWidgetType()) {
        return new RichTextBoxAccessible(static_cast<RichTextBox*>(object));
    }
    return nullptr;
}

} // namespace

RichTextBox::RichTextBox(QWidget* parent) : QTextEdit(parent) {
    static const bool bFactoryInstalled = [] {
        QAccessible::installFactory(RichTextBoxAccessibleFactory);
        return true;
    }();
    Q_UNUSED(bFactoryInstalled);
    // The box holds a composed report, not an editing session: no undo history to grow.
    document()->setUndoRedoEnabled(false);
    document()->documentLayout()->registerHandler(QTextFormat::ImageObject,
                                                  new SmoothPictureHandler(document(), true));
    setAcceptRichText(true);
    m_selection = QTextCursor(document());
    connect(document(), &QTextDocument::contentsChange, this, [this] {
        if (m_spoken.bValid) {
            m_spoken = Spoken();
        }
    });
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

namespace {

// Paints a widget's place in one colour instead of the widget.
class PlainPlace : public QGraphicsEffect {
public:
    PlainPlace(const QColor& colour, QObject* parent) : QGraphicsEffect(parent), m_colour(colour) {}

protected:
    void draw(QPainter* painter) override {
        painter->fillRect(sourceBoundingRect(Qt::LogicalCoordinates), m_colour);
    }

private:
    QColor m_colour;
};

} // namespace

void RichTextBox::SetContentHidden(bool bHidden) {
    if (bHidden == m_bContentHidden) {
        return;
    }
    m_bContentHidden = bHidden;
    // The scroll bars keep their places (a scroll bar that came later would narrow the text and
    // have it laid out again), painted in the colour of the empty box.
    const QColor base = viewport()->palette().color(viewport()->backgroundRole());
    for (QScrollBar* bar : {verticalScrollBar(), horizontalScrollBar()}) {
        bar->setGraphicsEffect(bHidden ? new PlainPlace(base, bar) : nullptr);
    }
    if (!bHidden) {
        // Whatever scrolled the unseen text, it is shown from its top.
        verticalScrollBar()->setValue(verticalScrollBar()->minimum());
    }
    viewport()->update();
}

void RichTextBox::paintEvent(QPaintEvent* event) {
    if (m_bContentHidden) {
        // The viewport fills its own background.
        return;
    }
    QTextEdit::paintEvent(event);
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

void RichTextBox::InsertPicture(const QImage& picture, const QString& szAlternative) {
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
    if (!szAlternative.isEmpty()) {
        format.setProperty(QTextFormat::ImageAltText, szAlternative);
    }

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

const RichTextBox::Spoken& RichTextBox::SpokenForm() const {
    if (m_spoken.bValid) {
        return m_spoken;
    }
    Spoken spoken;
    const QString szRaw = document()->toRawText().left(TextLength());
    spoken.szText.reserve(szRaw.size());
    QTextCursor cursor(document());
    qsizetype iFrom = 0;
    for (qsizetype i = szRaw.indexOf(QChar::ObjectReplacementCharacter); i >= 0;
         i = szRaw.indexOf(QChar::ObjectReplacementCharacter, iFrom)) {
        spoken.szText += QStringView(szRaw).mid(iFrom, i - iFrom);
        iFrom = i + 1;
        // The format of the character just before the cursor's position: the object's.
        cursor.setPosition(static_cast<int>(i) + 1);
        const QTextCharFormat format = cursor.charFormat();
        if (!format.isImageFormat()) {
            spoken.szText += QChar::ObjectReplacementCharacter;
            continue;
        }
        QString szWords = format.stringProperty(QTextFormat::ImageAltText);
        if (szWords.isEmpty()) {
            //: What a screen reader says for a picture that has no words of its own.
            szWords = tr("Picture");
        }
        spoken.pictures.push_back({static_cast<int>(i), static_cast<int>(spoken.szText.size()),
                                   static_cast<int>(szWords.size())});
        spoken.szText += szWords;
    }
    spoken.szText += QStringView(szRaw).mid(iFrom);
    for (QChar& c : spoken.szText) {
        if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator) {
            c = u'\n';
        }
    }
    spoken.bValid = true;
    m_spoken = std::move(spoken);
    return m_spoken;
}

QString RichTextBox::SpokenText() const {
    return SpokenForm().szText;
}

int RichTextBox::SpokenPosition(int iDocumentPosition) const {
    const std::vector<SpokenPicture>& pictures = SpokenForm().pictures;
    // The pictures before the position, each longer by its words less its one character.
    const auto after = std::lower_bound(
        pictures.begin(), pictures.end(), iDocumentPosition,
        [](const SpokenPicture& p, int iPosition) { return p.iDocument < iPosition; });
    if (after == pictures.begin()) {
        return iDocumentPosition;
    }
    const SpokenPicture& last = *(after - 1);
    return last.iSpoken + last.iLength + (iDocumentPosition - last.iDocument - 1);
}

int RichTextBox::DocumentPosition(int iSpokenPosition, bool bAfterPicture) const {
    const std::vector<SpokenPicture>& pictures = SpokenForm().pictures;
    // The last picture whose words start at or before the position.
    const auto after = std::upper_bound(
        pictures.begin(), pictures.end(), iSpokenPosition,
        [](int iPosition, const SpokenPicture& p) { return iPosition < p.iSpoken; });
    if (after == pictures.begin()) {
        return iSpokenPosition;
    }
    const SpokenPicture& last = *(after - 1);
    if (iSpokenPosition < last.iSpoken + last.iLength) {
        const bool bInside = iSpokenPosition > last.iSpoken;
        return last.iDocument + (bInside && bAfterPicture ? 1 : 0);
    }
    return last.iDocument + 1 + (iSpokenPosition - last.iSpoken - last.iLength);
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
