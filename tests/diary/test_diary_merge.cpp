#include "diary/ConflictCopies.h"
#include "diary/DiaryMerge.h"
#include "diary/ReadingsSchema.h"
#include "xmlstore/clsXML.h"
#include "xmlstore/clsXMLTags.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Days written compactly: "20261201=07:00,120,80,70,note|19:00,130,85,72,;20261202=,128,84,71,"
// (days by ";", readings by "|", a reading's time, systolic, diastolic, pulse and comment by
// ",").
DiaryDays Days(const char* pszText) {
    DiaryDays days;
    const QString szText = QString::fromUtf8(pszText);
    for (const QString& szDay : szText.split(u';', Qt::SkipEmptyParts)) {
        const QString szKey = szDay.section(u'=', 0, 0);
        QList<Reading> readings;
        for (const QString& szReading : szDay.section(u'=', 1).split(u'|')) {
            const QStringList values = szReading.split(u',');
            readings.append(Reading{values.value(0), values.value(1), values.value(2),
                                    values.value(3), values.value(4)});
        }
        days.insert(szKey, readings);
    }
    return days;
}

// The days that hold a value.
DiaryDays Filled(DiaryDays days) {
    days.removeIf([](const auto& day) {
        return std::all_of(day.value().begin(), day.value().end(),
                           [](const Reading& reading) { return reading.IsEmpty(); });
    });
    return days;
}

QByteArray Saved(clsXML& doc) {
    QBuffer buffer;
    if (!buffer.open(QIODevice::WriteOnly) ||
        !doc.SaveXMLToDevice(buffer, QStringLiteral("crtlg.dat"))) {
        return QByteArray();
    }
    return buffer.data();
}

void Touch(const QString& szPath) {
    QFile file(szPath);
    if (file.open(QIODevice::WriteOnly)) {
        file.write("x");
    }
}

} // namespace

class TestDiaryMerge : public QObject {
    Q_OBJECT
private slots:
    void merge_data();
    void merge();
    void conflicts();
    void mergedWithoutCommonVersion_data();
    void mergedWithoutCommonVersion();
    void writtenIntoTheDocument();
    void copyNames_data();
    void copyNames();
    void copiesFoundAndMovedAside();
};

