// The compact forms that keep tens of thousands of entries quick: the list that points into the
// configuration file's text instead of copying each entry, the same-entry rule compared unit by
// unit, and the Windows-1252 table. Each must give exactly what the plain form gives.
#include "config/ConfigFormat.h"
#include "support/TestHelpers.h"
#include "config/ConfigLijsten.h"
#include "config/Windows1252.h"
#include "platform/Controls.h"
#include "route/RouteRules.h"
#include "support/FormFixture.h"

#include <QFile>
#include <QListView>
#include <QScrollBar>
#include <QWheelEvent>
#include <QRandomGenerator>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTest>

using namespace zwervel;

namespace {

// The same-entry rule as it is written: both texts lowered whole, then compared.
bool volgensDeRegel(const QString& a, const QString& b) { return a.toLower() == b.toLower(); }

} // namespace

class TestCompact : public QObject {
    Q_OBJECT
private slots:
    void zelfdeTekst_data();
    void zelfdeTekst();
    void zelfdeTekstElkTeken();
    void normaalvormZoalsStapVoorStap();
    void windows1252ElkeByte();
    void windows1252ElkTeken();
    void lijstHoudtDeTekstVast_data();
    void lijstHoudtDeTekstVast();
    void lijstVanDelenSorteertEnHoudtGetoond();
    void eersteGebruikNaOngeordendeLijst_data();
    void eersteGebruikNaOngeordendeLijst();
    void verwijderenInEenKeer();
    void qtsEigenLijstbewerkingen();
    void openLijstMeetNietElkItem_data();
    void openLijstMeetNietElkItem();
    void lijstenZoalsInhoud_data();
    void lijstenZoalsInhoud();
    void lijstenZoalsInhoudWillekeurig();
    void bestandsLijstenNaBewerkingBewaard();
};

void TestCompact::zelfdeTekst_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::newRow("gelijk") << s("Utrecht") << s("Utrecht");
    QTest::newRow("hoofdletters") << s("Den Haag") << s("dEN hAAG");
    QTest::newRow("verschil laat") << s("Plaats 12") << s("plaats 13");
    QTest::newRow("lengte") << s("Delft") << s("Delft ");
    QTest::newRow("I met punt tegen i en punt") << s("\u0130stanbul") << s("i\u0307stanbul");
    QTest::newRow("I met punt tegen i") << s("\u0130stanbul") << s("istanbul");
    QTest::newRow("I met punt in beide") << s("a\u0130b") << s("A\u0130B");
    QTest::newRow("I met punt, langere tegenhanger") << s("x\u0130") << s("X\u0130y");
    QTest::newRow("Kelvinteken") << s("\u212Aelvin") << s("kelvin");
    QTest::newRow("ringel-s") << s("Straße") << s("STRASSE");
    QTest::newRow("sigma") << s("ΟΔΟΣ") << s("οδος");
    QTest::newRow("Deseret-paar") << s("\U00010400x") << s("\U00010428X");
    QTest::newRow("ander Deseret-paar") << s("\U00010400") << s("\U00010429");
    QTest::newRow("losse helft") << s("ab").append(QChar(0xD800)) << s("AB").append(QChar(0xD800));
    QTest::newRow("losse helft, gelijk") << s("ab").append(QChar(0xDC00)) << s("ab").append(QChar(0xDC00));
    QTest::newRow("leeg") << QString() << s("");
}

void TestCompact::zelfdeTekst()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QCOMPARE(zelfdeTekstBehalveHoofdletters(a, b), volgensDeRegel(a, b));
    QCOMPARE(zelfdeTekstBehalveHoofdletters(b, a), volgensDeRegel(a, b));
}

void TestCompact::zelfdeTekstElkTeken()
{
    // Every code unit against its own lower- and upper-case form, alone and inside a word: the
    // unit-by-unit comparison lowers single units, which must match lowering the whole text.
    for (char32_t code = 0; code <= 0xFFFF; ++code) {
        const QChar teken(static_cast<char16_t>(code));
        for (const QString& ander : {QString(teken).toLower(), QString(teken).toUpper()}) {
            const QString a = s("ab") + teken + s("c");
            const QString b = s("AB") + ander + s("C");
            if (zelfdeTekstBehalveHoofdletters(a, b) != volgensDeRegel(a, b))
                QFAIL(qPrintable(QStringLiteral("U+%1").arg(uint(code), 4, 16, QLatin1Char('0'))));
        }
    }
}

