// The normal form of a route, bracket removal and the map-service addresses, as plain rules.
#include "route/RouteRules.h"
#include "support/TestHelpers.h"
#include "text/TextRules.h"

#include <QRandomGenerator>
#include <QStringList>
#include <QTest>
#include <QUrl>

using namespace zwervel;

namespace {

const QString MapBase = QString::fromLatin1(MapBaseAddress);
const QString Directions = MapBase + QStringLiteral("/maps/dir/");

// ---- The rules written out step by step, slow on purpose, to hold the fast ones against ----

QString trimSpaces(QString t)
{
    while (t.startsWith(u' '))
        t.remove(0, 1);
    while (t.endsWith(u' '))
        t.chop(1);
    return t;
}

QString bracketsStepwise(QString t)
{
    for (;;) {
        const qsizetype a = t.indexOf(u'(');
        const qsizetype b = t.indexOf(u')');
        if (a < 0 || b < 0 || b < a)
            return t;
        t.remove(a, b - a + 1);
    }
}

QString dropRepeats(const QStringList& places)
{
    QString r;
    for (qsizetype i = 0; i + 1 < places.size(); ++i)
        if (places.at(i).toLower() != places.at(i + 1).toLower())
            r += places.at(i) + u'/';
    return r + places.constLast();
}

QString steps13And14(QString r, bool doubled, bool brackets)
{
    if (r.isEmpty()) // steps 2 and 11 stop before the flags count
        return r;
    if (doubled && !r.contains(u'/'))
        r = r + u'/' + r;
    if (brackets)
        r = bracketsStepwise(r);
    return r;
}

// Steps 1 to 12, with the "while it contains, replace" loops exactly as the rules give them.
QString stepwise1To12(QString t)
{
    t = trimSpaces(t);
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
    t = trimSpaces(t);
    if (t.isEmpty())
        return {};
    return dropRepeats(t.split(u'/'));
}

bool hasEmptyPlace(const QString& route)
{
    return !route.isEmpty() && route.split(u'/').contains(QString());
}

// What the mended rules give where the step-by-step ones leave an empty place: the same places
// with the empty ones left out, and neighbours that thereby meet compared once more.
QString withoutEmptyPlaces(const QString& route)
{
    QStringList places = route.split(u'/');
    places.removeAll(QString());
    return places.isEmpty() ? QString() : dropRepeats(places);
}

QString randomRoute(QRandomGenerator& generator)
{
    static const QStringList pieces{
        QStringLiteral(" "),  QStringLiteral("/"),    QStringLiteral("\r"),
        QStringLiteral("\n"), QStringLiteral("\r\n"), QStringLiteral("\t"),
        QStringLiteral("a"),  QStringLiteral("A"),    QStringLiteral("b"),
        QStringLiteral("("),  QStringLiteral(")"),    QString(QChar::ParagraphSeparator)};
    QString t;
    const int length = generator.bounded(0, 24);
    for (int i = 0; i < length; ++i)
        t += pieces.at(generator.bounded(int(pieces.size())));
    return t;
}

// The route box's own text as its Text gives it: each paragraph separator CR LF.
QString asLines(QString document)
{
    return document.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
}

// The places of an address after the directions prefix, decoded again.
QString readBack(const QString& address)
{
    QStringList places;
    for (const QString& part : address.mid(Directions.size()).split(u'/'))
        places << QString::fromUtf8(QByteArray::fromPercentEncoding(part.toLatin1()));
    return places.join(u'/');
}

} // namespace

class TestRoute : public QObject {
    Q_OBJECT

private slots:
    void normalForm_data();
    void normalForm();
    void paragraphOnlyInTheBox_data();
    void paragraphOnlyInTheBox();
    void bracketed_data();
    void bracketed();
    void sameEntryComparison_data();
    void sameEntryComparison();
    void lowerCaseLengthFollowsTheText();
    void matchesTheSteps();
    void longTexts_data();
    void longTexts();
    void normalFormIsStable();
    void address_data();
    void address();
    void addressIsSafe();
    void startPage();
};

