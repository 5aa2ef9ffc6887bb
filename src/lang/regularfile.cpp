#include "lang/regularfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace RegularFile {

namespace {

Status failureOf(int error)
{
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return Status::Missing;
    case ELOOP: // O_NOFOLLOW met a link
        return Status::NotRegular;
    default:
        return Status::Unreadable;
    }
}

class Descriptor
{
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    int get() const { return m_fd; }
    // Closed here where the outcome counts: some file systems report a
    // failed write only now.
    bool close() { return ::close(std::exchange(m_fd, -1)) == 0; }

private:
    int m_fd;
};

// The temporary files of writes to NAME are ".NAME.aralda-tmp-" and six
// letters or digits: hidden, and named so that no user would choose such a
// name for a file of their own, which a start must never take for a
// leftover.
QByteArray temporaryPrefix(const QByteArray &name)
{
    return '.' + name + ".aralda-tmp-";
}

constexpr int TemporarySuffixLength = 6;

QByteArray temporaryName(const QByteArray &name)
{
    static constexpr char Characters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QByteArray temporary = temporaryPrefix(name);
    for (int i = 0; i < TemporarySuffixLength; ++i)
        temporary += Characters[QRandomGenerator::global()->bounded(int(sizeof Characters) - 1)];
    return temporary;
}

// Every step works on names in this one folder, so a folder renamed or
// replaced meanwhile cannot send the file elsewhere.
int openFolder(const QByteArray &name)
{
    const int folder = ::open(name.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    // A folder one may write in but not list (a drop box) still takes the
    // file; it only cannot be synced.
    if (folder < 0 && errno == EACCES)
        return ::open(name.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    return folder;
}

// Made with O_EXCL and O_NOFOLLOW: only a file this call created is
// written, never one that somebody put at the name first.
int createTemporary(int folder, const QByteArray &name, mode_t mode, QByteArray &temporary)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = temporaryName(name);
        const int file = ::openat(folder, temporary.constData(),
                                  O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY, mode);
        if (file >= 0 || errno != EEXIST)
            return file;
    }
    return -1;
}

std::optional<WriteFailure> errnoFailure()
{
    return WriteFailure{errno};
}

// With SIGXFSZ ignored, a write past a file size limit fails here with
// EFBIG, as one on a full disk does with ENOSPC.
std::optional<WriteFailure> fill(Descriptor &file, const QByteArray &bytes, const struct stat *replaced)
{
    for (qsizetype written = 0; written < bytes.size();) {
        const ssize_t n = ::write(file.get(), bytes.constData() + written, size_t(bytes.size() - written));
        if (n < 0 && errno != EINTR)
            return errnoFailure();
        written += std::max<ssize_t>(n, 0);
    }
    if (replaced) {
        // Only root gives a file away, and a user only to a group of theirs:
        // otherwise the new file is the user's. The mode comes after the
        // owner, whose change clears the set-id bits.
        if (::fchown(file.get(), replaced->st_uid, replaced->st_gid) != 0 && errno != EPERM)
            return errnoFailure();
        if (::fchmod(file.get(), replaced->st_mode & 07777) != 0)
            return errnoFailure();
    }
    if (::fsync(file.get()) != 0 || !file.close())
        return errnoFailure();
    return std::nullopt;
}

// rename(2) replaces the entry at the name, a link itself, and never opens
// what it points to.
std::optional<WriteFailure> putInPlace(int folder, const QByteArray &temporary, const QByteArray &name,
                                       Existing existing)
{
    if (existing == Existing::Replace)
        return ::renameat(folder, temporary.constData(), folder, name.constData()) == 0 ? std::nullopt : errnoFailure();
    if (::renameat2(folder, temporary.constData(), folder, name.constData(), RENAME_NOREPLACE) == 0)
        return std::nullopt;
    if (errno != EINVAL && errno != ENOSYS)
        return errnoFailure();
    // A file system that cannot rename without replacing may still give the
    // file a second name, which link(2) refuses to a taken one too.
    if (::linkat(folder, temporary.constData(), folder, name.constData(), 0) != 0)
        return errnoFailure();
    ::unlinkat(folder, temporary.constData(), 0);
    return std::nullopt;
}