namespace {

QString getrimd(QString s)
{
    while (s.startsWith(u' '))
        s.remove(0, 1);
    while (s.endsWith(u' '))
        s.chop(1);
    return s;
}

void vervangZolang(QString& s, const char* wat, const char* door)
{
    while (s.contains(QLatin1String(wat)))
        s.replace(QLatin1String(wat), QLatin1String(door));
}

// The bracket removal as its steps read: the first "(" and the first ")" of the whole text.
QString hakenStapVoorStap(QString s)
{
    for (;;) {
        const qsizetype a = s.indexOf(u'('), b = s.indexOf(u')');
        if (a < 0 || b < 0 || b < a)
            return s;
        s.remove(a, b - a + 1);
    }
}

// The normal form as its steps read, with "while it contains, replace" loops, and a slash that
// becomes doubled once the spaces around it go collapsed as well.
QString normaalvormStapVoorStap(QString s, bool dubbel, bool haken)
{
    s = getrimd(s);
    if (s.isEmpty())
        return {};
    s.replace(QLatin1String("\r\n"), QLatin1String("/"));
    vervangZolang(s, "  ", " ");
    for (QString voor; voor != s;) {
        voor = s;
        vervangZolang(s, "//", "/");
        vervangZolang(s, "/ ", "/");
        vervangZolang(s, " /", "/");
    }
    if (s.startsWith(u'/'))
        s.remove(0, 1);
    if (s.endsWith(u'/'))
        s.chop(1);
    s = getrimd(s);
    if (s.isEmpty())
        return {};
    const QStringList plaatsen = s.split(u'/');
    QString resultaat;
    for (qsizetype i = 0; i + 1 < plaatsen.size(); ++i) {
        if (plaatsen.at(i).toLower() != plaatsen.at(i + 1).toLower())
            resultaat += plaatsen.at(i) + u'/';
    }
    resultaat += plaatsen.constLast();
    if (dubbel && !resultaat.contains(u'/'))
        resultaat = resultaat + u'/' + resultaat;
    return haken ? hakenStapVoorStap(resultaat) : resultaat;
}

} // namespace

void TestCompact::normaalvormZoalsStapVoorStap()
{
    // The one-pass rules against their steps, on many short texts of the characters that matter.
    const QStringList stukken{s(" "), s("  "), s("/"), s("\r\n"), s("\r"), s("\n"), s("\t"),
                              s("a"), s("A"), s("b"), s("("), s(")"), s("\u0130"), s("i\u0307"),
                              s("\u00E9"), s("\u00C9"), s("\U00010400"), s("\U00010428")};
    QRandomGenerator toeval(54321);
    const auto volgende = [&toeval](quint32 n) { return toeval.bounded(n); };
    for (int geval = 0; geval < 50000; ++geval) {
        QString tekst;
        const quint32 lengte = volgende(16);
        for (quint32 i = 0; i < lengte; ++i)
            tekst += stukken.at(qsizetype(volgende(quint32(stukken.size()))));
        const bool dubbel = volgende(2), haken = volgende(2);
        if (routeNormaalvorm(tekst, dubbel, haken) != normaalvormStapVoorStap(tekst, dubbel, haken)
            || tussenHakenVerwijderen(tekst) != hakenStapVoorStap(tekst))
            QFAIL(qPrintable(QString::fromLatin1(tekst.toUtf8().toHex(' '))));
    }
}

void TestCompact::windows1252ElkeByte()
{
    QStringDecoder systeem("windows-1252");
    if (!systeem.isValid())
        QSKIP("this Qt has no Windows-1252 converter to compare with");
    QByteArray alle;
    for (int b = 0; b < 256; ++b)
        alle.append(char(b));
    QCOMPARE(windows1252NaarTekst(alle), systeem.decode(alle));
}

