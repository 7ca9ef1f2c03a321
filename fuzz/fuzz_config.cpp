// Any bytes as a configuration file: reading never fails, and what is written from a read
// reads back the same.
#include "config/ConfigFormat.h"
#include "route/RouteRules.h"
#include "text/TextRules.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "Eis.h"

using namespace zwervel;

namespace {

// The route as the window would save it after reading: the last "route=" value the route box
// takes, then its normal form.
QString opgeslagenRoute(const CfgInhoud& inhoud)
{
    for (qsizetype i = inhoud.routeWaarden.size() - 1; i >= 0; --i) {
        if (pastInVenster(inhoud.routeWaarden.at(i)))
            return routeNormaalvorm(routeAlsRegels(inhoud.routeWaarden.at(i)), false, false);
    }
    return {};
}

// The entries as the window's lists take them.
QStringList aangenomen(QStringList items)
{
    items.removeIf([](const QString& item) { return !pastInVenster(item); });
    return items;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const CfgInhoud eerste = cfgInhoud(cfgDecoderen(bytes));
    for (const QString& entry : eerste.plaatsen + eerste.routes)
        EIS(!entry.isEmpty() && !entry.contains(Scheidingsteken));

    const QString route = opgeslagenRoute(eerste);
    const QStringList plaatsen = aangenomen(eerste.plaatsen);
    const QStringList routes = aangenomen(eerste.routes);
    const QString tekst = cfgTekst(route, plaatsen, routes);
    const QByteArray geschreven = cfgCoderen(tekst);
    EIS(cfgDecoderen(geschreven) == tekst); // no character lost to the code page

    const CfgInhoud tweede = cfgInhoud(cfgDecoderen(geschreven));
    EIS(tweede.plaatsen == plaatsen);
    EIS(tweede.routes == routes);
    EIS(opgeslagenRoute(tweede) == route);
    return 0;
}
