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

// A JSON object written member by member, each value already in JSON:
// JsonObject().add("line", "1").add("unit", jsonString("m")).close().
class JsonObject {
public:
    JsonObject& add(std::string_view key, std::string_view json);
    // The object's text, closing brace included.
    std::string close();

private:
    std::string text_ = "{";
};

// One field of a window: {"outlet":..,"unit":..,"value":..,"shown":..},
// with `value` already in JSON (a number, or a text cell's string).
std::string jsonField(std::string_view outlet, std::string_view unit, std::string_view value, std::string_view shown);

}  // namespace ambrel
