// SPDX-License-Identifier: GPL-3.0-or-later
// Answers in several units (5 ft 8.9 in, 1 h 0 min 5 s): the exact rounding
// under them, the split with its carries, and the command line's and the
// search's readings of such a target.
#include "app/mixed_readings.h"
#include "cli/cli.h"
#include "cli/search_answers.h"
#include "cli/session.h"
#include "cli_support.h"
#include "framework/mixed_amounts.h"
#include "framework/number_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace ambrel;
using namespace ambrel::testing;

namespace {

ExactValue typed(const std::string& text)
{
    ExactValue v;
    EXPECT_TRUE(readNumber(text, '.', &v).ok()) << text;
    return v;
}

ExactValue pi()
{
    return ExactValue::ofSize(ExactNumber::pi());
}

TEST(MixedUnits, ExactRoundingCutsDigitForDigit)
{
    // clang-format off
    const struct { ExactValue value; long decimals; bool whole; const char* expected; } cases[] = {
        {typed("2.5"), 0, false, "3"},  {typed("-2.5"), 0, false, "-3"},  // halves away from zero
        {typed("2.4999999999999999999"), 0, false, "2"},
        {typed("1.005"), 2, false, "1.01"},  // the decimal, not the double just under it
        {typed("1234.5"), -2, false, "1200"}, {typed("-0.004"), 2, false, "0"},
        {pi(), 10, false, "3.1415926536"}, {-pi() * typed("1e6"), 0, true, "-3141592"},
        {pi() * typed("1e20"), 0, true, "314159265358979323846"},  // past a double's digits
        {typed("-7.9"), 0, true, "-7"}, {typed("7.9999999999999999999"), 0, true, "7"},
    };
    // clang-format on
    for (const auto& c : cases) {
        const ExactValue got = c.whole ? c.value.wholePart() : c.value.roundedToDecimals(c.decimals);
        EXPECT_TRUE((got - typed(c.expected)).isZero())
            << c.expected << " got " << formatExact(got.toDouble()) << (c.whole ? " (whole part)" : "");
    }
    EXPECT_FALSE(typed("-0.004").roundedToDecimals(2).isNegative());  // no "-0" to show
}

TEST(MixedUnits, SplitIsExactAndCarriesARestThatRoundsUp)
{
    const auto show = [](double rest) { return formatExact(rest); };
    const auto inches = [](const char* in) { return typed(in); };
    const std::vector<std::string> ftIn = {"ft", "in"}, ydFtIn = {"yd", "ft", "in"}, hMinS = {"h", "min", "s"};
    const std::vector<ExactValue> foot = {typed("12")}, yardFoot = {typed("36"), typed("12")},
                                  hourMinute = {typed("3600"), typed("60")};
    // A size that is no round number, as a classic factor gives.
    const std::vector<ExactValue> oddFoot = {typed("11.99999999996")};
    // clang-format off
    const struct {
        ExactValue total; const std::vector<ExactValue>* sizes; const std::vector<std::string>* units;
        MixedDigits digits; const char* expected;
    } cases[] = {
        {typed("17500") / typed("254"), &foot, &ftIn, {12, true}, "5 ft 8.89763779528 in"},  // 175 cm
        {typed("17500") / typed("254"), &foot, &ftIn, {4, true}, "5 ft 8.898 in"},
        {typed("17500") / typed("254"), &foot, &ftIn, {2, false}, "5 ft 8.9 in"},
        {inches("72"), &foot, &ftIn, {12, true}, "6 ft 0 in"},
        {inches("71.9999999999"), &foot, &ftIn, {12, true}, "5 ft 11.9999999999 in"},
        {inches("71.99999999999999"), &foot, &ftIn, {12, true}, "6 ft 0 in"},      // never 5 ft 12 in
        {inches("107.99999999999999"), &yardFoot, &ydFtIn, {12, true}, "3 yd 0 ft 0 in"},  // carried twice
        {inches("-107.99999999999999"), &yardFoot, &ydFtIn, {12, true}, "-3 yd 0 ft 0 in"},
        {inches("71.999999999759"), &oddFoot, &ftIn, {12, true}, "6 ft 0 in"},
        {typed("-3605"), &hourMinute, &hMinS, {12, true}, "-1 h 0 min 5 s"},
        {typed("6000"), &hourMinute, &hMinS, {12, true}, "1 h 40 min 0 s"},
        {typed("-0.0000001"), &hourMinute, &hMinS, {3, false}, "0 h 0 min 0 s"},    // no sign on a zero
        // The rest keeps no digits finer than the whole amount is known to.
        {typed("100000000.000000001"), &foot, &ftIn, {17, true}, "8333333 ft 4 in"},
    };
    // clang-format on
    for (const auto& c : cases) {
        const std::optional<MixedAmount> split = splitAmount(c.total, *c.sizes, c.digits);
        ASSERT_TRUE(split) << c.expected;
        EXPECT_EQ(mixedText(*split, *c.units, show), c.expected);
    }
    EXPECT_FALSE(splitAmount(typed("1e16") * typed("12"), foot, {}));  // more feet than the digits hold
}

TEST(MixedUnits, TheCommandLineAnswersInSeveralUnitsOrSaysWhyNot)
{
    // clang-format off
    expectRuns({
        {{"175", "cm", "ft", "in"}, 0, "5 ft 8.89763779528 in\n"},
        {{"175 cm", "to", "ft", "in"}, 0, "5 ft 8.89763779528 in\n"},
        {{"--digits", "4", "175", "cm", "ft", "in"}, 0, "5 ft 8.898 in\n"},
        {{"-175", "cm", "ft", "in"}, 0, "-5 ft 8.89763779528 in\n"},
        {{"70", "kg", "st", "lb"}, 0, "11 st 0.323583529414 lb\n"},
        {{"100", "min", "h", "min"}, 0, "1 h 40 min\n"}, {{"1.5", "d", "h", "min"}, 0, "36 h 0 min\n"},
        {{"3605", "s", "h", "min", "s"}, 0, "1 h 0 min 5 s\n"},
        {{"72", "in", "ft", "in"}, 0, "6 ft 0 in\n"}, {{"1.8288", "m", "ft", "in"}, 0, "6 ft 0 in\n"},
        {{"6", "ft", "ft", "in"}, 0, "6 ft 0 in\n"}, {{"1", "mi", "yd", "ft", "in"}, 0, "1760 yd 0 ft 0 in\n"},
        {{"1.5", "rad", "deg", "arcmin", "arcsec"}, 0, "85 deg 56 arcmin 37.209370645 arcsec\n"},
        {{"1", "N", "lbf", "ozf"}, 0, "0 lbf 3.5969430896 ozf\n"},  // the newton of the target's window
        {{"6", "ft", "2", "in", "cm"}, 0, "187.96 cm\n"},             // a sum still goes into one unit
        {{"--json", "-175", "cm", "ft", "in"}, 0,
         R"({"window":"length","shown":"-5 ft 8.89763779528 in","fields":[)"
         R"({"outlet":"FeetField","unit":"ft","value":-5,"shown":"-5"},)"
         R"({"outlet":"InchesField","unit":"in","value":-8.89763779528,"shown":"-8.89763779528"}]})" "\n"},
        {{"20", "K", "C", "F"}, kExitUsage, "", "not a plain multiple"},
        {{"5", "warp", "km/s", "warp"}, kExitUsage, "", "not a plain multiple"},
        {{"1", "m", "yd", "mi"}, kExitUsage, "", "largest first"}, {{"1", "m", "ft", "ft"}, kExitUsage, "", "largest first"},
        {{"1", "W", "kW", "J"}, kExitUsage, "", "measure different things"},
        {{"1", "h", "ft", "in"}, kExitUsage, "", "do not convert"},
        {{"1e300", "m", "ft", "in"}, kExitRefused, "", "too large to show in parts"},
    });
    // clang-format on
}

TEST(MixedUnits, TheSearchAnswersInSeveralUnitsAtTheWindowsAccuracy)
{
    SearchOptions options;
    options.accuracy = 4;
    options.decimalSeparator = ',';
    const std::vector<SearchAnswer> answers = answerSearch("175 cm to ft in", options);
    ASSERT_EQ(answers.size(), 1u);
    EXPECT_EQ(answers[0].result, "5 ft 8,8976 in");
    EXPECT_EQ(answers[0].question, "175 cm \u2192 ft in");
}

// The windows' readings follow their cells, at the cells' accuracy, under
// either table set.
TEST(MixedUnits, WindowsReadTheirQuantityInSeveralUnits)
{
    // clang-format off
    const struct {
        const char* window; bool exact; const char* outlet; double value; int digits; char separator;
        std::vector<std::string> expected;
    } cases[] = {
        {"length", true, "CentimetersField", 175, 4, '.', {"5 ft 8.8976 in"}},
        {"length", true, "FeetField", 6, 4, ',', {"6 ft 0,0000 in"}},
        {"length", true, "InchesField", 71.6, 0, '.', {"6 ft 0 in"}},  // never 5 ft 12 in
        {"length", true, "FeetField", -1.5, 1, '.', {"-1 ft 6.0 in"}},
        {"length", false, "FeetField", 6, 2, '.', {"6 ft 0.00 in"}},      // 71.999856 classic inches
        {"weight", true, "Mkilogram", 70, 2, '.', {"11 st 0.32 lb", "154 lb 5.18 oz"}},
        {"time", true, "SecondField", 3605, 3, '.', {"1 h 0 min 5.000 s"}},
        {"time", true, "DayField", 1.5, 99, '.', {"36 h 0 min 0 s"}},
    };
    // clang-format on
    for (const auto& c : cases) {
        Session s(*findWindow(c.window), 4, c.exact);
        const int index = s.controller->fieldIndex(c.outlet);
        ASSERT_GE(index, 0) << c.outlet;
        carry(s, index, c.value);
        std::vector<std::string> got;
        for (const MixedReading& r : mixedReadings(
                 *s.entry.def,
                 [&](std::string_view outlet) { return s.cell(s.controller->fieldIndex(outlet)).doubleValue(); },
                 c.digits, c.separator))
            got.push_back(r.text);
        EXPECT_EQ(got, c.expected) << c.window << " " << c.outlet;
    }
    EXPECT_TRUE(mixedReadingSources(*findWindow("area")->def).empty());
}

}  // namespace
