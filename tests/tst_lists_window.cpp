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
QString describe(const Question& question)
{
    const char* icons[] = {"question", "information", "error"};
    const char* buttons[] = {"YesNo", "OK"};
    const char* answers[] = {"Yes", "No", "OK"};
    return question.text + QStringLiteral(" | ") + QString::fromLatin1(icons[int(question.icon)]) +
           QStringLiteral(" | ") + QString::fromLatin1(buttons[int(question.buttons)]) +
           QStringLiteral(" | default ") +
           QString::fromLatin1(answers[int(question.defaultAnswer)]);
}

Question yesNoBox(const QString& text, Question::Answer defaultAnswer)
{
    return Question{text, Question::Icon::Question, Question::Buttons::YesNo, defaultAnswer};
}

Question removeBox(const char* name, const char* item)
{
    return yesNoBox(s(name) + s("\r\n ") + s(item) + s("\r\n\r\nuit de lijst verwijderen?"),
                    Question::Answer::No);
}

Question removeAllPlacesBox(qsizetype n)
{
    return yesNoBox(s("Alle plaatsen (") + QString::number(n) +
                        s(") uit de lijst met Plaatsen verwijderen?"),
                    Question::Answer::Yes);
}

Question removeAllRoutesBox(qsizetype n)
{
    return yesNoBox(s("Alle routes (") + QString::number(n) +
                        s(") uit de lijst met Routes verwijderen?"),
                    Question::Answer::Yes);
}

Question addRouteBox(const QString& route)
{
    return yesNoBox(s("Route\r\n ") + route + s("\r\naan de lijst met Routes toevoegen?"),
                    Question::Answer::Yes);
}

Question routeKnownBox(const QString& route)
{
    return Question{s("Route\r\n ") + route + s("\r\nkomt al voor in de lijst met Routes."),
                    Question::Icon::Information, Question::Buttons::OK, Question::Answer::OK};
}

QStringList described(const QList<Question>& questions)
{
    QStringList out;
    for (const Question& question : questions)
        out << describe(question);
    return out;
}

QStringList described(std::initializer_list<Question> questions)
{
    return described(QList<Question>(questions));
}

void selectInRoute(RouteBox& route, const QString& text, int start, int length)
{
    route.setText(text);
    route.setSelStart(start);
    route.setSelLength(length);
}

constexpr auto Yes = Question::Answer::Yes;
constexpr auto No = Question::Answer::No;

} // namespace

class TestListsWindow : public QObject {
    Q_OBJECT
private slots:
    void order();
    // finding, removing one, emptying the shown text
    void inList_data();
    void inList();
    void removeWithNothingShown_data();
    void removeWithNothingShown();
    void removeYes();
    void removeNo();
    void clearShownText();
    // adding a place
    void appendPlace_data();
    void appendPlace();
    void addPlaceTakesSelectionOnly();
    void addedPlaceNotPicked();
    void placeInSortedPosition();
    void placeWithoutItemEnd();
    // adding a route
    void addRoute_data();
    void addRoute();
    void addKnownRoute();
    void addEmptyRoute();
    void addedRouteNotPicked();
    void routeWithoutItemEnd();
    void itemEndAfterSaveAndLoad();
    void routeCaptionAddsRoute();
    // removing places
    void removePlaceNoNo();
    void removePlaceYes();
    void removeAllPlaces_data();
    void removeAllPlaces();
    // removing routes
    void removeRouteNothingShown();
    void removeRouteNo();
    void removeRouteYes();
    void removeAllRoutes_data();
    void removeAllRoutes();
    // opening a list
    void labelOpensList_data();
    void labelOpensList();
    // many entries
    void fortyThousandPlaces();
};

