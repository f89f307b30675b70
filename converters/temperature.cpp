// SPDX-License-Identifier: GPL-3.0-or-later
#include "converters/temperature.h"
#include "framework/translatable.h"

#include <cstdint>
#include <iterator>

namespace ambrel {

using table::b;
using table::v;

namespace {

// clang-format off
constexpr BoxDef kBoxes[] = {
    {"FieldBox", AMBREL_TEXT("Temperature"), "Calc:", "CelsiusField"},
};
// clang-format on

constexpr int kCelsiusRow = 0;
constexpr int kFahrenheitRow = 1;

// Exact scales as offsets and ratios of the Celsius degree: K = °C + 273.15,
// °R = °F + 459.67.
constexpr ExactNumber f = 5_x / 9;  // a Fahrenheit degree

// Shared words: c and f are Celsius and Fahrenheit, as people type them; the
// speed of light is named in full.
//
// b × 1.8 + 32 is one fused multiply-add. Kelvin is offset by 273 and
// Rankine by 459.69 from Fahrenheit, so the two absolute scales disagree.
// clang-format off
constexpr UnitRow kRows[] = {
    {.box = 0, .outlet = "CelsiusField", .unit = "degree Celsius", .symbols = "C|c|°C|degC|℃",
     .aliases = "celsius|centigrade",
     .exact = AMBREL_SIZE(1_x)},
    {.box = 0, .outlet = "FahrenheitField", .unit = "degree Fahrenheit", .symbols = "F|f|°F|degF|℉",
     .aliases = "fahrenheit",
     .into = v.sub(32).div(1.8), .out = b.fma(1.8, 32),
     .exact = offsetSize(f, -32 * f, "(°F - 32) * 5/9 °C")},
    {.box = 0, .outlet = "KelvinField", .unit = "kelvin", .symbols = "K",
     .into = v.sub(273), .out = b.add(273), .exact = offsetSize(1, -273.15_x, "K - 273.15 °C")},
    {.box = 0, .outlet = "RankineField", .unit = "degree Rankine", .symbols = "R|°R|degR",
     .aliases = "rankine",
     .into = v.sub(459.69).sub(32).div(1.8), .out = b.fma(1.8, 32).add(459.69),
     .exact = offsetSize(f, -(459.67_x + 32) * f, "(°R - 459.67 - 32) * 5/9 °C")},
};
// clang-format on
static_assert(wellFormedTable(kBoxes, kRows));

}  // namespace

const ConverterDef kTemperatureDef = {
    .identity = {.cliName = "temperature",
                 .className = "TempObject",
                 .openAction = "OpenTempWindow:",
                 .menuTitle = AMBREL_TEXT("&Temperature"),
                 .menuPosition = 4,
                 .broadcastRank = 0},
    .windowOutlet = "TempWindow",
    .title = AMBREL_TEXT("Temperature"),
    .notebookAction = "ShowNoteBook:",
    .notebook = "Temperature",
    .boxes = kBoxes,
    .rows = kRows,
    .openBox = 0,
    .openTag = 0,
};

Field* TempObject::fahrenheitCell()
{
    return boxAt(0).cellAtIndex(kFahrenheitRow);
}

void TempObject::convert(int boxNumber)
{
    const int edited = editedRow(boxNumber);
    if (edited == kFahrenheitRow) {
        if (Field* cell = fahrenheitCell())
            write(kCelsiusRow, def().rows[kFahrenheitRow].into.apply(cell->doubleValue()));
    } else if (edited >= 0 && !isBaseRow(edited)) {
        writeBaseFrom(edited);
    }
    // The edited field keeps what was typed: written back from the base it
    // would only show the rounding of the way there and back.
    if (Field* cell = fahrenheitCell(); cell && edited != kFahrenheitRow)
        cell->setDoubleValue(def().rows[kFahrenheitRow].out.apply(read(kCelsiusRow)));
    writeRange(kFahrenheitRow + 1, rowCount(), edited);
}

std::string TempObject::entryRefusal(int fieldIndex, const ExactValue& value)
{
    struct Floor {
        std::uint64_t hundredths;  // below zero
        const char* text;
    };
    // Per cell in table order: the classic tables' absolute zero, then the exact one.
    // clang-format off
    static constexpr Floor kFloors[][2] = {
        {{27300, "−273 °C"}, {27315, "−273.15 °C"}},
        {{45940, "−459.4 °F"}, {45967, "−459.67 °F"}},
        {{0, "0 K"}, {0, "0 K"}},
        {{0, "0 °R"}, {0, "0 °R"}},
    };
    // clang-format on
    if (fieldIndex < 0 || fieldIndex >= static_cast<int>(std::size(kFloors)))
        return {};
    const Floor& floor = kFloors[fieldIndex][exactDefinitions() ? 1 : 0];
    const ExactValue above = value - ExactValue::ofDecimal(true, floor.hundredths, -2);
    if (above.isZero() || !above.isNegative())
        return {};
    return std::string("below absolute zero, which is ") + floor.text +
        (exactDefinitions() ? "" : " in the classic tables");
}

void TempObject::showNotebook()
{
    ConverterWindow::showNotebook();
    platform().beep();
}

}  // namespace ambrel
