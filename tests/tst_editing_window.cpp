// Editing the route box on the real window: picking a place or a route, the undo, emptying,
// the clean-up and the route box's own keys and mouse button.
#include "support/FormFixture.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace zwervel;

namespace {

QString crlf(QString text) { return text.replace(QStringLiteral("|"), QStringLiteral("\r\n")); }

// The route box's text with this caret and selection, as the user left it.
void zetRoute(frmZwervel& f, const QString& text, int selStart = 0, int selLength = 0)
{
    f.Route.setText(text);
    f.Route.SetFocus();
    f.Route.setSelStart(selStart);
    f.Route.setSelLength(selLength);
}

int indexVan(ComboBox& list, const QString& text)
{
    if (list.findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive) < 0)
        list.AddItem(text);
    return list.findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
}

// The user moves to the list and picks an entry: the list reports the choice as Qt does.
void kies(ComboBox& list, const QString& text)
{
    const int index = indexVan(list, text);
    list.SetFocus();
    list.setCurrentIndex(index);
    emit list.activated(index);
}

bool undoZichtbaar(frmZwervel& f) { return f.knopOngedaan.isVisibleTo(&f); }

// Three places, "Ede" shown, and the caret at the end of "Utrecht" in the route box.
void drieplaatsen(frmZwervel& f)
{
    f.Plaats.AddItems({QStringLiteral("Ede"), QStringLiteral("Epe"), QStringLiteral("Zeist")});
    f.Plaats.setText(QStringLiteral("Ede"));
    zetRoute(f, QStringLiteral("Utrecht"), 7);
}

QAbstractItemView* openLijst(ComboBox& list)
{
    list.SetFocus();
    list.OpenList();
    QAbstractItemView* view = list.view();
    if (!QTest::qWaitForWindowExposed(view->window()))
        return nullptr;
    return view;
}

// A key as a keyboard sends it: with Ctrl held a letter brings a control character, not the
// letter itself.
void drukToets(QWidget& widget, Qt::Key toets, Qt::KeyboardModifiers modifiers)
{
    QString text;
    if (toets >= Qt::Key_A && toets <= Qt::Key_Z)
        text = modifiers.testFlag(Qt::ControlModifier) ? QString(QChar(toets - Qt::Key_A + 1))
                                                        : QString(QChar(toets)).toLower();
    QTest::sendKeyEvent(QTest::Press, &widget, toets, text, modifiers);
    QTest::sendKeyEvent(QTest::Release, &widget, toets, text, modifiers);
}

// The offscreen test platform cannot raise or grab for a popup list; that is no fault.
QtMessageHandler vorigeMelder = nullptr;
void meldNiets(QtMsgType soort, const QMessageLogContext& context, const QString& message)
{
    if (!message.startsWith(QStringLiteral("This plugin does not support")))
        vorigeMelder(soort, context, message);
}

void draaiWiel(QWidget& widget, int stappen)
{
    const QPointF middle = QRectF(widget.rect()).center();
    QWheelEvent wiel(middle, widget.mapToGlobal(middle), QPoint(), QPoint(0, 120 * stappen),
                     Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&widget, &wiel);
}

} // namespace

class TstEditingWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { vorigeMelder = qInstallMessageHandler(meldNiets); }
    void insertPlace_data();
    void insertPlace();
    void tweePlaatsenNaElkaar();
    void plaatsMetToetsVast_data();
    void plaatsMetToetsVast();
    void legeGetoondePlaatsDoetNiets();
    void routeKiezen();
    void routeMetLegeGetoondeTekst();
    void verliesFocusBewaartCaretGenest();
    void undoNaStartVerborgen();
    void undoCaretVoorbijHetEind_data();
    void undoCaretVoorbijHetEind();
    void caretVoorbij32767();
    void leegmaken();
    void leegmakenDanTypen();
    void opschonen_data();
    void opschonen();
    void opschonenNaInvoegen();
    void grootVakOpschonen();
    void modifiers_data();
    void modifiers();
    void editorToetsenBlijven();
    void rechterMuisknop_data();
    void rechterMuisknop();
    void geenEigenContextmenu();
    void kiezenMetMuisInOpenLijst();
    void kiezenMetEnterInOpenLijst();
    void escapeKiestNiets();
    void pijltjesInGeslotenLijst();
    void wielOverGeslotenLijst();
};

