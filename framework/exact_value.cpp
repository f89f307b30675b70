// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/exact_value.h"

#include <gmpxx.h>
#include <mpfr.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>
#include <utility>
#include <vector>

namespace ambrel {

namespace {

constexpr double kPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                   1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
constexpr long kLargestExactPower = 22;  // 10^22 is the last power of ten a double holds
constexpr std::uint64_t kTwo53 = std::uint64_t(1) << 53;

mpz_class integerOf(ExactNumber::Int n)
{
    __extension__ using Unsigned = unsigned __int128;
    const bool negative = n < 0;
    const Unsigned magnitude = negative ? -static_cast<Unsigned>(n) : static_cast<Unsigned>(n);
    mpz_class z = static_cast<unsigned long>(magnitude >> 64);
    z <<= 64;
    z += static_cast<unsigned long>(magnitude & 0xFFFFFFFFFFFFFFFFu);
    return negative ? mpz_class(-z) : z;
}

mpz_class powerOfTen(unsigned long exponent)
{
    mpz_class p;
    mpz_ui_pow_ui(p.get_mpz_t(), 10, exponent);
    return p;
}

class Mpfr {
public:
    explicit Mpfr(mpfr_prec_t precision) { mpfr_init2(x, precision); }
    ~Mpfr() { mpfr_clear(x); }
    Mpfr(const Mpfr&) = delete;
    Mpfr& operator=(const Mpfr&) = delete;
    mpfr_t x;
};

// Rounds `approx` (within 2^(exponent(approx) - errorBits) of the true
// value; errorBits < 0 means exact) to the nearest double, subnormals
// included, if the error allows telling which double is nearest.
bool roundToDouble(Mpfr& approx, long errorBits, double& out)
{
    if (mpfr_zero_p(approx.x)) {
        out = 0;
        return errorBits < 0;
    }
    const mpfr_exp_t e = mpfr_get_exp(approx.x);  // value in [2^(e-1), 2^e)
    const bool negative = mpfr_signbit(approx.x) != 0;
    if (e >= 1025) {
        out = negative ? -HUGE_VAL : HUGE_VAL;
        return true;
    }
    // Bits the double keeps: 53, fewer below the normal range.
    const long bits = std::min<long>(53, static_cast<long>(e) + 1074);
    if (bits <= 0) {
        // At most half the smallest subnormal: zero, half itself included
        // (ties go to the even neighbour). Above half: the smallest.
        double magnitude = 0;
        if (bits == 0) {
            const int half = mpfr_cmp_ui_2exp(approx.x, 1, -1075) * (negative ? -1 : 1);
            if (half == 0 && errorBits >= 0)
                return false;  // too close to half to tell
            if (half > 0)
                magnitude = std::numeric_limits<double>::denorm_min();
        }
        out = negative ? -magnitude : magnitude;
        return true;
    }
    if (errorBits >= 0 && !mpfr_can_round(approx.x, errorBits, MPFR_RNDN, MPFR_RNDZ, bits + 1))
        return false;
    Mpfr r(bits);
    mpfr_set(r.x, approx.x, MPFR_RNDN);
    out = mpfr_get_d(r.x, MPFR_RNDN);  // exact: r has at most the double's bits
    return true;
}

}  // namespace

// Σ q × π^power over the terms, powers ascending, no zero term. An empty
// list is zero.
struct ExactValue::Terms {
    struct Term {
        int power;
        mpq_class q;
    };
    std::vector<Term> terms;
};

void ExactValue::TermsDeleter::operator()(Terms* terms) const noexcept
{
    delete terms;
}

ExactValue::ExactValue(const ExactValue& other)
    : form_(other.form_), negative_(other.negative_), double_(other.double_), mantissa_(other.mantissa_),
      exponent_(other.exponent_), full_(other.full_ ? TermsPointer(new Terms(*other.full_)) : nullptr)
{}

ExactValue& ExactValue::operator=(const ExactValue& other)
{
    if (this != &other) {
        ExactValue copy(other);
        *this = std::move(copy);
    }
    return *this;
}

ExactValue::ExactValue(ExactValue&&) noexcept = default;
ExactValue& ExactValue::operator=(ExactValue&&) noexcept = default;
ExactValue::~ExactValue() = default;

ExactValue ExactValue::ofDouble(double value)
{
    if (!std::isfinite(value))
        throw std::invalid_argument("an exact value of a number that is not finite");
    ExactValue v;
    v.form_ = Form::Double;
    v.double_ = value;
    v.negative_ = std::signbit(value);
    return v;
}

ExactValue ExactValue::ofDecimal(bool negative, std::uint64_t mantissa, long exponent)
{
    ExactValue v;
    v.form_ = Form::Decimal;
    v.negative_ = negative;
    v.mantissa_ = mantissa;
    v.exponent_ = mantissa == 0 ? 0 : exponent;
    return v;
}

ExactValue ExactValue::ofDecimalDigits(bool negative, std::string_view digits, long exponent)
{
    while (!digits.empty() && digits.front() == '0')
        digits.remove_prefix(1);
    while (!digits.empty() && digits.back() == '0') {
        digits.remove_suffix(1);
        ++exponent;
    }
    if (digits.size() <= 19) {
        std::uint64_t m = 0;
        for (const char c : digits)
            m = m * 10 + static_cast<std::uint64_t>(c - '0');
        return ofDecimal(negative, m, exponent);
    }
    ExactValue v = withTerms();
    v.negative_ = negative;
    mpq_class q(mpz_class(std::string(digits), 10));
    if (exponent > 0)
        q *= powerOfTen(static_cast<unsigned long>(exponent));
    else if (exponent < 0)
        q /= powerOfTen(static_cast<unsigned long>(-exponent));
    q.canonicalize();
    if (negative)
        q = -q;
    v.full_->terms.push_back({0, std::move(q)});
    return v;
}

ExactValue ExactValue::withTerms()
{
    ExactValue v;
    v.form_ = Form::Full;
    v.full_ = TermsPointer(new Terms);
    return v;
}

ExactValue ExactValue::ofSize(const ExactNumber& size)
{
    ExactValue v = withTerms();
    if (!size.isZero()) {
        mpq_class q(integerOf(size.num()), integerOf(size.den()));
        q.canonicalize();
        v.negative_ = q < 0;
        v.full_->terms.push_back({size.piPower(), std::move(q)});
    }
    return v;
}

const ExactValue::Terms& ExactValue::asFull(Terms& scratch) const
{
    if (form_ == Form::Full)
        return *full_;
    scratch.terms.clear();
    mpq_class q;
    if (form_ == Form::Double) {
        if (double_ == 0)
            return scratch;
        int e = 0;
        const double m = std::frexp(double_, &e);  // |m| in [0.5, 1)
        // 53 bits of the significand as an integer.
        const auto significand = static_cast<long long>(std::ldexp(m, 53));
        q = mpz_class(static_cast<long>(significand));
        e -= 53;
        if (e > 0)
            mpz_mul_2exp(q.get_num_mpz_t(), q.get_num_mpz_t(), static_cast<mp_bitcnt_t>(e));
        else if (e < 0)
            mpz_mul_2exp(q.get_den_mpz_t(), q.get_den_mpz_t(), static_cast<mp_bitcnt_t>(-e));
    } else {
        if (mantissa_ == 0)
            return scratch;
        q = mpz_class(static_cast<unsigned long>(mantissa_));
        if (exponent_ > 0)
            q *= powerOfTen(static_cast<unsigned long>(exponent_));
        else if (exponent_ < 0)
            q /= powerOfTen(static_cast<unsigned long>(-exponent_));
        if (negative_)
            q = -q;
    }
    q.canonicalize();
    scratch.terms.push_back({0, std::move(q)});
    return scratch;
}

bool ExactValue::isZero() const
{
    switch (form_) {
    case Form::Double: return double_ == 0;
    case Form::Decimal: return mantissa_ == 0;
    case Form::Full: return full_->terms.empty();
    }
    return true;
}

bool ExactValue::isNegative() const
{
    if (form_ == Form::Full && !full_->terms.empty()) {
        // Rational terms alone (the usual case) tell by their sign; with π,
        // the rounded value does.
        if (full_->terms.size() == 1)
            return full_->terms.front().q < 0;
        return std::signbit(toDouble());
    }
    return negative_;
}

ExactValue operator+(const ExactValue& a, const ExactValue& b)
{
    ExactValue::Terms sa, sb;
    const auto& x = a.asFull(sa).terms;
    const auto& y = b.asFull(sb).terms;
    ExactValue r = ExactValue::withTerms();
    auto& out = r.full_->terms;
    std::size_t i = 0, j = 0;
    while (i < x.size() || j < y.size()) {
        if (j >= y.size() || (i < x.size() && x[i].power < y[j].power)) {
            out.push_back(x[i++]);
        } else if (i >= x.size() || y[j].power < x[i].power) {
            out.push_back(y[j++]);
        } else {
            mpq_class s = x[i].q + y[j].q;
            if (s != 0)
                out.push_back({x[i].power, std::move(s)});
            ++i;
            ++j;
        }
    }
    // IEEE's zeros: -0 + -0 is -0, any other zero sum +0.
    r.negative_ = out.empty() ? a.isZero() && b.isZero() && a.isNegative() && b.isNegative() : false;
    return r;
}

ExactValue operator-(const ExactValue& a)
{
    ExactValue r(a);
    switch (r.form_) {
    case ExactValue::Form::Double: r.double_ = -r.double_; break;
    case ExactValue::Form::Decimal: break;
    case ExactValue::Form::Full:
        for (auto& t : r.full_->terms)
            t.q = -t.q;
        break;
    }
    r.negative_ = !r.negative_;
    return r;
}

ExactValue operator-(const ExactValue& a, const ExactValue& b)
{
    return a + -b;
}

ExactValue operator*(const ExactValue& a, const ExactValue& b)
{
    ExactValue::Terms sa, sb;
    const auto& x = a.asFull(sa).terms;
    const auto& y = b.asFull(sb).terms;
    ExactValue r = ExactValue::withTerms();
    auto& out = r.full_->terms;
    for (const auto& s : x)
        for (const auto& t : y) {
            const int power = s.power + t.power;
            mpq_class p = s.q * t.q;
            auto at = std::find_if(out.begin(), out.end(), [&](const auto& u) { return u.power >= power; });
            if (at != out.end() && at->power == power)
                at->q += p;
            else
                out.insert(at, {power, std::move(p)});
        }
    std::erase_if(out, [](const auto& u) { return u.q == 0; });
    r.negative_ = out.empty() ? a.isNegative() != b.isNegative() : false;
    return r;
}

ExactValue operator/(const ExactValue& a, const ExactValue& b)
{
    ExactValue::Terms sb;
    const auto& y = b.asFull(sb).terms;
    if (y.empty())
        throw std::domain_error("division by zero");
    if (y.size() != 1)
        throw std::logic_error("division by a sum with π in it");
    ExactValue inverse = ExactValue::withTerms();
    inverse.full_->terms.push_back({-y.front().power, 1 / y.front().q});
    ExactValue r = a * inverse;
    if (r.isZero())
        r.negative_ = a.isNegative() != b.isNegative();
    return r;
}

bool ExactValue::largerThanBits(unsigned long bits) const
{
    if (form_ != Form::Full)
        return form_ == Form::Decimal && static_cast<unsigned long>(std::labs(exponent_)) * 4 > bits;
    for (const auto& t : full_->terms)
        if (mpz_sizeinbase(t.q.get_num_mpz_t(), 2) > bits || mpz_sizeinbase(t.q.get_den_mpz_t(), 2) > bits)
            return true;
    return false;
}

namespace {

// value × 10^decimals as an integer: toward zero, or to the nearest with
// halves away from zero. A value with π in it is irrational, so working it
// out to more bits always tells which integer it is.
mpz_class scaledInteger(const std::vector<std::pair<int, mpq_class>>& terms, bool nearest)
{
    if (terms.empty())
        return 0;
    if (terms.size() == 1 && terms.front().first == 0) {
        const mpq_class& q = terms.front().second;
        mpz_class magnitude;
        if (nearest) {
            // floor(|n| / d + 1/2) = floor((2|n| + d) / 2d)
            const mpz_class twice = 2 * abs(q.get_num()) + q.get_den();
            mpz_fdiv_q(magnitude.get_mpz_t(), twice.get_mpz_t(), mpz_class(2 * q.get_den()).get_mpz_t());
        } else {
            mpz_tdiv_q(magnitude.get_mpz_t(), mpz_class(abs(q.get_num())).get_mpz_t(), q.get_den_mpz_t());
        }
        return q < 0 ? mpz_class(-magnitude) : magnitude;
    }
    long maxPower = 0;
    mpfr_exp_t largestInput = 0;
    for (const auto& [power, q] : terms) {
        maxPower = std::max(maxPower, std::labs(power));
        largestInput =
            std::max<mpfr_exp_t>(largestInput, static_cast<mpfr_exp_t>(mpz_sizeinbase(q.get_num_mpz_t(), 2)));
    }
    const long slack = 8 + static_cast<long>(terms.size()) + maxPower;
    for (mpfr_prec_t precision = 128 + largestInput + 4 * maxPower;; precision *= 2) {
        Mpfr sum(precision), term(precision), pi(precision), error(precision), low(precision), high(precision);
        mpfr_const_pi(pi.x, MPFR_RNDN);
        mpfr_set_zero(sum.x, 1);
        mpfr_exp_t largest = std::numeric_limits<mpfr_exp_t>::min();
        for (const auto& [power, q] : terms) {
            mpfr_set_q(term.x, q.get_mpq_t(), MPFR_RNDN);
            for (int k = 0; k < std::abs(power); ++k)
                if (power > 0)
                    mpfr_mul(term.x, term.x, pi.x, MPFR_RNDN);
                else
                    mpfr_div(term.x, term.x, pi.x, MPFR_RNDN);
            largest = std::max(largest, mpfr_get_exp(term.x));
            mpfr_add(sum.x, sum.x, term.x, MPFR_RNDN);
        }
        // The same bound as the rounding to a double: within
        // 2^(largest - precision + slack) of the value.
        mpfr_set_ui_2exp(error.x, 1, largest - static_cast<mpfr_exp_t>(precision) + slack, MPFR_RNDU);
        mpfr_sub(low.x, sum.x, error.x, MPFR_RNDD);
        mpfr_add(high.x, sum.x, error.x, MPFR_RNDU);
        for (Mpfr* end : {&low, &high})
            if (nearest)
                mpfr_round(end->x, end->x);
            else
                mpfr_trunc(end->x, end->x);
        if (mpfr_equal_p(low.x, high.x) || precision >= (mpfr_prec_t(1) << 20)) {
            mpz_class out;
            mpfr_get_z(out.get_mpz_t(), low.x, MPFR_RNDN);
            return out;
        }
    }
}

}  // namespace

ExactValue ExactValue::roundedToDecimals(long decimals) const
{
    Terms scratch;
    std::vector<std::pair<int, mpq_class>> terms;
    const mpz_class scale = powerOfTen(static_cast<unsigned long>(std::labs(decimals)));
    for (const auto& t : asFull(scratch).terms)
        terms.emplace_back(t.power, decimals >= 0 ? mpq_class(t.q * scale) : mpq_class(t.q / scale));
    ExactValue v = withTerms();
    mpq_class q =
        decimals >= 0 ? mpq_class(scaledInteger(terms, true), scale) : mpq_class(scaledInteger(terms, true) * scale);
    q.canonicalize();
    if (q != 0) {
        v.negative_ = q < 0;
        v.full_->terms.push_back({0, std::move(q)});
    }
    return v;
}

ExactValue ExactValue::wholePart() const
{
    Terms scratch;
    std::vector<std::pair<int, mpq_class>> terms;
    for (const auto& t : asFull(scratch).terms)
        terms.emplace_back(t.power, t.q);
    ExactValue v = withTerms();
    mpq_class q(scaledInteger(terms, false));
    if (q != 0) {
        v.negative_ = q < 0;
        v.full_->terms.push_back({0, std::move(q)});
    }
    return v;
}

double ExactValue::toDouble() const
{
    if (form_ == Form::Double)
        return double_;
    if (form_ == Form::Decimal) {
        if (mantissa_ == 0)
            return negative_ ? -0.0 : 0.0;
        // Both operands exact: one rounding.
        if (mantissa_ <= kTwo53 && std::labs(exponent_) <= kLargestExactPower) {
            const auto m = static_cast<double>(mantissa_);
            const double p = kPowersOfTen[std::labs(exponent_)];
            const double v = exponent_ >= 0 ? m * p : m / p;
            return negative_ ? -v : v;
        }
    }
    Terms scratch;
    const auto& terms = asFull(scratch).terms;
    if (terms.empty())
        return negative_ ? -0.0 : 0.0;
    // Ziv's way: work the value out to more bits until its rounding is sure.
    long maxPower = 0;
    for (const auto& t : terms)
        maxPower = std::max(maxPower, std::labs(t.power));
    for (mpfr_prec_t precision = 128;; precision *= 2) {
        Mpfr sum(precision), term(precision), pi(precision);
        bool exact = true;
        if (maxPower > 0) {
            mpfr_const_pi(pi.x, MPFR_RNDN);
            exact = false;
        }
        mpfr_set_zero(sum.x, 1);
        mpfr_exp_t largest = std::numeric_limits<mpfr_exp_t>::min();
        for (const auto& t : terms) {
            exact = mpfr_set_q(term.x, t.q.get_mpq_t(), MPFR_RNDN) == 0 && exact;
            for (int k = 0; k < std::abs(t.power); ++k)
                if (t.power > 0)
                    mpfr_mul(term.x, term.x, pi.x, MPFR_RNDN);
                else
                    mpfr_div(term.x, term.x, pi.x, MPFR_RNDN);
            largest = std::max(largest, mpfr_get_exp(term.x));
            exact = mpfr_add(sum.x, sum.x, term.x, MPFR_RNDN) == 0 && exact;
        }
        // Each term is within (|power| + 1) roundings of its value, the sum
        // adds one more a term: all well within 2^(largest - precision + 8)
        // for the few terms and powers units have.
        long errorBits = -1;  // exact
        if (!exact) {
            const long slack = 8 + static_cast<long>(terms.size()) + maxPower;
            errorBits = mpfr_zero_p(sum.x)
                ? 0
                : static_cast<long>(precision) - slack - static_cast<long>(largest - mpfr_get_exp(sum.x));
        }
        double out = 0;
        if (errorBits != 0 && (exact || errorBits > 0) && roundToDouble(sum, exact ? -1 : errorBits, out))
            return out;
        if (precision >= (mpfr_prec_t(1) << 20))
            return mpfr_get_d(sum.x, MPFR_RNDN);  // beyond any number a person types
    }
}

bool ExactValue::approximate(DoubleDouble& out) const
{
    if (form_ == Form::Double) {
        out = {double_, 0};
        return true;
    }
    if (form_ != Form::Decimal || std::labs(exponent_) > kLargestExactPower)
        return false;
    // The mantissa as an exact sum of two doubles.
    double hi = static_cast<double>(mantissa_ & ~std::uint64_t(0xFFFFFFFF));
    double lo = static_cast<double>(mantissa_ & 0xFFFFFFFF);
    const double s = hi + lo;
    lo = lo - (s - hi);
    hi = s;
    const double p = kPowersOfTen[std::labs(exponent_)];
    if (exponent_ >= 0) {
        // (hi + lo) × p: hi × p exactly as two doubles, lo × p rounded once.
        const double h = hi * p;
        const double e = std::fma(hi, p, -h);
        const double l = e + lo * p;
        hi = h + l;
        lo = l - (hi - h);
    } else {
        // (hi + lo) ÷ p by one correction step.
        const double q1 = hi / p;
        const double r = std::fma(-q1, p, hi) + lo;  // hi - q1 × p exactly, then + lo
        const double q2 = r / p;
        hi = q1 + q2;
        lo = q2 - (hi - q1);
    }
    out = negative_ ? DoubleDouble{-hi, -lo} : DoubleDouble{hi, lo};
    return true;
}

double ExactNumber::toDouble() const
{
    return ExactValue::ofSize(*this).toDouble();
}

}  // namespace ambrel
