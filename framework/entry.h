// SPDX-License-Identifier: GPL-3.0-or-later
// What happens when a person types into a cell and confirms it.
#pragma once

#include "framework/number_text.h"
#include "framework/platform.h"
#include "framework/quantity_text.h"

#include <string>
#include <string_view>

namespace ambrel {

class WindowController;

// Reads `text` as the entry of a numeric `field`: a number or arithmetic on
// numbers. A refused entry sounds the alert, leaves the text in the field for
// correction and changes nothing else; the caller then must not send the
// box's action.
QuantityReading confirmEntry(Platform& platform, Field& field, std::string_view text, char decimalSeparator = '.');
// The same with the text already read: the cell takes the sum of its terms.
QuantityReading confirmReading(Platform& platform, Field& field, std::string_view text, const QuantityReading& reading);

// Why `reading` was refused, with the character where it went wrong.
std::string describe(const QuantityReading& reading);

struct EntryResult {
    bool accepted = true;
    std::string message;  // why it was refused
};

// The whole gesture on cell `fieldIndex` of `window`: the typed text is read
// (numeric cells: a number, arithmetic, or amounts in the window's units
// added up, "5 ft 3 in") or stored (text cells), the cell's box selects it and the
// box's action is sent. A controller may still refuse a text cell's entry,
// which it shows by leaving the cell holding refused text.
EntryResult typeAndConfirm(Platform& platform, WindowController& window, int fieldIndex, std::string_view text,
                           char decimalSeparator = '.');

// Enter on cell `fieldIndex` when the person left it as it was. What it shows
// may be rounded, so it is not read: the stored number stands. A window with
// result cells works its results out again from the numbers it holds; a
// converter does nothing, since converting again from an unchanged cell would
// only pass the others through rounded factors once more.
EntryResult confirmUnchanged(WindowController& window, int fieldIndex);

}  // namespace ambrel