// "|" stands for CR LF in the rows.
void TstEditingWindow::insertPlace_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("selStart");
    QTest::addColumn<int>("selLength");
    QTest::addColumn<QString>("place");
    QTest::addColumn<QString>("verwacht");
    QTest::addColumn<int>("verwachtStart");
    QTest::addColumn<int>("verwachtLengte");

    const auto row = [](const char* name, const char* text, int s, int l, const char* place,
                        const char* verwacht, int vs, int vl) {
        QTest::newRow(name) << crlf(QString::fromUtf8(text)) << s << l << QString::fromUtf8(place)
                            << crlf(QString::fromUtf8(verwacht)) << vs << vl;
    };
    row("leeg vak", "", 0, 0, "Utrecht", "Utrecht", 0, 7);
    row("caret op lege tweede regel", "Utrecht|", 9, 0, "Zeist", "Utrecht|Zeist", 9, 5);
    row("geen scheiding", "Utrecht|Zeist", 7, 0, "Amersfoort", "UtrechtAmersfoort|Zeist", 7, 10);
    row("regel vervangen", "Utrecht|Zeist", 9, 5, "Amersfoort", "Utrecht|Amersfoort", 9, 10);
    row("regeleinde aan het eind weg", "Utrecht|", 0, 0, "Zeist", "ZeistUtrecht", 0, 5);
    row("achter Utrecht", "Utrecht", 7, 0, "Zeist", "UtrechtZeist", 7, 5);
}

void TstEditingWindow::insertPlace()
{
    QFETCH(QString, text);
    QFETCH(int, selStart);
    QFETCH(int, selLength);
    QFETCH(QString, place);
    QFETCH(QString, verwacht);
    QFETCH(int, verwachtStart);
    QFETCH(int, verwachtLengte);

    FormFixture fx;
    QVERIFY(fx.show());
    frmZwervel& f = fx.f();
    zetRoute(f, text, selStart, selLength);

    kies(f.Plaats, place);
    QCOMPARE(f.Route.Text(), verwacht);
    QCOMPARE(f.Route.SelStart(), verwachtStart);
    QCOMPARE(f.Route.SelLength(), verwachtLengte);
    QVERIFY(f.Route.hasFocus());
    QVERIFY(undoZichtbaar(f));
    QCOMPARE(f.OngedaanTekst, text);
    QCOMPARE(f.tPlaats.Text(), place);

    // The undo brings back the text and the caret the route box had when the list took over.
    QTest::mouseClick(&f.knopOngedaan, Qt::LeftButton);
    QCOMPARE(f.Route.Text(), text);
    QCOMPARE(f.Route.SelStart(), selStart);
    QCOMPARE(f.Route.SelLength(), selLength);
    QVERIFY(!undoZichtbaar(f));
    QVERIFY(f.Route.hasFocus());
    QCOMPARE(f.OngedaanTekst, text);
    // Only the route box goes back: the field and the list keep the place.
    QCOMPARE(f.tPlaats.Text(), place);
    QCOMPARE(f.Plaats.Text(), place);
}

void TstEditingWindow::tweePlaatsenNaElkaar()
{
    FormFixture fx;
    QVERIFY(fx.show());
    frmZwervel& f = fx.f();
    zetRoute(f, QStringLiteral("Utrecht"), 7);

    kies(f.Plaats, QStringLiteral("Zeist"));
    kies(f.Plaats, QStringLiteral("Ede"));
    QCOMPARE(f.Route.Text(), QStringLiteral("UtrechtEde"));
    QCOMPARE(f.Route.SelStart(), 7);
    QCOMPARE(f.Route.SelLength(), 3);
    QCOMPARE(f.OngedaanTekst, QStringLiteral("UtrechtZeist"));
    QVERIFY(undoZichtbaar(f));

    // One step back only: the first place comes back, selected as the list found it.
    f.knopOngedaan_Click();
    QCOMPARE(f.Route.Text(), QStringLiteral("UtrechtZeist"));
    QCOMPARE(f.Route.SelStart(), 7);
    QCOMPARE(f.Route.SelLength(), 5);
    QVERIFY(!undoZichtbaar(f));
}

