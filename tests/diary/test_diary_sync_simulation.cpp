// Two copies of the program typing into one diary file at once, as two computers on a shared or
// instantly synchronised folder do: each has its own document and saver, their saves run on
// their own workers at the same moments, and each looks at the file now and then as its watcher
// would. However the typing and the saves interleave, both end holding the same diary as the
// file, every day either typed is there, and a value ends as the last one either side typed.
//
// Then two computers each with a folder of their own, and a synchronising tool between them that
// copies a changed file over after a while and, when both changed since it last synchronised,
// keeps one and leaves the other beside it as its conflict copy.

#include "diary/ConflictCopies.h"
#include "diary/DataFileSaver.h"
#include "diary/DocumentMerge.h"
#include "diary/ReadingsSchema.h"
#include "diary/SafeFile.h"
#include "tests/diary/ManualTimers.h"
#include "xmlstore/clsXML.h"
#include "xmlstore/clsXMLTag.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSet>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <algorithm>
#include <array>
#include <memory>

namespace {

// One copy of the program: its document, its saver, and what it typed last for each value.
struct Side {
    std::shared_ptr<clsXML> objDoc = std::make_shared<clsXML>();
    std::shared_ptr<clsXMLTag> objReadings;
    std::unique_ptr<DataFileSaver> saver;
    // "<day>/<value name>" -> the value this side typed there last.
    QHash<QString, QString> lastTyped;
    // Merges of the other side's file, and those with a value typed differently on both.
    int iMerges = 0;
    int iConflicts = 0;
    // Every value the merges found typed differently on both sides.
    QList<MergeConflict> conflicts;

    Side(const QString& szFile, ManualTimers& timers) {
        objDoc->objBlockTag->szName = QStringLiteral("CORVALEN TENSIOLOG");
        objReadings = objDoc->objBlockTag->AddSubTag(kReadingsTagName, {}, true);
        DataFileSaver::Timing timing;
        timing.pTimers = &timers;
        auto encode = [this](std::string& bytes, const QString& szName, QString* pszReason) {
            QBuffer buffer;
            buffer.open(QIODevice::WriteOnly);
            if (!objDoc->SaveXMLToDevice(buffer, szName)) {
                *pszReason = QStringLiteral("not encoded");
                return false;
            }
            bytes.assign(buffer.data().constData(), static_cast<size_t>(buffer.data().size()));
            return true;
        };
        saver =
            std::make_unique<DataFileSaver>(szFile, ReadWholeFile(szFile, false), encode, timing);
        saver->SetMerger([this](const QByteArray& base, const QByteArray& theirs) {
            const FileMerge merge = MergeFileInto(objReadings, base, theirs);
            conflicts += merge.merge.conflicts;
            return SaverOutcomeOf(merge);
        });
        saver->onMerged = [this](const DataFileSaver::MergeOutcome& outcome, const QString&) {
            ++iMerges;
            iConflicts += outcome.bKeepTheirs ? 1 : 0;
        };
    }

    void Type(const QString& szDay, int iValue, const QString& szText) {
        const DayEntryTags tags = FindOrCreateDayEntry(objReadings, szDay);
        const std::array<std::shared_ptr<clsXMLTag>, 3> values{
            tags.objSystolicTag, tags.objDiastolicTag, tags.objPulseTag};
        values[iValue]->szValue = szText;
        lastTyped.insert(szDay + u'/' + QString::number(iValue), szText);
        saver->NoteChange();
    }

    QString Value(const QString& szKey) const {
        const std::shared_ptr<clsXMLTag> objEntry =
            FindDayEntry(objReadings, szKey.section(u'/', 0, 0));
        if (!objEntry) {
            return {};
        }
        const QList<Reading> readings = DayReadings(objEntry);
        if (readings.isEmpty()) {
            return {};
        }
        const std::array<QString, 3> values{readings[0].szSystolic, readings[0].szDiastolic,
                                            readings[0].szPulse};
        return values[szKey.section(u'/', 1).toInt()];
    }
};

// The first reading's value at "<day>/<value index>" in a diary's days (empty: none).
QString ValueIn(const DiaryDays& days, const QString& szKey) {
    const QList<Reading> readings = days.value(szKey.section(u'/', 0, 0));
    if (readings.isEmpty()) {
        return {};
    }
    const std::array<QString, 3> values{readings[0].szSystolic, readings[0].szDiastolic,
                                        readings[0].szPulse};
    return values[szKey.section(u'/', 1).toInt()];
}

// The days of a file's bytes (none when they are no diary).
DiaryDays DaysOfFile(const QString& szFile) {
    DiaryDays days;
    if (!DiaryDaysOfBytes(ReadWholeFile(szFile, false).bytes, &days)) {
        days.clear();
    }
    return days;
}

// A synchronising tool between two folders, as Syncthing works: it sees a data file change, and
// after a while copies it to the other folder (written beside the file there and renamed over
// it). When both changed since it last synchronised them, it keeps one as the file in both and
// leaves the other beside it in both as "crtlg.sync-conflict-<date>-<time>-<device>.dat".
class SyncTool {
public:
    SyncTool(const std::array<QString, 2>& files, ManualTimers& timers, QRandomGenerator& random)
        : m_files(files), m_random(random), m_timer(timers.MakeTimer([this] { Sync(); })) {}

