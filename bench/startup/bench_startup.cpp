// Starts the real tlg (offscreen, or on the platform TLG_BENCH_PLATFORM names) with a data file of
// a given number of days in a home folder of its own, and times it from process start to the main
// window shown. The timed build of tlg reports when its main window is first painted and then ends
// as its close button does; the time from that report to the end of the process is the program's
// close (counter "close_ms"). Beside it, a plain Qt window of the same size with a calendar and
// boxes, timed the same way. Both report the most memory they held (counter "peak_rss_mb": the peak
// resident set of the run). And the memory of a run in which the user opens and closes the report
// four times.

#include <QByteArray>
#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cctype>
#include <memory>

namespace {

// A data file with one entry per day for the iDays days up to today.
QByteArray DataFile(int iDays) {
    QByteArray bytes = "<CORVALEN TENSIOLOG>\r\n";
    if (iDays == 0) {
        return bytes + "\t<READINGS></READINGS>\r\n</CORVALEN TENSIOLOG>\r\n";
    }
    bytes += "\t<READINGS>\r\n";
    const QDate dtToday = QDate::currentDate();
    for (int i = iDays - 1; i >= 0; --i) {
        const QByteArray key = dtToday.addDays(-i).toString(QStringLiteral("yyyyMMdd")).toLatin1();
        const QByteArray s = QByteArray::number(110 + i % 40);
        const QByteArray d = QByteArray::number(70 + i % 20);
        const QByteArray p = QByteArray::number(60 + i % 30);
        bytes += "\t\t<" + key + ">\r\n\t\t\t<S>" + s + "</S>\r\n\t\t\t<D>" + d +
                 "</D>\r\n\t\t\t<P>" + p + "</P>\r\n\t\t\t<C>walked</C>\r\n\t\t</" + key + ">\r\n";
    }
    return bytes + "\t</READINGS>\r\n</CORVALEN TENSIOLOG>\r\n";
}

// A home folder of its own for each run of the program, with its data file.
class ProgramHome {
public:
    explicit ProgramHome(int iDays)
        : m_szData(m_home.filePath(QStringLiteral("data"))), m_bytes(DataFile(iDays)) {
        const QString szRuntime = m_home.filePath(QStringLiteral("runtime"));
        QDir().mkpath(m_szData);
        QDir().mkpath(szRuntime);
        QFile::setPermissions(szRuntime, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                             QFileDevice::ExeOwner);
        m_environment = QProcessEnvironment::systemEnvironment();
        m_environment.insert(QStringLiteral("HOME"), m_home.path());
        m_environment.insert(QStringLiteral("XDG_DATA_HOME"), m_szData);
        m_environment.insert(QStringLiteral("XDG_CONFIG_HOME"),
                             m_home.filePath(QStringLiteral("config")));
        m_environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), szRuntime);
        // Offscreen, unless TLG_BENCH_PLATFORM names another platform: "xcb" times both
        // programs on the X server of DISPLAY (under xvfb-run, say), as a user's desktop shows
        // them.
        const QString szPlatform =
            m_environment.value(QStringLiteral("TLG_BENCH_PLATFORM"), QStringLiteral("offscreen"));
        m_environment.insert(QStringLiteral("QT_QPA_PLATFORM"), szPlatform);
    }
    // Puts the same file in place (a run writes it back at its end); false when it cannot.
    bool WriteDataFile() const {
        QFile file(m_szData + QStringLiteral("/crtlg.dat"));
        return file.open(QIODevice::WriteOnly) && file.write(m_bytes) == m_bytes.size();
    }
    const QProcessEnvironment& Environment() const { return m_environment; }

private:
    QTemporaryDir m_home;
    QString m_szData;
    QByteArray m_bytes;
    QProcessEnvironment m_environment;
};

// The number after "text " in a program's output, or -1.
double NumberAfter(const QByteArray& output, const QByteArray& text) {
    const qsizetype i = output.indexOf(text);
    if (i < 0) {
        return -1;
    }
    const qsizetype from = i + text.size();
    qsizetype to = from;
    while (to < output.size() &&
           (std::isdigit(static_cast<unsigned char>(output[to])) != 0 || output[to] == '.')) {
        ++to;
    }
    return output.mid(from, to - from).toDouble();
}

