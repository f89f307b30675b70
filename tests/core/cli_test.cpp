// SPDX-License-Identifier: GPL-3.0-or-later
// The command line's contract (exact numbers, exit codes, refusals) and its
// friendly forms: quantities, arithmetic, spellings, JSON and TSV.
#include "cli/cli.h"
#include "cli/json.h"
#include "cli_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

using namespace ambrel;
using namespace ambrel::testing;

namespace {

TEST(Cli, EachFormGivesItsOutputAndStatus)
{
    // clang-format off
    expectRuns({
        {{"3", "miles", "to", "kilometers"}, 0, "4.828032 kilometers\n"}, {{"-40", "C", "F"}, 0, "-40 F\n"},
        {{"1000000", "kB", "MiB"}, 0, "953.674316406 MiB\n"},
        // "--" ends the options; a negative number after it is a number.
        {{"--", "-5", "ft", "m"}, 0, "-1.524 m\n"}, {{"--version"}, 0, "ambrel " AMBREL_VERSION "\n"},
        // Arithmetic, amounts side by side, spellings and digits.
        {{"5", "ft", "3", "in", "cm"}, 0, "160.02 cm\n"}, {{"5 ft 3 in", "cm"}, 0, "160.02 cm\n"},
        {{"3*4", "m", "ft"}, 0, "39.372 ft\n"}, {{"1/2", "cup", "ml"}, 0, "118.292 ml\n"},
        {{"(1+1)*3", "mi", "km"}, 0, "9.656064 km\n"}, {{"500", "nm", "m"}, 0, "5e-07 m\n"},
        {{"1", "kN", "N"}, 0, "1000 N\n"}, {{"1", "TB", "GiB"}, 0, "931.322574615 GiB\n"},
        {{"1", "h", "30", "min", "s"}, 0, "5400 s\n"}, {{"-1", "h", "30", "min", "min"}, 0, "-90 min\n"},
        {{"2", "lb", "3", "oz", "g"}, 0, "993.05 g\n"},  // 908 g + 3 × 28.35 g, classic tables
        {{"\u22125", "ft", "m"}, 0, "-1.524 m\n"}, {{" 5", "ft", "m"}, 0, "1.524 m\n"},
        {{"-5", "ft", "m"}, 0, "-1.524 m\n"}, {{"length", "\u22125", "ft", "m"}, 0, "-1.524 m\n"},
        {{"1", "UK", "gallon", "l"}, 0, "4.546 l\n"}, {{"100", "km/hr", "km/h"}, 0, "100 km/h\n"},
        {{"2", "m^2", "cm2"}, 0, "20000 cm2\n"}, {{"3", "months", "days"}, 0, "91.25 days\n"},
        {{"1", "Gbit", "MB"}, 0, "125 MB\n"}, {{"1", "kwh", "kJ"}, 0, "3600 kJ\n"},
        {{"--digits", "3", "3", "mi", "km"}, 0, "4.83 km\n"},
        {{"--digits=17", "1", "ft", "m"}, 0, "0.30480000000000002 m\n"},
        {{"1e308", "km", "mm"}, 2, "", "refused: the result is too large"},
        // Refusals name the place and the reason, and print no result.
        {{"5", "ft", "3"}, kExitRefused, "", "a sum of amounts needs a unit after each at character 7"},
        {{"1/0", "m", "ft"}, kExitRefused, "", "division by zero at character 2"},
        {{"(1", "m", "ft"}, kExitRefused, "", "expected ')' at character 4"},
        {{"5", "ft", "3", "kg", "m"}, kExitUsage, "", "do not add up"},
        {{"1", "mb", "B"}, kExitUsage, "", "it could be Mb (megabit) or MB (megabyte)"},
        {{"--digits", "0", "1", "m", "ft"}, kExitUsage, "", "--digits"},
        {{"--digits", "x", "1", "m", "ft"}, kExitUsage, "", "--digits"},
        {{"1e999", "mi", "km"}, kExitRefused, "", "too large"},
        {{"length", "abc", "foot"}, kExitRefused, "", "not a number"},
        {{"3", "mi", "kg"}, kExitUsage, "", "do not convert"}, {{"mi", "3"}, kExitUsage, "", "put the number first"},
        {{"3", "mi", "--frob"}, kExitUsage, "", "unknown option"}, {{"frobnicate"}, kExitUsage, "", "unknown command"},
        {{"run", "nowhere"}, kExitUsage, "", "unknown window"}, {{"run"}, kExitUsage, "", "needs a window"},
        {{"run", "length", "Nope=1"}, kExitUsage, "", "no field"},
        {{"run", "length", "garbage"}, kExitUsage, "", "unknown action"},
        {{"run", "--accuracy", "x", "length"}, kExitUsage, "", "whole number"},
        {{"run", "--accuracy"}, kExitUsage, "", "whole number"}, {{"run", "--json", "--tsv", "length"}, kExitUsage, ""},
        {{"run", "file-transfer", "TransferSpeed=99"}, kExitUsage, "", "is not an item tag"},
    });
    // clang-format on
}

TEST(Cli, TsvPrintsEveryFieldWithExactAndShownValues)
{
    const CliRun r = run({"run", "--tsv", "length", "FeetField=1"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(hasLine(r.out, "InchesField\t11.999976\t12.0000"));
    EXPECT_TRUE(hasLine(r.out, "ParsecField\t9.876863253402463e-18\t9.8769e-18"));
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 19);
    EXPECT_EQ(r.out.substr(0, r.out.find('\t')), "MillimetersField");
    // The accuracy as a separate word or after "=".
    EXPECT_TRUE(hasLine(run({"run", "--tsv", "--accuracy", "99", "length", "ParsecField=1000000"}).out,
                        "MetersField\t3.086e+22\t3.086e+22"));
    EXPECT_TRUE(
        hasLine(run({"run", "--accuracy=0", "--tsv", "length", "FeetField=1"}).out, "InchesField\t11.999976\t12"));
    // Steps run in order; a selector repeats the last entry's conversion.
    EXPECT_TRUE(hasLine(run({"run", "--tsv", "length", "MilesField=1", "FeetField=2", "ImperialCalc:"}).out,
                        "MetersField\t0.6096\t0.6096"));
    // Text values keep the record on one line.
    EXPECT_TRUE(
        hasLine(run({"run", "--tsv", "computing", "DecimalField= 12\n\t"}).out, "DecimalField\t 12\\n\\t\t 12\\n\\t"));
}

TEST(Cli, JsonPrintsEveryFieldExactly)
{
    EXPECT_EQ(run({"run", "--json", "temperature", "CelsiusField=100"}).out,
              "{\"window\":\"temperature\",\"fields\":["
              "{\"outlet\":\"CelsiusField\",\"unit\":\"degree Celsius\",\"value\":100,\"shown\":\"100.0000\"},"
              "{\"outlet\":\"FahrenheitField\",\"unit\":\"degree Fahrenheit\",\"value\":212,\"shown\":\"212.0000\"},"
              "{\"outlet\":\"KelvinField\",\"unit\":\"kelvin\",\"value\":373,\"shown\":\"373.0000\"},"
              "{\"outlet\":\"RankineField\",\"unit\":\"degree Rankine\",\"value\":671.69,\"shown\":\"671.6900\"}]}\n");
    // A division by zero gives numbers JSON has none for; text cells hold text.
    EXPECT_NE(run({"run", "--json", "fuel-light", "Litersper100km=0"})
                  .out.find("\"outlet\":\"KiloLiterfField\",\"unit\":\"kilometer per liter\",\"value\":\"inf\""),
              std::string::npos);
    EXPECT_NE(run({"run", "--json", "computing", "DecimalField=10"})
                  .out.find("\"outlet\":\"BinaryField\",\"unit\":\"binary\",\"value\":\"1010\""),
              std::string::npos);
}

TEST(Cli, JsonStringsAndNumbersAreValid)
{
    // clang-format off
    const std::pair<std::string, std::string> strings[] = {
        {"say \"hi\"\\", "\"say \\\"hi\\\"\\\\\""},
        {"a\nb\tc\rd\be\ff", "\"a\\nb\\tc\\rd\\be\\ff\""},
        {std::string("\x01\x1f\x7f", 3), "\"\\u0001\\u001f\x7f\""},
        {std::string("nul\0", 4), "\"nul\\u0000\""},
        {"x = A × C ÷ B", "\"x = A × C ÷ B\""},
        {"\xFF", "\"\xEF\xBF\xBD\""},                                  // not UTF-8 at all
        {"\xC3", "\"\xEF\xBF\xBD\""},                                  // cut short
        {"\xC0\xAF", "\"\xEF\xBF\xBD\xEF\xBF\xBD\""},                  // overlong
        {"\xED\xA0\x80", "\"\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\""},  // a surrogate
    };
    const std::pair<double, const char*> numbers[] = {{-0.0, "-0"}, {1e21, "1e+21"}, {0.3048 * 39.37, "11.999976"},
        {-std::numeric_limits<double>::infinity(), "\"-inf\""}, {std::nan(""), "\"nan\""}};
    // clang-format on
    for (const auto& [in, out] : strings)
        EXPECT_EQ(jsonString(in), out);
    for (const auto& [in, out] : numbers)
        EXPECT_EQ(jsonNumber(in), out);
}

TEST(Cli, EchoedInputIsEscapedAndShort)
{
    // A terminal's escape sequence and a bell, a NUL, and a flood.
    const CliRun esc = run({"length", "1\x1b]0;owned\a", "m"});
    EXPECT_EQ(esc.err.find_first_of("\x1b\a"), std::string::npos) << esc.err;
    EXPECT_NE(esc.err.find("\\x1b]0;owned\\x07"), std::string::npos) << esc.err;
    EXPECT_NE(run({"run", "length", std::string("FeetField=1\0x", 13)}).err.find("\"1\\0x\""), std::string::npos);
    const CliRun flood = run({"frobnicate" + std::string(100000, 'x')});
    EXPECT_EQ(flood.status, kExitUsage);
    EXPECT_LT(flood.err.size(), 300u);
    EXPECT_NE(flood.err.find("…\""), std::string::npos) << flood.err;
}

TEST(Cli, FriendlyFormsPrintEveryUnitAndHelpNamesTheForms)
{
    const CliRun r = run({"length", "1", "mile"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("1609.344  meter"), std::string::npos) << r.out;
    // Tiny values keep their digits rather than showing a bare zero.
    EXPECT_NE(r.out.find("e-"), std::string::npos);
    // One unit shows the whole window under that unit's setting.
    const CliRun mb = run({"1", "MB"});
    EXPECT_NE(mb.out.find("1000000  byte\n"), std::string::npos) << mb.out;
    EXPECT_NE(mb.out.find("1  megabyte     <-\n"), std::string::npos) << mb.out;
    const CliRun help = run({"--help"});
    EXPECT_EQ(help.status, 0);
    for (const char* form : {"ambrel run", "ambrel length 1 foot", "ambrel 3 mi km", "ambrel units", "--json"})
        EXPECT_NE(help.out.find(form), std::string::npos) << form;
}

}  // namespace
