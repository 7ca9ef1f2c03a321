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

QString crlf(QString text)
{
    return text.replace(QStringLiteral("|"), QStringLiteral("\r\n"));
}

// The route box's text with this caret and selection, as the user left it.
void setRoute(frmZwervel& f, const QString& text, int selStart = 0, int selLength = 0)
{
    f.Route.setText(text);
    f.Route.SetFocus();
    f.Route.setSelStart(selStart);
    f.Route.setSelLength(selLength);
}

int entryIndex(ComboBox& list, const QString& text)
{
    if (list.findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive) < 0)
        list.AddItem(text);
    return list.findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
}

// The user moves to the list and picks an entry: the list reports the choice as Qt does.
void pick(ComboBox& list, const QString& text)
{
    const int index = entryIndex(list, text);
    list.SetFocus();
    list.setCurrentIndex(index);
    emit list.activated(index);
}

bool undoVisible(frmZwervel& f)
{
    return f.knopOngedaan.isVisibleTo(&f);
}

// Three places, "Ede" shown, and the caret at the end of "Utrecht" in the route box.
void threePlaces(frmZwervel& f)
{
    f.Plaats.AddItems({QStringLiteral("Ede"), QStringLiteral("Epe"), QStringLiteral("Zeist")});
    f.Plaats.setText(QStringLiteral("Ede"));
    setRoute(f, QStringLiteral("Utrecht"), 7);
}

QAbstractItemView* openList(ComboBox& list)
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
void pressKey(QWidget& widget, Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QString text;
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        text = modifiers.testFlag(Qt::ControlModifier) ? QString(QChar(key - Qt::Key_A + 1))
                                                       : QString(QChar(key)).toLower();
    QTest::sendKeyEvent(QTest::Press, &widget, key, text, modifiers);
    QTest::sendKeyEvent(QTest::Release, &widget, key, text, modifiers);
}

// The offscreen test platform cannot raise or grab for a popup list; that is no fault.
QtMessageHandler previousHandler = nullptr;
void quietPopupWarnings(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (!message.startsWith(QStringLiteral("This plugin does not support")))
        previousHandler(type, context, message);
}

void turnWheel(QWidget& widget, int steps)
{
    const QPointF middle = QRectF(widget.rect()).center();
    QWheelEvent wheel(middle, widget.mapToGlobal(middle), QPoint(), QPoint(0, 120 * steps),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&widget, &wheel);
}

} // namespace

class TestEditingWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { previousHandler = qInstallMessageHandler(quietPopupWarnings); }
    void insertPlace_data();
    void insertPlace();
    void twoPlacesInARow();
    void placeWithModifierHeld_data();
    void placeWithModifierHeld();
    void emptyShownPlaceDoesNothing();
    void pickRoute();
    void routeWithEmptyShownText();
    void focusLossSavesCaretAtOnce();
    void undoHiddenAfterStart();
    void undoCaretPastTheEnd_data();
    void undoCaretPastTheEnd();
    void undoNeverSplitsACharacter();
    void placeWithParagraphEndSelectedWhole();
    void caretPast32767();
    void emptyRoute();
    void emptyThenType();
    void cleanUp_data();
    void cleanUp();
    void cleanUpAfterInsert();
    void cleanUpLargeBox();
    void modifiers_data();
    void modifiers();
    void editorKeysRemain();
    void rightMouseButton_data();
    void rightMouseButton();
    void noContextMenu();
    void pickWithMouseInOpenList();
    void pickWithEnterInOpenList();
    void escapePicksNothing();
    void arrowsInClosedList();
    void enterOnClosedListPicks_data();
    void enterOnClosedListPicks();
    void wheelOverClosedList();
};

// "|" stands for CR LF in the rows.
void TestEditingWindow::insertPlace_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("selStart");
    QTest::addColumn<int>("selLength");
    QTest::addColumn<QString>("place");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("expectedStart");
    QTest::addColumn<int>("expectedLength");

    const auto row = [](const char* name, const char* text, int start, int length,
                        const char* place, const char* expected, int expStart, int expLength) {
        QTest::newRow(name) << crlf(QString::fromUtf8(text)) << start << length
                            << QString::fromUtf8(place) << crlf(QString::fromUtf8(expected))
                            << expStart << expLength;
    };
    row("empty box", "", 0, 0, "Utrecht", "Utrecht", 0, 7);
    row("caret on the empty second line", "Utrecht|", 9, 0, "Zeist", "Utrecht|Zeist", 9, 5);
    row("no separator", "Utrecht|Zeist", 7, 0, "Amersfoort", "UtrechtAmersfoort|Zeist", 7, 10);
    row("line replaced", "Utrecht|Zeist", 9, 5, "Amersfoort", "Utrecht|Amersfoort", 9, 10);
    row("final line break dropped", "Utrecht|", 0, 0, "Zeist", "ZeistUtrecht", 0, 5);
    row("after Utrecht", "Utrecht", 7, 0, "Zeist", "UtrechtZeist", 7, 5);
}

