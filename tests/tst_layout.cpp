// The layout when the window is resized, on the real window: the height stays, the width never
// drops below the start-up width, and the controls along the width follow it.
#include "support/FormFixture.h"
#include "support/TestHelpers.h"

#include <QDir>
#include <QImage>
#include <QTest>
#include <QWindow>

#include <cmath>

using namespace zwervel;

namespace {

// Designed geometry in twips after start-up (the fields laid over their lists), and what a
// change of width does to each control.
enum class Follows { Nothing, Width, Left };

struct Design {
    const char* name;
    float left, top, width, height;
    Follows follows;
};

const Design DesignTable[] = {
    {"tRoutes", 240, 6000, 5495, 380, Follows::Width},
    {"tPlaats", 240, 5400, 5495, 380, Follows::Width},
    {"Routes", 240, 6000, 5775, 360, Follows::Width},
    {"knopGoogleMaps", 240, 6480, 5775, 375, Follows::Width},
    {"Route", 240, 1440, 5775, 3615, Follows::Width},
    {"Plaats", 240, 5400, 5775, 360, Follows::Width},
    {"knopRouteOpschonen", 0, 1920, 240, 240, Follows::Nothing},
    {"KnopRouteLeegmaken", 0, 2280, 240, 240, Follows::Nothing},
    {"knopGoogleMapsOpenen", 0, 6540, 240, 240, Follows::Nothing},
    {"LabelVoettekst", 0, 6400, 6255, 615, Follows::Width},
    {"knopPlaatsToevoegen", 0, 1560, 240, 240, Follows::Nothing},
    {"knopRouteToevoegen", 0, 1200, 240, 240, Follows::Nothing},
    {"knopRouteVerwijderen", 0, 6060, 240, 240, Follows::Nothing},
    {"Info", 0, 0, 6255, 1095, Follows::Width},
    {"knopOngedaan", 5760, 1200, 240, 240, Follows::Left},
    {"knopPlaatsVerwijderen", 0, 5460, 240, 240, Follows::Nothing},
    {"LabelRoutes", 240, 5760, 5775, 255, Follows::Width},
    {"LabelPlaatsen", 240, 5160, 5775, 255, Follows::Width},
    {"LabelRoute", 240, 1200, 5415, 255, Follows::Width},
};

constexpr int StartWidthTwips = 6195;
constexpr int StartHeightTwips = 6990;

int px(double twips)
{
    return int(std::lround(twips / 15.0));
}

TwipsGeometry* twips(QWidget* w)
{
    // Every control is a Control<...>, which carries its geometry in twips.
    if (auto* t = dynamic_cast<TwipsGeometry*>(w))
        return t;
    return nullptr;
}

// Every one of the nineteen controls where the layout for `delta` twips puts it: in twips
// through the wrappers, and at the pixels the widget actually occupies.
void compareGeometry(frmZwervel& f, int delta)
{
    for (const Design& d : DesignTable) {
        const QString name = QString::fromLatin1(d.name);
        QWidget* w = f.findChild<QWidget*>(name, Qt::FindDirectChildrenOnly);
        QVERIFY2(w, d.name);
        TwipsGeometry* g = twips(w);
        QVERIFY2(g, d.name);
        const float left = d.left + (d.follows == Follows::Left ? float(delta) : 0.0f);
        const float width = d.width + (d.follows == Follows::Width ? float(delta) : 0.0f);
        const QByteArray where = QByteArray(d.name) + " delta " + QByteArray::number(delta);
        QVERIFY2(g->Left() == left, where + " Left " + QByteArray::number(g->Left()));
        QVERIFY2(g->Top() == d.top, where + " Top");
        QVERIFY2(g->Width() == width, where + " Width " + QByteArray::number(g->Width()));
        QVERIFY2(g->Height() == d.height, where + " Height");
        QVERIFY2(w->geometry() == QRect(px(left), px(d.top), px(width), px(d.height)),
                 where + " pixels");
    }
}

void compareWindow(frmZwervel& f, int delta)
{
    QCOMPARE(f.Height(), float(StartHeightTwips));
    QCOMPARE(f.Width(), float(StartWidthTwips + delta));
    QCOMPARE(f.StartHoogte, StartHeightTwips);
    QCOMPARE(f.MinBreedte, StartWidthTwips);
    QCOMPARE(f.StartBreedte, StartWidthTwips + delta);
    compareGeometry(f, delta);
}

// One size change as it reaches the window. "platform": the window system reports a new size,
// as a window manager does when the user drags a border, whether or not it honoured the
// window's limits; "program": the program resizes its own window.
void resizeTo(frmZwervel& f, const QByteArray& source, int widthTwips, int heightTwips)
{
    const QSize size(px(widthTwips), px(heightTwips));
    if (source == "platform")
        f.windowHandle()->resize(size);
    else
        f.resize(size);
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

// A picture of the window, named "<name>.png", or "<name>@<scale>x.png" when the window is drawn
// at another scale than 1.
void saveScreenshot(QWidget& window, const char* name)
{
    const QString dir = qEnvironmentVariable("ZWERVEL_SCREENSHOT_DIR");
    if (dir.isEmpty())
        return;
    QString file = QString::fromLatin1(name);
    if (window.devicePixelRatioF() != 1.0)
        file += QStringLiteral("@%1x").arg(window.devicePixelRatioF());
    QVERIFY(window.grab().save(QDir(dir).filePath(file + QStringLiteral(".png"))));
}

} // namespace

using Steps = QList<QPair<QPoint, int>>; // (width change, height change) -> expected delta

class TestLayout : public QObject {
    Q_OBJECT

private slots:
    void afterStartUp();
    void windowLimits();
    void sizeChanges_data();
    void sizeChanges();
    void minimiseAndRestore();
    void maximiseReturnsToNormal();
    void withoutResizeEvent();
    void screenshots();
    void devicePixels();
    void atScale_data();
    void atScale();
};

void TestLayout::afterStartUp()
{
    FormFixture fx;
    QVERIFY(fx.show());
    compareWindow(fx.f(), 0);
}

void TestLayout::windowLimits()
{
    // The window manager is told the rules too: fixed height, smallest width, no maximising.
    FormFixture fx;
    QVERIFY(fx.show());
    const frmZwervel& f = fx.f();
    QCOMPARE(f.minimumHeight(), px(StartHeightTwips));
    QCOMPARE(f.maximumHeight(), px(StartHeightTwips));
    QCOMPARE(f.minimumWidth(), px(StartWidthTwips));
    QCOMPARE(f.maximumWidth(), QWIDGETSIZE_MAX);
    QVERIFY(!f.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(f.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(f.windowFlags().testFlag(Qt::WindowCloseButtonHint));
}

void TestLayout::sizeChanges_data()
{
    QTest::addColumn<QByteArray>("source");
    QTest::addColumn<Steps>("steps");

    const QList<QPair<const char*, Steps>> cases{
        {"wider by 600 then back", {{{600, 0}, 600}, {{0, 0}, 0}}},
        // A window is whole pixels wide: -100 twips is -105 (7 pixels) or -90 (6 pixels).
        {"+300 then -105", {{{300, 0}, 300}, {{195, 0}, 195}}},
        {"+300 then -90", {{{300, 0}, 300}, {{210, 0}, 210}}},
        {"below the minimum", {{{-300, 0}, 0}}},
        {"wider, then below the minimum", {{{300, 0}, 300}, {{-600, 0}, 0}}},
        {"taller", {{{0, 450}, 0}}},
        {"lower", {{{0, -300}, 0}}},
        {"taller and wider", {{{600, 450}, 600}}},
        {"wider, then lower and narrower", {{{450, 0}, 450}, {{-150, -300}, 0}}},
        {"many steps", {{{15, 0}, 15}, {{3000, 0}, 3000}, {{30, 15}, 30}, {{-15, 0}, 0}}},
    };
    for (const QByteArray source : {"platform", "program"})
        for (const auto& [name, steps] : cases)
            QTest::newRow(source + ": " + name) << source << steps;
}

void TestLayout::sizeChanges()
{
    QFETCH(QByteArray, source);
    QFETCH(Steps, steps);
    FormFixture fx;
    QVERIFY(fx.show());
    frmZwervel& f = fx.f();
    for (const auto& [change, delta] : steps) {
        resizeTo(f, source, StartWidthTwips + change.x(), StartHeightTwips + change.y());
        compareWindow(f, delta);
        if (QTest::currentTestFailed())
            return;
    }
}

void TestLayout::minimiseAndRestore()
{
    FormFixture fx;
    QVERIFY(fx.show());
    frmZwervel& f = fx.f();
    resizeTo(f, "platform", StartWidthTwips + 300, StartHeightTwips);
    compareWindow(f, 300);

    f.showMinimized();
    QCoreApplication::processEvents();
    QCOMPARE(f.WindowState(), frmZwervel::WindowStatus::Minimized);
    compareWindow(f, 300);

    f.showNormal();
    QCoreApplication::processEvents();
    QCOMPARE(f.WindowState(), frmZwervel::WindowStatus::Normal);
    compareWindow(f, 300);

    // A size change while minimised is not laid out; the restore lays out the difference.
    f.showMinimized();
    QCoreApplication::processEvents();
    f.resize(px(StartWidthTwips + 600), px(StartHeightTwips));
    QCOMPARE(f.StartBreedte, StartWidthTwips + 300);
    compareGeometry(f, 300);
    f.showNormal();
    QCoreApplication::processEvents();
    compareWindow(f, 600);
}

void TestLayout::maximiseReturnsToNormal()
{
    // The window offers no maximise command; where the platform maximises it anyway, it returns
    // to the size it had before and is laid out for that.
    FormFixture fx;
    QVERIFY(fx.show());
    frmZwervel& f = fx.f();
    resizeTo(f, "platform", StartWidthTwips + 150, StartHeightTwips);
    f.showMaximized();
    QTRY_COMPARE(f.WindowState(), frmZwervel::WindowStatus::Normal);
    QCoreApplication::processEvents();
    compareWindow(f, 150);
}

void TestLayout::withoutResizeEvent()
{
    // A hidden window raises no resize event for the size the handler sets: the handler then
    // lays out the corrected size itself, and the event that comes with showing finds nothing
    // left to do. The limits are lifted so that the window can take the wrong size at all.
    FormFixture fx;
    frmZwervel& f = fx.f();
    f.setMinimumSize(0, 0);
    f.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);

    f.setHeight(float(StartHeightTwips + 450));
    f.setWidth(float(StartWidthTwips + 600));
    f.Form_Resize();
    compareWindow(f, 600);
    QVERIFY(fx.show());
    compareWindow(f, 600);

    f.hide();
    f.setWidth(float(StartWidthTwips - 300));
    f.Form_Resize();
    compareWindow(f, 0);
    QVERIFY(fx.show());
    compareWindow(f, 0);
}

void TestLayout::screenshots()
{
    FormFixture fx;
    QVERIFY(fx.show());
    frmZwervel& f = fx.f();
    f.Route.setText(QStringLiteral("Nieuwegein\r\nUtrecht\r\nAmersfoort"));
    f.knopOngedaan.setVisible(true);
    saveScreenshot(f, "zwervel-start");
    resizeTo(f, "platform", StartWidthTwips + 600, StartHeightTwips);
    compareWindow(f, 600);
    saveScreenshot(f, "zwervel-wide");
}

void TestLayout::devicePixels()
{
    // The window as drawn at the scale the process runs at (see atScale): its picture is the
    // designed size times the scale, and the edges of the information label's and the footer's
    // strips lie where the design puts them, times the scale.
    FormFixture fx;
    QVERIFY(fx.show());
    frmZwervel& f = fx.f();
    const double scale = f.devicePixelRatioF();
    const QImage image = f.grab().toImage();
    QCOMPARE(image.size(), QSize(px(StartWidthTwips), px(StartHeightTwips)) * scale);

    const QColor mint(0xF4, 0xFF, 0xF7), strip(0xC6, 0xD9, 0xF1);
    const int x = int(px(3000) * scale);
    const auto edge = [&](int twips, const QColor& above, const QColor& below) {
        const double y = px(twips) * scale;
        const QByteArray where = "edge at " + QByteArray::number(twips) + " twips";
        QVERIFY2(image.pixelColor(x, int(std::floor(y)) - 1) == above, where + " above");
        QVERIFY2(image.pixelColor(x, int(std::ceil(y)) + 1) == below, where + " below");
    };
    edge(1095, strip, mint); // the bottom of Info
    edge(6400, mint, strip); // the top of LabelVoettekst
    // Info reaches past the window's right edge.
    QCOMPARE(image.pixelColor(image.width() - 1, 2), strip);
}

void TestLayout::atScale_data()
{
    QTest::addColumn<QByteArray>("scale");
    for (const char* scale : {"1", "1.25", "1.5", "2"})
        QTest::newRow(scale) << QByteArray(scale);
}

void TestLayout::atScale()
{
    // Qt reads its scale factor once, when the application starts: the layout is checked again
    // in a child process of this program started at each scale. Twips map to logical pixels,
    // so every twips and pixel figure is the same at every scale.
    QFETCH(QByteArray, scale);
    bool passed = false;
    const QByteArray output =
        runAtScale(scale,
                   {QStringLiteral("afterStartUp"), QStringLiteral("windowLimits"),
                    QStringLiteral("sizeChanges"), QStringLiteral("minimiseAndRestore"),
                    QStringLiteral("screenshots"), QStringLiteral("devicePixels")},
                   passed);
    QVERIFY2(passed, output);
}

QTEST_MAIN(TestLayout)
#include "tst_layout.moc"
