// Runs every benchmark of Zwervel and prints one table. Each figure stands next to a baseline
// measured in the same run, with the smallest, middle and largest of its repeats, so that the
// machine's noise shows. Start-up, closing and memory are measured on whole processes (the
// program's window and an empty Qt window, started alike); the rest inside this process on
// the real window.
//
// Usage: zwervel_bench [--herhalingen N]   N runs of each process, 10 by default
//        zwervel_bench --bestanden MAP       only writes the benchmark's configuration files,
//                                            MAP/leeg/zwervel.cfg and MAP/groot/zwervel.cfg,
//                                            for a profiler run of bench_venster on them
#include "Gegevens.h"
#include "Proces.h"
#include "Tabel.h"

#include "config/ConfigFormat.h"
#include "platform/Platform.h"
#include "window/frmZwervel.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QMouseEvent>
#include <QSysInfo>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <utility>
#include <sched.h>

using namespace zwervel;
using namespace zwervel::bench;

namespace {

constexpr int GroteLijst = 32767;

// A platform that keeps quiet and says yes: nothing may wait for a user here.
class StillePlatform : public Platform {
public:
    explicit StillePlatform(QString pad) : m_pad(std::move(pad)) {}
    void beep() override {}
    Vraag::Antwoord toon(const Vraag& vraag) override
    {
        return vraag.knoppen == Vraag::Knoppen::JaNee ? Vraag::Antwoord::Ja : Vraag::Antwoord::OK;
    }
    void openAdres(const QString&) override {}
    int toetsenIngedrukt() override { return 0; }
    bool bestandBestaat(const QString& pad) override { return QFileInfo::exists(pad); }
    QString programmaPad() override { return m_pad; }
    void beeindig(int) override {}

private:
    QString m_pad;
};

Rij nieuweRij(std::string wat, Reeks figuur, Reeks basis, std::string eenheid)
{
    Rij rij;
    rij.wat = std::move(wat);
    rij.figuur = figuur;
    rij.basis = basis;
    rij.eenheid = std::move(eenheid);
    return rij;
}

std::string tekst(const QString& s) { return s.toStdString(); }

std::string verhouding(double figuur, double basis) { return opmaak("%.2f x", figuur / basis); }

void schrijfBestand(const QString& pad, const QByteArray& bytes)
{
    QFile bestand(pad);
    if (!bestand.open(QIODevice::WriteOnly) || bestand.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(pad));
        std::exit(1);
    }
}

// ---- Whole processes ------------------------------------------------------------------

// Keeps this driver, and so every process it starts, on one processor: virtual machines'
// processors can differ in speed by a third, and a program and its baseline must not be timed
// on different ones. Returns the processor, or -1 where that cannot be done.
int eenProcessor()
{
    cpu_set_t toegestaan;
    if (sched_getaffinity(0, sizeof toegestaan, &toegestaan) != 0)
        return -1;
    for (int cpu = 0; cpu < CPU_SETSIZE; ++cpu) {
        if (!CPU_ISSET(cpu, &toegestaan))
            continue;
        cpu_set_t een;
        CPU_ZERO(&een);
        CPU_SET(cpu, &een);
        return sched_setaffinity(0, sizeof een, &een) == 0 ? cpu : -1;
    }
    return -1;
}

struct Processen {
    std::string venster, leeg;
    std::string leegCfg, grootCfg; // program paths; the configuration file lies beside each
};

