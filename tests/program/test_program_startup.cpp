#include "diary/ReadingsSchema.h"
#include "diary/modGlobals.h"
#include "i18n/Translations.h"
#include "mainwindow/ConflictPicker.h"
#include "mainwindow/frmMain.h"
#include "program/modMain.h"
#include "report/RichTextBox.h"
#include "report/frmReport.h"
#include "tests/diary/LockHolder.h"
#include "tests/diary/PipeWatchdog.h"
#include "tests/support/AppTestSupport.h"
#include "tests/support/FileBytes.h"
#include "welcome/frmWelcome.h"
#include "widgets/ctlChart.h"
#include "widgets/modUtils.h"
#include "xmlstore/clsXML.h"
#include "xmlstore/clsXMLTag.h"
#include "xmlstore/clsXMLTags.h"

#include <QDateTime>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QSettings>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <csignal>
#ifndef Q_OS_WIN
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>
#endif
#include <cstdio>
#include <memory>
#include <optional>
#include <stdexcept>

namespace {

const QByteArray kSecondRunFile = "<CORVALEN TENSIOLOG>\r\n"
                                  "\t<READINGS>\r\n"
                                  "\t\t<20261201>\r\n"
                                  "\t\t\t<S>130</S>\r\n"
                                  "\t\t\t<D>85</D>\r\n"
                                  "\t\t\t<P>70</P>\r\n"
                                  "\t\t\t<C>walk</C>\r\n"
                                  "\t\t</20261201>\r\n"
                                  "\t</READINGS>\r\n"
                                  "</CORVALEN TENSIOLOG>\r\n";

// The value of a day's value tag in the program's readings, or null text.
QString DayValue(const QString& szDay, const QString& szName) {
    const auto objEntry = FindDayEntry(objReadings, szDay);
    if (!objEntry) {
        return {};
    }
    const auto objTag = objEntry->FindSubTagObjectByName(szName, QString());
    return objTag ? objTag->szValue : QString();
}

// Enters a systolic value for a day, as the main window stores what is typed.
void EnterSystolic(const QString& szDay, const QString& szValue) {
    FindOrCreateDayEntry(objReadings, szDay).objSystolicTag->szValue = szValue;
}

#ifndef Q_OS_WIN
// A small file system of its own at a folder (root only), which a test can fill; unmounted when
// the object goes.
class SmallFileSystem {
public:
    explicit SmallFileSystem(const QString& szPath) : m_szPath(szPath) {
        m_bMounted =
            QDir().mkpath(szPath) && ::geteuid() == 0 &&
            ::mount("tmpfs", QFile::encodeName(szPath).constData(), "tmpfs", 0, "size=64k") == 0;
    }
    ~SmallFileSystem() {
        if (m_bMounted) {
            ::umount(QFile::encodeName(m_szPath).constData());
        }
    }
    SmallFileSystem(const SmallFileSystem&) = delete;
    SmallFileSystem& operator=(const SmallFileSystem&) = delete;

    bool IsMounted() const { return m_bMounted; }
    // Fills it to the last byte.
    void Fill() const {
        QFile filler(m_szPath + QStringLiteral("/filler"));
        if (filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
            while (filler.write(QByteArray(1024, 'f')) > 0) {
            }
        }
    }
    void Empty() const { QFile::remove(m_szPath + QStringLiteral("/filler")); }

private:
    QString m_szPath;
    bool m_bMounted = false;
};
#endif

// A lock file written by tlg on the computer "far-away-pc" on 1 December 2026 at 08:30 UTC.
const QByteArray kOtherComputersLock = "4242\ntlg\nfar-away-pc\n0123456789abcdef0123456789abcdef\n"
                                       "5c1e0d7a-9f4b-4d8e-a0e1-2b3c4d5e6f70\n"
                                       "2026-12-01T08:30:00Z\n";

} // namespace

class TestAppStartup : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_szFolder;
    QString m_szFile;
    QList<MessageBoxCall> m_calls;
    // What happened, in order: "welcome", "main", "box".
    QStringList m_events;
    std::function<QMessageBox::StandardButton(const MessageBoxCall&)> m_answer;

    StartupOptions Options(bool bCloseWelcome = true) {
        StartupOptions options;
        options.szDataFolder = m_szFolder;
        options.dtToday = QDate(2026, 12, 7);
        options.onWelcomeShown = [this, bCloseWelcome](frmWelcome& welcome) {
            m_events << QStringLiteral("welcome");
            if (bCloseWelcome) {
                QTest::mouseClick(welcome.btClose, Qt::LeftButton);
            }
        };
        options.onMainShown = [this](frmMain& window) {
            m_events << QStringLiteral("main");
            QTest::mouseClick(window.btClose, Qt::LeftButton);
        };
        return options;
    }

    // Starts a run that types "13" into the focused systolic box, goes on with then, and closes
    // the window (also when a check in then fails).
    StartupOptions OptionsTyping13(std::function<void(frmMain&)> then) {
        StartupOptions options = Options();
        options.onMainShown = [then = std::move(then)](frmMain& window) {
            const auto close =
                qScopeGuard([&] { QTest::mouseClick(window.btClose, Qt::LeftButton); });
            window.txtSystolic->setFocus();
            QTest::keyClicks(window.txtSystolic, QStringLiteral("13"));
            then(window);
        };
        return options;
    }

    // Starts a run that enters the systolic value 120 for today, then closes.
    StartupOptions OptionsEntering120() {
        StartupOptions options = Options();
        options.onMainShown = [this](frmMain& window) {
            m_events << QStringLiteral("main");
            EnterSystolic(QStringLiteral("20261207"), QStringLiteral("120"));
            QTest::mouseClick(window.btClose, Qt::LeftButton);
        };
        return options;
    }

