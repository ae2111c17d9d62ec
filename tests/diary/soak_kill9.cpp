// Kill -9 soak: a child types a reading every 40 ms into a diary saved as the program saves it,
// and is killed with SIGKILL at random moments; after each kill the file must load whole and
// hold every reading typed more than two seconds before the kill. Prints the number of such
// readings lost (which must be zero) and ends with status 1 when any was.
//
//   soak_kill9 --kills N [--folder DIR]   the soak (a temporary folder unless one is given)
//   soak_kill9 --child FILE               one typing run (started by the soak)

#include "diary/DataFileSaver.h"
#include "diary/DayReadings.h"
#include "diary/DiaryLoad.h"
#include "diary/ReadingsSchema.h"
#include "diary/modGlobals.h"
#include "xmlstore/clsXMLTag.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

namespace {

// Reading n goes to day n % kDays of 2000, its number in the comment: later readings of a day
// replace earlier ones, so the diary stays within the store's size however long the soak runs.
constexpr int kDays = 5000;

QString DayOf(qint64 lReading) {
    const QDate dt = QDate(2000, 1, 1).addDays(lReading % kDays);
    return DayKey(static_cast<qint16>(dt.year()), static_cast<qint16>(dt.month()),
                  static_cast<qint16>(dt.day()));
}

// The reading number a day holds, or -1.
qint64 ReadingOnDay(const std::shared_ptr<clsXMLTag>& objReadings, const QString& szDay) {
    const std::shared_ptr<clsXMLTag> objEntry =
        objReadings ? FindDayEntry(objReadings, szDay) : nullptr;
    if (!objEntry) {
        return -1;
    }
    const QList<Reading> readings = DayReadings(objEntry);
    bool bOk = false;
    const qint64 lReading = readings.isEmpty() ? -1 : readings[0].szComment.toLongLong(&bOk);
    return bOk ? lReading : -1;
}

int RunChild(const QString& szFile, qint64 lFirst) {
    const LoadedDiary diary = LoadDiary(szFile);
    if (diary.eOutcome == DiaryLoadOutcome::kMissing) {
        auto objDoc = diary.objDoc;
        objDoc->objBlockTag->szName = QStringLiteral("CORVALEN TENSIOLOG");
        ReplaceDocument(objDoc, objDoc->objBlockTag->AddSubTag(kReadingsTagName, {}, true));
    } else {
        ReplaceDocument(diary.objDoc, diary.objReadings);
    }
    DataFileSaver saver(szFile, diary.read, EncodeProgramDocument);
    qint64 lNext = lFirst;
    QTimer typing;
    QObject::connect(&typing, &QTimer::timeout, [&] {
        const DayEntryTags tags = FindOrCreateDayEntry(objReadings, DayOf(lNext));
        tags.objSystolicTag->szValue = QString::number(100 + lNext % 60);
        tags.objCommentTag->szValue = QString::number(lNext);
        saver.NoteChange();
        // Told once it is in the document, as a key release would store it.
        std::printf("%lld\n", static_cast<long long>(lNext));
        std::fflush(stdout);
        ++lNext;
    });
    typing.start(40);
    return QCoreApplication::exec();
}

// One child run killed after a random time; the readings lost, or -1 when the file would not load.
int KillOnce(const QString& szFile, qint64& lNext, QRandomGenerator& random) {
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--child"), szFile, QString::number(lNext)});
    if (!child.waitForStarted(10000)) {
        return -1;
    }
    QElapsedTimer clock;
    clock.start();
    QList<QPair<qint64, qint64>> typed; // reading, when (ms)
    const qint64 lKillAt = 1000 + random.bounded(4000);
    while (clock.elapsed() < lKillAt) {
        child.waitForReadyRead(static_cast<int>(std::max<qint64>(1, lKillAt - clock.elapsed())));
        while (child.canReadLine()) {
            typed.append({child.readLine().trimmed().toLongLong(), clock.elapsed()});
        }
    }
    const qint64 lKilled = clock.elapsed();
    child.kill();
    child.waitForFinished(10000);
    const LoadedDiary diary = LoadDiary(szFile);
    // No file yet is an empty diary (nothing was saved); any other outcome is a damaged file.
    if (diary.eOutcome != DiaryLoadOutcome::kLoaded &&
        diary.eOutcome != DiaryLoadOutcome::kMissing) {
        std::fprintf(stderr, "the diary did not load after a kill: %s\n",
                     qPrintable(LoadFailureReason(diary)));
        return -1;
    }
    int iLost = 0;
    for (const auto& [lReading, lWhen] : typed) {
        // A later reading of the same day replaces it: that counts as kept.
        const qint64 lHeld = ReadingOnDay(diary.objReadings, DayOf(lReading));
        if (lWhen < lKilled - 2000 && (lHeld < lReading || lHeld % kDays != lReading % kDays)) {
            ++iLost;
        }
    }
    lNext = (typed.isEmpty() ? lNext : typed.last().first + 1);
    return iLost;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() >= 4 && args[1] == QStringLiteral("--child")) {
        return RunChild(args[2], args[3].toLongLong());
    }
    const int iKills =
        args.size() >= 3 && args[1] == QStringLiteral("--kills") ? args[2].toInt() : 0;
    if (iKills <= 0) {
        std::fprintf(stderr, "usage: soak_kill9 --kills N [--folder DIR]\n");
        return 2;
    }
    QTemporaryDir temp;
    const QString szFolder =
        args.size() >= 5 && args[3] == QStringLiteral("--folder") ? args[4] : temp.path();
    const QString szFile = szFolder + QStringLiteral("/crtlg.dat");
    QRandomGenerator random(QRandomGenerator::global()->generate());
    qint64 lNext = 0;
    int iLost = 0;
    int iUnreadable = 0;
    for (int iKill = 0; iKill < iKills; ++iKill) {
        const int iLostNow = KillOnce(szFile, lNext, random);
        if (iLostNow < 0) {
            ++iUnreadable;
        } else {
            iLost += iLostNow;
        }
    }
    std::printf("kills: %d, readings typed: %lld, lost (typed over 2 s before a kill): %d, "
                "unreadable after a kill: %d\n",
                iKills, static_cast<long long>(lNext), iLost, iUnreadable);
    return iLost == 0 && iUnreadable == 0 ? 0 : 1;
}
