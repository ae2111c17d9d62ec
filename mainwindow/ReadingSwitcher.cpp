#include "mainwindow/ReadingSwitcher.h"

#include "diary/DayReadings.h"
#include "mainwindow/EntryBox.h"
#include "widgets/FramelessWindow.h"

#include <QBoxLayout>
#include <QLabel>
#include <QShortcut>
#include <QToolButton>

#include <algorithm>

namespace {

// What the time box says, ahead of its own tip, while its text is not a time.
QString NotATimeText() {
    return ReadingSwitcher::tr(
        "Not a time: type it as 07:05 or 19:30 (24 hours). The reading keeps its last time until "
        "then.");
}

// The add command's caption on a day of one reading.
QString AddWords() {
    //: A small button under the pulse box that adds a reading; keep it very short
    return ReadingSwitcher::tr("+ Reading");
}

QString KeyText(const QKeySequence& key) {
    return key.toString(QKeySequence::NativeText);
}

QToolButton* MakeButton(QWidget* parent, const QString& szObjectName, const QString& szCaption,
                        const QString& szName, const QString& szTip) {
    auto* button = new QToolButton(parent);
    button->setObjectName(szObjectName);
    button->setText(szCaption);
    button->setAccessibleName(szName);
    button->setToolTip(szTip);
    button->setAccessibleDescription(szTip);
    button->setFocusPolicy(Qt::StrongFocus);
    button->setCursor(HandPointer());
    button->setAutoRaise(false);
    button->setStyleSheet(QStringLiteral("QToolButton { padding: 0px; border: 1px solid %1;"
                                         " border-radius: 2px; background: #ffffff;"
                                         " color: #101820; font-weight: bold; }"
                                         " QToolButton:pressed { background: #d8e0ea; }")
                              .arg(EntryBoxFrameColour().name()) +
                          FocusFrameStyle(QStringLiteral("QToolButton")));
    return button;
}

} // namespace

ReadingSwitcher::ReadingSwitcher(QWidget* parent)
    : QWidget(parent), btPrevious(MakeButton(
                           this, QStringLiteral("btPreviousReading"), QStringLiteral("\u2039"),
                           tr("Previous reading"),
                           //: %1 the key that does it
                           tr("Show the day's previous reading (%1)").arg(KeyText(PreviousKey())))),
      lblPosition(new QLabel(this)),
      btNext(MakeButton(this, QStringLiteral("btNextReading"), QStringLiteral("\u203a"),
                        tr("Next reading"),
                        //: %1 the key that does it
                        tr("Show the day's next reading (%1)").arg(KeyText(NextKey())))),
      txtTime(new EntryBox(
          this, [](const QString& szText) { return ReadTimeText(szText).has_value(); },
          NotATimeText())),
      btAdd(MakeButton(
          this, QStringLiteral("btAddReading"), QStringLiteral("+"), tr("Add a reading"),
          //: %1 the key that does it
          tr("Add another reading to this day, with its time (%1)").arg(KeyText(AddKey())))),
      btRemove(
          MakeButton(this, QStringLiteral("btRemoveReading"), QStringLiteral("\u2212"),
                     tr("Remove this reading"),
                     //: %1 the key that does it
                     tr("Remove the reading shown from this day (%1)").arg(KeyText(RemoveKey())))) {
    setObjectName(QStringLiteral("ctlReadings"));
    setAccessibleName(tr("Readings of this day"));
    setAttribute(Qt::WA_NoMousePropagation);
    lblPosition->setObjectName(QStringLiteral("lblReadingPosition"));
    lblPosition->setTextFormat(Qt::PlainText);
    lblPosition->setAlignment(Qt::AlignCenter);
    QPalette colours = lblPosition->palette();
    colours.setColor(QPalette::WindowText, Qt::white);
    lblPosition->setPalette(colours);
    txtTime->setObjectName(QStringLiteral("txtReadingTime"));
    txtTime->setAccessibleName(tr("Time of this reading"));
    txtTime->SetTip(tr("The time of day this reading was taken, as 07:05 (24 hours)."));
    txtTime->setMaxLength(5);
    txtTime->setAlignment(Qt::AlignCenter);
    txtTime->setCursor(HandPointer());
    txtTime->setStyleSheet(QStringLiteral("QLineEdit { padding: 0px; border: 1px solid %1;"
                                          " border-radius: 2px; background: #ffffff;"
                                          " color: #101820; }")
                               .arg(EntryBoxFrameColour().name()) +
                           FocusFrameStyle(QStringLiteral("QLineEdit")));
    Arrange();
    connect(btPrevious, &QToolButton::clicked, this, &ReadingSwitcher::previousRequested);
    connect(btNext, &QToolButton::clicked, this, &ReadingSwitcher::nextRequested);
    connect(btAdd, &QToolButton::clicked, this, &ReadingSwitcher::addRequested);
    connect(btRemove, &QToolButton::clicked, this, &ReadingSwitcher::removeRequested);
    // A time is stored as soon as the text is one; a text that is not (also one that began as
    // a time) leaves the reading with the time it had before this edit.
    connect(txtTime, &QLineEdit::textEdited, this, [this](const QString& szText) {
        const std::optional<QTime> time = ReadTimeText(szText);
        const QString szTime = time ? TimeText(*time) : m_szTimeBeforeEdit;
        if (szTime != m_szStoredTime) {
            m_szStoredTime = szTime;
            emit timeTyped(m_szStoredTime);
        }
    });
    // Left (or Enter), the box shows the time the reading keeps.
    connect(txtTime, &QLineEdit::editingFinished, this, [this] {
        if (txtTime->text() != m_szStoredTime) {
            txtTime->setText(m_szStoredTime);
        }
        m_szTimeBeforeEdit = m_szStoredTime;
    });
    AddShortcut(AddKey(), &ReadingSwitcher::addRequested);
    AddShortcut(RemoveKey(), &ReadingSwitcher::removeRequested);
    AddShortcut(PreviousKey(), &ReadingSwitcher::previousRequested);
    AddShortcut(NextKey(), &ReadingSwitcher::nextRequested);
}

