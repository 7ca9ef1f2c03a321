#include "Tabel.h"

#include <algorithm>
#include <cstdio>

namespace zwervel::bench {

Reeks reeks(std::vector<double> waarden)
{
    if (waarden.empty())
        return {};
    std::sort(waarden.begin(), waarden.end());
    const size_t n = waarden.size();
    const double midden = n % 2 ? waarden[n / 2] : (waarden[n / 2 - 1] + waarden[n / 2]) / 2;
    return {waarden.front(), midden, waarden.back()};
}

std::string opmaak(const char* formaat, double waarde)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, formaat, waarde);
    return buffer;
}

namespace {

std::string getal(double waarde)
{
    if (waarde >= 100)
        return opmaak("%.0f", waarde);
    if (waarde >= 10)
        return opmaak("%.1f", waarde);
    return opmaak("%.2f", waarde);
}

std::string spreiding(const Reeks& r, const std::string& eenheid)
{
    return getal(r.min) + " / " + getal(r.mediaan) + " / " + getal(r.max) + " " + eenheid;
}

} // namespace

void drukTabel(const std::vector<Rij>& rijen)
{
    std::printf("\n%-52s %-28s %-28s %-12s %-16s %s\n", "benchmark", "figure min / median / max",
                "baseline min / median / max", "vs baseline", "goal", "met");
    std::printf("%s\n", std::string(146, '-').c_str());
    for (const Rij& rij : rijen) {
        std::printf("%-52s %-28s %-28s %-12s %-16s %s\n", rij.wat.c_str(),
                    spreiding(rij.figuur, rij.eenheid).c_str(),
                    spreiding(rij.basis, rij.eenheid).c_str(), rij.vergelijking.c_str(),
                    rij.doel.c_str(), rij.doel.empty() ? "" : (rij.gehaald ? "yes" : "NO"));
        if (!rij.opmerking.empty())
            std::printf("    %s\n", rij.opmerking.c_str());
    }
    std::fflush(stdout);
}

} // namespace zwervel::bench
