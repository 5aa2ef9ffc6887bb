#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <sys/types.h>

// A named pipe at `path` with a child process waiting to write `bytes` into
// it: a reader that opens the pipe gets those bytes and then the end of the
// file, one that never opens it leaves the child waiting until this object
// ends it. The child ends itself after `seconds` in any case.
class FifoWriter
{
public:
    FifoWriter(const QString &path, const QByteArray &bytes, unsigned seconds = 60);
    ~FifoWriter();
    FifoWriter(const FifoWriter &) = delete;
    FifoWriter &operator=(const FifoWriter &) = delete;

    bool ready() const { return m_child > 0; }
    // Whether the child wrote everything and ended, waiting for it at most
    // `seconds`; false while it still waits for a reader.
    bool delivered(unsigned seconds = 10);

private:
    pid_t m_child = -1;
    bool m_reaped = false;
    bool m_delivered = false;
};

// How a piece of work ended in a child process of its own.
struct ChildOutcome {
    bool exited = false; // false: ended by a signal, or never started
    int code = -1;       // the exit code, or the signal's number
};

// Runs `work` in a child process that may run for `seconds` and allocate
// about `memory` bytes more than this process holds now, and returns how it
// ended: the way to test code that might wait for ever or grow without
// bound, without taking the test down. `work` returns the child's exit code.
ChildOutcome runInChild(const std::function<int()> &work, unsigned seconds = 10,
                        unsigned long long memory = 512ull << 20);

// A symbolic link at `link` pointing to `target`, which need not exist.
bool makeLink(const QString &target, const QString &link);
bool makeFifo(const QString &path);

// What stands at `path` itself, links not followed: 'f' a regular file,
// 'l' a link, 'd' a folder, 'p' a named pipe, 'c' a character device,
// '?' something else, '-' nothing.
char entryKind(const QString &path);
// Every entry of the current folder, hidden ones too, sorted by name.
QStringList folderEntries();
// The target a link names, or empty.
QString linkTarget(const QString &path);
