// The temperature window: one box whose action converts, a fused
// Celsius-to-Fahrenheit step, offsets that disagree, every scale but Celsius
// rewritten after each entry, and a notebook that always beeps.
#include "converters/temperature.h"
#include "support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace ambrel;
using ambrel::testing::EntryCase;
using ambrel::testing::entryName;
using ambrel::testing::expectEntry;
using ambrel::testing::Rig;

namespace {

// The four scales an entry leaves, in the box's order.
EntryCase scales(const char* typed, const char* text, double celsius, double fahrenheit, double kelvin, double rankine)
{
    return {typed,
            text,
            {{"CelsiusField", celsius},
             {"FahrenheitField", fahrenheit},
             {"KelvinField", kelvin},
             {"RankineField", rankine}}};
}

class TemperatureEntries : public ::testing::TestWithParam<EntryCase> {};

TEST_P(TemperatureEntries, GiveTheTableDoubles)
{
    expectEntry<TempObject>(GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    Table, TemperatureEntries,
    ::testing::Values(
        scales("CelsiusField", "100", 100, 212, 373, 671.69),
        scales("CelsiusField", "-40", -40, -40, 233, 419.69),
        scales("CelsiusField", "37", 37, 98.60000000000001, 310, 558.29),
        scales("FahrenheitField", "212", 100, 212, 373, 671.69),
        scales("FahrenheitField", "98.6", 36.99999999999999, 98.6, 310, 558.29),
        // One fused multiply-add: a rounded product would give exactly 0.
        scales("FahrenheitField", "0", -17.77777777777778, -2.210577400142534e-15, 255.22222222222223, 459.69),
        // Kelvin is offset by 273 and Rankine by 459.69: absolute zeros disagree.
        scales("KelvinField", "0", -273, -459.40000000000003, 0, 0.2899999999999636),
        scales("RankineField", "0", -273.1611111111111, -459.69, -0.16111111111109722, 0),
        scales("KelvinField", "373.15", 100.14999999999998, 212.26999999999995, 373.15, 671.9599999999999)),
    entryName);

std::vector<std::string> allButCelsius()
{
    return {"FahrenheitField", "KelvinField", "RankineField"};
}

TEST(TemperatureWindow, EveryScaleButCelsiusIsRewrittenTheTypedOneIncluded)
{
    struct Case {
        const char* typed;
        std::vector<std::string> writes;
    } cases[] = {
        {"CelsiusField", allButCelsius()},
        {"FahrenheitField", {"CelsiusField", "FahrenheitField", "KelvinField", "RankineField"}},
        {"KelvinField", {"CelsiusField", "FahrenheitField", "KelvinField", "RankineField"}},
        {"RankineField", {"CelsiusField", "FahrenheitField", "KelvinField", "RankineField"}},
    };
    for (const Case& c : cases) {
        Rig<TempObject> rig;
        ASSERT_TRUE(rig.type(c.typed, "5"));
        EXPECT_EQ(rig.writes(), c.writes) << c.typed;
    }
}

TEST(TemperatureWindow, FahrenheitIsTheBoxsSecondCell)
{
    Rig<TempObject> rig;
    Box& box = *rig.window.parts().boxes[0];
    EXPECT_EQ(box.cellCount(), 4);
    EXPECT_EQ(box.cellAtIndex(1), rig.window.field("FahrenheitField"));
}

TEST(TemperatureWindow, CalcIsTheBoxActionAndKeepsItsSelection)
{
    Rig<TempObject> rig;
    rig.set("KelvinField", 300);
    rig.window.parts().boxes[0]->selectCellWithTag(2);
    rig.clear();
    rig.window.Calc();
    EXPECT_EQ(rig.value("CelsiusField"), 27);
    EXPECT_EQ(rig.window.parts().boxes[0]->selectedTag(), 2);
    const auto& events = rig.platform.events().events();
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(events.back().kind, "select");
    EXPECT_TRUE(rig.window.responds("Calc:"));
}

TEST(TemperatureWindow, NoSelectionRewritesFromCelsiusOnly)
{
    for (int tag : {-1, 4, 99}) {
        Rig<TempObject> rig;
        rig.set("CelsiusField", 100);
        rig.set("KelvinField", 7);
        rig.window.parts().boxes[0]->selectCellWithTag(tag);
        rig.clear();
        rig.window.Calc();
        EXPECT_EQ(rig.writes(), allButCelsius()) << tag;
        EXPECT_EQ(rig.value("CelsiusField"), 100);
        EXPECT_EQ(rig.value("KelvinField"), 373) << tag;
        EXPECT_EQ(rig.window.parts().boxes[0]->selectedTag(), tag);
    }
}

TEST(TemperatureWindow, OpensOnCelsius)
{
    Rig<TempObject> rig;
    rig.window.OpenTempWindow();
    EXPECT_EQ(rig.window.parts().boxes[0]->selectedTag(), 0);
}

TEST(TemperatureWindow, NotebookBeepsWhetherOrNotTheDocumentExists)
{
    Rig<TempObject> rig;
    EXPECT_TRUE(rig.window.responds("ShowNoteBook:"));
    EXPECT_FALSE(rig.window.responds("ShowNotebook:"));
    rig.window.ShowNoteBook();
    EXPECT_EQ(rig.platform.beeps(), 1);
    EXPECT_FALSE(rig.platform.notebookWindow()->isVisible());

    rig.platform.resources()["Temperature.rtfd"] = "/nonexistent/Temperature.rtfd";
    rig.clear();
    ASSERT_TRUE(rig.window.perform("ShowNoteBook:"));
    EXPECT_EQ(rig.platform.notebookWindow()->title(), "Temperature");
    const auto& events = rig.platform.events().events();
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(events.back().kind, "beep");  // after the document is shown
    EXPECT_EQ(rig.platform.beeps(), 1);
}

}  // namespace