void TestRoute::normalForm_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("plain");
    QTest::addColumn<QString>("forMap"); // both flags on, as the map service asks

    // The worked examples.
    QTest::newRow("example")
        << s("Nieuwegein / 48.860997, 2.352563 (Parijs) / Rome, Colosseum (reis)")
        << s("Nieuwegein/48.860997, 2.352563 (Parijs)/Rome, Colosseum (reis)")
        << s("Nieuwegein/48.860997, 2.352563 /Rome, Colosseum ");
    QTest::newRow("repeat, capitals") << s("Utrecht\r\nutrecht\r\nAmersfoort")
                                      << s("utrecht/Amersfoort") << s("utrecht/Amersfoort");
    QTest::newRow("spaces and empty lines") << s("  Utrecht  \r\n\r\n Den   Haag \r\n")
                                            << s("Utrecht/Den Haag") << s("Utrecht/Den Haag");
    QTest::newRow("one place") << s("Amsterdam") << s("Amsterdam") << s("Amsterdam/Amsterdam");
    QTest::newRow("one place with brackets")
        << s("Parijs (x)") << s("Parijs (x)") << s("Parijs /Parijs ");
    QTest::newRow("run of equals") << s("A\r\nB\r\nb\r\nB\r\nC") << s("A/B/C") << s("A/B/C");
    QTest::newRow("later return stays")
        << s("Utrecht/Amersfoort/Utrecht") << s("Utrecht/Amersfoort/Utrecht")
        << s("Utrecht/Amersfoort/Utrecht");
    QTest::newRow("double slash") << s("Den Haag, Centraal//Delft ")
                                  << s("Den Haag, Centraal/Delft") << s("Den Haag, Centraal/Delft");
    QTest::newRow("empty") << QString() << QString() << QString();
    QTest::newRow("only spaces") << s("     ") << QString() << QString();
    QTest::newRow("only a slash") << s("/") << QString() << QString();
    QTest::newRow("only line breaks") << s("\r\n\r\n") << QString() << QString();
    QTest::newRow("slash between spaces") << s(" / ") << QString() << QString();
    QTest::newRow("tab stays") << s("Utrecht\t/ Delft") << s("Utrecht\t/Delft")
                               << s("Utrecht\t/Delft");

    // More edges: a lone CR or LF belongs to its place; a tab is never trimmed; the doubling
    // comes before the brackets go, and nothing is tidied afterwards.
    QTest::newRow("lone LF") << s("a\nb") << s("a\nb") << s("a\nb/a\nb");
    QTest::newRow("lone CR") << s("a\rb / c") << s("a\rb/c") << s("a\rb/c");
    QTest::newRow("CR before line break") << s("a\r\r\nb") << s("a\r/b") << s("a\r/b");
    QTest::newRow("tab at the edges") << s("\tA\t") << s("\tA\t") << s("\tA\t/\tA\t");
    QTest::newRow("only brackets") << s("(x)") << s("(x)") << s("/");
    QTest::newRow("brackets across a slash") << s("a (b / c) d") << s("a (b/c) d") << s("a  d");
    QTest::newRow("last of a run stays") << s("aa/AA/Aa") << s("Aa") << s("Aa/Aa");

    // A slash doubled only once the spaces between go collapses as well: no empty place.
    QTest::newRow("slash space slash") << s("a / / b") << s("a/b") << s("a/b");
    QTest::newRow("slash space slash in front") << s("/ /a") << s("a") << s("a/a");
    QTest::newRow("slash space slash at the end") << s("a/ /") << s("a") << s("a/a");
    QTest::newRow("empty line with a space") << s("a\r\n \r\nb") << s("a/b") << s("a/b");
    QTest::newRow("equals around an empty place") << s("a / / A") << s("A") << s("A/A");
    // Lowered, the capital I with dot above grows: places of different lengths can be one.
    QTest::newRow("I with dot as neighbour")
        << s("\u0130zmir / i\u0307zmir") << s("i\u0307zmir") << s("i\u0307zmir/i\u0307zmir");
}

