// The route box's text rules without a window: inserting a place at the caret and the
// clean-up of route lines.
#include "editing/RouteEditing.h"

#include <QTest>

using namespace zwervel;

namespace {
QString crlf(QString tekst) { return tekst.replace(QStringLiteral("|"), QStringLiteral("\r\n")); }
} // namespace

class TstEditing : public QObject {
    Q_OBJECT
private slots:
    void plaatsInvoegen_data();
    void plaatsInvoegen();
    void geldigeCaret_data();
    void geldigeCaret();
    void routeOpgeschoond_data();
    void routeOpgeschoond();
    void grooteRouteWordtOpgeschoond();
};

// "|" stands for CR LF in the rows.
void TstEditing::plaatsInvoegen_data()
{
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<qsizetype>("selStart");
    QTest::addColumn<qsizetype>("selLengte");
    QTest::addColumn<QString>("plaats");
    QTest::addColumn<QString>("verwacht");
    QTest::addColumn<qsizetype>("verwachtStart");
    QTest::addColumn<qsizetype>("verwachtLengte");

    const auto rij = [](const char* naam, const char* tekst, qsizetype s, qsizetype l,
                        const char* plaats, const char* verwacht, qsizetype vs, qsizetype vl) {
        QTest::newRow(naam) << crlf(QString::fromUtf8(tekst)) << s << l
                            << crlf(QString::fromUtf8(plaats)) << crlf(QString::fromUtf8(verwacht))
                            << vs << vl;
    };
    rij("leeg vak", "", 0, 0, "Utrecht", "Utrecht", 0, 7);
    rij("op lege laatste regel", "Utrecht|", 9, 0, "Zeist", "Utrecht|Zeist", 9, 5);
    rij("geen scheiding erbij", "Utrecht|Zeist", 7, 0, "Amersfoort", "UtrechtAmersfoort|Zeist", 7,
        10);
    rij("selectie vervangen", "Utrecht|Zeist", 9, 5, "Amersfoort", "Utrecht|Amersfoort", 9, 10);
    rij("laatste regeleinde weg", "Utrecht|", 0, 0, "Zeist", "ZeistUtrecht", 0, 5);
    rij("maar een keer", "Utrecht||", 0, 0, "Zeist", "ZeistUtrecht|", 0, 5);
    rij("regeleinde geselecteerd", "Utrecht|Zeist", 7, 2, "/", "Utrecht/Zeist", 7, 1);
    rij("tweede plaats vervangt eerste", "UtrechtZeist", 7, 5, "Ede", "UtrechtEde", 7, 3);
    rij("caret voorbij het eind", "Utrecht", 40000, 0, "Zeist", "UtrechtZeist", 7, 5);
    rij("negatieve caret", "Utrecht", -3, 0, "Zeist", "ZeistUtrecht", 0, 5);
    rij("selectie voorbij het eind", "Utrecht|Zeist", 9, 99999, "Ede", "Utrecht|Ede", 9, 3);
    rij("reusachtige lengte", "Utrecht", 2, std::numeric_limits<qsizetype>::max(), "x", "Utx", 2,
        1);
    rij("negatieve lengte", "Utrecht", 2, -5, "x", "Utxrecht", 2, 1);
    rij("caret tussen CR en LF", "Utrecht|Zeist", 8, 0, "Ede", "UtrechtEde|Zeist", 7, 3);
    rij("selectie eindigt tussen CR en LF", "Utrecht|Zeist", 0, 8, "Ede", "Ede|Zeist", 0, 3);
    rij("lege plaats", "Utrecht", 3, 2, "", "Utrht", 3, 0);
    rij("plaats met regeleinde aan het eind", "", 0, 0, "Ede|", "Ede", 0, 3);
}

