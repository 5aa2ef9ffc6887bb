#include "lang/regularfile.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

private:
    int m_fd;
};

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

} // namespace RegularFile
