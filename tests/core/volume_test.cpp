// The volume window: rounded per-liter constants kept with their digits, the
// metric cup's two factors, the cubic kilometer, and six boxes of units.
#include "converters/volume.h"
#include "support.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace ambrel;
using ambrel::testing::EntryCase;
using ambrel::testing::entryName;
using ambrel::testing::expectEntry;
using ambrel::testing::Rig;

namespace {

class VolumeEntries : public ::testing::TestWithParam<EntryCase> {};

// The typed field keeps its 1 while the liter and the rest are written.
TEST_P(VolumeEntries, GiveTheTableDoubles)
{
    expectEntry<VolumeObject>(GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    Table, VolumeEntries,
    ::testing::Values(
        // Fourteen-digit per-liter constants, divided into the base.
        EntryCase{"Igallon",
                  "1",
                  {{"Mliter", 4.5460000000002045},
                   {"Igallon", 1},
                   {"Ipint", 7.99985941340036},
                   {"Iquart", 4.001760563380439},
                   {"USgallon", 1.201056803170428},
                   {"Mmilliiter", 4546.000000000205}}},
        EntryCase{"Iquart",
                  "1",
                  {{"Mliter", 1.1360000000000066},
                   {"Iquart", 1},
                   {"Ipint", 1.9990849744000116},
                   {"Igallon", 0.2498900131984064}}},
        EntryCase{"Ibushel",
                  "1",
                  {{"Mliter", 35.99997120002304},
                   {"Ibushel", 1},
                   {"Ipeck", 3.9560407912109667},
                   {"Igallon", 7.919043378799257}}},
        // A cubic kilometer is 10^12 liters.
        EntryCase{"MDckilometer",
                  "1",
                  {{"Mliter", 1e12},
                   {"MDckilometer", 1},
                   {"MDcmeter", 1e9},
                   {"MDccentimeter", 1e15},
                   {"USgallon", 264200792602.37}}},
        // The metric cup goes in as × 0.25 and out as × 4.
        EntryCase{"Mcookcup",
                  "1",
                  {{"Mliter", 0.25},
                   {"Mcookcup", 1},
                   {"Mcooktablespoon", 12.5},
                   {"Mcookteaspoon", 50},
                   {"Icookcup", 1.056707131505089}}},
        EntryCase{"Icookcup",
                  "1",
                  {{"Mliter", 0.236584},
                   {"Icookcup", 1},
                   {"Icooktablespoon", 15.996213657876943},
                   {"Icookteaspoon", 47.98864097363082},
                   {"Mcookcup", 0.946336},
                   {"Mmilliiter", 236.58399999999997}}},
        EntryCase{"USbarrelofoil",
                  "1",
                  {{"Mliter", 158.973},
                   {"USbarrelofoil", 1},
                   {"USgallon", 42.00079260237657},
                   {"USbarrel", 1.3332111672000002}}}),
    entryName);

TEST(VolumeWindow, ConfirmingTheLiterRewritesTheRestFromIt)
{
    Rig<VolumeObject> rig;
    ASSERT_TRUE(rig.type("Mliter", "1"));
    const auto writes = rig.writes();
    ASSERT_EQ(writes.size(), 39u);
    EXPECT_EQ(writes.front(), "Mmilliiter");
    EXPECT_EQ(writes.back(), "Icookcup");
    EXPECT_EQ(rig.value("Mmilliiter"), 1000);
    EXPECT_EQ(rig.value("MDckilometer"), 1e-12);
    EXPECT_EQ(rig.value("Icookteaspoon"), 202.83975659229208);
    EXPECT_EQ(rig.value("USbarrelofoil"), 0.006290376353217213);
}

// One past each box's last tag names no field; the box's last tag does.
TEST(VolumeWindow, BoxesHoldTheirUnitsAndNoMore)
{
    const int sizes[] = {7, 4, 7, 16, 3, 3};
    for (int box = 0; box < 6; ++box) {
        for (int tag : {sizes[box] - 1, sizes[box]}) {
            Rig<VolumeObject> rig;
            rig.set("Mliter", 2);
            rig.window.parts().boxes[box]->selectCellWithTag(tag);
            rig.clear();
            rig.window.Calc(box);
            const auto writes = rig.writes();
            const bool edited = tag < sizes[box];
            EXPECT_EQ(writes.size(), 39u) << box << "/" << tag;
            EXPECT_EQ(std::count(writes.begin(), writes.end(), "Mliter"), edited ? 1 : 0) << box << "/" << tag;
        }
    }
}

TEST(VolumeWindow, OpensOnTheLiterWithTheIrregularNames)
{
    Rig<VolumeObject> rig;
    rig.window.OpenVolumeWindow();
    EXPECT_EQ(rig.window.parts().boxes[0]->selectedTag(), 3);
    EXPECT_EQ(rig.window.parts().fields.size(), 40u);
    for (const char* outlet : {"Mmilliiter", "USfluidonce", "USfuilddram"})
        EXPECT_NE(rig.window.field(outlet), nullptr) << outlet;
    EXPECT_EQ(rig.window.plan().boxes[5].outlet, "Icookbox");
    for (const char* action : {"CalcMetricLiquid:", "CalcMetricDry:", "CalcImperial:", "CalcUS:",
                               "CalcCookingMetric:", "CalcCookingImperial:", "ShowNotebook:"})
        EXPECT_TRUE(rig.window.responds(action)) << action;
}

}  // namespace