void TestCompact::windows1252ElkTeken()
{
    if (!QStringEncoder("windows-1252").isValid())
        QSKIP("this Qt has no Windows-1252 converter to compare with");
    for (char32_t code = 0; code <= 0xFFFF; ++code) {
        const QString tekst(QChar(static_cast<char16_t>(code)));
        if (tekst.front().isSurrogate()) {
            // No byte for half a character (the system's converter holds a lone high half back
            // for the next call instead of saying so).
            QVERIFY(!tekstNaarWindows1252(tekst));
            continue;
        }
        QStringEncoder systeem("windows-1252");
        const QByteArray verwacht = systeem.encode(tekst);
        const std::optional<QByteArray> bytes = tekstNaarWindows1252(tekst);
        if (bytes.has_value() == systeem.hasError() || (bytes && *bytes != verwacht))
            QFAIL(qPrintable(QStringLiteral("U+%1").arg(uint(code), 4, 16, QLatin1Char('0'))));
    }
    QVERIFY(!tekstNaarWindows1252(s("caf\u00E9 \U0001F600")));
    QCOMPARE(*tekstNaarWindows1252(s("\u20AC 5, na\u00EFef")), QByteArray("\x80 5, na\xEF" "ef"));
}

void TestCompact::lijstHoudtDeTekstVast_data()
{
    QTest::addColumn<QByteArray>("bestand");
    // Read in place as UTF-8, in place as Latin-1, and decoded (Windows-1252 with a euro sign).
    QTest::newRow("UTF-8") << QByteArray("plaats=Z\xC3\xBCrich\x0F  Delft \x0F\x0F" "Amersfoort\x0F");
    QTest::newRow("Latin-1") << QByteArray("plaats=Z\xFCrich\x0F  Delft \x0F\x0F" "Amersfoort\x0F");
    QTest::newRow("Windows-1252") << QByteArray("plaats=Z\xFCrich\x0F  Delft \x0F\x0F" "Amersfoort\x0F\x80\r\n");
}

void TestCompact::lijstHoudtDeTekstVast()
{
    QFETCH(QByteArray, bestand);
    ComboBox lijst(nullptr);
    {
        // The file as read goes out of scope here; the list keeps what its entries point into.
        QByteArray bytes = bestand;
        const CfgLijsten inhoud = cfgLijsten(bytes);
        lijst.AddItems(inhoud.plaatsen, inhoud.tekst, inhoud.bytes);
        bytes.fill('x');
    }
    QStringList verwacht{s("Amersfoort"), s("Delft"), s("Z\u00FCrich")};
    if (bestand.endsWith("\x80\r\n"))
        verwacht.insert(0, s("\u20AC"));
    QCOMPARE(items(lijst), verwacht);
    lijst.AddItem(s("Utrecht"));
    lijst.setText(s("delft"));
    QCOMPARE(lijst.Text(), s("Delft"));
    QCOMPARE(lijst.Items().size(), verwacht.size() + 1);
    QCOMPARE(alsTekst(lijst.Items().constLast()), s("Z\u00FCrich"));
}

void TestCompact::lijstVanDelenSorteertEnHoudtGetoond()
{
    ComboBox lijst(nullptr);
    lijst.AddItem(s("Utrecht"));
    lijst.setText(s("Utrecht"));
    const CfgLijsten inhoud = cfgLijsten(QByteArray("plaats=Plaats 10\x0FPlaats 2\x0F\xC3\x8Ele\x0F"));
    lijst.AddItems(inhoud.plaatsen, inhoud.tekst, inhoud.bytes);
    QCOMPARE(items(lijst),
             (QStringList{s("\u00CEle"), s("Plaats 2"), s("Plaats 10"), s("Utrecht")}));
    QCOMPARE(lijst.Text(), s("Utrecht"));

    // An empty list keeps showing nothing.
    ComboBox leeg(nullptr);
    leeg.AddItems(inhoud.plaatsen, inhoud.tekst, inhoud.bytes);
    QCOMPARE(leeg.currentIndex(), -1);
    QCOMPARE(leeg.Text(), QString());
}

void TestCompact::eersteGebruikNaOngeordendeLijst_data()
{
    // A list filled out of order shows the list order to whatever reads it first, by each of
    // the ways the program and Qt's combo box read or change it.
    QTest::addColumn<QString>("gebruik");
    QTest::addColumn<QStringList>("verwacht");
    const QStringList geordend{s("Assen"), s("Breda"), s("Ede"), s("Plaats 2"), s("Plaats 10")};
    QTest::newRow("List") << s("List") << QStringList{s("Breda"), s("Plaats 10")};
    QTest::newRow("rij tonen") << s("rij tonen") << QStringList{s("Breda")};
    QTest::newRow("Qt's currentText") << s("currentText") << QStringList{s("Ede")};
    QTest::newRow("setText") << s("setText") << QStringList{s("Ede"), s("2")};
    QTest::newRow("AddItem") << s("AddItem")
                             << QStringList{s("Assen"), s("Breda"), s("Delft"), s("Ede"),
                                            s("Plaats 2"), s("Plaats 10")};
    QTest::newRow("RemoveItems") << s("RemoveItems")
                                 << QStringList{s("Assen"), s("Ede"), s("Plaats 2"), s("Plaats 10")};
    QTest::newRow("removeItem") << s("removeItem")
                                << QStringList{s("Breda"), s("Ede"), s("Plaats 2"), s("Plaats 10")};
    QTest::newRow("setItemText") << s("setItemText")
                                 << QStringList{s("Assen"), s("Breda"), s("Epe"), s("Plaats 2"),
                                                s("Plaats 10")};
    QTest::newRow("findText") << s("findText") << QStringList{s("3")};
    QTest::newRow("Items") << s("Items") << geordend;
}

