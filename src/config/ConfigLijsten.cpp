#include "config/ConfigLijsten.h"

#include "config/ConfigFormat.h"
#include "platform/Geheugen.h"
#include "platform/TekstDeel.h"

#include <QByteArrayView>

#include <cstring>

namespace zwervel {

namespace {

const QByteArray Utf8Merkteken = QByteArrayLiteral("\xEF\xBB\xBF");

// How the bytes read, as cfgDecoderen decides it: as they stand (Latin-1 or UTF-8), from
// `begin` on, or only once decoded.
struct Lezing {
    enum class Soort { Latin1, Utf8, Gedecodeerd } soort;
    qsizetype begin = 0;
};

bool heeftWindows1252Tekens(QByteArrayView bytes)
{
    // The bytes 0x80 to 0x9F are the only ones whose Windows-1252 character is not the Latin-1
    // one; a fixed-length inner loop lets the compiler compare many at once.
    constexpr qsizetype Blok = 64;
    const auto* const in = reinterpret_cast<const uchar*>(bytes.data());
    for (qsizetype begin = 0; begin < bytes.size(); begin += Blok) {
        const qsizetype lengte = qMin(Blok, bytes.size() - begin);
        uchar gevonden = 0;
        if (lengte == Blok) {
            for (qsizetype i = 0; i < Blok; ++i)
                gevonden |= uchar((in[begin + i] & 0xE0) == 0x80);
        } else {
            for (qsizetype i = 0; i < lengte; ++i)
                gevonden |= uchar((in[begin + i] & 0xE0) == 0x80);
        }
        if (gevonden)
            return true;
    }
    return false;
}

Lezing lezingVan(const QByteArray& bytes)
{
    using Soort = Lezing::Soort;
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF"))
        return {Soort::Gedecodeerd};
    const qsizetype begin = bytes.startsWith(Utf8Merkteken) ? Utf8Merkteken.size() : 0;
    if (bytes.isValidUtf8())
        return {Soort::Utf8, begin};
    if (heeftWindows1252Tekens(QByteArrayView(bytes).sliced(begin)))
        return {Soort::Gedecodeerd};
    return {Soort::Latin1, begin};
}

// The lines of the bytes, ended as cfgRegels ends them: CR LF, a lone CR or a lone LF.
template <class Doe>
void elkeRegel(QByteArrayView tekst, Doe&& doe)
{
    const qsizetype n = tekst.size();
    for (qsizetype begin = 0; begin < n;) {
        const qsizetype cr = tekst.indexOf('\r', begin);
        const qsizetype lf = tekst.indexOf('\n', begin);
        const qsizetype eind = cr < 0 ? lf : lf < 0 ? cr : qMin(cr, lf);
        if (eind < 0) {
            doe(tekst.sliced(begin));
            return;
        }
        doe(tekst.sliced(begin, eind - begin));
        const bool crLf = tekst.at(eind) == '\r' && eind + 1 < n && tekst.at(eind + 1) == '\n';
        begin = eind + (crLf ? 2 : 1);
    }
}

QByteArrayView zonderSpatiesAanDeRanden(QByteArrayView tekst)
{
    qsizetype begin = 0, eind = tekst.size();
    while (begin < eind && tekst.at(begin) == ' ')
        ++begin;
    while (eind > begin && tekst.at(eind - 1) == ' ')
        --eind;
    return tekst.sliced(begin, eind - begin);
}

QAnyStringView alsDeel(QByteArrayView bytes, Lezing::Soort soort)
{
    if (soort == Lezing::Soort::Utf8)
        return QUtf8StringView(bytes.data(), bytes.size());
    return QLatin1StringView(bytes.data(), bytes.size());
}

// The entries of a list line, as lijstDelen cuts them.
QList<QAnyStringView> delen(QByteArrayView lijstTekst, Lezing::Soort soort)
{
    if (lijstTekst.isEmpty())
        return {};
    constexpr char Scheiding = char(Scheidingsteken.unicode());
    const char* const eind = lijstTekst.data() + lijstTekst.size();
    const auto scheidingVanaf = [eind](const char* p) {
        const void* gevonden = std::memchr(p, Scheiding, size_t(eind - p));
        return gevonden ? static_cast<const char*>(gevonden) : eind;
    };
    // Counting the separators first fills the list in one allocation, its pages there at once.
    qsizetype aantal = 1;
    for (const char* p = scheidingVanaf(lijstTekst.data()); p != eind; p = scheidingVanaf(p + 1))
        ++aantal;
    QList<QAnyStringView> stukken;
    stukken.reserve(aantal);
    paginasVooraf(stukken.data(), stukken.capacity() * qsizetype(sizeof(QAnyStringView)));
    stukken.resize(aantal);
    QAnyStringView* uit = stukken.data();
    for (const char* begin = lijstTekst.data();; ++begin) {
        const char* const einde = scheidingVanaf(begin);
        const QByteArrayView stuk = zonderSpatiesAanDeRanden(QByteArrayView(begin, einde));
        if (!stuk.isEmpty())
            *uit++ = alsDeel(stuk, soort);
        if (einde == eind)
            break;
        begin = einde;
    }
    stukken.resize(uit - stukken.data());
    return stukken;
}

CfgLijsten uitTekst(QString tekst)
{
    CfgLijsten lijsten;
    lijsten.tekst = std::move(tekst);
    const CfgDelen inhoud = cfgDelen(lijsten.tekst);
    lijsten.routeWaarden = inhoud.routeWaarden;
    for (const QStringView item : inhoud.plaatsen)
        lijsten.plaatsen << item;
    for (const QStringView item : inhoud.routes)
        lijsten.routes << item;
    return lijsten;
}

} // namespace

CfgLijsten cfgLijsten(QByteArray bytes)
{
    const Lezing lezing = lezingVan(bytes);
    if (lezing.soort == Lezing::Soort::Gedecodeerd)
        return uitTekst(cfgDecoderen(bytes));

    // The keys and separators are ASCII, which both readings leave as they are and which no
    // other character's bytes contain; a key matches only when it is ASCII through and through,
    // so lowering ASCII letters decides as lowering the text would.
    CfgLijsten lijsten;
    lijsten.bytes = std::move(bytes);
    QByteArrayView plaatsRegel, routesRegel;
    elkeRegel(QByteArrayView(lijsten.bytes).sliced(lezing.begin), [&](QByteArrayView regel) {
        const qsizetype isGelijk = regel.indexOf('=');
        if (isGelijk + 1 != 6 && isGelijk + 1 != 7)
            return;
        const QByteArray sleutel = regel.first(isGelijk + 1).toByteArray().toLower();
        const QByteArrayView waarde = regel.sliced(isGelijk + 1);
        if (sleutel == "route=")
            lijsten.routeWaarden << alsTekst(alsDeel(waarde, lezing.soort));
        else if (sleutel == "plaats=")
            plaatsRegel = waarde;
        else if (sleutel == "routes=")
            routesRegel = waarde;
    });
    lijsten.plaatsen = delen(plaatsRegel, lezing.soort);
    lijsten.routes = delen(routesRegel, lezing.soort);
    return lijsten;
}

bool itemPastInVenster(QAnyStringView item)
{
    // No form has fewer units than characters, so the count of units bounds both limits.
    if (item.size() <= LangstePlaats && item.size() < MeestePlaatsen)
        return true;
    return pastInVenster(alsTekst(item));
}

} // namespace zwervel
