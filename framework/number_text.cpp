// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/number_text.h"
#include "framework/translatable.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <system_error>

namespace ambrel {

namespace {

// A finite magnitude as decimal digits: `digits` d1 d2 ... dn (no leading
// zero; empty for zero) stand for d1.d2...dn × 10^exponent.
struct Decimal {
    std::string digits;
    int exponent = 0;
};

// The shortest digits that read back as `magnitude`.
Decimal shortestDigits(double magnitude)
{
    Decimal d;
    if (magnitude == 0)
        return d;
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific);
    const std::string_view text(buf, static_cast<std::size_t>(res.ptr - buf));
    const std::size_t e = text.find('e');
    for (char c : text.substr(0, e))
        if (c != '.')
            d.digits += c;
    const std::string_view exponent = text.substr(e + 1);
    std::from_chars(exponent.data() + (exponent[0] == '+' ? 1 : 0), exponent.data() + exponent.size(), d.exponent);
    return d;
}

// Keeps the first `keep` digits, rounding half away from zero; a carry out of
// the first digit raises the exponent. Nothing kept leaves zero.
void roundTo(Decimal& d, int keep)
{
    if (keep >= static_cast<int>(d.digits.size()))
        return;
    if (keep < 0) {
        d.digits.clear();
        return;
    }
    const bool up = d.digits[static_cast<std::size_t>(keep)] >= '5';
    d.digits.resize(static_cast<std::size_t>(keep));
    if (!up)
        return;
    int i = keep - 1;
    for (; i >= 0 && d.digits[static_cast<std::size_t>(i)] == '9'; --i)
        d.digits[static_cast<std::size_t>(i)] = '0';
    if (i >= 0) {
        ++d.digits[static_cast<std::size_t>(i)];
    } else {
        d.digits.insert(d.digits.begin(), '1');
        d.digits.pop_back();  // now a trailing zero, or the one digit kept
        if (keep == 0)
            d.digits = "1";
        ++d.exponent;
    }
}

char digitAt(const Decimal& d, int position)
{
    return position >= 0 && position < static_cast<int>(d.digits.size()) ? d.digits[static_cast<std::size_t>(position)]
                                                                         : '0';
}

// Positional notation with `decimals` digits after the separator.
std::string fixedText(const Decimal& d, int decimals, char separator)
{
    std::string s;
    if (d.digits.empty() || d.exponent < 0) {
        s = "0";
    } else {
        for (int p = 0; p <= d.exponent; ++p)
            s += digitAt(d, p);
    }
    if (decimals > 0) {
        s += separator;
        for (int k = 1; k <= decimals; ++k)
            s += d.digits.empty() ? '0' : digitAt(d, d.exponent + k);
    }
    return s;
}

// d1.d2...e±XX with `decimals` digits after the separator.
std::string scientificText(const Decimal& d, int decimals, char separator)
{
    std::string s(1, digitAt(d, 0));
    if (decimals > 0) {
        s += separator;
        for (int k = 1; k <= decimals; ++k)
            s += digitAt(d, k);
    }
    const int magnitude = d.exponent < 0 ? -d.exponent : d.exponent;
    s += d.exponent < 0 ? "e-" : "e+";
    if (magnitude < 10)
        s += '0';
    s += std::to_string(magnitude);
    return s;
}

}  // namespace

std::string formatShown(double value, int digits, char decimalSeparator)
{
    if (std::isnan(value))
        return "nan";
    if (std::isinf(value))
        return value < 0 ? "-inf" : "inf";
    digits = std::clamp(digits, 0, kMaxShownDecimals);

    const double magnitude = std::fabs(value);
    Decimal d = shortestDigits(magnitude);
    const int significant = static_cast<int>(d.digits.size());
    std::string s;
    if (digits >= kFullPrecisionDigits) {
        if (magnitude == 0 || (magnitude >= kSmallestFixed && magnitude < kLargestFixed))
            s = fixedText(d, std::max(0, significant - d.exponent - 1), decimalSeparator);
        else
            s = scientificText(d, significant - 1, decimalSeparator);
    } else {
        Decimal fixed = d;
        roundTo(fixed, d.exponent + 1 + digits);
        if (magnitude == 0 || (magnitude < kLargestFixed && !fixed.digits.empty())) {
            s = fixedText(fixed, digits, decimalSeparator);
        } else {
            roundTo(d, digits + 1);
            s = scientificText(d, digits, decimalSeparator);
        }
    }
    if (value < 0)
        s.insert(s.begin(), '-');
    return s;
}