void TstEditingWindow::plaatsMetToetsVast_data()
{
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("undoEerst");
    QTest::newRow("Shift") << int(ShiftKey) << false;
    QTest::newRow("Ctrl") << int(CtrlKey) << true;
    QTest::newRow("Alt") << int(AltKey) << false;
    QTest::newRow("Alt met undo zichtbaar") << int(AltKey) << true;
    QTest::newRow("alle drie") << int(ShiftKey | CtrlKey | AltKey) << false;
}

void TstEditingWindow::plaatsMetToetsVast()
{
    QFETCH(int, modifiers);
    QFETCH(bool, undoEerst);

    FormFixture fx;
    QVERIFY(fx.show());
    frmZwervel& f = fx.f();
    zetRoute(f, QStringLiteral("Utrecht"), 2, 3);
    if (undoEerst)
        f.KnopRouteLeegmaken_Click();
    const QString text = f.Route.Text();
    const QString slot = f.OngedaanTekst;

    fx.platform.modifiers = modifiers;
    kies(f.Plaats, QStringLiteral("Zeist"));
    QCOMPARE(f.tPlaats.Text(), QStringLiteral("Zeist"));
    QCOMPARE(f.Route.Text(), text);
    QCOMPARE(f.OngedaanTekst, slot);
    QCOMPARE(undoZichtbaar(f), undoEerst);
    QVERIFY(f.Plaats.hasFocus());
}

void TstEditingWindow::legeGetoondePlaatsDoetNiets()
{
    FormFixture fx;
    QVERIFY(fx.show());
    frmZwervel& f = fx.f();
    zetRoute(f, QStringLiteral("Utrecht"), 7);
    f.tPlaats.setText(QStringLiteral("Ede"));
    f.Plaats.setCurrentIndex(-1);
    emit f.Plaats.activated(-1);
    QCOMPARE(f.Route.Text(), QStringLiteral("Utrecht"));
    QCOMPARE(f.tPlaats.Text(), QStringLiteral("Ede"));
    QVERIFY(f.OngedaanTekst.isEmpty());
    QVERIFY(!undoZichtbaar(f));
}

void TstEditingWindow::routeKiezen()
{
    FormFixture fx;
    QVERIFY(fx.show());
    frmZwervel& f = fx.f();
    zetRoute(f, QStringLiteral("Ede"), 1, 1);

    kies(f.Routes, QStringLiteral("Utrecht/Zeist/Amersfoort"));
    QCOMPARE(f.Route.Text(), crlf(QStringLiteral("Utrecht|Zeist|Amersfoort")));
    QCOMPARE(f.Route.SelStart(), 0);
    QCOMPARE(f.Route.SelLength(), f.Route.TextLength());
    QVERIFY(f.Route.hasFocus());
    QCOMPARE(f.tRoutes.Text(), QStringLiteral("Utrecht/Zeist/Amersfoort"));
    QCOMPARE(f.OngedaanTekst, QStringLiteral("Ede"));
    QVERIFY(undoZichtbaar(f));

    f.knopOngedaan_Click();
    QCOMPARE(f.Route.Text(), QStringLiteral("Ede"));
    QCOMPARE(f.Route.SelStart(), 1);
    QCOMPARE(f.Route.SelLength(), 1);
    QCOMPARE(f.tRoutes.Text(), QStringLiteral("Utrecht/Zeist/Amersfoort"));
    QCOMPARE(f.Routes.Text(), QStringLiteral("Utrecht/Zeist/Amersfoort"));
}

void TstEditingWindow::routeMetLegeGetoondeTekst()
{
    FormFixture fx;
    QVERIFY(fx.show());
    frmZwervel& f = fx.f();
    f.Routes.AddItem(QStringLiteral("Ede/Zeist"));
    f.Routes.setCurrentIndex(-1);
    zetRoute(f, QStringLiteral("Utrecht"), 3);
    f.tRoutes.setText(QStringLiteral("oud"));

    emit f.Routes.activated(-1);
    QCOMPARE(f.OngedaanTekst, QStringLiteral("Utrecht"));
    QCOMPARE(f.Route.Text(), QStringLiteral("Utrecht"));
    QCOMPARE(f.tRoutes.Text(), QStringLiteral("oud"));
    QVERIFY(!undoZichtbaar(f));
}

