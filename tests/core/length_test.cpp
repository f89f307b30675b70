// SPDX-License-Identifier: GPL-3.0-or-later
// The length window: the converter model's rules and the table's irregular
// factors, on the headless platform.
#include "converters/length.h"
#include "support.h"

#include <gtest/gtest.h>

using namespace ambrel;
using ambrel::testing::EntryCase;
using ambrel::testing::Rig;

namespace {

// clang-format off
AMBREL_ENTRY_TABLE(
    LengthEntries, LenghtObject,
    // Out-of-base factors that are not reciprocals of the factors in.
    EntryCase{"MilesField",
              "1",
              {{"MetersField", 1609.344}, {"ChainField", 80.0000074368}, {"FurlongField", 8.000049023999999},
               {"FeetField", 5280.257664000001}, {"YardsField", 1759.9785984}, {"InchesField", 63359.87328},
               {"NauticalMileField", 0.86838592896}}},
    // The astronomical unit comes out through the light year.
    EntryCase{"LightYearField",
              "1",
              {{"MetersField", 9458000000000000}, {"AstroUnitField", 63216.2627144}, {"ParsecField", 0.3064808813998704}}},
    // Three multiplications in, one division out.
    EntryCase{"ParsecField",
              "1",
              {{"MetersField", 3.086e16}, {"LightYearField", 3.2628462677098753}, {"AstroUnitField", 206264.946856247}}});
// clang-format on

// The edited field keeps what was typed; the base is written once, first,
// then the others in table order. Confirming the base writes all the others.
TEST(LengthModel, AnEntryWritesTheBaseOnceThenTheRestInTableOrder)
{
    Rig<LenghtObject> rig;
    ASSERT_TRUE(rig.type("FeetField", "1"));
    auto writes = rig.writes();
    ASSERT_EQ(writes.size(), 18u);
    EXPECT_EQ(writes[0], "MetersField");
    EXPECT_EQ(writes[1], "MillimetersField");
    EXPECT_EQ(writes[7], "InchesField");
    EXPECT_EQ(writes.back(), "AstroUnitField");
    EXPECT_EQ(rig.wrote("MetersField"), 1);
    EXPECT_EQ(rig.wrote("FeetField"), 0);
    EXPECT_EQ(rig.value("FeetField"), 1);

    rig.clear();
    ASSERT_TRUE(rig.type("MetersField", "1"));
    EXPECT_EQ(rig.writes().size(), 18u);
    EXPECT_EQ(rig.wrote("MetersField"), 0);
    EXPECT_EQ(rig.value("InchesField"), 39.37);
    EXPECT_EQ(rig.value("MilesField"), 0.0006213711922373339);
    EXPECT_EQ(rig.cell("ParsecField").shown(), "3.2404e-17");
}

TEST(LengthModel, BoxSelectionIsRestoredAndOtherBoxesUntouched)
{
    Rig<LenghtObject> rig;
    auto& boxes = rig.window.parts().boxes;
    boxes[0]->selectCellWithTag(5);
    boxes[2]->selectCellWithTag(1);
    ASSERT_TRUE(rig.type("FurlongField", "2"));
    EXPECT_EQ(boxes[0]->selectedTag(), 5);
    EXPECT_EQ(boxes[2]->selectedTag(), 1);
    // The last thing the per-box action does is select its tag again.
    const auto& last = rig.platform.events().events().back();
    EXPECT_EQ(last.kind, "select");
    EXPECT_EQ(last.target, "ImperialBox");
    EXPECT_EQ(last.value, 5);
}

TEST(LengthModel, AccuracyChangesOnlyTheFormat)
{
    Rig<LenghtObject> rig;
    ASSERT_TRUE(rig.type("FeetField", "1"));
    rig.clear();
    rig.window.accuracyChange(0);
    EXPECT_EQ(rig.writes().size(), 0u);
    EXPECT_EQ(rig.platform.events().count("format"), 19);
    EXPECT_EQ(rig.cell("InchesField").shown(), "12");
    rig.window.accuracyChange(6);
    EXPECT_EQ(rig.cell("InchesField").shown(), "11.999976");
    rig.window.accuracyChange(-3);
    EXPECT_EQ(rig.cell("InchesField").shown(), "12");
}

// A refused entry beeps, stays in its field for correction and changes
// nothing else; a blank one reads as zero.
TEST(LengthModel, RefusedEntryChangesNothingAndBlankIsZero)
{
    for (const char* bad : {"12abc", "nan", "inf", "1e309", "1 2", "0x1A", "1.2.3"}) {
        Rig<LenghtObject> rig;
        ASSERT_TRUE(rig.type("FeetField", "1"));
        rig.clear();
        EXPECT_FALSE(rig.type("YardsField", bad)) << bad;
        EXPECT_TRUE(rig.writes().empty()) << bad;
        EXPECT_EQ(rig.platform.beeps(), 1) << bad;
        EXPECT_EQ(rig.cell("YardsField").shown(), bad);
        EXPECT_EQ(rig.value("MetersField"), 0.3048);
    }
    Rig<LenghtObject> rig;
    ASSERT_TRUE(rig.type("FeetField", "1"));
    ASSERT_TRUE(rig.type("KilometersField", "  "));
    EXPECT_EQ(rig.value("MetersField"), 0);
    EXPECT_EQ(rig.value("FeetField"), 0);
}

TEST(LengthModel, NotebookShowsTheDocumentOrNothing)
{
    Rig<LenghtObject> rig;
    rig.window.ShowNotebook();
    EXPECT_TRUE(rig.platform.events().events().empty());  // missing: nothing shown, nothing said

    rig.platform.resources()["Length.rtfd"] = "/nonexistent/Length.html";
    rig.window.ShowNotebook();
    EXPECT_EQ(rig.platform.notebookWindow()->title(), "Length \u2014 Notes");
    EXPECT_TRUE(rig.platform.notebookWindow()->isVisible());
    // An unreadable document leaves its path as the text.
    EXPECT_EQ(rig.platform.notebookView()->text(), "/nonexistent/Length.html");
    EXPECT_EQ(rig.platform.beeps(), 0);
}

}  // namespace
