#include "WindowBenchmarks.h"

#include "NameGenerator.h"
#include "RouteCase.h"

#include "platform/QtPlatform.h"
#include "window/frmZwervel.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QMouseEvent>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace zwervel::bench {

namespace {

// The real platform, except that it keeps quiet and says yes: nothing may wait for a user here.
class QuietPlatform : public QtPlatform {
public:
    explicit QuietPlatform(QString path) : m_path(std::move(path)) {}
    void beep() override {}
    Question::Answer ask(const Question& question) override
    {
        return question.buttons == Question::Buttons::YesNo ? Question::Answer::Yes
                                                            : Question::Answer::OK;
    }
    QString executablePath() override { return m_path; }

private:
    QString m_path;
};

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
    const Series longer = measure(largePlaces.size());
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
    const Series longer = measure(largePlaces.size());
    Row& row = table.add("opening the place list of 32,767", longer, shorter, "ms");
    row.comparison = ratio(longer.median, shorter.median);
    row.note = "first opening, until painted; baseline: a list of 100";
}

} // namespace

void WindowBenchmarks::run(Table& table) const
{
    routeBenchmarks(table);
    hoverBenchmarks(table);
    addBenchmark(m_places, table);
    openBenchmark(m_places, table);
}

} // namespace zwervel::bench
