// The configuration file: its text rules without a window, the file on disk, and the round
// trip through the real window.
#include "config/ConfigBestand.h"
#include "config/ConfigFormat.h"
#include "route/RouteRules.h"
#include "support/FormFixture.h"
#include "support/TestHelpers.h"
#include "text/TextRules.h"

#include <QDir>
#include <QFile>
#include <QStringEncoder>
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

QString u8(const char* text)
{
    return QString::fromUtf8(text);
}
QByteArray bytes(const char* text)
{
    return QByteArray(text);
}

QByteArray listBytes(const QStringList& items)
{
    QByteArray out;
    for (const QString& item : items)
        out += item.toUtf8() + '\x0F';
    return out;
}

// The window closed as the user closes it; returns the boxes it showed.
QList<Question> closeWindow(FormFixture& f)
{
    f.f().close();
    return f.platform.questions;
}

#ifdef Q_OS_UNIX
// A file size limit for this process: a write past it fails as on a full disk, even for root.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t limit)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_previous);
        rlimit updated = m_previous;
        updated.rlim_cur = limit;
        setrlimit(RLIMIT_FSIZE, &updated);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &m_previous); }

private:
    rlimit m_previous{};
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
    void sampleFile();
    void bareKeys();
    void entriesWrittenUnchanged();
    void separatorInEntry();
    void encode_data();
    void encode();
    void decode_data();
    void decode();
    void everyByteComesBack();
    void keptAsideWrittenBack();
    void keptAsideMessage();
    void fortyThousandEntries();

    // ---- the file on disk ----------------------------------------------------------------------
    void writeReplacesWholeFile();
    void writeFails_data();
    void writeFails();
    void writeErrorHalfwayKeepsOldFile();
    void readNeverWaitsNorReports();

    // ---- through the window ------------------------------------------------------------------
    void routeFromFile_data();
    void routeFromFile();
    void roundTrip();
    void emptyWindowWritesBareKeys();
    void placesTrimmedOnLoadSavedUnchanged();
    void charactersOutsideCodePage();
    void olderFileStaysWindows1252();
    void linesEndingInLfOnly();
    void unreadableFileWindowStillOpens_data();
    void unreadableFileWindowStillOpens();
    void failedSaveReported_data();
    void failedSaveReported();
    void fullDiskKeepsOldFile();
    void fortyThousandThroughWindow();
};

// ---- the text rules -------------------------------------------------------------------------

