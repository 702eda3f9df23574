// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// The checks of the Windows test programs, which have no test framework:
// each failed check is printed with its place, and the program's exit
// code is the number of failures.

#include <cstdio>

inline int g_failures = 0;

#define CHECK(condition)                                                                   \
    do {                                                                                   \
        if (!(condition)) {                                                                \
            ++g_failures;                                                                  \
            std::printf("FAILED %s:%d: %s\n", __FILE__, __LINE__, #condition);             \
            std::fflush(stdout);                                                           \
        }                                                                                  \
    } while (false)

// A check with a description of the case that failed.
#define CHECK_WHAT(condition, what)                                                        \
    do {                                                                                   \
        if (!(condition)) {                                                                \
            ++g_failures;                                                                  \
            std::printf("FAILED %s:%d: %s (%s)\n", __FILE__, __LINE__, #condition,         \
                        qPrintable(what));                                                 \
            std::fflush(stdout);                                                           \
        }                                                                                  \
    } while (false)

inline int TestResult(const char* name)
{
    std::printf("%s: %s (%d failed)\n", name, g_failures ? "FAILED" : "passed", g_failures);
    return g_failures ? 1 : 0;
}
