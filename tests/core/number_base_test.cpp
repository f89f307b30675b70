// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and writing one 32-bit integer in the four notations of the
// number base box.
#include "computing/number_base.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

using namespace ambrel;

namespace {

// The strict reader: optional spaces, a prefix of its own base, any case, a
// sign in decimal only, and nothing else.
TEST(NumberBase, ReadsWholeNumbersOfItsBaseAndRefusesTheRest)
{
    constexpr Notation B = Notation::Binary, O = Notation::Octal, D = Notation::Decimal, H = Notation::Hexadecimal;
    struct Accepted {
        const char* text;
        Notation notation;
        std::int32_t value;
    };
    // clang-format off
    const Accepted accepted[] = {
        {" \t ", H, 0}, {" 0B1010\t", B, 10}, {"0O17", O, 15}, {"017", O, 15}, {"0X1a", H, 26},
        {"0b", H, 11},  // in hexadecimal "0b" is a number, not a prefix
        {"DeadBeef", H, static_cast<std::int32_t>(0xdeadbeefu)}, {"000000000000000000000000000000000000001", H, 1},
        {"+42", D, 42}, {"\u221242", D, -42}, {"2147483647", D, 2147483647},
        {"-2147483648", D, std::numeric_limits<std::int32_t>::min()}, {"80000000", H, std::numeric_limits<std::int32_t>::min()},
        {"11111111111111111111111111111111", B, -1}, {"17777777777", O, 2147483647},
    };
    // clang-format on
    for (const Accepted& c : accepted) {
        const BaseReading r = readInteger(c.text, c.notation);
        EXPECT_TRUE(r.ok()) << '"' << c.text << '"';
        EXPECT_EQ(r.value, c.value) << '"' << c.text << '"';
    }
    struct Refused {
        std::string text;
        Notation notation;
        BaseError error;
    };
    constexpr BaseError Bad = BaseError::BadDigit, Range = BaseError::OutOfRange;
    // clang-format off
    const Refused refused[] = {
        {"0b", B, Bad}, {"-1", B, Bad}, {"+1", O, Bad}, {"0x0x1", H, Bad}, {"ff\xc3\xa9", H, Bad},
        {std::string("1\0", 2), H, Bad}, {"--1", D, Bad}, {"1.0", D, Bad}, {"0x10", D, Bad},
        {"1" + std::string(32, '0'), B, Range}, {"40000000000", O, Range}, {std::string(5000, 'f'), H, Range},
        {"2147483648", D, Range}, {"-2147483649", D, Range},
        {std::string(40, 'f') + "g", H, Bad},  // a bad digit counts before the size
    };
    // clang-format on
    for (const Refused& c : refused) {
        const BaseReading r = readInteger(c.text, c.notation);
        EXPECT_EQ(r.error, c.error) << '"' << c.text << '"';
        EXPECT_FALSE(describe(r.error, c.notation).empty()) << '"' << c.text << '"';
    }
}

}  // namespace
