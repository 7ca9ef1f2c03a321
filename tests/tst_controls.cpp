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
#include <QPainter>
#include <QScrollBar>
#include <QStyleOptionSlider>
#include <QSignalSpy>
#include <QStringList>
#include <QTest>
#include <QVBoxLayout>

#include <climits>
#include <utility>

using namespace zwervel;

namespace {

// The Qt document position of the route box's caret.
int documentPosition(const RouteBox& vak) { return vak.textCursor().position(); }

} // namespace

class TestControls : public QObject {
    Q_OBJECT

private slots:
    void routeBoxTekstBlijftGelijk_data();
    void routeBoxTekstBlijftGelijk();
    void routeBoxLosseRegeleinden();
    void routeBoxPosities_data();
    void routeBoxPosities();
    void routeBoxSelectie();
    void routeBoxNooitTussenCrEnLf();
    void routeBoxBuitenDeTekst();
    void routeBoxLangeTekst();
    void routeBoxSchuifbalkZoalsDeStijl_data();
    void routeBoxSchuifbalkZoalsDeStijl();
    void routeBoxSchuifbalkOpElkeSchaal_data();
    void routeBoxSchuifbalkOpElkeSchaal();
    void textBox();
    void textBoxLangeTekst();
    void comboBoxLijst();
    void comboBoxTekstZonderClick();
    void comboBoxKeuzeIsClick();
    void twips_data();
    void twips();
    void changeMeteen();
    void focusMeteen();
    void shiftEnterIsRegeleinde();
    void dubbelklikIsEenClick();
};

void TestControls::routeBoxTekstBlijftGelijk_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("leeg") << QString();
    QTest::newRow("regels") << s("Utrecht\r\nDelft\r\n\r\nGouda");
    QTest::newRow("regeleinde achteraan") << s("Utrecht\r\n");
    QTest::newRow("alleen regeleinden") << s("\r\n\r\n");
    QTest::newRow("harde spatie en tab") << s("Den\u00A0Haag\t/ \u00A0 x\r\n\tDelft  ");
    QTest::newRow("buiten het basisvlak") << s("東京 \U0001F5FA Łódź");
}

void TestControls::routeBoxTekstBlijftGelijk()
{
    QFETCH(QString, text);
    RouteBox vak(nullptr);
    vak.setText(text);
    QCOMPARE(vak.Text(), text);
    QCOMPARE(vak.TextLength(), int(text.size()));
}

void TestControls::routeBoxLosseRegeleinden()
{
    // The editor knows only one kind of line break: a lone CR or LF becomes CR LF.
    RouteBox vak(nullptr);
    vak.setText(s("a\nb\rc"));
    QCOMPARE(vak.Text(), s("a\r\nb\r\nc"));
}

void TestControls::routeBoxPosities_data()
{
    // "ab" CR LF "cd": text positions 0..6, document positions 0..5.
    QTest::addColumn<int>("textPosition");
    QTest::addColumn<int>("documentPosition");
    QTest::addColumn<int>("terug"); // SelStart after setting it
    QTest::newRow("begin") << 0 << 0 << 0;
    QTest::newRow("voor CR") << 2 << 2 << 2;
    QTest::newRow("tussen CR en LF") << 3 << 2 << 2;
    QTest::newRow("na LF") << 4 << 3 << 4;
    QTest::newRow("eind") << 6 << 5 << 6;
    QTest::newRow("voorbij het eind") << 7 << 5 << 6;
    QTest::newRow("ver voorbij het eind") << INT_MAX << 5 << 6;
    QTest::newRow("negatief") << -3 << 0 << 0;
}

void TestControls::routeBoxPosities()
{
    QFETCH(int, textPosition);
    QFETCH(int, documentPosition);
    QFETCH(int, terug);
    RouteBox vak(nullptr);
    vak.setText(s("ab\r\ncd"));
    vak.setSelStart(textPosition);
    QCOMPARE(::documentPosition(vak), documentPosition);
    QCOMPARE(vak.SelStart(), terug);
    QCOMPARE(vak.SelLength(), 0);
}

