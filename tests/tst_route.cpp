// The normal form of a route, bracket removal and the map-service addresses, as plain rules.
#include "route/RouteRules.h"
#include "text/TextRules.h"
#include "support/TestHelpers.h"

#include <QRandomGenerator>
#include <QStringList>
#include <QTest>
#include <QUrl>

using namespace zwervel;

namespace {

const QString Widget = QString::fromLatin1(MapBaseAddress);
const QString Richting = Widget + QStringLiteral("/maps/dir/");

// ---- The rules written out step by step, slow on purpose, to hold the fast ones against ----

QString spatiesEraf(QString t)
{
    while (t.startsWith(u' '))
        t.remove(0, 1);
    while (t.endsWith(u' '))
        t.chop(1);
    return t;
}

QString stapsgewijsHaken(QString t)
{
    for (;;) {
        const qsizetype a = t.indexOf(u'(');
        const qsizetype b = t.indexOf(u')');
        if (a < 0 || b < 0 || b < a)
            return t;
        t.remove(a, b - a + 1);
    }
}

QString ontdubbel(const QStringList& places)
{
    QString r;
    for (qsizetype i = 0; i + 1 < places.size(); ++i)
        if (places.at(i).toLower() != places.at(i + 1).toLower())
            r += places.at(i) + u'/';
    return r + places.constLast();
}

QString stappen13en14(QString r, bool dubbel, bool haken)
{
    if (r.isEmpty()) // steps 2 and 11 stop before the flags count
        return r;
    if (dubbel && !r.contains(u'/'))
        r = r + u'/' + r;
    if (haken)
        r = stapsgewijsHaken(r);
    return r;
}

// Steps 1 to 12, with the "while it contains, replace" loops exactly as the rules give them.
QString stapsgewijs1tot12(QString t)
{
    t = spatiesEraf(t);
    if (t.isEmpty())
        return {};
    t.replace(QStringLiteral("\r\n"), QStringLiteral("/"));
    while (t.contains(QStringLiteral("  ")))
        t.replace(QStringLiteral("  "), QStringLiteral(" "));
    while (t.contains(QStringLiteral("//")))
        t.replace(QStringLiteral("//"), QStringLiteral("/"));
    while (t.contains(QStringLiteral("/ ")))
        t.replace(QStringLiteral("/ "), QStringLiteral("/"));
    while (t.contains(QStringLiteral(" /")))
        t.replace(QStringLiteral(" /"), QStringLiteral("/"));
    if (t.startsWith(u'/'))
        t.remove(0, 1);
    if (t.endsWith(u'/'))
        t.chop(1);
    t = spatiesEraf(t);
    if (t.isEmpty())
        return {};
    return ontdubbel(t.split(u'/'));
}

bool heeftLegePlaats(const QString& route)
{
    return !route.isEmpty() && route.split(u'/').contains(QString());
}

// What the mended rules give where the step-by-step ones leave an empty place: the same places
// with the empty ones left out, and neighbours that thereby meet compared once more.
QString zonderLegePlaatsen(const QString& route)
{
    QStringList places = route.split(u'/');
    places.removeAll(QString());
    return places.isEmpty() ? QString() : ontdubbel(places);
}

QString willekeurigeRoute(QRandomGenerator& toeval)
{
    static const QStringList stukjes{
        QStringLiteral(" "),  QStringLiteral("/"), QStringLiteral("\r"), QStringLiteral("\n"),
        QStringLiteral("\r\n"), QStringLiteral("\t"), QStringLiteral("a"), QStringLiteral("A"),
        QStringLiteral("b"),  QStringLiteral("("), QStringLiteral(")"),
        QString(QChar::ParagraphSeparator)};
    QString t;
    const int length = toeval.bounded(0, 24);
    for (int i = 0; i < length; ++i)
        t += stukjes.at(toeval.bounded(int(stukjes.size())));
    return t;
}

// The route box's own text as its Text gives it: each paragraph separator CR LF.
QString alsRegels(QString document)
{
    return document.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
}

// The places of an address after the directions prefix, decoded again.
QString terugGelezen(const QString& address)
{
    QStringList places;
    for (const QString& deel : address.mid(Richting.size()).split(u'/'))
        places << QString::fromUtf8(QByteArray::fromPercentEncoding(deel.toLatin1()));
    return places.join(u'/');
}

} // namespace