void TestListsWindow::order()
{
    FormFixture fx;
    frmZwervel& f = fx.f();
    f.Plaats.AddItems(list({"Plaats 10", "Jutphaas", "plaats 2", "Île", "IJsselstein"}));
    QCOMPARE(items(f.Plaats), list({"IJsselstein", "Île", "Jutphaas", "Plaats 10", "plaats 2"}));
    QCOMPARE(f.Plaats.currentIndex(), -1);
    f.Plaats.AddItem(s("Plaats 3"));
    f.Plaats.AddItem(s("Ilpendam"));
    QCOMPARE(items(f.Plaats), list({"IJsselstein", "Île", "Ilpendam", "Jutphaas", "Plaats 10",
                                    "plaats 2", "Plaats 3"}));
    QCOMPARE(f.Plaats.Text(), QString());
    // What is shown stays shown when more entries come.
    f.Plaats.setText(s("Jutphaas"));
    f.Plaats.AddItems(list({"Amersfoort", "Zeist"}));
    f.Plaats.AddItem(s("Bunnik"));
    QCOMPARE(f.Plaats.Text(), s("Jutphaas"));
    QCOMPARE(f.Plaats.ListCount(), 10);
    QCOMPARE(f.Plaats.List(0), s("Amersfoort"));
    QCOMPARE(f.Plaats.List(9), s("Zeist"));
}

void TestListsWindow::inList_data()
{
    QTest::addColumn<QStringList>("content");
    QTest::addColumn<QString>("item");
    QTest::addColumn<bool>("found");
    QTest::newRow("empty list") << QStringList() << s("Den Haag") << false;
    QTest::newRow("empty list, empty item") << QStringList() << QString() << false;
    QTest::newRow("lower case") << list({"Den Haag"}) << s("den haag") << true;
    QTest::newRow("upper case") << list({"Den Haag"}) << s("DEN HAAG") << true;
    QTest::newRow("trailing space") << list({"Den Haag"}) << s("Den Haag ") << false;
    QTest::newRow("two spaces") << list({"Den Haag"}) << s("Den  Haag") << false;
    QTest::newRow("a part is no match") << list({"Den Haag"}) << s("Den") << false;
    QTest::newRow("empty item") << list({"Den Haag"}) << QString() << false;
    QTest::newRow("Île") << list({"a", "ÎLE", "z"}) << s("île") << true;
}

void TestListsWindow::inList()
{
    QFETCH(QStringList, content);
    QFETCH(QString, item);
    QFETCH(bool, found);
    FormFixture fx;
    fx.f().Routes.AddItems(content);
    QCOMPARE(fx.f().InLijst(fx.f().Routes, item), found);
}

void TestListsWindow::removeWithNothingShown_data()
{
    QTest::addColumn<bool>("emptyShown");
    QTest::newRow("nothing shown") << false;
    QTest::newRow("the empty entry shown") << true;
}

void TestListsWindow::removeWithNothingShown()
{
    QFETCH(bool, emptyShown);
    FormFixture fx;
    QVERIFY(fx.show());
    frmZwervel& f = fx.f();
    f.Plaats.AddItems(list({"Utrecht"}));
    f.Plaats.AddItem(QString());
    if (emptyShown)
        f.Plaats.setText(QString());
    QCOMPARE(f.Plaats.currentIndex(), emptyShown ? 0 : -1);

    QVERIFY(!f.UitLijstVerwijderen(f.Plaats, s("Plaats")));
    QCOMPARE(fx.platform.beeps, 0);
    QVERIFY(fx.platform.questions.isEmpty());
    QCOMPARE(QApplication::focusWidget(), &f.Route);
    QCOMPARE(items(f.Plaats), list({"", "Utrecht"}));
}

void TestListsWindow::removeYes()
{
    FormFixture fx;
    QVERIFY(fx.show());
    frmZwervel& f = fx.f();
    f.Plaats.AddItems(list({"Utrecht", "Gouda", "utrecht"}));
    f.Plaats.setText(s("Utrecht"));
    fx.platform.answers = {Yes};

    QVERIFY(f.UitLijstVerwijderen(f.Plaats, s("Plaats")));
    QCOMPARE(described(fx.platform.questions), described({removeBox("Plaats", "Utrecht")}));
    QCOMPARE(fx.platform.beeps, 1);
    QCOMPARE(items(f.Plaats), list({"Gouda"}));
    QCOMPARE(f.Plaats.Text(), QString());
    QCOMPARE(f.Plaats.currentIndex(), -1);
    QCOMPARE(QApplication::focusWidget(), &f.Plaats);
}

