// SPDX-License-Identifier: GPL-3.0-or-later
#include "computing/number_base.h"
#include "framework/translatable.h"

#include <array>
#include <charconv>
#include <limits>
#include <system_error>

namespace ambrel {

namespace {

constexpr std::string_view kSpaces = " \t\n\v\f\r";
constexpr std::string_view kUnicodeMinus = "\u2212";

int radixOf(Notation notation)
{
    switch (notation) {
    case Notation::Binary: return 2;
    case Notation::Octal: return 8;
    case Notation::Decimal: return 10;
    case Notation::Hexadecimal: return 16;
    }
    return 10;
}

char prefixLetterOf(Notation notation)
{
    switch (notation) {
    case Notation::Binary: return 'b';
    case Notation::Octal: return 'o';
    case Notation::Hexadecimal: return 'x';
    case Notation::Decimal: break;
    }
    return 0;
}

std::string_view trimmed(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(kSpaces);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(kSpaces) - first + 1);
}

// The digits of `radix` making up all of `digits`, as an unsigned number no
// larger than `limit`. from_chars takes no sign, prefix or space for an
// unsigned type, so anything but digits stops it short.
BaseError readMagnitude(std::string_view digits, int radix, std::uint32_t limit, std::uint32_t& value)
{
    const char* last = digits.data() + digits.size();
    const auto [end, ec] = std::from_chars(digits.data(), last, value, radix);
    if (digits.empty() || end != last || ec == std::errc::invalid_argument)
        return BaseError::BadDigit;
    if (ec == std::errc::result_out_of_range || value > limit)
        return BaseError::OutOfRange;
    return BaseError::None;
}

}  // namespace

BaseReading readInteger(std::string_view text, Notation notation)
{
    text = trimmed(text);
    if (text.empty())
        return {};
    constexpr std::uint32_t kMaxUnsigned = std::numeric_limits<std::uint32_t>::max();
    constexpr std::uint32_t kMaxPositive = std::numeric_limits<std::int32_t>::max();
    std::uint32_t magnitude = 0;

    if (notation == Notation::Decimal) {
        bool negative = false;
        if (text.front() == '+' || text.front() == '-') {
            negative = text.front() == '-';
            text.remove_prefix(1);
        } else if (text.starts_with(kUnicodeMinus)) {
            negative = true;
            text.remove_prefix(kUnicodeMinus.size());
        }
        const BaseError error = readMagnitude(text, 10, negative ? kMaxPositive + 1 : kMaxPositive, magnitude);
        if (error != BaseError::None)
            return {0, error};
        // Negate in unsigned arithmetic so that 2147483648 becomes the smallest int.
        return {static_cast<std::int32_t>(negative ? 0u - magnitude : magnitude), BaseError::None};
    }

    const char letter = prefixLetterOf(notation);
    if (text.size() >= 2 && text[0] == '0' && (text[1] == letter || text[1] == letter - 'a' + 'A'))
        text.remove_prefix(2);
    const BaseError error = readMagnitude(text, radixOf(notation), kMaxUnsigned, magnitude);
    if (error != BaseError::None)
        return {0, error};
    return {static_cast<std::int32_t>(magnitude), BaseError::None};
}

std::string writeInteger(std::int32_t value, Notation notation)
{
    // Room for 32 binary digits, or a sign and ten decimal digits.
    std::array<char, std::numeric_limits<std::uint32_t>::digits + 1> text;
    const auto res = notation == Notation::Decimal
        ? std::to_chars(text.data(), text.data() + text.size(), value)
        : std::to_chars(text.data(), text.data() + text.size(), static_cast<std::uint32_t>(value), radixOf(notation));
    if (res.ec != std::errc())
        return {};
    return std::string(text.data(), res.ptr);
}

namespace {

// Why a number was refused.
constexpr const char* kBinaryDigits = AMBREL_TEXT("binary digits are 0 and 1");
constexpr const char* kOctalDigits = AMBREL_TEXT("octal digits are 0 to 7");
constexpr const char* kNotWhole = AMBREL_TEXT("not a whole number");
constexpr const char* kHexDigits = AMBREL_TEXT("hexadecimal digits are 0 to 9 and a to f");
constexpr const char* kOutsideInt = AMBREL_TEXT("outside -2147483648 to 2147483647");
constexpr const char* kOver32Bits = AMBREL_TEXT("more than 32 bits");

}  // namespace

std::string describe(BaseError error, Notation notation)
{
    switch (error) {
    case BaseError::None: return {};
    case BaseError::BadDigit:
        switch (notation) {
        case Notation::Binary: return kBinaryDigits;
        case Notation::Octal: return kOctalDigits;
        case Notation::Decimal: return kNotWhole;
        case Notation::Hexadecimal: return kHexDigits;
        }
        break;
    case BaseError::OutOfRange:
        if (notation == Notation::Decimal)
            return kOutsideInt;
        return kOver32Bits;
    }
    return {};
}

}  // namespace ambrel