private slots:
    void initTestCase() {
        HideOpacityWarnings();
        FramelessWindow::SetFadeDuration(0);
    }

    void init() {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        m_szFolder = m_dir->filePath(QStringLiteral("data"));
        m_szFile = QDir::toNativeSeparators(m_szFolder + QStringLiteral("/crtlg.dat"));
        QVERIFY(QDir().mkpath(m_szFolder));
        m_calls.clear();
        m_events.clear();
        m_answer = nullptr;
        SetMessageBoxHandler([this](QMessageBox::Icon icon, const QString& szTitle,
                                    const QString& szText, QMessageBox::StandardButtons buttons) {
            const MessageBoxCall call{icon, szTitle, szText, buttons};
            m_calls.append(call);
            m_events << QStringLiteral("box");
            return m_answer ? m_answer(call) : QMessageBox::Ok;
        });
    }

    void cleanup() {
        SetMessageBoxHandler(nullptr);
        QVERIFY(!objXML);
        QVERIFY(!objReadings);
        QVERIFY(QApplication::topLevelWidgets().isEmpty() ||
                std::none_of(QApplication::topLevelWidgets().begin(),
                             QApplication::topLevelWidgets().end(),
                             [](QWidget* w) { return w->isVisible(); }));
    }

    void firstRun() {
        QCOMPARE(Main(OptionsEntering120()), kStartupSaved);
        QCOMPARE(m_events, (QStringList{QStringLiteral("welcome"), QStringLiteral("main")}));
        const QByteArray bytes = ReadAll(m_szFile);
        QVERIFY(bytes.startsWith("<CORVALEN TENSIOLOG>\r\n\t<READINGS>\r\n\t\t<20261207>\r\n"
                                 "\t\t\t<S>120</S>\r\n\t\t\t<D></D>\r\n"));
        QVERIFY(bytes.endsWith("\t</READINGS>\r\n</CORVALEN TENSIOLOG>\r\n"));
        // No stale lock is left for the next run.
        QVERIFY(!QFile::exists(m_szFolder + QStringLiteral("/crtlg.dat.lock")));
    }

    void firstRunInMissingFolder() {
        m_szFolder = m_dir->filePath(QStringLiteral("not/yet/there"));
        QCOMPARE(Main(Options()), kStartupSaved);
        QVERIFY(ReadAll(m_szFolder + QStringLiteral("/crtlg.dat")).contains("<READINGS>"));
        QVERIFY(m_calls.isEmpty());
    }

    void secondRun() {
        QVERIFY(WriteAll(m_szFile, kSecondRunFile));
        StartupOptions options = OptionsEntering120();
        auto enter = options.onMainShown;
        options.onMainShown = [&](frmMain& window) {
            // The readings tag is the file's own, and the chart shows it.
            QCOMPARE(DayValue(QStringLiteral("20261201"), QStringLiteral("S")),
                     QStringLiteral("130"));
            QCOMPARE(window.ctlChart->RowCount(), qint16(1));
            QCOMPARE(window.ctlChart->RowDateAt(1), QDate(2026, 12, 1));
            QCOMPARE(window.ctlChart->DataAt(1, 1), 130.0);
            QCOMPARE(DayValue(QStringLiteral("20261201"), QStringLiteral("C")),
                     QStringLiteral("walk"));
            enter(window);
        };
        QCOMPARE(Main(options), kStartupSaved);
        QCOMPARE(m_events, QStringList{QStringLiteral("main")});
        QVERIFY(m_calls.isEmpty());
        const QByteArray bytes = ReadAll(m_szFile);
        QCOMPARE(bytes.count("<READINGS>"), 1);
        QVERIFY(bytes.indexOf("<S>130</S>") > 0);
        QVERIFY(bytes.indexOf("<20261201>") < bytes.indexOf("<20261207>"));
        QVERIFY(bytes.contains("\t\t\t<S>120</S>\r\n"));
    }

    // A file named on the command line (a file manager's "Open with"): the window opens and asks
    // what a drop asks, or says why the file is refused; only Yes imports.
    void fileToOpen_data() {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QString>("szMake");
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("icon");
        QTest::addColumn<QString>("szSaid");
        QTest::addColumn<bool>("bImported");
        const QStringList one{QStringLiteral("readings.csv")};
        const int question = int(QMessageBox::Question);
        const int warning = int(QMessageBox::Warning);
        QTest::newRow("a CSV file, Yes")
            << one << QStringLiteral("file") << int(QMessageBox::Yes) << question
            << QStringLiteral("1 day will be added") << true;
        QTest::newRow("a CSV file, No")
            << one << QStringLiteral("file") << int(QMessageBox::No) << question
            << QStringLiteral("1 day will be added") << false;
        QTest::newRow("a name that is not .csv")
            << QStringList{QStringLiteral("readings.txt")} << QStringLiteral("file")
            << int(QMessageBox::Yes) << warning << QStringLiteral("is not a CSV file") << false;
        QTest::newRow("a missing file")
            << one << QStringLiteral("nothing") << int(QMessageBox::Yes) << warning
            << QStringLiteral("could not be opened") << false;
        QTest::newRow("a folder") << one << QStringLiteral("folder") << int(QMessageBox::Yes)
                                  << warning << QStringLiteral("not an ordinary file") << false;
        QTest::newRow("two files")
            << QStringList{QStringLiteral("readings.csv"), QStringLiteral("more.csv")}
            << QStringLiteral("file") << int(QMessageBox::Yes) << warning
            << QStringLiteral("2 files were given") << false;
    }

    void fileToOpen() {
        QFETCH(QStringList, names);
        QFETCH(QString, szMake);
        QFETCH(int, answer);
        QFETCH(int, icon);
        QFETCH(QString, szSaid);
        QFETCH(bool, bImported);
        QVERIFY(WriteAll(m_szFile, kSecondRunFile));
        StartupOptions options = Options();
        for (const QString& szName : names) {
            const QString szPath = m_dir->filePath(szName);
            if (szMake == QLatin1String("file")) {
                QVERIFY(WriteAll(szPath, "date,systolic,diastolic,pulse,comment\r\n"
                                         "2026-12-05,121,79,66,From the file\r\n"));
            } else if (szMake == QLatin1String("folder")) {
                QVERIFY(QDir().mkpath(szPath));
            }
            options.filesToOpen << szPath;
        }
        m_answer = [answer](const MessageBoxCall&) { return QMessageBox::StandardButton(answer); };
        options.onMainShown = [this](frmMain& window) {
            m_events << QStringLiteral("main");
            // The question comes once the window is on the screen.
            QTRY_VERIFY(!m_calls.isEmpty());
            QTest::mouseClick(window.btClose, Qt::LeftButton);
        };
        QCOMPARE(Main(options), kStartupSaved);
        QCOMPARE(m_events, (QStringList{QStringLiteral("main"), QStringLiteral("box")}));
        QCOMPARE(int(m_calls[0].icon), icon);
        QVERIFY2(m_calls[0].szText.contains(szSaid), qPrintable(m_calls[0].szText));
        const QByteArray bytes = ReadAll(m_szFile);
        QVERIFY(bytes.contains("<S>130</S>"));
        QCOMPARE(bytes.contains("\t\t<20261205>\r\n\t\t\t<S>121</S>"), bImported);
    }

    void damagedFile_data() {
        QTest::addColumn<QByteArray>("damaged");
        QTest::addColumn<QStringList>("keptDays");
        // What the note says was kept: only days read with all four values count.
        QTest::addColumn<QString>("szKept");

        const QByteArray head = "<CORVALEN TENSIOLOG>\r\n\t<READINGS>\r\n\t\t<20261201>\r\n"
                                "\t\t\t<S>130</S>\r\n\t\t\t<D>85</D>\r\n\t\t\t<P>70</P>\r\n"
                                "\t\t\t<C></C>\r\n\t\t</20261201>\r\n";
        const QByteArray tail = "\t\t<20261203>\r\n\t\t\t<S>140</S>\r\n\t\t</20261203>\r\n"
                                "\t</READINGS>\r\n</CORVALEN TENSIOLOG>\r\n";
        const QByteArray second = "\t\t<20261202>\r\n\t\t\t<S>131</S>\r\n\t\t\t<D>86</D>\r\n"
                                  "\t\t\t<P>71</P>\r\n\t\t\t<C></C>\r\n\t\t</20261202>\r\n";
        const QString szOne = QStringLiteral("The 1 day read before the damaged part is shown, and "
                                             "it will be saved");
        const QString szNone = QStringLiteral("No readings could be read from it");
        QTest::newRow("line without a tag")
            << head + "\t\tgarbage\r\n" + tail << QStringList{QStringLiteral("20261201")} << szOne;
        QTest::newRow("wrong nesting")
            << head + "\t</WRONG>\r\n" + tail << QStringList{QStringLiteral("20261201")} << szOne;
        QTest::newRow("damage inside a day")
            << head + "\t\t<20261202>\r\n\t\t\t<S>1\r\n" + tail
            << QStringList{QStringLiteral("20261201"), QStringLiteral("20261202")} << szOne;
        QTest::newRow("two whole days")
            << head + second + "\t\tgarbage\r\n" + tail
            << QStringList{QStringLiteral("20261201"), QStringLiteral("20261202")}
            << QStringLiteral("The 2 days read before the damaged part are shown, and they will "
                              "be saved");
        // Cut off at a line end: the file loads, but its tags are left open.
        QTest::newRow("cut off after a whole day")
            << head + second << QStringList{QStringLiteral("20261201"), QStringLiteral("20261202")}
            << QStringLiteral("The 2 days read before the damaged part are shown");
        QTest::newRow("cut off inside a day")
            << head + "\t\t<20261202>\r\n\t\t\t<S>131</S>\r\n"
            << QStringList{QStringLiteral("20261201"), QStringLiteral("20261202")} << szOne;
        QTest::newRow("no readings list")
            << QByteArray("<OTHER>\r\n\t<X>1</X>\r\n</OTHER>\r\n") << QStringList() << szNone;
        QTest::newRow("empty file") << QByteArray() << QStringList() << szNone;
    }

    void damagedFile() {
        QFETCH(QByteArray, damaged);
        QFETCH(QStringList, keptDays);
        QFETCH(QString, szKept);
        QVERIFY(WriteAll(m_szFile, damaged));
        // The backup of an earlier run may be the last good version: it stays.
        const QByteArray earlier = "<CORVALEN TENSIOLOG>\r\n</CORVALEN TENSIOLOG>\r\n";
        QVERIFY(WriteAll(m_szFile + QStringLiteral(".bak"), earlier));

        QCOMPARE(Main(OptionsEntering120()), kStartupSaved);
        QCOMPARE(ReadAll(m_szFile + QStringLiteral(".bak")), earlier);

        // The welcome window first, then where the copy is, then the main window.
        QCOMPARE(m_events, (QStringList{QStringLiteral("welcome"), QStringLiteral("box"),
                                        QStringLiteral("main")}));
        QCOMPARE(m_calls[0].icon, QMessageBox::Warning);
        const QStringList copies =
            QDir(m_szFolder)
                .entryList(QStringList{QStringLiteral("crtlg.dat.damaged-*")}, QDir::Files);
        QCOMPARE(copies.size(), 1);
        const QString szCopy = QDir::toNativeSeparators(m_szFolder + u'/' + copies[0]);
        QVERIFY2(m_calls[0].szText.contains(szCopy), qPrintable(m_calls[0].szText));
        QVERIFY2(m_calls[0].szText.contains(szKept), qPrintable(m_calls[0].szText));
        // The loader's own texts are for developers.
        QVERIFY2(!m_calls[0].szText.contains(QStringLiteral("XML")), qPrintable(m_calls[0].szText));
        QCOMPARE(ReadAll(szCopy), damaged);

        // The next start finds the readings read before the damage and the new one together.
        StartupOptions options = Options();
        options.onMainShown = [&](frmMain& window) {
            m_events << QStringLiteral("second");
            for (const QString& szDay : keptDays) {
                QVERIFY2(FindDayEntry(objReadings, szDay), qPrintable(szDay));
            }
            QCOMPARE(DayValue(QStringLiteral("20261207"), QStringLiteral("S")),
                     QStringLiteral("120"));
            QVERIFY(!FindDayEntry(objReadings, QStringLiteral("20261203")));
            QTest::mouseClick(window.btClose, Qt::LeftButton);
        };
        m_events.clear();
        m_calls.clear();
        QCOMPARE(Main(options), kStartupSaved);
        QCOMPARE(m_events, QStringList{QStringLiteral("second")});
        QVERIFY(m_calls.isEmpty());
        QCOMPARE(ReadAll(m_szFile).count("<READINGS>"), 1);
    }

    // The note on a damaged file speaks the user's language, counting days with its plural
    // forms; English stays as it was.
    void damagedFileInTheUsersLanguage_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("iWholeDays");
        QTest::addColumn<QString>("szOpening");
        QTest::addColumn<QString>("szKept");
        QTest::newRow("German, two days")
            << QStringLiteral("de_DE") << 2 << QStringLiteral("Die Messwertdatei \u201E")
            << QStringLiteral("Die 2 Tage, die vor der beschädigten Stelle gelesen wurden, "
                              "werden gezeigt und zusammen mit dem gespeichert, was Sie jetzt "
                              "eingeben.");
        QTest::newRow("German, one day")
            << QStringLiteral("de_AT") << 1 << QStringLiteral("Die Messwertdatei \u201E")
            << QStringLiteral("Der eine Tag, der vor der beschädigten Stelle gelesen wurde, wird "
                              "gezeigt");
        QTest::newRow("French, two days")
            << QStringLiteral("fr_FR") << 2 << QStringLiteral("Le fichier des mesures \u00AB ")
            << QStringLiteral("Les 2 jours lus avant la partie endommagée sont affichés, et ils "
                              "seront enregistrés avec ce que vous saisissez maintenant.");
        QTest::newRow("Spanish, two days")
            << QStringLiteral("es_ES") << 2 << QStringLiteral("El archivo de mediciones \u00AB")
            << QStringLiteral("Se muestran los 2 días leídos antes de la parte dañada, y se "
                              "guardarán junto con lo que introduzca ahora.");
        QTest::newRow("Italian: English")
            << QStringLiteral("it_IT") << 2 << QStringLiteral("The readings file \"")
            << QStringLiteral("The 2 days read before the damaged part are shown, and they will "
                              "be saved together with what you enter now.");
    }
    void damagedFileInTheUsersLanguage() {
        QFETCH(QString, language);
        QFETCH(int, iWholeDays);
        QFETCH(QString, szOpening);
        QFETCH(QString, szKept);
        InstallTranslations(QLocale(language));
        const auto english = qScopeGuard([] { RemoveTranslations(); });
        QByteArray file = "<CORVALEN TENSIOLOG>\r\n\t<READINGS>\r\n";
        for (int i = 1; i <= iWholeDays; ++i) {
            file += "\t\t<2026120" + QByteArray::number(i) +
                    ">\r\n\t\t\t<S>130</S>\r\n\t\t\t<D>85</D>\r\n\t\t\t<P>70</P>\r\n"
                    "\t\t\t<C></C>\r\n\t\t</2026120" +
                    QByteArray::number(i) + ">\r\n";
        }
        QVERIFY(WriteAll(m_szFile, file + "\t\tgarbage\r\n\t</READINGS>\r\n"));
        QCOMPARE(Main(OptionsEntering120()), kStartupSaved);
        QVERIFY(!m_calls.isEmpty());
        const QString& szNote = m_calls[0].szText;
        QVERIFY2(szNote.startsWith(szOpening), qPrintable(szNote));
        QVERIFY2(szNote.contains(szKept), qPrintable(szNote));
    }

    // Typing reaches the disk while the window is open, in one save for a burst of keys.
    void typingIsSavedWhileOpen() {
        QVERIFY(WriteAll(m_szFile, kSecondRunFile));
        int iSaves = 0;
        StartupOptions options = Options();
        options.onSaved = [&](const QString& szFile) {
            QCOMPARE(szFile, m_szFile);
            ++iSaves;
        };
        options.onMainShown = [&](frmMain& window) {
            // Closed even when a check fails, so that the run ends.
            const auto close =
                qScopeGuard([&] { QTest::mouseClick(window.btClose, Qt::LeftButton); });
            QTest::keyClicks(window.txtSystolic, QStringLiteral("128"));
            QTest::keyClicks(window.txtDiastolic, QStringLiteral("82"));
            QTest::keyClicks(window.txtPulse, QStringLiteral("66"));
            QTRY_VERIFY_WITH_TIMEOUT(
                ReadAll(m_szFile).contains("\t\t\t<S>128</S>\r\n\t\t\t<D>82</D>"
                                           "\r\n\t\t\t<P>66</P>\r\n"),
                10000);
            QTest::qWait(2500);
            QCOMPARE(iSaves, 1);
        };
        QCOMPARE(Main(options), kStartupSaved);
        // Nothing was left to write at the end.
        QCOMPARE(iSaves, 1);
        QVERIFY(m_calls.isEmpty());
        // The file as loaded is kept once.
        QCOMPARE(ReadAll(m_szFile + QStringLiteral(".bak")), kSecondRunFile);
    }

    void backgroundSaveKeepsFailingWarnsOnce() {
        QVERIFY(WriteAll(m_szFile, kSecondRunFile));
        const QString szAway = m_szFolder + QStringLiteral("-away");
        StartupOptions options = Options();
        options.onMainShown = [&](frmMain& window) {
            // Closed even when a check fails, so that the run ends.
            const auto close =
                qScopeGuard([&] { QTest::mouseClick(window.btClose, Qt::LeftButton); });
            QVERIFY(QDir().rename(m_szFolder, szAway));
            QVERIFY(WriteAll(m_szFolder, "in the way"));
            QTest::keyClicks(window.txtSystolic, QStringLiteral("133"));
            QTRY_VERIFY_WITH_TIMEOUT(!m_calls.isEmpty(), 20000);
            QTest::qWait(3000);
            QCOMPARE(m_calls.size(), 1);
            QCOMPARE(m_calls[0].icon, QMessageBox::Warning);
            QVERIFY2(m_calls[0].szText.contains(QStringLiteral("\"%1\" (").arg(m_szFile)),
                     qPrintable(m_calls[0].szText));
            QFile::remove(m_szFolder);
            QVERIFY(QDir().rename(szAway, m_szFolder));
        };
        QCOMPARE(Main(options), kStartupSaved);
        QCOMPARE(m_calls.size(), 1);
        QVERIFY(ReadAll(m_szFile).contains("\t\t\t<S>133</S>\r\n"));
    }

    // Someone else wrote the file while the window was open: both sides' readings end in the
    // file; a value typed differently on both keeps ours there and theirs in a conflict copy,
    // and the user hears once what came from the other computer.
    void fileChangedElsewhereIsMerged_data() {
        QTest::addColumn<QString>("szMineDay");
        QTest::addColumn<QString>("szMine");
        QTest::addColumn<bool>("bConflict");
        QTest::newRow("another day")
            << QStringLiteral("20261207") << QStringLiteral("120") << false;
        QTest::newRow("the same value")
            << QStringLiteral("20261201") << QStringLiteral("140") << true;
    }

    void fileChangedElsewhereIsMerged() {
        QFETCH(QString, szMineDay);
        QFETCH(QString, szMine);
        QFETCH(bool, bConflict);
        QVERIFY(WriteAll(m_szFile, kSecondRunFile));
        const QByteArray theirs = QByteArray(kSecondRunFile).replace("130", "160");
        StartupOptions options = Options();
        options.onMainShown = [&](frmMain& window) {
            QVERIFY(WriteAll(m_szFile, theirs));
            EnterSystolic(szMineDay, szMine);
            NoteReadingsChanged();
            QTest::mouseClick(window.btClose, Qt::LeftButton);
        };
        QCOMPARE(Main(options), kStartupSaved);
        const QByteArray merged = ReadAll(m_szFile);
        QVERIFY(merged.contains("<S>" + szMine.toLatin1() + "</S>"));
        QCOMPARE(merged.contains("<S>160</S>"), !bConflict);
        QVERIFY(merged.contains("<C>walk</C>"));
        const QStringList copies =
            QDir(m_szFolder)
                .entryList(QStringList{QStringLiteral("crtlg.dat.conflict-*")}, QDir::Files);
        QCOMPARE(copies.size(), bConflict ? 1 : 0);
        QCOMPARE(m_calls.size(), 1);
        QVERIFY2(m_calls[0].szText.contains(QStringLiteral("the other computer")),
                 qPrintable(m_calls[0].szText));
        if (bConflict) {
            const QString szCopy = QDir::toNativeSeparators(m_szFolder + u'/' + copies[0]);
            QCOMPARE(ReadAll(szCopy), theirs);
            QVERIFY2(m_calls[0].szText.contains(szCopy), qPrintable(m_calls[0].szText));
        }
        QVERIFY(!QFile::exists(m_szFile + QStringLiteral(".note")));
    }

    // The other computer's save lands while the window is open and a box is being typed in:
    // within two seconds the window shows it, and the box keeps its text, caret and focus.
    void liveReloadKeepsTheTyping_data() {
        QTest::addColumn<bool>("bRenameOver");
        QTest::newRow("renamed over") << true;
        QTest::newRow("written in place") << false;
    }

    void liveReloadKeepsTheTyping() {
        QFETCH(bool, bRenameOver);
        QVERIFY(WriteAll(m_szFile, kSecondRunFile));
        StartupOptions options = OptionsTyping13([&](frmMain& window) {
            QTRY_VERIFY_WITH_TIMEOUT(ReadAll(m_szFile).contains("<S>13</S>"), 5000);
            window.txtSystolic->setCursorPosition(1);
            QByteArray theirs = ReadAll(m_szFile);
            theirs.replace("<D></D>", "<D>88</D>").replace("<S>130</S>", "<S>160</S>");
            const QString szTemp = m_szFile + QStringLiteral(".sync-tmp");
            QVERIFY(WriteAll(bRenameOver ? szTemp : m_szFile, theirs));
            QVERIFY(!bRenameOver || std::rename(QFile::encodeName(szTemp).constData(),
                                                QFile::encodeName(m_szFile).constData()) == 0);
            QTRY_COMPARE_WITH_TIMEOUT(window.txtDiastolic->text(), QStringLiteral("88"), 2000);
            QCOMPARE(DayValue(QStringLiteral("20261201"), QStringLiteral("S")),
                     QStringLiteral("160"));
            QVERIFY(window.txtSystolic->hasFocus());
            QCOMPARE(window.txtSystolic->text(), QStringLiteral("13"));
            QCOMPARE(window.txtSystolic->cursorPosition(), 1);
            QTest::keyClicks(window.txtSystolic, QStringLiteral("5"));
        });
        QCOMPARE(Main(options), kStartupSaved);
        const QByteArray bytes = ReadAll(m_szFile);
        QVERIFY(bytes.contains("<S>153</S>\r\n\t\t\t<D>88</D>"));
        QVERIFY(bytes.contains("<S>160</S>"));
        QVERIFY(QDir(m_szFolder)
                    .entryList(QStringList{QStringLiteral("crtlg.dat.conflict-*")}, QDir::Files)
                    .isEmpty());
        // Nothing of this run was waiting: the window showed theirs, with nothing to tell.
        QVERIFY(m_calls.isEmpty());
    }

    // The other computer's save lands while the report is open: the report shows it too.
    void openReportShowsTheirReadings() {
        QVERIFY(WriteAll(m_szFile, kSecondRunFile));
        StartupOptions options = Options();
        bool bShown = false;
        options.onMainShown = [&](frmMain& window) {
            QTimer::singleShot(0, &window, [&] {
                const auto close = qScopeGuard([&] {
                    if (QWidget* modal = QApplication::activeModalWidget()) {
                        modal->close();
                    }
                });
                frmReport* report = nullptr;
                QTRY_VERIFY((report = qobject_cast<frmReport*>(
                                 QApplication::activeModalWidget())) != nullptr);
                QTRY_VERIFY(report->rtb->toPlainText().contains(QStringLiteral("130/85")));
                QVERIFY(WriteAll(m_szFile, QByteArray(kSecondRunFile).replace("130", "160")));
                QTRY_VERIFY_WITH_TIMEOUT(
                    report->rtb->toPlainText().contains(QStringLiteral("160/85")), 2000);
                QVERIFY(!report->rtb->toPlainText().contains(QStringLiteral("130/85")));
                bShown = true;
            });
            QTest::mouseClick(window.btReport, Qt::LeftButton);
            QTest::mouseClick(window.btClose, Qt::LeftButton);
        };
        QCOMPARE(Main(options), kStartupSaved);
        QVERIFY(bShown);
        QVERIFY(ReadAll(m_szFile).contains("<S>160</S>"));
    }

    // The other computer's save lands while this side's typing is not saved yet: the two are
    // merged, and one sentence beside the window says what came from there, while the box keeps
    // the keyboard.
    void mergeWhileTypingIsToldInTheWindow() {
        QVERIFY(WriteAll(m_szFile, kSecondRunFile));
        StartupOptions options = OptionsTyping13([&](frmMain& window) {
            QVERIFY(WriteAll(m_szFile, QByteArray(kSecondRunFile).replace("130", "160")));
            QLabel* notice = nullptr;
            QTRY_VERIFY_WITH_TIMEOUT(
                (notice = window.findChild<QLabel*>(QStringLiteral("lblMerged"))) != nullptr, 2000);
            QVERIFY(notice->isVisible());
            QVERIFY2(notice->text().contains(QStringLiteral("came from the other computer")),
                     qPrintable(notice->text()));
            QCOMPARE(notice->textFormat(), Qt::PlainText);
            QVERIFY(window.txtSystolic->hasFocus());
            QCOMPARE(window.txtSystolic->text(), QStringLiteral("13"));
            QTRY_VERIFY_WITH_TIMEOUT(ReadAll(m_szFile).contains("<S>160</S>") &&
                                         ReadAll(m_szFile).contains("<S>13</S>"),
                                     5000);
            // A click closes it.
            QTest::mouseClick(notice, Qt::LeftButton);
            QTRY_VERIFY(window.findChild<QLabel*>(QStringLiteral("lblMerged")) == nullptr);
        });
        QCOMPARE(Main(options), kStartupSaved);
        QVERIFY(m_calls.isEmpty());
    }

    // A value typed differently here and on the other computer while the window is open: both
    // are shown to pick from; the other computer's is taken and its diary moved aside.
    void conflictWhileOpenIsPicked() {
        QVERIFY(WriteAll(m_szFile, kSecondRunFile));
        const QByteArray theirs = QByteArray(kSecondRunFile).replace("130", "160");
        StartupOptions options = Options();
        options.onMainShown = [&](frmMain& window) {
            const auto close =
                qScopeGuard([&] { QTest::mouseClick(window.btClose, Qt::LeftButton); });
            EnterSystolic(QStringLiteral("20261201"), QStringLiteral("140"));
            NoteReadingsChanged();
            QVERIFY(WriteAll(m_szFile, theirs));
            ConflictPicker* picker = nullptr;
            QTRY_VERIFY_WITH_TIMEOUT((picker = window.findChild<ConflictPicker*>()) != nullptr &&
                                         picker->isVisible(),
                                     5000);
            QCOMPARE(picker->radMine.size(), 1);
            QVERIFY(picker->radMine[0]->text().endsWith(QStringLiteral("140")));
            QVERIFY(picker->radTheirs[0]->text().endsWith(QStringLiteral("160")));
            QTest::mouseClick(picker->radTheirs[0], Qt::LeftButton);
            QTest::mouseClick(picker->buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
            QCOMPARE(DayValue(QStringLiteral("20261201"), QStringLiteral("S")),
                     QStringLiteral("160"));
            QTRY_VERIFY_WITH_TIMEOUT(ReadAll(m_szFile).contains("<S>160</S>"), 5000);
        };
        QCOMPARE(Main(options), kStartupSaved);
        QVERIFY(ReadAll(m_szFile).contains("<S>160</S>"));
        QVERIFY(QDir(m_szFolder)
                    .entryList(QStringList{QStringLiteral("crtlg.dat.conflict-*")}, QDir::Files)
                    .isEmpty());
        const QStringList moved =
            QDir(m_szFolder + QStringLiteral("/crtlg.dat.merged")).entryList(QDir::Files);
        QCOMPARE(moved.size(), 1);
        QCOMPARE(ReadAll(m_szFolder + QStringLiteral("/crtlg.dat.merged/") + moved[0]), theirs);
        QVERIFY(m_calls.isEmpty());
    }

    // Copies a synchronising tool left beside the diary are offered at start; merged ones go
    // into the folder for merged copies, one with a value that differs stays where it is.
    void copiesOfferedAtStart_data() {
        QTest::addColumn<QString>("szCopyName");
        QTest::addColumn<QByteArray>("copy");
        QTest::addColumn<bool>("bAccept");
        QTest::addColumn<QByteArray>("diskHas");
        QTest::addColumn<bool>("bMovedAside");
        // The days the window's chart shows once it opens.
        QTest::addColumn<int>("iChartRows");
        const QByteArray addsDay =
            QByteArray(kSecondRunFile)
                .replace("\t</READINGS>",
                         "\t\t<20261205>\r\n\t\t\t<S>140</S>\r\n\t\t</20261205>\r\n"
                         "\t</READINGS>");
        QTest::newRow("Syncthing copy adds a day")
            << QStringLiteral("crtlg.sync-conflict-20261210-101500-ABCDEF7.dat") << addsDay << true
            << QByteArray("<S>140</S>") << true << 2;
        QTest::newRow("Dropbox copy with another comment")
            << QStringLiteral("crtlg (Anna's conflicted copy 2026-12-10).dat")
            << QByteArray(kSecondRunFile).replace("<C>walk</C>", "<C>walk, then rest</C>") << true
            << QByteArray("<C>walk</C>") << false << 1;
        QTest::newRow("declined") << QStringLiteral("crtlg (conflicted copy 2026-12-10 101500).dat")
                                  << addsDay << false << QByteArray("<S>130</S>") << false << 1;
    }

    void copiesOfferedAtStart() {
        QFETCH(QString, szCopyName);
        QFETCH(QByteArray, copy);
        QFETCH(bool, bAccept);
        QFETCH(QByteArray, diskHas);
        QFETCH(bool, bMovedAside);
        QFETCH(int, iChartRows);
        QVERIFY(WriteAll(m_szFile, kSecondRunFile));
        const QString szCopy = m_szFolder + u'/' + szCopyName;
        QVERIFY(WriteAll(szCopy, copy));
        m_answer = [&](const MessageBoxCall& call) {
            return call.icon == QMessageBox::Question && bAccept ? QMessageBox::Yes
                                                                 : QMessageBox::No;
        };
        // The window opens on the merged readings, its chart included (the chart made of the
        // file as loaded no longer shows them).
        StartupOptions options = Options();
        QStringList chartDays;
        options.onMainShown = [&](frmMain& window) {
            for (qint16 iRow = 1; iRow <= window.ctlChart->RowCount(); ++iRow) {
                chartDays << window.ctlChart->RowDateAt(iRow).toString(Qt::ISODate);
            }
            QTest::mouseClick(window.btClose, Qt::LeftButton);
        };
        QCOMPARE(Main(options), kStartupSaved);
        QCOMPARE(chartDays.size(), iChartRows);
        QCOMPARE(chartDays.value(0), QStringLiteral("2026-12-01"));
        QVERIFY(ReadAll(m_szFile).contains(diskHas));
        QVERIFY(ReadAll(m_szFile).contains("<S>130</S>"));
        QCOMPARE(m_calls.size(), bAccept ? 2 : 1);
        QVERIFY2(m_calls[0].szText.contains(szCopyName), qPrintable(m_calls[0].szText));
        const QString szMoved = m_szFolder + QStringLiteral("/crtlg.dat.merged/") + szCopyName;
        QCOMPARE(QFile::exists(szMoved), bMovedAside);
        QCOMPARE(QFile::exists(szCopy), !bMovedAside);
        QCOMPARE(ReadAll(bMovedAside ? szMoved : szCopy), copy);
        if (bAccept && !bMovedAside) {
            // The differing value is named with the copy that keeps it.
            QVERIFY2(m_calls[1].szText.contains(QDir::toNativeSeparators(szCopy)),
                     qPrintable(m_calls[1].szText));
        }
    }

    void folderThatCannotBeMadeIsNamed() {
        QVERIFY(WriteAll(m_szFolder + QStringLiteral("/blocker"), "a file"));
        StartupOptions options = Options();
        options.szDataFolder = m_szFolder + QStringLiteral("/blocker/tlg");
        const QString szHomeFile =
            QDir::toNativeSeparators(QDir::homePath() + QStringLiteral("/crtlg.dat"));
        QFile::remove(szHomeFile);
        QCOMPARE(Main(options), kStartupSaved);
        QFile::remove(szHomeFile);
        QFile::remove(szHomeFile + QStringLiteral(".bak"));
        QCOMPARE(m_events, (QStringList{QStringLiteral("welcome"), QStringLiteral("box"),
                                        QStringLiteral("main")}));
        QVERIFY2(m_calls[0].szText.contains(QStringLiteral("\"%1\"").arg(szHomeFile)),
                 qPrintable(m_calls[0].szText));
        QVERIFY(m_calls[0].szText.contains(QDir::toNativeSeparators(options.szDataFolder)));
    }

    // More days than the store holds: told as such, with a copy of the whole file kept.
    void fullDiaryIsToldAsSuch() {
        QByteArray bytes = "<CORVALEN TENSIOLOG>\r\n\t<READINGS>\r\n";
        QDate dt(1930, 1, 1);
        for (int i = 0; i <= clsXMLTags::kCapacity; ++i, dt = dt.addDays(1)) {
            const QByteArray key = dt.toString(QStringLiteral("yyyyMMdd")).toLatin1();
            bytes += "\t\t<" + key +
                     ">\r\n\t\t\t<S>120</S>\r\n\t\t\t<D>80</D>\r\n\t\t\t<P>70</P>\r\n"
                     "\t\t\t<C></C>\r\n\t\t</" +
                     key + ">\r\n";
        }
        bytes += "\t</READINGS>\r\n</CORVALEN TENSIOLOG>\r\n";
        QVERIFY(WriteAll(m_szFile, bytes));
        QCOMPARE(Main(Options()), kStartupSaved);
        // The main window opens on a day the diary cannot take, with nothing more to say.
        QCOMPARE(m_events, (QStringList{QStringLiteral("welcome"), QStringLiteral("box"),
                                        QStringLiteral("main")}));
        QCOMPARE(m_calls.size(), 1);
        const QString& szText = m_calls[0].szText;
        QVERIFY2(szText.startsWith(QStringLiteral("The diary has reached the largest size this "
                                                  "version can hold")),
                 qPrintable(szText));
        for (const char* szInternal : {"XML", "clsXML", "32767 tags", "damaged"}) {
            QVERIFY2(!szText.contains(QLatin1String(szInternal)), qPrintable(szText));
        }
        const QStringList copies =
            QDir(m_szFolder)
                .entryList(QStringList{QStringLiteral("crtlg.dat.full-*")}, QDir::Files);
        QCOMPARE(copies.size(), 1);
        QVERIFY(szText.contains(QDir::toNativeSeparators(m_szFolder + u'/' + copies[0])));
        QCOMPARE(ReadAll(m_szFolder + u'/' + copies[0]), bytes);
    }

#ifndef Q_OS_WIN
    // The damaged-file note that a termination kept from the screen is shown at the next start,
    // and only then.
    void noteLostToTerminationIsShownNextStart() {
        QVERIFY(WriteAll(m_szFile, "\t\tgarbage\r\n"));
        StartupOptions options = Options(false);
        options.onWelcomeShown = [&](frmWelcome&) {
            m_events << QStringLiteral("welcome");
            std::raise(SIGTERM);
        };
        QCOMPARE(Main(options), kStartupSaved);
        QVERIFY(m_calls.isEmpty());

        m_events.clear();
        QCOMPARE(Main(Options()), kStartupSaved);
        QCOMPARE(m_events, (QStringList{QStringLiteral("box"), QStringLiteral("main")}));
        QVERIFY2(m_calls[0].szText.contains(QStringLiteral("is damaged")),
                 qPrintable(m_calls[0].szText));
        QVERIFY(m_calls[0].szText.contains(m_szFile + QStringLiteral(".damaged-")));

        m_events.clear();
        m_calls.clear();
        QCOMPARE(Main(Options()), kStartupSaved);
        QCOMPARE(m_events, QStringList{QStringLiteral("main")});
        QVERIFY(m_calls.isEmpty());
    }
#endif

#ifndef Q_OS_WIN
    // After a failed save at the end, the user hears what the file on disk really holds. The data
    // folder is a small file system of its own that the test fills.
    void notSavedTellsWhatIsOnDisk_data() {
        QTest::addColumn<QString>("szCase");
        QTest::addColumn<QString>("szTold");
        QTest::newRow("nothing saved") << QStringLiteral("loaded")
                                       << QStringLiteral("still holds the readings as they were "
                                                         "when the program started");
        QTest::newRow("saved while open") << QStringLiteral("saved")
                                          << QStringLiteral("holds the readings as they were when "
                                                            "they were last saved, at");
        QTest::newRow("changed by another program")
            << QStringLiteral("theirs") << QStringLiteral("holds what another program wrote");
    }

    void notSavedTellsWhatIsOnDisk() {
        QFETCH(QString, szCase);
        QFETCH(QString, szTold);
        const QString szMount = m_dir->filePath(QStringLiteral("small"));
        const SmallFileSystem disk(szMount);
        if (!disk.IsMounted()) {
            QSKIP("needs to mount a small file system of its own (root)");
        }
        m_szFolder = szMount;
        m_szFile = QDir::toNativeSeparators(szMount + QStringLiteral("/crtlg.dat"));
        QVERIFY(WriteAll(m_szFile, kSecondRunFile));
        StartupOptions options = Options();
        options.onMainShown = [&](frmMain& window) {
            // Closed even when a check fails, so that the run ends.
            const auto close =
                qScopeGuard([&] { QTest::mouseClick(window.btClose, Qt::LeftButton); });
            if (szCase == QStringLiteral("saved")) {
                QTest::keyClicks(window.txtSystolic, QStringLiteral("128"));
                QTRY_VERIFY_WITH_TIMEOUT(ReadAll(m_szFile).contains("<S>128</S>"), 10000);
            }
            disk.Fill();
            if (szCase == QStringLiteral("theirs")) {
                QFile file(m_szFile);
                QVERIFY(file.open(QIODevice::ReadWrite));
                QVERIFY(file.write("<X") == 2);
            }
            EnterSystolic(QStringLiteral("20261207"), QStringLiteral("140"));
        };
        m_answer = [](const MessageBoxCall& call) {
            return call.buttons.testFlag(QMessageBox::Cancel) ? QMessageBox::Cancel
                                                              : QMessageBox::Ok;
        };
        QCOMPARE(Main(options), kStartupNotSaved);
        QCOMPARE(m_calls.size(), 2);
        QVERIFY2(m_calls[0].szText.contains(QStringLiteral("No space left")),
                 qPrintable(m_calls[0].szText));
        QVERIFY2(m_calls[1].szText.contains(szTold), qPrintable(m_calls[1].szText));
        QVERIFY(m_calls[1].szText.contains(QStringLiteral("\"%1\"").arg(m_szFile)));
    }
#endif

    // A data file that is not an ordinary file is never read (a pipe would hang the start) nor
    // written over: the program says why and ends.
    void unreadableFileIsLeftAlone_data() {
        QTest::addColumn<QString>("szKind");
        QTest::newRow("a folder") << QStringLiteral("folder");
#ifndef Q_OS_WIN
        QTest::newRow("a pipe") << QStringLiteral("pipe");
#endif
    }

    void unreadableFileIsLeftAlone() {
        QFETCH(QString, szKind);
        if (szKind == QStringLiteral("folder")) {
            QVERIFY(QDir().mkpath(m_szFile));
        } else {
#ifndef Q_OS_WIN
            QCOMPARE(::mkfifo(QFile::encodeName(m_szFile).constData(), 0600), 0);
#endif
        }
        QCOMPARE(Main(Options()), kStartupFileKept);
        QVERIFY(m_events.isEmpty() || m_events == QStringList{QStringLiteral("box")});
        QCOMPARE(m_calls.size(), 1);
        QCOMPARE(m_calls[0].icon, QMessageBox::Critical);
        QVERIFY2(m_calls[0].szText.contains(QStringLiteral("it is not an ordinary file")),
                 qPrintable(m_calls[0].szText));
        QVERIFY(QFileInfo(m_szFile).exists() && !QFileInfo(m_szFile).isFile());
        QCOMPARE(QDir(m_szFolder).entryList(QDir::Files), QStringList());
    }

    void damagedCopyNeverReplacesAnother() {
        QVERIFY(WriteAll(m_szFile, "damaged"));
        const QDateTime dtWhen(QDate(2026, 12, 8), QTime(16, 53, 0));
        const QString szFirst = m_szFile + QStringLiteral(".damaged-20261208-165300");
        QVERIFY(WriteAll(szFirst, "an earlier copy"));

        QString szReason;
        QCOMPARE(KeepDamagedCopy(m_szFile, dtWhen, &szReason), szFirst + QStringLiteral("-2"));
        QCOMPARE(KeepDamagedCopy(m_szFile, dtWhen, &szReason), szFirst + QStringLiteral("-3"));
        QCOMPARE(ReadAll(szFirst), QByteArray("an earlier copy"));
        QCOMPARE(ReadAll(szFirst + QStringLiteral("-3")), QByteArray("damaged"));

        QVERIFY(
            KeepDamagedCopy(m_szFile + QStringLiteral(".missing"), dtWhen, &szReason).isEmpty());
        QVERIFY(!szReason.isEmpty());
    }

    void secondInstance() {
        QVERIFY(WriteAll(m_szFile, kSecondRunFile));
        // Another tlg, in a process of its own.
        LockHolder running;
        QVERIFY(running.Start(m_szFile));
        const QStringList before = QDir(m_szFolder).entryList(QDir::Files);

        QCOMPARE(Main(Options()), kStartupAlreadyRunning);
        QVERIFY(m_events.count(QStringLiteral("welcome")) == 0);
        QVERIFY(m_events.count(QStringLiteral("main")) == 0);
        QCOMPARE(m_calls.size(), 1);
        QCOMPARE(m_calls[0].icon, QMessageBox::Warning);
        QCOMPARE(m_calls[0].szTitle, QStringLiteral("Free Tensiolog Warning"));
        QVERIFY(m_calls[0].szText.contains(QStringLiteral("already running")));
        QVERIFY2(m_calls[0].szText.contains(QStringLiteral("\"%1.lock\"").arg(m_szFile)),
                 qPrintable(m_calls[0].szText));
        QCOMPARE(ReadAll(m_szFile), kSecondRunFile);
        QCOMPARE(QDir(m_szFolder).entryList(QDir::Files), before);
    }

    void readingStartedEarly_data() {
        QTest::addColumn<QString>("szCase");
        QTest::newRow("taken over") << QStringLiteral("taken over");
        QTest::newRow("lock of another computer, opened anyway") << QStringLiteral("asked");
        QTest::newRow("another data folder") << QStringLiteral("other folder");
        QTest::newRow("another copy running") << QStringLiteral("running");
    }

    // The diary read before the application is made, at its usual place: the run takes that
    // reading over when it locks that file at once. A change written to the file in between
    // (which only another program could write) is not lost: the first save finds the file
    // changed and merges it. Where the user was asked first, or the run uses another file, the
    // run reads its file itself.
    void readingStartedEarly() {
        QFETCH(QString, szCase);
        const QByteArray previousData = qgetenv("XDG_DATA_HOME");
        const auto restore = qScopeGuard([&] {
            qputenv("XDG_DATA_HOME", previousData);
            // Never left for a later run.
            WaitForEarlyReading();
        });
        qputenv("XDG_DATA_HOME", QFile::encodeName(m_szFolder));
        QVERIFY(WriteAll(m_szFile, kSecondRunFile));
        StartReadingEarly();
        WaitForEarlyReading();
        // Written after the early reading: 20261201 now holds 140 instead of 130.
        QByteArray changed = kSecondRunFile;
        changed.replace("<S>130</S>", "<S>140</S>");
        QVERIFY(changed != kSecondRunFile);
        QVERIFY(WriteAll(m_szFile, changed));

        StartupOptions options = Options();
        QString szShown;
        options.onMainShown = [&](frmMain& window) {
            m_events << QStringLiteral("main");
            szShown = DayValue(QStringLiteral("20261201"), QStringLiteral("S"));
            QTest::mouseClick(window.btClose, Qt::LeftButton);
        };
        options.szDataFolder.clear();
        std::unique_ptr<LockHolder> running;
        if (szCase == QStringLiteral("asked")) {
            QVERIFY(WriteAll(m_szFile + QStringLiteral(".lock"), kOtherComputersLock));
            m_answer = [](const MessageBoxCall&) { return QMessageBox::Open; };
        } else if (szCase == QStringLiteral("other folder")) {
            options.szDataFolder = m_dir->filePath(QStringLiteral("other"));
            QVERIFY(QDir().mkpath(options.szDataFolder));
            QByteArray other = kSecondRunFile;
            other.replace("<S>130</S>", "<S>150</S>");
            QVERIFY(WriteAll(options.szDataFolder + QStringLiteral("/crtlg.dat"), other));
        } else if (szCase == QStringLiteral("running")) {
            running = std::make_unique<LockHolder>();
            QVERIFY(running->Start(m_szFile));
        }

        const StartupResult result = Main(options);
        if (szCase == QStringLiteral("running")) {
            QCOMPARE(result, kStartupAlreadyRunning);
            QCOMPARE(ReadAll(m_szFile), changed);
            return;
        }
        QCOMPARE(result, kStartupSaved);
        if (szCase == QStringLiteral("taken over")) {
            QCOMPARE(szShown, QStringLiteral("130"));
            // The change made in between is merged in at the save.
            QVERIFY(ReadAll(m_szFile).contains("<S>140</S>"));
            QVERIFY(!ReadAll(m_szFile).contains("<S>130</S>"));
        } else if (szCase == QStringLiteral("asked")) {
            QCOMPARE(szShown, QStringLiteral("140"));
        } else {
            QCOMPARE(szShown, QStringLiteral("150"));
            QCOMPARE(ReadAll(m_szFile), changed);
        }
    }

    // A lock written on another computer: the user is asked, Quit being the safe answer, and
    // told which computer, since when and which file.
    void lockFromAnotherComputer_data() {
        QTest::addColumn<int>("answer");
        QTest::newRow("Quit") << int(QMessageBox::Close);
        QTest::newRow("Open anyway") << int(QMessageBox::Open);
    }

    void lockFromAnotherComputer() {
        QFETCH(int, answer);
        QVERIFY(WriteAll(m_szFile, kSecondRunFile));
        const QString szLock = m_szFile + QStringLiteral(".lock");
        QVERIFY(WriteAll(szLock, kOtherComputersLock));
        m_answer = [answer](const MessageBoxCall&) { return QMessageBox::StandardButton(answer); };
        const bool bOpen = answer == QMessageBox::Open;

        QCOMPARE(Main(OptionsEntering120()), bOpen ? kStartupSaved : kStartupAlreadyRunning);
        QCOMPARE(m_calls.size(), 1);
        const MessageBoxCall& ask = m_calls[0];
        QCOMPARE(ask.buttons, QMessageBox::Open | QMessageBox::Close);
        const QString szSince = QDateTime(QDate(2026, 12, 1), QTime(8, 30), Qt::UTC)
                                    .toLocalTime()
                                    .toString(QStringLiteral("yyyy-MM-dd HH:mm"));
        for (const QString& szTold :
             {QStringLiteral("\"far-away-pc\""), szSince, QStringLiteral("\"%1\"").arg(szLock),
              QStringLiteral("If Tensiolog is no longer running there, you can open the diary "
                             "here.")}) {
            QVERIFY2(ask.szText.contains(szTold), qPrintable(ask.szText));
        }
        if (bOpen) {
            QCOMPARE(m_events, (QStringList{QStringLiteral("box"), QStringLiteral("main")}));
            QVERIFY(ReadAll(m_szFile).contains("\t\t\t<S>120</S>\r\n"));
            QVERIFY(!QFile::exists(szLock));
        } else {
            QCOMPARE(m_events, QStringList{QStringLiteral("box")});
            QCOMPARE(ReadAll(m_szFile), kSecondRunFile);
            QCOMPARE(ReadAll(szLock), kOtherComputersLock);
        }
    }

    // Something that is not a lock file in its place is named at once, never waited on, and
    // the diary opens without a lock.
    void notALockFile_data() {
        QTest::addColumn<QString>("szKind");
        QTest::addColumn<QString>("szTold");
        QTest::newRow("a folder") << QStringLiteral("folder") << QStringLiteral("is a folder");
#ifndef Q_OS_WIN
        QTest::newRow("a named pipe")
            << QStringLiteral("pipe") << QStringLiteral("is a named pipe (FIFO)");
#endif
    }

    void notALockFile() {
        QFETCH(QString, szKind);
        QFETCH(QString, szTold);
        QVERIFY(WriteAll(m_szFile, kSecondRunFile));
        const QString szLock = m_szFile + QStringLiteral(".lock");
        if (szKind == QStringLiteral("folder")) {
            QVERIFY(QDir().mkpath(szLock));
        } else {
#ifndef Q_OS_WIN
            QCOMPARE(::mkfifo(QFile::encodeName(szLock).constData(), 0600), 0);
#endif
        }
        std::optional<PipeWatchdog> watchdog;
        if (szKind == QStringLiteral("pipe")) {
            watchdog.emplace(szLock);
        }
        QCOMPARE(Main(OptionsEntering120()), kStartupSaved);
        QVERIFY2(!watchdog || !watchdog->HadToRelease(),
                 "the start opened the lock and waited for a writer");
        QCOMPARE(m_events, (QStringList{QStringLiteral("box"), QStringLiteral("main")}));
        QCOMPARE(m_calls[0].icon, QMessageBox::Warning);
        QVERIFY2(m_calls[0].szText.contains(QStringLiteral("\"%1\" %2").arg(szLock, szTold)),
                 qPrintable(m_calls[0].szText));
        QVERIFY(m_calls[0].szText.contains(QStringLiteral("move it away or delete it")));
        QVERIFY(ReadAll(m_szFile).contains("\t\t\t<S>120</S>\r\n"));
        QVERIFY(QFileInfo(szLock).exists() && !QFileInfo(szLock).isFile());
    }

    // A lock file that no running tlg holds never keeps the user out.
    void leftoverLock_data() {
        QTest::addColumn<QByteArray>("lock");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("garbage") << QByteArray("\x01\xff not a lock\n");
        QTest::newRow("naming this very process")
            << QByteArray::number(QCoreApplication::applicationPid()) + '\n' +
                   QFileInfo(QCoreApplication::applicationFilePath()).fileName().toUtf8() + '\n' +
                   QSysInfo::machineHostName().toUtf8() + '\n' + QSysInfo::machineUniqueId() +
                   '\n' + QSysInfo::bootUniqueId() + '\n';
    }

    void leftoverLock() {
        QFETCH(QByteArray, lock);
        QVERIFY(WriteAll(m_szFile, kSecondRunFile));
        QVERIFY(WriteAll(m_szFile + QStringLiteral(".lock"), lock));
        QCOMPARE(Main(OptionsEntering120()), kStartupSaved);
        QCOMPARE(m_events, QStringList{QStringLiteral("main")});
        QVERIFY(m_calls.isEmpty());
        QVERIFY(ReadAll(m_szFile).contains("\t\t\t<S>120</S>\r\n"));
        QVERIFY(!QFile::exists(m_szFile + QStringLiteral(".lock")));
    }

    void failedSave_data() {
        QTest::addColumn<bool>("bRetry");
        QTest::newRow("retry succeeds") << true;
        QTest::newRow("user gives up") << false;
    }

    void failedSave() {
        QFETCH(bool, bRetry);
        QVERIFY(WriteAll(m_szFile, kSecondRunFile));
        const QString szAway = m_szFolder + QStringLiteral("-away");

        // While the window is open the data folder goes away and a file takes its name.
        StartupOptions options = OptionsEntering120();
        auto enter = options.onMainShown;
        options.onMainShown = [&](frmMain& window) {
            QVERIFY(QDir().rename(m_szFolder, szAway));
            QVERIFY(WriteAll(m_szFolder, "in the way"));
            enter(window);
        };
        int iAsked = 0;
        m_answer = [&](const MessageBoxCall& call) {
            if (!call.buttons.testFlag(QMessageBox::Retry)) {
                return QMessageBox::Ok;
            }
            ++iAsked;
            if (bRetry) {
                QFile::remove(m_szFolder);
                QDir().rename(szAway, m_szFolder);
                return QMessageBox::Retry;
            }
            return QMessageBox::Cancel;
        };

        if (!bRetry) {
            // The folder with the lock is gone at the end.
            QTest::ignoreMessage(
                QtWarningMsg, QRegularExpression(QStringLiteral("Could not remove our own lock")));
        }
        const StartupResult result = Main(options);

        QCOMPARE(iAsked, 1);
        const MessageBoxCall& ask = m_calls[0];
        QCOMPARE(ask.icon, QMessageBox::Critical);
        QCOMPARE(ask.szTitle, QStringLiteral("Free Tensiolog has experienced a problem"));
        QVERIFY2(ask.szText.contains(m_szFile), qPrintable(ask.szText));
        QVERIFY(!ask.szText.contains(QStringLiteral("unknown reason")));
        if (bRetry) {
            QCOMPARE(result, kStartupSaved);
            QCOMPARE(m_calls.size(), 1);
            QVERIFY(ReadAll(m_szFile).contains("\t\t\t<S>120</S>\r\n"));
        } else {
            QCOMPARE(result, kStartupNotSaved);
            // The user is told that nothing was saved, and where the old readings still are.
            QCOMPARE(m_calls.size(), 2);
            QCOMPARE(m_calls[1].icon, QMessageBox::Warning);
            QVERIFY(m_calls[1].szText.contains(m_szFile));
            // The folder is gone: no file there holds anything.
            QVERIFY2(m_calls[1].szText.contains(QStringLiteral("There is no file")),
                     qPrintable(m_calls[1].szText));
            QVERIFY(!m_calls[1].szText.contains(QStringLiteral("still holds")));
            QCOMPARE(ReadAll(szAway + QStringLiteral("/crtlg.dat")), kSecondRunFile);
        }
    }

#ifndef Q_OS_WIN
    // The readings of a session ended by a signal on a full disk could not be saved, and the
    // note beside the data file could not be written either: it is kept in the cache folder
    // (or, when that cannot be written, the runtime folder) and shown at the next start.
    void noteKeptWhereItCanBeWritten_data() {
        QTest::addColumn<bool>("bCacheWritable");
        QTest::newRow("in the cache folder") << true;
        QTest::newRow("in the runtime folder") << false;
    }

    void noteKeptWhereItCanBeWritten() {
        QFETCH(bool, bCacheWritable);
        const QString szMount = m_dir->filePath(QStringLiteral("small"));
        const SmallFileSystem disk(szMount);
        if (!disk.IsMounted()) {
            QSKIP("needs to mount a small file system of its own (root)");
        }
        const QByteArray previousCache = qgetenv("XDG_CACHE_HOME");
        const QByteArray previousRuntime = qgetenv("XDG_RUNTIME_DIR");
        const auto restore = qScopeGuard([&] {
            qputenv("XDG_CACHE_HOME", previousCache);
            qputenv("XDG_RUNTIME_DIR", previousRuntime);
        });
        QString szCache = m_dir->filePath(QStringLiteral("cache"));
        if (!bCacheWritable) {
            QVERIFY(WriteAll(m_dir->filePath(QStringLiteral("in-the-way")), "a file"));
            szCache = m_dir->filePath(QStringLiteral("in-the-way/cache"));
        }
        const QString szRuntime = m_dir->filePath(QStringLiteral("runtime"));
        QVERIFY(QDir().mkpath(szRuntime));
        QVERIFY(QFile::setPermissions(szRuntime,
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        qputenv("XDG_CACHE_HOME", QFile::encodeName(szCache));
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(szRuntime));
        const QString szKeptIn = (bCacheWritable ? szCache : szRuntime) + QStringLiteral("/tlg");

        m_szFolder = szMount;
        m_szFile = QDir::toNativeSeparators(szMount + QStringLiteral("/crtlg.dat"));
        QVERIFY(WriteAll(m_szFile, kSecondRunFile));
        StartupOptions options = Options();
        options.onMainShown = [&](frmMain&) {
            disk.Fill();
            EnterSystolic(QStringLiteral("20261207"), QStringLiteral("140"));
            std::raise(SIGTERM);
        };
        QCOMPARE(Main(options), kStartupNotSaved);
        QVERIFY(m_calls.isEmpty());
        QVERIFY(!QFileInfo::exists(m_szFile + QStringLiteral(".note")));
        const QStringList kept = QDir(szKeptIn).entryList(QDir::Files);
        QCOMPARE(kept.size(), 1);

        // The next start, with room again: the note comes first, and only once.
        disk.Empty();
        m_events.clear();
        QCOMPARE(Main(Options()), kStartupSaved);
        QCOMPARE(m_events, (QStringList{QStringLiteral("box"), QStringLiteral("main")}));
        QVERIFY2(m_calls[0].szText.contains(QStringLiteral("could not be saved to \"%1\" (No "
                                                           "space left on device)")
                                                .arg(m_szFile)),
                 qPrintable(m_calls[0].szText));
        QCOMPARE(QDir(szKeptIn).entryList(QDir::Files), QStringList());

        m_events.clear();
        m_calls.clear();
        QCOMPARE(Main(Options()), kStartupSaved);
        QCOMPARE(m_events, QStringList{QStringLiteral("main")});
    }

    void terminationSignals_data() {
        QTest::addColumn<int>("iSignal");
        QTest::newRow("SIGTERM") << SIGTERM;
        QTest::newRow("SIGINT") << SIGINT;
        QTest::newRow("SIGHUP") << SIGHUP;
    }

    void terminationSignals() {
        QFETCH(int, iSignal);
        QVERIFY(WriteAll(m_szFile, kSecondRunFile));
        StartupOptions options = Options();
        options.onMainShown = [&](frmMain&) {
            EnterSystolic(QStringLiteral("20261207"), QStringLiteral("125"));
            std::raise(iSignal);
        };
        QCOMPARE(Main(options), kStartupSaved);
        QVERIFY(m_calls.isEmpty());
        const QByteArray bytes = ReadAll(m_szFile);
        QVERIFY(bytes.contains("<S>130</S>"));
        QVERIFY(bytes.contains("<S>125</S>"));
    }

    void terminationDuringWelcome() {
        StartupOptions options = Options(false);
        options.onWelcomeShown = [&](frmWelcome&) {
            m_events << QStringLiteral("welcome");
            std::raise(SIGTERM);
        };
        QCOMPARE(Main(options), kStartupSaved);
        QCOMPARE(m_events, QStringList{QStringLiteral("welcome")});
        QCOMPARE(ReadAll(m_szFile), QByteArray("<CORVALEN TENSIOLOG>\r\n\t<READINGS></READINGS>\r\n"
                                               "</CORVALEN TENSIOLOG>\r\n"));
    }
#endif

    void errorInEventHandlerIsShown() {
        class Thrower : public QObject {
        public:
            bool event(QEvent* event) override {
                if (event->type() == QEvent::User) {
                    throw std::overflow_error("the readings list is full");
                }
                return QObject::event(event);
            }
        };
        Thrower thrower;
        QEvent event(QEvent::User);
        QCOMPARE(QCoreApplication::sendEvent(&thrower, &event), false);
        QCOMPARE(m_calls.size(), 1);
        QCOMPARE(m_calls[0].icon, QMessageBox::Critical);
        QCOMPARE(m_calls[0].szText,
                 QStringLiteral("Free Tensiolog has experienced an error : the readings list is "
                                "full"));
        // The program goes on.
        QEvent next(QEvent::None);
        QCOMPARE(QCoreApplication::sendEvent(&thrower, &next), false);
        QCOMPARE(m_calls.size(), 1);
    }
};

int main(int argc, char** argv) {
    if (const std::optional<int> iHeld = HoldLockIfAsked()) {
        return *iHeld;
    }
    // Settings and data of the runs stay in a folder of their own.
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toLocal8Bit());
    qputenv("XDG_DATA_HOME", home.filePath(QStringLiteral("data")).toLocal8Bit());
    qputenv("XDG_CACHE_HOME", home.filePath(QStringLiteral("cache")).toLocal8Bit());
    const QString szRuntime = home.filePath(QStringLiteral("runtime"));
    QDir().mkpath(szRuntime);
    QFile::setPermissions(szRuntime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", szRuntime.toLocal8Bit());
    TlgApplication app(argc, argv);
    // a settings file there, also where the platform's own store is the registry
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope,
                       home.filePath(QStringLiteral("config")));
    TestAppStartup test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_program_startup.moc"
