// The command line as a user meets it: the built tlg run from a clean home folder, without a
// display, exporting and importing readings as CSV, refusing what it must, with its exit status
// and messages.

#include "diary/SafeFile.h"
#include "program/CommandLine.h"
#include "tests/support/ScopedHook.h"
#include "tests/support/UnusualFiles.h"

#include <QBuffer>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#ifndef Q_OS_WIN
#include <sys/stat.h>
#endif

#include <vector>

using namespace Qt::StringLiterals;

namespace {

QByteArray ReadAll(const QString& szPath) {
    QFile file(szPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

bool WriteAll(const QString& szPath, const QByteArray& bytes) {
    QFile file(szPath);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The data file of one day: 1 March 2026, 120/80/70, "Walked".
const QByteArray kOneDayFile = "<CORVALEN TENSIOLOG>\r\n"
                               "\t<READINGS>\r\n"
                               "\t\t<20260301>\r\n"
                               "\t\t\t<S>120</S>\r\n"
                               "\t\t\t<D>80</D>\r\n"
                               "\t\t\t<P>70</P>\r\n"
                               "\t\t\t<C>Walked</C>\r\n"
                               "\t\t</20260301>\r\n"
                               "\t</READINGS>\r\n"
                               "</CORVALEN TENSIOLOG>\r\n";

// A user's home folder of its own, and tlg run in it as from a terminal without a display.
class Home {
public:
    Home() {
        QDir(dir.path()).mkpath(u"home/.local/share"_s);
        QDir(dir.path()).mkpath(u"home/.config"_s);
        QDir(dir.path()).mkpath(u"runtime"_s);
        QFile::setPermissions(dir.filePath(u"runtime"_s),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        env.insert(u"HOME"_s, dir.filePath(u"home"_s));
        env.insert(u"XDG_DATA_HOME"_s, DataFolder());
        env.insert(u"XDG_CONFIG_HOME"_s, dir.filePath(u"home/.config"_s));
        env.insert(u"XDG_RUNTIME_DIR"_s, dir.filePath(u"runtime"_s));
        env.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
        env.insert(u"DBUS_SESSION_BUS_ADDRESS"_s, u"disabled:"_s);
        env.insert(u"LC_ALL"_s, u"C.UTF-8"_s);
        env.remove(u"DISPLAY"_s);
        env.remove(u"WAYLAND_DISPLAY"_s);
    }

    QString DataFolder() const { return dir.filePath(u"home/.local/share"_s); }
    QString DataFile() const { return DataFolder() + u"/crtlg.dat"_s; }
    QString File(const QString& szName) const { return dir.filePath(szName); }

    struct Result {
        int iStatus = -1;
        QByteArray out;
        QByteArray err;
    };

    Result Run(const QStringList& arguments, const QByteArray& input = {},
               const QString& szOutputFile = {}) {
        QProcess process;
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(dir.path());
        if (!szOutputFile.isEmpty()) {
            process.setStandardOutputFile(szOutputFile);
        }
        process.start(QStringLiteral(TLG_EXE), arguments);
        Result result;
        if (!process.waitForStarted(10000)) {
            return result;
        }
        process.write(input);
        process.closeWriteChannel();
        if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit) {
            process.kill();
            process.waitForFinished();
            return result;
        }
        result.iStatus = process.exitCode();
        result.out = process.readAllStandardOutput();
        result.err = process.readAllStandardError();
        return result;
    }

    QTemporaryDir dir;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
};

// Every permission bit of a file.
const QFileDevice::Permissions kEveryone = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                           QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                                           QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;

// A data file of iDays days from dtFirst, each with two readings in the morning and two in the
// evening.
QByteArray FourReadingsADay(const QDate& dtFirst, int iDays) {
    QByteArray file = "<CORVALEN TENSIOLOG>\r\n\t<READINGS>\r\n";
    for (int i = 0; i < iDays; ++i) {
        const QByteArray key = dtFirst.addDays(i).toString(u"yyyyMMdd"_s).toLatin1();
        const QByteArray sys = QByteArray::number(120 + i % 30);
        file += "\t\t<" + key + ">\r\n\t\t\t<S>" + sys +
                "</S>\r\n\t\t\t<D>80</D>\r\n\t\t\t<P>70</P>\r\n\t\t\t<C>Up</C>\r\n"
                "\t\t\t<T>07:00</T>\r\n";
        int iReading = 2;
        for (const char* szTime : {"07:02", "19:00", "19:02"}) {
            const QByteArray tag = "R" + QByteArray::number(iReading++);
            file +=
                "\t\t\t<" + tag + ">\r\n\t\t\t\t<T>" + szTime + "</T>\r\n\t\t\t\t<S>" + sys +
                "</S>\r\n\t\t\t\t<D>82</D>\r\n\t\t\t\t<P>71</P>\r\n\t\t\t\t<C></C>\r\n\t\t\t</" +
                tag + ">\r\n";
        }
        file += "\t\t</" + key + ">\r\n";
    }
    return file + "\t</READINGS>\r\n</CORVALEN TENSIOLOG>\r\n";
}

// A tool's standard output (empty when it fails).
QString RunTool(const QString& szName, const QStringList& arguments) {
    QProcess process;
    process.start(szName, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0) {
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

class TestAppCommandLine : public QObject {
    Q_OBJECT
private slots:
    // Which arguments ask for the command line and which open the window as before.
    void commandLineOrWindow_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("commandLine");
        QTest::newRow("nothing") << QStringList() << false;
        QTest::newRow("export") << QStringList{u"--export-csv"_s, u"-"_s} << true;
        QTest::newRow("report") << QStringList{u"--export-pdf"_s, u"r.pdf"_s} << true;
        QTest::newRow("import with =") << QStringList{u"--import-csv=x.csv"_s} << true;
        QTest::newRow("help") << QStringList{u"--help"_s} << true;
        QTest::newRow("-h") << QStringList{u"-h"_s} << true;
        QTest::newRow("-v") << QStringList{u"-v"_s} << true;
        QTest::newRow("version") << QStringList{u"--version"_s} << true;
        QTest::newRow("a misspelt option") << QStringList{u"--exprot-csv"_s, u"x"_s} << true;
        QTest::newRow("a window option") << QStringList{u"-platform"_s, u"xcb"_s} << false;
        QTest::newRow("a window option, two dashes")
            << QStringList{u"--style"_s, u"Fusion"_s} << false;
        QTest::newRow("after --") << QStringList{u"--"_s, u"--help"_s} << false;
        QTest::newRow("a file to open") << QStringList{u"readings.csv"_s} << false;
        QTest::newRow("a file with an import option")
            << QStringList{u"readings.csv"_s, u"--dry-run"_s} << true;
    }
    void commandLineOrWindow() {
        QFETCH(QStringList, arguments);
        QFETCH(bool, commandLine);
        std::vector<QByteArray> bytes = {QByteArray("tlg")};
        for (const QString& szArgument : arguments) {
            bytes.push_back(szArgument.toLocal8Bit());
        }
        std::vector<char*> argv;
        for (QByteArray& argument : bytes) {
            argv.push_back(argument.data());
        }
        QCOMPARE(IsCommandLineRun(int(argv.size()), argv.data()), commandLine);
    }

    // What a window run is asked to open: the arguments that are not options, as absolute paths.
    void windowRunFiles_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("files");
        const QString szHere = QDir::currentPath() + u'/';
        QTest::newRow("none") << QStringList() << QStringList();
        QTest::newRow("a relative name")
            << QStringList{u"readings.csv"_s} << QStringList{szHere + u"readings.csv"_s};
        QTest::newRow("an absolute path")
            << QStringList{u"/tmp/a b.csv"_s} << QStringList{u"/tmp/a b.csv"_s};
        QTest::newRow("a file: address from a file manager")
            << QStringList{u"file:///tmp/a%20b.csv"_s} << QStringList{u"/tmp/a b.csv"_s};
        QTest::newRow("options are not files")
            << QStringList{u"-reverse"_s, u"/tmp/x.csv"_s} << QStringList{u"/tmp/x.csv"_s};
        QTest::newRow("after -- a dash starts a file")
            << QStringList{u"--"_s, u"-x.csv"_s} << QStringList{szHere + u"-x.csv"_s};
        QTest::newRow("two files") << QStringList{u"/tmp/a.csv"_s, u"/tmp/b.csv"_s}
                                   << QStringList{u"/tmp/a.csv"_s, u"/tmp/b.csv"_s};
    }
    void windowRunFiles() {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, files);
        QCOMPARE(WindowRunFiles(QStringList{u"tlg"_s} + arguments), files);
    }

    // Help names every option; the version is the program's.
    void helpAndVersion() {
        Home home;
        const Home::Result help = home.Run({u"--help"_s});
        QCOMPARE(help.iStatus, 0);
        for (const char* szOption :
             {"[file.csv]", "--export-csv <file>", "--export-pdf <file>", "--import-csv <file>",
              "--delimiter", "--from", "--to", "--date-order", "--replace", "--dry-run",
              "--ignore-other-computer-lock", "--version", "--help", "Exit status"}) {
            QVERIFY2(help.out.contains(szOption), szOption);
        }
        const Home::Result version = home.Run({u"--version"_s});
        QCOMPARE(version.iStatus, 0);
        QCOMPARE(version.out, QByteArray("tlg " TLG_VERSION "\n"));
        QVERIFY(!QFile::exists(home.DataFile()));
    }

    // Import into a clean home, then export to standard output and to files, without any
    // windowing at all (a platform that does not exist would stop a window at once).
    void importThenExport() {
        Home home;
        home.env.insert(u"QT_QPA_PLATFORM"_s, u"no-such-platform"_s);
        QVERIFY(WriteAll(home.File(u"in.csv"_s),
                         "Date;Time;SYS;DIA;Pulse;Weight;Notes\r\n"
                         "01.03.2026;08:00;120;80;70;81;Walked\r\n"
                         "02.03.2026;07:00;130;85;;81;\"Dizzy; \"\"odd\"\"\nthen <fine>\"\r\n"
                         "02.03.2026;19:00;131;84;72;81;\r\n"));
        const Home::Result import = home.Run({u"--import-csv"_s, u"in.csv"_s});
        QCOMPARE(import.err, QByteArray());
        QCOMPARE(import.iStatus, 0);
        QCOMPARE(import.out,
                 QByteArray("in.csv: 3 readings on 2 days (UTF-8, fields separated by "
                            "semicolons).\n1 day has more than one reading; each is kept with "
                            "its time.\n"
                            "Columns left out: Weight.\nAdded 2 days, filled in 0 days, replaced "
                            "values of 0 days; 0 days unchanged.\nSaved to ") +
                     home.DataFile().toUtf8() + ".\n");
        QCOMPARE(ReadAll(home.DataFile()),
                 QByteArray("<CORVALEN TENSIOLOG>\r\n\t<READINGS>\r\n\t\t<20260301>\r\n"
                            "\t\t\t<S>120</S>\r\n\t\t\t<D>80</D>\r\n\t\t\t<P>70</P>\r\n"
                            "\t\t\t<C>Walked</C>\r\n\t\t</20260301>\r\n\t\t<20260302>\r\n"
                            "\t\t\t<S>130</S>\r\n\t\t\t<D>85</D>\r\n\t\t\t<P></P>\r\n"
                            "\t\t\t<C>Dizzy; \"odd\"\xF8then &#60;fine></C>\r\n"
                            "\t\t\t<T>07:00</T>\r\n\t\t\t<R2>\r\n\t\t\t\t<T>19:00</T>\r\n"
                            "\t\t\t\t<S>131</S>\r\n\t\t\t\t<D>84</D>\r\n\t\t\t\t<P>72</P>\r\n"
                            "\t\t\t\t<C></C>\r\n\t\t\t</R2>\r\n"
                            "\t\t</20260302>\r\n\t</READINGS>\r\n</CORVALEN TENSIOLOG>\r\n"));

        const QByteArray csv = "date,time,systolic,diastolic,pulse,comment\r\n"
                               "2026-03-01,,120,80,70,Walked\r\n"
                               "2026-03-02,07:00,130,85,,\"Dizzy; \"\"odd\"\"\nthen <fine>\"\r\n"
                               "2026-03-02,19:00,131,84,72,\r\n";
        const Home::Result out = home.Run({u"--export-csv"_s, u"-"_s});
        QCOMPARE(out.iStatus, 0);
        QCOMPARE(out.out, csv);
        QCOMPARE(out.err, QByteArray("tlg: 2 days written to standard output.\n"));

        const Home::Result file = home.Run({u"--export-csv"_s, u"out.csv"_s, u"--delimiter"_s,
                                            u";"_s, u"--from"_s, u"2026-03-02"_s});
        QCOMPARE(file.iStatus, 0);
        QCOMPARE(file.out, "1 day written to " + home.File(u"out.csv"_s).toUtf8() + ".\n");
        QCOMPARE(ReadAll(home.File(u"out.csv"_s)),
                 QByteArray("date;time;systolic;diastolic;pulse;comment\r\n"
                            "2026-03-02;07:00;130;85;;\"Dizzy; \"\"odd\"\"\nthen <fine>\"\r\n"
                            "2026-03-02;19:00;131;84;72;\r\n"));

        // Our own export read into another clean home gives the same data file.
        Home other;
        const Home::Result again = other.Run({u"--import-csv"_s, u"-"_s}, csv);
        QCOMPARE(again.iStatus, 0);
        QCOMPARE(ReadAll(other.DataFile()), ReadAll(home.DataFile()));
        // Importing it once more changes nothing and does not write.
        const QDateTime written = QFileInfo(other.DataFile()).lastModified();
        QTest::qWait(20);
        const Home::Result same = other.Run({u"--import-csv"_s, u"-"_s, u"--replace"_s}, csv);
        QCOMPARE(same.iStatus, 0);
        QVERIFY2(same.out.endsWith("2 days would stay unchanged.\nNothing to change.\n"),
                 same.out.constData());
        QCOMPARE(QFileInfo(other.DataFile()).lastModified(), written);
    }

    // A dry run tells and changes nothing; --replace takes the file's values; without it, only
    // empty values are filled in.
    void dryRunAndReplace() {
        Home home;
        QVERIFY(WriteAll(home.DataFile(), kOneDayFile));
        const QByteArray csv = "date,sys,dia,pulse\n2026-03-01,125,,71\n2026-03-03,118,77,65\n";
        const Home::Result dry = home.Run({u"--import-csv"_s, u"-"_s, u"--dry-run"_s}, csv);
        QCOMPARE(dry.iStatus, 0);
        QCOMPARE(dry.out, QByteArray("standard input: 2 readings on 2 days (UTF-8, fields "
                                     "separated by commas).\nWould add 1 day, fill in 0 days, "
                                     "replace values of 0 days; 1 day would stay unchanged.\n"
                                     "1 day would keep stored values where the file has others.\n"
                                     "Dry run: nothing was changed.\n"));
        QCOMPARE(ReadAll(home.DataFile()), kOneDayFile);

        const Home::Result replace = home.Run({u"--import-csv"_s, u"-"_s, u"--replace"_s}, csv);
        QCOMPARE(replace.iStatus, 0);
        QVERIFY(replace.out.contains("Added 1 day, filled in 0 days, replaced values of 1 day; "
                                     "0 days unchanged."));
        QCOMPARE(home.Run({u"--export-csv"_s, u"-"_s}).out,
                 QByteArray("date,time,systolic,diastolic,pulse,comment\r\n"
                            "2026-03-01,,125,80,71,Walked\r\n2026-03-03,,118,77,65,\r\n"));
    }

    // Every refusal: the exit status, the reason on standard error, and the data file as it
    // was.
    void refusals_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");

        QTest::newRow("a line that cannot be read")
            << QStringList{u"--import-csv"_s, u"-"_s}
            << QByteArray("date,sys\n2026-03-02,130\n2026-03-03,-4\n") << 1
            << u"tlg: standard input, line 3: the systolic pressure \"-4\" is negative. Nothing "
               "was imported.\n"_s;
        QTest::newRow("ambiguous dates")
            << QStringList{u"--import-csv"_s, u"-"_s} << QByteArray("date,sys\n03/04/2026,130\n")
            << 1
            << u"tlg: standard input, line 2: \"03/04/2026\" can be read as 3 April 2026 (day "
               "first) or as 4 March 2026 (month first), and no date in the file tells which. "
               "Nothing was imported. Say which with --date-order dmy (day first) or "
               "--date-order mdy (month first).\n"_s;
        // What a file holds reaches the terminal as text to read, never as commands.
        QTest::newRow("a new title and a cleared screen")
            << QStringList{u"--import-csv"_s, u"-"_s}
            << QByteArray("\x1B]0;owned\x07\x1B[2J\n2026-03-02,130\n") << 1
            << u"tlg: standard input: no header row names the columns: the first line should "
               "read like \"date,systolic,diastolic,pulse,comment\", and it reads "
               "\"\\x1B]0;owned\\x07\\x1B[2J\". Nothing was imported.\n"_s;
        QTest::newRow("terminal commands in a file's name")
            << QStringList{u"--import-csv"_s, u"\x1B[2J.csv"_s} << QByteArray() << 1
            << u"tlg: \\x1B[2J.csv could not be opened (No such file or directory); nothing was "
               "imported.\n"_s;
        QTest::newRow("a file that is not there")
            << QStringList{u"--import-csv"_s, u"none.csv"_s} << QByteArray() << 1
            << u"tlg: none.csv could not be opened (No such file or directory); nothing was "
               "imported.\n"_s;
        QTest::newRow("unknown option")
            << QStringList{u"--export-csv"_s, u"-"_s, u"--semicolons"_s} << QByteArray() << 1
            << u"tlg: Unknown option 'semicolons'.\nSee tlg --help.\n"_s;
        QTest::newRow("nothing to do")
            << QStringList{u"--replace"_s} << QByteArray() << 1
            << u"tlg: nothing to do: give --export-csv, --export-pdf or --import-csv. See tlg "
               "--help.\n"_s;
        QTest::newRow("both") << QStringList{u"--export-csv=-"_s, u"--import-csv=-"_s}
                              << QByteArray() << 1
                              << u"tlg: give one of --export-csv, --export-pdf and --import-csv, "
                                 "not more.\n"_s;
        QTest::newRow("a report and a CSV export")
            << QStringList{u"--export-pdf=r.pdf"_s, u"--export-csv=-"_s} << QByteArray() << 1
            << u"tlg: give one of --export-csv, --export-pdf and --import-csv, not more.\n"_s;
        QTest::newRow("the report's days to an import")
            << QStringList{u"--import-csv=-"_s, u"--from=2026-03-01"_s} << QByteArray() << 1
            << u"tlg: --from belongs to --export-csv and --export-pdf.\n"_s;
        QTest::newRow("a separator to the report")
            << QStringList{u"--export-pdf=r.pdf"_s, u"--delimiter=;"_s} << QByteArray() << 1
            << u"tlg: --delimiter belongs to --export-csv.\n"_s;
        QTest::newRow("the report to standard output")
            << QStringList{u"--export-pdf=-"_s} << QByteArray() << 1
            << u"tlg: --export-pdf writes to a file; give its name.\n"_s;
        QTest::newRow("the report's first day after its last")
            << QStringList{u"--export-pdf=r.pdf"_s, u"--from=2026-03-02"_s, u"--to=2026-03-01"_s}
            << QByteArray() << 1 << u"tlg: --from must not come after --to\n"_s;
        QTest::newRow("the report's last day")
            << QStringList{u"--export-pdf=r.pdf"_s, u"--to=31.3.2026"_s} << QByteArray() << 1
            << u"tlg: --to takes a day such as 2026-12-08, not \"31.3.2026\"\n"_s;
        QTest::newRow("an option of the other command")
            << QStringList{u"--export-csv=-"_s, u"--dry-run"_s} << QByteArray() << 1
            << u"tlg: --dry-run belongs to --import-csv.\n"_s;
        QTest::newRow("separator")
            << QStringList{u"--export-csv=-"_s, u"--delimiter=|"_s} << QByteArray() << 1
            << u"tlg: --delimiter takes \",\", \";\" or \"tab\", not \"|\"\n"_s;
        QTest::newRow("date order")
            << QStringList{u"--import-csv=-"_s, u"--date-order=ymd"_s} << QByteArray() << 1
            << u"tlg: --date-order takes dmy (day first) or mdy (month first), not \"ymd\"\n"_s;
        QTest::newRow("first day")
            << QStringList{u"--export-csv=-"_s, u"--from=1.3.2026"_s} << QByteArray() << 1
            << u"tlg: --from takes a day such as 2026-12-08, not \"1.3.2026\"\n"_s;
        QTest::newRow("first day after the last")
            << QStringList{u"--export-csv=-"_s, u"--from=2026-03-02"_s, u"--to=2026-03-01"_s}
            << QByteArray() << 1 << u"tlg: --from must not come after --to\n"_s;
    }
    void refusals() {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, input);
        QFETCH(int, status);
        QFETCH(QString, message);
        Home home;
        QVERIFY(WriteAll(home.DataFile(), kOneDayFile));
        const Home::Result result = home.Run(arguments, input);
        QCOMPARE(QString::fromUtf8(result.err), message);
        QCOMPARE(result.iStatus, status);
        QCOMPARE(result.out, QByteArray());
        QCOMPARE(ReadAll(home.DataFile()), kOneDayFile);
        QVERIFY(!QFile::exists(home.File(u"r.pdf"_s)));
    }

    // The command line speaks the language the environment asks for (German, French, Spanish;
    // English for any other), Qt's own words included; option names stay as they are, and
    // counts take the language's plural forms.
    void inTheUsersLanguage_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        // Standard error, whole.
        QTest::addColumn<QString>("err");
        // A whole line of standard output (none: not checked).
        QTest::addColumn<QString>("outLine");
        const QStringList badSeparator{u"--export-csv=-"_s, u"--delimiter=|"_s};
        QTest::newRow("German refusal")
            << u"de_DE"_s << badSeparator << 1
            << u"tlg: --delimiter nimmt \",\", \";\" oder \"tab\", nicht \"|\"\n"_s << QString();
        QTest::newRow("French refusal")
            << u"fr_FR"_s << QStringList{u"--replace"_s} << 1
            << u"tlg: rien à faire : donnez --export-csv, --export-pdf ou --import-csv. Voir tlg "
               "--help.\n"_s
            << QString();
        QTest::newRow("Spanish refusal")
            << u"es_MX"_s << QStringList{u"--import-csv=-"_s, u"--from=2026-03-01"_s} << 1
            << u"tlg: --from solo se usa con --export-csv y --export-pdf.\n"_s << QString();
        QTest::newRow("German, with Qt's own words")
            << u"de_AT"_s << QStringList{u"--export-csv"_s, u"-"_s, u"--semicolons"_s} << 1
            << u"tlg: Unbekannte Option 'semicolons'.\nSiehe tlg --help.\n"_s << QString();
        QTest::newRow("German, one day")
            << u"de_DE"_s << QStringList{u"--export-csv=-"_s, u"--to=2026-03-01"_s} << 0
            << u"tlg: 1 Tag auf die Standardausgabe geschrieben.\n"_s << QString();
        QTest::newRow("French, two days")
            << u"fr_CH"_s << QStringList{u"--export-csv=-"_s} << 0
            << u"tlg: 2 jours écrits sur la sortie standard.\n"_s << QString();
        QTest::newRow("German help")
            << u"de_DE"_s << QStringList{u"--help"_s} << 0 << QString()
            << u"  --dry-run                     Import: sagen, was sich ändern würde, und"_s;
        QTest::newRow("Spanish help")
            << u"es_ES"_s << QStringList{u"--help"_s} << 0 << QString()
            << u"  --export-csv <archivo>        Escribe todas las mediciones como CSV en"_s;
        QTest::newRow("French help, Qt's own words")
            << u"fr_FR"_s << QStringList{u"--help"_s} << 0 << QString() << u"Options :"_s;
        QTest::newRow("Italian: English")
            << u"it_IT"_s << badSeparator << 1
            << u"tlg: --delimiter takes \",\", \";\" or \"tab\", not \"|\"\n"_s << QString();
        QTest::newRow("British English")
            << u"en_GB"_s << QStringList{u"--export-csv=-"_s} << 0
            << u"tlg: 2 days written to standard output.\n"_s << QString();
        QTest::newRow("English help")
            << u"en_US"_s << QStringList{u"--help"_s} << 0 << QString()
            << u"  --dry-run                     Import: tell what would change, and change"_s;
    }
    void inTheUsersLanguage() {
        QFETCH(QString, language);
        QFETCH(QStringList, arguments);
        QFETCH(QString, outLine);
        Home home;
        // Two days: 1 and 2 March 2026.
        QVERIFY(WriteAll(home.DataFile(), FourReadingsADay(QDate(2026, 3, 1), 2)));
        home.env.remove(u"LC_ALL"_s);
        home.env.insert(u"LANG"_s, language + u".UTF-8"_s);
        home.env.insert(u"LANGUAGE"_s, language.section(u'_', 0, 0));
        const Home::Result result = home.Run(arguments);
        QTEST(QString::fromUtf8(result.err), "err");
        QTEST(result.iStatus, "status");
        if (!outLine.isEmpty()) {
            const QStringList lines = QString::fromUtf8(result.out).split(u'\n');
            QVERIFY2(lines.contains(outLine), qPrintable(QString::fromUtf8(result.out)));
        }
    }

