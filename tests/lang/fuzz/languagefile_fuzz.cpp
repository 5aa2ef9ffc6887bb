// libFuzzer target: any bytes split into lines by the rules, are valid
// exactly when the rules say so, fill column 3 cell by cell when valid, and
// read the same from a file; the checks are those of
// tests/lang/tst_languagefilerobustness.cpp.
#include "support/languagefilechecks.h"

#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static QTemporaryDir folder;
    static const QString fileName = folder.filePath(QStringLiteral("es.lng"));
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QString failure = LanguageFileChecks::bytesFailure(bytes);
    if (failure.isEmpty())
        failure = LanguageFileChecks::fileFailure(bytes, fileName);
    if (!failure.isEmpty()) {
        qWarning("%s", qPrintable(failure));
        __builtin_trap();
    }
    return 0;
}
