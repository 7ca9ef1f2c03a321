// The event dispatch table: which handler runs for which event of which control. Every event
// the program handles is wired here and nowhere else; each handler runs through runHandler.
#include "window/frmZwervel.h"

#include <QMouseEvent>

namespace zwervel {

namespace {

using G = ControlEvents;

template <class... A> using Handler = void (frmZwervel::*)(A...);

} // namespace

void frmZwervel::connectEvents()
{
    const auto wire = [this]<class... S, class... A>(ControlEvents& source, void (G::*sig)(S...),
                                                     Handler<A...> handler) {
        connect(&source, sig, this, [this, handler](S... values) {
            runHandler([=, this] { (this->*handler)(values...); });
        });
    };
    using F = frmZwervel;

    // the window itself
    wire(m_bareWindow, &G::MouseMove, &F::Form_MouseMove);
    wire(m_bareWindow, &G::MouseUp, &F::Form_MouseUp);
    // the route box
    wire(Route.events, &G::LostFocus, &F::Route_LostFocus);
    wire(Route.events, &G::Change, &F::Route_Change);
    wire(Route.events, &G::KeyUp, &F::Route_KeyUp);
    wire(Route.events, &G::MouseUp, &F::Route_MouseUp);
    wire(Route.events, &G::GotFocus, &F::Route_GotFocus);
    wire(Route.events, &G::MouseMove, &F::Route_MouseMove);
    // the lists: an entry picked
    wire(Plaats.events, &G::Click, &F::Plaats_Click);
    wire(Routes.events, &G::Click, &F::Routes_Click);
    // the fields over the lists; each also shows the entry the user moves to in its closed list
    Plaats.setFieldAbove(tPlaats);
    Routes.setFieldAbove(tRoutes);
    wire(tPlaats.events, &G::GotFocus, &F::tPlaats_GotFocus);
    wire(tRoutes.events, &G::GotFocus, &F::tRoutes_GotFocus);
    wire(tPlaats.events, &G::MouseMove, &F::tPlaats_MouseMove);
    wire(tRoutes.events, &G::MouseMove, &F::tRoutes_MouseMove);
    // the push button (a mouse button only: the keyboard does not show the route)
    wire(knopGoogleMaps.events, &G::MouseUp, &F::knopGoogleMaps_MouseUp);
    wire(knopGoogleMaps.events, &G::MouseMove, &F::knopGoogleMaps_MouseMove);
    // the information label
    wire(Info.events, &G::MouseUp, &F::Info_MouseUp);
    wire(Info.events, &G::MouseMove, &F::Info_MouseMove);
    // the picture buttons
    wire(knopGoogleMapsOpenen.events, &G::Click, &F::knopGoogleMapsOpenen_Click);
    wire(knopGoogleMapsOpenen.events, &G::MouseMove, &F::knopGoogleMapsOpenen_MouseMove);
    wire(knopRouteOpschonen.events, &G::Click, &F::knopRouteOpschonen_Click);
    wire(knopRouteOpschonen.events, &G::MouseMove, &F::knopRouteOpschonen_MouseMove);
    wire(KnopRouteLeegmaken.events, &G::Click, &F::KnopRouteLeegmaken_Click);
    wire(KnopRouteLeegmaken.events, &G::MouseMove, &F::KnopRouteLeegmaken_MouseMove);
    wire(knopOngedaan.events, &G::Click, &F::knopOngedaan_Click);
    wire(knopOngedaan.events, &G::MouseMove, &F::knopOngedaan_MouseMove);
    wire(knopPlaatsToevoegen.events, &G::Click, &F::knopPlaatsToevoegen_Click);
    wire(knopPlaatsToevoegen.events, &G::MouseMove, &F::knopPlaatsToevoegen_MouseMove);
    wire(knopRouteToevoegen.events, &G::Click, &F::knopRouteToevoegen_Click);
    wire(knopRouteToevoegen.events, &G::MouseMove, &F::knopRouteToevoegen_MouseMove);
    wire(knopPlaatsVerwijderen.events, &G::MouseUp, &F::knopPlaatsVerwijderen_MouseUp);
    wire(knopPlaatsVerwijderen.events, &G::MouseMove, &F::knopPlaatsVerwijderen_MouseMove);
    wire(knopRouteVerwijderen.events, &G::MouseUp, &F::knopRouteVerwijderen_MouseUp);
    wire(knopRouteVerwijderen.events, &G::MouseMove, &F::knopRouteVerwijderen_MouseMove);
    // the captions
    wire(LabelRoute.events, &G::Click, &F::LabelRoute_Click);
    wire(LabelRoute.events, &G::MouseMove, &F::LabelRoute_MouseMove);
    wire(LabelPlaatsen.events, &G::Click, &F::LabelPlaatsen_Click);
    wire(LabelPlaatsen.events, &G::MouseMove, &F::LabelPlaatsen_MouseMove);
    wire(LabelRoutes.events, &G::Click, &F::LabelRoutes_Click);
    wire(LabelRoutes.events, &G::MouseMove, &F::LabelRoutes_MouseMove);
    // the footer strip
    wire(LabelVoettekst.events, &G::MouseMove, &F::LabelVoettekst_MouseMove);
    wire(LabelVoettekst.events, &G::MouseUp, &F::LabelVoettekst_MouseUp);
}

void frmZwervel::mouseMoveEvent(QMouseEvent* event)
{
    QWidget::mouseMoveEvent(event);
    detail::reportMouse(m_bareWindow, event, false);
}

void frmZwervel::mouseReleaseEvent(QMouseEvent* event)
{
    QWidget::mouseReleaseEvent(event);
    // As on the controls, the release that ends a double click raises nothing.
    if (event->button() == m_doubleClickButton) {
        m_doubleClickButton = Qt::NoButton;
        return;
    }
    detail::reportMouse(m_bareWindow, event, true);
}

void frmZwervel::mouseDoubleClickEvent(QMouseEvent* event)
{
    QWidget::mouseDoubleClickEvent(event);
    m_doubleClickButton = event->button();
}

} // namespace zwervel