void procesBenchmarks(const Processen& p, int herhalingen, std::vector<Rij>& tabel)
{
    // One untimed round first, so that every run finds the libraries in the page cache.
    draai(p.leeg, {"start"});
    draai(p.venster, {"start", p.leegCfg});
    draai(p.venster, {"start", p.grootCfg});

    std::vector<double> leegStart, leegVerf, legeStart, legeVerf, grootStart, grootVerf;
    std::vector<double> leegSluit, grootSluit, leegPiek, grootPiek, leegSluitPiek, grootSluitPiek;
    bool fout = false;
    const auto meld = [&](const Afloop& a, const char* wat) {
        if (a.status != 0 && !fout) {
            std::fprintf(stderr, "run of %s ended with status %d\n", wat, a.status);
            fout = true;
        }
    };
    for (int i = 0; i < herhalingen; ++i) {
        // Interleaved, so that a slow moment of the machine falls on every kind alike.
        Afloop a = draai(p.leeg, {"start"});
        meld(a, "empty window");
        leegStart.push_back(a.wandMs());
        leegVerf.push_back(a.totMs("verf"));
        leegPiek.push_back(a.piekMiB());
        a = draai(p.venster, {"start", p.leegCfg});
        meld(a, "Zwervel");
        legeStart.push_back(a.wandMs());
        legeVerf.push_back(a.totMs("verf"));
        a = draai(p.venster, {"start", p.grootCfg});
        meld(a, "Zwervel, large lists");
        grootStart.push_back(a.wandMs());
        grootVerf.push_back(a.totMs("verf"));
        grootPiek.push_back(a.piekMiB());
        a = draai(p.leeg, {"sluit"});
        leegSluit.push_back(a.vanafMs("sluit"));
        leegSluitPiek.push_back(a.piekMiB());
        a = draai(p.venster, {"sluit", p.grootCfg});
        meld(a, "Zwervel closing");
        grootSluit.push_back(a.vanafMs("sluit"));
        grootSluitPiek.push_back(a.piekMiB());
    }

    const Reeks basis = reeks(leegStart);
    Rij rij = nieuweRij("start-up to first paint, empty configuration", reeks(legeStart), basis, "ms");
    rij.vergelijking = verhouding(rij.figuur.mediaan, basis.mediaan);
    rij.doel = "<= 1.25 x";
    rij.gehaald = rij.figuur.mediaan <= 1.25 * basis.mediaan;
    rij.opmerking = "whole process, " + std::to_string(herhalingen)
                    + " runs; to the first paint alone: "
                    + opmaak("%.1f ms", reeks(legeVerf).mediaan) + " vs "
                    + opmaak("%.1f ms", reeks(leegVerf).mediaan) + " (medians)";
    tabel.push_back(rij);

    rij = nieuweRij("start-up, 32,767 places and 32,767 routes", reeks(grootStart), basis, "ms");
    rij.vergelijking = verhouding(rij.figuur.mediaan, basis.mediaan);
    rij.doel = "<= 1.6 x";
    rij.gehaald = rij.figuur.mediaan <= 1.6 * basis.mediaan;
    rij.opmerking = "whole process; to the first paint alone: "
                    + opmaak("%.1f ms", reeks(grootVerf).mediaan) + " (median)";
    tabel.push_back(rij);

    rij = nieuweRij("closing with those lists (durable save)", reeks(grootSluit), reeks(leegSluit), "ms");
    rij.vergelijking = opmaak("+%.1f ms", rij.figuur.mediaan - rij.basis.mediaan);
    rij.doel = "<= 100 ms";
    rij.gehaald = rij.figuur.mediaan <= 100;
    rij.opmerking = "from the close request to the end of the process; baseline: the empty "
                    "window closed alike";
    tabel.push_back(rij);

    rij = nieuweRij("peak memory with those lists", reeks(grootPiek), reeks(leegPiek), "MiB");
    rij.vergelijking = opmaak("+%.1f MiB", rij.figuur.mediaan - rij.basis.mediaan);
    rij.doel = "<= empty + 12 MiB";
    rij.gehaald = rij.figuur.mediaan <= rij.basis.mediaan + 12;
    rij.opmerking = "peak resident set of the start-up runs; with the closing and its save: "
                    + opmaak("%.1f", reeks(grootSluitPiek).mediaan) + " vs "
                    + opmaak("%.1f MiB", reeks(leegSluitPiek).mediaan) + " (medians)";
    tabel.push_back(rij);
}

// ---- Inside this process ----------------------------------------------------------------

// How often to run a call for one repeat to last about 20 ms.
int keerVoor20ms(const std::function<void()>& aanroep)
{
    QElapsedTimer klok;
    klok.start();
    aanroep();
    const qint64 een = qMax<qint64>(klok.nsecsElapsed(), 1);
    return int(qBound(qint64(1), 20'000'000 / een, qint64(1'000'000)));
}

// Microseconds per call over one repeat.
double eenHerhaling(const std::function<void()>& aanroep, int keer)
{
    QElapsedTimer klok;
    klok.start();
    for (int i = 0; i < keer; ++i)
        aanroep();
    return double(klok.nsecsElapsed()) / keer / 1000;
}

// A call with what readies it for its turn, which is not timed.
struct Beurt {
    std::function<void()> klaarzetten;
    std::function<void()> aanroep;
};

