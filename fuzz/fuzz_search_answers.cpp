// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop search's answers on arbitrary text: they never crash or hang,
// stay within the limit, each reads as a number and a unit with its question
// and window, and the same text always gets the same answers.
#include "cli/search_answers.h"
#include "fuzz_check.h"

#include <cstdint>
#include <string_view>

using namespace ambrel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const SearchOptions options{.exact = size % 2 == 0, .accuracy = static_cast<int>(size % 100)};
    const std::vector<SearchAnswer> answers = answerSearch(text, options);
    FUZZ_CHECK(answers.size() <= options.limit, "%zu answers", answers.size());
    for (const SearchAnswer& a : answers) {
        FUZZ_CHECK(a.result.find(' ') != std::string::npos && a.result.back() != ' ', "result '%s'", a.result.c_str());
        FUZZ_CHECK(a.question.find("\u2192") != std::string::npos, "question '%s'", a.question.c_str());
        FUZZ_CHECK(!a.window.empty(), "no window for '%s'", a.result.c_str());
    }
    const std::vector<SearchAnswer> again = answerSearch(text, options);
    FUZZ_CHECK(again.size() == answers.size(), "%zu answers, then %zu", answers.size(), again.size());
    for (std::size_t i = 0; i < answers.size(); ++i)
        FUZZ_CHECK(again[i].result == answers[i].result, "'%s', then '%s'", answers[i].result.c_str(),
                   again[i].result.c_str());
    return 0;
}
