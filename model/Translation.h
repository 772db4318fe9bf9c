#pragma once

// The programs' texts in the user's language: German, French or Japanese where the system's UI
// languages ask for one of them, English (the texts as written in the code) otherwise. Zemtrix's
// translations are embedded in the programs; Qt's own (its dialogs' buttons) are taken from Qt's
// translations folder where the system has them.

#include <QString>
#include <QStringList>

// The languages Zemtrix is translated into, besides English.
QStringList TranslatedLanguages();

// The first of AUiLanguages (most wanted first, as QLocale::uiLanguages gives them: "de-DE",
// "fr", "ja_JP.UTF-8") that Zemtrix speaks: "de", "fr" or "ja", or empty for English, which is
// also the answer when English comes first or none of them is asked for.
QString TranslationLanguage(const QStringList& AUiLanguages);

// Installs into the running QCoreApplication the translations for the best of AUiLanguages,
// replacing those installed by an earlier call. Returns the language, empty for English (no
// translation installed, also without an application or when a translation cannot be loaded).
QString InstallTranslations(const QStringList& AUiLanguages);

// The same for the system's UI languages (QLocale::system().uiLanguages(), which follows
// LANGUAGE, then LC_ALL, LC_MESSAGES and LANG).
QString InstallSystemTranslations();
