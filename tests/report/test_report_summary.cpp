// The summary before the day lines (counts, averages, the threshold, units and the colour key)
// and the period the report covers (its days, its ends, the chart that follows it).

#include "diary/PressureColours.h"
#include "diary/modGlobals.h"
#include "report/ReportComposer.h"
#include "report/RichTextBox.h"
#include "report/frmReport.h"
#include "tests/report/ReportTestData.h"
#include "tests/report/ReportTestTools.h"
#include "widgets/ctlChart.h"

#include <QMap>
#include <QTest>

using namespace Qt::StringLiterals;
using reporttest::AddDay;
using reporttest::DayPart;
using reporttest::Heading;
using reporttest::ResetReadings;
using reporttest::SummaryLines;

namespace {

// The threshold line for x of n days.
QString Threshold(int x, int n) {
    return u"Days at or above 135/85 (home measurement threshold, ESH 2023): %1 of %2"_s.arg(x).arg(
        n);
}

// The three average lines with the same figures.
QStringList SameAverages(const QString& szFigures) {
    return {u"Average, whole period: "_s + szFigures,
            u"Average, last 7 days with readings: "_s + szFigures,
            u"Average, last 30 days with readings: "_s + szFigures};
}

// The summary's figures: its lines down to the units line.
QStringList Figures(const QString& szText) {
    const QStringList lines = SummaryLines(szText);
    return lines.mid(0, lines.indexOf(u"Pressures in mmHg, pulse in beats per minute"_s));
}

} // namespace

class test_report_summary : public QObject {
    Q_OBJECT

    reporttest::PrivateSettings m_settings;
    reporttest::Messages m_boxes;

private slots:
    void init();
    void cleanup();

    void figures_data();
    void figures();
    void unitsAndColourKey();
    void homeMeasurementWeek_data();
    void homeMeasurementWeek();
    void roundedAverage_data();
    void roundedAverage();
    void periodDays_data();
    void periodDays();
    void periodBoundaries_data();
    void periodBoundaries();
};

void test_report_summary::init() {
    reporttest::PrivateSettings::Clear();
    ResetReadings();
}

void test_report_summary::cleanup() {
    SetToday(QDate());
}

void test_report_summary::figures_data() {
    QTest::addColumn<QList<QStringList>>("days");
    QTest::addColumn<QStringList>("figures");

    QTest::newRow("no readings") << QList<QStringList>{}
                                 << QStringList{u"All readings: no days with both pressures"_s};
    QTest::newRow("only days without both pressures")
        << QList<QStringList>{{u"20270301"_s, u"120"_s, u""_s, u"70"_s},
                              {u"20270302"_s, u""_s, u""_s, u"70"_s}}
        << QStringList{u"All readings: no days with both pressures"_s};
    QTest::newRow("one day") << QList<QStringList>{{u"20270307"_s, u"120"_s, u"80"_s, u"72"_s}}
                             << QStringList{u"7 Mar 2027: 1 day with both pressures"_s} +
                                    SameAverages(u"120/80, pulse 72"_s) +
                                    QStringList{Threshold(0, 1)};
    QTest::newRow("days with a pressure missing stay out of every figure")
        << QList<QStringList>{{u"20270301"_s, u"120"_s, u""_s, u"60"_s},
                              {u"20270302"_s, u""_s, u"80"_s, u"60"_s},
                              {u"20270303"_s, u""_s, u""_s, u"60"_s},
                              {u"20270304"_s, u"130"_s, u"85"_s, u"70"_s},
                              {u"20270305"_s, u"140"_s, u"90"_s, u""_s},
                              {u"20270306"_s, u"150"_s, u""_s, u"99"_s}}
        << QStringList{u"4 Mar 2027 to 5 Mar 2027: 2 days with both pressures"_s} +
               SameAverages(u"135/88, pulse 70"_s) + QStringList{Threshold(2, 2)};
    QTest::newRow("non-numbers stay out of the averages")
        << QList<QStringList>{{u"20270301"_s, u"12a"_s, u"80"_s, u"7 2"_s},
                              {u"20270302"_s, u"121"_s, u"eighty"_s, u"71"_s},
                              {u"20270303"_s, u"129.5"_s, u"84.5"_s, u""_s}}
        << QStringList{u"1 Mar 2027 to 3 Mar 2027: 3 days with both pressures"_s} +
               SameAverages(u"126/82, pulse 71"_s) + QStringList{Threshold(0, 3)};
    QTest::newRow("no number at all")
        << QList<QStringList>{{u"20270301"_s, u"high"_s, u"low"_s, u"?"_s}}
        << QStringList{u"1 Mar 2027: 1 day with both pressures"_s} +
               SameAverages(u"\u2013/\u2013"_s) + QStringList{Threshold(0, 1)};
    QTest::newRow("either pressure at its threshold counts")
        << QList<QStringList>{{u"20270301"_s, u"135"_s, u"70"_s, u""_s},
                              {u"20270302"_s, u"120"_s, u"85"_s, u""_s},
                              {u"20270303"_s, u"134"_s, u"84"_s, u""_s},
                              {u"20270304"_s, u"150"_s, u"95"_s, u""_s}}
        << QStringList{u"1 Mar 2027 to 4 Mar 2027: 4 days with both pressures"_s} +
               SameAverages(u"135/84"_s) + QStringList{Threshold(3, 4)};

    // Ten days: systolic 120 to 129, diastolic 80 and 81 in turn. Whole period 124.5/80.5,
    // the last seven 126/80.57; halves go to the even neighbour.
    QList<QStringList> tenDays;
    for (int i = 0; i < 10; ++i) {
        tenDays.append({u"202701%1"_s.arg(i + 1, 2, 10, QLatin1Char('0')), QString::number(120 + i),
                        QString::number(80 + i % 2), QString()});
    }
    QTest::newRow("the last days with readings, halves to even")
        << tenDays
        << QStringList{u"1 Jan 2027 to 10 Jan 2027: 10 days with both pressures"_s,
                       u"Average, whole period: 124/80"_s,
                       u"Average, last 7 days with readings: 126/81"_s,
                       u"Average, last 30 days with readings: 124/80"_s, Threshold(0, 10)};
}

