// SPDX-License-Identifier: GPL-3.0-or-later
// The temperature window: a fused Celsius-to-Fahrenheit step, offsets that
// disagree, every scale but Celsius rewritten after each entry, and a
// notebook that always beeps.
#include "converters/temperature.h"
#include "support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace ambrel;
using ambrel::testing::EntryCase;
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

// clang-format off
AMBREL_ENTRY_TABLE(
    TemperatureEntries, TempObject,
    scales("CelsiusField", "37", 37, 98.60000000000001, 310, 558.29),
    scales("FahrenheitField", "98.6", 36.99999999999999, 98.6, 310, 558.29),
    // The typed field keeps its 0: the way there and back would make it
    // -2.210577400142534e-15.
    scales("FahrenheitField", "0", -17.77777777777778, 0, 255.22222222222223, 459.69),
    // Kelvin is offset by 273 and Rankine by 459.69: absolute zeros disagree.
    scales("KelvinField", "0", -273, -459.40000000000003, 0, 0.2899999999999636),
    scales("RankineField", "0", -273.1611111111111, -459.69, -0.16111111111109722, 0),
    EntryCase{"KelvinField", "300", {{"CelsiusField", 27}}});
// clang-format on

// Celsius is written from the typed scale, then every other scale but the
// typed one from Celsius.
TEST(TemperatureWindow, EveryScaleButTheTypedOneIsWritten)
{
    const std::vector<std::string> all = {"CelsiusField", "FahrenheitField", "KelvinField", "RankineField"};
    for (const std::string& typed : all) {
        Rig<TempObject> rig;
        ASSERT_TRUE(rig.type(typed, "5"));
        std::vector<std::string> others;
        for (const std::string& scale : all)
            if (scale != typed)
                others.push_back(scale);
        EXPECT_EQ(rig.writes(), others) << typed;
    }
}

TEST(TemperatureWindow, NotebookBeepsWhetherOrNotTheDocumentExists)
{
    Rig<TempObject> rig;
    EXPECT_FALSE(rig.window.responds("ShowNotebook:"));
    rig.window.showNotebook();
    EXPECT_EQ(rig.platform.beeps(), 1);
    EXPECT_FALSE(rig.platform.notebookWindow()->isVisible());
    rig.platform.resources()["Temperature.rtfd"] = "/nonexistent/Temperature.rtfd";
    rig.clear();
    ASSERT_TRUE(rig.window.perform("ShowNoteBook:"));
    EXPECT_EQ(rig.platform.notebookWindow()->title(), "Temperature \u2014 Notes");
    EXPECT_EQ(rig.platform.events().events().back().kind, "beep");  // after the document is shown
    EXPECT_EQ(rig.platform.beeps(), 1);
}

}  // namespace

namespace {

// Below absolute zero, as each table set puts it, an entry is refused and
// nothing else changes; absolute zero itself is taken.
TEST(TemperatureWindow, BelowAbsoluteZeroIsRefusedInEitherSet)
{
    struct Case {
        bool exact;
        const char* outlet;
        const char* typed;
        bool refused;
    };
    // clang-format off
    const Case cases[] = {
        {false, "KelvinField", "-5", true},         {true, "KelvinField", "-5", true},
        {false, "CelsiusField", "-300", true},      {true, "CelsiusField", "-300", true},
        {false, "FahrenheitField", "-500", true},   {true, "FahrenheitField", "-500", true},
        {false, "RankineField", "-1", true},        {true, "RankineField", "-1", true},
        {false, "CelsiusField", "-273.1", true},    {true, "CelsiusField", "-273.1", false},
        {false, "CelsiusField", "-273", false},     {true, "CelsiusField", "-273.15", false},
        {true, "CelsiusField", "-273.150001", true},
        {false, "FahrenheitField", "-459.5", true}, {true, "FahrenheitField", "-459.5", false},
        {true, "FahrenheitField", "-459.67", false}, {true, "FahrenheitField", "-459.7", true},
        {true, "KelvinField", "0", false},          {true, "KelvinField", "-0", false},
        {true, "KelvinField", "1 - 2", true},       {true, "KelvinField", "-1 °C", false},
    };
    // clang-format on
    for (const Case& c : cases) {
        Rig<TempObject> rig;
        rig.window.setExactDefinitions(c.exact);
        ASSERT_TRUE(rig.type("CelsiusField", "20"));
        rig.clear();
        const int index = rig.window.fieldIndex(c.outlet);
        const EntryResult r = typeAndConfirm(rig.platform, rig.window, index, c.typed);
        EXPECT_EQ(!r.accepted, c.refused) << c.outlet << " " << c.typed << " exact " << c.exact;
        if (!c.refused)
            continue;
        EXPECT_NE(r.message.find("below absolute zero"), std::string::npos) << r.message;
        EXPECT_TRUE(rig.writes().empty()) << c.outlet << " " << c.typed;
        EXPECT_EQ(rig.cell(c.outlet).stringValue(), c.typed);
        EXPECT_EQ(rig.value("CelsiusField"), 20) << c.typed;
    }
}

}  // namespace
