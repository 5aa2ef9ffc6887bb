#pragma once

#include "lang/languagetables.h"

#include <QByteArray>
#include <QString>
#include <optional>

// The 203-byte record of "Aralda.cfg": hints byte, language byte, path length
// byte and 200 path bytes in Windows-1252. Older copies of the program read
// the same bytes, so the layout never changes.
struct SettingsRecord {
    static constexpr int Size = 203;
    static constexpr int PathCapacity = 200;

    bool hints = false;
    quint8 language = 1;
    QByteArray path; // Windows-1252 bytes, at most PathCapacity

    QByteArray toBytes() const;
    // Empty for a record that is too short or whose path length is impossible.
    static std::optional<SettingsRecord> fromBytes(const QByteArray &bytes);

    QString pathText() const;
    // A path with a character outside Windows-1252 is not stored: a later
    // start would otherwise open a different file than the one the user chose.
    void setPathText(const QString &text);
};

constexpr const char *SettingsFileName = "Aralda.cfg";

// What decides where the settings are kept, as found at start.
struct SettingsSurroundings {
    QString workingFolder; // canonical
    QString homeFolder;    // canonical
    QString xdgConfigHome; // the variable as set, possibly empty
    bool localFileExists = false; // anything at ./Aralda.cfg, a link included
    bool workingFolderWritable = false;
};

// The program's own configuration folder: $XDG_CONFIG_HOME/aralda, or
// ~/.config/aralda when the variable is unset or not an absolute path.
QString configurationFolder(const QString &xdgConfigHome, const QString &homeFolder);

// "Aralda.cfg" in the working folder, as always, when it is already there or
// when the folder is writable and is not the home folder; otherwise the file
// in the configuration folder. Started from a menu, the working folder is the
// home folder or one the user cannot write: the settings are neither left
// lying in the home folder nor lost at every exit.
QString settingsFilePath(const SettingsSurroundings &surroundings);

// A message about the settings file with its path in place of the file's
// name when the file is not the working folder's.
QString settingsMessage(NoticeRow row, const QString &fileName);

enum class SettingsReadStatus { Read, Missing, Damaged };

struct SettingsReadResult {
    SettingsReadStatus status = SettingsReadStatus::Missing;
    SettingsRecord record;
};

// Reads the first record of a regular file. Anything else standing at the
// name (a link, a folder, a pipe, a device) is never opened and counts as
// damaged; so does a file shorter than a record.
SettingsReadResult readSettingsFile(const QString &fileName = QString::fromLatin1(SettingsFileName));

// Replaces a regular file atomically and durably, keeping its owner and
// mode, or creates one; returns the reason when it could not. Whatever else
// stands at the name is left as it is.
std::optional<QString> writeSettingsFile(const SettingsRecord &record,
                                         const QString &fileName = QString::fromLatin1(SettingsFileName));

// What the program knows at exit that decides the file's content.
struct SettingsAtExit {
    bool defaultLanguageChecked = false;
    bool showHints = true;
    int languageIndex = 1;
    QString languageFilePath;
};

// The record to write at exit, or nothing when neither the hints changed nor
// the user asked to keep the current language as the default.
std::optional<SettingsRecord> settingsToSave(SettingsRecord record, const SettingsAtExit &state);
