// SPDX-License-Identifier: GPL-3.0-or-later
// The command-line front end: runs windows on the headless platform.
#pragma once

#include <iosfwd>
#include <span>
#include <string>

namespace ambrel {

// Output that could not be written (a full disk, a closed pipe) or input
// that could not be read.
inline constexpr int kExitWriteFailed = 1;
inline constexpr int kExitRefused = 2;
inline constexpr int kExitUsage = 64;
inline constexpr int kDefaultCliAccuracy = 4;
// Significant digits of the friendly forms (--digits).
inline constexpr int kDefaultFriendlyDigits = 12;

// Whether the environment leaves the exact definitions on: it does unless
// AMBREL_CLASSIC=1 asks for the classic tables.
bool exactFromEnvironment();

// Runs the command line `args` (without the program name).
int runCli(std::span<const std::string> args, std::ostream& out, std::ostream& err);

}  // namespace ambrel
