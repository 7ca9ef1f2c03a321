// Zwervel against what a user may leave behind and what a machine may do to it: hostile
// configuration files, saves that fail or race another writer, and routes and lists far past
// the old 16-bit limits. Everything runs on the real window with the scripted platform; the
// big files are made here at run time.
#include "config/ConfigFormat.h"
#include "route/RouteRules.h"
#include "text/TextRules.h"
#include "support/FormFixture.h"
#include "support/TestHelpers.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <memory>

#ifdef Q_OS_LINUX
#include <cerrno>
#include <sys/mount.h>
#endif

using namespace zwervel;

namespace {

QString u8(const char* text) { return QString::fromUtf8(text); }

// Everything in a folder but the configuration file: a save must leave no temporary file.
QStringList bijproducten(const QString& dir)
{
    QStringList namen = QDir(dir).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    namen.removeAll(u8("zwervel.cfg"));
    namen.removeAll(u8("zwervel.cfg.bak"));
    return namen;
}

// The user moves to the list and picks an entry, as Qt reports the choice.
void kies(ComboBox& list, int index)
{
    list.SetFocus();
    list.setCurrentIndex(index);
    emit list.activated(index);
}

// The program's folder, prepared as the user left it before the window starts.
struct Programma {
    QTemporaryDir dir;
    ScriptedPlatform platform;
    std::unique_ptr<frmZwervel> window;

    Programma() { platform.path = dir.filePath(u8("zwervel")); }
    QString configPath() const { return dir.filePath(u8("zwervel.cfg")); }
    frmZwervel& f() { return *window; }

    // Starts the window and waits until it is active. How long that took is reported, never
    // judged: the machine may be busy.
    bool start()
    {
        QElapsedTimer klok;
        klok.start();
        window = std::make_unique<frmZwervel>(platform);
        window->show();
        window->activateWindow();
        const bool actief = QTest::qWaitForWindowActive(window.get());
        qInfo("start-up %s: %lld ms", QTest::currentDataTag() ? QTest::currentDataTag() : QTest::currentTestFunction(),
              klok.elapsed());
        return actief;
    }
};

// What the window holds, for comparing two starts: the route as it is saved (its normal form:
// a blank line does not come back), the lists as they stand.
struct Inhoud {
    QString route;
    QStringList places;
    QStringList routes;
    bool operator==(const Inhoud&) const = default;
};

Inhoud inhoudVan(frmZwervel& f) { return {f.RouteGestript(false, false), items(f.Plaats), items(f.Routes)}; }

// Closes the window as the user does, then starts a new one on the file it saved: the second
// start must show what the first one held.
void bewaarEnHerstart(Programma& p)
{
    const Inhoud prefix = inhoudVan(p.f());
    p.f().close();
    QVERIFY(p.platform.questions.isEmpty());
    QVERIFY(bijproducten(p.dir.path()).isEmpty());
    p.window.reset();
    QVERIFY(p.start());
    const Inhoud na = inhoudVan(p.f());
    QCOMPARE(na.route, prefix.route);
    QVERIFY(na.places == prefix.places);
    QVERIFY(na.routes == prefix.routes);
}

const QByteArray GeldigBegin("route=Utrecht/Zeist\r\nplaats=Ede\x0F" "Amersfoort\x0F\r\nroutes=Ede/Zeist\x0F\r\n");

QByteArray herhaald(char byte, qsizetype count) { return QByteArray(count, byte); }

// Bytes as written, NUL bytes included.
template <qsizetype N>
QByteArray ruw(const char (&bytes)[N])
{
    return QByteArray(bytes, N - 1);
}

#ifdef Q_OS_LINUX
// A small file system of its own, so that a save really runs out of space. Mounting needs
// privileges a test machine may not give; the test then says so and is skipped.
class KleineSchijf {
public:
    explicit KleineSchijf(const QString& dir)
        : m_map(QFile::encodeName(dir))
    {
        m_gekoppeld = ::mount("tmpfs", m_map.constData(), "tmpfs", MS_NOSUID | MS_NODEV, "size=64k,mode=0700") == 0;
        m_fout = errno;
    }
    ~KleineSchijf()
    {
        if (m_gekoppeld)
            ::umount2(m_map.constData(), MNT_DETACH);
    }
    bool gekoppeld() const { return m_gekoppeld; }
    QString reason() const { return qt_error_string(m_fout); }

private:
    QByteArray m_map;
    bool m_gekoppeld = false;
    int m_fout = 0;
};
#endif

} // namespace

