#pragma once

#include <QByteArray>
#include <QString>

// The files the program reads (the settings record, language files, flag
// pictures) are named by users and translators, and anything may stand at
// such a name: a link, a pipe that never ends or never starts, a device that
// pours out bytes for ever. Only regular files are read, and only so far.
namespace RegularFile {

enum class Status {
    Read,
    Missing,
    NotRegular, // a folder, a pipe, a device, or a link where links are refused
    TooLarge,   // the first `limit` bytes are kept
    Unreadable,
};

struct Contents {
    Status status = Status::Missing;
    QByteArray bytes;
};

enum class Links {
    Follow, // a link to a regular file is read
    Refuse, // the name itself must be a regular file
};

// Never opens anything but a regular file, never waits on one, and never
// holds more than `limit` bytes. `name` is spelt as the file system spells
// it, byte for byte; `path` in the local 8-bit file-name encoding.
Contents read(const QByteArray &name, qsizetype limit, Links links);
Contents read(const QString &path, qsizetype limit, Links links);

// Whether `path` itself, links not followed, names something other than a
// regular file: a link, a folder, a pipe, a device. False when nothing
// stands there, or when that cannot be told (the writer then meets the
// reason itself).
bool isNonRegular(const QString &path);

} // namespace RegularFile
