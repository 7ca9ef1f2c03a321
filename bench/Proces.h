// One run of a child program, timed from the outside: wall time, peak memory, and the moments
// it reported on standard output ("<what> <nanoseconds>", monotonic clock).
#pragma once

#include <QtGlobal>

#include <map>
#include <string>
#include <vector>

namespace zwervel::bench {

qint64 nuNs();

struct Afloop {
    qint64 beginNs = 0;
    qint64 eindNs = 0;
    // The peak resident set the child reported at its end, in MiB.
    double piekMiB() const;
    int status = -1;
    std::map<std::string, qint64> momenten;

    double wandMs() const { return double(eindNs - beginNs) / 1e6; }
    // From a moment the child reported to the end of the process.
    double vanafMs(const std::string& moment) const;
    double totMs(const std::string& moment) const;
};

// Starts the program with these arguments (standard error discarded) and waits for its end.
Afloop draai(const std::string& programma, const std::vector<std::string>& argumenten);

} // namespace zwervel::bench
