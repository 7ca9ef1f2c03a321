// The window as the form describes it, its help texts, VakSelecteren, the map-service buttons
// and the information label's clicks, and the report of a failing handler.
#include "route/RouteRules.h"
#include "support/FormFixture.h"
#include "support/TestHelpers.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontInfo>
#include <QImage>
#include <QPainter>
#ifdef ZWERVEL_SVG
#include <QSvgRenderer>
#endif
#include <QTest>

#include <cmath>
#include <cstdlib>
#include <stdexcept>

using namespace zwervel;

namespace {

const QString Directions = QString::fromLatin1(MapBaseAddress) + QStringLiteral("/maps/dir/");
const QString Example = s("Nieuwegein / 48.860997, 2.352563 (Parijs) / Rome, Colosseum (reis)");

enum class Kind { Label, TextBox, RouteBox, ComboBox, CommandButton, PictureButton };

// How the pointer looks over a control: the hand, a set shape, or whatever the window gives.
constexpr int NoOwnCursor = -1;

QWidget* control(frmZwervel& f, const QString& name)
{
    return f.findChild<QWidget*>(name, Qt::FindDirectChildrenOnly);
}

bool isKind(QWidget* w, Kind kind)
{
    switch (kind) {
    case Kind::Label:
        return dynamic_cast<Label*>(w);
    case Kind::TextBox:
        return dynamic_cast<TextBox*>(w);
    case Kind::RouteBox:
        return dynamic_cast<RouteBox*>(w);
    case Kind::ComboBox:
        return dynamic_cast<ComboBox*>(w);
    case Kind::CommandButton:
        return dynamic_cast<CommandButton*>(w);
    case Kind::PictureButton:
        return dynamic_cast<PictureButton*>(w);
    }
    return false;
}

QRect inPixels(float left, float top, float width, float height)
{
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                 twipsToPixels(height));
}

// The same picture, but for rounding: the icon draws into another pixel format, whose
// conversion may differ by a step or two in a channel.
bool samePicture(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return false;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            if (std::abs(qRed(p) - qRed(q)) > 2 || std::abs(qGreen(p) - qGreen(q)) > 2 ||
                std::abs(qBlue(p) - qBlue(q)) > 2 || std::abs(qAlpha(p) - qAlpha(q)) > 2)
                return false;
        }
    }
    return true;
}

// A desktop colour scheme by name: "desktop" leaves the application's own palette alone.
QPalette colourScheme(const QString& name)
{
    QPalette scheme = QApplication::palette();
    const auto set = [&scheme](QColor window, QColor base, QColor text, QColor button) {
        scheme.setColor(QPalette::Window, window);
        scheme.setColor(QPalette::WindowText, text);
        scheme.setColor(QPalette::Base, base);
        scheme.setColor(QPalette::AlternateBase, window);
        scheme.setColor(QPalette::Text, text);
        scheme.setColor(QPalette::Button, button);
        scheme.setColor(QPalette::ButtonText, text);
        scheme.setColor(QPalette::ToolTipBase, window);
        scheme.setColor(QPalette::ToolTipText, text);
        scheme.setColor(QPalette::Light, button.lighter(150));
        scheme.setColor(QPalette::Midlight, button.lighter(120));
        scheme.setColor(QPalette::Mid, button.darker(120));
        scheme.setColor(QPalette::Dark, button.darker(150));
        scheme.setColor(QPalette::Shadow, Qt::black);
        scheme.setColor(QPalette::Highlight, QColor(0x2A, 0x82, 0xDA));
        scheme.setColor(QPalette::HighlightedText, Qt::black);
    };
    if (name == s("dark"))
        set(QColor(0x35, 0x35, 0x35), QColor(0x1E, 0x1E, 0x1E), QColor(0xEE, 0xEE, 0xEE),
            QColor(0x45, 0x45, 0x45));
    else if (name == s("high contrast"))
        set(Qt::black, Qt::black, Qt::yellow, QColor(0x00, 0x00, 0x80));
    return scheme;
}

