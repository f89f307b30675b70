// SPDX-License-Identifier: GPL-3.0-or-later
// The little JSON the command line writes: strings and numbers.
#pragma once

#include <string>
#include <string_view>

namespace ambrel {

// `text` as a JSON string, quotes included. Quotes, backslashes and control
// characters are escaped; bytes that are not UTF-8 become U+FFFD, so the
// output is always valid JSON.
std::string jsonString(std::string_view text);

// `value` as a JSON number that reads back as exactly the same double;
// infinities and not-a-number, which JSON has no numbers for, as the
// strings "inf", "-inf" and "nan".
std::string jsonNumber(double value);

}  // namespace ambrel
