// Editing the route box: inserting, undo, emptying, clean-up and its keys.
#include "editing/RouteEditing.h"
#include "route/RouteRules.h"
#include "window/frmZwervel.h"

namespace zwervel {

namespace {
constexpr int KeyF2 = 113;
constexpr int KeyA = 65;
} // namespace

void frmZwervel::Plaats_Click()
{
    if (NullIsLeeg(Plaats.Text()).isEmpty())
        return;
    // A modifier held while picking only copies the place into its field.
    const bool modifierHeld = (platform().modifiersHeld() & (ShiftKey | CtrlKey | AltKey)) != 0;
    tPlaats.setText(NullIsLeeg(Plaats.Text()));
    if (modifierHeld)
        return;

    OngedaanTekst = Route.Text();
    const QString text = Route.Text();
    Route.SetFocus();
    // The place as the route box will hold it, so that the selection covers it whole.
    const RouteWithSelection updated = insertPlace(text, Route.SelStart(), Route.SelLength(),
                                                   RouteBox::asShown(NullIsLeeg(Plaats.Text())));
    Route.setText(updated.text);
    Route.setSelStart(int(updated.selStart));
    Route.setSelLength(int(updated.selLength));
    // Last: setting the text has just hidden the button.
    knopOngedaan.setVisible(true);
}

void frmZwervel::Routes_Click()
{
    // The slot is written even when no route turns out to be chosen.
    OngedaanTekst = Route.Text();
    const QString route = NullIsLeeg(Routes.Text());
    if (route.isEmpty())
        return;
    tRoutes.setText(route);
    Route.setText(routeAsLines(route));
    VakSelecteren(Route);
    knopOngedaan.setVisible(true);
}

void frmZwervel::knopOngedaan_Click()
{
    Route.setText(OngedaanTekst);
    Route.SetFocus();
    // The route box keeps a restored caret inside the text.
    Route.setSelStart(RouteSelStart);
    Route.setSelLength(RouteSelLengte);
}

void frmZwervel::KnopRouteLeegmaken_Click()
{
    platform().beep();
    OngedaanTekst = Route.Text();
    Route.setText(QString());
    // Emptied means empty: a route the window kept aside from the file goes too.
    m_keptAside.routeValues.clear();
    VakSelecteren(Route);
    knopOngedaan.setVisible(true);
}

void frmZwervel::Route_LostFocus()
{
    RouteSelStart = Route.SelStart();
    RouteSelLengte = Route.SelLength();
}

void frmZwervel::Route_Change()
{
    knopOngedaan.setVisible(false);
}

void frmZwervel::RouteOpschonen()
{
    Route.SetFocus();
    Route.setText(cleanedRoute(Route.Text()));
    Route.setSelStart(0);
    Route.setSelLength(Route.TextLength());
}

void frmZwervel::knopRouteOpschonen_Click()
{
    RouteOpschonen();
    VakSelecteren(Route);
}

void frmZwervel::Route_KeyUp(int KeyCode, int Shift)
{
    if (KeyCode == KeyF2) {
        RouteOpschonen();
    } else if (KeyCode == KeyA && (Shift == CtrlKey || Shift == (CtrlKey | ShiftKey))) {
        Route.setSelStart(0);
        Route.setSelLength(Route.TextLength());
    }
}

void frmZwervel::Route_MouseUp(int Button, int, float, float)
{
    if (Button == MouseRight)
        knopGoogleMaps_MouseUp(MouseLeft, 0, 0, 0);
}

} // namespace zwervel
