// The route box's text rules without a window: inserting a place at the caret and the
// clean-up of route lines.
#include "editing/RouteEditing.h"

#include <QTest>

using namespace zwervel;

namespace {
QString crlf(QString text)
{
    return text.replace(QStringLiteral("|"), QStringLiteral("\r\n"));
}
} // namespace

class TestEditing : public QObject {
    Q_OBJECT
private slots:
    void insertPlace_data();
    void insertPlace();
    void validCaret_data();
    void validCaret();
    void cleanedRoute_data();
    void cleanedRoute();
    void largeRouteIsCleaned();
};

// "|" stands for CR LF in the rows.
void TestEditing::insertPlace_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qsizetype>("selStart");
    QTest::addColumn<qsizetype>("selLength");
    QTest::addColumn<QString>("place");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<qsizetype>("expectedStart");
    QTest::addColumn<qsizetype>("expectedLength");

    const auto row = [](const char* name, const char* text, qsizetype start, qsizetype length,
                        const char* place, const char* expected, qsizetype expStart,
                        qsizetype expLength) {
        QTest::newRow(name) << crlf(QString::fromUtf8(text)) << start << length
                            << crlf(QString::fromUtf8(place)) << crlf(QString::fromUtf8(expected))
                            << expStart << expLength;
    };
    row("empty box", "", 0, 0, "Utrecht", "Utrecht", 0, 7);
    row("on the empty last line", "Utrecht|", 9, 0, "Zeist", "Utrecht|Zeist", 9, 5);
    row("no separator added", "Utrecht|Zeist", 7, 0, "Amersfoort", "UtrechtAmersfoort|Zeist", 7,
        10);
    row("selection replaced", "Utrecht|Zeist", 9, 5, "Amersfoort", "Utrecht|Amersfoort", 9, 10);
    row("final line break dropped", "Utrecht|", 0, 0, "Zeist", "ZeistUtrecht", 0, 5);
    row("only one dropped", "Utrecht||", 0, 0, "Zeist", "ZeistUtrecht|", 0, 5);
    row("line break selected", "Utrecht|Zeist", 7, 2, "/", "Utrecht/Zeist", 7, 1);
    row("second place replaces the first", "UtrechtZeist", 7, 5, "Ede", "UtrechtEde", 7, 3);
    row("caret past the end", "Utrecht", 40000, 0, "Zeist", "UtrechtZeist", 7, 5);
    row("negative caret", "Utrecht", -3, 0, "Zeist", "ZeistUtrecht", 0, 5);
    row("selection past the end", "Utrecht|Zeist", 9, 99999, "Ede", "Utrecht|Ede", 9, 3);
    row("huge length", "Utrecht", 2, std::numeric_limits<qsizetype>::max(), "x", "Utx", 2, 1);
    row("negative length", "Utrecht", 2, -5, "x", "Utxrecht", 2, 1);
    row("caret between CR and LF", "Utrecht|Zeist", 8, 0, "Ede", "UtrechtEde|Zeist", 7, 3);
    row("selection ends between CR and LF", "Utrecht|Zeist", 0, 8, "Ede", "Ede|Zeist", 0, 3);
    row("empty place", "Utrecht", 3, 2, "", "Utrht", 3, 0);
    row("place ending in a line break", "", 0, 0, "Ede|", "Ede", 0, 3);
}

void TestEditing::insertPlace()
{
    QFETCH(QString, text);
    QFETCH(qsizetype, selStart);
    QFETCH(qsizetype, selLength);
    QFETCH(QString, place);
    QFETCH(QString, expected);
    QFETCH(qsizetype, expectedStart);
    QFETCH(qsizetype, expectedLength);

    const RouteWithSelection out = zwervel::insertPlace(text, selStart, selLength, place);
    QCOMPARE(out.text, expected);
    QCOMPARE(out.selStart, expectedStart);
    QCOMPARE(out.selLength, expectedLength);
}

