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
    const QStringList plaatsen = n.split(u'/');
    for (qsizetype i = 0; i + 1 < plaatsen.size(); ++i)
        EIS(!zelfdeTekstBehalveHoofdletters(plaatsen.at(i), plaatsen.at(i + 1)));
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
    const QString adres = routeAdres(route);
    const QString begin = QString::fromLatin1(KaartBasisAdres) + QStringLiteral("/maps/dir/");
    EIS(adres.startsWith(begin));
    for (QChar c : adres)
        EIS(c.unicode() > 0x20 && c.unicode() < 0x7F && c != u'#' && c != u'?' && c != u'\\');
    if (alsUtf8(route.toUtf8()) != route)
        return; // lone surrogates have no UTF-8 form
    const QStringList stukken = adres.mid(begin.size()).split(u'/');
    QStringList terug;
    for (const QString& stuk : stukken)
        terug << alsUtf8(QByteArray::fromPercentEncoding(stuk.toLatin1()));
    EIS(terug == route.split(u'/'));
}

void controleerOpschonen(const QString& tekst)
{
    const QString schoon = routeOpgeschoond(tekst);
    EIS(routeOpgeschoond(schoon) == schoon);
    EIS(!schoon.startsWith(QStringLiteral("\r\n")) && !schoon.endsWith(QStringLiteral("\r\n")));
    EIS(!schoon.contains(QStringLiteral("\r\n\r\n")));
}

// A caret and a selection length from the input itself, as wild as a restored undo slot. The
// place is a list entry: one line, never empty.
void controleerInvoegen(const QString& tekst, qsizetype selStart, qsizetype selLengte)
{
    const qsizetype caret = geldigeCaret(tekst, selStart);
    EIS(caret >= 0 && caret <= tekst.size());
    EIS(!(caret > 0 && caret < tekst.size() && tekst.at(caret - 1) == u'\r' && tekst.at(caret) == u'\n'));

    QString plaats = tekst.right(qsizetype(quint32(selStart) % 8));
    plaats.remove(u'\r').remove(u'\n');
    if (plaats.isEmpty())
        plaats = QStringLiteral("x");
    const RouteMetSelectie uit = plaatsInvoegen(tekst, selStart, selLengte, plaats);
    EIS(uit.selStart == caret);
    EIS(uit.selLengte >= 0 && uit.selStart + uit.selLengte <= uit.tekst.size());
    EIS(uit.tekst.mid(uit.selStart, uit.selLengte) == plaats.left(uit.selLengte));
    // What stood before the caret is untouched.
    EIS(uit.tekst.left(caret) == tekst.left(caret));
    EIS(uit.tekst.size() >= caret + 1);
}

void controleerRoute(const QString& tekst, qsizetype selStart, qsizetype selLengte)
{
    const QString normaal = routeNormaalvorm(tekst, false, false);
    controleerNormaalvorm(normaal);
    // The normal form is a fixed point: normalising it again changes nothing.
    EIS(routeNormaalvorm(normaal, false, false) == normaal);
    controleerAdres(normaal);
    controleerAdres(routeNormaalvorm(tekst, true, true));
    // The route box's own text, a paragraph separator for each line break, reads the same.
    QString regels = tekst;
    regels.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
    for (const bool dubbel : {false, true})
        for (const bool haken : {false, true})
            EIS(routeNormaalvormVanDocument(tekst, dubbel, haken)
                == routeNormaalvorm(regels, dubbel, haken));

    const QString zonderHaakjes = tussenHakenVerwijderen(tekst);
    EIS(zonderHaakjes.size() <= tekst.size());

    controleerOpschonen(tekst);
    controleerInvoegen(tekst, selStart, selLengte);
}

qint32 getal(const uint8_t* data, size_t size, size_t vanaf)
{
    qint32 waarde = 0;
    if (size >= vanaf + sizeof waarde)
        std::memcpy(&waarde, data + size - vanaf - sizeof waarde, sizeof waarde);
    return waarde;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const qsizetype selStart = getal(data, size, 0);
    const qsizetype selLengte = getal(data, size, 4);
    controleerRoute(QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size)), selStart, selLengte);

    // The same bytes as UTF-16 reach what UTF-8 cannot bring: lone surrogates, any code unit.
    QString utf16(qsizetype(size / 2), Qt::Uninitialized);
    std::memcpy(utf16.data(), data, (size / 2) * sizeof(QChar));
    controleerRoute(utf16, selStart, selLengte);
    return 0;
}
