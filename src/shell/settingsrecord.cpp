#include "shell/settingsrecord.h"

#include "lang/cp1252.h"
#include "lang/languagetables.h"

#include <QFile>
#include <QSaveFile>

namespace {

constexpr int HintsOffset = 0;
constexpr int LanguageOffset = 1;
constexpr int PathLengthOffset = 2;
constexpr int PathOffset = 3;

} // namespace

QByteArray SettingsRecord::toBytes() const
{
    QByteArray bytes(Size, '\0');
    const QByteArray stored = path.left(PathCapacity);
    bytes[HintsOffset] = hints ? 1 : 0;
    bytes[LanguageOffset] = static_cast<char>(language);
    bytes[PathLengthOffset] = static_cast<char>(stored.size());
    bytes.replace(PathOffset, stored.size(), stored);
    return bytes;
}

std::optional<SettingsRecord> SettingsRecord::fromBytes(const QByteArray &bytes)
{
    if (bytes.size() < Size)
        return std::nullopt;
    const int pathLength = static_cast<unsigned char>(bytes[PathLengthOffset]);
    if (pathLength > PathCapacity)
        return std::nullopt;
    SettingsRecord record;
    record.hints = bytes[HintsOffset] != 0;
    record.language = static_cast<quint8>(bytes[LanguageOffset]);
    record.path = bytes.mid(PathOffset, pathLength);
    return record;
}

QString SettingsRecord::pathText() const
{
    return Cp1252::decode(path);
}

void SettingsRecord::setPathText(const QString &text)
{
    const auto bytes = Cp1252::encode(text.left(PathCapacity));
    path = bytes.value_or(QByteArray());
}

SettingsReadResult readSettingsFile(const QString &fileName)
{
    QFile file(fileName);
    if (!file.exists())
        return {SettingsReadStatus::Missing, {}};
    if (!file.open(QIODevice::ReadOnly))
        return {SettingsReadStatus::Damaged, {}};
    const auto record = SettingsRecord::fromBytes(file.read(SettingsRecord::Size));
    if (!record || file.error() != QFileDevice::NoError)
        return {SettingsReadStatus::Damaged, {}};
    return {SettingsReadStatus::Read, *record};
}

std::optional<QString> writeSettingsFile(const SettingsRecord &record, const QString &fileName)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    const QByteArray bytes = record.toBytes();
    // QSaveFile::commit() renames even after a short write, so the record is
    // flushed and checked first: a full disk must not replace a good file.
    if (file.write(bytes) != bytes.size() || !file.flush() || file.size() != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    if (!file.commit())
        return file.errorString();
    return std::nullopt;
}

std::optional<SettingsRecord> settingsToSave(SettingsRecord record, const SettingsAtExit &state)
{
    if (!state.defaultLanguageChecked && record.hints == state.showHints)
        return std::nullopt;
    if (state.defaultLanguageChecked) {
        record.setPathText(state.languageIndex == LoadedLanguage ? state.languageFilePath : QString());
        record.language = static_cast<quint8>(state.languageIndex);
    }
    record.hints = state.showHints;
    return record;
}
