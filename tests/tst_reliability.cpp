// Zwervel against what a user may leave behind and what a machine may do to it: hostile
// configuration files, saves that fail or race another writer, and routes and lists far past
// the old 16-bit limits. Everything runs on the real window with the scripted platform; the
// big files are made here at run time.
#include "config/ConfigFormat.h"
#include "route/RouteRules.h"
#include "support/FormFixture.h"
#include "support/TestHelpers.h"
#include "text/TextRules.h"

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

QString u8(const char* text)
{
    return QString::fromUtf8(text);
}

// Everything in a folder but the configuration file: a save must leave no temporary file.
QStringList leftovers(const QString& dir)
{
    QStringList names =
        QDir(dir).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    names.removeAll(u8("zwervel.cfg"));
    return names;
}

// The user moves to the list and picks an entry, as Qt reports the choice.
void pick(ComboBox& list, int index)
{
    list.SetFocus();
    list.setCurrentIndex(index);
    emit list.activated(index);
}

// The program's folder, prepared as the user left it before the window starts.
struct Program {
    QTemporaryDir dir;
    ScriptedPlatform platform;
    std::unique_ptr<frmZwervel> window;

    Program()
    {
        platform.path = dir.filePath(u8("zwervel"));
        platform.userFolder = dir.filePath(u8("user/zwervel"));
    }
    QString configPath() const { return dir.filePath(u8("zwervel.cfg")); }
    frmZwervel& f() { return *window; }

    // Starts the window and waits until it is active. How long that took is reported, never
    // judged: the machine may be busy.
    bool start()
    {
        QElapsedTimer timer;
        timer.start();
        window = std::make_unique<frmZwervel>(platform);
        window->show();
        window->activateWindow();
        const bool active = QTest::qWaitForWindowActive(window.get());
        qInfo("start-up %s: %lld ms",
              QTest::currentDataTag() ? QTest::currentDataTag() : QTest::currentTestFunction(),
              timer.elapsed());
        return active;
    }
};

// What the window holds, for comparing two starts: the route as it is saved (its normal form:
// a blank line does not come back), the lists as they stand.
struct Contents {
    QString route;
    QStringList places;
    QStringList routes;
    bool operator==(const Contents&) const = default;
};

Contents contentsOf(frmZwervel& f)
{
    return {f.RouteGestript(false, false), items(f.Plaats), items(f.Routes)};
}

// Closes the window as the user does, then starts a new one on the file it saved: the second
// start must show what the first one held.
void saveAndRestart(Program& p)
{
    const Contents before = contentsOf(p.f());
    p.f().close();
    QVERIFY(p.platform.questions.isEmpty());
    QVERIFY(leftovers(p.dir.path()).isEmpty());
    p.window.reset();
    QVERIFY(p.start());
    const Contents after = contentsOf(p.f());
    QCOMPARE(after.route, before.route);
    QVERIFY(after.places == before.places);
    QVERIFY(after.routes == before.routes);
}

const QByteArray ValidStart("route=Utrecht/Zeist\r\nplaats=Ede\x0F"
                            "Amersfoort\x0F\r\nroutes=Ede/Zeist\x0F\r\n");

QByteArray repeated(char byte, qsizetype count)
{
    return QByteArray(count, byte);
}

// Bytes as written, NUL bytes included.
template <qsizetype N> QByteArray raw(const char (&bytes)[N])
{
    return QByteArray(bytes, N - 1);
}

#ifdef Q_OS_LINUX
// A small file system of its own, so that a save really runs out of space. Mounting needs
// privileges a test machine may not give; the test then says so and is skipped.
class SmallDisk {
public:
    explicit SmallDisk(const QString& dir) : m_dir(QFile::encodeName(dir))
    {
        m_mounted = ::mount("tmpfs", m_dir.constData(), "tmpfs", MS_NOSUID | MS_NODEV,
                            "size=64k,mode=0700") == 0;
        m_error = errno;
    }
    ~SmallDisk()
    {
        if (m_mounted)
            ::umount2(m_dir.constData(), MNT_DETACH);
    }
    bool mounted() const { return m_mounted; }
    QString reason() const { return qt_error_string(m_error); }

private:
    QByteArray m_dir;
    bool m_mounted = false;
    int m_error = 0;
};
#endif

} // namespace

