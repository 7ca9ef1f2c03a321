// The window as the form describes it, its help texts, VakSelecteren, the map-service buttons
// and the information label's clicks, and the report of a failing handler.
#include "route/RouteRules.h"
#include "support/FormFixture.h"
#include "support/TestHelpers.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <QScopeGuard>
#include <QSvgRenderer>
#include <QTest>

#include <cstdlib>
#include <stdexcept>

using namespace zwervel;

namespace {

const QString Richting = QString::fromLatin1(MapBaseAddress) + QStringLiteral("/maps/dir/");
const QString Voorbeeld = s("Nieuwegein / 48.860997, 2.352563 (Parijs) / Rome, Colosseum (reis)");

enum class Soort { Label, TextBox, RouteBox, ComboBox, CommandButton, PictureButton };

// How the pointer looks over a control: the hand, a set shape, or whatever the window gives.
constexpr int GeenEigenCursor = -1;

QWidget* control(frmZwervel& f, const QString& name)
{
    return f.findChild<QWidget*>(name, Qt::FindDirectChildrenOnly);
}

bool isSoort(QWidget* w, Soort soort)
{
    switch (soort) {
    case Soort::Label: return dynamic_cast<Label*>(w);
    case Soort::TextBox: return dynamic_cast<TextBox*>(w);
    case Soort::RouteBox: return dynamic_cast<RouteBox*>(w);
    case Soort::ComboBox: return dynamic_cast<ComboBox*>(w);
    case Soort::CommandButton: return dynamic_cast<CommandButton*>(w);
    case Soort::PictureButton: return dynamic_cast<PictureButton*>(w);
    }
    return false;
}

QRect inPixels(float left, float top, float width, float height)
{
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                 twipsToPixels(height));
}

QByteArray bestandInhoud(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The same picture, but for rounding: the icon draws into another pixel format, whose
// conversion may differ by a step or two in a channel.
bool zelfdeBeeld(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return false;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            if (std::abs(qRed(p) - qRed(q)) > 2 || std::abs(qGreen(p) - qGreen(q)) > 2
                || std::abs(qBlue(p) - qBlue(q)) > 2 || std::abs(qAlpha(p) - qAlpha(q)) > 2)
                return false;
        }
    }
    return true;
}

} // namespace

Q_DECLARE_METATYPE(Soort)

class TestWindow : public QObject {
    Q_OBJECT

private slots:
    void besturingen_data();
    void besturingen();
    void negentienBesturingen();
    void opschriften();
    void kleuren();
    void lettertypen();
    void plaatjesZoalsGetekend_data();
    void plaatjesZoalsGetekend();
    void tabVolgorde();
    void hulpteksten();
    void vakSelecteren();
    void vakSelecterenVerborgen();
    void routeGestriptVeranderdNiets();
    void routeGestriptZoalsDeTekst_data();
    void routeGestriptZoalsDeTekst();
    void nullIsLeeg();
    void routeTonen_data();
    void routeTonen();
    void routeTonenNietMetToetsen();
    void infoVoorbeeld_data();
    void infoVoorbeeld();
    void infoTweemaal();
    void infoRechts();
    void startpagina();
    void foutInHandler();
    void schermafdruk();
};

