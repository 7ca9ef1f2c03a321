// The layout when the window is resized, on the real window: the height stays, the width never
// drops below the start-up width, and the controls along the width follow it.
#include "support/FormFixture.h"

#include <QDir>
#include <QTest>
#include <QWindow>

#include <cmath>

using namespace zwervel;

namespace {

// Designed geometry in twips after start-up (the fields laid over their lists), and what a
// change of width does to each control.
enum class Volgt { Niets, Breedte, Links };

struct Ontwerp {
    const char* name;
    float left, top, width, height;
    Volgt volgt;
};

const Ontwerp OntwerpTabel[] = {
    {"tRoutes", 240, 6000, 5495, 380, Volgt::Breedte},
    {"tPlaats", 240, 5400, 5495, 380, Volgt::Breedte},
    {"Routes", 240, 6000, 5775, 360, Volgt::Breedte},
    {"knopGoogleMaps", 240, 6480, 5775, 375, Volgt::Breedte},
    {"Route", 240, 1440, 5775, 3615, Volgt::Breedte},
    {"Plaats", 240, 5400, 5775, 360, Volgt::Breedte},
    {"knopRouteOpschonen", 0, 1920, 240, 240, Volgt::Niets},
    {"KnopRouteLeegmaken", 0, 2280, 240, 240, Volgt::Niets},
    {"knopGoogleMapsOpenen", 0, 6540, 240, 240, Volgt::Niets},
    {"LabelVoettekst", 0, 6400, 6255, 615, Volgt::Breedte},
    {"knopPlaatsToevoegen", 0, 1560, 240, 240, Volgt::Niets},
    {"knopRouteToevoegen", 0, 1200, 240, 240, Volgt::Niets},
    {"knopRouteVerwijderen", 0, 6060, 240, 240, Volgt::Niets},
    {"Info", 0, 0, 6255, 1095, Volgt::Breedte},
    {"knopOngedaan", 5760, 1200, 240, 240, Volgt::Links},
    {"knopPlaatsVerwijderen", 0, 5460, 240, 240, Volgt::Niets},
    {"LabelRoutes", 240, 5760, 5775, 255, Volgt::Breedte},
    {"LabelPlaatsen", 240, 5160, 5775, 255, Volgt::Breedte},
    {"LabelRoute", 240, 1200, 5415, 255, Volgt::Breedte},
};

constexpr int StartBreedteTwips = 6195;
constexpr int StartHoogteTwips = 6990;

int px(double twips) { return int(std::lround(twips / 15.0)); }

TwipsGeometry* twips(QWidget* w)
{
    // Every control is a Besturing<...>, which carries its geometry in twips.
    if (auto* t = dynamic_cast<TwipsGeometry*>(w))
        return t;
    return nullptr;
}

// Every one of the nineteen controls where the layout for `delta` twips puts it: in twips
// through the wrappers, and at the pixels the widget actually occupies.
void vergelijkGeometrie(frmZwervel& f, int delta)
{
    for (const Ontwerp& o : OntwerpTabel) {
        const QString name = QString::fromLatin1(o.name);
        QWidget* w = f.findChild<QWidget*>(name, Qt::FindDirectChildrenOnly);
        QVERIFY2(w, o.name);
        TwipsGeometry* g = twips(w);
        QVERIFY2(g, o.name);
        const float left = o.left + (o.volgt == Volgt::Links ? float(delta) : 0.0f);
        const float width = o.width + (o.volgt == Volgt::Breedte ? float(delta) : 0.0f);
        const QByteArray waar = QByteArray(o.name) + " delta " + QByteArray::number(delta);
        QVERIFY2(g->Left() == left, waar + " Left " + QByteArray::number(g->Left()));
        QVERIFY2(g->Top() == o.top, waar + " Top");
        QVERIFY2(g->Width() == width, waar + " Width " + QByteArray::number(g->Width()));
        QVERIFY2(g->Height() == o.height, waar + " Height");
        QVERIFY2(w->geometry() == QRect(px(left), px(o.top), px(width), px(o.height)),
                 waar + " pixels");
    }
}

void vergelijkVenster(frmZwervel& f, int delta)
{
    QCOMPARE(f.Height(), float(StartHoogteTwips));
    QCOMPARE(f.Width(), float(StartBreedteTwips + delta));
    QCOMPARE(f.StartHoogte, StartHoogteTwips);
    QCOMPARE(f.MinBreedte, StartBreedteTwips);
    QCOMPARE(f.StartBreedte, StartBreedteTwips + delta);
    vergelijkGeometrie(f, delta);
}

// One size change as it reaches the window. "platform": the window system reports a new size,
// as a window manager does when the user drags a border, whether or not it honoured the
// window's limits; "programma": the program resizes its own window.
void zetMaat(frmZwervel& f, const QByteArray& drop, int breedteTwips, int hoogteTwips)
{
    const QSize maat(px(breedteTwips), px(hoogteTwips));
    if (drop == "platform")
        f.windowHandle()->resize(maat);
    else
        f.resize(maat);
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

void bewaarSchermafdruk(QWidget& window, const char* name)
{
    const QString dir = qEnvironmentVariable("ZWERVEL_SCREENSHOT_DIR");
    if (dir.isEmpty())
        return;
    QVERIFY(window.grab().save(QDir(dir).filePath(QString::fromLatin1(name))));
}

} // namespace

using Stappen = QList<QPair<QPoint, int>>; // (width change, height change) -> expected delta

class TestLayout : public QObject {
    Q_OBJECT

private slots:
    void naStartUp();
    void vensterGrenzen();
    void maatVeranderen_data();
    void maatVeranderen();
    void minimaliserenEnHerstellen();
    void maximaliserenKeertTerug();
    void zonderResizeGebeurtenis();
    void schermafdrukken();
};

void TestLayout::naStartUp()
{
    FormFixture fx;
    QVERIFY(fx.show());
    vergelijkVenster(fx.f(), 0);
}

void TestLayout::vensterGrenzen()
{
    // The window manager is told the rules too: fixed height, smallest width, no maximising.
    FormFixture fx;
    QVERIFY(fx.show());
    const frmZwervel& f = fx.f();
    QCOMPARE(f.minimumHeight(), px(StartHoogteTwips));
    QCOMPARE(f.maximumHeight(), px(StartHoogteTwips));
    QCOMPARE(f.minimumWidth(), px(StartBreedteTwips));
    QCOMPARE(f.maximumWidth(), QWIDGETSIZE_MAX);
    QVERIFY(!f.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(f.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(f.windowFlags().testFlag(Qt::WindowCloseButtonHint));
}

void TestLayout::maatVeranderen_data()
{
    QTest::addColumn<QByteArray>("drop");
    QTest::addColumn<Stappen>("stappen");

    const QList<QPair<const char*, Stappen>> gevallen{
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
    for (const QByteArray drop : {"platform", "programma"})
        for (const auto& [name, stappen] : gevallen)
            QTest::newRow(drop + ": " + name) << drop << stappen;
}

void TestLayout::maatVeranderen()
{
    QFETCH(QByteArray, drop);
    QFETCH(Stappen, stappen);
    FormFixture fx;
    QVERIFY(fx.show());
    frmZwervel& f = fx.f();
    for (const auto& [verandering, delta] : stappen) {
        zetMaat(f, drop, StartBreedteTwips + verandering.x(), StartHoogteTwips + verandering.y());
        vergelijkVenster(f, delta);
        if (QTest::currentTestFailed())
            return;
    }
}

void TestLayout::minimaliserenEnHerstellen()
{
    FormFixture fx;
    QVERIFY(fx.show());
    frmZwervel& f = fx.f();
    zetMaat(f, "platform", StartBreedteTwips + 300, StartHoogteTwips);
    vergelijkVenster(f, 300);

    f.showMinimized();
    QCoreApplication::processEvents();
    QCOMPARE(f.WindowState(), frmZwervel::WindowStatus::Minimized);
    vergelijkVenster(f, 300);

    f.showNormal();
    QCoreApplication::processEvents();
    QCOMPARE(f.WindowState(), frmZwervel::WindowStatus::Normal);
    vergelijkVenster(f, 300);

    // A size change while minimised is not laid out; the restore lays out the difference.
    f.showMinimized();
    QCoreApplication::processEvents();
    f.resize(px(StartBreedteTwips + 600), px(StartHoogteTwips));
    QCOMPARE(f.StartBreedte, StartBreedteTwips + 300);
    vergelijkGeometrie(f, 300);
    f.showNormal();
    QCoreApplication::processEvents();
    vergelijkVenster(f, 600);
}

void TestLayout::maximaliserenKeertTerug()
{
    // The window offers no maximise command; where the platform maximises it anyway, it returns
    // to the size it had before and is laid out for that.
    FormFixture fx;
    QVERIFY(fx.show());
    frmZwervel& f = fx.f();
    zetMaat(f, "platform", StartBreedteTwips + 150, StartHoogteTwips);
    f.showMaximized();
    QTRY_COMPARE(f.WindowState(), frmZwervel::WindowStatus::Normal);
    QCoreApplication::processEvents();
    vergelijkVenster(f, 150);
}

void TestLayout::zonderResizeGebeurtenis()
{
    // A hidden window raises no resize event for the size the handler sets: the handler then
    // lays out the corrected size itself, and the event that comes with showing finds nothing
    // left to do. The limits are lifted so that the window can take the wrong size at all.
    FormFixture fx;
    frmZwervel& f = fx.f();
    f.setMinimumSize(0, 0);
    f.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);

    f.setHeight(float(StartHoogteTwips + 450));
    f.setWidth(float(StartBreedteTwips + 600));
    f.Form_Resize();
    vergelijkVenster(f, 600);
    QVERIFY(fx.show());
    vergelijkVenster(f, 600);

    f.hide();
    f.setWidth(float(StartBreedteTwips - 300));
    f.Form_Resize();
    vergelijkVenster(f, 0);
    QVERIFY(fx.show());
    vergelijkVenster(f, 0);
}

void TestLayout::schermafdrukken()
{
    FormFixture fx;
    QVERIFY(fx.show());
    frmZwervel& f = fx.f();
    f.Route.setText(QStringLiteral("Nieuwegein\r\nUtrecht\r\nAmersfoort"));
    f.knopOngedaan.setVisible(true);
    bewaarSchermafdruk(f, "zwervel-start.png");
    zetMaat(f, "platform", StartBreedteTwips + 600, StartHoogteTwips);
    vergelijkVenster(f, 600);
    bewaarSchermafdruk(f, "zwervel-breed.png");
}

QTEST_MAIN(TestLayout)
#include "tst_layout.moc"
