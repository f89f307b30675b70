#include "converters/pressure.h"

namespace ambrel {

using table::b;
using table::v;

namespace {

constexpr BoxDef kBoxes[] = {
    {"MetricBox", "Metric", "MetricCalc:", "KilopascalField"},
    {"MercuryBox", "Mercury column", "MercuryCalc:", "KilopascalField"},
    {"OtherBox", "Other", "OtherCalc:", "KilopascalField"},
};

// Exact sizes in kilopascals. Columns of mercury and water are the
// conventional ones: 13595.1 kg/m³ and 1000 kg/m³ under standard gravity.
constexpr ExactNumber g = 9.80665_x;
constexpr ExactNumber mmHg = 13595.1_x * g / 1000 / 1000;
constexpr ExactNumber in = 0.0254_x;
constexpr ExactNumber lbf = 0.45359237_x * g / 1000;  // in kilonewtons

// Each unit is its value in kilopascals, multiplied in and divided out; the
// millibar comes out through ÷ 0.1 and the megapascal goes in by way of the
// pascal. A newton per square meter is a pascal. The millimeter of mercury
// and the torr share one constant.
constexpr UnitRow kRows[] = {
    {0, "PascalField", "pascal", v.div(1000), b.mul(1000), AMBREL_SIZE(1_x / 1000)},
    {0, "KilopascalField", "kilopascal", v, b, AMBREL_SIZE(1_x)},
    {0, "MegapascalField", "megapascal", v.mul(1000000).div(1000), b.div(1000), AMBREL_SIZE(1000_x)},
    {0, "MillibarField", "millibar", v.mul(0.1), b.div(0.1), AMBREL_SIZE(0.1_x)},
    {0, "BarField", "bar", v.mul(100), b.div(100), AMBREL_SIZE(100_x)},
    {1, "MiliMerc", "millimeter of mercury", v.mul(0.1333224), b.div(0.1333224), AMBREL_SIZE(mmHg), "millimeter of mercury (conventional)"},
    {1, "CentiMerc", "centimeter of mercury", v.mul(1.333224), b.div(1.333224), AMBREL_SIZE(10 * mmHg), "centimeter of mercury (conventional)"},
    {1, "InchMerc", "inch of mercury", v.mul(3.38638), b.div(3.38638), AMBREL_SIZE(13595.1_x * g * in / 1000), "inch of mercury (conventional)"},
    {2, "NewtonSQmeter", "newton per square meter", v.div(1000), b.mul(1000), AMBREL_SIZE(1_x / 1000)},
    {2, "Atmosphere", "atmosphere", v.mul(101.325027), b.div(101.325027), AMBREL_SIZE(101.325_x)},
    {2, "PoundSQinch", "pound per square inch", v.mul(6.8947448), b.div(6.8947448), AMBREL_SIZE(lbf / (in * in))},
    {2, "PoundSQfoot", "pound per square foot", v.mul(0.0478813), b.div(0.0478813), AMBREL_SIZE(lbf / (12 * in * 12 * in))},
    {2, "InchWater", "inch of water", v.mul(0.24884), b.div(0.24884), AMBREL_SIZE(1000 * g * in / 1000), "inch of water (conventional)"},
    {2, "FootWater", "foot of water", v.mul(2.98898), b.div(2.98898), AMBREL_SIZE(1000 * g * 12 * in / 1000), "foot of water (conventional)"},
    {2, "Torr", "torr", v.mul(0.1333224), b.div(0.1333224), AMBREL_SIZE(101.325_x / 760)},
};

}  // namespace

const ConverterDef kPressureDef = {
    .identity = {.cliName = "pressure",
                 .className = "PressureObject",
                 .openAction = "OpenPressureWindow:",
                 .menuTitle = "&Pressure",
                 .menuPosition = 7,
                 .broadcastRank = 7},
    .windowOutlet = "PressureWindow",
    .title = "Pressure",
    .notebookAction = "ShowNoteBook:",
    .notebook = "Pressure",
    .boxes = kBoxes,
    .rows = kRows,
    .openBox = 0,
    .openTag = 1,
};

}  // namespace ambrel
