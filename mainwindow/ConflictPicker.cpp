#include "mainwindow/ConflictPicker.h"

#include "diary/ReadingsSchema.h"
#include "widgets/FramelessWindow.h"

#include <QButtonGroup>
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
    QString szShown = szValue.isEmpty() ? QStringLiteral("(empty)") : szValue;
    szShown.replace(u'&', QStringLiteral("&&"));
    return szWho + QStringLiteral(": ") + szShown;
}

// "1 Dec 2026, systolic" (with the reading's number on a day of several).
QString ConflictTitle(const MergeConflict& conflict) {
    const QDate dt = DayKeyDate(conflict.szDayKey);
    QString szTitle =
        dt.isValid() ? QLocale().toString(dt, QLocale::LongFormat) : conflict.szDayKey;
    if (conflict.iReading > 0) {
        szTitle += QStringLiteral(", reading %1").arg(conflict.iReading + 1);
    }
    return szTitle + QStringLiteral(", ") + ConflictValueName(conflict.szValueName);
}

} // namespace

QString ConflictValueName(const QString& szValueName) {
    static const QHash<QString, QString> kNames{{QStringLiteral("T"), QStringLiteral("time")},
                                                {QStringLiteral("S"), QStringLiteral("systolic")},
                                                {QStringLiteral("D"), QStringLiteral("diastolic")},
                                                {QStringLiteral("P"), QStringLiteral("pulse")},
                                                {QStringLiteral("C"), QStringLiteral("comment")}};
    return kNames.value(szValueName, szValueName);
}

ConflictPicker::ConflictPicker(const QList<MergeConflict>& conflicts, const QString& szSaid,
                               const QString& szTheirsCopy, QWidget* parent)
    : QDialog(parent), m_conflicts(conflicts) {
    setObjectName(QStringLiteral("dlgConflictPicker"));
    setWindowTitle(QStringLiteral("Values typed differently on two computers"));
    auto* layout = new QVBoxLayout(this);
    auto* intro = new QLabel(
        szSaid + QStringLiteral(
                     "\n\nThese values were typed differently here and on the other computer. Pick "
                     "the one to keep for each; the other computer's diary stays in \"%1\".")
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
        auto* mine = new QRadioButton(ButtonText(QStringLiteral("Here"), conflict.szMine), box);
        auto* theirs = new QRadioButton(
            ButtonText(QStringLiteral("On the other computer"), conflict.szTheirs), box);
        for (QRadioButton* choice : {mine, theirs}) {
            choice->setAccessibleName(
                szTitle + QStringLiteral(": ") +
                choice->text().replace(QStringLiteral("&&"), QStringLiteral("&")));
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
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("&Keep the picked values"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("&Decide later"));
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