// The application's palette for as long as the guard lives; the one before comes back after.
class SchemeGuard {
public:
    explicit SchemeGuard(const QPalette& scheme) { QApplication::setPalette(scheme); }
    ~SchemeGuard() { QApplication::setPalette(m_before); }
    SchemeGuard(const SchemeGuard&) = delete;
    SchemeGuard& operator=(const SchemeGuard&) = delete;

private:
    QPalette m_before = QApplication::palette();
};

// How many pixels of a picture lie within `tolerance` of a colour in each channel.
int pixelsNear(const QImage& image, const QColor& colour, int tolerance)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor p = image.pixelColor(x, y);
            count += std::abs(p.red() - colour.red()) <= tolerance &&
                     std::abs(p.green() - colour.green()) <= tolerance &&
                     std::abs(p.blue() - colour.blue()) <= tolerance;
        }
    }
    return count;
}

// The window as it is drawn, cut to one rectangle of it (in the window's logical pixels).
QImage drawn(QWidget& window, const QRect& area)
{
    return window.grab(area).toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace

Q_DECLARE_METATYPE(Kind)

class TestWindow : public QObject {
    Q_OBJECT

private slots:
    void controls_data();
    void controls();
    void nineteenControls();
    void captions();
    void colours_data();
    void colours();
    void fonts();
    void picturesAsDrawn_data();
    void picturesAsDrawn();
    void atScale_data();
    void atScale();
    void scaleInEffect();
    void tabOrder();
    void helpTexts();
    void selectsWholeBox();
    void selectsWholeBoxWhileHidden();
    void strippedRouteChangesNothing();
    void strippedRouteFollowsBoxText_data();
    void strippedRouteFollowsBoxText();
    void nullBecomesEmpty();
    void showRoute_data();
    void showRoute();
    void showRouteNotByKeys();
    void infoShowsExample_data();
    void infoShowsExample();
    void infoTwice();
    void infoDoubleClickIsOneClick();
    void sideButtonsDoNothing_data();
    void sideButtonsDoNothing();
    void infoRightClick();
    void startPage();
    void failureInHandler();
    void screenshot_data();
    void screenshot();
};

void TestWindow::controls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<float>("left");
    QTest::addColumn<float>("top");
    QTest::addColumn<float>("width");
    QTest::addColumn<float>("height");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<int>("cursor");

    const int hand = Qt::PointingHandCursor;
    const auto row = [](const char* name, Kind kind, float l, float t, float w, float h, bool shown,
                        int cursor) {
        QTest::newRow(name) << QString::fromLatin1(name) << kind << l << t << w << h << shown
                            << cursor;
    };
    // The two fields as start-up lays them over their lists; the rest as designed.
    row("tRoutes", Kind::TextBox, 240, 6000, 5495, 380, true, Qt::ArrowCursor);
    row("tPlaats", Kind::TextBox, 240, 5400, 5495, 380, true, Qt::ArrowCursor);
    row("Routes", Kind::ComboBox, 240, 6000, 5775, 360, true, hand);
    row("knopGoogleMaps", Kind::CommandButton, 240, 6480, 5775, 375, true, hand);
    row("Route", Kind::RouteBox, 240, 1440, 5775, 3615, true, Qt::IBeamCursor);
    row("Plaats", Kind::ComboBox, 240, 5400, 5775, 360, true, hand);
    row("knopRouteOpschonen", Kind::PictureButton, 0, 1920, 240, 240, true, hand);
    row("KnopRouteLeegmaken", Kind::PictureButton, 0, 2280, 240, 240, true, hand);
    row("knopGoogleMapsOpenen", Kind::PictureButton, 0, 6540, 240, 240, true, hand);
    row("LabelVoettekst", Kind::Label, 0, 6400, 6255, 615, true, NoOwnCursor);
    row("knopPlaatsToevoegen", Kind::PictureButton, 0, 1560, 240, 240, true, hand);
    row("knopRouteToevoegen", Kind::PictureButton, 0, 1200, 240, 240, true, hand);
    row("knopRouteVerwijderen", Kind::PictureButton, 0, 6060, 240, 240, true, hand);
    row("Info", Kind::Label, 0, 0, 6255, 1095, true, hand);
    row("knopOngedaan", Kind::PictureButton, 5760, 1200, 240, 240, false, hand);
    row("knopPlaatsVerwijderen", Kind::PictureButton, 0, 5460, 240, 240, true, hand);
    row("LabelRoutes", Kind::Label, 240, 5760, 5775, 255, true, hand);
    row("LabelPlaatsen", Kind::Label, 240, 5160, 5775, 255, true, hand);
    row("LabelRoute", Kind::Label, 240, 1200, 5415, 255, true, hand);
}

