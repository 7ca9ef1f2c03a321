#include "platform/Geheugen.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

#if defined(Q_OS_LINUX)
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace zwervel {

bool paginasVooraf(void* begin, qsizetype bytes)
{
#if defined(Q_OS_LINUX) && defined(MADV_POPULATE_WRITE)
    // Below a few pages the request costs about what it saves.
    constexpr qsizetype Drempel = 64 * 1024;
    if (!begin || bytes < Drempel)
        return false;
    // Whole pages only: the pages at the edges may be shared with other data, and are touched
    // once each anyway.
    const auto pagina = std::uintptr_t(sysconf(_SC_PAGESIZE));
    const auto van = (reinterpret_cast<std::uintptr_t>(begin) + pagina - 1) & ~(pagina - 1);
    const auto tot = (reinterpret_cast<std::uintptr_t>(begin) + std::uintptr_t(bytes)) & ~(pagina - 1);
    // A kernel without the request refuses it, and the pages come one by one.
    return tot > van && madvise(reinterpret_cast<void*>(van), tot - van, MADV_POPULATE_WRITE) == 0;
#else
    Q_UNUSED(begin);
    Q_UNUSED(bytes);
    return false;
#endif
}

HeapVoorraad::HeapVoorraad(qsizetype bytes)
{
    // Blocks below the C library's threshold for mappings of their own, so that they come
    // from the heap; freed again they form one free stretch that later requests are cut from.
    constexpr qsizetype Blok = 96 * 1024;
    std::vector<char*> blokken;
    blokken.reserve(std::size_t(bytes / Blok + 1));
    for (qsizetype klaar = 0; klaar < bytes; klaar += Blok) {
        char* blok = static_cast<char*>(std::malloc(Blok));
        if (!blok)
            break;
        blokken.push_back(blok);
    }
    if (!blokken.empty()) {
        // The blocks follow each other in the heap as a rule: then one request covers them all,
        // and asking for pages that are there already changes nothing.
        const auto adres = [](const char* blok) { return reinterpret_cast<std::uintptr_t>(blok); };
        const auto [laagste, hoogste] = std::minmax_element(
            blokken.begin(), blokken.end(), [&](char* x, char* y) { return adres(x) < adres(y); });
        const std::uintptr_t bereik = adres(*hoogste) + std::uintptr_t(Blok) - adres(*laagste);
        if (bereik <= std::uintptr_t(2 * Blok) * blokken.size()) {
            m_gereed = paginasVooraf(*laagste, qsizetype(bereik));
        } else {
            for (char* blok : blokken)
                m_gereed = paginasVooraf(blok, Blok);
        }
#if defined(Q_OS_LINUX)
        // Blocks the C library was told to map on their own go back to the system when freed,
        // pages and all; then nothing is readied.
        if (adres(*hoogste) >= reinterpret_cast<std::uintptr_t>(sbrk(0)))
            m_gereed = false;
#endif
    }
    // One more block, never touched, is taken after the others and so, as a rule, above them:
    // a free stretch at the very top of the heap would be handed back to the system at once,
    // pages and all.
    m_dop = std::malloc(Blok);
    for (char* blok : blokken)
        std::free(blok);
}

HeapVoorraad::~HeapVoorraad() { std::free(m_dop); }

} // namespace zwervel
