// The remembered lists on the real window with a scripted platform: finding, adding and
// removing entries, the boxes asked, the beeps, the fields and where the focus ends up.
#include "support/FormFixture.h"
#include "support/TestHelpers.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QFile>
#include <QSignalSpy>
#include <QTest>

using namespace zwervel;

namespace {


// A box written out, so that a mismatch shows which part differs.
QString beschrijf(const Vraag& v)
{
    const char* iconen[] = {"vraag", "informatie", "fout"};
    const char* knoppen[] = {"JaNee", "OK"};
    const char* antwoorden[] = {"Ja", "Nee", "OK"};
    return v.tekst + QStringLiteral(" | ") + QString::fromLatin1(iconen[int(v.icoon)])
           + QStringLiteral(" | ") + QString::fromLatin1(knoppen[int(v.knoppen)])
           + QStringLiteral(" | standaard ") + QString::fromLatin1(antwoorden[int(v.standaard)]);
}

Vraag jaNee(const QString& tekst, Vraag::Antwoord standaard)
{
    return Vraag{tekst, Vraag::Icoon::Vraag, Vraag::Knoppen::JaNee, standaard};
}

Vraag verwijderVraag(const char* naam, const char* item)
{
    return jaNee(s(naam) + s("\r\n ") + s(item) + s("\r\n\r\nuit de lijst verwijderen?"),
                 Vraag::Antwoord::Nee);
}

Vraag allePlaatsenVraag(qsizetype n)
{
    return jaNee(s("Alle plaatsen (") + QString::number(n)
                     + s(") uit de lijst met Plaatsen verwijderen?"),
                 Vraag::Antwoord::Ja);
}

Vraag alleRoutesVraag(qsizetype n)
{
    return jaNee(s("Alle routes (") + QString::number(n)
                     + s(") uit de lijst met Routes verwijderen?"),
                 Vraag::Antwoord::Ja);
}

Vraag vraagRouteToevoegen(const QString& route)
{
    return jaNee(s("Route\r\n ") + route + s("\r\naan de lijst met Routes toevoegen?"),
                 Vraag::Antwoord::Ja);
}

Vraag meldingRouteBekend(const QString& route)
{
    return Vraag{s("Route\r\n ") + route + s("\r\nkomt al voor in de lijst met Routes."),
                 Vraag::Icoon::Informatie, Vraag::Knoppen::OK, Vraag::Antwoord::OK};
}

QStringList beschreven(const QList<Vraag>& vragen)
{
    QStringList l;
    for (const Vraag& v : vragen)
        l << beschrijf(v);
    return l;
}

QStringList beschreven(std::initializer_list<Vraag> vragen)
{
    return beschreven(QList<Vraag>(vragen));
}

void selecteer(RouteBox& route, const QString& tekst, int start, int lengte)
{
    route.setText(tekst);
    route.setSelStart(start);
    route.setSelLength(lengte);
}

constexpr auto Ja = Vraag::Antwoord::Ja;
constexpr auto Nee = Vraag::Antwoord::Nee;

} // namespace

class TstListsWindow : public QObject {
    Q_OBJECT
private slots:
    void volgorde();
    // finding, removing one, emptying the shown text
    void inLijst_data();
    void inLijst();
    void uitLijstNietsGetoond_data();
    void uitLijstNietsGetoond();
    void uitLijstJa();
    void uitLijstNee();
    void vakLijstLeegmaken();
    // adding a place
    void plaatsToevoegen_data();
    void plaatsToevoegen();
    void plaatsToevoegenAlleenSelectie();
    void plaatsNietGekozen();
    void plaatsOpGesorteerdePlaats();
    void plaatsZonderItemEinde();
    // adding a route
    void routeToevoegen_data();
    void routeToevoegen();
    void routeBekend();
    void legeRoute();
    void routeNietGekozen();
    void routeZonderItemEinde();
    void itemEindeNaOpslaanEnLaden();
    void labelRoute();
    // removing places
    void plaatsVerwijderenNeeNee();
    void plaatsVerwijderenJa();
    void allePlaatsenVerwijderen_data();
    void allePlaatsenVerwijderen();
    // removing routes
    void routeVerwijderenNietsGetoond();
    void routeVerwijderenNee();
    void routeVerwijderenJa();
    void alleRoutesVerwijderen_data();
    void alleRoutesVerwijderen();
    // opening a list
    void labelOpentLijst_data();
    void labelOpentLijst();
    // many entries
    void veertigduizend();
};

