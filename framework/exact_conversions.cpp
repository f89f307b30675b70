// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/exact_conversions.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <map>
#include <memory>
#include <stdexcept>

namespace ambrel {

namespace {

using Kind = ExactSize::Kind;

// Sums and products of double-double numbers (Dekker, Knuth). Each is
// within a relative 2^-104 or so of the exact operation on its operands.
DoubleDouble quickTwoSum(double a, double b)
{
    const double s = a + b;
    return {s, b - (s - a)};
}

DoubleDouble multiply(DoubleDouble a, DoubleDouble b)
{
    const double p = a.hi * b.hi;
    double e = std::fma(a.hi, b.hi, -p);
    e += a.hi * b.lo + a.lo * b.hi;
    return quickTwoSum(p, e);
}

DoubleDouble add(DoubleDouble a, DoubleDouble b)
{
    const double s = a.hi + b.hi;
    const double v = s - a.hi;
    double e = (a.hi - (s - v)) + (b.hi - v);
    e += a.lo + b.lo;
    return quickTwoSum(s, e);
}

DoubleDouble divide(DoubleDouble c, DoubleDouble x)
{
    const double q1 = c.hi / x.hi;
    const double p = q1 * x.hi;
    const double pe = std::fma(q1, x.hi, -p);
    const double r = ((c.hi - p) - pe) + c.lo - q1 * x.lo;
    return quickTwoSum(q1, r / x.hi);
}

DoubleDouble nearestDoubleDouble(const ExactValue& v)
{
    const double hi = v.toDouble();
    if (!std::isfinite(hi))
        return {hi, 0};
    return {hi, (v - ExactValue::ofDouble(hi)).toDouble()};
}

// The double nearest to a number known as y to within `bound`, if no
// other double can be nearer to any number in that interval.
std::optional<double> surelyRounded(DoubleDouble y, double bound)
{
    y = quickTwoSum(y.hi, y.lo);
    const double magnitude = std::fabs(y.hi);
    // Well inside the normal range, where every gap is a full ulp.
    if (!(magnitude > 0x1p-1000 && magnitude < 0x1p1000))
        return std::nullopt;
    // The gaps to the neighbours: for a positive double those are one step
    // of its bit pattern away.
    const auto pattern = std::bit_cast<std::uint64_t>(magnitude);
    const double up = std::bit_cast<double>(pattern + 1) - magnitude;
    const double down = magnitude - std::bit_cast<double>(pattern - 1);
    const bool outward = (y.lo > 0) == (y.hi > 0);
    const double same = 0.5 * (outward ? up : down) * (1 - 0x1p-20);
    const double other = 0.5 * (outward ? down : up) * (1 - 0x1p-20);
    if (std::fabs(y.lo) + bound < same && bound < other)
        return y.hi;
    return std::nullopt;
}

// to = from × ratio + shift, or ratio ÷ from when one of the two units is
// reciprocal.
void exactConstants(const ExactSize& f, const ExactSize& t, bool& reciprocal, ExactValue& ratio, ExactValue& shift)
{
    if (f.kind == Kind::None || t.kind == Kind::None)
        throw std::logic_error("an exact conversion of a unit without an exact size");
    const ExactValue fs = ExactValue::ofSize(f.scale), ts = ExactValue::ofSize(t.scale);
    reciprocal = f.kind != t.kind;
    shift = ExactValue();
    if (f.kind == Kind::Linear && t.kind == Kind::Linear) {
        // base = v × fs + fo, to = (base − to) ÷ ts
        ratio = fs / ts;
        shift = (ExactValue::ofSize(f.offset) - ExactValue::ofSize(t.offset)) / ts;
        return;
    }
    if (!f.offset.isZero() || !t.offset.isZero())
        throw std::logic_error("a reciprocal unit beside an offset scale");
    if (f.kind == Kind::Reciprocal && t.kind == Kind::Reciprocal)
        ratio = ts / fs;  // base = fs ÷ v, to = ts ÷ base
    else if (f.kind == Kind::Linear)
        ratio = ts / fs;  // base = v × fs, to = ts ÷ base
    else
        ratio = fs / ts;  // base = fs ÷ v, to = base ÷ ts
}

// A unit size's fraction, times its power of π, to within a relative
// 2^-103 or so: enough for the quick way, whose bound is far wider. False
// when its numbers are too large to take apart exactly.
bool approximateSize(const ExactNumber& x, DoubleDouble& out)
{
    using Int = ExactNumber::Int;
    constexpr Int kLargest = Int(1) << 120;
    if (x.num() > kLargest || x.num() < -kLargest || x.den() > kLargest)
        return false;
    const auto split = [](Int n) {
        const auto hi = static_cast<double>(n);
        return DoubleDouble{hi, static_cast<double>(n - static_cast<Int>(hi))};
    };
    constexpr DoubleDouble kPi = {0x1.921fb54442d18p+1, 0x1.1a62633145c07p-53};
    out = divide(split(x.num()), split(x.den()));
    for (int k = 0; k < std::abs(x.piPower()); ++k)
        out = x.piPower() > 0 ? multiply(out, kPi) : divide(out, kPi);
    return true;
}

// The pair's constants from the sizes' own fractions, as exactConstants
// works them out, without big numbers; false when the fractions grow too
// large for that.
bool quickConstants(const ExactSize& f, const ExactSize& t, ExactConversions::Pair& p)
{
    if (f.kind == Kind::None || t.kind == Kind::None)
        return false;
    try {
        ExactNumber ratio, shift;
        p.reciprocal = f.kind != t.kind;
        if (f.kind == Kind::Linear && t.kind == Kind::Linear) {
            ratio = f.scale / t.scale;
            shift = (f.offset - t.offset) / t.scale;
        } else if (!f.offset.isZero() || !t.offset.isZero()) {
            return false;
        } else {
            ratio = f.kind == Kind::Reciprocal && t.kind == Kind::Linear ? f.scale / t.scale : t.scale / f.scale;
        }
        return approximateSize(ratio, p.ratio) && approximateSize(shift, p.shift);
    } catch (const char*) {
        return false;  // a fraction beyond 128 bits
    }
}

// Far beyond the error of the few double-double operations above, so that
// a result passed as sure is sure.
constexpr double kRelativeBound = 0x1p-96;

}  // namespace

ExactConversions::ExactConversions(std::span<const UnitRow> rows)
    : rows_(rows), count_(static_cast<int>(rows.size())), pairs_(rows.size() * rows.size())
{}

const ExactConversions::Pair& ExactConversions::pair(int from, int to) const
{
    Pair& p = pairs_[static_cast<std::size_t>(from * count_ + to)];
    if (!p.ready) {
        if (!quickConstants(rows_[from].exact, rows_[to].exact, p)) {
            ExactValue ratio, shift;
            exactConstants(rows_[from].exact, rows_[to].exact, p.reciprocal, ratio, shift);
            p.ratio = nearestDoubleDouble(ratio);
            p.shift = nearestDoubleDouble(shift);
        }
        p.ready = true;
    }
    return p;
}

std::optional<ExactValue> ExactConversions::convertExactly(int from, int to, const ExactValue& value) const
{
    return ambrel::convertExactly(rows_[from], rows_[to], value);
}

std::optional<ExactValue> convertExactly(const UnitRow& from, const UnitRow& to, const ExactValue& value)
{
    if (from.exact.kind == Kind::None || to.exact.kind == Kind::None)
        return std::nullopt;
    bool reciprocal = false;
    ExactValue ratio, shift;
    exactConstants(from.exact, to.exact, reciprocal, ratio, shift);
    if (!reciprocal)
        return shift.isZero() ? value * ratio : value * ratio + shift;
    if (value.isZero())
        return std::nullopt;
    return ratio / value;
}

double ExactConversions::convert(int from, int to, const ExactValue& value) const
{
    const Pair& p = pair(from, to);
    DoubleDouble x;
    if (value.approximate(x) && x.hi != 0) {
        std::optional<double> quick;
        if (p.reciprocal) {
            const DoubleDouble y = divide(p.ratio, x);
            quick = surelyRounded(y, kRelativeBound * std::fabs(y.hi));
        } else {
            const DoubleDouble product = multiply(x, p.ratio);
            const DoubleDouble y = p.shift.hi == 0 ? product : add(product, p.shift);
            quick = surelyRounded(y, kRelativeBound * (std::fabs(product.hi) + std::fabs(p.shift.hi)));
        }
        if (quick)
            return *quick;
    }
    if (const std::optional<ExactValue> exact = convertExactly(from, to, value))
        return exact->toDouble();
    return value.isNegative() ? -HUGE_VAL : HUGE_VAL;
}

double ExactConversions::convertNonFinite(int from, int to, double value) const
{
    const Pair& p = pair(from, to);
    return p.reciprocal ? p.ratio.hi / value : value * p.ratio.hi + p.shift.hi;
}

const ExactConversions& exactConversions(std::span<const UnitRow> rows)
{
    static std::map<const UnitRow*, std::unique_ptr<ExactConversions>> cache;
    auto& slot = cache[rows.data()];
    if (!slot)
        slot = std::make_unique<ExactConversions>(rows);
    return *slot;
}

}  // namespace ambrel
