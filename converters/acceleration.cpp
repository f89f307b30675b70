// SPDX-License-Identifier: GPL-3.0-or-later
#include "converters/acceleration.h"

#include "converters/sources.h"
#include "framework/translatable.h"

namespace ambrel {

namespace {

// clang-format off
constexpr BoxDef kBoxes[] = {
    {"MetricBox", AMBREL_TEXT("Metric"), "MetricCalc:", "MeterPerSecondSqField"},
    {"ImperialBox", AMBREL_TEXT("Imperial and US"), "ImperialCalc:", "MeterPerSecondSqField"},
};
// clang-format on

// Exact sizes in meters per second squared. Standard gravity is the
// conventional 9.80665 m/s²; a mile per hour is 0.44704 m/s exactly.

// Shared words: Gal is written with a capital; gal in lower case is the gallon.

// clang-format off
constexpr UnitRow kRows[] = {
    {.box = 0, .outlet = "MeterPerSecondSqField", .unit = "meter per second squared", .symbols = "m/s²|m/s2|m·s⁻²|m/s/s",
     .exact = AMBREL_SIZE(1_x), .source = kSiBrochure},
    {.box = 0, .outlet = "GalField", .unit = "gal", .symbols = "Gal|cm/s²|cm/s2", .aliases = "galileo|centimeter per second squared",
     .exact = AMBREL_SIZE(1_x / 100), .source = kNistSp811},
    {.box = 0, .outlet = "MilligalField", .unit = "milligal", .symbols = "mGal",
     .exact = AMBREL_SIZE(1_x / 100000), .source = kNistSp811},
    {.box = 0, .outlet = "KmhPerSecondField", .unit = "kilometer per hour per second", .symbols = "km/h/s|kph/s",
     .exact = AMBREL_SIZE(1_x / 3.6_x), .source = kSiBrochure},
    {.box = 0, .outlet = "StandardGravityField", .unit = "standard gravity", .symbols = "gn|g0|gₙ|g₀", .aliases = "g|g-force|gee|standard acceleration of gravity",
     .exact = AMBREL_SIZE(9.80665_x), .source = kSiBrochure},
    {.box = 0, .outlet = "MillimeterPerSecondSqField", .unit = "millimeter per second squared",
     .symbols = "mm/s²|mm/s2", .exact = AMBREL_SIZE(1_x / 1000), .source = kSiBrochure},
    {.box = 0, .outlet = "MicrogalField", .unit = "microgal", .symbols = "µGal|μGal|uGal",
     .exact = AMBREL_SIZE(1_x / 100000000), .source = kNistSp811},
    {.box = 1, .outlet = "FootPerSecondSqField", .unit = "foot per second squared", .symbols = "ft/s²|ft/s2|ft/s/s",
     .exact = AMBREL_SIZE(0.3048_x), .source = kNistSp811},
    {.box = 1, .outlet = "InchPerSecondSqField", .unit = "inch per second squared", .symbols = "in/s²|in/s2",
     .exact = AMBREL_SIZE(0.0254_x), .source = kNistSp811},
    {.box = 1, .outlet = "MphPerSecondField", .unit = "mile per hour per second", .symbols = "mph/s|mi/h/s",
     .exact = AMBREL_SIZE(0.44704_x), .source = kNistSp811},
    {.box = 1, .outlet = "KnotPerSecondField", .unit = "knot per second", .symbols = "kn/s",
     .exact = AMBREL_SIZE(1852_x / 3600), .source = kNistSp811},
};
// clang-format on
static_assert(wellFormedTable(kBoxes, kRows));
static_assert(!hasClassicFactors(kRows));

}  // namespace

const ConverterDef kAccelerationDef = {
    .identity = {.cliName = "acceleration",
                 .className = "AccelerationObject",
                 .openAction = "OpenAccelerationWindow:",
                 .menuTitle = AMBREL_TEXT("Acceleratio&n"),
                 .menuGroup = MenuGroup::Science,
                 .menuPosition = 15,
                 .broadcastRank = 15},
    .windowOutlet = "AccelerationWindow",
    .title = AMBREL_TEXT("Acceleration"),
    .notebookAction = "ShowNotebook:",
    .notebook = "Acceleration",
    .boxes = kBoxes,
    .rows = kRows,
    .openBox = 0,
    .openTag = 0,
};

}  // namespace ambrel
