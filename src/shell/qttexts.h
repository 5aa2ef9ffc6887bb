#pragma once

#include <QString>

// Qt draws some texts of its own: the file dialog, the buttons of message
// windows, the context menu of line edits. They follow the program's language
// through Qt's translation catalogues, one installed at a time.
namespace QtTexts {

// The catalogue for a language column, empty for Qt's built-in English.
// Italian and French take Qt's own. A loaded language takes a catalogue named
// as its file with the extension ".qm" beside it (as its flag picture is a
// ".bmp"), else Qt's own when the file is one of the default Spanish,
// Portuguese or German files, else none.
QString catalogueFor(int languageIndex, const QString &languageFilePath);

// Puts the catalogue of the language in force in place of the one before.
// False when Qt's English is in force afterwards, because the language has
// no catalogue or its file is missing or unreadable.
bool follow(int languageIndex, const QString &languageFilePath);

// The catalogue file in force, empty for Qt's English.
QString inForce();

// Qt's English again, as at start.
void reset();

} // namespace QtTexts
