// The configuration file: its text rules without a window, the file on disk, and the round
// trip through the real window.
#include "config/ConfigBestand.h"
#include "config/ConfigFormat.h"
#include "route/RouteRules.h"
#include "text/TextRules.h"
#include "support/FormFixture.h"
#include "support/TestHelpers.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <stdexcept>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#endif

using namespace zwervel;

namespace {

QString u8(const char* text) { return QString::fromUtf8(text); }
QByteArray bytes(const char* text) { return QByteArray(text); }

QByteArray lijstBytes(const QStringList& items)
{
    QByteArray out;
    for (const QString& item : items)
        out += item.toUtf8() + '\x0F';
    return out;
}

// The window closed as the user closes it; returns the boxes it showed.
QList<Question> sluit(FormFixture& f)
{
    f.f().close();
    return f.platform.questions;
}

#ifdef Q_OS_UNIX
// A file size limit for this process: a write past it fails as on a full disk, even for root.
class SchrijfGrens {
public:
    explicit SchrijfGrens(rlim_t grens)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_oud);
        rlimit updated = m_oud;
        updated.rlim_cur = grens;
        setrlimit(RLIMIT_FSIZE, &updated);
    }
    ~SchrijfGrens() { setrlimit(RLIMIT_FSIZE, &m_oud); }

private:
    rlimit m_oud{};
};
#endif

} // namespace

class TestConfig : public QObject {
    Q_OBJECT

private slots:
    // ---- the text rules ---------------------------------------------------------------------
    void lines_data();
    void lines();
    void content_data();
    void content();
    void voorbeeldBestand();
    void kaleSleutels();
    void itemsOngewijzigdGeschreven();
    void scheidingstekenInItem();
    void coderen_data();
    void coderen();
    void decoderen_data();
    void decoderen();
    void elkeByteKomtTerug();
    void veertigduizendPlaatsen();

    // ---- the file on disk ----------------------------------------------------------------------
    void schrijvenVervangtHeel();
    void schrijvenMislukt_data();
    void schrijvenMislukt();
    void schrijfFoutHalverwegeLaatOudBestand();
    void lezenWachtNietEnMeldtNiets();

    // ---- through the window ------------------------------------------------------------------
    void routeUitBestand_data();
    void routeUitBestand();
    void heenEnTerug();
    void legeVensterGeeftKaleSleutels();
    void plaatsenGetrimdGeladenOngewijzigdBewaard();
    void tekensBuitenCodepagina();
    void ouderBestandBlijftWindows1252();
    void regelsMetAlleenLf();
    void onleesbaarBestandVensterOpentToch_data();
    void onleesbaarBestandVensterOpentToch();
    void mislukteOpslagGemeld_data();
    void mislukteOpslagGemeld();
    void volleSchijfLaatOudBestandHeel();
    void veertigduizendDoorHetVenster();
};

// ---- the text rules -------------------------------------------------------------------------

void TestConfig::lines_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("CR LF") << u8("a\r\nb\r\n") << QStringList{u8("a"), u8("b")};
    QTest::newRow("alleen LF") << u8("a\nb\n") << QStringList{u8("a"), u8("b")};
    QTest::newRow("alleen CR") << u8("a\rb\r") << QStringList{u8("a"), u8("b")};
    QTest::newRow("laatste zonder einde") << u8("a\r\nb") << QStringList{u8("a"), u8("b")};
    QTest::newRow("LF dan CR: twee einden") << u8("a\n\rb") << QStringList{u8("a"), u8(""), u8("b")};
    QTest::newRow("CR CR LF") << u8("a\r\r\nb") << QStringList{u8("a"), u8(""), u8("b")};
    QTest::newRow("leeg") << QString() << QStringList{};
    QTest::newRow("alleen een einde") << u8("\r\n") << QStringList{u8("")};
}

