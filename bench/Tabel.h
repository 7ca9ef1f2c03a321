// Figures of repeated measurements and the one table the benchmarks print.
#pragma once

#include <string>
#include <vector>

namespace zwervel::bench {

// The smallest, middle and largest of a set of measurements: the spread shows the noise.
struct Reeks {
    double min = 0, mediaan = 0, max = 0;
};
Reeks reeks(std::vector<double> waarden);

struct Rij {
    std::string wat;
    Reeks figuur;
    Reeks basis;
    // "ms", "us" or "MiB": the unit of both series.
    std::string eenheid;
    // The comparison with the baseline: a ratio of medians, or a difference for memory.
    std::string vergelijking;
    std::string doel;
    bool gehaald = false;
    std::string opmerking;
};

void drukTabel(const std::vector<Rij>& rijen);
std::string opmaak(const char* formaat, double waarde);

} // namespace zwervel::bench