void TestWindow::besturingen_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<Soort>("soort");
    QTest::addColumn<float>("left");
    QTest::addColumn<float>("top");
    QTest::addColumn<float>("width");
    QTest::addColumn<float>("height");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<int>("cursor");

    const int hand = Qt::PointingHandCursor;
    const auto row = [](const char* name, Soort soort, float l, float t, float w, float h,
                        bool shown, int cursor) {
        QTest::newRow(name) << QString::fromLatin1(name) << soort << l << t << w << h << shown
                            << cursor;
    };
    // The two fields as start-up lays them over their lists; the rest as designed.
    row("tRoutes", Soort::TextBox, 240, 6000, 5495, 380, true, Qt::ArrowCursor);
    row("tPlaats", Soort::TextBox, 240, 5400, 5495, 380, true, Qt::ArrowCursor);
    row("Routes", Soort::ComboBox, 240, 6000, 5775, 360, true, hand);
    row("knopGoogleMaps", Soort::CommandButton, 240, 6480, 5775, 375, true, hand);
    row("Route", Soort::RouteBox, 240, 1440, 5775, 3615, true, Qt::IBeamCursor);
    row("Plaats", Soort::ComboBox, 240, 5400, 5775, 360, true, hand);
    row("knopRouteOpschonen", Soort::PictureButton, 0, 1920, 240, 240, true, hand);
    row("KnopRouteLeegmaken", Soort::PictureButton, 0, 2280, 240, 240, true, hand);
    row("knopGoogleMapsOpenen", Soort::PictureButton, 0, 6540, 240, 240, true, hand);
    row("LabelVoettekst", Soort::Label, 0, 6400, 6255, 615, true, GeenEigenCursor);
    row("knopPlaatsToevoegen", Soort::PictureButton, 0, 1560, 240, 240, true, hand);
    row("knopRouteToevoegen", Soort::PictureButton, 0, 1200, 240, 240, true, hand);
    row("knopRouteVerwijderen", Soort::PictureButton, 0, 6060, 240, 240, true, hand);
    row("Info", Soort::Label, 0, 0, 6255, 1095, true, hand);
    row("knopOngedaan", Soort::PictureButton, 5760, 1200, 240, 240, false, hand);
    row("knopPlaatsVerwijderen", Soort::PictureButton, 0, 5460, 240, 240, true, hand);
    row("LabelRoutes", Soort::Label, 240, 5760, 5775, 255, true, hand);
    row("LabelPlaatsen", Soort::Label, 240, 5160, 5775, 255, true, hand);
    row("LabelRoute", Soort::Label, 240, 1200, 5415, 255, true, hand);
}

void TestWindow::besturingen()
{
    QFETCH(QString, name);
    QFETCH(Soort, soort);
    QFETCH(float, left);
    QFETCH(float, top);
    QFETCH(float, width);
    QFETCH(float, height);
    QFETCH(bool, shown);
    QFETCH(int, cursor);

    FormFixture fx;
    QVERIFY(fx.show());
    QWidget* w = control(fx.f(), name);
    QVERIFY(w);
    QVERIFY(isSoort(w, soort));

    auto* maat = dynamic_cast<TwipsGeometry*>(w);
    QVERIFY(maat);
    QCOMPARE(maat->Left(), left);
    QCOMPARE(maat->Top(), top);
    QCOMPARE(maat->Width(), width);
    QCOMPARE(maat->Height(), height);
    QCOMPARE(w->geometry(), inPixels(left, top, width, height));

    QCOMPARE(w->isVisible(), shown);
    QVERIFY(w->toolTip().isEmpty());

    // The route box's text cursor lives on its viewport, as the editor sets it.
    QWidget* wijzer = soort == Soort::RouteBox ? static_cast<RouteBox*>(w)->viewport() : w;
    if (cursor == GeenEigenCursor) {
        QVERIFY(!wijzer->testAttribute(Qt::WA_SetCursor));
    } else {
        QVERIFY(wijzer->testAttribute(Qt::WA_SetCursor));
        QCOMPARE(int(wijzer->cursor().shape()), cursor);
    }

    // Labels and picture buttons never take the focus.
    if (soort == Soort::Label || soort == Soort::PictureButton)
        QCOMPARE(w->focusPolicy(), Qt::NoFocus);
}

