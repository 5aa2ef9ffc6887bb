#include "shell/terminationsignals.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int Ending[] = {SIGTERM, SIGINT, SIGHUP};

// The pipe's ends; the handler reads only the writing one.
int PipeEnds[2] = {-1, -1};
volatile std::sig_atomic_t WriteEnd = -1;

extern "C" void onEndingSignal(int number)
{
    const int savedErrno = errno;
    const unsigned char byte = static_cast<unsigned char>(number);
    // A full pipe already holds a request; losing this one changes nothing.
    [[maybe_unused]] const ssize_t written = ::write(WriteEnd, &byte, 1);
    errno = savedErrno;
}

} // namespace

TerminationSignals::TerminationSignals(QObject *parent)
    : QObject(parent)
{
    if (WriteEnd >= 0 || ::pipe2(PipeEnds, O_NONBLOCK | O_CLOEXEC) != 0)
        return;
    WriteEnd = PipeEnds[1];
    m_notifier = new QSocketNotifier(PipeEnds[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &TerminationSignals::readPipe);

    struct sigaction action {};
    action.sa_handler = onEndingSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int number : Ending) {
        struct sigaction previous {};
        if (::sigaction(number, nullptr, &previous) != 0 || previous.sa_handler == SIG_IGN)
            continue;
        if (::sigaction(number, &action, nullptr) == 0)
            m_handled.append(number);
    }
}

TerminationSignals::~TerminationSignals()
{
    if (!m_notifier)
        return;
    struct sigaction action {};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    for (int number : std::as_const(m_handled))
        ::sigaction(number, &action, nullptr);
    WriteEnd = -1;
    ::close(PipeEnds[0]);
    ::close(PipeEnds[1]);
    PipeEnds[0] = PipeEnds[1] = -1;
}

void TerminationSignals::readPipe()
{
    unsigned char numbers[16];
    ssize_t count = 0;
    while ((count = ::read(PipeEnds[0], numbers, sizeof numbers)) > 0 || (count < 0 && errno == EINTR)) {
        for (ssize_t i = 0; i < count; ++i)
            emit received(numbers[i]);
    }
}