void test_report_summary::figures() {
    QFETCH(QList<QStringList>, days);
    QFETCH(QStringList, figures);
    for (const QStringList& d : days) {
        AddDay({d[0], d[1], d[2], d[3], QString()});
    }
    const QString szText = ReportComposer::Compose(reporttest::Readings()).Text();
    QCOMPARE(Figures(szText), figures);
    // The window shows the same.
    frmReport frm(reporttest::Readings());
    frm.BuildReport(*frm.rtb);
    QCOMPARE(Figures(frm.rtb->Text()), figures);
}

void test_report_summary::unitsAndColourKey() {
    AddDay({u"20270307"_s, u"120"_s, u"80"_s, u"72"_s, u"Walked"_s});
    const ReportComposition composition = ReportComposer::Compose(reporttest::Readings());
    // The summary stands first; the day part follows it untouched.
    QCOMPARE(DayPart(composition.Text()), Heading() + u"\r\n07 Mar 2027\t120/80:72   \tWalked"_s);
    const QStringList lines = SummaryLines(composition.Text());
    const qsizetype iUnits = lines.indexOf(u"Pressures in mmHg, pulse in beats per minute"_s);
    QVERIFY(iUnits > 0);
    QCOMPARE(
        lines.mid(iUnits + 1),
        (QStringList{u"Each pressure is coloured by its own range:"_s,
                     u"green: systolic 100\u2013129 and diastolic 60\u201384"_s,
                     u"orange: systolic 130\u2013149 and diastolic 85\u201394"_s,
                     u"red: systolic up to 99 or from 150 and diastolic up to 59 or from 95"_s}));
    // Each colour's word in its colour, the rest of the summary in black. The summary's last
    // line stands before an empty line, "YOUR READINGS" and an empty line.
    QCOMPARE(composition.iFirstSummaryLine, 1);
    const int iLast = composition.iFirstDayLine - 4;
    const long colours[] = {kPressureGreen, kPressureOrange, kPressureRed};
    for (int i = 0; i < 3; ++i) {
        const ReportLine& key = composition.lines[static_cast<size_t>(iLast - 2 + i)];
        QCOMPARE(key.runs.size(), size_t(2));
        QCOMPARE(key.runs[0].lColor, colours[i]);
        QCOMPARE(key.runs[0].szText, PressureColourName(colours[i]));
        QCOMPARE(key.runs[1].lColor, kPressureBlack);
    }
    for (int i = composition.iFirstSummaryLine; i < iLast - 2; ++i) {
        for (const ColourRun& run : composition.lines[static_cast<size_t>(i)].runs) {
            QCOMPARE(run.lColor, kPressureBlack);
        }
    }
}