void TestWindow::negentienBesturingen()
{
    FormFixture fx;
    QVERIFY(fx.show());
    int count = 0;
    for (QWidget* w : fx.f().findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        count += dynamic_cast<TwipsGeometry*>(w) ? 1 : 0;
    QCOMPARE(count, 19);
    // No tool tip anywhere, not even inside a control.
    for (QWidget* w : fx.f().findChildren<QWidget*>())
        QVERIFY2(w->toolTip().isEmpty(), qPrintable(w->objectName()));
    QVERIFY(fx.f().toolTip().isEmpty());
    QCOMPARE(fx.f().objectName(), s("frmZwervel"));
    QCOMPARE(fx.f().windowTitle(), s("Zwervel"));
    QVERIFY(!fx.f().windowIcon().isNull());
    // The bare window shows the platform's own cursor.
    QVERIFY(!fx.f().testAttribute(Qt::WA_SetCursor));
}

void TestWindow::opschriften()
{
    FormFixture fx;
    frmZwervel& f = fx.f();
    QCOMPARE(f.knopGoogleMaps.text(), s("Zwervel tonen"));
    QCOMPARE(f.LabelRoutes.Caption(), s(" Lijst met Routes"));
    QCOMPARE(f.LabelPlaatsen.Caption(), s(" Lijst met Plaatsen"));
    QCOMPARE(f.LabelRoute.Caption(), s(" Route aan lijst met Routes toevoegen"));
    QCOMPARE(f.LabelVoettekst.Caption(), QString());
    // What the labels show keeps the leading spaces too.
    QCOMPARE(f.LabelRoute.text(), s(" Route aan lijst met Routes toevoegen"));
    QVERIFY(f.tPlaats.Text().isEmpty());
    QVERIFY(f.tRoutes.Text().isEmpty());
}

void TestWindow::kleuren()
{
    FormFixture fx;
    frmZwervel& f = fx.f();
    const QColor mint(0xF4, 0xFF, 0xF7), list(0xE6, 0xFF, 0xEC), strook(0xC6, 0xD9, 0xF1);
    QVERIFY(f.autoFillBackground());
    QCOMPARE(f.palette().color(QPalette::Window), mint);
    QVERIFY(fx.show());
    for (ComboBox* l : {&f.Plaats, &f.Routes}) {
        QCOMPARE(l->palette().color(QPalette::Base), list);
        QCOMPARE(l->palette().color(QPalette::Button), list);
        // The open list too, which the platform would draw in its menu colours.
        l->AddItem(s("Utrecht"));
        l->OpenList();
        QTRY_VERIFY(l->view()->isVisible());
        QCOMPARE(l->view()->palette().color(QPalette::Base), list);
        QCOMPARE(l->view()->palette().color(QPalette::Window), list);
        l->hidePopup();
    }
    QCOMPARE(f.knopGoogleMaps.palette().color(QPalette::Button), strook);
    for (Label* l : {&f.Info, &f.LabelVoettekst}) {
        QVERIFY(l->autoFillBackground());
        QCOMPARE(l->palette().color(QPalette::Window), strook);
    }
    QCOMPARE(f.Info.palette().color(QPalette::WindowText), QColor(0x00, 0x80, 0x00));
    for (Label* l : {&f.LabelRoutes, &f.LabelPlaatsen, &f.LabelRoute})
        QVERIFY(!l->autoFillBackground());
}

void TestWindow::lettertypen()
{
    FormFixture fx;
    frmZwervel& f = fx.f();
    for (QWidget* w : f.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!dynamic_cast<TwipsGeometry*>(w))
            continue;
        const QFont font = w->font();
        QCOMPARE(font.families().value(0), s("Arial"));
        QCOMPARE(font.pointSizeF(), w == &f.Info ? 8.25 : 9.75);
        QVERIFY(!font.bold() && !font.italic() && !font.underline());
    }
    // Arial itself, or its metric twin where Arial is absent.
    if (!QFontDatabase::hasFamily(s("Arial")) && !QFontDatabase::hasFamily(s("Liberation Sans")))
        QSKIP("neither Arial nor Liberation Sans is installed");
    const QString gekregen = QFontInfo(f.Route.font()).family();
    QVERIFY2(gekregen == s("Arial") || gekregen == s("Liberation Sans"), qPrintable(gekregen));
}

