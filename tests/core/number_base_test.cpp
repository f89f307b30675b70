// Reading and writing one 32-bit integer in the four notations of the
// number base box.
#include "computing/number_base.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdint>
#include <limits>
#include <random>
#include <string>

using namespace ambrel;

namespace {

constexpr Notation kNotations[] = {Notation::Binary, Notation::Octal, Notation::Decimal, Notation::Hexadecimal};

struct Written {
    std::int32_t value;
    const char* binary;
    const char* octal;
    const char* decimal;
    const char* hexa;
};

// Values at the edges of 16 and 32 bits, signed and unsigned.
constexpr Written kEdges[] = {
    {0, "0", "0", "0", "0"},
    {1, "1", "1", "1", "1"},
    {65535, "1111111111111111", "177777", "65535", "ffff"},
    {65536, "10000000000000000", "200000", "65536", "10000"},
    {2147483647, "1111111111111111111111111111111", "17777777777", "2147483647", "7fffffff"},
    {std::numeric_limits<std::int32_t>::min(), "10000000000000000000000000000000", "20000000000", "-2147483648",
     "80000000"},
    {-1, "11111111111111111111111111111111", "37777777777", "-1", "ffffffff"},
};

TEST(NumberBase, EdgeValuesWriteAndReadBack)
{
    for (const Written& w : kEdges) {
        const char* texts[] = {w.binary, w.octal, w.decimal, w.hexa};
        for (int n = 0; n < 4; ++n) {
            EXPECT_EQ(writeInteger(w.value, kNotations[n]), texts[n]) << w.value << " notation " << n;
            const BaseReading r = readInteger(texts[n], kNotations[n]);
            EXPECT_TRUE(r.ok()) << texts[n];
            EXPECT_EQ(r.value, w.value) << texts[n];
        }
    }
}

struct Accepted {
    const char* text;
    Notation notation;
    std::int32_t value;
};

TEST(NumberBase, AcceptsSpacesPrefixesCaseAndSigns)
{
    const Accepted cases[] = {
        {"", Notation::Binary, 0},
        {" \t ", Notation::Hexadecimal, 0},
        {"", Notation::Decimal, 0},
        {"0010", Notation::Binary, 2},
        {"0b1010", Notation::Binary, 10},
        {" 0B1010\t", Notation::Binary, 10},
        {"0o17", Notation::Octal, 15},
        {"0O17", Notation::Octal, 15},
        {"017", Notation::Octal, 15},
        {"0x1A", Notation::Hexadecimal, 26},
        {"0X1a", Notation::Hexadecimal, 26},
        {"DeadBeef", Notation::Hexadecimal, static_cast<std::int32_t>(0xdeadbeefu)},
        // In hexadecimal "0b" is a number, not a prefix.
        {"0b", Notation::Hexadecimal, 11},
        {"000000000000000000000000000000000000000001", Notation::Hexadecimal, 1},
        {"+42", Notation::Decimal, 42},
        {" -42 ", Notation::Decimal, -42},
        {"\u221242", Notation::Decimal, -42},
        {"-0", Notation::Decimal, 0},
        {"007", Notation::Decimal, 7},
    };
    for (const Accepted& c : cases) {
        const BaseReading r = readInteger(c.text, c.notation);
        EXPECT_TRUE(r.ok()) << '"' << c.text << '"';
        EXPECT_EQ(r.value, c.value) << '"' << c.text << '"';
    }
}

struct Refused {
    std::string text;
    Notation notation;
    BaseError error;
};

TEST(NumberBase, RefusesWhatIsNotAWholeNumberOfItsBase)
{
    const Refused cases[] = {
        {"2", Notation::Binary, BaseError::BadDigit},
        {"0b", Notation::Binary, BaseError::BadDigit},
        {"0x1", Notation::Binary, BaseError::BadDigit},
        {"1 0", Notation::Binary, BaseError::BadDigit},
        {"-1", Notation::Binary, BaseError::BadDigit},
        {"+1", Notation::Octal, BaseError::BadDigit},
        {"8", Notation::Octal, BaseError::BadDigit},
        {"0b1", Notation::Octal, BaseError::BadDigit},
        {"0x", Notation::Hexadecimal, BaseError::BadDigit},
        {"0x0x1", Notation::Hexadecimal, BaseError::BadDigit},
        {"g", Notation::Hexadecimal, BaseError::BadDigit},
        {"ff\xc3\xa9", Notation::Hexadecimal, BaseError::BadDigit},
        {std::string("1\0", 2), Notation::Hexadecimal, BaseError::BadDigit},
        {"1" + std::string(32, '0'), Notation::Binary, BaseError::OutOfRange},
        {"40000000000", Notation::Octal, BaseError::OutOfRange},
        {"100000000", Notation::Hexadecimal, BaseError::OutOfRange},
        {"123456789", Notation::Hexadecimal, BaseError::OutOfRange},
        {std::string(5000, 'f'), Notation::Hexadecimal, BaseError::OutOfRange},
        // A bad digit counts before the size.
        {std::string(40, 'f') + "g", Notation::Hexadecimal, BaseError::BadDigit},
        {"2147483648", Notation::Decimal, BaseError::OutOfRange},
        {"-2147483649", Notation::Decimal, BaseError::OutOfRange},
        {"4294967295", Notation::Decimal, BaseError::OutOfRange},
        {"-", Notation::Decimal, BaseError::BadDigit},
        {"--1", Notation::Decimal, BaseError::BadDigit},
        {"+-1", Notation::Decimal, BaseError::BadDigit},
        {"1.0", Notation::Decimal, BaseError::BadDigit},
        {"1e3", Notation::Decimal, BaseError::BadDigit},
        {"0x10", Notation::Decimal, BaseError::BadDigit},
        {"1,000", Notation::Decimal, BaseError::BadDigit},
    };
    for (const Refused& c : cases) {
        const BaseReading r = readInteger(c.text, c.notation);
        EXPECT_EQ(r.error, c.error) << '"' << c.text << '"';
        EXPECT_FALSE(describe(r.error, c.notation).empty()) << '"' << c.text << '"';
    }
}

std::string allowedCharacters(Notation notation)
{
    const std::string spaces = " \t\n\v\f\r";
    switch (notation) {
    case Notation::Binary: return spaces + "01bB";
    case Notation::Octal: return spaces + "01234567oO";
    case Notation::Decimal: return spaces + "0123456789+-";
    case Notation::Hexadecimal: return spaces + "0123456789abcdefABCDEFxX";
    }
    return {};
}

// Random texts, mostly of characters that almost make numbers: the reader
// never fails loudly, accepts only characters a number of its base may
// hold, and what it accepts writes out to a text that reads back the same.
TEST(NumberBase, RandomTextsAreReadSafelyAndAcceptedOnesRoundTrip)
{
    std::mt19937 random(20240611);
    const std::string likely = "0123456789abcdefABCDEFxXoObB+- \t.";
    int accepted[4] = {};
    for (int i = 0; i < 20000; ++i) {
        const int length = i % 50 == 0 ? static_cast<int>(random() % 400) : static_cast<int>(random() % 14);
        std::string text;
        for (int k = 0; k < length; ++k) {
            if (random() % 16 == 0)
                text += static_cast<char>(random() % 256);
            else
                text += likely[random() % likely.size()];
        }
        for (int n = 0; n < 4; ++n) {
            const Notation notation = kNotations[n];
            const BaseReading r = readInteger(text, notation);
            if (!r.ok()) {
                EXPECT_EQ(r.value, 0);
                continue;
            }
            ++accepted[n];
            if (text.find_first_not_of(allowedCharacters(notation)) != std::string::npos)
                ADD_FAILURE() << "accepted \"" << text << "\" in notation " << n;
            const std::string written = writeInteger(r.value, notation);
            const BaseReading again = readInteger(written, notation);
            ASSERT_TRUE(again.ok()) << written;
            EXPECT_EQ(again.value, r.value) << '"' << text << "\" -> " << written;
        }
    }
    // The alphabet makes numbers often enough for the round trips to count.
    for (int n = 0; n < 4; ++n)
        EXPECT_GT(accepted[n], 200) << "notation " << n;
}

// Every 32-bit pattern, dressed as a person might type it, reads back.
TEST(NumberBase, RandomValuesInAnyDressReadBack)
{
    std::mt19937 random(7);
    const char* prefixes[] = {"0b", "0o", "", "0x"};
    for (int i = 0; i < 5000; ++i) {
        const auto value = static_cast<std::int32_t>(random());
        for (int n = 0; n < 4; ++n) {
            std::string text = writeInteger(value, kNotations[n]);
            if (random() % 2 && kNotations[n] != Notation::Decimal)
                for (char& c : text)
                    c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
            if (random() % 2 && text.front() != '-')
                text.insert(0, std::string(random() % 5, '0'));
            if (random() % 2)
                text = prefixes[n] + text;
            text = std::string(random() % 3, ' ') + text + std::string(random() % 3, '\t');
            const BaseReading r = readInteger(text, kNotations[n]);
            ASSERT_TRUE(r.ok()) << '"' << text << '"';
            EXPECT_EQ(r.value, value) << '"' << text << '"';
        }
    }
}

}  // namespace