namespace {

// Readings written "20270301 07:00 140/90": a day key, a time and both pressures; each day's
// readings in the order given.
void AddReadingsOf(const QStringList& readings) {
    QMap<QString, QList<Reading>> days;
    for (const QString& szReading : readings) {
        const QStringList parts = szReading.split(u' ');
        const QStringList pressures = parts[2].split(u'/');
        days[parts[0]].append({parts[1], pressures[0], pressures[1], QString(), QString()});
    }
    for (auto it = days.cbegin(); it != days.cend(); ++it) {
        reporttest::AddReadings(it.key(), it.value());
    }
}

// Two morning and two evening readings on each day from 1 Mar 2027 on, at these pressures.
QStringList ProtocolDays(const QList<std::pair<QString, QString>>& days) {
    QStringList readings;
    for (int i = 0; i < days.size(); ++i) {
        const QString szKey = u"202703%1"_s.arg(i + 1, 2, 10, QLatin1Char('0'));
        readings << szKey + u" 07:00 "_s + days[i].first << szKey + u" 07:02 "_s + days[i].first
                 << szKey + u" 19:00 "_s + days[i].second << szKey + u" 19:02 "_s + days[i].second;
    }
    return readings;
}

} // namespace

void test_report_summary::homeMeasurementWeek_data() {
    QTest::addColumn<QStringList>("readings");
    QTest::addColumn<QString>("count");
    QTest::addColumn<QStringList>("week");
    const QString szNone = u"Home measurement week: none in these readings. It needs at least 3 "
                           "consecutive days with morning (before noon) and evening readings; "_s;

    QList<std::pair<QString, QString>> week{{u"200/120"_s, u"200/120"_s}};
    for (int i = 0; i < 6; ++i) {
        week.append({u"140/90"_s, u"130/80"_s});
    }
    QTest::newRow("a week: first day left out, morning and evening apart")
        << ProtocolDays(week)
        << u"1 Mar 2027 to 7 Mar 2027: 7 days with both pressures, 28 readings"_s
        << QStringList{u"Home measurement week 1 Mar 2027 to 7 Mar 2027, first day left out: "
                       "6 days, 24 readings"_s,
                       u"Home measurement mean 135/85 (morning 140/90, evening 130/80): at or "
                       "above 135/85"_s};
    QTest::newRow("three days, below the threshold")
        << ProtocolDays({{u"160/100"_s, u"160/100"_s},
                         {u"130/80"_s, u"120/76"_s},
                         {u"130/80"_s, u"120/76"_s}})
        << u"1 Mar 2027 to 3 Mar 2027: 3 days with both pressures, 12 readings"_s
        << QStringList{u"Home measurement week 1 Mar 2027 to 3 Mar 2027, first day left out: "
                       "2 days, 8 readings"_s,
                       u"Home measurement mean 125/78 (morning 130/80, evening 120/76): below "
                       "135/85"_s};
    QList<std::pair<QString, QString>> nine;
    for (int i = 0; i < 9; ++i) {
        nine.append(i < 3 ? std::pair{u"180/110"_s, u"180/110"_s}
                          : std::pair{u"120/80"_s, u"124/78"_s});
    }
    QTest::newRow("a longer run: its last seven days")
        << ProtocolDays(nine)
        << u"1 Mar 2027 to 9 Mar 2027: 9 days with both pressures, 36 readings"_s
        << QStringList{u"Home measurement week 3 Mar 2027 to 9 Mar 2027, first day left out: "
                       "6 days, 24 readings"_s,
                       u"Home measurement mean 122/79 (morning 120/80, evening 124/78): below "
                       "135/85"_s};
    QTest::newRow("fewer than three days")
        << ProtocolDays({{u"130/80"_s, u"120/76"_s}, {u"130/80"_s, u"120/76"_s}})
        << u"1 Mar 2027 to 2 Mar 2027: 2 days with both pressures, 8 readings"_s
        << QStringList{szNone + u"the longest run here is 2 days."_s};
    QTest::newRow("a missing day breaks the run")
        << QStringList{u"20270301 07:00 130/80"_s, u"20270301 19:00 120/76"_s,
                       u"20270303 07:00 130/80"_s, u"20270303 19:00 120/76"_s,
                       u"20270304 07:00 130/80"_s, u"20270304 08:00 131/81"_s}
        << u"1 Mar 2027 to 4 Mar 2027: 3 days with both pressures, 6 readings"_s
        << QStringList{szNone + u"the longest run here is 1 day."_s};
    QTest::newRow("mornings only")
        << QStringList{u"20270301 07:00 130/80"_s, u"20270301 11:59 128/80"_s,
                       u"20270302 07:00 130/80"_s, u"20270302 08:00 131/81"_s}
        << u"1 Mar 2027 to 2 Mar 2027: 2 days with both pressures, 4 readings"_s
        << QStringList{szNone + u"no day here has both."_s};
    // Readings without a time say nothing of the part of the day.
    QTest::newRow("readings without a time")
        << QStringList{u"20270301  130/80"_s, u"20270301  120/76"_s}
        << u"1 Mar 2027: 1 day with both pressures, 2 readings"_s
        << QStringList{szNone + u"no day here has both."_s};
}