    // Its watcher looks at both folders: a change is synchronised after a random delay.
    void Look() {
        if (m_timer->IsActive()) {
            return;
        }
        for (const QString& szFile : m_files) {
            if (ReadWholeFile(szFile, false).bytes != m_synced) {
                m_timer->Start(200 + static_cast<int>(m_random.bounded(4000)));
                return;
            }
        }
    }
    bool IsWaiting() const { return m_timer->IsActive(); }

    int iConflictCopies = 0;
    bool bFailed = false;

private:
    void Sync() {
        const std::array<FileRead, 2> now{ReadWholeFile(m_files[0]), ReadWholeFile(m_files[1])};
        const bool bChanged0 = now[0].bytes != m_synced;
        const bool bChanged1 = now[1].bytes != m_synced;
        if (!bChanged0 && !bChanged1) {
            return;
        }
        int iKept = bChanged0 ? 0 : 1;
        const bool bConflict = bChanged0 && bChanged1 && now[0].bytes != now[1].bytes;
        if (bConflict) {
            iKept = static_cast<int>(m_random.bounded(2));
        }
        const int iOther = 1 - iKept;
        // Like the real tools, it never replaces a file that changed since it looked.
        QString szReason;
        const ReplaceOutcome outcome = ReplaceFileIfUnchanged(
            m_files[iOther], now[iKept].bytes, now[iOther].version, {}, &szReason, nullptr);
        if (outcome != ReplaceOutcome::kReplaced) {
            bFailed = bFailed || outcome == ReplaceOutcome::kFailed;
            m_timer->Start(500);
            return;
        }
        if (bConflict) {
            static const std::array<QString, 2> devices{QStringLiteral("AAAAAAA"),
                                                        QStringLiteral("BBBBBBB")};
            ++iConflictCopies;
            const QString szName = QStringLiteral("crtlg.sync-conflict-20261210-%1-%2.dat")
                                       .arg(iConflictCopies, 6, 10, QLatin1Char('0'))
                                       .arg(devices[iOther]);
            for (const QString& szFile : m_files) {
                bFailed = !WriteFileSafely(QFileInfo(szFile).dir().filePath(szName),
                                           now[iOther].bytes, std::nullopt, &szReason) ||
                          bFailed;
            }
        }
        m_synced = now[iKept].bytes;
    }

    std::array<QString, 2> m_files;
    QRandomGenerator& m_random;
    std::unique_ptr<OneShotTimer> m_timer;
    // What both folders held when it last synchronised them.
    QByteArray m_synced;
};

} // namespace

class TestSyncSimulation : public QObject {
    Q_OBJECT

