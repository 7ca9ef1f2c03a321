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
#include "RouteCase.h"
#include "Table.h"

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

// The real platform, except that it keeps quiet and says yes: nothing may wait for a user here.
class QuietPlatform : public QtPlatform {
public:
    explicit QuietPlatform(QString path) : m_path(std::move(path)) {}
    void beep() override {}
    Vraag::Antwoord toon(const Vraag& vraag) override
    {
        return vraag.knoppen == Vraag::Knoppen::JaNee ? Vraag::Antwoord::Ja : Vraag::Antwoord::OK;
    }
    QString programmaPad() override { return m_path; }

private:
    QString m_path;
};

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
    // One untimed round first, so that every run finds the libraries in the page cache.
    runProcess(p.baseline, {"start"});
    runProcess(p.window, {"start", p.emptyConfig});
    runProcess(p.window, {"start", p.largeConfig});

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
        ProcessRun r = runProcess(p.baseline, {"start"});
        check(r, "empty window");
        baseStart.push_back(r.wallMs());
        basePaint.push_back(r.untilMs("paint"));
        basePeak.push_back(r.peakMiB());
        r = runProcess(p.window, {"start", p.emptyConfig});
        check(r, "Zwervel");
        emptyStart.push_back(r.wallMs());
        emptyPaint.push_back(r.untilMs("paint"));
        r = runProcess(p.window, {"start", p.largeConfig});
        check(r, "Zwervel, large lists");
        largeStart.push_back(r.wallMs());
        largePaint.push_back(r.untilMs("paint"));
        largePeak.push_back(r.peakMiB());
        r = runProcess(p.baseline, {"close"});
        baseClose.push_back(r.fromMs("close"));
        baseClosePeak.push_back(r.peakMiB());
        r = runProcess(p.window, {"close", p.largeConfig});
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

// ---- Inside this process ----------------------------------------------------------------

// How often to run a call for one repeat to last about 20 ms.
int callsFor20ms(const std::function<void()>& call)
{
    QElapsedTimer clock;
    clock.start();
    call();
    const qint64 once = qMax<qint64>(clock.nsecsElapsed(), 1);
    return int(qBound(qint64(1), 20'000'000 / once, qint64(1'000'000)));
}

// Microseconds per call over one repeat.
double oneRepeat(const std::function<void()>& call, int calls)
{
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < calls; ++i)
        call();
    return double(clock.nsecsElapsed()) / calls / 1000;
}

// A call with what readies it for its turn, which is not timed.
struct Turn {
    std::function<void()> prepare;
    std::function<void()> call;
};

// Time per call of two calls, measured repeat by repeat in turns, so that a change in the
// machine's speed during the row weighs on both figures alike.
std::pair<Series, Series> perCallInTurns(const Turn& a, const Turn& b, int repeats = 15)
{
    a.prepare();
    const int callsA = callsFor20ms(a.call);
    b.prepare();
    const int callsB = callsFor20ms(b.call);
    std::vector<double> usA, usB;
    for (int r = 0; r < repeats; ++r) {
        a.prepare();
        usA.push_back(oneRepeat(a.call, callsA));
        b.prepare();
        usB.push_back(oneRepeat(b.call, callsB));
    }
    return {series(usA), series(usB)};
}

// The window as a user finds it: shown, active, the route box focused.
struct Window {
    QTemporaryDir folder;
    QuietPlatform platform{folder.filePath(QStringLiteral("zwervel"))};
    frmZwervel f{platform};

    Window()
    {
        f.show();
        f.activateWindow();
        QElapsedTimer clock;
        clock.start();
        while (!f.isActiveWindow() && clock.elapsed() < 3000)
            QApplication::processEvents(QEventLoop::AllEvents, 50);
        QApplication::processEvents();
    }
};

volatile qsizetype g_sink = 0; // keeps the optimiser from dropping the measured calls

