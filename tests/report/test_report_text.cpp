// The report's text and colours: dates, colour ranges, which days are in, the runs of each line.

#include "app/util/modGlobals.h"
#include "mainwindow/readings/PressureColours.h"
#include "mainwindow/readings/ctlChart.h"
#include "report/ReportComposer.h"
#include "report/RichTextBox.h"
#include "report/frmReport.h"
#include "report/modPrint.h"
#include "tests/report/ReportTestData.h"
#include "tests/report/ReportTestTools.h"

#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

using namespace Qt::StringLiterals;
using reporttest::AddDay;
using reporttest::ColourName;
using reporttest::Day;
using reporttest::Heading;
using reporttest::ResetReadings;

class test_report_text : public QObject {
    Q_OBJECT

    reporttest::Messages m_boxes;

private slots:
    void init();
    void cleanup();

    void formatDayKey_data();
    void formatDayKey();
    void colours_data();
    void colours();
    void reportText_data();
    void reportText();
    void dayColours();
    void givenReadingsOnly();
};

void test_report_text::init() {
    m_boxes.shown.clear();
    ResetReadings();
    QGuiApplication::clipboard()->clear();
}

void test_report_text::cleanup() {
    modPrint::SetPrinterFactory(nullptr);
    frmReport::SetSaveDialog(nullptr);
    SetToday(QDate());
}

void test_report_text::formatDayKey_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("shown");
    QTest::newRow("March keeps the day's zero") << "20270307"
                                                << "07 Mar 2027";
    QTest::newRow("January") << "20260101"
                             << "01 Jan 2026";
    QTest::newRow("December") << "20261231"
                              << "31 Dec 2026";
    QTest::newRow("September") << "20250915"
                               << "15 Sep 2025";
    QTest::newRow("month 13 has no word") << "20271307"
                                          << "072027";
    QTest::newRow("month 00 has no word") << "20270007"
                                          << "072027";
    QTest::newRow("month not digits") << "2027ab07"
                                      << "072027";
}

void test_report_text::formatDayKey() {
    QFETCH(QString, key);
    QFETCH(QString, shown);
    QCOMPARE(ReportComposer::FormatDayKey(key), shown);
}

void test_report_text::colours_data() {
    QTest::addColumn<QString>("systolic");
    QTest::addColumn<QString>("systolicColour");
    QTest::addColumn<QString>("diastolic");
    QTest::addColumn<QString>("diastolicColour");
    QTest::newRow("low") << "99"
                         << "red"
                         << "59"
                         << "red";
    QTest::newRow("lowest normal") << "100"
                                   << "green"
                                   << "60"
                                   << "green";
    QTest::newRow("highest normal") << "129"
                                    << "green"
                                    << "84"
                                    << "green";
    QTest::newRow("lowest raised") << "130"
                                   << "orange"
                                   << "85"
                                   << "orange";
    QTest::newRow("highest raised") << "149"
                                    << "orange"
                                    << "94"
                                    << "orange";
    QTest::newRow("high") << "150"
                          << "red"
                          << "95"
                          << "red";
    QTest::newRow("zero and negative") << "0"
                                       << "red"
                                       << "-70"
                                       << "red";
    QTest::newRow("halves round to even") << "129.5"
                                          << "orange"
                                          << "84.5"
                                          << "green";
    QTest::newRow("blanks around") << " 120 "
                                   << "green"
                                   << " 80"
                                   << "green";
    QTest::newRow("not a number") << "12a"
                                  << "black"
                                  << "eighty"
                                  << "black";
    QTest::newRow("beyond 16 bits") << "40000"
                                    << "black"
                                    << "99999"
                                    << "black";
}

void test_report_text::colours() {
    QFETCH(QString, systolic);
    QFETCH(QString, systolicColour);
    QFETCH(QString, diastolic);
    QFETCH(QString, diastolicColour);
    QCOMPARE(ColourName(SystolicColor(systolic)), systolicColour);
    QCOMPARE(ColourName(DiastolicColor(diastolic)), diastolicColour);
}