void TestEditingWindow::insertPlace()
{
    QFETCH(QString, text);
    QFETCH(int, selStart);
    QFETCH(int, selLength);
    QFETCH(QString, place);
    QFETCH(QString, expected);
    QFETCH(int, expectedStart);
    QFETCH(int, expectedLength);

    FormFixture fx;
    QVERIFY(fx.show());
    frmZwervel& f = fx.f();
    setRoute(f, text, selStart, selLength);

    pick(f.Plaats, place);
    QCOMPARE(f.Route.Text(), expected);
    QCOMPARE(f.Route.SelStart(), expectedStart);
    QCOMPARE(f.Route.SelLength(), expectedLength);
    QVERIFY(f.Route.hasFocus());
    QVERIFY(undoVisible(f));
    QCOMPARE(f.OngedaanTekst, text);
    QCOMPARE(f.tPlaats.Text(), place);

    // The undo brings back the text and the caret the route box had when the list took over.
    QTest::mouseClick(&f.knopOngedaan, Qt::LeftButton);
    QCOMPARE(f.Route.Text(), text);
    QCOMPARE(f.Route.SelStart(), selStart);
    QCOMPARE(f.Route.SelLength(), selLength);
    QVERIFY(!undoVisible(f));
    QVERIFY(f.Route.hasFocus());
    QCOMPARE(f.OngedaanTekst, text);
    // Only the route box goes back: the field and the list keep the place.
    QCOMPARE(f.tPlaats.Text(), place);
    QCOMPARE(f.Plaats.Text(), place);
}

void TestEditingWindow::twoPlacesInARow()
{
    FormFixture fx;
    QVERIFY(fx.show());
    frmZwervel& f = fx.f();
    setRoute(f, QStringLiteral("Utrecht"), 7);

    pick(f.Plaats, QStringLiteral("Zeist"));
    pick(f.Plaats, QStringLiteral("Ede"));
    QCOMPARE(f.Route.Text(), QStringLiteral("UtrechtEde"));
    QCOMPARE(f.Route.SelStart(), 7);
    QCOMPARE(f.Route.SelLength(), 3);
    QCOMPARE(f.OngedaanTekst, QStringLiteral("UtrechtZeist"));
    QVERIFY(undoVisible(f));

    // One step back only: the first place comes back, selected as the list found it.
    f.knopOngedaan_Click();
    QCOMPARE(f.Route.Text(), QStringLiteral("UtrechtZeist"));
    QCOMPARE(f.Route.SelStart(), 7);
    QCOMPARE(f.Route.SelLength(), 5);
    QVERIFY(!undoVisible(f));
}

void TestEditingWindow::placeWithModifierHeld_data()
{
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("undoShownFirst");
    QTest::newRow("Shift") << int(ShiftKey) << false;
    QTest::newRow("Ctrl") << int(CtrlKey) << true;
    QTest::newRow("Alt") << int(AltKey) << false;
    QTest::newRow("Alt with undo shown") << int(AltKey) << true;
    QTest::newRow("all three") << int(ShiftKey | CtrlKey | AltKey) << false;
}

void TestEditingWindow::placeWithModifierHeld()
{
    QFETCH(int, modifiers);
    QFETCH(bool, undoShownFirst);

    FormFixture fx;
    QVERIFY(fx.show());
    frmZwervel& f = fx.f();
    setRoute(f, QStringLiteral("Utrecht"), 2, 3);
    if (undoShownFirst)
        f.KnopRouteLeegmaken_Click();
    const QString text = f.Route.Text();
    const QString undoText = f.OngedaanTekst;

    fx.platform.modifiers = modifiers;
    pick(f.Plaats, QStringLiteral("Zeist"));
    QCOMPARE(f.tPlaats.Text(), QStringLiteral("Zeist"));
    QCOMPARE(f.Route.Text(), text);
    QCOMPARE(f.OngedaanTekst, undoText);
    QCOMPARE(undoVisible(f), undoShownFirst);
    QVERIFY(f.Plaats.hasFocus());
}

