// Saving while the program runs: changes reach the disk soon after the user pauses, a failing
// save is tried again and reported once, the first save keeps a backup of the file as loaded,
// and a file that someone else changed is never written over.

#include "app/util/DataFileSaver.h"
#include "app/util/SafeFile.h"
#include "app/util/modGlobals.h"
#include "xmlstore/clsXML.h"
#include "xmlstore/clsXMLTag.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#ifndef Q_OS_WIN
#include <sys/mount.h>
#include <unistd.h>
#endif

namespace {

// The owner, group and other bits of a file's permissions (Qt adds the "user" ones).
constexpr int kOwnerGroupOther = 0x7077;

QByteArray ReadAll(const QString& szPath) {
    QFile file(szPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool WriteAll(const QString& szPath, const QByteArray& bytes) {
    QFile file(szPath);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// A diary with one day whose systolic value is szSystolic, as the program's document.
std::shared_ptr<clsXMLTag> StartDiary(const QString& szSystolic) {
    auto objDoc = std::make_shared<clsXML>();
    objDoc->objBlockTag->szName = QStringLiteral("CORVALEN TENSIOLOG");
    auto objReadingsTag = objDoc->objBlockTag->AddSubTag(QStringLiteral("READINGS"), {}, true);
    auto objDay = objReadingsTag->AddSubTag(QStringLiteral("20261207"), {}, true);
    auto objSystolic = objDay->AddSubTag(QStringLiteral("S"), szSystolic, false);
    for (const char* szName : {"D", "P", "C"}) {
        objDay->AddSubTag(QString::fromLatin1(szName), {}, false);
    }
    ReplaceDocument(objDoc, objReadingsTag);
    return objSystolic;
}

// The program's document as the file's bytes.
QByteArray Encoded() {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    return objXML->SaveXMLToDevice(buffer, QString()) ? bytes : QByteArray("(not encoded)");
}

// Conflict copies beside a file.
QStringList ConflictCopies(const QString& szFile) {
    const QFileInfo info(szFile);
    return info.dir().entryList(QStringList{info.fileName() + QStringLiteral(".conflict-*")},
                                QDir::Files, QDir::Name);
}

} // namespace

class TestDataFileSaver : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_szFolder;
    QString m_szFile;
    std::shared_ptr<clsXMLTag> m_objSystolic;
    std::unique_ptr<DataFileSaver> m_saver;
    int m_iSaves = 0;
    QStringList m_warnings;
    QList<QStringList> m_conflicts;

    // Writes bytes as the data file, loads the diary "as the program would" and starts a saver.
    void Start(const QByteArray* pOnDisk, DataFileSaver::Timing timing = {}) {
        if (pOnDisk != nullptr) {
            QVERIFY(WriteAll(m_szFile, *pOnDisk));
        }
        m_objSystolic = StartDiary(QStringLiteral("120"));
        m_saver = std::make_unique<DataFileSaver>(m_szFile, ReadWholeFile(m_szFile, false), timing);
        m_saver->onSaved = [this](const DataFileSaver::Result&) { ++m_iSaves; };
        m_saver->onKeepsFailing = [this](const QString& szFile, const QString& szReason) {
            m_warnings << szFile + QStringLiteral(" | ") + szReason;
        };
        m_saver->onConflict = [this](const QString& szTheirs, const QString& szOurs) {
            m_conflicts << QStringList{szTheirs, szOurs};
        };
    }

    // A key release that stores a new systolic value.
    void Type(const QString& szValue) {
        m_objSystolic->szValue = szValue;
        m_saver->NoteChange();
    }

private slots:
    void init() {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        m_szFolder = m_dir->filePath(QStringLiteral("data"));
        QVERIFY(QDir().mkpath(m_szFolder));
        m_szFile = m_szFolder + QStringLiteral("/crtlg.dat");
        m_iSaves = 0;
        m_warnings.clear();
        m_conflicts.clear();
    }

    void cleanup() {
        m_saver.reset();
        m_objSystolic.reset();
        ReplaceDocument(nullptr, nullptr);
    }

    void changeReachesDiskWithoutExit() {
        const QByteArray loaded = "<CORVALEN TENSIOLOG>\r\n</CORVALEN TENSIOLOG>\r\n";
        Start(&loaded);
        Type(QStringLiteral("135"));
        // The save is told of once the worker is done, a little after the file is in place.
        QTRY_COMPARE_WITH_TIMEOUT(m_iSaves, 1, 10000);
        QCOMPARE(ReadAll(m_szFile), Encoded());
        QVERIFY(ReadAll(m_szFile).contains("\t\t\t<S>135</S>\r\n"));
        QVERIFY(!m_saver->HasUnsavedChanges());
        // A shorter diary than the last save's: nothing of the longer one is left at its end.
        m_objSystolic->szValue = QString();
        m_saver->NoteChange();
        QTRY_COMPARE_WITH_TIMEOUT(m_iSaves, 2, 10000);
        QCOMPARE(ReadAll(m_szFile), Encoded());
        QVERIFY(ReadAll(m_szFile).endsWith("</CORVALEN TENSIOLOG>\r\n"));
    }

    void burstOfKeyReleasesGivesOneSave() {
        Start(nullptr);
        for (const char* szValue : {"1", "13", "135", "13", "138", "1", "14", "140"}) {
            Type(QString::fromLatin1(szValue));
            QTest::qWait(40);
        }
        QTRY_COMPARE_WITH_TIMEOUT(m_iSaves, 1, 10000);
        // Nothing more follows the pause.
        QTest::qWait(2500);
        QCOMPARE(m_iSaves, 1);
        QVERIFY(ReadAll(m_szFile).contains("\t\t\t<S>140</S>\r\n"));
    }

    // Someone who types on and on still has their readings on disk every few seconds.
    void longTypingIsSavedBeforeItEnds() {
        Start(nullptr);
        QElapsedTimer clock;
        clock.start();
        int iValue = 100;
        while (clock.elapsed() < 6000 && !QFileInfo::exists(m_szFile)) {
            Type(QString::number(++iValue));
            QTest::qWait(100);
        }
        QVERIFY2(QFileInfo::exists(m_szFile), "nothing was saved during six seconds of typing");
    }

    void unchangedDiaryIsNotWrittenAgain() {
        Start(nullptr);
        Type(QStringLiteral("120"));
        QTRY_COMPARE_WITH_TIMEOUT(m_iSaves, 1, 10000);
        const QDateTime dtWritten = QFileInfo(m_szFile).lastModified();
        // A day picked again, an arrow key: a change is noted but nothing changed.
        m_saver->NoteChange();
        QTest::qWait(2500);
        QCOMPARE(m_iSaves, 1);
        QCOMPARE(QFileInfo(m_szFile).lastModified(), dtWritten);
        QCOMPARE(m_saver->SaveNow().eKind, DataFileSaver::kUpToDate);
    }

    void failingSaveIsRetriedAndReportedOnce() {
        const QByteArray loaded = "<CORVALEN TENSIOLOG>\r\n</CORVALEN TENSIOLOG>\r\n";
        DataFileSaver::Timing timing;
        timing.iFirstRetryMs = 20;
        timing.iLongestRetryMs = 60;
        Start(&loaded, timing);
        // The data folder goes away and a file takes its name.
        const QString szAway = m_szFolder + QStringLiteral("-away");
        QVERIFY(QDir().rename(m_szFolder, szAway));
        QVERIFY(WriteAll(m_szFolder, "in the way"));

        Type(QStringLiteral("150"));
        QTRY_COMPARE_WITH_TIMEOUT(m_warnings.size(), 1, 10000);
        QVERIFY2(m_warnings[0].startsWith(m_szFile + QStringLiteral(" | ")),
                 qPrintable(m_warnings[0]));
        QVERIFY(m_warnings[0].size() > m_szFile.size() + 3);
        // Many more failures, still one warning.
        QTest::qWait(1000);
        QCOMPARE(m_warnings.size(), 1);
        QCOMPARE(m_iSaves, 0);

        // The folder comes back: the next try saves without any further change.
        QVERIFY(QFile::remove(m_szFolder));
        QVERIFY(QDir().rename(szAway, m_szFolder));
        QTRY_VERIFY_WITH_TIMEOUT(ReadAll(m_szFile).contains("<S>150</S>"), 10000);
        QCOMPARE(m_warnings.size(), 1);
    }

    void backupAtFirstSaveOfEachRun() {
        const QByteArray loaded = "<CORVALEN TENSIOLOG>\r\n\t<READINGS></READINGS>\r\n"
                                  "</CORVALEN TENSIOLOG>\r\n";
        QVERIFY(WriteAll(m_szFile, loaded));
        const QFileDevice::Permissions permissions =
            QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup;
        QVERIFY(QFile::setPermissions(m_szFile, permissions));
        const QString szBackup = m_szFile + QStringLiteral(".bak");
        Start(nullptr);

        Type(QStringLiteral("130"));
        QTRY_COMPARE_WITH_TIMEOUT(m_iSaves, 1, 10000);
        QCOMPARE(ReadAll(szBackup), loaded);
        QCOMPARE(QFile::permissions(szBackup) & kOwnerGroupOther, permissions);

        // Later saves of the run leave the backup alone.
        Type(QStringLiteral("131"));
        QTRY_COMPARE_WITH_TIMEOUT(m_iSaves, 2, 10000);
        QCOMPARE(ReadAll(szBackup), loaded);
        QCOMPARE(m_saver->SaveNow().eKind, DataFileSaver::kUpToDate);
        QCOMPARE(ReadAll(szBackup), loaded);

        // The next run's first save keeps the file as that run loaded it.
        const QByteArray secondLoaded = ReadAll(m_szFile);
        QVERIFY(secondLoaded.contains("<S>131</S>"));
        m_saver.reset();
        Start(nullptr);
        Type(QStringLiteral("140"));
        QTRY_COMPARE_WITH_TIMEOUT(m_iSaves, 3, 10000);
        QCOMPARE(ReadAll(szBackup), secondLoaded);
    }

    void fileChangedElsewhereIsNeverWrittenOver_data() {
        QTest::addColumn<bool>("bLoadedFile");
        QTest::addColumn<QByteArray>("theirs");
        const QByteArray loaded = "<CORVALEN TENSIOLOG>\r\n</CORVALEN TENSIOLOG>\r\n";
        QTest::newRow("changed") << true << QByteArray("<OTHER>\r\n</OTHER>\r\n");
        QByteArray sameSize = loaded;
        sameSize[3] = 'X';
        QTest::newRow("same size, other bytes") << true << sameSize;
        QTest::newRow("appeared where there was none") << false << QByteArray("theirs\r\n");
    }

    void fileChangedElsewhereIsNeverWrittenOver() {
        QFETCH(bool, bLoadedFile);
        QFETCH(QByteArray, theirs);
        const QByteArray loaded = "<CORVALEN TENSIOLOG>\r\n</CORVALEN TENSIOLOG>\r\n";
        Start(bLoadedFile ? &loaded : nullptr);
        QVERIFY(WriteAll(m_szFile, theirs));

        Type(QStringLiteral("125"));
        QTRY_COMPARE_WITH_TIMEOUT(m_iSaves, 1, 10000);
        QCOMPARE(ReadAll(m_szFile), theirs);
        const QStringList copies = ConflictCopies(m_szFile);
        QCOMPARE(copies.size(), 1);
        QVERIFY(QRegularExpression(QStringLiteral("^crtlg\\.dat\\.conflict-\\d{8}-\\d{6}$"))
                    .match(copies[0])
                    .hasMatch());
        const QString szCopy = m_szFolder + u'/' + copies[0];
        QCOMPARE(ReadAll(szCopy), Encoded());
        QCOMPARE(m_conflicts, QList<QStringList>{(QStringList{m_szFile, szCopy})});
        QCOMPARE(m_saver->TargetFile(), szCopy);

        // The run goes on saving into its copy; theirs stays, and the user is told once.
        Type(QStringLiteral("126"));
        QTRY_COMPARE_WITH_TIMEOUT(m_iSaves, 2, 10000);
        QVERIFY(ReadAll(szCopy).contains("<S>126</S>"));
        QCOMPARE(ReadAll(m_szFile), theirs);
        QCOMPARE(ConflictCopies(m_szFile).size(), 1);
        QCOMPARE(m_conflicts.size(), 1);
        QCOMPARE(m_saver->SaveNow().eKind, DataFileSaver::kUpToDate);
    }

    void fileRemovedIsWrittenAgain() {
        const QByteArray loaded = "<CORVALEN TENSIOLOG>\r\n</CORVALEN TENSIOLOG>\r\n";
        Start(&loaded);
        QVERIFY(QFile::remove(m_szFile));
        Type(QStringLiteral("128"));
        QTRY_COMPARE_WITH_TIMEOUT(m_iSaves, 1, 10000);
        QCOMPARE(ReadAll(m_szFile), Encoded());
        QVERIFY(m_conflicts.isEmpty());
    }

    void copyBesideNeverReplacesAnEarlierOne() {
        const QDateTime dtWhen(QDate(2026, 12, 7), QTime(14, 30, 0));
        const QString szFirst = m_szFile + QStringLiteral(".conflict-20261207-143000");
        QVERIFY(WriteAll(szFirst, "earlier"));
        QString szReason;
        QCOMPARE(WriteCopyBeside(m_szFile, QStringLiteral(".conflict-"), dtWhen, "ours", &szReason),
                 szFirst + QStringLiteral("-2"));
        QCOMPARE(ReadAll(szFirst), QByteArray("earlier"));
        QCOMPARE(ReadAll(szFirst + QStringLiteral("-2")), QByteArray("ours"));
        QCOMPARE(QFile::permissions(szFirst + QStringLiteral("-2")) & kOwnerGroupOther, kOwnerOnly);
    }

    // On a full disk the file keeps its old bytes and the system's reason is given (a write
    // smaller than Qt's buffer would otherwise fail only inside the commit, unseen).
    void fullDiskKeepsTheOldFile() {
#ifdef Q_OS_WIN
        QSKIP("needs a small file system of its own");
#else
        if (::geteuid() != 0) {
            QSKIP("needs to mount a small file system of its own (root)");
        }
        const QString szMount = m_dir->filePath(QStringLiteral("small"));
        QVERIFY(QDir().mkpath(szMount));
        if (::mount("tmpfs", QFile::encodeName(szMount).constData(), "tmpfs", 0, "size=64k") != 0) {
            QSKIP("cannot mount a small file system here");
        }
        const QString szFile = szMount + QStringLiteral("/crtlg.dat");
        const QByteArray old(20000, 'o');
        QVERIFY(WriteAll(szFile, old));
        // Fill what is left.
        QFile filler(szMount + QStringLiteral("/filler"));
        QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        while (filler.write(QByteArray(4096, 'f')) > 0) {
        }
        filler.close();
        QString szReason;
        const bool bWritten =
            WriteFileSafely(szFile, QByteArray(8000, 'n'), std::nullopt, &szReason);
        const QByteArray after = ReadAll(szFile);
        ::umount(QFile::encodeName(szMount).constData());
        QVERIFY(!bWritten);
        QVERIFY(!szReason.isEmpty());
        QCOMPARE(after, old);
#endif
    }
};

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    TestDataFileSaver test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_apputil_saver.moc"
