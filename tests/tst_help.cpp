// The help texts and the information label following the mouse, on the real window.
#include "support/FormFixture.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>

using namespace zwervel;

namespace {

const QString CrLf = QStringLiteral("\r\n");

const QString Example = QStringLiteral(
    "  Voorbeeld: Nieuwegein / 48.860997, 2.352563 (Parijs) / Rome, Colosseum (reis)");

const QString GeneralHelp =
    QStringLiteral(
        " Gebruik Enter of schuine streep  / voor plaats, postcode, museum, hotel, e.d.") +
    CrLf + QStringLiteral("  Gebruik komma , voor extra informatie") + CrLf +
    QStringLiteral("  Gebruik open- en sluithaakjes ( en ) voor informatie") + CrLf + CrLf +
    Example;

QString lines(const QStringList& r)
{
    return r.join(CrLf);
}

QWidget* control(FormFixture& fx, const QString& name)
{
    if (name.isEmpty())
        return &fx.f();
    return fx.f().findChild<QWidget*>(name, Qt::FindDirectChildrenOnly);
}

// A bare spot of the window, where no control lies (left of the route box).
const QPoint BareWindow(8, 200);
// The footer strip beside the push button's right edge.
const QPoint BareFooter(405, 20);

// A real mouse move through the window, as the platform reports it: the window hands it to
// whatever control lies under the pointer.
void moveMouse(QWidget* over, QPoint position)
{
    QTest::mouseMove(over, position);
    QCoreApplication::processEvents();
}

} // namespace

class TestHelp : public QObject {
    Q_OBJECT

private slots:
    void helpTextPerControl_data();
    void helpTextPerControl();
    void infoHelpFollowsTheExample();
    void controlWithoutHelpGivesASpace_data();
    void controlWithoutHelpGivesASpace();
    void labelWrittenOnlyOnChange();
    void mouseOverControl_data();
    void mouseOverControl();
    void hiddenUndoButtonIsBareWindow();
    void repeatedMovesWriteOnce();
    void knopRouteToevoegenThenLabelRoute();
    void fieldThenUncoveredPartOfList();
    void infoGivesRouteTheFocus();
    void tabToRouteShowsGeneralHelp();
    void clickOnWindowOrFooter_data();
    void clickOnWindowOrFooter();
    void accessibleTexts_data();
    void accessibleTexts();
    void everyButtonAndLabelDescribed();
    void noToolTips();
};

void TestHelp::helpTextPerControl_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");

    const QString places = lines(
        {QStringLiteral(
             "Klik uit de lijst met Plaatsen, teneinde een plaats aan de route toe te voegen"),
         QStringLiteral("  Met Alt ingedrukt niet toevoegen"),
         QStringLiteral("  Escape: geen plaats toevoegen")});
    const QString routes =
        lines({QStringLiteral("Klik uit de lijst met Routes, teneinde de route te vervangen"),
               QStringLiteral("  Escape: geen route vervangen")});

    QTest::newRow("LabelRoute") << "LabelRoute"
                                << "Route aan lijst met Routes toevoegen";
    QTest::newRow("knopOngedaan")
        << "knopOngedaan"
        << "Laatste toevoeging van plaats of vervanging route ongedaan maken";
    QTest::newRow("knopPlaatsVerwijderen")
        << "knopPlaatsVerwijderen"
        << lines({QStringLiteral("Plaats uit lijst met Plaatsen verwijderen"),
                  QStringLiteral("  Rechtsklikken: alle plaatsen uit de lijst verwijderen")});
    QTest::newRow("knopRouteVerwijderen")
        << "knopRouteVerwijderen"
        << lines({QStringLiteral("Route uit lijst met Routes verwijderen"),
                  QStringLiteral("  Rechtsklikken: alle routes uit de lijst verwijderen")});
    QTest::newRow("knopGoogleMaps") << "knopGoogleMaps"
                                    << "Zwervel tonen";
    QTest::newRow("KnopRouteLeegmaken") << "KnopRouteLeegmaken"
                                        << "Vak met de route leegmaken";
    QTest::newRow("LabelPlaatsen") << "LabelPlaatsen" << places;
    QTest::newRow("tPlaats") << "tPlaats" << places;
    QTest::newRow("LabelRoutes") << "LabelRoutes" << routes;
    QTest::newRow("tRoutes") << "tRoutes" << routes;
    QTest::newRow("knopGoogleMapsOpenen") << "knopGoogleMapsOpenen"
                                          << "Google Maps openen";
    QTest::newRow("knopPlaatsToevoegen")
        << "knopPlaatsToevoegen"
        << "Selectie uit het vak met de route aan de lijst met Plaatsen toevoegen";
    QTest::newRow("knopRouteOpschonen")
        << "knopRouteOpschonen"
        << "Route opschonen (uit het vak met de route overbodige regels verwijderen)";
    QTest::newRow("Info") << "Info"
                          << lines({Example, QString(),
                                    QStringLiteral("     Voorbeeld in Google Maps tonen"),
                                    QStringLiteral("     Rechtsklikken: Zwervel tonen")});
    // Without a row of their own.
    for (const char* name : {"Route", "Plaats", "Routes", "LabelVoettekst", "knopRouteToevoegen"})
        QTest::newRow(name) << QString::fromLatin1(name) << QString();
    QTest::newRow("the window") << QString() << QString();
}