void TestDiaryMerge::merge_data() {
    QTest::addColumn<DiaryDays>("base");
    QTest::addColumn<DiaryDays>("mine");
    QTest::addColumn<DiaryDays>("theirs");
    QTest::addColumn<DiaryDays>("merged");
    QTest::addColumn<QStringList>("fromTheirs");

    const char* base = "20261201=,120,80,70,";
    QTest::newRow("nobody changed anything")
        << Days(base) << Days(base) << Days(base) << Days(base) << QStringList();
    QTest::newRow("only this side changed a day")
        << Days(base) << Days("20261201=,121,80,70,") << Days(base) << Days("20261201=,121,80,70,")
        << QStringList();
    QTest::newRow("the other side added a day")
        << Days(base) << Days(base) << Days("20261201=,120,80,70,;20261202=,130,85,72,")
        << Days("20261201=,120,80,70,;20261202=,130,85,72,")
        << QStringList{QStringLiteral("20261202")};
    QTest::newRow("each side added another day")
        << Days(base) << Days("20261201=,120,80,70,;20261203=,125,82,69,")
        << Days("20261201=,120,80,70,;20261202=,130,85,72,")
        << Days("20261201=,120,80,70,;20261202=,130,85,72,;20261203=,125,82,69,")
        << QStringList{QStringLiteral("20261202")};
    QTest::newRow("the same change on both sides")
        << Days(base) << Days("20261201=,121,80,70,") << Days("20261201=,121,80,70,")
        << Days("20261201=,121,80,70,") << QStringList();
    QTest::newRow("different values of one reading")
        << Days(base) << Days("20261201=,121,80,70,") << Days("20261201=,120,80,75,walk")
        << Days("20261201=,121,80,75,walk") << QStringList{QStringLiteral("20261201")};
    QTest::newRow("both added a reading to the same day")
        << Days("20261201=07:00,120,80,70,") << Days("20261201=07:00,120,80,70,|07:02,118,79,69,")
        << Days("20261201=07:00,120,80,70,|19:00,130,85,72,")
        << Days("20261201=07:00,120,80,70,|07:02,118,79,69,|19:00,130,85,72,")
        << QStringList{QStringLiteral("20261201")};
    QTest::newRow("both added the same reading")
        << Days("20261201=07:00,120,80,70,")
        << Days("20261201=07:00,120,80,70,|19:00,130,85,72,;20261202=,1,2,3,")
        << Days("20261201=07:00,120,80,70,|19:00,130,85,72,;20261203=,4,5,6,")
        << Days("20261201=07:00,120,80,70,|19:00,130,85,72,;20261202=,1,2,3,;20261203=,4,5,6,")
        << QStringList{QStringLiteral("20261203")};
    QTest::newRow("the other side removed a reading kept here unchanged")
        << Days("20261201=07:00,120,80,70,|19:00,130,85,72,")
        << Days("20261201=07:00,121,80,70,|19:00,130,85,72,") << Days("20261201=07:00,120,80,70,")
        << Days("20261201=07:00,121,80,70,") << QStringList{QStringLiteral("20261201")};
    QTest::newRow("the other side removed a reading changed here")
        << Days("20261201=07:00,120,80,70,|19:00,130,85,72,")
        << Days("20261201=07:00,120,80,70,|19:00,131,85,72,") << Days("20261201=07:00,120,80,71,")
        << Days("20261201=07:00,120,80,71,|19:00,131,85,72,")
        << QStringList{QStringLiteral("20261201")};
    QTest::newRow("a selected empty day here is no change")
        << Days(base) << Days("20261201=,120,80,70,;20261205=,,,,") << Days(base)
        << Days("20261201=,120,80,70,;20261205=,,,,") << QStringList();
    QTest::newRow("the other side emptied a day kept here unchanged")
        << Days("20261201=,120,80,70,;20261202=,1,2,3,")
        << Days("20261201=,120,80,70,;20261202=,1,2,3,")
        << Days("20261201=,120,80,70,;20261202=,,,,") << Days(base)
        << QStringList{QStringLiteral("20261202")};
}

void TestDiaryMerge::merge() {
    QFETCH(DiaryDays, base);
    QFETCH(DiaryDays, mine);
    QFETCH(DiaryDays, theirs);
    QFETCH(DiaryDays, merged);
    QFETCH(QStringList, fromTheirs);
    const DiaryMerge result = MergeDiaries(base, mine, theirs);
    QCOMPARE(result.merged, merged);
    QCOMPARE(result.daysFromTheirs, fromTheirs);
    QVERIFY(result.conflicts.isEmpty());
    // Without conflicts, the merge does not depend on which side is this one (apart from the
    // empty entries this side holds).
    QCOMPARE(Filled(MergeDiaries(base, theirs, mine).merged), Filled(merged));
}

void TestDiaryMerge::conflicts() {
    const DiaryDays base = Days("20261201=07:00,120,80,70,|19:00,130,85,72,");
    const DiaryDays mine = Days("20261201=07:00,121,80,70,|19:00,130,85,72,here");
    const DiaryDays theirs = Days("20261201=07:00,122,80,70,|19:30,130,85,72,there");
    const DiaryMerge result = MergeDiaries(base, mine, theirs);
    // This side's values stay; the time changed on one side only is taken.
    QCOMPARE(result.merged, Days("20261201=07:00,121,80,70,|19:30,130,85,72,here"));
    const QList<MergeConflict> expected{
        MergeConflict{QStringLiteral("20261201"), 0, QStringLiteral("S"), QStringLiteral("121"),
                      QStringLiteral("122")},
        MergeConflict{QStringLiteral("20261201"), 1, QStringLiteral("C"), QStringLiteral("here"),
                      QStringLiteral("there")},
    };
    QCOMPARE(result.conflicts, expected);
}

