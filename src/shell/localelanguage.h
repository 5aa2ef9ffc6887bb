#pragma once

#include <QLocale>

// The language a first run starts in comes from the user's locale, matched
// through the numeric locale identifiers of the Windows table that the
// program's language files were made for.
namespace LocaleLanguage {

// 0 when the locale has no identifier in the table.
int localeIdentifier(const QLocale &locale);

// 0 Italian, 1 English, 2 French, 4 Spanish, 5 Portuguese, 6 German;
// English for any identifier not in the table.
int languageForIdentifier(int identifier);

// The default locale is the user's (LANG, LC_ALL) unless a test sets another.
int preselectedLanguage(const QLocale &locale = QLocale());

} // namespace LocaleLanguage
