// Reading and writing the configuration file beside the program.
#include "config/ConfigBestand.h"
#include "config/ConfigFormat.h"
#include "window/frmZwervel.h"

#include <utility>

namespace zwervel {

void frmZwervel::CfgOpenen()
{
    if (!Fso->bestandBestaat(CfgBestand))
        return; // no file yet: it is made when the window closes
    // From here on a failure is passed over: the window opens with whatever could be read.
    CfgInhoud inhoud;
    try {
        inhoud = cfgInhoud(cfgDecoderen(cfgBytesLezen(CfgBestand)));
    } catch (...) {
    }
    for (const QString& route : std::as_const(inhoud.routeWaarden)) {
        try {
            Route.setText(routeAlsRegels(route));
        } catch (...) {
        }
    }
    // The lists only after the file is read, places before routes, each in one batch.
    try {
        Plaats.AddItems(inhoud.plaatsen);
    } catch (...) {
    }
    try {
        Routes.AddItems(inhoud.routes);
    } catch (...) {
    }
}

void frmZwervel::CfgOpslaan()
{
    QStringList plaatsen, routes;
    plaatsen.reserve(Plaats.ListCount());
    for (int i = 0; i < Plaats.ListCount(); ++i)
        plaatsen << Plaats.List(i);
    routes.reserve(Routes.ListCount());
    for (int i = 0; i < Routes.ListCount(); ++i)
        routes << Routes.List(i);
    // A failed save is not passed over: the window's failure report names the path and why.
    cfgBytesSchrijven(CfgBestand, cfgCoderen(cfgTekst(RouteGestript(false, false), plaatsen, routes)));
}

} // namespace zwervel
