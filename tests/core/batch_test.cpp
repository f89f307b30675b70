// SPDX-License-Identifier: GPL-3.0-or-later
// Stream mode: the same numbers as the window, one output line per input.
#include "cli/batch.h"
#include "cli/cli.h"
#include "cli_support.h"
#include "framework/number_text.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

using namespace ambrel;

namespace {

// Runs stream mode on `input`, its output and messages kept in memory.
ambrel::testing::CliRun batch(std::vector<std::string> args, std::string input)
{
    char *out = nullptr, *err = nullptr;
    std::size_t outSize = 0, errSize = 0;
    std::FILE* in = fmemopen(input.data(), input.size(), "r");
    std::FILE* outFile = open_memstream(&out, &outSize);
    std::FILE* errFile = open_memstream(&err, &errSize);
    const int status = runBatch(args, in, outFile, errFile);
    for (std::FILE* f : {in, outFile, errFile})
        std::fclose(f);
    ambrel::testing::CliRun r{status, std::string(out, outSize), std::string(err, errSize)};
    std::free(out);
    std::free(err);
    return r;
}

TEST(Batch, OneLinePerInputInOutletsOrUnits)
{
    const struct {
        std::vector<std::string> args;
        std::string input, out;
    } cases[] = {
        {{"--classic", "length", "FeetField", "--to", "InchesField"},
         "1\n2\r\n  3  \n1e3",
         "11.999976\n23.999952\n35.999928000000004\n11999.976\n"},
        {{"m", "km"}, "1\n\n2\n", "0.001\n\n0.002\n"},
        {{"ft", "in", "--classic"}, "1\n", "11.999976\n"},
        {{"length", "feet", "--to", "m"}, "2*3\n", "1.8288\n"},  // exactly 6 ft, rounded once
        // Units under different prefix systems of the data sizes.
        {{"--classic", "TB", "GiB"}, "1\n", "931.3225746154785\n"},
        {{"GiB", "--classic", "TB"}, "1\n", "0.001073741824\n"},
    };
    for (const auto& c : cases) {
        const auto r = batch(c.args, c.input);
        EXPECT_EQ(r.out, c.out) << c.args[0] << " " << r.err;
    }
    // A line in the outlet form is typed into the cell, units and all.
    EXPECT_NEAR(std::stod(batch({"length", "FeetField", "MetersField"}, "5 ft 3 in\n").out), 1.6002, 1e-5);
}

// A blank line is a missing number, not a zero: refused like "abc", and the
// output keeps its alignment.
TEST(Batch, RefusalsKeepTheAlignmentAndUsageErrorsConvertNothing)
{
    const auto bad = batch({"length", "MetersField", "--to", "MillimetersField"}, "1\nabc\n \n2\n1e999\n");
    EXPECT_EQ(bad.status, kExitRefused);
    EXPECT_EQ(bad.out, "1000\n\n\n2000\n\n");
    for (const char* line : {"line 2:", "line 3:", "line 5:"})
        EXPECT_NE(bad.err.find(line), std::string::npos) << line << " in " << bad.err;
    for (const auto& args : std::vector<std::vector<std::string>>{{},
                                                                  {"nowhere", "FeetField"},
                                                                  {"length", "Nope"},
                                                                  {"length", "FeetField", "--to"},
                                                                  {"m", "kg"},
                                                                  {"m", "nowhere"}}) {
        const auto u = batch(args, "1\n");
        EXPECT_EQ(u.status, kExitUsage);
        EXPECT_TRUE(u.out.empty());
    }
    // A target in several units is for the friendly form, which is named.
    const auto mixed = batch({"cm", "ft in"}, "175\n");
    EXPECT_EQ(mixed.status, kExitUsage);
    EXPECT_NE(mixed.err.find("'ambrel 3 cm ft in'"), std::string::npos) << mixed.err;
    // Nor does one quantity go into another that shares its window.
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"heat", "JoulePerKgField", "--to", "WattPerSqMeterField"}, {"J/kg", "W/m2"}, {"A", "V"}}) {
        const auto apart = batch(args, "1\n");
        EXPECT_EQ(apart.status, kExitUsage) << apart.out;
        EXPECT_NE(apart.err.find("do not convert into each other"), std::string::npos) << apart.err;
    }
}

TEST(Batch, AllFieldsAgreeWithTheScriptForm)
{
    std::string expected;
    std::istringstream lines(ambrel::testing::run({"run", "--tsv", "volume", "Igallon=1"}).out);
    for (std::string line; std::getline(lines, line);) {
        const std::size_t a = line.find('\t'), b = line.find('\t', a + 1);
        expected += (expected.empty() ? "" : "\t") + line.substr(a + 1, b - a - 1);
    }
    EXPECT_EQ(batch({"volume", "Igallon"}, "1\n").out, expected + "\n");
}