void TstListsWindow::volgorde()
{
    FormFixture fx;
    frmZwervel& f = fx.f();
    f.Plaats.AddItems(lijst({"Plaats 10", "Jutphaas", "plaats 2", "Île", "IJsselstein"}));
    QCOMPARE(items(f.Plaats), lijst({"IJsselstein", "Île", "Jutphaas", "Plaats 10", "plaats 2"}));
    QCOMPARE(f.Plaats.currentIndex(), -1);
    f.Plaats.AddItem(s("Plaats 3"));
    f.Plaats.AddItem(s("Ilpendam"));
    QCOMPARE(items(f.Plaats), lijst({"IJsselstein", "Île", "Ilpendam", "Jutphaas", "Plaats 10",
                                     "plaats 2", "Plaats 3"}));
    QCOMPARE(f.Plaats.Text(), QString());
    // What is shown stays shown when more entries come.
    f.Plaats.setText(s("Jutphaas"));
    f.Plaats.AddItems(lijst({"Amersfoort", "Zeist"}));
    f.Plaats.AddItem(s("Bunnik"));
    QCOMPARE(f.Plaats.Text(), s("Jutphaas"));
    QCOMPARE(f.Plaats.ListCount(), 10);
    QCOMPARE(f.Plaats.List(0), s("Amersfoort"));
    QCOMPARE(f.Plaats.List(9), s("Zeist"));
}

void TstListsWindow::inLijst_data()
{
    QTest::addColumn<QStringList>("inhoud");
    QTest::addColumn<QString>("item");
    QTest::addColumn<bool>("gevonden");
    QTest::newRow("lege lijst") << QStringList() << s("Den Haag") << false;
    QTest::newRow("lege lijst, leeg item") << QStringList() << QString() << false;
    QTest::newRow("kleine letters") << lijst({"Den Haag"}) << s("den haag") << true;
    QTest::newRow("hoofdletters") << lijst({"Den Haag"}) << s("DEN HAAG") << true;
    QTest::newRow("spatie erachter") << lijst({"Den Haag"}) << s("Den Haag ") << false;
    QTest::newRow("twee spaties") << lijst({"Den Haag"}) << s("Den  Haag") << false;
    QTest::newRow("een deel") << lijst({"Den Haag"}) << s("Den") << false;
    QTest::newRow("leeg item") << lijst({"Den Haag"}) << QString() << false;
    QTest::newRow("Île") << lijst({"a", "ÎLE", "z"}) << s("île") << true;
}

void TstListsWindow::inLijst()
{
    QFETCH(QStringList, inhoud);
    QFETCH(QString, item);
    QFETCH(bool, gevonden);
    FormFixture fx;
    fx.f().Routes.AddItems(inhoud);
    QCOMPARE(fx.f().InLijst(fx.f().Routes, item), gevonden);
}

void TstListsWindow::uitLijstNietsGetoond_data()
{
    QTest::addColumn<bool>("legeGetoond");
    QTest::newRow("niets getoond") << false;
    QTest::newRow("het lege item getoond") << true;
}

void TstListsWindow::uitLijstNietsGetoond()
{
    QFETCH(bool, legeGetoond);
    FormFixture fx;
    QVERIFY(fx.toon());
    frmZwervel& f = fx.f();
    f.Plaats.AddItems(lijst({"Utrecht"}));
    f.Plaats.AddItem(QString());
    if (legeGetoond)
        f.Plaats.setText(QString());
    QCOMPARE(f.Plaats.currentIndex(), legeGetoond ? 0 : -1);

    QVERIFY(!f.UitLijstVerwijderen(f.Plaats, s("Plaats")));
    QCOMPARE(fx.platform.beeps, 0);
    QVERIFY(fx.platform.vragen.isEmpty());
    QCOMPARE(QApplication::focusWidget(), &f.Route);
    QCOMPARE(items(f.Plaats), lijst({"", "Utrecht"}));
}

void TstListsWindow::uitLijstJa()
{
    FormFixture fx;
    QVERIFY(fx.toon());
    frmZwervel& f = fx.f();
    f.Plaats.AddItems(lijst({"Utrecht", "Gouda", "utrecht"}));
    f.Plaats.setText(s("Utrecht"));
    fx.platform.antwoorden = {Ja};

    QVERIFY(f.UitLijstVerwijderen(f.Plaats, s("Plaats")));
    QCOMPARE(beschreven(fx.platform.vragen), beschreven({verwijderVraag("Plaats", "Utrecht")}));
    QCOMPARE(fx.platform.beeps, 1);
    QCOMPARE(items(f.Plaats), lijst({"Gouda"}));
    QCOMPARE(f.Plaats.Text(), QString());
    QCOMPARE(f.Plaats.currentIndex(), -1);
    QCOMPARE(QApplication::focusWidget(), &f.Plaats);
}