void TestWindow::plaatjesZoalsGetekend_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("picture");
    const auto row = [](const char* button, const char* picture) {
        QTest::newRow(button) << QString::fromLatin1(button) << QString::fromLatin1(picture);
    };
    row("knopRouteOpschonen", "cross-grey");
    row("KnopRouteLeegmaken", "cross-red");
    row("knopGoogleMapsOpenen", "map");
    row("knopPlaatsToevoegen", "plus-outline");
    row("knopRouteToevoegen", "plus-filled");
    row("knopRouteVerwijderen", "cross-red");
    row("knopOngedaan", "undo");
    row("knopPlaatsVerwijderen", "cross-red");
    row("frmZwervel", "window");
}

void TestWindow::plaatjesZoalsGetekend()
{
    // A button shows exactly what its drawing gives at its size, and the window's icon what
    // it gives at every size a desktop asks for.
    QFETCH(QString, button);
    QFETCH(QString, picture);
    FormFixture fx;
    frmZwervel& f = fx.f();
    QSvgRenderer tekening(QStringLiteral(ZWERVEL_PICTURES_DIR "/") + picture + QStringLiteral(".svg"));
    QVERIFY(tekening.isValid());
    const auto getekend = [&tekening](int maat, const QColor& achtergrond) {
        QImage image(maat, maat, QImage::Format_ARGB32_Premultiplied);
        image.fill(achtergrond);
        QPainter schilder(&image);
        schilder.setRenderHint(QPainter::Antialiasing);
        tekening.render(&schilder);
        return image;
    };
    if (button == s("frmZwervel")) {
        for (const int maat : {16, 24, 32, 48, 64}) {
            const QImage icon = f.windowIcon().pixmap(QSize(maat, maat)).toImage().convertToFormat(
                QImage::Format_ARGB32_Premultiplied);
            QVERIFY2(zelfdeBeeld(icon, getekend(maat, Qt::transparent)), qPrintable(QString::number(maat)));
        }
        return;
    }
    auto* control = f.findChild<QWidget*>(button);
    QVERIFY(control);
    const QImage shown = control->grab().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QCOMPARE(shown.size(), QSize(16, 16));
    QVERIFY(zelfdeBeeld(shown, getekend(16, f.palette().color(QPalette::Window))));
}

void TestWindow::tabVolgorde()
{
    FormFixture fx;
    QVERIFY(fx.show());
    frmZwervel& f = fx.f();
    QTRY_COMPARE(QApplication::focusWidget(), &f.Route);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), &f.knopGoogleMaps);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), &f.Plaats);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), &f.Routes);
    // Tab in the route box moves on; it never types a tab.
    QVERIFY(f.Route.Text().isEmpty());
}

void TestWindow::hulpteksten()
{
    FormFixture fx;
    frmZwervel& f = fx.f();
    QCOMPARE(f.VoorbeeldTekst,
             s("  Voorbeeld: Nieuwegein / 48.860997, 2.352563 (Parijs) / Rome, Colosseum (reis)"));
    QCOMPARE(f.InfoTekst,
             s(" Gebruik Enter of schuine streep  / voor plaats, postcode, museum, hotel, e.d.\r\n"
               "  Gebruik komma , voor extra informatie\r\n"
               "  Gebruik open- en sluithaakjes ( en ) voor informatie\r\n"
               "\r\n"
               "  Voorbeeld: Nieuwegein / 48.860997, 2.352563 (Parijs) / Rome, Colosseum (reis)"));
    QCOMPARE(f.InfoTekst.split(s("\r\n")).size(), qsizetype(5));
    QCOMPARE(f.InfoTekst.count(u'\n'), f.InfoTekst.count(s("\r\n")));
}

void TestWindow::vakSelecteren()
{
    FormFixture fx;
    QVERIFY(fx.show());
    frmZwervel& f = fx.f();
    f.Route.setText(s("Delft\r\nGouda"));
    f.Route.setSelStart(3);
    f.Plaats.SetFocus();
    QVERIFY(f.Plaats.hasFocus());

    f.VakSelecteren(f.Route);
    QVERIFY(f.Route.hasFocus());
    QCOMPARE(f.Route.SelStart(), 0);
    QCOMPARE(f.Route.SelLength(), 12);
    QCOMPARE(f.Route.SelText(), f.Route.Text());
    QCOMPARE(f.Route.textCursor().anchor(), 0);
    QVERIFY(fx.platform.questions.isEmpty());
}

