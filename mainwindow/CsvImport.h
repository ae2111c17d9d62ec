#pragma once

#include <QString>

#include <functional>

class QDropEvent;
class QMimeData;
class QWidget;

// The one local .csv file a drag carries, or empty text.
QString DroppedCsvFile(const QMimeData* pData);

// Makes .csv files dragged over or dropped on each control go to the window's handlers
// (over: the drag is over it; drop: it was dropped), so that an entry box neither shows a
// caret for them nor pastes their name. Other drags reach the controls as before.
void PassCsvDrops(QWidget* window, const std::initializer_list<QWidget*>& controls,
                  std::function<void(QDropEvent*)> over, std::function<void(QDropEvent*)> drop);

// Readings in from a CSV file into the program's diary: says what the file holds and how many
// days it adds or changes (empty values filled in), and merges it when the user answers Yes
// (No is the default). A file whose name does not end in .csv is refused with a message, as is
// one that is missing, not an ordinary file or not readable as readings. True when merged.
bool AskAndImportCsv(const QString& szPath);
