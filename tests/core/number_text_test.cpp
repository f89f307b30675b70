#include "framework/number_text.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

using namespace ambrel;

TEST(FormatFixed, RoundsToTheAccuracy)
{
    EXPECT_EQ(formatFixed(11.999976, 4), "12.0000");
    EXPECT_EQ(formatFixed(11.999976, 6), "11.999976");
    EXPECT_EQ(formatFixed(0.3048, 0), "0");
    EXPECT_EQ(formatFixed(2.5, 0), "3");
    EXPECT_EQ(formatFixed(-2.5, 0), "-3");
    EXPECT_EQ(formatFixed(999.96, 1), "1000.0");
    EXPECT_EQ(formatFixed(0.15, 1), "0.2");  // rounds what the number reads as, not its binary tail
}

TEST(FormatFixed, PadsWithZerosNeverBinaryNoise)
{
    EXPECT_EQ(formatFixed(0.1, 20), "0.10000000000000000000");
    const std::string wide = formatFixed(11.999976, 99);
    EXPECT_EQ(wide.substr(0, 12), "11.999976000");
    EXPECT_EQ(wide.size(), 3u + 99u);
    EXPECT_EQ(wide.find_first_not_of('0', 9), std::string::npos);
}

TEST(FormatFixed, BoundedForAnyAccuracy)
{
    for (int digits : {std::numeric_limits<int>::min(), -5, 0, 99, 100, std::numeric_limits<int>::max()}) {
        const std::string s = formatFixed(1.0 / 3.0, digits);
        EXPECT_LE(s.size(), 2u + kMaxShownDecimals) << digits;
        EXPECT_EQ(s.substr(0, 1), digits > 0 ? "0" : "0");
    }
    EXPECT_EQ(formatFixed(1.0 / 3.0, -5), "0");
    EXPECT_LE(formatFixed(std::numeric_limits<double>::max(), 99).size(), 420u);
    EXPECT_EQ(formatFixed(std::numeric_limits<double>::denorm_min(), 99), "0." + std::string(99, '0'));
}

TEST(FormatFixed, NonFiniteAndNegativeZero)
{
    EXPECT_EQ(formatFixed(std::numeric_limits<double>::infinity(), 4), "inf");
    EXPECT_EQ(formatFixed(-std::numeric_limits<double>::infinity(), 4), "-inf");
    EXPECT_EQ(formatFixed(std::nan(""), 4), "nan");
    EXPECT_EQ(formatFixed(-0.0, 2), "0.00");
    EXPECT_EQ(formatFixed(-0.00001, 2), "0.00");
    EXPECT_EQ(formatFixed(-0.006, 2), "-0.01");
}

TEST(FormatExact, ReadsBackToTheSameDouble)
{
    EXPECT_EQ(formatExact(0.3048), "0.3048");
    EXPECT_EQ(formatExact(1e-09), "1e-09");
    EXPECT_EQ(formatExact(9.313225746154785e-10), "9.313225746154785e-10");
    for (double v : {0.1 + 0.2, 1.0 / 3.0, 4.5460000000002045, -2.210577400142534e-15, 1e300, 5e-324}) {
        const std::string s = formatExact(v);
        double back = 0;
        std::from_chars(s.data(), s.data() + s.size(), back);
        EXPECT_EQ(back, v) << s;
    }
}

TEST(ReadNumber, AcceptsWhatPeopleType)
{
    struct Case {
        const char* text;
        double value;
    } cases[] = {
        {"1", 1},        {"  2.5  ", 2.5}, {"+3", 3},      {"-4", -4},  {"1e3", 1000},   {"1E-3", 0.001},
        {".5", 0.5},     {"5.", 5},        {"", 0},        {"   ", 0},  {"\xE2\x88\x92" "7", -7},
        {"0.1", 0.1},    {"1e308", 1e308}, {"-0", -0.0},
    };
    for (const Case& c : cases) {
        const NumberReading r = readNumber(c.text);
        EXPECT_TRUE(r.ok()) << c.text;
        EXPECT_EQ(r.value, c.value) << c.text;
    }
}

TEST(ReadNumber, RefusesEverythingElse)
{
    struct Case {
        const char* text;
        NumberError error;
    } cases[] = {
        {"nan", NumberError::NotANumber},     {"inf", NumberError::NotANumber},
        {"-infinity", NumberError::NotANumber}, {"12abc", NumberError::NotANumber},
        {"1 2", NumberError::NotANumber},     {"0x1A", NumberError::NotANumber},
        {"1.2.3", NumberError::NotANumber},   {"--1", NumberError::NotANumber},
        {"+-1", NumberError::NotANumber},     {"-", NumberError::NotANumber},
        {"e5", NumberError::NotANumber},      {"1e", NumberError::NotANumber},
        {"1,5", NumberError::NotANumber},     {"1e309", NumberError::TooLarge},
        {"-1e400", NumberError::TooLarge},    {"1e-400", NumberError::TooSmall},
        {"0.000000000000000000000000000000000000000000000000000000000000000000000000000000000"
         "00000000000000000000000000000000000000000000000000000000000000000000000000000000000"
         "00000000000000000000000000000000000000000000000000000000000000000000000000000000000"
         "00000000000000000000000000000000000000000000000000000000000000000000000000000000001",
         NumberError::TooSmall},
        {"1e99999999999999999999999", NumberError::TooLarge},
        {"1e-99999999999999999999999", NumberError::TooSmall},
    };
    for (const Case& c : cases) {
        const NumberReading r = readNumber(c.text);
        EXPECT_EQ(r.error, c.error) << c.text;
        EXPECT_EQ(r.value, 0) << c.text;
    }
}

TEST(ReadNumber, CommaLocale)
{
    EXPECT_EQ(readNumber("1,5", ',').value, 1.5);
    EXPECT_EQ(readNumber("0.25", ',').value, 0.25);
    EXPECT_EQ(readNumber("1.500", ',').error, NumberError::AmbiguousPeriod);
    EXPECT_EQ(readNumber("-12.000.000", ',').error, NumberError::AmbiguousPeriod);
    EXPECT_EQ(readNumber("1.234,5", ',').error, NumberError::NotANumber);
    EXPECT_EQ(readNumber("1.5000", ',').value, 1.5);
}

TEST(ReadNumber, WhatIsShownReadsBack)
{
    for (double v : {0.3048, 12345678.9, -0.001, 1e-7, 7.0}) {
        for (int digits : {0, 4, 12}) {
            const std::string shown = formatFixed(v, digits);
            EXPECT_TRUE(readNumber(shown).ok()) << shown;
        }
    }
}