class TestReliability : public QObject {
    Q_OBJECT

private slots:
    // ---- hostile configuration files ------------------------------------------------------------
    void hostileFile_data();
    void hostileFile();
    void fiftyMegabytesOnOneLine_data();
    void fiftyMegabytesOnOneLine();
    void fiftyMegabytesOfPlaces();
    void whatTheWindowTakes_data();
    void whatTheWindowTakes();
    void charactersWithTheirOwnMeaning();
    void notARegularFile_data();
    void notARegularFile();
    void fileWithoutReadPermission_data();
    void fileWithoutReadPermission();
    void writableFileInClosedFolder();
    void unknownFileKeptAsCopy();
    void loneLineFeedKeptUntilRemoved();
    void utf16WithoutMark();
    void routeOfThreeHundredThousandPlaces();

    // ---- faults while saving --------------------------------------------------------------------
    void fullDisk_data();
    void fullDisk();
    void fileReplacedWhileWindowOpen_data();
    void fileReplacedWhileWindowOpen();

    // ---- far past 16 bits -----------------------------------------------------------------------
    void routeOfFortyThousandLines();
    void caretBeyondFortyThousandLines();
    void routeOfFortyThousandPlacesInList();
    void pickingBeyond32767();
};

// ---- hostile configuration files ----------------------------------------------------------------

void TestReliability::hostileFile_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("route");
    QTest::addColumn<QStringList>("places");
    QTest::addColumn<QStringList>("routes");
    const QString route = u8("Utrecht\r\nZeist");
    const QStringList places{u8("Amersfoort"), u8("Ede")};
    const QStringList routes{u8("Ede/Zeist")};

    QTest::newRow("a million 0x0F bytes in the lists")
        << "route=Utrecht/Zeist\r\nplaats=Ede" + repeated('\x0F', 1000000) +
               "Amersfoort\x0F\r\nroutes=" + repeated('\x0F', 1000000) + "Ede/Zeist\r\n"
        << route << places << routes;
    QTest::newRow("a line of a million 0x0F bytes")
        << ValidStart + repeated('\x0F', 1000000) + "\r\n"
        << route << places << routes;
    QByteArray lines;
    for (int i = 0; i < 1000000; ++i)
        lines += "route=Ede/Zeist\r\nplaats=Ede\x0F\r\n";
    QTest::newRow("two million key lines") << lines + ValidStart << route << places << routes;
    QTest::newRow("NUL bytes") << raw("route=Utr\0echt/Zeist\r\n\0\0\0\0\r\nplaats=E\0de\x0F"
                                      "Amersfoort\x0F\r\nroutes=Ede/Zeist\x0F\r\n\0")
                               << u8("Utr") + QChar(0) + u8("echt\r\nZeist")
                               << QStringList{u8("Amersfoort"), u8("E") + QChar(0) + u8("de")}
                               << routes;
    QTest::newRow("NUL bytes only")
        << ValidStart + QByteArray(100000, '\0') << route << places << routes;
    // Not UTF-8, so every byte is read as Windows-1252 and written back the same.
    QTest::newRow("invalid UTF-8")
        << QByteArray(
               "route=Z\xFCrich/K\xC3\xB6ln\r\nplaats=\xC3\x28\x0F\xFF\xFE\x0F\r\nroutes=Ede/"
               "Zeist\x0F\xC0\xAF\x0F\r\n")
        << u8("Zürich\r\nKÃ¶ln") << QStringList{u8("Ã("), u8("ÿþ")}
        << QStringList{u8("Ede/Zeist"), u8("À¯")};
    QTest::newRow("truncated UTF-8 at the end")
        << raw("route=Z\xC3\xBCrich\r\nplaats=\xC5\x81\xC3\xB3"
               "d\xC5\xBA\x0F\r\n\xE6\x9D")
        << u8("ZÃ¼rich") << QStringList{u8("Å\u0081Ã³dÅº")} << QStringList{};
    QTest::newRow("UTF-8 with byte order mark")
        << QByteArray("\xEF\xBB\xBFroute=Z\xC3\xBCrich/Ede\r\nplaats=\xC5\x81\xC3\xB3"
                      "d\xC5\xBA\x0F\r\n")
        << u8("Zürich\r\nEde") << QStringList{u8("Łódź")} << QStringList{};
    QTest::newRow("byte order mark before Windows-1252")
        << QByteArray("\xEF\xBB\xBFroute=Utrecht/Zeist\r\nplaats=Z\xFCrich\x0F\r\n") << route
        << QStringList{u8("Zürich")} << QStringList{};
    QStringEncoder utf16(QStringEncoder::Utf16LE, QStringEncoder::Flag::WriteBom);
    QTest::newRow("UTF-16 with byte order mark")
        << QByteArray(utf16.encode(u8("route=Utrecht/Zeist\r\nplaats=Łódź\x0F"
                                      "Ede\x0F\r\nroutes=Ede/Zeist\x0F\r\n")))
        << route << QStringList{u8("Ede"), u8("Łódź")} << routes;
    QTest::newRow("CR only") << QByteArray("route=Utrecht/Zeist\rplaats=Ede\x0F"
                                           "Amersfoort\x0F\rroutes=Ede/Zeist\x0F\r")
                             << route << places << routes;
    QTest::newRow("CR, LF and CR LF mixed")
        << QByteArray("\n\rroute=Utrecht/Zeist\n\rplaats=Ede\x0F"
                      "Amersfoort\x0F\r\r\nroutes=Ede/Zeist\x0F\n")
        << route << places << routes;

    // Bytes without any order behind the good lines, the same on every run.
    QByteArray junk;
    quint32 state = 20240229;
    for (int i = 0; i < 1 << 20; ++i) {
        state = state * 1664525u + 1013904223u;
        const char byte = char(state >> 24);
        junk += byte == '=' ? '-' : byte; // no key can form
    }
    QTest::newRow("a megabyte of junk") << ValidStart + junk << route << places << routes;
}