void TestControls::routeBoxSelectie()
{
    RouteBox vak(nullptr);
    vak.setText(s("ab\r\ncd\r\nef"));

    // From Qt to the form: a selection over one line break counts it as two characters.
    QTextCursor cursor = vak.textCursor();
    cursor.setPosition(1);
    cursor.setPosition(7, QTextCursor::KeepAnchor);
    vak.setTextCursor(cursor);
    QCOMPARE(vak.SelStart(), 1);
    QCOMPARE(vak.SelLength(), 8);
    QCOMPARE(vak.SelText(), s("b\r\ncd\r\ne"));

    // A selection made backwards reads the same.
    cursor.setPosition(7);
    cursor.setPosition(1, QTextCursor::KeepAnchor);
    vak.setTextCursor(cursor);
    QCOMPARE(vak.SelStart(), 1);
    QCOMPARE(vak.SelLength(), 8);

    // From the form to Qt.
    vak.setSelStart(4);
    vak.setSelLength(6);
    QCOMPARE(vak.textCursor().selectionStart(), 3);
    QCOMPARE(vak.textCursor().selectionEnd(), 8);
    QCOMPARE(vak.SelStart(), 4);
    QCOMPARE(vak.SelLength(), 6);
    QCOMPARE(vak.SelText(), s("cd\r\nef"));

    // The whole text, as VakSelecteren selects it.
    vak.setSelStart(0);
    vak.setSelLength(vak.TextLength());
    QCOMPARE(vak.SelText(), vak.Text());
    QCOMPARE(vak.SelStart(), 0);
}

void TestControls::routeBoxNooitTussenCrEnLf()
{
    RouteBox vak(nullptr);
    vak.setText(s("ab\r\ncd"));
    // A selection that would end between CR and LF ends at the line's end instead.
    vak.setSelStart(1);
    vak.setSelLength(2);
    QCOMPARE(vak.SelText(), s("b"));
    QCOMPARE(vak.SelLength(), 1);
    vak.setSelLength(3);
    QCOMPARE(vak.SelText(), s("b\r\n"));
    QCOMPARE(vak.SelLength(), 3);
}

void TestControls::routeBoxBuitenDeTekst()
{
    RouteBox vak(nullptr);
    vak.setText(s("ab\r\ncd"));
    vak.setSelStart(2);
    vak.setSelLength(INT_MAX);
    QCOMPARE(vak.SelStart(), 2);
    QCOMPARE(vak.SelLength(), 4);
    vak.setSelLength(-5);
    QCOMPARE(vak.SelLength(), 0);
    QCOMPARE(vak.Text(), s("ab\r\ncd"));
}

void TestControls::routeBoxLangeTekst()
{
    // 60,000 lines "x": positions far beyond 32,767 in both directions.
    const int lines = 60000;
    QStringList list;
    for (int i = 0; i < lines; ++i)
        list << QStringLiteral("x");
    const QString text = list.join(QStringLiteral("\r\n"));
    RouteBox vak(nullptr);
    vak.setText(text);
    QCOMPARE(vak.Text(), text);
    QCOMPARE(vak.TextLength(), 3 * lines - 2);

    vak.setSelStart(100000); // after the "x" of line 33,333
    QCOMPARE(::documentPosition(vak), 2 * 33333 + 1);
    QCOMPARE(vak.SelStart(), 100000);
    vak.setSelLength(50000);
    QCOMPARE(vak.SelLength(), 50000);
    QCOMPARE(vak.SelText().size(), qsizetype(50000));
    vak.setSelLength(INT_MAX);
    QCOMPARE(vak.SelLength(), vak.TextLength() - 100000);

    // From Qt: a caret near the end.
    QTextCursor cursor = vak.textCursor();
    cursor.movePosition(QTextCursor::End);
    vak.setTextCursor(cursor);
    QCOMPARE(vak.SelStart(), 3 * lines - 2);
}