void TestConfig::lines()
{
    QFETCH(QString, text);
    QFETCH(QStringList, lines);
    QCOMPARE(configLines(text), lines);
}

void TestConfig::content_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("routeValues");
    QTest::addColumn<QStringList>("places");
    QTest::addColumn<QStringList>("routes");
    const QStringList geen;

    QTest::newRow("sleutel in hoofdletters")
        << bytes("ROUTE=Utrecht/Zeist\r\n") << QStringList{u8("Utrecht/Zeist")} << geen << geen;
    QTest::newRow("gemengde letters")
        << bytes("Route=a\r\nPLAATS=P\x0F\r\nRoutes=r/s\x0F\r\n")
        << QStringList{u8("a")} << QStringList{u8("P")} << QStringList{u8("r/s")};
    QTest::newRow("spatie voor de sleutel")
        << bytes(" route=Utrecht/Zeist\r\n plaats=A\x0F\r\n") << geen << geen << geen;
    QTest::newRow("is-teken in de waarde")
        << bytes("route=a=b\r\nplaats=x=y\x0F\r\n") << QStringList{u8("a=b")} << QStringList{u8("x=y")} << geen;
    QTest::newRow("waarde niet getrimd") << bytes("route= a / b \r\n") << QStringList{u8(" a / b ")} << geen << geen;
    QTest::newRow("elke route-regel in volgorde")
        << bytes("route=x\r\nroute=\r\nroute=y/z\r\n") << QStringList{u8("x"), u8(""), u8("y/z")} << geen << geen;
    QTest::newRow("zonder is-teken of met andere sleutel")
        << bytes("Utrecht\r\nkleur=rood\r\n=Zeist\r\nplaatsen=A\x0F\r\n") << geen << geen << geen;
    QTest::newRow("laatste plaats-regel telt")
        << bytes("plaats=A\x0F\r\nplaats=B\x0F" "C\x0F\r\n") << geen << QStringList{u8("B"), u8("C")} << geen;
    QTest::newRow("lege plaats-regel na een volle")
        << bytes("plaats=A\x0F\r\nplaats=\r\n") << geen << geen << geen;
    QTest::newRow("stukken getrimd, zonder slotscheiding")
        << bytes("plaats=  Utrecht \x0F\x0FZeist") << geen << QStringList{u8("Utrecht"), u8("Zeist")} << geen;
    QTest::newRow("lege en blanco stukken")
        << bytes("plaats=\x0F   \x0F\x0F\r\nroutes=\x0F") << geen << geen << geen;
    QTest::newRow("tabs blijven staan")
        << bytes("plaats=\tA \x0F") << geen << QStringList{u8("\tA")} << geen;
    QTest::newRow("dubbele items blijven")
        << bytes("plaats=A\x0F" "A\x0F" "a\x0F") << geen << QStringList{u8("A"), u8("A"), u8("a")} << geen;
    QTest::newRow("routes houden hun schuine strepen")
        << bytes("routes=Rome, Colosseum/Parijs\x0F") << geen << geen << QStringList{u8("Rome, Colosseum/Parijs")};
    QTest::newRow("alleen LF")
        << bytes("route=a/b\nplaats=A\x0F" "B\x0F\nroutes=a/b\x0F\n")
        << QStringList{u8("a/b")} << QStringList{u8("A"), u8("B")} << QStringList{u8("a/b")};
    QTest::newRow("alleen CR")
        << bytes("route=a/b\rplaats=A\x0F\rroutes=a/b\x0F\r")
        << QStringList{u8("a/b")} << QStringList{u8("A")} << QStringList{u8("a/b")};
    QTest::newRow("byte order mark voor de eerste sleutel")
        << bytes("\xEF\xBB\xBFroute=Z\xC3\xBCrich\r\n") << QStringList{u8("Zürich")} << geen << geen;
    QTest::newRow("NUL-teken blijft in het item")
        << QByteArray("plaats=a\0b\x0F", 11) << geen << QStringList{QString(u8("a")) + QChar(0) + u8("b")} << geen;
    QTest::newRow("leeg bestand") << QByteArray() << geen << geen << geen;
}

