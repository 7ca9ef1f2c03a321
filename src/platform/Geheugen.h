// Memory for large buffers that are filled at once, such as the configuration file as read.
#pragma once

#include <QtGlobal>

namespace zwervel {

// Asks the system for every page of a fresh buffer in one request. On some machines (virtual
// ones above all) the first touch of each page traps on its own at several microseconds a
// page, which for a file of megabytes is milliseconds of start-up; one request costs a tenth
// of that. Where the system cannot, or the buffer is small, nothing happens. The contents stay
// as they are.
void paginasVooraf(void* begin, qsizetype bytes);

} // namespace zwervel
