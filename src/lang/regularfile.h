#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The files the program reads (the settings record, language files, flag
// pictures) are named by users and translators, and anything may stand at
// such a name: a link, a pipe that never ends or never starts, a device that
// pours out bytes for ever. Only regular files are read, and only so far.
// The files it writes (the settings record, pictures, language templates)
// are written whole or not at all, and never through a link.
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

enum class Existing {
    // What stands at the name, a link itself and never its target, gives way
    // to the new file; a regular file's owner and mode pass to it where the
    // process may set them.
    Replace,
    // Anything at the name, a dangling link too, refuses the write with EEXIST.
    Keep,
};

struct WriteFailure {
    int error = 0;          // the system's errno
    QString reason() const; // the same in the system's words
};

// Writes `bytes` into a temporary file of its own beside `path`, synced to
// the disk, and then puts it at `path` in one step, so `path` holds either
// what stood there or all of `bytes`. A failure leaves no temporary file.
// `name` is spelt byte for byte, `path` in the local file-name encoding.
std::optional<WriteFailure> write(const QByteArray &name, const QByteArray &bytes, Existing existing);
std::optional<WriteFailure> write(const QString &path, const QByteArray &bytes, Existing existing);

// Removes the temporary files that writes to `path` left when the program
// was killed half-way, and nothing else.
void removeWriteLeftovers(const QString &path);

} // namespace RegularFile
