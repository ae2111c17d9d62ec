// Notes kept for the next start: beside the data file, or, when its folder cannot be written,
// in the user's cache or runtime folder, never mixing two diaries' notes.

#include "diary/PendingNotes.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

bool WriteAll(const QString& szPath, const QByteArray& bytes) {
    QFile file(szPath);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The notes files of the program in a folder of the platform.
QStringList NotesFilesIn(const QString& szFolder) {
    return QDir(szFolder + u"/tlg"_s).entryList(QStringList{u"*.note"_s}, QDir::Files);
}

} // namespace

class TestPendingNotes : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_szCache;
    QString m_szRuntime;
    QByteArray m_previousCache;
    QByteArray m_previousRuntime;

    // A folder that cannot be made: a file stands in its way (also for root).
    QString Blocked(const QString& szName) const { return m_dir->filePath(u"file/"_s + szName); }

private slots:
    void initTestCase() {
        m_previousCache = qgetenv("XDG_CACHE_HOME");
        m_previousRuntime = qgetenv("XDG_RUNTIME_DIR");
    }

    void init() {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        QVERIFY(WriteAll(m_dir->filePath(u"file"_s), "in the way"));
        m_szCache = m_dir->filePath(u"cache"_s);
        m_szRuntime = m_dir->filePath(u"runtime"_s);
        QVERIFY(QDir().mkpath(m_szRuntime));
        QVERIFY(QFile::setPermissions(m_szRuntime,
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        qputenv("XDG_CACHE_HOME", QFile::encodeName(m_szCache));
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_szRuntime));
    }

    void cleanupTestCase() {
        qputenv("XDG_CACHE_HOME", m_previousCache);
        qputenv("XDG_RUNTIME_DIR", m_previousRuntime);
    }

    // Two diaries whose folders cannot be written keep their notes apart, in the cache folder,
    // or in the runtime folder when the cache cannot be written either.
    void twoDiariesDoNotMix_data() {
        QTest::addColumn<bool>("bCacheWritable");
        QTest::newRow("in the cache folder") << true;
        QTest::newRow("in the runtime folder") << false;
    }

    void twoDiariesDoNotMix() {
        QFETCH(bool, bCacheWritable);
        if (!bCacheWritable) {
            m_szCache = Blocked(u"cache"_s);
            qputenv("XDG_CACHE_HOME", QFile::encodeName(m_szCache));
        }
        const QString szKeptIn = bCacheWritable ? m_szCache : m_szRuntime;
        const QString szFirst = Blocked(u"one/crtlg.dat"_s);
        const QString szSecond = Blocked(u"two/crtlg.dat"_s);
        PendingNotes(szFirst).Add(u"about the first"_s);
        PendingNotes(szSecond).Add(u"about the second"_s);
        QCOMPARE(NotesFilesIn(szKeptIn).size(), 2);
        PendingNotes first(szFirst);
        QCOMPARE(first.Notes(), QStringList{u"about the first"_s});
        QCOMPARE(PendingNotes(szSecond).Notes(), QStringList{u"about the second"_s});
        // Shown: gone, and only that diary's.
        first.RemoveFirst();
        QVERIFY(PendingNotes(szFirst).IsEmpty());
        QCOMPARE(NotesFilesIn(szKeptIn).size(), 1);
    }

    // Once the data file's folder can be written again, the notes move back beside it, and
    // none is shown twice.
    void notesMoveBackBesideTheData() {
        const QString szFolder = m_dir->filePath(u"data"_s);
        const QString szData = szFolder + u"/crtlg.dat"_s;
        // The folder is missing at first: nothing can be written beside the file.
        PendingNotes(szData).Add(u"kept in the cache"_s);
        QCOMPARE(NotesFilesIn(m_szCache).size(), 1);
        QVERIFY(QDir().mkpath(szFolder));
        PendingNotes notes(szData);
        notes.Add(u"kept beside"_s);
        QCOMPARE(NotesFilesIn(m_szCache), QStringList());
        QVERIFY(QFileInfo::exists(szData + u".note"_s));
        QCOMPARE(PendingNotes(szData).Notes(),
                 (QStringList{u"kept in the cache"_s, u"kept beside"_s}));
    }
};

QTEST_GUILESS_MAIN(TestPendingNotes)
#include "test_diary_notes.moc"
