// The report's text and colours: dates, colour ranges, which days are in, the runs of each line.

#include "diary/PressureColours.h"
#include "diary/modGlobals.h"
#include "i18n/Translations.h"
#include "report/ReportComposer.h"
#include "report/RichTextBox.h"
#include "report/frmReport.h"
#include "report/modPrint.h"
#include "tests/report/ReportTestData.h"
#include "tests/report/ReportTestTools.h"
#include "tests/support/Contrast.h"
#include "widgets/ctlChart.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QMap>
#include <QPdfWriter>
#include <QSet>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QTimer>

using namespace Qt::StringLiterals;
using reporttest::AddDay;
using reporttest::ColourName;
using reporttest::Day;
using reporttest::DayPart;
using reporttest::Heading;
using reporttest::ResetReadings;

class test_report_text : public QObject {
    Q_OBJECT

    reporttest::PrivateSettings m_settings;
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
    void severalReadings_data();
    void severalReadings();
    void dayColours();
    void coloursReadableOnWhite();
    void givenReadingsOnly();
    void columnsAligned_data();
    void columnsAligned();
};

void test_report_text::init() {
    reporttest::StartTest(m_boxes);
}

void test_report_text::cleanup() {
    reporttest::EndTest();
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
    // Above its summary the report is these lines, byte for byte; the composer alone gives the
    // same text, without any window.
    const QString szComposed = ReportComposer::Compose(reporttest::Readings()).Text();
    QCOMPARE(DayPart(szComposed), text);
    frmReport frm(reporttest::Readings());
    frm.BuildReport(*frm.rtb);
    QCOMPARE(frm.rtb->Text(), szComposed);
    QVERIFY(frm.rtb->isReadOnly());
    // The printed copy is the same report.
    frm.BuildReport(*frm.rtbPrint);
    QCOMPARE(frm.rtbPrint->Text(), szComposed);
}

void test_report_text::severalReadings_data() {
    QTest::addColumn<QList<QStringList>>("readings");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("colours");
    // Each reading: day key, time, systolic, diastolic, pulse, comment.
    const QList<QStringList> fourReadings{
        {u"20261207"_s, u"07:05"_s, u"128"_s, u"84"_s, u"71"_s, u"Walked"_s},
        {u"20261207"_s, u"07:07"_s, u"126"_s, u"82"_s, u"70"_s, u""_s},
        {u"20261207"_s, u"19:30"_s, u"141"_s, u"96"_s, u"75"_s, u"Tired"_s},
        {u"20261207"_s, u"19:32"_s, u"98"_s, u"84"_s, u""_s, u""_s}};
    const QString szFourLines = u"\r\n07 Dec 2026"_s
                                u"\r\n  07:05\t128/84:71   \tWalked"_s
                                u"\r\n  07:07\t126/82:70   \t"_s
                                u"\r\n  19:30\t141/96:75   \tTired"_s
                                u"\r\n  19:32\t98/84:   \t"_s;
    const QStringList fourColours{u"-"_s, u"green/green"_s, u"green/green"_s, u"orange/red"_s,
                                  u"red/green"_s};
    QTest::newRow("each reading on its own line under its day")
        << fourReadings << Heading() + szFourLines << fourColours;
    QList<QStringList> mixed{{u"20261206"_s, u""_s, u"120"_s, u"80"_s, u"72"_s, u"One"_s}};
    mixed += fourReadings;
    mixed.append({u"20261208"_s, u""_s, u"131"_s, u"85"_s, u""_s, u""_s});
    QTest::newRow("days of one reading around it print as ever")
        << mixed
        << Heading() + u"\r\n06 Dec 2026\t120/80:72   \tOne"_s + szFourLines +
               u"\r\n08 Dec 2026\t131/85:   \t"_s
        << QStringList{u"green/green"_s} + fourColours + QStringList{u"orange/orange"_s};
    QTest::newRow("readings without both pressures stay out, no time said")
        << QList<QStringList>{{u"20261207"_s, u"07:00"_s, u"120"_s, u""_s, u"70"_s, u"a"_s},
                              {u"20261207"_s, u""_s, u"125"_s, u"80"_s, u""_s, u""_s},
                              {u"20261207"_s, u"19:00"_s, u""_s, u"80"_s, u""_s, u"b"_s}}
        << Heading() + u"\r\n07 Dec 2026\r\n  no time\t125/80:   \t"_s
        << QStringList{u"-"_s, u"green/green"_s};
    QTest::newRow("no reading with both pressures: no day")
        << QList<QStringList>{{u"20261207"_s, u"07:00"_s, u"120"_s, u""_s, u""_s, u""_s},
                              {u"20261207"_s, u"19:00"_s, u""_s, u""_s, u"70"_s, u"c"_s}}
        << Heading() << QStringList{};
}