void TestEditingWindow::emptyShownPlaceDoesNothing()
{
    FormFixture fx;
    QVERIFY(fx.show());
    frmZwervel& f = fx.f();
    setRoute(f, QStringLiteral("Utrecht"), 7);
    f.tPlaats.setText(QStringLiteral("Ede"));
    f.Plaats.setCurrentIndex(-1);
    emit f.Plaats.activated(-1);
    QCOMPARE(f.Route.Text(), QStringLiteral("Utrecht"));
    QCOMPARE(f.tPlaats.Text(), QStringLiteral("Ede"));
    QVERIFY(f.OngedaanTekst.isEmpty());
    QVERIFY(!undoVisible(f));
}

void TestEditingWindow::pickRoute()
{
    FormFixture fx;
    QVERIFY(fx.show());
    frmZwervel& f = fx.f();
    setRoute(f, QStringLiteral("Ede"), 1, 1);

    pick(f.Routes, QStringLiteral("Utrecht/Zeist/Amersfoort"));
    QCOMPARE(f.Route.Text(), crlf(QStringLiteral("Utrecht|Zeist|Amersfoort")));
    QCOMPARE(f.Route.SelStart(), 0);
    QCOMPARE(f.Route.SelLength(), f.Route.TextLength());
    QVERIFY(f.Route.hasFocus());
    QCOMPARE(f.tRoutes.Text(), QStringLiteral("Utrecht/Zeist/Amersfoort"));
    QCOMPARE(f.OngedaanTekst, QStringLiteral("Ede"));
    QVERIFY(undoVisible(f));

    f.knopOngedaan_Click();
    QCOMPARE(f.Route.Text(), QStringLiteral("Ede"));
    QCOMPARE(f.Route.SelStart(), 1);
    QCOMPARE(f.Route.SelLength(), 1);
    QCOMPARE(f.tRoutes.Text(), QStringLiteral("Utrecht/Zeist/Amersfoort"));
    QCOMPARE(f.Routes.Text(), QStringLiteral("Utrecht/Zeist/Amersfoort"));
}

void TestEditingWindow::routeWithEmptyShownText()
{
    FormFixture fx;
    QVERIFY(fx.show());
    frmZwervel& f = fx.f();
    f.Routes.AddItem(QStringLiteral("Ede/Zeist"));
    f.Routes.setCurrentIndex(-1);
    setRoute(f, QStringLiteral("Utrecht"), 3);
    f.tRoutes.setText(QStringLiteral("oud"));

    emit f.Routes.activated(-1);
    QCOMPARE(f.OngedaanTekst, QStringLiteral("Utrecht"));
    QCOMPARE(f.Route.Text(), QStringLiteral("Utrecht"));
    QCOMPARE(f.tRoutes.Text(), QStringLiteral("oud"));
    QVERIFY(!undoVisible(f));
}

void TestEditingWindow::focusLossSavesCaretAtOnce()
{
    FormFixture fx;
    QVERIFY(fx.show());
    frmZwervel& f = fx.f();
    setRoute(f, crlf(QStringLiteral("Utrecht|Zeist")), 9, 5);
    QCOMPARE(f.RouteSelStart, 0);

    // Saved while SetFocus runs, before it returns.
    f.Plaats.SetFocus();
    QCOMPARE(f.RouteSelStart, 9);
    QCOMPARE(f.RouteSelLengte, 5);

    // Picture buttons take no focus: clicking one leaves the saved caret alone.
    setRoute(f, QStringLiteral("Ede"), 1);
    QTest::mouseClick(&f.knopRouteOpschonen, Qt::LeftButton);
    QCOMPARE(f.RouteSelStart, 9);
    QCOMPARE(f.RouteSelLengte, 5);
}

void TestEditingWindow::undoHiddenAfterStart()
{
    const QByteArray cfg("route=Utrecht/Zeist\r\n");
    FormFixture fx(&cfg);
    QVERIFY(fx.show());
    QCOMPARE(fx.f().Route.Text(), crlf(QStringLiteral("Utrecht|Zeist")));
    QVERIFY(!undoVisible(fx.f()));

    FormFixture withoutConfig;
    QVERIFY(withoutConfig.show());
    QVERIFY(!undoVisible(withoutConfig.f()));
}

