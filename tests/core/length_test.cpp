// The length window: the converter model's rules and the table's irregular
// factors, on the headless platform.
#include "converters/length.h"
#include "support.h"

#include <gtest/gtest.h>

using namespace ambrel;
using ambrel::testing::EntryCase;
using ambrel::testing::entryName;
using ambrel::testing::expectEntry;
using ambrel::testing::Rig;

namespace {

class LengthEntries : public ::testing::TestWithParam<EntryCase> {};

// Each entry writes the base once and every other field from it; the
// numbers are the exact doubles the listed operations give.
TEST_P(LengthEntries, GiveTheTableDoubles)
{
    expectEntry<LenghtObject>(GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    Table, LengthEntries,
    ::testing::Values(
        EntryCase{"FeetField", "1", {{"MetersField", 0.3048}, {"InchesField", 11.999976}, {"FeetField", 1}}},
        // Out-of-base factors that are not reciprocals of the factors in.
        EntryCase{"MilesField",
                  "1",
                  {{"MetersField", 1609.344},
                   {"RodField", 320},
                   {"ChainField", 80.0000074368},
                   {"FurlongField", 8.000049023999999},
                   {"FeetField", 5280.257664000001},
                   {"YardsField", 1759.9785984},
                   {"InchesField", 63359.87328},
                   {"LeagueField", 0.3332951424},
                   {"NauticalMileField", 0.86838592896}}},
        EntryCase{"LeagueField", "1", {{"MetersField", 4827.9}, {"MilesField", 2.9999179790026242}}},
        // The astronomical unit comes out through the light year.
        EntryCase{"LightYearField",
                  "1",
                  {{"MetersField", 9458000000000000},
                   {"AstroUnitField", 63216.2627144},
                   {"ParsecField", 0.3064808813998704}}},
        // Three multiplications in, one division out.
        EntryCase{"ParsecField",
                  "1",
                  {{"MetersField", 3.086e16},
                   {"LightYearField", 3.2628462677098753},
                   {"AstroUnitField", 206264.946856247}}},
        EntryCase{"AstroUnitField",
                  "1",
                  {{"MetersField", 149613400000},
                   {"LightYearField", 0.000015818714315923028},
                   {"AstroUnitField", 1}}},
        EntryCase{"InchesField", "100", {{"MetersField", 2.54}, {"CentimetersField", 254}}}),
    entryName);

TEST(LengthModel, EditedFieldKeepsWhatWasTypedAndBaseIsWrittenOnce)
{
    Rig<LenghtObject> rig;
    ASSERT_TRUE(rig.type("FeetField", "1"));
    const auto writes = rig.writes();
    ASSERT_EQ(writes.size(), 18u);  // the base, then 17 others
    EXPECT_EQ(writes.front(), "MetersField");
    EXPECT_EQ(std::count(writes.begin(), writes.end(), "MetersField"), 1);
    EXPECT_EQ(std::count(writes.begin(), writes.end(), "FeetField"), 0);
    // Table order after the base.
    EXPECT_EQ(writes[1], "MillimetersField");
    EXPECT_EQ(writes[7], "InchesField");
    EXPECT_EQ(writes[8], "YardsField");
    EXPECT_EQ(writes.back(), "AstroUnitField");
    EXPECT_EQ(rig.value("FeetField"), 1);
}

TEST(LengthModel, ConfirmingTheBaseWritesEveryOtherFieldFromIt)
{
    Rig<LenghtObject> rig;
    ASSERT_TRUE(rig.type("MetersField", "1"));
    const auto writes = rig.writes();
    ASSERT_EQ(writes.size(), 18u);
    EXPECT_EQ(writes.front(), "MillimetersField");
    EXPECT_EQ(std::count(writes.begin(), writes.end(), "MetersField"), 0);
    EXPECT_EQ(rig.value("MillimetersField"), 1000);
    EXPECT_EQ(rig.value("KilometersField"), 0.001);
    EXPECT_EQ(rig.value("InchesField"), 39.37);
    EXPECT_EQ(rig.value("MilesField"), 0.0006213711922373339);
    EXPECT_EQ(rig.cell("ParsecField").shown(), "0.0000");
}

TEST(LengthModel, BoxSelectionIsRestoredAndOtherBoxesUntouched)
{
    Rig<LenghtObject> rig;
    auto& boxes = rig.window.parts().boxes;
    boxes[0]->selectCellWithTag(5);
    boxes[2]->selectCellWithTag(1);
    ASSERT_TRUE(rig.type("FurlongField", "2"));
    EXPECT_EQ(boxes[1]->selectedTag(), 5);
    EXPECT_EQ(boxes[0]->selectedTag(), 5);
    EXPECT_EQ(boxes[2]->selectedTag(), 1);
    // The last thing the per-box action does is select its tag again.
    const auto& events = rig.platform.events().events();
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(events.back().kind, "select");
    EXPECT_EQ(events.back().target, "ImperialBox");
    EXPECT_EQ(events.back().value, 5);
}

// When no field counts as edited, every field but the base is rewritten from
// it, the one just typed into included.
TEST(LengthModel, NoEditedFieldRewritesAllButTheBase)
{
    struct Case {
        int box;
        int tag;
    } cases[] = {{3, 1}, {-1, 1}, {1, 9}, {1, 100}, {1, -1}, {0, 7}};
    for (const Case& c : cases) {
        Rig<LenghtObject> rig;
        rig.set("MetersField", 2);
        rig.set("FeetField", 99);
        if (c.box >= 0 && c.box < 3)
            rig.window.parts().boxes[c.box]->selectCellWithTag(c.tag);
        rig.clear();
        rig.window.Calc(c.box);
        const auto writes = rig.writes();
        EXPECT_EQ(writes.size(), 18u) << c.box << "/" << c.tag;
        EXPECT_EQ(std::count(writes.begin(), writes.end(), "MetersField"), 0);
        EXPECT_EQ(rig.value("FeetField"), 2 * 3.281) << c.box << "/" << c.tag;
    }
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

TEST(LengthModel, OpeningKeepsNumbersAndSelectsTheMeter)
{
    Rig<LenghtObject> rig;
    ASSERT_TRUE(rig.type("FeetField", "3"));
    rig.clear();
    rig.window.OpenLenghtWindow();
    const auto& events = rig.platform.events().events();
    ASSERT_EQ(events.size(), 3u);
    EXPECT_EQ(events[0].kind, "center");
    EXPECT_EQ(events[1].kind, "front");
    EXPECT_EQ(events[2].kind, "select");
    EXPECT_EQ(events[2].target, "MetricBox");
    EXPECT_EQ(events[2].value, 3);
    EXPECT_EQ(rig.value("FeetField"), 3);
    EXPECT_TRUE(rig.window.parts().window->isVisible());
}

TEST(LengthModel, RefusedEntryChangesNothing)
{
    for (const char* bad : {"12abc", "nan", "inf", "1e309", "1 2", "0x1A", "1.2.3"}) {
        Rig<LenghtObject> rig;
        ASSERT_TRUE(rig.type("FeetField", "1"));
        rig.clear();
        EXPECT_FALSE(rig.type("YardsField", bad)) << bad;
        EXPECT_TRUE(rig.writes().empty()) << bad;
        EXPECT_EQ(rig.platform.beeps(), 1) << bad;
        EXPECT_EQ(rig.cell("YardsField").shown(), bad);  // left for correction
        EXPECT_EQ(rig.value("MetersField"), 0.3048);
    }
}

TEST(LengthModel, EmptyEntryReadsAsZero)
{
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
    Window* notebook = rig.platform.notebookWindow();
    EXPECT_EQ(notebook->title(), "Length");
    EXPECT_TRUE(notebook->isVisible());
    // An unreadable document leaves its path as the text.
    EXPECT_EQ(rig.platform.notebookView()->text(), "/nonexistent/Length.html");
    EXPECT_EQ(rig.platform.beeps(), 0);
}

}  // namespace