void test_report_text::reportText_data() {
    QTest::addColumn<QList<QStringList>>("days");
    QTest::addColumn<QString>("text");

    QTest::newRow("no readings") << QList<QStringList>{} << Heading();
    QTest::newRow("placeholder only")
        << QList<QStringList>{{u"20270307"_s, u""_s, u""_s, u""_s, u""_s}} << Heading();
    QTest::newRow("one full day") << QList<QStringList>{{u"20270307"_s, u"120"_s, u"80"_s, u"72"_s,
                                                         u"Walked"_s}}
                                  << Heading() + u"\r\n07 Mar 2027\t120/80:72   \tWalked"_s;
    QTest::newRow("pressures only")
        << QList<QStringList>{{u"20270307"_s, u"120"_s, u"80"_s, u""_s, u""_s}}
        << Heading() + u"\r\n07 Mar 2027\t120/80:   \t"_s;
    QTest::newRow("a day needs both pressures")
        << QList<QStringList>{{u"20270301"_s, u""_s, u""_s, u"72"_s, u""_s},
                              {u"20270302"_s, u""_s, u""_s, u""_s, u"Only a comment"_s},
                              {u"20270303"_s, u"120"_s, u""_s, u"72"_s, u"No diastolic"_s},
                              {u"20270304"_s, u""_s, u"80"_s, u"72"_s, u"No systolic"_s},
                              {u"20270305"_s, u"121"_s, u"81"_s, u""_s, u""_s}}
        << Heading() + u"\r\n05 Mar 2027\t121/81:   \t"_s;
    QTest::newRow("comment line breaks stay")
        << QList<QStringList>{{u"20270307"_s, u"120"_s, u"80"_s, u"72"_s,
                               u"Walked\r\nSlept well"_s},
                              {u"20270308"_s, u"130"_s, u"85"_s, u"70"_s, u"Tired"_s}}
        << Heading() + u"\r\n07 Mar 2027\t120/80:72   \tWalked\r\nSlept well"_s
                       u"\r\n08 Mar 2027\t130/85:70   \tTired"_s;
    QTest::newRow("oldest first whatever the entry order")
        << QList<QStringList>{{u"20270310"_s, u"130"_s, u"85"_s, u""_s, u""_s},
                              {u"20261231"_s, u"120"_s, u"80"_s, u""_s, u""_s},
                              {u"20270101"_s, u"125"_s, u"82"_s, u""_s, u""_s}}
        << Heading() + u"\r\n31 Dec 2026\t120/80:   \t\r\n01 Jan 2027\t125/82:   \t"_s
                       u"\r\n10 Mar 2027\t130/85:   \t"_s;
    QTest::newRow("values that are not numbers are printed as stored")
        << QList<QStringList>{{u"20270307"_s, u"12a"_s, u"eighty"_s, u"7 2"_s, u"ok"_s}}
        << Heading() + u"\r\n07 Mar 2027\t12a/eighty:7 2   \tok"_s;
    QTest::newRow("odd month") << QList<QStringList>{{u"20271307"_s, u"120"_s, u"80"_s, u"72"_s,
                                                      u""_s}}
                               << Heading() + u"\r\n072027\t120/80:72   \t"_s;
}

void test_report_text::reportText() {
    QFETCH(QList<QStringList>, days);
    QFETCH(QString, text);
    for (const QStringList& d : days) {
        AddDay({d[0], d[1], d[2], d[3], d[4]});
    }
    // The composer alone gives the same text, without any window.
    QCOMPARE(ReportComposer::Compose(reporttest::Readings()).Text(), text);
    frmReport frm(reporttest::Readings());
    frm.BuildReport(*frm.rtb);
    QCOMPARE(frm.rtb->Text(), text);
    QVERIFY(frm.rtb->isReadOnly());
    // The printed copy is the same report.
    frm.BuildReport(*frm.rtbPrint);
    QCOMPARE(frm.rtbPrint->Text(), text);
}

void test_report_text::dayColours() {
    AddDay({u"20270301"_s, u"99"_s, u"95"_s, u"60"_s, u"low, high"_s});
    AddDay({u"20270302"_s, u"135"_s, u"70"_s, u""_s, u"raised"_s});
    AddDay({u"20270303"_s, u"x1"_s, u"88"_s, u"61"_s, u""_s});
    frmReport frm(reporttest::Readings());
    frm.BuildReport(*frm.rtb);
    const QStringList expected{u"black:01 Mar 2027\t"_s,
                               u"red:99"_s,
                               u"black:/"_s,
                               u"red:95"_s,
                               u"black::60   \tlow, high\n02 Mar 2027\t"_s,
                               u"orange:135"_s,
                               u"black:/"_s,
                               u"green:70"_s,
                               u"black::   \traised\n03 Mar 2027\tx1/"_s,
                               u"orange:88"_s,
                               u"black::61   \t"_s};
    QCOMPARE(reporttest::DayRuns(*frm.rtb), expected);
}

void test_report_text::givenReadingsOnly() {
    // The program's own document holds other readings: the window shows only those it is given.
    StartEmptyDocument();
    const DayEntryTags programDay = CreateDayEntry(objReadings, u"20270101"_s);
    programDay.objSystolicTag->szValue = u"140"_s;
    programDay.objDiastolicTag->szValue = u"90"_s;
    AddDay({u"20270307"_s, u"120"_s, u"80"_s, u"72"_s, u"Walked"_s});
    {
        frmReport frm(reporttest::Readings());
        frm.BuildReport(*frm.rtb);
        QCOMPARE(frm.rtb->Text(), Heading() + u"\r\n07 Mar 2027\t120/80:72   \tWalked"_s);
        QCOMPARE(frm.ctlChart->RowCount(), 1);
    }
    // No readings at all: the heading alone, and an empty chart.
    frmReport frm(nullptr);
    frm.BuildReport(*frm.rtb);
    QCOMPARE(frm.rtb->Text(), Heading());
    QCOMPARE(frm.ctlChart->RowCount(), 0);
    ReplaceDocument(nullptr, nullptr);
}

QTEST_MAIN(test_report_text)
#include "test_report_text.moc"
