// SPDX-License-Identifier: GPL-3.0-or-later
// The main menu's finder: what a typed text matches, and what opening a
// match does to its window.
#include "app/application.h"
#include "app/unit_finder.h"
#include "app/window_registry.h"
#include "framework/converter_def.h"
#include "headless/headless_platform.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using namespace ambrel;

namespace {

struct FirstMatch {
    const char* typed;
    const char* window;
    const char* outlet;
    const char* text;  // as the list shows it
};

class FinderMatches : public ::testing::TestWithParam<FirstMatch> {};

TEST_P(FinderMatches, TheBestMatchIsTheUnitMeant)
{
    const FirstMatch& c = GetParam();
    const std::vector<UnitMatch> found = findUnits(c.typed);
    ASSERT_FALSE(found.empty()) << c.typed;
    EXPECT_STREQ(found[0].unit->window, c.window) << c.typed;
    EXPECT_STREQ(found[0].unit->outlet, c.outlet) << c.typed;
    EXPECT_EQ(found[0].text, c.text) << c.typed;
}

// By name, by symbol letter for letter, by alias and plural, by the
// beginning of a name while it is being typed, and a unit that needs the
// window's other setting.
// clang-format off
INSTANTIATE_TEST_SUITE_P(ByNameSymbolAliasAndBeginning, FinderMatches, ::testing::Values(
    FirstMatch{"furlong", "length", "FurlongField", "furlong \u2014 Length"}, FirstMatch{"slug", "weight", "AVslug", "slug \u2014 Weight"},
    FirstMatch{"ft", "length", "FeetField", "foot \u2014 Length"}, FirstMatch{"kg", "weight", "Mkilogram", "kilogram \u2014 Weight"},
    FirstMatch{"perch", "length", "RodField", "rod \u2014 Length"}, FirstMatch{"Furlongs", "length", "FurlongField", "furlong \u2014 Length"},
    FirstMatch{"furl", "length", "FurlongField", "furlong \u2014 Length"}, FirstMatch{"kilobyte", "computing", "KilobyteField", "kilobyte \u2014 Computing"}));
// clang-format on

// A match names its converter as the window's own title reads, without the
// button's mnemonic, whether a letter of the name or a digit after it.
TEST(Finder, AMatchNamesItsWindowByTheWindowsTitle)
{
    for (const WindowEntry& e : windowRegistry()) {
        if (e.def) {
            EXPECT_EQ(windowTitle(e), e.def->title) << e.menuTitle;
        }
    }
}

TEST(Finder, ExactMatchesComeBeforeNamesThatMerelyBeginSo)
{
    // "mile" is a unit of its own and the start of "nautical mile"'s word.
    const std::vector<UnitMatch> found = findUnits("mile");
    ASSERT_GE(found.size(), 2u);
    EXPECT_STREQ(found[0].unit->outlet, "MilesField");
    EXPECT_TRUE(std::any_of(found.begin(), found.end(),
                            [](const UnitMatch& m) { return std::string(m.unit->outlet) == "NauticalMileField"; }));
}

TEST(Finder, TextThatNamesNoUnitFindsNothing)
{
    for (const std::string& text : {std::string(), std::string("   "), std::string("zzzq"), std::string(5000, 'm')})
        EXPECT_TRUE(findUnits(text).empty()) << text.substr(0, 10);
    EXPECT_LE(findUnits("m", 5).size(), 5u);
}

// The finder opens a row only when the text means that row as the command
// line reads it: a symbol in another case that may be several units, or a
// prefixed symbol (a thousandth of a watt is no row), lists no row for it.
TEST(Finder, SymbolsInAnotherCaseFindOnlyTheUnitTheyMean)
{
    // clang-format off
    const struct { const char *typed, *first; std::vector<const char*> never; } cases[] = {
        {"KM", "KilometersField", {}}, {"Kg", "Mkilogram", {}}, {"mm", "MillimetersField", {}},
        {"mw", nullptr, {"Pmegawatt"}}, {"mW", nullptr, {"Pmegawatt"}}, {"MM", nullptr, {"MillimetersField"}},
        {"nm", nullptr, {"NauticalMileField"}}, {"MS", nullptr, {"MilliSecondField"}},
        {"mb", nullptr, {"MegabitField", "MegabyteField"}},
    };
    // clang-format on
    for (const auto& c : cases) {
        const std::vector<UnitMatch> found = findUnits(c.typed);
        if (c.first) {
            ASSERT_FALSE(found.empty()) << c.typed;
            EXPECT_STREQ(found[0].unit->outlet, c.first) << c.typed;
        }
        for (const UnitMatch& m : found)
            for (const char* outlet : c.never)
                EXPECT_STRNE(m.unit->outlet, outlet) << c.typed;
    }
}

TEST(Finder, AQuantitySplitsIntoItsNumberAndUnit)
{
    // clang-format off
    const struct { const char* typed; char separator; const char *number, *unit; } cases[] = {
        {"3 furlong", '.', "3", "furlong"}, {"  2.5   ft ", '.', "2.5", "ft"}, {"2,5 ft", ',', "2,5", "ft"},
        {"1e3 m", '.', "1e3", "m"}, {"furlong", '.', "", "furlong"}, {"3", '.', "", "3"},
        {"square foot", '.', "", "square foot"}, {"nan ft", '.', "", "nan ft"},
    };
    // clang-format on
    for (const auto& c : cases) {
        const FinderQuery q = splitQuery(c.typed, c.separator);
        EXPECT_EQ(q.number, c.number) << c.typed;
        EXPECT_EQ(q.unit, c.unit) << c.typed;
    }
}

struct Menu {
    HeadlessPlatform platform;
    Application app{platform};
    MenuObject& menu = app.menu();
    Menu() { menu.parts().accuracyField->setIntValue(4); }
};

// Opening a match selects the unit in its box and converts the typed number
// as an entry would; a unit of the window's other setting switches it first.
TEST(Finder, OpeningAMatchEntersTheNumberAtThatField)
{
    Menu m;
    const auto open = [&](const char* typed) {
        const FinderQuery q = splitQuery(typed);
        EXPECT_TRUE(m.menu.openUnit(*findUnits(q.unit)[0].unit, q.number).accepted) << typed;
    };
    open("3 furlong");
    WindowController& length = *m.app.controller("LenghtObject");
    EXPECT_TRUE(m.menu.opened("LenghtObject"));
    const FieldPlan& field = length.plan().fields[length.fieldIndex("FurlongField")];
    EXPECT_EQ(length.parts().boxes[field.box]->selectedTag(), field.tag);
    EXPECT_EQ(length.field("MetersField")->doubleValue(), 3 * 201.168);
    open("1 kilobyte");
    WindowController& computing = *m.app.controller("ComputingObject");
    EXPECT_EQ(computing.choice("BaseRadioSelection")->selectedTag(), 1);
    EXPECT_EQ(computing.field("ByteField")->doubleValue(), 1000);
}

}  // namespace
