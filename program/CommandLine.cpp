#include "program/CommandLine.h"

#include "diary/DataFileLock.h"
#include "diary/DataFileSaver.h"
#include "diary/DiaryLoad.h"
#include "diary/DocumentMerge.h"
#include "diary/ReadingsCsv.h"
#include "diary/ReadingsSchema.h"
#include "diary/SafeFile.h"
#include "diary/modFiles.h"
#include "diary/modGlobals.h"
#include "i18n/Translations.h"
#include "report/frmReport.h"
#include "xmlstore/clsXML.h"
#include "xmlstore/clsXMLTag.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

#include <algorithm>
#include <cstdio>
#include <memory>

#ifndef TLG_VERSION
#define TLG_VERSION "0"
#endif

namespace {

// The texts of the command line, translated in the context "CommandLine". Option names, the
// CSV column names and "tlg" stay as they are in every language.
class CommandLine {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

// Options of the command line, by their long names.
const QString kExportCsv = QStringLiteral("export-csv");
const QString kExportPdf = QStringLiteral("export-pdf");
const QString kImportCsv = QStringLiteral("import-csv");
const QString kDelimiter = QStringLiteral("delimiter");
const QString kFrom = QStringLiteral("from");
const QString kTo = QStringLiteral("to");
const QString kDateOrder = QStringLiteral("date-order");
const QString kReplace = QStringLiteral("replace");
const QString kDryRun = QStringLiteral("dry-run");
const QString kIgnoreOtherComputerLock = QStringLiteral("ignore-other-computer-lock");

// "-" as a file name: the standard stream.
const QString kStandardStream = QStringLiteral("-");

//: The description at the top of tlg --help. Keep option names (--export-csv ...), the CSV
//: header row date,time,systolic,diastolic,pulse,comment and the example row as they are.
const char* const kDescription = QT_TRANSLATE_NOOP(
    "CommandLine",
    "Free Tensiolog, a blood-pressure diary. Without options it opens its window.\n"
    "\n"
    "Given a CSV file (tlg readings.csv, as a file manager's \"Open with\" does), it opens the "
    "window and asks whether to import the file's readings, as dropping the file on the window "
    "does; a file whose name does not end in .csv, or one that cannot be read, is refused with "
    "a message and nothing changes.\n"
    "\n"
    "With --export-csv, --export-pdf or --import-csv it needs no display: it works on the "
    "readings file in the user's data folder and ends. It refuses while the window is open on "
    "the same readings.\n"
    "\n"
    "--export-pdf writes the report exactly as the report window's \"Save as PDF...\" does "
    "(chart, summary, one line per reading, on the default printer's paper), for every day or "
    "for the days from --from to --to; the file is replaced only when it is complete.\n"
    "\n"
    "CSV files are UTF-8 with the header row date,time,systolic,diastolic,pulse,comment and one "
    "row per reading (2026-12-08,07:05,120,80,72,Walked; the time is empty for a day with one "
    "reading). An import also reads semicolons or tabs as separators, other column names (sys, "
    "dia, heart rate, bpm, note, ...; German, French and Spanish ones too; others are left "
    "out), values with units (134 mmHg, 72 bpm), dates such as 08.12.2026 or 08/12/2026, a time "
    "after the date, and milliseconds since 1970; each row is a reading with its time, at most "
    "12 a day. Days the diary lacks are added; in a day it has, a reading of the file meets the "
    "stored one of the same time and fills its empty values (or all with --replace), and one "
    "that meets none is added. A file with any line "
    "that cannot be read changes nothing. An import reads an ordinary file or standard input of "
    "at most 64 MB. An export puts a ' before a field a spreadsheet would take for a formula "
    "(=, +, -, @ first); the import of such an export takes it off again.\n"
    "\n"
    "Exit status: 0 done; 1 failed, with the reason on standard error; 2 the program is open on "
    "the same readings (here, or on another computer: see --ignore-other-computer-lock).");

// Writes text to a stream in the system's encoding.
void Print(QIODevice* pDevice, const QString& szText) {
    if (pDevice != nullptr) {
        pDevice->write(szText.toLocal8Bit());
    }
}

// A failed run: the reason on standard error.
int Fail(const CommandLineStreams& io, const QString& szReason, int iStatus = kCommandLineFailed) {
    Print(io.pErr, QStringLiteral("tlg: ") + szReason + u'\n');
    return iStatus;
}

// A warning that the run goes on after.
QString WarningText(const QString& szWarning) {
    //: %1: what went wrong (a sentence).
    return CommandLine::tr("warning: %1").arg(szWarning);
}

// A reading or merging failure of an import: szReason ends without a full stop.
QString NothingWasImported(const QString& szReason) {
    //: %1: the file, the line and what is wrong with it (a sentence without its full stop).
    return CommandLine::tr("%1. Nothing was imported.").arg(szReason);
}

// A file or input that could not be read at all: szReason names it and the reason.
QString NothingImported(const QString& szReason) {
    //: %1: the file and why it could not be read (no full stop).
    return CommandLine::tr("%1; nothing was imported.").arg(szReason);
}

QString Native(const QString& szPath) {
    return QDir::toNativeSeparators(szPath);
}

// The readings file and the document read from it (made the program's document).
struct Diary {
    QString szFile;
    std::unique_ptr<DataFileLock> lock;
    // The file as read: its bytes are what a save checks the file on disk against.
    LoadedDiary loaded;
    ~Diary() { ReplaceDocument(nullptr, nullptr); }
};

// Takes the diary's lock. The window saves the whole file while it runs: anything done
// meanwhile would be undone, and it would not see an import. The same lock rules as the
// window's: only a running holder refuses; without a usable lock, the save's check of the file
// keeps both sides.
int LockDiary(const CommandLineStreams& io, Diary& diary, bool bTakeOverOtherComputer) {
    diary.lock = std::make_unique<DataFileLock>(diary.szFile);
    const QString szLockFile = Native(diary.lock->LockFilePath());
    switch (diary.lock->Acquire(bTakeOverOtherComputer ? DataFileLock::kTakeOverOtherComputer
                                                       : DataFileLock::kRefuseOtherComputer)) {
    case DataFileLock::kHeldByRunning:
        //: %1: the readings file, %2: its lock file.
        return Fail(io,
                    CommandLine::tr("Tensiolog is open on these readings (%1; lock file %2). "
                                    "Close its window, then try again.")
                        .arg(Native(diary.szFile), szLockFile),
                    kCommandLineInUse);
    case DataFileLock::kHeldElsewhere:
        //: %1: which computer has the readings open (a sentence), %2: the option's name.
        return Fail(io,
                    CommandLine::tr("%1 If it is no longer running there, give --%2.")
                        .arg(diary.lock->HeldElsewhereText(), kIgnoreOtherComputerLock),
                    kCommandLineInUse);
    case DataFileLock::kNotAFile:
        //: %1: what lies where the lock file should be.
        Print(io.pErr, QStringLiteral("tlg: ") +
                           WarningText(CommandLine::tr("%1; going on without a lock. Move it "
                                                       "away unless you know what it is.")
                                           .arg(diary.lock->Reason())) +
                           u'\n');
        break;
    case DataFileLock::kLocked:
    case DataFileLock::kNotWritable:
        break;
    }
    return kCommandLineDone;
}

// Takes the data folder for this run and reads its readings file (a missing file is an empty
// diary). Fails while the program is open on the same readings (on another computer, unless
// bTakeOverOtherComputer), or when the file is there but cannot be read whole.
int OpenDiary(const CommandLineStreams& io, Diary& diary, bool bTakeOverOtherComputer) {
    diary.szFile = DataFilePath(ResolveDataFolder(GetSpecialFolderPath(kAppDataFolderId)));
    if (const int iStatus = LockDiary(io, diary, bTakeOverOtherComputer);
        iStatus != kCommandLineDone) {
        return iStatus;
    }
    diary.loaded = LoadDiary(diary.szFile);
    const LoadedDiary& loaded = diary.loaded;
    QString szWhy;
    switch (loaded.eOutcome) {
    case DiaryLoadOutcome::kMissing:
        ReplaceDocument(loaded.objDoc, CreateReadingsSkeleton(loaded.objDoc->objBlockTag));
        return kCommandLineDone;
    case DiaryLoadOutcome::kLoaded:
        ReplaceDocument(loaded.objDoc, loaded.objReadings);
        return kCommandLineDone;
    case DiaryLoadOutcome::kDamaged:
    case DiaryLoadOutcome::kTooManyDays:
        // The loader's own words, with the line.
        szWhy = loaded.objDoc->szError;
        break;
    case DiaryLoadOutcome::kNoReadings: {
        // A file cut off before its list of readings is told as cut off.
        LoadedDiary told;
        told.eOutcome = loaded.objDoc->bEndedWithOpenTags ? DiaryLoadOutcome::kCutOff
                                                          : DiaryLoadOutcome::kNoReadings;
        szWhy = LoadFailureReason(told);
        break;
    }
    case DiaryLoadOutcome::kUnreadable:
    case DiaryLoadOutcome::kCutOff:
        szWhy = LoadFailureReason(loaded);
        break;
    }
    //: %1: the readings file, %2: why it could not be read.
    return Fail(io, CommandLine::tr("the readings file %1 could not be read (%2). Start "
                                    "Tensiolog to see what can be saved of it; nothing was "
                                    "done.")
                        .arg(Native(diary.szFile), szWhy));
}

// The export's options from the command line: kCommandLineDone, or the failed run's status.
int ReadExportOptions(const QCommandLineParser& parser, const CommandLineStreams& io,
                      CsvExportOptions& options) {
    if (parser.isSet(kDelimiter)) {
        const QString szDelimiter = parser.value(kDelimiter);
        if (szDelimiter == QLatin1String(",") || szDelimiter == QLatin1String("comma")) {
            options.cDelimiter = u',';
        } else if (szDelimiter == QLatin1String(";") || szDelimiter == QLatin1String("semicolon")) {
            options.cDelimiter = u';';
        } else if (szDelimiter == QLatin1String("\t") || szDelimiter == QLatin1String("tab")) {
            options.cDelimiter = u'\t';
        } else {
            //: "tab" is the value as given on the command line; keep it.
            return Fail(io, CommandLine::tr("--delimiter takes \",\", \";\" or \"tab\", not \"%1\"")
                                .arg(szDelimiter));
        }
    }
    for (const auto& [szOption, pDate] :
         {std::pair{kFrom, &options.dtFirst}, std::pair{kTo, &options.dtLast}}) {
        if (parser.isSet(szOption)) {
            *pDate = QDate::fromString(parser.value(szOption), Qt::ISODate);
            if (!pDate->isValid()) {
                //: %1: the option's name (from, to), %2: what was given. The day is
                //: written as the command line takes it (year-month-day).
                return Fail(io, CommandLine::tr("--%1 takes a day such as 2026-12-08, not \"%2\"")
                                    .arg(szOption, parser.value(szOption)));
            }
        }
    }
    if (options.dtFirst.isValid() && options.dtLast.isValid() && options.dtFirst > options.dtLast) {
        return Fail(io, CommandLine::tr("--from must not come after --to"));
    }
    return kCommandLineDone;
}

// Writes an export of iDays days to szTarget ("-": standard output) and says so.
int WriteExport(const CommandLineStreams& io, const QString& szTarget, const QByteArray& bytes,
                int iDays) {
    QString szReason;
    if (szTarget == kStandardStream) {
        WriteCsvBytes(*io.pOut, bytes, &szReason);
        if (auto* pFile = qobject_cast<QFile*>(io.pOut);
            szReason.isEmpty() && pFile != nullptr && !pFile->flush()) {
            szReason = pFile->errorString();
        }
        if (!szReason.isEmpty()) {
            //: %1: why not.
            return Fail(io, CommandLine::tr("the readings could not be written to standard "
                                            "output (%1)")
                                .arg(szReason));
        }
        Print(io.pErr, QStringLiteral("tlg: ") +
                           CommandLine::tr("%n days written to standard output.", nullptr, iDays) +
                           u'\n');
        return kCommandLineDone;
    }
    if (!SaveCsvFile(szTarget, bytes, &szReason)) {
        //: %1: the file, %2: why not.
        return Fail(io, CommandLine::tr("the readings could not be written to %1 (%2)")
                            .arg(Native(szTarget), szReason));
    }
    //: %1: the file written.
    Print(io.pOut, CommandLine::tr("%n days written to %1.", nullptr, iDays)
                           .arg(Native(QFileInfo(szTarget).absoluteFilePath())) +
                       u'\n');
    return kCommandLineDone;
}

// An export's options read and its diary opened: kCommandLineDone, or the failed run's status.
int OpenForExport(const QCommandLineParser& parser, const CommandLineStreams& io,
                  CsvExportOptions& options, Diary& diary) {
    if (const int iStatus = ReadExportOptions(parser, io, options); iStatus != kCommandLineDone) {
        return iStatus;
    }
    return OpenDiary(io, diary, parser.isSet(kIgnoreOtherComputerLock));
}

int ExportCsv(const QCommandLineParser& parser, const CommandLineStreams& io) {
    CsvExportOptions options;
    Diary diary;
    if (const int iStatus = OpenForExport(parser, io, options, diary);
        iStatus != kCommandLineDone) {
        return iStatus;
    }
    int iDays = 0;
    const QByteArray bytes = ReadingsToCsv(objReadings, options, &iDays);
    return WriteExport(io, parser.value(kExportCsv), bytes, iDays);
}

// The report's period from --from and --to: all readings without either; an end not given is
// the diary's first or last day (never past the other end).
ReportPeriod PdfPeriod(const CsvExportOptions& options) {
    if (!options.dtFirst.isValid() && !options.dtLast.isValid()) {
        return {};
    }
    QDate dtFirst = options.dtFirst;
    QDate dtLast = options.dtLast;
    const auto& days = *objReadings->objSubTags;
    const auto dayOf = [](const std::shared_ptr<clsXMLTag>& objDay) {
        return QDate::fromString(objDay->szName, QStringLiteral("yyyyMMdd"));
    };
    if (!dtFirst.isValid()) {
        dtFirst = days.Count() > 0 ? dayOf(days.Item(1)) : QDate();
        dtFirst = dtFirst.isValid() ? std::min(dtFirst, dtLast) : dtLast;
    }
    if (!dtLast.isValid()) {
        dtLast = days.Count() > 0 ? dayOf(days.Item(days.Count())) : QDate();
        dtLast = dtLast.isValid() ? std::max(dtLast, dtFirst) : dtFirst;
    }
    return {ReportPeriodKind::FromTo, dtFirst, dtLast};
}

int ExportPdf(const QCommandLineParser& parser, const CommandLineStreams& io) {
    const QString szTarget = parser.value(kExportPdf);
    if (szTarget == kStandardStream || szTarget.isEmpty()) {
        return Fail(io, CommandLine::tr("--export-pdf writes to a file; give its name."));
    }
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) {
        return Fail(io, CommandLine::tr("the report cannot be drawn in this run."));
    }
    CsvExportOptions options;
    Diary diary;
    if (const int iStatus = OpenForExport(parser, io, options, diary);
        iStatus != kCommandLineDone) {
        return iStatus;
    }
    QString szReason;
    QString szPeriod;
    if (!frmReport::SaveReportAsPdf(objReadings, PdfPeriod(options), szTarget, &szReason,
                                    &szPeriod)) {
        //: %1: the file, %2: why not.
        return Fail(io, CommandLine::tr("the report could not be written to %1 (%2)")
                            .arg(Native(szTarget), szReason));
    }
    //: %1: the days the report covers (as its title names them), %2: the file written.
    Print(io.pOut, CommandLine::tr("The report (%1) written to %2.")
                           .arg(szPeriod, Native(QFileInfo(szTarget).absoluteFilePath())) +
                       u'\n');
    return kCommandLineDone;
}

// The order of day and month the command line gives: kCommandLineDone, or the failed run's
// status.
int ReadDateOrder(const QCommandLineParser& parser, const CommandLineStreams& io,
                  CsvDateOrder& order) {
    order = CsvDateOrder::Unknown;
    if (parser.isSet(kDateOrder)) {
        const QString szOrder = parser.value(kDateOrder).toLower();
        if (szOrder == QLatin1String("dmy")) {
            order = CsvDateOrder::DayFirst;
        } else if (szOrder == QLatin1String("mdy")) {
            order = CsvDateOrder::MonthFirst;
        } else {
            //: dmy and mdy are the values as given on the command line; keep them.
            return Fail(io, CommandLine::tr("--date-order takes dmy (day first) or mdy (month "
                                            "first), not \"%1\"")
                                .arg(parser.value(kDateOrder)));
        }
    }
    return kCommandLineDone;
}

// Saves an imported diary as the window saves it: the file as read is kept as the backup, and a
// file someone else changed meanwhile is never written over. Tells szReport and the outcome.
int SaveImport(const CommandLineStreams& io, const Diary& diary, const QString& szReport) {
    DataFileSaver saver(diary.szFile, diary.loaded.read, EncodeProgramDocument);
    // A change made to the file during the import is merged in, as the window merges one.
    FileMerge merge;
    QString szMerged;
    saver.SetMerger([&merge](const QByteArray& base, const QByteArray& theirs) {
        merge = MergeFileInto(objReadings, base, theirs);
        return SaverOutcomeOf(merge);
    });
    saver.onMerged = [&](const DataFileSaver::MergeOutcome&, const QString& szTheirsCopy) {
        szMerged = MergedFromText(merge.merge, MergeSource::kChangeDuringImport, szTheirsCopy);
    };
    const DataFileSaver::Result saved = saver.SaveNow();
    if (saved.eKind == DataFileSaver::kFailed) {
        //: %1: the readings file, %2: why not.
        return Fail(io, CommandLine::tr("the readings could not be saved to %1 (%2); the file "
                                        "is as it was and nothing was imported.")
                            .arg(Native(saved.szFile), saved.szReason));
    }
    if (saved.eKind == DataFileSaver::kConflictCopy) {
        //: %1: the readings file, %2: the copy saved beside it.
        return Fail(io, CommandLine::tr("the readings file %1 was changed by another program "
                                        "during the import. It was left as it is; the diary "
                                        "with the import was saved beside it as %2.")
                            .arg(Native(diary.szFile), Native(saved.szFile)));
    }
    Print(io.pOut, szReport + CommandLine::tr("Saved to %1.").arg(Native(diary.szFile)) + u'\n');
    if (!szMerged.isEmpty()) {
        Print(merge.merge.conflicts.isEmpty() ? io.pOut : io.pErr, szMerged + u'\n');
    }
    if (!saved.szWarning.isEmpty()) {
        // The import is in the file; only its durability is in doubt.
        Print(io.pErr, QStringLiteral("tlg: ") + WarningText(saved.szWarning) + u'\n');
    }
    return kCommandLineDone;
}

int ImportCsv(const QCommandLineParser& parser, const CommandLineStreams& io) {
    CsvDateOrder order = CsvDateOrder::Unknown;
    if (const int iStatus = ReadDateOrder(parser, io, order); iStatus != kCommandLineDone) {
        return iStatus;
    }
    const bool bReplace = parser.isSet(kReplace);
    const bool bDryRun = parser.isSet(kDryRun);

    // A file is read whole before the diary is locked, so that nothing it does can keep the
    // lock; what is not an ordinary file is refused at once.
    const QString szSource = parser.value(kImportCsv);
    const bool bStandardInput = szSource == kStandardStream;
    //: Where the readings come from, in messages such as "standard input, line 3: ...".
    const QString szShownName =
        bStandardInput ? CommandLine::tr("standard input") : CsvNameForMessages(szSource);
    QByteArray bytes;
    QString szReadError;
    if (!bStandardInput && !ReadCsvFile(szSource, &bytes, &szReadError)) {
        return Fail(io, NothingImported(szReadError));
    }

    Diary diary;
    if (const int iStatus = OpenDiary(io, diary, parser.isSet(kIgnoreOtherComputerLock));
        iStatus != kCommandLineDone) {
        return iStatus;
    }
    if (bStandardInput && io.pIn != nullptr &&
        !ReadCsvSource(*io.pIn, szShownName, &bytes, &szReadError)) {
        return Fail(io, NothingImported(szReadError));
    }

    CsvReadings readings;
    CsvReadError error;
    if (!ReadReadingsCsv(bytes, szShownName, order, &readings, &error)) {
        //: %1: the file, the line and what is wrong with it (a sentence without its full stop).
        return Fail(io, error.bAmbiguousDates
                            ? CommandLine::tr("%1. Nothing was imported. Say which with "
                                              "--date-order dmy (day first) or --date-order mdy "
                                              "(month first).")
                                  .arg(error.szMessage)
                            : NothingWasImported(error.szMessage));
    }
    CsvMergeSummary summary;
    QString szError;
    if (!MergeCsvReadings(objReadings, readings, bReplace, false, &summary, &szError)) {
        return Fail(io, NothingWasImported(szError));
    }
    QString szReport = CsvReadingsDescription(szShownName, readings) + u'\n';
    if (bDryRun || summary.iAdded + summary.Changed() == 0) {
        szReport += CsvMergeDescription(summary, false) + u'\n';
        szReport += (bDryRun ? CommandLine::tr("Dry run: nothing was changed.")
                             : CommandLine::tr("Nothing to change.")) +
                    u'\n';
        Print(io.pOut, szReport);
        return kCommandLineDone;
    }
    if (!MergeCsvReadings(objReadings, readings, bReplace, true, &summary, &szError)) {
        return Fail(io, NothingWasImported(szError));
    }
    return SaveImport(io, diary, szReport + CsvMergeDescription(summary, true) + u'\n');
}

// Long names of every option of the command line; single letters take one dash.
const QStringList& OwnOptionNames() {
    static const QStringList names = {QStringLiteral("h"),
                                      QStringLiteral("?"),
                                      QStringLiteral("help"),
                                      QStringLiteral("help-all"),
                                      QStringLiteral("v"),
                                      QStringLiteral("version"),
                                      kExportCsv,
                                      kExportPdf,
                                      kImportCsv,
                                      kDelimiter,
                                      kFrom,
                                      kTo,
                                      kDateOrder,
                                      kReplace,
                                      kDryRun,
                                      kIgnoreOtherComputerLock};
    return names;
}

// Options Qt's windowing takes itself (they open the window as before).
const QStringList& WindowOptionNames() {
    static const QStringList names = {QStringLiteral("platform"),
                                      QStringLiteral("platformpluginpath"),
                                      QStringLiteral("platformtheme"),
                                      QStringLiteral("plugin"),
                                      QStringLiteral("qwindowgeometry"),
                                      QStringLiteral("qwindowicon"),
                                      QStringLiteral("qwindowtitle"),
                                      QStringLiteral("reverse"),
                                      QStringLiteral("session"),
                                      QStringLiteral("display"),
                                      QStringLiteral("geometry"),
                                      QStringLiteral("style"),
                                      QStringLiteral("stylesheet"),
                                      QStringLiteral("widgetcount"),
                                      QStringLiteral("name"),
                                      QStringLiteral("title"),
                                      QStringLiteral("sync"),
                                      QStringLiteral("nograb"),
                                      QStringLiteral("dograb"),
                                      QStringLiteral("qmljsdebugger")};
    return names;
}

// The options of the export and the import.
void AddOwnOptions(QCommandLineParser& parser) {
    //: The name of an option's value, shown as <file> in tlg --help; one word, no spaces.
    const QString szFile = CommandLine::tr("file");
    //: The name of an option's value, shown as <day> in tlg --help; one word, no spaces.
    const QString szDay = CommandLine::tr("day");
    parser.addOptions({
        //: <file>: keep it as the name of the value is translated.
        {kExportCsv,
         CommandLine::tr("Writes every reading to <file> as CSV (\"-\": standard output) and "
                         "ends."),
         szFile},
        //: "Save as PDF...": the button of the report window.
        {kExportPdf,
         CommandLine::tr("Writes the report to <file> as PDF, as \"Save as PDF...\" does, and "
                         "ends."),
         szFile},
        {kImportCsv,
         CommandLine::tr("Adds the readings of the CSV <file> (\"-\": standard input) to the "
                         "diary and ends."),
         szFile},
        //: "Export:" and "Import:" begin each option that belongs to one of them; "tab" is the
        //: value as given on the command line.
        {kDelimiter,
         CommandLine::tr("Export: the field separator, \",\" (the default), \";\" (for "
                         "spreadsheets that write decimal commas) or \"tab\"."),
         //: The name of an option's value, shown as <separator> in tlg --help; one word.
         CommandLine::tr("separator")},
        {kFrom, CommandLine::tr("Export (CSV or PDF): the first day written (2026-01-31)."), szDay},
        {kTo, CommandLine::tr("Export (CSV or PDF): the last day written."), szDay},
        //: dmy and mdy are the values as given on the command line; keep them.
        {kDateOrder,
         CommandLine::tr("Import: read dates such as 03/04/2026 day first (dmy) or month first "
                         "(mdy); needed only when no date in the file tells."),
         //: The name of an option's value, shown as <order> in tlg --help; one word.
         CommandLine::tr("order")},
        {kReplace, CommandLine::tr("Import: the file's values replace stored ones (without it, "
                                   "only empty ones are filled in).")},
        {kDryRun, CommandLine::tr("Import: tell what would change, and change nothing.")},
        {kIgnoreOtherComputerLock,
         CommandLine::tr("Opens the readings although Tensiolog on another computer has them "
                         "open (a copied or synchronised data folder). Give it only when it no "
                         "longer runs there.")},
    });
}

// The one action asked for (an export as CSV or PDF, or an import), with options of its own
// only: kCommandLineDone, or the failed run's status.
int CheckAction(const QCommandLineParser& parser, const CommandLineStreams& io) {
    const QStringList actions{kExportCsv, kExportPdf, kImportCsv};
    const qsizetype nAsked = std::count_if(actions.begin(), actions.end(),
                                           [&](const QString& szA) { return parser.isSet(szA); });
    if (nAsked != 1) {
        return Fail(io, nAsked > 1 ? CommandLine::tr("give one of --export-csv, --export-pdf "
                                                     "and --import-csv, not more.")
                                   : CommandLine::tr("nothing to do: give --export-csv, "
                                                     "--export-pdf or --import-csv. See tlg "
                                                     "--help."));
    }
    // Each option and the actions it belongs to.
    const std::pair<QString, QStringList> owners[] = {
        {kDelimiter, {kExportCsv}},      {kFrom, {kExportCsv, kExportPdf}},
        {kTo, {kExportCsv, kExportPdf}}, {kDateOrder, {kImportCsv}},
        {kReplace, {kImportCsv}},        {kDryRun, {kImportCsv}}};
    for (const auto& [szOption, ownActions] : owners) {
        const bool bOwn = std::any_of(ownActions.begin(), ownActions.end(),
                                      [&](const QString& szA) { return parser.isSet(szA); });
        if (parser.isSet(szOption) && !bOwn) {
            //: %1: an option's name, %2 (and %3): the actions it belongs to (export-csv ...).
            return Fail(io, ownActions.size() == 1
                                ? CommandLine::tr("--%1 belongs to --%2.")
                                      .arg(szOption, ownActions.constFirst())
                                : CommandLine::tr("--%1 belongs to --%2 and --%3.")
                                      .arg(szOption, ownActions[0], ownActions[1]));
        }
    }
    return kCommandLineDone;
}

} // namespace