void routeBenchmarks(Table& table)
{
    Window w;
    for (const RouteCase routeCase :
         {RouteCase::Spaces, RouteCase::Slashes, RouteCase::Alternating, RouteCase::Mixed}) {
        const auto route = [&](int length) {
            return Turn{
                [&w, routeCase, length] { w.f.Route.setText(routeText(routeCase, length)); },
                [&w] { g_sink = g_sink + w.f.RouteGestript(true, true).size(); }};
        };
        const auto [shorter, longer] = perCallInTurns(route(4000), route(32000));
        Row& row = table.add(std::string("RouteGestript, 32,000 chars, ") + describe(routeCase),
                             longer, shorter, "us");
        const double factor = longer.median / shorter.median;
        row.comparison = format("%.2f x", factor);
        row.goal = "<= 9 x, < 100 us";
        row.met = factor <= 9 && longer.median < 100;
    }
    table.last().note = "per call, through the route box, both flags on; baseline: the same "
                        "text at 4,000 characters, measured in turns with it";
}

struct Target {
    QWidget* widget;
    QPointF local;
    QPointF global;
};

Target targetIn(QWidget& w, QPointF local)
{
    return {&w, local, w.mapToGlobal(local)};
}
Target targetIn(QWidget& w)
{
    return targetIn(w, QRectF(w.rect()).center());
}