    // A data file that cannot be read is left alone, and so is a full diary.
    void refusalsOfTheDiary() {
        Home home;
        // Damaged, and cut off at a line end (which loads, but leaves its tags open).
        for (const QByteArray& damaged : {QByteArray(kOneDayFile).replace("</S>", "</X>"),
                                          kOneDayFile.left(kOneDayFile.indexOf("\t\t\t<D>"))}) {
            QVERIFY(WriteAll(home.DataFile(), damaged));
            for (const QStringList& arguments :
                 {QStringList{u"--export-csv"_s, u"-"_s}, QStringList{u"--import-csv"_s, u"-"_s}}) {
                const Home::Result result = home.Run(arguments, "date,sys\n2026-03-02,130\n");
                QCOMPARE(result.iStatus, 1);
                QVERIFY2(result.err.startsWith("tlg: the readings file " +
                                               home.DataFile().toUtf8() + " could not be read ("),
                         result.err.constData());
                QVERIFY(result.err.endsWith("Start Tensiolog to see what can be saved of it; "
                                            "nothing was done.\n"));
                QCOMPARE(result.out, QByteArray());
                QCOMPARE(ReadAll(home.DataFile()), damaged);
            }
        }

        // 32,767 days: one more cannot be added.
        QByteArray full = "<CORVALEN TENSIOLOG>\r\n\t<READINGS>\r\n";
        const QDate first(1930, 1, 1);
        for (int i = 0; i < 32767; ++i) {
            const QByteArray key = first.addDays(i).toString(u"yyyyMMdd"_s).toLatin1();
            full += "\t\t<" + key +
                    ">\r\n\t\t\t<S>120</S>\r\n\t\t\t<D></D>\r\n\t\t\t<P></P>\r\n"
                    "\t\t\t<C></C>\r\n\t\t</" +
                    key + ">\r\n";
        }
        full += "\t</READINGS>\r\n</CORVALEN TENSIOLOG>\r\n";
        QVERIFY(WriteAll(home.DataFile(), full));
        const Home::Result result =
            home.Run({u"--import-csv"_s, u"-"_s}, "date,sys\n2026-03-02,130\n1930-01-01,125\n");
        QCOMPARE(result.iStatus, 1);
        QCOMPARE(result.err, QByteArray("tlg: the diary holds at most 32,767 days; it has "
                                        "32,767, and the file would add 1. Nothing was "
                                        "imported.\n"));
        QCOMPARE(ReadAll(home.DataFile()), full);
    }

