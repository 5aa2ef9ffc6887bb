#pragma once

// What must hold for any bytes read as a settings record, checked against
// rules written here apart from the reader: shared by the robustness test
// (tests/shell/tst_settingsrobustness.cpp) and the fuzz target
// (tests/shell/fuzz/settingsrecord_fuzz.cpp). Each check returns what
// failed, or an empty text.

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
    const QByteArray written = record->toBytes();
    QByteArray expected = bytes.left(203);
    expected[0] = bytes[0] != 0 ? 1 : 0;
    expected.replace(3 + length, 200 - length, QByteArray(200 - length, '\0'));
    if (written != expected)
        return QStringLiteral("written back as other bytes");
    const auto again = SettingsRecord::fromBytes(written);
    if (!again || again->toBytes() != written)
        return QStringLiteral("its own bytes are not read back");
    // Every byte is a Windows-1252 character, so the path's text holds it whole.
    SettingsRecord copy = *record;
    copy.setPathText(record->pathText());
    if (copy.path != record->path || Cp1252::encode(record->pathText()) != record->path)
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
    const SettingsReadStatus expected = isRecord(bytes) ? SettingsReadStatus::Read : SettingsReadStatus::Damaged;
    if (result.status != expected)
        return QStringLiteral("file read as status %1").arg(int(result.status));
    if (expected == SettingsReadStatus::Read && result.record.toBytes() != SettingsRecord::fromBytes(bytes)->toBytes())
        return QStringLiteral("file read as another record");
    return {};
}

// What exit writes, for any record read and any state of the run.
inline QString savingFailure(const SettingsRecord &read, const SettingsAtExit &state)
{
    const auto saved = settingsToSave(read, state);
    const bool expectSaved = state.defaultLanguageChecked || read.hints != state.showHints;
    if (bool(saved) != expectSaved)
        return QStringLiteral("saved %1").arg(bool(saved));
    if (!saved)
        return {};
    if (saved->hints != state.showHints)
        return QStringLiteral("hints not saved");
    const int language = state.defaultLanguageChecked ? state.languageIndex : read.language;
    if (saved->language != static_cast<quint8>(language))
        return QStringLiteral("language %1 saved for %2").arg(saved->language).arg(language);
    if (!state.defaultLanguageChecked && saved->path != read.path)
        return QStringLiteral("path changed without the default language");
    if (state.defaultLanguageChecked && state.languageIndex != 3 && !saved->path.isEmpty())
        return QStringLiteral("path kept for a built-in language");
    if (saved->path.size() > SettingsRecord::PathCapacity)
        return QStringLiteral("path past 200 bytes");
    if (state.defaultLanguageChecked && state.languageIndex == 3) {
        const auto encoded = Cp1252::encode(state.languageFilePath.left(SettingsRecord::PathCapacity));
        if (saved->path != encoded.value_or(QByteArray()))
            return QStringLiteral("path not the loaded file's");
    }
    return {};
}

} // namespace SettingsChecks
