#include "i18n/LocalDates.h"
#include "i18n/Translations.h"

#include <QCoreApplication>
#include <QtTest>

class TestTranslations : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { RemoveTranslations(); }

    void languageForLocale_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("language");
        QTest::newRow("German") << u"de_DE"_qs << u"de"_qs;
        QTest::newRow("Austrian German") << u"de_AT"_qs << u"de"_qs;
        QTest::newRow("Swiss French") << u"fr_CH"_qs << u"fr"_qs;
        QTest::newRow("French") << u"fr_FR"_qs << u"fr"_qs;
        QTest::newRow("Spanish") << u"es_ES"_qs << u"es"_qs;
        QTest::newRow("Mexican Spanish") << u"es_MX"_qs << u"es"_qs;
        QTest::newRow("US English") << u"en_US"_qs << QString();
        QTest::newRow("British English") << u"en_GB"_qs << QString();
        QTest::newRow("Italian, not spoken") << u"it_IT"_qs << QString();
        QTest::newRow("C") << u"C"_qs << QString();
    }
    void languageForLocale() {
        QFETCH(QString, locale);
        QFETCH(QString, language);
        QCOMPARE(InstallTranslations(QLocale(locale)), !language.isEmpty());
        QCOMPARE(InstalledLanguage(), language);
        const QString szFormat = QCoreApplication::translate("LocalDates", "dd MMM yyyy");
        QCOMPARE(szFormat == u"dd MMM yyyy"_qs, language.isEmpty());
    }

    // A second language replaces the first, and taking it out gives English back.
    void replaceAndRemove() {
        QVERIFY(InstallTranslations(QLocale(u"de_DE"_qs)));
        QVERIFY(InstallTranslations(QLocale(u"es_ES"_qs)));
        QCOMPARE(InstalledLanguage(), u"es"_qs);
        QCOMPARE(LocalDates::LongDate(QDate(2027, 3, 7)), u"7 de marzo de 2027"_qs);
        RemoveTranslations();
        QCOMPARE(InstalledLanguage(), QString());
        QCOMPARE(LocalDates::LongDate(QDate(2027, 3, 7)), u"7 March 2027"_qs);
    }

    void localDates_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("row");
        QTest::addColumn<QString>("shortDate");
        QTest::addColumn<QString>("longDate");
        const QDate march(2027, 3, 7);
        const QDate september(2026, 9, 30);
        QTest::newRow("English") << u"en_US"_qs << march << u"07/03"_qs << u"07 Mar 2027"_qs
                                 << u"7 March 2027"_qs;
        QTest::newRow("English, September") << u"en_GB"_qs << september << u"30/09"_qs
                                            << u"30 Sep 2026"_qs << u"30 September 2026"_qs;
        QTest::newRow("German") << u"de_DE"_qs << march << u"07.03."_qs << u"07.03.2027"_qs
                                << u"7. März 2027"_qs;
        QTest::newRow("French") << u"fr_FR"_qs << march << u"07/03"_qs << u"07/03/2027"_qs
                                << u"7 mars 2027"_qs;
        QTest::newRow("French, December") << u"fr_FR"_qs << QDate(2026, 12, 1) << u"01/12"_qs
                                          << u"01/12/2026"_qs << u"1 décembre 2026"_qs;
        QTest::newRow("Spanish") << u"es_ES"_qs << march << u"07/03"_qs << u"07/03/2027"_qs
                                 << u"7 de marzo de 2027"_qs;
    }
    void localDates() {
        QFETCH(QString, locale);
        QFETCH(QDate, date);
        InstallTranslations(QLocale(locale));
        QTEST(LocalDates::RowLabel(date), "row");
        QTEST(LocalDates::ShortDate(date), "shortDate");
        QTEST(LocalDates::LongDate(date), "longDate");
    }

    // Numbers in the language shown, English where no translation is installed.
    void displayLocale_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("number");
        QTest::newRow("English") << u"en_GB"_qs << u"32,767"_qs;
        QTest::newRow("German") << u"de_DE"_qs << u"32.767"_qs;
        QTest::newRow("Spanish") << u"es_ES"_qs << u"32.767"_qs;
    }
    void displayLocale() {
        QFETCH(QString, locale);
        InstallTranslations(QLocale(locale));
        QTEST(DisplayLocale().toString(32767), "number");
    }

    // Qt's own dialog buttons come in the installed language too.
    void qtOwnTexts_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("yes");
        QTest::newRow("German") << u"de_DE"_qs << u"&Ja"_qs;
        QTest::newRow("French") << u"fr_FR"_qs << u"&Oui"_qs;
        QTest::newRow("Spanish") << u"es_ES"_qs << u"&Sí"_qs;
    }
    void qtOwnTexts() {
        QFETCH(QString, locale);
        QVERIFY(InstallTranslations(QLocale(locale)));
        QTEST(QCoreApplication::translate("QPlatformTheme", "&Yes"), "yes");
    }
};

QTEST_GUILESS_MAIN(TestTranslations)
#include "test_i18n_translations.moc"
