// Two copies of the program typing into one diary file at once, as two computers on a shared or
// instantly synchronised folder do: each has its own document and saver, their saves run on
// their own workers at the same moments, and each looks at the file now and then as its watcher
// would. However the typing and the saves interleave, both end holding the same diary as the
// file, every day either typed is there, and a value ends as the last one either side typed.

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
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

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
            return SaverOutcomeOf(MergeFileInto(objReadings, base, theirs));
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
};

QTEST_GUILESS_MAIN(TestSyncSimulation)
#include "test_diary_sync_simulation.moc"
