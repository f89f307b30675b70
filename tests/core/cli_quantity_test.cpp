// SPDX-License-Identifier: GPL-3.0-or-later
// The friendly forms with quantities: arithmetic, amounts side by side,
// spellings, digits, and what is echoed when something is refused.
#include "cli/cli.h"
#include "cli_support.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

using namespace ambrel;
using ambrel::testing::CliRun;
using ambrel::testing::run;

namespace {

TEST(CliQuantity, ArithmeticMixedUnitsAndSpellingsConvert)
{
    const struct {
        std::vector<std::string> args;
        const char* out;
    } cases[] = {
        {{"5", "ft", "3", "in", "cm"}, "160.02 cm\n"},
        {{"5 ft 3 in", "cm"}, "160.02 cm\n"},
        {{"3*4", "m", "ft"}, "39.372 ft\n"},
        {{"1/2", "cup", "ml"}, "125 ml\n"},
        {{"(1+1)*3", "mi", "km"}, "9.656064 km\n"},
        {{"500", "nm", "m"}, "5e-07 m\n"},
        {{"1", "kN", "N"}, "1000 N\n"},
        {{"1", "TB", "GiB"}, "931.322574615 GiB\n"},
        {{"1", "h", "30", "min", "s"}, "5400 s\n"},
        {{"-1", "h", "30", "min", "min"}, "-90 min\n"},
        {{"2", "lb", "3", "oz", "g"}, "993.05 g\n"},  // 908 g + 3 × 28.35 g, classic tables
        {{"\u22125", "ft", "m"}, "-1.524 m\n"},
        {{" 5", "ft", "m"}, "1.524 m\n"},
        {{"-5", "ft", "m"}, "-1.524 m\n"},
        {{"length", "\u22125", "ft", "m"}, "-1.524 m\n"},
        {{"1", "UK", "gallon", "l"}, "4.546 l\n"},
        {{"100", "km/hr", "km/h"}, "100 km/h\n"},
        {{"2", "m^2", "cm2"}, "20000 cm2\n"},
        {{"3", "months", "days"}, "91.25 days\n"},
        {{"1", "Gbit", "MB"}, "125 MB\n"},
        {{"1", "kwh", "kJ"}, "3600 kJ\n"},
        {{"--digits", "3", "3", "mi", "km"}, "4.83 km\n"},
        {{"--digits=17", "1", "ft", "m"}, "0.30480000000000002 m\n"},
    };
    for (const auto& c : cases) {
        const CliRun r = run(c.args);
        EXPECT_EQ(r.status, 0) << c.args[0] << " " << c.args[1] << ": " << r.err;
        EXPECT_EQ(r.out, c.out) << c.args[0] << " " << c.args[1];
    }
}

TEST(CliQuantity, RefusalsNameThePlaceAndTheReason)
{
    const struct {
        std::vector<std::string> args;
        int status;
        const char* message;
    } cases[] = {
        {{"5", "ft", "3"}, kExitRefused, "a sum of amounts needs a unit after each at character 7"},
        {{"1/0", "m", "ft"}, kExitRefused, "division by zero at character 2"},
        {{"(1", "m", "ft"}, kExitRefused, "expected ')' at character 4"},
        {{"5", "ft", "3", "kg", "m"}, kExitUsage, "do not add up"},
        {{"1", "mb", "B"}, kExitUsage, "it could be Mb (megabit) or MB (megabyte)"},
        {{"--digits", "0", "1", "m", "ft"}, kExitUsage, "--digits"},
        {{"--digits", "x", "1", "m", "ft"}, kExitUsage, "--digits"},
        {{"1e999", "mi", "km"}, kExitRefused, "too large"},
    };
    for (const auto& c : cases) {
        const CliRun r = run(c.args);
        EXPECT_EQ(r.status, c.status) << c.args[0] << " " << c.args[1] << ": " << r.err;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
        EXPECT_TRUE(r.out.empty()) << r.out;
    }
}

TEST(CliQuantity, AnOverflowingResultIsWarnedAbout)
{
    const CliRun r = run({"1e308", "km", "mm"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "inf mm\n");
    EXPECT_EQ(r.err, "ambrel: warning: result overflows a double\n");
}

TEST(CliQuantity, EchoedInputIsEscapedAndShort)
{
    // A terminal's escape sequence and a bell, a NUL, and a flood.
    const CliRun esc = run({"length", "1\x1b]0;owned\a", "m"});
    EXPECT_EQ(esc.err.find('\x1b'), std::string::npos) << esc.err;
    EXPECT_EQ(esc.err.find('\a'), std::string::npos) << esc.err;
    EXPECT_NE(esc.err.find("\\x1b]0;owned\\x07"), std::string::npos) << esc.err;

    const CliRun nul = run({"run", "length", std::string("FeetField=1\0x", 13)});
    EXPECT_NE(nul.err.find("\"1\\0x\""), std::string::npos) << nul.err;

    const CliRun flood = run({"frobnicate" + std::string(100000, 'x')});
    EXPECT_EQ(flood.status, kExitUsage);
    EXPECT_LT(flood.err.size(), 300u);
    EXPECT_NE(flood.err.find("…\""), std::string::npos) << flood.err;
}

TEST(CliQuantity, ScriptTextValuesKeepTheRecordOnOneLine)
{
    const CliRun r = run({"run", "--tsv", "computing", "DecimalField= 12\n\t"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("DecimalField\t 12\\n\\t\t 12\\n\\t\n"), std::string::npos) << r.out;
}

TEST(CliQuantity, UnitsListsChoicesAndAlignsByCharacters)
{
    const CliRun transfer = run({"units", "file-transfer"});
    EXPECT_NE(transfer.out.find("(TransferSpeed=TAG)\n  0  14.4 kbit/s\n"), std::string::npos) << transfer.out;
    const CliRun badTag = run({"run", "file-transfer", "TransferSpeed=99"});
    EXPECT_EQ(badTag.status, kExitUsage);
    EXPECT_NE(badTag.err.find("is not an item tag"), std::string::npos);

    // The outlets start in one column however many non-ASCII symbols the
    // names before them hold.
    const CliRun temperature = run({"units", "temperature"});
    std::istringstream lines(temperature.out);
    std::vector<std::size_t> columns;
    for (std::string line; std::getline(lines, line);) {
        const std::size_t at = line.find("Field");
        if (at == std::string::npos)
            continue;
        std::size_t start = line.rfind(' ', at) + 1;
        std::size_t chars = 0;
        for (std::size_t i = 0; i < start; ++i)
            chars += (static_cast<unsigned char>(line[i]) & 0xC0) != 0x80;
        columns.push_back(chars);
    }
    ASSERT_EQ(columns.size(), 4u);
    for (std::size_t c : columns)
        EXPECT_EQ(c, columns.front()) << temperature.out;
}

}  // namespace