void TestListsWindow::removeNo()
{
    FormFixture fx;
    QVERIFY(fx.show());
    frmZwervel& f = fx.f();
    f.Routes.AddItems(list({"Utrecht", "Gouda", "utrecht"}));
    f.Routes.setText(s("utrecht"));
    const int shown = f.Routes.currentIndex();
    fx.platform.answers = {No};

    QVERIFY(!f.UitLijstVerwijderen(f.Routes, s("Route")));
    QCOMPARE(described(fx.platform.questions), described({removeBox("Route", "utrecht")}));
    QCOMPARE(fx.platform.beeps, 1);
    QCOMPARE(items(f.Routes), list({"Gouda", "Utrecht", "utrecht"}));
    QCOMPARE(f.Routes.currentIndex(), shown);
    QCOMPARE(f.Routes.Text(), s("utrecht"));
    QCOMPARE(QApplication::focusWidget(), &f.Routes);
}

void TestListsWindow::clearShownText()
{
    FormFixture fx;
    frmZwervel& f = fx.f();
    f.Plaats.AddItems(list({"B", "A"}));
    f.Plaats.setText(s("B"));
    f.VakLijstLeegmaken(f.Plaats);
    QCOMPARE(items(f.Plaats), list({"A", "B"}));
    QCOMPARE(f.Plaats.Text(), QString());
    QCOMPARE(f.Plaats.currentIndex(), -1);

    // An empty list gains no empty entry.
    f.VakLijstLeegmaken(f.Routes);
    QCOMPARE(f.Routes.ListCount(), 0);
    QCOMPARE(fx.platform.beeps, 0);
    QVERIFY(fx.platform.questions.isEmpty());
}

void TestListsWindow::appendPlace_data()
{
    QTest::addColumn<QString>("routeText");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("place"); // empty: nothing added
    QTest::newRow("nothing selected") << s("Utrecht") << 3 << 0 << QString();
    QTest::newRow("only spaces") << s("a   b") << 1 << 3 << QString();
    QTest::newRow("across two lines") << s("Utrecht\r\nGouda") << 0 << 14 << s("Utrecht/Gouda");
    QTest::newRow("line with its break") << s("Utrecht\r\nGouda") << 0 << 9 << s("Utrecht/");
    QTest::newRow("spaces trimmed") << s("  Utrecht x") << 0 << 10 << s("Utrecht");
    QTest::newRow("spaces around the slash")
        << s("Utrecht \r\n Gouda") << 0 << 16 << s("Utrecht / Gouda");
    QTest::newRow("known in other case") << s("AMSTERDAM") << 0 << 9 << QString();
    QTest::newRow("tab counts") << s("Amsterdam\tx") << 0 << 10 << s("Amsterdam\t");
}

void TestListsWindow::appendPlace()
{
    QFETCH(QString, routeText);
    QFETCH(int, start);
    QFETCH(int, length);
    QFETCH(QString, place);
    FormFixture fx;
    QVERIFY(fx.show());
    frmZwervel& f = fx.f();
    f.Plaats.AddItems(list({"Amsterdam"}));
    selectInRoute(f.Route, routeText, start, length);
    QTest::mouseClick(&f.knopPlaatsToevoegen, Qt::LeftButton);

    QVERIFY(fx.platform.questions.isEmpty());
    QCOMPARE(QApplication::focusWidget(), &f.Route);
    QCOMPARE(f.Route.Text(), routeText);
    QCOMPARE(f.Route.SelStart(), start);
    QCOMPARE(f.Route.SelLength(), length);
    if (place.isEmpty()) {
        QCOMPARE(fx.platform.beeps, 0);
        QCOMPARE(items(f.Plaats), list({"Amsterdam"}));
        QCOMPARE(f.Plaats.Text(), QString());
        QCOMPARE(f.tPlaats.Text(), QString());
        return;
    }
    QCOMPARE(fx.platform.beeps, 1);
    QCOMPARE(f.Plaats.ListCount(), 2);
    QVERIFY(items(f.Plaats).contains(place));
    QCOMPARE(f.Plaats.Text(), place);
    QCOMPARE(f.tPlaats.Text(), place);
}