void TestConfig::lines_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("CR LF") << u8("a\r\nb\r\n") << QStringList{u8("a"), u8("b")};
    QTest::newRow("LF only") << u8("a\nb\n") << QStringList{u8("a"), u8("b")};
    QTest::newRow("CR only") << u8("a\rb\r") << QStringList{u8("a"), u8("b")};
    QTest::newRow("last line without an end") << u8("a\r\nb") << QStringList{u8("a"), u8("b")};
    QTest::newRow("LF then CR: two line ends")
        << u8("a\n\rb") << QStringList{u8("a"), u8(""), u8("b")};
    QTest::newRow("a lone LF belongs to its line where CR ends lines, but before a key")
        << u8("a\nb\r\nc\nROUTE=d") << QStringList{u8("a\nb"), u8("c"), u8("ROUTE=d")};
    QTest::newRow("CR CR LF") << u8("a\r\r\nb") << QStringList{u8("a"), u8(""), u8("b")};
    QTest::newRow("empty") << QString() << QStringList{};
    QTest::newRow("a line end only") << u8("\r\n") << QStringList{u8("")};
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
    const QStringList none;

    QTest::newRow("key in capitals")
        << bytes("ROUTE=Utrecht/Zeist\r\n") << QStringList{u8("Utrecht/Zeist")} << none << none;
    QTest::newRow("mixed case keys")
        << bytes("Route=a\r\nPLAATS=P\x0F\r\nRoutes=r/s\x0F\r\n") << QStringList{u8("a")}
        << QStringList{u8("P")} << QStringList{u8("r/s")};
    QTest::newRow("space before the key")
        << bytes(" route=Utrecht/Zeist\r\n plaats=A\x0F\r\n") << none << none << none;
    QTest::newRow("equals sign in the value")
        << bytes("route=a=b\r\nplaats=x=y\x0F\r\n") << QStringList{u8("a=b")}
        << QStringList{u8("x=y")} << none;
    QTest::newRow("value not trimmed")
        << bytes("route= a / b \r\n") << QStringList{u8(" a / b ")} << none << none;
    QTest::newRow("every route line in order")
        << bytes("route=x\r\nroute=\r\nroute=y/z\r\n") << QStringList{u8("x"), u8(""), u8("y/z")}
        << none << none;
    QTest::newRow("no equals sign or another key")
        << bytes("Utrecht\r\nkleur=rood\r\n=Zeist\r\nplaatsen=A\x0F\r\n") << none << none << none;
    QTest::newRow("last plaats line counts") << bytes("plaats=A\x0F\r\nplaats=B\x0F"
                                                      "C\x0F\r\n")
                                             << none << QStringList{u8("B"), u8("C")} << none;
    QTest::newRow("empty plaats line after a full one")
        << bytes("plaats=A\x0F\r\nplaats=\r\n") << none << none << none;
    QTest::newRow("entries trimmed, no final separator")
        << bytes("plaats=  Utrecht \x0F\x0FZeist") << none
        << QStringList{u8("Utrecht"), u8("Zeist")} << none;
    QTest::newRow("empty and blank entries")
        << bytes("plaats=\x0F   \x0F\x0F\r\nroutes=\x0F") << none << none << none;
    QTest::newRow("tabs stay") << bytes("plaats=\tA \x0F") << none << QStringList{u8("\tA")}
                               << none;
    QTest::newRow("duplicate entries stay")
        << bytes("plaats=A\x0F"
                 "A\x0F"
                 "a\x0F")
        << none << QStringList{u8("A"), u8("A"), u8("a")} << none;
    QTest::newRow("routes keep their slashes") << bytes("routes=Rome, Colosseum/Parijs\x0F") << none
                                               << none << QStringList{u8("Rome, Colosseum/Parijs")};
    QTest::newRow("LF only") << bytes("route=a/b\nplaats=A\x0F"
                                      "B\x0F\nroutes=a/b\x0F\n")
                             << QStringList{u8("a/b")} << QStringList{u8("A"), u8("B")}
                             << QStringList{u8("a/b")};
    QTest::newRow("CR only") << bytes("route=a/b\rplaats=A\x0F\rroutes=a/b\x0F\r")
                             << QStringList{u8("a/b")} << QStringList{u8("A")}
                             << QStringList{u8("a/b")};
    QTest::newRow("byte order mark before the first key")
        << bytes("\xEF\xBB\xBFroute=Z\xC3\xBCrich\r\n") << QStringList{u8("Zürich")} << none
        << none;
    QTest::newRow("NUL character stays in the entry")
        << QByteArray("plaats=a\0b\x0F", 11) << none
        << QStringList{QString(u8("a")) + QChar(0) + u8("b")} << none;
    QTest::newRow("empty file") << QByteArray() << none << none << none;
}

void TestConfig::content()
{
    QFETCH(QByteArray, file);
    const ConfigContent content = parseConfig(decodeConfig(file));
    QTEST(content.routeValues, "routeValues");
    QTEST(content.places, "places");
    QTEST(content.routes, "routes");
}

void TestConfig::sampleFile()
{
    const QString text = configText(u8("Nieuwegein/Utrecht/Amsterdam"),
                                    {u8("Amsterdam"), u8("Nieuwegein"), u8("Utrecht")},
                                    {u8("Rome, Colosseum/Parijs")});
    QCOMPARE(encodeConfig(text), bytes("route=Nieuwegein/Utrecht/Amsterdam\r\n"
                                       "plaats=Amsterdam\x0FNieuwegein\x0FUtrecht\x0F\r\n"
                                       "routes=Rome, Colosseum/Parijs\x0F\r\n"));
    const ConfigContent reread = parseConfig(decodeConfig(encodeConfig(text)));
    QCOMPARE(reread.routeValues, QStringList{u8("Nieuwegein/Utrecht/Amsterdam")});
    QCOMPARE(reread.places, (QStringList{u8("Amsterdam"), u8("Nieuwegein"), u8("Utrecht")}));
    QCOMPARE(reread.routes, QStringList{u8("Rome, Colosseum/Parijs")});
    QCOMPARE(routeAsLines(reread.routeValues.constFirst()),
             u8("Nieuwegein\r\nUtrecht\r\nAmsterdam"));
}