void TestConfig::content()
{
    QFETCH(QByteArray, file);
    const ConfigContent content = parseConfig(decodeConfig(file));
    QTEST(content.routeValues, "routeValues");
    QTEST(content.places, "places");
    QTEST(content.routes, "routes");
}

void TestConfig::voorbeeldBestand()
{
    const QString text = configText(u8("Nieuwegein/Utrecht/Amsterdam"),
                                   {u8("Amsterdam"), u8("Nieuwegein"), u8("Utrecht")},
                                   {u8("Rome, Colosseum/Parijs")});
    QCOMPARE(encodeConfig(text), bytes("route=Nieuwegein/Utrecht/Amsterdam\r\n"
                                      "plaats=Amsterdam\x0FNieuwegein\x0FUtrecht\x0F\r\n"
                                      "routes=Rome, Colosseum/Parijs\x0F\r\n"));
    const ConfigContent terug = parseConfig(decodeConfig(encodeConfig(text)));
    QCOMPARE(terug.routeValues, QStringList{u8("Nieuwegein/Utrecht/Amsterdam")});
    QCOMPARE(terug.places, (QStringList{u8("Amsterdam"), u8("Nieuwegein"), u8("Utrecht")}));
    QCOMPARE(terug.routes, QStringList{u8("Rome, Colosseum/Parijs")});
    QCOMPARE(routeAsLines(terug.routeValues.constFirst()), u8("Nieuwegein\r\nUtrecht\r\nAmsterdam"));
}

void TestConfig::kaleSleutels()
{
    QCOMPARE(encodeConfig(configText(QString(), {}, {})), bytes("route=\r\nplaats=\r\nroutes=\r\n"));
}

void TestConfig::itemsOngewijzigdGeschreven()
{
    // Loading trims; saving writes what the list holds.
    QCOMPARE(configText(QString(), {u8("  A "), u8("\tB")}, {u8(" a / b ")}),
             u8("route=\r\nplaats=  A \x0F\tB\x0F\r\nroutes= a / b \x0F\r\n"));
}

void TestConfig::scheidingstekenInItem()
{
    // The format cannot hold the separator inside an entry: written unchanged, it comes back as
    // two entries. That is why the lists refuse it where an entry is made.
    const QString text = configText(QString(), {u8("a\x0F" "b")}, {});
    QCOMPARE(text, u8("route=\r\nplaats=a\x0F" "b\x0F\r\nroutes=\r\n"));
    QCOMPARE(parseConfig(text).places, (QStringList{u8("a"), u8("b")}));
}

void TestConfig::coderen_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("file");
    QTest::newRow("ASCII") << u8("route=Utrecht") << bytes("route=Utrecht");
    QTest::newRow("Latijn-1") << u8("Zürich, Île-de-France") << bytes("Z\xFCrich, \xCE" "le-de-France");
    QTest::newRow("Windows-1252 eigen tekens") << u8("€ Œuvre “x” – …")
                                               << bytes("\x80 \x8Cuvre \x93x\x94 \x96 \x85");
    QTest::newRow("C1-teken zonder 1252-betekenis") << QString(QChar(0x81)) << bytes("\x81");
    QTest::newRow("Pools: heel bestand UTF-8") << u8("Zürich/Łódź") << bytes("Z\xC3\xBCrich/\xC5\x81\xC3\xB3" "d\xC5\xBA");
    QTest::newRow("Grieks") << u8("Αθήνα") << u8("Αθήνα").toUtf8();
    QTest::newRow("Japans") << u8("東京") << u8("東京").toUtf8();
    // In Windows-1252 "Ã©" is C3 A9, which a reader takes for the UTF-8 of "é".
    QTest::newRow("1252-bytes die UTF-8 lijken") << u8("Ã©") << bytes("\xC3\x83\xC2\xA9");
}