void TestListsWindow::addPlaceTakesSelectionOnly()
{
    // The selection is what counts, not the line it is on.
    FormFixture fx;
    QVERIFY(fx.show());
    frmZwervel& f = fx.f();
    selectInRoute(f.Route, s("Utrecht\r\nDen Haag\r\nGouda"), 9, 8);
    f.knopPlaatsToevoegen_Click();
    QCOMPARE(items(f.Plaats), list({"Den Haag"}));
    f.Route.setSelStart(0);
    f.Route.setSelLength(7);
    f.knopPlaatsToevoegen_Click();
    QCOMPARE(items(f.Plaats), list({"Den Haag", "Utrecht"}));
    QCOMPARE(f.Plaats.Text(), s("Utrecht"));
    QCOMPARE(fx.platform.beeps, 2);
}

void TestListsWindow::addedPlaceNotPicked()
{
    // Showing the new place is the program's doing, not a pick: the route box stays as it was.
    FormFixture fx;
    QVERIFY(fx.show());
    frmZwervel& f = fx.f();
    selectInRoute(f.Route, s("Utrecht\r\nGouda"), 9, 5);
    QSignalSpy click(&f.Plaats.events, &ControlEvents::Click);
    QSignalSpy picked(&f.Plaats, &QComboBox::activated);
    f.knopPlaatsToevoegen_Click();
    QCOMPARE(f.Plaats.Text(), s("Gouda"));
    QCOMPARE(click.count(), 0);
    QCOMPARE(picked.count(), 0);
    QCOMPARE(f.Route.Text(), s("Utrecht\r\nGouda"));
    QCOMPARE(f.Route.SelStart(), 9);
    QCOMPARE(f.Route.SelLength(), 5);
    QVERIFY(!f.knopOngedaan.isVisible());
    QCOMPARE(f.OngedaanTekst, QString());
}

void TestListsWindow::placeInSortedPosition()
{
    FormFixture fx;
    frmZwervel& f = fx.f();
    f.Plaats.AddItems(list({"Plaats 1", "Plaats 10", "Zeist"}));
    f.PlaatsAanvullen(s("Plaats 2"));
    f.PlaatsAanvullen(s("île de France"));
    QCOMPARE(items(f.Plaats),
             list({"île de France", "Plaats 1", "Plaats 10", "Plaats 2", "Zeist"}));
    QCOMPARE(f.Plaats.currentIndex(), 0);
    QCOMPARE(f.tPlaats.Text(), s("île de France"));
}

void TestListsWindow::placeWithoutItemEnd()
{
    // The configuration file ends each entry with 0x0F: a place holding one would split.
    FormFixture fx;
    frmZwervel& f = fx.f();
    f.PlaatsAanvullen(s("Utr\x0f"
                        "echt \x0f"));
    f.PlaatsAanvullen(s("\x0f"));
    QCOMPARE(items(f.Plaats), list({"Utrecht"}));
    QCOMPARE(f.tPlaats.Text(), s("Utrecht"));
    QCOMPARE(fx.platform.beeps, 1);
    // Already there once the separator is gone.
    f.PlaatsAanvullen(s("utrecht\x0f"));
    QCOMPARE(f.Plaats.ListCount(), 1);
    QCOMPARE(fx.platform.beeps, 1);
}

void TestListsWindow::addRoute_data()
{
    QTest::addColumn<QString>("routeText");
    QTest::addColumn<QString>("route");
    QTest::addColumn<bool>("yes");
    QTest::newRow("yes") << s(" Utrecht\r\nutrecht \r\n\r\nGouda (x)") << s("utrecht/Gouda (x)")
                         << true;
    QTest::newRow("no") << s("Utrecht\r\nGouda") << s("Utrecht/Gouda") << false;
    QTest::newRow("one place not doubled") << s("Utrecht") << s("Utrecht") << true;
}

void TestListsWindow::addRoute()
{
    QFETCH(QString, routeText);
    QFETCH(QString, route);
    QFETCH(bool, yes);
    FormFixture fx;
    QVERIFY(fx.show());
    frmZwervel& f = fx.f();
    f.Routes.AddItems(list({"Amersfoort/Zeist"}));
    f.tRoutes.setText(s("oud"));
    f.Route.setText(routeText);
    fx.platform.answers = {yes ? Yes : No};
    QTest::mouseClick(&f.knopRouteToevoegen, Qt::LeftButton);

    QCOMPARE(described(fx.platform.questions), described({addRouteBox(route)}));
    QCOMPARE(fx.platform.beeps, 1);
    QCOMPARE(f.Route.Text(), routeText);
    QCOMPARE(QApplication::focusWidget(), &f.Route);
    if (!yes) {
        QCOMPARE(items(f.Routes), list({"Amersfoort/Zeist"}));
        QCOMPARE(f.Routes.Text(), QString());
        QCOMPARE(f.tRoutes.Text(), s("oud"));
        return;
    }
    QCOMPARE(f.Routes.ListCount(), 2);
    QVERIFY(items(f.Routes).contains(route));
    QCOMPARE(f.Routes.Text(), route);
    QCOMPARE(f.tRoutes.Text(), route);
}