void TestWindow::controls()
{
    QFETCH(QString, name);
    QFETCH(Kind, kind);
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
    QVERIFY(isKind(w, kind));

    auto* geometry = dynamic_cast<TwipsGeometry*>(w);
    QVERIFY(geometry);
    QCOMPARE(geometry->Left(), left);
    QCOMPARE(geometry->Top(), top);
    QCOMPARE(geometry->Width(), width);
    QCOMPARE(geometry->Height(), height);
    QCOMPARE(w->geometry(), inPixels(left, top, width, height));

    QCOMPARE(w->isVisible(), shown);
    QVERIFY(w->toolTip().isEmpty());

    // The route box's text cursor lives on its viewport, as the editor sets it.
    QWidget* pointerWidget = kind == Kind::RouteBox ? static_cast<RouteBox*>(w)->viewport() : w;
    if (cursor == NoOwnCursor) {
        QVERIFY(!pointerWidget->testAttribute(Qt::WA_SetCursor));
    } else {
        QVERIFY(pointerWidget->testAttribute(Qt::WA_SetCursor));
        QCOMPARE(int(pointerWidget->cursor().shape()), cursor);
    }

    // Labels and picture buttons never take the focus.
    if (kind == Kind::Label || kind == Kind::PictureButton)
        QCOMPARE(w->focusPolicy(), Qt::NoFocus);
}

void TestWindow::nineteenControls()
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

void TestWindow::captions()
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

void TestWindow::colours_data()
{
    QTest::addColumn<QString>("scheme");
    QTest::newRow("desktop") << s("desktop");
    QTest::newRow("dark") << s("dark");
    QTest::newRow("high contrast") << s("high contrast");
}

