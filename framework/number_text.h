// Numbers as text: the fixed format the windows show, the exact form the
// command line prints, and the strict reader for what a person types.
#pragma once

#include <string>
#include <string_view>

namespace ambrel {

// The largest number of decimals a field shows; larger accuracies show this many.
inline constexpr int kMaxShownDecimals = 99;

// `value` with `digits` digits after the decimal point. Negative digits show
// none. Digits beyond the value's shortest round-trip form are zeros, never
// binary noise. Rounding is half away from zero on that shortest form.
// Non-finite values read "inf", "-inf" and "nan"; "-0" shows as "0".
std::string formatFixed(double value, int digits);

// The shortest text that reads back as exactly `value` ("0.3048", "1e-09").
std::string formatExact(double value);

enum class NumberError {
    None,
    NotANumber,       // "12abc", "1.2.3", "0x1A", "nan", "inf"
    TooLarge,         // beyond the double range, "1e309"
    TooSmall,         // a non-zero number that would read as zero
    AmbiguousPeriod,  // "1.500" where the decimal separator is a comma
};

struct NumberReading {
    double value = 0;
    NumberError error = NumberError::None;
    bool ok() const { return error == NumberError::None; }
};

// Reads a whole text as a finite number. Surrounding white space is ignored;
// an empty text reads as 0; a leading "+" or "-" (or the Unicode minus) is
// accepted, as are decimals and exponents. `decimalSeparator` is the user's
// locale separator; "." is accepted as well unless it would look like a
// thousands group in a comma locale. Group separators are never accepted.
NumberReading readNumber(std::string_view text, char decimalSeparator = '.');

// A short message for a refusal, for the status line and the command line.
std::string describe(NumberError error);

}  // namespace ambrel