void test_report_summary::homeMeasurementWeek() {
    QFETCH(QStringList, readings);
    QFETCH(QString, count);
    QFETCH(QStringList, week);
    AddReadingsOf(readings);
    const QStringList lines = SummaryLines(ReportComposer::Compose(reporttest::Readings()).Text());
    QCOMPARE(lines.value(0), count);
    QStringList shown;
    for (const QString& szLine : lines) {
        if (szLine.startsWith(u"Home measurement"_s)) {
            shown.append(szLine);
        }
    }
    QCOMPARE(shown, week);
    // The week follows the threshold line, before the units.
    const qsizetype iWeek = lines.indexOf(week.constFirst());
    QVERIFY(lines.value(iWeek - 1).startsWith(u"Days at or above 135/85"_s));
    QCOMPARE(lines.value(iWeek + week.size()), u"Pressures in mmHg, pulse in beats per minute"_s);
}

void test_report_summary::roundedAverage_data() {
    QTest::addColumn<qint64>("sum");
    QTest::addColumn<qint64>("count");
    QTest::addColumn<int>("average");
    QTest::newRow("120.5 to 120") << qint64(241) << qint64(2) << 120;
    QTest::newRow("121.5 to 122") << qint64(243) << qint64(2) << 122;
    QTest::newRow("-120.5 to -120") << qint64(-241) << qint64(2) << -120;
    QTest::newRow("-121.5 to -122") << qint64(-243) << qint64(2) << -122;
    QTest::newRow("70.75 to 71") << qint64(283) << qint64(4) << 71;
    QTest::newRow("70.25 to 70") << qint64(281) << qint64(4) << 70;
    QTest::newRow("3.67 to 4") << qint64(11) << qint64(3) << 4;
    QTest::newRow("0.33 to 0") << qint64(1) << qint64(3) << 0;
    QTest::newRow("0.5 to 0") << qint64(5) << qint64(10) << 0;
    QTest::newRow("2.501 to 3") << qint64(2501) << qint64(1000) << 3;
    QTest::newRow("2.5 to 2") << qint64(2500) << qint64(1000) << 2;
    QTest::newRow("16-bit top") << qint64(32767) * 3 << qint64(3) << 32767;
    QTest::newRow("16-bit bottom") << qint64(-32768) * 2 << qint64(2) << -32768;
}

void test_report_summary::roundedAverage() {
    QFETCH(qint64, sum);
    QFETCH(qint64, count);
    QFETCH(int, average);
    QCOMPARE(int(ReportComposer::RoundedAverage(sum, count)), average);
}

void test_report_summary::periodDays_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QDate>("to");
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QDate>("first");
    QTest::addColumn<QDate>("last");
    const auto k = [](ReportPeriodKind kind) { return static_cast<int>(kind); };
    QTest::newRow("all readings") << k(ReportPeriodKind::AllReadings) << QDate() << QDate()
                                  << QDate(2026, 12, 8) << QDate() << QDate();
    QTest::newRow("last 30 days") << k(ReportPeriodKind::Last30Days) << QDate() << QDate()
                                  << QDate(2026, 12, 8) << QDate(2026, 11, 9) << QDate(2026, 12, 8);
    QTest::newRow("last 30 days over a leap day")
        << k(ReportPeriodKind::Last30Days) << QDate() << QDate() << QDate(2028, 3, 1)
        << QDate(2028, 2, 1) << QDate(2028, 3, 1);
    QTest::newRow("last 90 days") << k(ReportPeriodKind::Last90Days) << QDate() << QDate()
                                  << QDate(2026, 12, 8) << QDate(2026, 9, 10) << QDate(2026, 12, 8);
    QTest::newRow("last 12 months")
        << k(ReportPeriodKind::Last12Months) << QDate() << QDate() << QDate(2026, 12, 8)
        << QDate(2025, 12, 9) << QDate(2026, 12, 8);
    QTest::newRow("last 12 months ending on a leap day")
        << k(ReportPeriodKind::Last12Months) << QDate() << QDate() << QDate(2028, 2, 29)
        << QDate(2027, 3, 1) << QDate(2028, 2, 29);
    QTest::newRow("last 12 months over a leap day")
        << k(ReportPeriodKind::Last12Months) << QDate() << QDate() << QDate(2028, 3, 1)
        << QDate(2027, 3, 2) << QDate(2028, 3, 1);
    QTest::newRow("from to") << k(ReportPeriodKind::FromTo) << QDate(2026, 9, 1)
                             << QDate(2026, 12, 8) << QDate(2030, 1, 1) << QDate(2026, 9, 1)
                             << QDate(2026, 12, 8);
    QTest::newRow("from to, ends the wrong way round")
        << k(ReportPeriodKind::FromTo) << QDate(2026, 12, 8) << QDate(2026, 9, 1)
        << QDate(2030, 1, 1) << QDate(2026, 9, 1) << QDate(2026, 12, 8);
}