void TestWindow::colours()
{
    // The design's colours, whatever scheme the desktop hands the application: every text and
    // background a control uses is its own, none is inherited.
    QFETCH(QString, scheme);
    const SchemeGuard guard(colourScheme(scheme));
    FormFixture fx;
    frmZwervel& f = fx.f();
    const QColor mint(0xF4, 0xFF, 0xF7), list(0xE6, 0xFF, 0xEC), strip(0xC6, 0xD9, 0xF1);
    const QColor white(Qt::white), black(Qt::black), green(0x00, 0x80, 0x00);
    QVERIFY(f.autoFillBackground());
    QVERIFY(fx.show());

    using P = QPalette;
    const QList<std::tuple<QWidget*, P::ColorRole, QColor>> roles{
        {&f, P::Window, mint},
        {&f.Info, P::Window, strip},
        {&f.Info, P::WindowText, green},
        {&f.LabelVoettekst, P::Window, strip},
        {&f.LabelRoute, P::WindowText, black},
        {&f.LabelPlaatsen, P::WindowText, black},
        {&f.LabelRoutes, P::WindowText, black},
        {&f.Route, P::Base, white},
        {&f.Route, P::Text, black},
        {&f.tPlaats, P::Base, white},
        {&f.tPlaats, P::Text, black},
        {&f.tRoutes, P::Base, white},
        {&f.tRoutes, P::Text, black},
        {&f.Plaats, P::Base, list},
        {&f.Plaats, P::Button, list},
        {&f.Plaats, P::Text, black},
        {&f.Plaats, P::ButtonText, black},
        {&f.Routes, P::Base, list},
        {&f.Routes, P::Button, list},
        {&f.Routes, P::Text, black},
        {&f.Routes, P::ButtonText, black},
        {&f.knopGoogleMaps, P::Button, strip},
        {&f.knopGoogleMaps, P::ButtonText, black},
    };
    for (const auto& [w, role, colour] : roles) {
        for (const P::ColorGroup group : {P::Active, P::Inactive}) {
            const QByteArray what = w->objectName().toLatin1() + " role " +
                                    QByteArray::number(role) + " group " +
                                    QByteArray::number(group);
            QVERIFY2(w->palette().color(group, role) == colour, what);
        }
    }
    for (Label* l : {&f.Info, &f.LabelVoettekst})
        QVERIFY(l->autoFillBackground());
    // The captions lie on the window's mint.
    for (Label* l : {&f.LabelRoutes, &f.LabelPlaatsen, &f.LabelRoute})
        QVERIFY(!l->autoFillBackground());

    // And so they are drawn: dark captions and texts, the green help text, white boxes.
    f.Route.setText(s("Nieuwegein"));
    f.tPlaats.setText(s("Utrecht"));
    f.tRoutes.setText(s("Nieuwegein/Utrecht"));
    const auto darkPixels = [&f](QWidget& w) {
        return pixelsNear(drawn(f, w.geometry()), Qt::black, 0x40);
    };
    for (QWidget* w :
         std::initializer_list<QWidget*>{&f.LabelRoute, &f.LabelPlaatsen, &f.LabelRoutes,
                                         &f.knopGoogleMaps, &f.Route, &f.tPlaats, &f.tRoutes})
        QVERIFY2(darkPixels(*w) >= 10, qPrintable(w->objectName()));
    QVERIFY(pixelsNear(drawn(f, f.Info.geometry()), green, 0x30) >= 10);
    const QRect routeInside = f.Route.viewport()->geometry().translated(f.Route.pos());
    QCOMPARE(drawn(f, routeInside).pixelColor(routeInside.width() / 2, routeInside.height() / 2),
             white);
    for (TextBox* field : {&f.tPlaats, &f.tRoutes}) {
        const QRect end(field->geometry().right() - 8, field->geometry().center().y(), 1, 1);
        QCOMPARE(drawn(f, end).pixelColor(0, 0), white);
    }
    QCOMPARE(drawn(f, QRect(f.Info.geometry().center(), QSize(1, 1))).pixelColor(0, 0), strip);

    for (ComboBox* l : {&f.Plaats, &f.Routes}) {
        // The open list too, which the platform would draw in its menu colours.
        l->AddItems({s("Utrecht"), s("Zeist")});
        l->OpenList();
        QTRY_VERIFY(l->view()->isVisible());
        for (QWidget* part : {static_cast<QWidget*>(l->view()), l->view()->parentWidget()}) {
            QCOMPARE(part->palette().color(P::Base), list);
            QCOMPARE(part->palette().color(P::Window), list);
            QCOMPARE(part->palette().color(P::Text), black);
        }
        const QImage open = l->view()->viewport()->grab().toImage();
        // The row the pointer rests on is the desktop's; the other shows the list's colours.
        QCOMPARE(open.pixelColor(open.width() - 2, open.height() - 2), list);
        QVERIFY(pixelsNear(open.copy(0, open.height() / 2, open.width(), open.height() / 2),
                           Qt::black, 0x40) >= 10);
        l->hidePopup();
    }
}

void TestWindow::fonts()
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
    const QString actual = QFontInfo(f.Route.font()).family();
    QVERIFY2(actual == s("Arial") || actual == s("Liberation Sans"), qPrintable(actual));
}

