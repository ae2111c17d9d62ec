#pragma once

// The program in the user's language. English is the source language; German, French and
// Spanish come as translations built into the program, with Qt's own texts for its dialogs.

#include <QLocale>
#include <QString>

// Installs the translation for the first of the locale's user-interface languages that the
// program speaks (German, French or Spanish), with Qt's own texts in that language, in place of
// any installed before. Returns false, and leaves English, when the locale prefers English or a
// language the program does not speak.
bool InstallTranslations(const QLocale& locale);

// Takes an installed translation out again; English remains.
void RemoveTranslations();

// The language of the installed translation ("de", "fr", "es"), or empty for English.
QString InstalledLanguage();

// The locale numbers and dates are shown in: the system's, or the language of the installed
// translation where the system's locale speaks another one; United States English where the
// system gives English or no language at all (the C locale), so that English texts look the same
// on every English system.
QLocale DisplayLocale();
