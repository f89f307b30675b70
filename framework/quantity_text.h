// SPDX-License-Identifier: GPL-3.0-or-later
// The reader for what a person types as a quantity, shared by the desktop
// cells and the command line: arithmetic on numbers ("3*4", "1/2",
// "-(2+3)e2") and a sum of amounts in units ("5 ft 3 in", "1 h 30 min").
#pragma once

#include "framework/number_text.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace ambrel {

// One amount of a quantity: its value and the unit it is in, as typed
// (words single-spaced; empty when the amount has no unit).
struct QuantityTerm {
    double value = 0;  // the nearest double to `exact`
    ExactValue exact;  // the amount as written, worked out exactly
    std::string unit;
    std::size_t unitAt = 0;  // character position of the unit, from 1
};

struct QuantityReading {
    std::vector<QuantityTerm> terms;  // an empty text is one term of 0
    NumberError error = NumberError::None;
    std::string message;       // why the text was refused; empty if it was read
    std::string detail;        // what the message's %1 stands for, if it has one
    std::size_t position = 0;  // the character where reading stopped, from 1
    bool ok() const { return message.empty(); }
};

// Parentheses nest no deeper than this.
inline constexpr int kDeepestParentheses = 64;

// Reads `text` by this grammar and nothing else:
//   quantity := [term {[sign] term}]       amounts written side by side add
//   term     := sum [unit]
//   sum      := product {("+" | "-") product}
//   product  := factor {("*" | "/") factor}
//   factor   := ("+" | "-" | "−") factor | number | "(" sum ")"
// A number is as readNumber takes it, in `decimalSeparator` or '.'. A unit is
// one or more words starting with something other than a digit, a point or an
// operator; a word keeps "-" and "/" that join letters ("km/hr",
// "light-year"). Amounts after a negative first amount, with no sign between,
// take its sign: "-1 h 30 min" is an hour and a half back. Arithmetic is
// exact; a result beyond the double range, or one too small to tell from
// zero, is refused at the operation that made it, as a typed number would
// be. Numbers longer than kLongestNumberText, control characters and a
// division by zero are refused too, with the character where it went wrong.
// The time taken grows with the text's length, never faster.
QuantityReading readQuantity(std::string_view text, char decimalSeparator = '.');

// Reads `text` as a plain amount, arithmetic allowed but no unit.
QuantityReading readAmount(std::string_view text, char decimalSeparator = '.');

}  // namespace ambrel
