// Reading and writing the configuration file beside the program.
#include "config/ConfigBestand.h"
#include "config/ConfigFormat.h"
#include "route/RouteRules.h"
#include "window/frmZwervel.h"

namespace zwervel {

void frmZwervel::CfgOpenen()
{
    if (!Fso->fileExists(CfgBestand))
        return; // no file yet: it is made when the window closes
    // From here on a failure is passed over: the window opens with whatever could be read.
    ConfigContent content;
    try {
        content = parseConfig(decodeConfig(readConfigBytes(CfgBestand)));
    } catch (...) {
    }
    // Every "route=" line replaces the box's text in turn, so the last one the box takes is what
    // stands; it alone is set, so that a file of a million such lines does not hold up the start.
    for (qsizetype i = content.routeValues.size() - 1; i >= 0; --i) {
        if (!fitsInWindow(content.routeValues.at(i))) {
            m_configNotLoaded = true;
            continue; // refused: the box keeps the text it had
        }
        try {
            Route.setText(routeAsLines(content.routeValues.at(i)));
        } catch (...) {
        }
        break;
    }
    // An entry a list refuses is left out; the entries after it still come in.
    const auto tooLarge = [](const QString& item) { return !fitsInWindow(item); };
    if (content.places.removeIf(tooLarge) + content.routes.removeIf(tooLarge) > 0)
        m_configNotLoaded = true;
    // The lists only after the file is read, places before routes.
    try {
        Plaats.AddItems(content.places);
    } catch (...) {
    }
    try {
        Routes.AddItems(content.routes);
    } catch (...) {
    }
}

void frmZwervel::CfgOpslaan()
{
    // A failed save is not passed over: the window's failure report names the path and why.
    // What the window could not take from the file is not lost with the save: the file as it
    // was stays beside it.
    if (m_configNotLoaded)
        keepConfigCopy(CfgBestand);
    writeConfigBytes(CfgBestand, encodeConfig(configText(RouteGestript(false, false),
                                                         Plaats.Items(), Routes.Items())));
}

} // namespace zwervel
