// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/translatable.h"

#include <atomic>

namespace ambrel {

namespace {

std::atomic<TextLookup> installed{nullptr};

}  // namespace

void setTextLookup(TextLookup lookup)
{
    installed.store(lookup);
}

std::string localText(std::string_view english)
{
    const TextLookup lookup = installed.load();
    return lookup ? lookup(english) : std::string(english);
}

std::string fillText(std::string_view pattern, std::initializer_list<std::string_view> args)
{
    std::string out;
    out.reserve(pattern.size() + 32);
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c != '%' || i + 1 == pattern.size()) {
            out += c;
            continue;
        }
        const char next = pattern[i + 1];
        if (next == '%') {
            out += '%';
            ++i;
        } else if (next >= '1' && next <= '9' && static_cast<std::size_t>(next - '1') < args.size()) {
            out += args.begin()[next - '1'];
            ++i;
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace ambrel
