#include "mainwindow/FocusFrames.h"

#include <QAbstractItemView>
#include <QCalendarWidget>
#include <QImage>
#include <QLabel>
#include <QObject>
#include <QPainter>
#include <QTest>

// The focus frames a window draws around its calendar and command labels, without the window:
// which control gets one for a given focus, and that its frame lies around the control, never
// over it.
class TestFocusFrames : public QObject {
    Q_OBJECT
private slots:
    void framedControl_data();
    void framedControl();
};

namespace {

// Where the focus is in the test window.
enum class Focus { None, Calendar, CalendarDays, FramedLabel, OtherLabel };

} // namespace

Q_DECLARE_METATYPE(Focus)

void TestFocusFrames::framedControl_data() {
    QTest::addColumn<Focus>("focus");
    QTest::addColumn<Focus>("framed");
    QTest::newRow("no focus") << Focus::None << Focus::None;
    QTest::newRow("calendar") << Focus::Calendar << Focus::Calendar;
    QTest::newRow("calendar's days") << Focus::CalendarDays << Focus::Calendar;
    QTest::newRow("command label") << Focus::FramedLabel << Focus::FramedLabel;
    QTest::newRow("other control") << Focus::OtherLabel << Focus::None;
}

void TestFocusFrames::framedControl() {
    QFETCH(Focus, focus);
    QFETCH(Focus, framed);
    QWidget window;
    window.resize(320, 260);
    QCalendarWidget calendar(&window);
    calendar.setGeometry(20, 20, 240, 170);
    QLabel command(QStringLiteral("Reset"), &window);
    command.setGeometry(20, 210, 80, 20);
    QLabel other(QStringLiteral("Other"), &window);
    other.setGeometry(140, 210, 80, 20);
    auto* days = calendar.findChild<QAbstractItemView*>();
    QVERIFY(days != nullptr);
    const auto widgetOf = [&](Focus which) -> const QWidget* {
        switch (which) {
        case Focus::Calendar:
            return &calendar;
        case Focus::CalendarDays:
            return days;
        case Focus::FramedLabel:
            return &command;
        case Focus::OtherLabel:
            return &other;
        case Focus::None:
            break;
        }
        return nullptr;
    };
    const FocusFrames frames(calendar, {&command});
    const QWidget* expected = widgetOf(framed);
    QCOMPARE(frames.FramedControl(widgetOf(focus)), expected);

    QImage image(window.size(), QImage::Format_ARGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        frames.Paint(painter, widgetOf(focus));
    }
    int iPainted = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) == qRgb(255, 255, 255)) {
                continue;
            }
            ++iPainted;
            QVERIFY2(expected != nullptr, "a frame around a control that draws its own");
            QVERIFY2(FocusFrames::OutsideFrame(*expected).contains(x, y),
                     "the frame strays from its control");
            QVERIFY2(!expected->geometry().contains(x, y), "the frame covers its control");
        }
    }
    QCOMPARE(iPainted > 0, expected != nullptr);
}

QTEST_MAIN(TestFocusFrames)
#include "test_mainwindow_focusframes.moc"