    // While the program is open on the same readings, the command line touches nothing.
    void refusesWhileTheProgramIsOpen() {
        Home home;
        QVERIFY(WriteAll(home.DataFile(), kOneDayFile));
        QLockFile lock(home.DataFolder() + u"/crtlg.dat.lock"_s);
        QVERIFY(lock.tryLock(0));
        const QByteArray expected = "tlg: Tensiolog is open on these readings (" +
                                    home.DataFile().toUtf8() + "; lock file " +
                                    home.DataFile().toUtf8() +
                                    ".lock). Close its window, then try again.\n";
        for (const QStringList& arguments :
             {QStringList{u"--export-csv"_s, u"-"_s}, QStringList{u"--import-csv"_s, u"-"_s},
              QStringList{u"--export-pdf"_s, u"r.pdf"_s}}) {
            const Home::Result result = home.Run(arguments, "date,sys\n2026-03-02,130\n");
            QCOMPARE(result.iStatus, 2);
            QCOMPARE(result.err, expected);
            QCOMPARE(result.out, QByteArray());
        }
        QCOMPARE(ReadAll(home.DataFile()), kOneDayFile);
        QVERIFY(!QFile::exists(home.File(u"r.pdf"_s)));
        lock.unlock();
        QCOMPARE(home.Run({u"--import-csv"_s, u"-"_s}, "date,sys\n2026-03-02,130\n").iStatus, 0);
    }