class TestReliability : public QObject {
    Q_OBJECT

private slots:
    // ---- hostile configuration files ------------------------------------------------------------
    void vijandigBestand_data();
    void vijandigBestand();
    void vijftigMegabyteOpEenRegel_data();
    void vijftigMegabyteOpEenRegel();
    void vijftigMegabyteAanPlaatsen();
    void watHetVensterAanneemt_data();
    void watHetVensterAanneemt();
    void tekensMetEenEigenBetekenis();
    void geenGewoonBestand_data();
    void geenGewoonBestand();
    void bestandZonderLeesrecht();

    // ---- faults while saving --------------------------------------------------------------------
    void volleSchijf_data();
    void volleSchijf();
    void bestandVervangenTerwijlVensterOpen_data();
    void bestandVervangenTerwijlVensterOpen();

    // ---- far past 16 bits -----------------------------------------------------------------------
    void routeVanVeertigduizendRegels();
    void caretVoorbijVeertigduizendRegels();
    void routeVanVeertigduizendPlaatsenInDeLijst();
    void kiezenVoorbij32767();
};

// ---- hostile configuration files ----------------------------------------------------------------

void TestReliability::vijandigBestand_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("route");
    QTest::addColumn<QStringList>("places");
    QTest::addColumn<QStringList>("routes");
    const QString route = u8("Utrecht\r\nZeist");
    const QStringList places{u8("Amersfoort"), u8("Ede")};
    const QStringList routes{u8("Ede/Zeist")};

    QTest::newRow("een miljoen 0x0F-bytes in de lijsten")
        << "route=Utrecht/Zeist\r\nplaats=Ede" + herhaald('\x0F', 1000000) + "Amersfoort\x0F\r\nroutes="
               + herhaald('\x0F', 1000000) + "Ede/Zeist\r\n"
        << route << places << routes;
    QTest::newRow("een regel van een miljoen 0x0F-bytes")
        << GeldigBegin + herhaald('\x0F', 1000000) + "\r\n" << route << places << routes;
    QByteArray lines;
    for (int i = 0; i < 1000000; ++i)
        lines += "route=Ede/Zeist\r\nplaats=Ede\x0F\r\n";
    QTest::newRow("twee miljoen sleutelregels") << lines + GeldigBegin << route << places << routes;
    QTest::newRow("NUL-bytes")
        << ruw("route=Utr\0echt/Zeist\r\n\0\0\0\0\r\nplaats=E\0de\x0F" "Amersfoort\x0F\r\nroutes=Ede/Zeist\x0F\r\n\0")
        << u8("Utr") + QChar(0) + u8("echt\r\nZeist") << QStringList{u8("Amersfoort"), u8("E") + QChar(0) + u8("de")}
        << routes;
    QTest::newRow("alleen NUL-bytes") << GeldigBegin + QByteArray(100000, '\0') << route << places << routes;
    // Not UTF-8, so every byte is read as Windows-1252 and written back the same.
    QTest::newRow("ongeldige UTF-8")
        << QByteArray("route=Z\xFCrich/K\xC3\xB6ln\r\nplaats=\xC3\x28\x0F\xFF\xFE\x0F\r\nroutes=Ede/Zeist\x0F\xC0\xAF\x0F\r\n")
        << u8("Zürich\r\nKÃ¶ln") << QStringList{u8("Ã("), u8("ÿþ")} << QStringList{u8("Ede/Zeist"), u8("À¯")};
    QTest::newRow("afgebroken UTF-8 aan het eind")
        << ruw("route=Z\xC3\xBCrich\r\nplaats=\xC5\x81\xC3\xB3" "d\xC5\xBA\x0F\r\n\xE6\x9D")
        << u8("ZÃ¼rich") << QStringList{u8("Å\u0081Ã³dÅº")} << QStringList{};
    QTest::newRow("UTF-8 met byte order mark")
        << QByteArray("\xEF\xBB\xBFroute=Z\xC3\xBCrich/Ede\r\nplaats=\xC5\x81\xC3\xB3" "d\xC5\xBA\x0F\r\n")
        << u8("Zürich\r\nEde") << QStringList{u8("Łódź")} << QStringList{};
    QTest::newRow("byte order mark voor Windows-1252")
        << QByteArray("\xEF\xBB\xBFroute=Utrecht/Zeist\r\nplaats=Z\xFCrich\x0F\r\n")
        << route << QStringList{u8("Zürich")} << QStringList{};
    QStringEncoder utf16(QStringEncoder::Utf16LE, QStringEncoder::Flag::WriteBom);
    QTest::newRow("UTF-16 met byte order mark")
        << QByteArray(utf16.encode(u8("route=Utrecht/Zeist\r\nplaats=Łódź\x0F" "Ede\x0F\r\nroutes=Ede/Zeist\x0F\r\n")))
        << route << QStringList{u8("Ede"), u8("Łódź")} << routes;
    QTest::newRow("alleen CR")
        << QByteArray("route=Utrecht/Zeist\rplaats=Ede\x0F" "Amersfoort\x0F\rroutes=Ede/Zeist\x0F\r")
        << route << places << routes;
    QTest::newRow("CR, LF en CR LF door elkaar")
        << QByteArray("\n\rroute=Utrecht/Zeist\n\rplaats=Ede\x0F" "Amersfoort\x0F\r\r\nroutes=Ede/Zeist\x0F\n")
        << route << places << routes;

    // Bytes without any order behind the good lines, the same on every run.
    QByteArray rommel;
    quint32 toestand = 20240229;
    for (int i = 0; i < 1 << 20; ++i) {
        toestand = toestand * 1664525u + 1013904223u;
        const char byte = char(toestand >> 24);
        rommel += byte == '=' ? '-' : byte; // no key can form
    }
    QTest::newRow("een megabyte rommel") << GeldigBegin + rommel << route << places << routes;
}

