// The control wrappers: positions in twips, the route box's CR LF positions, the lists, and the
// events they raise at once, inside the call that causes them.
#include "platform/ComboBox.h"
#include "platform/CommandButton.h"
#include "platform/Label.h"
#include "platform/PictureButton.h"
#include "platform/RouteBox.h"
#include "platform/TextBox.h"
#include "support/TestHelpers.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStringList>
#include <QTest>
#include <QVBoxLayout>

#include <climits>
#include <utility>

using namespace zwervel;

namespace {

// The Qt document position of the route box's caret.
int documentPosition(const RouteBox& box)
{
    return box.textCursor().position();
}

} // namespace

class TestControls : public QObject {
    Q_OBJECT

private slots:
    void routeBoxKeepsText_data();
    void routeBoxKeepsText();
    void routeBoxLoneLineBreaks();
    void routeBoxPositions_data();
    void routeBoxPositions();
    void routeBoxSelection();
    void routeBoxNeverBetweenCrAndLf();
    void routeBoxBeyondTheText();
    void routeBoxLongText();
    void routeBoxNeverInsideACharacter();
    void routeBoxCaretAtSelectionStart();
    void routeBoxLineSeparatorIsLineBreak_data();
    void routeBoxLineSeparatorIsLineBreak();
    void routeBoxHalfCharacter_data();
    void routeBoxHalfCharacter();
    void textBox();
    void textBoxLongText();
    void comboBoxList();
    void comboBoxTextWithoutClick();
    void comboBoxChoiceIsClick();
    void twips_data();
    void twips();
    void changeAtOnce();
    void focusAtOnce();
    void shiftEnterIsLineBreak();
    void doubleClickIsOneClick_data();
    void doubleClickIsOneClick();
    void sideButtonsRaiseNothing_data();
    void sideButtonsRaiseNothing();
};

void TestControls::routeBoxKeepsText_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("lines") << QString() << s("Utrecht\r\nDelft\r\n\r\nGouda");
    QTest::newRow("line break at the end") << QString() << s("Utrecht\r\n");
    QTest::newRow("only line breaks") << QString() << s("\r\n\r\n");
    QTest::newRow("no-break space and tab")
        << QString() << s("Den\u00A0Haag\t/ \u00A0 x\r\n\tDelft  ");
    QTest::newRow("beyond the basic plane") << QString() << s("東京 \U0001F5FA Łódź");
    // Over a text already there, of which only a part differs.
    const QString route = s("Utrecht\r\nDelft\r\nGouda\r\nEde\r\nZeist\r\nBaarn");
    QTest::newRow("same text") << route << route;
    QTest::newRow("place in a line")
        << route << s("Utrecht\r\nDelftBreda\r\nGouda\r\nEde\r\nZeist\r\nBaarn");
    QTest::newRow("line taken out") << route << s("Utrecht\r\nDelft\r\nEde\r\nZeist\r\nBaarn");
    QTest::newRow("line break added")
        << route << s("Utrecht\r\n\r\nDelft\r\nGouda\r\nEde\r\nZeist\r\nBaarn");
    QTest::newRow("at the start") << route << s("Ede") + route;
    QTest::newRow("at the end") << route << route + s("\r\n");
    QTest::newRow("most of it") << route << s("Utrecht\r\nBaarn");
    QTest::newRow("to empty") << route << QString();
    QTest::newRow("other half of a character")
        << s("Ede \U0001F5FA Zeist\r\nBaarn") << s("Ede \U0001F600 Zeist\r\nBaarn");
    QTest::newRow("character after its first half")
        << s("Ede \U0001F5FA Zeist\r\nBaarn") << s("Ede \U0001F5FA\U0001F5FA Zeist\r\nBaarn");
}

void TestControls::routeBoxKeepsText()
{
    QFETCH(QString, before);
    QFETCH(QString, text);
    RouteBox box(nullptr);
    box.setText(before);
    box.setSelStart(3);
    box.insertPlainText(s("x"));
    box.setText(before);
    int changes = 0;
    connect(&box.events, &ControlEvents::Change, &box, [&] { ++changes; });
    box.setText(text);
    QCOMPARE(box.Text(), text);
    QCOMPARE(box.TextLength(), int(text.size()));
    // As a new text: the change is told, the caret is at the start, the box's own undo has
    // nothing to take back.
    QVERIFY(changes > 0);
    QCOMPARE(box.SelStart(), 0);
    QCOMPARE(box.SelLength(), 0);
    QVERIFY(!box.document()->isUndoAvailable());
}