bool IsCommandLineRun(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const QString szArgument = QString::fromLocal8Bit(argv[i]);
        if (szArgument == QLatin1String("--")) {
            break;
        }
        if (!szArgument.startsWith(u'-') || szArgument == kStandardStream) {
            continue;
        }
        const bool bDoubleDash = szArgument.startsWith(QLatin1String("--"));
        const QString szName = szArgument.mid(bDoubleDash ? 2 : 1).section(u'=', 0, 0);
        if (OwnOptionNames().contains(szName)) {
            return true;
        }
        // An option of neither kind is a mistake the command line reports.
        if (bDoubleDash && !WindowOptionNames().contains(szName)) {
            return true;
        }
    }
    return false;
}

QStringList WindowRunFiles(const QStringList& arguments) {
    QStringList files;
    bool bOptionsEnded = false;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& szArgument = arguments[i];
        if (!bOptionsEnded && szArgument == QLatin1String("--")) {
            bOptionsEnded = true;
            continue;
        }
        if (!bOptionsEnded && szArgument.startsWith(u'-')) {
            continue;
        }
        const QUrl url(szArgument);
        const QString szPath = szArgument.startsWith(QLatin1String("file:"), Qt::CaseInsensitive)
                                   ? url.toLocalFile()
                                   : szArgument;
        files.append(QFileInfo(szPath).absoluteFilePath());
    }
    return files;
}