void TestReliability::vijandigBestand()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, route);
    Programma p;
    QVERIFY(writeFile(p.configPath(), file));
    QVERIFY(p.start());
    QCOMPARE(p.f().Route.Text(), route);
    QTEST(sorted(items(p.f().Plaats)), "places");
    QTEST(sorted(items(p.f().Routes)), "routes");
    QVERIFY(p.platform.questions.isEmpty());
    QVERIFY(p.platform.terminated.isEmpty());
    bewaarEnHerstart(p);
}

void TestReliability::vijftigMegabyteOpEenRegel_data()
{
    // What comes before, in and after the line of 50 MB.
    QTest::addColumn<QByteArray>("prefix");
    QTest::addColumn<QByteArray>("piece");
    QTest::addColumn<QByteArray>("na");
    const QByteArray places = "plaats=Ede\x0F" "Amersfoort\x0F\r\n";
    const QByteArray routes = "routes=Ede/Zeist\x0F\r\n";
    QTest::newRow("zonder sleutel") << GeldigBegin << QByteArray("z") << QByteArray();
    // A text the window could not lay out in minutes is refused; the rest comes in.
    QTest::newRow("een plaats van 50 MB")
        << QByteArray("route=Utrecht/Zeist\r\nplaats=Ede\x0F") << QByteArray("z") << "\x0F" "Amersfoort\x0F\r\n" + routes;
    QTest::newRow("een route van 50 MB in de lijst")
        << "route=Utrecht/Zeist\r\n" + places + "routes=Ede/Zeist\x0F" << QByteArray("z") << QByteArray("\x0F\r\n");
    QTest::newRow("een route van 50 MB")
        << QByteArray("route=Utrecht/Zeist\r\nroute=") << QByteArray("z") << "\r\n" + places + routes;
    QTest::newRow("een route van 50 MB aan korte plaatsen")
        << QByteArray("route=Utrecht/Zeist\r\nroute=") << QByteArray("Ede/") << "\r\n" + places + routes;
}