void TestConfig::bareKeys()
{
    QCOMPARE(encodeConfig(configText(QString(), {}, {})),
             bytes("route=\r\nplaats=\r\nroutes=\r\n"));
}

void TestConfig::entriesWrittenUnchanged()
{
    // Loading trims; saving writes what the list holds.
    QCOMPARE(configText(QString(), {u8("  A "), u8("\tB")}, {u8(" a / b ")}),
             u8("route=\r\nplaats=  A \x0F\tB\x0F\r\nroutes= a / b \x0F\r\n"));
}

void TestConfig::separatorInEntry()
{
    // The format cannot hold the separator inside an entry: written unchanged, it comes back as
    // two entries. That is why the lists refuse it where an entry is made.
    const QString text = configText(QString(),
                                    {u8("a\x0F"
                                        "b")},
                                    {});
    QCOMPARE(text, u8("route=\r\nplaats=a\x0F"
                      "b\x0F\r\nroutes=\r\n"));
    QCOMPARE(parseConfig(text).places, (QStringList{u8("a"), u8("b")}));
}

void TestConfig::encode_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("file");
    QTest::newRow("ASCII") << u8("route=Utrecht") << bytes("route=Utrecht");
    QTest::newRow("Latin-1") << u8("Zürich, Île-de-France")
                             << bytes("Z\xFCrich, \xCE"
                                      "le-de-France");
    QTest::newRow("Windows-1252's own characters")
        << u8("€ Œuvre “x” – …") << bytes("\x80 \x8Cuvre \x93x\x94 \x96 \x85");
    QTest::newRow("C1 character without a 1252 meaning") << QString(QChar(0x81)) << bytes("\x81");
    QTest::newRow("Polish: whole file UTF-8") << u8("Zürich/Łódź")
                                              << bytes("Z\xC3\xBCrich/\xC5\x81\xC3\xB3"
                                                       "d\xC5\xBA");
    QTest::newRow("Greek") << u8("Αθήνα") << u8("Αθήνα").toUtf8();
    QTest::newRow("Japanese") << u8("東京") << u8("東京").toUtf8();
    // In Windows-1252 "Ã©" is C3 A9, which a reader takes for the UTF-8 of "é".
    QTest::newRow("1252 bytes that look like UTF-8") << u8("Ã©") << bytes("\xC3\x83\xC2\xA9");
    QTest::newRow("1252 bytes after the UTF-8 mark") << u8("ï»¿ü") << u8("ï»¿ü").toUtf8();
    QTest::newRow("1252 bytes after a UTF-16 mark") << u8("ÿþab") << u8("ÿþab").toUtf8();
}

void TestConfig::encode()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, file);
    QCOMPARE(encodeConfig(text), file);
    QCOMPARE(decodeConfig(file), text);
    // Built without the text, the bytes of a whole file are what the text would give.
    QCOMPARE(configBytes(text, {text}, {}), encodeConfig(configText(text, {text}, {})));
}

void TestConfig::decode_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("text");
    QTest::newRow("UTF-8") << bytes("Z\xC3\xBCrich") << u8("Zürich");
    QTest::newRow("Windows-1252") << bytes("Z\xFCrich \x80") << u8("Zürich €");
    QTest::newRow("truncated UTF-8 is 1252") << bytes("abc\xC3") << u8("abcÃ");
    QTest::newRow("overlong UTF-8 form is 1252") << bytes("\xC0\x80") << u8("À€");
    QTest::newRow("UTF-8 beside a lone 1252 byte") << bytes("\xC3\xBC\xFC") << u8("Ã¼ü");
    QTest::newRow("byte order mark dropped") << bytes("\xEF\xBB\xBF"
                                                      "abc")
                                             << u8("abc");
    // Saved as "Unicode" without a byte order mark: a zero byte in every other place.
    const QString text = u8("route=Zürich/東京\r\nplaats=Ede\x0F\r\n");
    QStringEncoder littleEndian(QStringEncoder::Utf16LE);
    QStringEncoder bigEndian(QStringEncoder::Utf16BE);
    QTest::newRow("UTF-16 without mark") << QByteArray(littleEndian.encode(text)) << text;
    QTest::newRow("UTF-16, high byte first, without mark")
        << QByteArray(bigEndian.encode(text)) << text;
    QTest::newRow("a few zero bytes are 1252")
        << QByteArray("route=Utr\0echt\r\n\0\0", 18)
        << u8("route=Utr") + QChar(0) + u8("echt\r\n") + QChar(0) + QChar(0);
}

