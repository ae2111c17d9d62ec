#pragma once

// How messages quote what a file holds: one rule for the data file's and the CSV files'
// messages, in the window and on a terminal. Qt Core only.

#include <QString>
#include <QStringList>
#include <QStringView>

namespace MessageText {

// Most characters a message shows of one quoted piece of data. A damaged file can hold a line
// of megabytes, and a message quoting all of it freezes the box that shows it.
constexpr qsizetype kMaxQuoted = 60;

// Most names a message lists before it says how many more there are.
constexpr qsizetype kMaxListed = 10;

// The text with every character that could act on a terminal or break a message shown
// visibly: control characters (C0, DEL, C1) as \x1B, the characters that turn the direction
// of text and the line and paragraph separators as \u202E. Nothing else changes.
QString Visible(QStringView text);

// Visible(text) cut to at most iMax characters, ended by "…" when cut; never inside an escape
// or between the halves of a surrogate pair.
QString Quoted(QStringView text, qsizetype iMax = kMaxQuoted);

// The names, each as Quoted gives it, separated by ", "; beyond iMax names the first iMax and
// "and N more".
QString List(const QStringList& names, qsizetype iMax = kMaxListed);

} // namespace MessageText
