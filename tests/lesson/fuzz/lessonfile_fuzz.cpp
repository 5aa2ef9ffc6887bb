// libFuzzer target: any bytes are a lesson written back as itself, or
// refused with a reason; the checks are those of
// tests/lesson/tst_lessonfile.cpp.
#include "support/lessonchecks.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString failure =
        LessonChecks::lessonFailure(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    if (!failure.isEmpty()) {
        qWarning("%s", qPrintable(failure));
        __builtin_trap();
    }
    return 0;
}