void TstListsWindow::uitLijstNee()
{
    FormFixture fx;
    QVERIFY(fx.toon());
    frmZwervel& f = fx.f();
    f.Routes.AddItems(lijst({"Utrecht", "Gouda", "utrecht"}));
    f.Routes.setText(s("utrecht"));
    const int getoond = f.Routes.currentIndex();
    fx.platform.antwoorden = {Nee};

    QVERIFY(!f.UitLijstVerwijderen(f.Routes, s("Route")));
    QCOMPARE(beschreven(fx.platform.vragen), beschreven({verwijderVraag("Route", "utrecht")}));
    QCOMPARE(fx.platform.beeps, 1);
    QCOMPARE(items(f.Routes), lijst({"Gouda", "Utrecht", "utrecht"}));
    QCOMPARE(f.Routes.currentIndex(), getoond);
    QCOMPARE(f.Routes.Text(), s("utrecht"));
    QCOMPARE(QApplication::focusWidget(), &f.Routes);
}

void TstListsWindow::vakLijstLeegmaken()
{
    FormFixture fx;
    frmZwervel& f = fx.f();
    f.Plaats.AddItems(lijst({"B", "A"}));
    f.Plaats.setText(s("B"));
    f.VakLijstLeegmaken(f.Plaats);
    QCOMPARE(items(f.Plaats), lijst({"A", "B"}));
    QCOMPARE(f.Plaats.Text(), QString());
    QCOMPARE(f.Plaats.currentIndex(), -1);

    // An empty list gains no empty entry.
    f.VakLijstLeegmaken(f.Routes);
    QCOMPARE(f.Routes.ListCount(), 0);
    QCOMPARE(fx.platform.beeps, 0);
    QVERIFY(fx.platform.vragen.isEmpty());
}

void TstListsWindow::plaatsToevoegen_data()
{
    QTest::addColumn<QString>("routeTekst");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("lengte");
    QTest::addColumn<QString>("plaats"); // empty: nothing added
    QTest::newRow("niets geselecteerd") << s("Utrecht") << 3 << 0 << QString();
    QTest::newRow("alleen spaties") << s("a   b") << 1 << 3 << QString();
    QTest::newRow("over twee regels") << s("Utrecht\r\nGouda") << 0 << 14 << s("Utrecht/Gouda");
    QTest::newRow("regel met einde") << s("Utrecht\r\nGouda") << 0 << 9 << s("Utrecht/");
    QTest::newRow("spaties eraf") << s("  Utrecht x") << 0 << 10 << s("Utrecht");
    QTest::newRow("spaties om de streep")
        << s("Utrecht \r\n Gouda") << 0 << 16 << s("Utrecht / Gouda");
    QTest::newRow("al bekend, andere hoofdletters") << s("AMSTERDAM") << 0 << 9 << QString();
    QTest::newRow("tab telt mee") << s("Amsterdam\tx") << 0 << 10 << s("Amsterdam\t");
}

void TstListsWindow::plaatsToevoegen()
{
    QFETCH(QString, routeTekst);
    QFETCH(int, start);
    QFETCH(int, lengte);
    QFETCH(QString, plaats);
    FormFixture fx;
    QVERIFY(fx.toon());
    frmZwervel& f = fx.f();
    f.Plaats.AddItems(lijst({"Amsterdam"}));
    selecteer(f.Route, routeTekst, start, lengte);
    QTest::mouseClick(&f.knopPlaatsToevoegen, Qt::LeftButton);

    QVERIFY(fx.platform.vragen.isEmpty());
    QCOMPARE(QApplication::focusWidget(), &f.Route);
    QCOMPARE(f.Route.Text(), routeTekst);
    QCOMPARE(f.Route.SelStart(), start);
    QCOMPARE(f.Route.SelLength(), lengte);
    if (plaats.isEmpty()) {
        QCOMPARE(fx.platform.beeps, 0);
        QCOMPARE(items(f.Plaats), lijst({"Amsterdam"}));
        QCOMPARE(f.Plaats.Text(), QString());
        QCOMPARE(f.tPlaats.Text(), QString());
        return;
    }
    QCOMPARE(fx.platform.beeps, 1);
    QCOMPARE(f.Plaats.ListCount(), 2);
    QVERIFY(items(f.Plaats).contains(plaats));
    QCOMPARE(f.Plaats.Text(), plaats);
    QCOMPARE(f.tPlaats.Text(), plaats);
}

