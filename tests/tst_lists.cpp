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
    void order_data();
    void order();
    void volgordeIsTotaal();
    void sorteren_data();
    void sorteren();
    void grootSorterenGelijkAanVergelijking();
    void grens();
    void placeFromSelection_data();
    void placeFromSelection();
    void routeAsEntry_data();
    void routeAsEntry();
    void entriesWithout_data();
    void entriesWithout();
};

void TstLists::order_data()
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

void TstLists::order()
{
    QFETCH(QString, eerst);
    QFETCH(QString, daarna);
    QVERIFY(compareEntries(eerst, daarna) < 0);
    QVERIFY(compareEntries(daarna, eerst) > 0);
}

void TstLists::volgordeIsTotaal()
{
    // Texts that collate alike still have a fixed order, and only a text equals itself.
    const QStringList gelijk = {s("a"), s("A"), s("a\x01"), s("a\x0f")};
    for (const QString& a : gelijk) {
        QCOMPARE(compareEntries(a, a), 0);
        for (const QString& b : gelijk) {
            if (a != b)
                QCOMPARE(compareEntries(a, b), -compareEntries(b, a));
        }
    }
}

void TstLists::sorteren_data()
{
    QTest::addColumn<QStringList>("input");
    QTest::addColumn<QStringList>("sorted");
    QTest::newRow("coordinates")
        << list({"52.9, 5.1", "52.37", "52.10, 5.1", "52.0907", "Plaats 2", "plaats 10"})
        << list({"52.0907", "52.10, 5.1", "52.37", "52.9, 5.1", "plaats 10", "Plaats 2"});
    QTest::newRow("Nederlandse volgorde")
        << list({"Jutphaas", "Île", "Hoorn", "IJsselstein", "Ilpendam", "zeist", "Ámsterdam"})
        << list({"Ámsterdam", "Hoorn", "IJsselstein", "Île", "Ilpendam", "Jutphaas", "zeist"});
    QTest::newRow("dubbele blijven") << list({"b", "a", "b"}) << list({"a", "b", "b"});
    QTest::newRow("al gesorteerd") << list({"a", "B", "c"}) << list({"a", "B", "c"});
    QTest::newRow("leeg") << QStringList() << QStringList();
}

void TstLists::sorteren()
{
    QFETCH(QStringList, input);
    QFETCH(QStringList, sorted);
    sortEntries(input);
    QCOMPARE(input, sorted);
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
        return compareEntries(a, b) < 0;
    });
    sortEntries(items);
    QCOMPARE(items.size(), qsizetype(40000));
    QCOMPARE(items, verwacht);
    QCOMPARE(items.first(), QStringLiteral("Plaats 0"));
}

void TstLists::grens()
{
    // A new entry goes after its equals, so that adding keeps the order whatever came first.
    const QStringList items = list({"a", "b", "b", "Plaats 10", "Plaats 2"});
    QCOMPARE(insertPosition(items, s("b")), qsizetype(3));
    QCOMPARE(insertPosition(items, s("B")), qsizetype(1));
    QCOMPARE(insertPosition(items, s("Plaats 3")), qsizetype(5));
    QCOMPARE(insertPosition(items, s("0")), qsizetype(0));
    QCOMPARE(insertPosition(items, s("zz")), qsizetype(5));
    QCOMPARE(insertPosition({}, s("a")), qsizetype(0));
}

void TstLists::placeFromSelection_data()
{
    QTest::addColumn<QString>("selection");
    QTest::addColumn<QString>("place");
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

void TstLists::placeFromSelection()
{
    QFETCH(QString, selection);
    QFETCH(QString, place);
    QCOMPARE(zwervel::placeFromSelection(selection), place);
}

void TstLists::routeAsEntry_data()
{
    QTest::addColumn<QString>("normalForm");
    QTest::addColumn<QString>("item");
    QTest::newRow("gewoon") << s("Utrecht/Gouda (x)") << s("Utrecht/Gouda (x)");
    QTest::newRow("leeg") << QString() << QString();
    QTest::newRow("itemeinde in plaats") << s("Utr\x0f" "echt/Gouda") << s("Utrecht/Gouda");
    QTest::newRow("plaats van alleen itemeinde") << s("a/\x0f/b") << s("a/b");
    QTest::newRow("wordt dubbel") << s("a/a\x0f") << s("a");
    QTest::newRow("wordt leeg") << s("\x0f") << QString();
    QTest::newRow("wordt regeleinde") << s("a\r\x0f\nb") << s("a/b");
}

void TstLists::routeAsEntry()
{
    QFETCH(QString, normalForm);
    QFETCH(QString, item);
    QCOMPARE(zwervel::routeAsEntry(normalForm), item);
}

void TstLists::entriesWithout_data()
{
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<QString>("drop");
    QTest::addColumn<QStringList>("kept");
    QTest::newRow("elke hoofdlettervorm")
        << list({"Utrecht", "Gouda", "utrecht", "UTRECHT"}) << s("Utrecht") << list({"Gouda"});
    QTest::newRow("spatie telt") << list({"Den Haag", "Den Haag ", "Den  Haag"}) << s("den haag")
                                 << list({"Den Haag ", "Den  Haag"});
    QTest::newRow("geen deel") << list({"Utrecht", "Utrechtseweg"}) << s("Utrecht")
                               << list({"Utrechtseweg"});
    QTest::newRow("niets gelijk") << list({"a", "b"}) << s("c") << list({"a", "b"});
    QTest::newRow("Île") << list({"ÎLE", "Ile"}) << s("île") << list({"Ile"});
}

void TstLists::entriesWithout()
{
    QFETCH(QStringList, items);
    QFETCH(QString, drop);
    QFETCH(QStringList, kept);
    QCOMPARE(zwervel::entriesWithout(items, drop), kept);
}

QTEST_APPLESS_MAIN(TstLists)
#include "tst_lists.moc"
