// The information label following the mouse, and the right click of the bare window.
#include "help/HelpTexts.h"
#include "window/frmZwervel.h"

namespace zwervel {

QString frmZwervel::Tip(const QWidget& Ctrl) const { return tipTekst(Ctrl.objectName(), VoorbeeldTekst); }
void frmZwervel::InfoCaption(const QWidget&) {}
void frmZwervel::Form_MouseMove(int, int, float, float) {}
void frmZwervel::Form_MouseUp(int, int, float, float) {}
void frmZwervel::Route_GotFocus() {}
void frmZwervel::Route_MouseMove(int, int, float, float) {}
void frmZwervel::Info_MouseMove(int, int, float, float) {}
void frmZwervel::LabelVoettekst_MouseMove(int, int, float, float) {}
void frmZwervel::LabelVoettekst_MouseUp(int, int, float, float) {}
void frmZwervel::knopGoogleMapsOpenen_MouseMove(int, int, float, float) {}
void frmZwervel::knopRouteOpschonen_MouseMove(int, int, float, float) {}
void frmZwervel::knopPlaatsToevoegen_MouseMove(int, int, float, float) {}
void frmZwervel::tPlaats_MouseMove(int, int, float, float) {}
void frmZwervel::tRoutes_MouseMove(int, int, float, float) {}
void frmZwervel::knopRouteToevoegen_MouseMove(int, int, float, float) {}
void frmZwervel::knopGoogleMaps_MouseMove(int, int, float, float) {}
void frmZwervel::knopPlaatsVerwijderen_MouseMove(int, int, float, float) {}
void frmZwervel::KnopRouteLeegmaken_MouseMove(int, int, float, float) {}
void frmZwervel::knopRouteVerwijderen_MouseMove(int, int, float, float) {}
void frmZwervel::LabelPlaatsen_MouseMove(int, int, float, float) {}
void frmZwervel::LabelRoutes_MouseMove(int, int, float, float) {}
void frmZwervel::knopOngedaan_MouseMove(int, int, float, float) {}
void frmZwervel::LabelRoute_MouseMove(int, int, float, float) {}

} // namespace zwervel
