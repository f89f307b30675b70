// SPDX-License-Identifier: GPL-3.0-or-later
// Text a person typed, made safe to echo on a terminal.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace ambrel {

// Refused text is echoed at most this many characters long.
inline constexpr std::size_t kLongestEcho = 80;

// `text` in double quotes, with control characters, bytes that are not UTF-8
// and quotes escaped ("\n", "\t", "\0", "\x1b", "\""), cut to kLongestEcho
// characters with an ellipsis, so an echo can neither drive the terminal
// nor flood it.
std::string quoted(std::string_view text);

// The columns `text` takes on a terminal: one per character of UTF-8, so
// "°C" and "m²" line up with ASCII names.
std::size_t displayWidth(std::string_view text);

// `text` padded with spaces to `width` columns.
std::string padded(std::string_view text, std::size_t width);

}  // namespace ambrel
