// SPDX-License-Identifier: GPL-3.0-or-later
#include "converters/pressure.h"

#include "converters/sources.h"
#include "framework/translatable.h"

namespace ambrel {

using table::b;
using table::v;

namespace {

// clang-format off
constexpr BoxDef kBoxes[] = {
    {"MetricBox", AMBREL_TEXT("Metric"), "MetricCalc:", "KilopascalField"},
    {"MercuryBox", AMBREL_TEXT("Mercury column"), "MercuryCalc:", "KilopascalField"},
    {"OtherBox", AMBREL_TEXT("Other"), "OtherCalc:", "KilopascalField"},
};
// clang-format on

// Exact sizes in kilopascals. Columns of mercury and water are the
// conventional ones: 13595.1 kg/m³ and 1000 kg/m³ under standard gravity.
constexpr ExactNumber g = 9.80665_x;
constexpr ExactNumber mmHg = 13595.1_x * g / 1000 / 1000;
constexpr ExactNumber in = 0.0254_x;
constexpr ExactNumber lbf = 0.45359237_x * g / 1000;  // in kilonewtons

// Shared words: mb names nothing; the millibar is mbar, the megabit Mb and
// the megabyte MB. The hectopascal, the same size as the millibar, has a
// cell of its own, as weather maps use it.
//
// The rows after the bar and after the torr have no classic factors: they
// convert by their sizes under either table set.
//
// Each unit is its value in kilopascals, multiplied in and divided out; the
// millibar comes out through ÷ 0.1 and the megapascal goes in by way of the
// pascal. A newton per square meter is a pascal. The millimeter of mercury
// and the torr share one constant.
// clang-format off
constexpr UnitRow kRows[] = {
    {.box = 0, .outlet = "PascalField", .unit = "pascal", .symbols = "Pa",
     .into = v.div(1000), .out = b.mul(1000), .exact = AMBREL_SIZE(1_x / 1000)},
    {.box = 0, .outlet = "KilopascalField", .unit = "kilopascal", .symbols = "kPa",
     .exact = AMBREL_SIZE(1_x)},
    {.box = 0, .outlet = "MegapascalField", .unit = "megapascal", .symbols = "MPa",
     .into = v.mul(1000000).div(1000), .out = b.div(1000), .exact = AMBREL_SIZE(1000_x)},
    {.box = 0, .outlet = "MillibarField", .unit = "millibar", .symbols = "mbar",
     .into = v.mul(0.1), .out = b.div(0.1), .exact = AMBREL_SIZE(0.1_x)},
    {.box = 0, .outlet = "BarField", .unit = "bar",
     .into = v.mul(100), .out = b.div(100), .exact = AMBREL_SIZE(100_x)},
    {.box = 0, .outlet = "HectopascalField", .unit = "hectopascal", .symbols = "hPa",
     .exact = AMBREL_SIZE(1_x / 10), .source = kSiBrochure},
    {.box = 0, .outlet = "GigapascalField", .unit = "gigapascal", .symbols = "GPa",
     .exact = AMBREL_SIZE(1000000_x), .source = kSiBrochure},
    {.box = 0, .outlet = "KilobarField", .unit = "kilobar", .symbols = "kbar",
     .exact = AMBREL_SIZE(100000_x), .source = kNistSp811},
    {.box = 1, .outlet = "MiliMerc", .unit = "millimeter of mercury", .symbols = "mmHg",
     .into = v.mul(0.1333224), .out = b.div(0.1333224), .exact = AMBREL_SIZE(mmHg),
     .exactUnit = "millimeter of mercury (conventional)"},
    {.box = 1, .outlet = "CentiMerc", .unit = "centimeter of mercury", .symbols = "cmHg",
     .into = v.mul(1.333224), .out = b.div(1.333224), .exact = AMBREL_SIZE(10 * mmHg),
     .exactUnit = "centimeter of mercury (conventional)"},
    {.box = 1, .outlet = "InchMerc", .unit = "inch of mercury", .symbols = "inHg",
     .into = v.mul(3.38638), .out = b.div(3.38638), .exact = AMBREL_SIZE(13595.1_x * g * in / 1000),
     .exactUnit = "inch of mercury (conventional)"},
    {.box = 2, .outlet = "NewtonSQmeter", .unit = "newton per square meter", .symbols = "N/m2|N/m²",
     .into = v.div(1000), .out = b.mul(1000), .exact = AMBREL_SIZE(1_x / 1000)},
    {.box = 2, .outlet = "Atmosphere", .unit = "atmosphere", .aliases = "atm",
     .into = v.mul(101.325027), .out = b.div(101.325027), .exact = AMBREL_SIZE(101.325_x)},
    {.box = 2, .outlet = "PoundSQinch", .unit = "pound per square inch", .aliases = "psi",
     .into = v.mul(6.8947448), .out = b.div(6.8947448), .exact = AMBREL_SIZE(lbf / (in * in))},
    {.box = 2, .outlet = "PoundSQfoot", .unit = "pound per square foot", .aliases = "psf",
     .into = v.mul(0.0478813), .out = b.div(0.0478813),
     .exact = AMBREL_SIZE(lbf / (12 * in * 12 * in))},
    {.box = 2, .outlet = "InchWater", .unit = "inch of water", .symbols = "inH2O",
     .into = v.mul(0.24884), .out = b.div(0.24884), .exact = AMBREL_SIZE(1000 * g * in / 1000),
     .exactUnit = "inch of water (conventional)"},
    {.box = 2, .outlet = "FootWater", .unit = "foot of water", .symbols = "ftH2O",
     .into = v.mul(2.98898), .out = b.div(2.98898), .exact = AMBREL_SIZE(1000 * g * 12 * in / 1000),
     .exactUnit = "foot of water (conventional)"},
    {.box = 2, .outlet = "Torr", .unit = "torr",
     .into = v.mul(0.1333224), .out = b.div(0.1333224), .exact = AMBREL_SIZE(101.325_x / 760)},
    {.box = 2, .outlet = "TechnicalAtmosphere", .unit = "technical atmosphere",
     .symbols = "at|kgf/cm2|kgf/cm²", .aliases = "kilogram-force per square centimeter",
     .exact = AMBREL_SIZE(g * 10000 / 1000), .source = kNistSp811},
    {.box = 2, .outlet = "MilliWater", .unit = "millimeter of water", .symbols = "mmH2O|mmH₂O|mmAq",
     .exact = AMBREL_SIZE(1000 * g / 1000 / 1000), .exactUnit = "millimeter of water (conventional)",
     .source = kNistSp811},
    {.box = 2, .outlet = "KipSQinch", .unit = "kip per square inch", .symbols = "ksi",
     .exact = AMBREL_SIZE(1000 * lbf / (in * in)), .source = kNistSp811},
    {.box = 2, .outlet = "Millitorr", .unit = "millitorr", .symbols = "mTorr|mtorr",
     .exact = AMBREL_SIZE(101.325_x / 760 / 1000), .source = kNistSp811},
    {.box = 2, .outlet = "CentiWater", .unit = "centimeter of water", .symbols = "cmH2O|cmH₂O",
     .exact = AMBREL_SIZE(1000 * g / 100 / 1000), .exactUnit = "centimeter of water (conventional)",
     .source = kNistSp811},
    {.box = 2, .outlet = "DyneSQcentimeter", .unit = "dyne per square centimeter", .symbols = "dyn/cm2|dyn/cm²",
     .aliases = "barye", .exact = AMBREL_SIZE(1_x / 10000), .source = kNistSp811},
};
// clang-format on
static_assert(wellFormedTable(kBoxes, kRows));

}  // namespace

const ConverterDef kPressureDef = {
    .identity = {.cliName = "pressure",
                 .className = "PressureObject",
                 .openAction = "OpenPressureWindow:",
                 .menuTitle = AMBREL_TEXT("&Pressure"),
                 .menuGroup = MenuGroup::Science,
                 .menuPosition = 7,
                 .broadcastRank = 7},
    .windowOutlet = "PressureWindow",
    .title = AMBREL_TEXT("Pressure"),
    .notebookAction = "ShowNoteBook:",
    .notebook = "Pressure",
    .boxes = kBoxes,
    .rows = kRows,
    .openBox = 0,
    .openTag = 1,
};

}  // namespace ambrel
