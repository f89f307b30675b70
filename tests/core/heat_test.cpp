// SPDX-License-Identifier: GPL-3.0-or-later
// The heat window's units as people type them, and quantities that share a
// window without converting into each other.
#include "cli/cli.h"
#include "cli_support.h"

#include <gtest/gtest.h>

using namespace ambrel;
using ambrel::testing::expectRuns;

namespace {

// A quantity reads "/(" as arithmetic, so these spellings, with a space, "-"
// or "." for the dot and F or C for the degree, are the ones that reach a
// unit; the BTU and the calorie are the International Table ones.
TEST(Heat, UnitsAsTypedReachTheirUnit)
{
    // clang-format off
    expectRuns({
        {{"1", "BTU/lb", "kJ/kg"}, 0, "2.326 kJ/kg\n"},
        {{"1", "BTU/lb", "F", "J/kg", "K"}, 0, "4186.8 J/kg K\n"},
        {{"1", "cal/g", "C", "BTU/lb-F"}, 0, "1 BTU/lb-F\n"},
        {{"1", "W/mK", "BTU/h", "ft", "F"}, 0, "0.577789316543 BTU/h ft F\n"},
        {{"1", "W/m.K", "BTU/h.ft.F"}, 0, "0.577789316543 BTU/h.ft.F\n"},
        {{"1", "BTU", "in/h", "ft2", "F", "W/m", "K"}, 0, "0.144227888864 W/m K\n"},
        {{"1000", "W/m^2", "BTU/h", "ft2"}, 0, "316.998330628 BTU/h ft2\n"},
        {{"1", "W/m2K", "BTU/hr", "ft2", "F"}, 0, "0.176110183682 BTU/hr ft2 F\n"},
        {{"19", "R-value", "m2", "K/W"}, 0, "3.34609348996 m2 K/W\n"},
        {{"1", "ly/min", "W/m2"}, 0, "697.333333333 W/m2\n"},
    });
    // clang-format on
}

// An answer in a quantity the amount is not, or a sum of two quantities, is
// refused rather than shown as the untouched cell's zero; the power and
// energy window's two bases stay linked.
TEST(Heat, QuantitiesSideBySideDoNotConvert)
{
    // clang-format off
    expectRuns({
        {{"1", "J/kg", "W/m2"}, kExitUsage, "", "\"J/kg\" is a unit of specific energy and \"W/m2\" of heat flux density"},
        {{"1", "W/m", "K", "W/m2", "K"}, kExitUsage, "", "do not convert"},
        {{"1", "J/kg", "2", "J/kg", "K", "J/kg"}, kExitUsage, "", "\"J/kg K\" is a unit of specific heat capacity"},
        {{"1", "kWh", "kW"}, 0, "3600 kW\n"},
    });
    // clang-format on
}

}  // namespace
