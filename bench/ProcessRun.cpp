#include "ProcessRun.h"

#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <spawn.h>
#include <sstream>
#include <stdexcept>
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

ProcessRun runProcess(const std::string& program, const std::vector<std::string>& arguments)
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

    ProcessRun run;
    pid_t child = 0;
    run.beginNs = nowNs();
    const int error = posix_spawn(&child, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(output[1]);
    if (error != 0) {
        close(output[0]);
        throw std::runtime_error("cannot start " + program);
    }
    // The child writes a few short lines, well within the pipe's buffer: read them afterwards,
    // so that nothing but the child's own end is timed.
    int status = 0;
    waitpid(child, &status, 0);
    run.endNs = nowNs();
    run.status = status;

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
