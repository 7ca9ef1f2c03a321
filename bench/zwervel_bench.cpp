// Runs every benchmark of Zwervel and prints one table. Each figure stands next to a baseline
// measured in the same run, with the smallest, middle and largest of its repeats, so that the
// machine's noise shows. Start-up, closing and memory are measured on whole processes (the
// program's window and an empty Qt window, started alike); the rest inside this process on
// the real window.
//
// Usage: zwervel_bench [--repeats N]   N runs of each process, 10 by default
//        zwervel_bench --files DIR     only writes the benchmark's configuration files,
//                                      DIR/empty/zwervel.cfg and DIR/large/zwervel.cfg,
//                                      for a profiler run of bench_window on them
#include "ConfigFile.h"
#include "NameGenerator.h"
#include "ProcessRun.h"
#include "Table.h"
#include "WindowBenchmarks.h"

#include "platform/QtPlatform.h"
#include "window/frmZwervel.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QSysInfo>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <sched.h>
#include <utility>

using namespace zwervel;
using namespace zwervel::bench;

namespace {

constexpr int LargeList = 32767;

std::string toStd(const QString& s)
{
    return s.toStdString();
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        std::exit(1);
    }
}

// ---- Whole processes ------------------------------------------------------------------

// Keeps this driver, and so every process it starts, on one processor: virtual machines'
// processors can differ in speed by a third, and a program and its baseline must not be timed
// on different ones. Returns the processor, or -1 where that cannot be done.
int pinToOneProcessor()
{
    cpu_set_t allowed;
    if (sched_getaffinity(0, sizeof allowed, &allowed) != 0)
        return -1;
    for (int cpu = 0; cpu < CPU_SETSIZE; ++cpu) {
        if (!CPU_ISSET(cpu, &allowed))
            continue;
        cpu_set_t one;
        CPU_ZERO(&one);
        CPU_SET(cpu, &one);
        return sched_setaffinity(0, sizeof one, &one) == 0 ? cpu : -1;
    }
    return -1;
}

struct Programs {
    std::string window, baseline;
    std::string emptyConfig, largeConfig; // program paths; the configuration file lies beside each
};