void TestControls::routeBoxSchuifbalkZoalsDeStijl_data()
{
    QTest::addColumn<int>("hoogte");
    QTest::addColumn<int>("lines");
    QTest::newRow("lower than a band") << 60 << 0;
    QTest::newRow("the route box, empty") << 241 << 0;
    QTest::newRow("handle across band edges") << 241 << 300;
    QTest::newRow("tall") << 700 << 40;
}

void TestControls::routeBoxSchuifbalkZoalsDeStijl()
{
    QFETCH(int, hoogte);
    QFETCH(int, lines);
    // The route box draws its scroll bar a band at a time; the pixels must be the style's own,
    // in a window as in a picture of the bar alone.
    const auto ch = [&](bool inBanden) {
        QWidget window;
        window.resize(300, hoogte + 50);
        RouteBox vak(&window);
        if (!inBanden)
            vak.verticalScrollBar()->setStyle(QApplication::style());
        vak.setGeometry(37, 23, 200, hoogte);
        vak.setText(QStringList(lines, QStringLiteral("Utrecht")).join(QStringLiteral("\r\n")));
        window.show();
        QCoreApplication::processEvents();
        QScrollBar* balk = vak.verticalScrollBar();
        balk->setValue(balk->maximum() / 3);
        return std::pair(window.grab().toImage(), balk->grab().toImage());
    };
    const auto [vensterInBanden, balkInBanden] = ch(true);
    const auto [vensterInEenKeer, balkInEenKeer] = ch(false);
    QVERIFY(!balkInBanden.isNull());
    QCOMPARE(vensterInBanden, vensterInEenKeer);
    QCOMPARE(balkInBanden, balkInEenKeer);
}

void TestControls::routeBoxSchuifbalkOpElkeSchaal_data()
{
    QTest::addColumn<qreal>("schaal");
    QTest::addColumn<int>("hoogte");
    for (const qreal schaal : {1.0, 1.25, 1.5, 2.0, 3.0}) {
        for (const int hoogte : {241, 700})
            QTest::addRow("%g x, %d px", schaal, hoogte) << schaal << hoogte;
    }
}

