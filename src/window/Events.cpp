// The event dispatch table: which handler runs for which event of which control. Every event
// the program handles is wired here and nowhere else; each handler runs through voerUit.
#include "window/frmZwervel.h"

#include <QMouseEvent>

namespace zwervel {

namespace {

using G = Gebeurtenissen;

template <class... A>
using Handler = void (frmZwervel::*)(A...);

} // namespace

void frmZwervel::koppelGebeurtenissen()
{
    const auto koppel = [this]<class... S, class... A>(Gebeurtenissen& bron, void (G::*signaal)(S...),
                                                      Handler<A...> handler) {
        connect(&bron, signaal, this, [this, handler](S... waarden) {
            voerUit([=, this] { (this->*handler)(waarden...); });
        });
    };
    using F = frmZwervel;

    // the window itself
    koppel(m_venster, &G::MouseMove, &F::Form_MouseMove);
    koppel(m_venster, &G::MouseUp, &F::Form_MouseUp);
    // the route box
    koppel(Route.gebeurtenissen, &G::LostFocus, &F::Route_LostFocus);
    koppel(Route.gebeurtenissen, &G::Change, &F::Route_Change);
    koppel(Route.gebeurtenissen, &G::KeyUp, &F::Route_KeyUp);
    koppel(Route.gebeurtenissen, &G::MouseUp, &F::Route_MouseUp);
    koppel(Route.gebeurtenissen, &G::GotFocus, &F::Route_GotFocus);
    koppel(Route.gebeurtenissen, &G::MouseMove, &F::Route_MouseMove);
    // the lists: an entry picked
    koppel(Plaats.gebeurtenissen, &G::Click, &F::Plaats_Click);
    koppel(Routes.gebeurtenissen, &G::Click, &F::Routes_Click);
    // the fields over the lists; each also shows the entry the user moves to in its closed list
    Plaats.setVeldErboven(tPlaats);
    Routes.setVeldErboven(tRoutes);
    koppel(tPlaats.gebeurtenissen, &G::GotFocus, &F::tPlaats_GotFocus);
    koppel(tRoutes.gebeurtenissen, &G::GotFocus, &F::tRoutes_GotFocus);
    koppel(tPlaats.gebeurtenissen, &G::MouseMove, &F::tPlaats_MouseMove);
    koppel(tRoutes.gebeurtenissen, &G::MouseMove, &F::tRoutes_MouseMove);
    // the push button (a mouse button only: the keyboard does not show the route)
    koppel(knopGoogleMaps.gebeurtenissen, &G::MouseUp, &F::knopGoogleMaps_MouseUp);
    koppel(knopGoogleMaps.gebeurtenissen, &G::MouseMove, &F::knopGoogleMaps_MouseMove);
    // the information label
    koppel(Info.gebeurtenissen, &G::MouseUp, &F::Info_MouseUp);
    koppel(Info.gebeurtenissen, &G::MouseMove, &F::Info_MouseMove);
    // the picture buttons
    koppel(knopGoogleMapsOpenen.gebeurtenissen, &G::Click, &F::knopGoogleMapsOpenen_Click);
    koppel(knopGoogleMapsOpenen.gebeurtenissen, &G::MouseMove, &F::knopGoogleMapsOpenen_MouseMove);
    koppel(knopRouteOpschonen.gebeurtenissen, &G::Click, &F::knopRouteOpschonen_Click);
    koppel(knopRouteOpschonen.gebeurtenissen, &G::MouseMove, &F::knopRouteOpschonen_MouseMove);
    koppel(KnopRouteLeegmaken.gebeurtenissen, &G::Click, &F::KnopRouteLeegmaken_Click);
    koppel(KnopRouteLeegmaken.gebeurtenissen, &G::MouseMove, &F::KnopRouteLeegmaken_MouseMove);
    koppel(knopOngedaan.gebeurtenissen, &G::Click, &F::knopOngedaan_Click);
    koppel(knopOngedaan.gebeurtenissen, &G::MouseMove, &F::knopOngedaan_MouseMove);
    koppel(knopPlaatsToevoegen.gebeurtenissen, &G::Click, &F::knopPlaatsToevoegen_Click);
    koppel(knopPlaatsToevoegen.gebeurtenissen, &G::MouseMove, &F::knopPlaatsToevoegen_MouseMove);
    koppel(knopRouteToevoegen.gebeurtenissen, &G::Click, &F::knopRouteToevoegen_Click);
    koppel(knopRouteToevoegen.gebeurtenissen, &G::MouseMove, &F::knopRouteToevoegen_MouseMove);
    koppel(knopPlaatsVerwijderen.gebeurtenissen, &G::MouseUp, &F::knopPlaatsVerwijderen_MouseUp);
    koppel(knopPlaatsVerwijderen.gebeurtenissen, &G::MouseMove, &F::knopPlaatsVerwijderen_MouseMove);
    koppel(knopRouteVerwijderen.gebeurtenissen, &G::MouseUp, &F::knopRouteVerwijderen_MouseUp);
    koppel(knopRouteVerwijderen.gebeurtenissen, &G::MouseMove, &F::knopRouteVerwijderen_MouseMove);
    // the captions
    koppel(LabelRoute.gebeurtenissen, &G::Click, &F::LabelRoute_Click);
    koppel(LabelRoute.gebeurtenissen, &G::MouseMove, &F::LabelRoute_MouseMove);
    koppel(LabelPlaatsen.gebeurtenissen, &G::Click, &F::LabelPlaatsen_Click);
    koppel(LabelPlaatsen.gebeurtenissen, &G::MouseMove, &F::LabelPlaatsen_MouseMove);
    koppel(LabelRoutes.gebeurtenissen, &G::Click, &F::LabelRoutes_Click);
    koppel(LabelRoutes.gebeurtenissen, &G::MouseMove, &F::LabelRoutes_MouseMove);
    // the footer strip
    koppel(LabelVoettekst.gebeurtenissen, &G::MouseMove, &F::LabelVoettekst_MouseMove);
    koppel(LabelVoettekst.gebeurtenissen, &G::MouseUp, &F::LabelVoettekst_MouseUp);
}

void frmZwervel::mouseMoveEvent(QMouseEvent* event)
{
    QWidget::mouseMoveEvent(event);
    detail::meldMuis(m_venster, event, false);
}

void frmZwervel::mouseReleaseEvent(QMouseEvent* event)
{
    QWidget::mouseReleaseEvent(event);
    detail::meldMuis(m_venster, event, true);
}

} // namespace zwervel