void TestReliability::vijftigMegabyteOpEenRegel()
{
    QFETCH(QByteArray, prefix);
    QFETCH(QByteArray, piece);
    QFETCH(QByteArray, na);
    Programma p;
    QVERIFY(writeFile(p.configPath(), prefix + piece.repeated(50 * 1024 * 1024 / piece.size()) + na));
    QVERIFY(p.start());
    QCOMPARE(p.f().Route.Text(), u8("Utrecht\r\nZeist"));
    QCOMPARE(items(p.f().Plaats), (QStringList{u8("Amersfoort"), u8("Ede")}));
    QCOMPARE(items(p.f().Routes), QStringList{u8("Ede/Zeist")});
    QVERIFY(p.platform.questions.isEmpty());
    const QByteArray origineel = readFile(p.configPath());
    const bool geweigerd = QByteArray(QTest::currentDataTag()) != "zonder sleutel";
    bewaarEnHerstart(p);
    // A text the window refused is not lost: the file as it was stays beside the new one.
    QCOMPARE(readFile(p.configPath() + u8(".bak")), geweigerd ? origineel : QByteArray());
}

void TestReliability::vijftigMegabyteAanPlaatsen()
{
    // Millions of ordinary entries on one line: every one comes in, and goes out again.
    QByteArray line = "route=Utrecht/Zeist\r\nplaats=";
    int count = 0;
    while (line.size() < 50 * 1024 * 1024)
        line += "Plaats " + QByteArray::number(++count) + '\x0F';
    Programma p;
    QVERIFY(writeFile(p.configPath(), line + "\r\nroutes=Ede/Zeist\x0F\r\n"));
    QVERIFY(p.start());
    QCOMPARE(p.f().Route.Text(), u8("Utrecht\r\nZeist"));
    QCOMPARE(p.f().Plaats.ListCount(), count);
    QVERIFY(p.f().InLijst(p.f().Plaats, u8("Plaats 1")));
    QVERIFY(p.f().InLijst(p.f().Plaats, u8("Plaats ") + QString::number(count)));
    QCOMPARE(items(p.f().Routes), QStringList{u8("Ede/Zeist")});
    bewaarEnHerstart(p);
}

void TestReliability::tekensMetEenEigenBetekenis()
{
    // Characters the text controls give a meaning of their own: line and paragraph separators,
    // object and frame markers, a byte order mark inside the text, a tab, a character beyond
    // the basic plane, a C1 line break. Each entry comes back as it stood.
    const QStringList bijzonder{u8("a\u2028b"), u8("c\u2029d"), u8("\uFFFCe"), u8("f\uFDD0\uFDD1"),
                                u8("\uFEFFg"), u8("h\ti"), u8("\U0001F600j"), u8("k\u0085l")};
    const QByteArray file = "route=" + bijzonder.join(u'/').toUtf8() + "\r\nplaats="
                               + bijzonder.join(EntrySeparator).toUtf8() + "\x0F\r\n";
    Programma p;
    QVERIFY(writeFile(p.configPath(), file));
    QVERIFY(p.start());
    QCOMPARE(sorted(items(p.f().Plaats)), sorted(bijzonder));
    // The route box makes a line break of a paragraph separator and of the frame markers
    // U+FDD0/U+FDD1 (no characters, by Unicode's own rule); the other places stand as given.
    const QStringList inRoute = p.f().RouteGestript(false, false).split(u'/');
    for (const char* place : {"a\u2028b", "\uFFFCe", "h\ti", "\U0001F600j", "k\u0085l"})
        QVERIFY2(inRoute.contains(u8(place)), place);
    QVERIFY(p.platform.questions.isEmpty());
    bewaarEnHerstart(p);
}

