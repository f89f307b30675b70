// SPDX-License-Identifier: GPL-3.0-or-later
// The velocity window: the mile's uneven factors, and the warp factor that
// follows the light-speed field under two caps.
#include "converters/velocity.h"
#include "support.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace ambrel;
using ambrel::testing::EntryCase;
using ambrel::testing::Rig;

namespace {

// clang-format off
AMBREL_ENTRY_TABLE(
    VelocityEntries, VelocityObject,
    EntryCase{"MeterSecField", "1", {{"KiloHourField", 3.5999999999999996}, {"MeterMinField", 59.99999999999999}, {"MileHourField", 2.2370399999999995}, {"KnotsField", 1.9438444924406044}}},
    // In as 1.60934, out as 0.6214.
    EntryCase{"MileHourField", "60", {{"KiloHourField", 96.5604}, {"MileMinField", 1.0000438759999999}}},
    EntryCase{"KiloHourField", "100", {{"MeterSecField", 27.77777777777778}, {"MachField", 0.09400495259452446}, {"LightSpeedField", 9.26566931105978e-08}, {"WarpSpeedField", 0.007763597989476018}}},
    // A light-speed cap leaves the others at the uncapped speed.
    EntryCase{"LightSpeedField", "3000", {{"MeterSecField", 899377374000}}},
    // The power function is unguarded: a negative speed gives a warp that
    // is not a number (shown "nan" at any accuracy).
    EntryCase{"LightSpeedField", "-1", {{"KiloHourField", -1079252848.8}}});
// clang-format on

// Both caps apply only to values strictly above them, and the warp step is
// skipped after a warp entry, so the light speed warp 9.99 gives stays a
// rounding step above the light-speed cap.
TEST(VelocityWindow, CapsWarpAndLightSpeed)
{
    constexpr double kCap = VelocityObject::kLightSpeedCap;
    struct Case {
        const char *typed, *value;
        double base, light, warp;
        bool capWritten;  // the typed field was overwritten by its cap
    };
    // clang-format off
    const Case cases[] = {
        {"LightSpeedField", "3000", 3237758546400, kCap, 9.98999999977007, true},
        {"LightSpeedField", "2147.261615534098", 2317438215684.0654, 2147.261615534098, 9.98999999977007, false},
        {"LightSpeedField", "2147.2616155340985", 2317438215684.066, kCap, 9.98999999977007, true},
        {"WarpSpeedField", "9.99", 2317438215684.0664, 2147.261615534099, 9.99, false},
        {"WarpSpeedField", "9.990000000000002", 2317438215684.0664, 2147.261615534099, 9.99, true},
    };
    // clang-format on
    for (const Case& c : cases) {
        Rig<VelocityObject> rig;
        ASSERT_TRUE(rig.type(c.typed, c.value));
        EXPECT_EQ((std::vector{rig.value("KiloHourField"), rig.value("LightSpeedField"), rig.value("WarpSpeedField")}),
                  (std::vector{c.base, c.light, c.warp}))
            << c.typed << "=" << c.value;
        EXPECT_EQ(rig.wrote(c.typed) > 0, c.capWritten) << c.typed << "=" << c.value;
    }
}

// Where the power is taken of a negative number, the result is not a number.
TEST(VelocityWindow, NegativeSpeedsGiveNotANumberWhereThePowerIsTaken)
{
    Rig<VelocityObject> rig;
    ASSERT_TRUE(rig.type("LightSpeedField", "-1"));
    EXPECT_TRUE(std::isnan(rig.value("WarpSpeedField")));
    ASSERT_TRUE(rig.type("WarpSpeedField", "-1"));
    EXPECT_TRUE(std::isnan(rig.value("KiloHourField")));
    EXPECT_TRUE(std::isnan(rig.value("MachField")));
    EXPECT_EQ(rig.value("WarpSpeedField"), -1);
}

}  // namespace