void TestWindow::picturesAsDrawn_data()
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

void TestWindow::picturesAsDrawn()
{
    // A button shows exactly what its drawing gives at its size in device pixels, and the
    // window's icon what it gives at every size a desktop asks for: drawn at the screen's scale,
    // not a 16 × 16 picture enlarged.
#ifndef ZWERVEL_SVG
    QSKIP("this build carries its pictures as PNGs, made from the same drawings when built");
#else
    QFETCH(QString, button);
    QFETCH(QString, picture);
    FormFixture fx;
    frmZwervel& f = fx.f();
    QVERIFY(fx.show());
    const qreal scale = f.devicePixelRatioF();
    QSvgRenderer drawing(QStringLiteral(ZWERVEL_PICTURES_DIR "/") + picture +
                         QStringLiteral(".svg"));
    QVERIFY(drawing.isValid());
    const auto drawn = [&drawing](int size, const QColor& background) {
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(background);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        drawing.render(&painter);
        return image;
    };
    const auto scaled = [scale](int size) { return int(std::lround(size * scale)); };
    if (button == s("frmZwervel")) {
        for (const int size : {16, 24, 32, 48, 64}) {
            const QImage icon = f.windowIcon()
                                    .pixmap(QSize(size, size), scale)
                                    .toImage()
                                    .convertToFormat(QImage::Format_ARGB32_Premultiplied);
            QCOMPARE(icon.size(), QSize(scaled(size), scaled(size)));
            QVERIFY2(samePicture(icon, drawn(scaled(size), Qt::transparent)),
                     qPrintable(QString::number(size)));
        }
        return;
    }
    auto* widget = f.findChild<QWidget*>(button);
    QVERIFY(widget);
    const QImage shown =
        widget->grab().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QColor background = f.palette().color(QPalette::Window);
    QCOMPARE(shown.size(), QSize(scaled(16), scaled(16)));
    QVERIFY(samePicture(shown, drawn(scaled(16), background)));
    if (scale > 1) {
        // The comparison tells the two apart: the small picture enlarged is not the same.
        const QImage enlarged = drawn(16, background).scaled(shown.size());
        QVERIFY(!samePicture(shown, enlarged));
    }
#endif
}

void TestWindow::atScale_data()
{
    QTest::addColumn<QByteArray>("scale");
    for (const char* scale : {"1.25", "1.5", "2"})
        QTest::newRow(scale) << QByteArray(scale);
}

void TestWindow::atScale()
{
    // Qt reads its scale factor once, when the application starts: the pictures and colours
    // are checked again in a child process of this program started at each scale.
    QFETCH(QByteArray, scale);
    bool passed = false;
    const QByteArray output =
        runAtScale(scale, {s("picturesAsDrawn"), s("colours"), s("scaleInEffect")}, passed);
    QVERIFY2(passed, output);
}

void TestWindow::scaleInEffect()
{
    // Run by atScale at each scale: the window is drawn at the scale the process was given.
    FormFixture fx;
    QVERIFY(fx.show());
    const double scale = qEnvironmentVariableIsSet("QT_SCALE_FACTOR")
                             ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble()
                             : 1.0;
    QCOMPARE(fx.f().devicePixelRatioF(), scale);
}

void TestWindow::tabOrder()
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
    // The fields take no Tab (they would hand the focus back to their list for ever): Tab goes
    // round to the route box, and Shift+Tab the other way.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), &f.Route);
    for (QWidget* expected :
         std::initializer_list<QWidget*>{&f.Routes, &f.Plaats, &f.knopGoogleMaps, &f.Route}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), expected);
    }
    // Tab in the route box moves on; it never types a tab.
    QVERIFY(f.Route.Text().isEmpty());
}

void TestWindow::helpTexts()
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

void TestWindow::selectsWholeBox()
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
    // The caret at the start, so that a long route shows its first places.
    QCOMPARE(f.Route.textCursor().position(), 0);
    QVERIFY(fx.platform.questions.isEmpty());
}

