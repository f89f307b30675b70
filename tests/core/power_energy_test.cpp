// SPDX-License-Identifier: GPL-3.0-or-later
// The power and energy window: two bases, the watt and the joule, copied
// into each other after every entry in a box.
#include "converters/power_energy.h"
#include "support.h"

#include <gtest/gtest.h>

#include <vector>

using namespace ambrel;
using ambrel::testing::EntryCase;
using ambrel::testing::Rig;

namespace {

// Every row lists both bases: each holds the same number afterwards.
// clang-format off
AMBREL_ENTRY_TABLE(
    PowerEnergyEntries, PowerEnergyObject,
    EntryCase{"Pkilowatt", "1", {{"Pwatt", 1000}, {"Ejoule", 1000}, {"Ekilojoule", 1}, {"Ewatthour", 0.2777777777777778}, {"Phorsepower550", 1.341022038490283}, {"Pbtuperhour", 3412.141285851795}, {"Prefigerationton", 0.2843453658813996}, {"PfootPFpersecond", 737.5621211696555}}},
    EntryCase{"PhorsepowerElectric", "1", {{"Pwatt", 746}, {"Ejoule", 746}, {"PhorsepowerMetric", 1.014277381750349}, {"PhorsepowerWater", 0.9999423625715944}}},
    EntryCase{"EhorsepowerHour", "1", {{"Pwatt", 2684520}, {"Ejoule", 2684520}, {"Ewatthour", 745.7}, {"Phorsepower550", 3600.000482767934}}});
// clang-format on

// The edited box's base is written first, then copied to the other base.
TEST(PowerEnergyWindow, EachEntryLinksTheBasesFirst)
{
    const std::pair<const char*, std::vector<std::string>> cases[] = {{"Pkilowatt", {"Pwatt", "Ejoule", "Pmegawatt"}},
                                                                      {"Ejoule", {"Pwatt", "Pkilowatt"}}};
    for (const auto& [typed, first] : cases) {
        Rig<PowerEnergyObject> rig;
        ASSERT_TRUE(rig.type(typed, "3"));
        const auto writes = rig.writes();
        ASSERT_EQ(writes.size(), 25u) << typed;
        EXPECT_EQ(std::vector(writes.begin(), writes.begin() + first.size()), first) << typed;
        EXPECT_EQ(writes.back(), "Efootpoundforce");
    }
}

// A tag that names no field counts as an edit of its box's base; a box
// number that names no box leaves the bases unlinked.
TEST(PowerEnergyWindow, UnnamedFieldsAndBoxes)
{
    struct Case {
        int box, tag;
        double watt, joule;
        std::size_t writes;
    };
    for (const Case& c : {Case{2, 0, 5, 7, 24}, {-1, 0, 5, 7, 24}, {0, 12, 5, 5, 25}, {1, 14, 7, 7, 25}}) {
        Rig<PowerEnergyObject> rig;
        rig.set("Pwatt", 5);
        rig.set("Ejoule", 7);
        if (c.box == 0 || c.box == 1)
            rig.select(c.box, c.tag);
        rig.clear();
        rig.window.Calc(c.box);
        const std::vector<double> want = {c.watt, c.joule, c.watt / 1000, c.joule / 1000};
        EXPECT_EQ((std::vector{rig.value("Pwatt"), rig.value("Ejoule"), rig.value("Pkilowatt"),
                               rig.value("Ekilojoule")}),
                  want)
            << c.box << "/" << c.tag;
        EXPECT_EQ(rig.writes().size(), c.writes) << c.box << "/" << c.tag;
    }
}

}  // namespace
