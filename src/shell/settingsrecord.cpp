#include "shell/settingsrecord.h"

#include "lang/cp1252.h"
#include "lang/languagetables.h"
#include "lang/regularfile.h"

#include <QDir>

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
    // A link is refused too: the file is read only where it may be written.
    const RegularFile::Contents contents =
        RegularFile::read(fileName, SettingsRecord::Size, RegularFile::Links::Refuse);
    if (contents.status == RegularFile::Status::Missing)
        return {SettingsReadStatus::Missing, {}};
    // Only the first record counts: what follows it is neither read nor an error.
    const bool recordRead =
        contents.status == RegularFile::Status::Read || contents.status == RegularFile::Status::TooLarge;
    const auto record = recordRead ? SettingsRecord::fromBytes(contents.bytes) : std::nullopt;
    if (!record)
        return {SettingsReadStatus::Damaged, {}};
    return {SettingsReadStatus::Read, *record};
}

QString configurationFolder(const QString &xdgConfigHome, const QString &homeFolder)
{
    const QString base = QDir::isAbsolutePath(xdgConfigHome) ? xdgConfigHome : homeFolder + QStringLiteral("/.config");
    return QDir::cleanPath(base + QStringLiteral("/aralda"));
}

QString settingsFilePath(const SettingsSurroundings &surroundings)
{
    const QString local = QString::fromLatin1(SettingsFileName);
    if (surroundings.localFileExists
        || (surroundings.workingFolderWritable && surroundings.workingFolder != surroundings.homeFolder))
        return local;
    return configurationFolder(surroundings.xdgConfigHome, surroundings.homeFolder) + QLatin1Char('/') + local;
}

QString settingsMessage(NoticeRow row, const QString &fileName)
{
    const QString name = QString::fromLatin1(SettingsFileName);
    const QString quoted = QLatin1Char('"') + name + QLatin1Char('"');
    QString text = noticeText(row);
    if (fileName != name)
        text.replace(quoted, QLatin1Char('"') + QDir::toNativeSeparators(fileName) + QLatin1Char('"'));
    return text;
}

std::optional<QString> writeSettingsFile(const SettingsRecord &record, const QString &fileName)
{
    // A link, a folder, a pipe or a device at the name is not the program's
    // to replace. One put there after this look is replaced itself by the
    // new file, but never written through.
    if (RegularFile::isNonRegular(fileName))
        return settingsMessage(SettingsFileNotRegular, fileName);
    if (const auto failure = RegularFile::write(fileName, record.toBytes(), RegularFile::Existing::Replace))
        return failure->reason();
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
