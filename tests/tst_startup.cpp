// The life of the window: what the user finds when it opens, the two fields over their lists,
// and the file written when it closes.
#include "support/FormFixture.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTest>

using namespace zwervel;

namespace {

QString u8(const char* text) { return QString::fromUtf8(text); }

} // namespace

class TestStartup : public QObject {
    Q_OBJECT

private slots:
    void zonderBestand();
    void metRouteGeheelGeselecteerd();
    void ongedaanVerborgenNaLaden();
    void alleenEersteActiveringSelecteert();
    void cfgBestandNaastProgramma_data();
    void cfgBestandNaastProgramma();
    void toWholeTwips_data();
    void toWholeTwips();
    void startmaten();
    void veldenOverHunLijsten();
    void veldGeeftFocusAanLijst_data();
    void veldGeeftFocusAanLijst();
    void afsluitenSchrijftBestand();
};

void TestStartup::zonderBestand()
{
    FormFixture f;
    QVERIFY(f.show());
    frmZwervel& v = f.f();
    QCOMPARE(v.Route.Text(), QString());
    QCOMPARE(QApplication::focusWidget(), &v.Route);
    QCOMPARE(v.Plaats.ListCount(), 0);
    QCOMPARE(v.Routes.ListCount(), 0);
    QCOMPARE(v.tPlaats.Text(), QString());
    QCOMPARE(v.tRoutes.Text(), QString());
    const QString info = u8(" Gebruik Enter of schuine streep  / voor plaats, postcode, museum, hotel, e.d.\r\n"
                            "  Gebruik komma , voor extra informatie\r\n"
                            "  Gebruik open- en sluithaakjes ( en ) voor informatie\r\n"
                            "\r\n"
                            "  Voorbeeld: Nieuwegein / 48.860997, 2.352563 (Parijs) / Rome, Colosseum (reis)");
    QCOMPARE(v.InfoTekst, info);
    QCOMPARE(v.Info.Caption(), info);
    // Start-up asks nothing, and makes no file.
    QVERIFY(f.platform.questions.isEmpty());
    QCOMPARE(f.platform.beeps, 0);
    QVERIFY(!QFile::exists(f.configPath()));
}

void TestStartup::metRouteGeheelGeselecteerd()
{
    const QByteArray file("route=Nieuwegein/Utrecht/Amsterdam\r\n");
    FormFixture f(&file);
    QVERIFY(f.show());
    RouteBox& route = f.f().Route;
    QCOMPARE(route.Text(), u8("Nieuwegein\r\nUtrecht\r\nAmsterdam"));
    QVERIFY(route.hasFocus());
    QCOMPARE(route.SelStart(), 0);
    QCOMPARE(route.SelLength(), route.TextLength());
    QCOMPARE(route.SelText(), route.Text());
    // The first key typed replaces the route.
    QTest::keyClicks(&route, u8("Zeist"));
    QCOMPARE(route.Text(), u8("Zeist"));
}

void TestStartup::ongedaanVerborgenNaLaden()
{
    const QByteArray file("route=Utrecht\r\nroute=Zeist\r\nplaats=Zeist\x0F\r\n");
    FormFixture f(&file);
    QVERIFY(f.show());
    QVERIFY(f.f().knopOngedaan.isHidden());
}

void TestStartup::alleenEersteActiveringSelecteert()
{
    const QByteArray file("route=Utrecht/Zeist\r\n");
    FormFixture f(&file);
    QVERIFY(f.show());
    RouteBox& route = f.f().Route;
    route.setSelStart(3);
    // Switching to another window and back raises no new activation.
    QWidget ander;
    ander.show();
    ander.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&ander));
    f.f().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f.f()));
    QCOMPARE(route.SelStart(), 3);
    QCOMPARE(route.SelLength(), 0);
}

void TestStartup::cfgBestandNaastProgramma_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("cfg");
    QTest::newRow("zonder extensie") << u8("zwervel") << u8("zwervel.cfg");
    QTest::newRow("met extensie") << u8("zwervel.exe") << u8("zwervel.cfg");
    QTest::newRow("punt in de naam") << u8("zwervel.v2.exe") << u8("zwervel.v2.cfg");
}

void TestStartup::cfgBestandNaastProgramma()
{
    QFETCH(QString, program);
    QFETCH(QString, cfg);
    QTemporaryDir dir;
    QFile file(dir.filePath(cfg));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("route=Zeist\r\n");
    file.close();
    ScriptedPlatform platform;
    platform.path = dir.filePath(program);
    frmZwervel window(platform);
    QCOMPARE(window.CfgBestand, QDir::toNativeSeparators(dir.path()) + QDir::separator() + cfg);
    QCOMPARE(window.Route.Text(), u8("Zeist"));
}

