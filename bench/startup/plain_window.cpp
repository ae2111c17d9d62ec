// The baseline of the start-up benchmark: a plain Qt program that shows a window of the main
// window's size (700 x 500) holding a calendar, four boxes and a painted area, prints how long it
// took until the window was first painted, as the timed tlg does, and ends, printing the most
// memory it held.

#include "bench/startup/ProcessStatus.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace {

// Reports the window's first paint once it is done, then ends the program.
class FirstPaint : public QObject {
public:
    explicit FirstPaint(const QElapsedTimer& clock) : m_clock(clock) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] {
                std::printf("plain: main window shown after %.3f ms\n",
                            static_cast<double>(m_clock.nsecsElapsed()) / 1e6);
                std::fflush(stdout);
                QApplication::quit();
            });
        }
        return false;
    }

private:
    const QElapsedTimer& m_clock;
};

} // namespace

int main(int argc, char** argv) {
    QElapsedTimer clock;
    clock.start();
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(700, 500);
    auto* calendar = new QCalendarWidget(&window);
    calendar->setGeometry(20, 20, 300, 220);
    for (int i = 0; i < 3; ++i) {
        (new QLineEdit(&window))->setGeometry(360, 20 + 40 * i, 100, 28);
    }
    (new QPlainTextEdit(&window))->setGeometry(360, 140, 300, 100);
    FirstPaint watcher(clock);
    window.installEventFilter(&watcher);
    window.show();
    const int iStatus = QApplication::exec();
    std::printf("plain: peak resident %ld kB\n", ProcessStatusKb("VmHWM"));
    std::fflush(stdout);
    return iStatus;
}
