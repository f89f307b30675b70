// SPDX-License-Identifier: GPL-3.0-or-later
// An amount given in several units, largest first: 5 ft 8.898 in, 11 st
// 0.32 lb, 1 h 40 min. Every unit but the last takes a whole number; the last
// takes what is left, rounded to the digits shown.
#pragma once

#include "framework/exact_value.h"

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace ambrel {

struct MixedAmount {
    bool negative = false;           // one sign, in front of the whole answer
    std::vector<ExactValue> wholes;  // one a unit but the last
    ExactValue rest;                 // in the last unit, rounded
};

// How the last unit's number is rounded: to `digits` significant digits (the
// command line), or to `digits` decimals (the windows' accuracy; from 17 on,
// every digit a double has).
struct MixedDigits {
    int digits = 12;
    bool significant = true;
};

// The largest whole number a part may take; beyond it the parts would show
// more digits than the amount is known to.
inline constexpr double kLargestWholePart = 1e15;

// `total`, an amount in the last unit, split over the units whose sizes in
// the last unit are `sizes` (every unit but the last, largest first, each
// larger than the next and than the last unit). The split is exact, so no
// whole part is one off near a boundary, and a last part that rounds up to a
// whole unit carries over (never 5 ft 12 in). None when the first part would
// pass kLargestWholePart.
std::optional<MixedAmount> splitAmount(const ExactValue& total, std::span<const ExactValue> sizes, MixedDigits digits);

// "5 ft 8.898 in": each part and its unit's name, the last part written by
// `showRest`, the sign in front.
std::string mixedText(const MixedAmount& amount, std::span<const std::string> units,
                      const std::function<std::string(double)>& showRest);

}  // namespace ambrel