void TestRoute::normalForm()
{
    QFETCH(QString, text);
    QFETCH(QString, plain);
    QFETCH(QString, forMap);
    QCOMPARE(routeNormalForm(text, false, false), plain);
    QCOMPARE(routeNormalForm(text, true, true), forMap);
    QCOMPARE(routeNormalForm(text, true, false), steps13And14(plain, true, false));
    QCOMPARE(routeNormalForm(text, false, true), steps13And14(plain, false, true));
}

void TestRoute::paragraphOnlyInTheBox_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("asRoute");
    QTest::addColumn<QString>("inTheBox");
    const QString paragraph(QChar::ParagraphSeparator);
    QTest::newRow("between places")
        << s("Ede") + paragraph + s("Zeist") << s("Ede") + paragraph + s("Zeist") << s("Ede/Zeist");
    QTest::newRow("with spaces and slash")
        << s("Ede ") + paragraph + s(" / ") + paragraph + s("Zeist")
        << s("Ede ") + paragraph + s("/") + paragraph + s("Zeist") << s("Ede/Zeist");
    QTest::newRow("at the edges") << paragraph + s(" Ede ") + paragraph
                                  << paragraph + s(" Ede ") + paragraph << s("Ede");
    QTest::newRow("only paragraph separators")
        << paragraph + paragraph << paragraph + paragraph << QString();
    QTest::newRow("after CR") << s("a\r") + paragraph + s("\nb") << s("a\r") + paragraph + s("\nb")
                              << s("a\r/\nb");
    QTest::newRow("equals") << s("Ede") + paragraph + s("EDE") << s("Ede") + paragraph + s("EDE")
                            << s("EDE");
}

void TestRoute::paragraphOnlyInTheBox()
{
    // In a stored route a paragraph separator is a character like any other; in the route
    // box's own text it is the line break.
    QFETCH(QString, text);
    QFETCH(QString, asRoute);
    QFETCH(QString, inTheBox);
    QCOMPARE(routeNormalForm(text, false, false), asRoute);
    QCOMPARE(routeNormalForm(asLines(text), false, false), inTheBox);
}

void TestRoute::bracketed_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("output");
    QTest::newRow("not nested") << s("a (b (c) d) e") << s("a  d) e");
    QTest::newRow("closing bracket first") << s("a) b (c)") << s("a) b (c)");
    QTest::newRow("no closing bracket") << s("x (y") << s("x (y");
    QTest::newRow("two parts") << s("a (b) c (d) e") << s("a  c  e");
    QTest::newRow("everything") << s("(a)(b)") << QString();
    QTest::newRow("empty pair") << s("x()y") << s("xy");
    QTest::newRow("later closing bracket first") << s("(a) b) (c)") << s(" b) (c)");
    QTest::newRow("empty") << QString() << QString();
}

void TestRoute::bracketed()
{
    QFETCH(QString, input);
    QFETCH(QString, output);
    QCOMPARE(removeBracketed(input), output);
    QCOMPARE(removeBracketed(input), bracketsStepwise(input));
}

void TestRoute::sameEntryComparison_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<bool>("same");
    QTest::newRow("capitals") << s("Den Haag") << s("den HAAG") << true;
    QTest::newRow("not trimmed") << s("Delft ") << s("Delft") << false;
    QTest::newRow("accent") << s("ÎLE") << s("île") << true;
    QTest::newRow("other accent") << s("ile") << s("île") << false;
    // The lower-case forms decide, even where one is longer than its capital.
    QTest::newRow("I with dot") << s("\u0130") << s("\u0130").toLower() << true;
}

void TestRoute::sameEntryComparison()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(bool, same);
    QCOMPARE(sameEntry(a, b), same);
    QCOMPARE(sameEntry(b, a), same);
}