int RunCommandLine(const QStringList& arguments, const CommandLineStreams& io) {
    QCommandLineParser parser;
    parser.setApplicationDescription(CommandLine::tr(kDescription));
    parser.addPositionalArgument(
        QStringLiteral("file.csv"),
        CommandLine::tr("Opens the window and asks whether to import this CSV file."),
        QStringLiteral("[file.csv]"));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    AddOwnOptions(parser);

    if (!parser.parse(arguments)) {
        //: %1: what is wrong with the command line (Qt's own words).
        return Fail(io, CommandLine::tr("%1\nSee tlg --help.").arg(parser.errorText()));
    }
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        Print(io.pOut, parser.helpText());
        return kCommandLineDone;
    }
    if (parser.isSet(version)) {
        Print(io.pOut, QCoreApplication::applicationName() + u' ' +
                           QCoreApplication::applicationVersion() + u'\n');
        return kCommandLineDone;
    }
    if (!parser.positionalArguments().isEmpty()) {
        //: %1: an argument the command line does not take.
        return Fail(io, CommandLine::tr("unexpected \"%1\". See tlg --help.")
                            .arg(parser.positionalArguments().constFirst()));
    }
    if (const int iStatus = CheckAction(parser, io); iStatus != kCommandLineDone) {
        return iStatus;
    }
    if (parser.isSet(kExportPdf)) {
        return ExportPdf(parser, io);
    }
    return parser.isSet(kExportCsv) ? ExportCsv(parser, io) : ImportCsv(parser, io);
}

