// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli.h"

#include "cli/commands.h"
#include "cli/options.h"

#include <ostream>
#include <string_view>

namespace ambrel {

int runCli(std::span<const std::string> args, std::ostream& out, std::ostream& err)
{
    const std::size_t at = commandWord(args);
    const std::string_view word = at < args.size() ? std::string_view(args[at]) : std::string_view();
    if (args.empty() || word == "--help" || word == "-h" || word == "help") {
        printUsage(out);
        return 0;
    }
    if (word == "--version") {
        out << "ambrel " << AMBREL_VERSION << '\n';
        return 0;
    }
    if (word == "run")
        return runScript(commandArgs(args, at), out, err);
    if (word == "units")
        return runUnits(commandArgs(args, at), out, err);
    return runFriendly(args, out, err);
}

}  // namespace ambrel
