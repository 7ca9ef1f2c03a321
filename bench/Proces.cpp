#include "Proces.h"

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

qint64 nuNs()
{
    const auto nu = std::chrono::steady_clock::now().time_since_epoch();
    return std::chrono::duration_cast<std::chrono::nanoseconds>(nu).count();
}

double Afloop::vanafMs(const std::string& moment) const
{
    const auto it = momenten.find(moment);
    return it == momenten.end() ? -1 : double(eindNs - it->second) / 1e6;
}

double Afloop::piekMiB() const
{
    const auto it = momenten.find("piek");
    return it == momenten.end() ? -1 : double(it->second) / 1024;
}

double Afloop::totMs(const std::string& moment) const
{
    const auto it = momenten.find(moment);
    return it == momenten.end() ? -1 : double(it->second - beginNs) / 1e6;
}

Afloop draai(const std::string& programma, const std::vector<std::string>& argumenten)
{
    int pijp[2];
    if (pipe2(pijp, O_CLOEXEC) != 0)
        throw std::runtime_error("pipe");
    posix_spawn_file_actions_t acties;
    posix_spawn_file_actions_init(&acties);
    posix_spawn_file_actions_adddup2(&acties, pijp[1], 1);
    posix_spawn_file_actions_addopen(&acties, 2, "/dev/null", O_WRONLY, 0);

    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(programma.c_str()));
    for (const std::string& a : argumenten)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);

    Afloop afloop;
    pid_t kind = 0;
    afloop.beginNs = nuNs();
    const int fout = posix_spawn(&kind, programma.c_str(), &acties, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&acties);
    close(pijp[1]);
    if (fout != 0) {
        close(pijp[0]);
        throw std::runtime_error("cannot start " + programma);
    }
    // The child writes a few short lines, well within the pipe's buffer: read them afterwards,
    // so that nothing but the child's own end is timed.
    int status = 0;
    waitpid(kind, &status, 0);
    afloop.eindNs = nuNs();
    afloop.status = status;

    std::string uitvoer;
    char buffer[4096];
    for (ssize_t n; (n = read(pijp[0], buffer, sizeof buffer)) > 0;)
        uitvoer.append(buffer, size_t(n));
    close(pijp[0]);
    std::istringstream regels(uitvoer);
    std::string wat;
    long long ns = 0;
    while (regels >> wat >> ns)
        afloop.momenten[wat] = ns;
    return afloop;
}

} // namespace zwervel::bench
