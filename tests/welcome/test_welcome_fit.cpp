// The welcome window in each language: every control inside the window, none overlapping
// another, every text within its control at the size it was designed for.

#include "i18n/Translations.h"
#include "tests/support/AppTestSupport.h"
#include "tests/support/WindowFit.h"
#include "welcome/frmWelcome.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QtTest>

using namespace Qt::StringLiterals;

class test_welcome_fit : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { HideOpacityWarnings(); }
    void cleanup() { RemoveTranslations(); }

    void fitsEachLanguage_data();
    void fitsEachLanguage();
};

void test_welcome_fit::fitsEachLanguage_data() {
    QTest::addColumn<QString>("language");
    // The title and a piece of advice, as the language says them.
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("advice");
    QTest::addColumn<QString>("close");
    QTest::newRow("en") << u"en_US"_s << u"Welcome to Tensiolog"_s
                        << u"Rest first. Sit quietly for five minutes, back supported, feet flat, "
                           u"legs uncrossed."_s
                        << u"Close"_s;
    QTest::newRow("de") << u"de_DE"_s << u"Willkommen bei Tensiolog"_s
                        << u"Erst ausruhen. Fünf Minuten sitzen, Rücken angelehnt, Füße "
                           u"flach, Beine nicht gekreuzt."_s
                        << u"Schließen"_s;
    QTest::newRow("fr") << u"fr_FR"_s << u"Bienvenue dans Tensiolog"_s
                        << u"Reposez-vous. Cinq minutes assis au calme, dos appuyé, pieds à plat, "
                           u"jambes non croisées."_s
                        << u"Fermer"_s;
    QTest::newRow("es") << u"es_ES"_s << u"Bienvenido a Tensiolog"_s
                        << u"Descanse. Cinco minutos sentado, espalda apoyada, pies "
                           u"planos, piernas sin cruzar."_s
                        << u"Cerrar"_s;
}

void test_welcome_fit::fitsEachLanguage() {
    QFETCH(QString, language);
    QFETCH(QString, title);
    QFETCH(QString, advice);
    QFETCH(QString, close);
    const QLocale locale(language);
    QCOMPARE(InstallTranslations(locale), locale.language() != QLocale::English);
    frmWelcome window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    // A look at the window, when asked for (TLG_SCREENSHOTS: a folder).
    const QString szFolder = qEnvironmentVariable("TLG_SCREENSHOTS");
    if (!szFolder.isEmpty()) {
        window.grab().save(QDir(szFolder).filePath(u"welcome-%1.png"_s.arg(language)));
    }
    // The words are the language's own.
    QCOMPARE(window.lblWords.value(1)->accessibleName(), title);
    QCOMPARE(window.lblWords.value(4)->accessibleName(), advice);
    QCOMPARE(window.btClose2->text(), close);
    QVERIFY(window.accessibleDescription().contains(advice));
    const QStringList problems = windowfit::Problems(window);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u"; "_s)));
    // Nothing had to be drawn smaller than designed: the words fit as they are.
    QStringList smaller;
    for (const QLabel* label : window.lblWords) {
        if (label->font().pixelSize() < (label == window.lblWords[1] ? 20 : 12)) {
            smaller << label->accessibleName();
        }
    }
    QVERIFY2(smaller.isEmpty(), qPrintable(smaller.join(u" | "_s)));
}

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    test_welcome_fit test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_welcome_fit.moc"
