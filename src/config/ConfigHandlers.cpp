// Reading and writing the configuration file beside the program.
#include "window/frmZwervel.h"

namespace zwervel {

void frmZwervel::CfgOpenen() {}
void frmZwervel::CfgOpslaan() {}

} // namespace zwervel
