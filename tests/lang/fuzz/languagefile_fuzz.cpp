// libFuzzer target: the checks of tst_languagefile's generated files, on
// what libFuzzer finds.
#include "support/languagefilechecks.h"

#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static QTemporaryDir folder;
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QString failure = LanguageFileChecks::bytesFailure(bytes);
    if (failure.isEmpty())
        failure = LanguageFileChecks::fileFailure(bytes, folder.filePath(QStringLiteral("es.lng")));
    if (!failure.isEmpty()) {
        qWarning("%s", qPrintable(failure));
        __builtin_trap();
    }
    return 0;
}