void TestWindow::vakSelecterenVerborgen()
{
    // Before the window is shown the focus cannot be given: the selection is set all the same,
    // and nothing is reported.
    FormFixture fx;
    frmZwervel& f = fx.f();
    f.Route.setText(s("Den Haag"));
    f.Route.setSelStart(4);
    f.VakSelecteren(f.Route);
    QCOMPARE(f.Route.SelStart(), 0);
    QCOMPARE(f.Route.SelLength(), 8);
    QVERIFY(!f.Route.hasFocus());
    QVERIFY(fx.platform.questions.isEmpty());
    QVERIFY(fx.platform.terminated.isEmpty());
    QCOMPARE(fx.platform.beeps, 0);
}

void TestWindow::routeGestriptVeranderdNiets()
{
    FormFixture fx;
    QVERIFY(fx.show());
    frmZwervel& f = fx.f();
    const QString text = s(" Utrecht \r\n\r\nDelft (x)\r\n");
    f.Route.setText(text);
    f.Route.setSelStart(4);
    f.Route.setSelLength(5);
    f.Plaats.SetFocus();
    QCOMPARE(f.RouteGestript(false, false), s("Utrecht/Delft (x)"));
    QCOMPARE(f.RouteGestript(true, true), s("Utrecht/Delft "));
    QCOMPARE(f.TussenHakenVerwijderen(s("a (b) c")), s("a  c"));
    QCOMPARE(f.Route.Text(), text);
    QCOMPARE(f.Route.SelStart(), 4);
    QCOMPARE(f.Route.SelLength(), 5);
    QVERIFY(f.Plaats.hasFocus());
}

void TestWindow::routeGestriptZoalsDeTekst_data()
{
    QTest::addColumn<QString>("text"); // put in the box whole
    QTest::addColumn<QStringList>("getypt"); // then typed after it, Enter between the lines
    QTest::addColumn<QString>("verwacht");
    QTest::newRow("regels") << s(" Utrecht \r\n\r\nDelft (x)\r\n") << QStringList()
                            << s("Utrecht/Delft (x)");
    // The box keeps a lone CR or LF as a line break of its own.
    QTest::newRow("losse LF en CR") << s("a\nb\rc / C") << QStringList() << s("a/b/C");
    QTest::newRow("CR voor regeleinde") << s("a\r\r\nb") << QStringList() << s("a/b");
    QTest::newRow("alinea-einde geplakt") << s("Ede\u2029 Zeist") << QStringList() << s("Ede/Zeist");
    // A line separator is no line break in the text, so it stays within its place.
    QTest::newRow("regelscheiding") << s("Ede\u2028Zeist / x") << QStringList()
                                    << s("Ede\u2028Zeist/x");
    QTest::newRow("getypt") << QString()
                            << QStringList{s("  Utrecht"), s("utrecht / Ede  "), s(""), s(" Zeist")}
                            << s("utrecht/Ede/Zeist");
    QTest::newRow("leeg") << QString() << QStringList() << QString();
}

void TestWindow::routeGestriptZoalsDeTekst()
{
    // The route is read from the box's own text; it must give what the box's Text gives.
    QFETCH(QString, text);
    QFETCH(QStringList, getypt);
    QFETCH(QString, verwacht);
    FormFixture fx;
    QVERIFY(fx.show());
    frmZwervel& f = fx.f();
    f.Route.setText(text);
    f.Route.SetFocus();
    for (qsizetype i = 0; i < getypt.size(); ++i) {
        if (i > 0)
            QTest::keyClick(&f.Route, Qt::Key_Return);
        QTest::keyClicks(&f.Route, getypt.at(i));
    }
    QCOMPARE(f.RouteGestript(false, false), verwacht);
    for (const bool dubbel : {false, true})
        for (const bool haken : {false, true})
            QCOMPARE(f.RouteGestript(dubbel, haken), routeNormalForm(f.Route.Text(), dubbel, haken));
}

