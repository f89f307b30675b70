// SPDX-License-Identifier: GPL-3.0-or-later
// One 32-bit integer as text in binary, octal, decimal and hexadecimal: the
// strict reader for what a person types and the writer for what the number
// base cells show. No Qt here.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace ambrel {

// In the order of the number base box's tags.
enum class Notation { Binary, Octal, Decimal, Hexadecimal };

enum class BaseError {
    None,
    BadDigit,    // a character that is no digit of the notation, or no digits at all
    OutOfRange,  // more than 32 bits, or outside the signed range for decimal
};

struct BaseReading {
    std::int32_t value = 0;  // binary, octal and hexadecimal give the bit pattern
    BaseError error = BaseError::None;
    bool ok() const { return error == BaseError::None; }
};

// Reads a whole entry. Surrounding white space is ignored and an empty entry
// reads as 0. Binary, octal and hexadecimal take an unsigned value of at most
// 32 bits, optionally after the prefix of their own base (0b, 0o, 0x, either
// case); hexadecimal digits may be in either case. Decimal takes an optional
// sign and a value within the signed 32-bit range.
BaseReading readInteger(std::string_view text, Notation notation);

// The cell text for `value`: binary, octal and hexadecimal show the unsigned
// bit pattern without prefix or leading zeros ("0" for zero), hexadecimal in
// lower case; decimal shows the signed value.
std::string writeInteger(std::int32_t value, Notation notation);

// A short message for a refused entry, for the status line and the command line.
std::string describe(BaseError error, Notation notation);

}  // namespace ambrel
