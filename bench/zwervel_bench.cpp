// Runs every benchmark of Zwervel and prints one table. Each figure stands next to a baseline
// measured in the same run, with the smallest, middle and largest of its repeats, so that the
// machine's noise shows. Start-up, closing and memory are measured on whole processes (the
// program's window and a baseline window showing one line of text, started alike), both on an
// X server that the driver starts itself and offscreen; the rest inside this process on the
// real window, offscreen.
//
// Usage: zwervel_bench [--repeats N]   N runs of each process, 10 by default
//        zwervel_bench --files DIR     only writes the benchmark's configuration files,
//                                      DIR/5000/zwervel.cfg and DIR/32767/zwervel.cfg (DIR/none
//                                      has none), for a profiler run of bench_window on them
#include "ConfigFile.h"
#include "NameGenerator.h"
#include "StartupBenchmarks.h"
#include "Table.h"
#include "WindowBenchmarks.h"
#include "XServer.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSysInfo>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sched.h>
#include <vector>

using namespace zwervel::bench;

namespace {

constexpr int FullList = 32767;
constexpr int HeavyUser = 5000;

std::vector<int> allowedProcessors()
{
    std::vector<int> processors;
    cpu_set_t allowed;
    if (sched_getaffinity(0, sizeof allowed, &allowed) == 0)
        for (int cpu = 0; cpu < CPU_SETSIZE; ++cpu)
            if (CPU_ISSET(cpu, &allowed))
                processors.push_back(cpu);
    return processors;
}

// Keeps this driver, and so every process it starts, on one processor: virtual machines'
// processors can differ in speed by a third, and a program and its baseline must not be timed
// on different ones. Returns false where that cannot be done.
bool pinTo(int processor)
{
    cpu_set_t one;
    CPU_ZERO(&one);
    CPU_SET(processor, &one);
    return sched_setaffinity(0, sizeof one, &one) == 0;
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        std::exit(1);
    }
}

std::string describeLists(const char* what, const QStringList& places, const QStringList& routes,
                          const QByteArray& file)
{
    return std::string(what) + ": " + std::to_string(places.size()) + " places (average " +
           format("%.1f", double(places.join(QString()).size()) / double(places.size())) +
           " characters), " + std::to_string(routes.size()) + " routes (average " +
           format("%.1f", double(routes.join(QString()).size()) / double(routes.size())) +
           "), file " + format("%.2f MiB", double(file.size()) / (1024 * 1024));
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

    // The lists a user's own file brings: a heavy user's, and full ones (the most a list holds).
    const QString route =
        QStringLiteral("Nieuwegein/48.860997, 2.352563 (Parijs)/Rome, Colosseum (reis)");
    NameGenerator fullNames(2024);
    const QStringList fullPlaces = fullNames.places(FullList);
    const QStringList fullRoutes = fullNames.routes(FullList, fullPlaces);
    const QByteArray full = ConfigFile{route, fullPlaces, fullRoutes}.bytes();
    NameGenerator heavyNames(5000);
    const QStringList heavyPlaces = heavyNames.places(HeavyUser);
    const QStringList heavyRoutes = heavyNames.routes(HeavyUser, heavyPlaces);
    const QByteArray heavy = ConfigFile{route, heavyPlaces, heavyRoutes}.bytes();

    QTemporaryDir temporary;
    const QDir dir(filesOnly.isEmpty() ? temporary.path() : filesOnly);
    for (const char* folder : {"none", "5000", "32767", "closing"})
        dir.mkpath(QLatin1String(folder));
    writeFile(dir.filePath(QStringLiteral("5000/zwervel.cfg")), heavy);
    writeFile(dir.filePath(QStringLiteral("32767/zwervel.cfg")), full);
    if (!filesOnly.isEmpty())
        return 0;

    // The programs on one processor; the X server, where there is another, on that one.
    const std::vector<int> processors = allowedProcessors();
    const int cpu = !processors.empty() && pinTo(processors.front()) ? processors.front() : -1;
    const int serverCpu = cpu >= 0 && processors.size() > 1 ? processors[1] : -1;
    const XServer x(serverCpu);

    double load = -1;
    if (FILE* f = std::fopen("/proc/loadavg", "r")) {
        if (std::fscanf(f, "%lf", &load) != 1)
            load = -1;
        std::fclose(f);
    }
    std::printf("Zwervel benchmarks (Qt %s, %s); load average %.2f at the start; %s\n", qVersion(),
                qPrintable(QSysInfo::prettyProductName()), load,
                cpu < 0 ? "processes on any processor"
                        : ("every process on processor " + std::to_string(cpu)).c_str());
    std::printf("X11: %s\n", x.running()
                                 ? ("Xvfb " + x.display() + ", no window manager, " +
                                    (serverCpu < 0 ? std::string("on the same processor")
                                                   : "on processor " + std::to_string(serverCpu)))
                                       .c_str()
                                 : (x.error() + "; start-up measured offscreen only").c_str());
    std::printf("%s\n%s\n", describeLists("Full lists", fullPlaces, fullRoutes, full).c_str(),
                describeLists("Heavy user", heavyPlaces, heavyRoutes, heavy).c_str());
    std::fflush(stdout);

    const QString bin = QCoreApplication::applicationDirPath();
    const auto path = [&dir](const char* folder) {
        return dir.filePath(QLatin1String(folder) + QStringLiteral("/zwervel")).toStdString();
    };
    std::vector<StartupBenchmarks::Screen> screens;
    if (x.running())
        screens.push_back({"X11", {"QT_QPA_PLATFORM=xcb", "DISPLAY=" + x.display()}});
    screens.push_back({"offscreen", {"QT_QPA_PLATFORM=offscreen"}});

    Table table;
    StartupBenchmarks({(bin + QStringLiteral("/bench_window")).toStdString(),
                       (bin + QStringLiteral("/bench_baseline")).toStdString(), path("none"),
                       path("5000"), path("32767"), path("closing"), full},
                      repeats)
        .run(screens, table);
    WindowBenchmarks(fullPlaces).run(table);
    table.print();
    return 0;
}