    // A lock written on another computer refuses with the computer, the time and the lock
    // file, and names the option that opens the readings anyway.
    void lockFromAnotherComputer_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("export") << QStringList{u"--export-csv"_s, u"-"_s}
                                << QByteArray("date,time,systolic,diastolic,pulse,comment\r\n"
                                              "2026-03-01,,120,80,70,Walked\r\n");
        QTest::newRow("import") << QStringList{u"--import-csv"_s, u"-"_s}
                                << QByteArray("Added 1 day");
    }
    void lockFromAnotherComputer() {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, expected);
        Home home;
        QVERIFY(WriteAll(home.DataFile(), kOneDayFile));
        const QString szLock = home.DataFile() + u".lock"_s;
        const QByteArray lock = "4242\ntlg\nfar-away-pc\n0123456789abcdef0123456789abcdef\n"
                                "5c1e0d7a-9f4b-4d8e-a0e1-2b3c4d5e6f70\n2026-12-01T08:30:00Z\n";
        QVERIFY(WriteAll(szLock, lock));
        // The time as the user's clock shows it.
        home.env.insert(u"TZ"_s, u"UTC"_s);
        const QByteArray csv = "date,sys\n2026-03-02,130\n";
        const Home::Result refused = home.Run(arguments, csv);
        QCOMPARE(QString::fromUtf8(refused.err),
                 u"tlg: The readings are open in Tensiolog on the computer \"far-away-pc\" since "
                 "2026-12-01 08:30 (lock file \""_s +
                     szLock +
                     u"\"). If it is no longer running there, give "
                     "--ignore-other-computer-lock.\n"_s);
        QCOMPARE(refused.iStatus, 2);
        QCOMPARE(refused.out, QByteArray());
        QCOMPARE(ReadAll(home.DataFile()), kOneDayFile);
        QCOMPARE(ReadAll(szLock), lock);

        const Home::Result opened =
            home.Run(arguments + QStringList{u"--ignore-other-computer-lock"_s}, csv);
        QCOMPARE(opened.iStatus, 0);
        QVERIFY2(opened.out.contains(expected), opened.out.constData());
        QVERIFY(!QFile::exists(szLock));
    }

    // Something that is not a lock file in the lock's place never makes the command wait: it
    // is named, and the command goes on without a lock. (A regression fails by the run's time
    // limit.)
    void notALockFile_data() {
        QTest::addColumn<QString>("szKind");
        QTest::newRow("a folder") << u"folder"_s;
#ifndef Q_OS_WIN
        QTest::newRow("a named pipe") << u"pipe"_s;
#endif
    }
    void notALockFile() {
        QFETCH(QString, szKind);
        Home home;
        QVERIFY(WriteAll(home.DataFile(), kOneDayFile));
        const QString szLock = home.DataFile() + u".lock"_s;
        if (szKind == u"folder"_s) {
            QVERIFY(QDir().mkpath(szLock));
        } else {
#ifndef Q_OS_WIN
            QCOMPARE(::mkfifo(QFile::encodeName(szLock).constData(), 0600), 0);
#endif
        }
        const Home::Result result = home.Run({u"--export-csv"_s, u"-"_s});
        QCOMPARE(result.iStatus, 0);
        QVERIFY2(result.err.startsWith("tlg: warning: \"" + szLock.toUtf8() + "\" is a "),
                 result.err.constData());
        QVERIFY(result.err.contains("going on without a lock"));
        QVERIFY(result.out.endsWith("2026-03-01,,120,80,70,Walked\r\n"));
    }

    // An import saves as the window does: the file as read is kept as the backup, only when
    // something changes, and the lock it holds meanwhile is for its owner only.
    void importKeepsTheBackup() {
        Home home;
        QVERIFY(WriteAll(home.DataFile(), kOneDayFile));
        const QString szBackup = home.DataFile() + u".bak"_s;
        QCOMPARE(home.Run({u"--import-csv"_s, u"-"_s}, "date,sys\n2026-03-02,1x0\n").iStatus, 1);
        QVERIFY(!QFile::exists(szBackup));

        QProcess process;
        process.setProcessEnvironment(home.env);
        process.start(QStringLiteral(TLG_EXE), {u"--import-csv"_s, u"-"_s, u"--replace"_s});
        QVERIFY(process.waitForStarted(10000));
        const QString szLock = home.DataFile() + u".lock"_s;
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(szLock), 10000);
        QCOMPARE(QFile::permissions(szLock) & kEveryone, QFile::ReadOwner | QFile::WriteOwner);
        process.write("date,sys\n2026-03-01,180\n");
        process.closeWriteChannel();
        QVERIFY(process.waitForFinished(60000));
        QCOMPARE(process.exitCode(), 0);
        QCOMPARE(ReadAll(szBackup), kOneDayFile);
        QVERIFY(ReadAll(home.DataFile()).contains("<S>180</S>"));
        QVERIFY(!QFile::exists(szLock));
    }

    // A readings file that another program changes while an import runs is never written over:
    // the import goes beside it, and the command says so and fails.
    // The file is changed while an import runs: the change is merged in, never written over; a
    // value both changed differently keeps the import's, and theirs stays in a conflict copy.
    void importMergesAChangeMadeMeanwhile_data() {
        QTest::addColumn<QByteArray>("csv");
        QTest::addColumn<bool>("bConflict");
        QTest::addColumn<QByteArray>("diskHas");
        QTest::newRow("another day")
            << QByteArray("date,sys\n2026-03-02,130\n") << false << QByteArray("<S>125</S>");
        QTest::newRow("the same value")
            << QByteArray("date,sys\n2026-03-01,130\n") << true << QByteArray("<S>130</S>");
    }

    void importMergesAChangeMadeMeanwhile() {
        QFETCH(QByteArray, csv);
        QFETCH(bool, bConflict);
        QFETCH(QByteArray, diskHas);
        Home home;
        QVERIFY(WriteAll(home.DataFile(), kOneDayFile));
        QProcess process;
        process.setProcessEnvironment(home.env);
        process.start(QStringLiteral(TLG_EXE), {u"--import-csv"_s, u"-"_s, u"--replace"_s});
        QVERIFY(process.waitForStarted(10000));
        // The diary is read right after the lock is taken, and before the input.
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(home.DataFile() + u".lock"_s), 10000);
        QTest::qWait(500);
        const QByteArray theirs = QByteArray(kOneDayFile).replace("<S>120</S>", "<S>125</S>");
        QVERIFY(WriteAll(home.DataFile(), theirs));
        process.write(csv);
        process.closeWriteChannel();
        QVERIFY(process.waitForFinished(60000));
        QCOMPARE(process.exitCode(), 0);
        const QByteArray disk = ReadAll(home.DataFile());
        QVERIFY2(disk.contains(diskHas), disk.constData());
        QVERIFY(disk.contains("<C>Walked</C>"));
        QVERIFY(bConflict || disk.contains("<S>130</S>"));
        const QStringList copies =
            QDir(home.DataFolder()).entryList(QStringList{u"crtlg.dat.conflict-*"_s}, QDir::Files);
        QCOMPARE(copies.size(), bConflict ? 1 : 0);
        const QString szTold = QString::fromUtf8(bConflict ? process.readAllStandardError()
                                                           : process.readAllStandardOutput());
        QVERIFY2(szTold.contains(u"during the import"_s), qPrintable(szTold));
        if (bConflict) {
            QCOMPARE(ReadAll(home.DataFolder() + u'/' + copies[0]), theirs);
            QVERIFY2(szTold.contains(copies[0]), qPrintable(szTold));
        }
    }

    // An import whose file is in place has worked, even when the folder cannot be synced after
    // it: the command says so as a warning and succeeds, and the next import is no conflict.
    void importWhoseFolderCannotBeSynced() {
        Home home;
        QVERIFY(WriteAll(home.DataFile(), kOneDayFile));
        const QByteArray previous = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", home.DataFolder().toLocal8Bit());
        const auto restore = qScopeGuard([&previous] { qputenv("XDG_DATA_HOME", previous); });
        SwapTestHooks hooks;
        hooks.syncFolder = [](QString* pszReason) {
            *pszReason = u"Input/output error"_s;
            return false;
        };
        const ScopedHook<SwapTestHooks> scoped(SetSwapTestHooks, hooks);

        QByteArray loaded;
        for (const char* szDay : {"2026-03-02", "2026-03-03"}) {
            loaded = ReadAll(home.DataFile());
            QByteArray input = "date,sys\n" + QByteArray(szDay) + ",130\n";
            QBuffer in(&input);
            QBuffer out;
            QBuffer err;
            QVERIFY(in.open(QIODevice::ReadOnly) && out.open(QIODevice::WriteOnly) &&
                    err.open(QIODevice::WriteOnly));
            const int iStatus =
                RunCommandLine({u"tlg"_s, u"--import-csv"_s, u"-"_s}, {&out, &err, &in});
            QVERIFY2(iStatus == kCommandLineDone, err.data().constData());
            QVERIFY2(err.data().startsWith("tlg: warning: ") &&
                         err.data().contains("Input/output error"),
                     err.data().constData());
            QVERIFY2(out.data().contains("Saved to"), out.data().constData());
        }
        const QByteArray saved = ReadAll(home.DataFile());
        QVERIFY(saved.contains("<20260301>") && saved.contains("<20260302>") &&
                saved.contains("<20260303>"));
        // Each run keeps the file as it loaded it.
        QCOMPARE(ReadAll(home.DataFile() + u".bak"_s), loaded);
        QCOMPARE(
            QDir(home.DataFolder()).entryList(QStringList{u"crtlg.dat.conflict-*"_s}, QDir::Files),
            QStringList());
    }

    // A source without end is refused once it passes what any diary could hold.
    void endlessInputIsRefused() {
        if (!QFile::exists(u"/dev/zero"_s)) {
            QSKIP("this system has no /dev/zero");
        }
        Home home;
        QVERIFY(WriteAll(home.DataFile(), kOneDayFile));
        QProcess process;
        process.setProcessEnvironment(home.env);
        process.setStandardInputFile(u"/dev/zero"_s);
        process.start(QStringLiteral(TLG_EXE), {u"--import-csv"_s, u"-"_s});
        QVERIFY(process.waitForFinished(60000));
        QCOMPARE(process.exitCode(), 1);
        QCOMPARE(process.readAllStandardError(),
                 QByteArray("tlg: standard input could not be read (it is larger than 64 MB, far "
                            "more than any diary holds); nothing was imported.\n"));
        QCOMPARE(ReadAll(home.DataFile()), kOneDayFile);
    }

    // An input that is not an ordinary file is refused at once, before the diary is locked: a
    // named pipe nobody writes to, a folder, a device; so is a file over 64 MB.
    void inputsThatAreNotFiles_data() {
        tlgtest::AddRefusedInputRows();
    }
    void inputsThatAreNotFiles() {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        Home home;
        QVERIFY(WriteAll(home.DataFile(), kOneDayFile));
        QString szInput = home.File(u"in.csv"_s);
        if (const QString szWhyNot = tlgtest::MakeInput(kind, szInput); !szWhyNot.isEmpty()) {
            QSKIP(qPrintable(szWhyNot));
        }
        QProcess process;
        process.setProcessEnvironment(home.env);
        process.start(QStringLiteral(TLG_EXE), {u"--import-csv"_s, szInput});
        // Waits a while, not for ever: a program stuck on the pipe fails the test.
        if (!process.waitForFinished(10000)) {
            const bool bLocked = QFile::exists(home.DataFile() + u".lock"_s);
            process.kill();
            process.waitForFinished();
            QFAIL(bLocked ? "still waiting on the input after 10 s, holding the diary's lock"
                          : "still waiting on the input after 10 s");
        }
        QCOMPARE(process.exitCode(), 1);
        QCOMPARE(QString::fromUtf8(process.readAllStandardError()),
                 u"tlg: "_s + reason.arg(szInput) + u"; nothing was imported.\n"_s);
        QCOMPARE(ReadAll(home.DataFile()), kOneDayFile);
        QVERIFY(!QFile::exists(home.DataFile() + u".lock"_s));
    }

    // 100,000 column names the import does not know: the first ten are named, the rest counted.
    void manyUnknownColumnsAreCounted() {
        QByteArray columns = "date,sys";
        for (int i = 1; i <= 100000; ++i) {
            columns += ",c" + QByteArray::number(i);
        }
        Home home;
        QVERIFY(WriteAll(home.DataFile(), kOneDayFile));
        const Home::Result result =
            home.Run({u"--import-csv"_s, u"-"_s, u"--dry-run"_s}, columns + "\n2026-03-02,130\n");
        QCOMPARE(QString::fromUtf8(result.err), QString());
        QCOMPARE(QString::fromUtf8(result.out),
                 u"standard input: 1 reading on 1 day (UTF-8, fields separated by commas).\n"
                 "Columns left out: c1, c2, c3, c4, c5, c6, c7, c8, c9, c10 and 99990 more.\n"
                 "Would add 1 day, fill in 0 days, replace values of 0 days; 0 days would stay "
                 "unchanged.\nDry run: nothing was changed.\n"_s);
        QCOMPARE(result.iStatus, 0);
    }

    // An export that cannot be written says so and fails; one to a file never leaves a piece.
    void exportThatCannotBeWritten() {
        if (!QFile::exists(u"/dev/full"_s)) {
            QSKIP("this system has no /dev/full");
        }
        Home home;
        QVERIFY(WriteAll(home.DataFile(), kOneDayFile));
        const Home::Result full = home.Run({u"--export-csv"_s, u"-"_s}, {}, u"/dev/full"_s);
        QCOMPARE(full.iStatus, 1);
        QCOMPARE(full.err, QByteArray("tlg: the readings could not be written to standard output "
                                      "(No space left on device)\n"));
        const Home::Result missing = home.Run({u"--export-csv"_s, u"no/such/folder/x.csv"_s});
        QCOMPARE(missing.iStatus, 1);
        QVERIFY2(missing.err.startsWith("tlg: the readings could not be written to "
                                        "no/such/folder/x.csv ("),
                 missing.err.constData());
        QVERIFY(!QFile::exists(home.File(u"no/such/folder/x.csv"_s)));
        const Home::Result report = home.Run({u"--export-pdf"_s, u"no/such/folder/x.pdf"_s});
        QCOMPARE(report.iStatus, 1);
        QVERIFY2(report.err.startsWith("tlg: the report could not be written to "
                                       "no/such/folder/x.pdf ("),
                 report.err.constData());
        QVERIFY(!QFile::exists(home.File(u"no/such/folder/x.pdf"_s)));
    }

    // The report as PDF, as "Save as PDF..." writes it, from a run without any display: its
    // days, its summary on the first page, every page there.
    void exportPdf_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("period");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QStringList>("left");
        QTest::newRow("every day")
            << QStringList{} << u"1 Jan 2026 to 1 Mar 2026"_s
            << QStringList{u"01 Jan 2026"_s, u"01 Mar 2026"_s} << QStringList{};
        QTest::newRow("from and to")
            << QStringList{u"--from=2026-01-02"_s, u"--to"_s, u"2026-02-28"_s}
            << u"2 Jan 2026 to 28 Feb 2026"_s << QStringList{u"02 Jan 2026"_s, u"28 Feb 2026"_s}
            << QStringList{u"01 Jan 2026"_s, u"01 Mar 2026"_s};
        QTest::newRow("from alone: to the last day")
            << QStringList{u"--from=2026-02-27"_s} << u"27 Feb 2026 to 1 Mar 2026"_s
            << QStringList{u"27 Feb 2026"_s, u"01 Mar 2026"_s} << QStringList{u"26 Feb 2026"_s};
        QTest::newRow("to alone: from the first day")
            << QStringList{u"--to=2026-01-01"_s} << u"1 Jan 2026"_s << QStringList{u"01 Jan 2026"_s}
            << QStringList{u"02 Jan 2026"_s};
    }
    void exportPdf() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, period);
        QFETCH(QStringList, shown);
        QFETCH(QStringList, left);
        Home home;
        // The program itself draws without a display.
        home.env.remove(u"QT_QPA_PLATFORM"_s);
        const QByteArray diary = FourReadingsADay(QDate(2026, 1, 1), 60);
        QVERIFY(WriteAll(home.DataFile(), diary));
        const Home::Result result =
            home.Run(QStringList{u"--export-pdf"_s, u"report.pdf"_s} + arguments);
        QCOMPARE(result.err, QByteArray());
        QCOMPARE(result.iStatus, 0);
        QCOMPARE(QString::fromUtf8(result.out),
                 u"The report (%1) written to %2.\n"_s.arg(period, home.File(u"report.pdf"_s)));
        QVERIFY(ReadAll(home.File(u"report.pdf"_s)).startsWith("%PDF-"));
        const QString szInfo = RunTool(u"pdfinfo"_s, {home.File(u"report.pdf"_s)});
        QVERIFY2(szInfo.contains(u"Tensiolog report, "_s + period), qPrintable(szInfo));
        const int iPages =
            QRegularExpression(u"Pages:\\s+(\\d+)"_s).match(szInfo).captured(1).toInt();
        const QString szText = RunTool(u"pdftotext"_s, {home.File(u"report.pdf"_s), u"-"_s});
        // Each page ends in its footer, "page N of M".
        QCOMPARE(szText.count(u"page %1 of %1"_s.arg(iPages)), 1);
        QCOMPARE(szText.count(QRegularExpression(u"page \\d+ of "_s)), iPages);
        for (const QString& szDay : shown) {
            QVERIFY2(szText.contains(szDay), qPrintable(szDay));
        }
        for (const QString& szDay : left) {
            QVERIFY2(!szText.contains(szDay), qPrintable(szDay));
        }
        // The summary with its home-measurement week stands on the first page.
        const QString szFirst =
            RunTool(u"pdftotext"_s, {u"-l"_s, u"1"_s, home.File(u"report.pdf"_s), u"-"_s});
        QVERIFY2(szFirst.contains(u"Home measurement "_s), qPrintable(szFirst));
        // The readings are read and never written; the lock is let go.
        QCOMPARE(ReadAll(home.DataFile()), diary);
        QVERIFY(!QFile::exists(home.DataFile() + u".lock"_s));
    }
};

QTEST_GUILESS_MAIN(TestAppCommandLine)
#include "test_program_commandline.moc"