void TestReliability::hostileFile()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, route);
    Program p;
    QVERIFY(writeFile(p.configPath(), file));
    QVERIFY(p.start());
    QCOMPARE(p.f().Route.Text(), route);
    QTEST(sorted(items(p.f().Plaats)), "places");
    QTEST(sorted(items(p.f().Routes)), "routes");
    QVERIFY(p.platform.questions.isEmpty());
    QVERIFY(p.platform.terminated.isEmpty());
    saveAndRestart(p);
}

void TestReliability::fiftyMegabytesOnOneLine_data()
{
    // What comes before, in and after the line of 50 MB, and whether the window refuses it.
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("piece");
    QTest::addColumn<QByteArray>("after");
    QTest::addColumn<bool>("refused");
    const QByteArray places = "plaats=Ede\x0F"
                              "Amersfoort\x0F\r\n";
    const QByteArray routes = "routes=Ede/Zeist\x0F\r\n";
    QTest::newRow("without a key") << ValidStart << QByteArray("z") << QByteArray() << false;
    // A text the window would take too long to lay out is kept aside; the rest comes in.
    QTest::newRow("a place of 50 MB")
        << QByteArray("route=Utrecht/Zeist\r\nplaats=Ede\x0F") << QByteArray("z")
        << "\x0F"
           "Amersfoort\x0F\r\n" +
               routes
        << true;
    QTest::newRow("a route of 50 MB in the list")
        << "route=Utrecht/Zeist\r\n" + places + "routes=Ede/Zeist\x0F" << QByteArray("z")
        << QByteArray("\x0F\r\n") << true;
    QTest::newRow("a route of 50 MB") << QByteArray("route=Utrecht/Zeist\r\nroute=")
                                      << QByteArray("z") << "\r\n" + places + routes << true;
    QTest::newRow("a route of 50 MB of short places")
        << QByteArray("route=Utrecht/Zeist\r\nroute=") << QByteArray("Ede/")
        << "\r\n" + places + routes << true;
}