// `moves` moves over the targets: `inARow` moves on each before the next one.
void storm(const std::vector<Target>& targets, int moves, int inARow,
           const std::function<void()>& afterEachMove = {})
{
    for (int i = 0; i < moves; ++i) {
        const Target& t = targets[size_t(i / inARow) % targets.size()];
        QMouseEvent move(QEvent::MouseMove, t.local, t.global, Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(t.widget, &move);
        if (afterEachMove)
            afterEachMove();
    }
}

void hoverBenchmarks(Table& table)
{
    constexpr int Moves = 100'000;
    Window w;
    frmZwervel& f = w.f;
    f.knopOngedaan.setVisible(true); // a hidden control raises no mouse events
    QApplication::processEvents();

    // Where the window itself lies bare: no control under the point.
    QPoint bare(1, 1);
    for (int y = 0; y < f.height() && f.childAt(bare); y += 2)
        for (int x = 0; x < f.width() && f.childAt(bare); x += 2)
            bare = QPoint(x, y);

    std::vector<Target> explained, general;
    for (QWidget* c : std::initializer_list<QWidget*>{
             &f.tRoutes, &f.tPlaats, &f.Routes, &f.knopGoogleMaps, &f.Plaats, &f.knopRouteOpschonen,
             &f.KnopRouteLeegmaken, &f.knopGoogleMapsOpenen, &f.knopPlaatsToevoegen,
             &f.knopRouteToevoegen, &f.knopRouteVerwijderen, &f.Info, &f.knopOngedaan,
             &f.knopPlaatsVerwijderen, &f.LabelRoutes, &f.LabelPlaatsen, &f.LabelRoute})
        explained.push_back(targetIn(*c));
    general = {targetIn(*f.Route.viewport()), targetIn(f.LabelVoettekst, QPointF(300, 30)),
               targetIn(f, bare)};
    std::vector<Target> all = explained;
    all.insert(all.end(), general.begin(), general.end());

    // The baseline: as many moves over as many empty widgets in an empty window.
    QWidget empty;
    empty.resize(f.size());
    std::vector<std::unique_ptr<QWidget>> children;
    std::vector<Target> emptyTargets;
    for (size_t i = 0; i < all.size(); ++i) {
        children.push_back(std::make_unique<QWidget>(&empty));
        children.back()->setGeometry(int(i % 5) * 60, int(i / 5) * 60, 50, 50);
        children.back()->setMouseTracking(true);
        emptyTargets.push_back(targetIn(*children.back()));
    }
    empty.show();
    QApplication::processEvents();

    struct Kind {
        const char* what;
        const std::vector<Target>* targets;
        int inARow;
        const char* goal;
        double limit;
    };
    const Kind kinds[] = {
        {"hover storm, explained controls, staying on each", &explained,
         Moves / int(explained.size()) + 1, "< 5 us", 5},
        {"hover storm, general-help surfaces, staying", &general, Moves / int(general.size()) + 1,
         "< 5 us", 5},
        {"hover storm, another control every move", &all, 1, "", 0},
    };
    // What the information label shows, read as Qt shows it.
    const auto shownHelp = [&f] {
        const auto* label = qobject_cast<const QLabel*>(&f.Info);
        return label ? label->text() : QString();
    };
    for (const Kind& k : kinds) {
        std::vector<double> times, baseline;
        for (int r = 0; r < 5; ++r) {
            QElapsedTimer clock;
            clock.start();
            storm(*k.targets, Moves, k.inARow);
            times.push_back(double(clock.nsecsElapsed()) / Moves / 1000);
            clock.restart();
            storm(emptyTargets, Moves, k.inARow);
            baseline.push_back(double(clock.nsecsElapsed()) / Moves / 1000);
        }
        // Once more, untimed, counting the moves after which the label shows another text.
        long changes = 0;
        QString shown = shownHelp();
        storm(*k.targets, Moves, k.inARow, [&] {
            const QString now = shownHelp();
            if (now != shown) {
                ++changes;
                shown = now;
            }
        });
        Row& row = table.add(k.what, series(times), series(baseline), "us");
        row.comparison = ratio(row.figure.median, row.baseline.median);
        row.goal = k.goal;
        row.met = k.limit > 0 && row.figure.median < k.limit;
        row.note = "per move, " + std::to_string(Moves) + " moves; the information label changed " +
                   std::to_string(changes) + " times";
    }
    table.last().note += "; baseline: the same moves over empty widgets";
}

// Fills a list as the user's lists grow, one entry at a time.
void fill(auto& list, const QStringList& entries, qsizetype count)
{
    for (qsizetype i = 0; i < count; ++i)
        list.AddItem(entries.at(i));
}

// A left click in the middle of a control, as the mouse makes it.
void click(QWidget& control)
{
    const QPointF local = QRectF(control.rect()).center();
    const QPointF global = control.mapToGlobal(local);
    QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(&control, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(&control, &release);
}

void addBenchmark(const QStringList& largePlaces, Table& table)
{
    constexpr int Adds = 300;
    NameGenerator names(7);
    const QStringList added = names.newPlaces(Adds, NameGenerator::inLowerCase(largePlaces));
    const auto measure = [&](qsizetype count) {
        Window w;
        fill(w.f.Plaats, largePlaces, count);
        QApplication::processEvents();
        std::vector<double> ms;
        QElapsedTimer clock;
        for (const QString& place : added) {
            // The user selects the place in the route box...
            w.f.Route.setText(place);
            w.f.Route.selectAll();
            QApplication::processEvents();
            // ...and clicks the button that adds it; the window then handles what that posted.
            clock.restart();
            click(w.f.knopPlaatsToevoegen);
            QApplication::processEvents();
            ms.push_back(double(clock.nsecsElapsed()) / 1e6);
        }
        if (w.f.Plaats.count() != count + Adds)
            std::fprintf(stderr, "adding places: %d entries in the list, %d expected\n",
                         int(w.f.Plaats.count()), int(count + Adds));
        return series(ms);
    };
    const Series shorter = measure(4095);
    const Series longer = measure(LargeList);
    Row& row = table.add("adding one place to a list of 32,767", longer, shorter, "ms");
    row.comparison = ratio(longer.median, shorter.median);
    row.goal = "< 2 ms";
    row.met = longer.median < 2;
    row.note = "a click on knopPlaatsToevoegen with a new place selected, until the window has "
               "handled it (the duplicate test walks the whole list), " +
               std::to_string(Adds) + " adds; baseline: a list of 4,095";
}

void openBenchmark(const QStringList& largePlaces, Table& table)
{
    // A fresh window each time: only the first opening of a filled list measures its entries.
    const auto measure = [&](qsizetype count) {
        std::vector<double> ms;
        for (int r = 0; r < 5; ++r) {
            Window w;
            fill(w.f.Plaats, largePlaces, count);
            QApplication::processEvents();
            QComboBox& list = w.f.Plaats;
            QElapsedTimer clock;
            clock.start();
            list.showPopup();
            QApplication::processEvents(); // the open list lays out and paints
            ms.push_back(double(clock.nsecsElapsed()) / 1e6);
            list.hidePopup();
        }
        return series(ms);
    };
    const Series shorter = measure(100);
    const Series longer = measure(LargeList);
    Row& row = table.add("opening the place list of 32,767", longer, shorter, "ms");
    row.comparison = ratio(longer.median, shorter.median);
    row.note = "first opening, until painted; baseline: a list of 100";
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
    routeBenchmarks(table);
    hoverBenchmarks(table);
    addBenchmark(placeList, table);
    openBenchmark(placeList, table);
    table.print();
    return 0;
}
