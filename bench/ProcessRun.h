// One run of a child program, timed from the outside: wall time, peak memory, and the moments
// it reported on standard output ("<what> <nanoseconds>", monotonic clock).
#pragma once

#include <QtGlobal>

#include <map>
#include <string>
#include <vector>

namespace zwervel::bench {

qint64 nowNs();

struct ProcessRun {
    qint64 beginNs = 0;
    qint64 endNs = 0;
    int status = -1;
    std::map<std::string, qint64> moments;

    double wallMs() const { return double(endNs - beginNs) / 1e6; }
    // From a moment the child reported to the end of the process.
    double fromMs(const std::string& moment) const;
    // From the start of the process to a moment the child reported.
    double untilMs(const std::string& moment) const;
    // The peak resident set the child reported at its end, in MiB.
    double peakMiB() const;
    // How the run ended, for a report: "exit code 1", "signal 9".
    std::string ending() const;
};

// The driver's own environment with these variables ("NAME=value" each) set or replaced.
std::vector<std::string> environmentWith(const std::vector<std::string>& settings);

// Starts the program with these arguments and environment (standard error discarded) and
// waits for its end. A run that has not ended after a minute is killed: its status then
// tells of the signal.
ProcessRun runProcess(const std::string& program, const std::vector<std::string>& arguments,
                      const std::vector<std::string>& environment);

} // namespace zwervel::bench
