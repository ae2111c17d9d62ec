#include "diary/CsvHeader.h"

#include "diary/CsvFields.h"
#include "xmlstore/MessageText.h"

#include <QHash>

#include <algorithm>
#include <utility>

namespace Csv {

namespace {

// A header name without case, a unit in brackets or anything but letters and digits
// ("Systolic (mmHg)" gives "systolic", "Heart rate" gives "heartrate").
QString NormalName(QString szName) {
    szName = szName.trimmed().toLower();
    if (szName.endsWith(u')') || szName.endsWith(u']')) {
        const qsizetype at = szName.lastIndexOf(szName.endsWith(u')') ? u'(' : u'[');
        if (at > 0) {
            szName.truncate(at);
        }
    }
    QString szLetters;
    for (const QChar c : szName) {
        if (c.isLetterOrNumber()) {
            szLetters += c;
        }
    }
    return szLetters;
}

// Which column a header name stands for; iDateRank orders the names of the date column (the
// lowest wins).
Column ColumnOfName(const QString& szNormal, int* piDateRank) {
    static const QHash<QString, std::pair<Column, int>> names = {
        {QStringLiteral("date"), {kDate, 0}},        {QStringLiteral("datetime"), {kDate, 1}},
        {QStringLiteral("dateandtime"), {kDate, 1}}, {QStringLiteral("timestamp"), {kDate, 2}},
        {QStringLiteral("day"), {kDate, 3}},         {QStringLiteral("time"), {kTime, 4}},
        {QStringLiteral("sys"), {kSystolic, 0}},     {QStringLiteral("systolic"), {kSystolic, 0}},
        {QStringLiteral("dia"), {kDiastolic, 0}},    {QStringLiteral("diastolic"), {kDiastolic, 0}},
        {QStringLiteral("pulse"), {kPulse, 0}},      {QStringLiteral("heartrate"), {kPulse, 0}},
        {QStringLiteral("bpm"), {kPulse, 0}},        {QStringLiteral("comment"), {kComment, 0}},
        {QStringLiteral("comments"), {kComment, 0}}, {QStringLiteral("note"), {kComment, 0}},
        {QStringLiteral("notes"), {kComment, 0}},
    };
    const auto it = names.constFind(szNormal);
    if (it == names.constEnd()) {
        return kIgnored;
    }
    *piDateRank = it->second;
    return it->first;
}

// The separator's first non-blank line as read, its fields joined with commas: more than a
// message quotes, and no more (a line may hold megabytes).
QString FirstLineForMessage(const QList<Field>& fields) {
    QString szLine;
    for (const Field& field : fields) {
        if (szLine.size() > MessageText::kMaxQuoted) {
            break;
        }
        if (&field != &fields.front()) {
            szLine += u',';
        }
        szLine += QStringView(field.szText).left(MessageText::kMaxQuoted + 1);
    }
    return szLine;
}

} // namespace

const QString& ValueName(Column column) {
    static const QString names[] = {QStringLiteral("date"), QStringLiteral("systolic pressure"),
                                    QStringLiteral("diastolic pressure"), QStringLiteral("pulse"),
                                    QStringLiteral("comment")};
    return names[column];
}

Header ReadHeader(const QList<Field>& fields) {
    Header header;
    header.iFieldCount = static_cast<int>(fields.size());
    int iBestDateRank = 100;
    for (int i = 0; i < fields.size(); ++i) {
        const QString szName = fields[i].szText.trimmed();
        int iRank = 0;
        Column column = ColumnOfName(NormalName(szName), &iRank);
        if (column == kTime) {
            // A time column holds the date and time when there is no date column.
            if (header.iTimeField < 0) {
                header.iTimeField = i;
            }
            column = kDate;
        }
        if (column == kDate) {
            if (iRank < iBestDateRank) {
                iBestDateRank = iRank;
                header.iField[kDate] = i;
            }
            continue;
        }
        if (column == kIgnored) {
            continue;
        }
        if (header.iField[column] >= 0) {
            header.szDuplicate =
                QStringLiteral("the columns \"%1\" and \"%2\" both hold the %3")
                    .arg(MessageText::Quoted(fields[header.iField[column]].szText.trimmed()),
                         MessageText::Quoted(szName), ValueName(column));
            continue;
        }
        header.iField[column] = i;
        ++header.iKnown;
    }
    if (header.iField[kDate] >= 0) {
        ++header.iKnown;
    }
    if (header.iTimeField == header.iField[kDate]) {
        header.iTimeField = -1;
    }
    header.bOurs = fields.size() == qsizetype(kHeaderNames.size());
    for (std::size_t i = 0; i < kHeaderNames.size() && header.bOurs; ++i) {
        header.bOurs = !fields[qsizetype(i)].bQuoted &&
                       fields[qsizetype(i)].szText == QStringView(kHeaderNames[i]);
    }
    for (int i = 0; i < fields.size(); ++i) {
        if (std::find(header.iField.begin(), header.iField.end(), i) != header.iField.end() ||
            i == header.iTimeField) {
            continue;
        }
        const QString szName = fields[i].szText.trimmed();
        header.ignored.append(szName.isEmpty() ? QStringLiteral("column %1").arg(i + 1) : szName);
    }
    return header;
}

HeaderRow FindHeader(const QString& szText) {
    constexpr int kHeaderSearchRecords = 10;
    HeaderRow found;
    int iFoundIndex = kHeaderSearchRecords;
    for (const QChar cDelimiter : {u',', u';', u'\t'}) {
        RecordReader scan(szText, cDelimiter);
        QList<Field> fields;
        int iLine = 0;
        QString szProblem;
        int iIndex = 0;
        while (iIndex < kHeaderSearchRecords &&
               scan.Next(fields, iLine, szProblem) == RecordReader::Record) {
            if (IsBlankRecord(fields)) {
                continue;
            }
            if (found.szFirstLine.isEmpty() && cDelimiter == u',') {
                found.szFirstLine = FirstLineForMessage(fields);
            }
            const Header candidate = ReadHeader(fields);
            if (candidate.Usable()) {
                if (candidate.iKnown > found.columns.iKnown ||
                    (candidate.iKnown == found.columns.iKnown && iIndex < iFoundIndex)) {
                    found.columns = candidate;
                    found.cDelimiter = cDelimiter;
                    found.iLine = iLine;
                    found.iDataStart = scan.Position();
                    found.iDataLine = scan.Line();
                    found.bOurExport = candidate.bOurs && iLine == 1;
                    iFoundIndex = iIndex;
                }
                break;
            }
            ++iIndex;
        }
    }
    return found;
}

} // namespace Csv
