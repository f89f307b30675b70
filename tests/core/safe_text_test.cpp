// SPDX-License-Identifier: GPL-3.0-or-later
// Refused text echoed on a terminal: escaped and cut short.
#include "cli/safe_text.h"

#include <gtest/gtest.h>

using namespace ambrel;

TEST(SafeText, ControlCharactersAreEscapedAndLongTextCut)
{
    // clang-format off
    const std::pair<std::string, std::string> cases[] = {
        {"5 ft", "\"5 ft\""}, {"a\"b\\c", "\"a\\\"b\\\\c\""}, {"\x1b[31mred\a", "\"\\x1b[31mred\\x07\""},
        {std::string("1\0002", 3), "\"1\\02\""}, {"tab\there\nnext\r", "\"tab\\there\\nnext\\r\""},
        {"\u00b5m \u2212 \u00b0C", "\"\u00b5m \u2212 \u00b0C\""},  // printable UTF-8 stays
        {"\xff\xfe", "\"\\xff\\xfe\""},                              // not UTF-8
        {"\xc2\x9b" "2J", "\"\\xc2\\x9b2J\""},                       // a C1 control
        {"\xe2\x88", "\"\\xe2\\x88\""},                              // cut short
        {"\x7f", "\"\\x7f\""},
        {std::string(80, 'x'), "\"" + std::string(80, 'x') + "\""},
        {std::string(100000, 'x'), "\"" + std::string(80, 'x') + "…\""},
        {std::string(79, 'x') + "\u00b5\u00b5", "\"" + std::string(79, 'x') + "\u00b5…\""},
    };
    // clang-format on
    for (const auto& [text, want] : cases)
        EXPECT_EQ(ambrel::quoted(text), want);
}
