#pragma once

#include <QColor>
#include <QImage>
#include <QString>
#include <QTextCursor>
#include <QTextEdit>

#include <vector>

class QMimeData;
class QTextDocument;

// A rich-text box: text with coloured runs and pictures, driven through a selection of its own
// (start, length, colour, replace), pasting pictures from the clipboard at its caret, and laid
// out page by page for printing by modPrint.
class RichTextBox : public QTextEdit {
    Q_OBJECT
public:
    explicit RichTextBox(QWidget* parent = nullptr);
    ~RichTextBox() override;

    // The plain text, line breaks as CR LF; pictures are not text and are left out.
    QString Text() const;
    // What follows a picture that has another picture right after it.
    static QString PictureBreak();
    // Replaces the whole content with plain text (pictures go too); the selection goes to 0.
    void SetText(const QString& szText);
    // Number of character positions, a line break and a picture counting one each.
    int TextLength() const;

    // The box's selection: start (a character position) and length.
    void SetSelStart(int iStart);
    int SelStart() const;
    void SetSelLength(int iLength);
    int SelLength() const;
    // Colour of text that replaces the selection (32-bit colour value, red in the lowest byte).
    void SetSelColor(long lColor);
    long SelColor() const;
    // Replaces the selection with text in the box's font and the selection colour; afterwards
    // the selection is empty and just behind the new text. CR LF, CR and LF each break the line.
    void SetSelText(const QString& szText);

    // Tab stops of every line there is and every line added later, in pixels from the line's
    // start (at the font's resolution; a printer's layout scales them with its resolution). Tabs
    // past the last stop keep the usual spacing.
    void SetTabPositions(const QList<qreal>& positions);
    QList<qreal> TabPositions() const;

    // Groups the edits that follow into one change (the layout runs once, at the end).
    void BeginEdit();
    void EndEdit();

    // Pastes the clipboard's picture (or text) at the caret, even when the box is read-only:
    // the program pastes, not the user. The caret ends just behind what was pasted.
    // Returns false when the clipboard held nothing the box can take.
    bool Paste();
    // Inserts a picture at the caret, scaled down to fit the box; the caret ends behind it.
    // szAlternative: what a screen reader says in its place (see SpokenText).
    void InsertPicture(const QImage& picture, const QString& szAlternative = QString());
    // Number of pictures in the box, and the one at an index (in the order they stand).
    int PictureCount() const;
    QImage PictureAt(int index) const;
    // Size a picture is shown at (device-independent pixels).
    QSizeF PictureShownSize(int index) const;

    // The box as a screen reader reads it: the text with each picture's alternative text in its
    // place ("Picture" for one without), every line and paragraph break a "\n".
    QString SpokenText() const;
    // A character position of the document as a position in the spoken text, and back. A
    // spoken position inside a picture's words is the picture's own position, or the one just
    // behind it when bAfterPicture.
    int SpokenPosition(int iDocumentPosition) const;
    int DocumentPosition(int iSpokenPosition, bool bAfterPicture = false) const;

    // Scales every picture down, keeping its proportions, so that it is at most maxWidth wide
    // and maxHeight tall (device-independent pixels; 0 or less: no limit). Pictures are never
    // shown larger than they are.
    void FitPictures(qreal maxWidth, qreal maxHeight);
    // Sizes every picture of a document that goes on paper (one pass over it): each takes the
    // whole width, larger or smaller than it is, in proportion, unless that makes it taller than
    // maxHeight; then it is that tall (device-independent pixels; maxHeight 0 or less: no limit).
    static void FitPicturesAcross(QTextDocument& document, qreal width, qreal maxHeight);
    // Makes a copy of a box's document that goes on paper size its pictures by their format alone
    // (as the box does; in inches once it is laid out for a printer or a PDF file) and draw them
    // whole, every pixel of them.
    static void UsePaperPictures(QTextDocument& document);
    // Width a picture may take on screen: the width of the box's text area.
    qreal ScreenPictureWidth() const;

    // Colour value (red in the lowest byte) from a colour, and back.
    static long ColorValue(const QColor& colour);
    static QColor ColorFromValue(long lColor);

    // While its content is hidden, the box paints its background alone and its scroll bars keep
    // their places unseen: a text can be laid out before it is shown, at the width it is shown.
    void SetContentHidden(bool bHidden);
    bool IsContentHidden() const { return m_bContentHidden; }

protected:
    void paintEvent(QPaintEvent* event) override;
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    struct Picture {
        QTextCursor anchor; // at the picture's character; moves with the text before it
        QString szName;
        QSizeF natural; // device-independent size of the picture itself
    };
    void FitPicture(Picture& picture, qreal maxWidth, qreal maxHeight);
    bool IsPictureAlive(const Picture& picture) const;
    QTextCursor PictureSelection(const Picture& picture) const;
    std::vector<Picture> OrderedPictures() const;
    void DropDeadPictures();

    // Where the spoken text differs from the document's: one entry per picture, in order.
    struct SpokenPicture {
        int iDocument = 0;
        int iSpoken = 0;
        int iLength = 0;
    };
    struct Spoken {
        bool bValid = false;
        QString szText;
        std::vector<SpokenPicture> pictures;
    };
    // Made when a screen reader first asks, dropped at the next change of the document.
    const Spoken& SpokenForm() const;
    mutable Spoken m_spoken;

    QTextCursor m_selection;
    long m_lSelColor = 0;
    std::vector<Picture> m_pictures;
    int m_iNextPicture = 0;
    int m_iEditDepth = 0;
    bool m_bContentHidden = false;
};