void TstListsWindow::plaatsToevoegenAlleenSelectie()
{
    // The selection is what counts, not the line it is on.
    FormFixture fx;
    QVERIFY(fx.toon());
    frmZwervel& f = fx.f();
    selecteer(f.Route, s("Utrecht\r\nDen Haag\r\nGouda"), 9, 8);
    f.knopPlaatsToevoegen_Click();
    QCOMPARE(items(f.Plaats), lijst({"Den Haag"}));
    f.Route.setSelStart(0);
    f.Route.setSelLength(7);
    f.knopPlaatsToevoegen_Click();
    QCOMPARE(items(f.Plaats), lijst({"Den Haag", "Utrecht"}));
    QCOMPARE(f.Plaats.Text(), s("Utrecht"));
    QCOMPARE(fx.platform.beeps, 2);
}

void TstListsWindow::plaatsNietGekozen()
{
    // Showing the new place is the program's doing, not a pick: the route box stays as it was.
    FormFixture fx;
    QVERIFY(fx.toon());
    frmZwervel& f = fx.f();
    selecteer(f.Route, s("Utrecht\r\nGouda"), 9, 5);
    QSignalSpy klik(&f.Plaats.gebeurtenissen, &Gebeurtenissen::Click);
    QSignalSpy gekozen(&f.Plaats, &QComboBox::activated);
    f.knopPlaatsToevoegen_Click();
    QCOMPARE(f.Plaats.Text(), s("Gouda"));
    QCOMPARE(klik.count(), 0);
    QCOMPARE(gekozen.count(), 0);
    QCOMPARE(f.Route.Text(), s("Utrecht\r\nGouda"));
    QCOMPARE(f.Route.SelStart(), 9);
    QCOMPARE(f.Route.SelLength(), 5);
    QVERIFY(!f.knopOngedaan.isVisible());
    QCOMPARE(f.OngedaanTekst, QString());
}

void TstListsWindow::plaatsOpGesorteerdePlaats()
{
    FormFixture fx;
    frmZwervel& f = fx.f();
    f.Plaats.AddItems(lijst({"Plaats 1", "Plaats 10", "Zeist"}));
    f.PlaatsAanvullen(s("Plaats 2"));
    f.PlaatsAanvullen(s("île de France"));
    QCOMPARE(items(f.Plaats),
             lijst({"île de France", "Plaats 1", "Plaats 10", "Plaats 2", "Zeist"}));
    QCOMPARE(f.Plaats.currentIndex(), 0);
    QCOMPARE(f.tPlaats.Text(), s("île de France"));
}

void TstListsWindow::plaatsZonderItemEinde()
{
    // The configuration file ends each entry with 0x0F: a place holding one would split.
    FormFixture fx;
    frmZwervel& f = fx.f();
    f.PlaatsAanvullen(s("Utr\x0f" "echt \x0f"));
    f.PlaatsAanvullen(s("\x0f"));
    QCOMPARE(items(f.Plaats), lijst({"Utrecht"}));
    QCOMPARE(f.tPlaats.Text(), s("Utrecht"));
    QCOMPARE(fx.platform.beeps, 1);
    // Already there once the separator is gone.
    f.PlaatsAanvullen(s("utrecht\x0f"));
    QCOMPARE(f.Plaats.ListCount(), 1);
    QCOMPARE(fx.platform.beeps, 1);
}

void TstListsWindow::routeToevoegen_data()
{
    QTest::addColumn<QString>("routeTekst");
    QTest::addColumn<QString>("route");
    QTest::addColumn<bool>("ja");
    QTest::newRow("ja") << s(" Utrecht\r\nutrecht \r\n\r\nGouda (x)") << s("utrecht/Gouda (x)")
                        << true;
    QTest::newRow("nee") << s("Utrecht\r\nGouda") << s("Utrecht/Gouda") << false;
    QTest::newRow("een plaats niet dubbel") << s("Utrecht") << s("Utrecht") << true;
}