// Time per call of two calls, measured repeat by repeat in turns, so that a change in the
// machine's speed during the row weighs on both figures alike.
std::pair<Reeks, Reeks> perAanroepInBeurten(const Beurt& a, const Beurt& b, int herhalingen = 15)
{
    a.klaarzetten();
    const int keerA = keerVoor20ms(a.aanroep);
    b.klaarzetten();
    const int keerB = keerVoor20ms(b.aanroep);
    std::vector<double> usA, usB;
    for (int r = 0; r < herhalingen; ++r) {
        a.klaarzetten();
        usA.push_back(eenHerhaling(a.aanroep, keerA));
        b.klaarzetten();
        usB.push_back(eenHerhaling(b.aanroep, keerB));
    }
    return {reeks(usA), reeks(usB)};
}

// The window as a user finds it: shown, active, the route box focused.
struct Venster {
    QTemporaryDir map;
    StillePlatform platform{map.filePath(QStringLiteral("zwervel"))};
    frmZwervel f{platform};

    Venster()
    {
        f.show();
        f.activateWindow();
        QElapsedTimer klok;
        klok.start();
        while (!f.isActiveWindow() && klok.elapsed() < 3000)
            QApplication::processEvents(QEventLoop::AllEvents, 50);
        QApplication::processEvents();
    }
};

volatile qsizetype g_afvoer = 0; // keeps the optimiser from dropping the measured calls

void routeBenchmarks(std::vector<Rij>& tabel)
{
    Venster v;
    for (const RouteGeval geval : {RouteGeval::Spaties, RouteGeval::Strepen,
                                   RouteGeval::Afwisselend, RouteGeval::Gemengd}) {
        const auto route = [&](int lengte) {
            return Beurt{[&v, geval, lengte] { v.f.Route.setText(routeTekst(geval, lengte)); },
                         [&v] { g_afvoer = g_afvoer + v.f.RouteGestript(true, true).size(); }};
        };
        const auto [klein, groot] = perAanroepInBeurten(route(4000), route(32000));
        Rij rij = nieuweRij(std::string("RouteGestript, 32,000 chars, ") + naam(geval), groot, klein, "us");
        const double factor = groot.mediaan / klein.mediaan;
        rij.vergelijking = opmaak("%.2f x", factor);
        rij.doel = "<= 9 x, < 100 us";
        rij.gehaald = factor <= 9 && groot.mediaan < 100;
        tabel.push_back(rij);
    }
    tabel.back().opmerking = "per call, through the route box, both flags on; baseline: the same "
                             "text at 4,000 characters, measured in turns with it";
}

struct Doel {
    QWidget* widget;
    QPointF plek;
    QPointF globaal;
};

Doel doelIn(QWidget& w, QPointF plek) { return {&w, plek, w.mapToGlobal(plek)}; }
Doel doelIn(QWidget& w) { return doelIn(w, QRectF(w.rect()).center()); }

// `zetten` moves over the targets: `achtereen` moves on each before the next one.
void storm(const std::vector<Doel>& doelen, int zetten, int achtereen,
           const std::function<void()>& naElkeZet = {})
{
    for (int i = 0; i < zetten; ++i) {
        const Doel& d = doelen[size_t(i / achtereen) % doelen.size()];
        QMouseEvent zet(QEvent::MouseMove, d.plek, d.globaal, Qt::NoButton, Qt::NoButton,
                        Qt::NoModifier);
        QApplication::sendEvent(d.widget, &zet);
        if (naElkeZet)
            naElkeZet();
    }
}