void TestReliability::watHetVensterAanneemt_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("past");
    const QString place(LongestPlace, u'z');
    QTest::newRow("leeg") << QString() << true;
    QTest::newRow("langste plaats") << u8("Ede/") + place + u8("/Ede") << true;
    QTest::newRow("een teken te lang") << u8("Ede/") + place + u8("z/Ede") << false;
    QTest::newRow("veertigduizend plaatsen") << numbered(u8("Plaats"), 40000).join(u'/') << true;
    QTest::newRow("meeste plaatsen") << QString(u8("a/")).repeated(MostPlaces - 1) + u8("a") << true;
    QTest::newRow("een plaats te veel") << QString(u8("a/")).repeated(MostPlaces) + u8("a") << false;
    QTest::newRow("alleen schuine strepen") << QString(MostPlaces, u'/') << false;
}

void TestReliability::watHetVensterAanneemt()
{
    QFETCH(QString, text);
    QTEST(fitsInWindow(text), "past");
}

void TestReliability::geenGewoonBestand_data()
{
    QTest::addColumn<QString>("soort");
    QTest::newRow("een map") << u8("map");
#ifdef Q_OS_UNIX
    QTest::newRow("verwijzing naar niets") << u8("los");
    QTest::newRow("verwijzingen in een kring") << u8("kring");
#endif
}

void TestReliability::geenGewoonBestand()
{
    QFETCH(QString, soort);
    Programma p;
    const QString path = p.configPath();
    if (soort == u8("map")) {
        QVERIFY(QDir().mkpath(path + u8("/binnen")));
    } else if (soort == u8("los")) {
        QVERIFY(QFile::link(p.dir.filePath(u8("weg.cfg")), path));
    } else {
        QVERIFY(QFile::link(p.dir.filePath(u8("b.cfg")), path));
        QVERIFY(QFile::link(path, p.dir.filePath(u8("b.cfg"))));
    }
    QVERIFY(p.start());
    QCOMPARE(p.f().Route.Text(), QString());
    QCOMPARE(p.f().Plaats.ListCount(), 0);
    QCOMPARE(p.f().Routes.ListCount(), 0);
    QVERIFY(p.platform.questions.isEmpty());
    QVERIFY(p.platform.terminated.isEmpty());
    // At closing, a folder is not replaced: the failure is reported once with the path and the
    // reason. A link to nowhere is saved through to where it points; a link in a loop is replaced.
    p.f().Plaats.AddItem(u8("Ede"));
    p.f().close();
    if (soort == u8("map")) {
        QCOMPARE(p.platform.questions.size(), 1);
        QCOMPARE(p.platform.questions.constFirst().icon, Question::Icon::Error);
        QVERIFY(p.platform.questions.constFirst().text.contains(QDir::toNativeSeparators(path)));
        QVERIFY(QFileInfo(path + u8("/binnen")).isDir());
        return;
    }
    QVERIFY(p.platform.questions.isEmpty());
    QCOMPARE(readFile(path), QByteArray("route=\r\nplaats=Ede\x0F\r\nroutes=\r\n"));
    if (soort == u8("los"))
        QVERIFY(QFileInfo(path).isSymLink());
}