void TestEditingWindow::undoCaretPastTheEnd_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("selStart");
    QTest::addColumn<int>("selLength");
    QTest::addColumn<int>("expectedStart");
    QTest::addColumn<int>("expectedLength");
    QTest::newRow("caret past the end") << QStringLiteral("Utrecht") << 100 << 0 << 7 << 0;
    QTest::newRow("caret far past 32767") << QStringLiteral("Utrecht") << 2000000000 << 5 << 7 << 0;
    QTest::newRow("selection past the end") << QStringLiteral("Utrecht") << 3 << 100 << 3 << 4;
    QTest::newRow("largest length")
        << QStringLiteral("Utrecht") << 3 << std::numeric_limits<int>::max() << 3 << 4;
    QTest::newRow("negative") << QStringLiteral("Utrecht") << -4 << -2 << 0 << 0;
    QTest::newRow("between CR and LF") << crlf(QStringLiteral("Utrecht|Zeist")) << 8 << 0 << 7 << 0;
    QTest::newRow("empty") << QString() << 5 << 5 << 0 << 0;
}

void TestEditingWindow::undoCaretPastTheEnd()
{
    QFETCH(QString, text);
    QFETCH(int, selStart);
    QFETCH(int, selLength);
    QFETCH(int, expectedStart);
    QFETCH(int, expectedLength);

    FormFixture fx;
    QVERIFY(fx.show());
    frmZwervel& f = fx.f();
    f.OngedaanTekst = text;
    f.RouteSelStart = selStart;
    f.RouteSelLengte = selLength;
    f.knopOngedaan_Click();
    QCOMPARE(f.Route.Text(), text);
    QCOMPARE(f.Route.SelStart(), expectedStart);
    QCOMPARE(f.Route.SelLength(), expectedLength);
}