std::string groupDigits(std::string shown)
{
    const std::size_t start = !shown.empty() && shown[0] == '-' ? 1 : 0;
    std::size_t end = start;
    while (end < shown.size() && shown[end] >= '0' && shown[end] <= '9')
        ++end;
    if (end - start < 6 || shown.find_first_of("eE") != std::string::npos)
        return shown;
    // From the right, so the places still to come stay put.
    for (std::size_t at = end; at - start > 3;) {
        at -= 3;
        shown.insert(at, kGroupSeparator);
    }
    return shown;
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

// `s` without the display's group separators, when they stand between
// groups of three integer digits after one to three leading ones; empty when
// they stand anywhere else.
std::string withoutGroupSeparators(std::string_view s)
{
    std::string out;
    std::size_t i = 0;
    constexpr std::string_view kUnicodeMinus = "\xE2\x88\x92";
    if (s.starts_with(kUnicodeMinus)) {
        out.append(kUnicodeMinus);
        i = kUnicodeMinus.size();
    } else if (!s.empty() && (s[0] == '-' || s[0] == '+')) {
        out += s[i++];
    }
    std::size_t lead = 0;
    while (i < s.size() && isDigit(s[i])) {
        out += s[i++];
        ++lead;
    }
    if (lead == 0 || lead > 3)
        return {};
    int groups = 0;
    while (s.substr(i).starts_with(kGroupSeparator)) {
        i += kGroupSeparator.size();
        for (int k = 0; k < 3; ++k, ++i) {
            if (i >= s.size() || !isDigit(s[i]))
                return {};
            out += s[i];
        }
        ++groups;
    }
    if (i < s.size() && isDigit(s[i]))
        return {};
    const std::string_view rest = s.substr(i);
    if (groups == 0 || rest.find(kGroupSeparator) != std::string_view::npos)
        return {};
    out.append(rest);
    return out;
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

// The number a checked text writes (a sign, digits, at most one point and
// an exponent), exactly. Up to 19 significant digits are gathered in an
// integer, as most numbers are; longer ones go as text.
ExactValue exactOfText(std::string_view s)
{
    bool negative = false;
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '-' || s[i] == '+'))
        negative = s[i++] == '-';
    const std::size_t start = i;
    std::uint64_t mantissa = 0;
    int significant = 0;
    long exponent = 0;
    bool point = false;
    for (; i < s.size() && s[i] != 'e' && s[i] != 'E'; ++i) {
        if (s[i] == '.') {
            point = true;
            continue;
        }
        if (significant == 0 && s[i] == '0') {
            exponent -= point ? 1 : 0;
            continue;
        }
        ++significant;
        mantissa = mantissa * 10 + static_cast<std::uint64_t>(s[i] - '0');
        exponent -= point ? 1 : 0;
    }
    long written = 0;
    if (i + 1 < s.size()) {
        const char* from = s.data() + i + 1 + (s[i + 1] == '+' ? 1 : 0);
        const auto res = std::from_chars(from, s.data() + s.size(), written);
        // The text was read as a double, so its exponent is a modest one
        // unless it is made up for by many digits: capped for the sums below.
        if (res.ec != std::errc())
            written = written < 0 ? -1'000'000 : 1'000'000;
        written = std::clamp(written, -1'000'000L, 1'000'000L);
    }
    if (significant <= 19)
        return ExactValue::ofDecimal(negative, mantissa, exponent + written);
    // Every digit as text, the point's place counted from the end.
    std::string digits;
    long decimals = 0;
    point = false;
    for (std::size_t k = start; k < i; ++k) {
        if (s[k] == '.') {
            point = true;
            continue;
        }
        digits += s[k];
        decimals += point ? 1 : 0;
    }
    return ExactValue::ofDecimalDigits(negative, digits, written - decimals);
}

}  // namespace