void TestWindow::nullIsLeeg()
{
    FormFixture fx;
    const QString leeg = fx.f().NullIsLeeg(QString());
    QVERIFY(leeg.isEmpty());
    QVERIFY(!leeg.isNull());
    QCOMPARE(fx.f().NullIsLeeg(s("Delft")), s("Delft"));
}

void TestWindow::routeTonen_data()
{
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::newRow("links") << Qt::LeftButton << Qt::KeyboardModifiers();
    QTest::newRow("rechts") << Qt::RightButton << Qt::KeyboardModifiers();
    QTest::newRow("midden") << Qt::MiddleButton << Qt::KeyboardModifiers();
    QTest::newRow("links met Shift en Ctrl")
        << Qt::LeftButton << Qt::KeyboardModifiers(Qt::ShiftModifier | Qt::ControlModifier);
}

void TestWindow::routeTonen()
{
    QFETCH(Qt::MouseButton, button);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    FormFixture fx;
    QVERIFY(fx.show());
    frmZwervel& f = fx.f();
    f.Route.setText(s("Utrecht"));
    f.VakSelecteren(f.Route);
    f.Route.setSelStart(2);
    f.OngedaanTekst = s("vorige");

    QTest::mouseClick(&f.knopGoogleMaps, button, modifiers);
    QCOMPARE(fx.platform.addresses, QStringList{Richting + s("Utrecht/Utrecht")});
    // Nothing in the window changes.
    QCOMPARE(f.Route.Text(), s("Utrecht"));
    QCOMPARE(f.Route.SelStart(), 2);
    QCOMPARE(f.OngedaanTekst, s("vorige"));
    QVERIFY(!f.knopOngedaan.isVisible());
    QVERIFY(fx.platform.questions.isEmpty());

    // Called directly, as the other right clicks do: the same address.
    f.Route.setText(QString());
    f.knopGoogleMaps_MouseUp(Qt::LeftButton, 0, 0, 0);
    QCOMPARE(fx.platform.addresses.constLast(), Richting);
}

void TestWindow::routeTonenNietMetToetsen()
{
    FormFixture fx;
    QVERIFY(fx.show());
    frmZwervel& f = fx.f();
    f.Route.setText(s("Utrecht"));
    f.knopGoogleMaps.setFocus();
    QTRY_VERIFY(f.knopGoogleMaps.hasFocus());
    QTest::keyClick(&f.knopGoogleMaps, Qt::Key_Space);
    QTest::keyClick(&f.knopGoogleMaps, Qt::Key_Return);
    QTest::keyClick(&f.knopGoogleMaps, Qt::Key_Enter);
    QVERIFY(fx.platform.addresses.isEmpty());
}

void TestWindow::infoVoorbeeld_data()
{
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::newRow("links") << Qt::LeftButton;
    QTest::newRow("midden") << Qt::MiddleButton;
}

void TestWindow::infoVoorbeeld()
{
    QFETCH(Qt::MouseButton, button);
    FormFixture fx;
    QVERIFY(fx.show());
    frmZwervel& f = fx.f();
    f.Route.setText(s("Delft\r\nGouda"));
    f.Plaats.SetFocus();

    QTest::mouseClick(&f.Info, button);
    QCOMPARE(f.Route.Text(), Voorbeeld);
    QCOMPARE(f.OngedaanTekst, s("Delft\r\nGouda"));
    QVERIFY(f.Route.hasFocus());
    QCOMPARE(f.Route.SelStart(), 0);
    QCOMPARE(f.Route.SelLength(), int(Voorbeeld.size()));
    QVERIFY(f.knopOngedaan.isVisible());
    QVERIFY(fx.platform.addresses.isEmpty());
}