void TestListsWindow::addKnownRoute()
{
    FormFixture fx;
    QVERIFY(fx.show());
    frmZwervel& f = fx.f();
    f.Routes.AddItems(list({"Utrecht/Gouda"}));
    f.Route.setText(s("UTRECHT\r\ngouda"));
    f.knopRouteToevoegen_Click();
    QCOMPARE(described(fx.platform.questions), described({routeKnownBox(s("UTRECHT/gouda"))}));
    QCOMPARE(fx.platform.beeps, 1);
    QCOMPARE(items(f.Routes), list({"Utrecht/Gouda"}));
    QCOMPARE(f.Routes.Text(), QString());
    QCOMPARE(f.tRoutes.Text(), QString());
}

void TestListsWindow::addEmptyRoute()
{
    // No test for an empty route: the question comes, and Yes keeps an empty entry.
    FormFixture fx;
    QVERIFY(fx.show());
    frmZwervel& f = fx.f();
    f.Route.setText(s(" \r\n / "));
    fx.platform.answers = {Yes};
    f.RoutesAanvullen();
    QCOMPARE(items(f.Routes), QStringList{QString()});
    QCOMPARE(f.Routes.currentIndex(), 0);
    QCOMPARE(f.tRoutes.Text(), QString());
    f.RoutesAanvullen();
    QCOMPARE(described(fx.platform.questions),
             described({addRouteBox(QString()), routeKnownBox(QString())}));
    QCOMPARE(fx.platform.beeps, 2);
    QCOMPARE(f.Routes.ListCount(), 1);
}

void TestListsWindow::addedRouteNotPicked()
{
    FormFixture fx;
    QVERIFY(fx.show());
    frmZwervel& f = fx.f();
    selectInRoute(f.Route, s("Utrecht\r\nGouda"), 2, 3);
    QSignalSpy click(&f.Routes.events, &ControlEvents::Click);
    fx.platform.answers = {Yes};
    f.RoutesAanvullen();
    QCOMPARE(f.Routes.Text(), s("Utrecht/Gouda"));
    QCOMPARE(click.count(), 0);
    QCOMPARE(f.Route.Text(), s("Utrecht\r\nGouda"));
    QCOMPARE(f.Route.SelStart(), 2);
    QCOMPARE(f.Route.SelLength(), 3);
    QVERIFY(!f.knopOngedaan.isVisible());
}

void TestListsWindow::routeWithoutItemEnd()
{
    FormFixture fx;
    frmZwervel& f = fx.f();
    f.Route.setText(s("Utr\x0f"
                      "echt\r\n\x0f\r\nGouda"));
    fx.platform.answers = {Yes};
    f.RoutesAanvullen();
    QCOMPARE(described(fx.platform.questions), described({addRouteBox(s("Utrecht/Gouda"))}));
    QCOMPARE(items(f.Routes), list({"Utrecht/Gouda"}));
    QCOMPARE(f.tRoutes.Text(), s("Utrecht/Gouda"));
}

