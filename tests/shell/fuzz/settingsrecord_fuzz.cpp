// libFuzzer target: any bytes are a record or refused as damaged, read the
// same from memory and from a file, and a record is written back as itself;
// the checks are tst_settingsrecord's.
#include "support/settingschecks.h"

#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static QTemporaryDir folder;
    static const QString fileName = folder.filePath(QStringLiteral("Aralda.cfg"));
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QString failure = SettingsChecks::recordFailure(bytes);
    if (failure.isEmpty())
        failure = SettingsChecks::fileFailure(bytes, fileName);
    if (!failure.isEmpty()) {
        qWarning("%s", qPrintable(failure));
        __builtin_trap();
    }
    return 0;
}
