// English plural forms ("1 day", "2 days") for every program and test that links the
// translations: the source texts count with %n, and English needs its own two forms of each.
// This file is linked as an object of its own into every executable, so that its start-up
// function runs wherever a QCoreApplication is made.

#include <QCoreApplication>
#include <QTranslator>

namespace {

void InstallEnglishForms() {
    auto* pForms = new QTranslator(QCoreApplication::instance());
    if (pForms->load(QStringLiteral(":/i18n/tlg_en.qm"))) {
        QCoreApplication::installTranslator(pForms);
    } else {
        delete pForms;
    }
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(InstallEnglishForms)