void TestEditingWindow::undoNeverSplitsACharacter()
{
    // The caret recorded when the box last lost the focus belongs to an older text than the
    // one the undo brings back; it must not land inside a character of that text.
    FormFixture fx;
    QVERIFY(fx.show());
    frmZwervel& f = fx.f();
    f.Route.SetFocus();
    QTest::keyClicks(&f.Route, QStringLiteral("ab"));
    QTest::keyClick(&f.Route, Qt::Key_End);
    QTest::keyClick(&f.Route, Qt::Key_Left);
    QTest::keyClick(&f.Route, Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QTRY_VERIFY(f.Route.hasFocus());
    QCOMPARE(f.RouteSelStart, 1);
    QTest::keyClick(&f.Route, Qt::Key_Home);
    const QString clef = QString::fromUtf8("\U0001D11E");
    QTest::sendKeyEvent(QTest::Press, &f.Route, Qt::Key_unknown, clef, Qt::NoModifier);
    QTest::sendKeyEvent(QTest::Release, &f.Route, Qt::Key_unknown, clef, Qt::NoModifier);
    QCOMPARE(f.Route.Text(), clef + QStringLiteral("ab"));
    QTest::mouseClick(&f.KnopRouteLeegmaken, Qt::LeftButton);
    QTest::mouseClick(&f.knopOngedaan, Qt::LeftButton);
    QTest::keyClicks(&f.Route, QStringLiteral("x"));
    QVERIFY(QStringView(f.Route.Text()).isValidUtf16());
    QCOMPARE(f.Route.Text(), QStringLiteral("x") + clef + QStringLiteral("ab"));
}

void TestEditingWindow::placeWithParagraphEndSelectedWhole()
{
    // A place that holds a paragraph end goes into the route box as two lines; the selection
    // covers it as the box holds it, CR LF and all.
    FormFixture fx;
    QVERIFY(fx.show());
    frmZwervel& f = fx.f();
    setRoute(f, QStringLiteral("Utrecht"), 7);
    pick(f.Plaats,
         QStringLiteral("Ede") + QChar(QChar::ParagraphSeparator) + QStringLiteral("Epe"));
    QCOMPARE(f.Route.Text(), QStringLiteral("UtrechtEde\r\nEpe"));
    QCOMPARE(f.Route.SelStart(), 7);
    QCOMPARE(f.Route.SelText(), QStringLiteral("Ede\r\nEpe"));
}

void TestEditingWindow::caretPast32767()
{
    FormFixture fx;
    QVERIFY(fx.show());
    frmZwervel& f = fx.f();
    QString longText;
    for (int i = 0; i < 5000; ++i)
        longText += QStringLiteral("Plaats ") + QString::number(i % 10) + QStringLiteral("\r\n");
    longText += QStringLiteral("Zeist");
    QVERIFY(longText.size() > 40000);
    const int caret = int(longText.size()) - 5;
    setRoute(f, longText, caret, 5);

    pick(f.Plaats, QStringLiteral("Ede"));
    QCOMPARE(f.RouteSelStart, caret);
    QCOMPARE(f.RouteSelLengte, 5);
    QCOMPARE(f.Route.Text(), longText.first(caret) + QStringLiteral("Ede"));
    QCOMPARE(f.Route.SelStart(), caret);
    QCOMPARE(f.Route.SelLength(), 3);

    f.knopOngedaan_Click();
    QCOMPARE(f.Route.Text(), longText);
    QCOMPARE(f.Route.SelStart(), caret);
    QCOMPARE(f.Route.SelLength(), 5);
}

void TestEditingWindow::emptyRoute()
{
    FormFixture fx;
    QVERIFY(fx.show());
    frmZwervel& f = fx.f();
    setRoute(f, QStringLiteral("Utrecht"), 2, 2);
    f.Plaats.SetFocus();

    QTest::mouseClick(&f.KnopRouteLeegmaken, Qt::LeftButton);
    QCOMPARE(fx.platform.beeps, 1);
    QVERIFY(fx.platform.questions.isEmpty());
    QCOMPARE(f.Route.Text(), QString());
    QVERIFY(f.Route.hasFocus());
    QCOMPARE(f.OngedaanTekst, QStringLiteral("Utrecht"));
    QVERIFY(undoVisible(f));

    // Emptying an empty box: a beep, the empty text kept, the undo offered all the same.
    QTest::mouseClick(&f.KnopRouteLeegmaken, Qt::LeftButton);
    QCOMPARE(fx.platform.beeps, 2);
    QCOMPARE(f.OngedaanTekst, QString());
    QVERIFY(undoVisible(f));
    QTest::mouseClick(&f.knopOngedaan, Qt::LeftButton);
    QCOMPARE(f.Route.Text(), QString());
    QVERIFY(!undoVisible(f));
}

void TestEditingWindow::emptyThenType()
{
    FormFixture fx;
    QVERIFY(fx.show());
    frmZwervel& f = fx.f();
    setRoute(f, QStringLiteral("Utrecht"));
    f.KnopRouteLeegmaken_Click();
    QVERIFY(undoVisible(f));
    QTest::keyClick(&f.Route, Qt::Key_E);
    QCOMPARE(f.Route.Text(), QStringLiteral("e"));
    QVERIFY(!undoVisible(f));
}

void TestEditingWindow::cleanUp_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("withF2");

    const auto row = [](const char* name, const char* text, const char* expected) {
        for (const bool f2 : {false, true}) {
            const QByteArray rowName = QByteArray(name) + (f2 ? " (F2)" : " (button)");
            QTest::newRow(rowName.constData())
                << crlf(QString::fromUtf8(text)) << crlf(QString::fromUtf8(expected)) << f2;
        }
    };
    row("spaces and empty lines", "  Utrecht ||   |Zeist|", "Utrecht|Zeist");
    row("only spaces and line breaks", "  || | |", "");
    row("empty", "", "");
    row("only a tab", "\t", "\t");
    row("repetition stays", "Utrecht|Utrecht", "Utrecht|Utrecht");
}

void TestEditingWindow::cleanUp()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QFETCH(bool, withF2);

    FormFixture fx;
    QVERIFY(fx.show());
    frmZwervel& f = fx.f();
    setRoute(f, text, 1);
    f.OngedaanTekst = QStringLiteral("vorige");
    f.knopOngedaan.setVisible(true);

    if (withF2)
        QTest::keyClick(&f.Route, Qt::Key_F2);
    else
        QTest::mouseClick(&f.knopRouteOpschonen, Qt::LeftButton);
    QCOMPARE(f.Route.Text(), expected);
    QCOMPARE(f.Route.SelStart(), 0);
    QCOMPARE(f.Route.SelLength(), int(expected.size()));
    QVERIFY(f.Route.hasFocus());
    QVERIFY(!undoVisible(f));
    QCOMPARE(f.OngedaanTekst, QStringLiteral("vorige"));
}

void TestEditingWindow::cleanUpAfterInsert()
{
    FormFixture fx;
    QVERIFY(fx.show());
    frmZwervel& f = fx.f();
    setRoute(f, crlf(QStringLiteral("Utrecht|")), 0);
    pick(f.Plaats, QStringLiteral("Zeist"));
    QVERIFY(undoVisible(f));
    f.knopRouteOpschonen_Click();
    QVERIFY(!undoVisible(f));
    QCOMPARE(f.OngedaanTekst, crlf(QStringLiteral("Utrecht|")));
}

