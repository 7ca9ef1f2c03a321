// The rules of the remembered lists without a window: the order of the entries, how a
// selection or a route becomes an entry, what a removal keeps.
#include "lists/ListOrder.h"
#include "lists/ListRules.h"
#include "support/TestHelpers.h"

#include <QStringList>
#include <QTest>

#include <algorithm>
#include <utility>

using namespace zwervel;

class TestLists : public QObject {
    Q_OBJECT
private slots:
    void order_data();
    void order();
    void orderIsTotal();
    void sorting_data();
    void sorting();
    void largeSortMatchesComparison();
    void insertionPoint();
    void placeFromSelection_data();
    void placeFromSelection();
    void routeAsEntry_data();
    void routeAsEntry();
    void entriesWithout_data();
    void entriesWithout();
};

void TestLists::order_data()
{
    QTest::addColumn<QString>("earlier");
    QTest::addColumn<QString>("later");
    // Numbers go by their digits: read by value, decimal coordinates would misorder.
    QTest::newRow("coordinates by digit") << s("52.10, 5.1") << s("52.9, 5.1");
    QTest::newRow("longer decimals") << s("52.0907") << s("52.37");
    QTest::newRow("numbers by digit") << s("Plaats 10") << s("Plaats 2");
#ifndef Q_OS_WIN
    // Windows' own order passes over apostrophes and hyphens (its word sort).
    QTest::newRow("apostrophe before letters") << s("'s-Gravenhage") << s("Amsterdam");
#endif
    QTest::newRow("'s before 't") << s("'s-Gravenhage") << s("'t Zandt");
    QTest::newRow("case does not count") << s("amersfoort") << s("Utrecht");
    QTest::newRow("but tells the same name apart") << s("Utrecht") << s("utrecht");
    QTest::newRow("Île among the I's") << s("IJsselstein") << s("Île");
    QTest::newRow("Île before Ilpendam") << s("Île") << s("Ilpendam");
    QTest::newRow("Île after Hoorn") << s("Hoorn") << s("Île");
    QTest::newRow("Île before Jutphaas") << s("Île") << s("Jutphaas");
    QTest::newRow("é with the e") << s("Eindhoven") << s("Élancourt");
    QTest::newRow("shorter first") << s("Den") << s("Den Haag");
    QTest::newRow("empty first") << QString() << s("A");
    QTest::newRow("same but for case: fixed order") << s("Amsterdam") << s("amsterdam");
}

void TestLists::order()
{
    QFETCH(QString, earlier);
    QFETCH(QString, later);
    QVERIFY(compareEntries(earlier, later) < 0);
    QVERIFY(compareEntries(later, earlier) > 0);
}

void TestLists::orderIsTotal()
{
    // Texts that collate alike still have a fixed order, and only a text equals itself.
    const QStringList alike = {s("a"), s("A"), s("a\x01"), s("a\x0f")};
    for (const QString& a : alike) {
        QCOMPARE(compareEntries(a, a), 0);
        for (const QString& b : alike) {
            if (a != b) {
                QVERIFY(compareEntries(a, b) != 0);
                QCOMPARE(compareEntries(a, b), -compareEntries(b, a));
            }
        }
    }
}

void TestLists::sorting_data()
{
    QTest::addColumn<QStringList>("input");
    QTest::addColumn<QStringList>("sorted");
    QTest::newRow("coordinates")
        << list({"52.9, 5.1", "52.37", "52.10, 5.1", "52.0907", "Plaats 2", "plaats 10"})
        << list({"52.0907", "52.10, 5.1", "52.37", "52.9, 5.1", "plaats 10", "Plaats 2"});
    QTest::newRow("Dutch order")
        << list({"Jutphaas", "Île", "Hoorn", "IJsselstein", "Ilpendam", "zeist", "Ámsterdam"})
        << list({"Ámsterdam", "Hoorn", "IJsselstein", "Île", "Ilpendam", "Jutphaas", "zeist"});
    QTest::newRow("duplicates stay") << list({"b", "a", "b"}) << list({"a", "b", "b"});
    QTest::newRow("letter case last")
        << list({"utrecht", "Gouda", "Utrecht"}) << list({"Gouda", "Utrecht", "utrecht"});
    QTest::newRow("already sorted") << list({"a", "B", "c"}) << list({"a", "B", "c"});
    QTest::newRow("empty") << QStringList() << QStringList();
}

void TestLists::sorting()
{
    QFETCH(QStringList, input);
    QFETCH(QStringList, sorted);
    sortEntries(input);
    QCOMPARE(input, sorted);
}

