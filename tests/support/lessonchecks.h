#pragma once

#include "lesson/lessonfile.h"

#include <QString>

// What holds for any bytes offered as a lesson: they are a lesson, which is
// written back as a text that reads as the same lesson, or they are refused
// with a reason and a line inside the file. Shared by the robustness test and
// the fuzz target.
namespace LessonChecks {

inline QString lessonFailure(const QByteArray &bytes)
{
    for (int language = 0; language < 4; ++language) {
        const LessonFile::ReadResult read = LessonFile::parse(bytes, language);
        if (!read.lesson) {
            if (read.reason.isEmpty())
                return QStringLiteral("refused without a reason");
            if (read.line < 0 || read.line > bytes.count('\n') + 1)
                return QStringLiteral("refused at line %1, outside the file").arg(read.line);
            continue;
        }
        const QByteArray written = LessonFile::compose(*read.lesson);
        const LessonFile::ReadResult again = LessonFile::parse(written, language);
        if (!again.lesson)
            return QStringLiteral("its own text is refused: ") + again.reason;
        if (LessonFile::compose(*again.lesson) != written)
            return QStringLiteral("read back as another lesson");
        if (!again.unknownKeys.isEmpty())
            return QStringLiteral("its own text has unknown keys");
    }
    return {};
}

} // namespace LessonChecks