void TestEditingWindow::cleanUpLargeBox()
{
    FormFixture fx;
    QVERIFY(fx.show());
    frmZwervel& f = fx.f();
    QString text, expected;
    for (int i = 0; i < 30000; ++i) {
        const QString place = QStringLiteral("Plaats ") + QString::number(i);
        text += (i % 2 ? QStringLiteral(" ") : QStringLiteral("")) + place +
                (i % 3 ? QStringLiteral("\r\n") : QStringLiteral("  \r\n  \r\n"));
        expected += place + QStringLiteral("\r\n");
    }
    expected.chop(2);
    setRoute(f, text);

    QTest::keyClick(&f.Route, Qt::Key_F2);
    QCOMPARE(f.Route.Text(), expected);
    QCOMPARE(f.Route.SelStart(), 0);
    QCOMPARE(f.Route.SelLength(), int(expected.size()));
    QCOMPARE(f.Route.document()->blockCount(), 30000);
}

void TestEditingWindow::modifiers_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<bool>("cleaned");
    QTest::addColumn<bool>("allSelected");

    const auto row = [](const char* name, Qt::Key key, Qt::KeyboardModifiers modifiers,
                        bool cleaned, bool all) {
        QTest::newRow(name) << int(key) << modifiers << cleaned << all;
    };
    const Qt::KeyboardModifiers none = Qt::NoModifier;
    const Qt::KeyboardModifiers shift = Qt::ShiftModifier;
    const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
    const Qt::KeyboardModifiers alt = Qt::AltModifier;
    row("F2", Qt::Key_F2, none, true, true);
    row("Shift+F2", Qt::Key_F2, shift, true, true);
    row("Ctrl+F2", Qt::Key_F2, ctrl, true, true);
    row("Alt+F2", Qt::Key_F2, alt, true, true);
    row("Ctrl+A", Qt::Key_A, ctrl, false, true);
    row("Ctrl+Shift+A", Qt::Key_A, ctrl | shift, false, true);
    row("Ctrl+Alt+A", Qt::Key_A, ctrl | alt, false, false);
    row("Ctrl+Alt+Shift+A", Qt::Key_A, ctrl | alt | shift, false, false);
    row("F3", Qt::Key_F3, none, false, false);
    row("Ctrl+B", Qt::Key_B, ctrl, false, false);
}

void TestEditingWindow::modifiers()
{
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(bool, cleaned);
    QFETCH(bool, allSelected);

    FormFixture fx;
    QVERIFY(fx.show());
    frmZwervel& f = fx.f();
    const QString text = crlf(QStringLiteral(" Utrecht||Zeist "));
    setRoute(f, text, 3, 2);

    pressKey(f.Route, Qt::Key(key), modifiers);
    const QString result = f.Route.Text();
    QCOMPARE(result, cleaned ? crlf(QStringLiteral("Utrecht|Zeist")) : text);
    if (allSelected) {
        QCOMPARE(f.Route.SelStart(), 0);
        QCOMPARE(f.Route.SelLength(), int(result.size()));
    } else {
        QCOMPARE(f.Route.SelStart(), 3);
        QCOMPARE(f.Route.SelLength(), 2);
    }
}

