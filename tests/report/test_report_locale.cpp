// The report in the user's language: its day lines and summary with local dates, its window
// fitting every language, its printed page.

#include "diary/modGlobals.h"
#include "i18n/Translations.h"
#include "report/ReportComposer.h"
#include "report/RichTextBox.h"
#include "report/frmReport.h"
#include "tests/report/ReportTestData.h"
#include "tests/report/ReportTestTools.h"
#include "tests/support/WindowFit.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QTest>

using namespace Qt::StringLiterals;
using reporttest::AddDay;
using reporttest::AddReadings;

class test_report_locale : public QObject {
    Q_OBJECT

    reporttest::PrivateSettings m_settings;
    reporttest::Messages m_boxes;
    QTemporaryDir m_dir;

private slots:
    void init();
    void cleanup();

    void localDates_data();
    void localDates();
    void windowFits_data();
    void windowFits();
    void messagesAndHeader_data();
    void messagesAndHeader();
};

namespace {

// Takes the language in for the test (English needs none).
bool UseLanguage(const QString& szLocale) {
    const QLocale locale(szLocale);
    return InstallTranslations(locale) == (locale.language() != QLocale::English);
}

QStringList LinesFrom(const ReportComposition& composition, int iFirst, int iCount) {
    QStringList lines;
    for (int i = iFirst; i < iFirst + iCount; ++i) {
        lines << composition.lines[static_cast<size_t>(i)].Text();
    }
    return lines;
}

} // namespace

void test_report_locale::init() {
    reporttest::StartTest(m_boxes);
    SetToday(QDate(2027, 3, 9));
}

void test_report_locale::cleanup() {
    RemoveTranslations();
    SetToday(QDate());
    reporttest::EndTest();
}

void test_report_locale::localDates_data() {
    QTest::addColumn<QString>("locale");
    // The day lines, the summary's count line and its home-measurement week.
    QTest::addColumn<QStringList>("days");
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("week");
    QTest::newRow("en_US") << u"en_US"_s
                           << QStringList{u"01 Mar 2027"_s, u"  07:05\t120/80:72   \tWalked"_s,
                                          u"  19:30\t140/90:70   \t"_s,
                                          u"%1\t120/80:72   \tWalked"_s}
                           << u"1 Mar 2027 to 7 Mar 2027: 4 days with both pressures, 7 readings"_s
                           << u"Home measurement week 1 Mar 2027 to 3 Mar 2027, first day left "
                              u"out: 2 days, 4 readings"_s;
    QTest::newRow("de_DE")
        << u"de_DE"_s
        << QStringList{u"01.03.2027"_s, u"  07:05\t120/80:72   \tWalked"_s,
                       u"  19:30\t140/90:70   \t"_s, u"%1\t120/80:72   \tWalked"_s}
        << u"1. März 2027 bis 7. März 2027: 4 Tage mit beiden Blutdruckwerten, 7 Messungen"_s
        << u"Messwoche (Selbstmessung) 1. März 2027 bis 3. März 2027, ohne den ersten Tag: "
           u"2 Tage, 4 Messungen"_s;
    QTest::newRow("fr_FR") << u"fr_FR"_s
                           << QStringList{u"01/03/2027"_s, u"  07:05\t120/80:72   \tWalked"_s,
                                          u"  19:30\t140/90:70   \t"_s,
                                          u"%1\t120/80:72   \tWalked"_s}
                           << u"1 mars 2027 – 7 mars 2027\u00a0: 4 jours avec les deux valeurs "
                              u"de tension, 7 mesures"_s
                           << u"Semaine d’automesure du 1 mars 2027 au 3 mars 2027, sans le "
                              u"premier jour\u00a0: 2 jours, 4 mesures"_s;
    QTest::newRow("es_ES") << u"es_ES"_s
                           << QStringList{u"01/03/2027"_s, u"  07:05\t120/80:72   \tWalked"_s,
                                          u"  19:30\t140/90:70   \t"_s,
                                          u"%1\t120/80:72   \tWalked"_s}
                           << u"1 de marzo de 2027 – 7 de marzo de 2027: 4 días con los dos "
                              u"valores de presión, 7 lecturas"_s
                           << u"Semana de automedición del 1 de marzo de 2027 al 3 de marzo de "
                              u"2027, sin el primer día: 2 días, 4 lecturas"_s;
}

void test_report_locale::localDates() {
    QFETCH(QString, locale);
    QFETCH(QStringList, days);
    QFETCH(QString, count);
    QFETCH(QString, week);
    // The single day's line: its date as the first day's, a week later.
    days.last() = days.last().arg(QString(days.first()).replace(u"01"_s, u"07"_s));
    QVERIFY(UseLanguage(locale));
    // Morning and evening readings on three days running, then a day of one reading.
    AddReadings(u"20270301"_s, {{u"07:05"_s, u"120"_s, u"80"_s, u"72"_s, u"Walked"_s},
                                {u"19:30"_s, u"140"_s, u"90"_s, u"70"_s, QString()}});
    AddReadings(u"20270302"_s, {{u"07:00"_s, u"122"_s, u"81"_s, u"70"_s, QString()},
                                {u"20:00"_s, u"130"_s, u"85"_s, u"70"_s, QString()}});
    AddReadings(u"20270303"_s, {{u"07:00"_s, u"118"_s, u"79"_s, u"70"_s, QString()},
                                {u"20:00"_s, u"128"_s, u"84"_s, u"70"_s, QString()}});
    AddDay({u"20270307"_s, u"120"_s, u"80"_s, u"72"_s, u"Walked"_s});
    const ReportComposition composition = ReportComposer::Compose(reporttest::Readings());
    QCOMPARE(LinesFrom(composition, composition.iFirstDayLine, 3)
                 << composition.lines.back().Text(),
             days);
    QCOMPARE(composition.lines[static_cast<size_t>(composition.iFirstSummaryLine)].Text(), count);
    QVERIFY2(composition.Text().contains(week), qPrintable(composition.Text()));
}