void TestReliability::bestandZonderLeesrecht()
{
#ifdef Q_OS_UNIX
    Programma p;
    const QByteArray oud = GeldigBegin;
    QVERIFY(writeFile(p.configPath(), oud));
    QVERIFY(QFile::setPermissions(p.configPath(), QFileDevice::Permissions()));
    {
        QFile proef(p.configPath());
        if (proef.open(QIODevice::ReadOnly))
            QSKIP("this user reads every file (root); e2e_leesrecht.sh runs this case as another user");
    }
    QVERIFY(p.start());
    QCOMPARE(p.f().Route.Text(), QString());
    QCOMPARE(p.f().Plaats.ListCount(), 0);
    QVERIFY(p.platform.questions.isEmpty());
    QVERIFY(p.platform.terminated.isEmpty());
    // The file that could not be read is not replaced by an empty one behind the user's back.
    p.f().close();
    QCOMPARE(p.platform.questions.size(), 1);
    QCOMPARE(p.platform.questions.constFirst().icon, Question::Icon::Error);
    QVERIFY(p.platform.questions.constFirst().text.contains(QDir::toNativeSeparators(p.configPath())));
    QVERIFY(QFile::setPermissions(p.configPath(), QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    QCOMPARE(readFile(p.configPath()), oud);
    QVERIFY(bijproducten(p.dir.path()).isEmpty());
#else
    QSKIP("needs Unix file permissions");
#endif
}

// ---- faults while saving --------------------------------------------------------------------------

void TestReliability::volleSchijf_data()
{
    QTest::addColumn<int>("oudeGrootte");
    QTest::addColumn<int>("nieuwePlaatsen");
    QTest::newRow("nieuw bestand past niet") << 0 << 20000;
    // Old and new would each fit alone, not both: the old one is not given up for the new.
    QTest::newRow("oud en nieuw samen passen niet") << 40000 << 3000;
}

void TestReliability::volleSchijf()
{
#ifdef Q_OS_LINUX
    QFETCH(int, oudeGrootte);
    QFETCH(int, nieuwePlaatsen);
    Programma p;
    const KleineSchijf schijf(p.dir.path());
    if (!schijf.gekoppeld())
        QSKIP(qPrintable(u8("no small file system could be made here (") + schijf.reason()
                         + u8("); the file size limit in tst_config covers a full disk")));
    QByteArray oud = "route=Utrecht\r\nplaats=Zeist\x0F\r\nroutes=\r\n";
    oud += QByteArray(qMax(0, oudeGrootte - int(oud.size())), ' ');
    QVERIFY(writeFile(p.configPath(), oud));
    QVERIFY(p.start());
    p.f().Plaats.AddItems(numbered(u8("Plaats"), nieuwePlaatsen));
    p.f().close();

    QCOMPARE(p.platform.questions.size(), 1);
    const Question message = p.platform.questions.constFirst();
    QCOMPARE(message.icon, Question::Icon::Error);
    QVERIFY2(message.text.contains(QDir::toNativeSeparators(p.configPath())), qPrintable(message.text));
    QVERIFY2(message.text.contains(qt_error_string(ENOSPC)), qPrintable(message.text));
    QCOMPARE(readFile(p.configPath()), oud);
    QVERIFY(bijproducten(p.dir.path()).isEmpty());
#else
    QSKIP("needs a Linux tmpfs");
#endif
}

void TestReliability::bestandVervangenTerwijlVensterOpen_data()
{
    QTest::addColumn<QString>("hoe");
    QTest::newRow("ter plekke langer overschreven") << u8("overschrijven");
    QTest::newRow("vervangen door een ander bestand") << u8("hernoemen");
    QTest::newRow("verwijderd") << u8("verwijderen");
    QTest::newRow("map verdwenen") << u8("map weg");
}

void TestReliability::bestandVervangenTerwijlVensterOpen()
{
    QFETCH(QString, hoe);
    Programma p;
    QVERIFY(writeFile(p.configPath(), GeldigBegin));
    QVERIFY(p.start());
    p.f().Plaats.AddItem(u8("Zeist"));
    const QByteArray verwacht = "route=Utrecht/Zeist\r\nplaats=Amersfoort\x0F" "Ede\x0FZeist\x0F\r\nroutes=Ede/Zeist\x0F\r\n";

    // Another program writes at the path while the window is open.
    const QByteArray ander = "route=Elders\r\nplaats=" + QByteArray(100000, 'q') + "\x0F\r\nroutes=\r\n";
    if (hoe == u8("overschrijven")) {
        QVERIFY(writeFile(p.configPath(), ander));
    } else if (hoe == u8("hernoemen")) {
        QVERIFY(writeFile(p.dir.filePath(u8("ander.tmp")), ander));
        QVERIFY(QFile::remove(p.configPath()));
        QVERIFY(QFile::rename(p.dir.filePath(u8("ander.tmp")), p.configPath()));
    } else if (hoe == u8("verwijderen")) {
        QVERIFY(QFile::remove(p.configPath()));
    } else {
        QVERIFY(QDir(p.dir.path()).removeRecursively());
    }
    p.f().close();

    if (hoe == u8("map weg")) {
        QCOMPARE(p.platform.questions.size(), 1);
        QCOMPARE(p.platform.questions.constFirst().icon, Question::Icon::Error);
        const QString text = p.platform.questions.constFirst().text;
        QVERIFY2(text.contains(QDir::toNativeSeparators(p.configPath())), qPrintable(text));
        QVERIFY2(!text.section(QDir::toNativeSeparators(p.configPath()), 1).trimmed().isEmpty(), qPrintable(text));
        return;
    }
    // The window's own view, whole: no tail of the other file behind it.
    QVERIFY(p.platform.questions.isEmpty());
    QCOMPARE(readFile(p.configPath()), verwacht);
    QVERIFY(bijproducten(p.dir.path()).isEmpty());
}

// ---- far past 16 bits -------------------------------------------------------------------------------

void TestReliability::routeVanVeertigduizendRegels()
{
    const QStringList places = numbered(u8("Plaats"), 40000);
    const QString lines = places.join(u8("\r\n"));
    Programma p;
    QVERIFY(p.start());
    frmZwervel& f = p.f();

    // Spaces around the places and blank lines between them, for the clean-up.
    QString rommelig;
    for (int i = 0; i < places.size(); ++i)
        rommelig += u8("  ") + places.at(i) + (i % 2 ? u8(" \r\n \r\n") : u8("\r\n"));
    f.Route.setText(rommelig);
    f.Route.SetFocus();
    QTest::keyClick(&f.Route, Qt::Key_F2);
    QCOMPARE(f.Route.Text(), lines);
    QCOMPARE(f.Route.document()->blockCount(), 40000);
    QCOMPARE(f.Route.SelStart(), 0);
    QCOMPARE(f.Route.SelLength(), int(lines.size()));

    f.Route.setSelStart(0);
    QTest::keyClick(&f.Route, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(f.Route.SelLength(), f.Route.TextLength());
    QCOMPARE(f.Route.SelText(), lines);

    QCOMPARE(f.RouteGestript(false, false), places.join(u'/'));
    f.knopGoogleMaps_MouseUp(1, 0, 0, 0);
    QCOMPARE(p.platform.addresses.size(), 1);
    const QString address = p.platform.addresses.constFirst();
    QVERIFY(address.startsWith(QString::fromLatin1(MapBaseAddress) + u8("/maps/dir/Plaats%2000001/Plaats%2000002/")));
    QVERIFY(address.endsWith(u8("/Plaats%2039999/Plaats%2040000")));
    QCOMPARE(address.count(u'/'), 4 + 40000);

    // Saved on the "route=" line and back as 40,000 lines.
    f.close();
    QVERIFY(p.platform.questions.isEmpty());
    QVERIFY(readFile(p.configPath()).startsWith("route=" + places.join(u'/').toLatin1() + "\r\nplaats=\r\n"));
    p.window.reset();
    QVERIFY(p.start());
    QCOMPARE(p.f().Route.Text(), lines);
    QCOMPARE(p.f().Route.SelLength(), int(lines.size()));
}

void TestReliability::caretVoorbijVeertigduizendRegels()
{
    const QStringList places = numbered(u8("Plaats"), 40000);
    const QString lines = places.join(u8("\r\n"));
    FormFixture fx;
    QVERIFY(fx.show());
    frmZwervel& f = fx.f();
    f.Route.setText(lines);
    f.Plaats.AddItem(u8("Ede"));

    // The place on line 39,001, far past 32,767 lines and characters, selected.
    const int line = 39000;
    const int caret = line * 14;
    QCOMPARE(lines.mid(caret, 12), places.at(line));
    f.Route.SetFocus();
    f.Route.setSelStart(caret);
    f.Route.setSelLength(12);
    QCOMPARE(f.Route.SelStart(), caret);
    QCOMPARE(f.Route.textCursor().blockNumber(), line);

    kies(f.Plaats, 0);
    QCOMPARE(f.RouteSelStart, caret); // kept when the list took the focus
    QCOMPARE(f.RouteSelLengte, 12);
    QString verwacht = lines;
    verwacht.replace(caret, 12, u8("Ede"));
    QCOMPARE(f.Route.Text(), verwacht);
    QCOMPARE(f.Route.SelStart(), caret);
    QCOMPARE(f.Route.SelLength(), 3);
    QCOMPARE(f.Route.SelText(), u8("Ede"));

    f.knopOngedaan_Click();
    QCOMPARE(f.Route.Text(), lines);
    QCOMPARE(f.Route.SelStart(), caret);
    QCOMPARE(f.Route.SelLength(), 12);

    // A place added at the very end of a long route, after its last line.
    f.Route.SetFocus();
    f.Route.setSelStart(f.Route.TextLength());
    kies(f.Plaats, 0);
    QCOMPARE(f.Route.Text(), lines + u8("Ede"));
    QCOMPARE(f.Route.SelStart(), int(lines.size()));
    QCOMPARE(f.Route.SelLength(), 3);
}

void TestReliability::routeVanVeertigduizendPlaatsenInDeLijst()
{
    const QStringList places = numbered(u8("Plaats"), 40000);
    const QString route = places.join(u'/');
    Programma p;
    QVERIFY(p.start());
    p.f().Route.setText(places.join(u8("\r\n")));
    p.platform.answers = {Question::Answer::Yes};
    p.f().knopRouteToevoegen_Click();
    QCOMPARE(items(p.f().Routes), QStringList{route});
    QCOMPARE(p.f().tRoutes.Text(), route);

    p.f().close();
    QCOMPARE(p.platform.questions.size(), 1); // the question only
    p.platform.questions.clear();
    p.window.reset();
    QVERIFY(p.start());
    QCOMPARE(items(p.f().Routes), QStringList{route});
    p.f().Route.setText(QString());
    kies(p.f().Routes, 0);
    QCOMPARE(p.f().Route.Text(), places.join(u8("\r\n")));
    QCOMPARE(p.f().Route.SelLength(), p.f().Route.TextLength());
}

void TestReliability::kiezenVoorbij32767()
{
    FormFixture fx;
    QVERIFY(fx.show());
    frmZwervel& f = fx.f();
    const QStringList places = numbered(u8("Plaats"), 40000);
    const QStringList routes = numbered(u8("Route a/b"), 40000);
    f.Plaats.AddItems(places);
    f.Routes.AddItems(routes);

    f.Route.setText(u8("Utrecht\r\n"));
    f.Route.SetFocus();
    f.Route.setSelStart(9);
    kies(f.Plaats, 39999);
    QCOMPARE(f.Route.Text(), u8("Utrecht\r\nPlaats 40000"));
    QCOMPARE(f.tPlaats.Text(), u8("Plaats 40000"));

    kies(f.Routes, 32768);
    QCOMPARE(f.tRoutes.Text(), routes.at(32768));
    QCOMPARE(f.Route.Text(), u8("Route a\r\nb 32769"));
}

QTEST_MAIN(TestReliability)
#include "tst_reliability.moc"
