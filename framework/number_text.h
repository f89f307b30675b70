// SPDX-License-Identifier: GPL-3.0-or-later
// Numbers as text: the form the windows and the command line show, the exact
// form the command line prints, and the strict reader for what a person types.
#pragma once

#include "framework/exact_value.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace ambrel {

// The accuracy range; accuracies outside it count as its nearest end.
inline constexpr int kMaxShownDecimals = 99;
// From this accuracy on a cell shows every digit the double has, no padding:
// a double has at most 17 significant digits.
inline constexpr int kFullPrecisionDigits = 17;
// Values this large or larger, or smaller than the lower bound, are written
// in scientific notation at full precision, so no cell fills with zeros.
inline constexpr double kLargestFixed = 1e15;
inline constexpr double kSmallestFixed = 1e-6;
// The longest text a cell shows for a number: a sign, 15 integer digits, the
// separator and 16 decimals.
inline constexpr std::size_t kLongestShownText = 33;

// What a cell shows for `value` at accuracy `digits` (clamped to 0..99):
// - from kFullPrecisionDigits on, the shortest text that reads back as the
//   value: "0.3048", "12", "3.086e+22";
// - below it, `digits` decimals, "12.0000", or scientific notation with
//   `digits` decimals in the mantissa when the value is 1e15 or larger or a
//   nonzero value would show only zeros: "9.8769e-18". A nonzero value never
//   shows as zero.
// Rounding is half away from zero on the shortest round-trip digits, so no
// binary noise ever shows. Non-finite values read "inf", "-inf" and "nan"; zero
// never shows a minus sign. `decimalSeparator` replaces the '.'.
std::string formatShown(double value, int digits, char decimalSeparator = '.');

// The display's group separator: a narrow no-break space (U+202F), at which
// no line is broken.
inline constexpr std::string_view kGroupSeparator = "\u202F";
// `shown`, a text of formatShown, with its integer digits in groups of three
// when there are six or more of them (values of 10^5 and more in fixed
// notation): "3237758546400.00000" becomes "3 237 758 546 400.00000". Only
// the windows group; the command line's columns and copied values do not.
std::string groupDigits(std::string shown);

// The shortest text that reads back as exactly `value` ("0.3048", "1e-09").
std::string formatExact(double value);

enum class NumberError {
    None,
    NotANumber,       // "12abc", "1.2.3", "0x1A", "nan", "inf"
    TooLong,          // more than kLongestNumberText characters
    TooLarge,         // beyond the double range, "1e309"
    TooSmall,         // a non-zero number that would read as zero
    AmbiguousPeriod,  // "1.500" where the decimal separator is a comma
};

// No number a person means runs longer; longer text is refused unread.
inline constexpr std::size_t kLongestNumberText = 1000;

struct NumberReading {
    double value = 0;
    NumberError error = NumberError::None;
    bool ok() const { return error == NumberError::None; }
};

// Reads a whole text as a finite number. Surrounding white space is ignored;
// an empty text reads as 0; a leading "+" or "-" (or the Unicode minus) is
// accepted, as are decimals and exponents. `decimalSeparator` is the user's
// locale separator; "." is accepted as well unless it would look like a
// thousands group in a comma locale. The only group separator accepted is the
// one the display writes (kGroupSeparator), between well-formed groups of
// three integer digits; commas and points never group.
NumberReading readNumber(std::string_view text, char decimalSeparator = '.');
// The same, and when the text is read, `exact` is set to the number as
// written, digit for digit.
NumberReading readNumber(std::string_view text, char decimalSeparator, ExactValue* exact);

// Whether an exact result fits a double as a typed number must: TooLarge
// beyond the double range, TooSmall for a nonzero value that rounds to
// zero, else None.
NumberError rangeError(const ExactValue& value);

// A short message for a refusal, for the status line and the command line.
std::string describe(NumberError error);

}  // namespace ambrel
