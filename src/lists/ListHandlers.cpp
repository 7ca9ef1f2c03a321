// The remembered lists: finding, adding and removing entries.
#include "lists/ListRules.h"
#include "route/RouteRules.h"
#include "text/TextRules.h"
#include "window/frmZwervel.h"

namespace zwervel {

namespace {

Question yesNoQuestion(const QString& text, Question::Answer defaultAnswer)
{
    return Question{text, Question::Icon::Question, Question::Buttons::YesNo, defaultAnswer};
}

} // namespace

// ---- The primitives ---------------------------------------------------------------------

bool frmZwervel::InLijst(ComboBox& Lijst, const QString& Item) const
{
    for (const QString& item : Lijst.Items()) {
        if (sameEntry(item, Item))
            return true;
    }
    return false;
}

bool frmZwervel::UitLijstVerwijderen(ComboBox& Lijst, const QString& Naam)
{
    const QString shown = NullIsLeeg(Lijst.Text());
    if (shown.isEmpty())
        return false;
    Lijst.SetFocus();
    m_platform.beep();
    const Question question = yesNoQuestion(removeEntryQuestion(Naam, shown), Question::Answer::No);
    if (m_platform.ask(question) != Question::Answer::Yes)
        return false;
    // Every entry that differs from the shown one in letter case only goes as well.
    Lijst.KeepItems(entriesWithout(Lijst.Items(), shown));
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
    const QString place = placeFromSelection(PlaatsSel);
    // A place that is there already is passed over without a word.
    if (place.isEmpty() || InLijst(Plaats, place))
        return;
    Plaats.AddItem(place);
    tPlaats.setText(place);
    Plaats.setText(place);
    m_platform.beep();
}

void frmZwervel::RoutesAanvullen()
{
    const QString route = routeAsEntry(RouteGestript(false, false));
    const bool known = InLijst(Routes, route);
    m_platform.beep();
    if (known) {
        m_platform.ask(Question{routeExistsMessage(route), Question::Icon::Information,
                                Question::Buttons::OK, Question::Answer::OK});
        return;
    }
    const Question question = yesNoQuestion(addRouteQuestion(route), Question::Answer::Yes);
    if (m_platform.ask(question) != Question::Answer::Yes)
        return;
    Routes.AddItem(route);
    tRoutes.setText(route);
    Routes.setText(route);
}

void frmZwervel::knopPlaatsToevoegen_Click()
{
    PlaatsAanvullen(Route.SelText());
}

void frmZwervel::knopRouteToevoegen_Click()
{
    RoutesAanvullen();
}

void frmZwervel::LabelRoute_Click()
{
    knopRouteToevoegen_Click();
}

// ---- Removing ---------------------------------------------------------------------------

void frmZwervel::knopPlaatsVerwijderen_MouseUp(int Button, int, float, float)
{
    if (Button == MouseLeft && UitLijstVerwijderen(Plaats, QStringLiteral("Plaats"))) {
        tPlaats.setText(QString());
        Plaats.SetFocus();
        return;
    }
    // Another button, or the single removal did not happen: offer to remove them all.
    m_platform.beep();
    const Question question =
        yesNoQuestion(removeAllPlacesQuestion(Plaats.ListCount()), Question::Answer::Yes);
    if (m_platform.ask(question) != Question::Answer::Yes)
        return;
    Plaats.Clear();
    // All means all: the places the window kept aside from the file go too.
    m_keptAside.places.clear();
    VakLijstLeegmaken(Plaats);
    tPlaats.setText(QString());
    Plaats.SetFocus();
}

void frmZwervel::knopRouteVerwijderen_MouseUp(int Button, int, float, float)
{
    // The route field keeps its text, and a refused single removal asks nothing more.
    if (Button == MouseLeft) {
        UitLijstVerwijderen(Routes, QStringLiteral("Route"));
        return;
    }
    m_platform.beep();
    const Question question =
        yesNoQuestion(removeAllRoutesQuestion(Routes.ListCount()), Question::Answer::Yes);
    if (m_platform.ask(question) != Question::Answer::Yes)
        return;
    Routes.Clear();
    m_keptAside.routes.clear();
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
