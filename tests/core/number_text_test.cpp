#include "framework/number_text.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

using namespace ambrel;

TEST(FormatFixed, RoundsPadsAndStaysBounded)
{
    EXPECT_EQ(formatFixed(11.999976, 4), "12.0000");
    EXPECT_EQ(formatFixed(-2.5, 0), "-3");
    EXPECT_EQ(formatFixed(999.96, 1), "1000.0");
    EXPECT_EQ(formatFixed(0.15, 1), "0.2");  // rounds what the number reads as, not its binary tail
    EXPECT_EQ(formatFixed(0.1, 20), "0.10000000000000000000");  // zeros, never binary noise
    EXPECT_EQ(formatFixed(-0.00001, 2), "0.00");
    EXPECT_EQ(formatFixed(-0.006, 2), "-0.01");
    EXPECT_EQ(formatFixed(-std::numeric_limits<double>::infinity(), 4), "-inf");
    EXPECT_EQ(formatFixed(std::nan(""), 4), "nan");
    for (int digits : {std::numeric_limits<int>::min(), -5, 100, std::numeric_limits<int>::max()})
        EXPECT_LE(formatFixed(1.0 / 3.0, digits).size(), 2u + kMaxShownDecimals) << digits;
    EXPECT_EQ(formatFixed(1.0 / 3.0, -5), "0");
    EXPECT_LE(formatFixed(std::numeric_limits<double>::max(), 99).size(), 420u);
    EXPECT_EQ(formatFixed(std::numeric_limits<double>::denorm_min(), 99), "0." + std::string(99, '0'));
}

TEST(FormatExact, ReadsBackToTheSameDouble)
{
    EXPECT_EQ(formatExact(0.3048), "0.3048");
    EXPECT_EQ(formatExact(1e-09), "1e-09");
    for (double v : {0.1 + 0.2, 4.5460000000002045, -2.210577400142534e-15, 5e-324}) {
        const std::string s = formatExact(v);
        double back = 0;
        std::from_chars(s.data(), s.data() + s.size(), back);
        EXPECT_EQ(back, v) << s;
    }
}

TEST(ReadNumber, AcceptsWhatPeopleTypeAndRefusesTheRest)
{
    struct Case {
        const char* text;
        double value;
    } good[] = {
        {"  2.5  ", 2.5}, {"+3", 3}, {"1E-3", 0.001}, {".5", 0.5}, {"5.", 5}, {"", 0}, {"\xE2\x88\x92" "7", -7},
    };
    for (const Case& c : good) {
        const NumberReading r = readNumber(c.text);
        EXPECT_TRUE(r.ok()) << c.text;
        EXPECT_EQ(r.value, c.value) << c.text;
    }
    struct Bad {
        const char* text;
        NumberError error;
    } bad[] = {
        {"nan", NumberError::NotANumber},   {"inf", NumberError::NotANumber},   {"12abc", NumberError::NotANumber},
        {"1 2", NumberError::NotANumber},   {"0x1A", NumberError::NotANumber},  {"--1", NumberError::NotANumber},
        {"1e", NumberError::NotANumber},    {"1,5", NumberError::NotANumber},   {"1e309", NumberError::TooLarge},
        {"1e-400", NumberError::TooSmall},  {"1e99999999999999999999999", NumberError::TooLarge},
    };
    for (const Bad& c : bad) {
        const NumberReading r = readNumber(c.text);
        EXPECT_EQ(r.error, c.error) << c.text;
        EXPECT_EQ(r.value, 0) << c.text;
    }
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
    for (double v : {0.3048, 12345678.9, -0.001, 1e-7})
        for (int digits : {0, 4, 12})
            EXPECT_TRUE(readNumber(formatFixed(v, digits)).ok()) << v << " " << digits;
}