void TestConfig::decode()
{
    QFETCH(QByteArray, file);
    QTEST(decodeConfig(file), "text");
}

void TestConfig::everyByteComesBack()
{
    // A file of an older copy is read and written back unchanged, byte for byte, whatever it
    // holds (as long as it is not also valid UTF-8).
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all += char(b);
    QCOMPARE(encodeConfig(decodeConfig(all)), all);
    for (int b = 0x80; b < 256; ++b) {
        const QByteArray single(1, char(b));
        QCOMPARE(encodeConfig(decodeConfig(single)), single);
    }
}

void TestConfig::keptAsideWrittenBack()
{
    // What the window could not take goes back where it stood: a route after the route, so
    // that the route stands again when the file is read; entries after their list's entries.
    ConfigContent keptAside;
    keptAside.routeValues = QStringList{u8("Lang/Langer")};
    keptAside.places = QStringList{u8("Breed")};
    keptAside.routes = QStringList{u8("Ver/Verder")};
    const QString text = configText(u8("Utrecht/Zeist"), {u8("Ede")}, {u8("Ede/Zeist")}, keptAside);
    QCOMPARE(text, u8("route=Utrecht/Zeist\r\nroute=Lang/Langer\r\nplaats=Ede\x0F"
                      "Breed\x0F\r\nroutes=Ede/Zeist\x0FVer/Verder\x0F\r\n"));
    QCOMPARE(configBytes(u8("Utrecht/Zeist"), {u8("Ede")}, {u8("Ede/Zeist")}, keptAside),
             text.toLatin1());
    const ConfigContent reread = parseConfig(text);
    QCOMPARE(reread.routeValues, (QStringList{u8("Utrecht/Zeist"), u8("Lang/Langer")}));
    QVERIFY(reread.anyKey);
    QVERIFY(!parseConfig(u8("hallo\r\nwereld=1\r\n")).anyKey);
}

void TestConfig::keptAsideMessage()
{
    ConfigContent keptAside;
    keptAside.routeValues = QStringList{u8("x")};
    keptAside.places = QStringList{u8("a"), u8("b")};
    keptAside.routes = QStringList{u8("c/d")};
    QCOMPARE(zwervel::keptAsideMessage(keptAside),
             u8("Niet alles uit het instellingenbestand is in het venster geladen:\r\n"
                " de route\r\n 2 plaatsen\r\n 1 route uit de lijst met Routes\r\n\r\n"
                "Een plaats van meer dan 150000 tekens of een route van meer dan 500000 plaatsen "
                "zou het venster te lang ophouden. Een plaats met een los regeleinde (LF) erin kan "
                "het venster niet tonen zoals die is. Wat niet geladen is, blijft ongewijzigd in "
                "het bestand bewaard."));
    keptAside.routeValues.clear();
    keptAside.routes.clear();
    keptAside.places = QStringList{u8("a")};
    QVERIFY(zwervel::keptAsideMessage(keptAside).contains(u8(":\r\n 1 plaats\r\n\r\n")));
}

void TestConfig::fortyThousandEntries()
{
    const QStringList places = numbered(u8("Plaats"), 40000);
    const QStringList routes = numbered(u8("Route a/b"), 40000);
    const ConfigContent reread =
        parseConfig(decodeConfig(encodeConfig(configText(u8("a/b"), places, routes))));
    QCOMPARE(reread.places, places);
    QCOMPARE(reread.routes, routes);
}

// ---- the file on disk -------------------------------------------------------------------------

