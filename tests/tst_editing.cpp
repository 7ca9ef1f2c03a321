// The route box's text rules without a window: inserting a place at the caret and the
// clean-up of route lines.
#include "editing/RouteEditing.h"

#include <QTest>

using namespace zwervel;

namespace {
QString crlf(QString text) { return text.replace(QStringLiteral("|"), QStringLiteral("\r\n")); }
} // namespace

class TstEditing : public QObject {
    Q_OBJECT
private slots:
    void insertPlace_data();
    void insertPlace();
    void validCaret_data();
    void validCaret();
    void cleanedRoute_data();
    void cleanedRoute();
    void grooteRouteWordtOpgeschoond();
};

// "|" stands for CR LF in the rows.
void TstEditing::insertPlace_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qsizetype>("selStart");
    QTest::addColumn<qsizetype>("selLength");
    QTest::addColumn<QString>("place");
    QTest::addColumn<QString>("verwacht");
    QTest::addColumn<qsizetype>("verwachtStart");
    QTest::addColumn<qsizetype>("verwachtLengte");

    const auto row = [](const char* name, const char* text, qsizetype s, qsizetype l,
                        const char* place, const char* verwacht, qsizetype vs, qsizetype vl) {
        QTest::newRow(name) << crlf(QString::fromUtf8(text)) << s << l
                            << crlf(QString::fromUtf8(place)) << crlf(QString::fromUtf8(verwacht))
                            << vs << vl;
    };
    row("leeg vak", "", 0, 0, "Utrecht", "Utrecht", 0, 7);
    row("op lege laatste regel", "Utrecht|", 9, 0, "Zeist", "Utrecht|Zeist", 9, 5);
    row("geen scheiding erbij", "Utrecht|Zeist", 7, 0, "Amersfoort", "UtrechtAmersfoort|Zeist", 7,
        10);
    row("selectie vervangen", "Utrecht|Zeist", 9, 5, "Amersfoort", "Utrecht|Amersfoort", 9, 10);
    row("laatste regeleinde weg", "Utrecht|", 0, 0, "Zeist", "ZeistUtrecht", 0, 5);
    row("maar een keer", "Utrecht||", 0, 0, "Zeist", "ZeistUtrecht|", 0, 5);
    row("regeleinde geselecteerd", "Utrecht|Zeist", 7, 2, "/", "Utrecht/Zeist", 7, 1);
    row("tweede plaats vervangt eerste", "UtrechtZeist", 7, 5, "Ede", "UtrechtEde", 7, 3);
    row("caret voorbij het eind", "Utrecht", 40000, 0, "Zeist", "UtrechtZeist", 7, 5);
    row("negatieve caret", "Utrecht", -3, 0, "Zeist", "ZeistUtrecht", 0, 5);
    row("selectie voorbij het eind", "Utrecht|Zeist", 9, 99999, "Ede", "Utrecht|Ede", 9, 3);
    row("reusachtige lengte", "Utrecht", 2, std::numeric_limits<qsizetype>::max(), "x", "Utx", 2,
        1);
    row("negatieve lengte", "Utrecht", 2, -5, "x", "Utxrecht", 2, 1);
    row("caret tussen CR en LF", "Utrecht|Zeist", 8, 0, "Ede", "UtrechtEde|Zeist", 7, 3);
    row("selectie eindigt tussen CR en LF", "Utrecht|Zeist", 0, 8, "Ede", "Ede|Zeist", 0, 3);
    row("lege plaats", "Utrecht", 3, 2, "", "Utrht", 3, 0);
    row("plaats met regeleinde aan het eind", "", 0, 0, "Ede|", "Ede", 0, 3);
}

void TstEditing::insertPlace()
{
    QFETCH(QString, text);
    QFETCH(qsizetype, selStart);
    QFETCH(qsizetype, selLength);
    QFETCH(QString, place);
    QFETCH(QString, verwacht);
    QFETCH(qsizetype, verwachtStart);
    QFETCH(qsizetype, verwachtLengte);

    const RouteWithSelection out = zwervel::insertPlace(text, selStart, selLength, place);
    QCOMPARE(out.text, verwacht);
    QCOMPARE(out.selStart, verwachtStart);
    QCOMPARE(out.selLength, verwachtLengte);
}

