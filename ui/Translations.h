#pragma once
// The program's window texts in the user's language. English is the source
// language and needs no catalogue; for another language the program loads its
// own catalogue (quillbay_<language>.qm, compiled from translations/*.ts) and
// Qt's (qtbase_<language>.qm: standard buttons, file dialogs, edit menus)
// when they are there, chosen by the locale's user-interface languages
// (LANGUAGE, LC_ALL, LC_MESSAGES, LANG). The catalogues stay installed until
// RemoveTranslations; nothing here changes the pages that the program writes.

#include <QLocale>
#include <QStringList>

// Where the program's catalogue is looked for, in order: the installed
// translations folder beside the help pages, then the folder beside the
// program (the build tree).
QStringList TranslationFolders();

// Installs the catalogues for Locale, replacing any installed before. Answers
// whether the program's own catalogue was found; without one the texts stay
// English.
bool InstallTranslations(const QLocale& Locale, const QStringList& Folders);
void RemoveTranslations();

// The language of the installed catalogue ("de"), empty while the texts are
// English; the help pages follow it.
QString TranslationLanguage();
