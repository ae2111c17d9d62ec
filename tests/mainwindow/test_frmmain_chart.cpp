// The main window's chart as a person meets it: its place while there is nothing to show, the
// keyboard's way to it, and what it says to a screen reader.

#include "tests/support/MainWindowTestSupport.h"

#include "widgets/ReadingsChart.h"
#include "widgets/ctlChart.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>

using namespace tlgtest;

namespace {

const QDate kToday(2026, 12, 7);

// The empty-state sentence stands in the chart's place exactly while the chart is hidden.
bool SentenceMatchesChart(const frmMain& window) {
    return window.lblChartEmpty->isVisible() == window.ctlChart->isHidden() &&
           window.ctlChart->isVisible() == !window.ctlChart->isHidden();
}

QString Description(QWidget* widget) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible ? accessible->text(QAccessible::Description) : QStringLiteral("<none>");
}

} // namespace

class TestFrmMainChart : public QObject {
    Q_OBJECT

private slots:
    void init() {
        NewDocument();
        SetMessageBoxHandler(nullptr);
    }

    void emptyStateSentence() {
        const auto window = OpenWindow(kToday);
        QVERIFY(window);
        QLabel* label = window->lblChartEmpty;
        QCOMPARE(label->text(), ChartEmptyText());
        QCOMPARE(label->textFormat(), Qt::PlainText);
        QCOMPARE(label->geometry(), window->ctlChart->geometry());

        // Nothing entered before the load: the chart is hidden, the sentence shows.
        QVERIFY(window->ctlChart->isHidden());
        QVERIFY(label->isVisible());
        QVERIFY(Description(window->ctlChart).contains(QStringLiteral("hidden")));

        // A reading, and leaving its box: the chart shows and the sentence goes.
        window->txtSystolic->setFocus();
        Type(*window, QStringLiteral("128\t"));
        QVERIFY(!window->ctlChart->isHidden());
        QVERIFY(!label->isVisible());
        QVERIFY(SentenceMatchesChart(*window));
        QCOMPARE(Description(window->ctlChart),
                 QStringLiteral("Readings chart: 1 day, 7 Dec 2026. Latest 7 Dec 2026: "
                                "128/\u2013, pulse \u2013. Last 7 days average 128/\u2013."));

        // Reset: the chart is hidden again and the sentence is back.
        MessageBoxes boxes(QMessageBox::Yes);
        window->lblReset_Click();
        QVERIFY(window->ctlChart->isHidden());
        QVERIFY(label->isVisible());
        QVERIFY(SentenceMatchesChart(*window));
    }

    void keyboardReachesTheChart() {
        AddDay(QStringLiteral("20261205"), QStringLiteral("131"), QStringLiteral("85"),
               QStringLiteral("70"));
        AddDay(QStringLiteral("20261206"), QStringLiteral("128"), QStringLiteral("84"),
               QStringLiteral("71"));
        const auto window = OpenWindow(kToday);
        QVERIFY(window);
        QCOMPARE(window->ctlChart->accessibleName(), QStringLiteral("Readings chart"));
        QCOMPARE(Description(window->ctlChart),
                 QStringLiteral("Readings chart: 2 days from 5 Dec 2026 to 6 Dec 2026. Latest 6 "
                                "Dec 2026: 128/84, pulse 71. Last 7 days average 130/84."));

        // The chart follows the window's other commands in the Tab order.
        window->imgCorvalenLink->setFocus(Qt::TabFocusReason);
        Type(*window, QStringLiteral("\t"));
        QCOMPARE(FocusName(), QStringLiteral("ctlChart"));
        QTest::keyClick(window->windowHandle(), Qt::Key_Left);
        QCOMPARE(Description(window->ctlChart), QStringLiteral("6 Dec 2026: 128/84, pulse 71"));
        QTest::keyClick(window->windowHandle(), Qt::Key_Left);
        QCOMPARE(Description(window->ctlChart), QStringLiteral("5 Dec 2026: 131/85, pulse 70"));
        Type(*window, QStringLiteral("\t"));
        QVERIFY(FocusName() != QStringLiteral("ctlChart"));
    }

    void chartMadeAhead_data() {
        QTest::addColumn<QString>("szMeanwhile");
        QTest::addColumn<bool>("bShown");
        QTest::newRow("nothing") << QStringLiteral("nothing") << true;
        QTest::newRow("a value stored") << QStringLiteral("stored") << false;
        QTest::newRow("merged with the file on disk") << QStringLiteral("merged") << false;
        QTest::newRow("document replaced by itself") << QStringLiteral("replaced") << false;
        QTest::newRow("made from other readings") << QStringLiteral("other") << false;
    }

    // A chart made ahead (the start-up's loading thread makes it while the controls are made)
    // is shown by the first fill only while the readings it was made from are the window's and
    // unchanged; any later fill reads them again. The chart made ahead holds the last two days
    // alone, so that it can be told from a fill.
    void chartMadeAhead() {
        QFETCH(QString, szMeanwhile);
        QFETCH(bool, bShown);
        AddDay(QStringLiteral("20261205"), QStringLiteral("131"), QStringLiteral("85"),
               QStringLiteral("70"));
        AddDay(QStringLiteral("20261206"), QStringLiteral("128"), QStringLiteral("84"),
               QStringLiteral("71"));
        AddDay(QStringLiteral("20261207"), QStringLiteral("125"), QStringLiteral("82"),
               QStringLiteral("69"));
        ReadingsGrid ahead;
        FillReadingsGrid(ahead, objReadings, {QStringLiteral("20261206"), QString()});
        QCOMPARE(ahead.grid.RowCount(), 2);

        frmMain window{frmMain::ControlsOnly{}};
        const std::shared_ptr<clsXMLTag> objOther = std::make_shared<clsXMLTag>();
        window.UseChartMadeAhead(std::move(ahead),
                                 szMeanwhile == QStringLiteral("other") ? objOther : objReadings);
        if (szMeanwhile == QStringLiteral("stored")) {
            DayEntryValueTags(FindDayEntry(objReadings, QStringLiteral("20261205")))
                .objSystolicTag->szValue = QStringLiteral("140");
            NoteReadingsChanged();
        } else if (szMeanwhile == QStringLiteral("merged")) {
            CountReadingsChange();
        } else if (szMeanwhile == QStringLiteral("replaced")) {
            ReplaceDocument(objXML, objReadings);
        }
        window.Form_Load(kToday);
        ctlChart& chart = *window.ctlChart;
        QCOMPARE(chart.RowCount(), bShown ? 2 : 3);
        QCOMPARE(chart.RowDateAt(1), bShown ? QDate(2026, 12, 6) : QDate(2026, 12, 5));
        QCOMPARE(chart.DataAt(1, 1), bShown ? 128.0 : szMeanwhile == u"stored" ? 140.0 : 131.0);
        QVERIFY(!chart.isHidden());

        // Once only.
        window.FillReadingsChart();
        QCOMPARE(chart.RowCount(), 3);
    }
};

QTEST_MAIN(TestFrmMainChart)
#include "test_frmmain_chart.moc"
