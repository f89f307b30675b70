// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

using namespace ambrel;

TEST(FormatShown, FollowsTheDisplayRuleAtItsBoundaries)
{
    constexpr double inf = std::numeric_limits<double>::infinity();
    // clang-format off
    const struct { double value; int digits; const char* shown; } cases[] = {
        // Full precision: the shortest round-trip form, nothing padded.
        {0.3048, 99, "0.3048"}, {11.999976, 99, "11.999976"}, {12, 17, "12"}, {-40, 99, "-40"}, {0, 99, "0"},
        {-0.0, 99, "0"}, {3.086e22, 99, "3.086e+22"}, {9.876863253402463e-18, 99, "9.876863253402463e-18"},
        {999999999999999.9, 99, "999999999999999.9"}, {1e15, 99, "1e+15"}, {1e-6, 99, "0.000001"},
        {9.99e-7, 99, "9.99e-07"}, {1e300, 99, "1e+300"}, {std::numeric_limits<double>::denorm_min(), 99, "5e-324"},
        {0.1, 20, "0.1"},  // never binary noise
        // Fixed decimals, half away from zero on the shortest form.
        {11.999976, 4, "12.0000"}, {11.999976, 16, "11.9999760000000000"}, {0.15, 1, "0.2"}, {0.125, 2, "0.13"},
        {-0.125, 2, "-0.13"}, {-2.5, 0, "-3"}, {999.96, 1, "1000.0"}, {-0.006, 2, "-0.01"}, {0.00005, 4, "0.0001"},
        {-0.0, 4, "0.0000"}, {0, 0, "0"}, {999999999999999.9, 0, "1000000000000000"},
        // Large, or nonzero but all zeros in fixed form: scientific.
        {1e15, 4, "1.0000e+15"}, {3.086e22, 4, "3.0860e+22"}, {3.086e22, 0, "3e+22"},
        {9.876863253402463e-18, 4, "9.8769e-18"}, {-0.00001, 2, "-1.00e-05"}, {0.00004, 4, "4.0000e-05"},
        {0.4, 0, "4e-01"}, {9.99995e22, 4, "1.0000e+23"}, {1.2345678901234567e20, 16, "1.2345678901234567e+20"},
        {std::numeric_limits<double>::max(), 0, "2e+308"},
        {std::numeric_limits<double>::denorm_min(), 4, "5.0000e-324"},
        // Accuracies beyond the range count as its ends; non-finite values.
        {1.0 / 3.0, -5, "3e-01"}, {0.3048, std::numeric_limits<int>::max(), "0.3048"}, {-inf, 4, "-inf"},
        {inf, 99, "inf"}, {std::nan(""), 4, "nan"},
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(formatShown(c.value, c.digits), c.shown) << c.value << " at " << c.digits;
    EXPECT_EQ(formatShown(-1.5, 4, ','), "-1,5000");
    EXPECT_EQ(formatShown(3.086e22, 99, ','), "3,086e+22");
}

TEST(ReadNumber, AcceptsWhatPeopleTypeAndRefusesTheRest)
{
    // clang-format off
    const std::pair<const char*, double> good[] = {
        {"  2.5  ", 2.5}, {"+3", 3}, {"1E-3", 0.001}, {".5", 0.5}, {"5.", 5}, {"", 0}, {"\u22127", -7}};
    constexpr NumberError NaN = NumberError::NotANumber;
    const std::pair<const char*, NumberError> bad[] = {
        {"nan", NaN}, {"inf", NaN}, {"12abc", NaN}, {"1 2", NaN}, {"0x1A", NaN}, {"--1", NaN}, {"1e", NaN},
        {"1,5", NaN}, {"1e309", NumberError::TooLarge}, {"1e-400", NumberError::TooSmall},
        {"1e99999999999999999999999", NumberError::TooLarge}};
    // clang-format on
    for (const auto& [text, value] : good) {
        const NumberReading r = readNumber(text);
        EXPECT_TRUE(r.ok()) << text;
        EXPECT_EQ(r.value, value) << text;
    }
    for (const auto& [text, error] : bad) {
        const NumberReading r = readNumber(text);
        EXPECT_EQ(r.error, error) << text;
        EXPECT_EQ(r.value, 0) << text;
    }
    // A long number is read up to a point, and refused for its length beyond it.
    EXPECT_EQ(readNumber("1." + std::string(998, '0')).value, 1);
    EXPECT_EQ(readNumber("1." + std::string(999, '0')).error, NumberError::TooLong);
    EXPECT_EQ(describe(NumberError::TooLong), "too long");
    // A long tail of zeros still underflows rather than reading as 0.
    EXPECT_EQ(readNumber("0." + std::string(400, '0') + "1").error, NumberError::TooSmall);
}

TEST(ReadNumber, CommaLocale)
{
    EXPECT_EQ(readNumber("1,5", ',').value, 1.5);
    EXPECT_EQ(readNumber("1.500", ',').error, NumberError::AmbiguousPeriod);
    EXPECT_EQ(readNumber("1.234,5", ',').error, NumberError::NotANumber);
    EXPECT_EQ(readNumber("1.5000", ',').value, 1.5);
}

TEST(ReadNumber, WhatIsShownReadsBack)
{
    for (const char separator : {'.', ','})
        for (double v : {0.3048, 12345678.9, -0.001, 1e-7, 3.086e22, -9.876863253402463e-18})
            for (int digits : {0, 4, 16, 99}) {
                const std::string shown = formatShown(v, digits, separator);
                const NumberReading r = readNumber(shown, separator);
                EXPECT_TRUE(r.ok()) << shown;
                if (digits == 99) {
                    EXPECT_EQ(r.value, v) << shown;
                }
            }
}

// Large shown values group their integer digits with a narrow no-break
// space; the reader takes those groups back, and only well-formed ones.
TEST(GroupDigits, GroupsLargeFixedValuesAndReadsBack)
{
    const std::string g(kGroupSeparator);
    struct Case {
        const char* shown;
        std::string grouped;
    };
    const Case cases[] = {
        {"99999.99", "99999.99"},
        {"100000", "100" + g + "000"},
        {"3237758546400.00000", "3" + g + "237" + g + "758" + g + "546" + g + "400.00000"},
        {"-1234567,5", "-1" + g + "234" + g + "567,5"},
        {"3.0857e+22", "3.0857e+22"},
        {"-12345", "-12345"},
        {"nan", "nan"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(groupDigits(c.shown), c.grouped) << c.shown;

    for (const char separator : {'.', ','})
        for (double v : {100000.0, -123456.789, 3237758546400.0, 999999999999999.0})
            for (int digits : {0, 5, 99}) {
                const std::string shown = groupDigits(formatShown(v, digits, separator));
                EXPECT_NE(shown.find(kGroupSeparator), std::string::npos) << shown;
                EXPECT_EQ(readNumber(shown, separator).value,
                          readNumber(formatShown(v, digits, separator), separator).value)
                    << shown;
            }
    ExactValue exact;
    ASSERT_TRUE(readNumber("\u22121" + g + "000" + g + "000.5", '.', &exact).ok());
    EXPECT_EQ(exact.toDouble(), -1000000.5);
}

TEST(GroupDigits, TheReaderRefusesOtherGroupings)
{
    const std::string g(kGroupSeparator);
    struct Case {
        std::string text;
        char separator;
        NumberError error;
    };
    const Case cases[] = {
        {"1,500", '.', NumberError::NotANumber},
        {"1.500", ',', NumberError::AmbiguousPeriod},
        {"1.234.567", ',', NumberError::AmbiguousPeriod},
        {"1 000", '.', NumberError::NotANumber},
        {"12" + g + "34", '.', NumberError::NotANumber},
        {"1234" + g + "567", '.', NumberError::NotANumber},
        {g + "123", '.', NumberError::NotANumber},
        {"123" + g, '.', NumberError::NotANumber},
        {"1.5" + g + "000", '.', NumberError::NotANumber},
        {"1" + g + "0000", '.', NumberError::NotANumber},
        {"1" + g + g + "000", '.', NumberError::NotANumber},
    };
    for (const Case& c : cases)
        EXPECT_EQ(readNumber(c.text, c.separator).error, c.error) << c.text;
}
