// The help texts and the information label following the mouse, on the real window.
#include "support/FormFixture.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>

using namespace zwervel;

namespace {

const QString CrLf = QStringLiteral("\r\n");

const QString Voorbeeld = QStringLiteral(
    "  Voorbeeld: Nieuwegein / 48.860997, 2.352563 (Parijs) / Rome, Colosseum (reis)");

const QString AlgemeneHulp =
    QStringLiteral(" Gebruik Enter of schuine streep  / voor plaats, postcode, museum, hotel, e.d.")
    + CrLf + QStringLiteral("  Gebruik komma , voor extra informatie") + CrLf
    + QStringLiteral("  Gebruik open- en sluithaakjes ( en ) voor informatie") + CrLf + CrLf
    + Voorbeeld;

QString lines(const QStringList& r) { return r.join(CrLf); }

QWidget* control(FormFixture& fx, const QString& name)
{
    if (name.isEmpty())
        return &fx.f();
    return fx.f().findChild<QWidget*>(name, Qt::FindDirectChildrenOnly);
}

// A bare spot of the window, where no control lies (left of the route box).
const QPoint KaalVenster(8, 200);
// The footer strip beside the push button's right edge.
const QPoint VrijeVoettekst(405, 20);

// A real mouse move through the window, as the platform reports it: the window hands it to
// whatever control lies under the pointer.
void beweeg(QWidget* over, QPoint position)
{
    QTest::mouseMove(over, position);
    QCoreApplication::processEvents();
}

} // namespace

class TestHelp : public QObject {
    Q_OBJECT

private slots:
    void hulpTekstPerBesturing_data();
    void hulpTekstPerBesturing();
    void hulpVanInfoVolgtHetVoorbeeld();
    void besturingZonderHulpGeeftEenSpatie_data();
    void besturingZonderHulpGeeftEenSpatie();
    void labelAlleenBijVerandering();
    void muisOverBesturing_data();
    void muisOverBesturing();
    void verborgenOngedaanKnopIsKaalVenster();
    void herhaaldeBewegingenSchrijvenEenmaal();
    void knopRouteToevoegenDanLabelRoute();
    void veldDanOnbedektDeelVanLijst();
    void infoGeeftRouteVakDeFocus();
    void tabNaarRouteVakToontAlgemeneHulp();
    void klikOpVensterOfVoettekst_data();
    void klikOpVensterOfVoettekst();
    void toegankelijkeTeksten_data();
    void toegankelijkeTeksten();
    void elkeKnopEnLabelTeBenoemen();
    void geenToolTips();
};

