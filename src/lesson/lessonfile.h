#pragma once

#include "transform/transformsettings.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

// A prepared lesson: what a teacher confirms through the workspace's
// dialogs, kept as plain UTF-8 text that can be read and mended by hand:
//
//   Aralda lesson 1
//   title = Two parallel axes
//   mode = figure
//   transformations = 2
//   figure = triangle
//   a = 1 1
//   ...
//   1.kind = symmetry
//   1.symmetry = vertical
//   1.x = 2
//
// Kinds and options are written by fixed English keys, never by the texts of
// the language in force, so a lesson saved in Italian opens in French.
struct Lesson {
    QString title;
    QString note;
    bool frameMode = false; // "Assi": the axes move
    int transformCount = 1;
    int zoomDivisor = 1; // 1, 2 or 3: 100%, 50%, 33%
    bool primes = false; // images lettered A′, A″ and coloured run by run
    // The figure and both slots' parameters, as the dialogs show them; the
    // rest of the store is not part of a lesson.
    TransformSettingsValues values;
    std::array<int, 2> kinds{-1, -1}; // each slot's TransformKind, -1 none
};

namespace LessonFile {

inline constexpr const char *FirstLine = "Aralda lesson 1";
inline constexpr const char *FirstWords = "Aralda lesson ";
inline constexpr int Version = 1;
inline constexpr const char *Suffix = "aralda";
// Far more than the longest lesson with a long note.
inline constexpr qsizetype SizeLimit = 64 * 1024;

struct ReadResult {
    std::optional<Lesson> lesson;
    int line = 0;   // of the fault, 0 for the file as a whole
    QString reason; // in the program's language; empty when the lesson was read
    QStringList unknownKeys; // skipped, reported once
};

// The lesson in `bytes`, or why it is refused. Every value is checked
// against the range of the control that would show it; none is clamped.
// `language` (a LanguageIndex) picks "title.it", "title.en" or "title.fr"
// over a plain "title", and the same for the note.
ReadResult parse(const QByteArray &bytes, int language);

// Reads a regular file of at most SizeLimit bytes at `path` and parses it.
ReadResult read(const QString &path, int language);

// The text of `lesson`, which parse() reads back to the same lesson.
QByteArray compose(const Lesson &lesson);

// Writes `lesson` at `path` atomically, never through a link; returns why
// it could not.
std::optional<QString> write(const Lesson &lesson, const QString &path);

// The store's values that the figure dialog, or the dialog of `slot`, shows
// when it opens, as a lesson holds them: what a teacher would have typed.
void putFigure(const TransformSettingsValues &lesson, TransformSettingsValues &store);
void putSlot(const TransformSettingsValues &lesson, int slot, TransformSettingsValues &store);

// "Message\nfile\nline 3: reason" for a refused file.
QString refusal(const QString &path, const ReadResult &result);

} // namespace LessonFile
