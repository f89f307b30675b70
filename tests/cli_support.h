// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the command line in process, as the tests of its forms do.
#pragma once

#include "cli/cli.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace ambrel::testing {

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

inline CliRun run(std::vector<std::string> args)
{
    std::ostringstream out, err;
    const int status = runCli(args, out, err);
    return {status, out.str(), err.str()};
}

// A run and what it must give: its status, its whole output, and a text its
// messages hold (a refusal prints nothing on the output).
struct CliCase {
    std::vector<std::string> args;
    int status;
    std::string out;
    const char* err = "";
};

inline void expectRuns(std::initializer_list<CliCase> cases)
{
    for (const CliCase& c : cases) {
        std::string line;
        for (const std::string& a : c.args)
            line += a + ' ';
        const CliRun r = run(c.args);
        EXPECT_EQ(r.status, c.status) << line << r.err;
        EXPECT_EQ(r.out, c.out) << line;
        EXPECT_NE(r.err.find(c.err), std::string::npos) << line << r.err;
    }
}

// Whether `text` holds `line` as a whole line.
inline bool hasLine(const std::string& text, const std::string& line)
{
    return ("\n" + text).find("\n" + line + "\n") != std::string::npos;
}

}  // namespace ambrel::testing
