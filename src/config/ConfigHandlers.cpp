// Reading and writing the configuration file beside the program.
#include "config/ConfigBestand.h"
#include "config/ConfigFormat.h"
#include "route/RouteRules.h"
#include "window/frmZwervel.h"

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
    // Every "route=" line replaces the box's text in turn, so the last one the box takes is what
    // stands; it alone is set, so that a file of a million such lines does not hold up the start.
    for (qsizetype i = inhoud.routeWaarden.size() - 1; i >= 0; --i) {
        if (!pastInVenster(inhoud.routeWaarden.at(i))) {
            m_cfgNietGeladen = true;
            continue; // refused: the box keeps the text it had
        }
        try {
            Route.setText(routeAlsRegels(inhoud.routeWaarden.at(i)));
        } catch (...) {
        }
        break;
    }
    // An entry a list refuses is left out; the entries after it still come in.
    const auto teGroot = [](const QString& item) { return !pastInVenster(item); };
    if (inhoud.plaatsen.removeIf(teGroot) + inhoud.routes.removeIf(teGroot) > 0)
        m_cfgNietGeladen = true;
    // The lists only after the file is read, places before routes.
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
    // A failed save is not passed over: the window's failure report names the path and why.
    // What the window could not take from the file is not lost with the save: the file as it
    // was stays beside it.
    if (m_cfgNietGeladen)
        cfgKopieBewaren(CfgBestand);
    cfgBytesSchrijven(CfgBestand, cfgCoderen(cfgTekst(RouteGestript(false, false),
                                                      Plaats.Items(), Routes.Items())));
}

} // namespace zwervel