void TestEditingWindow::editorKeysRemain()
{
    FormFixture fx;
    QVERIFY(fx.show());
    frmZwervel& f = fx.f();
    setRoute(f, crlf(QStringLiteral("Utrecht|Zeist")), 9, 5);

    QTest::keyClick(&f.Route, Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("Zeist"));
    QCOMPARE(f.Route.Text(), crlf(QStringLiteral("Utrecht|")));
    f.Route.setSelStart(0);
    QTest::keyClick(&f.Route, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(f.Route.Text(), crlf(QStringLiteral("ZeistUtrecht|")));
    QTest::keyClick(&f.Route, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(f.Route.Text(), crlf(QStringLiteral("Utrecht|")));
}

void TestEditingWindow::rightMouseButton_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<QString>("address");
    QTest::newRow("right") << QStringLiteral("Utrecht") << Qt::RightButton
                           << QStringLiteral("https://www.google.com/maps/dir/Utrecht/Utrecht");
    QTest::newRow("right, empty box")
        << QString() << Qt::RightButton << QStringLiteral("https://www.google.com/maps/dir/");
    QTest::newRow("left") << QStringLiteral("Utrecht") << Qt::LeftButton << QString();
    QTest::newRow("middle") << QStringLiteral("Utrecht") << Qt::MiddleButton << QString();
}

void TestEditingWindow::rightMouseButton()
{
    QFETCH(QString, text);
    QFETCH(Qt::MouseButton, button);
    QFETCH(QString, address);

    FormFixture fx;
    QVERIFY(fx.show());
    frmZwervel& f = fx.f();
    setRoute(f, text);
    QTest::mouseClick(f.Route.viewport(), button);
    QCOMPARE(fx.platform.addresses, address.isNull() ? QStringList() : QStringList{address});
    QCOMPARE(f.Route.Text(), text);
    QVERIFY(!QApplication::activePopupWidget());
}

void TestEditingWindow::noContextMenu()
{
    FormFixture fx;
    QVERIFY(fx.show());
    frmZwervel& f = fx.f();
    setRoute(f, QStringLiteral("Utrecht"));

    // A context menu would run its own event loop; close it if one appears, and tell.
    bool menuSeen = false;
    QTimer::singleShot(0, [&menuSeen] {
        if (QWidget* menu = QApplication::activePopupWidget()) {
            menuSeen = true;
            menu->close();
        }
    });
    QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, QPoint(5, 5),
                                f.Route.viewport()->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(f.Route.viewport(), &menuEvent);
    QCoreApplication::processEvents();
    QVERIFY(!menuSeen);
}

void TestEditingWindow::pickWithMouseInOpenList()
{
    FormFixture fx;
    QVERIFY(fx.show());
    frmZwervel& f = fx.f();
    f.Plaats.AddItems({QStringLiteral("Ede"), QStringLiteral("Zeist")});
    setRoute(f, QStringLiteral("Utrecht"), 7);

    QAbstractItemView* view = openList(f.Plaats);
    QVERIFY(view);
    const QModelIndex zeistIndex =
        view->model()->index(f.Plaats.findText(QStringLiteral("Zeist")), 0);
    const QPoint point = view->visualRect(zeistIndex).center();
    QTest::mouseMove(view->viewport(), point);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, point);
    QTRY_VERIFY(!view->isVisible());
    QCOMPARE(f.Route.Text(), QStringLiteral("UtrechtZeist"));
    QCOMPARE(f.tPlaats.Text(), QStringLiteral("Zeist"));
    QVERIFY(undoVisible(f));
}

void TestEditingWindow::pickWithEnterInOpenList()
{
    FormFixture fx;
    QVERIFY(fx.show());
    frmZwervel& f = fx.f();
    threePlaces(f);
    QSignalSpy picks(&f.Plaats.events, &ControlEvents::Click);

    QAbstractItemView* view = openList(f.Plaats);
    QVERIFY(view);
    QTest::keyClick(view, Qt::Key_Down);
    QTest::keyClick(view, Qt::Key_Down);
    QCOMPARE(f.Route.Text(), QStringLiteral("Utrecht"));
    QTest::keyClick(view, Qt::Key_Return);
    QTRY_VERIFY(!view->isVisible());
    QCOMPARE(picks.count(), 1);
    QCOMPARE(f.Route.Text(), QStringLiteral("UtrechtZeist"));
    QCOMPARE(f.OngedaanTekst, QStringLiteral("Utrecht"));

    // Picking the shown entry again is a choice too.
    view = openList(f.Plaats);
    QVERIFY(view);
    QTest::keyClick(view, Qt::Key_Return);
    QTRY_VERIFY(!view->isVisible());
    QCOMPARE(picks.count(), 2);
    QCOMPARE(f.Route.Text(), QStringLiteral("UtrechtZeist"));
    QCOMPARE(f.OngedaanTekst, QStringLiteral("UtrechtZeist"));
}

void TestEditingWindow::escapePicksNothing()
{
    FormFixture fx;
    QVERIFY(fx.show());
    frmZwervel& f = fx.f();
    f.Plaats.AddItems({QStringLiteral("Ede"), QStringLiteral("Zeist")});
    setRoute(f, QStringLiteral("Utrecht"), 7);

    QAbstractItemView* view = openList(f.Plaats);
    QVERIFY(view);
    QTest::keyClick(view, Qt::Key_Down);
    QTest::keyClick(view, Qt::Key_Escape);
    QTRY_VERIFY(!view->isVisible());
    QCOMPARE(f.Route.Text(), QStringLiteral("Utrecht"));
    QCOMPARE(f.tPlaats.Text(), QString());
    QVERIFY(f.OngedaanTekst.isEmpty());
    QVERIFY(!undoVisible(f));
}

