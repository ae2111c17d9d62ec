// What one key costs in the comment box of the main window when the comment is long: a typed
// character (the whole comment is stored again) and a key that changes nothing (an arrow key,
// stored nothing). One frame is 16 ms. And how long the window takes to show a day whose stored
// comment is huge (goal: under a second). And what a fade around the report costs.

#include "diary/ReadingsSchema.h"
#include "diary/modGlobals.h"
#include "mainwindow/frmMain.h"
#include "widgets/FramelessWindow.h"

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
        if (key == Qt::Key_A) {
            // The box stays as long as it was (it takes no more than the longest comment).
            state.PauseTiming();
            QTest::keyClick(window.txtComment, Qt::Key_Backspace);
            state.ResumeTiming();
        }
    }
    state.counters["chars"] = static_cast<double>(iLength);
}

// Showing the window on a day whose stored comment is huge (a hand-edited file, an import by
// an older build): made, shown and laid out, until the window is on screen.
void BM_ShowWindowWithLongComment(benchmark::State& state) {
    const auto iLength = static_cast<qsizetype>(state.range(0));
    // One line without a break, the worst case for text layout.
    const QString szComment(iLength, u'x');
    StartEmptyDocument();
    const DayEntryTags tags = CreateDayEntry(objReadings, DayKey(2026, 12, 8));
    tags.objCommentTag->szValue = szComment;
    FramelessWindow::SetFadeDuration(0);
    for (auto _ : state) {
        frmMain window(QDate(2026, 12, 8));
        window.show();
        if (!QTest::qWaitForWindowExposed(&window)) {
            state.SkipWithError("the window was not shown");
            break;
        }
        window.txtComment->viewport()->repaint();
        QApplication::processEvents();
        benchmark::DoNotOptimize(window.txtComment->document()->size());
    }
    state.counters["chars"] = static_cast<double>(iLength);
}

// The fade duration the program runs with (the other benchmarks run without one).
int& ProgramFadeDuration() {
    static int iMilliseconds = FramelessWindow::FadeDuration();
    return iMilliseconds;
}

// Counts the paints asked of a window and of everything in it.
class PaintCounter : public QObject {
public:
    int iPaints = 0;

protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++iPaints;
        }
        return false;
    }
};

// The fade out and in around the report, on a main window whose chart shows the given number of
// days: its time, and the paints it causes (counter "paints"; the window's own and its
// controls', the chart's among them), until the window is settled again.
void BM_FadeOutAndIn(benchmark::State& state) {
    const int iDays = static_cast<int>(state.range(0));
    StartEmptyDocument();
    const QDate dtLast(2026, 12, 8);
    for (int i = 0; i < iDays; ++i) {
        const QDate day = dtLast.addDays(i - iDays + 1);
        const DayEntryTags tags = CreateDayEntry(
            objReadings, DayKey(qint16(day.year()), qint16(day.month()), qint16(day.day())));
        tags.objSystolicTag->szValue = QString::number(120 + i % 23);
        tags.objDiastolicTag->szValue = QString::number(78 + i % 11);
        tags.objPulseTag->szValue = QString::number(66 + i % 17);
    }
    FramelessWindow::SetFadeDuration(ProgramFadeDuration());
    frmMain window(dtLast);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        state.SkipWithError("the window was not shown");
        return;
    }
    QTest::qWait(100);
    PaintCounter paints;
    const QList<QWidget*> children = window.findChildren<QWidget*>();
    window.installEventFilter(&paints);
    for (QWidget* child : children) {
        child->installEventFilter(&paints);
    }
    for (auto _ : state) {
        window.FadeOut();
        window.FadeIn();
        // Whatever the fade left to paint is painted.
        QApplication::processEvents();
    }
    state.counters["paints"] =
        static_cast<double>(paints.iPaints) / static_cast<double>(state.iterations());
    state.counters["days"] = static_cast<double>(iDays);
}

void BM_CommentTypedKey(benchmark::State& state) {
    Comment(state, Qt::Key_A);
}

void BM_CommentArrowKey(benchmark::State& state) {
    Comment(state, Qt::Key_Left);
}

} // namespace

// The longest comment the box takes, and one far longer put into the box directly.
BENCHMARK(BM_CommentTypedKey)->Arg(1000)->Arg(kMaxCommentLength - 2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CommentArrowKey)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FadeOutAndIn)->Arg(100)->Arg(200)->Arg(3650)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ShowWindowWithLongComment)
    ->Arg(300 * 1024)
    ->Arg(1024 * 1024)
    ->Arg(20 * 1024 * 1024)
    ->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ProgramFadeDuration();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
