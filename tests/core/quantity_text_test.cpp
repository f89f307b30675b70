// SPDX-License-Identifier: GPL-3.0-or-later
// The quantity reader: arithmetic, amounts in units, and what it refuses.
#include "framework/entry.h"
#include "framework/quantity_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

using namespace ambrel;

namespace {

TEST(QuantityText, ArithmeticFollowsPrecedence)
{
    // clang-format off
    const std::pair<const char*, double> cases[] = {
        {"", 0}, {"  12.5\t", 12.5}, {"1+2*3", 7}, {"(1+2)*3", 9}, {"2*3/4", 1.5},
        {"8/2/2", 2}, {"10-4-3", 3},  // left to right
        {"-2*3", -6}, {"2*-3", -6}, {"--5", 5}, {"\u22125", -5}, {"3 \u2212 5", -2},  // the Unicode minus
        {"-(2+3)", -5}, {"1e3/4", 250}, {"1.5e-3*2", 0.003}, {".5+5.", 5.5}, {"+7", 7}, {"((((1))))", 1},
    };
    // clang-format on
    for (const auto& [text, value] : cases) {
        const QuantityReading r = readAmount(text);
        ASSERT_TRUE(r.ok()) << text << ": " << r.message;
        ASSERT_EQ(r.terms.size(), 1u) << text;
        EXPECT_EQ(r.terms[0].value, value) << text;
    }
    // A negative zero stays one (1/x of it is -inf in the fuel window).
    EXPECT_TRUE(std::signbit(readAmount("-0").terms[0].value));
}

TEST(QuantityText, AmountsSideBySideEachKeepTheirUnit)
{
    // clang-format off
    const std::pair<const char*, std::vector<std::pair<double, std::string>>> cases[] = {
        {"5 ft 3 in", {{5, "ft"}, {3, "in"}}}, {"5ft 3in", {{5, "ft"}, {3, "in"}}}, {"1 h 30 min", {{1, "h"}, {30, "min"}}},
        {"-1 h 30 min", {{-1, "h"}, {-30, "min"}}},  // the sign of the whole
        {"1 h - 30 min", {{1, "h"}, {-30, "min"}}}, {"2 lb + 3 oz", {{2, "lb"}, {3, "oz"}}}, {"3*4 m ft", {{12, "m ft"}}},
        {"1/2 cup ml", {{0.5, "cup ml"}}}, {"100 km/hr", {{100, "km/hr"}}}, {"1 l/100km", {{1, "l/100km"}}},
        {"2 m^2", {{2, "m^2"}}}, {"2 m\u00b2", {{2, "m\u00b2"}}}, {"1 light-year", {{1, "light-year"}}},
        {"1 calorie (physics) J", {{1, "calorie (physics) J"}}}, {"3  US   gallon", {{3, "US gallon"}}},
        {"5 \u00b5m", {{5, "\u00b5m"}}},
    };
    // clang-format on
    for (const auto& [text, terms] : cases) {
        const QuantityReading r = readQuantity(text);
        ASSERT_TRUE(r.ok()) << text << ": " << r.message;
        ASSERT_EQ(r.terms.size(), terms.size()) << text;
        for (std::size_t i = 0; i < r.terms.size(); ++i)
            EXPECT_EQ(std::pair(r.terms[i].value, r.terms[i].unit), terms[i]) << text;
    }
    EXPECT_EQ(readQuantity("12 \u00b5m").terms[0].unitAt, 4u);  // characters, not bytes
}

TEST(QuantityText, RefusalsSayWhereAndWhy)
{
    // clang-format off
    const struct { const char* text; std::size_t position; const char* why; } cases[] = {
        {"1+", 3, "expected a number"},       {"*2", 1, "expected a number"},     {"(1+2", 1, "unclosed parenthesis"},
        {"1+2)", 4, "expected an operator"},  {"5 3", 3, "expected an operator"}, {"1/0", 2, "division by zero"},
        {"1/(2-2)", 2, "division by zero"},   {"abc", 1, "not a number"},         {"12abc", 3, "not a number"},
        {"0x1A", 2, "not a number"},          {"nan", 1, "not a number"},         {"1.2.3", 1, "not a number"},
        {"1e308*10", 6, "too large"},         {"1e309", 1, "too large"},          {"1e-400", 1, "too small"},
        {"\u22125 ft", 4, "not a number"},  // a unit where none is taken
        {"1\x1b[2J", 2, "control character"},
    };
    // clang-format on
    for (const auto& c : cases) {
        const QuantityReading r = readAmount(c.text);
        ASSERT_FALSE(r.ok()) << c.text;
        EXPECT_TRUE(r.terms.empty()) << c.text;
        EXPECT_EQ(r.position, c.position) << c.text << ": " << r.message;
        EXPECT_NE(describe(r).find(c.why), std::string::npos) << c.text << ": " << describe(r);
    }
    // With units: every amount of a sum needs one.
    const QuantityReading bare = readQuantity("5 ft 3");
    EXPECT_FALSE(bare.ok());
    EXPECT_EQ(bare.position, 7u);
    EXPECT_FALSE(readQuantity("5 ft (").ok());
    EXPECT_FALSE(readQuantity("5 ft )").ok());
}

TEST(QuantityText, HostileTextIsRefusedNotFollowed)
{
    // Nesting beyond the limit, and a long run of signs, end in a refusal
    // rather than a deep recursion.
    const std::string deep = std::string(100000, '(') + "1" + std::string(100000, ')');
    EXPECT_NE(describe(readAmount(deep)).find("too deeply nested"), std::string::npos);
    EXPECT_FALSE(readAmount(std::string(100000, '-') + "1").ok());
    EXPECT_TRUE(readAmount(std::string(kDeepestParentheses, '(') + "1" + std::string(kDeepestParentheses, ')')).ok());
    EXPECT_FALSE(readAmount(std::string("1\0002", 3)).ok());
    EXPECT_EQ(readAmount("1" + std::string(kLongestNumberText, '0')).error, NumberError::TooLong);
}

TEST(QuantityText, CommaLocalesReadTheirSeparator)
{
    EXPECT_EQ(readAmount("1,5*2", ',').terms[0].value, 3);
    EXPECT_EQ(readAmount("1.5+1,5", ',').terms[0].value, 3);
    EXPECT_EQ(readAmount("1.500", ',').error, NumberError::AmbiguousPeriod);
    EXPECT_FALSE(readAmount("1,5", '.').ok());
}

}  // namespace

// Digits grouped as the windows show them read as the plain number reader
// reads them, in a sum too; a malformed grouping is refused by both.
TEST(QuantityText, GroupedDigitsReadAsTheNumberReaderReadsThem)
{
    for (const char* text : {"1\u202F001", "-12\u202F345\u202F678.5", "1\u202F001e3", "12\u202F34", "1\u202F0001"}) {
        const NumberReading n = readNumber(text);
        const QuantityReading a = readAmount(text);
        EXPECT_EQ(n.ok(), a.ok()) << text;
        if (n.ok() && a.ok()) {
            EXPECT_EQ(n.value, a.terms.front().value) << text;
        }
    }
    const QuantityReading sum = readQuantity("1\u202F001 m 5 cm");
    ASSERT_TRUE(sum.ok()) << sum.message;
    ASSERT_EQ(sum.terms.size(), 2u);
    EXPECT_EQ(sum.terms[0].value, 1001);
}