class TestRoute : public QObject {
    Q_OBJECT

private slots:
    void normalForm_data();
    void normalForm();
    void alineaAlleenInHetVak_data();
    void alineaAlleenInHetVak();
    void tussenHaken_data();
    void tussenHaken();
    void zelfdeTekst_data();
    void zelfdeTekst();
    void kleineLettersHoudenHunLengte();
    void gelijkAanDeStappen();
    void langeTeksten_data();
    void langeTeksten();
    void normaalvormBlijftGelijk();
    void address_data();
    void address();
    void adresIsVeilig();
    void startpagina();
};

void TestRoute::normalForm_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("gewoon");
    QTest::addColumn<QString>("kaart"); // both flags on, as the map service asks

    // The worked examples.
    QTest::newRow("voorbeeld")
        << s("Nieuwegein / 48.860997, 2.352563 (Parijs) / Rome, Colosseum (reis)")
        << s("Nieuwegein/48.860997, 2.352563 (Parijs)/Rome, Colosseum (reis)")
        << s("Nieuwegein/48.860997, 2.352563 /Rome, Colosseum ");
    QTest::newRow("herhaling, hoofdletters") << s("Utrecht\r\nutrecht\r\nAmersfoort")
                                             << s("utrecht/Amersfoort") << s("utrecht/Amersfoort");
    QTest::newRow("spaties en lege regels") << s("  Utrecht  \r\n\r\n Den   Haag \r\n")
                                            << s("Utrecht/Den Haag") << s("Utrecht/Den Haag");
    QTest::newRow("een plaats") << s("Amsterdam") << s("Amsterdam") << s("Amsterdam/Amsterdam");
    QTest::newRow("een plaats met haakjes") << s("Parijs (x)") << s("Parijs (x)")
                                            << s("Parijs /Parijs ");
    QTest::newRow("reeks gelijken") << s("A\r\nB\r\nb\r\nB\r\nC") << s("A/B/C") << s("A/B/C");
    QTest::newRow("terugkeer later blijft") << s("Utrecht/Amersfoort/Utrecht")
                                            << s("Utrecht/Amersfoort/Utrecht")
                                            << s("Utrecht/Amersfoort/Utrecht");
    QTest::newRow("dubbele streep") << s("Den Haag, Centraal//Delft ")
                                    << s("Den Haag, Centraal/Delft") << s("Den Haag, Centraal/Delft");
    QTest::newRow("leeg") << QString() << QString() << QString();
    QTest::newRow("alleen spaties") << s("     ") << QString() << QString();
    QTest::newRow("alleen streep") << s("/") << QString() << QString();
    QTest::newRow("alleen regeleinden") << s("\r\n\r\n") << QString() << QString();
    QTest::newRow("streep tussen spaties") << s(" / ") << QString() << QString();
    QTest::newRow("tab blijft") << s("Utrecht\t/ Delft") << s("Utrecht\t/Delft")
                                << s("Utrecht\t/Delft");

    // More edges: a lone CR or LF belongs to its place; a tab is never trimmed; the doubling
    // comes before the brackets go, and nothing is tidied afterwards.
    QTest::newRow("losse LF") << s("a\nb") << s("a\nb") << s("a\nb/a\nb");
    QTest::newRow("losse CR") << s("a\rb / c") << s("a\rb/c") << s("a\rb/c");
    QTest::newRow("CR voor regeleinde") << s("a\r\r\nb") << s("a\r/b") << s("a\r/b");
    QTest::newRow("tab aan de randen") << s("\tA\t") << s("\tA\t") << s("\tA\t/\tA\t");
    QTest::newRow("alleen haakjes") << s("(x)") << s("(x)") << s("/");
    QTest::newRow("haakjes over een streep") << s("a (b / c) d") << s("a (b/c) d") << s("a  d");
    QTest::newRow("laatste van een reeks blijft") << s("aa/AA/Aa") << s("Aa") << s("Aa/Aa");

    // A slash doubled only once the spaces between go collapses as well: no empty place.
    QTest::newRow("streep spatie streep") << s("a / / b") << s("a/b") << s("a/b");
    QTest::newRow("streep spatie streep vooraan") << s("/ /a") << s("a") << s("a/a");
    QTest::newRow("streep spatie streep achteraan") << s("a/ /") << s("a") << s("a/a");
    QTest::newRow("lege regel met spatie") << s("a\r\n \r\nb") << s("a/b") << s("a/b");
    QTest::newRow("gelijken rond een lege plaats") << s("a / / A") << s("A") << s("A/A");
    // Lowered, the capital I with dot above grows: places of different lengths can be one.
    QTest::newRow("I met punt als buur") << s("\u0130zmir / i\u0307zmir") << s("i\u0307zmir")
                                         << s("i\u0307zmir/i\u0307zmir");
}