void TstEditingWindow::verliesFocusBewaartCaretGenest()
{
    FormFixture fx;
    QVERIFY(fx.show());
    frmZwervel& f = fx.f();
    zetRoute(f, crlf(QStringLiteral("Utrecht|Zeist")), 9, 5);
    QCOMPARE(f.RouteSelStart, 0);

    // Saved while SetFocus runs, before it returns.
    f.Plaats.SetFocus();
    QCOMPARE(f.RouteSelStart, 9);
    QCOMPARE(f.RouteSelLengte, 5);

    // Picture buttons take no focus: clicking one leaves the saved caret alone.
    zetRoute(f, QStringLiteral("Ede"), 1);
    QTest::mouseClick(&f.knopRouteOpschonen, Qt::LeftButton);
    QCOMPARE(f.RouteSelStart, 9);
    QCOMPARE(f.RouteSelLengte, 5);
}

void TstEditingWindow::undoNaStartVerborgen()
{
    const QByteArray cfg("route=Utrecht/Zeist\r\n");
    FormFixture fx(&cfg);
    QVERIFY(fx.show());
    QCOMPARE(fx.f().Route.Text(), crlf(QStringLiteral("Utrecht|Zeist")));
    QVERIFY(!undoZichtbaar(fx.f()));

    FormFixture leeg;
    QVERIFY(leeg.show());
    QVERIFY(!undoZichtbaar(leeg.f()));
}

void TstEditingWindow::undoCaretVoorbijHetEind_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("selStart");
    QTest::addColumn<int>("selLength");
    QTest::addColumn<int>("verwachtStart");
    QTest::addColumn<int>("verwachtLengte");
    QTest::newRow("caret voorbij het eind") << QStringLiteral("Utrecht") << 100 << 0 << 7 << 0;
    QTest::newRow("caret ver voorbij 32767")
        << QStringLiteral("Utrecht") << 2000000000 << 5 << 7 << 0;
    QTest::newRow("selectie voorbij het eind") << QStringLiteral("Utrecht") << 3 << 100 << 3 << 4;
    QTest::newRow("grootste lengte")
        << QStringLiteral("Utrecht") << 3 << std::numeric_limits<int>::max() << 3 << 4;
    QTest::newRow("negatief") << QStringLiteral("Utrecht") << -4 << -2 << 0 << 0;
    QTest::newRow("tussen CR en LF") << crlf(QStringLiteral("Utrecht|Zeist")) << 8 << 0 << 7 << 0;
    QTest::newRow("leeg") << QString() << 5 << 5 << 0 << 0;
}

void TstEditingWindow::undoCaretVoorbijHetEind()
{
    QFETCH(QString, text);
    QFETCH(int, selStart);
    QFETCH(int, selLength);
    QFETCH(int, verwachtStart);
    QFETCH(int, verwachtLengte);

    FormFixture fx;
    QVERIFY(fx.show());
    frmZwervel& f = fx.f();
    f.OngedaanTekst = text;
    f.RouteSelStart = selStart;
    f.RouteSelLengte = selLength;
    f.knopOngedaan_Click();
    QCOMPARE(f.Route.Text(), text);
    QCOMPARE(f.Route.SelStart(), verwachtStart);
    QCOMPARE(f.Route.SelLength(), verwachtLengte);
}

void TstEditingWindow::caretVoorbij32767()
{
    FormFixture fx;
    QVERIFY(fx.show());
    frmZwervel& f = fx.f();
    QString lang;
    for (int i = 0; i < 5000; ++i)
        lang += QStringLiteral("Plaats ") + QString::number(i % 10) + QStringLiteral("\r\n");
    lang += QStringLiteral("Zeist");
    QVERIFY(lang.size() > 40000);
    const int caret = int(lang.size()) - 5;
    zetRoute(f, lang, caret, 5);

    kies(f.Plaats, QStringLiteral("Ede"));
    QCOMPARE(f.RouteSelStart, caret);
    QCOMPARE(f.RouteSelLengte, 5);
    QCOMPARE(f.Route.Text(), lang.first(caret) + QStringLiteral("Ede"));
    QCOMPARE(f.Route.SelStart(), caret);
    QCOMPARE(f.Route.SelLength(), 3);

    f.knopOngedaan_Click();
    QCOMPARE(f.Route.Text(), lang);
    QCOMPARE(f.Route.SelStart(), caret);
    QCOMPARE(f.Route.SelLength(), 5);
}