void TestHelp::hulpTekstPerBesturing_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");

    const QString places = lines({
        QStringLiteral("Klik uit de lijst met Plaatsen, teneinde een plaats aan de route toe te voegen"),
        QStringLiteral("  Met Alt ingedrukt niet toevoegen"),
        QStringLiteral("  Escape: geen plaats toevoegen")});
    const QString routes = lines({
        QStringLiteral("Klik uit de lijst met Routes, teneinde de route te vervangen"),
        QStringLiteral("  Escape: geen route vervangen")});

    QTest::newRow("LabelRoute") << "LabelRoute" << "Route aan lijst met Routes toevoegen";
    QTest::newRow("knopOngedaan")
        << "knopOngedaan" << "Laatste toevoeging van plaats of vervanging route ongedaan maken";
    QTest::newRow("knopPlaatsVerwijderen")
        << "knopPlaatsVerwijderen"
        << lines({QStringLiteral("Plaats uit lijst met Plaatsen verwijderen"),
                   QStringLiteral("  Rechtsklikken: alle plaatsen uit de lijst verwijderen")});
    QTest::newRow("knopRouteVerwijderen")
        << "knopRouteVerwijderen"
        << lines({QStringLiteral("Route uit lijst met Routes verwijderen"),
                   QStringLiteral("  Rechtsklikken: alle routes uit de lijst verwijderen")});
    QTest::newRow("knopGoogleMaps") << "knopGoogleMaps" << "Zwervel tonen";
    QTest::newRow("KnopRouteLeegmaken") << "KnopRouteLeegmaken" << "Vak met de route leegmaken";
    QTest::newRow("LabelPlaatsen") << "LabelPlaatsen" << places;
    QTest::newRow("tPlaats") << "tPlaats" << places;
    QTest::newRow("LabelRoutes") << "LabelRoutes" << routes;
    QTest::newRow("tRoutes") << "tRoutes" << routes;
    QTest::newRow("knopGoogleMapsOpenen") << "knopGoogleMapsOpenen" << "Google Maps openen";
    QTest::newRow("knopPlaatsToevoegen")
        << "knopPlaatsToevoegen"
        << "Selectie uit het vak met de route aan de lijst met Plaatsen toevoegen";
    QTest::newRow("knopRouteOpschonen")
        << "knopRouteOpschonen"
        << "Route opschonen (uit het vak met de route overbodige regels verwijderen)";
    QTest::newRow("Info") << "Info"
                          << lines({Voorbeeld, QString(),
                                     QStringLiteral("     Voorbeeld in Google Maps tonen"),
                                     QStringLiteral("     Rechtsklikken: Zwervel tonen")});
    // Without a row of their own.
    for (const char* name : {"Route", "Plaats", "Routes", "LabelVoettekst", "knopRouteToevoegen"})
        QTest::newRow(name) << QString::fromLatin1(name) << QString();
    QTest::newRow("the window") << QString() << QString();
}

void TestHelp::hulpTekstPerBesturing()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    FormFixture fx;
    QWidget* b = control(fx, name);
    QVERIFY(b);
    const QString tip = fx.f().Tip(*b);
    QCOMPARE(tip, text);
    QVERIFY(!tip.endsWith(CrLf));
    QVERIFY(!tip.startsWith(CrLf));
}

void TestHelp::hulpVanInfoVolgtHetVoorbeeld()
{
    // The label's own help is built at each call from the example line as it is then.
    FormFixture fx;
    fx.f().VoorbeeldTekst = QStringLiteral("  Voorbeeld: Utrecht");
    QCOMPARE(fx.f().Tip(fx.f().Info),
             QStringLiteral("  Voorbeeld: Utrecht\r\n\r\n     Voorbeeld in Google Maps tonen\r\n"
                            "     Rechtsklikken: Zwervel tonen"));
    fx.f().InfoCaption(fx.f().Info);
    QVERIFY(fx.f().Info.Caption().startsWith(QStringLiteral("   Voorbeeld: Utrecht\r\n")));
}