void TestRoute::normalForm()
{
    QFETCH(QString, text);
    QFETCH(QString, gewoon);
    QFETCH(QString, kaart);
    QCOMPARE(routeNormalForm(text, false, false), gewoon);
    QCOMPARE(routeNormalForm(text, true, true), kaart);
    QCOMPARE(routeNormalForm(text, true, false), stappen13en14(gewoon, true, false));
    QCOMPARE(routeNormalForm(text, false, true), stappen13en14(gewoon, false, true));
}

void TestRoute::alineaAlleenInHetVak_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("alsRoute");
    QTest::addColumn<QString>("inHetVak");
    const QString alinea(QChar::ParagraphSeparator);
    QTest::newRow("tussen plaatsen") << s("Ede") + alinea + s("Zeist") << s("Ede") + alinea + s("Zeist")
                                     << s("Ede/Zeist");
    QTest::newRow("met spaties en streep") << s("Ede ") + alinea + s(" / ") + alinea + s("Zeist")
                                           << s("Ede ") + alinea + s("/") + alinea + s("Zeist")
                                           << s("Ede/Zeist");
    QTest::newRow("aan de randen") << alinea + s(" Ede ") + alinea << alinea + s(" Ede ") + alinea
                                   << s("Ede");
    QTest::newRow("alleen alinea's") << alinea + alinea << alinea + alinea << QString();
    QTest::newRow("na CR") << s("a\r") + alinea + s("\nb") << s("a\r") + alinea + s("\nb")
                           << s("a\r/\nb");
    QTest::newRow("gelijken") << s("Ede") + alinea + s("EDE") << s("Ede") + alinea + s("EDE")
                              << s("EDE");
}

void TestRoute::alineaAlleenInHetVak()
{
    // In a stored route a paragraph separator is a character like any other; in the route
    // box's own text it is the line break.
    QFETCH(QString, text);
    QFETCH(QString, alsRoute);
    QFETCH(QString, inHetVak);
    QCOMPARE(routeNormalForm(text, false, false), alsRoute);
    QCOMPARE(routeNormalForm(alsRegels(text), false, false), inHetVak);
}

void TestRoute::tussenHaken_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("uitvoer");
    QTest::newRow("niet genest") << s("a (b (c) d) e") << s("a  d) e");
    QTest::newRow("sluithaak eerst") << s("a) b (c)") << s("a) b (c)");
    QTest::newRow("geen sluithaak") << s("x (y") << s("x (y");
    QTest::newRow("twee delen") << s("a (b) c (d) e") << s("a  c  e");
    QTest::newRow("alles") << s("(a)(b)") << QString();
    QTest::newRow("leeg paar") << s("x()y") << s("xy");
    QTest::newRow("later sluithaak eerst") << s("(a) b) (c)") << s(" b) (c)");
    QTest::newRow("leeg") << QString() << QString();
}

void TestRoute::tussenHaken()
{
    QFETCH(QString, input);
    QFETCH(QString, uitvoer);
    QCOMPARE(removeBracketed(input), uitvoer);
    QCOMPARE(removeBracketed(input), stapsgewijsHaken(input));
}

void TestRoute::zelfdeTekst_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<bool>("zelfde");
    QTest::newRow("hoofdletters") << s("Den Haag") << s("den HAAG") << true;
    QTest::newRow("niet getrimd") << s("Delft ") << s("Delft") << false;
    QTest::newRow("accent") << s("ÎLE") << s("île") << true;
    QTest::newRow("ander accent") << s("ile") << s("île") << false;
    // The lower-case forms decide, even where one is longer than its capital.
    QTest::newRow("I met punt") << s("\u0130") << s("\u0130").toLower() << true;
}

void TestRoute::zelfdeTekst()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(bool, zelfde);
    QCOMPARE(sameEntry(a, b), zelfde);
    QCOMPARE(sameEntry(b, a), zelfde);
}

