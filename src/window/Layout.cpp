// The layout when the window is resized.
#include "window/frmZwervel.h"

namespace zwervel {

void frmZwervel::Form_Resize() {}

} // namespace zwervel