void TestListsWindow::itemEndAfterSaveAndLoad()
{
    // What was added comes back from the configuration file as the same single entries.
    QByteArray saved;
    {
        FormFixture fx;
        frmZwervel& f = fx.f();
        f.PlaatsAanvullen(s("Utr\x0f"
                            "echt"));
        f.Route.setText(s("Gou\x0f"
                          "da\r\nZeist"));
        fx.platform.answers = {Yes};
        f.RoutesAanvullen();
        f.Route.setText(QString());
        f.CfgOpslaan();
        QFile file(fx.configPath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        saved = file.readAll();
    }
    FormFixture reloaded(&saved);
    QCOMPARE(items(reloaded.f().Plaats), list({"Utrecht"}));
    QCOMPARE(items(reloaded.f().Routes), list({"Gouda/Zeist"}));
}

void TestListsWindow::routeCaptionAddsRoute()
{
    // The caption over the route box does exactly what the add button does.
    FormFixture fx;
    QVERIFY(fx.show());
    frmZwervel& f = fx.f();
    QCOMPARE(f.LabelRoute.Caption(), s(" Route aan lijst met Routes toevoegen"));
    f.Route.setText(s("Utrecht\r\nGouda"));
    fx.platform.answers = {Yes};
    QTest::mouseClick(&f.LabelRoute, Qt::LeftButton);
    QCOMPARE(items(f.Routes), list({"Utrecht/Gouda"}));
    QCOMPARE(f.tRoutes.Text(), s("Utrecht/Gouda"));
    QTest::mouseClick(&f.LabelRoute, Qt::LeftButton);
    QCOMPARE(described(fx.platform.questions),
             described({addRouteBox(s("Utrecht/Gouda")), routeKnownBox(s("Utrecht/Gouda"))}));
    QCOMPARE(fx.platform.beeps, 2);
}

void TestListsWindow::removePlaceNoNo()
{
    FormFixture fx;
    QVERIFY(fx.show());
    frmZwervel& f = fx.f();
    f.Plaats.AddItems(list({"Utrecht", "Gouda", "utrecht"}));
    f.Plaats.setText(s("Gouda"));
    f.tPlaats.setText(s("Gouda"));
    fx.platform.answers = {No, No};
    f.knopPlaatsVerwijderen_MouseUp(1, 0, 0, 0);
    QCOMPARE(described(fx.platform.questions),
             described({removeBox("Plaats", "Gouda"), removeAllPlacesBox(3)}));
    QCOMPARE(fx.platform.beeps, 2);
    QCOMPARE(items(f.Plaats), list({"Gouda", "Utrecht", "utrecht"}));
    QCOMPARE(f.Plaats.Text(), s("Gouda"));
    QCOMPARE(f.tPlaats.Text(), s("Gouda"));
    QCOMPARE(QApplication::focusWidget(), &f.Plaats);
}

void TestListsWindow::removePlaceYes()
{
    FormFixture fx;
    QVERIFY(fx.show());
    frmZwervel& f = fx.f();
    f.Plaats.AddItems(list({"Utrecht", "Gouda", "UTRECHT", "utrecht "}));
    f.Plaats.setText(s("Utrecht"));
    f.tPlaats.setText(s("Utrecht"));
    fx.platform.answers = {Yes};
    QTest::mouseClick(&f.knopPlaatsVerwijderen, Qt::LeftButton);
    QCOMPARE(described(fx.platform.questions), described({removeBox("Plaats", "Utrecht")}));
    QCOMPARE(fx.platform.beeps, 1);
    QCOMPARE(items(f.Plaats), list({"Gouda", "utrecht "}));
    QCOMPARE(f.Plaats.currentIndex(), -1);
    QCOMPARE(f.tPlaats.Text(), QString());
    QCOMPARE(QApplication::focusWidget(), &f.Plaats);
}

void TestListsWindow::removeAllPlaces_data()
{
    // The remove-all question: any button but the left, or the left when the list shows
    // nothing. Its count is the list's.
    QTest::addColumn<int>("button");
    QTest::addColumn<QStringList>("content");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("yes");
    const QStringList three = list({"Utrecht", "Gouda", "Zeist"});
    QTest::newRow("left, nothing shown, no")
        << 1 << list({"Utrecht", "Gouda"}) << QString() << false;
    QTest::newRow("left, empty list, yes") << 1 << QStringList() << QString() << true;
    QTest::newRow("right, yes") << 2 << three << s("Zeist") << true;
    QTest::newRow("middle, yes") << 4 << three << s("Zeist") << true;
    QTest::newRow("left and right, yes") << 3 << three << s("Zeist") << true;
    QTest::newRow("right, no") << 2 << three << s("Gouda") << false;
}

void TestListsWindow::removeAllPlaces()
{
    QFETCH(int, button);
    QFETCH(QStringList, content);
    QFETCH(QString, shown);
    QFETCH(bool, yes);
    FormFixture fx;
    QVERIFY(fx.show());
    frmZwervel& f = fx.f();
    f.Plaats.AddItems(content);
    f.Plaats.setText(shown);
    f.tPlaats.setText(shown);
    f.Route.setText(s("Utrecht"));
    const QStringList before = items(f.Plaats);
    fx.platform.answers = {yes ? Yes : No};
    if (button == 3)
        f.knopPlaatsVerwijderen_MouseUp(button, 0, 0, 0);
    else
        QTest::mouseClick(&f.knopPlaatsVerwijderen, Qt::MouseButton(button));

    QCOMPARE(described(fx.platform.questions), described({removeAllPlacesBox(content.size())}));
    QCOMPARE(fx.platform.beeps, 1);
    QCOMPARE(f.Route.Text(), s("Utrecht"));
    if (!yes) {
        QCOMPARE(items(f.Plaats), before);
        QCOMPARE(f.Plaats.Text(), shown);
        QCOMPARE(f.tPlaats.Text(), shown);
        QCOMPARE(QApplication::focusWidget(), &f.Route);
        return;
    }
    QCOMPARE(f.Plaats.ListCount(), 0);
    QCOMPARE(f.Plaats.Text(), QString());
    QCOMPARE(f.tPlaats.Text(), QString());
    QCOMPARE(QApplication::focusWidget(), &f.Plaats);
}

void TestListsWindow::removeRouteNothingShown()
{
    FormFixture fx;
    QVERIFY(fx.show());
    frmZwervel& f = fx.f();
    f.Routes.AddItems(list({"a/b"}));
    QTest::mouseClick(&f.knopRouteVerwijderen, Qt::LeftButton);
    QCOMPARE(fx.platform.beeps, 0);
    QVERIFY(fx.platform.questions.isEmpty());
    QCOMPARE(items(f.Routes), list({"a/b"}));
    QCOMPARE(QApplication::focusWidget(), &f.Route);
}

void TestListsWindow::removeRouteNo()
{
    FormFixture fx;
    QVERIFY(fx.show());
    frmZwervel& f = fx.f();
    f.Routes.AddItems(list({"a/b", "c/d"}));
    f.Routes.setText(s("c/d"));
    fx.platform.answers = {No};
    f.knopRouteVerwijderen_MouseUp(1, 0, 0, 0);
    QCOMPARE(described(fx.platform.questions), described({removeBox("Route", "c/d")}));
    QCOMPARE(fx.platform.beeps, 1);
    QCOMPARE(items(f.Routes), list({"a/b", "c/d"}));
    QCOMPARE(f.Routes.Text(), s("c/d"));
    QCOMPARE(QApplication::focusWidget(), &f.Routes);
}

void TestListsWindow::removeRouteYes()
{
    FormFixture fx;
    QVERIFY(fx.show());
    frmZwervel& f = fx.f();
    f.Routes.AddItems(list({"a/b", "c/d", "C/D"}));
    f.Routes.setText(s("c/d"));
    f.tRoutes.setText(s("c/d"));
    fx.platform.answers = {Yes};
    QTest::mouseClick(&f.knopRouteVerwijderen, Qt::LeftButton);
    QCOMPARE(described(fx.platform.questions), described({removeBox("Route", "c/d")}));
    QCOMPARE(fx.platform.beeps, 1);
    QCOMPARE(items(f.Routes), list({"a/b"}));
    QCOMPARE(f.Routes.Text(), QString());
    QCOMPARE(f.tRoutes.Text(), s("c/d"));
    QCOMPARE(QApplication::focusWidget(), &f.Routes);
}

void TestListsWindow::removeAllRoutes_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<QStringList>("content");
    QTest::addColumn<bool>("yes");
    const QStringList four = list({"a/b", "c/d", "e/f", "g/h"});
    QTest::newRow("right, yes") << 2 << four << true;
    QTest::newRow("middle, yes") << 4 << four << true;
    QTest::newRow("right, empty list, no") << 2 << QStringList() << false;
    QTest::newRow("middle, no") << 4 << four << false;
}

