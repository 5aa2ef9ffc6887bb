// libFuzzer target: any bytes are a record or refused as damaged, read the
// same from memory and from a file, and a record is written back as itself;
// the checks are those of tests/shell/tst_settingsrobustness.cpp.
#include "support/settingschecks.h"

#include <QDir>
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
    if (failure.isEmpty() && size >= 4) {
        // The first bytes also choose a state of the run at exit.
        SettingsRecord read;
        read.hints = data[0] & 1;
        read.language = data[1] % 7;
        read.path = bytes.mid(4, data[2] % 201);
        const SettingsAtExit state{bool(data[3] & 1), bool(data[3] & 2), (data[3] >> 2) % 7,
                                   data[3] & 0x80 ? QString::fromUtf8(bytes.mid(4)) : QString::fromLatin1(bytes.mid(4))};
        failure = SettingsChecks::savingFailure(read, state);
    }
    if (!failure.isEmpty()) {
        qWarning("%s", qPrintable(failure));
        __builtin_trap();
    }
    return 0;
}