void TestConfig::writeReplacesWholeFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u8("zwervel.cfg"));
    QVERIFY(writeFile(path, QByteArray(5000, 'x')));
    writeConfigBytes(path, bytes("route=\r\n"));
    QCOMPARE(readFile(path), bytes("route=\r\n"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{u8("zwervel.cfg")});
    QCOMPARE(readConfigBytes(path), bytes("route=\r\n"));
}

void TestConfig::writeFails_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("isFolder");
    QTest::newRow("path is a folder") << u8("zwervel.cfg") << true;
    QTest::newRow("folder missing") << u8("missing/zwervel.cfg") << false;
}

void TestConfig::writeFails()
{
    QFETCH(QString, name);
    QFETCH(bool, isFolder);
    QTemporaryDir dir;
    const QString path = dir.filePath(name);
    if (isFolder)
        QVERIFY(QDir().mkpath(path));
    QString message;
    try {
        writeConfigBytes(path, bytes("route=\r\n"));
    } catch (const std::runtime_error& error) {
        message = QString::fromLocal8Bit(error.what());
    }
    QVERIFY2(message.contains(QDir::toNativeSeparators(path)), qPrintable(message));
    // The reason follows the path on a line of its own.
    QVERIFY2(!message.section(QDir::toNativeSeparators(path), 1).trimmed().isEmpty(),
             qPrintable(message));
    QCOMPARE(QFileInfo(path).isDir(), isFolder);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{});
}

void TestConfig::writeErrorHalfwayKeepsOldFile()
{
#ifdef Q_OS_UNIX
    QTemporaryDir dir;
    const QString path = dir.filePath(u8("zwervel.cfg"));
    const QByteArray old = bytes("route=Utrecht\r\nplaats=Zeist\x0F\r\nroutes=\r\n");
    QVERIFY(writeFile(path, old));
    QString message;
    {
        const FileSizeLimit limit(4096);
        try {
            writeConfigBytes(path, QByteArray(200000, 'x'));
        } catch (const std::runtime_error& error) {
            message = QString::fromLocal8Bit(error.what());
        }
    }
    // The reason is the system's own, not a bare "unknown error".
    QVERIFY2(message.contains(qt_error_string(EFBIG)), qPrintable(message));
    QCOMPARE(readFile(path), old);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{u8("zwervel.cfg")});
#else
    QSKIP("needs a per-process file size limit");
#endif
}

void TestConfig::readNeverWaitsNorReports()
{
    QTemporaryDir dir;
    QCOMPARE(readConfigBytes(dir.filePath(u8("missing.cfg"))), QByteArray());
    QCOMPARE(readConfigBytes(dir.path()), QByteArray());
#ifdef Q_OS_UNIX
    // A pipe nobody writes to would block an open for reading for ever.
    const QString fifo = dir.filePath(u8("pipe.cfg"));
    QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QCOMPARE(readConfigBytes(fifo), QByteArray());
    // A file whose reading fails at once.
    if (QFileInfo(u8("/proc/self/mem")).isFile())
        QCOMPARE(readConfigBytes(u8("/proc/self/mem")), QByteArray());
#endif
}

// ---- through the window -----------------------------------------------------------------------

void TestConfig::routeFromFile_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("route");
    QTest::newRow("key in capitals") << bytes("ROUTE=Utrecht/Zeist\r\n") << u8("Utrecht\r\nZeist");
    QTest::newRow("space before the key") << bytes(" route=Utrecht/Zeist\r\n") << QString();
    QTest::newRow("equals sign in the value") << bytes("route=a=b\r\n") << u8("a=b");
    QTest::newRow("bare route line empties") << bytes("route=Utrecht\r\nroute=\r\n") << QString();
    QTest::newRow("last route line counts") << bytes("route=a\r\nroute=b/c\r\n") << u8("b\r\nc");
    QTest::newRow("no route line") << bytes("plaats=A\x0F\r\n") << QString();
}

void TestConfig::routeFromFile()
{
    QFETCH(QByteArray, file);
    FormFixture f(&file);
    QTEST(f.f().Route.Text(), "route");
    QVERIFY(f.platform.questions.isEmpty());
}

