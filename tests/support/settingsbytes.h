#pragma once

#include <QByteArray>
#include <QFile>

#include <csignal>
#include <sys/resource.h>

// The 203 bytes of a settings record, written out by hand.
inline QByteArray settingsRecord(char hints, char language, const QByteArray &path = {})
{
    QByteArray bytes(203, '\0');
    bytes[0] = hints;
    bytes[1] = language;
    bytes[2] = char(path.size());
    return bytes.replace(3, path.size(), path);
}

inline QByteArray fileBytes(const QString &name)
{
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void writeFileBytes(const QString &name, const QByteArray &bytes)
{
    QFile file(name);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

// Files may not grow past `limit` bytes while this lives: the way to make a
// write fail even for root, who ignores folder permissions.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t limit)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_previous);
        const rlimit reduced{limit, m_previous.rlim_max};
        setrlimit(RLIMIT_FSIZE, &reduced);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &m_previous); }

private:
    rlimit m_previous{};
};