void TestControls::routeBoxSchuifbalkOpElkeSchaal()
{
    QFETCH(qreal, schaal);
    QFETCH(int, hoogte);
    // On a screen of more device pixels to the pixel, the bar is the style's own as well.
    struct Balk : QScrollBar {
        using QScrollBar::initStyleOption;
    } balk;
    balk.resize(16, hoogte);
    balk.setRange(0, 1000);
    balk.setPageStep(80);
    balk.setValue(333);
    QStyleOptionSlider option;
    balk.initStyleOption(&option);
    RouteBox vak(nullptr);
    const auto ch = [&](const QStyle* style) {
        QImage image((QSizeF(balk.size()) * schaal).toSize(), QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(schaal);
        image.fill(Qt::white);
        QPainter schilder(&image);
        style->drawComplexControl(QStyle::CC_ScrollBar, &option, &schilder, &balk);
        return image;
    };
    QCOMPARE(ch(vak.verticalScrollBar()->style()), ch(QApplication::style()));
}

void TestControls::textBox()
{
    TextBox vak(nullptr);
    vak.setText(s("Den Haag"));
    vak.setSelStart(4);
    QCOMPARE(vak.SelStart(), 4);
    QCOMPARE(vak.SelLength(), 0);
    vak.setSelLength(2);
    QCOMPARE(vak.SelStart(), 4);
    QCOMPARE(vak.SelLength(), 2);
    QCOMPARE(vak.SelText(), s("Ha"));
    vak.setSelLength(99);
    QCOMPARE(vak.SelText(), s("Haag"));
    vak.setSelStart(99);
    QCOMPARE(vak.SelStart(), 8);
    vak.setSelStart(-1);
    QCOMPARE(vak.SelStart(), 0);
    vak.setSelLength(vak.TextLength());
    QCOMPARE(vak.SelText(), vak.Text());
}

void TestControls::textBoxLangeTekst()
{
    // A field shows a whole route, however long: nothing is cut at 32,767 characters.
    const QString lang(40000, u'a');
    TextBox vak(nullptr);
    vak.setText(lang);
    QCOMPARE(vak.Text(), lang);
    vak.setSelStart(39000);
    vak.setSelLength(500);
    QCOMPARE(vak.SelStart(), 39000);
    QCOMPARE(vak.SelLength(), 500);
}

void TestControls::comboBoxLijst()
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

void TestControls::comboBoxTekstZonderClick()
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

void TestControls::comboBoxKeuzeIsClick()
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
    QAbstractItemView* lijstbeeld = list->view();
    QTRY_VERIFY(lijstbeeld->isVisible());
    lijstbeeld->setCurrentIndex(lijstbeeld->model()->index(1, 0));
    QTest::keyClick(lijstbeeld, Qt::Key_Return);
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

void TestControls::changeMeteen()
{
    RouteBox vak(nullptr);
    QStringList gezien;
    connect(&vak.events, &ControlEvents::Change, &vak, [&] { gezien << vak.Text(); });
    vak.setText(s("a\r\nb"));
    // Raised inside the call, with the new text already in place.
    QCOMPARE(gezien, QStringList{s("a\r\nb")});
}

void TestControls::focusMeteen()
{
    QWidget window;
    auto* route = new RouteBox(&window);
    auto* field = new TextBox(&window);
    auto* list = new ComboBox(&window);
    auto* indeling = new QVBoxLayout(&window);
    indeling->addWidget(route);
    indeling->addWidget(field);
    indeling->addWidget(list);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    route->SetFocus();
    QTRY_VERIFY(route->hasFocus());

    QStringList order;
    const auto luister = [&](ControlEvents& g, const QString& name) {
        connect(&g, &ControlEvents::GotFocus, &window, [&order, name] { order << name + s(" in"); });
        connect(&g, &ControlEvents::LostFocus, &window, [&order, name] { order << name + s(" uit"); });
    };
    luister(route->events, s("route"));
    luister(field->events, s("veld"));
    luister(list->events, s("lijst"));

    // Both events are raised before SetFocus returns, the old control's first.
    field->SetFocus();
    QCOMPARE(order, (QStringList{s("route uit"), s("veld in")}));
    order.clear();
    list->SetFocus();
    QCOMPARE(order, (QStringList{s("veld uit"), s("lijst in")}));
    order.clear();
    route->SetFocus();
    QCOMPARE(order, (QStringList{s("lijst uit"), s("route in")}));

    // A focus change nested inside a lost-focus handler is raised at once as well.
    order.clear();
    connect(&field->events, &ControlEvents::GotFocus, &window, [list] { list->SetFocus(); },
            Qt::SingleShotConnection);
    field->SetFocus();
    QCOMPARE(order, (QStringList{s("route uit"), s("veld in"), s("veld uit"), s("lijst in")}));
    QVERIFY(list->hasFocus());
}

void TestControls::shiftEnterIsRegeleinde()
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

void TestControls::dubbelklikIsEenClick()
{
    PictureButton button(nullptr);
    button.place(0, 0, 240, 240);
    button.show();
    QVERIFY(QTest::qWaitForWindowExposed(&button));
    QSignalSpy clicks(&button.events, &ControlEvents::Click);
    QSignalSpy losgelaten(&button.events, &ControlEvents::MouseUp);
    // A double click arrives as press, release, double click, release.
    const QPoint middle(8, 8);
    QTest::mousePress(&button, Qt::LeftButton, {}, middle);
    QTest::mouseRelease(&button, Qt::LeftButton, {}, middle);
    QTest::mouseDClick(&button, Qt::LeftButton, {}, middle);
    QTest::mouseRelease(&button, Qt::LeftButton, {}, middle);
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(losgelaten.count(), 2);
}

QTEST_MAIN(TestControls)
#include "tst_controls.moc"