std::optional<WriteFailure> writeInFolder(int folder, const QByteArray &name, const QByteArray &bytes,
                                          Existing existing)
{
    struct stat old {};
    const bool replacesRegular = existing == Existing::Replace
        && ::fstatat(folder, name.constData(), &old, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(old.st_mode);
    // A new file takes the mode the user's umask leaves; one replacing a
    // file stays private until it has that file's mode.
    QByteArray temporary;
    Descriptor file(createTemporary(folder, name, replacesRegular ? S_IRUSR | S_IWUSR : 0666, temporary));
    if (file.get() < 0)
        return errnoFailure();
    auto failed = fill(file, bytes, replacesRegular ? &old : nullptr);
    if (!failed)
        failed = putInPlace(folder, temporary, name, existing);
    if (failed) {
        ::unlinkat(folder, temporary.constData(), 0);
        return failed;
    }
    // The new name lasts a crash only once the folder is synced. The file is
    // in place already, so a folder that cannot be synced (one open only to
    // be written in) does not make the write a failure.
    ::fsync(folder);
    return std::nullopt;
}

bool standsAt(int folder, const QByteArray &name)
{
    struct stat info {};
    return ::fstatat(folder, name.constData(), &info, AT_SYMLINK_NOFOLLOW) == 0;
}

} // namespace

Contents read(const QByteArray &name, qsizetype limit, Links links)
{
    if (name.isEmpty())
        return {Status::Missing, {}};
    // Looked at before opening: opening a device can have effects of its own.
    struct stat info {};
    const int looked = links == Links::Follow ? ::stat(name.constData(), &info) : ::lstat(name.constData(), &info);
    if (looked != 0)
        return {failureOf(errno), {}};
    if (!S_ISREG(info.st_mode))
        return {Status::NotRegular, {}};
    // Something else may take the name between the look and the opening: a
    // pipe opened without blocking returns at once, and the type is checked
    // again on what was opened.
    const int flags = O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY | (links == Links::Refuse ? O_NOFOLLOW : 0);
    const Descriptor file(::open(name.constData(), flags));
    if (file.get() < 0)
        return {failureOf(errno), {}};
    if (::fstat(file.get(), &info) != 0)
        return {Status::Unreadable, {}};
    if (!S_ISREG(info.st_mode))
        return {Status::NotRegular, {}};

    // One byte past the limit tells a file of exactly `limit` bytes from a larger one.
    QByteArray bytes(qsizetype(std::min<qint64>(qint64(limit) + 1, std::max<qint64>(info.st_size, 0) + 1)),
                     Qt::Uninitialized);
    qsizetype filled = 0;
    while (true) {
        if (filled == bytes.size()) {
            if (filled > limit)
                break;
            bytes.resize(std::min<qsizetype>(limit + 1, std::max<qsizetype>(2 * filled, 4096)));
        }
        const ssize_t got = ::read(file.get(), bytes.data() + filled, size_t(bytes.size() - filled));
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return {Status::Unreadable, {}};
        }
        if (got == 0)
            break;
        filled += got;
    }
    bytes.truncate(filled);
    if (filled > limit) {
        bytes.truncate(limit);
        return {Status::TooLarge, bytes};
    }
    return {Status::Read, bytes};
}

Contents read(const QString &path, qsizetype limit, Links links)
{
    return read(QFile::encodeName(path), limit, links);
}

bool isNonRegular(const QString &path)
{
    struct stat info {};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 && !S_ISREG(info.st_mode);
}

QString WriteFailure::reason() const
{
    return qt_error_string(error);
}

std::optional<WriteFailure> write(const QByteArray &path, const QByteArray &bytes, Existing existing)
{
    const qsizetype slash = path.lastIndexOf('/');
    const QByteArray fileName = path.mid(slash + 1);
    if (fileName.isEmpty())
        return WriteFailure{ENOENT};
    const QByteArray folderName = slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : path.left(slash);
    const Descriptor folder(openFolder(folderName));
    if (folder.get() < 0)
        return errnoFailure();
    const auto failed = writeInFolder(folder.get(), fileName, bytes, existing);
    // A taken name is told before anything else that went wrong, such as a
    // folder that takes no new file.
    if (failed && existing == Existing::Keep && failed->error != EEXIST && standsAt(folder.get(), fileName))
        return WriteFailure{EEXIST};
    return failed;
}

std::optional<WriteFailure> write(const QString &path, const QByteArray &bytes, Existing existing)
{
    return write(QFile::encodeName(path), bytes, existing);
}

void removeWriteLeftovers(const QString &path)
{
    const QFileInfo target(path);
    const QRegularExpression leftover(QRegularExpression::anchoredPattern(
        QRegularExpression::escape(QFile::decodeName(temporaryPrefix(QFile::encodeName(target.fileName()))))
        + QStringLiteral("[A-Za-z0-9]{%1}").arg(TemporarySuffixLength)));
    const QDir folder = target.dir();
    for (const QString &name : folder.entryList(QDir::Files | QDir::Hidden | QDir::NoSymLinks)) {
        if (leftover.match(name).hasMatch() && !isNonRegular(folder.filePath(name)))
            QFile::remove(folder.filePath(name));
    }
}

} // namespace RegularFile
