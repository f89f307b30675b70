// The proportion, interpolation and power-to-weight windows, and how the
// window of further calculators opens all four.
#include "app/application.h"
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

// NaN compares unequal to itself; a case that expects it says so.
void expectSame(double actual, double expected)
{
    if (std::isnan(expected))
        EXPECT_TRUE(std::isnan(actual)) << actual;
    else
        EXPECT_EQ(actual, expected);
}

}  // namespace

struct ProportionCase {
    const char* a;
    const char* b;
    const char* c;
    double x;
};

class Proportion : public ::testing::TestWithParam<ProportionCase> {};

TEST_P(Proportion, XIsTheProductOverB)
{
    const ProportionCase& p = GetParam();
    Rig<FindXcalc> rig;
    ASSERT_TRUE(rig.type("formA", p.a));
    ASSERT_TRUE(rig.type("formB", p.b));
    ASSERT_TRUE(rig.type("formC", p.c));
    expectSame(rig.value("formx"), p.x);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Proportion,
    ::testing::Values(ProportionCase{"2", "4", "10", 5},
                      // 0.1 × (3 ÷ 0.3) would give exactly 1.
                      ProportionCase{"0.1", "0.3", "3", 1.0000000000000002},
                      // The product overflows before the division could save it.
                      ProportionCase{"1e200", "1e200", "1e200", kInf},
                      ProportionCase{"3", "0", "1", kInf},
                      ProportionCase{"-3", "0", "1", -kInf},
                      ProportionCase{"0", "0", "1", std::numeric_limits<double>::quiet_NaN()}));

struct InterpolationCase {
    double a, b, c, d, e;
    double x;
};

class Interpolation : public ::testing::TestWithParam<InterpolationCase> {};

TEST_P(Interpolation, XLiesOnTheLineThroughBothPoints)
{
    const InterpolationCase& p = GetParam();
    Rig<InterpolateCalc> rig;
    const std::pair<const char*, double> inputs[] = {
        {"formA", p.a}, {"formB", p.b}, {"formC", p.c}, {"formD", p.d}, {"formE", p.e}};
    for (const auto& [outlet, v] : inputs)
        rig.set(outlet, v);
    ASSERT_TRUE(rig.window.perform("Calc:"));
    expectSame(rig.value("formx"), p.x);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Interpolation,
    ::testing::Values(InterpolationCase{0, 5, 10, 100, 200, 150},
                      InterpolationCase{0, 15, 10, 100, 200, 250},  // beyond C it extrapolates
                      InterpolationCase{0, 0, 10, 100, 200, 100},
                      // The product before the division: 3 × (0.1 ÷ 0.3) would give 1.
                      InterpolationCase{0, 0.1, 0.3, 0, 3, 1.0000000000000002},
                      InterpolationCase{1, 2, 1, 5, 6, kInf},
                      InterpolationCase{1, 1, 1, 5, 5, std::numeric_limits<double>::quiet_NaN()}));

TEST(Calculators, EnterInAnyInputCellCalculates)
{
    Rig<InterpolateCalc> rig;
    ASSERT_TRUE(rig.type("formA", "0"));
    ASSERT_TRUE(rig.type("formC", "10"));
    ASSERT_TRUE(rig.type("formD", "100"));
    ASSERT_TRUE(rig.type("formE", "200"));
    rig.clear();
    ASSERT_TRUE(rig.type("formB", "5"));
    EXPECT_EQ(rig.writes(), std::vector<std::string>{"formx"});
    EXPECT_EQ(rig.value("formx"), 150);
}

TEST(Calculators, TextThatIsNotANumberIsRefusedAndChangesNothing)
{
    Rig<FindXcalc> rig;
    ASSERT_TRUE(rig.type("formA", "2"));
    ASSERT_TRUE(rig.type("formB", "4"));
    ASSERT_TRUE(rig.type("formC", "10"));
    rig.clear();
    EXPECT_FALSE(rig.type("formB", "four"));
    EXPECT_EQ(rig.platform.beeps(), 1);
    EXPECT_TRUE(rig.writes().empty());
    EXPECT_EQ(rig.value("formB"), 4);
    EXPECT_EQ(rig.value("formx"), 5);
}

struct RatioCase {
    const char* power;
    const char* weight;
    double ratio;
    const char* shown;
};

class PowerWeight : public ::testing::TestWithParam<RatioCase> {};

TEST_P(PowerWeight, RatioIsPowerOverWeightShownToThreeDecimals)
{
    const RatioCase& p = GetParam();
    Rig<PowerWeightRatio> rig;
    rig.window.OpenPowerWeightRatioWindow();
    ASSERT_TRUE(rig.type("Horsepower", p.power));
    ASSERT_TRUE(rig.type("Weight", p.weight));
    expectSame(rig.value("Ratio"), p.ratio);
    EXPECT_EQ(rig.cell("Ratio").shown(), p.shown);
}

