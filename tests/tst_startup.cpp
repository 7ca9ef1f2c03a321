// The life of the window: what the user finds when it opens, the two fields over their lists,
// and the file written when it closes.
#include "support/FormFixture.h"
#include "support/TestHelpers.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QTest>

using namespace zwervel;

Q_DECLARE_METATYPE(Platform::SettingsClaim)

namespace {

QString u8(const char* text)
{
    return QString::fromUtf8(text);
}

} // namespace

class TestStartup : public QObject {
    Q_OBJECT

private slots:
    void withoutFile();
    void routeWhollySelected();
    void undoHiddenAfterLoading();
    void onlyFirstActivationSelects();
    void configFileBesideProgram_data();
    void configFileBesideProgram();
    void whereTheSettingsLive_data();
    void whereTheSettingsLive();
    void secondStart_data();
    void secondStart();
    void toWholeTwips_data();
    void toWholeTwips();
    void startSizes();
    void fieldsOverTheirLists();
    void fieldGivesFocusToList_data();
    void fieldGivesFocusToList();
    void fieldClickedWhileInactive_data();
    void fieldClickedWhileInactive();
    void fieldsTakeNoText();
    void closingWritesFile();
    void sessionEndWritesFile();
};

void TestStartup::withoutFile()
{
    FormFixture f;
    QVERIFY(f.show());
    frmZwervel& w = f.f();
    QCOMPARE(w.Route.Text(), QString());
    QCOMPARE(QApplication::focusWidget(), &w.Route);
    QCOMPARE(w.Plaats.ListCount(), 0);
    QCOMPARE(w.Routes.ListCount(), 0);
    QCOMPARE(w.tPlaats.Text(), QString());
    QCOMPARE(w.tRoutes.Text(), QString());
    const QString info =
        u8(" Gebruik Enter of schuine streep  / voor plaats, postcode, museum, hotel, e.d.\r\n"
           "  Gebruik komma , voor extra informatie\r\n"
           "  Gebruik open- en sluithaakjes ( en ) voor informatie\r\n"
           "\r\n"
           "  Voorbeeld: Nieuwegein / 48.860997, 2.352563 (Parijs) / Rome, Colosseum (reis)");
    QCOMPARE(w.InfoTekst, info);
    QCOMPARE(w.Info.Caption(), info);
    // Start-up asks nothing, and makes no file.
    QVERIFY(f.platform.questions.isEmpty());
    QCOMPARE(f.platform.beeps, 0);
    QVERIFY(!QFile::exists(f.configPath()));
}

void TestStartup::routeWhollySelected()
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

void TestStartup::undoHiddenAfterLoading()
{
    const QByteArray file("route=Utrecht\r\nroute=Zeist\r\nplaats=Zeist\x0F\r\n");
    FormFixture f(&file);
    QVERIFY(f.show());
    QVERIFY(f.f().knopOngedaan.isHidden());
}

void TestStartup::onlyFirstActivationSelects()
{
    const QByteArray file("route=Utrecht/Zeist\r\n");
    FormFixture f(&file);
    QVERIFY(f.show());
    RouteBox& route = f.f().Route;
    route.setSelStart(3);
    // Switching to another window and back raises no new activation.
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    f.f().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f.f()));
    QCOMPARE(route.SelStart(), 3);
    QCOMPARE(route.SelLength(), 0);
}

void TestStartup::configFileBesideProgram_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("cfg");
    QTest::newRow("without extension") << u8("zwervel") << u8("zwervel.cfg");
    QTest::newRow("with extension") << u8("zwervel.exe") << u8("zwervel.cfg");
    QTest::newRow("dot in the name") << u8("zwervel.v2.exe") << u8("zwervel.v2.cfg");
}

void TestStartup::configFileBesideProgram()
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

void TestStartup::whereTheSettingsLive_data()
{
    // What lies beside the program, whether this user may write there, and where the window
    // then reads and writes its settings.
    QTest::addColumn<bool>("fileBeside");
    QTest::addColumn<bool>("fileWritable");
    QTest::addColumn<bool>("folderWritable");
    QTest::addColumn<bool>("ownFileBefore");
    QTest::addColumn<bool>("installed");
    QTest::addColumn<QString>("shownRoute");
    QTest::addColumn<bool>("writesOwn");
    QTest::newRow("a copy in a folder of its own")
        << true << true << true << false << false << u8("Beside") << false;
    QTest::newRow("first start in a folder of its own")
        << false << false << true << false << false << QString() << false;
    QTest::newRow("writable file in a closed folder")
        << true << true << false << false << false << u8("Beside") << false;
    QTest::newRow("installed, first start")
        << false << false << false << false << false << QString() << true;
    QTest::newRow("installed with the administrator's file")
        << true << false << false << false << false << u8("Beside") << true;
    QTest::newRow("installed, the user's own file since")
        << true << false << false << true << false << u8("Own") << true;
    QTest::newRow("installed, started by root")
        << false << false << true << false << true << QString() << true;
}

