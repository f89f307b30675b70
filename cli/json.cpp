// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/json.h"

#include "framework/number_text.h"

#include <cmath>

namespace ambrel {

namespace {

// The length of the well-formed UTF-8 sequence at the start of `s`, or 0.
std::size_t utf8Length(std::string_view s)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char lead = byte(0);
    std::size_t length;
    unsigned char low = 0x80, high = 0xBF;  // the bounds of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0)
            low = 0xA0;  // no overlong forms
        if (lead == 0xED)
            high = 0x9F;  // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0)
            low = 0x90;
        if (lead == 0xF4)
            high = 0x8F;  // nothing beyond U+10FFFF
    } else {
        return 0;
    }
    if (s.size() < length || byte(1) < low || byte(1) > high)
        return 0;
    for (std::size_t i = 2; i < length; ++i)
        if (byte(i) < 0x80 || byte(i) > 0xBF)
            return 0;
    return length;
}

}  // namespace

std::string jsonString(std::string_view text)
{
    static constexpr char kHex[] = "0123456789abcdef";
    std::string out;
    out.reserve(text.size() + 2);
    out += '"';
    for (std::size_t i = 0; i < text.size();) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c >= 0x80) {
            const std::size_t n = utf8Length(text.substr(i));
            if (n == 0) {
                out += "\xEF\xBF\xBD";
                ++i;
            } else {
                out.append(text.substr(i, n));
                i += n;
            }
            continue;
        }
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\b': out += "\\b"; break;
        case '\f': out += "\\f"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (c < 0x20) {
                out += "\\u00";
                out += kHex[c >> 4];
                out += kHex[c & 0xF];
            } else {
                out += static_cast<char>(c);
            }
        }
        ++i;
    }
    out += '"';
    return out;
}

std::string jsonNumber(double value)
{
    // The exact form is already JSON's number syntax ("0.3048", "-0",
    // "1e-09", "1e+21"); only the non-finite values need quotes.
    const std::string exact = formatExact(value);
    return std::isfinite(value) ? exact : jsonString(exact);
}

JsonObject& JsonObject::add(std::string_view key, std::string_view json)
{
    if (text_.size() > 1)
        text_ += ',';
    text_ += jsonString(key);
    text_ += ':';
    text_ += json;
    return *this;
}

std::string JsonObject::close()
{
    text_ += '}';
    return std::move(text_);
}

std::string jsonField(std::string_view outlet, std::string_view unit, std::string_view value, std::string_view shown)
{
    return JsonObject()
        .add("outlet", jsonString(outlet))
        .add("unit", jsonString(unit))
        .add("value", value)
        .add("shown", jsonString(shown))
        .close();
}

}  // namespace ambrel