void TestCompact::eersteGebruikNaOngeordendeLijst()
{
    QFETCH(QString, gebruik);
    QFETCH(QStringList, verwacht);
    ComboBox lijst(nullptr);
    const CfgLijsten inhoud =
        cfgLijsten(QByteArray("plaats=Plaats 10\x0F" "Ede\x0F" "Breda\x0FPlaats 2\x0F" "Assen\x0F"));
    lijst.AddItems(inhoud.plaatsen, inhoud.tekst, inhoud.bytes);
    QCOMPARE(lijst.ListCount(), 5);
    QStringList gezien;
    if (gebruik == s("List")) {
        gezien << lijst.List(1) << lijst.List(4);
    } else if (gebruik == s("rij tonen")) {
        gezien << lijst.model()->index(1, 0).data().toString();
    } else if (gebruik == s("currentText")) {
        lijst.setCurrentIndex(2);
        gezien << lijst.currentText();
    } else if (gebruik == s("setText")) {
        lijst.setText(s("ede"));
        gezien << lijst.Text() << QString::number(lijst.currentIndex());
    } else if (gebruik == s("findText")) {
        gezien << QString::number(lijst.findText(s("plaats 2"), Qt::MatchFixedString));
    } else {
        if (gebruik == s("AddItem"))
            lijst.AddItem(s("Delft"));
        else if (gebruik == s("RemoveItems"))
            lijst.RemoveItems([](QStringView item) { return item == u"Breda"; });
        else if (gebruik == s("removeItem"))
            lijst.removeItem(0);
        else if (gebruik == s("setItemText"))
            lijst.setItemText(2, s("Epe"));
        gezien = items(lijst);
    }
    QCOMPARE(gezien, verwacht);
}

void TestCompact::verwijderenInEenKeer()
{
    ComboBox lijst(nullptr);
    const CfgLijsten inhoud = cfgLijsten(QByteArray("plaats=Delft\x0F" "delft\x0FGouda\x0F" "DELFT\x0F"));
    lijst.AddItems(inhoud.plaatsen, inhoud.tekst, inhoud.bytes);
    lijst.AddItem(s("Breda"));
    lijst.setText(s("Gouda"));
    lijst.RemoveItems([](QStringView item) { return zelfdeTekstBehalveHoofdletters(item, u"Delft"); });
    QCOMPARE(items(lijst), (QStringList{s("Breda"), s("Gouda")}));
    QCOMPARE(lijst.Text(), QString());

    lijst.RemoveItems([](QStringView) { return true; });
    QCOMPARE(lijst.ListCount(), 0);
    lijst.AddItem(s("Ede"));
    QCOMPARE(items(lijst), QStringList{s("Ede")});
}

void TestCompact::qtsEigenLijstbewerkingen()
{
    // Qt's own combo box calls reach the list's entries too.
    ComboBox lijst(nullptr);
    lijst.AddItems({s("Assen"), s("Breda"), s("Delft")});
    lijst.setItemText(1, s("Bussum"));
    lijst.removeItem(0);
    lijst.insertItem(2, s("Ede"));
    QCOMPARE(items(lijst), (QStringList{s("Bussum"), s("Delft"), s("Ede")}));
    QCOMPARE(lijst.findText(s("DELFT"), Qt::MatchFixedString), 1);
    QVERIFY(!lijst.model()->setData(lijst.model()->index(7, 0), s("x")));
    lijst.Clear();
    QCOMPARE(lijst.ListCount(), 0);
}

