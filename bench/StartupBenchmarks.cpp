#include "StartupBenchmarks.h"

#include "ProcessRun.h"

#include <QFile>
#include <QString>

#include <cstdio>
#include <set>

namespace zwervel::bench {

namespace {

// The figures of one screen, run by run.
struct Figures {
    std::vector<double> baseStart, basePaint, basePeak;
    std::vector<double> noneStart, nonePaint;
    std::vector<double> heavyStart, heavyPaint;
    std::vector<double> fullStart, fullPaint, fullPeak;
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
    // One run of each kind on one screen; `figures` null for the untimed round.
    const auto runEachKind = [&](size_t s, Figures* figures) {
        const std::vector<std::string>& env = environments[s];
        const std::string on = " (" + screens[s].name + ")";
        const auto keep = [figures](std::vector<double> Figures::*list, double value) {
            if (figures)
                (figures->*list).push_back(value);
        };
        ProcessRun r = check(runProcess(p.baseline, {"start"}, env), "the baseline" + on);
        keep(&Figures::baseStart, r.wallMs());
        keep(&Figures::basePaint, r.untilMs("paint"));
        keep(&Figures::basePeak, r.peakMiB());
        r = check(runProcess(p.window, {"start", p.noConfig}, env), "Zwervel" + on);
        keep(&Figures::noneStart, r.wallMs());
        keep(&Figures::nonePaint, r.untilMs("paint"));
        r = check(runProcess(p.window, {"start", p.heavyConfig}, env), "Zwervel, 2 x 5,000" + on);
        keep(&Figures::heavyStart, r.wallMs());
        keep(&Figures::heavyPaint, r.untilMs("paint"));
        r = check(runProcess(p.window, {"start", p.fullConfig}, env), "Zwervel, 2 x 32,767" + on);
        keep(&Figures::fullStart, r.wallMs());
        keep(&Figures::fullPaint, r.untilMs("paint"));
        keep(&Figures::fullPeak, r.peakMiB());
        r = check(runProcess(p.baseline, {"close"}, env), "the baseline closing" + on);
        keep(&Figures::baseClose, r.fromMs("close"));
        keep(&Figures::baseClosePeak, r.peakMiB());
        if (!writeFile(closingFile, p.fullConfigBytes))
            tellOnce("cannot write " + closingFile);
        r = check(runProcess(p.window, {"close", p.closingConfig}, env),
                  "Zwervel closing, 2 x 32,767" + on);
        keep(&Figures::fullClose, r.fromMs("close"));
        keep(&Figures::fullClosePeak, r.peakMiB());
        // The save keeps every entry: the same entries in the same code page, the same size.
        const qint64 saved = QFile(QString::fromStdString(closingFile)).size();
        if (saved != p.fullConfigBytes.size())
            tellOnce("Zwervel closing, 2 x 32,767" + on + ", saved " + std::to_string(saved) +
                     " bytes where " + std::to_string(p.fullConfigBytes.size()) + " were read");
    };

    // One untimed round first, so that every run finds the libraries in the page cache and
    // the X server has seen a client.
    for (size_t s = 0; s < screens.size(); ++s)
        runEachKind(s, nullptr);
    std::vector<Figures> figures(screens.size());
    // Interleaved, so that a slow moment of the machine falls on every kind alike.
    for (int i = 0; i < m_repeats; ++i)
        for (size_t s = 0; s < screens.size(); ++s)
            runEachKind(s, &figures[s]);

    const auto firstPaint = [](const std::vector<double>& window, const std::vector<double>& base) {
        return "to the first paint alone: " + format("%.1f ms", series(window).median) + " vs " +
               format("%.1f ms", series(base).median) + " (medians)";
    };
    const auto startRows = [&](const char* what, std::vector<double> Figures::*start,
                               std::vector<double> Figures::*paint, double limit) {
        for (size_t s = 0; s < screens.size(); ++s) {
            const Figures& f = figures[s];
            Row& row = table.add(std::string("start-up, ") + what + " (" + screens[s].name + ")",
                                 series(f.*start), series(f.baseStart), "ms");
            row.comparison = ratio(row.figure.median, row.baseline.median);
            row.goal = format("<= %.1f x", limit);
            row.met = row.figure.median <= limit * row.baseline.median;
            row.note = firstPaint(f.*paint, f.basePaint);
        }
    };
    startRows("no configuration file", &Figures::noneStart, &Figures::nonePaint, 1.5);
    table.last().note += "; each row: the whole process until it ends after its first paint, " +
                         std::to_string(m_repeats) +
                         " runs in turns with the baseline window (the same size, one line "
                         "of text)";
    startRows("2 x 5,000 entries", &Figures::heavyStart, &Figures::heavyPaint, 1.6);
    startRows("2 x 32,767 entries", &Figures::fullStart, &Figures::fullPaint, 2.5);

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