void TstEditingWindow::leegmaken()
{
    FormFixture fx;
    QVERIFY(fx.show());
    frmZwervel& f = fx.f();
    zetRoute(f, QStringLiteral("Utrecht"), 2, 2);
    f.Plaats.SetFocus();

    QTest::mouseClick(&f.KnopRouteLeegmaken, Qt::LeftButton);
    QCOMPARE(fx.platform.beeps, 1);
    QVERIFY(fx.platform.questions.isEmpty());
    QCOMPARE(f.Route.Text(), QString());
    QVERIFY(f.Route.hasFocus());
    QCOMPARE(f.OngedaanTekst, QStringLiteral("Utrecht"));
    QVERIFY(undoZichtbaar(f));

    // Emptying an empty box: a beep, the empty text kept, the undo offered all the same.
    QTest::mouseClick(&f.KnopRouteLeegmaken, Qt::LeftButton);
    QCOMPARE(fx.platform.beeps, 2);
    QCOMPARE(f.OngedaanTekst, QString());
    QVERIFY(undoZichtbaar(f));
    QTest::mouseClick(&f.knopOngedaan, Qt::LeftButton);
    QCOMPARE(f.Route.Text(), QString());
    QVERIFY(!undoZichtbaar(f));
}

void TstEditingWindow::leegmakenDanTypen()
{
    FormFixture fx;
    QVERIFY(fx.show());
    frmZwervel& f = fx.f();
    zetRoute(f, QStringLiteral("Utrecht"));
    f.KnopRouteLeegmaken_Click();
    QVERIFY(undoZichtbaar(f));
    QTest::keyClick(&f.Route, Qt::Key_E);
    QCOMPARE(f.Route.Text(), QStringLiteral("e"));
    QVERIFY(!undoZichtbaar(f));
}

void TstEditingWindow::opschonen_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("verwacht");
    QTest::addColumn<bool>("metF2");

    const auto row = [](const char* name, const char* text, const char* verwacht) {
        for (const bool f2 : {false, true}) {
            const QByteArray rijNaam = QByteArray(name) + (f2 ? " (F2)" : " (knop)");
            QTest::newRow(rijNaam.constData()) << crlf(QString::fromUtf8(text))
                                               << crlf(QString::fromUtf8(verwacht)) << f2;
        }
    };
    row("spaties en lege regels", "  Utrecht ||   |Zeist|", "Utrecht|Zeist");
    row("alleen spaties en regeleinden", "  || | |", "");
    row("leeg", "", "");
    row("alleen een tab", "\t", "\t");
    row("herhaling blijft", "Utrecht|Utrecht", "Utrecht|Utrecht");
}

void TstEditingWindow::opschonen()
{
    QFETCH(QString, text);
    QFETCH(QString, verwacht);
    QFETCH(bool, metF2);

    FormFixture fx;
    QVERIFY(fx.show());
    frmZwervel& f = fx.f();
    zetRoute(f, text, 1);
    f.OngedaanTekst = QStringLiteral("vorige");
    f.knopOngedaan.setVisible(true);

    if (metF2)
        QTest::keyClick(&f.Route, Qt::Key_F2);
    else
        QTest::mouseClick(&f.knopRouteOpschonen, Qt::LeftButton);
    QCOMPARE(f.Route.Text(), verwacht);
    QCOMPARE(f.Route.SelStart(), 0);
    QCOMPARE(f.Route.SelLength(), int(verwacht.size()));
    QVERIFY(f.Route.hasFocus());
    QVERIFY(!undoZichtbaar(f));
    QCOMPARE(f.OngedaanTekst, QStringLiteral("vorige"));
}

void TstEditingWindow::opschonenNaInvoegen()
{
    FormFixture fx;
    QVERIFY(fx.show());
    frmZwervel& f = fx.f();
    zetRoute(f, crlf(QStringLiteral("Utrecht|")), 0);
    kies(f.Plaats, QStringLiteral("Zeist"));
    QVERIFY(undoZichtbaar(f));
    f.knopRouteOpschonen_Click();
    QVERIFY(!undoZichtbaar(f));
    QCOMPARE(f.OngedaanTekst, crlf(QStringLiteral("Utrecht|")));
}

