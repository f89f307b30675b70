// SPDX-License-Identifier: GPL-3.0-or-later
// The command line's contract (exact numbers, exit codes, refusals) and its
// friendly forms: quantities, arithmetic, spellings, JSON and TSV.
#include "app/window_registry.h"
#include "cli/cli.h"
#include "cli/json.h"
#include "cli_support.h"
#include "framework/converter_def.h"

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
        {{"--classic", "1000000", "kB", "MiB"}, 0, "953.674316406 MiB\n"},
        // "--" ends the options; a negative number after it is a number.
        {{"--", "-5", "ft", "m"}, 0, "-1.524 m\n"}, {{"--version"}, 0, "ambrel " AMBREL_VERSION "\n"},
        // Arithmetic, amounts side by side, spellings and digits.
        {{"5", "ft", "3", "in", "cm"}, 0, "160.02 cm\n"}, {{"5 ft 3 in", "cm"}, 0, "160.02 cm\n"},
        {{"--classic", "3*4", "m", "ft"}, 0, "39.372 ft\n"}, {{"1/2", "cup", "ml"}, 0, "118.29411825 ml\n"},
        {{"(1+1)*3", "mi", "km"}, 0, "9.656064 km\n"}, {{"500", "nm", "m"}, 0, "5e-07 m\n"},
        {{"1", "kN", "N"}, 0, "1000 N\n"}, {{"--classic", "1", "TB", "GiB"}, 0, "931.322574615 GiB\n"},
        {{"1", "h", "30", "min", "s"}, 0, "5400 s\n"}, {{"-1", "h", "30", "min", "min"}, 0, "-90 min\n"},
        {{"--classic", "2", "lb", "3", "oz", "g"}, 0, "993.05 g\n"},  // 908 g + 3 × 28.35 g, classic tables
        {{"\u22125", "ft", "m"}, 0, "-1.524 m\n"}, {{" 5", "ft", "m"}, 0, "1.524 m\n"},
        {{"-5", "ft", "m"}, 0, "-1.524 m\n"}, {{"length", "\u22125", "ft", "m"}, 0, "-1.524 m\n"},
        {{"--classic", "1", "UK", "gallon", "l"}, 0, "4.546 l\n"}, {{"100", "km/hr", "km/h"}, 0, "100 km/h\n"},
        {{"2", "m^2", "cm2"}, 0, "20000 cm2\n"}, {{"--classic", "3", "months", "days"}, 0, "91.310625 days\n"},
        {{"--classic", "1", "Gbit", "MB"}, 0, "125 MB\n"}, {{"1", "kwh", "kJ"}, 0, "3600 kJ\n"},
        {{"--digits", "3", "3", "mi", "km"}, 0, "4.83 km\n"},
        {{"--digits=17", "1", "ft", "m"}, 0, "0.3048 m\n"}, {{"--digits=17", "3", "mm", "hm"}, 0, "3e-05 hm\n"},
        // Units without classic factors, by their sizes in either set; a word
        // two windows share goes to the other unit's window.
        {{"1", "fathom", "m"}, 0, "1.8288 m\n"}, {{"1", "angstrom", "nm"}, 0, "0.1 nm\n"},
        {{"--classic", "12", "pt", "mm"}, 0, "4.23333333333 mm\n"}, {{"2", "pt", "mL"}, 0, "946.352946 mL\n"},
        {{"1", "mil", "um"}, 0, "25.4 um\n"}, {{"--classic", "1", "eV", "J"}, 0, "1.602176634e-19 J\n"},
        {{"--classic", "1", "fortnight", "d"}, 0, "14 d\n"}, {{"1", "mmH2O", "Pa"}, 0, "9.80665 Pa\n"},
        {{"--classic", "40", "mpg", "imp", "L/100km"}, 0, "7.0620234083 L/100km\n"},
        {{"1", "UK", "cup", "imperial", "fl", "oz"}, 0, "10 imperial fl oz\n"},
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
        // Two quantities of one window, each in its own box; power and
        // energy are linked as for one second.
        {{"1", "A", "V"}, kExitUsage, "", "\"A\" is a unit of current and \"V\" of voltage"},
        {{"1", "kg/s", "+", "1", "L/s", "L/min"}, kExitUsage, "", "\"kg/s\" is a unit of mass per time"},
        {{"1", "mpg", "lux"}, kExitUsage, "", "do not convert"}, {{"1", "W", "J"}, 0, "1 J\n"},
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
    const CliRun r = run({"--classic", "run", "--tsv", "length", "FeetField=1"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(hasLine(r.out, "InchesField\t11.999976\t12.0000"));
    EXPECT_TRUE(hasLine(r.out, "ParsecField\t9.876863253402463e-18\t9.8769e-18"));
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), static_cast<long>(findWindow("length")->def->rows.size()));
    EXPECT_EQ(r.out.substr(0, r.out.find('\t')), "MillimetersField");
    // The accuracy as a separate word or after "=".
    EXPECT_TRUE(hasLine(run({"run", "--classic", "--tsv", "--accuracy", "99", "length", "ParsecField=1000000"}).out,
                        "MetersField\t3.086e+22\t3.086e+22"));
    EXPECT_TRUE(hasLine(run({"run", "--accuracy=0", "--tsv", "--classic", "length", "FeetField=1"}).out,
                        "InchesField\t11.999976\t12"));
    // Steps run in order; a selector repeats the last entry's conversion.
    EXPECT_TRUE(hasLine(run({"run", "--tsv", "length", "MilesField=1", "FeetField=2", "ImperialCalc:"}).out,
                        "MetersField\t0.6096\t0.6096"));
    // Text values keep the record on one line.
    EXPECT_TRUE(
        hasLine(run({"run", "--tsv", "computing", "DecimalField= 12\n\t"}).out, "DecimalField\t 12\\n\\t\t 12\\n\\t"));
}