void hoverBenchmarks(std::vector<Rij>& tabel)
{
    constexpr int Zetten = 100'000;
    Venster v;
    frmZwervel& f = v.f;
    f.knopOngedaan.setVisible(true); // a hidden control raises no mouse events
    QApplication::processEvents();

    // Where the window itself lies bare: no control under the point.
    QPoint kaal(1, 1);
    for (int y = 0; y < f.height() && f.childAt(kaal); y += 2)
        for (int x = 0; x < f.width() && f.childAt(kaal); x += 2)
            kaal = QPoint(x, y);

    std::vector<Doel> uitgelegd, algemeen;
    for (QWidget* w : std::initializer_list<QWidget*>{
             &f.tRoutes, &f.tPlaats, &f.Routes, &f.knopGoogleMaps, &f.Plaats,
             &f.knopRouteOpschonen, &f.KnopRouteLeegmaken, &f.knopGoogleMapsOpenen,
             &f.knopPlaatsToevoegen, &f.knopRouteToevoegen, &f.knopRouteVerwijderen, &f.Info,
             &f.knopOngedaan, &f.knopPlaatsVerwijderen, &f.LabelRoutes, &f.LabelPlaatsen,
             &f.LabelRoute})
        uitgelegd.push_back(doelIn(*w));
    algemeen = {doelIn(*f.Route.viewport()), doelIn(f.LabelVoettekst, QPointF(300, 30)),
                doelIn(f, kaal)};
    std::vector<Doel> alle = uitgelegd;
    alle.insert(alle.end(), algemeen.begin(), algemeen.end());

    // The baseline: as many moves over as many empty widgets in an empty window.
    QWidget leeg;
    leeg.resize(f.size());
    std::vector<std::unique_ptr<QWidget>> kinderen;
    std::vector<Doel> leegDoelen;
    for (size_t i = 0; i < alle.size(); ++i) {
        kinderen.push_back(std::make_unique<QWidget>(&leeg));
        kinderen.back()->setGeometry(int(i % 5) * 60, int(i / 5) * 60, 50, 50);
        kinderen.back()->setMouseTracking(true);
        leegDoelen.push_back(doelIn(*kinderen.back()));
    }
    leeg.show();
    QApplication::processEvents();

    struct Soort {
        const char* wat;
        const std::vector<Doel>* doelen;
        int achtereen;
        const char* doel;
        double grens;
    };
    const Soort soorten[] = {
        {"hover storm, explained controls, staying on each", &uitgelegd,
         Zetten / int(uitgelegd.size()) + 1, "< 5 us", 5},
        {"hover storm, general-help surfaces, staying", &algemeen,
         Zetten / int(algemeen.size()) + 1, "< 5 us", 5},
        {"hover storm, another control every move", &alle, 1, "", 0},
    };
    for (const Soort& s : soorten) {
        std::vector<double> tijden, basis;
        long schrijven = 0;
        for (int r = 0; r < 5; ++r) {
            const int voor = f.Info.captionWrites();
            QElapsedTimer klok;
            klok.start();
            storm(*s.doelen, Zetten, s.achtereen);
            tijden.push_back(double(klok.nsecsElapsed()) / Zetten / 1000);
            schrijven = f.Info.captionWrites() - voor;
            klok.restart();
            storm(leegDoelen, Zetten, s.achtereen);
            basis.push_back(double(klok.nsecsElapsed()) / Zetten / 1000);
        }
        // Once more, untimed, counting the moves after which the label shows another text.
        long wissels = 0;
        QString getoond = f.Info.Caption();
        storm(*s.doelen, Zetten, s.achtereen, [&] {
            if (f.Info.Caption() != getoond) {
                ++wissels;
                getoond = f.Info.Caption();
            }
        });
        Rij rij = nieuweRij(s.wat, reeks(tijden), reeks(basis), "us");
        rij.vergelijking = verhouding(rij.figuur.mediaan, rij.basis.mediaan);
        rij.doel = s.doel;
        rij.gehaald = s.grens > 0 && rij.figuur.mediaan < s.grens;
        rij.opmerking = "per move, " + std::to_string(Zetten) + " moves; label writes "
                        + std::to_string(schrijven) + ", text changes " + std::to_string(wissels);
        tabel.push_back(rij);
    }
    tabel.back().opmerking += "; baseline: the same moves over empty widgets";
}

void toevoegBenchmark(const QStringList& grotePlaatsen, std::vector<Rij>& tabel)
{
    constexpr int Toevoegingen = 300;
    Toeval toeval(7);
    const QStringList nieuw = nieuwePlaatsen(Toevoegingen, inKleineLetters(grotePlaatsen), toeval);
    const auto meet = [&](qsizetype aantal) {
        Venster v;
        v.f.Plaats.AddItems(grotePlaatsen.mid(0, aantal));
        std::vector<double> ms;
        QElapsedTimer klok;
        for (const QString& plaats : nieuw) {
            klok.restart();
            v.f.PlaatsAanvullen(plaats);
            ms.push_back(double(klok.nsecsElapsed()) / 1e6);
        }
        if (v.f.Plaats.ListCount() != aantal + Toevoegingen)
            std::fprintf(stderr, "adding places lost an entry\n");
        return reeks(ms);
    };
    const Reeks klein = meet(4095);
    const Reeks groot = meet(GroteLijst);
    Rij rij = nieuweRij("adding one place to a list of 32,767", groot, klein, "ms");
    rij.vergelijking = verhouding(groot.mediaan, klein.mediaan);
    rij.doel = "< 2 ms";
    rij.gehaald = groot.mediaan < 2;
    rij.opmerking = "PlaatsAanvullen with a new place (the duplicate test walks the whole list), "
                    + std::to_string(Toevoegingen) + " adds; baseline: a list of 4,095";
    tabel.push_back(rij);
}