void TestReliability::fiftyMegabytesOnOneLine()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, piece);
    QFETCH(QByteArray, after);
    QFETCH(bool, refused);
    Program p;
    QVERIFY(writeFile(p.configPath(),
                      before + piece.repeated(50 * 1024 * 1024 / piece.size()) + after));
    QVERIFY(p.start());
    QCOMPARE(p.f().Route.Text(), u8("Utrecht\r\nZeist"));
    QCOMPARE(items(p.f().Plaats), (QStringList{u8("Amersfoort"), u8("Ede")}));
    QCOMPARE(items(p.f().Routes), QStringList{u8("Ede/Zeist")});
    // The user is told once what the window kept aside.
    QCOMPARE(p.platform.questions.size(), refused ? 1 : 0);
    if (refused)
        QCOMPARE(p.platform.questions.constFirst().icon, Question::Icon::Information);
    p.platform.questions.clear();
    // A text the window refused is written back unchanged, where it stood: nothing is lost and
    // no copy of the file is needed.
    const ConfigContent original = parseConfig(decodeConfig(readFile(p.configPath())));
    p.f().close();
    QVERIFY(p.platform.questions.isEmpty());
    QVERIFY(leftovers(p.dir.path()).isEmpty());
    QVERIFY(!QFile::exists(p.configPath() + u8(".bak")));
    const ConfigContent saved = parseConfig(decodeConfig(readFile(p.configPath())));
    QVERIFY(sorted(saved.places) == sorted(original.places));
    QVERIFY(sorted(saved.routes) == sorted(original.routes));
    QVERIFY(saved.routeValues.constLast() == original.routeValues.constLast());
    // The next start takes and refuses the same.
    p.window.reset();
    QVERIFY(p.start());
    QCOMPARE(p.f().Route.Text(), u8("Utrecht\r\nZeist"));
    QCOMPARE(items(p.f().Plaats), (QStringList{u8("Amersfoort"), u8("Ede")}));
    QCOMPARE(p.platform.questions.size(), refused ? 1 : 0);
}

void TestReliability::fiftyMegabytesOfPlaces()
{
    // Millions of ordinary entries on one line: every one comes in, and goes out again.
    QByteArray line = "route=Utrecht/Zeist\r\nplaats=";
    int count = 0;
    while (line.size() < 50 * 1024 * 1024)
        line += "Plaats " + QByteArray::number(++count) + '\x0F';
    Program p;
    QVERIFY(writeFile(p.configPath(), line + "\r\nroutes=Ede/Zeist\x0F\r\n"));
    QVERIFY(p.start());
    QCOMPARE(p.f().Route.Text(), u8("Utrecht\r\nZeist"));
    QCOMPARE(p.f().Plaats.ListCount(), count);
    QVERIFY(p.f().InLijst(p.f().Plaats, u8("Plaats 1")));
    QVERIFY(p.f().InLijst(p.f().Plaats, u8("Plaats ") + QString::number(count)));
    QCOMPARE(items(p.f().Routes), QStringList{u8("Ede/Zeist")});
    saveAndRestart(p);
}

void TestReliability::charactersWithTheirOwnMeaning()
{
    // Characters the text controls give a meaning of their own: line and paragraph separators,
    // object and frame markers, a byte order mark inside the text, a tab, a character beyond
    // the basic plane, a C1 line break. Each entry comes back as it stood.
    const QStringList special{u8("a\u2028b"),      u8("c\u2029d"), u8("\uFFFCe"),
                              u8("f\uFDD0\uFDD1"), u8("\uFEFFg"),  u8("h\ti"),
                              u8("\U0001F600j"),   u8("k\u0085l")};
    const QByteArray file = "route=" + special.join(u'/').toUtf8() +
                            "\r\nplaats=" + special.join(EntrySeparator).toUtf8() + "\x0F\r\n";
    Program p;
    QVERIFY(writeFile(p.configPath(), file));
    QVERIFY(p.start());
    QCOMPARE(sorted(items(p.f().Plaats)), sorted(special));
    // The route box makes a line break of a line or paragraph separator, as it shows them, and
    // of the frame markers U+FDD0/U+FDD1 (no characters, by Unicode's own rule); the other
    // places stand as given.
    const QStringList inRoute = p.f().RouteGestript(false, false).split(u'/');
    for (const char* place : {"a", "b", "\uFFFCe", "h\ti", "\U0001F600j", "k\u0085l"})
        QVERIFY2(inRoute.contains(u8(place)), place);
    QVERIFY(p.platform.questions.isEmpty());
    saveAndRestart(p);
}

