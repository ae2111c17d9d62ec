#include "diary/ReadingsCsv.h"

#include "diary/CsvFields.h"
#include "diary/ReadingsSchema.h"
#include "diary/SafeFile.h"
#include "xmlstore/clsXMLTag.h"
#include "xmlstore/clsXMLTags.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QIODevice>
#include <QLocale>

#include <optional>

namespace {

struct CsvExport {
    Q_DECLARE_TR_FUNCTIONS(CsvExport)
};

using Csv::kHeaderNames;

const QLatin1String kCrLf("\r\n");

// Appends a field, guarded against spreadsheet formulas, and quoted when a reader could take
// it apart or trim it.
void AppendField(QString& out, const QString& szValue, QChar cDelimiter) {
    const QString szText = Csv::NeedsFormulaGuard(szValue) ? Csv::kFormulaGuard + szValue : szValue;
    bool bQuote = !szText.isEmpty() && (szText.front().isSpace() || szText.back().isSpace());
    for (qsizetype i = 0; i < szText.size() && !bQuote; ++i) {
        const QChar c = szText[i];
        bQuote = c == cDelimiter || c == u'"' || c == u'\r' || c == u'\n';
    }
    if (!bQuote) {
        out += szText;
        return;
    }
    out += u'"';
    for (const QChar c : szText) {
        if (c == u'"') {
            out += u'"';
        }
        out += c;
    }
    out += u'"';
}

} // namespace

namespace {

// Appends one row: the day's ISO date from its key, then the reading's fields.
void AppendRow(QString& out, QStringView key, const Reading& reading, QChar d) {
    out += key.first(4);
    out += u'-';
    out += key.sliced(4, 2);
    out += u'-';
    out += key.sliced(6, 2);
    out += d;
    AppendField(out, reading.szTime, d);
    out += d;
    AppendField(out, reading.szSystolic, d);
    out += d;
    AppendField(out, reading.szDiastolic, d);
    out += d;
    AppendField(out, reading.szPulse, d);
    out += d;
    AppendField(out, CommentAsTyped(reading.szComment), d);
    out += kCrLf;
}

bool InPeriod(const QDate& date, const CsvExportOptions& options) {
    return date.isValid() && (!options.dtFirst.isValid() || date >= options.dtFirst) &&
           (!options.dtLast.isValid() || date <= options.dtLast);
}

} // namespace

QByteArray ReadingsToCsv(const std::shared_ptr<clsXMLTag>& objReadings,
                         const CsvExportOptions& options, int* piDays) {
    const QChar d = options.cDelimiter;
    QString out;
    for (std::size_t i = 0; i < kHeaderNames.size(); ++i) {
        if (i > 0) {
            out += d;
        }
        out += QStringView(kHeaderNames[i]);
    }
    out += kCrLf;
    int iDays = 0;
    if (objReadings && objReadings->objSubTags) {
        out.reserve(out.size() + objReadings->objSubTags->Count() * 24);
        for (const std::shared_ptr<clsXMLTag>& objDay : *objReadings->objSubTags) {
            if (!objDay || !InPeriod(DayKeyDate(objDay->szName), options)) {
                continue;
            }
            const QList<Reading> readings = DayReadings(objDay);
            bool bWritten = false;
            for (const Reading& reading : readings) {
                if (!reading.IsEmpty()) {
                    AppendRow(out, objDay->szName, reading, d);
                    bWritten = true;
                }
            }
            iDays += bWritten ? 1 : 0;
        }
    }
    if (piDays != nullptr) {
        *piDays = iDays;
    }
    return out.toUtf8();
}

bool WriteCsvBytes(QIODevice& device, const QByteArray& bytes, QString* pszReason) {
    qint64 lDone = 0;
    while (lDone < bytes.size()) {
        const qint64 lWritten = device.write(bytes.constData() + lDone, bytes.size() - lDone);
        if (lWritten <= 0) {
            *pszReason = device.errorString();
            // Qt's own words for no reason, in the installed language: a fresh device's.
            if (pszReason->isEmpty() || *pszReason == QBuffer().errorString()) {
                *pszReason = CsvExport::tr("the bytes could not all be written");
            }
            return false;
        }
        lDone += lWritten;
    }
    return true;
}

bool SaveCsvFile(const QString& szFile, const QByteArray& bytes, QString* pszReason) {
    return WriteFileSafely(szFile, bytes, std::nullopt, pszReason);
}

QChar CsvDelimiterForLocale(const QLocale& locale) {
    return locale.decimalPoint() == QStringLiteral(",") ? u';' : u',';
}
