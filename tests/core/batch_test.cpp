// Stream mode: the same numbers as the window, one output line per input.
#include "cli/batch.h"
#include "cli/cli.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

using namespace ambrel;

namespace {

struct BatchRun {
    int status;
    std::string out;
    std::string err;
};

std::string slurp(std::FILE* f)
{
    std::rewind(f);
    std::string text;
    char buf[4096];
    for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, f)) > 0;)
        text.append(buf, n);
    return text;
}

BatchRun batch(std::vector<std::string> args, const std::string& input)
{
    std::FILE* in = std::tmpfile();
    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    std::fwrite(input.data(), 1, input.size(), in);
    std::rewind(in);
    const int status = runBatch(args, in, out, err);
    std::fflush(out);
    std::fflush(err);
    BatchRun r{status, slurp(out), slurp(err)};
    std::fclose(in);
    std::fclose(out);
    std::fclose(err);
    return r;
}

TEST(Batch, OneLinePerInputWithTheWindowsArithmeticAndRefusalsKeepAlignment)
{
    const BatchRun r = batch({"length", "FeetField", "--to", "InchesField"}, "1\n2\r\n  3  \n1e3");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "11.999976\n23.999952\n35.999928000000004\n11999.976\n");

    // An empty line reads as 0, as in the window.
    const BatchRun bad = batch({"length", "MetersField", "--to", "MillimetersField"}, "1\nabc\n\n2\n1e999\n");
    EXPECT_EQ(bad.status, kExitRefused);
    EXPECT_EQ(bad.out, "1000\n\n0\n2000\n\n");
    EXPECT_NE(bad.err.find("line 5"), std::string::npos) << bad.err;

    for (const auto& args : std::vector<std::vector<std::string>>{
             {}, {"nowhere", "FeetField"}, {"length", "Nope"}, {"length", "FeetField", "--to"}}) {
        const BatchRun u = batch(args, "1\n");
        EXPECT_EQ(u.status, kExitUsage);
        EXPECT_TRUE(u.out.empty());
    }
}

TEST(Batch, AllFieldsAgreeWithTheScriptForm)
{
    const BatchRun r = batch({"volume", "Igallon"}, "1\n");
    std::ostringstream tsv, err;
    ASSERT_EQ(runCli(std::vector<std::string>{"run", "--tsv", "volume", "Igallon=1"}, tsv, err), 0);
    std::string expected;
    std::istringstream lines(tsv.str());
    for (std::string line; std::getline(lines, line);) {
        const std::size_t a = line.find('\t'), b = line.find('\t', a + 1);
        expected += (expected.empty() ? "" : "\t") + line.substr(a + 1, b - a - 1);
    }
    EXPECT_EQ(r.out, expected + "\n");
}

}  // namespace