void openBenchmark(const QStringList& grotePlaatsen, std::vector<Rij>& tabel)
{
    // A fresh window each time: only the first opening of a filled list measures its entries.
    const auto meet = [&](qsizetype aantal) {
        std::vector<double> ms;
        for (int r = 0; r < 5; ++r) {
            Venster v;
            v.f.Plaats.AddItems(grotePlaatsen.mid(0, aantal));
            QApplication::processEvents();
            QElapsedTimer klok;
            klok.start();
            v.f.Plaats.OpenList();
            QApplication::processEvents(); // the open list lays out and paints
            ms.push_back(double(klok.nsecsElapsed()) / 1e6);
            v.f.Plaats.hidePopup();
        }
        return reeks(ms);
    };
    const Reeks klein = meet(100);
    const Reeks groot = meet(GroteLijst);
    Rij rij = nieuweRij("opening the place list of 32,767", groot, klein, "ms");
    rij.vergelijking = verhouding(groot.mediaan, klein.mediaan);
    rij.opmerking = "first opening, until painted; baseline: a list of 100";
    tabel.push_back(rij);
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The offscreen platform's notes (no raise, no keyboard grab) would only clutter the table.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    int herhalingen = 10;
    QString alleenBestanden;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--herhalingen") == 0)
            herhalingen = qMax(1, std::atoi(argv[i + 1]));
        if (std::strcmp(argv[i], "--bestanden") == 0)
            alleenBestanden = QString::fromLocal8Bit(argv[i + 1]);
    }
    QApplication app(argc, argv);
    const int cpu = eenProcessor();

    QTemporaryDir tijdelijk;
    QDir map(alleenBestanden.isEmpty() ? tijdelijk.path() : alleenBestanden);
    const QString bin = QCoreApplication::applicationDirPath();
    Processen p{tekst(bin + QStringLiteral("/bench_venster")), tekst(bin + QStringLiteral("/bench_leeg")),
                tekst(map.filePath(QStringLiteral("leeg/zwervel"))),
                tekst(map.filePath(QStringLiteral("groot/zwervel")))};
    map.mkpath(QStringLiteral("leeg"));
    map.mkpath(QStringLiteral("groot"));

    // The file the program itself leaves: an empty window, and a user's very long lists.
    Toeval toeval(2024);
    const QStringList plaatsLijst = plaatsen(GroteLijst, toeval);
    const QStringList routeLijst = routes(GroteLijst, plaatsLijst, toeval);
    schrijfBestand(map.filePath(QStringLiteral("leeg/zwervel.cfg")),
                   cfgCoderen(cfgTekst(QString(), {}, {})));
    const QByteArray groot = cfgCoderen(cfgTekst(
        QStringLiteral("Nieuwegein/48.860997, 2.352563 (Parijs)/Rome, Colosseum (reis)"),
        plaatsLijst, routeLijst));
    schrijfBestand(map.filePath(QStringLiteral("groot/zwervel.cfg")), groot);
    if (!alleenBestanden.isEmpty())
        return 0;

    double belasting[3] = {};
    if (FILE* f = std::fopen("/proc/loadavg", "r")) {
        if (std::fscanf(f, "%lf %lf %lf", &belasting[0], &belasting[1], &belasting[2]) != 3)
            belasting[0] = -1;
        std::fclose(f);
    }
    std::printf("Zwervel benchmarks (Qt %s, %s, offscreen); load average %.2f at the start; %s\n",
                qVersion(), qPrintable(QSysInfo::prettyProductName()), belasting[0],
                cpu < 0 ? "processes on any processor"
                        : qPrintable(QStringLiteral("every process on processor %1").arg(cpu)));
    std::printf("Large lists: %d places (average %.1f characters), %d routes (average %.1f), "
                "file %.2f MiB\n",
                GroteLijst, double(plaatsLijst.join(QString()).size()) / GroteLijst, GroteLijst,
                double(routeLijst.join(QString()).size()) / GroteLijst,
                double(groot.size()) / (1024 * 1024));
    std::fflush(stdout);

    std::vector<Rij> tabel;
    procesBenchmarks(p, herhalingen, tabel);
    routeBenchmarks(tabel);
    hoverBenchmarks(tabel);
    toevoegBenchmark(plaatsLijst, tabel);
    openBenchmark(plaatsLijst, tabel);
    drukTabel(tabel);
    return 0;
}
