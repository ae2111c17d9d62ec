// The program exactly as main.cpp starts it, with the user's report round scripted: once the
// main window is on the screen, the report is opened, left until it is composed with both its
// pictures, and closed with Escape, a number of times (the first argument, default 4). It prints
// the resident set after the start and after each report is closed, then ends as the main
// window's close button ends it and prints the peak resident set of the whole run. Only the
// memory benchmark (bench_startup) runs it; the shipped program has no such hook.

#include "bench/startup/ProcessStatus.h"
#include "mainwindow/frmMain.h"
#include "program/modMain.h"
#include "report/RichTextBox.h"
#include "report/frmReport.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

#include <cstdio>

namespace {

// Closes the report window once its composition has put both pictures and all its text in, as
// the user would press Escape after reading it.
void CloseReportWhenComposed() {
    auto* report = qobject_cast<frmReport*>(QApplication::activeModalWidget());
    if (report == nullptr || report->rtb == nullptr || report->rtb->PictureCount() < 2 ||
        report->IsWriting()) {
        QTimer::singleShot(20, CloseReportWhenComposed);
        return;
    }
    QTest::keyClick(report, Qt::Key_Escape);
}

} // namespace

int main(int argc, char** argv) {
    TlgApplication app(argc, argv);
    const int iReports = argc > 1 ? QByteArray(argv[1]).toInt() : 4;
    StartupOptions options;
    options.onMainShown = [iReports](frmMain& window) {
        std::printf("tlg: resident after start %ld kB\n", ProcessStatusKb("VmRSS"));
        for (int i = 1; i <= iReports; ++i) {
            QTimer::singleShot(20, CloseReportWhenComposed);
            window.btReport_Click();
            // What the closed window left for later deletion goes now.
            QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            std::printf("tlg: resident after report %d %ld kB\n", i, ProcessStatusKb("VmRSS"));
        }
        std::fflush(stdout);
        window.btClose_Click();
    };
    const int iStatus = static_cast<int>(Main(options));
    std::printf("tlg: peak resident %ld kB\n", ProcessStatusKb("VmHWM"));
    std::fflush(stdout);
    return iStatus;
}
