// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/safe_text.h"

namespace ambrel {

namespace {

// The length of the well-formed UTF-8 sequence at the start of `s` that is
// printable (no C1 control), or 0.
std::size_t printableSequence(std::string_view s)
{
    const auto b = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char c = b(0);
    std::size_t n = 0;
    unsigned int cp = 0;
    if (c >= 0xC2 && c <= 0xDF) {
        n = 2;
        cp = c & 0x1F;
    } else if (c >= 0xE0 && c <= 0xEF) {
        n = 3;
        cp = c & 0x0F;
    } else if (c >= 0xF0 && c <= 0xF4) {
        n = 4;
        cp = c & 0x07;
    } else {
        return 0;
    }
    if (s.size() < n)
        return 0;
    for (std::size_t i = 1; i < n; ++i) {
        if ((b(i) & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (b(i) & 0x3F);
    }
    const bool overlong = (n == 3 && cp < 0x800) || (n == 4 && cp < 0x10000);
    if (overlong || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF) || (cp >= 0x80 && cp <= 0x9F))
        return 0;
    return n;
}

}  // namespace

std::string quoted(std::string_view text)
{
    static constexpr char kHex[] = "0123456789abcdef";
    std::string out = "\"";
    std::size_t shown = 0;
    std::size_t i = 0;
    for (; i < text.size() && shown < kLongestEcho; ++shown) {
        const char c = text[i];
        const auto u = static_cast<unsigned char>(c);
        if (u >= 0x20 && u < 0x7f) {
            if (c == '"' || c == '\\')
                out += '\\';
            out += c;
            ++i;
        } else if (const std::size_t n = u >= 0x80 ? printableSequence(text.substr(i)) : 0) {
            out.append(text.substr(i, n));
            i += n;
        } else {
            switch (c) {
            case '\0': out += "\\0"; break;
            case '\n': out += "\\n"; break;
            case '\t': out += "\\t"; break;
            case '\r': out += "\\r"; break;
            default:
                out += "\\x";
                out += kHex[u >> 4];
                out += kHex[u & 0xF];
            }
            ++i;
        }
    }
    if (i < text.size())
        out += "…";
    out += '"';
    return out;
}

std::size_t displayWidth(std::string_view text)
{
    std::size_t width = 0;
    for (const char c : text)
        width += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return width;
}

std::string padded(std::string_view text, std::size_t width)
{
    std::string out(text);
    const std::size_t has = displayWidth(text);
    if (has < width)
        out.append(width - has, ' ');
    return out;
}

}  // namespace ambrel
