// SPDX-License-Identifier: GPL-3.0-or-later
// The interactive mode: a prompt that converts a quantity per line.
#pragma once

#include <cstdio>

namespace ambrel {

// Reads lines such as "5 ft 3 in cm" or "length 1 foot" from `in` and
// answers each as the friendly command line does; "?" lists the windows,
// "? WINDOW" a window's units, and "quit" (or the end of input) leaves. On a
// terminal the line can be edited and earlier lines recalled. Returns 0.
int runInteractive(bool exact, std::FILE* in, std::FILE* out, std::FILE* err);

}  // namespace ambrel
