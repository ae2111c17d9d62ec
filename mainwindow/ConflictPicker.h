#pragma once

#include "diary/DiaryMerge.h"

#include <QDialog>
#include <QList>

class QDialogButtonBox;
class QRadioButton;

// Shows each value typed differently here and on the other computer, both values side by side,
// and lets the user pick one of each (this side's is picked at first). Enter takes the picks,
// Escape leaves the diary as it is (this side's values, the other side's diary in its copy).
class ConflictPicker : public QDialog {
    Q_OBJECT
public:
    // szSaid: what the merge took in, said first; szTheirsCopy: where the other side's diary is
    // kept (named in the dialog).
    ConflictPicker(const QList<MergeConflict>& conflicts, const QString& szSaid,
                   const QString& szTheirsCopy, QWidget* parent = nullptr);

    // The conflicts whose other side's value the user picked.
    QList<MergeConflict> TheirsPicked() const;

    // One pair of choices per conflict, in its order.
    QList<QRadioButton*> radMine;
    QList<QRadioButton*> radTheirs;
    QDialogButtonBox* buttons = nullptr;

private:
    QList<MergeConflict> m_conflicts;
};

// What a value is called ("systolic" for "S").
QString ConflictValueName(const QString& szValueName);
