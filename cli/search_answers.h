// SPDX-License-Identifier: GPL-3.0-or-later
// Answers to what a person types into the desktop's search ("3 mi to km"):
// a few conversions, each as a line of text, read as the command line reads
// its friendly form.
#pragma once

#include "framework/number_text.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace ambrel {

struct SearchAnswer {
    std::string result;    // "4.828032 km"
    std::string question;  // "3 mi → km"
    std::string window;    // "Length"
};

struct SearchOptions {
    bool exact = true;
    int accuracy = kMaxShownDecimals;  // as the windows show numbers
    char decimalSeparator = '.';
    std::size_t limit = 5;
};

// Longer text is no quantity anyone types into a search box, and a sum of
// many amounts is read afresh for each answer: the limit keeps the slowest
// search far below what would hold up the desktop.
inline constexpr std::size_t kLongestSearch = 128;

// The answers to `text`: its conversion into the unit it names; without a
// target, the quantity in its window's most used units; with a target
// unfinished ("3 mi to k"), the conversions into the units that start so.
// None for text that is no quantity in a unit ("hello", "42").
std::vector<SearchAnswer> answerSearch(std::string_view text, const SearchOptions& options);

}  // namespace ambrel
