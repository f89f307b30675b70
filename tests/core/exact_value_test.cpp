// SPDX-License-Identifier: GPL-3.0-or-later
// Exact numbers and their one rounding: the quick double-double way must
// give what the exact way gives, ties and the edges of the double range
// included, and what is typed must read as written.
#include "framework/exact_conversions.h"
#include "framework/number_text.h"
#include "framework/quantity_text.h"

#include "app/window_registry.h"

#include <gtest/gtest.h>
#include <mpfr.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>

using namespace ambrel;

namespace {

ExactValue typed(const std::string& text)
{
    ExactValue v;
    EXPECT_TRUE(readNumber(text, '.', &v).ok()) << text;
    return v;
}

std::uint64_t bits(double d)
{
    return std::bit_cast<std::uint64_t>(d);
}

// A random decimal as a person might type it: up to 25 digits, a point
// somewhere, sometimes an exponent.
std::string randomDecimal(std::mt19937_64& random)
{
    const int digits = 1 + static_cast<int>(random() % 25);
    std::string s = random() % 4 == 0 ? "-" : "";
    const int point = static_cast<int>(random() % static_cast<unsigned>(digits + 1));
    for (int i = 0; i < digits; ++i) {
        if (i == point && i > 0)
            s += '.';
        s += static_cast<char>('0' + random() % 10);
    }
    if (random() % 3 == 0)
        s += "e" + std::to_string(static_cast<int>(random() % 80) - 40);
    return s;
}

}  // namespace

// The standard library's reader rounds correctly; the exact reading of the
// same text, rounded, must agree bit for bit, down into the subnormals.
TEST(ExactValue, TypedDecimalsRoundAsTheStandardReaderDoes)
{
    std::mt19937_64 random(26);
    std::vector<std::string> texts = {"0.1",
                                      "-0",
                                      "9007199254740993",
                                      "9007199254740995",
                                      "1e-320",
                                      "4.9e-324",
                                      "1.7976931348623157e308",
                                      "123456789012345678901234567890.5",
                                      "0.000000000000000000000000000000000000001"};
    for (int i = 0; i < 3000; ++i)
        texts.push_back(randomDecimal(random));
    for (const std::string& text : texts) {
        double want = 0;
        std::from_chars(text.data(), text.data() + text.size(), want);
        EXPECT_EQ(bits(typed(text).toDouble()), bits(want)) << text;
    }
}

// Arithmetic is exact and rounds once; results out of the double's range
// are refused at the operation, as a typed number out of range is.
TEST(ExactValue, ArithmeticRoundsOnceAndKeepsTheRange)
{
    const struct {
        const char* text;
        double want;
        NumberError error;
    } cases[] = {
        {"0.1+0.2", 0.3, NumberError::None},             // 0.30000000000000004 in doubles
        {"1/3*3", 1, NumberError::None},                 // 0.9999999999999999 in doubles
        {"1e308*10/100", 1e307, NumberError::TooLarge},  // the product alone is too large
        {"1e-320/1e10", 0, NumberError::TooSmall},
        {"4e-324/2", 0, NumberError::TooSmall},
        {"1e-320*1", 1e-320, NumberError::None},
        {"1e-400", 0, NumberError::TooSmall},
        {"-0", -0.0, NumberError::None},
    };
    for (const auto& c : cases) {
        const QuantityReading r = readAmount(c.text);
        EXPECT_EQ(r.error, c.error) << c.text;
        if (c.error == NumberError::None && r.ok()) {
            EXPECT_EQ(bits(r.terms.front().value), bits(c.want)) << c.text;
        }
    }
}

