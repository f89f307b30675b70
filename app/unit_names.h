// SPDX-License-Identifier: GPL-3.0-or-later
// The names a person types for units, on the command line and in the finder: full names, their
// plurals, and the usual abbreviations, each naming one field of one window.
#pragma once

#include <algorithm>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace ambrel {

// One unit of a window's table, as the command line looks it up.
struct UnitName {
    const char* window;  // "length"
    const char* outlet;  // "FeetField"
    const char* name;    // "foot": the field's own unit name
    // Abbreviations, '|' between them. Matched letter for letter, case
    // included: "mW" is not "MW", "b" is a bit and "B" a byte.
    const char* symbols;
    // More names, '|' between them, matched like `name`: any case, hyphens as
    // spaces, British spellings and regular plurals accepted.
    const char* aliases;
    // A step the window needs before the field means this unit, e.g. the
    // prefix system of the data sizes ("BaseRadioSelection=1"); null if none.
    const char* setting = nullptr;
    bool base = false;  // the field its box converts through
};

// Every entry, window by window in the menu's order.
std::span<const UnitName> unitNames();

// Calls `f` with each '|'-separated part of a row's `symbols` or `aliases`.
template <class F>
void eachName(const char* list, F f)
{
    const std::string_view all = list ? list : "";
    std::size_t start = 0;
    while (start <= all.size()) {
        const std::size_t bar = std::min(all.find('|', start), all.size());
        if (bar > start)
            f(all.substr(start, bar - start));
        start = bar + 1;
    }
}

// The first '|'-separated part of a row's `symbols` or `aliases` ("ft").
inline std::string_view firstName(const char* list)
{
    const std::string_view all = list ? list : "";
    return all.substr(0, all.find('|'));
}

// The unit `typed` names, searched in `window` only when that is given;
// null if none. Symbols are tried first, then names.
const UnitName* findUnit(std::string_view typed, std::string_view window = {});

// A unit as a person may spell it: a unit of the tables, perhaps scaled
// ("nm" is a meter divided by 1e9, "month" a year divided by 12). The amount
// in the table's unit is amount × multiply / divide.
struct UnitSpelling {
    const UnitName* unit = nullptr;
    double multiply = 1;
    double divide = 1;
    // When the text names more than one unit: each of them, as "Mb (megabit)".
    std::vector<std::string> choices;
    // Read as a symbol in another letter case ("KM" for km).
    bool otherCase = false;
};

// The unit `typed` names by the tables or by the usual ways of writing
// units: SI prefixes on the metric units ("nm", "µm", "um", "kN",
// "gigawatt"), powers ("m^2", "ft³"), "per" and "/hr" ("km per hr"),
// decimal and binary multiples of bytes and bits ("PB", "KB", "Gbit",
// "TiB"), "month", "UK" and "imperial" before a unit. A symbol in another
// letter case is read only when every symbol it may stand for, prefixed or
// not, names one unit ("KM"); when they name several ("mw": MW or mW, "MM":
// Mm or mm) the unit is null and `choices` lists them. Null unit and no
// choices when nothing fits.
UnitSpelling matchUnit(std::string_view typed, std::string_view window = {});

// Up to `limit` names and symbols close to `typed` (another letter case, a
// longer name that starts with it or has it as a word, a near spelling),
// best first, each as "km (kilometer)". Empty for a long or hopeless text.
std::vector<std::string> closeUnitNames(std::string_view typed, std::string_view window = {}, std::size_t limit = 5);

// Where units that need different settings of `window` meet: its first base
// unit that needs no setting; null if the window has none.
const UnitName* meetingUnit(std::string_view window);

// The texts a name is matched by: lower case (the capitals of Latin-1 too, for
// the names of other languages), hyphens as spaces, no
// apostrophes, single spaces, "metre", "litre", "deca" and "gramme" as
// "meter", "liter", "deka" and "gram".
std::string normalizeUnitName(std::string_view text);

// The ways `name` (normalized) is written in the plural: one of its words
// made plural ("miles per hour", "square feet", "centuries").
std::vector<std::string> pluralsOf(std::string_view name);

}  // namespace ambrel