void TestWindow::selectsWholeBoxWhileHidden()
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

void TestWindow::strippedRouteChangesNothing()
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

void TestWindow::strippedRouteFollowsBoxText_data()
{
    QTest::addColumn<QString>("text");      // put in the box whole
    QTest::addColumn<QStringList>("typed"); // then typed after it, Enter between the lines
    QTest::addColumn<QString>("expected");
    QTest::newRow("lines") << s(" Utrecht \r\n\r\nDelft (x)\r\n") << QStringList()
                           << s("Utrecht/Delft (x)");
    // The box keeps a lone CR or LF as a line break of its own.
    QTest::newRow("lone LF and CR") << s("a\nb\rc / C") << QStringList() << s("a/b/C");
    QTest::newRow("CR before line break") << s("a\r\r\nb") << QStringList() << s("a/b");
    QTest::newRow("paragraph end pasted")
        << s("Ede\u2029 Zeist") << QStringList() << s("Ede/Zeist");
    // The box shows a line separator as a new line: it separates places like any line break.
    QTest::newRow("line separator") << s("Ede\u2028Zeist / x") << QStringList() << s("Ede/Zeist/x");
    QTest::newRow("typed") << QString()
                           << QStringList{s("  Utrecht"), s("utrecht / Ede  "), s(""), s(" Zeist")}
                           << s("utrecht/Ede/Zeist");
    QTest::newRow("empty") << QString() << QStringList() << QString();
}

void TestWindow::strippedRouteFollowsBoxText()
{
    // The route is read from the box's own text; it must give what the box's Text gives.
    QFETCH(QString, text);
    QFETCH(QStringList, typed);
    QFETCH(QString, expected);
    FormFixture fx;
    QVERIFY(fx.show());
    frmZwervel& f = fx.f();
    f.Route.setText(text);
    f.Route.SetFocus();
    for (qsizetype i = 0; i < typed.size(); ++i) {
        if (i > 0)
            QTest::keyClick(&f.Route, Qt::Key_Return);
        QTest::keyClicks(&f.Route, typed.at(i));
    }
    QCOMPARE(f.RouteGestript(false, false), expected);
    for (const bool doubled : {false, true})
        for (const bool brackets : {false, true})
            QCOMPARE(f.RouteGestript(doubled, brackets),
                     routeNormalForm(f.Route.Text(), doubled, brackets));
}

void TestWindow::nullBecomesEmpty()
{
    FormFixture fx;
    const QString empty = fx.f().NullIsLeeg(QString());
    QVERIFY(empty.isEmpty());
    QVERIFY(!empty.isNull());
    QCOMPARE(fx.f().NullIsLeeg(s("Delft")), s("Delft"));
}

void TestWindow::showRoute_data()
{
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::newRow("left") << Qt::LeftButton << Qt::KeyboardModifiers();
    QTest::newRow("right") << Qt::RightButton << Qt::KeyboardModifiers();
    QTest::newRow("middle") << Qt::MiddleButton << Qt::KeyboardModifiers();
    QTest::newRow("left with Shift and Ctrl")
        << Qt::LeftButton << Qt::KeyboardModifiers(Qt::ShiftModifier | Qt::ControlModifier);
}

void TestWindow::showRoute()
{
    QFETCH(Qt::MouseButton, button);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    FormFixture fx;
    QVERIFY(fx.show());
    frmZwervel& f = fx.f();
    f.Route.setText(s("Utrecht"));
    f.VakSelecteren(f.Route);
    f.Route.setSelStart(2);
    f.OngedaanTekst = s("previous");

    QTest::mouseClick(&f.knopGoogleMaps, button, modifiers);
    QCOMPARE(fx.platform.addresses, QStringList{Directions + s("Utrecht/Utrecht")});
    // Nothing in the window changes.
    QCOMPARE(f.Route.Text(), s("Utrecht"));
    QCOMPARE(f.Route.SelStart(), 2);
    QCOMPARE(f.OngedaanTekst, s("previous"));
    QVERIFY(!f.knopOngedaan.isVisible());
    QVERIFY(fx.platform.questions.isEmpty());

    // Called directly, as the other right clicks do: the same address.
    f.Route.setText(QString());
    f.knopGoogleMaps_MouseUp(Qt::LeftButton, 0, 0, 0);
    QCOMPARE(fx.platform.addresses.constLast(), Directions);
}