void TestStartup::whereTheSettingsLive()
{
    QFETCH(bool, fileBeside);
    QFETCH(bool, fileWritable);
    QFETCH(bool, folderWritable);
    QFETCH(bool, ownFileBefore);
    QFETCH(bool, installed);
    QFETCH(QString, shownRoute);
    QFETCH(bool, writesOwn);
    QTemporaryDir dir;
    ScriptedPlatform platform;
    platform.path = dir.filePath(u8("zwervel"));
    platform.userFolder = dir.filePath(u8("home/.config/zwervel"));
    platform.installed = installed;
    const QString beside = dir.filePath(u8("zwervel.cfg"));
    const QString own = platform.userFolder + u8("/zwervel.cfg");
    if (fileBeside)
        QVERIFY(writeFile(beside, "route=Beside\r\n"));
    if (ownFileBefore) {
        QVERIFY(QDir().mkpath(platform.userFolder));
        QVERIFY(writeFile(own, "route=Own\r\n"));
    }
    if (!fileWritable)
        platform.closed << beside;
    if (!folderWritable)
        platform.closed << dir.path();
    {
        frmZwervel window(platform);
        QCOMPARE(window.Route.Text(), shownRoute);
        QCOMPARE(window.CfgBestand, QDir::toNativeSeparators(writesOwn ? own : beside));
        window.Route.setText(u8("Saved"));
        window.close();
    }
    QVERIFY(platform.questions.isEmpty());
    QCOMPARE(readFile(writesOwn ? own : beside),
             QByteArray("route=Saved\r\nplaats=\r\nroutes=\r\n"));
    // The file the user may only read stays as the administrator left it.
    if (writesOwn && fileBeside)
        QCOMPARE(readFile(beside), QByteArray("route=Beside\r\n"));
}

void TestStartup::secondStart_data()
{
    QTest::addColumn<Platform::SettingsClaim>("claim");
    QTest::addColumn<int>("messages");
    QTest::newRow("the first comes to the front") << Platform::SettingsClaim::ShownElsewhere << 0;
    QTest::newRow("the first does not answer") << Platform::SettingsClaim::HeldElsewhere << 1;
}

void TestStartup::secondStart()
{
    // Another window has the file: this start reads nothing and, closed, writes nothing over
    // what the other saves.
    QFETCH(Platform::SettingsClaim, claim);
    QFETCH(int, messages);
    QTemporaryDir dir;
    ScriptedPlatform platform;
    platform.path = dir.filePath(u8("zwervel"));
    platform.claim = claim;
    QVERIFY(writeFile(dir.filePath(u8("zwervel.cfg")), "route=Ede\r\n"));
    {
        frmZwervel window(platform);
        QCOMPARE(window.settingsClaim(), claim);
        QCOMPARE(window.Route.Text(), QString());
        window.close();
    }
    QCOMPARE(platform.questions.size(), messages);
    QCOMPARE(platform.beeps, messages);
    QCOMPARE(readFile(dir.filePath(u8("zwervel.cfg"))), QByteArray("route=Ede\r\n"));
}

void TestStartup::toWholeTwips_data()
{
    QTest::addColumn<double>("twips");
    QTest::addColumn<int>("whole");
    QTest::newRow("6195") << 6195.0 << 6195;
    QTest::newRow("0.5 to 0") << 0.5 << 0;
    QTest::newRow("1.5 to 2") << 1.5 << 2;
    QTest::newRow("6194.5 to 6194") << 6194.5 << 6194;
    QTest::newRow("6195.5 to 6196") << 6195.5 << 6196;
    QTest::newRow("6195.4 to 6195") << 6195.4 << 6195;
    QTest::newRow("-2.5 to -2") << -2.5 << -2;
}

void TestStartup::toWholeTwips()
{
    QFETCH(double, twips);
    QTEST(int(zwervel::toWholeTwips(twips)), "whole");
}

void TestStartup::startSizes()
{
    FormFixture f;
    // The designed client area: 6195 by 6990 twips.
    QCOMPARE(f.f().StartHoogte, 6990);
    QCOMPARE(f.f().MinBreedte, 6195);
    QCOMPARE(f.f().StartBreedte, 6195);
}