void TestHelp::besturingZonderHulpGeeftEenSpatie_data()
{
    QTest::addColumn<QString>("name");
    for (const char* name : {"Route", "Plaats", "Routes", "LabelVoettekst", "knopRouteToevoegen"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TestHelp::besturingZonderHulpGeeftEenSpatie()
{
    QFETCH(QString, name);
    FormFixture fx;
    fx.f().InfoCaption(*control(fx, name));
    QCOMPARE(fx.f().Info.Caption(), QStringLiteral(" "));
}

void TestHelp::labelAlleenBijVerandering()
{
    FormFixture fx;
    frmZwervel& f = fx.f();
    QCOMPARE(f.Info.Caption(), AlgemeneHulp);
    const int prefix = f.Info.captionWrites();

    f.InfoCaption(f.knopOngedaan);
    QCOMPARE(f.Info.Caption(),
             QStringLiteral(" Laatste toevoeging van plaats of vervanging route ongedaan maken"));
    f.InfoCaption(f.knopOngedaan);
    QCOMPARE(f.Info.captionWrites(), prefix + 1);

    f.InfoCaption(f.knopRouteVerwijderen);
    QCOMPARE(f.Info.Caption(),
             QStringLiteral(" Route uit lijst met Routes verwijderen\r\n"
                            "  Rechtsklikken: alle routes uit de lijst verwijderen"));
    QCOMPARE(f.Info.captionWrites(), prefix + 2);
    QVERIFY(!f.Info.Caption().endsWith(CrLf));
}

void TestHelp::muisOverBesturing_data()
{
    QTest::addColumn<QString>("over");
    QTest::addColumn<QPoint>("position");     // in the control; (-1, -1) is its centre
    QTest::addColumn<QString>("uitleg");  // whose help the label shows; empty: the general help

    const QPoint middle(-1, -1);
    for (const char* name :
         {"knopGoogleMapsOpenen", "knopRouteOpschonen", "knopPlaatsToevoegen", "tPlaats", "tRoutes",
          "knopGoogleMaps", "knopPlaatsVerwijderen", "KnopRouteLeegmaken", "knopRouteVerwijderen",
          "LabelPlaatsen", "LabelRoutes", "knopOngedaan", "LabelRoute", "Info"})
        QTest::newRow(name) << QString::fromLatin1(name) << middle << QString::fromLatin1(name);
    QTest::newRow("knopRouteToevoegen") << "knopRouteToevoegen" << middle << "LabelRoute";
    QTest::newRow("Route") << "Route" << middle << QString();
    QTest::newRow("LabelVoettekst") << "LabelVoettekst" << VrijeVoettekst << QString();
    QTest::newRow("the bare window") << QString() << KaalVenster << QString();
}

void TestHelp::muisOverBesturing()
{
    QFETCH(QString, over);
    QFETCH(QPoint, position);
    QFETCH(QString, uitleg);
    FormFixture fx;
    QVERIFY(fx.show());
    frmZwervel& f = fx.f();
    f.knopOngedaan.setVisible(true); // it raises no mouse events while hidden
    f.Info.setCaption(QStringLiteral("vorige"));

    QWidget* doel = control(fx, over);
    QVERIFY(doel);
    beweeg(doel, position == QPoint(-1, -1) ? doel->rect().center() : position);

    const QString verwacht =
        uitleg.isEmpty() ? AlgemeneHulp : QStringLiteral(" ") + f.Tip(*control(fx, uitleg));
    QCOMPARE(f.Info.Caption(), verwacht);
}

void TestHelp::verborgenOngedaanKnopIsKaalVenster()
{
    FormFixture fx;
    QVERIFY(fx.show());
    frmZwervel& f = fx.f();
    QVERIFY(f.knopOngedaan.isHidden());
    f.Info.setCaption(QStringLiteral("vorige"));
    // Where the hidden button would be, the pointer is over the bare window.
    beweeg(&f, f.knopOngedaan.geometry().center());
    QCOMPARE(f.Info.Caption(), AlgemeneHulp);
}

void TestHelp::herhaaldeBewegingenSchrijvenEenmaal()
{
    FormFixture fx;
    QVERIFY(fx.show());
    frmZwervel& f = fx.f();
    const int prefix = f.Info.captionWrites();
    for (int x = 2; x < 14; x += 3)
        beweeg(&f.knopPlaatsVerwijderen, QPoint(x, 8));
    QCOMPARE(f.Info.captionWrites(), prefix + 1);
    QCOMPARE(f.Info.Caption(),
             QStringLiteral(" Plaats uit lijst met Plaatsen verwijderen\r\n"
                            "  Rechtsklikken: alle plaatsen uit de lijst verwijderen"));

    // Onto the bare window: the general help replaces the button's two lines, and is written
    // on every move, without comparing.
    beweeg(&f, KaalVenster);
    beweeg(&f, KaalVenster + QPoint(0, 5));
    QCOMPARE(f.Info.captionWrites(), prefix + 3);
    QCOMPARE(f.Info.Caption(), AlgemeneHulp);
}

void TestHelp::knopRouteToevoegenDanLabelRoute()
{
    FormFixture fx;
    QVERIFY(fx.show());
    frmZwervel& f = fx.f();
    const int prefix = f.Info.captionWrites();
    beweeg(&f.knopRouteToevoegen, QPoint(8, 8));
    QCOMPARE(f.Info.Caption(), QStringLiteral(" Route aan lijst met Routes toevoegen"));
    beweeg(&f.LabelRoute, QPoint(40, 8));
    QCOMPARE(f.Info.Caption(), QStringLiteral(" Route aan lijst met Routes toevoegen"));
    QCOMPARE(f.Info.captionWrites(), prefix + 1);
}

void TestHelp::veldDanOnbedektDeelVanLijst()
{
    FormFixture fx;
    QVERIFY(fx.show());
    frmZwervel& f = fx.f();
    beweeg(&f.tPlaats, QPoint(40, 10));
    const QString help = f.Info.Caption();
    QVERIFY(help.startsWith(QStringLiteral(" Klik uit de lijst met Plaatsen")));
    const int schrijven = f.Info.captionWrites();
    // The rightmost 280 twips of the list lie uncovered; the list has no hover of its own.
    beweeg(&f.Plaats, QPoint(f.Plaats.width() - 8, 10));
    QCOMPARE(f.Info.Caption(), help);
    QCOMPARE(f.Info.captionWrites(), schrijven);
}

void TestHelp::infoGeeftRouteVakDeFocus()
{
    FormFixture fx;
    QVERIFY(fx.show());
    frmZwervel& f = fx.f();
    f.Plaats.SetFocus();
    QVERIFY(f.Plaats.hasFocus());

    // The focus comes first: its got-focus handler writes the general help, then the label's
    // own help replaces it.
    const int prefix = f.Info.captionWrites();
    beweeg(&f.Info, QPoint(60, 30));
    QVERIFY(f.Route.hasFocus());
    const QString help = QStringLiteral(" ") + Voorbeeld
                         + QStringLiteral("\r\n\r\n     Voorbeeld in Google Maps tonen\r\n"
                                          "     Rechtsklikken: Zwervel tonen");
    QCOMPARE(f.Info.Caption(), help);
    QCOMPARE(f.Info.captionWrites(), prefix + 2);

    // Further moves: the route box has the focus already and the text is unchanged.
    beweeg(&f.Info, QPoint(90, 40));
    QCOMPARE(f.Info.captionWrites(), prefix + 2);
}

void TestHelp::tabNaarRouteVakToontAlgemeneHulp()
{
    FormFixture fx;
    QVERIFY(fx.show());
    frmZwervel& f = fx.f();
    f.knopGoogleMaps.setFocus(Qt::TabFocusReason);
    f.InfoCaption(f.knopOngedaan);
    QTest::keyClick(&f.knopGoogleMaps, Qt::Key_Backtab, Qt::ShiftModifier);
    QVERIFY(f.Route.hasFocus());
    QCOMPARE(f.Info.Caption(), AlgemeneHulp);
}

void TestHelp::klikOpVensterOfVoettekst_data()
{
    QTest::addColumn<QString>("op");
    QTest::addColumn<QPoint>("position");
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<bool>("toont");

    for (const auto& [name, over, position] :
         {std::tuple{"window", QString(), KaalVenster},
          std::tuple{"footer", QStringLiteral("LabelVoettekst"), VrijeVoettekst}}) {
        const QByteArray n(name);
        QTest::newRow(n + " right") << over << position << Qt::RightButton << true;
        QTest::newRow(n + " left") << over << position << Qt::LeftButton << false;
        QTest::newRow(n + " middle") << over << position << Qt::MiddleButton << false;
    }
}

void TestHelp::klikOpVensterOfVoettekst()
{
    QFETCH(QString, op);
    QFETCH(QPoint, position);
    QFETCH(Qt::MouseButton, button);
    QFETCH(bool, toont);
    FormFixture fx;
    QVERIFY(fx.show());
    frmZwervel& f = fx.f();
    f.Route.setText(QStringLiteral("Utrecht\r\n (thuis) Amersfoort"));

    // What a left click on the push button opens.
    QTest::mouseClick(&f.knopGoogleMaps, Qt::LeftButton, {}, QPoint(20, 10));
    QCOMPARE(fx.platform.addresses.size(), 1);
    const QString address = fx.platform.addresses.takeFirst();

    const QString route = f.Route.Text();
    QTest::mouseClick(control(fx, op), button, {}, position);
    QCOMPARE(fx.platform.addresses, toont ? QStringList{address} : QStringList{});
    QCOMPARE(f.Route.Text(), route);
    QVERIFY(fx.platform.questions.isEmpty());
}

void TestHelp::toegankelijkeTeksten_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("toegankelijkeNaam");
    QTest::addColumn<QString>("description");

    const auto row = [](const char* name, const QString& n, const QString& b) {
        QTest::newRow(name) << QString::fromLatin1(name) << n << b;
    };
    row("knopRouteToevoegen", QStringLiteral("Route aan lijst met Routes toevoegen"),
        QStringLiteral("Route aan lijst met Routes toevoegen"));
    row("knopRouteVerwijderen", QStringLiteral("Route uit lijst met Routes verwijderen"),
        QStringLiteral("Route uit lijst met Routes verwijderen\n"
                       "Rechtsklikken: alle routes uit de lijst verwijderen"));
    row("LabelPlaatsen",
        QStringLiteral("Klik uit de lijst met Plaatsen, teneinde een plaats aan de route toe te voegen"),
        QStringLiteral("Klik uit de lijst met Plaatsen, teneinde een plaats aan de route toe te voegen\n"
                       "Met Alt ingedrukt niet toevoegen\nEscape: geen plaats toevoegen"));
    // The information label's name stays its shown caption, so the help it shows is read.
    row("Info", QString(),
        QStringLiteral("Voorbeeld: Nieuwegein / 48.860997, 2.352563 (Parijs) / Rome, Colosseum (reis)\n"
                       "Voorbeeld in Google Maps tonen\nRechtsklikken: Zwervel tonen"));
    row("LabelVoettekst", QString(),
        QStringLiteral("Gebruik Enter of schuine streep  / voor plaats, postcode, museum, hotel, e.d.\n"
                       "Gebruik komma , voor extra informatie\n"
                       "Gebruik open- en sluithaakjes ( en ) voor informatie\n"
                       "Voorbeeld: Nieuwegein / 48.860997, 2.352563 (Parijs) / Rome, Colosseum (reis)"));
}

void TestHelp::toegankelijkeTeksten()
{
    QFETCH(QString, name);
    QFETCH(QString, toegankelijkeNaam);
    QFETCH(QString, description);
    FormFixture fx;
    QWidget* b = control(fx, name);
    QCOMPARE(b->accessibleName(), toegankelijkeNaam);
    QCOMPARE(b->accessibleDescription(), description);
}

void TestHelp::elkeKnopEnLabelTeBenoemen()
{
    // Eight picture buttons and five captions; only the information label and the footer strip
    // keep their own name.
    FormFixture fx;
    int gezien = 0;
    for (const QWidget* w : fx.f().findChildren<QWidget*>()) {
        if (!dynamic_cast<const PictureButton*>(w) && !dynamic_cast<const Label*>(w))
            continue;
        ++gezien;
        QVERIFY2(!w->accessibleDescription().isEmpty(), qPrintable(w->objectName()));
        const bool eigenNaam = w != &fx.f().Info && w != &fx.f().LabelVoettekst;
        QVERIFY2(w->accessibleName().isEmpty() != eigenNaam, qPrintable(w->objectName()));
    }
    QCOMPARE(gezien, 13);
}

void TestHelp::geenToolTips()
{
    FormFixture fx;
    QVERIFY(fx.f().toolTip().isEmpty());
    const QList<QWidget*> all = fx.f().findChildren<QWidget*>();
    QVERIFY(all.size() >= 19);
    for (const QWidget* w : all)
        QVERIFY2(w->toolTip().isEmpty(), qPrintable(w->objectName()));
}

QTEST_MAIN(TestHelp)
#include "tst_help.moc"
