// The area window: rounded imperial factors that are not reciprocals, and
// the rod and acre coming out through the square foot.
#include "converters/area.h"
#include "support.h"

#include <gtest/gtest.h>

using namespace ambrel;
using ambrel::testing::EntryCase;
using ambrel::testing::entryName;
using ambrel::testing::expectEntry;
using ambrel::testing::Rig;

namespace {

class AreaEntries : public ::testing::TestWithParam<EntryCase> {};

// The typed field keeps its 1 while the square meter and the rest are written.
TEST_P(AreaEntries, GiveTheTableDoubles)
{
    expectEntry<AreaObject>(GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    Table, AreaEntries,
    ::testing::Values(
        // The acre goes in as 4046.9 but comes out through the square foot.
        EntryCase{"SqAcre",
                  "1",
                  {{"SqMeter", 4046.9},
                   {"SqAcre", 1},
                   {"SqFoot", 43560.469065382575},
                   {"SqYard", 4840.0923999999995},
                   {"SqRod", 160.0017229215154},
                   {"SqRood", 4.00036065},
                   {"SqHectare", 0.40469},
                   {"SqMileArea", 0.00156250809}}},
        EntryCase{"SqYard",
                  "1",
                  {{"SqMeter", 0.83612736},
                   {"SqYard", 1},
                   {"SqFoot", 9},
                   {"SqAcre", 0.00020661157024793388}}},
        // Three multiplications in, three divisions out.
        EntryCase{"SqRod",
                  "1",
                  {{"SqMeter", 25.292852640000003},
                   {"SqRod", 1},
                   {"SqFoot", 272.25},
                   {"SqAcre", 0.00625}}},
        EntryCase{"SqInch",
                  "1",
                  {{"SqMeter", 0.0006452}, {"SqInch", 1}, {"SqCentimeter", 6.452}, {"SqFoot", 0.006944875000861112}}},
        EntryCase{"SqMileArea",
                  "1",
                  {{"SqMeter", 2590000},
                   {"SqMileArea", 1},
                   {"SqKilometer", 2.59},
                   {"SqHectare", 259},
                   {"SqAcre", 640.0029379999582}}}),
    entryName);

TEST(AreaWindow, ConfirmingTheSquareMeterRewritesTheRestFromIt)
{
    Rig<AreaObject> rig;
    ASSERT_TRUE(rig.type("SqMeter", "1"));
    const auto writes = rig.writes();
    ASSERT_EQ(writes.size(), 12u);
    EXPECT_EQ(writes.front(), "SqMillimeter");
    EXPECT_EQ(writes.back(), "SqMileArea");
    EXPECT_EQ(rig.value("SqMillimeter"), 1000000);
    EXPECT_EQ(rig.value("SqInch"), 1549.907005579665);
    EXPECT_EQ(rig.value("SqFoot"), 10.763910416709722);
    EXPECT_EQ(rig.value("SqYard"), 1.196);
    EXPECT_EQ(rig.value("SqAcre"), 0.0002471053814671653);
    EXPECT_EQ(rig.value("SqMileArea"), 0.0000003861);
    EXPECT_EQ(rig.cell("SqMileArea").shown(), "0.0000");
}

// A tag past the end of a box names no field: all twelve are rewritten.
TEST(AreaWindow, BoxesHoldTheirUnitsAndNoMore)
{
    struct Case {
        int box;
        int tag;
    } cases[] = {{0, 6}, {1, 7}, {2, 0}};
    for (const Case& c : cases) {
        Rig<AreaObject> rig;
        rig.set("SqMeter", 1);
        rig.set("SqAcre", 5);
        if (c.box < 2)
            rig.window.parts().boxes[c.box]->selectCellWithTag(c.tag);
        rig.clear();
        rig.window.Calc(c.box);
        EXPECT_EQ(rig.writes().size(), 12u) << c.box;
        EXPECT_EQ(rig.value("SqMeter"), 1);
        EXPECT_EQ(rig.value("SqAcre"), 0.0002471053814671653) << c.box;
    }
}

TEST(AreaWindow, OpensOnTheSquareMeter)
{
    Rig<AreaObject> rig;
    rig.window.OpenAreaWindow();
    EXPECT_EQ(rig.window.parts().boxes[0]->selectedTag(), 2);
}

}  // namespace