void TestReliability::whatTheWindowTakes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("fits");
    const QString place(LongestPlace, u'z');
    QTest::newRow("empty") << QString() << true;
    QTest::newRow("longest place") << u8("Ede/") + place + u8("/Ede") << true;
    QTest::newRow("one character too long") << u8("Ede/") + place + u8("z/Ede") << false;
    QTest::newRow("forty thousand places") << numbered(u8("Plaats"), 40000).join(u'/') << true;
    QTest::newRow("most places") << QString(u8("a/")).repeated(MostPlaces - 1) + u8("a") << true;
    QTest::newRow("one place too many")
        << QString(u8("a/")).repeated(MostPlaces) + u8("a") << false;
    QTest::newRow("slashes only") << QString(MostPlaces, u'/') << false;
    QTest::newRow("a line feed in a place") << u8("Den\nHaag") << false;
}

void TestReliability::whatTheWindowTakes()
{
    QFETCH(QString, text);
    QTEST(fitsInWindow(text), "fits");
}

void TestReliability::notARegularFile_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("a folder") << u8("folder");
#ifdef Q_OS_UNIX
    QTest::newRow("link to nothing") << u8("dangling");
    QTest::newRow("links in a loop") << u8("loop");
#endif
}

void TestReliability::notARegularFile()
{
    QFETCH(QString, kind);
    Program p;
    const QString path = p.configPath();
    if (kind == u8("folder")) {
        QVERIFY(QDir().mkpath(path + u8("/inside")));
    } else if (kind == u8("dangling")) {
        QVERIFY(QFile::link(p.dir.filePath(u8("nowhere.cfg")), path));
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
    if (kind == u8("folder")) {
        QCOMPARE(p.platform.questions.size(), 1);
        QCOMPARE(p.platform.questions.constFirst().icon, Question::Icon::Error);
        QVERIFY(p.platform.questions.constFirst().text.contains(QDir::toNativeSeparators(path)));
        QVERIFY(QFileInfo(path + u8("/inside")).isDir());
        return;
    }
    QVERIFY(p.platform.questions.isEmpty());
    QCOMPARE(readFile(path), QByteArray("route=\r\nplaats=Ede\x0F\r\nroutes=\r\n"));
    if (kind == u8("dangling"))
        QVERIFY(QFileInfo(path).isSymLink());
}

void TestReliability::fileWithoutReadPermission_data()
{
    QTest::addColumn<bool>("writable");
    QTest::newRow("closed") << false;
    QTest::newRow("write only") << true;
}

void TestReliability::fileWithoutReadPermission()
{
#ifdef Q_OS_UNIX
    QFETCH(bool, writable);
    Program p;
    const QByteArray old = ValidStart;
    QVERIFY(writeFile(p.configPath(), old));
    QVERIFY(QFile::setPermissions(p.configPath(),
                                  writable ? QFileDevice::WriteOwner : QFileDevice::Permissions()));
    {
        QFile probe(p.configPath());
        if (probe.open(QIODevice::ReadOnly))
            QSKIP("this user reads every file (root); e2e_permissions.sh runs this case as "
                  "another user");
    }
    QVERIFY(p.start());
    QCOMPARE(p.f().Route.Text(), QString());
    QCOMPARE(p.f().Plaats.ListCount(), 0);
    QVERIFY(p.platform.questions.isEmpty());
    QVERIFY(p.platform.terminated.isEmpty());
    p.f().PlaatsAanvullen(u8("Zeist"));
    p.f().close();
    if (writable) {
        // The file that could not be read is not replaced by an empty one behind the user's
        // back: the save is refused and says so.
        QCOMPARE(p.platform.questions.size(), 1);
        QCOMPARE(p.platform.questions.constFirst().icon, Question::Icon::Error);
        QVERIFY(p.platform.questions.constFirst().text.contains(
            QDir::toNativeSeparators(p.configPath())));
    } else {
        // A file this user may neither read nor write is not theirs: they get their own.
        QVERIFY(p.platform.questions.isEmpty());
        const QString own = p.platform.userFolder + u8("/zwervel.cfg");
        QCOMPARE(parseConfig(decodeConfig(readFile(own))).places, QStringList{u8("Zeist")});
    }
    QVERIFY(
        QFile::setPermissions(p.configPath(), QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    QCOMPARE(readFile(p.configPath()), old);
#else
    QSKIP("needs Unix file permissions");
#endif
}

void TestReliability::unknownFileKeptAsCopy()
{
    // A file that holds something, but none of the three keys, is kept as a copy before the
    // first save replaces it; a copy kept before is never replaced.
    Program p;
    const QByteArray unknown("Dit is geen instellingenbestand.\r\n");
    QVERIFY(writeFile(p.configPath(), unknown));
    QVERIFY(writeFile(p.configPath() + u8(".bak"), "older copy"));
    QVERIFY(p.start());
    // The user is told, with the copy's name.
    QCOMPARE(p.platform.questions.size(), 1);
    QVERIFY(p.platform.questions.constFirst().text.contains(
        QDir::toNativeSeparators(p.configPath() + u8(".bak2\r\n"))));
    p.f().close();
    QCOMPARE(readFile(p.configPath() + u8(".bak")), QByteArray("older copy"));
    QCOMPARE(readFile(p.configPath() + u8(".bak2")), unknown);
    QCOMPARE(readFile(p.configPath()), QByteArray("route=\r\nplaats=\r\nroutes=\r\n"));
    // A file the program wrote itself is not copied again.
    p.window.reset();
    QVERIFY(p.start());
    p.f().close();
    QVERIFY(!QFile::exists(p.configPath() + u8(".bak3")));
}

void TestReliability::loneLineFeedKeptUntilRemoved()
{
    // A line feed inside a line of a CR LF file ends nothing: the place or route that holds it
    // is kept aside and written back, until the user removes all places or empties the route.
    Program p;
    const QByteArray file = "route=Ede\r\nroute=Den\nBosch\r\nplaats=Amsterdam\x0F"
                            "Den\nHaag\x0FUtrecht\x0F\r\nroutes=A/B\x0F\r\n";
    QVERIFY(writeFile(p.configPath(), file));
    QVERIFY(p.start());
    QCOMPARE(items(p.f().Plaats), (QStringList{u8("Amsterdam"), u8("Utrecht")}));
    QCOMPARE(items(p.f().Routes), QStringList{u8("A/B")});
    QCOMPARE(p.platform.questions.size(), 1);
    p.platform.questions.clear();
    p.f().close();
    QVERIFY(readFile(p.configPath()).startsWith("route=Ede\r\nroute=Den\nBosch\r\n"));
    QVERIFY(readFile(p.configPath())
                .contains("\x0F"
                          "Den\nHaag\x0F"));
    p.window.reset();
    QVERIFY(p.start());
    p.platform.answers << Question::Answer::Yes;
    p.f().knopPlaatsVerwijderen_MouseUp(MouseRight, 0, 0, 0);
    p.f().KnopRouteLeegmaken_Click();
    p.f().close();
    QCOMPARE(readFile(p.configPath()), QByteArray("route=\r\nplaats=\r\nroutes=A/B\x0F\r\n"));
}

void TestReliability::utf16WithoutMark()
{
    Program p;
    QStringEncoder littleEndian(QStringEncoder::Utf16LE);
    QVERIFY(writeFile(p.configPath(), littleEndian.encode(QString::fromLatin1(ValidStart))));
    QVERIFY(p.start());
    QCOMPARE(p.f().Route.Text(), u8("Utrecht\r\nZeist"));
    QCOMPARE(items(p.f().Plaats), (QStringList{u8("Amersfoort"), u8("Ede")}));
    QCOMPARE(items(p.f().Routes), QStringList{u8("Ede/Zeist")});
    saveAndRestart(p);
}

void TestReliability::routeOfThreeHundredThousandPlaces()
{
    // A long route is taken whole, not refused.
    Program p;
    QVERIFY(
        writeFile(p.configPath(), "route=" + QByteArray("Ede/").repeated(299999) + "Zeist\r\n"));
    QVERIFY(p.start());
    QCOMPARE(p.f().Route.TextLength(), 299999 * 5 + 5);
    QVERIFY(p.platform.questions.isEmpty());
}

void TestReliability::writableFileInClosedFolder()
{
    // An administrator may close the folder to new files and still let the user write the
    // settings file itself: then the file is written in place.
#ifdef Q_OS_UNIX
    Program p;
    QVERIFY(writeFile(p.configPath(), ValidStart));
    const auto open = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;
    QVERIFY(QFile::setPermissions(p.dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    const auto reopen = qScopeGuard([&] { QFile::setPermissions(p.dir.path(), open); });
    {
        QFile probe(p.dir.filePath(u8("probe")));
        if (probe.open(QIODevice::WriteOnly))
            QSKIP("this user writes into every folder (root); e2e_permissions.sh runs this case "
                  "as another user");
    }
    QVERIFY(p.start());
    p.f().PlaatsAanvullen(u8("Zeist"));
    p.f().close();
    QVERIFY(p.platform.questions.isEmpty());
    QVERIFY(p.platform.terminated.isEmpty());
    QVERIFY(parseConfig(decodeConfig(readFile(p.configPath()))).places.contains(u8("Zeist")));
    QVERIFY(leftovers(p.dir.path()).isEmpty());
#else
    QSKIP("needs Unix file permissions");
#endif
}

// ---- faults while saving
// --------------------------------------------------------------------------

void TestReliability::fullDisk_data()
{
    QTest::addColumn<int>("oldSize");
    QTest::addColumn<int>("newPlaces");
    QTest::newRow("new file does not fit") << 0 << 20000;
    // Old and new would each fit alone, not both: the old one is not given up for the new.
    QTest::newRow("old and new do not fit together") << 40000 << 3000;
}

void TestReliability::fullDisk()
{
#ifdef Q_OS_LINUX
    QFETCH(int, oldSize);
    QFETCH(int, newPlaces);
    Program p;
    const SmallDisk disk(p.dir.path());
    if (!disk.mounted())
        QSKIP(qPrintable(u8("no small file system could be made here (") + disk.reason() +
                         u8("); the file size limit in tst_config covers a full disk")));
    QByteArray old = "route=Utrecht\r\nplaats=Zeist\x0F\r\nroutes=\r\n";
    old += QByteArray(qMax(0, oldSize - int(old.size())), ' ');
    QVERIFY(writeFile(p.configPath(), old));
    QVERIFY(p.start());
    p.f().Plaats.AddItems(numbered(u8("Plaats"), newPlaces));
    p.f().close();

    QCOMPARE(p.platform.questions.size(), 1);
    const Question message = p.platform.questions.constFirst();
    QCOMPARE(message.icon, Question::Icon::Error);
    QVERIFY2(message.text.contains(QDir::toNativeSeparators(p.configPath())),
             qPrintable(message.text));
    QVERIFY2(message.text.contains(qt_error_string(ENOSPC)), qPrintable(message.text));
    QCOMPARE(readFile(p.configPath()), old);
    QVERIFY(leftovers(p.dir.path()).isEmpty());
#else
    QSKIP("needs a Linux tmpfs");
#endif
}

void TestReliability::fileReplacedWhileWindowOpen_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("overwritten in place, longer") << u8("overwrite");
    QTest::newRow("replaced by another file") << u8("rename");
    QTest::newRow("removed") << u8("remove");
    QTest::newRow("folder gone") << u8("folder gone");
}

void TestReliability::fileReplacedWhileWindowOpen()
{
    QFETCH(QString, how);
    Program p;
    QVERIFY(writeFile(p.configPath(), ValidStart));
    QVERIFY(p.start());
    p.f().Plaats.AddItem(u8("Zeist"));
    const QByteArray expected = "route=Utrecht/Zeist\r\nplaats=Amersfoort\x0F"
                                "Ede\x0FZeist\x0F\r\nroutes=Ede/Zeist\x0F\r\n";

    // Another program writes at the path while the window is open.
    const QByteArray other =
        "route=Elders\r\nplaats=" + QByteArray(100000, 'q') + "\x0F\r\nroutes=\r\n";
    if (how == u8("overwrite")) {
        QVERIFY(writeFile(p.configPath(), other));
    } else if (how == u8("rename")) {
        QVERIFY(writeFile(p.dir.filePath(u8("other.tmp")), other));
        QVERIFY(QFile::remove(p.configPath()));
        QVERIFY(QFile::rename(p.dir.filePath(u8("other.tmp")), p.configPath()));
    } else if (how == u8("remove")) {
        QVERIFY(QFile::remove(p.configPath()));
    } else {
        QVERIFY(QDir(p.dir.path()).removeRecursively());
    }
    p.f().close();

    if (how == u8("folder gone")) {
        QCOMPARE(p.platform.questions.size(), 1);
        QCOMPARE(p.platform.questions.constFirst().icon, Question::Icon::Error);
        const QString text = p.platform.questions.constFirst().text;
        QVERIFY2(text.contains(QDir::toNativeSeparators(p.configPath())), qPrintable(text));
        QVERIFY2(!text.section(QDir::toNativeSeparators(p.configPath()), 1).trimmed().isEmpty(),
                 qPrintable(text));
        return;
    }
    // The window's own view, whole: no tail of the other file behind it.
    QVERIFY(p.platform.questions.isEmpty());
    QCOMPARE(readFile(p.configPath()), expected);
    QVERIFY(leftovers(p.dir.path()).isEmpty());
}

// ---- far past 16 bits
// -------------------------------------------------------------------------------

void TestReliability::routeOfFortyThousandLines()
{
    const QStringList places = numbered(u8("Plaats"), 40000);
    const QString lines = places.join(u8("\r\n"));
    Program p;
    QVERIFY(p.start());
    frmZwervel& f = p.f();

    // Spaces around the places and blank lines between them, for the clean-up.
    QString messy;
    for (int i = 0; i < places.size(); ++i)
        messy += u8("  ") + places.at(i) + (i % 2 ? u8(" \r\n \r\n") : u8("\r\n"));
    f.Route.setText(messy);
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
    QVERIFY(address.startsWith(QString::fromLatin1(MapBaseAddress) +
                               u8("/maps/dir/Plaats%2000001/Plaats%2000002/")));
    QVERIFY(address.endsWith(u8("/Plaats%2039999/Plaats%2040000")));
    QCOMPARE(address.count(u'/'), 4 + 40000);

    // Saved on the "route=" line and back as 40,000 lines.
    f.close();
    QVERIFY(p.platform.questions.isEmpty());
    QVERIFY(readFile(p.configPath())
                .startsWith("route=" + places.join(u'/').toLatin1() + "\r\nplaats=\r\n"));
    p.window.reset();
    QVERIFY(p.start());
    QCOMPARE(p.f().Route.Text(), lines);
    QCOMPARE(p.f().Route.SelLength(), int(lines.size()));
}

void TestReliability::caretBeyondFortyThousandLines()
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

    pick(f.Plaats, 0);
    QCOMPARE(f.RouteSelStart, caret); // kept when the list took the focus
    QCOMPARE(f.RouteSelLengte, 12);
    QString expected = lines;
    expected.replace(caret, 12, u8("Ede"));
    QCOMPARE(f.Route.Text(), expected);
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
    pick(f.Plaats, 0);
    QCOMPARE(f.Route.Text(), lines + u8("Ede"));
    QCOMPARE(f.Route.SelStart(), int(lines.size()));
    QCOMPARE(f.Route.SelLength(), 3);
}

void TestReliability::routeOfFortyThousandPlacesInList()
{
    const QStringList places = numbered(u8("Plaats"), 40000);
    const QString route = places.join(u'/');
    Program p;
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
    pick(p.f().Routes, 0);
    QCOMPARE(p.f().Route.Text(), places.join(u8("\r\n")));
    QCOMPARE(p.f().Route.SelLength(), p.f().Route.TextLength());
}

void TestReliability::pickingBeyond32767()
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
    pick(f.Plaats, 39999);
    QCOMPARE(f.Route.Text(), u8("Utrecht\r\nPlaats 40000"));
    QCOMPARE(f.tPlaats.Text(), u8("Plaats 40000"));

    pick(f.Routes, 32768);
    QCOMPARE(f.tRoutes.Text(), routes.at(32768));
    QCOMPARE(f.Route.Text(), u8("Route a\r\nb 32769"));
}

QTEST_MAIN(TestReliability)
#include "tst_reliability.moc"