    // Lets the savers' workers end their saves and the saves be taken in.
    static bool Settle(const std::array<Side*, 2>& sides) {
        const QDeadlineTimer deadline(10000);
        QTimer wake;
        wake.start(20);
        while ((sides[0]->saver->IsSaving() || sides[1]->saver->IsSaving()) &&
               !deadline.hasExpired()) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        }
        return !sides[0]->saver->IsSaving() && !sides[1]->saver->IsSaving();
    }

    // Both save and look at their files until the tool has nothing left to synchronise.
    static bool QuietSync(const std::array<Side*, 2>& sides, SyncTool& tool, ManualTimers& timers) {
        for (int iRound = 0; iRound < 8; ++iRound) {
            for (Side* side : sides) {
                if (side->saver->SaveNow().eKind == DataFileSaver::kFailed) {
                    return false;
                }
                side->saver->CheckDiskNow();
                if (!Settle(sides)) {
                    return false;
                }
            }
            tool.Look();
            timers.Advance(5000);
            if (!Settle(sides)) {
                return false;
            }
        }
        return !tool.IsWaiting() && ReadWholeFile(sides[0]->saver->DataFile(), false).bytes ==
                                        ReadWholeFile(sides[1]->saver->DataFile(), false).bytes;
    }

    // Every value typed by one side holds its last typing on both sides and in both files; a
    // value typed differently on both holds one of the two, and the other is in a conflict copy
    // and among the conflicts the merges found.
    static void CheckEveryValueKept(const std::array<Side*, 2>& sides,
                                    const std::array<QString, 2>& files,
                                    const QSet<QString>& bothTyped, int* piStale) {
        const DiaryDays days = DiaryDaysOf(sides[0]->objReadings);
        QCOMPARE(DiaryDaysOf(sides[1]->objReadings), days);
        for (int i = 0; i < 2; ++i) {
            QCOMPARE(sides[i]->saver->TargetFile(), files[i]);
            QCOMPARE(DaysOfFile(files[i]), days);
        }
        QList<DiaryDays> copies;
        // Both folders, and the folders merged copies were moved into.
        const QString szRoot = QFileInfo(QFileInfo(files[0]).path()).path();
        QDirIterator it(szRoot, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString szPath = it.next();
            if (!ConflictCopyMaker(it.fileName(), QStringLiteral("crtlg.dat")).isEmpty()) {
                copies << DaysOfFile(szPath);
            }
        }
        const QList<MergeConflict> conflicts = sides[0]->conflicts + sides[1]->conflicts;
        // Whether a value is kept as a conflict: in a copy, and named by a merge.
        const auto keptAsConflict = [&](const QString& szKey, const QString& szValue) {
            const QString szDay = szKey.section(u'/', 0, 0);
            const QString szName = QStringList{QStringLiteral("S"), QStringLiteral("D"),
                                               QStringLiteral("P")}[szKey.section(u'/', 1).toInt()];
            return std::any_of(copies.begin(), copies.end(),
                               [&](const DiaryDays& c) { return ValueIn(c, szKey) == szValue; }) &&
                   std::any_of(conflicts.begin(), conflicts.end(), [&](const MergeConflict& c) {
                       return c.szDayKey == szDay && c.szValueName == szName &&
                              (c.szMine == szValue || c.szTheirs == szValue);
                   });
        };
        // Whether a reading of the day holds the value.
        const auto inDay = [&](const QString& szKey, const QString& szValue) {
            const QString szDay = szKey.section(u'/', 0, 0);
            const QList<Reading> readings = days.value(szDay);
            return std::any_of(readings.begin(), readings.end(), [&](const Reading& r) {
                return ValueIn(DiaryDays{{szDay, {r}}}, szKey) == szValue;
            });
        };
        QStringList keys = sides[0]->lastTyped.keys() + sides[1]->lastTyped.keys();
        keys.removeDuplicates();
        for (const QString& szKey : keys) {
            const QString szFinal = ValueIn(days, szKey);
            const QString szA = sides[0]->lastTyped.value(szKey);
            const QString szB = sides[1]->lastTyped.value(szKey);
            if (!bothTyped.contains(szKey)) {
                if (szFinal != szA + szB) {
                    // Another computer's older value was kept in its place (ours is in a
                    // further reading of the day, or kept as a conflict).
                    QVERIFY2(inDay(szKey, szA + szB) || keptAsConflict(szKey, szA + szB),
                             qPrintable(szKey + u' ' + szFinal + u' ' + szA + szB));
                    ++*piStale;
                }
                continue;
            }
            QVERIFY2(szFinal == szA || szFinal == szB, qPrintable(szKey + u' ' + szFinal));
            const QString szOther = szFinal == szA ? szB : szA;
            // Both kept as two readings of the day, or the other as a conflict.
            QVERIFY2(inDay(szKey, szOther) || keptAsConflict(szKey, szOther),
                     qPrintable(szKey + u' ' + szOther));
        }
    }

