// The rules of the remembered lists without a window: the order of the entries, how a
// selection or a route becomes an entry, what a removal keeps, the texts of the questions.
#include "lists/ListRules.h"
#include "lists/ListOrder.h"
#include "support/TestHelpers.h"

#include <QStringList>
#include <QTest>

#include <algorithm>
#include <utility>

using namespace zwervel;

class TstLists : public QObject {
    Q_OBJECT
private slots:
    void volgorde_data();
    void volgorde();
    void volgordeIsTotaal();
    void sorteren_data();
    void sorteren();
    void grootSorterenGelijkAanVergelijking();
    void grens();
    void plaatsUitSelectie_data();
    void plaatsUitSelectie();
    void routeAlsItem_data();
    void routeAlsItem();
    void itemsZonder_data();
    void itemsZonder();
};

void TstLists::volgorde_data()
{
    QTest::addColumn<QString>("eerst");
    QTest::addColumn<QString>("daarna");
    // Numbers go by their digits: read by value, decimal coordinates would misorder.
    QTest::newRow("coordinates by digit") << s("52.10, 5.1") << s("52.9, 5.1");
    QTest::newRow("longer decimals") << s("52.0907") << s("52.37");
    QTest::newRow("numbers by digit") << s("Plaats 10") << s("Plaats 2");
    QTest::newRow("apostrophe before letters") << s("'s-Gravenhage") << s("Amsterdam");
    QTest::newRow("'s before 't") << s("'s-Gravenhage") << s("'t Zandt");
    QTest::newRow("hoofdletter telt niet mee") << s("amersfoort") << s("Utrecht");
    QTest::newRow("Île tussen de I's") << s("IJsselstein") << s("Île");
    QTest::newRow("Île voor Ilpendam") << s("Île") << s("Ilpendam");
    QTest::newRow("Île na Hoorn") << s("Hoorn") << s("Île");
    QTest::newRow("Île voor Jutphaas") << s("Île") << s("Jutphaas");
    QTest::newRow("é bij de e") << s("Eindhoven") << s("Élancourt");
    QTest::newRow("korter eerst") << s("Den") << s("Den Haag");
    QTest::newRow("leeg eerst") << QString() << s("A");
    QTest::newRow("zelfde behalve hoofdletters: vast") << s("Amsterdam") << s("amsterdam");
}

void TstLists::volgorde()
{
    QFETCH(QString, eerst);
    QFETCH(QString, daarna);
    QVERIFY(lijstVergelijking(eerst, daarna) < 0);
    QVERIFY(lijstVergelijking(daarna, eerst) > 0);
}

void TstLists::volgordeIsTotaal()
{
    // Texts that collate alike still have a fixed order, and only a text equals itself.
    const QStringList gelijk = {s("a"), s("A"), s("a\x01"), s("a\x0f")};
    for (const QString& a : gelijk) {
        QCOMPARE(lijstVergelijking(a, a), 0);
        for (const QString& b : gelijk) {
            if (a != b)
                QCOMPARE(lijstVergelijking(a, b), -lijstVergelijking(b, a));
        }
    }
}

void TstLists::sorteren_data()
{
    QTest::addColumn<QStringList>("invoer");
    QTest::addColumn<QStringList>("gesorteerd");
    QTest::newRow("coordinates")
        << lijst({"52.9, 5.1", "52.37", "52.10, 5.1", "52.0907", "Plaats 2", "plaats 10"})
        << lijst({"52.0907", "52.10, 5.1", "52.37", "52.9, 5.1", "plaats 10", "Plaats 2"});
    QTest::newRow("Nederlandse volgorde")
        << lijst({"Jutphaas", "Île", "Hoorn", "IJsselstein", "Ilpendam", "zeist", "Ámsterdam"})
        << lijst({"Ámsterdam", "Hoorn", "IJsselstein", "Île", "Ilpendam", "Jutphaas", "zeist"});
    QTest::newRow("dubbele blijven") << lijst({"b", "a", "b"}) << lijst({"a", "b", "b"});
    QTest::newRow("al gesorteerd") << lijst({"a", "B", "c"}) << lijst({"a", "B", "c"});
    QTest::newRow("leeg") << QStringList() << QStringList();
}

void TstLists::sorteren()
{
    QFETCH(QStringList, invoer);
    QFETCH(QStringList, gesorteerd);
    sorteerLijst(invoer);
    QCOMPARE(invoer, gesorteerd);
}

void TstLists::grootSorterenGelijkAanVergelijking()
{
    // The sort keys must give the very order of the comparison, ties between case included.
    QStringList items;
    for (int i = 0; i < 40000; ++i) {
        const int n = (i * 7919) % 5003;
        items << (i % 3 == 0 ? QStringLiteral("plaats %1") : QStringLiteral("Plaats %1")).arg(n);
    }
    QStringList verwacht = items;
    std::stable_sort(verwacht.begin(), verwacht.end(), [](const QString& a, const QString& b) {
        return lijstVergelijking(a, b) < 0;
    });
    sorteerLijst(items);
    QCOMPARE(items.size(), qsizetype(40000));
    QCOMPARE(items, verwacht);
    QCOMPARE(items.first(), QStringLiteral("Plaats 0"));
}

