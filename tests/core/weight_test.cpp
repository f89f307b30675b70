// The weight window: units that go in with one constant and come out with
// another, three different grains, chains that are rounded step by step, the
// dyne under 9.8001 m/s², and an opening on the kilogram.
#include "converters/weight.h"
#include "support.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace ambrel;
using ambrel::testing::EntryCase;
using ambrel::testing::entryName;
using ambrel::testing::expectEntry;
using ambrel::testing::Rig;

namespace {

class WeightEntries : public ::testing::TestWithParam<EntryCase> {};

TEST_P(WeightEntries, GiveTheTableDoubles)
{
    expectEntry<WeightObject>(GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    Table, WeightEntries,
    ::testing::Values(
        EntryCase{"Mgram",
                  "1",
                  {{"Mgram", 1},
                   {"Mcarat", 5},
                   {"Mnewton", 0.0098001},
                   {"Mkiloton", 9.999999999999999e-10},  // three divisions, not 1e-9
                   {"AVgrain", 15.43235835294143},
                   {"AVdram", 0.5643340857787811},
                   {"APgrain", 15.4320988},
                   {"Tgrain", 15.4320988},
                   {"Tdyne", 980.01}}},
        // A division by 0.00001, not a multiplication by 100000.
        EntryCase{"Mhundredweight",
                  "1",
                  {{"Mgram", 99999.99999999999}, {"Mkilogram", 99.99999999999999}, {"Mton", 0.09999999999999999}}},
        EntryCase{"Mkilogram",
                  "1",
                  {{"Mgram", 1000},
                   {"AVpound", 2.202643171806167},
                   {"AVounce", 35.273368606701936},
                   {"Mnewton", 9.8001},
                   {"Tdyne", 980010}}},
        EntryCase{"AVpound",
                  "1",
                  {{"Mgram", 454},
                   {"AVounce", 16.01410934744268},
                   {"AVstone", 0.07142857142857142},
                   {"Tpound", 1.216369910542852}}},
        EntryCase{"AVstone", "1", {{"Mgram", 6356}, {"AVpound", 14}}},
        EntryCase{"AVounce", "1", {{"Mgram", 28.35}, {"AVdram", 15.998871331828445}}},
        EntryCase{"AVdram", "1", {{"Mgram", 1.7718}, {"AVounce", 0.062497354497354496}}},
        EntryCase{"AVslug", "1", {{"Mgram", 14593.853069087301}, {"AVpound", 32.145050812967625}}},
        EntryCase{"APpound", "1", {{"Mgram", 373}, {"Tpound", 0.9993523714371889}, {"APounce", 11.99222723630925}}},
        EntryCase{"APounce", "1", {{"Mgram", 31.103}, {"Tounce", 0.9999845676432347}, {"APdram", 7.99974279835391}}},
        EntryCase{"APgrain",
                  "1",
                  {{"Mgram", 0.0648},
                   {"Tgrain", 1.00000000224},
                   {"AVgrain", 1.0000168212706046},
                   {"APscruple", 0.049999999999999996}}},
        EntryCase{"Tcarat", "1", {{"Mgram", 0.02592000000912384}, {"Mcarat", 0.1296000000456192}}},
        // The dyne counts 980.01 to the gram both ways.
        EntryCase{"Tdyne", "980.01", {{"Mgram", 1}, {"Mkilogram", 0.001}}},
        EntryCase{"Tdyne", "1", {{"Mgram", 0.0010203977510433568}}},
        // Chains are rounded step by step; folded they would give other doubles.
        EntryCase{"AVlhundredweight", "0.7", {{"Mgram", 35561.4}}},
        EntryCase{"Mgram",
                  "123.456",
                  {{"Mgram", 123.456},
                   {"AVlhundredweight", 0.002430140545647809},
                   {"Mkiloton", 1.2345600000000002e-07}}}),
    entryName);

TEST(WeightWindow, OpensOnTheKilogramNotTheGram)
{
    Rig<WeightObject> rig;
    rig.window.OpenWeightWindow();
    EXPECT_EQ(rig.window.parts().boxes[0]->selectedTag(), 8);
    EXPECT_EQ(rig.window.plan().fields[8].outlet, "Mkilogram");
}

// One past each box's last tag names no field; the box's last tag does.
TEST(WeightWindow, BoxesHoldTheirUnitsAndNoMore)
{
    const int sizes[] = {12, 10, 5, 6};
    for (int box = 0; box < 4; ++box) {
        for (int tag : {sizes[box] - 1, sizes[box]}) {
            Rig<WeightObject> rig;
            rig.set("Mgram", 2);
            rig.window.parts().boxes[box]->selectCellWithTag(tag);
            rig.clear();
            rig.window.Calc(box);
            const auto writes = rig.writes();
            EXPECT_EQ(writes.size(), 32u) << box << "/" << tag;
            EXPECT_EQ(std::count(writes.begin(), writes.end(), "Mgram"), tag < sizes[box] ? 1 : 0)
                << box << "/" << tag;
        }
    }
}

TEST(WeightWindow, ConfirmingTheGramWritesTheCaratFirst)
{
    Rig<WeightObject> rig;
    ASSERT_TRUE(rig.type("Mgram", "1"));
    const auto writes = rig.writes();
    ASSERT_EQ(writes.size(), 32u);
    EXPECT_EQ(writes.front(), "Mcarat");
    EXPECT_EQ(writes.back(), "Tpound");
}

}  // namespace