void TestListsWindow::removeAllRoutes()
{
    // Unlike the places, the route field keeps its text; the route box is not touched.
    QFETCH(int, button);
    QFETCH(QStringList, content);
    QFETCH(bool, yes);
    FormFixture fx;
    QVERIFY(fx.show());
    frmZwervel& f = fx.f();
    f.Routes.AddItems(content);
    f.Routes.setText(s("e/f"));
    f.tRoutes.setText(s("e/f"));
    f.Route.setText(s("e\r\nf"));
    const QStringList before = items(f.Routes);
    fx.platform.answers = {yes ? Yes : No};
    QTest::mouseClick(&f.knopRouteVerwijderen, Qt::MouseButton(button));

    QCOMPARE(described(fx.platform.questions), described({removeAllRoutesBox(content.size())}));
    QCOMPARE(fx.platform.beeps, 1);
    QCOMPARE(f.tRoutes.Text(), s("e/f"));
    QCOMPARE(f.Route.Text(), s("e\r\nf"));
    if (!yes) {
        QCOMPARE(items(f.Routes), before);
        QCOMPARE(QApplication::focusWidget(), &f.Route);
        return;
    }
    QCOMPARE(f.Routes.ListCount(), 0);
    QCOMPARE(f.Routes.Text(), QString());
    QCOMPARE(QApplication::focusWidget(), &f.Routes);
}