void TstLists::grens()
{
    // A new entry goes after its equals, so that adding keeps the order whatever came first.
    const QStringList items = lijst({"a", "b", "b", "Plaats 10", "Plaats 2"});
    QCOMPARE(lijstPlek(items, s("b")), qsizetype(3));
    QCOMPARE(lijstPlek(items, s("B")), qsizetype(1));
    QCOMPARE(lijstPlek(items, s("Plaats 3")), qsizetype(5));
    QCOMPARE(lijstPlek(items, s("0")), qsizetype(0));
    QCOMPARE(lijstPlek(items, s("zz")), qsizetype(5));
    QCOMPARE(lijstPlek({}, s("a")), qsizetype(0));
}

void TstLists::plaatsUitSelectie_data()
{
    QTest::addColumn<QString>("selectie");
    QTest::addColumn<QString>("plaats");
    QTest::newRow("niets") << QString() << QString();
    QTest::newRow("alleen spaties") << s("   ") << QString();
    QTest::newRow("twee regels") << s("Utrecht\r\nGouda") << s("Utrecht/Gouda");
    QTest::newRow("regel met einde") << s("Utrecht\r\n") << s("Utrecht/");
    QTest::newRow("spaties eraf") << s("  Utrecht ") << s("Utrecht");
    QTest::newRow("spaties om streep blijven") << s("Utrecht \r\n Gouda") << s("Utrecht / Gouda");
    QTest::newRow("tab blijft") << s("Amsterdam\t") << s("Amsterdam\t");
    QTest::newRow("losse CR en LF blijven") << s("a\rb\nc") << s("a\rb\nc");
    QTest::newRow("itemeinde weg") << s("Utr\x0f" "echt") << s("Utrecht");
    QTest::newRow("itemeinde aan de rand") << s("\x0f Utrecht \x0f") << s("Utrecht");
    QTest::newRow("alleen itemeinde") << s("\x0f\x0f") << QString();
    QTest::newRow("itemeinde in regeleinde") << s("a\r\x0f\nb") << s("a/b");
}

void TstLists::plaatsUitSelectie()
{
    QFETCH(QString, selectie);
    QFETCH(QString, plaats);
    QCOMPARE(zwervel::plaatsUitSelectie(selectie), plaats);
}

void TstLists::routeAlsItem_data()
{
    QTest::addColumn<QString>("normaalvorm");
    QTest::addColumn<QString>("item");
    QTest::newRow("gewoon") << s("Utrecht/Gouda (x)") << s("Utrecht/Gouda (x)");
    QTest::newRow("leeg") << QString() << QString();
    QTest::newRow("itemeinde in plaats") << s("Utr\x0f" "echt/Gouda") << s("Utrecht/Gouda");
    QTest::newRow("plaats van alleen itemeinde") << s("a/\x0f/b") << s("a/b");
    QTest::newRow("wordt dubbel") << s("a/a\x0f") << s("a");
    QTest::newRow("wordt leeg") << s("\x0f") << QString();
    QTest::newRow("wordt regeleinde") << s("a\r\x0f\nb") << s("a/b");
}

void TstLists::routeAlsItem()
{
    QFETCH(QString, normaalvorm);
    QFETCH(QString, item);
    QCOMPARE(zwervel::routeAlsItem(normaalvorm), item);
}

void TstLists::itemsZonder_data()
{
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<QString>("weg");
    QTest::addColumn<QStringList>("blijven");
    QTest::newRow("elke hoofdlettervorm")
        << lijst({"Utrecht", "Gouda", "utrecht", "UTRECHT"}) << s("Utrecht") << lijst({"Gouda"});
    QTest::newRow("spatie telt") << lijst({"Den Haag", "Den Haag ", "Den  Haag"}) << s("den haag")
                                 << lijst({"Den Haag ", "Den  Haag"});
    QTest::newRow("geen deel") << lijst({"Utrecht", "Utrechtseweg"}) << s("Utrecht")
                               << lijst({"Utrechtseweg"});
    QTest::newRow("niets gelijk") << lijst({"a", "b"}) << s("c") << lijst({"a", "b"});
    QTest::newRow("Île") << lijst({"ÎLE", "Ile"}) << s("île") << lijst({"Ile"});
}

void TstLists::itemsZonder()
{
    QFETCH(QStringList, items);
    QFETCH(QString, weg);
    QFETCH(QStringList, blijven);
    QCOMPARE(zwervel::itemsZonder(items, weg), blijven);
}

QTEST_APPLESS_MAIN(TstLists)
#include "tst_lists.moc"
