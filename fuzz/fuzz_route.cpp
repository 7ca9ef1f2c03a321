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

#include "Eis.h"

using namespace zwervel;

namespace {

void controleerNormaalvorm(const QString& n)
{
    EIS(!n.contains(QStringLiteral("\r\n")));
    EIS(!n.contains(QStringLiteral("  ")));
    EIS(!n.contains(QStringLiteral("/ ")) && !n.contains(QStringLiteral(" /")));
    EIS(!n.startsWith(u' ') && !n.endsWith(u' '));
    EIS(!n.startsWith(u'/') && !n.endsWith(u'/'));
    EIS(!n.contains(QStringLiteral("//")));
    const QStringList places = n.split(u'/');
    for (qsizetype i = 0; i + 1 < places.size(); ++i)
        EIS(!sameEntry(places.at(i), places.at(i + 1)));
}

// UTF-8 taken as it stands: a byte order mark at the start of a place is a character too.
QString alsUtf8(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    return utf8.decode(bytes);
}

// One address: the base, then "/maps/dir/", then only printable ASCII that ends nothing early.
// Where the route survives UTF-8, decoding the address gives back every place unchanged.
void controleerAdres(const QString& route)
{
    const QString address = routeAddress(route);
    const QString begin = QString::fromLatin1(MapBaseAddress) + QStringLiteral("/maps/dir/");
    EIS(address.startsWith(begin));
    for (QChar c : address)
        EIS(c.unicode() > 0x20 && c.unicode() < 0x7F && c != u'#' && c != u'?' && c != u'\\');
    if (alsUtf8(route.toUtf8()) != route)
        return; // lone surrogates have no UTF-8 form
    const QStringList pieces = address.mid(begin.size()).split(u'/');
    QStringList terug;
    for (const QString& piece : pieces)
        terug << alsUtf8(QByteArray::fromPercentEncoding(piece.toLatin1()));
    EIS(terug == route.split(u'/'));
}

void controleerOpschonen(const QString& text)
{
    const QString schoon = cleanedRoute(text);
    EIS(cleanedRoute(schoon) == schoon);
    EIS(!schoon.startsWith(QStringLiteral("\r\n")) && !schoon.endsWith(QStringLiteral("\r\n")));
    EIS(!schoon.contains(QStringLiteral("\r\n\r\n")));
}

// A caret and a selection length from the input itself, as wild as a restored undo slot. The
// place is a list entry: one line, never empty.
void controleerInvoegen(const QString& text, qsizetype selStart, qsizetype selLength)
{
    const qsizetype caret = validCaret(text, selStart);
    EIS(caret >= 0 && caret <= text.size());
    EIS(!(caret > 0 && caret < text.size() && text.at(caret - 1) == u'\r' && text.at(caret) == u'\n'));

    QString place = text.right(qsizetype(quint32(selStart) % 8));
    place.remove(u'\r').remove(u'\n');
    if (place.isEmpty())
        place = QStringLiteral("x");
    const RouteWithSelection out = insertPlace(text, selStart, selLength, place);
    EIS(out.selStart == caret);
    EIS(out.selLength >= 0 && out.selStart + out.selLength <= out.text.size());
    EIS(out.text.mid(out.selStart, out.selLength) == place.left(out.selLength));
    // What stood before the caret is untouched.
    EIS(out.text.left(caret) == text.left(caret));
    EIS(out.text.size() >= caret + 1);
}

void controleerRoute(const QString& text, qsizetype selStart, qsizetype selLength)
{
    const QString normaal = routeNormalForm(text, false, false);
    controleerNormaalvorm(normaal);
    // The normal form is a fixed point: normalising it again changes nothing.
    EIS(routeNormalForm(normaal, false, false) == normaal);
    controleerAdres(normaal);
    controleerAdres(routeNormalForm(text, true, true));
    // The route box's own text, a paragraph separator for each line break, reads the same.
    QString lines = text;
    lines.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
    for (const bool dubbel : {false, true})
        for (const bool haken : {false, true})
            EIS(routeNormaalvormVanDocument(text, dubbel, haken)
                == routeNormalForm(lines, dubbel, haken));

    const QString zonderHaakjes = removeBracketed(text);
    EIS(zonderHaakjes.size() <= text.size());

    controleerOpschonen(text);
    controleerInvoegen(text, selStart, selLength);
}

qint32 getal(const uint8_t* data, size_t size, size_t from)
{
    qint32 waarde = 0;
    if (size >= from + sizeof waarde)
        std::memcpy(&waarde, data + size - from - sizeof waarde, sizeof waarde);
    return waarde;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const qsizetype selStart = getal(data, size, 0);
    const qsizetype selLength = getal(data, size, 4);
    controleerRoute(QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size)), selStart, selLength);

    // The same bytes as UTF-16 reach what UTF-8 cannot bring: lone surrogates, any code unit.
    QString utf16(qsizetype(size / 2), Qt::Uninitialized);
    std::memcpy(utf16.data(), data, (size / 2) * sizeof(QChar));
    controleerRoute(utf16, selStart, selLength);
    return 0;
}