void TestConfig::roundTrip()
{
    QByteArray saved;
    {
        FormFixture f;
        f.f().Route.setText(u8("  Nieuwegein \r\n\r\nUtrecht/ Amsterdam\r\n"));
        f.f().Plaats.AddItems({u8("Amsterdam"), u8("Nieuwegein"), u8("Utrecht")});
        f.f().Routes.AddItems({u8("Rome, Colosseum/Parijs")});
        QVERIFY(closeWindow(f).isEmpty());
        saved = readFile(f.configPath());
        QCOMPARE(saved, bytes("route=Nieuwegein/Utrecht/Amsterdam\r\n"
                              "plaats=Amsterdam\x0FNieuwegein\x0FUtrecht\x0F\r\n"
                              "routes=Rome, Colosseum/Parijs\x0F\r\n"));
    }
    FormFixture f(&saved);
    QCOMPARE(f.f().Route.Text(), u8("Nieuwegein\r\nUtrecht\r\nAmsterdam"));
    QCOMPARE(items(f.f().Plaats), (QStringList{u8("Amsterdam"), u8("Nieuwegein"), u8("Utrecht")}));
    QCOMPARE(items(f.f().Routes), QStringList{u8("Rome, Colosseum/Parijs")});
    closeWindow(f);
    QCOMPARE(readFile(f.configPath()), saved);
}

void TestConfig::emptyWindowWritesBareKeys()
{
    FormFixture f;
    QVERIFY(!QFile::exists(f.configPath())); // made only when the window closes
    f.f().Route.setText(u8("  \r\n \r\n"));
    QVERIFY(closeWindow(f).isEmpty());
    QCOMPARE(readFile(f.configPath()), bytes("route=\r\nplaats=\r\nroutes=\r\n"));
}

void TestConfig::placesTrimmedOnLoadSavedUnchanged()
{
    const QByteArray file = bytes("plaats=  Utrecht \x0F\r\n");
    FormFixture f(&file);
    QCOMPARE(items(f.f().Plaats), QStringList{u8("Utrecht")});
    f.f().Plaats.AddItem(u8(" Zeist  "));
    closeWindow(f);
    const QByteArray saved = readFile(f.configPath());
    QVERIFY2(saved.contains("\x0F Zeist  \x0F") || saved.contains("plaats= Zeist  \x0F"),
             saved.constData());
    QVERIFY(saved.contains("Utrecht\x0F"));
}

void TestConfig::charactersOutsideCodePage()
{
    const QStringList places{u8("Łódź"), u8("Αθήνα"), u8("東京"), u8("Zürich")};
    QByteArray saved;
    {
        FormFixture f;
        f.f().Route.setText(u8("Łódź\r\nΑθήνα\r\n東京"));
        f.f().Plaats.AddItems(places);
        f.f().Routes.AddItems({u8("Zürich/東京")});
        closeWindow(f);
        saved = readFile(f.configPath());
        const QString expected = u8("route=Łódź/Αθήνα/東京\r\nplaats=") +
                                 items(f.f().Plaats).join(EntrySeparator) + EntrySeparator +
                                 u8("\r\nroutes=Zürich/東京\x0F\r\n");
        QCOMPARE(saved, expected.toUtf8());
    }
    FormFixture f(&saved);
    QCOMPARE(f.f().Route.Text(), u8("Łódź\r\nΑθήνα\r\n東京"));
    QCOMPARE(sorted(items(f.f().Plaats)), sorted(places));
    QCOMPARE(items(f.f().Routes), QStringList{u8("Zürich/東京")});
}

void TestConfig::olderFileStaysWindows1252()
{
    const QByteArray file =
        bytes("route=Z\xFCrich/K\xF6ln\r\nplaats=K\xF6ln\x0FZ\xFCrich\x0F\r\nroutes=Caf\xE9 "
              "\x80/Z\xFCrich\x0F\r\n");
    FormFixture f(&file);
    QCOMPARE(f.f().Route.Text(), u8("Zürich\r\nKöln"));
    QCOMPARE(items(f.f().Plaats), (QStringList{u8("Köln"), u8("Zürich")}));
    QCOMPARE(items(f.f().Routes), QStringList{u8("Café €/Zürich")});
    closeWindow(f);
    QCOMPARE(readFile(f.configPath()), file);
}

