// SPDX-License-Identifier: GPL-3.0-or-later
// What a fuzz target does when a property fails: say which, and abort so
// that libFuzzer keeps the input that did it.
#pragma once

#include <cstdio>
#include <cstdlib>

#define FUZZ_CHECK(condition, ...)                                                      \
    do {                                                                                \
        if (!(condition)) {                                                             \
            std::fprintf(stderr, "%s:%d: %s failed: ", __FILE__, __LINE__, #condition); \
            std::fprintf(stderr, __VA_ARGS__);                                          \
            std::fputc('\n', stderr);                                                   \
            std::abort();                                                               \
        }                                                                               \
    } while (false)
