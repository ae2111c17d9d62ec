#include "i18n/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

#include <array>

namespace {

// The languages the program speaks besides English.
constexpr std::array kLanguages{"de", "fr", "es"};

struct Installed {
    QPointer<QTranslator> own;
    QPointer<QTranslator> qt;
    QString szLanguage;
};

Installed& State() {
    static Installed state;
    return state;
}

void Drop(QPointer<QTranslator>& translator) {
    if (translator) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    translator = nullptr;
}

// The language part of a user-interface language name ("de-AT" gives "de").
QString LanguageOf(const QString& szUiLanguage) {
    return szUiLanguage.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
}

QString SpokenLanguage(const QLocale& locale) {
    for (const QString& szUi : locale.uiLanguages()) {
        const QString szLanguage = LanguageOf(szUi);
        if (szLanguage == QLatin1String("en") || szLanguage == QLatin1String("c")) {
            return {};
        }
        for (const char* pszKnown : kLanguages) {
            if (szLanguage == QLatin1String(pszKnown)) {
                return szLanguage;
            }
        }
    }
    return {};
}

} // namespace

bool InstallTranslations(const QLocale& locale) {
    RemoveTranslations();
    const QString szLanguage = SpokenLanguage(locale);
    if (szLanguage.isEmpty() || QCoreApplication::instance() == nullptr) {
        return false;
    }
    auto* pOwn = new QTranslator(QCoreApplication::instance());
    if (!pOwn->load(QStringLiteral(":/i18n/tlg_%1.qm").arg(szLanguage))) {
        delete pOwn;
        return false;
    }
    QCoreApplication::installTranslator(pOwn);
    Installed& state = State();
    state.own = pOwn;
    state.szLanguage = szLanguage;
    // Qt's own dialog texts (buttons of message boxes, the print dialog); missing files leave
    // them in English.
    auto* pQt = new QTranslator(QCoreApplication::instance());
    if (pQt->load(QStringLiteral("qtbase_%1").arg(szLanguage),
                  QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(pQt);
        state.qt = pQt;
    } else {
        delete pQt;
    }
    return true;
}

void RemoveTranslations() {
    Installed& state = State();
    Drop(state.own);
    Drop(state.qt);
    state.szLanguage.clear();
}

QString InstalledLanguage() {
    return State().szLanguage;
}

QLocale DisplayLocale() {
    const QLocale system = QLocale::system();
    const QString& szInstalled = State().szLanguage;
    if (!szInstalled.isEmpty()) {
        return LanguageOf(system.name()) == szInstalled ? system : QLocale(szInstalled);
    }
    if (system.language() == QLocale::English || system.language() == QLocale::C) {
        return QLocale(QLocale::English, QLocale::UnitedStates);
    }
    return system;
}