void TestRoute::kleineLettersHoudenHunLengte()
{
    // The same-entry test rejects texts by the length of their lower-case forms before it
    // lowers them; that length must follow from the text alone.
    for (char32_t c = 0; c <= 0x10FFFF; ++c) {
        if (c >= 0xD800 && c <= 0xDFFF)
            continue;
        const QString ch = QString::fromUcs4(&c, 1);
        const qsizetype verwacht = ch.size() + (c == 0x0130 ? 1 : 0);
        if (ch.toLower().size() != verwacht)
            QFAIL(qPrintable(QStringLiteral("U+%1").arg(quint32(c), 4, 16, QLatin1Char('0'))));
    }
}

void TestRoute::gelijkAanDeStappen()
{
    QRandomGenerator toeval(20240611);
    int metLegePlaats = 0;
    for (int n = 0; n < 5000; ++n) {
        const QString text = willekeurigeRoute(toeval);
        const QString stappen = stapsgewijs1tot12(text);
        // Where the steps leave an empty place the mended rules drop it; elsewhere they agree.
        const QString verwacht = heeftLegePlaats(stappen) ? zonderLegePlaatsen(stappen) : stappen;
        metLegePlaats += heeftLegePlaats(stappen) ? 1 : 0;
        for (const bool dubbel : {false, true}) {
            for (const bool haken : {false, true}) {
                const QString out = routeNormalForm(text, dubbel, haken);
                if (out != stappen13en14(verwacht, dubbel, haken))
                    QFAIL(qPrintable(QStringLiteral("verschil voor %1 (%2, %3): %4 tegen %5")
                                         .arg(QString::fromLatin1(QUrl::toPercentEncoding(text)))
                                         .arg(dubbel)
                                         .arg(haken)
                                         .arg(QString::fromLatin1(QUrl::toPercentEncoding(out)))
                                         .arg(QString::fromLatin1(QUrl::toPercentEncoding(
                                             stappen13en14(verwacht, dubbel, haken))))));
            }
        }
        QVERIFY(!heeftLegePlaats(routeNormalForm(text, false, false)));
        QCOMPARE(removeBracketed(text), stapsgewijsHaken(text));
    }
    // Both kinds of input were met.
    QVERIFY(metLegePlaats > 50);
    QVERIFY(metLegePlaats < 4500);
}

void TestRoute::langeTeksten_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("gewoon");
    const QString spaties(32000, u' ');
    QString strepen;
    for (int i = 0; i < 16000; ++i)
        strepen += QStringLiteral("/ ");
    QString lines;
    for (int i = 0; i < 8000; ++i)
        lines += QStringLiteral("p%1 \r\n  / ").arg(i % 3);
    QString verwacht;
    for (int i = 0; i < 8000; ++i)
        verwacht += QStringLiteral("p%1/").arg(i % 3);
    verwacht.chop(1);

    QTest::newRow("alleen spaties") << spaties << QString();
    QTest::newRow("spaties in een plaats") << (u'a' + spaties + u'b') << s("a b");
    QTest::newRow("streep spatie") << strepen << QString();
    QTest::newRow("streep spatie tussen plaatsen") << (u'a' + strepen + u'b') << s("a/b");
    QTest::newRow("veel regels") << lines << verwacht;
}

void TestRoute::langeTeksten()
{
    QFETCH(QString, text);
    QFETCH(QString, gewoon);
    QCOMPARE(routeNormalForm(text, false, false), gewoon);
}

void TestRoute::normaalvormBlijftGelijk()
{
    QRandomGenerator toeval(77);
    for (int n = 0; n < 3000; ++n) {
        const QString vorm = routeNormalForm(willekeurigeRoute(toeval), false, false);
        QCOMPARE(routeNormalForm(vorm, false, false), vorm);
        // As a stored route comes back into the route box: one place per line.
        QString lines = vorm;
        lines.replace(u'/', QStringLiteral("\r\n"));
        QCOMPARE(routeNormalForm(lines, false, false), vorm);
    }
}

