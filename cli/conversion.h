// SPDX-License-Identifier: GPL-3.0-or-later
// Reading what a person types to convert ("3 mi to km", "5 ft 3 in in cm",
// "100 F"): the friendly forms of the command line and the desktop's search
// both read it here.
#pragma once

#include "cli/session.h"
#include "framework/mixed_amounts.h"

#include <functional>
#include <iosfwd>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace ambrel {

// A quantity read and converted.
struct Conversion {
    // The window, left showing the quantity in every cell when no target
    // unit was named.
    std::unique_ptr<Session> session;
    int index = -1;  // the cell holding the quantity, or the target's cell
    UnitPick from;   // the first amount's unit
    std::optional<UnitPick> target;
    // A target in several units ("ft in"): the units before the last, which
    // is `target`, and the size of each in the target unit.
    std::vector<UnitPick> parts;
    std::vector<ExactValue> sizes;
    double total = 0;  // in the target unit, else in the first amount's
    ExactValue exactTotal;
    std::string quantity;  // as typed, without the target: "3 mi"
};

// Reads `words` (a quantity, perhaps a separator and a unit to convert into)
// in `window`, or in the window its units name when that is null, under the
// exact definitions or the classic tables. Returns 0 and fills `result`, or
// writes why not to `err` and returns the command line's exit status.
int readConversion(std::span<const std::string> words, const WindowEntry* window, bool exact, Conversion& result,
                   std::ostream& err);

// The answer of a conversion into several units, "5 ft 8.89763779528 in"
// (a conversion with parts), or empty when it is too large to split.
std::string mixedAnswer(const Conversion& c, MixedDigits digits, const std::function<std::string(double)>& showRest);

// Words that may stand between a quantity and the unit it goes into.
bool isSeparator(std::string_view word);

// `text` split at spaces.
std::vector<std::string> splitWords(std::string_view text);

}  // namespace ambrel