void TstListsWindow::routeToevoegen()
{
    QFETCH(QString, routeTekst);
    QFETCH(QString, route);
    QFETCH(bool, ja);
    FormFixture fx;
    QVERIFY(fx.toon());
    frmZwervel& f = fx.f();
    f.Routes.AddItems(lijst({"Amersfoort/Zeist"}));
    f.tRoutes.setText(s("oud"));
    f.Route.setText(routeTekst);
    fx.platform.antwoorden = {ja ? Ja : Nee};
    QTest::mouseClick(&f.knopRouteToevoegen, Qt::LeftButton);

    QCOMPARE(beschreven(fx.platform.vragen), beschreven({vraagRouteToevoegen(route)}));
    QCOMPARE(fx.platform.beeps, 1);
    QCOMPARE(f.Route.Text(), routeTekst);
    QCOMPARE(QApplication::focusWidget(), &f.Route);
    if (!ja) {
        QCOMPARE(items(f.Routes), lijst({"Amersfoort/Zeist"}));
        QCOMPARE(f.Routes.Text(), QString());
        QCOMPARE(f.tRoutes.Text(), s("oud"));
        return;
    }
    QCOMPARE(f.Routes.ListCount(), 2);
    QVERIFY(items(f.Routes).contains(route));
    QCOMPARE(f.Routes.Text(), route);
    QCOMPARE(f.tRoutes.Text(), route);
}

void TstListsWindow::routeBekend()
{
    FormFixture fx;
    QVERIFY(fx.toon());
    frmZwervel& f = fx.f();
    f.Routes.AddItems(lijst({"Utrecht/Gouda"}));
    f.Route.setText(s("UTRECHT\r\ngouda"));
    f.knopRouteToevoegen_Click();
    QCOMPARE(beschreven(fx.platform.vragen), beschreven({meldingRouteBekend(s("UTRECHT/gouda"))}));
    QCOMPARE(fx.platform.beeps, 1);
    QCOMPARE(items(f.Routes), lijst({"Utrecht/Gouda"}));
    QCOMPARE(f.Routes.Text(), QString());
    QCOMPARE(f.tRoutes.Text(), QString());
}

void TstListsWindow::legeRoute()
{
    // No test for an empty route: the question comes, and Yes keeps an empty entry.
    FormFixture fx;
    QVERIFY(fx.toon());
    frmZwervel& f = fx.f();
    f.Route.setText(s(" \r\n / "));
    fx.platform.antwoorden = {Ja};
    f.RoutesAanvullen();
    QCOMPARE(items(f.Routes), QStringList{QString()});
    QCOMPARE(f.Routes.currentIndex(), 0);
    QCOMPARE(f.tRoutes.Text(), QString());
    f.RoutesAanvullen();
    QCOMPARE(beschreven(fx.platform.vragen),
             beschreven({vraagRouteToevoegen(QString()), meldingRouteBekend(QString())}));
    QCOMPARE(fx.platform.beeps, 2);
    QCOMPARE(f.Routes.ListCount(), 1);
}

void TstListsWindow::routeNietGekozen()
{
    FormFixture fx;
    QVERIFY(fx.toon());
    frmZwervel& f = fx.f();
    selecteer(f.Route, s("Utrecht\r\nGouda"), 2, 3);
    QSignalSpy klik(&f.Routes.gebeurtenissen, &Gebeurtenissen::Click);
    fx.platform.antwoorden = {Ja};
    f.RoutesAanvullen();
    QCOMPARE(f.Routes.Text(), s("Utrecht/Gouda"));
    QCOMPARE(klik.count(), 0);
    QCOMPARE(f.Route.Text(), s("Utrecht\r\nGouda"));
    QCOMPARE(f.Route.SelStart(), 2);
    QCOMPARE(f.Route.SelLength(), 3);
    QVERIFY(!f.knopOngedaan.isVisible());
}

void TstListsWindow::routeZonderItemEinde()
{
    FormFixture fx;
    frmZwervel& f = fx.f();
    f.Route.setText(s("Utr\x0f" "echt\r\n\x0f\r\nGouda"));
    fx.platform.antwoorden = {Ja};
    f.RoutesAanvullen();
    QCOMPARE(beschreven(fx.platform.vragen), beschreven({vraagRouteToevoegen(s("Utrecht/Gouda"))}));
    QCOMPARE(items(f.Routes), lijst({"Utrecht/Gouda"}));
    QCOMPARE(f.tRoutes.Text(), s("Utrecht/Gouda"));
}

void TstListsWindow::itemEindeNaOpslaanEnLaden()
{
    // What was added comes back from the configuration file as the same single entries.
    QByteArray opgeslagen;
    {
        FormFixture fx;
        frmZwervel& f = fx.f();
        f.PlaatsAanvullen(s("Utr\x0f" "echt"));
        f.Route.setText(s("Gou\x0f" "da\r\nZeist"));
        fx.platform.antwoorden = {Ja};
        f.RoutesAanvullen();
        f.Route.setText(QString());
        f.CfgOpslaan();
        QFile bestand(fx.cfgPad());
        QVERIFY(bestand.open(QIODevice::ReadOnly));
        opgeslagen = bestand.readAll();
    }
    FormFixture weer(&opgeslagen);
    QCOMPARE(items(weer.f().Plaats), lijst({"Utrecht"}));
    QCOMPARE(items(weer.f().Routes), lijst({"Gouda/Zeist"}));
}