void TestCompact::openLijstMeetNietElkItem_data()
{
    // The open list is made when it first opens, unless Qt made it before: for the wheel or a
    // typed letter on the closed list, or for the click that opens it. It opens the same.
    QTest::addColumn<int>("eerst");
    QTest::newRow("opened at once") << 0;
    QTest::newRow("after the wheel") << 1;
    QTest::newRow("after a typed letter") << 2;
    QTest::newRow("by a click, as a user opens it") << 3;
}

void TestCompact::openLijstMeetNietElkItem()
{
    QFETCH(int, eerst);
    QWidget venster;
    auto* lijst = new ComboBox(&venster);
    lijst->resize(200, 24);
    const QColor kleur(0xE6, 0xFF, 0xEC);
    lijst->setOpenLijstKleur(QPalette::Base, kleur);
    QStringList veel;
    for (int i = 0; i < 40000; ++i)
        veel << QStringLiteral("Plaats %1").arg(i);
    lijst->AddItems(veel);
    venster.show();
    QVERIFY(QTest::qWaitForWindowExposed(&venster));
    switch (eerst) {
    case 1: {
        QWheelEvent wiel(QPointF(10, 10), lijst->mapToGlobal(QPointF(10, 10)), QPoint(), QPoint(0, -120),
                         Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(lijst, &wiel);
        lijst->OpenList();
        break;
    }
    case 2:
        QTest::keyClick(lijst, Qt::Key_P);
        lijst->OpenList();
        break;
    case 3:
        QTest::mouseClick(lijst, Qt::LeftButton);
        break;
    default:
        lijst->OpenList();
    }
    auto* lijstbeeld = qobject_cast<QListView*>(lijst->view());
    QVERIFY(lijstbeeld);
    QTRY_VERIFY(lijstbeeld->isVisible());
    QVERIFY(lijstbeeld->uniformItemSizes());
    // A screenful at a time, with a scroll bar, in the list's colours.
    QVERIFY(lijstbeeld->verticalScrollBar()->isVisible());
    QVERIFY(lijstbeeld->height() < 40 * lijstbeeld->sizeHintForRow(0));
    QCOMPARE(lijstbeeld->palette().color(QPalette::Base), kleur);
    QCOMPARE(lijstbeeld->window()->palette().color(QPalette::Window),
             lijst->palette().color(QPalette::Window));
    // The last entry is reachable and picked like any other.
    lijstbeeld->setCurrentIndex(lijstbeeld->model()->index(39999, 0));
    QTest::keyClick(lijstbeeld, Qt::Key_Return);
    QCOMPARE(lijst->Text(), lijst->List(39999));
}

// What the window takes from a file must be what the text rules read in it.
void vergelijkMetInhoud(const QByteArray& bytes)
{
    const CfgInhoud inhoud = cfgInhoud(cfgDecoderen(bytes));
    const CfgLijsten lijsten = cfgLijsten(bytes);
    QCOMPARE(lijsten.routeWaarden, inhoud.routeWaarden);
    QStringList plaatsen, routes;
    for (const QAnyStringView item : lijsten.plaatsen)
        plaatsen << alsTekst(item);
    for (const QAnyStringView item : lijsten.routes)
        routes << alsTekst(item);
    QCOMPARE(plaatsen, inhoud.plaatsen);
    QCOMPARE(routes, inhoud.routes);
}

void TestCompact::lijstenZoalsInhoud_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("gewoon") << QByteArray("route=a/b\r\nplaats=Delft\x0FGouda\x0F\r\nroutes=a/b\x0F\r\n");
    QTest::newRow("spaties en lege stukken")
        << QByteArray("plaats=  Delft \x0F \x0F\x0F\tGouda\x0F" "Ede\r\nroutes=\x0F\x0F");
    QTest::newRow("laatste regel telt") << QByteArray("PLAATS=a\x0F\nplaats=b\x0F\rRoutes=c");
    QTest::newRow("geen lijsten") << QByteArray("route=x\r\nonzin\r\n=\r\n");
    QTest::newRow("UTF-8") << QByteArray("route=\xC5\x81\xC3\xB3" "d\xC5\xBA\r\nplaats=\xE6\x9D\xB1\xE4\xBA\xAC\x0F");
    QTest::newRow("UTF-8 met merkteken") << QByteArray("\xEF\xBB\xBFplaats=a\x0F\xEF\xBB\xBF" "b\x0F");
    QTest::newRow("merkteken voor Latin-1") << QByteArray("\xEF\xBB\xBFplaats=caf\xE9\x0F");
    QTest::newRow("merkteken in een plaats") << QByteArray("route=\xEF\xBB\xBFx\nplaats=\xEF\xBB\xBF" "a\x0F");
    QTest::newRow("Latin-1") << QByteArray("route=caf\xE9\r\nplaats=\xC9" "cole\x0F\xFF\x0F");
    QTest::newRow("Windows-1252") << QByteArray("plaats=\x80 5\x0F\x92s-Hertogenbosch\x0F");
    QTest::newRow("UTF-16") << QByteArray("\xFF\xFEp\0=\0a\0\x0F\0", 10);
    QTest::newRow("sleutel met accent") << QByteArray("pl\xC3\xA0ts=a\x0F\nPLAAT\xC5\xA0=b\x0F\nplaats=c");
    QTest::newRow("Kelvin") << QByteArray("route=\xE2\x84\xAA\nplaats=\xE2\x84\xAA\x0F");
    QTest::newRow("vervangen UTF-8") << QByteArray("plaats=\xED\xA0\x80\x0F" "a\x0F");
    QTest::newRow("lege regels") << QByteArray("\r\n\n\r\rplaats=a\x0F\r");
}

