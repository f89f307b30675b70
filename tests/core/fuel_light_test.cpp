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
    EntryCase{"MileGallonField",
              "30",
              {{"KiloLiterfField", 12.754311000000001}, {"Litersper100km", 7.840486248139942},
               {"Gallonsper100miles", 3.333333333333333}}},
    EntryCase{"Litersper100km",
              "8",
              {{"KiloLiterfField", 12.5}, {"MileGallonField", 29.401823430524782}, {"Gallonsper100miles", 3.4011496}}},
    // In as 10.76391, out as 0.092903044: not exact inverses.
    EntryCase{"FootCandleField",
              "1",
              {{"LuxField", 10.76391}, {"LumenSqMeter", 10.76391}, {"LumenSqFootField", 1.00000000434204}}},
    EntryCase{"LambertField",
              "1",
              {{"CandSqMeterField", 3183.099}, {"CandSqInchField", 2.0536082781639604},
               {"FootlambertField", 929.03047864848}}},
    // Reciprocals of zero are infinite and carried on like any number.
    EntryCase{"Litersper100km", "0", {{"KiloLiterfField", kInf}, {"MileGallonField", kInf}, {"Gallonsper100miles", 0}}},
    EntryCase{"KiloLiterfField", "0", {{"Litersper100km", kInf}, {"Gallonsper100miles", kInf}}});
// clang-format on

const std::vector<std::vector<std::string>> kBoxes = {
    {"KiloLiterfField", "MileGallonField", "Litersper100km", "Gallonsper100miles"},
    {"LuxField", "LumenSqMeter", "LumenSqFootField", "FootCandleField"},
    {"CandSqMeterField", "CandSqInchField", "FootlambertField", "LambertField"},
};

// An entry writes only its own box: its base, then its other fields.
TEST(FuelLightWindow, BoxesAreIndependent)
{
    for (std::size_t box = 0; box < kBoxes.size(); ++box) {
        for (std::size_t tag = 0; tag < 4; ++tag) {
            Rig<MiscObject> rig;
            for (const auto& outlets : kBoxes)
                for (const std::string& o : outlets)
                    rig.set(o, 2);
            rig.clear();
            ASSERT_TRUE(rig.type(kBoxes[box][tag], "4"));
            const auto writes = rig.writes();
            ASSERT_EQ(writes.size(), 3u) << kBoxes[box][tag];
            EXPECT_EQ(writes.front(), kBoxes[box][tag == 0 ? 1 : 0]);
            for (const std::string& w : writes)
                EXPECT_NE(std::find(kBoxes[box].begin(), kBoxes[box].end(), w), kBoxes[box].end()) << w;
            EXPECT_EQ(rig.value(kBoxes[box][tag]), 4);
        }
    }
}

TEST(FuelLightWindow, InfinityShowsReadably)
{
    Rig<MiscObject> rig;
    ASSERT_TRUE(rig.type("Litersper100km", "0"));
    EXPECT_EQ(rig.cell("KiloLiterfField").shown(), "inf");
    ASSERT_TRUE(rig.type("KiloLiterfField", "-0"));
    EXPECT_EQ(rig.cell("Litersper100km").shown(), "-inf");
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
