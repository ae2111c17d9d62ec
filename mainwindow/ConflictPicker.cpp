#include "mainwindow/ConflictPicker.h"

#include "diary/ReadingsSchema.h"
#include "i18n/LocalDates.h"
#include "widgets/FramelessWindow.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {

// A value as a button shows it: "&" is no shortcut, an empty value is said.
QString ButtonText(const QString& szWho, const QString& szValue) {
    //: An empty value, as the choice between two values shows it
    QString szShown = szValue.isEmpty() ? ConflictPicker::tr("(empty)") : szValue;
    szShown.replace(u'&', QStringLiteral("&&"));
    //: %1 whose value it is ("Here", "On the other computer"), %2 the value
    return ConflictPicker::tr("%1: %2").arg(szWho, szShown);
}

// "1 Dec 2026, systolic" (with the reading's number on a day of several).
QString ConflictTitle(const MergeConflict& conflict) {
    const QDate dt = DayKeyDate(conflict.szDayKey);
    QString szTitle = dt.isValid() ? LocalDates::LongDate(dt) : conflict.szDayKey;
    if (conflict.iReading > 0) {
        //: %1 the day, %2 the number of the reading on that day
        szTitle = ConflictPicker::tr("%1, reading %2").arg(szTitle).arg(conflict.iReading + 1);
    }
    //: %1 the day (and reading), %2 which value ("systolic")
    return ConflictPicker::tr("%1, %2").arg(szTitle, ConflictValueName(conflict.szValueName));
}

} // namespace

QString ConflictValueName(const QString& szValueName) {
    //: The values of a reading, as a title names them ("1 Dec 2026, systolic")
    static const QHash<QString, const char*> kNames{
        {QStringLiteral("T"), QT_TRANSLATE_NOOP("ConflictPicker", "time")},
        {QStringLiteral("S"), QT_TRANSLATE_NOOP("ConflictPicker", "systolic")},
        {QStringLiteral("D"), QT_TRANSLATE_NOOP("ConflictPicker", "diastolic")},
        {QStringLiteral("P"), QT_TRANSLATE_NOOP("ConflictPicker", "pulse")},
        {QStringLiteral("C"), QT_TRANSLATE_NOOP("ConflictPicker", "comment")}};
    const char* szName = kNames.value(szValueName, nullptr);
    return szName != nullptr ? ConflictPicker::tr(szName) : szValueName;
}

ConflictPicker::ConflictPicker(const QList<MergeConflict>& conflicts, const QString& szSaid,
                               const QString& szTheirsCopy, QWidget* parent)
    : QDialog(parent), m_conflicts(conflicts) {
    setObjectName(QStringLiteral("dlgConflictPicker"));
    setWindowTitle(tr("Values typed differently on two computers"));
    auto* layout = new QVBoxLayout(this);
    auto* intro = new QLabel(
        szSaid + QStringLiteral("\n\n") +
            //: %1 the file that keeps the other computer's diary
            tr("These values were typed differently here and on the other computer. Pick the one "
               "to keep for each; the other computer's diary stays in \"%1\".")
                .arg(QDir::toNativeSeparators(szTheirsCopy)),
        this);
    intro->setTextFormat(Qt::PlainText);
    intro->setWordWrap(true);
    layout->addWidget(intro);

    auto* list = new QWidget(this);
    auto* listLayout = new QVBoxLayout(list);
    for (const MergeConflict& conflict : conflicts) {
        const QString szTitle = ConflictTitle(conflict);
        auto* box = new QGroupBox(szTitle, list);
        box->setAccessibleName(szTitle);
        auto* boxLayout = new QVBoxLayout(box);
        auto* group = new QButtonGroup(box);
        auto* mine = new QRadioButton(ButtonText(tr("Here"), conflict.szMine), box);
        auto* theirs =
            new QRadioButton(ButtonText(tr("On the other computer"), conflict.szTheirs), box);
        for (QRadioButton* choice : {mine, theirs}) {
            //: A screen reader's name of a choice: %1 the day and value, %2 whose value it is
            choice->setAccessibleName(tr("%1: %2").arg(
                szTitle, choice->text().replace(QStringLiteral("&&"), QStringLiteral("&"))));
            choice->setFocusPolicy(Qt::StrongFocus);
            choice->setStyleSheet(FocusFrameStyle(QStringLiteral("QRadioButton")));
            group->addButton(choice);
            boxLayout->addWidget(choice);
        }
        mine->setChecked(true);
        radMine << mine;
        radTheirs << theirs;
        listLayout->addWidget(box);
    }
    auto* scroll = new QScrollArea(this);
    scroll->setWidget(list);
    scroll->setWidgetResizable(true);
    scroll->setFocusPolicy(Qt::NoFocus);
    layout->addWidget(scroll);

    buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("&Keep the picked values"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("&Decide later"));
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    for (QAbstractButton* button : buttons->buttons()) {
        button->setStyleSheet(FocusFrameStyle(QStringLiteral("QPushButton")));
    }
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    if (!radMine.isEmpty()) {
        radMine.constFirst()->setFocus();
    }
}

QList<MergeConflict> ConflictPicker::TheirsPicked() const {
    QList<MergeConflict> picked;
    for (qsizetype i = 0; i < m_conflicts.size(); ++i) {
        if (radTheirs[i]->isChecked()) {
            picked << m_conflicts[i];
        }
    }
    return picked;
}