TEST(Cli, JsonPrintsEveryFieldExactly)
{
    EXPECT_EQ(run({"--classic", "run", "--json", "temperature", "CelsiusField=100"}).out,
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
    const CliRun mb = run({"--classic", "1", "MB"});
    EXPECT_NE(mb.out.find("1000000  byte\n"), std::string::npos) << mb.out;
    const std::size_t megabyte = mb.out.find("\n        1  megabyte ");
    ASSERT_NE(megabyte, std::string::npos) << mb.out;
    EXPECT_EQ(mb.out.substr(mb.out.find('\n', megabyte + 1) - 2, 2), "<-") << mb.out;
    // Where each box is a quantity of its own, only the one entered shows.
    const struct {
        std::vector<std::string> args;
        const char *shown, *hidden;
    } separate[] = {{{"5", "Sv"}, "500  rem", "gray"},
                    {{"1", "lux"}, "foot-candle", "lambert"},
                    {{"2", "Ah"}, "7200  coulomb", "volt"}};
    for (const auto& c : separate) {
        const CliRun one = run(c.args);
        EXPECT_NE(one.out.find(c.shown), std::string::npos) << one.out;
        EXPECT_EQ(one.out.find(c.hidden), std::string::npos) << one.out;
    }
    const CliRun help = run({"--help"});
    EXPECT_EQ(help.status, 0);
    for (const char* form :
         {"ambrel run", "ambrel length 1 foot", "ambrel 3 mi km", "ambrel units", "--json", "--classic"})
        EXPECT_NE(help.out.find(form), std::string::npos) << form;
}

// Exact definitions unless the classic tables are asked for; the option
// named last counts, and an option wins over the environment.
TEST(Cli, TheTableSetFollowsTheLastOptionThenTheEnvironment)
{
    const char* exact = "0.45359237 kg\n";
    const char* classic = "0.454 kg\n";
    // clang-format off
    const struct { const char *classicEnv, *exactEnv; std::vector<std::string> args; const char* out; } cases[] = {
        {nullptr, nullptr, {"1", "lb", "kg"}, exact},
        {nullptr, nullptr, {"--classic", "1", "lb", "kg"}, classic},
        {nullptr, nullptr, {"1", "lb", "--classic", "kg"}, classic},
        {nullptr, nullptr, {"--classic", "weight", "1", "lb", "kg"}, classic},
        {nullptr, nullptr, {"--exact", "--classic", "1", "lb", "kg"}, classic},
        {nullptr, nullptr, {"--classic", "--exact", "1", "lb", "kg"}, exact},
        {"1", nullptr, {"1", "lb", "kg"}, classic},
        {"1", nullptr, {"--exact", "1", "lb", "kg"}, exact},
        {"0", nullptr, {"1", "lb", "kg"}, exact},
        {nullptr, "1", {"1", "lb", "kg"}, exact},
        {nullptr, "1", {"--classic", "1", "lb", "kg"}, classic},
        {"1", "1", {"1", "lb", "kg"}, classic},
    };
    // clang-format on
    for (const auto& c : cases) {
        for (const auto& [name, value] : {std::pair{"AMBREL_CLASSIC", c.classicEnv}, {"AMBREL_EXACT", c.exactEnv}})
            value ? ::setenv(name, value, 1) : ::unsetenv(name);
        EXPECT_EQ(run(c.args).out, c.out) << c.args[0] << " " << c.args[1] << " with "
                                          << (c.classicEnv ? "CLASSIC" : "") << " " << (c.exactEnv ? "EXACT" : "");
    }
    ::unsetenv("AMBREL_CLASSIC");
    ::unsetenv("AMBREL_EXACT");
}

// --exact, --classic, --json and --digits come before the command word or
// among its options; a command refuses those it has no use for.
TEST(Cli, CommonOptionsGoBeforeTheCommandWord)
{
    // clang-format off
    const struct { std::vector<std::string> args; int status; const char *out, *err; } cases[] = {
        {{"--exact", "units", "length"}, 0, "au * 648000 / π = ", ""},
        {{"--classic", "run", "--tsv", "length", "FeetField=1"}, 0, "InchesField\t11.999976\t12.0000\n", ""},
        {{"run", "--classic", "--tsv", "weight", "AVpound=1"}, 0, "Mkilogram\t0.454\t", ""},
        {{"--classic", "run", "--exact", "--tsv", "weight", "AVpound=1"}, 0, "Mkilogram\t0.45359237\t", ""},
        {{"--json", "3", "mi", "km"}, 0, "\"value\":4.828032,", ""},
        {{"--json", "--classic", "run", "temperature", "CelsiusField=100"}, 0, "\"value\":373,", ""},
        {{"--digits", "4", "--classic", "length", "1", "foot"}, 0, "\n     0.3048  meter\n", ""},
        {{"--classic", "--help"}, 0, "Usage:", ""},
        {{"--digits", "17", "run", "length"}, kExitUsage, "", "--digits is for the converting forms"},
        {{"--json", "units"}, kExitUsage, "", "units has no JSON output"},
        {{"units", "length", "--digits", "3"}, kExitUsage, "", "--digits is for the converting forms"},
        {{"--digits", "x", "units"}, kExitUsage, "", "--digits"},
        {{"--frob", "units"}, kExitUsage, "", "unknown option \"--frob\""},
        {{"--classic"}, kExitUsage, "", "give a number and a unit"},
    };
    // clang-format on
    for (const auto& c : cases) {
        const CliRun r = run(c.args);
        EXPECT_EQ(r.status, c.status) << c.args[0] << " " << c.args[1] << "\n" << r.err;
        EXPECT_NE(r.out.find(c.out), std::string::npos) << c.args[0] << " " << c.args[1] << "\n" << r.out;
        EXPECT_NE(r.err.find(c.err), std::string::npos) << c.args[0] << " " << c.args[1] << "\n" << r.err;
        if (c.status != 0) {
            EXPECT_EQ(r.out, "");
        }
    }
    // The classic listing is the names alone; the exact one adds definitions.
    EXPECT_EQ(run({"--classic", "units", "length"}).out.find(" = "), std::string::npos);
}

// "in", "to", "as", "->" and "=" stand between the quantity and its target
// only with a unit on either side; "in" and "as" stay units elsewhere.
TEST(Cli, SeparatorsStandBetweenTheQuantityAndTheTarget)
{
    // clang-format off
    expectRuns({
        {{"3", "mi", "in", "km"}, 0, "4.828032 km\n"}, {{"3", "mi", "to", "km"}, 0, "4.828032 km\n"},
        {{"3", "mi", "as", "km"}, 0, "4.828032 km\n"}, {{"3", "mi", "->", "km"}, 0, "4.828032 km\n"},
        {{"3", "mi", "=", "km"}, 0, "4.828032 km\n"}, {{"3 mi -> km"}, 0, "4.828032 km\n"},
        {{"length", "3", "mi", "in", "km"}, 0, "4.828032 km\n"}, {{"100", "F", "to", "C"}, 0, "37.7777777778 C\n"},
        {{"1", "h", "30", "min", "in", "s"}, 0, "5400 s\n"},
        // The inch and the attosecond, as units and as targets.
        {{"3", "in", "cm"}, 0, "7.62 cm\n"}, {{"3", "in", "in", "cm"}, 0, "7.62 cm\n"},
        {{"3", "in", "to", "cm"}, 0, "7.62 cm\n"}, {{"1", "ft", "in", "in"}, 0, "12 in\n"},
        {{"1", "ft", "in"}, kExitUsage, "", "\"1 ft in\" is unclear: for the unit \"in\" write \"1 ft in inch\", for every unit \"1 ft\""},
        {{"5", "ft", "3", "in", "in", "cm"}, 0, "160.02 cm\n"}, {{"3", "sq", "in", "in", "cm2"}, 0, "19.3548 cm2\n"},
        {{"3", "s", "as", "ms"}, 0, "3000 ms\n"}, {{"3", "as", "ms"}, 0, "3e-15 ms\n"},
        {{"1", "min", "as"}, kExitUsage, "", "is unclear: for the unit \"as\""},
        {{"3", "in", "in"}, kExitUsage, "", "is unclear"},
        {{"3", "mi", "to"}, kExitUsage, "", "give the unit to convert into after \"to\""},
        {{"3", "mi", "->"}, kExitUsage, "", "after \"->\""},
        {{"3", "mi", "in", "kg"}, kExitUsage, "", "do not convert"},
        {{"3", "mi", "in", "parsnips"}, kExitUsage, "", "no unit \"parsnips\""},
    });
    // clang-format on
    const CliRun inches = run({"3", "in"});
    EXPECT_EQ(inches.status, 0) << inches.err;
    EXPECT_NE(inches.out.find("  3  inch "), std::string::npos) << inches.out;
}

// Conversions as people type them, in either table set: products with "*",
// a space or a hyphen for the dot, powers with "^", and words that several
// windows share, which the other unit of the conversion settles (the newton
// of force, not of weight; the newton meter of torque, not of energy).
TEST(Cli, WordsSharedBetweenWindowsAreSettledByTheOtherUnit)
{
    for (const char* set : {"--exact", "--classic"}) {
        SCOPED_TRACE(set);
        // clang-format off
        expectRuns({
            {{set, "90", "deg", "rad"}, 0, "1.57079632679 rad\n"}, {{set, "3000", "rpm", "Hz"}, 0, "50 Hz\n"},
            {{set, "1", "lbf", "N"}, 0, "4.44822161526 N\n"}, {{set, "1", "N", "lbf"}, 0, "0.2248089431 lbf\n"},
            {{set, "100", "N", "m", "lbf", "ft"}, 0, "73.7562149277 lbf ft\n"},
            {{set, "100", "N*m", "lbf*ft"}, 0, "73.7562149277 lbf*ft\n"},
            {{set, "1", "kgf-m", "N-m"}, 0, "9.80665 N-m\n"},
            {{set, "1", "N", "m", "J"}, 0, "1 J\n"},
            {{set, "1", "g/cm3", "kg/m3"}, 0, "1000 kg/m3\n"}, {{set, "100", "Mbit/s", "MB/s"}, 0, "12.5 MB/s\n"},
            {{set, "1", "m/s^2", "ft/s2"}, 0, "3.28083989501 ft/s2\n"},
            {{set, "1", "turn", "mil"}, 0, "6400 mil\n"},
            {{set, "1", "KB/S", "B/s"}, kExitUsage, "", "could be kb/s (kilobit per second) or kB/s (kilobyte per second)"},
            // C is a coulomb or a degree Celsius, rad a dose or an angle, R
            // an exposure or a temperature, P the poise.
            {{set, "10", "L/min", "gal/min"}, 0, "2.64172052358 gal/min\n"},
            {{set, "3000", "mAh", "C"}, 0, "10800 C\n"}, {{set, "1", "C", "e"}, 0, "6.24150907446e+18 e\n"},
            {{set, "100", "C", "F"}, 0, "212 F\n"}, {{set, "1", "Ci", "GBq"}, 0, "37 GBq\n"},
            {{set, "1", "rad", "Gy"}, 0, "0.01 Gy\n"}, {{set, "1", "Gy", "rad"}, 0, "100 rad\n"},
            {{set, "1", "rad", "deg"}, 0, "57.2957795131 deg\n"}, {{set, "1", "R", "mR"}, 0, "1000 mR\n"},
            {{set, "1", "mR", "R"}, 0, "0.001 R\n"}, {{set, "1", "R", "C/kg"}, 0, "0.000258 C/kg\n"},
            {{set, "1", "cP", "Pa", "s"}, 0, "0.001 Pa s\n"}, {{set, "1", "P", "Pa*s"}, 0, "0.1 Pa*s\n"},
            {{set, "4.7", "kohm", "ohm"}, 0, "4700 ohm\n"}, {{set, "250", "uA", "mA"}, 0, "0.25 mA\n"},
            {{set, "1", "cSt", "m^2/s"}, 0, "1e-06 m^2/s\n"}, {{set, "1", "bbl/day", "L/min"}, 0, "0.1104078437 L/min\n"},
            // A dot between letters, a plural or a word in a rate; g the
            // standard gravity beside an acceleration, the gram otherwise.
            {{set, "1", "cP", "Pa.s"}, 0, "0.001 Pa.s\n"}, {{set, "100", "N.m", "ft.lb"}, 0, "73.7562149277 ft.lb\n"},
            {{set, "1000", "lbs/hr", "kg/hr"}, 0, "453.59237 kg/hr\n"}, {{set, "20", "in-lbs", "Nm"}, 0, "2.25969658055 Nm\n"},
            {{set, "5", "gallons/min", "L/min"}, 0, "18.92705892 L/min\n"}, {{set, "1", "cu", "ft/min", "L/s"}, 0, "0.4719474432 L/s\n"},
            {{set, "1", "g", "m/s2"}, 0, "9.80665 m/s2\n"}, {{set, "2", "g", "kg"}, 0, "0.002 kg\n"},
            // F is a farad or a degree Fahrenheit; T, G, mG, S, mS and H differ
            // from the tonne, the gram, the milligram, the second, the
            // millisecond and the hour only in case.
            {{set, "1", "F", "uF"}, 0, "1000000 uF\n"}, {{set, "212", "F", "C"}, 0, "100 C\n"},
            {{set, "1", "T", "G"}, 0, "10000 G\n"}, {{set, "50", "uT", "mG"}, 0, "500 mG\n"},
            {{set, "1", "mS", "uS"}, 0, "1000 uS\n"}, {{set, "1", "ms", "us"}, 0, "1000 us\n"},
            {{set, "2", "H", "mH"}, 0, "2000 mH\n"}, {{set, "1", "kilogauss", "mT"}, 0, "100 mT\n"},
            {{set, "1", "Oe", "A/m"}, 0, "79.5774715459 A/m\n"}, {{set, "1", "Gi", "At"}, 0, "0.795774715459 At\n"},
            // rad/h is a dose rate, rad/min an angular speed; mil2 the area
            // of the thou beside the circular mil, mil the angle beside the streck.
            {{set, "1", "rad/h", "Gy/h"}, 0, "0.01 Gy/h\n"}, {{set, "60", "rad/min", "rad/s"}, 0, "1 rad/s\n"},
            {{set, "0.1", "uSv/h", "mrem/h"}, 0, "0.01 mrem/h\n"}, {{set, "1", "mil2", "cmil"}, 0, "1.27323954474 cmil\n"},
            {{set, "1", "streck", "mil"}, 0, "1.01587301587 mil\n"}, {{set, "1", "kip", "ft", "N", "m"}, 0, "1355.81794833 N m\n"},
        });
        // clang-format on
    }
}

// A result a double cannot hold is refused like a number typed too large;
// a nonzero amount that comes to zero likewise, unless zero is where its
// scale puts it. The script form shows what the window holds.
TEST(Cli, ResultsBeyondTheDoublesAreRefused)
{
    // clang-format off
    expectRuns({
        {{"1e308", "ly", "m"}, kExitRefused, "", "ambrel: \"1e308 ly\" refused: the result is too large\n"},
        {{"1e308", "ly", "in", "m"}, kExitRefused, "", "\"1e308 ly\" refused: the result is too large"},
        {{"--json", "1e308", "ly", "m"}, kExitRefused, "", "too large"},
        {{"1.5e308", "m", "1.5e308", "m", "m"}, kExitRefused, "", "too large"},
        {{"1e300", "ly"}, kExitRefused, "", "\"1e300 ly\" refused: in millimeter the result is too large"},
        {{"1e-322", "m", "km"}, kExitRefused, "", "\"1e-322 m\" refused: the result is too small to tell from zero"},
        {{"1e-310", "m"}, kExitRefused, "", "the result is too small to tell from zero"},
        {{"0", "mpg", "l/100km"}, kExitRefused, "", "the result is infinite"},
        {{"273.15", "K", "C"}, 0, "0 C\n"}, {{"32", "F", "C"}, 0, "0 C\n"},
        {{"--classic", "-273", "C", "K"}, 0, "0 K\n"}, {{"0", "m", "km"}, 0, "0 km\n"},
        {{"1e-300", "m", "km"}, 0, "1e-303 km\n"}, {{"1e-320", "mi", "mm"}, 0, "1.60934399977e-314 mm\n"},
    });
    // clang-format on
    EXPECT_EQ(run({"0", "mpg"}).status, 0);  // its infinite cells are the window's own
    EXPECT_EQ(run({"273.15", "K"}).status, 0);
    const CliRun window = run({"run", "--tsv", "length", "LightYearField=1e308"});
    EXPECT_EQ(window.status, 0);
    EXPECT_TRUE(hasLine(window.out, "MillimetersField\tinf\tinf")) << window.out;
}

}  // namespace