void TestCompact::lijstenZoalsInhoud()
{
    QFETCH(QByteArray, bytes);
    vergelijkMetInhoud(bytes);
}

void TestCompact::lijstenZoalsInhoudWillekeurig()
{
    // Many small files made of the pieces that matter: keys in either case, every kind of line
    // end, separators, spaces, ASCII, Latin-1, UTF-8 and Windows-1252 bytes, byte order marks.
    const QList<QByteArray> stukken{
        "route=", "plaats=", "routes=", "PLAATS=", "Routes=", "=", "\r", "\n", "\r\n", "\x0F",
        " ", "  ", "\t", "a", "Z", "/", "\xE9", "\xC3\xA9", "\x80", "\x9F", "\xEF\xBB\xBF",
        "\xE2\x84\xAA", "\xF0\x9F\x98\x80", "\xC4\xB0", "\xFF", "\xFE"};
    QRandomGenerator toeval(12345);
    const auto volgende = [&toeval](quint32 n) { return toeval.bounded(n); };
    for (int geval = 0; geval < 20000; ++geval) {
        QByteArray bytes;
        const quint32 lengte = volgende(24);
        for (quint32 i = 0; i < lengte; ++i)
            bytes += stukken.at(qsizetype(volgende(quint32(stukken.size()))));
        vergelijkMetInhoud(bytes);
        if (QTest::currentTestFailed())
            QFAIL(qPrintable(QString::fromLatin1(bytes.toHex(' '))));
    }
}

void TestCompact::bestandsLijstenNaBewerkingBewaard()
{
    // Entries that point into the file's text live on through adding, removing and saving.
    QByteArray bestand = "route=Delft\r\nplaats=";
    for (int i = 40000; i > 0; --i)
        bestand += "Plaats " + QByteArray::number(i) + '\x0F';
    bestand += "\r\nroutes=Delft/Gouda\x0F" "Ede/Breda\x0F\r\n";
    FormFixture fx(&bestand);
    frmZwervel& f = fx.f();
    QCOMPARE(f.Plaats.ListCount(), 40000);
    QCOMPARE(f.Plaats.List(0), s("Plaats 1"));
    QCOMPARE(f.Plaats.List(39999), s("Plaats 40000"));

    f.PlaatsAanvullen(s("Plaats 0"));
    f.PlaatsAanvullen(s("plaats 7")); // there already
    fx.platform.antwoorden = {Vraag::Antwoord::Ja};
    f.Routes.setText(s("ede/breda"));
    QVERIFY(f.UitLijstVerwijderen(f.Routes, s("Route")));
    f.CfgOpslaan();

    QFile opgeslagen(fx.cfgPad());
    QVERIFY(opgeslagen.open(QIODevice::ReadOnly));
    const CfgInhoud terug = cfgInhoud(cfgDecoderen(opgeslagen.readAll()));
    QCOMPARE(terug.plaatsen.size(), qsizetype(40001));
    QCOMPARE(terug.plaatsen.first(), s("Plaats 0"));
    QCOMPARE(terug.plaatsen.at(7), s("Plaats 7"));
    QCOMPARE(terug.plaatsen.last(), s("Plaats 40000"));
    QCOMPARE(terug.routes, QStringList{s("Delft/Gouda")});
}

QTEST_MAIN(TestCompact)
#include "tst_compact.moc"
