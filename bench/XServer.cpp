#include "XServer.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <sched.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace zwervel::bench {

namespace {

// Xvfb writes its display number to this descriptor once it accepts clients.
constexpr int DisplayFd = 3;
constexpr int StartLimitMs = 20'000;

// Runs in the forked child, before exec: only system calls from here on.
[[noreturn]] void execXvfb(int displayWriteFd, int processor)
{
    // Should the driver end without stopping the server, the server ends too.
    prctl(PR_SET_PDEATHSIG, SIGTERM);
    if (processor >= 0) {
        cpu_set_t one;
        CPU_ZERO(&one);
        CPU_SET(processor, &one);
        sched_setaffinity(0, sizeof one, &one);
    }
    if (displayWriteFd == DisplayFd)
        fcntl(DisplayFd, F_SETFD, 0);
    else
        dup2(displayWriteFd, DisplayFd);
    const int null = open("/dev/null", O_RDWR);
    dup2(null, 0);
    dup2(null, 1);
    dup2(null, 2);
    execlp("Xvfb", "Xvfb", "-displayfd", "3", "-screen", "0", "1280x1024x24", "-dpi", "96",
           "-nolisten", "tcp", static_cast<char*>(nullptr));
    _exit(127);
}

} // namespace

XServer::XServer(int processor)
{
    int displayPipe[2];
    if (pipe2(displayPipe, O_CLOEXEC) != 0) {
        m_error = "no pipe for the display number";
        return;
    }
    m_pid = fork();
    if (m_pid == 0)
        execXvfb(displayPipe[1], processor);
    close(displayPipe[1]);
    if (m_pid < 0) {
        close(displayPipe[0]);
        m_error = "cannot fork";
        return;
    }

    std::string number;
    pollfd readable{displayPipe[0], POLLIN, 0};
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(StartLimitMs);
    while (number.find('\n') == std::string::npos) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0 || poll(&readable, 1, int(left.count())) == 0)
            break;
        char buffer[16];
        const ssize_t n = read(displayPipe[0], buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break; // Xvfb ended, or could not be started
        number.append(buffer, size_t(n));
    }
    close(displayPipe[0]);
    if (number.find('\n') == std::string::npos) {
        m_error = "Xvfb did not start (is it installed?)";
        stop();
        return;
    }
    m_display = std::stoi(number);
}

XServer::~XServer()
{
    stop();
}

void XServer::stop()
{
    if (m_pid <= 0)
        return;
    kill(m_pid, SIGTERM);
    // A server that does not end within a few seconds is killed.
    for (int i = 0; i < 500; ++i) {
        if (waitpid(m_pid, nullptr, WNOHANG) != 0) {
            m_pid = -1;
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    kill(m_pid, SIGKILL);
    waitpid(m_pid, nullptr, 0);
    m_pid = -1;
}

} // namespace zwervel::bench
