// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/mixed_amounts.h"

#include "framework/number_text.h"

#include <cmath>

namespace ambrel {

namespace {

ExactValue magnitude(const ExactValue& v)
{
    return v.isNegative() ? -v : v;
}

bool lessThan(const ExactValue& a, const ExactValue& b)
{
    const ExactValue d = a - b;
    return !d.isZero() && d.isNegative();
}

// The power of ten of a nonzero value's first digit.
long leadingPower(const ExactValue& v)
{
    const double d = std::fabs(v.toDouble());
    return d > 0 && std::isfinite(d) ? static_cast<long>(std::floor(std::log10(d))) : 0;
}

// The decimals the last part keeps. Never finer than a double holds the
// whole amount to: a part below that would only show the noise of a table's
// factor.
long decimalsFor(const ExactValue& rest, const ExactValue& total, MixedDigits digits)
{
    constexpr long kDoubleDigits = 15;
    long decimals = 0;
    if (!digits.significant && digits.digits < kFullPrecisionDigits)
        decimals = digits.digits;
    else
        decimals = std::min(digits.digits, kFullPrecisionDigits) - 1 - (rest.isZero() ? 0 : leadingPower(rest));
    if (!total.isZero())
        decimals = std::min(decimals, kDoubleDigits - 1 - leadingPower(total));
    return decimals;
}

}  // namespace

std::optional<MixedAmount> splitAmount(const ExactValue& total, std::span<const ExactValue> sizes, MixedDigits digits)
{
    MixedAmount out;
    const ExactValue whole = magnitude(total);
    if (!sizes.empty() && (whole / sizes.front()).toDouble() >= kLargestWholePart)
        return std::nullopt;
    ExactValue left = whole;
    for (const ExactValue& size : sizes) {
        out.wholes.push_back((left / size).wholePart());
        left = left - out.wholes.back() * size;
    }
    const long decimals = decimalsFor(left, whole, digits);
    out.rest = left.roundedToDecimals(decimals);
    // A size that is no round number (a classic factor) can leave a rest
    // that rounds up to it: that much goes to the unit before.
    if (!sizes.empty() && !lessThan(out.rest, sizes.back())) {
        out.wholes.back() = out.wholes.back() + ExactValue::ofDouble(1);
        out.rest = (left - sizes.back()).roundedToDecimals(decimals);
        if (out.rest.isNegative())
            out.rest = ExactValue();
        for (std::size_t i = sizes.size() - 1; i > 0; --i) {
            const ExactValue ratio = sizes[i - 1] / sizes[i];
            if (!(ratio.wholePart() - ratio).isZero() || lessThan(out.wholes[i], ratio))
                break;
            out.wholes[i] = out.wholes[i] - ratio;
            out.wholes[i - 1] = out.wholes[i - 1] + ExactValue::ofDouble(1);
        }
    }
    bool zero = out.rest.isZero();
    for (const ExactValue& w : out.wholes)
        zero = zero && w.isZero();
    out.negative = total.isNegative() && !zero;
    return out;
}

std::string mixedText(const MixedAmount& amount, std::span<const std::string> units,
                      const std::function<std::string(double)>& showRest)
{
    std::string text = amount.negative ? "-" : "";
    for (std::size_t i = 0; i < amount.wholes.size() && i < units.size(); ++i)
        text += formatShown(amount.wholes[i].toDouble(), 0) + " " + units[i] + " ";
    text += showRest(amount.rest.toDouble());
    if (!units.empty())
        text += " " + units.back();
    return text;
}

}  // namespace ambrel
