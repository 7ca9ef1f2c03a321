#include "platform/SignalWatcher.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace zwervel {

namespace {

// A signal handler may do next to nothing: it writes one byte into a socket, which the event
// loop then reads on the window's thread.
int signalSockets[2] = {-1, -1};
constexpr int EndSignals[] = {SIGINT, SIGTERM, SIGHUP};

void onSignal(int)
{
    // The code the signal interrupted may be about to read errno. A full socket drops the
    // byte rather than blocking here: a request is waiting already.
    const int savedErrno = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(signalSockets[0], &byte, 1);
    errno = savedErrno;
}

} // namespace

SignalWatcher::SignalWatcher(QObject* parent) : QObject(parent)
{
    // Not inherited by the browser the program starts.
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, signalSockets) != 0)
        return;
    m_notifier = new QSocketNotifier(signalSockets[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &SignalWatcher::readSignal);
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : EndSignals)
        ::sigaction(signal, &action, nullptr);
}

SignalWatcher::~SignalWatcher()
{
    if (!m_notifier)
        return;
    for (const int signal : EndSignals)
        ::signal(signal, SIG_DFL);
    ::close(signalSockets[0]);
    ::close(signalSockets[1]);
    signalSockets[0] = signalSockets[1] = -1;
}

void SignalWatcher::readSignal()
{
    // However many arrived, they ask for one thing.
    char bytes[64];
    bool any = false;
    while (::read(signalSockets[1], bytes, sizeof bytes) > 0)
        any = true;
    if (any)
        emit endRequested();
}

} // namespace zwervel