void TestStartup::fieldsOverTheirLists()
{
    FormFixture f;
    QVERIFY(f.show());
    frmZwervel& w = f.f();
    QCOMPARE(w.tPlaats.Left(), w.Plaats.Left());
    QCOMPARE(w.tPlaats.Width(), w.Plaats.Width() - 280);
    QCOMPARE(w.tRoutes.Left(), w.Routes.Left());
    QCOMPARE(w.tRoutes.Width(), w.Routes.Width() - 280);
    QCOMPARE(w.tPlaats.Left(), 240.f);
    QCOMPARE(w.tPlaats.Width(), 5495.f);
    QCOMPARE(w.tRoutes.Width(), 5495.f);
    // Top and Height stay those of the form description, over the lists' edit parts.
    QCOMPARE(w.tPlaats.Top(), 5400.f);
    QCOMPARE(w.tRoutes.Top(), 6000.f);
    QCOMPARE(w.tPlaats.Height(), 380.f);
    // On screen too: each field starts where its list starts.
    QCOMPARE(w.tPlaats.geometry().left(), w.Plaats.geometry().left());
    QCOMPARE(w.tRoutes.geometry().left(), w.Routes.geometry().left());
}

void TestStartup::fieldGivesFocusToList_data()
{
    QTest::addColumn<QString>("fieldName");
    QTest::addColumn<QString>("listName");
    QTest::newRow("click on the place field") << u8("tPlaats") << u8("Plaats");
    QTest::newRow("click on the route field") << u8("tRoutes") << u8("Routes");
}

void TestStartup::fieldGivesFocusToList()
{
    QFETCH(QString, fieldName);
    QFETCH(QString, listName);
    const QByteArray file("plaats=Utrecht\x0FZeist\x0F\r\nroutes=Utrecht/Zeist\x0F\r\n");
    FormFixture f(&file);
    QVERIFY(f.show());
    auto* field = f.f().findChild<TextBox*>(fieldName);
    auto* list = f.f().findChild<ComboBox*>(listName);
    QVERIFY(field && list);
    field->setText(u8("Utrecht"));
    QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(10, 10));
    QTRY_VERIFY(list->hasFocus());
    QVERIFY(!list->view()->isVisible());
    QCOMPARE(field->Text(), u8("Utrecht"));
}

void TestStartup::fieldClickedWhileInactive_data()
{
    fieldGivesFocusToList_data();
}

void TestStartup::fieldClickedWhileInactive()
{
    // The click arrives before the window is active again; the window then gives the focus back
    // to the field, which hands it on to its list all the same.
    QFETCH(QString, fieldName);
    QFETCH(QString, listName);
    FormFixture f;
    QVERIFY(f.show());
    auto* field = f.f().findChild<TextBox*>(fieldName);
    auto* list = f.f().findChild<ComboBox*>(listName);
    QVERIFY(field && list);
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(10, 10));
    f.f().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f.f()));
    QTRY_VERIFY(list->hasFocus());
}

void TestStartup::fieldsTakeNoText()
{
    // A field shows only what its list shows: no paste, no drop and no menu puts other text
    // in it.
    FormFixture f;
    QVERIFY(f.show());
    for (TextBox* field : {&f.f().tPlaats, &f.f().tRoutes}) {
        field->setText(u8("Utrecht"));
        QGuiApplication::clipboard()->setText(u8("Elders"));
        QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClicks(field, u8("x"));
        QTest::mouseClick(field, Qt::RightButton, {}, QPoint(5, 5));
        QVERIFY(!QApplication::activePopupWidget());
        QCOMPARE(field->Text(), u8("Utrecht"));
        // Qt delivers no drop to a widget that does not take drops.
        QVERIFY(!field->acceptDrops());
    }
}

void TestStartup::closingWritesFile()
{
    const QByteArray file("route=Utrecht/Zeist\nplaats=Zeist\x0F\n");
    FormFixture f(&file);
    QVERIFY(f.show());
    f.f().close();
    QFile saved(f.configPath());
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll(), QByteArray("route=Utrecht/Zeist\r\nplaats=Zeist\x0F\r\nroutes=\r\n"));
    QVERIFY(f.platform.questions.isEmpty());
}

void TestStartup::sessionEndWritesFile()
{
    // A desktop session may end without closing the window: it saves when asked, and closing
    // afterwards saves what the window then holds.
    FormFixture f;
    QVERIFY(f.show());
    f.f().PlaatsAanvullen(u8("Zeist"));
    f.f().saveForSession();
    QFile saved(f.configPath());
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll(), QByteArray("route=\r\nplaats=Zeist\x0F\r\nroutes=\r\n"));
    saved.close();
    f.f().PlaatsAanvullen(u8("Ede"));
    f.f().close();
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll(), QByteArray("route=\r\nplaats=Ede\x0FZeist\x0F\r\nroutes=\r\n"));
    QVERIFY(f.platform.questions.isEmpty());
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