void TestConfig::coderen()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, file);
    QCOMPARE(encodeConfig(text), file);
    QCOMPARE(decodeConfig(file), text);
}

void TestConfig::decoderen_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("text");
    QTest::newRow("UTF-8") << bytes("Z\xC3\xBCrich") << u8("Zürich");
    QTest::newRow("Windows-1252") << bytes("Z\xFCrich \x80") << u8("Zürich €");
    QTest::newRow("afgebroken UTF-8 is 1252") << bytes("abc\xC3") << u8("abcÃ");
    QTest::newRow("te lange UTF-8-vorm is 1252") << bytes("\xC0\x80") << u8("À€");
    QTest::newRow("UTF-8 naast losse 1252-byte") << bytes("\xC3\xBC\xFC") << u8("Ã¼ü");
    QTest::newRow("byte order mark valt weg") << bytes("\xEF\xBB\xBF" "abc") << u8("abc");
}

void TestConfig::decoderen()
{
    QFETCH(QByteArray, file);
    QTEST(decodeConfig(file), "text");
}

void TestConfig::elkeByteKomtTerug()
{
    // A file of an older copy is read and written back unchanged, byte for byte, whatever it
    // holds (as long as it is not also valid UTF-8).
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all += char(b);
    QCOMPARE(encodeConfig(decodeConfig(all)), all);
    for (int b = 0x80; b < 256; ++b) {
        const QByteArray een(1, char(b));
        QCOMPARE(encodeConfig(decodeConfig(een)), een);
    }
}

void TestConfig::veertigduizendPlaatsen()
{
    const QStringList places = numbered(u8("Plaats"), 40000);
    const QStringList routes = numbered(u8("Route a/b"), 40000);
    const ConfigContent terug = parseConfig(decodeConfig(encodeConfig(configText(u8("a/b"), places, routes))));
    QCOMPARE(terug.places, places);
    QCOMPARE(terug.routes, routes);
}

// ---- the file on disk -------------------------------------------------------------------------

void TestConfig::schrijvenVervangtHeel()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u8("zwervel.cfg"));
    QVERIFY(writeFile(path, QByteArray(5000, 'x')));
    writeConfigBytes(path, bytes("route=\r\n"));
    QCOMPARE(readFile(path), bytes("route=\r\n"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{u8("zwervel.cfg")});
    QCOMPARE(readConfigBytes(path), bytes("route=\r\n"));
}

void TestConfig::schrijvenMislukt_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("isMap");
    QTest::newRow("pad is een map") << u8("zwervel.cfg") << true;
    QTest::newRow("map bestaat niet") << u8("ontbreekt/zwervel.cfg") << false;
}

void TestConfig::schrijvenMislukt()
{
    QFETCH(QString, name);
    QFETCH(bool, isMap);
    QTemporaryDir dir;
    const QString path = dir.filePath(name);
    if (isMap)
        QVERIFY(QDir().mkpath(path));
    QString message;
    try {
        writeConfigBytes(path, bytes("route=\r\n"));
    } catch (const std::runtime_error& error) {
        message = QString::fromLocal8Bit(error.what());
    }
    QVERIFY2(message.contains(QDir::toNativeSeparators(path)), qPrintable(message));
    // The reason follows the path on a line of its own.
    QVERIFY2(!message.section(QDir::toNativeSeparators(path), 1).trimmed().isEmpty(), qPrintable(message));
    QCOMPARE(QFileInfo(path).isDir(), isMap);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{});
}

