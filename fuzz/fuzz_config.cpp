// Any bytes as a configuration file: reading never fails, and what is written from a read
// reads back the same.
#include "config/ConfigFormat.h"
#include "route/RouteRules.h"

#include <QByteArray>
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

// The route as the window would save it after reading: the last "route=" value in the box,
// then its normal form.
QString opgeslagenRoute(const CfgInhoud& inhoud)
{
    const QString inVak = inhoud.routeWaarden.isEmpty() ? QString() : routeAlsRegels(inhoud.routeWaarden.constLast());
    return routeNormaalvorm(inVak, false, false);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const CfgInhoud eerste = cfgInhoud(cfgDecoderen(bytes));
    for (const QString& entry : eerste.plaatsen + eerste.routes)
        eis(!entry.isEmpty() && !entry.contains(Scheidingsteken));

    const QString route = opgeslagenRoute(eerste);
    const QString tekst = cfgTekst(route, eerste.plaatsen, eerste.routes);
    const QByteArray geschreven = cfgCoderen(tekst);
    eis(cfgDecoderen(geschreven) == tekst); // no character lost to the code page

    const CfgInhoud tweede = cfgInhoud(cfgDecoderen(geschreven));
    eis(tweede.plaatsen == eerste.plaatsen);
    eis(tweede.routes == eerste.routes);
    eis(opgeslagenRoute(tweede) == route);
    return 0;
}
