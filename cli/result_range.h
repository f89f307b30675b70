// SPDX-License-Identifier: GPL-3.0-or-later
// Results the command line refuses to give: beyond the double range, or a
// nonzero amount come to zero.
#pragma once

#include "cli/session.h"

#include <string>

namespace ambrel {

// Why `result`, the window's conversion of `amount` from unit `from` into
// `to`, cannot be given, or null: beyond the double range (infinite from a
// zero), or a nonzero amount come to zero. A zero is right where the scale
// puts it (273.15 K is 0 °C): only one that zero itself also goes to is
// taken for an underflow. The window may be left showing zero's conversion.
const char* outOfRange(Session& s, const UnitPick& from, double amount, double result, const UnitPick& to);
// The same for a conversion worked out exactly (none: infinite), where a
// zero from a nonzero amount can only be an underflow.
const char* outOfRange(const ExactValue& amount, const std::optional<ExactValue>& result);

// Why the table of `amount` entered in cell `index` cannot be shown: the
// first cell it writes out of range by the same rules, named; else empty.
// A zero amount is never refused: an infinite cell is then a division by
// zero, as the window shows it. The window is left showing the table.
std::string tableOutOfRange(Session& s, int index, double amount);

}  // namespace ambrel