void TestControls::routeBoxLoneLineBreaks()
{
    // The editor knows only one kind of line break: a lone CR or LF becomes CR LF.
    RouteBox box(nullptr);
    box.setText(s("a\nb\rc"));
    QCOMPARE(box.Text(), s("a\r\nb\r\nc"));
}

void TestControls::routeBoxPositions_data()
{
    // "ab" CR LF "cd": text positions 0..6, document positions 0..5.
    QTest::addColumn<int>("textPosition");
    QTest::addColumn<int>("documentPosition");
    QTest::addColumn<int>("readBack"); // SelStart after setting it
    QTest::newRow("start") << 0 << 0 << 0;
    QTest::newRow("before CR") << 2 << 2 << 2;
    QTest::newRow("between CR and LF") << 3 << 2 << 2;
    QTest::newRow("after LF") << 4 << 3 << 4;
    QTest::newRow("end") << 6 << 5 << 6;
    QTest::newRow("past the end") << 7 << 5 << 6;
    QTest::newRow("far past the end") << INT_MAX << 5 << 6;
    QTest::newRow("negative") << -3 << 0 << 0;
}

void TestControls::routeBoxPositions()
{
    QFETCH(int, textPosition);
    QFETCH(int, documentPosition);
    QFETCH(int, readBack);
    RouteBox box(nullptr);
    box.setText(s("ab\r\ncd"));
    box.setSelStart(textPosition);
    QCOMPARE(::documentPosition(box), documentPosition);
    QCOMPARE(box.SelStart(), readBack);
    QCOMPARE(box.SelLength(), 0);
}

void TestControls::routeBoxSelection()
{
    RouteBox box(nullptr);
    box.setText(s("ab\r\ncd\r\nef"));

    // From Qt to the form: a selection over one line break counts it as two characters.
    QTextCursor cursor = box.textCursor();
    cursor.setPosition(1);
    cursor.setPosition(7, QTextCursor::KeepAnchor);
    box.setTextCursor(cursor);
    QCOMPARE(box.SelStart(), 1);
    QCOMPARE(box.SelLength(), 8);
    QCOMPARE(box.SelText(), s("b\r\ncd\r\ne"));

    // A selection made backwards reads the same.
    cursor.setPosition(7);
    cursor.setPosition(1, QTextCursor::KeepAnchor);
    box.setTextCursor(cursor);
    QCOMPARE(box.SelStart(), 1);
    QCOMPARE(box.SelLength(), 8);

    // From the form to Qt.
    box.setSelStart(4);
    box.setSelLength(6);
    QCOMPARE(box.textCursor().selectionStart(), 3);
    QCOMPARE(box.textCursor().selectionEnd(), 8);
    QCOMPARE(box.SelStart(), 4);
    QCOMPARE(box.SelLength(), 6);
    QCOMPARE(box.SelText(), s("cd\r\nef"));

    // The whole text, as VakSelecteren selects it.
    box.setSelStart(0);
    box.setSelLength(box.TextLength());
    QCOMPARE(box.SelText(), box.Text());
    QCOMPARE(box.SelStart(), 0);
}

void TestControls::routeBoxNeverBetweenCrAndLf()
{
    RouteBox box(nullptr);
    box.setText(s("ab\r\ncd"));
    // A selection that would end between CR and LF ends at the line's end instead.
    box.setSelStart(1);
    box.setSelLength(2);
    QCOMPARE(box.SelText(), s("b"));
    QCOMPARE(box.SelLength(), 1);
    box.setSelLength(3);
    QCOMPARE(box.SelText(), s("b\r\n"));
    QCOMPARE(box.SelLength(), 3);
}

void TestControls::routeBoxBeyondTheText()
{
    RouteBox box(nullptr);
    box.setText(s("ab\r\ncd"));
    box.setSelStart(2);
    box.setSelLength(INT_MAX);
    QCOMPARE(box.SelStart(), 2);
    QCOMPARE(box.SelLength(), 4);
    box.setSelLength(-5);
    QCOMPARE(box.SelLength(), 0);
    QCOMPARE(box.Text(), s("ab\r\ncd"));
}