namespace {

// True when the arguments ask for the report as PDF (before any "--").
bool AsksForPdf(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        if (argument == "--") {
            break;
        }
        if (argument == "--export-pdf" || argument.startsWith("--export-pdf=")) {
            return true;
        }
    }
    return false;
}

// The report is drawn without a window: where windows need a display server (X11, Wayland),
// Qt's offscreen platform draws it, so a run from a script, a timer or a remote shell never
// needs one (a platform the user names is kept). Elsewhere the system's own platform draws
// without a display.
void DrawWithoutDisplay() {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
#endif
}

} // namespace

int CommandLineMain(int argc, char** argv) {
    std::unique_ptr<QCoreApplication> application;
    if (AsksForPdf(argc, argv)) {
        DrawWithoutDisplay();
        application = std::make_unique<QApplication>(argc, argv);
    } else {
        application = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication::setApplicationName(QStringLiteral("tlg"));
    if (QCoreApplication::applicationVersion().isEmpty()) {
        QCoreApplication::setApplicationVersion(QStringLiteral(TLG_VERSION));
    }
    InstallTranslations(QLocale::system());
    QFile out;
    QFile err;
    QFile in;
    out.open(stdout, QIODevice::WriteOnly);
    err.open(stderr, QIODevice::WriteOnly | QIODevice::Unbuffered);
    in.open(stdin, QIODevice::ReadOnly);
    const int iStatus = RunCommandLine(QCoreApplication::arguments(), {&out, &err, &in});
    out.flush();
    return iStatus;
}