void processBenchmarks(const Programs& p, int repeats, Table& table)
{
    const std::vector<std::string> env = environmentWith({});
    // One untimed round first, so that every run finds the libraries in the page cache.
    runProcess(p.baseline, {"start"}, env);
    runProcess(p.window, {"start", p.emptyConfig}, env);
    runProcess(p.window, {"start", p.largeConfig}, env);

    std::vector<double> baseStart, basePaint, emptyStart, emptyPaint, largeStart, largePaint;
    std::vector<double> baseClose, largeClose, basePeak, largePeak, baseClosePeak, largeClosePeak;
    bool failed = false;
    const auto check = [&](const ProcessRun& r, const char* what) {
        if (r.status != 0 && !failed) {
            std::fprintf(stderr, "run of %s ended with status %d\n", what, r.status);
            failed = true;
        }
    };
    for (int i = 0; i < repeats; ++i) {
        // Interleaved, so that a slow moment of the machine falls on every kind alike.
        ProcessRun r = runProcess(p.baseline, {"start"}, env);
        check(r, "empty window");
        baseStart.push_back(r.wallMs());
        basePaint.push_back(r.untilMs("paint"));
        basePeak.push_back(r.peakMiB());
        r = runProcess(p.window, {"start", p.emptyConfig}, env);
        check(r, "Zwervel");
        emptyStart.push_back(r.wallMs());
        emptyPaint.push_back(r.untilMs("paint"));
        r = runProcess(p.window, {"start", p.largeConfig}, env);
        check(r, "Zwervel, large lists");
        largeStart.push_back(r.wallMs());
        largePaint.push_back(r.untilMs("paint"));
        largePeak.push_back(r.peakMiB());
        r = runProcess(p.baseline, {"close"}, env);
        baseClose.push_back(r.fromMs("close"));
        baseClosePeak.push_back(r.peakMiB());
        r = runProcess(p.window, {"close", p.largeConfig}, env);
        check(r, "Zwervel closing");
        largeClose.push_back(r.fromMs("close"));
        largeClosePeak.push_back(r.peakMiB());
    }

    const Series baseline = series(baseStart);
    Row* row = &table.add("start-up to first paint, empty configuration", series(emptyStart),
                          baseline, "ms");
    row->comparison = ratio(row->figure.median, baseline.median);
    row->goal = "<= 1.25 x";
    row->met = row->figure.median <= 1.25 * baseline.median;
    row->note = "whole process, " + std::to_string(repeats) +
                " runs; to the first paint alone: " + format("%.1f ms", series(emptyPaint).median) +
                " vs " + format("%.1f ms", series(basePaint).median) + " (medians)";

    row =
        &table.add("start-up, 32,767 places and 32,767 routes", series(largeStart), baseline, "ms");
    row->comparison = ratio(row->figure.median, baseline.median);
    row->goal = "<= 1.6 x";
    row->met = row->figure.median <= 1.6 * baseline.median;
    row->note =
        "whole process; to the first paint alone: " + format("%.1f ms", series(largePaint).median) +
        " (median)";

    row = &table.add("closing with those lists (durable save)", series(largeClose),
                     series(baseClose), "ms");
    row->comparison = format("+%.1f ms", row->figure.median - row->baseline.median);
    row->goal = "<= 100 ms";
    row->met = row->figure.median <= 100;
    row->note = "from the close request to the end of the process; baseline: the empty "
                "window closed alike";

    row = &table.add("peak memory with those lists", series(largePeak), series(basePeak), "MiB");
    row->comparison = format("+%.1f MiB", row->figure.median - row->baseline.median);
    row->goal = "<= empty + 12 MiB";
    row->met = row->figure.median <= row->baseline.median + 12;
    row->note = "peak resident set of the start-up runs; with the closing and its save: " +
                format("%.1f", series(largeClosePeak).median) + " vs " +
                format("%.1f MiB", series(baseClosePeak).median) + " (medians)";
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The offscreen platform's notes (no raise, no keyboard grab) would only clutter the table.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    int repeats = 10;
    QString filesOnly;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--repeats") == 0)
            repeats = qMax(1, std::atoi(argv[i + 1]));
        if (std::strcmp(argv[i], "--files") == 0)
            filesOnly = QString::fromLocal8Bit(argv[i + 1]);
    }
    QApplication app(argc, argv);
    const int cpu = pinToOneProcessor();

    QTemporaryDir temporary;
    QDir dir(filesOnly.isEmpty() ? temporary.path() : filesOnly);
    const QString bin = QCoreApplication::applicationDirPath();
    Programs p{toStd(bin + QStringLiteral("/bench_window")),
               toStd(bin + QStringLiteral("/bench_baseline")),
               toStd(dir.filePath(QStringLiteral("empty/zwervel"))),
               toStd(dir.filePath(QStringLiteral("large/zwervel")))};
    dir.mkpath(QStringLiteral("empty"));
    dir.mkpath(QStringLiteral("large"));

    // The file the program itself leaves: an empty window, and a user's very long lists.
    NameGenerator names(2024);
    const QStringList placeList = names.places(LargeList);
    const QStringList routeList = names.routes(LargeList, placeList);
    writeFile(dir.filePath(QStringLiteral("empty/zwervel.cfg")), ConfigFile{}.bytes());
    const QByteArray large =
        ConfigFile{QStringLiteral("Nieuwegein/48.860997, 2.352563 (Parijs)/Rome, Colosseum (reis)"),
                   placeList, routeList}
            .bytes();
    writeFile(dir.filePath(QStringLiteral("large/zwervel.cfg")), large);
    if (!filesOnly.isEmpty())
        return 0;

    double load[3] = {};
    if (FILE* f = std::fopen("/proc/loadavg", "r")) {
        if (std::fscanf(f, "%lf %lf %lf", &load[0], &load[1], &load[2]) != 3)
            load[0] = -1;
        std::fclose(f);
    }
    std::printf("Zwervel benchmarks (Qt %s, %s, offscreen); load average %.2f at the start; %s\n",
                qVersion(), qPrintable(QSysInfo::prettyProductName()), load[0],
                cpu < 0 ? "processes on any processor"
                        : qPrintable(QStringLiteral("every process on processor %1").arg(cpu)));
    std::printf("Large lists: %d places (average %.1f characters), %d routes (average %.1f), "
                "file %.2f MiB\n",
                LargeList, double(placeList.join(QString()).size()) / LargeList, LargeList,
                double(routeList.join(QString()).size()) / LargeList,
                double(large.size()) / (1024 * 1024));
    std::fflush(stdout);

    Table table;
    processBenchmarks(p, repeats, table);
    WindowBenchmarks(placeList).run(table);
    table.print();
    return 0;
}