TEST(Batch, JsonGivesOneObjectPerLine)
{
    const auto r = batch({"--json", "ft", "m"}, "1\nx\n");
    EXPECT_EQ(r.status, kExitRefused);
    EXPECT_EQ(r.out,
              "{\"line\":1,\"unit\":\"m\",\"value\":0.3048}\n"
              "{\"line\":2,\"error\":\"not a number at character 1\"}\n");
    const auto all = batch({"--json", "temperature", "CelsiusField"}, "100\n");
    EXPECT_EQ(all.out.rfind("{\"line\":1,\"fields\":{\"", 0), 0u) << all.out;
    EXPECT_NE(all.out.find("\"FahrenheitField\":212"), std::string::npos) << all.out;
}

TEST(Batch, LongLinesAreRefusedWithoutBeingHeld)
{
    // The longest line taken, one over it, and one far over it without a
    // newline at the end: the others are converted all the same.
    const std::string longest = std::string(kLongestNumberText - 1, ' ') + "1";
    const auto r = batch({"m", "km"}, longest + "\n " + longest + "\n3\n" + std::string(5'000'000, '7'));
    EXPECT_EQ(r.status, kExitRefused);
    EXPECT_EQ(r.out, "0.001\n\n0.003\n\n");
    for (const char* part : {"line 2: ", "line 4: ", "longer than 1000 characters"})
        EXPECT_NE(r.err.find(part), std::string::npos) << part;
    // The echo of a refused line is cut short.
    EXPECT_LT(r.err.size(), 600u) << r.err.size();
}

// A target out of the double range is refused line by line like a bad
// number; a zero is refused only where zero does not go to zero too. Units
// the table holds as multiples go through their scales.
TEST(Batch, TargetsOutOfRangeAreRefusedAndScaledUnitsConvert)
{
    // clang-format off
    const struct { std::vector<std::string> args; std::string input, out; int status; const char* err; } cases[] = {
        {{"ly", "m"}, "1e308\n1\n", "\n9460730472580800\n", kExitRefused, "line 1: \"1e308\" refused: the result is too large"},
        {{"m", "km"}, "1e-322\n0\n", "\n0\n", kExitRefused, "line 1: \"1e-322\" refused: the result is too small to tell from zero"},
        {{"mpg", "l/100km"}, "0\n", "\n", kExitRefused, "the result is infinite"},
        {{"K", "C"}, "273.15\n0\n", "0\n-273.15\n", 0, ""},
        {{"temperature", "KelvinField", "--to", "C"}, "273.15\n", "0\n", 0, ""},
        {{"--json", "ly", "m"}, "1e308\n", "{\"line\":1,\"error\":\"the result is too large\"}\n", kExitRefused, ""},
        {{"nm", "m"}, "1\n", "1e-09\n", 0, ""},
        {{"m", "nm"}, "2\n", "2e+09\n", 0, ""},
        {{"--digits", "4", "ft", "m"}, "1\n", "0.3048\n", 0, ""},
        {{"--digits", "17", "--classic", "ft", "in"}, "1\n", "11.999976\n", 0, ""},
        {{"--classic", "--exact", "lb", "kg"}, "1\n", "0.45359237\n", 0, ""},
        {{"--exact", "--classic", "lb", "kg"}, "1\n", "0.454\n", 0, ""},
    };
    // clang-format on
    for (const auto& c : cases) {
        const auto r = batch(c.args, c.input);
        EXPECT_EQ(r.status, c.status) << c.args[0] << " " << c.args[1] << " " << r.err;
        EXPECT_EQ(r.out, c.out) << c.args[0] << " " << c.args[1];
        EXPECT_NE(r.err.find(c.err), std::string::npos) << r.err;
    }
    // Every field, as the window holds them.
    const auto all = batch({"length", "LightYearField"}, "1e308\n");
    EXPECT_EQ(all.status, 0);
    EXPECT_EQ(all.out.rfind("inf\t", 0), 0u) << all.out;
    // Options batch has no use for, or that contradict each other.
    for (const auto& args : std::vector<std::vector<std::string>>{{"--digits", "0", "ft", "m"},
                                                                  {"--digits", "4", "--json", "ft", "m"},
                                                                  {"--accuracy", "4", "ft", "m"}}) {
        const auto u = batch(args, "1\n");
        EXPECT_EQ(u.status, kExitUsage) << args[0] << " " << args[1];
        EXPECT_TRUE(u.out.empty());
    }
    // A target in several units is for the friendly form, which is named.
    const auto mixed = batch({"cm", "ft in"}, "175\n");
    EXPECT_EQ(mixed.status, kExitUsage);
    EXPECT_NE(mixed.err.find("'ambrel 3 cm ft in'"), std::string::npos) << mixed.err;
}

}  // namespace
