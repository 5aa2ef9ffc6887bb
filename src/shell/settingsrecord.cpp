#include "shell/settingsrecord.h"

#include "lang/cp1252.h"
#include "lang/languagetables.h"
#include "lang/regularfile.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
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

std::optional<QString> writeSettingsFile(const SettingsRecord &record, const QString &fileName)
{
    // QSaveFile writes through a link into its target and puts a new file in
    // place of a pipe or a device; none of them is the program's to replace.
    // (Something put there between this look and the save can still be
    // replaced, but is never written through.)
    if (RegularFile::isNonRegular(fileName))
        return noticeText(SettingsFileNotRegular);
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

int removeWriteLeftovers(const QString &fileName)
{
    // QSaveFile writes into "<name>.XXXXXX", six letters, beside the file
    // and renames it over the file at the end; a run ended in between leaves
    // it. Such a file never holds more than a record, and one that does, or
    // is a link or a folder, is somebody else's.
    const QFileInfo settings(fileName);
    const QRegularExpression leftover(QRegularExpression::anchoredPattern(
        QRegularExpression::escape(settings.fileName()) + QStringLiteral("\\.[A-Za-z]{6}")));
    int removed = 0;
    for (const QFileInfo &entry : settings.dir().entryInfoList(QDir::Files | QDir::Hidden | QDir::NoSymLinks)) {
        if (leftover.match(entry.fileName()).hasMatch() && !RegularFile::isNonRegular(entry.filePath())
            && entry.size() <= SettingsRecord::Size && QFile::remove(entry.filePath()))
            ++removed;
    }
    return removed;
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
