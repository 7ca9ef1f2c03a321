#include "Table.h"

#include <algorithm>
#include <cstdio>

namespace zwervel::bench {

Series series(std::vector<double> values)
{
    if (values.empty())
        return {};
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    const double middle = n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
    return {values.front(), middle, values.back()};
}

std::string format(const char* printfFormat, double value)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, printfFormat, value);
    return buffer;
}

std::string ratio(double figure, double baseline)
{
    return format("%.2f x", figure / baseline);
}

namespace {

std::string number(double value)
{
    if (value >= 100)
        return format("%.0f", value);
    if (value >= 10)
        return format("%.1f", value);
    return format("%.2f", value);
}

std::string spread(const Series& s, const std::string& unit)
{
    return number(s.min) + " / " + number(s.median) + " / " + number(s.max) + " " + unit;
}

} // namespace

Row& Table::add(std::string what, Series figure, Series baseline, std::string unit)
{
    Row row;
    row.what = std::move(what);
    row.figure = figure;
    row.baseline = baseline;
    row.unit = std::move(unit);
    m_rows.push_back(std::move(row));
    return m_rows.back();
}

void Table::print() const
{
    std::printf("\n%-52s %-28s %-28s %-12s %-16s %s\n", "benchmark", "figure min / median / max",
                "baseline min / median / max", "vs baseline", "goal", "met");
    std::printf("%s\n", std::string(146, '-').c_str());
    for (const Row& row : m_rows) {
        std::printf("%-52s %-28s %-28s %-12s %-16s %s\n", row.what.c_str(),
                    spread(row.figure, row.unit).c_str(), spread(row.baseline, row.unit).c_str(),
                    row.comparison.c_str(), row.goal.c_str(),
                    row.goal.empty() ? "" : (row.met ? "yes" : "NO"));
        if (!row.note.empty())
            std::printf("    %s\n", row.note.c_str());
    }
    std::fflush(stdout);
}

} // namespace zwervel::bench
