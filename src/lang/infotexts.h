#pragma once

#include <QString>
#include <QStringList>

// The long texts of the information window and the notes window. The
// built-in columns are Italian, English and French; with the loaded language
// in force both windows take their lines from the language file kept in
// Language.LanguageLines, each behind its three-character prefix.
namespace InfoTexts {

// The information window: lines 0..81 of a language file.
constexpr int InformationLineCount = 82;
constexpr int InformationWidth = 65;

// The notes window: its line 0 is always empty; lines 1..46 come from lines
// 231..276 of a language file.
constexpr int NotesLineCount = 47;
constexpr int NotesWidth = 70;
constexpr int NotesFirstFileLine = 231;

// A built-in cell, column 0..2; empty for any other line or column, since
// neither text has a built-in fourth column.
QString builtInInformationLine(int line, int column);
QString builtInNotesLine(int line, int column);

// What each window shows in the language `column` (a LanguageIndex): always
// InformationLineCount or NotesLineCount lines, empty where a loaded file
// has none.
QStringList informationLines(int column);
QStringList notesLines(int column);

} // namespace InfoTexts
