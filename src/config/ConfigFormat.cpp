#include "config/ConfigFormat.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace zwervel {

namespace {

// The stand-in for the system's 8-bit code page, the one the program's files were written in.
constexpr char AnsiCodepagina[] = "windows-1252";

const QString RouteSleutel = QStringLiteral("route=");
const QString PlaatsSleutel = QStringLiteral("plaats=");
const QString RoutesSleutel = QStringLiteral("routes=");
const QString RegelEinde = QStringLiteral("\r\n");

QStringView zonderSpatiesAanDeRanden(QStringView tekst)
{
    qsizetype begin = 0, eind = tekst.size();
    while (begin < eind && tekst.at(begin) == u' ')
        ++begin;
    while (eind > begin && tekst.at(eind - 1) == u' ')
        --eind;
    return tekst.mid(begin, eind - begin);
}

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
    const qsizetype n = tekst.size();
    qsizetype begin = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = tekst.at(i);
        if (c != u'\r' && c != u'\n')
            continue;
        regels << tekst.mid(begin, i - begin).toString();
        if (c == u'\r' && i + 1 < n && tekst.at(i + 1) == u'\n')
            ++i;
        begin = i + 1;
    }
    if (begin < n)
        regels << tekst.mid(begin).toString();
    return regels;
}

CfgInhoud cfgInhoud(QStringView tekst)
{
    CfgInhoud inhoud;
    QString plaatsTekst, routesTekst;
    for (const QString& regel : cfgRegels(tekst)) {
        const qsizetype isGelijk = regel.indexOf(u'=');
        if (isGelijk < 0)
            continue; // no key at all
        const QString sleutel = regel.left(isGelijk + 1).toLower();
        if (sleutel == RouteSleutel)
            inhoud.routeWaarden << regel.mid(isGelijk + 1);
        else if (sleutel == PlaatsSleutel)
            plaatsTekst = regel.mid(isGelijk + 1);
        else if (sleutel == RoutesSleutel)
            routesTekst = regel.mid(isGelijk + 1);
    }
    inhoud.plaatsen = lijstStukken(plaatsTekst);
    inhoud.routes = lijstStukken(routesTekst);
    return inhoud;
}

QStringList lijstStukken(QStringView lijstTekst)
{
    QStringList stukken;
    qsizetype begin = 0;
    while (begin <= lijstTekst.size()) {
        qsizetype eind = lijstTekst.indexOf(Scheidingsteken, begin);
        if (eind < 0)
            eind = lijstTekst.size();
        const QStringView stuk = zonderSpatiesAanDeRanden(lijstTekst.mid(begin, eind - begin));
        if (!stuk.isEmpty())
            stukken << stuk.toString();
        begin = eind + 1;
    }
    return stukken;
}

QString cfgTekst(const QString& route, const QStringList& plaatsen, const QStringList& routes)
{
    qsizetype lengte = route.size() + 32;
    for (const QString& item : plaatsen)
        lengte += item.size() + 1;
    for (const QString& item : routes)
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

QString routeAlsRegels(QString route) { return route.replace(u'/', RegelEinde); }

QByteArray cfgCoderen(const QString& tekst)
{
    QStringEncoder ansi(AnsiCodepagina);
    if (ansi.isValid()) {
        const QByteArray bytes = ansi.encode(tekst);
        // Reading the bytes back also catches a text whose Windows-1252 bytes happen to form
        // valid UTF-8 ("Ã©" is C3 A9, which is "é"): such a file would come back changed.
        if (!ansi.hasError() && cfgDecoderen(bytes) == tekst)
            return bytes;
    }
    return tekst.toUtf8();
}

QString cfgDecoderen(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString tekst = utf8.decode(bytes);
    if (!utf8.hasError())
        return tekst;
    QStringDecoder ansi(AnsiCodepagina);
    if (!ansi.isValid())
        return QString::fromLatin1(bytes); // a toolkit without the code page: its nearest kin
    return ansi.decode(bytes);
}

} // namespace zwervel
