// The power and energy window: two bases, the watt and the joule, copied
// into each other after every entry in a box.
#include "converters/power_energy.h"
#include "support.h"

#include <gtest/gtest.h>

#include <vector>

using namespace ambrel;
using ambrel::testing::EntryCase;
using ambrel::testing::entryName;
using ambrel::testing::expectEntry;
using ambrel::testing::Rig;

namespace {

class PowerEnergyEntries : public ::testing::TestWithParam<EntryCase> {};

// Every row lists both bases: each holds the same number afterwards.
TEST_P(PowerEnergyEntries, GiveTheTableDoublesThroughBothBases)
{
    expectEntry<PowerEnergyObject>(GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    Table, PowerEnergyEntries,
    ::testing::Values(
        EntryCase{"Pwatt",
                  "1",
                  {{"Pwatt", 1},
                   {"Ejoule", 1},
                   {"Pbtuperhour", 3.412141285851795},
                   {"Ewattsecond", 1},
                   {"EnewtonMeter", 1},
                   {"Ewatthour", 0.0002777777777777778}}},
        EntryCase{"Pkilowatt",
                  "1",
                  {{"Pwatt", 1000},
                   {"Ejoule", 1000},
                   {"Ekilojoule", 1},
                   {"Ewatthour", 0.2777777777777778},
                   {"Phorsepower550", 1.341022038490283},
                   {"Pbtuperhour", 3412.141285851795},
                   {"Prefigerationton", 0.2843453658813996},
                   {"PfootPFpersecond", 737.5621211696555}}},
        EntryCase{"PhorsepowerElectric",
                  "1",
                  {{"Pwatt", 746},
                   {"Ejoule", 746},
                   {"Phorsepower550", 1.000402440713751},
                   {"PhorsepowerMetric", 1.014277381750349},
                   {"PhorsepowerWater", 0.9999423625715944}}},
        EntryCase{"Ekilowatthour",
                  "1",
                  {{"Pwatt", 3600000},
                   {"Ejoule", 3600000},
                   {"Ewatthour", 1000},
                   {"Pkilowatt", 3600},
                   {"Pmegawatt", 3.6}}},
        EntryCase{"Ewatthour", "1", {{"Pwatt", 3600}, {"Ejoule", 3600}, {"Ekilowatthour", 0.001}, {"Pkilowatt", 3.6}}},
        EntryCase{"EcalorieNutrition",
                  "1",
                  {{"Pwatt", 4184}, {"Ejoule", 4184}, {"EcaloriePhysics", 1000}, {"Pkilowatt", 4.184}}},
        EntryCase{"EhorsepowerHour",
                  "1",
                  {{"Pwatt", 2684520},
                   {"Ejoule", 2684520},
                   {"Ewatthour", 745.7},
                   {"Phorsepower550", 3600.000482767934}}},
        EntryCase{"Ewattsecond", "2", {{"Pwatt", 2}, {"Ejoule", 2}, {"Pkilowatt", 0.002}, {"EnewtonMeter", 2}}}),
    entryName);

// The edited box's base is written first, then copied to the other base.
TEST(PowerEnergyWindow, EachEntryLinksTheBasesFirst)
{
    struct Case {
        const char* typed;
        std::vector<const char*> first;
    } cases[] = {
        {"Pkilowatt", {"Pwatt", "Ejoule", "Pmegawatt"}},
        {"Pwatt", {"Ejoule", "Pkilowatt"}},
        {"Ekilojoule", {"Ejoule", "Pwatt", "Pkilowatt"}},
        {"Ejoule", {"Pwatt", "Pkilowatt"}},
    };
    for (const Case& c : cases) {
        Rig<PowerEnergyObject> rig;
        ASSERT_TRUE(rig.type(c.typed, "3"));
        const auto writes = rig.writes();
        ASSERT_EQ(writes.size(), 25u) << c.typed;
        for (std::size_t i = 0; i < c.first.size(); ++i)
            EXPECT_EQ(writes[i], c.first[i]) << c.typed << " write " << i;
        EXPECT_EQ(writes.back(), "Efootpoundforce");
    }
}

// A tag that names no field counts as an edit of its box's base; a box
// number that names no box leaves the bases unlinked.
TEST(PowerEnergyWindow, UnnamedFieldsAndBoxes)
{
    struct Case {
        int box;
        int tag;
        double watt;
        double joule;
        std::size_t writes;
    } cases[] = {
        {2, 0, 5, 7, 24},
        {-1, 0, 5, 7, 24},
        {0, 12, 5, 5, 25},
        {0, -1, 5, 5, 25},
        {1, 14, 7, 7, 25},
    };
    for (const Case& c : cases) {
        Rig<PowerEnergyObject> rig;
        rig.set("Pwatt", 5);
        rig.set("Ejoule", 7);
        rig.set("Pkilowatt", 9);
        rig.set("Ekilojoule", 9);
        if (c.box == 0 || c.box == 1)
            static_cast<HeadlessBox*>(rig.window.parts().boxes[c.box])->setSelectedTag(c.tag);
        rig.clear();
        rig.window.Calc(c.box);
        EXPECT_EQ(rig.value("Pwatt"), c.watt) << c.box << "/" << c.tag;
        EXPECT_EQ(rig.value("Ejoule"), c.joule) << c.box << "/" << c.tag;
        EXPECT_EQ(rig.value("Pkilowatt"), c.watt / 1000) << c.box << "/" << c.tag;
        EXPECT_EQ(rig.value("Ekilojoule"), c.joule / 1000) << c.box << "/" << c.tag;
        const auto writes = rig.writes();
        ASSERT_EQ(writes.size(), c.writes) << c.box << "/" << c.tag;
        if (c.box == 0 || c.box == 1) {
            EXPECT_EQ(writes.front(), c.box == 0 ? "Ejoule" : "Pwatt");
        }
    }
}

TEST(PowerEnergyWindow, OpensOnTheJoule)
{
    Rig<PowerEnergyObject> rig;
    rig.window.parts().boxes[0]->selectCellWithTag(3);
    rig.window.OpenPowerEnergyWindow();
    EXPECT_EQ(rig.window.parts().boxes[1]->selectedTag(), 0);
    EXPECT_EQ(rig.window.parts().boxes[0]->selectedTag(), 3);
    for (const char* action : {"CalcPower:", "CalcEnergy:", "ShowNoteBook:", "OpenPowerEnergyWindow:"})
        EXPECT_TRUE(rig.window.responds(action)) << action;
}

}  // namespace
