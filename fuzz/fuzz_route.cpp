// Any text as a route: the normal form holds its promises and the address stays one address.
#include "route/RouteRules.h"

#include <QString>

#include <cstdint>
#include <cstdlib>

using namespace zwervel;

namespace {

void eis(bool voorwaarde)
{
    if (!voorwaarde)
        std::abort();
}

void controleerNormaalvorm(const QString& n)
{
    eis(!n.contains(QStringLiteral("\r\n")));
    eis(!n.contains(QStringLiteral("  ")));
    eis(!n.contains(QStringLiteral("/ ")) && !n.contains(QStringLiteral(" /")));
    eis(!n.startsWith(u' ') && !n.endsWith(u' '));
    eis(!n.startsWith(u'/') && !n.endsWith(u'/'));
    eis(!n.contains(QStringLiteral("//")));
    const QStringList plaatsen = n.split(u'/');
    for (qsizetype i = 0; i + 1 < plaatsen.size(); ++i)
        eis(!zelfdeTekstBehalveHoofdletters(plaatsen.at(i), plaatsen.at(i + 1)));
}

void controleerAdres(const QString& adres)
{
    eis(adres.startsWith(QString::fromLatin1(KaartBasisAdres) + QStringLiteral("/maps/dir/")));
    for (QChar c : adres)
        eis(c.unicode() > 0x20 && c.unicode() < 0x7F && c != u'#' && c != u'?' && c != u'\\');
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString tekst = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString normaal = routeNormaalvorm(tekst, false, false);
    controleerNormaalvorm(normaal);
    // The normal form is a fixed point: normalising it again changes nothing.
    eis(routeNormaalvorm(normaal, false, false) == normaal);

    const QString voorKaart = routeNormaalvorm(tekst, true, true);
    controleerAdres(routeAdres(voorKaart));
    tussenHakenVerwijderen(tekst);
    return 0;
}
