// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/exact.h"

#include <cmath>

namespace ambrel {

namespace {

__extension__ using Unsigned = unsigned __int128;

int bitLength(Unsigned x)
{
    int n = 0;
    for (; x; x >>= 1)
        ++n;
    return n;
}

// n / d rounded once to the nearest double, ties to even: long division
// gives 54 significant bits, the remainder tells whether anything follows.
double roundQuotient(Unsigned n, Unsigned d)
{
    if (n == 0)
        return 0;
    constexpr int kBits = 54;  // 53 of the double and one to round with
    Unsigned q = n / d, r = n % d;
    int exponent = 0;
    bool sticky = false;
    const int length = bitLength(q);
    if (length > kBits) {
        const int shift = length - kBits;
        sticky = (q & ((Unsigned(1) << shift) - 1)) != 0;
        q >>= shift;
        exponent = shift;
    } else {
        // r < d, so 2r cannot overflow.
        while (bitLength(q) < kBits) {
            r <<= 1;
            q <<= 1;
            if (r >= d) {
                r -= d;
                q |= 1;
            }
            --exponent;
        }
    }
    sticky = sticky || r != 0;
    const bool half = (q & 1) != 0;
    q >>= 1;
    ++exponent;
    if (half && (sticky || (q & 1)))
        ++q;
    return std::ldexp(static_cast<double>(static_cast<std::uint64_t>(q)), exponent);
}

}  // namespace

double ExactNumber::toDouble() const
{
    if (!isRational())
        return static_cast<double>(approx_);
    const bool negative = num_ < 0;
    const double magnitude = roundQuotient(static_cast<Unsigned>(negative ? -num_ : num_), static_cast<Unsigned>(den_));
    return negative ? -magnitude : magnitude;
}

}  // namespace ambrel