void TstEditingWindow::grootVakOpschonen()
{
    FormFixture fx;
    QVERIFY(fx.show());
    frmZwervel& f = fx.f();
    QString text, verwacht;
    for (int i = 0; i < 30000; ++i) {
        const QString place = QStringLiteral("Plaats ") + QString::number(i);
        text += (i % 2 ? QStringLiteral(" ") : QStringLiteral("")) + place
                 + (i % 3 ? QStringLiteral("\r\n") : QStringLiteral("  \r\n  \r\n"));
        verwacht += place + QStringLiteral("\r\n");
    }
    verwacht.chop(2);
    zetRoute(f, text);

    QTest::keyClick(&f.Route, Qt::Key_F2);
    QCOMPARE(f.Route.Text(), verwacht);
    QCOMPARE(f.Route.SelStart(), 0);
    QCOMPARE(f.Route.SelLength(), int(verwacht.size()));
    QCOMPARE(f.Route.document()->blockCount(), 30000);
}

void TstEditingWindow::modifiers_data()
{
    QTest::addColumn<int>("toets");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<bool>("opgeschoond");
    QTest::addColumn<bool>("allesGeselecteerd");

    const auto row = [](const char* name, Qt::Key toets, Qt::KeyboardModifiers modifiers,
                        bool opgeschoond, bool alles) {
        QTest::newRow(name) << int(toets) << modifiers << opgeschoond << alles;
    };
    const Qt::KeyboardModifiers geen = Qt::NoModifier;
    const Qt::KeyboardModifiers shift = Qt::ShiftModifier;
    const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
    const Qt::KeyboardModifiers alt = Qt::AltModifier;
    row("F2", Qt::Key_F2, geen, true, true);
    row("Shift+F2", Qt::Key_F2, shift, true, true);
    row("Ctrl+F2", Qt::Key_F2, ctrl, true, true);
    row("Alt+F2", Qt::Key_F2, alt, true, true);
    row("Ctrl+A", Qt::Key_A, ctrl, false, true);
    row("Ctrl+Shift+A", Qt::Key_A, ctrl | shift, false, true);
    row("Ctrl+Alt+A", Qt::Key_A, ctrl | alt, false, false);
    row("Ctrl+Alt+Shift+A", Qt::Key_A, ctrl | alt | shift, false, false);
    row("F3", Qt::Key_F3, geen, false, false);
    row("Ctrl+B", Qt::Key_B, ctrl, false, false);
}

void TstEditingWindow::modifiers()
{
    QFETCH(int, toets);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(bool, opgeschoond);
    QFETCH(bool, allesGeselecteerd);

    FormFixture fx;
    QVERIFY(fx.show());
    frmZwervel& f = fx.f();
    const QString text = crlf(QStringLiteral(" Utrecht||Zeist "));
    zetRoute(f, text, 3, 2);

    drukToets(f.Route, Qt::Key(toets), modifiers);
    const QString nu = f.Route.Text();
    QCOMPARE(nu, opgeschoond ? crlf(QStringLiteral("Utrecht|Zeist")) : text);
    if (allesGeselecteerd) {
        QCOMPARE(f.Route.SelStart(), 0);
        QCOMPARE(f.Route.SelLength(), int(nu.size()));
    } else {
        QCOMPARE(f.Route.SelStart(), 3);
        QCOMPARE(f.Route.SelLength(), 2);
    }
}