void TestConfig::schrijfFoutHalverwegeLaatOudBestand()
{
#ifdef Q_OS_UNIX
    QTemporaryDir dir;
    const QString path = dir.filePath(u8("zwervel.cfg"));
    const QByteArray oud = bytes("route=Utrecht\r\nplaats=Zeist\x0F\r\nroutes=\r\n");
    QVERIFY(writeFile(path, oud));
    QString message;
    {
        const SchrijfGrens grens(4096);
        try {
            writeConfigBytes(path, QByteArray(200000, 'x'));
        } catch (const std::runtime_error& error) {
            message = QString::fromLocal8Bit(error.what());
        }
    }
    // The reason is the system's own, not a bare "unknown error".
    QVERIFY2(message.contains(qt_error_string(EFBIG)), qPrintable(message));
    QCOMPARE(readFile(path), oud);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{u8("zwervel.cfg")});
#else
    QSKIP("needs a per-process file size limit");
#endif
}

void TestConfig::lezenWachtNietEnMeldtNiets()
{
    QTemporaryDir dir;
    QCOMPARE(readConfigBytes(dir.filePath(u8("ontbreekt.cfg"))), QByteArray());
    QCOMPARE(readConfigBytes(dir.path()), QByteArray());
#ifdef Q_OS_UNIX
    // A pipe nobody writes to would block an open for reading for ever.
    const QString pijp = dir.filePath(u8("pijp.cfg"));
    QCOMPARE(mkfifo(QFile::encodeName(pijp).constData(), 0600), 0);
    QCOMPARE(readConfigBytes(pijp), QByteArray());
    // A file whose reading fails at once.
    if (QFileInfo(u8("/proc/self/mem")).isFile())
        QCOMPARE(readConfigBytes(u8("/proc/self/mem")), QByteArray());
#endif
}

// ---- through the window -----------------------------------------------------------------------

void TestConfig::routeUitBestand_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("route");
    QTest::newRow("sleutel in hoofdletters") << bytes("ROUTE=Utrecht/Zeist\r\n") << u8("Utrecht\r\nZeist");
    QTest::newRow("spatie voor de sleutel") << bytes(" route=Utrecht/Zeist\r\n") << QString();
    QTest::newRow("is-teken in de waarde") << bytes("route=a=b\r\n") << u8("a=b");
    QTest::newRow("kale route-regel leegt") << bytes("route=Utrecht\r\nroute=\r\n") << QString();
    QTest::newRow("laatste route-regel telt") << bytes("route=a\r\nroute=b/c\r\n") << u8("b\r\nc");
    QTest::newRow("geen route-regel") << bytes("plaats=A\x0F\r\n") << QString();
}

void TestConfig::routeUitBestand()
{
    QFETCH(QByteArray, file);
    FormFixture f(&file);
    QTEST(f.f().Route.Text(), "route");
    QVERIFY(f.platform.questions.isEmpty());
}

void TestConfig::heenEnTerug()
{
    QByteArray bewaard;
    {
        FormFixture f;
        f.f().Route.setText(u8("  Nieuwegein \r\n\r\nUtrecht/ Amsterdam\r\n"));
        f.f().Plaats.AddItems({u8("Amsterdam"), u8("Nieuwegein"), u8("Utrecht")});
        f.f().Routes.AddItems({u8("Rome, Colosseum/Parijs")});
        QVERIFY(sluit(f).isEmpty());
        bewaard = readFile(f.configPath());
        QCOMPARE(bewaard, bytes("route=Nieuwegein/Utrecht/Amsterdam\r\n"
                                "plaats=Amsterdam\x0FNieuwegein\x0FUtrecht\x0F\r\n"
                                "routes=Rome, Colosseum/Parijs\x0F\r\n"));
    }
    FormFixture f(&bewaard);
    QCOMPARE(f.f().Route.Text(), u8("Nieuwegein\r\nUtrecht\r\nAmsterdam"));
    QCOMPARE(items(f.f().Plaats), (QStringList{u8("Amsterdam"), u8("Nieuwegein"), u8("Utrecht")}));
    QCOMPARE(items(f.f().Routes), QStringList{u8("Rome, Colosseum/Parijs")});
    sluit(f);
    QCOMPARE(readFile(f.configPath()), bewaard);
}