void TestRoute::address_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("address");
    QTest::newRow("een plaats") << s("Utrecht") << Richting + s("Utrecht/Utrecht");
    QTest::newRow("voorbeeld") << s("Nieuwegein / 48.860997, 2.352563 (Parijs) / Rome, Colosseum (reis)")
                               << Richting + s("Nieuwegein/48.860997,%202.352563%20/Rome,%20Colosseum%20");
    QTest::newRow("leeg") << QString() << Richting;
    QTest::newRow("hekje") << s("Calle 11 #220-25, Bogotá\r\nMedellín")
                           << Richting + s("Calle%2011%20%23220-25,%20Bogot%C3%A1/Medell%C3%ADn");
    QTest::newRow("plus") << s("3C7C+59H / Delft")
                          << Richting + s("3C7C%2B59H/Delft");
    QTest::newRow("vraagteken en is") << s("a?b=c&d / e") << Richting + s("a%3Fb%3Dc%26d/e");
    QTest::newRow("procent") << s("100% / %41") << Richting + s("100%25/%2541");
    QTest::newRow("backslash") << s("a\\b / c") << Richting + s("a%5Cb/c");
    QTest::newRow("Lodz") << s("Łódź / Kraków")
                          << Richting + s("%C5%81%C3%B3d%C5%BA/Krak%C3%B3w");
    QTest::newRow("Tokio") << s("東京 / 大阪") << Richting + s("%E6%9D%B1%E4%BA%AC/%E5%A4%A7%E9%98%AA");
    QTest::newRow("buiten het basisvlak") << s("\U0001F5FA / x") << Richting + s("%F0%9F%97%BA/x");
    QTest::newRow("overige tekens") << s("a:b;c@d~e'f\"g<h>i[j]k{l}m|n^o`p!q$r*s=t, u.v-w_x / z")
                                    << Richting
                                           + s("a%3Ab%3Bc%40d%7Ee%27f%22g%3Ch%3Ei%5Bj%5Dk%7Bl%7Dm"
                                               "%7Cn%5Eo%60p%21q%24r%2As%3Dt,%20u.v-w_x/z");
    QTest::newRow("tab en losse LF") << s("a\tb\nc") << Richting + s("a%09b%0Ac/a%09b%0Ac");
    QTest::newRow("byte order mark voor een plaats") << s("Ede / \uFEFFZeist") << Richting + s("Ede/%EF%BB%BFZeist");
}

void TestRoute::address()
{
    QFETCH(QString, text);
    QFETCH(QString, address);
    QCOMPARE(routeAddress(routeNormalForm(text, true, true)), address);
    // The browser gets it as it stands; Qt only writes an encoded "~" plainly, which means the
    // same in an address.
    const QUrl url(address, QUrl::StrictMode);
    QVERIFY(url.isValid());
    QCOMPARE(QString::fromLatin1(url.toEncoded()), QString(address).replace(QStringLiteral("%7E"), QStringLiteral("~")));
}

void TestRoute::adresIsVeilig()
{
    static const QStringList stukjes{
        QStringLiteral(" "), QStringLiteral("/"),  QStringLiteral("\r\n"), QStringLiteral("#"),
        QStringLiteral("+"), QStringLiteral("?"),  QStringLiteral("%"),    QStringLiteral("\\"),
        QStringLiteral("&"), QStringLiteral("é"),  QStringLiteral("東"),   QStringLiteral("a"),
        QStringLiteral("("), QStringLiteral(")"),  QStringLiteral(","),    QStringLiteral("\t"),
        QStringLiteral("~"), QStringLiteral("\U0001F600")};
    QRandomGenerator toeval(4242);
    for (int n = 0; n < 3000; ++n) {
        QString text;
        const int length = toeval.bounded(0, 20);
        for (int i = 0; i < length; ++i)
            text += stukjes.at(toeval.bounded(int(stukjes.size())));
        const QString route = routeNormalForm(text, true, true);
        const QString address = routeAddress(route);
        QVERIFY(address.startsWith(Richting));
        for (const QChar verboden : {u'#', u'?', u' ', u'\\', u'+', u'\t', u'\r', u'\n'})
            QVERIFY2(!address.contains(verboden), qPrintable(address));
        for (const QChar ch : address)
            QVERIFY(ch.unicode() > 0x20 && ch.unicode() < 0x7F);
        // Nothing is lost on the way: every place comes back whole, in its own segment.
        QCOMPARE(terugGelezen(address), route);
    }
}

void TestRoute::startpagina()
{
    QCOMPARE(startPageAddress(), Widget + QStringLiteral("/maps"));
    QVERIFY(Widget.startsWith(QStringLiteral("https://")));
    QVERIFY(!Widget.endsWith(u'/'));
}

QTEST_APPLESS_MAIN(TestRoute)
#include "tst_route.moc"