void TestControls::routeBoxLongText()
{
    // 60,000 lines "x": positions far beyond 32,767 in both directions.
    const int lines = 60000;
    QStringList list;
    for (int i = 0; i < lines; ++i)
        list << QStringLiteral("x");
    const QString text = list.join(QStringLiteral("\r\n"));
    RouteBox box(nullptr);
    box.setText(text);
    QCOMPARE(box.Text(), text);
    QCOMPARE(box.TextLength(), 3 * lines - 2);

    box.setSelStart(100000); // after the "x" of line 33,333
    QCOMPARE(::documentPosition(box), 2 * 33333 + 1);
    QCOMPARE(box.SelStart(), 100000);
    box.setSelLength(50000);
    QCOMPARE(box.SelLength(), 50000);
    QCOMPARE(box.SelText().size(), qsizetype(50000));
    box.setSelLength(INT_MAX);
    QCOMPARE(box.SelLength(), box.TextLength() - 100000);

    // From Qt: a caret near the end.
    QTextCursor cursor = box.textCursor();
    cursor.movePosition(QTextCursor::End);
    box.setTextCursor(cursor);
    QCOMPARE(box.SelStart(), 3 * lines - 2);
}

void TestControls::routeBoxNeverInsideACharacter()
{
    // "a", a character beyond U+FFFF (two code units), "b": positions 0, 1, 3, 4.
    RouteBox box(nullptr);
    const QString clef = s("\U0001D11E");
    box.setText(s("a") + clef + s("b"));
    box.setSelStart(2);
    QCOMPARE(box.SelStart(), 1);
    box.setSelLength(1);
    QCOMPARE(box.SelLength(), 0);
    box.setSelLength(2);
    QCOMPARE(box.SelText(), clef);
    // A selection that would end inside the character ends before it.
    box.setSelStart(0);
    box.setSelLength(2);
    QCOMPARE(box.SelText(), s("a"));
    QVERIFY(QStringView(box.Text()).isValidUtf16());
}

void TestControls::routeBoxCaretAtSelectionStart()
{
    // A long route selected whole shows its first places: the caret, which the view follows,
    // stays at the start of the selection.
    RouteBox box(nullptr);
    box.resize(200, 60);
    box.setText(QStringList(200, s("Utrecht")).join(s("\r\n")));
    box.setSelStart(0);
    box.setSelLength(box.TextLength());
    QCOMPARE(box.textCursor().position(), 0);
    QCOMPARE(box.textCursor().anchor(), box.document()->characterCount() - 1);
    QCOMPARE(box.SelText(), box.Text());
    QCOMPARE(box.verticalScrollBar()->value(), 0);
}

void TestControls::routeBoxLineSeparatorIsLineBreak_data()
{
    QTest::addColumn<bool>("pasted");
    QTest::newRow("set") << false;
    QTest::newRow("pasted") << true;
}

void TestControls::routeBoxLineSeparatorIsLineBreak()
{
    // The box shows a line separator as a new line, so it is one of its line breaks.
    QFETCH(bool, pasted);
    RouteBox box(nullptr);
    const QString text = s("Amsterdam\u2028Utrecht");
    if (pasted) {
        QGuiApplication::clipboard()->setText(text);
        box.paste();
    } else {
        box.setText(text);
    }
    QCOMPARE(box.Text(), s("Amsterdam\r\nUtrecht"));
    QCOMPARE(box.TextLength(), 18);
}

void TestControls::routeBoxHalfCharacter_data()
{
    QTest::addColumn<bool>("pasted");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("kept");
    const QString high(QChar(0xd83d)), low(QChar(0xde00)), replaced(QChar::ReplacementCharacter);
    for (const bool pasted : {false, true}) {
        const char* how = pasted ? "pasted" : "set";
        QTest::addRow("%s: high half at the end", how)
            << pasted << s("Ede") + high << s("Ede") + replaced;
        QTest::addRow("%s: low half first", how) << pasted << low + s("Ede") << replaced + s("Ede");
        QTest::addRow("%s: halves the wrong way round", how)
            << pasted << low + high << replaced + replaced;
        QTest::addRow("%s: whole character stays", how) << pasted << s("Ede😀") << s("Ede😀");
    }
}

void TestControls::routeBoxHalfCharacter()
{
    // Text from a broken source: the box keeps whole characters only, so that the file it is
    // saved in brings back what the box showed.
    QFETCH(bool, pasted);
    QFETCH(QString, text);
    QFETCH(QString, kept);
    RouteBox box(nullptr);
    if (pasted) {
        QGuiApplication::clipboard()->setText(text);
        box.paste();
    } else {
        box.setText(text);
    }
    QCOMPARE(box.Text(), kept);
}

void TestControls::textBox()
{
    TextBox field(nullptr);
    field.setText(s("Den Haag"));
    field.setSelStart(4);
    QCOMPARE(field.SelStart(), 4);
    QCOMPARE(field.SelLength(), 0);
    field.setSelLength(2);
    QCOMPARE(field.SelStart(), 4);
    QCOMPARE(field.SelLength(), 2);
    QCOMPARE(field.SelText(), s("Ha"));
    field.setSelLength(99);
    QCOMPARE(field.SelText(), s("Haag"));
    field.setSelStart(99);
    QCOMPARE(field.SelStart(), 8);
    field.setSelStart(-1);
    QCOMPARE(field.SelStart(), 0);
    field.setSelLength(field.TextLength());
    QCOMPARE(field.SelText(), field.Text());
}

