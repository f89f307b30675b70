// SPDX-License-Identifier: GPL-3.0-or-later
// Quantities typed into a window's cells: arithmetic, amounts in the
// window's units, and the table set they convert with.
#include "app/window_registry.h"
#include "framework/entry.h"
#include "headless/headless_platform.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace ambrel;

namespace {

struct Window {
    HeadlessPlatform platform;
    std::unique_ptr<WindowController> controller;
    explicit Window(const char* name, bool exact = false)
    {
        controller = openWindow(*findWindow(name), platform, 4, exact);
    }
    EntryResult type(const char* outlet, const char* text)
    {
        return typeAndConfirm(platform, *controller, controller->fieldIndex(outlet), text);
    }
    double value(const char* outlet) { return controller->field(outlet)->doubleValue(); }
};

TEST(QuantityEntry, AmountsAddUpInTheCellsUnit)
{
    Window length("length");
    // Amounts meet by their definitions, even under the classic tables:
    // the cell keeps what was typed, not what a rounded factor makes of it.
    ASSERT_TRUE(length.type("FeetField", "5 ft 3 in").accepted);
    EXPECT_EQ(length.value("FeetField"), 5.25);
    EXPECT_NEAR(length.value("MetersField"), 1.6002, 1e-5);

    // Spellings as on the command line, prefixes included, added exactly
    // and rounded once.
    ASSERT_TRUE(length.type("MetersField", "1 km 20 cm 500 nm").accepted);
    EXPECT_EQ(length.value("MetersField"), 1000.2000005);

    Window time("time");
    ASSERT_TRUE(time.type("MinuteField", "-1 h 30 min").accepted);
    EXPECT_EQ(time.value("MinuteField"), -90);
    ASSERT_TRUE(time.type("DayField", "2 months").accepted);
    EXPECT_EQ(time.value("DayField"), 60.87375);  // a twelfth of the Gregorian year
}

TEST(QuantityEntry, ExactDefinitionsConvertEachAmountExactly)
{
    Window length("length", true);
    ASSERT_TRUE(length.type("FeetField", "1 mi").accepted);
    EXPECT_EQ(length.value("FeetField"), 5280);
    ASSERT_TRUE(length.type("InchesField", "1 yd 1 ft").accepted);
    EXPECT_EQ(length.value("InchesField"), 48);
}

// The data sizes take the units of the prefix system the window is under,
// in either table set.
TEST(QuantityEntry, DataSizesTakeTheUnitsOfThePrefixSystem)
{
    for (const bool exact : {false, true}) {
        Window computing("computing", exact);
        ASSERT_TRUE(computing.type("KilobyteField", "1 GiB").accepted);
        EXPECT_EQ(computing.value("KilobyteField"), 1048576);
        computing.controller->choice("BaseRadioSelection")->selectItemWithTag(1);
        computing.controller->perform("BaseAction:");
        ASSERT_TRUE(computing.type("KilobyteField", "1 GB 1 B").accepted);
        EXPECT_EQ(computing.value("KilobyteField"), 1000000.001);
        EXPECT_EQ(computing.value("ByteField"), 1000000001);
        EXPECT_FALSE(computing.type("KilobyteField", "1 GiB").accepted);
    }
}

TEST(QuantityEntry, RefusedQuantitiesChangeNothing)
{
    Window length("length");
    ASSERT_TRUE(length.type("MetersField", "2").accepted);
    for (const char* text : {"2 m 3 kg", "3 parsnips", "5 m 3", "1/0", "(1", "2 m (", "1e308 pc 1e308 pc"}) {
        const EntryResult r = length.type("MetersField", text);
        EXPECT_FALSE(r.accepted) << text;
        EXPECT_FALSE(r.message.empty()) << text;
        EXPECT_EQ(length.value("KilometersField"), 0.002) << text;
    }
    // Units of one box's base only: the temperature cells take no feet.
    Window temperature("temperature");
    EXPECT_FALSE(temperature.type("CelsiusField", "3 ft").accepted);
    EXPECT_TRUE(temperature.type("CelsiusField", "(100 - 32) * 5/9").accepted);
    EXPECT_NEAR(temperature.value("CelsiusField"), 37.7778, 1e-4);
    // A symbol in the wrong case names what it could be; nothing is read.
    Window power("power-energy");
    const EntryResult mw = power.type("Pwatt", "1 mw");
    EXPECT_FALSE(mw.accepted);
    EXPECT_NE(mw.message.find("'mw' could be MW (megawatt) or mW (milliwatt)"), std::string::npos) << mw.message;
}

}  // namespace