void TestRoute::lowerCaseLengthFollowsTheText()
{
    // The same-entry test rejects texts by the length of their lower-case forms before it
    // lowers them; that length must follow from the text alone.
    for (char32_t c = 0; c <= 0x10FFFF; ++c) {
        if (c >= 0xD800 && c <= 0xDFFF)
            continue;
        const QString ch = QString::fromUcs4(&c, 1);
        const qsizetype expected = ch.size() + (c == 0x0130 ? 1 : 0);
        if (ch.toLower().size() != expected)
            QFAIL(qPrintable(QStringLiteral("U+%1").arg(quint32(c), 4, 16, QLatin1Char('0'))));
    }
}

void TestRoute::matchesTheSteps()
{
    QRandomGenerator generator(20240611);
    int withEmptyPlace = 0;
    for (int n = 0; n < 5000; ++n) {
        const QString text = randomRoute(generator);
        const QString stepwise = stepwise1To12(text);
        // Where the steps leave an empty place the mended rules drop it; elsewhere they agree.
        const QString expected = hasEmptyPlace(stepwise) ? withoutEmptyPlaces(stepwise) : stepwise;
        withEmptyPlace += hasEmptyPlace(stepwise) ? 1 : 0;
        for (const bool doubled : {false, true}) {
            for (const bool brackets : {false, true}) {
                const QString out = routeNormalForm(text, doubled, brackets);
                if (out != steps13And14(expected, doubled, brackets))
                    QFAIL(qPrintable(QStringLiteral("difference for %1 (%2, %3): %4 against %5")
                                         .arg(QString::fromLatin1(QUrl::toPercentEncoding(text)))
                                         .arg(doubled)
                                         .arg(brackets)
                                         .arg(QString::fromLatin1(QUrl::toPercentEncoding(out)))
                                         .arg(QString::fromLatin1(QUrl::toPercentEncoding(
                                             steps13And14(expected, doubled, brackets))))));
            }
        }
        QVERIFY(!hasEmptyPlace(routeNormalForm(text, false, false)));
        QCOMPARE(removeBracketed(text), bracketsStepwise(text));
    }
    // Both kinds of input were met.
    QVERIFY(withEmptyPlace > 50);
    QVERIFY(withEmptyPlace < 4500);
}

void TestRoute::longTexts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("plain");
    const QString spaces(32000, u' ');
    QString slashes;
    for (int i = 0; i < 16000; ++i)
        slashes += QStringLiteral("/ ");
    QString lines;
    for (int i = 0; i < 8000; ++i)
        lines += QStringLiteral("p%1 \r\n  / ").arg(i % 3);
    QString expected;
    for (int i = 0; i < 8000; ++i)
        expected += QStringLiteral("p%1/").arg(i % 3);
    expected.chop(1);

    QTest::newRow("only spaces") << spaces << QString();
    QTest::newRow("spaces within a place") << (u'a' + spaces + u'b') << s("a b");
    QTest::newRow("slash space") << slashes << QString();
    QTest::newRow("slash space between places") << (u'a' + slashes + u'b') << s("a/b");
    QTest::newRow("many lines") << lines << expected;
}

void TestRoute::longTexts()
{
    QFETCH(QString, text);
    QFETCH(QString, plain);
    QCOMPARE(routeNormalForm(text, false, false), plain);
}

void TestRoute::normalFormIsStable()
{
    QRandomGenerator generator(77);
    for (int n = 0; n < 3000; ++n) {
        const QString form = routeNormalForm(randomRoute(generator), false, false);
        QCOMPARE(routeNormalForm(form, false, false), form);
        // As a stored route comes back into the route box: one place per line.
        QString lines = form;
        lines.replace(u'/', QStringLiteral("\r\n"));
        QCOMPARE(routeNormalForm(lines, false, false), form);
    }
}