// Arguments: the number of days, and 1 for the plain Qt window instead of tlg.
void BM_StartupToMainWindow(benchmark::State& state) {
    const int iDays = static_cast<int>(state.range(0));
    const bool bPlain = state.range(1) != 0;
    const ProgramHome home(iDays);
    const QProcessEnvironment& environment = home.Environment();

    double dReportedMs = 0;
    double dCloseMs = 0;
    double dPeakKb = 0;
    for (auto _ : state) {
        if (!home.WriteDataFile()) {
            state.SkipWithError("cannot write the data file");
            return;
        }

        QProcess process;
        process.setProcessEnvironment(environment);
        process.setProcessChannelMode(QProcess::SeparateChannels);
        QElapsedTimer clock;
        clock.start();
        process.start(bPlain ? QStringLiteral(PLAIN_EXECUTABLE) : QStringLiteral(TLG_EXECUTABLE),
                      QStringList());
        QByteArray line;
        while (!line.contains("main window shown") && process.waitForReadyRead(60000)) {
            line += process.readAllStandardOutput();
        }
        const double dSeconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
        if (!line.contains("main window shown")) {
            state.SkipWithError("the program did not report its window");
            process.kill();
            process.waitForFinished();
            return;
        }
        state.SetIterationTime(dSeconds);
        const int iAfter = line.indexOf("after ") + 6;
        dReportedMs = line.mid(iAfter, line.indexOf(" ms", iAfter) - iAfter).toDouble();
        clock.start();
        process.waitForFinished(60000);
        dCloseMs += static_cast<double>(clock.nsecsElapsed()) / 1e6;
        dPeakKb = std::max(dPeakKb, NumberAfter(process.readAllStandardOutput(), "peak resident "));
    }
    state.counters["close_ms"] = dCloseMs / static_cast<double>(state.iterations());
    state.counters["peak_rss_mb"] = dPeakKb / 1024.0;
    state.counters["days"] = iDays;
    state.counters["tlg_ms"] = dReportedMs;
}

// The memory of a run in which the report is opened, composed and closed four times, the
// largest diary in it: resident after the start, after the first report closed and after the
// last, what each report after the first left behind, and the peak of the run (MB; the peak
// includes each report while it is open).
void BM_ReportsOpenedAndClosed(benchmark::State& state) {
    const int iDays = static_cast<int>(state.range(0));
    const int kReports = 4;
    const ProgramHome home(iDays);
    QByteArray output;
    for (auto _ : state) {
        if (!home.WriteDataFile()) {
            state.SkipWithError("cannot write the data file");
            return;
        }
        QProcess process;
        process.setProcessEnvironment(home.Environment());
        process.setProcessChannelMode(QProcess::SeparateChannels);
        process.start(QStringLiteral(REPORTS_EXECUTABLE), {QString::number(kReports)});
        if (!process.waitForFinished(300000)) {
            process.kill();
            process.waitForFinished();
            state.SkipWithError("the program did not end");
            return;
        }
        output = process.readAllStandardOutput();
    }
    const double dStart = NumberAfter(output, "resident after start ");
    const double dFirst = NumberAfter(output, "resident after report 1 ");
    const double dLast =
        NumberAfter(output, "resident after report " + QByteArray::number(kReports) + ' ');
    if (dStart < 0 || dFirst < 0 || dLast < 0) {
        state.SkipWithError("the program did not report its memory");
        return;
    }
    state.counters["days"] = iDays;
    state.counters["started_mb"] = dStart / 1024.0;
    state.counters["after_1_report_mb"] = dFirst / 1024.0;
    state.counters["after_4_reports_mb"] = dLast / 1024.0;
    state.counters["kept_per_later_report_kb"] = (dLast - dFirst) / (kReports - 1);
    state.counters["peak_mb"] = NumberAfter(output, "peak resident ") / 1024.0;
}

} // namespace

BENCHMARK(BM_ReportsOpenedAndClosed)->Arg(32767)->Iterations(1)->Unit(benchmark::kMillisecond);

BENCHMARK(BM_StartupToMainWindow)
    ->Args({0, 0})
    ->Args({3650, 0})
    ->Args({32767, 0})
    ->Args({0, 1})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);

BENCHMARK_MAIN();