void TstListsWindow::labelRoute()
{
    // The caption over the route box does exactly what the add button does.
    FormFixture fx;
    QVERIFY(fx.toon());
    frmZwervel& f = fx.f();
    QCOMPARE(f.LabelRoute.Caption(), s(" Route aan lijst met Routes toevoegen"));
    f.Route.setText(s("Utrecht\r\nGouda"));
    fx.platform.antwoorden = {Ja};
    QTest::mouseClick(&f.LabelRoute, Qt::LeftButton);
    QCOMPARE(items(f.Routes), lijst({"Utrecht/Gouda"}));
    QCOMPARE(f.tRoutes.Text(), s("Utrecht/Gouda"));
    QTest::mouseClick(&f.LabelRoute, Qt::LeftButton);
    QCOMPARE(beschreven(fx.platform.vragen), beschreven({vraagRouteToevoegen(s("Utrecht/Gouda")),
                                                        meldingRouteBekend(s("Utrecht/Gouda"))}));
    QCOMPARE(fx.platform.beeps, 2);
}

void TstListsWindow::plaatsVerwijderenNeeNee()
{
    FormFixture fx;
    QVERIFY(fx.toon());
    frmZwervel& f = fx.f();
    f.Plaats.AddItems(lijst({"Utrecht", "Gouda", "utrecht"}));
    f.Plaats.setText(s("Gouda"));
    f.tPlaats.setText(s("Gouda"));
    fx.platform.antwoorden = {Nee, Nee};
    f.knopPlaatsVerwijderen_MouseUp(1, 0, 0, 0);
    QCOMPARE(beschreven(fx.platform.vragen),
             beschreven({verwijderVraag("Plaats", "Gouda"), allePlaatsenVraag(3)}));
    QCOMPARE(fx.platform.beeps, 2);
    QCOMPARE(items(f.Plaats), lijst({"Gouda", "Utrecht", "utrecht"}));
    QCOMPARE(f.Plaats.Text(), s("Gouda"));
    QCOMPARE(f.tPlaats.Text(), s("Gouda"));
    QCOMPARE(QApplication::focusWidget(), &f.Plaats);
}

void TstListsWindow::plaatsVerwijderenJa()
{
    FormFixture fx;
    QVERIFY(fx.toon());
    frmZwervel& f = fx.f();
    f.Plaats.AddItems(lijst({"Utrecht", "Gouda", "UTRECHT", "utrecht "}));
    f.Plaats.setText(s("Utrecht"));
    f.tPlaats.setText(s("Utrecht"));
    fx.platform.antwoorden = {Ja};
    QTest::mouseClick(&f.knopPlaatsVerwijderen, Qt::LeftButton);
    QCOMPARE(beschreven(fx.platform.vragen), beschreven({verwijderVraag("Plaats", "Utrecht")}));
    QCOMPARE(fx.platform.beeps, 1);
    QCOMPARE(items(f.Plaats), lijst({"Gouda", "utrecht "}));
    QCOMPARE(f.Plaats.currentIndex(), -1);
    QCOMPARE(f.tPlaats.Text(), QString());
    QCOMPARE(QApplication::focusWidget(), &f.Plaats);
}

void TstListsWindow::allePlaatsenVerwijderen_data()
{
    // The remove-all question: any button but the left, or the left when the list shows
    // nothing. Its count is the list's.
    QTest::addColumn<int>("knop");
    QTest::addColumn<QStringList>("inhoud");
    QTest::addColumn<QString>("getoond");
    QTest::addColumn<bool>("ja");
    const QStringList drie = lijst({"Utrecht", "Gouda", "Zeist"});
    QTest::newRow("links, niets getoond, nee") << 1 << lijst({"Utrecht", "Gouda"}) << QString()
                                               << false;
    QTest::newRow("links, lege lijst, ja") << 1 << QStringList() << QString() << true;
    QTest::newRow("rechts, ja") << 2 << drie << s("Zeist") << true;
    QTest::newRow("midden, ja") << 4 << drie << s("Zeist") << true;
    QTest::newRow("links en rechts, ja") << 3 << drie << s("Zeist") << true;
    QTest::newRow("rechts, nee") << 2 << drie << s("Gouda") << false;
}

