#include "diary/CsvHeader.h"

#include "diary/CsvFields.h"
#include "xmlstore/MessageText.h"

#include <QCoreApplication>
#include <QHash>

#include <algorithm>
#include <initializer_list>

namespace {

struct CsvImport {
    Q_DECLARE_TR_FUNCTIONS(CsvImport)
};

} // namespace

namespace Csv {

namespace {

// A header name without case, accents, a unit in brackets or anything but letters and digits
// ("Systolic (mmHg)" gives "systolic", "Heart rate" gives "heartrate", "Sistólica" gives
// "sistolica").
QString NormalName(QString szName) {
    szName = szName.trimmed().toLower();
    if (szName.endsWith(u')') || szName.endsWith(u']')) {
        const qsizetype at = szName.lastIndexOf(szName.endsWith(u')') ? u'(' : u'[');
        if (at > 0) {
            szName.truncate(at);
        }
    }
    QString szLetters;
    for (const QChar c : szName.normalized(QString::NormalizationForm_D)) {
        if (c.isLetterOrNumber()) {
            szLetters += c;
        }
    }
    return szLetters;
}

// A column's meaning and, for the date, how telling its name is (the lowest wins).
struct NameMeaning {
    Column column;
    int iDateRank;
};

// The names the import knows, as NormalName gives them: English, German, French and Spanish.
const QHash<QString, NameMeaning>& KnownNames() {
    static const QHash<QString, NameMeaning> names = [] {
        QHash<QString, NameMeaning> known;
        const auto add = [&](Column column, int iRank, std::initializer_list<const char*> list) {
            for (const char* szName : list) {
                known.insert(QString::fromLatin1(szName), {column, iRank});
            }
        };
        add(kDate, 0, {"date", "datum", "fecha"});
        add(kDate, 1, {"datetime", "dateandtime", "datumuhrzeit", "dateheure", "fechahora"});
        add(kDate, 2, {"timestamp", "zeitstempel", "horodatage"});
        add(kDate, 3, {"day"});
        add(kTime, 4, {"time", "uhrzeit", "zeit", "heure", "hora"});
        add(kSystolic, 0, {"sys", "systolic", "systolisch", "systolique", "sistolica"});
        add(kDiastolic, 0, {"dia", "diastolic", "diastolisch", "diastolique", "diastolica"});
        add(kPulse, 0, {"pulse", "heartrate", "bpm", "puls", "pouls", "pulso"});
        add(kComment, 0,
            {"comment", "comments", "note", "notes", "bemerkung", "bemerkungen", "notiz", "notizen",
             "kommentar", "commentaire", "commentaires", "remarque", "comentario", "comentarios",
             "nota", "notas"});
        return known;
    }();
    return names;
}

// Which column a header name stands for; *piDateRank orders the names of the date column.
Column ColumnOfName(const QString& szNormal, int* piDateRank, bool* pbUnixMs) {
    if (szNormal == QLatin1String("timestampunixms")) {
        *pbUnixMs = true;
        *piDateRank = 2;
        return kDate;
    }
    *pbUnixMs = false;
    const auto it = KnownNames().constFind(szNormal);
    if (it == KnownNames().constEnd()) {
        return kIgnored;
    }
    *piDateRank = it->iDateRank;
    return it->column;
}

// Whether the fields are one of our header rows exactly, as the export writes it.
template <std::size_t N>
bool IsHeaderRow(const QList<Field>& fields, const std::array<const char16_t*, N>& names) {
    if (fields.size() != qsizetype(N)) {
        return false;
    }
    for (std::size_t i = 0; i < N; ++i) {
        if (fields[qsizetype(i)].bQuoted || fields[qsizetype(i)].szText != QStringView(names[i])) {
            return false;
        }
    }
    return true;
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

// The refusal of a header that names two columns for one value (kSystolic to kComment), the
// columns' names quoted as given.
QString DuplicateColumnsText(Column column, const QString& szFirst, const QString& szSecond) {
    //: %1 and %2: the names of two columns of a CSV file
    static const char* const kTexts[] = {
        nullptr,
        QT_TRANSLATE_NOOP("CsvImport",
                          "the columns \"%1\" and \"%2\" both hold the systolic pressure"),
        QT_TRANSLATE_NOOP("CsvImport",
                          "the columns \"%1\" and \"%2\" both hold the diastolic pressure"),
        QT_TRANSLATE_NOOP("CsvImport", "the columns \"%1\" and \"%2\" both hold the pulse"),
        QT_TRANSLATE_NOOP("CsvImport", "the columns \"%1\" and \"%2\" both hold the comment")};
    return CsvImport::tr(kTexts[column]).arg(szFirst, szSecond);
}

} // namespace

Header ReadHeader(const QList<Field>& fields) {
    Header header;
    header.iFieldCount = static_cast<int>(fields.size());
    int iBestDateRank = 100;
    for (int i = 0; i < fields.size(); ++i) {
        const QString szName = fields[i].szText.trimmed();
        int iRank = 0;
        bool bUnixMs = false;
        Column column = ColumnOfName(NormalName(szName), &iRank, &bUnixMs);
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
                header.bUnixMs = bUnixMs;
            }
            continue;
        }
        if (column == kIgnored) {
            continue;
        }
        if (header.iField[column] >= 0) {
            header.szDuplicate = DuplicateColumnsText(
                column, MessageText::Quoted(fields[header.iField[column]].szText.trimmed()),
                MessageText::Quoted(szName));
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
    header.bOurs = IsHeaderRow(fields, kHeaderNames) || IsHeaderRow(fields, kOlderHeaderNames);
    for (int i = 0; i < fields.size(); ++i) {
        if (std::find(header.iField.begin(), header.iField.end(), i) != header.iField.end() ||
            i == header.iTimeField) {
            continue;
        }
        const QString szName = fields[i].szText.trimmed();
        header.ignored.append(szName.isEmpty() ? CsvImport::tr("column %1").arg(i + 1) : szName);
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
