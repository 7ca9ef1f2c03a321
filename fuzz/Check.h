// The fuzz targets' check: a broken promise stops the run and names itself, so that a crash
// report says which promise and where.
#pragma once

#include <cstdio>
#include <cstdlib>

inline void check(bool condition, const char* promise, const char* file, int line)
{
    if (condition)
        return;
    std::fprintf(stderr, "%s:%d: broken: %s\n", file, line, promise);
    std::abort();
}

#define CHECK(condition) check((condition), #condition, __FILE__, __LINE__)