void TestControls::textBoxLongText()
{
    // A field shows a whole route, however long: nothing is cut at 32,767 characters.
    const QString longText(40000, u'a');
    TextBox field(nullptr);
    field.setText(longText);
    QCOMPARE(field.Text(), longText);
    field.setSelStart(39000);
    field.setSelLength(500);
    QCOMPARE(field.SelStart(), 39000);
    QCOMPARE(field.SelLength(), 500);
}

void TestControls::comboBoxList()
{
    ComboBox list(nullptr);
    QCOMPARE(list.ListCount(), 0);
    QCOMPARE(list.Text(), QString());
    list.AddItem(s("Utrecht"));
    list.AddItems({s("Delft"), s("Gouda")});
    QCOMPARE(list.ListCount(), 3);
    QStringList content;
    for (int i = 0; i < list.ListCount(); ++i)
        content << list.List(i);
    content.sort();
    QCOMPARE(content, (QStringList{s("Delft"), s("Gouda"), s("Utrecht")}));
    list.Clear();
    QCOMPARE(list.ListCount(), 0);
    QCOMPARE(list.Text(), QString());
}

void TestControls::comboBoxTextWithoutClick()
{
    ComboBox list(nullptr);
    list.AddItems({s("Utrecht"), s("delft"), s("Delft")});
    QSignalSpy clicks(&list.events, &ControlEvents::Click);
    list.setText(s("Delft"));
    QCOMPARE(list.Text(), s("Delft")); // the exact one before one that differs in case
    list.setText(s("delft"));
    QCOMPARE(list.Text(), s("delft"));
    list.setText(s("UTRECHT"));
    QCOMPARE(list.Text(), s("Utrecht"));
    QCOMPARE(clicks.count(), 0);
}

void TestControls::comboBoxChoiceIsClick()
{
    QWidget window;
    auto* list = new ComboBox(&window);
    (new QVBoxLayout(&window))->addWidget(list);
    list->AddItems({s("Utrecht"), s("Delft"), s("Gouda")});
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QSignalSpy clicks(&list->events, &ControlEvents::Click);

    // The user opens the list and picks the second entry.
    list->OpenList();
    QAbstractItemView* popup = list->view();
    QTRY_VERIFY(popup->isVisible());
    popup->setCurrentIndex(popup->model()->index(1, 0));
    QTest::keyClick(popup, Qt::Key_Return);
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(list->Text(), list->List(1));
}

void TestControls::twips_data()
{
    QTest::addColumn<float>("left");
    QTest::addColumn<float>("top");
    QTest::addColumn<float>("width");
    QTest::addColumn<float>("height");
    QTest::addColumn<QRect>("pixels");
    QTest::newRow("route box") << 240.f << 1440.f << 5775.f << 3615.f << QRect(16, 96, 385, 241);
    QTest::newRow("picture button") << 0.f << 1920.f << 240.f << 240.f << QRect(0, 128, 16, 16);
    QTest::newRow("place field") << 2640.f << 5400.f << 1815.f << 380.f << QRect(176, 360, 121, 25);
    QTest::newRow("after a layout") << 247.5f << 0.f << 5782.5f << 7.4f << QRect(17, 0, 386, 0);
}

void TestControls::twips()
{
    QFETCH(float, left);
    QFETCH(float, top);
    QFETCH(float, width);
    QFETCH(float, height);
    QFETCH(QRect, pixels);
    PictureButton button(nullptr);
    button.place(left, top, width, height);
    QCOMPARE(button.geometry(), pixels);
    // The stored twips come back exactly, not the whole pixels they were drawn at.
    QCOMPARE(button.Left(), left);
    QCOMPARE(button.Top(), top);
    QCOMPARE(button.Width(), width);
    QCOMPARE(button.Height(), height);
    button.setWidth(width + 7.5f);
    QCOMPARE(button.Width(), width + 7.5f);
    QCOMPARE(button.Left(), left);
}

void TestControls::changeAtOnce()
{
    RouteBox box(nullptr);
    QStringList seen;
    connect(&box.events, &ControlEvents::Change, &box, [&] { seen << box.Text(); });
    box.setText(s("a\r\nb"));
    // Raised inside the call, with the new text already in place.
    QCOMPARE(seen, QStringList{s("a\r\nb")});
}

