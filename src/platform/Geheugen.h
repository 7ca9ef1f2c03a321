// Memory taken from the system in one request rather than a page at a time: large buffers
// filled at once, such as the configuration file as read, and the heap the start-up fills.
#pragma once

#include <QtGlobal>

namespace zwervel {

// Asks the system for every page of a fresh buffer in one request. On some machines (virtual
// ones above all) the first touch of each page traps on its own at several microseconds a
// page, which for a file of megabytes is milliseconds of start-up; one request costs a tenth
// of that. Where the system cannot, or the buffer is small, nothing happens. The contents stay
// as they are. Says whether the pages were asked for and given.
bool paginasVooraf(void* begin, qsizetype bytes);

// Readies about `bytes` of heap for the many small objects that follow, such as the font list,
// the controls and the first drawing of a window, so that they land on pages already there.
// The room is kept until the object goes; then the heap may give back what was not used.
class HeapVoorraad {
public:
    explicit HeapVoorraad(qsizetype bytes);
    ~HeapVoorraad();
    // Whether the system gave the pages; where it cannot, the heap simply grows as it would.
    bool gereed() const { return m_gereed; }
    HeapVoorraad(const HeapVoorraad&) = delete;
    HeapVoorraad& operator=(const HeapVoorraad&) = delete;

private:
    void* m_dop = nullptr;
    bool m_gereed = false;
};

} // namespace zwervel