void TestWindow::infoTweemaal()
{
    FormFixture fx;
    QVERIFY(fx.show());
    frmZwervel& f = fx.f();
    // An empty route box is stored as well.
    QTest::mouseClick(&f.Info, Qt::LeftButton);
    QCOMPARE(f.OngedaanTekst, QString());
    QVERIFY(f.knopOngedaan.isVisible());
    // The second click stores the example itself, and still offers the undo.
    QTest::mouseClick(&f.Info, Qt::LeftButton);
    QCOMPARE(f.OngedaanTekst, Voorbeeld);
    QCOMPARE(f.Route.Text(), Voorbeeld);
    QVERIFY(f.knopOngedaan.isVisible());
}

void TestWindow::infoRechts()
{
    FormFixture fx;
    QVERIFY(fx.show());
    frmZwervel& f = fx.f();
    f.Route.setText(s("Utrecht / Delft (x)"));
    QTest::mouseClick(&f.Info, Qt::RightButton);
    QCOMPARE(fx.platform.addresses, QStringList{Richting + s("Utrecht/Delft%20")});
    QCOMPARE(f.Route.Text(), s("Utrecht / Delft (x)"));
    QCOMPARE(f.OngedaanTekst, QString());
    QVERIFY(!f.knopOngedaan.isVisible());
}

void TestWindow::startpagina()
{
    FormFixture fx;
    QVERIFY(fx.show());
    frmZwervel& f = fx.f();
    f.Route.setText(s("Utrecht"));
    QTest::mouseClick(&f.knopGoogleMapsOpenen, Qt::RightButton);
    QVERIFY(fx.platform.addresses.isEmpty());
    QTest::mouseClick(&f.knopGoogleMapsOpenen, Qt::LeftButton);
    QCOMPARE(fx.platform.addresses,
             QStringList{QString::fromLatin1(MapBaseAddress) + QStringLiteral("/maps")});
    QCOMPARE(f.Route.Text(), s("Utrecht"));
}

void TestWindow::foutInHandler()
{
    const QByteArray oud = "route=Utrecht\r\nplaats=\r\nroutes=\r\n";

    // Closed in the normal way, the window writes its route.
    {
        FormFixture fx(&oud);
        QVERIFY(fx.show());
        fx.f().Route.setText(s("Delft"));
        fx.f().close();
        QVERIFY(bestandInhoud(fx.configPath()).contains("route=Delft"));
    }

    FormFixture fx(&oud);
    QVERIFY(fx.show());
    frmZwervel& f = fx.f();
    f.Route.setText(s("Delft"));
    f.runHandler([] { throw std::runtime_error("schijf vol"); });
    QCOMPARE(fx.platform.questions.size(), qsizetype(1));
    const Question message = fx.platform.questions.constFirst();
    QCOMPARE(message.icon, Question::Icon::Error);
    QCOMPARE(message.buttons, Question::Buttons::OK);
    QVERIFY2(message.text.contains(s("schijf vol")), qPrintable(message.text));
    QCOMPARE(fx.platform.terminated, QList<int>{1});
    QVERIFY(f.aborted());

    // Reported once: nothing runs any more, not even another failure.
    bool gedraaid = false;
    f.runHandler([&gedraaid] { gedraaid = true; });
    f.runHandler([] { throw 42; });
    QVERIFY(!gedraaid);
    QCOMPARE(fx.platform.questions.size(), qsizetype(1));
    QCOMPARE(fx.platform.terminated.size(), qsizetype(1));

    // And the close that follows does not save: the file is as it was.
    f.close();
    QCOMPARE(bestandInhoud(fx.configPath()), oud);
}

void TestWindow::schermafdruk()
{
    const QString path = qEnvironmentVariable("ZWERVEL_SCREENSHOT");
    if (path.isEmpty())
        QSKIP("ZWERVEL_SCREENSHOT names no file for the picture");
    FormFixture fx;
    QVERIFY(fx.show());
    const QPixmap image = fx.f().grab();
    QCOMPARE(image.size() / image.devicePixelRatio(), fx.f().size());
    QVERIFY(image.save(path, "PNG"));
}

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