void test_report_text::severalReadings() {
    QFETCH(QList<QStringList>, readings);
    QFETCH(QString, text);
    QFETCH(QStringList, colours);
    QMap<QString, QList<Reading>> days;
    for (const QStringList& r : readings) {
        days[r[0]].append({r[1], r[2], r[3], r[4], r[5]});
    }
    for (auto it = days.cbegin(); it != days.cend(); ++it) {
        if (it.value().size() == 1) {
            const Reading& only = it.value().constFirst();
            AddDay({it.key(), only.szSystolic, only.szDiastolic, only.szPulse, only.szComment});
        } else {
            reporttest::AddReadings(it.key(), it.value());
        }
    }
    const ReportComposition composition = ReportComposer::Compose(reporttest::Readings());
    QCOMPARE(DayPart(composition.Text()), text);
    // Each reading's pressures coloured by their own ranges; a day's date line is black.
    QStringList shown;
    for (int i = composition.iFirstDayLine; i < int(composition.lines.size()); ++i) {
        const ReportLine& line = composition.lines[size_t(i)];
        if (line.runs.size() == 1) {
            QCOMPARE(line.runs[0].lColor, kPressureBlack);
            shown.append(u"-"_s);
        } else {
            shown.append(ColourName(line.runs[1].lColor) + u'/' + ColourName(line.runs[3].lColor));
        }
    }
    QCOMPARE(shown, colours);
    // The window shows the composed text, readings aligned in one column with the days'.
    frmReport frm(reporttest::Readings());
    frm.BuildReport(*frm.rtb);
    QCOMPARE(frm.rtb->Text(), composition.Text());
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
    QCOMPARE(reporttest::DayRuns(*frm.rtb, 3), expected);
}

void test_report_text::coloursReadableOnWhite() {
    // Every class of both pressures, and the colour key of the summary.
    AddDay({u"20270301"_s, u"99"_s, u"59"_s, u"60"_s, u""_s});
    AddDay({u"20270302"_s, u"120"_s, u"80"_s, u"60"_s, u""_s});
    AddDay({u"20270303"_s, u"140"_s, u"90"_s, u"60"_s, u""_s});
    AddDay({u"20270304"_s, u"160"_s, u"100"_s, u"60"_s, u""_s});
    frmReport frm(reporttest::Readings());
    for (RichTextBox* box : {frm.rtb, frm.rtbPrint}) {
        frm.BuildReport(*box);
        const QColor paper = box->palette().color(QPalette::Base);
        QSet<QRgb> painted;
        for (QTextBlock block = box->document()->begin(); block.isValid(); block = block.next()) {
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QTextFragment fragment = it.fragment();
                if (fragment.text().trimmed().isEmpty() || fragment.charFormat().isImageFormat()) {
                    continue;
                }
                const QColor ink = fragment.charFormat().foreground().color();
                painted.insert(ink.rgb());
                QVERIFY2(testsupport::ContrastRatio(ink, paper) >= 4.5,
                         qPrintable(u"%1 in %2 on %3: %4:1"_s
                                        .arg(fragment.text(), ink.name(), paper.name())
                                        .arg(testsupport::ContrastRatio(ink, paper), 0, 'f', 2)));
            }
        }
        // Black and the three classes, each its own colour.
        QCOMPARE(painted.size(), 4);
    }
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
        QCOMPARE(DayPart(frm.rtb->Text()), Heading() + u"\r\n07 Mar 2027\t120/80:72   \tWalked"_s);
        QCOMPARE(frm.ctlChart->RowCount(), 1);
    }
    // No readings at all: the heading alone, and an empty chart.
    frmReport frm(nullptr);
    frm.BuildReport(*frm.rtb);
    QCOMPARE(DayPart(frm.rtb->Text()), Heading());
    QCOMPARE(frm.ctlChart->RowCount(), 0);
    ReplaceDocument(nullptr, nullptr);
}

namespace {

// A language taken in from construction to destruction (English needs none).
class LanguageForTest {
public:
    explicit LanguageForTest(const QString& szLocale) { InstallTranslations(QLocale(szLocale)); }
    ~LanguageForTest() { RemoveTranslations(); }
    LanguageForTest(const LanguageForTest&) = delete;
    LanguageForTest& operator=(const LanguageForTest&) = delete;
};

// Where the reading and the comment of each day line start (x in the layout), from the first
// day line on, as laid out in a document.
QList<QPair<qreal, qreal>> ColumnStarts(QTextDocument& document, int iDays) {
    QList<QPair<qreal, qreal>> starts;
    document.documentLayout()->documentSize(); // lays the whole document out
    QTextBlock block = reporttest::FirstDayBlock(document);
    for (int i = 0; i < iDays && block.isValid(); ++i, block = block.next()) {
        const QString szText = block.text();
        const int iFirstTab = static_cast<int>(szText.indexOf(u'\t'));
        const int iSecondTab = static_cast<int>(szText.indexOf(u'\t', iFirstTab + 1));
        const QTextLine line = block.layout()->lineForTextPosition(iSecondTab + 1);
        if (iFirstTab < 0 || iSecondTab < 0 || !line.isValid()) {
            return {};
        }
        // Each column starts right of where the text before it ends.
        if (line.cursorToX(iFirstTab) >= line.cursorToX(iFirstTab + 1) ||
            line.cursorToX(iSecondTab - 3) >= line.cursorToX(iSecondTab + 1)) {
            return {};
        }
        starts.append({line.cursorToX(iFirstTab + 1), line.cursorToX(iSecondTab + 1)});
    }
    return starts;
}

} // namespace