void test_report_locale::windowFits_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("period");
    for (const QString& szLocale : {u"en_US"_s, u"de_DE"_s, u"fr_FR"_s, u"es_ES"_s}) {
        QTest::addRow("%s, all readings", qPrintable(szLocale))
            << szLocale << static_cast<int>(ReportPeriodKind::AllReadings);
        // The widest bottom row: the period's first and last day shown beside the choice.
        QTest::addRow("%s, from ... to ...", qPrintable(szLocale))
            << szLocale << static_cast<int>(ReportPeriodKind::FromTo);
    }
}

void test_report_locale::windowFits() {
    QFETCH(QString, locale);
    QFETCH(int, period);
    QVERIFY(UseLanguage(locale));
    reporttest::FillDays(20, QDate(2027, 2, 1));
    frmReport frm(reporttest::Readings());
    ReportPeriod chosen;
    chosen.kind = static_cast<ReportPeriodKind>(period);
    chosen.dtFrom = QDate(2027, 2, 1);
    chosen.dtTo = QDate(2027, 12, 30);
    frm.SetPeriod(chosen);
    frm.show();
    QVERIFY(QTest::qWaitForWindowActive(&frm));
    QTRY_VERIFY_WITH_TIMEOUT(
        frm.rtb->PictureCount() == 2 && !frm.tim->isActive() && !frm.IsWriting(), 3000);
    // A look at the window and its printed copy, when asked for (TLG_SCREENSHOTS: a folder).
    const QString szFolder = qEnvironmentVariable("TLG_SCREENSHOTS");
    if (!szFolder.isEmpty()) {
        const QString szName = u"report-%1-%2"_s.arg(locale).arg(period);
        frm.grab().save(QDir(szFolder).filePath(szName + u".png"_s));
        QVERIFY(frm.SavePdf(QDir(szFolder).filePath(szName + u".pdf"_s)));
    }
    const QStringList problems = windowfit::Problems(frm);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u"; "_s)));
}

void test_report_locale::messagesAndHeader_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("days");
    // The message after an export (%1: the file), and the header picture's words.
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("header");
    QTest::newRow("en_US, one day") << u"en_US"_s << 1 << u"1 day has been exported to %1."_s
                                    << u"Tensiolog, blood pressure diary"_s;
    QTest::newRow("en_US, two days") << u"en_US"_s << 2 << u"2 days have been exported to %1."_s
                                     << u"Tensiolog, blood pressure diary"_s;
    QTest::newRow("de_DE, one day") << u"de_DE"_s << 1 << u"1 Tag wurde nach %1 exportiert."_s
                                    << u"Tensiolog, Blutdrucktagebuch"_s;
    QTest::newRow("de_DE, two days") << u"de_DE"_s << 2 << u"2 Tage wurden nach %1 exportiert."_s
                                     << u"Tensiolog, Blutdrucktagebuch"_s;
    QTest::newRow("fr_FR, two days") << u"fr_FR"_s << 2 << u"2 jours ont été exportés vers %1."_s
                                     << u"Tensiolog, carnet de tension"_s;
    QTest::newRow("es_ES, one day")
        << u"es_ES"_s << 1 << u"Se ha exportado 1 día a %1."_s << u"Tensiolog, diario de presión"_s;
}

void test_report_locale::messagesAndHeader() {
    QFETCH(QString, locale);
    QFETCH(int, days);
    QFETCH(QString, message);
    QFETCH(QString, header);
    // The English header picture, before the language is taken in.
    QImage english;
    {
        frmReport frm(reporttest::Readings());
        english = frm.HeaderPicture();
    }
    QVERIFY(UseLanguage(locale));
    reporttest::FillDays(days, QDate(2027, 3, 1));
    frmReport frm(reporttest::Readings());
    const QString szPath = m_dir.filePath(u"readings.csv"_s);
    QVERIFY(frm.ExportCsv(szPath));
    QCOMPARE(m_boxes.shown.size(), size_t(1));
    QCOMPARE(m_boxes.shown[0].szText, message.arg(QDir::toNativeSeparators(szPath)));
    QCOMPARE(frmReport::HeaderPictureText(), header);
    // The picture says its words in the language too.
    QCOMPARE(frm.HeaderPicture().size(), english.size());
    QCOMPARE(frm.HeaderPicture() == english, locale == u"en_US"_s);
}

QTEST_MAIN(test_report_locale)
#include "test_report_locale.moc"