INSTANTIATE_TEST_SUITE_P(Table, PowerWeight,
                         ::testing::Values(RatioCase{"300", "1500", 0.2, "0.200"},
                                           RatioCase{"1", "3", 0.3333333333333333, "0.333"},
                                           RatioCase{"5", "0", kInf, "inf"},
                                           RatioCase{"0", "0", std::numeric_limits<double>::quiet_NaN(), "nan"}));

TEST(PowerWeight, OpeningFormatsTheRatioBeforeSelectingThePower)
{
    Rig<PowerWeightRatio> rig;
    ASSERT_TRUE(rig.window.perform("OpenPowerWeightRatioWindow:"));
    std::vector<std::string> kinds;
    for (const Event& e : rig.platform.events().events())
        kinds.push_back(e.kind + " " + e.target);
    EXPECT_EQ(kinds, (std::vector<std::string>{"center PowerWeightRatioWindow", "front PowerWeightRatioWindow",
                                               "format Ratio", "select TextFieldInput"}));
    EXPECT_EQ(rig.cell("Ratio").digits(), 3);
    EXPECT_EQ(rig.platform.box("TextFieldInput")->selectedTag(), 0);
}

// The menu's accuracy reaches converters only; the ratio keeps its digits.
TEST(PowerWeight, RatioKeepsThreeDecimalsWhenTheAccuracyChanges)
{
    HeadlessPlatform platform;
    Application app(platform);
    app.menu().parts();
    ASSERT_TRUE(app.menu().perform("OpenLenghtWindow:"));
    ASSERT_TRUE(app.menu().perform("OpenPowerWeightRatioWindow:"));
    platform.intControl("AccuracyField")->userSets(7);
    app.menu().SetAccuracyPref();
    EXPECT_EQ(platform.field("Ratio")->digits(), 3);
    EXPECT_EQ(platform.field("MetersField")->digits(), 7);
}

struct CalculatorWindow {
    const char* className;
    const char* openAction;
    const char* window;
    const char* firstBox;
    const char* notebookAction;
    const char* notebook;
};

class FurtherCalculators : public ::testing::TestWithParam<CalculatorWindow> {};

// The buttons of the window of further calculators send these through the menu.
TEST_P(FurtherCalculators, OpenThroughTheMenuWithoutAnAccuracy)
{
    const CalculatorWindow& c = GetParam();
    HeadlessPlatform platform;
    Application app(platform);
    app.menu().parts();
    platform.intControl("AccuracyField")->userSets(7);
    app.menu().OpenBonusCalcsWindow();
    platform.events().clear();
    ASSERT_TRUE(app.menu().perform(c.openAction));
    HeadlessWindow* window = platform.window(c.window);
    ASSERT_NE(window, nullptr) << c.openAction;
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(platform.keyWindow(), window);
    EXPECT_EQ(platform.box(c.firstBox)->selectedTag(), 0);
    EXPECT_FALSE(app.menu().opened(Converter::Lenght));
    for (const Event& e : platform.events().ofKind("format"))
        EXPECT_NE(e.value, 7) << "accuracy sent to " << e.target;
    // Opening again only brings the window back.
    platform.events().clear();
    ASSERT_TRUE(app.menu().perform(c.openAction));
    EXPECT_EQ(platform.events().count("write"), 0);
}

TEST_P(FurtherCalculators, ShowTheirNotebook)
{
    const CalculatorWindow& c = GetParam();
    HeadlessPlatform platform;
    platform.resources()[std::string(c.notebook) + ".rtfd"] = "/nonexistent/" + std::string(c.notebook);
    Application app(platform);
    WindowController* calc = app.controller(c.className);
    ASSERT_NE(calc, nullptr);
    ASSERT_TRUE(calc->perform(c.notebookAction));
    EXPECT_EQ(platform.notebookWindow()->title(), c.notebook);
    EXPECT_TRUE(platform.notebookWindow()->isVisible());
}

INSTANTIATE_TEST_SUITE_P(
    All, FurtherCalculators,
    ::testing::Values(
        CalculatorWindow{"FileTransferCalc", "OpenFileTransCalcWindow:", "FileTransCalcWindow", "FileSize",
                         "ShowNotebook:", "FileTransfer"},
        CalculatorWindow{"FindXcalc", "OpenfindxWindow:", "findxWindow", "formA", "ShowNotebook:", "FindxCalc"},
        CalculatorWindow{"InterpolateCalc", "OpenInterpolateCalcWindow:", "InterpolateCalcWindow", "formA",
                         "ShowNotebook:", "Interpolate"},
        CalculatorWindow{"PowerWeightRatio", "OpenPowerWeightRatioWindow:", "PowerWeightRatioWindow",
                         "TextFieldInput", "ShowNoteBook:", "PowerWeightRatio"}));
