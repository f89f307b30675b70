// SPDX-License-Identifier: GPL-3.0-or-later
// How a window's fields are printed: as a table or as JSON.
#pragma once

#include "cli/cli.h"
#include "cli/session.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace ambrel {

// The friendly forms show twelve significant digits (or `digits`), so a
// tiny value is never shown as a bare zero.
std::string friendlyNumber(double value, int digits = kDefaultFriendlyDigits);
std::string friendlyNumber(HeadlessField& cell, int digits = kDefaultFriendlyDigits);

// Every field box by box, each as the window shows it or, with `friendly`
// digits (> 0), to that many significant digits; field `highlighted` marked,
// and alone with its box where each box is a quantity of its own.
void printTable(Session& s, std::ostream& out, int highlighted = -1, int friendly = 0);

// {"window": NAME, "fields": [{"outlet", "unit", "value", "shown"}, ...]}
// with the fields `indices`, or all of them when that is empty.
void printJson(Session& s, std::ostream& out, std::vector<int> indices = {}, int friendly = 0);

}  // namespace ambrel
