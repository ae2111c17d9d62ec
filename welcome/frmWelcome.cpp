#include "welcome/frmWelcome.h"

#include "resources/Resources.h"

#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>

namespace {

// Words may be drawn this many pixels smaller than designed where a language needs the room.
constexpr int kMostShrink = 2;

// One block of the window's words: its bold start (may be empty) and the rest, where it goes
// on the 700 x 500 picture, its font's pixel size, weight and colour, how it sits in its place.
struct WordsBlock {
    const char* szBold;
    const char* szText;
    QRect rect;
    int iPixels;
    bool bBold;
    QRgb colour;
    // Centred in its height (the warning in its box, on two lines or three); else at its top.
    bool bCentred = false;
};

constexpr QRgb kTitleColour = 0xff0f4c63;
constexpr QRgb kTextColour = 0xff1d3340;
constexpr QRgb kWarningColour = 0xff7a2118;

// The advice panel's items: two columns of four, 42 pixels apart, beside their numbers.
QRect AdviceRect(int iItem) {
    const int iColumn = iItem / 4;
    return {iColumn == 0 ? 66 : 386, 216 + 42 * (iItem % 4), iColumn == 0 ? 290 : 280, 40};
}

const WordsBlock kBlocks[] = {
    {"", QT_TRANSLATE_NOOP("frmWelcome", "your blood pressure diary"), QRect(186, 19, 470, 18), 13,
     false, 0xffcfe9ef},
    {"", QT_TRANSLATE_NOOP("frmWelcome", "Welcome to Tensiolog"), QRect(30, 62, 640, 27), 20, true,
     kTitleColour},
    {"",
     QT_TRANSLATE_NOOP("frmWelcome",
                       "Tensiolog keeps a simple diary of your blood pressure. Pick a day on the "
                       "calendar, type in your systolic and diastolic pressure and your pulse, and "
                       "add a short note about your day. The chart shows how your readings change "
                       "over time, and the report prints them all for your doctor. Everything you "
                       "enter is saved on this computer as soon as you type it."),
     QRect(30, 93, 640, 74), 12, false, kTextColour},
    {"", QT_TRANSLATE_NOOP("frmWelcome", "Taking your blood pressure at home"),
     QRect(40, 182, 620, 21), 15, true, kTitleColour},
    {QT_TRANSLATE_NOOP("frmWelcome", "Rest first."),
     QT_TRANSLATE_NOOP("frmWelcome",
                       "Sit quietly for five minutes, back supported, feet flat, legs uncrossed."),
     AdviceRect(0), 12, false, kTextColour},
    {QT_TRANSLATE_NOOP("frmWelcome", "Arm at heart level."),
     QT_TRANSLATE_NOOP("frmWelcome", "Rest your arm on a table, the cuff level with your heart."),
     AdviceRect(1), 12, false, kTextColour},
    {QT_TRANSLATE_NOOP("frmWelcome", "Bare arm, right cuff."),
     QT_TRANSLATE_NOOP("frmWelcome", "Put the cuff on bare skin, never over a sleeve."),
     AdviceRect(2), 12, false, kTextColour},
    //: The bold start of a sentence that goes on with "after coffee, smoking, ...".
    {QT_TRANSLATE_NOOP("frmWelcome", "Wait 30 minutes"),
     QT_TRANSLATE_NOOP("frmWelcome",
                       "after coffee, smoking, exercise or a meal; empty your bladder."),
     AdviceRect(3), 12, false, kTextColour},
    {QT_TRANSLATE_NOOP("frmWelcome", "Keep still and quiet."),
     QT_TRANSLATE_NOOP("frmWelcome", "Do not talk or move while the monitor measures."),
     AdviceRect(4), 12, false, kTextColour},
    //: The bold start of a sentence that goes on with "one minute apart ...".
    {QT_TRANSLATE_NOOP("frmWelcome", "Take two readings"),
     QT_TRANSLATE_NOOP("frmWelcome", "one minute apart and write down both, or their average."),
     AdviceRect(5), 12, false, kTextColour},
    //: The bold start of a sentence that goes on with "for example in the morning ...".
    {QT_TRANSLATE_NOOP("frmWelcome", "Same time every day,"),
     QT_TRANSLATE_NOOP("frmWelcome", "for example in the morning before any medicine."),
     AdviceRect(6), 12, false, kTextColour},
    //: The bold start of a sentence that goes on with "with your doctor, who knows ...".
    {QT_TRANSLATE_NOOP("frmWelcome", "Share your diary"),
     QT_TRANSLATE_NOOP("frmWelcome", "with your doctor, who knows what your numbers mean for you."),
     AdviceRect(7), 12, false, kTextColour},
    //: The bold start of a sentence that goes on with "if a reading is 180/120 or higher ...".
    {QT_TRANSLATE_NOOP("frmWelcome", "See a doctor at once"),
     QT_TRANSLATE_NOOP("frmWelcome",
                       "if a reading is 180/120 or higher, or if you have chest pain, shortness "
                       "of breath, weakness, or trouble seeing or speaking. A diary never replaces "
                       "your doctor."),
     QRect(54, 391, 600, 42), 12, false, kWarningColour, true},
};

// The label's font at a pixel size (a picture's words keep their size whatever the screen's
// font resolution).
void SetPixelSize(QLabel& label, int iPixels) {
    QFont font = label.font();
    font.setPixelSize(iPixels);
    label.setFont(font);
}

bool Fits(const QLabel& label) {
    return label.heightForWidth(label.width()) <= label.height();
}

// The window's "Close" button: the picture of a button with its word written on it.
class CaptionedButton : public PictureButton {
public:
    using PictureButton::PictureButton;

protected:
    void paintEvent(QPaintEvent* event) override {
        PictureButton::paintEvent(event);
        QPainter painter(this);
        QFont font = painter.font();
        font.setFamily(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(12);
        font.setBold(true);
        painter.setFont(font);
        painter.setPen(Qt::white);
        painter.drawText(rect(), Qt::AlignCenter | Qt::TextSingleLine, text());
    }
};

} // namespace

frmWelcome::frmWelcome(QWidget* parent)
    : FramelessWindow(ArtworkPath(QStringLiteral("welcome-background.svg")), parent) {
    setWindowTitle(QStringLiteral("Tensiolog"));
    setWindowIcon(QIcon(ArtworkPath(QStringLiteral("icon.svg"))));

    btClose2 = new CaptionedButton(ArtworkPath(QStringLiteral("welcome-close.svg")), this);
    btClose2->setObjectName(QStringLiteral("btClose2"));
    btClose2->setGeometry(TwipsRect(8820, 7020, 1515, 375));
    //: The button at the window's foot (about 12 letters at most).
    btClose2->setText(tr("Close"));
    btClose2->setAccessibleName(btClose2->text());

    btClose = new PictureButton(ArtworkPath(QStringLiteral("close-mark.svg")), this);
    btClose->setObjectName(QStringLiteral("btClose"));
    btClose->setGeometry(TwipsRect(9960, 180, 375, 375));
    //: The tooltip of the close mark at the window's top right.
    btClose->setToolTip(tr("Close the Tensiolog"));
    // It closes this window only: its name says so (the tooltip keeps the window's own words).
    btClose->setAccessibleName(tr("Close the welcome window"));

    BuildWords();
    setFocusPolicy(Qt::StrongFocus);

    connect(btClose, &QAbstractButton::clicked, this, &frmWelcome::btClose_Click);
    connect(btClose2, &QAbstractButton::clicked, this, &frmWelcome::btClose2_Click);

    // Its own fixed place on the screen, never stored.
    SetLeftTwips(2715);
    SetTopTwips(3315);
}

frmWelcome::~frmWelcome() = default;

void frmWelcome::BuildWords() {
    QStringList spoken;
    for (const WordsBlock& block : kBlocks) {
        const QString szBold = *block.szBold != '\0' ? tr(block.szBold) : QString();
        const QString szText = tr(block.szText);
        auto* label = new QLabel(this);
        label->setObjectName(QStringLiteral("lblWords%1").arg(lblWords.size() + 1));
        // Rich text for the bold start alone: the words are the program's own, escaped.
        label->setTextFormat(Qt::RichText);
        label->setText(szBold.isEmpty() ? szText.toHtmlEscaped()
                                        : QStringLiteral("<b>%1</b> %2")
                                              .arg(szBold.toHtmlEscaped(), szText.toHtmlEscaped()));
        label->setAccessibleName(szBold.isEmpty() ? szText : szBold + u' ' + szText);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | (block.bCentred ? Qt::AlignVCenter : Qt::AlignTop));
        label->setGeometry(block.rect);
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
        label->setStyleSheet(QStringLiteral("color: %1; background: transparent;")
                                 .arg(QColor::fromRgb(block.colour).name()));
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setBold(block.bBold);
        label->setFont(font);
        // Where a language's words take more room than the English ones, they are drawn a
        // little smaller rather than cut off.
        for (int iPixels = block.iPixels; iPixels >= block.iPixels - kMostShrink; --iPixels) {
            SetPixelSize(*label, iPixels);
            if (Fits(*label)) {
                break;
            }
        }
        lblWords.append(label);
        spoken.append(label->accessibleName());
    }
    setAccessibleDescription(spoken.join(u'\n'));
}

void frmWelcome::ShowModal() {
    setWindowModality(Qt::ApplicationModal);
    show();
    raise();
    activateWindow();
    WaitWhileVisible(this);
}

void frmWelcome::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        btClose_Click();
        event->accept();
        return;
    }
    FramelessWindow::keyPressEvent(event);
}

void frmWelcome::btClose_Click() {
    FadeOut();
    hide();
}

void frmWelcome::btClose2_Click() {
    btClose_Click();
}