void TstListsWindow::allePlaatsenVerwijderen()
{
    QFETCH(int, knop);
    QFETCH(QStringList, inhoud);
    QFETCH(QString, getoond);
    QFETCH(bool, ja);
    FormFixture fx;
    QVERIFY(fx.toon());
    frmZwervel& f = fx.f();
    f.Plaats.AddItems(inhoud);
    f.Plaats.setText(getoond);
    f.tPlaats.setText(getoond);
    f.Route.setText(s("Utrecht"));
    const QStringList voor = items(f.Plaats);
    fx.platform.antwoorden = {ja ? Ja : Nee};
    if (knop == 3)
        f.knopPlaatsVerwijderen_MouseUp(knop, 0, 0, 0);
    else
        QTest::mouseClick(&f.knopPlaatsVerwijderen, Qt::MouseButton(knop));

    QCOMPARE(beschreven(fx.platform.vragen), beschreven({allePlaatsenVraag(inhoud.size())}));
    QCOMPARE(fx.platform.beeps, 1);
    QCOMPARE(f.Route.Text(), s("Utrecht"));
    if (!ja) {
        QCOMPARE(items(f.Plaats), voor);
        QCOMPARE(f.Plaats.Text(), getoond);
        QCOMPARE(f.tPlaats.Text(), getoond);
        QCOMPARE(QApplication::focusWidget(), &f.Route);
        return;
    }
    QCOMPARE(f.Plaats.ListCount(), 0);
    QCOMPARE(f.Plaats.Text(), QString());
    QCOMPARE(f.tPlaats.Text(), QString());
    QCOMPARE(QApplication::focusWidget(), &f.Plaats);
}

void TstListsWindow::routeVerwijderenNietsGetoond()
{
    FormFixture fx;
    QVERIFY(fx.toon());
    frmZwervel& f = fx.f();
    f.Routes.AddItems(lijst({"a/b"}));
    QTest::mouseClick(&f.knopRouteVerwijderen, Qt::LeftButton);
    QCOMPARE(fx.platform.beeps, 0);
    QVERIFY(fx.platform.vragen.isEmpty());
    QCOMPARE(items(f.Routes), lijst({"a/b"}));
    QCOMPARE(QApplication::focusWidget(), &f.Route);
}

void TstListsWindow::routeVerwijderenNee()
{
    FormFixture fx;
    QVERIFY(fx.toon());
    frmZwervel& f = fx.f();
    f.Routes.AddItems(lijst({"a/b", "c/d"}));
    f.Routes.setText(s("c/d"));
    fx.platform.antwoorden = {Nee};
    f.knopRouteVerwijderen_MouseUp(1, 0, 0, 0);
    QCOMPARE(beschreven(fx.platform.vragen), beschreven({verwijderVraag("Route", "c/d")}));
    QCOMPARE(fx.platform.beeps, 1);
    QCOMPARE(items(f.Routes), lijst({"a/b", "c/d"}));
    QCOMPARE(f.Routes.Text(), s("c/d"));
    QCOMPARE(QApplication::focusWidget(), &f.Routes);
}

void TstListsWindow::routeVerwijderenJa()
{
    FormFixture fx;
    QVERIFY(fx.toon());
    frmZwervel& f = fx.f();
    f.Routes.AddItems(lijst({"a/b", "c/d", "C/D"}));
    f.Routes.setText(s("c/d"));
    f.tRoutes.setText(s("c/d"));
    fx.platform.antwoorden = {Ja};
    QTest::mouseClick(&f.knopRouteVerwijderen, Qt::LeftButton);
    QCOMPARE(beschreven(fx.platform.vragen), beschreven({verwijderVraag("Route", "c/d")}));
    QCOMPARE(fx.platform.beeps, 1);
    QCOMPARE(items(f.Routes), lijst({"a/b"}));
    QCOMPARE(f.Routes.Text(), QString());
    QCOMPARE(f.tRoutes.Text(), s("c/d"));
    QCOMPARE(QApplication::focusWidget(), &f.Routes);
}

void TstListsWindow::alleRoutesVerwijderen_data()
{
    QTest::addColumn<int>("knop");
    QTest::addColumn<QStringList>("inhoud");
    QTest::addColumn<bool>("ja");
    const QStringList vier = lijst({"a/b", "c/d", "e/f", "g/h"});
    QTest::newRow("rechts, ja") << 2 << vier << true;
    QTest::newRow("midden, ja") << 4 << vier << true;
    QTest::newRow("rechts, lege lijst, nee") << 2 << QStringList() << false;
    QTest::newRow("midden, nee") << 4 << vier << false;
}