void TestConfig::legeVensterGeeftKaleSleutels()
{
    FormFixture f;
    QVERIFY(!QFile::exists(f.configPath())); // made only when the window closes
    f.f().Route.setText(u8("  \r\n \r\n"));
    QVERIFY(sluit(f).isEmpty());
    QCOMPARE(readFile(f.configPath()), bytes("route=\r\nplaats=\r\nroutes=\r\n"));
}

void TestConfig::plaatsenGetrimdGeladenOngewijzigdBewaard()
{
    const QByteArray file = bytes("plaats=  Utrecht \x0F\r\n");
    FormFixture f(&file);
    QCOMPARE(items(f.f().Plaats), QStringList{u8("Utrecht")});
    f.f().Plaats.AddItem(u8(" Zeist  "));
    sluit(f);
    const QByteArray bewaard = readFile(f.configPath());
    QVERIFY2(bewaard.contains("\x0F Zeist  \x0F") || bewaard.contains("plaats= Zeist  \x0F"), bewaard.constData());
    QVERIFY(bewaard.contains("Utrecht\x0F"));
}

void TestConfig::tekensBuitenCodepagina()
{
    const QStringList places{u8("Łódź"), u8("Αθήνα"), u8("東京"), u8("Zürich")};
    QByteArray bewaard;
    {
        FormFixture f;
        f.f().Route.setText(u8("Łódź\r\nΑθήνα\r\n東京"));
        f.f().Plaats.AddItems(places);
        f.f().Routes.AddItems({u8("Zürich/東京")});
        sluit(f);
        bewaard = readFile(f.configPath());
        const QString verwacht = u8("route=Łódź/Αθήνα/東京\r\nplaats=") + items(f.f().Plaats).join(EntrySeparator)
                                 + EntrySeparator + u8("\r\nroutes=Zürich/東京\x0F\r\n");
        QCOMPARE(bewaard, verwacht.toUtf8());
    }
    FormFixture f(&bewaard);
    QCOMPARE(f.f().Route.Text(), u8("Łódź\r\nΑθήνα\r\n東京"));
    QCOMPARE(sorted(items(f.f().Plaats)), sorted(places));
    QCOMPARE(items(f.f().Routes), QStringList{u8("Zürich/東京")});
}

void TestConfig::ouderBestandBlijftWindows1252()
{
    const QByteArray file = bytes("route=Z\xFCrich/K\xF6ln\r\nplaats=K\xF6ln\x0FZ\xFCrich\x0F\r\nroutes=Caf\xE9 \x80/Z\xFCrich\x0F\r\n");
    FormFixture f(&file);
    QCOMPARE(f.f().Route.Text(), u8("Zürich\r\nKöln"));
    QCOMPARE(items(f.f().Plaats), (QStringList{u8("Köln"), u8("Zürich")}));
    QCOMPARE(items(f.f().Routes), QStringList{u8("Café €/Zürich")});
    sluit(f);
    QCOMPARE(readFile(f.configPath()), file);
}

void TestConfig::regelsMetAlleenLf()
{
    const QByteArray file = bytes("route=Utrecht/Zeist\nplaats=Utrecht\x0FZeist\x0F\nroutes=Utrecht/Zeist\x0F\n");
    FormFixture f(&file);
    QCOMPARE(f.f().Route.Text(), u8("Utrecht\r\nZeist"));
    QCOMPARE(items(f.f().Plaats), (QStringList{u8("Utrecht"), u8("Zeist")}));
    QCOMPARE(items(f.f().Routes), QStringList{u8("Utrecht/Zeist")});
    sluit(f);
    // Written back with CR LF.
    QCOMPARE(readFile(f.configPath()), bytes("route=Utrecht/Zeist\r\nplaats=Utrecht\x0FZeist\x0F\r\nroutes=Utrecht/Zeist\x0F\r\n"));
}

