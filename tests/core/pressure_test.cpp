// The pressure window: one constant per unit in kilopascals, the millibar
// out through ÷ 0.1, and the newton per square meter as a pascal.
#include "converters/pressure.h"
#include "support.h"

#include <gtest/gtest.h>

using namespace ambrel;
using ambrel::testing::EntryCase;
using ambrel::testing::entryName;
using ambrel::testing::expectEntry;
using ambrel::testing::Rig;

namespace {

class PressureEntries : public ::testing::TestWithParam<EntryCase> {};

TEST_P(PressureEntries, GiveTheTableDoubles)
{
    expectEntry<PressureObject>(GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    Table, PressureEntries,
    ::testing::Values(
        // The atmosphere is 101.325027 kPa; mercury and torr share a constant.
        EntryCase{"Atmosphere",
                  "1",
                  {{"KilopascalField", 101.325027},
                   {"MiliMerc", 760.0000225018451},
                   {"Torr", 760.0000225018451},
                   {"CentiMerc", 76.00000225018452},
                   {"PoundSQinch", 14.695979320365854},
                   {"MillibarField", 1013.25027},
                   {"BarField", 1.0132502700000001}}},
        EntryCase{"MiliMerc",
                  "760",
                  {{"KilopascalField", 101.325024},
                   {"Atmosphere", 0.9999999703923098},
                   {"Torr", 760},
                   {"CentiMerc", 76}}},
        EntryCase{"Torr", "1", {{"KilopascalField", 0.1333224}, {"MiliMerc", 1}, {"CentiMerc", 0.1}}},
        // In by way of the pascal.
        EntryCase{"MegapascalField",
                  "1",
                  {{"KilopascalField", 1000}, {"BarField", 10}, {"PoundSQinch", 145.03800053629251}}},
        EntryCase{"KilopascalField",
                  "1",
                  {{"KilopascalField", 1},
                   {"PascalField", 1000},
                   {"MegapascalField", 0.001},
                   {"MillibarField", 10},
                   {"BarField", 0.01},
                   {"Atmosphere", 0.009869230037313485},
                   {"PoundSQinch", 0.1450380005362925}}}),
    entryName);

// A newton per square meter is a pascal, both ways.
TEST(PressureWindow, NewtonPerSquareMeterIsThePascal)
{
    struct Case {
        const char* typed;
        const char* value;
        double base;
        double newton;
        double pascal;
    } cases[] = {
        {"NewtonSQmeter", "1", 0.001, 1, 1},
        {"PascalField", "1", 0.001, 1, 1},
        {"KilopascalField", "1", 1, 1000, 1000},
        {"Atmosphere", "1", 101.325027, 101325.027, 101325.027},
        {"NewtonSQmeter", "250", 0.25, 250, 250},
    };
    for (const Case& c : cases) {
        Rig<PressureObject> rig;
        ASSERT_TRUE(rig.type(c.typed, c.value));
        EXPECT_EQ(rig.value("KilopascalField"), c.base) << c.typed;
        EXPECT_EQ(rig.value("NewtonSQmeter"), c.newton) << c.typed;
        EXPECT_EQ(rig.value("PascalField"), c.pascal) << c.typed;
    }
    Rig<PressureObject> rig;
    ASSERT_TRUE(rig.type("NewtonSQmeter", "1"));
    EXPECT_EQ(rig.value("MillibarField"), 0.01);
}

TEST(PressureWindow, ConfirmingTheBaseRewritesTheRestInTableOrder)
{
    Rig<PressureObject> rig;
    ASSERT_TRUE(rig.type("KilopascalField", "1"));
    const auto writes = rig.writes();
    ASSERT_EQ(writes.size(), 14u);
    EXPECT_EQ(writes.front(), "PascalField");
    EXPECT_EQ(writes[7], "NewtonSQmeter");
    EXPECT_EQ(writes.back(), "Torr");
}

TEST(PressureWindow, NoEditedFieldRewritesTheTypedFieldToo)
{
    struct Case {
        int box;
        int tag;
    } cases[] = {{3, 0}, {0, 5}, {1, 3}, {2, 7}};
    for (const Case& c : cases) {
        Rig<PressureObject> rig;
        rig.set("KilopascalField", 1);
        rig.set("BarField", 9);
        rig.set("Torr", 9);
        if (c.box < 3)
            rig.window.parts().boxes[c.box]->selectCellWithTag(c.tag);
        rig.clear();
        rig.window.Calc(c.box);
        EXPECT_EQ(rig.writes().size(), 14u) << c.box;
        EXPECT_EQ(rig.value("KilopascalField"), 1);
        EXPECT_EQ(rig.value("BarField"), 0.01) << c.box;
        EXPECT_EQ(rig.value("Torr"), 7.500615050434135) << c.box;
    }
}

TEST(PressureWindow, OpensOnTheKilopascalAndKeepsTheSelection)
{
    Rig<PressureObject> rig;
    rig.window.OpenPressureWindow();
    EXPECT_EQ(rig.window.parts().boxes[0]->selectedTag(), 1);
    ASSERT_TRUE(rig.type("InchWater", "1"));
    EXPECT_EQ(rig.window.parts().boxes[2]->selectedTag(), 4);
    EXPECT_TRUE(rig.window.responds("ShowNoteBook:"));
    EXPECT_FALSE(rig.window.responds("ShowNotebook:"));
    for (const char* action : {"MetricCalc:", "MercuryCalc:", "OtherCalc:"})
        EXPECT_TRUE(rig.window.responds(action)) << action;
}

}  // namespace
