// SPDX-License-Identifier: GPL-3.0-or-later
#include "converters/flow.h"

#include "converters/sources.h"
#include "framework/translatable.h"

namespace ambrel {

namespace {

// clang-format off
constexpr BoxDef kBoxes[] = {
    {"VolumeFlowBox", AMBREL_TEXT("Volume per time"), "VolumeFlowCalc:", "CubicMeterPerSecondField"},
    {"MassFlowBox", AMBREL_TEXT("Mass per time"), "MassFlowCalc:", "KgPerSecondField"},
};
// clang-format on

// Exact sizes in cubic meters and kilograms per second, from the foot and
// pound of 1959, the US gallon of 231 cubic inches, the imperial gallon of
// 4.54609 liters, the oil barrel of 42 US gallons and the acre-foot of
// 43560 square feet by a foot (international feet: the survey foot's
// acre-foot is 2 ppm larger).
constexpr ExactNumber ft = 0.3048_x;
constexpr ExactNumber in = 0.0254_x;
constexpr ExactNumber ft3 = ft * ft * ft;
constexpr ExactNumber usGallon = 231 * in * in * in;
constexpr ExactNumber impGallon = 0.00454609_x;
constexpr ExactNumber lb = 0.45359237_x;
constexpr ExactNumber liter = 0.001_x;

// Shared words: gal is the US gallon, as in the volumes; the imperial one
// says so (imp gal/min).

// clang-format off
constexpr UnitRow kRows[] = {
    {.box = 0, .outlet = "CubicMeterPerSecondField", .unit = "cubic meter per second", .symbols = "m³/s|m3/s", .aliases = "cumec",
     .exact = AMBREL_SIZE(1_x), .source = kSiBrochure},
    {.box = 0, .outlet = "CubicMeterPerHourField", .unit = "cubic meter per hour", .symbols = "m³/h|m3/h",
     .exact = AMBREL_SIZE(1_x / 3600), .source = kSiBrochure},
    {.box = 0, .outlet = "CubicMeterPerDayField", .unit = "cubic meter per day", .symbols = "m³/d|m3/d|m³/day|m3/day",
     .exact = AMBREL_SIZE(1_x / 86400), .source = kSiBrochure},
    {.box = 0, .outlet = "LiterPerSecondField", .unit = "liter per second", .symbols = "L/s|l/s",
     .exact = AMBREL_SIZE(liter), .source = kSiBrochure},
    {.box = 0, .outlet = "LiterPerMinuteField", .unit = "liter per minute", .symbols = "L/min|l/min|LPM|lpm",
     .exact = AMBREL_SIZE(liter / 60), .source = kSiBrochure},
    {.box = 0, .outlet = "LiterPerHourField", .unit = "liter per hour", .symbols = "L/h|l/h",
     .exact = AMBREL_SIZE(liter / 3600), .source = kSiBrochure},
    {.box = 0, .outlet = "MilliliterPerMinuteField", .unit = "milliliter per minute", .symbols = "mL/min|ml/min",
     .exact = AMBREL_SIZE(liter / 1000 / 60), .source = kSiBrochure},
    {.box = 0, .outlet = "CubicFootPerSecondField", .unit = "cubic foot per second", .symbols = "ft³/s|ft3/s|cfs", .aliases = "cusec",
     .exact = AMBREL_SIZE(ft3), .source = kNistSp811},
    {.box = 0, .outlet = "CubicFootPerMinuteField", .unit = "cubic foot per minute", .symbols = "ft³/min|ft3/min|cfm|CFM",
     .exact = AMBREL_SIZE(ft3 / 60), .source = kNistSp811},
    {.box = 0, .outlet = "UsGallonPerMinuteField", .unit = "US gallon per minute", .symbols = "gal/min|US gal/min|gpm|GPM", .aliases = "gallon per minute",
     .exact = AMBREL_SIZE(usGallon / 60), .source = kNistSp811},
    {.box = 0, .outlet = "UsGallonPerHourField", .unit = "US gallon per hour", .symbols = "gal/h|US gal/h|gph|GPH", .aliases = "gallon per hour",
     .exact = AMBREL_SIZE(usGallon / 3600), .source = kNistSp811},
    {.box = 0, .outlet = "ImpGallonPerMinuteField", .unit = "imperial gallon per minute", .symbols = "imp gal/min|impgal/min|gal/min imp", .aliases = "imp gallon per minute",
     .exact = AMBREL_SIZE(impGallon / 60), .source = kNistSp811},
    {.box = 0, .outlet = "ImpGallonPerHourField", .unit = "imperial gallon per hour", .symbols = "imp gal/h|impgal/h|gal/h imp", .aliases = "imp gallon per hour",
     .exact = AMBREL_SIZE(impGallon / 3600), .source = kNistSp811},
    {.box = 0, .outlet = "BarrelPerDayField", .unit = "barrel per day", .symbols = "bbl/d|bbl/day|BPD|bpd", .aliases = "oil barrel per day|barrel of oil per day",
     .exact = AMBREL_SIZE(42 * usGallon / 86400), .source = kNistSp811},
    {.box = 0, .outlet = "AcreFootPerDayField", .unit = "acre-foot per day", .symbols = "ac-ft/d|ac-ft/day|acre-ft/d|acre-ft/day", .aliases = "acre foot per day",
     .exact = AMBREL_SIZE(43560 * ft3 / 86400), .source = kNistSp811},
    {.box = 0, .outlet = "CubicMeterPerMinuteField", .unit = "cubic meter per minute", .symbols = "m³/min|m3/min",
     .exact = AMBREL_SIZE(1_x / 60), .source = kSiBrochure},
    {.box = 0, .outlet = "CubicCentimeterPerSecondField", .unit = "cubic centimeter per second",
     .symbols = "cm³/s|cm3/s|cc/s|mL/s|ml/s", .aliases = "milliliter per second",
     .exact = AMBREL_SIZE(liter / 1000), .source = kSiBrochure},
    {.box = 0, .outlet = "MilliliterPerHourField", .unit = "milliliter per hour", .symbols = "mL/h|ml/h",
     .exact = AMBREL_SIZE(liter / 1000 / 3600), .source = kSiBrochure},
    {.box = 0, .outlet = "LiterPerDayField", .unit = "liter per day", .symbols = "L/d|l/d|L/day|l/day",
     .exact = AMBREL_SIZE(liter / 86400), .source = kSiBrochure},
    {.box = 0, .outlet = "CubicFootPerHourField", .unit = "cubic foot per hour", .symbols = "ft³/h|ft3/h|cfh|CFH",
     .exact = AMBREL_SIZE(ft3 / 3600), .source = kNistHb44},
    {.box = 0, .outlet = "UsGallonPerDayField", .unit = "US gallon per day", .symbols = "gal/d|gal/day|US gal/d|gpd|GPD",
     .aliases = "gallon per day",
     .exact = AMBREL_SIZE(usGallon / 86400), .source = kNistHb44},
    {.box = 0, .outlet = "MillionGallonsPerDayField", .unit = "million US gallons per day", .symbols = "MGD|mgd",
     .aliases = "million gallons per day",
     .exact = AMBREL_SIZE(1000000 * usGallon / 86400), .source = kNistHb44},
    {.box = 1, .outlet = "KgPerSecondField", .unit = "kilogram per second", .symbols = "kg/s",
     .exact = AMBREL_SIZE(1_x), .source = kSiBrochure},
    {.box = 1, .outlet = "KgPerMinuteField", .unit = "kilogram per minute", .symbols = "kg/min",
     .exact = AMBREL_SIZE(1_x / 60), .source = kSiBrochure},
    {.box = 1, .outlet = "KgPerHourField", .unit = "kilogram per hour", .symbols = "kg/h",
     .exact = AMBREL_SIZE(1_x / 3600), .source = kSiBrochure},
    {.box = 1, .outlet = "GramPerSecondField", .unit = "gram per second", .symbols = "g/s",
     .exact = AMBREL_SIZE(1_x / 1000), .source = kSiBrochure},
    {.box = 1, .outlet = "TonnePerHourField", .unit = "tonne per hour", .symbols = "t/h", .aliases = "metric ton per hour",
     .exact = AMBREL_SIZE(1000_x / 3600), .source = kSiBrochure},
    {.box = 1, .outlet = "PoundPerSecondField", .unit = "pound per second", .symbols = "lb/s",
     .exact = AMBREL_SIZE(lb), .source = kNistSp811},
    {.box = 1, .outlet = "PoundPerMinuteField", .unit = "pound per minute", .symbols = "lb/min",
     .exact = AMBREL_SIZE(lb / 60), .source = kNistSp811},
    {.box = 1, .outlet = "PoundPerHourField", .unit = "pound per hour", .symbols = "lb/h",
     .exact = AMBREL_SIZE(lb / 3600), .source = kNistSp811},
    {.box = 1, .outlet = "GramPerMinuteField", .unit = "gram per minute", .symbols = "g/min",
     .exact = AMBREL_SIZE(1_x / 1000 / 60), .source = kSiBrochure},
    {.box = 1, .outlet = "GramPerHourField", .unit = "gram per hour", .symbols = "g/h",
     .exact = AMBREL_SIZE(1_x / 1000 / 3600), .source = kSiBrochure},
    {.box = 1, .outlet = "TonnePerDayField", .unit = "tonne per day", .symbols = "t/d|t/day",
     .aliases = "metric ton per day",
     .exact = AMBREL_SIZE(1000_x / 86400), .source = kSiBrochure},
    {.box = 1, .outlet = "ShortTonPerHourField", .unit = "short ton per hour", .symbols = "tn/h",
     .exact = AMBREL_SIZE(2000 * lb / 3600), .source = kNistHb44},
};
// clang-format on
static_assert(wellFormedTable(kBoxes, kRows));
static_assert(!hasClassicFactors(kRows));

}  // namespace

const ConverterDef kFlowDef = {
    .identity = {.cliName = "flow",
                 .className = "FlowObject",
                 .openAction = "OpenFlowWindow:",
                 // Every letter of the name is another button's: a digit.
                 .menuTitle = AMBREL_TEXT("Flow (&1)"),
                 .menuGroup = MenuGroup::Science,
                 .menuPosition = 18,
                 .broadcastRank = 18},
    .windowOutlet = "FlowWindow",
    .title = AMBREL_TEXT("Flow"),
    .notebookAction = "ShowNotebook:",
    .notebook = "Flow",
    .boxes = kBoxes,
    .rows = kRows,
    .openBox = 0,
    .openTag = 0,
};

}  // namespace ambrel