void TestDiaryMerge::mergedWithoutCommonVersion_data() {
    QTest::addColumn<DiaryDays>("mine");
    QTest::addColumn<DiaryDays>("copy");
    QTest::addColumn<DiaryDays>("merged");
    QTest::addColumn<QStringList>("conflictValues");
    const char* mine = "20261201=,120,80,70,";
    QTest::newRow("the copy adds a day")
        << Days(mine) << Days("20261201=,120,80,70,;20261202=,130,85,72,")
        << Days("20261201=,120,80,70,;20261202=,130,85,72,") << QStringList();
    QTest::newRow("the copy lacks a day the diary has")
        << Days("20261201=,120,80,70,;20261203=,125,82,69,") << Days(mine)
        << Days("20261201=,120,80,70,;20261203=,125,82,69,") << QStringList();
    QTest::newRow("each fills values the other lacks")
        << Days("20261201=,120,,70,") << Days("20261201=,,80,70,walk")
        << Days("20261201=,120,80,70,walk") << QStringList();
    QTest::newRow("the copy has a further reading")
        << Days("20261201=07:00,120,80,70,") << Days("20261201=07:00,120,80,70,|19:00,130,85,72,")
        << Days("20261201=07:00,120,80,70,|19:00,130,85,72,") << QStringList();
    QTest::newRow("both hold different values")
        << Days("20261201=,120,80,70,here") << Days("20261201=,125,80,70,there")
        << Days("20261201=,120,80,70,here")
        << QStringList{QStringLiteral("S"), QStringLiteral("C")};
}

void TestDiaryMerge::mergedWithoutCommonVersion() {
    QFETCH(DiaryDays, mine);
    QFETCH(DiaryDays, copy);
    QFETCH(DiaryDays, merged);
    QFETCH(QStringList, conflictValues);
    const DiaryMerge result = MergeDiaries(CommonBase(mine, copy), mine, copy);
    QCOMPARE(result.merged, merged);
    QStringList values;
    for (const MergeConflict& conflict : result.conflicts) {
        values << conflict.szValueName;
    }
    QCOMPARE(values, conflictValues);
}

void TestDiaryMerge::writtenIntoTheDocument() {
    clsXML doc;
    const std::shared_ptr<clsXMLTag> objReadings = CreateReadingsSkeleton(doc.objBlockTag);
    const DiaryDays start = Days("20261201=,120,80,70,;20261202=,121,81,71,;20261204=,1,2,3,");
    QVERIFY(WriteDiaryDays(objReadings, start));
    QCOMPARE(DiaryDaysOf(objReadings), start);
    // A tag this program does not know stays with its day.
    FindDayEntry(objReadings, QStringLiteral("20261202"))
        ->AddSubTag(QStringLiteral("X"), QStringLiteral("kept"), false);
    const DiaryDays next = Days(
        "20261201=,120,80,70,;20261202=07:00,121,81,71,|19:00,130,85,72,;20261203=,125,82,69,");
    QVERIFY(WriteDiaryDays(objReadings, next));
    QCOMPARE(DiaryDaysOf(objReadings), next);
    const QByteArray bytes = Saved(doc);
    QVERIFY(bytes.contains("<X>kept</X>"));
    QVERIFY(!bytes.contains("<20261204>"));
    // Days stay in date order.
    QVERIFY(bytes.indexOf("<20261202>") < bytes.indexOf("<20261203>"));
    // Writing the same days again changes nothing.
    QVERIFY(WriteDiaryDays(objReadings, next));
    QCOMPARE(Saved(doc), bytes);
}

