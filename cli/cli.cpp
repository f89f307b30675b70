// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli.h"

#include "cli/commands.h"

#include <cstdlib>
#include <ostream>
#include <string_view>

namespace ambrel {

bool exactFromEnvironment()
{
    const char* value = std::getenv("AMBREL_EXACT");
    return value && std::string_view(value) == "1";
}

int runCli(std::span<const std::string> args, std::ostream& out, std::ostream& err)
{
    const bool exact = exactFromEnvironment();
    if (args.empty() || args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        printUsage(out);
        return 0;
    }
    if (args[0] == "--version") {
        out << "ambrel " << AMBREL_VERSION << '\n';
        return 0;
    }
    if (args[0] == "run")
        return runScript(args.subspan(1), exact, out, err);
    if (args[0] == "units")
        return runUnits(args.subspan(1), exact, out, err);
    return runFriendly(args, exact, out, err);
}

}  // namespace ambrel