void TestStartup::toWholeTwips_data()
{
    QTest::addColumn<double>("twips");
    QTest::addColumn<int>("heel");
    QTest::newRow("6195") << 6195.0 << 6195;
    QTest::newRow("0.5 naar 0") << 0.5 << 0;
    QTest::newRow("1.5 naar 2") << 1.5 << 2;
    QTest::newRow("6194.5 naar 6194") << 6194.5 << 6194;
    QTest::newRow("6195.5 naar 6196") << 6195.5 << 6196;
    QTest::newRow("6195.4 naar 6195") << 6195.4 << 6195;
    QTest::newRow("-2.5 naar -2") << -2.5 << -2;
}

void TestStartup::toWholeTwips()
{
    QFETCH(double, twips);
    QTEST(int(zwervel::toWholeTwips(twips)), "heel");
}

void TestStartup::startmaten()
{
    FormFixture f;
    // The designed client area: 6195 by 6990 twips.
    QCOMPARE(f.f().StartHoogte, 6990);
    QCOMPARE(f.f().MinBreedte, 6195);
    QCOMPARE(f.f().StartBreedte, 6195);
}

void TestStartup::veldenOverHunLijsten()
{
    FormFixture f;
    QVERIFY(f.show());
    frmZwervel& v = f.f();
    QCOMPARE(v.tPlaats.Left(), v.Plaats.Left());
    QCOMPARE(v.tPlaats.Width(), v.Plaats.Width() - 280);
    QCOMPARE(v.tRoutes.Left(), v.Routes.Left());
    QCOMPARE(v.tRoutes.Width(), v.Routes.Width() - 280);
    QCOMPARE(v.tPlaats.Left(), 240.f);
    QCOMPARE(v.tPlaats.Width(), 5495.f);
    QCOMPARE(v.tRoutes.Width(), 5495.f);
    // Top and Height stay those of the form description, over the lists' edit parts.
    QCOMPARE(v.tPlaats.Top(), 5400.f);
    QCOMPARE(v.tRoutes.Top(), 6000.f);
    QCOMPARE(v.tPlaats.Height(), 380.f);
    // On screen too: each field starts where its list starts.
    QCOMPARE(v.tPlaats.geometry().left(), v.Plaats.geometry().left());
    QCOMPARE(v.tRoutes.geometry().left(), v.Routes.geometry().left());
}

void TestStartup::veldGeeftFocusAanLijst_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("list");
    QTest::addColumn<bool>("metTab");
    QTest::newRow("klik op het plaatsveld") << u8("tPlaats") << u8("Plaats") << false;
    QTest::newRow("klik op het routeveld") << u8("tRoutes") << u8("Routes") << false;
    QTest::newRow("tab naar het plaatsveld") << u8("tPlaats") << u8("Plaats") << true;
}

void TestStartup::veldGeeftFocusAanLijst()
{
    QFETCH(QString, field);
    QFETCH(QString, list);
    QFETCH(bool, metTab);
    const QByteArray file("plaats=Utrecht\x0FZeist\x0F\r\nroutes=Utrecht/Zeist\x0F\r\n");
    FormFixture f(&file);
    QVERIFY(f.show());
    auto* tekstveld = f.f().findChild<TextBox*>(field);
    auto* keuzelijst = f.f().findChild<ComboBox*>(list);
    QVERIFY(tekstveld && keuzelijst);
    tekstveld->setText(u8("Utrecht"));
    if (metTab) {
        // The place field follows the route list in the tab order.
        f.f().Routes.SetFocus();
        QTest::keyClick(&f.f().Routes, Qt::Key_Tab);
    } else {
        QTest::mouseClick(tekstveld, Qt::LeftButton, {}, QPoint(10, 10));
    }
    QTRY_VERIFY(keuzelijst->hasFocus());
    QVERIFY(!keuzelijst->view()->isVisible());
    QCOMPARE(tekstveld->Text(), u8("Utrecht"));
}

void TestStartup::afsluitenSchrijftBestand()
{
    const QByteArray file("route=Utrecht/Zeist\nplaats=Zeist\x0F\n");
    FormFixture f(&file);
    QVERIFY(f.show());
    f.f().close();
    QFile terug(f.configPath());
    QVERIFY(terug.open(QIODevice::ReadOnly));
    QCOMPARE(terug.readAll(), QByteArray("route=Utrecht/Zeist\r\nplaats=Zeist\x0F\r\nroutes=\r\n"));
    QVERIFY(f.platform.questions.isEmpty());
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