void TestControls::focusAtOnce()
{
    QWidget window;
    auto* route = new RouteBox(&window);
    auto* field = new TextBox(&window);
    auto* list = new ComboBox(&window);
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(route);
    layout->addWidget(field);
    layout->addWidget(list);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    route->SetFocus();
    QTRY_VERIFY(route->hasFocus());

    QStringList order;
    const auto listen = [&](ControlEvents& events, const QString& name) {
        connect(&events, &ControlEvents::GotFocus, &window,
                [&order, name] { order << name + s(" in"); });
        connect(&events, &ControlEvents::LostFocus, &window,
                [&order, name] { order << name + s(" out"); });
    };
    listen(route->events, s("route"));
    listen(field->events, s("field"));
    listen(list->events, s("list"));

    // Both events are raised before SetFocus returns, the old control's first.
    field->SetFocus();
    QCOMPARE(order, (QStringList{s("route out"), s("field in")}));
    order.clear();
    list->SetFocus();
    QCOMPARE(order, (QStringList{s("field out"), s("list in")}));
    order.clear();
    route->SetFocus();
    QCOMPARE(order, (QStringList{s("list out"), s("route in")}));

    // A focus change nested inside a got-focus handler is raised at once as well.
    order.clear();
    connect(
        &field->events, &ControlEvents::GotFocus, &window, [list] { list->SetFocus(); },
        Qt::SingleShotConnection);
    field->SetFocus();
    QCOMPARE(order, (QStringList{s("route out"), s("field in"), s("field out"), s("list in")}));
    QVERIFY(list->hasFocus());
}

void TestControls::shiftEnterIsLineBreak()
{
    QWidget window;
    auto* route = new RouteBox(&window);
    (new QVBoxLayout(&window))->addWidget(route);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    route->SetFocus();
    QTest::keyClicks(route, s("Utrecht"));
    QTest::keyClick(route, Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyClicks(route, s("Zeist"));
    // Two lines on screen are two places in the text.
    QCOMPARE(route->Text(), s("Utrecht\r\nZeist"));
}

void TestControls::doubleClickIsOneClick_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("expectedClicks");
    QTest::newRow("left") << int(Qt::LeftButton) << 1;
    QTest::newRow("right") << int(Qt::RightButton) << 0;
}

void TestControls::doubleClickIsOneClick()
{
    // A double click acts once: the release that ends it raises neither MouseUp nor Click.
    QFETCH(int, button);
    QFETCH(int, expectedClicks);
    PictureButton picture(nullptr);
    picture.place(0, 0, 240, 240);
    picture.show();
    QVERIFY(QTest::qWaitForWindowExposed(&picture));
    QSignalSpy clicks(&picture.events, &ControlEvents::Click);
    QSignalSpy releases(&picture.events, &ControlEvents::MouseUp);
    // A double click arrives as press, release, double click, release.
    const auto which = Qt::MouseButton(button);
    const QPoint middle(8, 8);
    QTest::mousePress(&picture, which, {}, middle);
    QTest::mouseRelease(&picture, which, {}, middle);
    QTest::mouseDClick(&picture, which, {}, middle);
    QTest::mouseRelease(&picture, which, {}, middle);
    QCOMPARE(clicks.count(), expectedClicks);
    QCOMPARE(releases.count(), 1);
    QCOMPARE(releases.at(0).at(0).toInt(), button);
    // The next click counts again.
    QTest::mouseClick(&picture, which, {}, middle);
    QCOMPARE(releases.count(), 2);
}

void TestControls::sideButtonsRaiseNothing_data()
{
    QTest::addColumn<int>("button");
    QTest::newRow("back") << int(Qt::BackButton);
    QTest::newRow("forward") << int(Qt::ForwardButton);
    QTest::newRow("extra") << int(Qt::ExtraButton3);
}

void TestControls::sideButtonsRaiseNothing()
{
    // Only the left, right and middle buttons are the form's; a side button would otherwise
    // pass for "another button" (remove everything, load the example).
    QFETCH(int, button);
    Label label(nullptr);
    label.place(0, 0, 1200, 600);
    label.show();
    QVERIFY(QTest::qWaitForWindowExposed(&label));
    QSignalSpy releases(&label.events, &ControlEvents::MouseUp);
    QSignalSpy clicks(&label.events, &ControlEvents::Click);
    QTest::mouseClick(&label, Qt::MouseButton(button), {}, QPoint(10, 10));
    QCOMPARE(releases.count(), 0);
    QCOMPARE(clicks.count(), 0);
}

QTEST_MAIN(TestControls)
#include "tst_controls.moc"
