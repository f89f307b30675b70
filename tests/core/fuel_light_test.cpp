// SPDX-License-Identifier: GPL-3.0-or-later
// The fuel efficiency and light window: three boxes, each converting only
// within itself through its own base.
#include "converters/fuel_light.h"
#include "support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <string>
#include <vector>

using namespace ambrel;
using ambrel::testing::EntryCase;
using ambrel::testing::Rig;

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

// clang-format off
AMBREL_ENTRY_TABLE(
    FuelLightEntries, MiscObject,
    EntryCase{"MileGallonField", "30", {{"KiloLiterfField", 12.754311000000001}, {"Litersper100km", 7.840486248139942}, {"Gallonsper100miles", 3.333333333333333}}},
    EntryCase{"Litersper100km", "8", {{"KiloLiterfField", 12.5}, {"MileGallonField", 29.401823430524782}, {"Gallonsper100miles", 3.4011496}}},
    // In as 10.76391, out as 0.092903044: not exact inverses.
    EntryCase{"FootCandleField", "1", {{"LuxField", 10.76391}, {"LumenSqMeter", 10.76391}, {"LumenSqFootField", 1.00000000434204}}},
    EntryCase{"LambertField", "1", {{"CandSqMeterField", 3183.099}, {"CandSqInchField", 2.0536082781639604}, {"FootlambertField", 929.03047864848}}},
    // Reciprocals of zero are infinite and carried on like any number; a
    // negative zero keeps its sign.
    EntryCase{"Litersper100km", "0", {{"KiloLiterfField", kInf}, {"MileGallonField", kInf}, {"Gallonsper100miles", 0}}},
    EntryCase{"KiloLiterfField", "0", {{"Litersper100km", kInf}, {"Gallonsper100miles", kInf}}},
    EntryCase{"KiloLiterfField", "-0", {{"Litersper100km", -kInf}}});
// clang-format on

// An entry writes only its own box: its base, then its other fields.
TEST(FuelLightWindow, BoxesAreIndependent)
{
    Rig<MiscObject> probe;
    for (const FieldPlan& typed : probe.window.plan().fields) {
        Rig<MiscObject> rig;
        for (const FieldPlan& f : rig.window.plan().fields)
            rig.set(f.outlet, 2);
        rig.clear();
        ASSERT_TRUE(rig.type(typed.outlet, "4"));
        const auto writes = rig.writes();
        const auto boxFields = static_cast<std::size_t>(rig.window.boxRowCount(typed.box));
        ASSERT_EQ(writes.size(), boxFields - 1) << typed.outlet;
        const std::string base = rig.window.def().boxes[typed.box].base;
        if (typed.outlet != base) {
            EXPECT_EQ(writes.front(), base) << typed.outlet;
        }
        EXPECT_EQ(rig.wrote(typed.outlet), 0) << typed.outlet;
        for (const std::string& w : writes)
            EXPECT_EQ(rig.window.plan().fields[rig.window.fieldIndex(w)].box, typed.box) << typed.outlet << " " << w;
        EXPECT_EQ(rig.value(typed.outlet), 4);
    }
}

TEST(FuelLightWindow, CalcDoesNothing)
{
    Rig<MiscObject> rig;
    rig.set("MileGallonField", 1);
    rig.clear();
    EXPECT_TRUE(rig.window.perform("Calc:"));
    EXPECT_TRUE(rig.platform.events().events().empty());
}

}  // namespace
