#include "StartupBenchmarks.h"

#include "ProcessRun.h"

#include <QFile>
#include <QString>

#include <cstdio>
#include <functional>
#include <set>

namespace zwervel::bench {

namespace {

// The figures of one screen, run by run: each kind of run beside the baseline runs made in
// turns with it.
struct Figures {
    std::vector<double> noneBase, noneBasePaint, noneStart, nonePaint;
    std::vector<double> heavyBase, heavyBasePaint, heavyStart, heavyPaint;
    std::vector<double> fullBase, fullBasePaint, fullStart, fullPaint, basePeak, fullPeak;
    std::vector<double> baseClose, baseClosePeak, fullClose, fullClosePeak;
};

bool writeFile(const std::string& path, const QByteArray& bytes)
{
    QFile file(QString::fromStdString(path));
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

void StartupBenchmarks::run(const std::vector<Screen>& screens, Table& table) const
{
    const Programs& p = m_programs;
    const std::string closingFile = p.closingConfig + ".cfg";
    std::vector<std::vector<std::string>> environments;
    for (const Screen& screen : screens)
        environments.push_back(environmentWith(screen.settings));

    // Each kind of failure is told once, not once a run.
    std::set<std::string> told;
    const auto tellOnce = [&](const std::string& message) {
        if (told.insert(message).second)
            std::fprintf(stderr, "%s\n", message.c_str());
    };
    const auto check = [&](const ProcessRun& r, const std::string& what) {
        if (r.status != 0 || r.moments.count("paint") != 1)
            tellOnce("run of " + what + " ended with " + r.ending() +
                     (r.moments.count("paint") ? "" : ", before its first paint"));
        return r;
    };
    using List = std::vector<double> Figures::*;
    // One baseline run and one run of the program on one screen; `figures` null for the
    // untimed round.
    const auto startPair = [&](size_t s, Figures* figures, const std::string& config,
                               const std::string& what, List base, List basePaint, List start,
                               List paint, List peakBase, List peak) {
        const std::vector<std::string>& env = environments[s];
        const std::string on = " (" + screens[s].name + ")";
        const ProcessRun b = check(runProcess(p.baseline, {"start"}, env), "the baseline" + on);
        const ProcessRun r = check(runProcess(p.window, {"start", config}, env), what + on);
        if (!figures)
            return;
        (figures->*base).push_back(b.wallMs());
        (figures->*basePaint).push_back(b.untilMs("paint"));
        (figures->*start).push_back(r.wallMs());
        (figures->*paint).push_back(r.untilMs("paint"));
        if (peak) {
            (figures->*peakBase).push_back(b.peakMiB());
            (figures->*peak).push_back(r.peakMiB());
        }
    };
    const auto closePair = [&](size_t s, Figures* figures) {
        const std::vector<std::string>& env = environments[s];
        const std::string on = " (" + screens[s].name + ")";
        const ProcessRun b =
            check(runProcess(p.baseline, {"close"}, env), "the baseline closing" + on);
        if (!writeFile(closingFile, p.fullConfigBytes))
            tellOnce("cannot write " + closingFile);
        const ProcessRun r = check(runProcess(p.window, {"close", p.closingConfig}, env),
                                   "Zwervel closing, 2 x 32,767" + on);
        // The save keeps every entry: the same entries in the same code page, the same size.
        const qint64 saved = QFile(QString::fromStdString(closingFile)).size();
        if (saved != p.fullConfigBytes.size())
            tellOnce("Zwervel closing, 2 x 32,767" + on + ", saved " + std::to_string(saved) +
                     " bytes where " + std::to_string(p.fullConfigBytes.size()) + " were read");
        if (!figures)
            return;
        figures->baseClose.push_back(b.fromMs("close"));
        figures->baseClosePeak.push_back(b.peakMiB());
        figures->fullClose.push_back(r.fromMs("close"));
        figures->fullClosePeak.push_back(r.peakMiB());
    };
    // Each kind in a block of its own, in turns with the baseline: a run with full lists leaves
    // the X server slower for a while, which would fall on whatever kind ran next.
    const std::vector<std::function<void(size_t, Figures*)>> blocks{
        [&](size_t s, Figures* f) {
            startPair(s, f, p.noConfig, "Zwervel", &Figures::noneBase, &Figures::noneBasePaint,
                      &Figures::noneStart, &Figures::nonePaint, nullptr, nullptr);
        },
        [&](size_t s, Figures* f) {
            startPair(s, f, p.heavyConfig, "Zwervel, 2 x 5,000", &Figures::heavyBase,
                      &Figures::heavyBasePaint, &Figures::heavyStart, &Figures::heavyPaint, nullptr,
                      nullptr);
        },
        [&](size_t s, Figures* f) {
            startPair(s, f, p.fullConfig, "Zwervel, 2 x 32,767", &Figures::fullBase,
                      &Figures::fullBasePaint, &Figures::fullStart, &Figures::fullPaint,
                      &Figures::basePeak, &Figures::fullPeak);
        },
        closePair,
    };
    std::vector<Figures> figures(screens.size());
    for (const auto& block : blocks) {
        // One untimed pair first, so that every run finds the libraries in the page cache and
        // the X server has seen a client.
        for (size_t s = 0; s < screens.size(); ++s)
            block(s, nullptr);
        for (int i = 0; i < m_repeats; ++i)
            for (size_t s = 0; s < screens.size(); ++s)
                block(s, &figures[s]);
    }

    const auto firstPaint = [](const std::vector<double>& window, const std::vector<double>& base) {
        return "to the first paint alone: " + format("%.1f ms", series(window).median) + " vs " +
               format("%.1f ms", series(base).median) + " (medians)";
    };
    const auto startRows = [&](const char* what, List base, List basePaint, List start, List paint,
                               double limit) {
        for (size_t s = 0; s < screens.size(); ++s) {
            const Figures& f = figures[s];
            Row& row = table.add(std::string("start-up, ") + what + " (" + screens[s].name + ")",
                                 series(f.*start), series(f.*base), "ms");
            row.comparison = ratio(row.figure.median, row.baseline.median);
            row.goal = format("<= %.1f x", limit);
            row.met = row.figure.median <= limit * row.baseline.median;
            row.note = firstPaint(f.*paint, f.*basePaint);
        }
    };
    startRows("no configuration file", &Figures::noneBase, &Figures::noneBasePaint,
              &Figures::noneStart, &Figures::nonePaint, 1.5);
    table.last().note += "; each row: the whole process until it ends after its first paint, " +
                         std::to_string(m_repeats) +
                         " runs in turns with the baseline window (the same size, one line "
                         "of text), each kind in a block of its own";
    startRows("2 x 5,000 entries", &Figures::heavyBase, &Figures::heavyBasePaint,
              &Figures::heavyStart, &Figures::heavyPaint, 1.6);
    startRows("2 x 32,767 entries", &Figures::fullBase, &Figures::fullBasePaint,
              &Figures::fullStart, &Figures::fullPaint, 2.5);

    for (size_t s = 0; s < screens.size(); ++s) {
        const Figures& f = figures[s];
        Row& row = table.add("peak memory, 2 x 32,767 entries (" + screens[s].name + ")",
                             series(f.fullPeak), series(f.basePeak), "MiB");
        row.comparison = format("%+.1f MiB", row.figure.median - row.baseline.median);
        row.goal = "<= base + 25 MiB";
        row.met = row.figure.median <= row.baseline.median + 25;
        row.note = "peak resident set of the start-up runs; with the closing and its save: " +
                   format("%.1f", series(f.fullClosePeak).median) + " vs " +
                   format("%.1f MiB", series(f.baseClosePeak).median) + " (medians)";
    }
    for (size_t s = 0; s < screens.size(); ++s) {
        const Figures& f = figures[s];
        Row& row = table.add("closing, 2 x 32,767 entries (" + screens[s].name + ")",
                             series(f.fullClose), series(f.baseClose), "ms");
        row.comparison = format("%+.1f ms", row.figure.median - row.baseline.median);
        row.goal = "<= 100 ms";
        row.met = row.figure.median <= 100;
    }
    table.last().note = "from the close request to the end of the process, the save included; "
                        "baseline: the baseline window closed alike";
}

} // namespace zwervel::bench
