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
    while (true) {
        const pid_t done = ::waitpid(child, &status, WNOHANG);
        if (done == child)
            return true;
        if (done < 0 && errno != EINTR)
            return false;
        if (std::chrono::steady_clock::now() > end)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

unsigned long long addressSpaceInUse()
{
    std::ifstream statm("/proc/self/statm");
    unsigned long long pages = 0;
    statm >> pages;
    return pages * static_cast<unsigned long long>(::sysconf(_SC_PAGESIZE));
}

} // namespace

FifoWriter::FifoWriter(const QString &path, const QByteArray &bytes, unsigned seconds)
{
    const QByteArray name = QFile::encodeName(path);
    if (::mkfifo(name.constData(), 0600) != 0)
        return;
    m_child = ::fork();
    if (m_child != 0)
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
        if (n > 0)
            written += n;
    }
    ::close(fd);
    ::_exit(0);
}

FifoWriter::~FifoWriter()
{
    if (m_child <= 0 || m_reaped)
        return;
    ::kill(m_child, SIGKILL);
    int status = 0;
    reap(m_child, 10, status);
}

bool FifoWriter::delivered(unsigned seconds)
{
    if (m_child <= 0)
        return false;
    if (!m_reaped) {
        int status = 0;
        if (!reap(m_child, seconds, status))
            return false;
        m_reaped = true;
        m_delivered = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    }
    return m_delivered;
}

ChildOutcome runInChild(const std::function<int()> &work, unsigned seconds, unsigned long long memory)
{
    const unsigned long long limit = addressSpaceInUse() + memory;
    const pid_t child = ::fork();
    if (child < 0)
        return {};
    if (child == 0) {
        ::alarm(seconds);
        const rlimit bound{limit, limit};
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
    if (S_ISREG(info.st_mode))
        return 'f';
    if (S_ISLNK(info.st_mode))
        return 'l';
    if (S_ISDIR(info.st_mode))
        return 'd';
    if (S_ISFIFO(info.st_mode))
        return 'p';
    if (S_ISCHR(info.st_mode))
        return 'c';
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