void TestHelp::helpTextPerControl()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    FormFixture fx;
    QWidget* w = control(fx, name);
    QVERIFY(w);
    const QString tip = fx.f().Tip(*w);
    QCOMPARE(tip, text);
    QVERIFY(!tip.endsWith(CrLf));
    QVERIFY(!tip.startsWith(CrLf));
}

void TestHelp::infoHelpFollowsTheExample()
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

void TestHelp::controlWithoutHelpGivesASpace_data()
{
    QTest::addColumn<QString>("name");
    for (const char* name : {"Route", "Plaats", "Routes", "LabelVoettekst", "knopRouteToevoegen"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TestHelp::controlWithoutHelpGivesASpace()
{
    QFETCH(QString, name);
    FormFixture fx;
    fx.f().InfoCaption(*control(fx, name));
    QCOMPARE(fx.f().Info.Caption(), QStringLiteral(" "));
}

void TestHelp::labelWrittenOnlyOnChange()
{
    FormFixture fx;
    frmZwervel& f = fx.f();
    QCOMPARE(f.Info.Caption(), GeneralHelp);
    const int before = f.Info.captionWrites();

    f.InfoCaption(f.knopOngedaan);
    QCOMPARE(f.Info.Caption(),
             QStringLiteral(" Laatste toevoeging van plaats of vervanging route ongedaan maken"));
    f.InfoCaption(f.knopOngedaan);
    QCOMPARE(f.Info.captionWrites(), before + 1);

    f.InfoCaption(f.knopRouteVerwijderen);
    QCOMPARE(f.Info.Caption(),
             QStringLiteral(" Route uit lijst met Routes verwijderen\r\n"
                            "  Rechtsklikken: alle routes uit de lijst verwijderen"));
    QCOMPARE(f.Info.captionWrites(), before + 2);
    QVERIFY(!f.Info.Caption().endsWith(CrLf));
}

void TestHelp::mouseOverControl_data()
{
    QTest::addColumn<QString>("over");
    QTest::addColumn<QPoint>("position"); // in the control; (-1, -1) is its centre
    QTest::addColumn<QString>("helpOf");  // whose help the label shows; empty: the general help

    const QPoint middle(-1, -1);
    for (const char* name :
         {"knopGoogleMapsOpenen", "knopRouteOpschonen", "knopPlaatsToevoegen", "tPlaats", "tRoutes",
          "knopGoogleMaps", "knopPlaatsVerwijderen", "KnopRouteLeegmaken", "knopRouteVerwijderen",
          "LabelPlaatsen", "LabelRoutes", "knopOngedaan", "LabelRoute", "Info"})
        QTest::newRow(name) << QString::fromLatin1(name) << middle << QString::fromLatin1(name);
    QTest::newRow("knopRouteToevoegen") << "knopRouteToevoegen" << middle << "LabelRoute";
    QTest::newRow("Route") << "Route" << middle << QString();
    QTest::newRow("LabelVoettekst") << "LabelVoettekst" << BareFooter << QString();
    QTest::newRow("the bare window") << QString() << BareWindow << QString();
}

void TestHelp::mouseOverControl()
{
    QFETCH(QString, over);
    QFETCH(QPoint, position);
    QFETCH(QString, helpOf);
    FormFixture fx;
    QVERIFY(fx.show());
    frmZwervel& f = fx.f();
    f.knopOngedaan.setVisible(true); // it raises no mouse events while hidden
    f.Info.setCaption(QStringLiteral("previous"));

    QWidget* target = control(fx, over);
    QVERIFY(target);
    moveMouse(target, position == QPoint(-1, -1) ? target->rect().center() : position);

    const QString expected =
        helpOf.isEmpty() ? GeneralHelp : QStringLiteral(" ") + f.Tip(*control(fx, helpOf));
    QCOMPARE(f.Info.Caption(), expected);
}

void TestHelp::hiddenUndoButtonIsBareWindow()
{
    FormFixture fx;
    QVERIFY(fx.show());
    frmZwervel& f = fx.f();
    QVERIFY(f.knopOngedaan.isHidden());
    f.Info.setCaption(QStringLiteral("previous"));
    // Where the hidden button would be, the pointer is over the bare window.
    moveMouse(&f, f.knopOngedaan.geometry().center());
    QCOMPARE(f.Info.Caption(), GeneralHelp);
}

void TestHelp::repeatedMovesWriteOnce()
{
    FormFixture fx;
    QVERIFY(fx.show());
    frmZwervel& f = fx.f();
    const int before = f.Info.captionWrites();
    for (int x = 2; x < 14; x += 3)
        moveMouse(&f.knopPlaatsVerwijderen, QPoint(x, 8));
    QCOMPARE(f.Info.captionWrites(), before + 1);
    QCOMPARE(f.Info.Caption(),
             QStringLiteral(" Plaats uit lijst met Plaatsen verwijderen\r\n"
                            "  Rechtsklikken: alle plaatsen uit de lijst verwijderen"));

    // Onto the bare window: the general help replaces the button's two lines, and is written
    // on every move, without comparing.
    moveMouse(&f, BareWindow);
    moveMouse(&f, BareWindow + QPoint(0, 5));
    QCOMPARE(f.Info.captionWrites(), before + 3);
    QCOMPARE(f.Info.Caption(), GeneralHelp);
}

void TestHelp::knopRouteToevoegenThenLabelRoute()
{
    FormFixture fx;
    QVERIFY(fx.show());
    frmZwervel& f = fx.f();
    const int before = f.Info.captionWrites();
    moveMouse(&f.knopRouteToevoegen, QPoint(8, 8));
    QCOMPARE(f.Info.Caption(), QStringLiteral(" Route aan lijst met Routes toevoegen"));
    moveMouse(&f.LabelRoute, QPoint(40, 8));
    QCOMPARE(f.Info.Caption(), QStringLiteral(" Route aan lijst met Routes toevoegen"));
    QCOMPARE(f.Info.captionWrites(), before + 1);
}

void TestHelp::fieldThenUncoveredPartOfList()
{
    FormFixture fx;
    QVERIFY(fx.show());
    frmZwervel& f = fx.f();
    moveMouse(&f.tPlaats, QPoint(40, 10));
    const QString help = f.Info.Caption();
    QVERIFY(help.startsWith(QStringLiteral(" Klik uit de lijst met Plaatsen")));
    const int writes = f.Info.captionWrites();
    // The rightmost 280 twips of the list lie uncovered; the list has no hover of its own.
    moveMouse(&f.Plaats, QPoint(f.Plaats.width() - 8, 10));
    QCOMPARE(f.Info.Caption(), help);
    QCOMPARE(f.Info.captionWrites(), writes);
}

void TestHelp::infoGivesRouteTheFocus()
{
    FormFixture fx;
    QVERIFY(fx.show());
    frmZwervel& f = fx.f();
    f.Plaats.SetFocus();
    QVERIFY(f.Plaats.hasFocus());

    // The focus comes first: its got-focus handler writes the general help, then the label's
    // own help replaces it.
    const int before = f.Info.captionWrites();
    moveMouse(&f.Info, QPoint(60, 30));
    QVERIFY(f.Route.hasFocus());
    const QString help = QStringLiteral(" ") + Example +
                         QStringLiteral("\r\n\r\n     Voorbeeld in Google Maps tonen\r\n"
                                        "     Rechtsklikken: Zwervel tonen");
    QCOMPARE(f.Info.Caption(), help);
    QCOMPARE(f.Info.captionWrites(), before + 2);

    // Further moves: the route box has the focus already and the text is unchanged.
    moveMouse(&f.Info, QPoint(90, 40));
    QCOMPARE(f.Info.captionWrites(), before + 2);
}

void TestHelp::tabToRouteShowsGeneralHelp()
{
    FormFixture fx;
    QVERIFY(fx.show());
    frmZwervel& f = fx.f();
    f.knopGoogleMaps.setFocus(Qt::TabFocusReason);
    f.InfoCaption(f.knopOngedaan);
    QTest::keyClick(&f.knopGoogleMaps, Qt::Key_Backtab, Qt::ShiftModifier);
    QVERIFY(f.Route.hasFocus());
    QCOMPARE(f.Info.Caption(), GeneralHelp);
}

void TestHelp::clickOnWindowOrFooter_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QPoint>("position");
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<bool>("shows");

    for (const auto& [name, target, position] :
         {std::tuple{"window", QString(), BareWindow},
          std::tuple{"footer", QStringLiteral("LabelVoettekst"), BareFooter}}) {
        const QByteArray rowName(name);
        QTest::newRow(rowName + " right") << target << position << Qt::RightButton << true;
        QTest::newRow(rowName + " left") << target << position << Qt::LeftButton << false;
        QTest::newRow(rowName + " middle") << target << position << Qt::MiddleButton << false;
    }
}

void TestHelp::clickOnWindowOrFooter()
{
    QFETCH(QString, target);
    QFETCH(QPoint, position);
    QFETCH(Qt::MouseButton, button);
    QFETCH(bool, shows);
    FormFixture fx;
    QVERIFY(fx.show());
    frmZwervel& f = fx.f();
    f.Route.setText(QStringLiteral("Utrecht\r\n (thuis) Amersfoort"));

    // What a left click on the push button opens.
    QTest::mouseClick(&f.knopGoogleMaps, Qt::LeftButton, {}, QPoint(20, 10));
    QCOMPARE(fx.platform.addresses.size(), 1);
    const QString address = fx.platform.addresses.takeFirst();

    const QString route = f.Route.Text();
    QTest::mouseClick(control(fx, target), button, {}, position);
    QCOMPARE(fx.platform.addresses, shows ? QStringList{address} : QStringList{});
    QCOMPARE(f.Route.Text(), route);
    QVERIFY(fx.platform.questions.isEmpty());
}

void TestHelp::accessibleTexts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("accessibleName");
    QTest::addColumn<QString>("description");

    const auto row = [](const char* name, const QString& accessible, const QString& description) {
        QTest::newRow(name) << QString::fromLatin1(name) << accessible << description;
    };
    row("knopRouteToevoegen", QStringLiteral("Route aan lijst met Routes toevoegen"),
        QStringLiteral("Route aan lijst met Routes toevoegen"));
    row("knopRouteVerwijderen", QStringLiteral("Route uit lijst met Routes verwijderen"),
        QStringLiteral("Route uit lijst met Routes verwijderen\n"
                       "Rechtsklikken: alle routes uit de lijst verwijderen"));
    row("LabelPlaatsen",
        QStringLiteral(
            "Klik uit de lijst met Plaatsen, teneinde een plaats aan de route toe te voegen"),
        QStringLiteral(
            "Klik uit de lijst met Plaatsen, teneinde een plaats aan de route toe te voegen\n"
            "Met Alt ingedrukt niet toevoegen\nEscape: geen plaats toevoegen"));
    // The information label's name stays its shown caption, so the help it shows is read.
    row("Info", QString(),
        QStringLiteral(
            "Voorbeeld: Nieuwegein / 48.860997, 2.352563 (Parijs) / Rome, Colosseum (reis)\n"
            "Voorbeeld in Google Maps tonen\nRechtsklikken: Zwervel tonen"));
    row("LabelVoettekst", QString(),
        QStringLiteral(
            "Gebruik Enter of schuine streep  / voor plaats, postcode, museum, hotel, e.d.\n"
            "Gebruik komma , voor extra informatie\n"
            "Gebruik open- en sluithaakjes ( en ) voor informatie\n"
            "Voorbeeld: Nieuwegein / 48.860997, 2.352563 (Parijs) / Rome, Colosseum (reis)"));
}

void TestHelp::accessibleTexts()
{
    QFETCH(QString, name);
    QFETCH(QString, accessibleName);
    QFETCH(QString, description);
    FormFixture fx;
    QWidget* w = control(fx, name);
    QCOMPARE(w->accessibleName(), accessibleName);
    QCOMPARE(w->accessibleDescription(), description);
}

void TestHelp::everyButtonAndLabelDescribed()
{
    // Eight picture buttons and five captions; only the information label and the footer strip
    // keep their own name.
    FormFixture fx;
    int seen = 0;
    for (const QWidget* w : fx.f().findChildren<QWidget*>()) {
        if (!dynamic_cast<const PictureButton*>(w) && !dynamic_cast<const Label*>(w))
            continue;
        ++seen;
        QVERIFY2(!w->accessibleDescription().isEmpty(), qPrintable(w->objectName()));
        const bool named = w != &fx.f().Info && w != &fx.f().LabelVoettekst;
        QVERIFY2(w->accessibleName().isEmpty() != named, qPrintable(w->objectName()));
    }
    QCOMPARE(seen, 13);
}

void TestHelp::noToolTips()
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