void TestWindow::showRouteNotByKeys()
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

void TestWindow::infoShowsExample_data()
{
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::newRow("left") << Qt::LeftButton;
    QTest::newRow("middle") << Qt::MiddleButton;
}

void TestWindow::infoShowsExample()
{
    QFETCH(Qt::MouseButton, button);
    FormFixture fx;
    QVERIFY(fx.show());
    frmZwervel& f = fx.f();
    f.Route.setText(s("Delft\r\nGouda"));
    f.Plaats.SetFocus();

    QTest::mouseClick(&f.Info, button);
    QCOMPARE(f.Route.Text(), Example);
    QCOMPARE(f.OngedaanTekst, s("Delft\r\nGouda"));
    QVERIFY(f.Route.hasFocus());
    QCOMPARE(f.Route.SelStart(), 0);
    QCOMPARE(f.Route.SelLength(), int(Example.size()));
    QVERIFY(f.knopOngedaan.isVisible());
    QVERIFY(fx.platform.addresses.isEmpty());
}

void TestWindow::infoTwice()
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
    QCOMPARE(f.OngedaanTekst, Example);
    QCOMPARE(f.Route.Text(), Example);
    QVERIFY(f.knopOngedaan.isVisible());
}

void TestWindow::infoDoubleClickIsOneClick()
{
    // Both releases of a double click would load the example: the undo would then bring back
    // only the example, and the route box's own undo history would be gone.
    FormFixture fx;
    QVERIFY(fx.show());
    frmZwervel& f = fx.f();
    f.Route.setText(s("Delft\r\nGouda"));
    QTest::mouseClick(&f.Info, Qt::LeftButton);
    QTest::mouseDClick(&f.Info, Qt::LeftButton);
    QTest::mouseRelease(&f.Info, Qt::LeftButton);
    QCOMPARE(f.Route.Text(), Example);
    QCOMPARE(f.OngedaanTekst, s("Delft\r\nGouda"));
    QTest::mouseClick(&f.knopOngedaan, Qt::LeftButton);
    QCOMPARE(f.Route.Text(), s("Delft\r\nGouda"));
}

void TestWindow::sideButtonsDoNothing_data()
{
    QTest::addColumn<QString>("control");
    QTest::newRow("Info") << s("Info");
    QTest::newRow("knopPlaatsVerwijderen") << s("knopPlaatsVerwijderen");
    QTest::newRow("knopRouteVerwijderen") << s("knopRouteVerwijderen");
    QTest::newRow("knopGoogleMaps") << s("knopGoogleMaps");
    QTest::newRow("bare window") << s("frmZwervel");
}

void TestWindow::sideButtonsDoNothing()
{
    // A mouse's back and forward buttons are none of the form's: no example, no question, no
    // address.
    QFETCH(QString, control);
    FormFixture fx;
    QVERIFY(fx.show());
    frmZwervel& f = fx.f();
    f.Route.setText(s("Delft"));
    f.Plaats.AddItems({s("Ede")});
    QWidget* target = control == s("frmZwervel") ? &f : f.findChild<QWidget*>(control);
    QVERIFY(target);
    const QPoint where = target == &f ? QPoint(2, 100) : QPoint(3, 3);
    for (const Qt::MouseButton button : {Qt::BackButton, Qt::ForwardButton})
        QTest::mouseClick(target, button, {}, where);
    QCOMPARE(f.Route.Text(), s("Delft"));
    QVERIFY(fx.platform.questions.isEmpty());
    QVERIFY(fx.platform.addresses.isEmpty());
    QCOMPARE(fx.platform.beeps, 0);
}

