#include "platform/Geheugen.h"

#include <cstdint>

#if defined(Q_OS_LINUX)
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace zwervel {

void paginasVooraf(void* begin, qsizetype bytes)
{
#if defined(Q_OS_LINUX) && defined(MADV_POPULATE_WRITE)
    // Below a few pages the request costs about what it saves.
    constexpr qsizetype Drempel = 64 * 1024;
    if (!begin || bytes < Drempel)
        return;
    // Whole pages only: the pages at the edges may be shared with other data, and are touched
    // once each anyway.
    const auto pagina = std::uintptr_t(sysconf(_SC_PAGESIZE));
    const auto van = (reinterpret_cast<std::uintptr_t>(begin) + pagina - 1) & ~(pagina - 1);
    const auto tot = (reinterpret_cast<std::uintptr_t>(begin) + std::uintptr_t(bytes)) & ~(pagina - 1);
    if (tot > van) // a kernel without the request refuses it, and the pages come one by one
        madvise(reinterpret_cast<void*>(van), tot - van, MADV_POPULATE_WRITE);
#else
    Q_UNUSED(begin);
    Q_UNUSED(bytes);
#endif
}

} // namespace zwervel