void TestEditing::validCaret_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qsizetype>("position");
    QTest::addColumn<qsizetype>("expected");

    QTest::newRow("inside") << crlf(QStringLiteral("ab|cd")) << qsizetype(1) << qsizetype(1);
    QTest::newRow("before CR") << crlf(QStringLiteral("ab|cd")) << qsizetype(2) << qsizetype(2);
    QTest::newRow("between CR and LF")
        << crlf(QStringLiteral("ab|cd")) << qsizetype(3) << qsizetype(2);
    QTest::newRow("after LF") << crlf(QStringLiteral("ab|cd")) << qsizetype(4) << qsizetype(4);
    QTest::newRow("end") << crlf(QStringLiteral("ab|cd")) << qsizetype(6) << qsizetype(6);
    QTest::newRow("past the end") << crlf(QStringLiteral("ab|cd")) << qsizetype(7) << qsizetype(6);
    QTest::newRow("past 32767") << QStringLiteral("ab") << qsizetype(32768) << qsizetype(2);
    QTest::newRow("negative") << QStringLiteral("ab") << qsizetype(-1) << qsizetype(0);
    QTest::newRow("empty") << QString() << qsizetype(5) << qsizetype(0);
    QTest::newRow("lone CR") << QStringLiteral("a\rb") << qsizetype(2) << qsizetype(2);
    // Two code units, one character: a caret between them goes to its start.
    QTest::newRow("inside a character")
        << QString::fromUtf8("a\U0001D11Eb") << qsizetype(2) << qsizetype(1);
    QTest::newRow("after a character")
        << QString::fromUtf8("a\U0001D11Eb") << qsizetype(3) << qsizetype(3);
}

void TestEditing::validCaret()
{
    QFETCH(QString, text);
    QFETCH(qsizetype, position);
    QFETCH(qsizetype, expected);
    QCOMPARE(zwervel::validCaret(text, position), expected);
}

void TestEditing::cleanedRoute_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");

    const auto row = [](const char* name, const QString& text, const QString& expected) {
        QTest::newRow(name) << text << expected;
    };
    row("spaces and empty lines", crlf(QStringLiteral("  Utrecht ||   |Zeist|")),
        crlf(QStringLiteral("Utrecht|Zeist")));
    row("only spaces and line breaks", crlf(QStringLiteral("  || |   |")), QString());
    row("empty", QString(), QString());
    row("a tab-only line stays", crlf(QStringLiteral("\t|Zeist")),
        crlf(QStringLiteral("\t|Zeist")));
    row("tabs not trimmed", crlf(QStringLiteral(" \tEde\t |")), QStringLiteral("\tEde\t"));
    row("repetition stays", crlf(QStringLiteral("Utrecht|Utrecht")),
        crlf(QStringLiteral("Utrecht|Utrecht")));
    row("spaces within a line stay", QStringLiteral("Den  Haag "), QStringLiteral("Den  Haag"));
    row("slash stays", QStringLiteral("Ede / Zeist"), QStringLiteral("Ede / Zeist"));
    row("leading empty lines", crlf(QStringLiteral("|||Ede")), QStringLiteral("Ede"));
    row("two line breaks at the end", crlf(QStringLiteral("Ede||")), QStringLiteral("Ede"));
    row("lone LF is no line break", QStringLiteral("Ede\n \r\nZeist"),
        QStringLiteral("Ede\n\r\nZeist"));
    row("lone CR is no line break", QStringLiteral(" \r "), QStringLiteral("\r"));
    row("CR CR LF", QStringLiteral("Ede\r\r\nZeist\r"), QStringLiteral("Ede\r\r\nZeist\r"));
    row("non-breaking space is text", QString(QChar(0xA0)), QString(QChar(0xA0)));
}

void TestEditing::cleanedRoute()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(zwervel::cleanedRoute(text), expected);
    // Cleaning a clean text changes nothing.
    QCOMPARE(zwervel::cleanedRoute(expected), expected);
}

void TestEditing::largeRouteIsCleaned()
{
    // Far more lines than the old 16-bit counters held; every place kept in order.
    constexpr int PlaceCount = 70000;
    QString text, expected;
    for (int i = 0; i < PlaceCount; ++i) {
        const QString place = QStringLiteral("Plaats ") + QString::number(i);
        text += QStringLiteral("  ") + place + QStringLiteral(" \r\n\r\n   \r\n");
        expected += place + QStringLiteral("\r\n");
    }
    expected.chop(2);
    QCOMPARE(zwervel::cleanedRoute(text), expected);
}

QTEST_APPLESS_MAIN(TestEditing)
#include "tst_editing.moc"
