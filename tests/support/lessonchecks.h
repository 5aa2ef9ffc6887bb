#pragma once

#include "lesson/lessonfile.h"

#include <QString>

// What holds for any bytes offered as a lesson, in every language: they are
// a lesson, written back as a text that reads as the same lesson, or they
// are refused with a reason and a line inside the file. Shared by
// tst_lessonfile and the fuzz target; returns what failed, or an empty text.
namespace LessonChecks {

inline QString lessonFailure(const QByteArray &bytes)
{
    for (int language = 0; language < 4; ++language) {
        const LessonFile::ReadResult read = LessonFile::parse(bytes, language);
        if (!read.lesson) {
            if (read.reason.isEmpty() || read.line < 0 || read.line > bytes.count('\n') + 1)
                return QStringLiteral("refused at line %1 for \"%2\"").arg(read.line).arg(read.reason);
            continue;
        }
        const QByteArray written = LessonFile::compose(*read.lesson);
        const LessonFile::ReadResult again = LessonFile::parse(written, language);
        if (!again.lesson)
            return QStringLiteral("its own text is refused: ") + again.reason;
        if (LessonFile::compose(*again.lesson) != written || !again.unknownKeys.isEmpty())
            return QStringLiteral("read back as another lesson, or with unknown keys");
    }
    return {};
}

} // namespace LessonChecks
