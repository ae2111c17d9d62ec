#pragma once

#include <QtCore/qnamespace.h>

#include <optional>

// How the chart's keys walk its rows, apart from any widget. Rows are 1-based; 0 is "no row
// reached".
//
// The rows a page key moves: a week, or the rows of one pixel column where they are more
// (plotWidth 0: the plot is not known).
int ChartPageRows(qint16 iRows, double plotWidth);
// The row a key takes the cursor to from iCursor among iRows rows: the arrow keys one row,
// Page Up/Down a page (iPage), Home and End the first and last row; from no row, any of them
// but Home goes to the last row. Escape leaves the rows (0). Nothing for a key the chart leaves
// to the window (every other key, Escape when no row is reached, any key without rows).
std::optional<qint16> ChartKeyTarget(int iKey, qint16 iCursor, qint16 iRows, int iPage);