void TestDiaryMerge::copyNames_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("madeBy");
    QTest::newRow("Syncthing") << QStringLiteral("crtlg.sync-conflict-20261210-101500-ABCDEF7.dat")
                               << QStringLiteral("Syncthing");
    QTest::newRow("Nextcloud") << QStringLiteral("crtlg (conflicted copy 2026-12-10 101500).dat")
                               << QStringLiteral("Nextcloud");
    QTest::newRow("Nextcloud with a user")
        << QStringLiteral("crtlg (conflicted copy anna 2026-12-10 101500).dat")
        << QStringLiteral("Nextcloud");
    QTest::newRow("Dropbox") << QStringLiteral("crtlg (Anna's conflicted copy 2026-12-10).dat")
                             << QStringLiteral("Dropbox");
    QTest::newRow("Dropbox, a computer's name")
        << QStringLiteral("crtlg (DESKTOP-7 conflicted copy 2026-12-10 (1)).dat")
        << QStringLiteral("");
    QTest::newRow("ours") << QStringLiteral("crtlg.dat.conflict-20261210-101500")
                          << QStringLiteral("tlg");
    QTest::newRow("ours, second") << QStringLiteral("crtlg.dat.conflict-20261210-101500-2")
                                  << QStringLiteral("tlg");
    QTest::newRow("the diary itself") << QStringLiteral("crtlg.dat") << QStringLiteral("");
    QTest::newRow("the backup") << QStringLiteral("crtlg.dat.bak") << QStringLiteral("");
    QTest::newRow("a damaged copy")
        << QStringLiteral("crtlg.dat.damaged-20261210-101500") << QStringLiteral("");
    QTest::newRow("another diary's copy")
        << QStringLiteral("other.sync-conflict-20261210-101500-ABCDEF7.dat") << QStringLiteral("");
    QTest::newRow("a name that only looks like one")
        << QStringLiteral("crtlg.sync-conflict-2026-101500-ABCDEF7.dat") << QStringLiteral("");
}

void TestDiaryMerge::copyNames() {
    QFETCH(QString, name);
    QFETCH(QString, madeBy);
    QCOMPARE(ConflictCopyMaker(name, QStringLiteral("crtlg.dat")), madeBy);
}

void TestDiaryMerge::copiesFoundAndMovedAside() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString szDiary = dir.filePath(QStringLiteral("crtlg.dat"));
    Touch(szDiary);
    Touch(dir.filePath(QStringLiteral("crtlg.dat.bak")));
    Touch(dir.filePath(QStringLiteral("crtlg.sync-conflict-20261210-101500-ABCDEF7.dat")));
    Touch(dir.filePath(QStringLiteral("crtlg.dat.conflict-20261209-090000")));
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("crtlg.dat.conflict-20261208-090000")));
    QVERIFY(
        QFile::link(szDiary, dir.filePath(QStringLiteral("crtlg.dat.conflict-20261207-090000"))));

    const QList<ConflictCopy> copies = FindConflictCopies(szDiary);
    QCOMPARE(copies.size(), 2);
    QCOMPARE(copies[0].szMadeBy, QStringLiteral("tlg"));
    QCOMPARE(copies[1].szMadeBy, QStringLiteral("Syncthing"));

    // A copy of the same name moved earlier stays; the new one gets a name of its own.
    QVERIFY(QDir().mkpath(MergedCopiesFolder(szDiary)));
    Touch(MergedCopiesFolder(szDiary) + QStringLiteral("/crtlg.dat.conflict-20261209-090000"));
    QString szReason;
    const QString szMoved = MoveMergedCopyAside(copies[0].szPath, szDiary, &szReason);
    QCOMPARE(szMoved,
             MergedCopiesFolder(szDiary) + QStringLiteral("/crtlg.dat.conflict-20261209-090000-2"));
    QVERIFY(QFileInfo::exists(szMoved));
    QVERIFY(!QFileInfo::exists(copies[0].szPath));
    QCOMPARE(FindConflictCopies(szDiary).size(), 1);
}

QTEST_APPLESS_MAIN(TestDiaryMerge)
#include "test_diary_merge.moc"
