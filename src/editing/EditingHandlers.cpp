// Editing the route box: inserting, undo, emptying, clean-up and its keys.
#include "window/frmZwervel.h"

namespace zwervel {

void frmZwervel::Plaats_Click() {}
void frmZwervel::Routes_Click() {}
void frmZwervel::knopOngedaan_Click() {}
void frmZwervel::KnopRouteLeegmaken_Click() {}
void frmZwervel::Route_LostFocus() {}
void frmZwervel::Route_Change() { knopOngedaan.setVisible(false); }
void frmZwervel::RouteOpschonen() {}
void frmZwervel::knopRouteOpschonen_Click() {}
void frmZwervel::Route_KeyUp(int, int) {}
void frmZwervel::Route_MouseUp(int, int, float, float) {}

} // namespace zwervel