// Every pair of units in every table, with random decimals and with the
// halfway cases the quick way cannot settle: the quick way and the exact
// way give the same double.
TEST(ExactValue, QuickConversionsAgreeWithExactOnes)
{
    std::mt19937_64 random(1959);
    std::vector<std::string> texts = {"1", "0.1", "7.25", "-3", "1e-300", "9007199254740993", "0.0254"};
    for (int i = 0; i < 12; ++i)
        texts.push_back(randomDecimal(random));
    int checked = 0;
    for (const WindowEntry& entry : windowRegistry()) {
        if (!entry.def)
            continue;
        for (const std::span<const UnitRow> rows : {entry.def->rows, entry.def->altRows}) {
            const ExactConversions conversions(rows);
            for (int from = 0; from < static_cast<int>(rows.size()); ++from)
                for (int to = 0; to < static_cast<int>(rows.size()); ++to) {
                    if (!conversions.hasSize(from) || !conversions.hasSize(to) ||
                        std::string_view(entry.def->boxes[rows[from].box].base) != entry.def->boxes[rows[to].box].base)
                        continue;
                    for (const std::string& text : texts) {
                        const ExactValue v = typed(text);
                        const std::optional<ExactValue> exact = conversions.convertExactly(from, to, v);
                        const double want = exact ? exact->toDouble() : (v.isNegative() ? -HUGE_VAL : HUGE_VAL);
                        ASSERT_EQ(bits(conversions.convert(from, to, v)), bits(want))
                            << entry.cliName << ' ' << rows[from].outlet << " -> " << rows[to].outlet << ' ' << text;
                        ++checked;
                    }
                }
        }
    }
    EXPECT_GT(checked, 50000);
}

TEST(ExactValue, HalfwayResultsGoToTheEvenNeighbour)
{
    const UnitRow* kib = nullptr;
    const UnitRow* byte = nullptr;
    for (const UnitRow& row : findWindow("computing")->def->rows) {
        if (std::string_view(row.outlet) == "KilobyteField")
            kib = &row;
        if (std::string_view(row.outlet) == "ByteField")
            byte = &row;
    }
    ASSERT_TRUE(kib && byte);
    const ExactConversions conversions(findWindow("computing")->def->rows);
    const int from = static_cast<int>(kib - findWindow("computing")->def->rows.data());
    const int to = static_cast<int>(byte - findWindow("computing")->def->rows.data());
    // (2^53 + 1) × 1024 lies halfway between 2^63 and the next double up;
    // (2^53 + 3) × 1024 halfway between two doubles whose even one is above.
    EXPECT_EQ(conversions.convert(from, to, typed("9007199254740993")), 0x1p63);
    EXPECT_EQ(conversions.convert(from, to, typed("9007199254740995")), 0x1p63 + 4096);
}

// Sizes with π in them round correctly too: checked against MPFR at 1000
// bits, worked out here on its own.
TEST(ExactValue, SizesWithPiRoundCorrectly)
{
    // A parsec is 648000/π au, the au 149597870700 m.
    const ExactValue parsec = ExactValue::ofSize(ExactNumber(648000) * 149597870700 / ExactNumber::pi());
    mpfr_t x;
    mpfr_init2(x, 1000);
    mpfr_const_pi(x, MPFR_RNDN);
    mpfr_ui_div(x, 648000, x, MPFR_RNDN);
    mpfr_mul_ui(x, x, 149597870700, MPFR_RNDN);
    EXPECT_EQ(parsec.toDouble(), mpfr_get_d(x, MPFR_RNDN));
    // A sum of a term with π and one without, nearly cancelling.
    const ExactValue third = ExactValue::ofSize(ExactNumber::pi()) - typed("3.14159265358979");
    mpfr_t d;
    mpfr_init2(d, 1000);
    mpfr_set_str(d, "3.14159265358979", 10, MPFR_RNDN);
    mpfr_const_pi(x, MPFR_RNDN);
    mpfr_sub(x, x, d, MPFR_RNDN);
    EXPECT_EQ(third.toDouble(), mpfr_get_d(x, MPFR_RNDN));
    mpfr_clear(d);
    mpfr_clear(x);
}
