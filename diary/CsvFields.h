#pragma once

// What the CSV export and import agree on about fields: the names of our header row and the
// guard that keeps a spreadsheet from taking a field for a formula. Qt Core only.

#include <QString>
#include <QStringView>

#include <array>

namespace Csv {

// Column names of our header row, in their order.
constexpr std::array<const char16_t*, 6> kHeaderNames = {u"date",      u"time",  u"systolic",
                                                         u"diastolic", u"pulse", u"comment"};
// Our header row before readings had times: files exported then are ours too.
constexpr std::array<const char16_t*, 5> kOlderHeaderNames = {u"date", u"systolic", u"diastolic",
                                                              u"pulse", u"comment"};

// The mark that keeps a spreadsheet from taking a field for a formula.
constexpr char16_t kFormulaGuard = u'\'';

// Whether a spreadsheet reads the text as a plain number: a sign, digits, and at most one
// decimal point or comma with digits after it.
bool IsPlainNumber(QStringView s);

// Whether a field is written with kFormulaGuard before it: after any guards it already has,
// it starts with a character that makes a spreadsheet read a formula (=, +, -, @, a tab or a
// line break), and it is not a plain number. The guards it already has count, so that the
// import, which takes one guard off whatever this says needs one, gives back the text exactly
// ("'=x" is written "''=x"; "'hello" and "''" stay as they are). Inline: the export asks it of
// every field.
inline bool NeedsFormulaGuard(QStringView s) {
    qsizetype i = 0;
    while (i < s.size() && s[i] == kFormulaGuard) {
        ++i;
    }
    if (i == s.size()) {
        return false;
    }
    const QChar c = s[i];
    const bool bFormula =
        c == u'=' || c == u'+' || c == u'-' || c == u'@' || c == u'\t' || c == u'\r' || c == u'\n';
    return bFormula && !IsPlainNumber(s.sliced(i));
}

// Gives a field of our own export back as it was before the guard was put in front of it.
void TakeOffFormulaGuard(QString& szField);

} // namespace Csv
