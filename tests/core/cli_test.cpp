// The command line's contract: exact numbers, exit codes, refusals.
#include "cli/cli.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

using namespace ambrel;

namespace {

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

CliRun run(std::vector<std::string> args)
{
    std::ostringstream out, err;
    const int status = runCli(args, out, err);
    return {status, out.str(), err.str()};
}

bool hasLine(const std::string& text, const std::string& line)
{
    return ("\n" + text).find("\n" + line + "\n") != std::string::npos;
}

TEST(Cli, TsvPrintsEveryFieldWithExactAndShownValues)
{
    const CliRun r = run({"run", "--tsv", "length", "FeetField=1"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(hasLine(r.out, "MetersField\t0.3048\t0.3048"));
    EXPECT_TRUE(hasLine(r.out, "InchesField\t11.999976\t12.0000"));
    EXPECT_TRUE(hasLine(r.out, "ParsecField\t9.876863253402463e-18\t0.0000"));
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 19);
    EXPECT_EQ(r.out.substr(0, r.out.find('\t')), "MillimetersField");

    const CliRun six = run({"run", "--accuracy", "6", "--tsv", "length", "FeetField=1"});
    EXPECT_TRUE(hasLine(six.out, "InchesField\t11.999976\t11.999976"));
    const CliRun none = run({"run", "--accuracy=0", "--tsv", "length", "FeetField=1"});
    EXPECT_TRUE(hasLine(none.out, "InchesField\t11.999976\t12"));
}

TEST(Cli, StepsRunInOrderAndSelectorsAreActions)
{
    const CliRun r = run({"run", "--tsv", "length", "MilesField=1", "FeetField=2", "ImperialCalc:"});
    ASSERT_EQ(r.status, 0) << r.err;
    // The second entry converts from feet; the selector repeats it.
    EXPECT_TRUE(hasLine(r.out, "MetersField\t0.6096\t0.6096"));
    EXPECT_TRUE(hasLine(r.out, "FeetField\t2\t2.0000"));
}

TEST(Cli, RefusalsAndUsageErrorsHaveTheirExitCodes)
{
    struct Case {
        std::vector<std::string> args;
        int status;
        const char* message;
    } cases[] = {
        {{"run", "length", "FeetField=12abc"}, kExitRefused, "not a number"},
        {{"run", "length", "FeetField=1e999"}, kExitRefused, "too large"},
        {{"run", "length", "FeetField=nan"}, kExitRefused, "not a number"},
        {{"run", "nowhere"}, kExitUsage, "unknown window"},
        {{"run"}, kExitUsage, "needs a window"},
        {{"run", "length", "Nope=1"}, kExitUsage, "no field"},
        {{"run", "length", "Nope:"}, kExitUsage, "unknown action"},
        {{"run", "length", "garbage"}, kExitUsage, "unknown action"},
        {{"run", "--accuracy", "x", "length"}, kExitUsage, "whole number"},
        {{"run", "--accuracy"}, kExitUsage, "whole number"},
        {{"run", "--bogus", "length"}, kExitUsage, "unknown option"},
        {{"frobnicate"}, kExitUsage, "unknown command"},
        {{"length", "1", "furlongs per fortnight"}, kExitUsage, "no unit"},
        {{"length", "abc", "foot"}, kExitRefused, "not a number"},
    };
    for (const Case& c : cases) {
        const CliRun r = run(c.args);
        EXPECT_EQ(r.status, c.status) << c.args.back();
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    }
}

TEST(Cli, FriendlyFormPrintsEveryUnit)
{
    const CliRun r = run({"length", "1", "mile"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("1609.344  meter"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("320  rod"), std::string::npos) << r.out;
    // Tiny values keep their digits rather than showing a bare zero.
    EXPECT_NE(r.out.find("e-"), std::string::npos);
    EXPECT_EQ(run({"length", "2", "feet"}).status, 0);
    EXPECT_EQ(run({"length", "2", "Nautical", "Mile"}).status, 0);
}

TEST(Cli, HelpNamesBothForms)
{
    const CliRun r = run({"--help"});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("ambrel run"), std::string::npos);
    EXPECT_NE(r.out.find("ambrel length 1 foot"), std::string::npos);
}

}  // namespace
