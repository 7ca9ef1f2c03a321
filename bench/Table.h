// Figures of repeated measurements and the one table the benchmarks print.
#pragma once

#include <string>
#include <vector>

namespace zwervel::bench {

// The smallest, middle and largest of a set of measurements: the spread shows the noise.
struct Series {
    double min = 0, median = 0, max = 0;
};
Series series(std::vector<double> values);

struct Row {
    std::string what;
    Series figure;
    Series baseline;
    // "ms", "us" or "MiB": the unit of both series.
    std::string unit;
    // The comparison with the baseline: a ratio of medians, or a difference for memory.
    std::string comparison;
    std::string goal;
    bool met = false;
    std::string note;
};

class Table {
public:
    Row& add(std::string what, Series figure, Series baseline, std::string unit);
    Row& last() { return m_rows.back(); }
    void print() const;

private:
    std::vector<Row> m_rows;
};

std::string format(const char* printfFormat, double value);
// "1.23 x": the ratio of a figure to its baseline.
std::string ratio(double figure, double baseline);

} // namespace zwervel::bench
