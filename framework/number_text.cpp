#include "framework/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <system_error>

namespace ambrel {

namespace {

// Shortest round-trip form in plain positional notation (at most ~330 chars).
std::string shortestFixed(double magnitude)
{
    char buf[400];
    const auto res = std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::fixed);
    return std::string(buf, res.ptr);
}

// Rounds the decimal text `s` (digits with an optional '.') to `digits`
// decimals, half away from zero.
std::string roundDecimal(std::string s, int digits)
{
    const std::size_t dot = s.find('.');
    if (dot == std::string::npos)
        return s;
    const std::size_t keep = dot + 1 + static_cast<std::size_t>(digits);
    if (keep >= s.size())
        return s;
    const bool up = s[keep] >= '5';
    s.resize(digits == 0 ? dot : keep);
    if (!up)
        return s;
    int i = static_cast<int>(s.size()) - 1;
    for (; i >= 0; --i) {
        if (s[i] == '.')
            continue;
        if (s[i] == '9') {
            s[i] = '0';
        } else {
            ++s[i];
            break;
        }
    }
    if (i < 0)
        s.insert(s.begin(), '1');
    return s;
}

}  // namespace

std::string formatFixed(double value, int digits)
{
    if (std::isnan(value))
        return "nan";
    if (std::isinf(value))
        return value < 0 ? "-inf" : "inf";
    digits = std::clamp(digits, 0, kMaxShownDecimals);

    std::string s = shortestFixed(std::fabs(value));
    const std::size_t dot = s.find('.');
    const int have = dot == std::string::npos ? 0 : static_cast<int>(s.size() - dot - 1);
    if (have > digits) {
        s = roundDecimal(std::move(s), digits);
    } else if (digits > 0) {
        if (dot == std::string::npos)
            s += '.';
        s.append(static_cast<std::size_t>(digits - have), '0');
    }
    const bool allZero = s.find_first_not_of("0.") == std::string::npos;
    if (std::signbit(value) && !allZero)
        s.insert(s.begin(), '-');
    return s;
}

std::string formatExact(double value)
{
    if (std::isnan(value))
        return "nan";
    if (std::isinf(value))
        return value < 0 ? "-inf" : "inf";
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, value);
    return std::string(buf, res.ptr);
}

namespace {

bool isSpace(unsigned char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// "1.500", "12.000", "-1.250.000": a period followed by exactly three digits
// after one to three leading digits, which in a comma locale is a group.
bool looksLikeGroupedThousands(std::string_view s)
{
    std::size_t i = (!s.empty() && (s[0] == '-' || s[0] == '+')) ? 1 : 0;
    std::size_t lead = 0;
    while (i < s.size() && isDigit(s[i])) {
        ++i;
        ++lead;
    }
    if (lead == 0 || lead > 3 || i == s.size())
        return false;
    while (i < s.size()) {
        if (s[i] != '.' || i + 4 > s.size())
            return false;
        for (std::size_t k = 1; k <= 3; ++k)
            if (!isDigit(s[i + k]))
                return false;
        i += 4;
    }
    return true;
}

// The rough decimal exponent of a well-formed number text, to tell an
// overflow from an underflow when the reader reports the value out of range.
long long decimalExponent(std::string_view s)
{
    std::size_t i = (!s.empty() && (s[0] == '-' || s[0] == '+')) ? 1 : 0;
    long long position = 0;  // exponent of the first significant digit, + 1
    bool seenDot = false, seenDigit = false;
    for (; i < s.size() && s[i] != 'e' && s[i] != 'E'; ++i) {
        if (s[i] == '.') {
            seenDot = true;
        } else if (!seenDigit && s[i] == '0') {
            if (seenDot)
                --position;
        } else {
            seenDigit = true;
            if (!seenDot)
                ++position;
        }
    }
    long long exponent = 0;
    if (i + 1 < s.size()) {
        const bool negative = s[i + 1] == '-';
        const char* digits = s.data() + i + 1 + ((s[i + 1] == '+' || negative) ? 1 : 0);
        const auto res = std::from_chars(digits, s.data() + s.size(), exponent);
        // Beyond any double either way; capped so that adding the position
        // cannot overflow.
        if (res.ec != std::errc() || exponent > 1'000'000)
            exponent = 1'000'000;
        if (negative)
            exponent = -exponent;
    }
    return position + exponent;
}

}  // namespace

NumberReading readNumber(std::string_view text, char decimalSeparator)
{
    while (!text.empty() && isSpace(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    while (!text.empty() && isSpace(static_cast<unsigned char>(text.back())))
        text.remove_suffix(1);
    if (text.empty())
        return {0.0, NumberError::None};
    if (text.size() > 1000)
        return {0.0, NumberError::NotANumber};

    std::string s;
    s.reserve(text.size());
    constexpr std::string_view kUnicodeMinus = "\xE2\x88\x92";
    if (text.substr(0, kUnicodeMinus.size()) == kUnicodeMinus) {
        s += '-';
        text.remove_prefix(kUnicodeMinus.size());
    }
    s.append(text);

    if (decimalSeparator != '.') {
        const bool hasLocal = s.find(decimalSeparator) != std::string::npos;
        const bool hasPeriod = s.find('.') != std::string::npos;
        if (hasLocal && hasPeriod)
            return {0.0, NumberError::NotANumber};
        if (hasPeriod && decimalSeparator == ',' && looksLikeGroupedThousands(s))
            return {0.0, NumberError::AmbiguousPeriod};
        std::replace(s.begin(), s.end(), decimalSeparator, '.');
    }

    const char* first = s.data();
    const char* last = s.data() + s.size();
    if (first != last && *first == '+') {
        ++first;
        if (first != last && (*first == '-' || *first == '+'))
            return {0.0, NumberError::NotANumber};
    }
    // Only digits, one sign, '.', and an exponent may appear: from_chars
    // would otherwise accept "inf", "nan" and hexadecimal forms.
    for (const char* p = first; p != last; ++p) {
        const char c = *p;
        if (!(isDigit(c) || c == '.' || c == '-' || c == '+' || c == 'e' || c == 'E'))
            return {0.0, NumberError::NotANumber};
    }
    double value = 0;
    const auto res = std::from_chars(first, last, value, std::chars_format::general);
    if (res.ec == std::errc::invalid_argument || res.ptr != last)
        return {0.0, NumberError::NotANumber};
    if (res.ec == std::errc::result_out_of_range)
        return {0.0, decimalExponent(std::string_view(first, static_cast<std::size_t>(last - first))) < 0
                         ? NumberError::TooSmall
                         : NumberError::TooLarge};
    if (!std::isfinite(value))
        return {0.0, NumberError::TooLarge};
    return {value, NumberError::None};
}

std::string describe(NumberError error)
{
    switch (error) {
    case NumberError::None: return "";
    case NumberError::NotANumber: return "not a number";
    case NumberError::TooLarge: return "too large";
    case NumberError::TooSmall: return "too small to tell from zero";
    case NumberError::AmbiguousPeriod: return "use a comma for decimals; numbers take no group separators";
    }
    return "not a number";
}

}  // namespace ambrel
