#include "config/ConfigFormat.h"

#include "route/RouteRules.h"
#include "config/Windows1252.h"
#include "platform/TekstDeel.h"

#include <QStringDecoder>

namespace zwervel {

namespace {

const QString RouteSleutel = QStringLiteral("route=");
const QString PlaatsSleutel = QStringLiteral("plaats=");
const QString RoutesSleutel = QStringLiteral("routes=");
const QString RegelEinde = QStringLiteral("\r\n");

void lijstRegel(QString& uit, const QString& sleutel, const QList<QAnyStringView>& items)
{
    uit += sleutel;
    for (const QAnyStringView item : items) {
        voegToe(uit, item);
        uit += Scheidingsteken;
    }
    uit += RegelEinde;
}

QStringList alsTeksten(const QList<QStringView>& delen)
{
    QStringList teksten;
    teksten.reserve(delen.size());
    for (const QStringView deel : delen)
        teksten.append(deel.toString());
    return teksten;
}

QList<QAnyStringView> alsDelen(const QStringList& teksten)
{
    QList<QAnyStringView> delen;
    delen.reserve(teksten.size());
    for (const QString& tekst : teksten)
        delen.append(QStringView(tekst));
    return delen;
}

// Calls `doe` with every line of the text, as cfgRegels describes them. The terminators are
// found by searching, not by stepping through every character: a file may be one 50 MB line.
template <class Doe>
void elkeRegel(QStringView tekst, Doe&& doe)
{
    const qsizetype n = tekst.size();
    qsizetype cr = tekst.indexOf(u'\r');
    qsizetype lf = tekst.indexOf(u'\n');
    for (qsizetype begin = 0; begin < n;) {
        if (cr >= 0 && cr < begin)
            cr = tekst.indexOf(u'\r', begin);
        if (lf >= 0 && lf < begin)
            lf = tekst.indexOf(u'\n', begin);
        const qsizetype eind = cr < 0 ? lf : lf < 0 ? cr : qMin(cr, lf);
        if (eind < 0) {
            doe(tekst.sliced(begin));
            return;
        }
        doe(tekst.sliced(begin, eind - begin));
        const bool crLf = tekst.at(eind) == u'\r' && eind + 1 < n && tekst.at(eind + 1) == u'\n';
        begin = eind + (crLf ? 2 : 1);
    }
}

} // namespace

QStringList cfgRegels(QStringView tekst)
{
    QStringList regels;
    elkeRegel(tekst, [&regels](QStringView regel) { regels << regel.toString(); });
    return regels;
}

CfgDelen cfgDelen(QStringView tekst)
{
    CfgDelen inhoud;
    // Views into the text: a huge line is never copied just to be looked at.
    QStringView plaatsTekst, routesTekst;
    elkeRegel(tekst, [&](QStringView regel) {
        const qsizetype isGelijk = regel.indexOf(u'=');
        // No key at all, or one too long to be any of the three (lowering keeps their length).
        if (isGelijk + 1 != RouteSleutel.size() && isGelijk + 1 != PlaatsSleutel.size())
            return;
        const QString sleutel = regel.first(isGelijk + 1).toString().toLower();
        if (sleutel == RouteSleutel)
            inhoud.routeWaarden << regel.sliced(isGelijk + 1).toString();
        else if (sleutel == PlaatsSleutel)
            plaatsTekst = regel.sliced(isGelijk + 1);
        else if (sleutel == RoutesSleutel)
            routesTekst = regel.sliced(isGelijk + 1);
    });
    inhoud.plaatsen = lijstDelen(plaatsTekst);
    inhoud.routes = lijstDelen(routesTekst);
    return inhoud;
}

CfgInhoud cfgInhoud(QStringView tekst)
{
    const CfgDelen delen = cfgDelen(tekst);
    return {delen.routeWaarden, alsTeksten(delen.plaatsen), alsTeksten(delen.routes)};
}

QStringList lijstStukken(QStringView lijstTekst) { return alsTeksten(lijstDelen(lijstTekst)); }

QList<QStringView> lijstDelen(QStringView lijstTekst)
{
    QList<QStringView> stukken;
    qsizetype begin = 0;
    while (begin <= lijstTekst.size()) {
        qsizetype eind = lijstTekst.indexOf(Scheidingsteken, begin);
        if (eind < 0)
            eind = lijstTekst.size();
        const QStringView stuk = zonderSpatiesAanDeRanden(lijstTekst.mid(begin, eind - begin));
        if (!stuk.isEmpty())
            stukken << stuk;
        begin = eind + 1;
    }
    return stukken;
}

QString cfgTekst(const QString& route, const QStringList& plaatsen, const QStringList& routes)
{
    return cfgTekst(QStringView(route), alsDelen(plaatsen), alsDelen(routes));
}

QString cfgTekst(QStringView route, const QList<QAnyStringView>& plaatsen,
                 const QList<QAnyStringView>& routes)
{
    // An entry in UTF-8 has at least as many bytes as it has UTF-16 units.
    qsizetype lengte = route.size() + 32;
    for (const QAnyStringView item : plaatsen)
        lengte += item.size() + 1;
    for (const QAnyStringView item : routes)
        lengte += item.size() + 1;
    // One buffer for the whole file: tens of thousands of entries stay one allocation.
    QString uit;
    uit.reserve(lengte);
    uit += RouteSleutel;
    uit += route;
    uit += RegelEinde;
    lijstRegel(uit, PlaatsSleutel, plaatsen);
    lijstRegel(uit, RoutesSleutel, routes);
    return uit;
}

bool pastInVenster(QStringView tekst)
{
    // A shorter text can hold neither too long a place nor too many: no need to look, which
    // matters for tens of thousands of entries at start-up.
    if (tekst.size() <= LangstePlaats && tekst.size() < MeestePlaatsen)
        return true;
    qsizetype plaatsen = 0;
    for (qsizetype begin = 0;;) {
        const qsizetype streep = tekst.indexOf(u'/', begin);
        const qsizetype eind = streep < 0 ? tekst.size() : streep;
        if (eind - begin > LangstePlaats || ++plaatsen > MeestePlaatsen)
            return false;
        if (streep < 0)
            return true;
        begin = streep + 1;
    }
}


QByteArray cfgCoderen(const QString& tekst)
{
    const std::optional<QByteArray> bytes = tekstNaarWindows1252(tekst);
    // Reading the bytes back also catches a text whose Windows-1252 bytes happen to form
    // valid UTF-8 ("Ã©" is C3 A9, which is "é"): such a file would come back changed.
    if (bytes && cfgDecoderen(*bytes) == tekst)
        return *bytes;
    return tekst.toUtf8();
}

QString cfgDecoderen(const QByteArray& bytes)
{
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        // Saved as "Unicode" by a Windows editor: UTF-16, its order told by the mark. A
        // character cut off at the very end is no character.
        QStringDecoder utf16(QStringConverter::Utf16, QStringConverter::Flag::Stateless);
        const QString tekst = utf16.decode(QByteArrayView(bytes).first(bytes.size() & ~qsizetype(1)));
        if (!utf16.hasError() && QStringView(tekst).isValidUtf16())
            return tekst;
    }
    // Checked before decoding: a big file that is not UTF-8 is then decoded only once.
    if (bytes.isValidUtf8()) {
        QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
        QString tekst = utf8.decode(bytes);
        if (!utf8.hasError())
            return tekst;
    }
    // A UTF-8 byte order mark before bytes that are not UTF-8 after all is still no text: read
    // as Windows-1252 it would hide the first line's key.
    const QByteArrayView ansiBytes = bytes.startsWith("\xEF\xBB\xBF") ? QByteArrayView(bytes).sliced(3) : QByteArrayView(bytes);
    return windows1252NaarTekst(ansiBytes);
}

} // namespace zwervel
