// Starts the real tlg (offscreen) with a data file of a given number of days in a home folder of
// its own, and times it from process start to the main window shown. The timed build of tlg
// reports when its main window is first painted and then ends as its close button does; the time
// from that report to the end of the process is the program's close (counter "close_ms"). Beside
// it, a plain Qt window of the same size with a calendar and boxes, timed the same way.

#include <QByteArray>
#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

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

// Arguments: the number of days, and 1 for the plain Qt window instead of tlg.
void BM_StartupToMainWindow(benchmark::State& state) {
    const int iDays = static_cast<int>(state.range(0));
    const bool bPlain = state.range(1) != 0;
    QTemporaryDir home;
    const QString szData = home.filePath(QStringLiteral("data"));
    const QString szRuntime = home.filePath(QStringLiteral("runtime"));
    QDir().mkpath(szData);
    QDir().mkpath(szRuntime);
    QFile::setPermissions(szRuntime,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    const QByteArray bytes = DataFile(iDays);

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), home.path());
    environment.insert(QStringLiteral("XDG_DATA_HOME"), szData);
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), szRuntime);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));

    double dReportedMs = 0;
    double dCloseMs = 0;
    for (auto _ : state) {
        // The same file each time (a run writes it back at its end).
        QFile file(szData + QStringLiteral("/crtlg.dat"));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
            state.SkipWithError("cannot write the data file");
            return;
        }
        file.close();

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
    }
    state.counters["close_ms"] = dCloseMs / static_cast<double>(state.iterations());
    state.counters["days"] = iDays;
    state.counters["tlg_ms"] = dReportedMs;
}

} // namespace

BENCHMARK(BM_StartupToMainWindow)
    ->Args({0, 0})
    ->Args({3650, 0})
    ->Args({32767, 0})
    ->Args({0, 1})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);

BENCHMARK_MAIN();
