#pragma once

#include <QString>
#include <QStringList>

class QCoreApplication;

// The languages the interface may be shown in, most wanted first, as the
// environment asks for them: LANGUAGE (a colon-separated list) over the
// locale of messages (LC_ALL, else LC_MESSAGES, else LANG). As with the
// system's own programs, a locale of "C" or "POSIX" (or none) means English
// whatever LANGUAGE says. Encodings and modifiers are dropped: "de_DE".
QStringList WantedLanguages();

// The translation file to load for those languages from FOLDER
// (tarvo_de_DE.qm, else tarvo_de.qm, language by language), or an empty
// string for English: the interface's own language ends the search, so
// "LANGUAGE=en:de" keeps English.
QString ChooseTranslation(const QStringList& languages, const QString& folder);

// Loads the chosen translation of the interface and Qt's own translation
// for the same language (the standard buttons of message boxes). Returns
// the language loaded ("de"), or an empty string for English. Calling it
// again replaces what an earlier call loaded.
QString InstallTranslations(QCoreApplication& app);

// The language of the interface as a language tag: "de" while the German
// translation is installed, "en" without a translation.
QString InterfaceLanguage();

// Where the interface's translations are: "translations" beside the
// shipped data.
QString TranslationsDir();