void ReadingSwitcher::Arrange() {
    auto* rows = new QVBoxLayout(this);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->setSpacing(3);
    auto* top = new QHBoxLayout;
    top->setSpacing(2);
    top->addWidget(btPrevious);
    top->addWidget(lblPosition, 1);
    top->addWidget(btNext);
    auto* bottom = new QHBoxLayout;
    bottom->setSpacing(2);
    bottom->addStretch(0);
    bottom->addWidget(txtTime, 1);
    bottom->addWidget(btAdd);
    bottom->addWidget(btRemove);
    rows->addLayout(top, 1);
    rows->addLayout(bottom, 1);
}

void ReadingSwitcher::AddShortcut(const QKeySequence& key, void (ReadingSwitcher::*signal)()) {
    auto* shortcut = new QShortcut(key, this);
    shortcut->setContext(Qt::WindowShortcut);
    connect(shortcut, &QShortcut::activated, this, signal);
}

void ReadingSwitcher::ShowReading(int iIndex, int iCount, const QString& szTime, bool bCanAdd) {
    const bool bSeveral = iCount > 1;
    //: Which of the day's readings is shown ("1 of 2"); keep it very short
    const QString szPosition = tr("%1 of %2").arg(iIndex + 1).arg(iCount);
    // Where the words do not fit (a large system font), the short form "12/12".
    QFont positionFont = FittedFont(szPosition, m_iMiddleWidth);
    if (QFontMetrics(positionFont).horizontalAdvance(szPosition) > m_iMiddleWidth) {
        const QString szShort = QStringLiteral("%1/%2").arg(iIndex + 1).arg(iCount);
        positionFont = FittedFont(szShort, m_iMiddleWidth);
        lblPosition->setText(szShort);
    } else {
        lblPosition->setText(szPosition);
    }
    lblPosition->setFont(positionFont);
    //: A screen reader's name of the position: the reading shown of how many
    lblPosition->setAccessibleName(tr("Reading %1 of %2").arg(iIndex + 1).arg(iCount));
    for (QToolButton* button : {btPrevious, btNext}) {
        //: %1 the button's tip, %2 the reading shown, %3 of how many
        button->setAccessibleDescription(tr("%1. Reading %2 of %3 is shown.")
                                             .arg(button->toolTip())
                                             .arg(iIndex + 1)
                                             .arg(iCount));
    }
    m_szStoredTime = szTime;
    m_szTimeBeforeEdit = szTime;
    if (txtTime->text() != szTime) {
        txtTime->setText(szTime);
    }
    for (QWidget* part :
         std::initializer_list<QWidget*>{btPrevious, lblPosition, btNext, txtTime, btRemove}) {
        part->setVisible(bSeveral);
    }
    btAdd->setText(bSeveral ? QStringLiteral("+") : AddWords());
    btAdd->setFont(bSeveral ? m_signFont : m_wordsFont);
    // Beside the time box the add command is a square; alone it is as wide as its words.
    if (bSeveral) {
        btAdd->setFixedWidth(m_iButtonWidth);
    } else {
        btAdd->setMinimumWidth(0);
        btAdd->setMaximumWidth(QWIDGETSIZE_MAX);
    }
    btAdd->setEnabled(bCanAdd);
}

void ReadingSwitcher::FitToPlace() {
    // Narrow buttons, so the position and the time keep most of the width.
    const int iSpacing = layout()->spacing();
    m_iRowHeight = (height() - iSpacing) / 2;
    m_iButtonWidth = std::min(m_iRowHeight, 16);
    for (QToolButton* button : {btPrevious, btNext, btRemove}) {
        button->setFixedSize(m_iButtonWidth, m_iRowHeight);
    }
    btAdd->setFixedHeight(m_iRowHeight);
    txtTime->setFixedHeight(m_iRowHeight);
    // What is left of a row beside two buttons and the gaps between them.
    m_iMiddleWidth = width() - 2 * m_iButtonWidth - 2 * iSpacing;
    // The time box's frame and margins take about ten pixels of its width.
    const QFont font = FittedFont(QStringLiteral("00:00"), m_iMiddleWidth - 10);
    txtTime->setFont(font);
    // The buttons' signs are narrow: larger, they read as well as the words beside them.
    m_signFont = font;
    m_signFont.setPointSizeF(
        std::min(font.pointSizeF() * 1.5,
                 font.pointSizeF() * (m_iRowHeight - 4) / QFontMetricsF(font).height()));
    for (QToolButton* button : {btPrevious, btNext, btRemove}) {
        button->setFont(m_signFont);
    }
    m_wordsFont = FittedFont(AddWords(), width() - 8);
}

QFont ReadingSwitcher::FittedFont(const QString& szText, int iWidth) const {
    QFont font = this->font();
    font.setPointSizeF(8.0);
    font.setBold(true);
    const auto fits = [&] {
        const QFontMetrics metrics(font);
        return metrics.horizontalAdvance(szText) <= iWidth && metrics.height() + 2 <= m_iRowHeight;
    };
    while (!fits() && font.pointSizeF() > 5.0) {
        font.setPointSizeF(font.pointSizeF() - 0.25);
    }
    return font;
}
