// SPDX-License-Identifier: GPL-3.0-or-later
// A converter window as data: its boxes and its unit table.
#pragma once

#include "framework/exact.h"
#include "framework/formula.h"
#include "framework/window_identity.h"

#include <span>
#include <string_view>

namespace ambrel {

struct BoxDef {
    const char* outlet;  // "ImperialBox"
    const char* title;   // shown on screen
    const char* action;  // per-box action, "ImperialCalc:"
    const char* base;    // outlet of the base field its cells convert through
};

// One unit field, with everything known about its unit: the label, the names
// people type for it, how it converts. Rows of a box are contiguous; a row's
// tag is its position in its box. The base field's row has no formulas.
//
// Where a word means units in several windows, or several units of one
// window, the plain word and its abbreviation go to one of them and the
// others keep their full names; each table says where its shared words go.
struct UnitRow {
    int box = 0;
    const char* outlet = "";  // "FeetField"
    const char* unit = "";    // "foot": the label, and the unit's own name
    // Abbreviations, '|' between them. Matched letter for letter, case
    // included: "mW" is not "MW", "b" is a bit and "B" a byte.
    const char* symbols = "";
    // More names, '|' between them, matched like `unit`: any case, hyphens as
    // spaces, British spellings and regular plurals accepted.
    const char* aliases = "";
    // A step the window needs before the field means this unit, e.g. the
    // prefix system of the data sizes ("BaseRadioSelection=1"); null if none.
    const char* setting = nullptr;
    Formula into{};  // from the typed number v to the base
    Formula out{};   // from the base number b to this unit
    // The unit's size from its definition, used instead of the two formulas
    // under exact definitions; none for a unit that is not a scale (warp).
    ExactSize exact{};
    // The label under exact definitions where the classic one would mislead.
    const char* exactUnit = nullptr;
    // Where the exact size is defined: "SI Brochure 2019", "NIST SP 811
    // Appendix B", ...; null for the rows of the first windows, whose
    // notebooks name their sources.
    const char* source = nullptr;
};

// A row with no formulas that is not its box's base: a unit added after
// the classic tables, which converts to and from its base by its exact size
// under either set. (A row whose formula is the number itself, v or b,
// has a classic factor of 1.)
constexpr bool convertsBySize(const UnitRow& row, std::string_view base)
{
    return !row.into.written && !row.out.written && base != row.outlet;
}

// Whether a table has classic factors. A window added after the classic
// tables has none: its rows convert by their exact sizes under either set.
constexpr bool hasClassicFactors(std::span<const UnitRow> rows)
{
    for (const UnitRow& row : rows)
        if (row.into.count != 0 || row.out.count != 0)
            return true;
    return false;
}

struct ConverterDef {
    WindowIdentity identity;
    const char* windowOutlet = "";    // "LenghtWindow"
    const char* title = "";           // window title
    const char* notebookAction = "";  // "ShowNotebook:" or "ShowNoteBook:"
    const char* notebook = "";        // document name, "Length"
    std::span<const BoxDef> boxes;
    std::span<const UnitRow> rows;
    // The same fields under another setting of the window (the data sizes
    // under decimal prefixes); its rows with a setting name further units.
    std::span<const UnitRow> altRows{};
    int openBox = -1;  // box and tag selected on opening; openBox < 0: none
    int openTag = 0;
    // Whether boxes of different bases convert into each other all the same
    // (the watt and the joule, as for one second).
    bool linkedBases = false;
};

// Whether a unit of box `a` converts into one of box `b`: boxes through one
// base do, and boxes of different quantities (current and voltage) do not.
inline bool boxesConvert(const ConverterDef& def, int a, int b)
{
    return a == b || def.linkedBases || std::string_view(def.boxes[a].base) == def.boxes[b].base;
}

// Checked at compile time for every table: box numbers in range, the rows of
// each box together and the boxes in order, every box with rows, outlets
// unique, and each box's base named by exactly one row, which has no
// formulas. A table that breaks one fails to build at the line that says why.
constexpr bool wellFormedTable(std::span<const BoxDef> boxes, std::span<const UnitRow> rows)
{
    const auto boxCount = static_cast<int>(boxes.size());
    int box = 0;
    for (const UnitRow& row : rows) {
        if (row.box < 0 || row.box >= boxCount)
            throw "a row names a box the table does not have";
        if (row.box != box && row.box != box + 1)
            throw "the rows of a box are not together, or a box is out of order or empty";
        box = row.box;
        int same = 0;
        for (const UnitRow& other : rows)
            same += std::string_view(other.outlet) == row.outlet;
        if (same != 1)
            throw "two rows have one outlet";
    }
    if (rows.empty() || box != boxCount - 1)
        throw "a box has no rows";
    // A row without formulas converts by its exact size alone, and so does
    // every row of a table without classic factors, its bases too.
    for (const UnitRow& row : rows)
        if ((convertsBySize(row, boxes[row.box].base) || !hasClassicFactors(rows)) &&
            row.exact.kind == ExactSize::Kind::None)
            throw "a row without formulas has no exact size";
    for (const BoxDef& b : boxes) {
        int bases = 0;
        for (const UnitRow& row : rows) {
            if (std::string_view(row.outlet) != b.base)
                continue;
            ++bases;
            if (row.into.count != 0 || row.out.count != 0)
                throw "a base row has formulas";
        }
        if (bases != 1)
            throw "a box's base is not a row of the table";
    }
    return true;
}

// Two tables of one window (another setting's factors) have the same shape:
// the same boxes and outlets, row by row.
constexpr bool sameShape(std::span<const UnitRow> a, std::span<const UnitRow> b)
{
    if (a.size() != b.size())
        throw "the tables have different numbers of rows";
    for (std::size_t r = 0; r < a.size(); ++r)
        if (a[r].box != b[r].box || std::string_view(a[r].outlet) != b[r].outlet)
            throw "the tables differ in a row's box or outlet";
    return true;
}

}  // namespace ambrel
