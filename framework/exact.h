// SPDX-License-Identifier: GPL-3.0-or-later
// Unit sizes as their definitions read: 0.3048_x * 5280 for the mile. A size
// is an exact fraction, times a power of π for the few units defined through
// a circle (the parsec, the lambert); one too large to hold fails to build.
#pragma once

#include <cstdint>

namespace ambrel {

class ExactNumber {
public:
    __extension__ using Int = __int128;

    constexpr ExactNumber(long long n = 0) : num_(n), den_(1) {}

    // n / d, reduced; d must not be zero.
    static constexpr ExactNumber fraction(Int n, Int d)
    {
        if (d == 0)
            throw "division by zero in a unit size";  // rejected at compile time
        if (d < 0) {
            n = -n;
            d = -d;
        }
        const Int g = gcd(n < 0 ? -n : n, d);
        ExactNumber e;
        e.num_ = n / g;
        e.den_ = d / g;
        return e;
    }
    static constexpr ExactNumber pi()
    {
        ExactNumber e(1);
        e.piPower_ = 1;
        return e;
    }

    constexpr Int num() const { return num_; }
    constexpr Int den() const { return den_; }
    // The number is num / den × π^piPower.
    constexpr int piPower() const { return piPower_; }
    constexpr bool isZero() const { return num_ == 0; }

    friend constexpr ExactNumber operator*(ExactNumber a, ExactNumber b)
    {
        const Int g1 = gcd(abs(a.num_), b.den_), g2 = gcd(abs(b.num_), a.den_);
        Int n = 0, d = 0;
        if (__builtin_mul_overflow(a.num_ / g1, b.num_ / g2, &n) ||
            __builtin_mul_overflow(a.den_ / g2, b.den_ / g1, &d))
            throw "a unit size too large to hold exactly";
        ExactNumber e = fraction(n, d);
        e.piPower_ = e.isZero() ? 0 : a.piPower_ + b.piPower_;
        return e;
    }
    friend constexpr ExactNumber operator/(ExactNumber a, ExactNumber b) { return a * b.reciprocal(); }
    friend constexpr ExactNumber operator+(ExactNumber a, ExactNumber b)
    {
        if (a.isZero())
            return b;
        if (b.isZero())
            return a;
        if (a.piPower_ != b.piPower_)
            throw "a sum of a size with π and one without";
        Int x = 0, y = 0, n = 0, d = 0;
        if (__builtin_mul_overflow(a.num_, b.den_, &x) || __builtin_mul_overflow(b.num_, a.den_, &y) ||
            __builtin_add_overflow(x, y, &n) || __builtin_mul_overflow(a.den_, b.den_, &d))
            throw "a unit size too large to hold exactly";
        ExactNumber e = fraction(n, d);
        e.piPower_ = e.isZero() ? 0 : a.piPower_;
        return e;
    }
    friend constexpr ExactNumber operator-(ExactNumber a)
    {
        a.num_ = -a.num_;
        return a;
    }
    friend constexpr ExactNumber operator-(ExactNumber a, ExactNumber b) { return a + -b; }

    constexpr ExactNumber reciprocal() const
    {
        ExactNumber e = fraction(den_, num_);
        e.piPower_ = -piPower_;
        return e;
    }

    // The double nearest to this number, ties to even.
    double toDouble() const;

private:
    static constexpr Int abs(Int x) { return x < 0 ? -x : x; }
    static constexpr Int gcd(Int a, Int b)
    {
        while (b != 0) {
            const Int t = a % b;
            a = b;
            b = t;
        }
        return a == 0 ? 1 : a;
    }

    Int num_;
    Int den_;
    int piPower_ = 0;
};

// A decimal literal read digit for digit: 0.45359237_x is exactly
// 45359237 / 10^8, not the double nearest to it.
consteval ExactNumber operator""_x(const char* text)
{
    ExactNumber::Int num = 0, den = 1;
    bool fraction = false;
    int exponent = 0;
    const char* p = text;
    for (; *p && *p != 'e' && *p != 'E'; ++p) {
        if (*p == '\'')
            continue;
        if (*p == '.') {
            fraction = true;
            continue;
        }
        if (*p < '0' || *p > '9' || __builtin_mul_overflow(num, 10, &num))
            throw "not a decimal a unit size can hold";
        num += *p - '0';
        if (fraction && __builtin_mul_overflow(den, 10, &den))
            throw "too many decimals for a unit size";
    }
    if (*p) {
        ++p;
        const bool negative = *p == '-';
        if (*p == '-' || *p == '+')
            ++p;
        for (; *p; ++p)
            exponent = exponent * 10 + (*p - '0');
        if (negative)
            exponent = -exponent;
    }
    for (; exponent > 0; --exponent)
        if (__builtin_mul_overflow(num, 10, &num))
            throw "exponent too large for a unit size";
    for (; exponent < 0; ++exponent)
        if (__builtin_mul_overflow(den, 10, &den))
            throw "exponent too small for a unit size";
    return ExactNumber::fraction(num, den);
}

// What one unit is in its window's base unit. A linear unit: base =
// value × scale + offset. A reciprocal unit (litres per 100 km against
// km per litre): base = scale ÷ value. `text` is the definition as written
// in the table, for people who ask how a unit is defined.
struct ExactSize {
    enum class Kind : std::uint8_t { None, Linear, Reciprocal };
    Kind kind = Kind::None;
    ExactNumber scale{1};
    ExactNumber offset{0};
    const char* text = nullptr;
};

constexpr ExactSize linearSize(ExactNumber scale, const char* text)
{
    return {ExactSize::Kind::Linear, scale, 0, text};
}
constexpr ExactSize offsetSize(ExactNumber scale, ExactNumber offset, const char* text)
{
    return {ExactSize::Kind::Linear, scale, offset, text};
}
constexpr ExactSize reciprocalSize(ExactNumber scale, const char* text)
{
    return {ExactSize::Kind::Reciprocal, scale, 0, text};
}

}  // namespace ambrel

// A unit's exact size, kept with its definition's own words.
#define AMBREL_SIZE(...) ::ambrel::linearSize((__VA_ARGS__), #__VA_ARGS__)
