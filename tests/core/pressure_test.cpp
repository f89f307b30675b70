// SPDX-License-Identifier: GPL-3.0-or-later
// The pressure window: one constant per unit in kilopascals, the millibar
// out through ÷ 0.1, and the newton per square meter as a pascal.
#include "converters/pressure.h"
#include "support.h"

#include <gtest/gtest.h>

using namespace ambrel;
using ambrel::testing::EntryCase;

namespace {

// clang-format off
AMBREL_ENTRY_TABLE(
    PressureEntries, PressureObject,
    // The atmosphere is 101.325027 kPa; mercury and torr share a constant.
    EntryCase{"Atmosphere", "1", {{"KilopascalField", 101.325027}, {"MiliMerc", 760.0000225018451}, {"Torr", 760.0000225018451}, {"CentiMerc", 76.00000225018452}, {"PoundSQinch", 14.695979320365854}, {"MillibarField", 1013.25027}, {"BarField", 1.0132502700000001}}},
    EntryCase{"MiliMerc", "760", {{"KilopascalField", 101.325024}, {"Atmosphere", 0.9999999703923098}, {"Torr", 760}}},
    // In by way of the pascal.
    EntryCase{"MegapascalField", "1", {{"KilopascalField", 1000}, {"PoundSQinch", 145.03800053629251}}},
    // A newton per square meter is a pascal, both ways.
    EntryCase{"NewtonSQmeter", "250", {{"KilopascalField", 0.25}, {"PascalField", 250}, {"MillibarField", 2.5}}},
    EntryCase{"PascalField", "1", {{"KilopascalField", 0.001}, {"NewtonSQmeter", 1}}},
    EntryCase{"KilopascalField", "1", {{"Torr", 7.500615050434135}}});
// clang-format on

}  // namespace
