// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the command line in process, as the tests of its forms do.
#pragma once

#include "cli/cli.h"

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

}  // namespace ambrel::testing