void TestConfig::onleesbaarBestandVensterOpentToch_data()
{
    QTest::addColumn<QString>("soort");
    QTest::newRow("map") << u8("map");
#ifdef Q_OS_UNIX
    QTest::newRow("pijp") << u8("pijp");
#endif
}

void TestConfig::onleesbaarBestandVensterOpentToch()
{
    QFETCH(QString, soort);
    // The program's folder is prepared before the window is made.
    QTemporaryDir dir;
    const QString path = dir.filePath(u8("zwervel.cfg"));
    if (soort == u8("map"))
        QVERIFY(QDir().mkpath(path));
#ifdef Q_OS_UNIX
    else
        QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
#endif
    ScriptedPlatform platform;
    platform.path = dir.filePath(u8("zwervel"));
    frmZwervel window(platform);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QCOMPARE(window.Route.Text(), QString());
    QCOMPARE(window.Plaats.ListCount(), 0);
    QVERIFY(platform.questions.isEmpty());
    QVERIFY(platform.terminated.isEmpty());
}

void TestConfig::mislukteOpslagGemeld_data()
{
    QTest::addColumn<bool>("isMap");
    QTest::newRow("pad is een map") << true;
    QTest::newRow("map bestaat niet") << false;
}

void TestConfig::mislukteOpslagGemeld()
{
    QFETCH(bool, isMap);
    FormFixture f;
    if (isMap)
        QVERIFY(QDir().mkpath(f.configPath()));
    else
        f.f().CfgBestand = f.dir.filePath(u8("ontbreekt/zwervel.cfg"));
    const QString path = QDir::toNativeSeparators(f.f().CfgBestand);
    f.f().Plaats.AddItem(u8("Utrecht"));
    const QList<Question> questions = sluit(f);
    QCOMPARE(questions.size(), 1);
    QCOMPARE(questions.constFirst().icon, Question::Icon::Error);
    const QString text = questions.constFirst().text;
    QVERIFY2(text.contains(path), qPrintable(text));
    QVERIFY2(!text.section(path, 1).trimmed().isEmpty(), qPrintable(text)); // and the reason
    QCOMPARE(f.platform.terminated, QList<int>{1});
    QCOMPARE(QFileInfo(f.configPath()).isDir(), isMap);
}

void TestConfig::volleSchijfLaatOudBestandHeel()
{
#ifdef Q_OS_UNIX
    const QByteArray oud = bytes("route=Utrecht\r\nplaats=Zeist\x0F\r\nroutes=\r\n");
    FormFixture f(&oud);
    f.f().Plaats.AddItems(numbered(u8("Plaats"), 20000));
    QList<Question> questions;
    {
        const SchrijfGrens grens(4096);
        questions = sluit(f);
    }
    QCOMPARE(questions.size(), 1);
    QVERIFY(questions.constFirst().text.contains(QDir::toNativeSeparators(f.configPath())));
    QCOMPARE(readFile(f.configPath()), oud);
    QCOMPARE(QDir(f.dir.path()).entryList(QDir::Files), QStringList{u8("zwervel.cfg")});
#else
    QSKIP("needs a per-process file size limit");
#endif
}

void TestConfig::veertigduizendDoorHetVenster()
{
    const QStringList places = numbered(u8("Plaats"), 40000);
    const QStringList routes = numbered(u8("Route a/b"), 40000);
    const QByteArray file = "route=a/b\r\nplaats=" + lijstBytes(places) + "\r\nroutes=" + lijstBytes(routes) + "\r\n";
    FormFixture f(&file);
    QCOMPARE(f.f().Plaats.ListCount(), 40000);
    QCOMPARE(f.f().Routes.ListCount(), 40000);
    QCOMPARE(f.f().Plaats.List(39999), places.constLast());
    sluit(f);
    QCOMPARE(readFile(f.configPath()), file);
}

QTEST_MAIN(TestConfig)
#include "tst_config.moc"
