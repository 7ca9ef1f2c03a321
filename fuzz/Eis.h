// The fuzz targets' check: a broken promise stops the run and names itself, so that a crash
// report says which promise and where.
#pragma once

#include <cstdio>
#include <cstdlib>

inline void eis(bool voorwaarde, const char* belofte, const char* file, int line)
{
    if (voorwaarde)
        return;
    std::fprintf(stderr, "%s:%d: broken: %s\n", file, line, belofte);
    std::abort();
}

#define EIS(voorwaarde) eis((voorwaarde), #voorwaarde, __FILE__, __LINE__)