void TestConfig::linesEndingInLfOnly()
{
    const QByteArray file =
        bytes("route=Utrecht/Zeist\nplaats=Utrecht\x0FZeist\x0F\nroutes=Utrecht/Zeist\x0F\n");
    FormFixture f(&file);
    QCOMPARE(f.f().Route.Text(), u8("Utrecht\r\nZeist"));
    QCOMPARE(items(f.f().Plaats), (QStringList{u8("Utrecht"), u8("Zeist")}));
    QCOMPARE(items(f.f().Routes), QStringList{u8("Utrecht/Zeist")});
    closeWindow(f);
    // Written back with CR LF.
    QCOMPARE(
        readFile(f.configPath()),
        bytes(
            "route=Utrecht/Zeist\r\nplaats=Utrecht\x0FZeist\x0F\r\nroutes=Utrecht/Zeist\x0F\r\n"));
}

void TestConfig::unreadableFileWindowStillOpens_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("folder") << u8("folder");
#ifdef Q_OS_UNIX
    QTest::newRow("pipe") << u8("pipe");
#endif
}

void TestConfig::unreadableFileWindowStillOpens()
{
    QFETCH(QString, kind);
    // The program's folder is prepared before the window is made.
    QTemporaryDir dir;
    const QString path = dir.filePath(u8("zwervel.cfg"));
    if (kind == u8("folder"))
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

void TestConfig::failedSaveReported_data()
{
    QTest::addColumn<bool>("isFolder");
    QTest::newRow("path is a folder") << true;
    QTest::newRow("folder missing") << false;
}

void TestConfig::failedSaveReported()
{
    QFETCH(bool, isFolder);
    FormFixture f;
    if (isFolder)
        QVERIFY(QDir().mkpath(f.configPath()));
    else
        f.f().CfgBestand = f.dir.filePath(u8("missing/zwervel.cfg"));
    const QString path = QDir::toNativeSeparators(f.f().CfgBestand);
    f.f().Plaats.AddItem(u8("Utrecht"));
    const QList<Question> questions = closeWindow(f);
    QCOMPARE(questions.size(), 1);
    QCOMPARE(questions.constFirst().icon, Question::Icon::Error);
    const QString text = questions.constFirst().text;
    QVERIFY2(text.contains(path), qPrintable(text));
    QVERIFY2(!text.section(path, 1).trimmed().isEmpty(), qPrintable(text)); // and the reason
    QCOMPARE(f.platform.terminated, QList<int>{1});
    QCOMPARE(QFileInfo(f.configPath()).isDir(), isFolder);
}

void TestConfig::fullDiskKeepsOldFile()
{
#ifdef Q_OS_UNIX
    const QByteArray old = bytes("route=Utrecht\r\nplaats=Zeist\x0F\r\nroutes=\r\n");
    FormFixture f(&old);
    f.f().Plaats.AddItems(numbered(u8("Plaats"), 20000));
    QList<Question> questions;
    {
        const FileSizeLimit limit(4096);
        questions = closeWindow(f);
    }
    QCOMPARE(questions.size(), 1);
    QVERIFY(questions.constFirst().text.contains(QDir::toNativeSeparators(f.configPath())));
    QCOMPARE(readFile(f.configPath()), old);
    QCOMPARE(QDir(f.dir.path()).entryList(QDir::Files), QStringList{u8("zwervel.cfg")});
#else
    QSKIP("needs a per-process file size limit");
#endif
}

void TestConfig::fortyThousandThroughWindow()
{
    const QStringList places = numbered(u8("Plaats"), 40000);
    const QStringList routes = numbered(u8("Route a/b"), 40000);
    const QByteArray file =
        "route=a/b\r\nplaats=" + listBytes(places) + "\r\nroutes=" + listBytes(routes) + "\r\n";
    FormFixture f(&file);
    QCOMPARE(f.f().Plaats.ListCount(), 40000);
    QCOMPARE(f.f().Routes.ListCount(), 40000);
    QCOMPARE(f.f().Plaats.List(39999), places.constLast());
    closeWindow(f);
    QCOMPARE(readFile(f.configPath()), file);
}

QTEST_MAIN(TestConfig)
#include "tst_config.moc"
