// SPDX-License-Identifier: GPL-3.0-or-later
// A window run on the headless platform for the friendly forms and batch,
// and the units a person names in it.
#pragma once

#include "app/window_registry.h"
#include "framework/converter_def.h"
#include "headless/headless_platform.h"

#include <memory>
#include <optional>
#include <string>

namespace ambrel {

// A window on the headless platform, opened the way the menu opens it.
struct Session {
    const WindowEntry& entry;
    HeadlessPlatform platform;
    std::unique_ptr<WindowController> controller;

    Session(const WindowEntry& e, int accuracy, bool exact) : entry(e)
    {
        platform.events().setRecording(false);  // nobody reads the record here
        controller = openWindow(entry, platform, accuracy, exact);
    }

    HeadlessField& cell(int index) { return static_cast<HeadlessField&>(*controller->parts().fields[index]); }
};

// A unit a person named: a field of a window, and the setting the window
// needs for that field to mean the unit.
struct UnitPick {
    const WindowEntry* window = nullptr;
    std::string outlet;
    const char* setting = nullptr;
    std::string typed;
    // The table's unit may be a multiple of the one named ("nm" of the meter):
    // an amount in the named unit is amount × multiply / divide in the table's.
    double multiply = 1;
    double divide = 1;
};

// The unit `typed` names, in `window` if one is given.
std::optional<UnitPick> pickUnit(const std::string& typed, const WindowEntry* window);

// Where the two units of a conversion are units of different windows, a
// name shared between windows ("N": the newton of weight or of force) is
// read in the other's window: the target's window is tried for `from`
// first, then the window of `from` for the target. Unchanged when neither
// fits. A symbol as written in its own window is not read in another
// letter case there ("m" is never the molar "M").
void pickSameWindow(std::optional<UnitPick>& from, std::optional<UnitPick>& to);

bool sameSetting(const char* a, const char* b);
// Puts the window in the state the unit needs (the prefix system of the data
// sizes).
void applySetting(Session& s, const char* setting);
// Enters a number the window itself produced into field `index`, as if
// typed: no reading of text, so an infinite value carries over too.
void carry(Session& s, int index, double value);
// The same with a number known exactly, which the window converts from.
void carry(Session& s, int index, const ExactValue& value);
// The table row a unit names in `window`; null for a window without a table.
const UnitRow* unitRow(const WindowEntry& window, const UnitPick& unit);
// Why units `a` and `b` of the session's window do not convert into each
// other: the window keeps its boxes apart (current and voltage) and they are
// in two of them. Empty when they convert.
std::string apartBoxes(const Session& s, const UnitPick& a, const UnitPick& b);
// An amount in the unit a person named as an amount in its table's unit.
ExactValue inTableUnit(const UnitPick& unit, const ExactValue& amount);
// `value` in unit `from`, converted into unit `to`: exactly under exact
// definitions, where both units have exact sizes, else by the window's
// tables. None when the result is beyond the double range. The session is
// left showing the conversion.
std::optional<ExactValue> convertIn(Session& s, const UnitPick& from, const ExactValue& value, const UnitPick& to);

}  // namespace ambrel
