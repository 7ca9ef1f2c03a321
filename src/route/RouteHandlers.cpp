// Showing the route in the map service, its start page, and the information label's clicks.
#include "route/RouteRules.h"
#include "text/TextRules.h"
#include "window/frmZwervel.h"

namespace zwervel {

QString frmZwervel::RouteGestript(bool EenPlaatsDubbel, bool TussenHaakjesWis) const
{
    return routeNormaalvorm(Route.Text(), EenPlaatsDubbel, TussenHaakjesWis);
}

QString frmZwervel::TussenHakenVerwijderen(const QString& Invoer) const
{
    return tussenHakenVerwijderen(Invoer);
}

QString frmZwervel::NullIsLeeg(const QString& Invoer) const
{
    return Invoer.isNull() ? QStringLiteral("") : Invoer;
}

void frmZwervel::knopGoogleMaps_MouseUp(int, int, float, float)
{
    // Any mouse button shows the route; where and with which keys held does not matter.
    m_platform.openAdres(routeAdres(RouteGestript(true, true)));
}

void frmZwervel::knopGoogleMapsOpenen_Click() { m_platform.openAdres(startpaginaAdres()); }

void frmZwervel::Info_MouseUp(int Button, int, float, float)
{
    if (Button == RechterKnop) {
        knopGoogleMaps_MouseUp(LinkerKnop, 0, 0, 0);
        return;
    }
    // The example is what follows the first ":" of the general help's last line.
    const QString laatsteRegel = InfoTekst.split(RegelEinde).constLast();
    const qsizetype dubbelepunt = laatsteRegel.indexOf(u':');
    const QString voorbeeld =
        zonderSpatiesAanDeRanden(QStringView(laatsteRegel).mid(dubbelepunt + 1)).toString();

    OngedaanTekst = Route.Text();
    Route.setText(voorbeeld);
    VakSelecteren(Route);
    knopOngedaan.setVisible(true);
}

} // namespace zwervel