NumberReading readNumber(std::string_view text, char decimalSeparator)
{
    return readNumber(text, decimalSeparator, nullptr);
}

NumberReading readNumber(std::string_view text, char decimalSeparator, ExactValue* exact)
{
    while (!text.empty() && isSpace(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    while (!text.empty() && isSpace(static_cast<unsigned char>(text.back())))
        text.remove_suffix(1);
    if (text.empty()) {
        if (exact)
            *exact = ExactValue();
        return {0.0, NumberError::None};
    }
    if (text.size() > kLongestNumberText)
        return {0.0, NumberError::TooLong};
    // What a window shows reads back, its digit groups included.
    std::string ungrouped;
    if (text.find(kGroupSeparator) != std::string_view::npos) {
        ungrouped = withoutGroupSeparators(text);
        if (ungrouped.empty())
            return {0.0, NumberError::NotANumber};
        text = ungrouped;
    }

    // Most texts are read as they stand; a Unicode minus or a local decimal
    // separator needs a rewritten copy.
    constexpr std::string_view kUnicodeMinus = "\xE2\x88\x92";
    std::string rewritten;
    std::string_view s = text;
    if (text.starts_with(kUnicodeMinus) || decimalSeparator != '.') {
        if (text.starts_with(kUnicodeMinus)) {
            rewritten += '-';
            text.remove_prefix(kUnicodeMinus.size());
        }
        rewritten.append(text);
        if (decimalSeparator != '.') {
            const bool hasLocal = rewritten.find(decimalSeparator) != std::string::npos;
            const bool hasPeriod = rewritten.find('.') != std::string::npos;
            if (hasLocal && hasPeriod)
                return {0.0, NumberError::NotANumber};
            if (hasPeriod && decimalSeparator == ',' && looksLikeGroupedThousands(rewritten))
                return {0.0, NumberError::AmbiguousPeriod};
            std::replace(rewritten.begin(), rewritten.end(), decimalSeparator, '.');
        }
        s = rewritten;
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
        return {0.0,
                decimalExponent(std::string_view(first, static_cast<std::size_t>(last - first))) < 0
                    ? NumberError::TooSmall
                    : NumberError::TooLarge};
    if (!std::isfinite(value))
        return {0.0, NumberError::TooLarge};
    if (exact)
        *exact = exactOfText(std::string_view(first, static_cast<std::size_t>(last - first)));
    return {value, NumberError::None};
}

NumberError rangeError(const ExactValue& value)
{
    const double rounded = value.toDouble();
    if (!std::isfinite(rounded))
        return NumberError::TooLarge;
    if (rounded == 0 && !value.isZero())
        return NumberError::TooSmall;
    return NumberError::None;
}

namespace {

// Why a number was refused.
constexpr const char* kNotANumber = AMBREL_TEXT("not a number");
constexpr const char* kTooLong = AMBREL_TEXT("too long");
constexpr const char* kTooLarge = AMBREL_TEXT("too large");
constexpr const char* kTooSmall = AMBREL_TEXT("too small to tell from zero");
constexpr const char* kAmbiguousPeriod = AMBREL_TEXT("use a comma for decimals; numbers take no group separators");

}  // namespace

std::string describe(NumberError error)
{
    switch (error) {
    case NumberError::None: return "";
    case NumberError::NotANumber: return kNotANumber;
    case NumberError::TooLong: return kTooLong;
    case NumberError::TooLarge: return kTooLarge;
    case NumberError::TooSmall: return kTooSmall;
    case NumberError::AmbiguousPeriod: return kAmbiguousPeriod;
    }
    return "not a number";
}

}  // namespace ambrel