void TestWindow::infoRightClick()
{
    FormFixture fx;
    QVERIFY(fx.show());
    frmZwervel& f = fx.f();
    f.Route.setText(s("Utrecht / Delft (x)"));
    QTest::mouseClick(&f.Info, Qt::RightButton);
    QCOMPARE(fx.platform.addresses, QStringList{Directions + s("Utrecht/Delft%20")});
    QCOMPARE(f.Route.Text(), s("Utrecht / Delft (x)"));
    QCOMPARE(f.OngedaanTekst, QString());
    QVERIFY(!f.knopOngedaan.isVisible());
}

void TestWindow::startPage()
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

void TestWindow::failureInHandler()
{
    const QByteArray original = "route=Utrecht\r\nplaats=\r\nroutes=\r\n";

    // Closed in the normal way, the window writes its route.
    {
        FormFixture fx(&original);
        QVERIFY(fx.show());
        fx.f().Route.setText(s("Delft"));
        fx.f().close();
        QVERIFY(readFile(fx.configPath()).contains("route=Delft"));
    }

    FormFixture fx(&original);
    QVERIFY(fx.show());
    frmZwervel& f = fx.f();
    f.Route.setText(s("Delft"));
    f.runHandler([] { throw std::runtime_error("disk full"); });
    QCOMPARE(fx.platform.questions.size(), qsizetype(1));
    const Question message = fx.platform.questions.constFirst();
    QCOMPARE(message.icon, Question::Icon::Error);
    QCOMPARE(message.buttons, Question::Buttons::OK);
    QVERIFY2(message.text.contains(s("disk full")), qPrintable(message.text));
    QCOMPARE(fx.platform.terminated, QList<int>{1});
    QVERIFY(f.aborted());

    // Reported once: nothing runs any more, not even another failure.
    bool ran = false;
    f.runHandler([&ran] { ran = true; });
    f.runHandler([] { throw 42; });
    QVERIFY(!ran);
    QCOMPARE(fx.platform.questions.size(), qsizetype(1));
    QCOMPARE(fx.platform.terminated.size(), qsizetype(1));

    // And the close that follows does not save: the file is as it was.
    f.close();
    QCOMPARE(readFile(fx.configPath()), original);
}

void TestWindow::screenshot_data()
{
    QTest::addColumn<QString>("scheme");
    QTest::newRow("desktop") << s("desktop");
    QTest::newRow("dark") << s("dark");
}

void TestWindow::screenshot()
{
    // ZWERVEL_SCREENSHOT names the picture under the desktop's own scheme; the one under a dark
    // scheme goes beside it, "-dark" added to its name.
    QFETCH(QString, scheme);
    QString path = qEnvironmentVariable("ZWERVEL_SCREENSHOT");
    if (path.isEmpty())
        QSKIP("ZWERVEL_SCREENSHOT names no file for the picture");
    if (scheme != s("desktop")) {
        const QFileInfo file(path);
        path = file.dir().filePath(file.completeBaseName() + s("-") + scheme + s(".png"));
    }
    const SchemeGuard guard(colourScheme(scheme));
    FormFixture fx;
    QVERIFY(fx.show());
    frmZwervel& f = fx.f();
    f.Route.setText(s("Nieuwegein\r\nUtrecht\r\nAmersfoort"));
    f.tPlaats.setText(s("Utrecht"));
    f.tRoutes.setText(s("Nieuwegein/Utrecht/Amersfoort"));
    f.knopOngedaan.setVisible(true);
    const QPixmap image = f.grab();
    QCOMPARE(image.size() / image.devicePixelRatio(), f.size());
    QVERIFY(image.save(path, "PNG"));
}

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