void TestRoute::address_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("address");
    QTest::newRow("one place") << s("Utrecht") << Directions + s("Utrecht/Utrecht");
    QTest::newRow("example")
        << s("Nieuwegein / 48.860997, 2.352563 (Parijs) / Rome, Colosseum (reis)")
        << Directions + s("Nieuwegein/48.860997,%202.352563%20/Rome,%20Colosseum%20");
    QTest::newRow("empty") << QString() << Directions;
    QTest::newRow("hash") << s("Calle 11 #220-25, Bogotá\r\nMedellín")
                          << Directions + s("Calle%2011%20%23220-25,%20Bogot%C3%A1/Medell%C3%ADn");
    QTest::newRow("plus") << s("3C7C+59H / Delft") << Directions + s("3C7C%2B59H/Delft");
    QTest::newRow("question mark and equals sign")
        << s("a?b=c&d / e") << Directions + s("a%3Fb%3Dc%26d/e");
    QTest::newRow("percent") << s("100% / %41") << Directions + s("100%25/%2541");
    QTest::newRow("backslash") << s("a\\b / c") << Directions + s("a%5Cb/c");
    QTest::newRow("Lodz") << s("Łódź / Kraków")
                          << Directions + s("%C5%81%C3%B3d%C5%BA/Krak%C3%B3w");
    QTest::newRow("Tokyo") << s("東京 / 大阪")
                           << Directions + s("%E6%9D%B1%E4%BA%AC/%E5%A4%A7%E9%98%AA");
    QTest::newRow("beyond the basic plane")
        << s("\U0001F5FA / x") << Directions + s("%F0%9F%97%BA/x");
    QTest::newRow("other characters")
        << s("a:b;c@d~e'f\"g<h>i[j]k{l}m|n^o`p!q$r*s=t, u.v-w_x / z")
        << Directions + s("a%3Ab%3Bc%40d%7Ee%27f%22g%3Ch%3Ei%5Bj%5Dk%7Bl%7Dm"
                          "%7Cn%5Eo%60p%21q%24r%2As%3Dt,%20u.v-w_x/z");
    QTest::newRow("tab and lone LF") << s("a\tb\nc") << Directions + s("a%09b%0Ac/a%09b%0Ac");
    QTest::newRow("byte order mark before a place")
        << s("Ede / \uFEFFZeist") << Directions + s("Ede/%EF%BB%BFZeist");
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
    QCOMPARE(QString::fromLatin1(url.toEncoded()),
             QString(address).replace(QStringLiteral("%7E"), QStringLiteral("~")));
}

void TestRoute::addressIsSafe()
{
    static const QStringList pieces{
        QStringLiteral(" "),  QStringLiteral("/"),  QStringLiteral("\r\n"),
        QStringLiteral("#"),  QStringLiteral("+"),  QStringLiteral("?"),
        QStringLiteral("%"),  QStringLiteral("\\"), QStringLiteral("&"),
        QStringLiteral("é"),  QStringLiteral("東"), QStringLiteral("a"),
        QStringLiteral("("),  QStringLiteral(")"),  QStringLiteral(","),
        QStringLiteral("\t"), QStringLiteral("~"),  QStringLiteral("\U0001F600")};
    QRandomGenerator generator(4242);
    for (int n = 0; n < 3000; ++n) {
        QString text;
        const int length = generator.bounded(0, 20);
        for (int i = 0; i < length; ++i)
            text += pieces.at(generator.bounded(int(pieces.size())));
        const QString route = routeNormalForm(text, true, true);
        const QString address = routeAddress(route);
        QVERIFY(address.startsWith(Directions));
        for (const QChar forbidden : {u'#', u'?', u' ', u'\\', u'+', u'\t', u'\r', u'\n'})
            QVERIFY2(!address.contains(forbidden), qPrintable(address));
        for (const QChar ch : address)
            QVERIFY(ch.unicode() > 0x20 && ch.unicode() < 0x7F);
        // Nothing is lost on the way: every place comes back whole, in its own segment.
        QCOMPARE(readBack(address), route);
    }
}

void TestRoute::startPage()
{
    QCOMPARE(startPageAddress(), MapBase + QStringLiteral("/maps"));
    QVERIFY(MapBase.startsWith(QStringLiteral("https://")));
    QVERIFY(!MapBase.endsWith(u'/'));
}

QTEST_APPLESS_MAIN(TestRoute)
#include "tst_route.moc"
