// SPDX-License-Identifier: GPL-3.0-or-later
#include "converters/density.h"

#include "converters/sources.h"
#include "framework/translatable.h"

namespace ambrel {

namespace {

// clang-format off
constexpr BoxDef kBoxes[] = {
    {"MetricBox", AMBREL_TEXT("Metric"), "MetricCalc:", "KgPerCubicMeterField"},
    {"ImperialBox", AMBREL_TEXT("Imperial and US"), "ImperialCalc:", "KgPerCubicMeterField"},
};
// clang-format on

// Exact sizes in kilograms per cubic meter, from the pound, foot and inch of
// 1959, the US gallon of 231 cubic inches and the imperial gallon of
// 4.54609 liters.
constexpr ExactNumber lb = 0.45359237_x;
constexpr ExactNumber ft = 0.3048_x;
constexpr ExactNumber in = 0.0254_x;
constexpr ExactNumber usGallon = 231 * in * in * in;
constexpr ExactNumber impGallon = 0.00454609_x;

// Shared words: lb/gal is the US gallon's; the imperial one says so.
// Concentrations of a dissolved mass are densities too: a milligram per
// milliliter is a gram per liter and a microgram per liter a milligram per
// cubic meter, so those spellings name one row.

// clang-format off
constexpr UnitRow kRows[] = {
    {.box = 0, .outlet = "KgPerCubicMeterField", .unit = "kilogram per cubic meter", .symbols = "kg/m³|kg/m3",
     .exact = AMBREL_SIZE(1_x), .source = kSiBrochure},
    {.box = 0, .outlet = "GramPerCubicCmField", .unit = "gram per cubic centimeter", .symbols = "g/cm³|g/cm3|g/cc",
     .exact = AMBREL_SIZE(1000_x), .source = kSiBrochure},
    {.box = 0, .outlet = "GramPerMilliliterField", .unit = "gram per milliliter", .symbols = "g/mL|g/ml",
     .exact = AMBREL_SIZE(1000_x), .source = kSiBrochure},
    {.box = 0, .outlet = "KgPerLiterField", .unit = "kilogram per liter", .symbols = "kg/L|kg/l",
     .exact = AMBREL_SIZE(1000_x), .source = kSiBrochure},
    {.box = 0, .outlet = "TonnePerCubicMeterField", .unit = "tonne per cubic meter", .symbols = "t/m³|t/m3", .aliases = "metric ton per cubic meter",
     .exact = AMBREL_SIZE(1000_x), .source = kSiBrochure},
    {.box = 0, .outlet = "GramPerLiterField", .unit = "gram per liter", .symbols = "g/L|g/l|mg/mL|mg/ml",
     .aliases = "milligram per milliliter", .exact = AMBREL_SIZE(1_x), .source = kSiBrochure},
    {.box = 0, .outlet = "MgPerLiterField", .unit = "milligram per liter",
     .symbols = "mg/L|mg/l|µg/mL|μg/mL|ug/mL|µg/ml|μg/ml|ug/ml|g/m³|g/m3",
     .aliases = "microgram per milliliter|gram per cubic meter", .exact = AMBREL_SIZE(1_x / 1000), .source = kSiBrochure},
    {.box = 0, .outlet = "MicrogramPerLiterField", .unit = "microgram per liter",
     .symbols = "µg/L|μg/L|ug/L|µg/l|μg/l|ug/l|ng/mL|ng/ml|mg/m³|mg/m3",
     .aliases = "nanogram per milliliter|milligram per cubic meter", .exact = AMBREL_SIZE(1_x / 1000000),
     .source = kSiBrochure},
    {.box = 0, .outlet = "MgPerDeciliterField", .unit = "milligram per deciliter", .symbols = "mg/dL|mg/dl",
     .exact = AMBREL_SIZE(1_x / 100), .source = kSiBrochure},
    {.box = 0, .outlet = "GramPerDeciliterField", .unit = "gram per deciliter", .symbols = "g/dL|g/dl",
     .exact = AMBREL_SIZE(10_x), .source = kSiBrochure},
    {.box = 0, .outlet = "MicrogramPerCubicMeterField", .unit = "microgram per cubic meter",
     .symbols = "µg/m³|μg/m³|ug/m³|µg/m3|μg/m3|ug/m3", .exact = AMBREL_SIZE(1_x / 1000000000), .source = kSiBrochure},
    {.box = 1, .outlet = "PoundPerCubicFootField", .unit = "pound per cubic foot", .symbols = "lb/ft³|lb/ft3|pcf",
     .exact = AMBREL_SIZE(lb / (ft * ft * ft)), .source = kNistHb44},
    {.box = 1, .outlet = "PoundPerCubicInchField", .unit = "pound per cubic inch", .symbols = "lb/in³|lb/in3",
     .exact = AMBREL_SIZE(lb / (in * in * in)), .source = kNistHb44},
    {.box = 1, .outlet = "OuncePerCubicInchField", .unit = "ounce per cubic inch", .symbols = "oz/in³|oz/in3",
     .exact = AMBREL_SIZE(lb / 16 / (in * in * in)), .source = kNistHb44},
    {.box = 1, .outlet = "PoundPerUsGallonField", .unit = "pound per US gallon", .symbols = "lb/gal|lb/US gal", .aliases = "pound per gallon",
     .exact = AMBREL_SIZE(lb / usGallon), .source = kNistHb44},
    {.box = 1, .outlet = "PoundPerImpGallonField", .unit = "pound per imperial gallon", .symbols = "lb/imp gal|lb/gal imp", .aliases = "pound per UK gallon",
     .exact = AMBREL_SIZE(lb / impGallon), .source = kNistHb44},
    {.box = 1, .outlet = "SlugPerCubicFootField", .unit = "slug per cubic foot", .symbols = "slug/ft³|slug/ft3",
     .exact = AMBREL_SIZE(lb * 9.80665_x / ft / (ft * ft * ft)), .source = kNistSp811},
};
// clang-format on
static_assert(wellFormedTable(kBoxes, kRows));
static_assert(!hasClassicFactors(kRows));

}  // namespace

const ConverterDef kDensityDef = {
    .identity = {.cliName = "density",
                 .className = "DensityObject",
                 .openAction = "OpenDensityWindow:",
                 .menuTitle = AMBREL_TEXT("Den&sity"),
                 .menuGroup = MenuGroup::Science,
                 .menuPosition = 16,
                 .broadcastRank = 16},
    .windowOutlet = "DensityWindow",
    .title = AMBREL_TEXT("Density"),
    .notebookAction = "ShowNotebook:",
    .notebook = "Density",
    .boxes = kBoxes,
    .rows = kRows,
    .openBox = 0,
    .openTag = 0,
};

}  // namespace ambrel
