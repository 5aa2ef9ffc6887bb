#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <sys/types.h>

// A named pipe at `path` with a child process waiting to write `bytes` into
// it, then end: until a reader opens it, this object ends, or `seconds` pass.
class FifoWriter
{
public:
    FifoWriter(const QString &path, const QByteArray &bytes, unsigned seconds = 60);
    ~FifoWriter();
    FifoWriter(const FifoWriter &) = delete;
    FifoWriter &operator=(const FifoWriter &) = delete;

    bool ready() const { return m_child > 0; }
    // Whether the child wrote everything and ended, waiting at most `seconds`.
    bool delivered(unsigned seconds = 10);

private:
    pid_t m_child = -1;
    bool m_reaped = false;
    bool m_delivered = false;
};

struct ChildOutcome {
    bool exited = false; // false: ended by a signal, or never started
    int code = -1;       // the exit code, or the signal's number
};

// Runs `work` (which returns the exit code) in a child process bounded to
// `seconds` and about `memory` bytes more than this process holds: the way
// to test code that might wait for ever or grow without bound.
ChildOutcome runInChild(const std::function<int()> &work, unsigned seconds = 10,
                        unsigned long long memory = 512ull << 20);

// A symbolic link at `link` pointing to `target`, which need not exist.
bool makeLink(const QString &target, const QString &link);
bool makeFifo(const QString &path);

// What stands at `path` itself, links not followed: 'f' a regular file, 'l' a link,
// 'd' a folder, 'p' a named pipe, 'c' a character device, '?' other, '-' nothing.
char entryKind(const QString &path);
// Every entry of the current folder, hidden ones too, sorted by name.
QStringList folderEntries();
// The target a link names, or empty.
QString linkTarget(const QString &path);