void TestEditingWindow::arrowsInClosedList()
{
    FormFixture fx;
    QVERIFY(fx.show());
    frmZwervel& f = fx.f();
    f.Plaats.AddItems({QStringLiteral("Ede"), QStringLiteral("Epe"), QStringLiteral("Zeist")});
    setRoute(f, QStringLiteral("Utrecht"), 7);
    QSignalSpy picks(&f.Plaats.events, &ControlEvents::Click);
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
    QTest::keyClick(&f.Plaats, Qt::Key_Z); // typing finds an entry without picking it
    QCOMPARE(f.tPlaats.Text(), QStringLiteral("Zeist"));
    QCOMPARE(picks.count(), 0);
    QCOMPARE(f.Route.Text(), QStringLiteral("Utrecht"));
    QVERIFY(f.OngedaanTekst.isEmpty());
    QVERIFY(!undoVisible(f));

    // Opening the list from the keyboard and pressing Enter picks the entry shown.
    QTest::keyClick(&f.Plaats, Qt::Key_Down, Qt::AltModifier);
    QAbstractItemView* view = f.Plaats.view();
    QVERIFY(QTest::qWaitForWindowExposed(view->window()));
    QTest::keyClick(view, Qt::Key_Return);
    QTRY_VERIFY(!view->isVisible());
    QCOMPARE(picks.count(), 1);
    QCOMPARE(f.Route.Text(), QStringLiteral("UtrechtZeist"));
    QVERIFY(undoVisible(f));
}

void TestEditingWindow::enterOnClosedListPicks_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("downs");
    QTest::addColumn<QString>("place");
    QTest::newRow("Return") << int(Qt::Key_Return) << 2 << QStringLiteral("Zeist");
    QTest::newRow("Enter") << int(Qt::Key_Enter) << 2 << QStringLiteral("Zeist");
    QTest::newRow("Return on the first entry") << int(Qt::Key_Return) << 1 << QStringLiteral("Ede");
}

void TestEditingWindow::enterOnClosedListPicks()
{
    // After browsing the closed list, Enter picks the entry shown, as in the open list; with
    // nothing shown it does nothing.
    QFETCH(int, key);
    QFETCH(int, downs);
    QFETCH(QString, place);
    FormFixture fx;
    QVERIFY(fx.show());
    frmZwervel& f = fx.f();
    f.Plaats.AddItems({QStringLiteral("Ede"), QStringLiteral("Zeist")});
    setRoute(f, QStringLiteral("Utrecht"), 7);
    QSignalSpy picks(&f.Plaats.events, &ControlEvents::Click);
    f.Plaats.SetFocus();
    QTest::keyClick(&f.Plaats, Qt::Key(key));
    QCOMPARE(picks.count(), 0);
    for (int i = 0; i < downs; ++i)
        QTest::keyClick(&f.Plaats, Qt::Key_Down);
    QTest::keyClick(&f.Plaats, Qt::Key(key));
    QCOMPARE(picks.count(), 1);
    QCOMPARE(f.Route.Text(), QStringLiteral("Utrecht") + place);
    QCOMPARE(f.Route.SelText(), place);
    QVERIFY(undoVisible(f));
}

void TestEditingWindow::wheelOverClosedList()
{
    FormFixture fx;
    QVERIFY(fx.show());
    frmZwervel& f = fx.f();
    threePlaces(f);
    QSignalSpy picks(&f.Plaats.events, &ControlEvents::Click);

    turnWheel(f.Plaats, -1);
    QCOMPARE(f.Plaats.Text(), QStringLiteral("Epe"));
    QCOMPARE(f.tPlaats.Text(), QStringLiteral("Epe"));
    turnWheel(f.Plaats, -1);
    QCOMPARE(f.tPlaats.Text(), QStringLiteral("Zeist"));
    QCOMPARE(picks.count(), 0);
    QCOMPARE(f.Route.Text(), QStringLiteral("Utrecht"));
    QVERIFY(!undoVisible(f));

    // The route list alike: its field follows, the route box stays.
    f.Routes.AddItems({QStringLiteral("Ede/Epe"), QStringLiteral("Utrecht/Zeist")});
    f.Routes.setText(QStringLiteral("Ede/Epe"));
    turnWheel(f.Routes, -1);
    QCOMPARE(f.tRoutes.Text(), QStringLiteral("Utrecht/Zeist"));
    QCOMPARE(f.Route.Text(), QStringLiteral("Utrecht"));
    QVERIFY(f.OngedaanTekst.isEmpty());
    QVERIFY(!undoVisible(f));
}

QTEST_MAIN(TestEditingWindow)
#include "tst_editing_window.moc"
