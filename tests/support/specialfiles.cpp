#include "support/specialfiles.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <thread>

namespace {

// Waits for `child` at most `seconds`, polling, since waitpid has no timeout.
bool reap(pid_t child, unsigned seconds, int &status)
{
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    for (pid_t done; (done = ::waitpid(child, &status, WNOHANG)) != child;) {
        if ((done < 0 && errno != EINTR) || std::chrono::steady_clock::now() > end)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

} // namespace

FifoWriter::FifoWriter(const QString &path, const QByteArray &bytes, unsigned seconds)
{
    const QByteArray name = QFile::encodeName(path);
    if (::mkfifo(name.constData(), 0600) != 0 || (m_child = ::fork()) != 0)
        return;
    // Only async-signal-safe calls from here: the parent may have threads.
    ::alarm(seconds);
    const int fd = ::open(name.constData(), O_WRONLY);
    if (fd < 0)
        ::_exit(3);
    for (qsizetype written = 0; written < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.constData() + written, size_t(bytes.size() - written));
        if (n < 0 && errno != EINTR)
            ::_exit(4);
        written += std::max<ssize_t>(n, 0);
    }
    ::_exit(0);
}

FifoWriter::~FifoWriter()
{
    int status = 0;
    if (m_child > 0 && !m_reaped && ::kill(m_child, SIGKILL) == 0)
        reap(m_child, 10, status);
}

bool FifoWriter::delivered(unsigned seconds)
{
    int status = 0;
    if (m_child > 0 && !m_reaped && reap(m_child, seconds, status)) {
        m_reaped = true;
        m_delivered = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    }
    return m_delivered;
}

ChildOutcome runInChild(const std::function<int()> &work, unsigned seconds, unsigned long long memory)
{
    std::ifstream statm("/proc/self/statm");
    unsigned long long pages = 0;
    statm >> pages;
    const rlim_t limit = pages * ::sysconf(_SC_PAGESIZE) + memory; // above what this process holds now
    const rlimit bound{limit, limit};
    const pid_t child = ::fork();
    if (child < 0)
        return {};
    if (child == 0) {
        ::alarm(seconds);
        ::setrlimit(RLIMIT_AS, &bound);
        ::_exit(work());
    }
    int status = 0;
    if (!reap(child, seconds + 10, status)) {
        ::kill(child, SIGKILL);
        reap(child, 10, status);
        return {};
    }
    if (WIFEXITED(status))
        return {true, WEXITSTATUS(status)};
    return {false, WIFSIGNALED(status) ? WTERMSIG(status) : -1};
}

bool makeLink(const QString &target, const QString &link)
{
    return ::symlink(QFile::encodeName(target).constData(), QFile::encodeName(link).constData()) == 0;
}

bool makeFifo(const QString &path)
{
    return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
}

char entryKind(const QString &path)
{
    struct stat info {};
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0)
        return '-';
    const std::pair<mode_t, char> kinds[] = {{S_IFREG, 'f'}, {S_IFLNK, 'l'}, {S_IFDIR, 'd'}, {S_IFIFO, 'p'}, {S_IFCHR, 'c'}};
    for (const auto &[mode, kind] : kinds)
        if ((info.st_mode & S_IFMT) == mode)
            return kind;
    return '?';
}

QString linkTarget(const QString &path)
{
    char target[4096];
    const ssize_t n = ::readlink(QFile::encodeName(path).constData(), target, sizeof target);
    return n < 0 ? QString() : QFile::decodeName(QByteArray(target, n));
}

QStringList folderEntries()
{
    return QDir().entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}
