// The remembered lists: finding, adding and removing entries.
#include "lists/ListRules.h"
#include "text/TextRules.h"
#include "route/RouteRules.h"
#include "window/frmZwervel.h"

namespace zwervel {

namespace {

Vraag jaNeeVraag(const QString& tekst, Vraag::Antwoord standaard)
{
    return Vraag{tekst, Vraag::Icoon::Vraag, Vraag::Knoppen::JaNee, standaard};
}

} // namespace

// ---- The primitives ---------------------------------------------------------------------

bool frmZwervel::InLijst(ComboBox& Lijst, const QString& Item) const
{
    for (const QString& item : Lijst.Items()) {
        if (zelfdeTekstBehalveHoofdletters(item, Item))
            return true;
    }
    return false;
}

bool frmZwervel::UitLijstVerwijderen(ComboBox& Lijst, const QString& Naam)
{
    const QString getoond = NullIsLeeg(Lijst.Text());
    if (getoond.isEmpty())
        return false;
    Lijst.SetFocus();
    m_platform.beep();
    const Vraag vraag = jaNeeVraag(uitLijstVerwijderenVraag(Naam, getoond), Vraag::Antwoord::Nee);
    if (m_platform.toon(vraag) != Vraag::Antwoord::Ja)
        return false;
    // Every entry that differs from the shown one in letter case only goes as well.
    Lijst.RemoveItems(
        [&getoond](QStringView item) { return zelfdeTekstBehalveHoofdletters(item, getoond); });
    return true;
}

void frmZwervel::VakLijstLeegmaken(ComboBox& Lijst)
{
    // The entries keep their places; only the shown text goes. An empty list stays empty.
    Lijst.setCurrentIndex(-1);
}

// ---- Adding -----------------------------------------------------------------------------

void frmZwervel::PlaatsAanvullen(const QString& PlaatsSel)
{
    const QString plaats = plaatsUitSelectie(PlaatsSel);
    // A place that is there already is passed over without a word.
    if (plaats.isEmpty() || InLijst(Plaats, plaats))
        return;
    Plaats.AddItem(plaats);
    tPlaats.setText(plaats);
    Plaats.setText(plaats);
    m_platform.beep();
}

void frmZwervel::RoutesAanvullen()
{
    const QString route = routeAlsItem(RouteGestript(false, false));
    const bool bekend = InLijst(Routes, route);
    m_platform.beep();
    if (bekend) {
        m_platform.toon(Vraag{routeKomtAlVoorMelding(route), Vraag::Icoon::Informatie,
                              Vraag::Knoppen::OK, Vraag::Antwoord::OK});
        return;
    }
    const Vraag vraag = jaNeeVraag(routeToevoegenVraag(route), Vraag::Antwoord::Ja);
    if (m_platform.toon(vraag) != Vraag::Antwoord::Ja)
        return;
    Routes.AddItem(route);
    tRoutes.setText(route);
    Routes.setText(route);
}

void frmZwervel::knopPlaatsToevoegen_Click() { PlaatsAanvullen(Route.SelText()); }

void frmZwervel::knopRouteToevoegen_Click() { RoutesAanvullen(); }

void frmZwervel::LabelRoute_Click() { knopRouteToevoegen_Click(); }

// ---- Removing ---------------------------------------------------------------------------

void frmZwervel::knopPlaatsVerwijderen_MouseUp(int Button, int, float, float)
{
    if (Button == LinkerKnop && UitLijstVerwijderen(Plaats, QStringLiteral("Plaats"))) {
        tPlaats.setText(QString());
        Plaats.SetFocus();
        return;
    }
    // Another button, or the single removal did not happen: offer to remove them all.
    m_platform.beep();
    const Vraag vraag =
        jaNeeVraag(allePlaatsenVerwijderenVraag(Plaats.ListCount()), Vraag::Antwoord::Ja);
    if (m_platform.toon(vraag) != Vraag::Antwoord::Ja)
        return;
    Plaats.Clear();
    VakLijstLeegmaken(Plaats);
    tPlaats.setText(QString());
    Plaats.SetFocus();
}

void frmZwervel::knopRouteVerwijderen_MouseUp(int Button, int, float, float)
{
    // The route field keeps its text, and a refused single removal asks nothing more.
    if (Button == LinkerKnop) {
        UitLijstVerwijderen(Routes, QStringLiteral("Route"));
        return;
    }
    m_platform.beep();
    const Vraag vraag =
        jaNeeVraag(alleRoutesVerwijderenVraag(Routes.ListCount()), Vraag::Antwoord::Ja);
    if (m_platform.toon(vraag) != Vraag::Antwoord::Ja)
        return;
    Routes.Clear();
    VakLijstLeegmaken(Routes);
    Routes.SetFocus();
}

void frmZwervel::LabelPlaatsen_Click()
{
    Plaats.SetFocus();
    Plaats.OpenList();
}

void frmZwervel::LabelRoutes_Click()
{
    Routes.SetFocus();
    Routes.OpenList();
}

} // namespace zwervel