private slots:
    void monthOfTypingOnTwoComputers_data() {
        QTest::addColumn<quint32>("uSeed");
        for (quint32 uSeed : {1U, 2U, 3U, 4U}) {
            QTest::newRow(qPrintable(QStringLiteral("seed %1").arg(uSeed))) << uSeed;
        }
    }

    void monthOfTypingOnTwoComputers() {
        QFETCH(quint32, uSeed);
        QRandomGenerator random(uSeed);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString szFile = dir.filePath(QStringLiteral("crtlg.dat"));
        ManualTimers timers;
        Side a(szFile, timers);
        Side b(szFile, timers);
        const std::array<Side*, 2> sides{&a, &b};
        for (int iStep = 0; iStep < 300; ++iStep) {
            Side& side = *sides[random.bounded(2)];
            const QString szDay =
                QStringLiteral("202612%1").arg(1 + random.bounded(30), 2, 10, QLatin1Char('0'));
            side.Type(szDay, random.bounded(3), QString::number(60 + random.bounded(140)));
            timers.Advance(static_cast<int>(random.bounded(1500)));
            if (random.bounded(4) == 0) {
                // The watcher of one side saw the file change.
                sides[random.bounded(2)]->saver->CheckDiskNow();
            }
            QVERIFY(Settle(sides));
        }
        // Both end their typing; each looks at the file once more.
        for (int iRound = 0; iRound < 3; ++iRound) {
            for (Side* side : sides) {
                QVERIFY(side->saver->SaveNow().eKind != DataFileSaver::kFailed);
                side->saver->CheckDiskNow();
                QVERIFY(Settle(sides));
            }
        }
        QStringList keys = a.lastTyped.keys() + b.lastTyped.keys();
        keys.removeDuplicates();
        for (const QString& szKey : keys) {
            const QString szFinal = a.Value(szKey);
            QCOMPARE(b.Value(szKey), szFinal);
            QVERIFY2(!szFinal.isEmpty(), qPrintable(szKey));
            // The last value either side typed there.
            QVERIFY2(szFinal == a.lastTyped.value(szKey) || szFinal == b.lastTyped.value(szKey),
                     qPrintable(szKey + u' ' + szFinal));
        }
        // The run did interleave: each side took in the other's readings.
        QVERIFY(a.iMerges > 0 && b.iMerges > 0);
        qInfo("merges %d + %d, with conflicts %d + %d", a.iMerges, b.iMerges, a.iConflicts,
              b.iConflicts);
        QCOMPARE(a.saver->TargetFile(), szFile);
        QCOMPARE(b.saver->TargetFile(), szFile);
        QCOMPARE(DiaryDaysOf(a.objReadings), DiaryDaysOf(b.objReadings));
        DiaryDays onDisk;
        QVERIFY(DiaryDaysOfBytes(ReadWholeFile(szFile).bytes, &onDisk));
        QCOMPARE(onDisk.keys(), DiaryDaysOf(a.objReadings).keys());
        a.saver.reset();
        b.saver.reset();
    }

    void monthOfTypingInTwoSynchronisedFolders_data() {
        QTest::addColumn<quint32>("uSeed");
        for (quint32 uSeed : {11U, 12U, 13U}) {
            QTest::newRow(qPrintable(QStringLiteral("seed %1").arg(uSeed))) << uSeed;
        }
    }

    // Each computer its own folder, a synchronising tool between them with random delays; both
    // type a month of readings, and now and then the same value differently on the same day.
    void monthOfTypingInTwoSynchronisedFolders() {
        QFETCH(quint32, uSeed);
        QRandomGenerator random(uSeed);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("A")));
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("B")));
        const std::array<QString, 2> files{dir.filePath(QStringLiteral("A/crtlg.dat")),
                                           dir.filePath(QStringLiteral("B/crtlg.dat"))};
        ManualTimers timers;
        Side a(files[0], timers);
        Side b(files[1], timers);
        const std::array<Side*, 2> sides{&a, &b};
        SyncTool tool(files, timers, random);
        // Values typed differently on both sides at once; other values are typed by one side.
        QSet<QString> bothTyped;
        for (int iStep = 0; iStep < 200; ++iStep) {
            const QString szDay =
                QStringLiteral("202612%1").arg(1 + random.bounded(30), 2, 10, QLatin1Char('0'));
            const int iValue = static_cast<int>(random.bounded(3));
            const QString szKey = szDay + u'/' + QString::number(iValue);
            const int iOwner = (szDay.right(2).toInt() + iValue) % 2;
            if (random.bounded(12) == 0 && !a.lastTyped.contains(szKey) &&
                !b.lastTyped.contains(szKey)) {
                const int iFirst = 60 + static_cast<int>(random.bounded(140));
                a.Type(szDay, iValue, QString::number(iFirst));
                b.Type(szDay, iValue, QString::number(iFirst + 1));
                bothTyped.insert(szKey);
            } else if (!bothTyped.contains(szKey)) {
                sides[iOwner]->Type(szDay, iValue, QString::number(60 + random.bounded(140)));
            }
            timers.Advance(static_cast<int>(random.bounded(1500)));
            QVERIFY(Settle(sides));
            tool.Look();
            if (random.bounded(4) == 0) {
                sides[random.bounded(2)]->saver->CheckDiskNow();
                QVERIFY(Settle(sides));
            }
        }
        QVERIFY(QuietSync(sides, tool, timers));
        // Started again, each side merges the tool's conflict copies beside its diary.
        for (Side* side : sides) {
            for (const ConflictCopy& copy : FindConflictCopies(side->saver->DataFile())) {
                const FileMerge merge =
                    MergeCopyInto(side->objReadings, ReadWholeFile(copy.szPath, false).bytes);
                QVERIFY(merge.bMerged);
                side->conflicts += merge.merge.conflicts;
                side->saver->NoteChange();
            }
        }
        QVERIFY(QuietSync(sides, tool, timers));
        QVERIFY(!tool.bFailed);
        int iStale = 0;
        CheckEveryValueKept(sides, files, bothTyped, &iStale);
        qInfo("merges %d + %d, conflict copies of the tool %d, values typed on both %lld, "
              "one side's value kept as a conflict %d",
              a.iMerges, b.iMerges, tool.iConflictCopies, static_cast<long long>(bothTyped.size()),
              iStale);
        a.saver.reset();
        b.saver.reset();
    }

    void filePutInPlaceOfOursByASyncTool_data() {
        QTest::addColumn<bool>("bBySave");
        QTest::newRow("seen by a look") << false;
        QTest::newRow("seen by the next save") << true;
    }

    // A synchronising tool kept the other computer's file and set this run's last save aside as
    // its conflict copy: that file does not come from this run's save, so what it lacks of ours
    // was never removed there, and a value of ours it holds older is no change of theirs.
    void filePutInPlaceOfOursByASyncTool() {
        QFETCH(bool, bBySave);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("other")));
        const QString szFile = dir.filePath(QStringLiteral("crtlg.dat"));
        ManualTimers timers;
        Side ours(szFile, timers);
        Side other(dir.filePath(QStringLiteral("other/crtlg.dat")), timers);
        ours.Type(QStringLiteral("20261201"), 0, QStringLiteral("120"));
        QCOMPARE(ours.saver->SaveNow().eKind, DataFileSaver::kWritten);
        // Both start from that diary; each then types and saves.
        other.Type(QStringLiteral("20261201"), 0, QStringLiteral("120"));
        other.Type(QStringLiteral("20261202"), 0, QStringLiteral("130"));
        QCOMPARE(other.saver->SaveNow().eKind, DataFileSaver::kWritten);
        ours.Type(QStringLiteral("20261201"), 0, QStringLiteral("125"));
        ours.Type(QStringLiteral("20261203"), 0, QStringLiteral("140"));
        QCOMPARE(ours.saver->SaveNow().eKind, DataFileSaver::kWritten);
        // The tool keeps theirs and sets ours aside.
        QString szReason;
        QVERIFY(WriteFileSafely(
            dir.filePath(QStringLiteral("crtlg.sync-conflict-20261210-101500-BBBBBBB.dat")),
            ReadWholeFile(szFile, false).bytes, std::nullopt, &szReason));
        QVERIFY(WriteFileSafely(szFile, ReadWholeFile(other.saver->DataFile(), false).bytes,
                                std::nullopt, &szReason));
        if (bBySave) {
            ours.Type(QStringLiteral("20261204"), 0, QStringLiteral("150"));
            QVERIFY(ours.saver->SaveNow().eKind != DataFileSaver::kFailed);
        } else {
            ours.saver->CheckDiskNow();
        }
        QVERIFY(Settle({&ours, &other}));
        QCOMPARE(ours.Value(QStringLiteral("20261201/0")), QStringLiteral("125"));
        QCOMPARE(ours.Value(QStringLiteral("20261202/0")), QStringLiteral("130"));
        QCOMPARE(ours.Value(QStringLiteral("20261203/0")), QStringLiteral("140"));
        // Their value there is kept too: as a further reading of the day, or as a conflict.
        const QList<Reading> day = DiaryDaysOf(ours.objReadings).value(QStringLiteral("20261201"));
        const bool bTheirsInDay = std::any_of(day.begin(), day.end(), [](const Reading& reading) {
            return reading.szSystolic == QLatin1String("120");
        });
        QVERIFY(bTheirsInDay ||
                (ours.conflicts.size() == 1 && ours.conflicts[0].szTheirs == QLatin1String("120")));
        // What the merge saved is on disk.
        QCOMPARE(DaysOfFile(szFile), DiaryDaysOf(ours.objReadings));
        ours.saver.reset();
        other.saver.reset();
    }
};

QTEST_GUILESS_MAIN(TestSyncSimulation)
#include "test_diary_sync_simulation.moc"