void TestListsWindow::labelOpensList_data()
{
    QTest::addColumn<bool>("places");
    QTest::newRow("LabelPlaatsen") << true;
    QTest::newRow("LabelRoutes") << false;
}

void TestListsWindow::labelOpensList()
{
    QFETCH(bool, places);
    FormFixture fx;
    QVERIFY(fx.show());
    frmZwervel& f = fx.f();
    ComboBox& box = places ? f.Plaats : f.Routes;
    Label& label = places ? f.LabelPlaatsen : f.LabelRoutes;
    box.AddItems(list({"a", "b"}));
    QTest::mouseClick(&label, Qt::LeftButton);
    QVERIFY(box.view()->isVisible());
    QCOMPARE(f.focusWidget(), &box);
    box.hidePopup();
    QTRY_VERIFY(!box.view()->isVisible());
    QCOMPARE(QApplication::focusWidget(), &box);
    QCOMPARE(box.Text(), QString());
    QCOMPARE(fx.platform.beeps, 0);
    QVERIFY(fx.platform.questions.isEmpty());
}

void TestListsWindow::fortyThousandPlaces()
{
    // Far past 16 bits: the count is right and a removal finds its entries.
    FormFixture fx;
    QVERIFY(fx.show());
    frmZwervel& f = fx.f();
    QStringList many;
    for (int i = 40000; i > 0; --i)
        many << QStringLiteral("Plaats %1").arg(i, 5, 10, QLatin1Char('0'));
    f.Plaats.AddItems(many);
    QCOMPARE(f.Plaats.ListCount(), 40000);
    QCOMPARE(f.Plaats.List(0), s("Plaats 00001"));
    QCOMPARE(f.Plaats.List(39999), s("Plaats 40000"));

    f.PlaatsAanvullen(s("Plaats 32768,5"));
    QCOMPARE(f.Plaats.ListCount(), 40001);
    QCOMPARE(f.Plaats.List(32768), s("Plaats 32768,5"));
    QCOMPARE(f.Plaats.currentIndex(), 32768);
    QVERIFY(f.InLijst(f.Plaats, s("plaats 39999")));

    fx.platform.answers = {Yes, No};
    f.Plaats.setText(s("Plaats 39999"));
    f.knopPlaatsVerwijderen_MouseUp(1, 0, 0, 0);
    QCOMPARE(f.Plaats.ListCount(), 40000);
    QVERIFY(!f.InLijst(f.Plaats, s("Plaats 39999")));
    QCOMPARE(f.Plaats.List(39998), s("Plaats 39998"));
    QCOMPARE(f.Plaats.List(39999), s("Plaats 40000"));
    f.knopPlaatsVerwijderen_MouseUp(2, 0, 0, 0);
    QCOMPARE(fx.platform.questions.last().text,
             s("Alle plaatsen (40000) uit de lijst met Plaatsen verwijderen?"));

    fx.platform.answers = {Yes};
    f.knopPlaatsVerwijderen_MouseUp(2, 0, 0, 0);
    QCOMPARE(f.Plaats.ListCount(), 0);
}

QTEST_MAIN(TestListsWindow)
#include "tst_lists_window.moc"
