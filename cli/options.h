// SPDX-License-Identifier: GPL-3.0-or-later
// The options the commands read alike: the table set, --json and --digits.
// They may come before the command word or among its own options; when
// both table sets are named, the last one named counts.
#pragma once

#include "cli/cli.h"

#include <span>
#include <string>
#include <vector>

namespace ambrel {

struct CommonOptions {
    bool exact = exactFromEnvironment();
    bool json = false;
    int digits = kDefaultFriendlyDigits;
    bool digitsGiven = false;
};

enum class OptionRead {
    Other,  // not one of them
    Read,
    Bad,  // --digits without a whole number from 1 to 17
};

// Reads args[i] if it is --exact, --classic, --json, --digits N or
// --digits=N; a separate value moves `i` on to it.
OptionRead readCommonOption(std::span<const std::string> args, std::size_t& i, CommonOptions& options);

inline constexpr const char* kDigitsNeeded = "--digits needs a whole number from 1 to 17";

// The index of the command word: the first word after the common options
// (args.size() when there is none).
std::size_t commandWord(std::span<const std::string> args);

// What the command at `command` reads: the options before it, then the
// words after it.
std::vector<std::string> commandArgs(std::span<const std::string> args, std::size_t command);

}  // namespace ambrel
