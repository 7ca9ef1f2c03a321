// Showing the route in the map service, its start page, and the information label's clicks.
#include "route/RouteRules.h"
#include "text/TextRules.h"
#include "window/frmZwervel.h"

namespace zwervel {

QString frmZwervel::RouteGestript(bool EenPlaatsDubbel, bool TussenHaakjesWis) const
{
    return routeNormalForm(Route.Text(), EenPlaatsDubbel, TussenHaakjesWis);
}

QString frmZwervel::TussenHakenVerwijderen(const QString& Invoer) const
{
    return removeBracketed(Invoer);
}

QString frmZwervel::NullIsLeeg(const QString& Invoer) const
{
    return Invoer.isNull() ? QStringLiteral("") : Invoer;
}

void frmZwervel::knopGoogleMaps_MouseUp(int, int, float, float)
{
    // Any mouse button shows the route; where and with which keys held does not matter.
    m_platform.openAddress(routeAddress(RouteGestript(true, true)));
}

void frmZwervel::knopGoogleMapsOpenen_Click()
{
    m_platform.openAddress(startPageAddress());
}

void frmZwervel::Info_MouseUp(int Button, int, float, float)
{
    if (Button == MouseRight) {
        knopGoogleMaps_MouseUp(MouseLeft, 0, 0, 0);
        return;
    }
    // The example is what follows the first ":" of the general help's last line.
    const QString lastLine = InfoTekst.split(LineEnd).constLast();
    const qsizetype colon = lastLine.indexOf(u':');
    const QString example = trimSpaces(QStringView(lastLine).mid(colon + 1)).toString();

    OngedaanTekst = Route.Text();
    Route.setText(example);
    VakSelecteren(Route);
    knopOngedaan.setVisible(true);
}

} // namespace zwervel
