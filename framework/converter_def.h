// A converter window as data: its boxes and its unit table.
#pragma once

#include "framework/exact.h"
#include "framework/formula.h"
#include "framework/window_identity.h"

#include <span>

namespace ambrel {

struct BoxDef {
    const char* outlet;  // "ImperialBox"
    const char* title;   // shown on screen
    const char* action;  // per-box action, "ImperialCalc:"
    const char* base;    // outlet of the base field its cells convert through
};

// One unit field. Rows of a box are contiguous; a row's tag is its position
// in its box. The base field's row has no formulas.
struct UnitRow {
    int box;
    const char* outlet;  // "FeetField"
    const char* unit;    // "foot"
    Formula into;        // from the typed number v to the base
    Formula out;         // from the base number b to this unit
    // The unit's size from its definition, used instead of the two formulas
    // under exact definitions; none for a unit that is not a scale (warp).
    ExactSize exact{};
    // The label under exact definitions where the classic one would mislead.
    const char* exactUnit = nullptr;
};

struct ConverterDef {
    WindowIdentity identity;
    const char* windowOutlet;    // "LenghtWindow"
    const char* title;           // window title
    const char* notebookAction;  // "ShowNotebook:" or "ShowNoteBook:"
    const char* notebook;        // document name, "Length"
    std::span<const BoxDef> boxes;
    std::span<const UnitRow> rows;
    int openBox;  // box and tag selected on opening; openBox < 0: none
    int openTag;
};

}  // namespace ambrel