void test_report_text::columnsAligned_data() {
    QTest::addColumn<QString>("where");
    QTest::addColumn<qreal>("scale");
    // The language the dates are shown in (their width differs from English).
    QTest::addColumn<QString>("locale");
    QTest::newRow("screen") << u"screen"_s << 1.0 << u"en_US"_s;
    QTest::newRow("screen, 1.5 times the font") << u"screen"_s << 1.5 << u"en_US"_s;
    QTest::newRow("paper") << u"paper"_s << 1.0 << u"en_US"_s;
    QTest::newRow("paper, 1.5 times the font") << u"paper"_s << 1.5 << u"en_US"_s;
    for (const QString& szLocale : {u"de_DE"_s, u"fr_FR"_s, u"es_ES"_s}) {
        QTest::addRow("screen, %s", qPrintable(szLocale)) << u"screen"_s << 1.0 << szLocale;
        QTest::addRow("paper, %s", qPrintable(szLocale)) << u"paper"_s << 1.0 << szLocale;
    }
}

void test_report_text::columnsAligned() {
    QFETCH(QString, where);
    QFETCH(qreal, scale);
    QFETCH(QString, locale);
    const LanguageForTest language(locale);
    // Readings of every width, a day with no pulse, dates of narrow and wide months.
    const QList<Day> days{{u"20270301"_s, u"99"_s, u"59"_s, u"6"_s, u"short"_s},
                          {u"20270502"_s, u"1234"_s, u"5678"_s, u"100"_s, u"long reading"_s},
                          {u"20270703"_s, u"120"_s, u"80"_s, u""_s, u"no pulse"_s},
                          {u"20270904"_s, u"12345"_s, u"67890"_s, u"12345"_s, u"widest"_s},
                          {u"20271205"_s, u"1"_s, u"2"_s, u"3"_s, u"narrowest"_s}};
    QString szLines;
    for (const Day& day : days) {
        AddDay(day);
        szLines += u"\r\n"_s + ReportComposer::FormatDayKey(day.szKey) + u'\t' + day.szSys + u'/' +
                   day.szDia + u':' + day.szPulse + u"   \t"_s + day.szComment;
    }
    frmReport frm(reporttest::Readings());
    frm.resize(900, 700);
    // Shown, so that the box lays its text out as the user sees it.
    frm.show();
    QVERIFY(QTest::qWaitForWindowActive(&frm));
    frm.tim->stop();
    RichTextBox* box = where == u"screen"_s ? frm.rtb : frm.rtbPrint;
    QFont font = box->font();
    font.setPointSizeF(font.pointSizeF() * scale);
    box->setFont(font);
    box->SetText(QString());
    frm.BuildReport(*box);
    // The text of the lines is as it always was.
    QCOMPARE(DayPart(box->Text()), Heading() + szLines);

    QList<QPair<qreal, qreal>> starts;
    if (where == u"screen"_s) {
        QTRY_VERIFY(
            (starts = ColumnStarts(*box->document(), static_cast<int>(days.size()))).size() ==
            days.size());
    } else {
        // As the copy is laid out on paper (a printer's resolution, not the screen's).
        QBuffer buffer;
        QVERIFY(buffer.open(QIODevice::WriteOnly));
        QPdfWriter writer(&buffer);
        writer.setResolution(600);
        writer.setPageSize(QPageSize(QPageSize::A4));
        const std::unique_ptr<QTextDocument> paper = modPrint::LayoutForDevice(
            *box, writer, frmReport::kLeftMargin, frmReport::kTopMargin, frmReport::kRightMargin,
            frmReport::kBottomMargin, u"footer"_s);
        QVERIFY(paper != nullptr);
        starts = ColumnStarts(*paper, static_cast<int>(days.size()));
    }
    QCOMPARE(starts.size(), days.size());
    for (const auto& [reading, comment] : starts) {
        QCOMPARE(reading, starts[0].first);
        QCOMPARE(comment, starts[0].second);
    }
}

QTEST_MAIN(test_report_text)
#include "test_report_text.moc"
