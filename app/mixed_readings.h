// SPDX-License-Identifier: GPL-3.0-or-later
// A window's quantity in the several units people read it in: a height in
// feet and inches, a body weight in stone and pounds, a duration in hours,
// minutes and seconds. Read from the window's cells; it changes none of them.
#pragma once

#include "framework/converter_def.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace ambrel {

struct MixedReading {
    std::string name;  // "Feet and inches"
    std::string text;  // "5 ft 8.8976 in"; empty for a cell with no number
};

// The readings of the window of `def` at `digits` (the cells' accuracy), in
// order, from the numbers its cells hold (`cell` gives the number of the cell
// of an outlet); none for a window whose quantity has none.
std::vector<MixedReading> mixedReadings(const ConverterDef& def, const std::function<double(std::string_view)>& cell,
                                        int digits, char decimalSeparator = '.');

// The outlet of the cell each reading is worked out from: the cells whose
// change changes the readings.
std::vector<std::string> mixedReadingSources(const ConverterDef& def);

}  // namespace ambrel
