#include "ProcessRun.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sstream>
#include <stdexcept>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace zwervel::bench {

qint64 nowNs()
{
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return std::chrono::duration_cast<std::chrono::nanoseconds>(now).count();
}

double ProcessRun::fromMs(const std::string& moment) const
{
    const auto it = moments.find(moment);
    return it == moments.end() ? -1 : double(endNs - it->second) / 1e6;
}

double ProcessRun::untilMs(const std::string& moment) const
{
    const auto it = moments.find(moment);
    return it == moments.end() ? -1 : double(it->second - beginNs) / 1e6;
}

double ProcessRun::peakMiB() const
{
    const auto it = moments.find("peak");
    return it == moments.end() ? -1 : double(it->second) / 1024;
}

std::string ProcessRun::ending() const
{
    if (WIFEXITED(status))
        return "exit code " + std::to_string(WEXITSTATUS(status));
    if (WIFSIGNALED(status))
        return "signal " + std::to_string(WTERMSIG(status));
    return "status " + std::to_string(status);
}

std::vector<std::string> environmentWith(const std::vector<std::string>& settings)
{
    const auto name = [](const std::string& setting) {
        return setting.substr(0, setting.find('='));
    };
    std::vector<std::string> environment;
    for (char** e = environ; *e; ++e) {
        const std::string variable = *e;
        bool replaced = false;
        for (const std::string& setting : settings)
            replaced = replaced || name(setting) == name(variable);
        if (!replaced)
            environment.push_back(variable);
    }
    environment.insert(environment.end(), settings.begin(), settings.end());
    return environment;
}

namespace {

constexpr int TimeLimitMs = 60'000;

// Waits for the child's end, up to the time limit; a child still running then is killed.
int waitForEnd(pid_t child)
{
    // A process file descriptor becomes readable the moment the child ends, so the end is
    // seen at once; where the system has none, waitpid alone waits without a limit.
    const int processFd = int(syscall(SYS_pidfd_open, child, 0));
    if (processFd >= 0) {
        pollfd end{processFd, POLLIN, 0};
        int ready;
        while ((ready = poll(&end, 1, TimeLimitMs)) < 0 && errno == EINTR) {
        }
        if (ready == 0)
            kill(child, SIGKILL);
        close(processFd);
    }
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    return status;
}

} // namespace

ProcessRun runProcess(const std::string& program, const std::vector<std::string>& arguments,
                      const std::vector<std::string>& environment)
{
    int output[2];
    if (pipe2(output, O_CLOEXEC) != 0)
        throw std::runtime_error("pipe");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, output[1], 1);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);

    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& a : arguments)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    std::vector<char*> envp;
    for (const std::string& e : environment)
        envp.push_back(const_cast<char*>(e.c_str()));
    envp.push_back(nullptr);

    ProcessRun run;
    pid_t child = 0;
    run.beginNs = nowNs();
    const int error =
        posix_spawn(&child, program.c_str(), &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(output[1]);
    if (error != 0) {
        close(output[0]);
        throw std::runtime_error("cannot start " + program);
    }
    // The child writes a few short lines, well within the pipe's buffer: read them afterwards,
    // so that nothing but the child's own end is timed.
    run.status = waitForEnd(child);
    run.endNs = nowNs();

    std::string text;
    char buffer[4096];
    for (ssize_t n; (n = read(output[0], buffer, sizeof buffer)) > 0;)
        text.append(buffer, size_t(n));
    close(output[0]);
    std::istringstream lines(text);
    std::string what;
    long long ns = 0;
    while (lines >> what >> ns)
        run.moments[what] = ns;
    return run;
}

} // namespace zwervel::bench
