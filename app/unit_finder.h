// SPDX-License-Identifier: GPL-3.0-or-later
// The main menu's finder: which units a typed text names, across every
// window, and the quantity it may carry ("3 furlong").
#pragma once

#include "app/unit_names.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ambrel {

struct WindowEntry;

struct UnitMatch {
    const UnitName* unit = nullptr;
    const WindowEntry* window = nullptr;
    std::string text;  // "furlong — Length"
    // The same after an amount other than one, where the desktop's language
    // has a plural for the unit ("3 Meilen — Länge"); else the same as text.
    std::string pluralText;
};

// What a person typed into the finder: an optional number, then a unit.
struct FinderQuery {
    std::string number;  // "3", as typed; empty when none was given
    std::string unit;    // "furlong"
};

// Splits "3 furlong" into the number and the unit. A leading word counts as
// the number only when it reads as one (with `decimalSeparator` or '.') and
// something follows it.
FinderQuery splitQuery(std::string_view typed, char decimalSeparator = '.');

// Up to `limit` units the text names, best first: an exact symbol, name,
// plural or alias; then names that begin with it; then names with a word
// that begins with it. Within each kind, in the menu's order of windows.
std::vector<UnitMatch> findUnits(std::string_view typed, std::size_t limit = 10);

// A window's title as its button, title bar and notes show it: the menu
// title without its mnemonic or ellipsis.
std::string windowTitle(const WindowEntry& entry);

}  // namespace ambrel
