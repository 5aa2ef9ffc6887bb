#pragma once

// What must hold for any bytes read as a settings record, by rules written
// apart from the reader; each check returns what failed, or an empty text.

#include "lang/cp1252.h"
#include "shell/settingsrecord.h"

#include <QFile>

namespace SettingsChecks {

// A record is the first 203 bytes with a path length of at most 200.
inline bool isRecord(const QByteArray &bytes)
{
    return bytes.size() >= 203 && static_cast<unsigned char>(bytes[2]) <= 200;
}

inline QString recordFailure(const QByteArray &bytes)
{
    const auto record = SettingsRecord::fromBytes(bytes);
    if (bool(record) != isRecord(bytes))
        return QStringLiteral("accepted %1, a record %2").arg(bool(record)).arg(isRecord(bytes));
    if (!record)
        return {};
    const int length = static_cast<unsigned char>(bytes[2]);
    if (record->hints != (bytes[0] != 0) || record->language != static_cast<unsigned char>(bytes[1])
        || record->path != bytes.mid(3, length))
        return QStringLiteral("fields differ from the bytes");
    QByteArray expected = bytes.left(203);
    expected[0] = bytes[0] != 0 ? 1 : 0;
    expected.replace(3 + length, 200 - length, QByteArray(200 - length, '\0'));
    if (record->toBytes() != expected)
        return QStringLiteral("written back as other bytes");
    // Every byte is a Windows-1252 character, so the path's text holds it whole.
    if (Cp1252::encode(record->pathText()) != record->path)
        return QStringLiteral("the path's text loses bytes");
    return {};
}

// The same bytes as the file `fileName`, read by the program's reader.
inline QString fileFailure(const QByteArray &bytes, const QString &fileName)
{
    {
        QFile file(fileName);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
            return QStringLiteral("test file not written");
    }
    const SettingsReadResult result = readSettingsFile(fileName);
    if (result.status != (isRecord(bytes) ? SettingsReadStatus::Read : SettingsReadStatus::Damaged))
        return QStringLiteral("file read as status %1").arg(int(result.status));
    if (isRecord(bytes) && result.record.toBytes() != SettingsRecord::fromBytes(bytes)->toBytes())
        return QStringLiteral("file read as another record");
    return {};
}

} // namespace SettingsChecks
