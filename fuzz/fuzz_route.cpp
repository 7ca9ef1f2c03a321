// Any text as a route: the normal form holds its promises, the address stays one address that
// carries every place unchanged, and the route box's text work keeps its own promises.
#include "editing/RouteEditing.h"
#include "route/RouteRules.h"
#include "text/TextRules.h"

#include <QByteArray>
#include <QString>
#include <QStringDecoder>
#include <QStringList>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "Check.h"

using namespace zwervel;

namespace {

void checkNormalForm(const QString& n)
{
    CHECK(!n.contains(QStringLiteral("\r\n")));
    CHECK(!n.contains(QStringLiteral("  ")));
    CHECK(!n.contains(QStringLiteral("/ ")) && !n.contains(QStringLiteral(" /")));
    CHECK(!n.startsWith(u' ') && !n.endsWith(u' '));
    CHECK(!n.startsWith(u'/') && !n.endsWith(u'/'));
    CHECK(!n.contains(QStringLiteral("//")));
    const QStringList places = n.split(u'/');
    for (qsizetype i = 0; i + 1 < places.size(); ++i)
        CHECK(!sameEntry(places.at(i), places.at(i + 1)));
}

// UTF-8 taken as it stands: a byte order mark at the start of a place is a character too.
QString asUtf8(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8,
                        QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    return utf8.decode(bytes);
}

// One address: the base, then "/maps/dir/", then only printable ASCII that ends nothing early.
// Where the route survives UTF-8, decoding the address gives back every place unchanged.
void checkAddress(const QString& route)
{
    const QString address = routeAddress(route);
    const QString begin = QString::fromLatin1(MapBaseAddress) + QStringLiteral("/maps/dir/");
    CHECK(address.startsWith(begin));
    for (QChar c : address)
        CHECK(c.unicode() > 0x20 && c.unicode() < 0x7F && c != u'#' && c != u'?' && c != u'\\');
    if (asUtf8(route.toUtf8()) != route)
        return; // lone surrogates have no UTF-8 form
    const QStringList pieces = address.mid(begin.size()).split(u'/');
    QStringList decoded;
    for (const QString& piece : pieces)
        decoded << asUtf8(QByteArray::fromPercentEncoding(piece.toLatin1()));
    CHECK(decoded == route.split(u'/'));
}

void checkCleanUp(const QString& text)
{
    const QString cleaned = cleanedRoute(text);
    CHECK(cleanedRoute(cleaned) == cleaned);
    CHECK(!cleaned.startsWith(QStringLiteral("\r\n")) && !cleaned.endsWith(QStringLiteral("\r\n")));
    CHECK(!cleaned.contains(QStringLiteral("\r\n\r\n")));
}

// A caret and a selection length from the input itself, as wild as a restored undo slot. The
// place is a list entry: one line, never empty.
void checkInsert(const QString& text, qsizetype selStart, qsizetype selLength)
{
    const qsizetype caret = validCaret(text, selStart);
    CHECK(caret >= 0 && caret <= text.size());
    CHECK(!(caret > 0 && caret < text.size() && text.at(caret - 1) == u'\r' &&
            text.at(caret) == u'\n'));

    QString place = text.right(qsizetype(quint32(selStart) % 8));
    place.remove(u'\r').remove(u'\n');
    if (place.isEmpty())
        place = QStringLiteral("x");
    const RouteWithSelection out = insertPlace(text, selStart, selLength, place);
    CHECK(out.selStart == caret);
    CHECK(out.selLength >= 0 && out.selStart + out.selLength <= out.text.size());
    CHECK(out.text.mid(out.selStart, out.selLength) == place.left(out.selLength));
    // What stood before the caret is untouched.
    CHECK(out.text.left(caret) == text.left(caret));
    CHECK(out.text.size() >= caret + 1);
}

void checkRoute(const QString& text, qsizetype selStart, qsizetype selLength)
{
    const QString normal = routeNormalForm(text, false, false);
    checkNormalForm(normal);
    // The normal form is a fixed point: normalising it again changes nothing.
    CHECK(routeNormalForm(normal, false, false) == normal);
    checkAddress(normal);
    checkAddress(routeNormalForm(text, true, true));

    const QString withoutBrackets = removeBracketed(text);
    CHECK(withoutBrackets.size() <= text.size());

    checkCleanUp(text);
    checkInsert(text, selStart, selLength);
}

qint32 intFromEnd(const uint8_t* data, size_t size, size_t from)
{
    qint32 value = 0;
    if (size >= from + sizeof value)
        std::memcpy(&value, data + size - from - sizeof value, sizeof value);
    return value;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const qsizetype selStart = intFromEnd(data, size, 0);
    const qsizetype selLength = intFromEnd(data, size, 4);
    checkRoute(QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size)), selStart,
               selLength);

    // The same bytes as UTF-16 reach what UTF-8 cannot bring: lone surrogates, any code unit.
    QString utf16(qsizetype(size / 2), Qt::Uninitialized);
    std::memcpy(utf16.data(), data, (size / 2) * sizeof(QChar));
    checkRoute(utf16, selStart, selLength);
    return 0;
}