void TstEditing::validCaret_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qsizetype>("position");
    QTest::addColumn<qsizetype>("verwacht");

    QTest::newRow("binnen") << crlf(QStringLiteral("ab|cd")) << qsizetype(1) << qsizetype(1);
    QTest::newRow("voor CR") << crlf(QStringLiteral("ab|cd")) << qsizetype(2) << qsizetype(2);
    QTest::newRow("tussen CR en LF")
        << crlf(QStringLiteral("ab|cd")) << qsizetype(3) << qsizetype(2);
    QTest::newRow("na LF") << crlf(QStringLiteral("ab|cd")) << qsizetype(4) << qsizetype(4);
    QTest::newRow("eind") << crlf(QStringLiteral("ab|cd")) << qsizetype(6) << qsizetype(6);
    QTest::newRow("voorbij het eind")
        << crlf(QStringLiteral("ab|cd")) << qsizetype(7) << qsizetype(6);
    QTest::newRow("voorbij 32767") << QStringLiteral("ab") << qsizetype(32768) << qsizetype(2);
    QTest::newRow("negatief") << QStringLiteral("ab") << qsizetype(-1) << qsizetype(0);
    QTest::newRow("leeg") << QString() << qsizetype(5) << qsizetype(0);
    QTest::newRow("losse CR") << QStringLiteral("a\rb") << qsizetype(2) << qsizetype(2);
}

void TstEditing::validCaret()
{
    QFETCH(QString, text);
    QFETCH(qsizetype, position);
    QFETCH(qsizetype, verwacht);
    QCOMPARE(zwervel::validCaret(text, position), verwacht);
}

void TstEditing::cleanedRoute_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("verwacht");

    const auto row = [](const char* name, const QString& text, const QString& verwacht) {
        QTest::newRow(name) << text << verwacht;
    };
    row("spaties en lege regels", crlf(QStringLiteral("  Utrecht ||   |Zeist|")),
        crlf(QStringLiteral("Utrecht|Zeist")));
    row("alleen spaties en regeleinden", crlf(QStringLiteral("  || |   |")), QString());
    row("leeg", QString(), QString());
    row("alleen een tab blijft", crlf(QStringLiteral("\t|Zeist")),
        crlf(QStringLiteral("\t|Zeist")));
    row("tab niet weggeknipt", crlf(QStringLiteral(" \tEde\t |")), QStringLiteral("\tEde\t"));
    row("herhaling blijft", crlf(QStringLiteral("Utrecht|Utrecht")),
        crlf(QStringLiteral("Utrecht|Utrecht")));
    row("spaties binnen een regel blijven", QStringLiteral("Den  Haag "),
        QStringLiteral("Den  Haag"));
    row("schuine streep blijft", QStringLiteral("Ede / Zeist"), QStringLiteral("Ede / Zeist"));
    row("lege regels vooraan", crlf(QStringLiteral("|||Ede")), QStringLiteral("Ede"));
    row("twee regeleinden aan het eind", crlf(QStringLiteral("Ede||")), QStringLiteral("Ede"));
    row("losse LF is geen regeleinde", QStringLiteral("Ede\n \r\nZeist"),
        QStringLiteral("Ede\n\r\nZeist"));
    row("losse CR is geen regeleinde", QStringLiteral(" \r "), QStringLiteral("\r"));
    row("CR CR LF", QStringLiteral("Ede\r\r\nZeist\r"), QStringLiteral("Ede\r\r\nZeist\r"));
    row("harde spatie is tekst", QString(QChar(0xA0)), QString(QChar(0xA0)));
}

void TstEditing::cleanedRoute()
{
    QFETCH(QString, text);
    QFETCH(QString, verwacht);
    QCOMPARE(zwervel::cleanedRoute(text), verwacht);
    // Cleaning a clean text changes nothing.
    QCOMPARE(zwervel::cleanedRoute(verwacht), verwacht);
}

void TstEditing::grooteRouteWordtOpgeschoond()
{
    // Far more lines than the old 16-bit counters held; every place kept in order.
    constexpr int Regels = 70000;
    QString text, verwacht;
    for (int i = 0; i < Regels; ++i) {
        const QString place = QStringLiteral("Plaats ") + QString::number(i);
        text += QStringLiteral("  ") + place + QStringLiteral(" \r\n\r\n   \r\n");
        verwacht += place + QStringLiteral("\r\n");
    }
    verwacht.chop(2);
    QCOMPARE(zwervel::cleanedRoute(text), verwacht);
}

QTEST_APPLESS_MAIN(TstEditing)
#include "tst_editing.moc"
