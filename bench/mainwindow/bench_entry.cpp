// What one key costs in the comment box of the main window when the comment is long: a typed
// character (the whole comment is stored again) and a key that changes nothing (an arrow key,
// stored nothing). One frame is 16 ms.

#include "app/shell/FramelessWindow.h"
#include "mainwindow/frmMain.h"
#include "mainwindow/readings/ReadingsSchema.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QTest>

#include <benchmark/benchmark.h>

namespace {

void Comment(benchmark::State& state, Qt::Key key) {
    StartEmptyDocument();
    FramelessWindow::SetFadeDuration(0);
    frmMain window(QDate(2026, 12, 8));
    window.show();
    window.txtComment->setFocus();
    QString szComment;
    const auto iLength = static_cast<qsizetype>(state.range(0));
    while (szComment.size() < iLength) {
        szComment += QStringLiteral("walked to the park and back, ");
        if (szComment.size() % 400 < 30) {
            szComment += u'\n';
        }
    }
    szComment.truncate(iLength);
    window.txtComment->setPlainText(szComment);
    window.txtComment->moveCursor(QTextCursor::End);
    QTest::keyClick(window.txtComment, Qt::Key_A);
    for (auto _ : state) {
        QTest::keyClick(window.txtComment, key);
    }
    state.counters["chars"] = static_cast<double>(iLength);
}

void BM_CommentTypedKey(benchmark::State& state) {
    Comment(state, Qt::Key_A);
}

void BM_CommentArrowKey(benchmark::State& state) {
    Comment(state, Qt::Key_Left);
}

} // namespace

BENCHMARK(BM_CommentTypedKey)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CommentArrowKey)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