void TstListsWindow::alleRoutesVerwijderen()
{
    // Unlike the places, the route field keeps its text; the route box is not touched.
    QFETCH(int, knop);
    QFETCH(QStringList, inhoud);
    QFETCH(bool, ja);
    FormFixture fx;
    QVERIFY(fx.toon());
    frmZwervel& f = fx.f();
    f.Routes.AddItems(inhoud);
    f.Routes.setText(s("e/f"));
    f.tRoutes.setText(s("e/f"));
    f.Route.setText(s("e\r\nf"));
    const QStringList voor = items(f.Routes);
    fx.platform.antwoorden = {ja ? Ja : Nee};
    QTest::mouseClick(&f.knopRouteVerwijderen, Qt::MouseButton(knop));

    QCOMPARE(beschreven(fx.platform.vragen), beschreven({alleRoutesVraag(inhoud.size())}));
    QCOMPARE(fx.platform.beeps, 1);
    QCOMPARE(f.tRoutes.Text(), s("e/f"));
    QCOMPARE(f.Route.Text(), s("e\r\nf"));
    if (!ja) {
        QCOMPARE(items(f.Routes), voor);
        QCOMPARE(QApplication::focusWidget(), &f.Route);
        return;
    }
    QCOMPARE(f.Routes.ListCount(), 0);
    QCOMPARE(f.Routes.Text(), QString());
    QCOMPARE(QApplication::focusWidget(), &f.Routes);
}

void TstListsWindow::labelOpentLijst_data()
{
    QTest::addColumn<bool>("plaatsen");
    QTest::newRow("LabelPlaatsen") << true;
    QTest::newRow("LabelRoutes") << false;
}

void TstListsWindow::labelOpentLijst()
{
    QFETCH(bool, plaatsen);
    FormFixture fx;
    QVERIFY(fx.toon());
    frmZwervel& f = fx.f();
    ComboBox& vak = plaatsen ? f.Plaats : f.Routes;
    Label& label = plaatsen ? f.LabelPlaatsen : f.LabelRoutes;
    vak.AddItems(lijst({"a", "b"}));
    QTest::mouseClick(&label, Qt::LeftButton);
    QVERIFY(vak.view()->isVisible());
    QCOMPARE(f.focusWidget(), &vak);
    vak.hidePopup();
    QTRY_VERIFY(!vak.view()->isVisible());
    QCOMPARE(QApplication::focusWidget(), &vak);
    QCOMPARE(vak.Text(), QString());
    QCOMPARE(fx.platform.beeps, 0);
    QVERIFY(fx.platform.vragen.isEmpty());
}

void TstListsWindow::veertigduizend()
{
    // Far past 16 bits: the count is right and a removal finds its entries.
    FormFixture fx;
    QVERIFY(fx.toon());
    frmZwervel& f = fx.f();
    QStringList veel;
    for (int i = 40000; i > 0; --i)
        veel << QStringLiteral("Plaats %1").arg(i, 5, 10, QLatin1Char('0'));
    f.Plaats.AddItems(veel);
    QCOMPARE(f.Plaats.ListCount(), 40000);
    QCOMPARE(f.Plaats.List(0), s("Plaats 00001"));
    QCOMPARE(f.Plaats.List(39999), s("Plaats 40000"));

    f.PlaatsAanvullen(s("Plaats 32768,5"));
    QCOMPARE(f.Plaats.ListCount(), 40001);
    QCOMPARE(f.Plaats.List(32768), s("Plaats 32768,5"));
    QCOMPARE(f.Plaats.currentIndex(), 32768);
    QVERIFY(f.InLijst(f.Plaats, s("plaats 39999")));

    fx.platform.antwoorden = {Ja, Nee};
    f.Plaats.setText(s("Plaats 39999"));
    f.knopPlaatsVerwijderen_MouseUp(1, 0, 0, 0);
    QCOMPARE(f.Plaats.ListCount(), 40000);
    QVERIFY(!f.InLijst(f.Plaats, s("Plaats 39999")));
    QCOMPARE(f.Plaats.List(39998), s("Plaats 39998"));
    QCOMPARE(f.Plaats.List(39999), s("Plaats 40000"));
    f.knopPlaatsVerwijderen_MouseUp(2, 0, 0, 0);
    QCOMPARE(fx.platform.vragen.last().tekst,
             s("Alle plaatsen (40000) uit de lijst met Plaatsen verwijderen?"));

    fx.platform.antwoorden = {Ja};
    f.knopPlaatsVerwijderen_MouseUp(2, 0, 0, 0);
    QCOMPARE(f.Plaats.ListCount(), 0);
}

QTEST_MAIN(TstListsWindow)
#include "tst_lists_window.moc"