void test_report_summary::periodDays() {
    QFETCH(int, kind);
    QFETCH(QDate, from);
    QFETCH(QDate, to);
    QFETCH(QDate, today);
    QFETCH(QDate, first);
    QFETCH(QDate, last);
    const ReportPeriod period{static_cast<ReportPeriodKind>(kind), from, to};
    const auto [dtFirst, dtLast] = ReportComposer::PeriodDays(period, today);
    QCOMPARE(dtFirst, first);
    QCOMPARE(dtLast, last);
}

void test_report_summary::periodBoundaries_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QDate>("to");
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QString>("period");
    // Today is 8 Dec 2026.
    const QStringList keys{u"20261108"_s, u"20261109"_s, u"20261208"_s, u"20261209"_s};
    QTest::newRow("all readings, the default")
        << int(ReportPeriodKind::AllReadings) << QDate() << QDate() << keys
        << QStringList{u"08 Nov 2026"_s, u"09 Nov 2026"_s, u"08 Dec 2026"_s, u"09 Dec 2026"_s}
        << u"8 Nov 2026 to 9 Dec 2026"_s;
    QTest::newRow("last 30 days takes both ends")
        << int(ReportPeriodKind::Last30Days) << QDate() << QDate() << keys
        << QStringList{u"09 Nov 2026"_s, u"08 Dec 2026"_s} << u"9 Nov 2026 to 8 Dec 2026"_s;
    QTest::newRow("a leap day alone")
        << int(ReportPeriodKind::FromTo) << QDate(2028, 2, 29) << QDate(2028, 2, 29)
        << QStringList{u"20280228"_s, u"20280229"_s, u"20280301"_s} << QStringList{u"29 Feb 2028"_s}
        << u"29 Feb 2028"_s;
    QTest::newRow("a period with no days")
        << int(ReportPeriodKind::FromTo) << QDate(2026, 1, 1) << QDate(2026, 1, 31) << keys
        << QStringList{} << u"1 Jan 2026 to 31 Jan 2026"_s;
}

void test_report_summary::periodBoundaries() {
    QFETCH(int, kind);
    QFETCH(QDate, from);
    QFETCH(QDate, to);
    QFETCH(QStringList, keys);
    QFETCH(QStringList, shown);
    QFETCH(QString, period);
    SetToday(QDate(2026, 12, 8));
    for (const QString& szKey : keys) {
        AddDay({szKey, u"120"_s, u"80"_s, u"70"_s, QString()});
    }
    frmReport frm(reporttest::Readings());
    frm.resize(900, 700);
    frm.SetPeriod({static_cast<ReportPeriodKind>(kind), from, to});
    QCOMPARE(frm.Period().kind, static_cast<ReportPeriodKind>(kind));
    // The period change composed the report shown at once.
    QString szExpected = Heading();
    for (const QString& szDay : shown) {
        szExpected += u"\r\n"_s + szDay + u"\t120/80:70   \t"_s;
    }
    QCOMPARE(DayPart(frm.rtb->Text()), szExpected);
    QVERIFY2(SummaryLines(frm.rtb->Text()).value(0).startsWith(period + u": "_s),
             qPrintable(SummaryLines(frm.rtb->Text()).value(0)));
    QCOMPARE(frm.rtb->PictureCount(), 2);
    // The chart follows the same days: one row per day shown, labelled with it.
    QCOMPARE(int(frm.ctlChart->RowCount()), shown.size());
    for (int i = 0; i < shown.size(); ++i) {
        const QString szDay = shown[i];
        QCOMPARE(frm.ctlChart->RowLabelAt(static_cast<qint16>(i + 1)),
                 szDay.left(2) + u'/' +
                     QString::number(QDate::fromString(szDay, u"dd MMM yyyy"_s).month())
                         .rightJustified(2, u'0'));
    }
}

QTEST_MAIN(test_report_summary)
#include "test_report_summary.moc"
