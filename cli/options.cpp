// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/options.h"

#include "cli/commands.h"
#include "framework/number_text.h"

#include <cstdlib>
#include <string_view>

namespace ambrel {

namespace {

bool isSet(const char* name)
{
    const char* value = std::getenv(name);
    return value && std::string_view(value) == "1";
}

}  // namespace

// Exact unless AMBREL_CLASSIC=1. AMBREL_EXACT=1 asks for the default and
// loses to AMBREL_CLASSIC=1, so a profile that still sets it cannot hide
// the classic tables from someone who asks for them.
bool exactFromEnvironment()
{
    return !isSet("AMBREL_CLASSIC");
}

OptionRead readCommonOption(std::span<const std::string> args, std::size_t& i, CommonOptions& options)
{
    const std::string_view a = args[i];
    if (a == "--exact" || a == "--classic") {
        options.exact = a == "--exact";
        return OptionRead::Read;
    }
    if (a == "--json") {
        options.json = true;
        return OptionRead::Read;
    }
    if (a != "--digits" && !a.starts_with("--digits="))
        return OptionRead::Other;
    options.digitsGiven = true;
    const bool joined = a.size() > 8;
    if (!joined && ++i >= args.size())
        return OptionRead::Bad;
    const std::string_view value = joined ? a.substr(9) : std::string_view(args[i]);
    const bool fits = parseInt(value, options.digits) && options.digits >= 1 && options.digits <= kFullPrecisionDigits;
    return fits ? OptionRead::Read : OptionRead::Bad;
}

std::size_t commandWord(std::span<const std::string> args)
{
    CommonOptions ignored;
    std::size_t i = 0;
    while (i < args.size() && readCommonOption(args, i, ignored) != OptionRead::Other)
        ++i;
    return std::min(i, args.size());
}

std::vector<std::string> commandArgs(std::span<const std::string> args, std::size_t command)
{
    std::vector<std::string> rest(args.begin(), args.begin() + static_cast<std::ptrdiff_t>(command));
    if (command < args.size())
        rest.insert(rest.end(), args.begin() + static_cast<std::ptrdiff_t>(command) + 1, args.end());
    return rest;
}

}  // namespace ambrel