void TstEditingWindow::editorToetsenBlijven()
{
    FormFixture fx;
    QVERIFY(fx.show());
    frmZwervel& f = fx.f();
    zetRoute(f, crlf(QStringLiteral("Utrecht|Zeist")), 9, 5);

    QTest::keyClick(&f.Route, Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("Zeist"));
    QCOMPARE(f.Route.Text(), crlf(QStringLiteral("Utrecht|")));
    f.Route.setSelStart(0);
    QTest::keyClick(&f.Route, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(f.Route.Text(), crlf(QStringLiteral("ZeistUtrecht|")));
    QTest::keyClick(&f.Route, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(f.Route.Text(), crlf(QStringLiteral("Utrecht|")));
}

void TstEditingWindow::rechterMuisknop_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<QString>("address");
    QTest::newRow("rechts") << QStringLiteral("Utrecht") << Qt::RightButton
                            << QStringLiteral("https://www.google.com/maps/dir/Utrecht/Utrecht");
    QTest::newRow("rechts, leeg vak") << QString() << Qt::RightButton
                                      << QStringLiteral("https://www.google.com/maps/dir/");
    QTest::newRow("links") << QStringLiteral("Utrecht") << Qt::LeftButton << QString();
    QTest::newRow("midden") << QStringLiteral("Utrecht") << Qt::MiddleButton << QString();
}

void TstEditingWindow::rechterMuisknop()
{
    QFETCH(QString, text);
    QFETCH(Qt::MouseButton, button);
    QFETCH(QString, address);

    FormFixture fx;
    QVERIFY(fx.show());
    frmZwervel& f = fx.f();
    zetRoute(f, text);
    QTest::mouseClick(f.Route.viewport(), button);
    QCOMPARE(fx.platform.addresses, address.isNull() ? QStringList() : QStringList{address});
    QCOMPARE(f.Route.Text(), text);
    QVERIFY(!QApplication::activePopupWidget());
}

void TstEditingWindow::geenEigenContextmenu()
{
    FormFixture fx;
    QVERIFY(fx.show());
    frmZwervel& f = fx.f();
    zetRoute(f, QStringLiteral("Utrecht"));

    // A context menu would run its own event loop; close it if one appears, and tell.
    bool menuGezien = false;
    QTimer::singleShot(0, [&menuGezien] {
        if (QWidget* menu = QApplication::activePopupWidget()) {
            menuGezien = true;
            menu->close();
        }
    });
    QContextMenuEvent question(QContextMenuEvent::Mouse, QPoint(5, 5),
                            f.Route.viewport()->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(f.Route.viewport(), &question);
    QCoreApplication::processEvents();
    QVERIFY(!menuGezien);
}

void TstEditingWindow::kiezenMetMuisInOpenLijst()
{
    FormFixture fx;
    QVERIFY(fx.show());
    frmZwervel& f = fx.f();
    f.Plaats.AddItems({QStringLiteral("Ede"), QStringLiteral("Zeist")});
    zetRoute(f, QStringLiteral("Utrecht"), 7);

    QAbstractItemView* view = openLijst(f.Plaats);
    QVERIFY(view);
    const QModelIndex zeist = view->model()->index(f.Plaats.findText(QStringLiteral("Zeist")), 0);
    const QPoint punt = view->visualRect(zeist).center();
    QTest::mouseMove(view->viewport(), punt);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, punt);
    QTRY_VERIFY(!view->isVisible());
    QCOMPARE(f.Route.Text(), QStringLiteral("UtrechtZeist"));
    QCOMPARE(f.tPlaats.Text(), QStringLiteral("Zeist"));
    QVERIFY(undoZichtbaar(f));
}

void TstEditingWindow::kiezenMetEnterInOpenLijst()
{
    FormFixture fx;
    QVERIFY(fx.show());
    frmZwervel& f = fx.f();
    drieplaatsen(f);
    QSignalSpy keuzes(&f.Plaats.events, &ControlEvents::Click);

    QAbstractItemView* view = openLijst(f.Plaats);
    QVERIFY(view);
    QTest::keyClick(view, Qt::Key_Down);
    QTest::keyClick(view, Qt::Key_Down);
    QCOMPARE(f.Route.Text(), QStringLiteral("Utrecht"));
    QTest::keyClick(view, Qt::Key_Return);
    QTRY_VERIFY(!view->isVisible());
    QCOMPARE(keuzes.count(), 1);
    QCOMPARE(f.Route.Text(), QStringLiteral("UtrechtZeist"));
    QCOMPARE(f.OngedaanTekst, QStringLiteral("Utrecht"));

    // Picking the shown entry again is a choice too.
    view = openLijst(f.Plaats);
    QVERIFY(view);
    QTest::keyClick(view, Qt::Key_Return);
    QTRY_VERIFY(!view->isVisible());
    QCOMPARE(keuzes.count(), 2);
    QCOMPARE(f.Route.Text(), QStringLiteral("UtrechtZeist"));
    QCOMPARE(f.OngedaanTekst, QStringLiteral("UtrechtZeist"));
}

void TstEditingWindow::escapeKiestNiets()
{
    FormFixture fx;
    QVERIFY(fx.show());
    frmZwervel& f = fx.f();
    f.Plaats.AddItems({QStringLiteral("Ede"), QStringLiteral("Zeist")});
    zetRoute(f, QStringLiteral("Utrecht"), 7);

    QAbstractItemView* view = openLijst(f.Plaats);
    QVERIFY(view);
    QTest::keyClick(view, Qt::Key_Down);
    QTest::keyClick(view, Qt::Key_Escape);
    QTRY_VERIFY(!view->isVisible());
    QCOMPARE(f.Route.Text(), QStringLiteral("Utrecht"));
    QCOMPARE(f.tPlaats.Text(), QString());
    QVERIFY(f.OngedaanTekst.isEmpty());
    QVERIFY(!undoZichtbaar(f));
}

void TstEditingWindow::pijltjesInGeslotenLijst()
{
    FormFixture fx;
    QVERIFY(fx.show());
    frmZwervel& f = fx.f();
    f.Plaats.AddItems({QStringLiteral("Ede"), QStringLiteral("Epe"), QStringLiteral("Zeist")});
    zetRoute(f, QStringLiteral("Utrecht"), 7);
    QSignalSpy keuzes(&f.Plaats.events, &ControlEvents::Click);
    f.Plaats.SetFocus();

    // Moving through the closed list shows each entry, in the field as well, and picks none.
    QTest::keyClick(&f.Plaats, Qt::Key_Down);
    QCOMPARE(f.Plaats.Text(), QStringLiteral("Ede"));
    QCOMPARE(f.tPlaats.Text(), QStringLiteral("Ede"));
    QTest::keyClick(&f.Plaats, Qt::Key_Down);
    QTest::keyClick(&f.Plaats, Qt::Key_Down);
    QCOMPARE(f.tPlaats.Text(), QStringLiteral("Zeist"));
    QTest::keyClick(&f.Plaats, Qt::Key_Up);
    QCOMPARE(f.tPlaats.Text(), QStringLiteral("Epe"));
    QTest::keyClick(&f.Plaats, Qt::Key_End);
    QTest::keyClick(&f.Plaats, Qt::Key_Home);
    QTest::keyClick(&f.Plaats, Qt::Key_Z);  // typing finds an entry without picking it
    QCOMPARE(f.tPlaats.Text(), QStringLiteral("Zeist"));
    QTest::keyClick(&f.Plaats, Qt::Key_Return);
    QCOMPARE(keuzes.count(), 0);
    QCOMPARE(f.Route.Text(), QStringLiteral("Utrecht"));
    QVERIFY(f.OngedaanTekst.isEmpty());
    QVERIFY(!undoZichtbaar(f));

    // Opening the list from the keyboard and pressing Enter picks the entry shown.
    QTest::keyClick(&f.Plaats, Qt::Key_Down, Qt::AltModifier);
    QAbstractItemView* view = f.Plaats.view();
    QVERIFY(QTest::qWaitForWindowExposed(view->window()));
    QTest::keyClick(view, Qt::Key_Return);
    QTRY_VERIFY(!view->isVisible());
    QCOMPARE(keuzes.count(), 1);
    QCOMPARE(f.Route.Text(), QStringLiteral("UtrechtZeist"));
    QVERIFY(undoZichtbaar(f));
}

void TstEditingWindow::wielOverGeslotenLijst()
{
    FormFixture fx;
    QVERIFY(fx.show());
    frmZwervel& f = fx.f();
    drieplaatsen(f);
    QSignalSpy keuzes(&f.Plaats.events, &ControlEvents::Click);

    draaiWiel(f.Plaats, -1);
    QCOMPARE(f.Plaats.Text(), QStringLiteral("Epe"));
    QCOMPARE(f.tPlaats.Text(), QStringLiteral("Epe"));
    draaiWiel(f.Plaats, -1);
    QCOMPARE(f.tPlaats.Text(), QStringLiteral("Zeist"));
    QCOMPARE(keuzes.count(), 0);
    QCOMPARE(f.Route.Text(), QStringLiteral("Utrecht"));
    QVERIFY(!undoZichtbaar(f));

    // The route list alike: its field follows, the route box stays.
    f.Routes.AddItems({QStringLiteral("Ede/Epe"), QStringLiteral("Utrecht/Zeist")});
    f.Routes.setText(QStringLiteral("Ede/Epe"));
    draaiWiel(f.Routes, -1);
    QCOMPARE(f.tRoutes.Text(), QStringLiteral("Utrecht/Zeist"));
    QCOMPARE(f.Route.Text(), QStringLiteral("Utrecht"));
    QVERIFY(f.OngedaanTekst.isEmpty());
    QVERIFY(!undoZichtbaar(f));
}

QTEST_MAIN(TstEditingWindow)
#include "tst_editing_window.moc"
