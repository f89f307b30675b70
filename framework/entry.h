// What happens when a person types into a cell and confirms it.
#pragma once

#include "framework/number_text.h"
#include "framework/platform.h"

#include <string>
#include <string_view>

namespace ambrel {

class WindowController;

// Reads `text` as the entry of a numeric `field`. A refused entry sounds the
// alert, leaves the text in the field for correction and changes nothing
// else; the caller then must not send the box's action.
NumberReading confirmEntry(Platform& platform, Field& field, std::string_view text,
                           char decimalSeparator = '.');

struct EntryResult {
    bool accepted = true;
    std::string message;  // why it was refused
};

// The whole gesture on cell `fieldIndex` of `window`: the typed text is read
// (numeric cells) or stored (text cells), the cell's box selects it and the
// box's action is sent. A controller may still refuse a text cell's entry,
// which it shows by leaving the cell holding refused text.
EntryResult typeAndConfirm(Platform& platform, WindowController& window, int fieldIndex,
                           std::string_view text, char decimalSeparator = '.');

}  // namespace ambrel
