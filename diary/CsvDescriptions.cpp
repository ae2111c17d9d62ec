#include "diary/ReadingsCsv.h"

#include "xmlstore/MessageText.h"

namespace {

QString DelimiterName(QChar c) {
    if (c == u';') {
        return QStringLiteral("semicolons");
    }
    if (c == u'\t') {
        return QStringLiteral("tabs");
    }
    return QStringLiteral("commas");
}

QString Count(qsizetype n, const char* szOne, const char* szMany) {
    return QString::number(n) + u' ' + QLatin1String(n == 1 ? szOne : szMany);
}

} // namespace

QString CsvReadingsDescription(const QString& szFileName, const CsvReadings& readings) {
    QString szText =
        QStringLiteral("%1: %2 on %3 (%4, fields separated by %5).")
            .arg(MessageText::Visible(szFileName), Count(readings.iRows, "reading", "readings"),
                 Count(readings.days.size(), "day", "days"), readings.szEncoding,
                 DelimiterName(readings.cDelimiter));
    if (readings.iDaysWithSeveral > 0) {
        szText +=
            u'\n' + QStringLiteral("%1 more than one reading; each is kept with its time.")
                        .arg(readings.iDaysWithSeveral == 1
                                 ? QStringLiteral("1 day has")
                                 : QStringLiteral("%1 days have").arg(readings.iDaysWithSeveral));
    }
    if (!readings.ignoredColumns.isEmpty()) {
        szText +=
            u'\n' +
            QStringLiteral("Columns left out: %1.").arg(MessageText::List(readings.ignoredColumns));
    }
    if (readings.iLinesBeforeHeader > 0) {
        szText += u'\n' + QStringLiteral("%1 above the header row skipped.")
                              .arg(Count(readings.iLinesBeforeHeader, "line", "lines"));
    }
    return szText;
}

QString CsvMergeDescription(const CsvMergeSummary& summary, bool bApplied) {
    QString szText =
        bApplied ? QStringLiteral("Added %1, filled in %2, replaced values of %3; %4 unchanged.")
                 : QStringLiteral("Would add %1, fill in %2, replace values of %3; %4 would stay "
                                  "unchanged.");
    szText = szText.arg(Count(summary.iAdded, "day", "days"), Count(summary.iFilled, "day", "days"),
                        Count(summary.iReplaced, "day", "days"),
                        Count(summary.iUnchanged, "day", "days"));
    if (summary.iGrown > 0) {
        szText += u'\n' + QStringLiteral("%1 %2 readings of the file beside their own.")
                              .arg(Count(summary.iGrown, "day", "days"),
                                   QLatin1String(bApplied ? "took" : "would take"));
    }
    if (summary.iKeptDifferent > 0) {
        szText += u'\n' + QStringLiteral("%1 %2 stored values where the file has others.")
                              .arg(Count(summary.iKeptDifferent, "day", "days"),
                                   QLatin1String(bApplied ? "kept" : "would keep"));
    }
    return szText;
}
