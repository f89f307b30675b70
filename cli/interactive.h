// SPDX-License-Identifier: GPL-3.0-or-later
// The interactive mode: a prompt that converts a quantity per line.
#pragma once

#include <cstdio>
#include <span>
#include <string>

namespace ambrel {

// Reads lines such as "5 ft 3 in cm" or "length 1 foot" from `in` and
// answers each as the friendly command line does; "?" lists the windows,
// "? WINDOW" a window's units, and "quit" (or the end of input) leaves. On a
// terminal the line can be edited and earlier lines recalled. `options`
// are the table set and --digits, which every line then uses. Returns 0,
// or the usage status for options it does not take.
int runInteractive(std::span<const std::string> options, std::FILE* in, std::FILE* out, std::FILE* err);

}  // namespace ambrel
