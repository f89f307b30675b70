// SPDX-License-Identifier: GPL-3.0-or-later
// The proportion, interpolation and power-to-weight windows, and how the
// window of further calculators opens all four.
#include "app/application.h"
#include "app/window_registry.h"
#include "calculators/file_transfer.h"
#include "calculators/interpolation.h"
#include "calculators/power_weight.h"
#include "calculators/proportion.h"
#include "support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

using namespace ambrel;
using ambrel::testing::Rig;

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// NaN compares unequal to itself; a case that expects it says so.
void expectSame(double actual, double expected)
{
    if (std::isnan(expected))
        EXPECT_TRUE(std::isnan(actual)) << actual;
    else
        EXPECT_EQ(actual, expected);
}

}  // namespace

TEST(Proportion, XIsTheProductOverB)
{
    // A result with no number comes with the reason the note line shows.
    const struct {
        const char *a, *b, *c;
        double x;
        const char* note;
    } cases[] = {
        {"0.1", "0.3", "3", 1.0000000000000002, ""},                       // 0.1 × (3 ÷ 0.3) would give exactly 1
        {"1e200", "1e200", "1e200", kInf, "x is too large for a number"},  // the product overflows first
        {"0", "0", "1", kNaN, "B is 0, and x = A × C ÷ B divides by it"},
    };
    for (const auto& p : cases) {
        Rig<FindXcalc> rig;
        ASSERT_TRUE(rig.type("formA", p.a));
        ASSERT_TRUE(rig.type("formB", p.b));
        ASSERT_TRUE(rig.type("formC", p.c));
        expectSame(rig.value("formx"), p.x);
        EXPECT_EQ(std::isfinite(p.x) ? "" : rig.window.resultNote(), p.note);
    }
}

TEST(Interpolation, XLiesOnTheLineThroughBothPoints)
{
    const double cases[][6] = {
        {0, 0.1, 0.3, 0, 3, 1.0000000000000002},  // 3 × (0.1 ÷ 0.3) would give 1
        {1, 2, 1, 5, 6, kInf},
        {1, 1, 1, 5, 5, kNaN},
    };
    for (const auto& p : cases) {
        Rig<InterpolateCalc> rig;
        for (int i = 0; i < 5; ++i)
            rig.set(std::string("form") + "ABCDE"[i], p[i]);
        ASSERT_TRUE(rig.window.perform("Calc:"));
        expectSame(rig.value("formx"), p[5]);
        if (!std::isfinite(p[5])) {  // A and C are both 1
            EXPECT_EQ(rig.window.resultNote(), "A equals C, so the points give no line");
        }
    }
}

TEST(Calculators, EnterInAnyInputCellCalculatesAndBadTextIsRefused)
{
    Rig<InterpolateCalc> rig;
    for (const auto& [outlet, text] : {std::pair{"formA", "0"}, {"formC", "10"}, {"formD", "100"}, {"formE", "200"}})
        ASSERT_TRUE(rig.type(outlet, text));
    rig.clear();
    ASSERT_TRUE(rig.type("formB", "5"));
    EXPECT_EQ(rig.writes(), std::vector<std::string>{"formx"});
    EXPECT_EQ(rig.value("formx"), 150);
    rig.clear();
    EXPECT_FALSE(rig.type("formB", "five"));
    EXPECT_EQ(rig.platform.beeps(), 1);
    EXPECT_TRUE(rig.writes().empty());
    EXPECT_EQ(rig.value("formB"), 5);
    EXPECT_EQ(rig.value("formx"), 150);
}

TEST(PowerWeight, OpensFormattedAndShowsTheRatioToThreeDecimals)
{
    Rig<PowerWeightRatio> rig;
    ASSERT_TRUE(rig.window.perform("OpenPowerWeightRatioWindow:"));
    std::vector<std::string> kinds;
    for (const Event& e : rig.platform.events().events())
        kinds.push_back(e.kind + " " + e.target);
    // The ratio is formatted before the power is selected.
    EXPECT_EQ(kinds,
              (std::vector<std::string>{"center PowerWeightRatioWindow", "front PowerWeightRatioWindow", "format Ratio",
                                        "select TextFieldInput"}));
    ASSERT_TRUE(rig.type("Horsepower", "1"));
    ASSERT_TRUE(rig.type("Weight", "3"));
    EXPECT_EQ(rig.value("Ratio"), 0.3333333333333333);
    EXPECT_EQ(rig.cell("Ratio").shown(), "0.333");
    ASSERT_TRUE(rig.type("Weight", "0"));
    EXPECT_EQ(rig.window.resultNote(), "the weight is 0, and the ratio divides by it");
}

// The buttons of the window of further calculators send these through the
// menu; no accuracy reaches them, neither on opening nor when it changes
// (the power-to-weight ratio keeps its three decimals), and opening again
// only brings one back.
TEST(FurtherCalculators, OpenThroughTheMenuWithoutAnAccuracy)
{
    for (const WindowEntry& entry : windowRegistry()) {
        if (entry.takesAccuracy())
            continue;
        SCOPED_TRACE(entry.cliName);
        HeadlessPlatform platform;
        Application app(platform);
        app.menu().parts();
        platform.intControl("AccuracyField")->userSets(7);
        app.menu().OpenBonusCalcsWindow();
        platform.events().clear();
        ASSERT_TRUE(app.menu().perform(entry.openAction));
        HeadlessWindow* window = platform.window(app.controller(entry.className)->plan().outlet);
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(platform.keyWindow(), window);
        EXPECT_FALSE(app.menu().opened("LenghtObject"));
        ASSERT_TRUE(app.menu().perform("OpenLenghtWindow:"));
        app.menu().SetAccuracyPref();
        EXPECT_EQ(platform.field("MetersField")->digits(), 7);
        if (const HeadlessField* ratio = platform.field("Ratio")) {
            EXPECT_EQ(ratio->digits(), 3);
        }
        for (const Event& e : platform.events().ofKind("format"))
            EXPECT_TRUE(e.value != 7 || app.controller("LenghtObject")->field(e.target))
                << "accuracy sent to " << e.target;
        platform.events().clear();
        ASSERT_TRUE(app.menu().perform(entry.openAction));
        EXPECT_EQ(platform.events().count("write"), 0);
    }
}
