// The rules of the remembered lists without a window: the order of the entries, how a
// selection or a route becomes an entry, what a removal keeps, the texts of the questions.
#include "lists/ListRules.h"
#include "platform/ListOrder.h"
#include "support/TestHelpers.h"

#include <QCollator>
#include <QLocale>
#include <QRandomGenerator>
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
    void volgordeGelijkAanCollator();
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
    QTest::newRow("getallen naar waarde") << s("Plaats 2") << s("Plaats 10");
    QTest::newRow("getallen, kleine letter") << s("plaats 9") << s("Plaats 10");
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

void TstLists::volgordeGelijkAanCollator()
{
    // Every comparison, and the order check on entries kept as UTF-8 bytes, gives what Dutch
    // collation itself gives, with exact order for ties: on random short texts that mix case,
    // digits, every ASCII punctuation mark, controls, "ij"/"y", accents and a combining mark,
    // so that ASCII shortcuts are tried at every kind of difference.
    QCollator collator(QLocale(QLocale::Dutch, QLocale::Netherlands));
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    collator.setNumericMode(true);
    const auto teken = [](int v) { return (v > 0) - (v < 0); };
    const auto verwacht = [&](const QString& a, const QString& b) {
        const int volgorde = collator.compare(a, b);
        return teken(volgorde != 0 ? volgorde : a.compare(b));
    };
    QString alfabet = s("aAbBeEiIjJyYzZ 0000112999\t\x01\x0f" "éÉèĳıøÿ\u0301\u0663\u00b2");
    for (char16_t c = u'!'; c <= u'~'; ++c) {
        if (!QChar(c).isLetterOrNumber())
            alfabet += QChar(c);
    }
    QRandomGenerator toeval(20261208);
    const auto tekst = [&] {
        QString t;
        for (int n = int(toeval.bounded(7)); n > 0; --n)
            t += alfabet.at(qsizetype(toeval.bounded(quint32(alfabet.size()))));
        return t;
    };
    // Numbers with leading zeros collate alike ("0" and "00"), so their case decides.
    const QStringList lastig{s("a0"), s("A0"), s("a00"), s("A00"), s("a01"), s("a1"), s("A1"), s("a10"),
                             s("a 0"), s("a-0"), s("a0b"), s("a"), s("A"), QString(), s("a9"),
                             s("a10b"), s("a010"), s("a1\u0663"), s("a12"), s("é2"), s("é10")};
    for (const QString& a : lastig) {
        for (const QString& b : lastig)
            QVERIFY2(teken(lijstVergelijking(a, b)) == verwacht(a, b), qPrintable(a + u'|' + b));
    }
    // Some pairs also share a long plain start, which is passed over a word at a time.
    QString ascii;
    for (const QChar c : std::as_const(alfabet)) {
        if (c.unicode() < 0x80)
            ascii += c;
    }
    const auto langeStart = [&] {
        QString t;
        for (int n = 8 + int(toeval.bounded(13)); n > 0; --n)
            t += ascii.at(qsizetype(toeval.bounded(quint32(ascii.size()))));
        return t;
    };
    for (int i = 0; i < 300000; ++i) {
        QString a = tekst();
        // Most pairs share a start, so that the difference lies further in.
        QString b = toeval.bounded(4) ? a.left(qsizetype(toeval.bounded(quint32(a.size() + 1)))) + tekst()
                                      : tekst();
        if (toeval.bounded(3) == 0) {
            const QString start = langeStart();
            a.prepend(start);
            b.prepend(start);
        }
        const int v = verwacht(a, b);
        const QByteArray ua = a.toUtf8();
        const QByteArray ub = b.toUtf8();
        const QByteArray la = a.toLatin1();
        const QByteArray lb = b.toLatin1();
        const bool latin1 = QString::fromLatin1(la) == a && QString::fromLatin1(lb) == b;
        bool goed = teken(lijstVergelijking(a, b)) == v
                    && lijstGesorteerd(QList<QAnyStringView>{QUtf8StringView(ua), QUtf8StringView(ub)}) == (v <= 0);
        if (latin1) {
            goed = goed
                   && lijstGesorteerd(QList<QAnyStringView>{QLatin1StringView(la), QLatin1StringView(lb)}) == (v <= 0)
                   && lijstGesorteerd(QList<QAnyStringView>{QLatin1StringView(la), QUtf8StringView(ub)}) == (v <= 0);
        }
        if (!goed)
            QFAIL(qPrintable(QStringLiteral("\"%1\" tegen \"%2\"").arg(a, b)));
    }
}

void TstLists::sorteren_data()
{
    QTest::addColumn<QStringList>("invoer");
    QTest::addColumn<QStringList>("gesorteerd");
    QTest::newRow("natuurlijke volgorde")
        << lijst({"Plaats 10", "Plaats 2", "plaats 1", "Plaats 20"})
        << lijst({"plaats 1", "Plaats 2", "Plaats 10", "Plaats 20"});
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
    QVERIFY(lijstGesorteerd(invoer));
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
    QCOMPARE(items.last(), QStringLiteral("plaats 5002"));
}

void TstLists::grens()
{
    const QStringList items = lijst({"a", "b", "b", "Plaats 2", "Plaats 10"});
    const auto entry = [&](qsizetype i) { return items.at(i); };
    QCOMPARE(lijstGrens(items.size(), entry, s("b"), true), qsizetype(3));
    QCOMPARE(lijstGrens(items.size(), entry, s("b"), false), qsizetype(1));
    QCOMPARE(lijstGrens(items.size(), entry, s("Plaats 3"), true), qsizetype(4));
    QCOMPARE(lijstGrens(items.size(), entry, s("0"), true), qsizetype(0));
    QCOMPARE(lijstGrens(items.size(), entry, s("zz"), true), qsizetype(5));
    QCOMPARE(lijstGrens(0, entry, s("a"), true), qsizetype(0));
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
