// SPDX-License-Identifier: GPL-3.0-or-later
// Numbers held exactly while a conversion is worked out: what a person
// typed, read digit for digit, and what unit sizes make of it. Only the end
// result is rounded, once, to the nearest double.
#pragma once

#include "framework/exact.h"

#include <cstdint>
#include <memory>
#include <string_view>

namespace ambrel {

// An unevaluated sum hi + lo of two doubles, about 106 bits of a number.
struct DoubleDouble {
    double hi = 0;
    double lo = 0;
};

class ExactValue {
public:
    ExactValue() = default;  // +0
    ExactValue(const ExactValue& other);
    ExactValue(ExactValue&& other) noexcept;
    ExactValue& operator=(const ExactValue& other);
    ExactValue& operator=(ExactValue&& other) noexcept;
    ~ExactValue();

    // Exactly `value`, which must be finite.
    static ExactValue ofDouble(double value);
    // ± mantissa × 10^exponent.
    static ExactValue ofDecimal(bool negative, std::uint64_t mantissa, long exponent);
    // ± 0.d1d2d3... read as the integer d1d2d3... × 10^exponent; `digits`
    // holds only '0' to '9'.
    static ExactValue ofDecimalDigits(bool negative, std::string_view digits, long exponent);
    static ExactValue ofSize(const ExactNumber& size);

    friend ExactValue operator+(const ExactValue& a, const ExactValue& b);
    friend ExactValue operator-(const ExactValue& a, const ExactValue& b);
    friend ExactValue operator*(const ExactValue& a, const ExactValue& b);
    // `b` must not be zero.
    friend ExactValue operator/(const ExactValue& a, const ExactValue& b);
    friend ExactValue operator-(const ExactValue& a);

    bool isZero() const;
    // The sign, zero's included: "-0" is negative.
    bool isNegative() const;
    // The nearest double, ties to even; ±inf beyond the largest double, a
    // signed zero below half the smallest.
    double toDouble() const;
    // The value as hi + lo within a relative 2^-104, when that is cheap to
    // tell (a double, a decimal of up to 19 digits with a small exponent).
    bool approximate(DoubleDouble& out) const;
    // Whether the value is a rational number (no π in it) whose numerator or
    // denominator takes more than `bits` bits: a bound on runaway arithmetic.
    bool largerThanBits(unsigned long bits) const;

    // The nearest multiple of 10^-decimals (of 10^|decimals| when negative),
    // halves away from zero: how a number is cut to the digits shown.
    ExactValue roundedToDecimals(long decimals) const;
    // The whole part, toward zero.
    ExactValue wholePart() const;

private:
    struct Terms;
    struct TermsDeleter {
        void operator()(Terms* terms) const noexcept;
    };
    using TermsPointer = std::unique_ptr<Terms, TermsDeleter>;
    enum class Form : std::uint8_t { Double, Decimal, Full };

    static ExactValue withTerms();  // zero, in the full form
    const Terms& asFull(Terms& scratch) const;

    Form form_ = Form::Double;
    bool negative_ = false;       // of a zero, or of the Decimal form
    double double_ = 0;           // Form::Double
    std::uint64_t mantissa_ = 0;  // Form::Decimal: ± mantissa_ × 10^exponent_
    long exponent_ = 0;
    TermsPointer full_;  // Form::Full
};

}  // namespace ambrel
