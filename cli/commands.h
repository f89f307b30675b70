// SPDX-License-Identifier: GPL-3.0-or-later
// The commands of the command line and the few helpers they share.
#pragma once

#include <iosfwd>
#include <span>
#include <string>
#include <string_view>

namespace ambrel {

// The windows' command-line names, space-separated.
std::string windowNames();
// The help text (ambrel --help).
void printUsage(std::ostream& out);
// Writes `message` and a pointer to --help; returns the usage exit status.
int usageError(std::ostream& err, const std::string& message);
// A whole number, with an optional "+", and nothing after it.
bool parseInt(std::string_view text, int& value);

// Each command reads its arguments with the options given before its word
// in front (ambrel --classic run length ... runs "--classic length ...").

// ambrel run [OPTIONS] WINDOW STEP...
int runScript(std::span<const std::string> args, std::ostream& out, std::ostream& err);
// ambrel units [WINDOW] [OPTIONS]
int runUnits(std::span<const std::string> args, std::ostream& out, std::ostream& err);
// ambrel [OPTIONS] [WINDOW] QUANTITY UNIT [TO-UNIT], options anywhere
int runFriendly(std::span<const std::string> args, std::ostream& out, std::ostream& err);

}  // namespace ambrel
