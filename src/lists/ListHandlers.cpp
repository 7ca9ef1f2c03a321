// The remembered lists: finding, adding and removing entries.
#include "window/frmZwervel.h"

namespace zwervel {

bool frmZwervel::InLijst(ComboBox&, const QString&) const { return false; }
bool frmZwervel::UitLijstVerwijderen(ComboBox&, const QString&) { return false; }
void frmZwervel::VakLijstLeegmaken(ComboBox&) {}
void frmZwervel::PlaatsAanvullen(const QString&) {}
void frmZwervel::RoutesAanvullen() {}
void frmZwervel::knopPlaatsToevoegen_Click() {}
void frmZwervel::knopRouteToevoegen_Click() {}
void frmZwervel::LabelRoute_Click() {}
void frmZwervel::knopPlaatsVerwijderen_MouseUp(int, int, float, float) {}
void frmZwervel::knopRouteVerwijderen_MouseUp(int, int, float, float) {}
void frmZwervel::LabelPlaatsen_Click() {}
void frmZwervel::LabelRoutes_Click() {}

} // namespace zwervel