void TestLists::largeSortMatchesComparison()
{
    // The sort keys must give the very order of the comparison, ties between case included.
    QStringList items;
    for (int i = 0; i < 40000; ++i) {
        const int n = (i * 7919) % 5003;
        items << (i % 3 == 0 ? QStringLiteral("plaats %1") : QStringLiteral("Plaats %1")).arg(n);
    }
    QStringList expected = items;
    std::stable_sort(expected.begin(), expected.end(),
                     [](const QString& a, const QString& b) { return compareEntries(a, b) < 0; });
    sortEntries(items);
    QCOMPARE(items.size(), qsizetype(40000));
    QCOMPARE(items, expected);
    QCOMPARE(items.first(), QStringLiteral("Plaats 0"));
}

void TestLists::insertionPoint()
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

void TestLists::placeFromSelection_data()
{
    QTest::addColumn<QString>("selection");
    QTest::addColumn<QString>("place");
    QTest::newRow("nothing") << QString() << QString();
    QTest::newRow("only spaces") << s("   ") << QString();
    QTest::newRow("two lines") << s("Utrecht\r\nGouda") << s("Utrecht/Gouda");
    QTest::newRow("line with its break") << s("Utrecht\r\n") << s("Utrecht/");
    QTest::newRow("spaces trimmed") << s("  Utrecht ") << s("Utrecht");
    QTest::newRow("spaces around the slash stay")
        << s("Utrecht \r\n Gouda") << s("Utrecht / Gouda");
    QTest::newRow("tab stays") << s("Amsterdam\t") << s("Amsterdam\t");
    QTest::newRow("lone CR and LF stay") << s("a\rb\nc") << s("a\rb\nc");
    QTest::newRow("item end removed") << s("Utr\x0f"
                                           "echt")
                                      << s("Utrecht");
    QTest::newRow("item ends at the edges") << s("\x0f Utrecht \x0f") << s("Utrecht");
    QTest::newRow("only item ends") << s("\x0f\x0f") << QString();
    QTest::newRow("item end inside a line break") << s("a\r\x0f\nb") << s("a/b");
}

void TestLists::placeFromSelection()
{
    QFETCH(QString, selection);
    QFETCH(QString, place);
    QCOMPARE(zwervel::placeFromSelection(selection), place);
}

void TestLists::routeAsEntry_data()
{
    QTest::addColumn<QString>("normalForm");
    QTest::addColumn<QString>("item");
    QTest::newRow("plain") << s("Utrecht/Gouda (x)") << s("Utrecht/Gouda (x)");
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("item end in a place") << s("Utr\x0f"
                                              "echt/Gouda")
                                         << s("Utrecht/Gouda");
    QTest::newRow("place of only an item end") << s("a/\x0f/b") << s("a/b");
    QTest::newRow("becomes a repeat") << s("a/a\x0f") << s("a");
    QTest::newRow("becomes empty") << s("\x0f") << QString();
    QTest::newRow("becomes a line break") << s("a\r\x0f\nb") << s("a/b");
}

void TestLists::routeAsEntry()
{
    QFETCH(QString, normalForm);
    QFETCH(QString, item);
    QCOMPARE(zwervel::routeAsEntry(normalForm), item);
}

void TestLists::entriesWithout_data()
{
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<QString>("drop");
    QTest::addColumn<QStringList>("kept");
    QTest::newRow("every case form")
        << list({"Utrecht", "Gouda", "utrecht", "UTRECHT"}) << s("Utrecht") << list({"Gouda"});
    QTest::newRow("spaces count") << list({"Den Haag", "Den Haag ", "Den  Haag"}) << s("den haag")
                                  << list({"Den Haag ", "Den  Haag"});
    QTest::newRow("a part is no match")
        << list({"Utrecht", "Utrechtseweg"}) << s("Utrecht") << list({"Utrechtseweg"});
    QTest::newRow("nothing equal") << list({"a", "b"}) << s("c") << list({"a", "b"});
    QTest::newRow("Île") << list({"ÎLE", "Ile"}) << s("île") << list({"Ile"});
}

void TestLists::entriesWithout()
{
    QFETCH(QStringList, items);
    QFETCH(QString, drop);
    QFETCH(QStringList, kept);
    QCOMPARE(zwervel::entriesWithout(items, drop), kept);
}

QTEST_APPLESS_MAIN(TestLists)
#include "tst_lists.moc"
