#include "config/ConfigFormat.h"

#include "route/RouteRules.h"
#include "text/TextRules.h"
#include "config/Windows1252.h"

#include <QStringDecoder>

namespace zwervel {

namespace {

const QString RouteSleutel = QStringLiteral("route=");
const QString PlaatsSleutel = QStringLiteral("plaats=");
const QString RoutesSleutel = QStringLiteral("routes=");

void lijstRegel(QString& uit, const QString& sleutel, const QStringList& items)
{
    uit += sleutel;
    for (const QString& item : items) {
        uit += item;
        uit += Scheidingsteken;
    }
    uit += RegelEinde;
}

} // namespace

QStringList cfgRegels(QStringView tekst)
{
    QStringList regels;
    qsizetype begin = 0;
    for (qsizetype i = 0; i < tekst.size(); ++i) {
        const QChar teken = tekst.at(i);
        if (teken != u'\r' && teken != u'\n')
            continue;
        regels << tekst.sliced(begin, i - begin).toString();
        if (teken == u'\r' && i + 1 < tekst.size() && tekst.at(i + 1) == u'\n')
            ++i;
        begin = i + 1;
    }
    if (begin < tekst.size())
        regels << tekst.sliced(begin).toString();
    return regels;
}

CfgInhoud cfgInhoud(QStringView tekst)
{
    CfgInhoud inhoud;
    QString plaatsTekst, routesTekst;
    for (const QString& regel : cfgRegels(tekst)) {
        const qsizetype isGelijk = regel.indexOf(u'=');
        if (isGelijk < 0)
            continue;
        const QString sleutel = regel.first(isGelijk + 1).toLower();
        if (sleutel == RouteSleutel)
            inhoud.routeWaarden << regel.sliced(isGelijk + 1);
        else if (sleutel == PlaatsSleutel)
            plaatsTekst = regel.sliced(isGelijk + 1);
        else if (sleutel == RoutesSleutel)
            routesTekst = regel.sliced(isGelijk + 1);
    }
    inhoud.plaatsen = lijstStukken(plaatsTekst);
    inhoud.routes = lijstStukken(routesTekst);
    return inhoud;
}

QStringList lijstStukken(QStringView lijstTekst)
{
    QStringList stukken;
    for (const QStringView stuk : lijstTekst.tokenize(Scheidingsteken)) {
        const QStringView item = zonderSpatiesAanDeRanden(stuk);
        if (!item.isEmpty())
            stukken << item.toString();
    }
    return stukken;
}

QString cfgTekst(const QString& route, const QStringList& plaatsen, const QStringList& routes)
{
    QString uit = RouteSleutel + route + RegelEinde;
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