void TstEditing::plaatsInvoegen()
{
    QFETCH(QString, tekst);
    QFETCH(qsizetype, selStart);
    QFETCH(qsizetype, selLengte);
    QFETCH(QString, plaats);
    QFETCH(QString, verwacht);
    QFETCH(qsizetype, verwachtStart);
    QFETCH(qsizetype, verwachtLengte);

    const RouteMetSelectie uit = zwervel::plaatsInvoegen(tekst, selStart, selLengte, plaats);
    QCOMPARE(uit.tekst, verwacht);
    QCOMPARE(uit.selStart, verwachtStart);
    QCOMPARE(uit.selLengte, verwachtLengte);
}

void TstEditing::geldigeCaret_data()
{
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<qsizetype>("positie");
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

void TstEditing::geldigeCaret()
{
    QFETCH(QString, tekst);
    QFETCH(qsizetype, positie);
    QFETCH(qsizetype, verwacht);
    QCOMPARE(zwervel::geldigeCaret(tekst, positie), verwacht);
}

void TstEditing::routeOpgeschoond_data()
{
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<QString>("verwacht");

    const auto rij = [](const char* naam, const QString& tekst, const QString& verwacht) {
        QTest::newRow(naam) << tekst << verwacht;
    };
    rij("spaties en lege regels", crlf(QStringLiteral("  Utrecht ||   |Zeist|")),
        crlf(QStringLiteral("Utrecht|Zeist")));
    rij("alleen spaties en regeleinden", crlf(QStringLiteral("  || |   |")), QString());
    rij("leeg", QString(), QString());
    rij("alleen een tab blijft", crlf(QStringLiteral("\t|Zeist")),
        crlf(QStringLiteral("\t|Zeist")));
    rij("tab niet weggeknipt", crlf(QStringLiteral(" \tEde\t |")), QStringLiteral("\tEde\t"));
    rij("herhaling blijft", crlf(QStringLiteral("Utrecht|Utrecht")),
        crlf(QStringLiteral("Utrecht|Utrecht")));
    rij("spaties binnen een regel blijven", QStringLiteral("Den  Haag "),
        QStringLiteral("Den  Haag"));
    rij("schuine streep blijft", QStringLiteral("Ede / Zeist"), QStringLiteral("Ede / Zeist"));
    rij("lege regels vooraan", crlf(QStringLiteral("|||Ede")), QStringLiteral("Ede"));
    rij("twee regeleinden aan het eind", crlf(QStringLiteral("Ede||")), QStringLiteral("Ede"));
    rij("losse LF is geen regeleinde", QStringLiteral("Ede\n \r\nZeist"),
        QStringLiteral("Ede\n\r\nZeist"));
    rij("losse CR is geen regeleinde", QStringLiteral(" \r "), QStringLiteral("\r"));
    rij("CR CR LF", QStringLiteral("Ede\r\r\nZeist\r"), QStringLiteral("Ede\r\r\nZeist\r"));
    rij("harde spatie is tekst", QString(QChar(0xA0)), QString(QChar(0xA0)));
}

void TstEditing::routeOpgeschoond()
{
    QFETCH(QString, tekst);
    QFETCH(QString, verwacht);
    QCOMPARE(zwervel::routeOpgeschoond(tekst), verwacht);
    // Cleaning a clean text changes nothing.
    QCOMPARE(zwervel::routeOpgeschoond(verwacht), verwacht);
}

void TstEditing::grooteRouteWordtOpgeschoond()
{
    // Far more lines than the old 16-bit counters held; every place kept in order.
    constexpr int Regels = 70000;
    QString tekst, verwacht;
    for (int i = 0; i < Regels; ++i) {
        const QString plaats = QStringLiteral("Plaats ") + QString::number(i);
        tekst += QStringLiteral("  ") + plaats + QStringLiteral(" \r\n\r\n   \r\n");
        verwacht += plaats + QStringLiteral("\r\n");
    }
    verwacht.chop(2);
    QCOMPARE(zwervel::routeOpgeschoond(tekst), verwacht);
}

QTEST_APPLESS_MAIN(TstEditing)
#include "tst_editing.moc"
