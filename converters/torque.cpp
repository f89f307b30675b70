// SPDX-License-Identifier: GPL-3.0-or-later
#include "converters/torque.h"

#include "converters/sources.h"
#include "framework/translatable.h"

namespace ambrel {

namespace {

// clang-format off
constexpr BoxDef kBoxes[] = {
    {"MetricBox", AMBREL_TEXT("Metric"), "MetricCalc:", "NewtonMeterField"},
    {"ImperialBox", AMBREL_TEXT("Imperial and US"), "ImperialCalc:", "NewtonMeterField"},
};
// clang-format on

// Exact sizes in newton meters, from standard gravity and the pound, foot
// and inch of 1959.
constexpr ExactNumber g = 9.80665_x;
constexpr ExactNumber lbf = 0.45359237_x * g;
constexpr ExactNumber ft = 0.3048_x;
constexpr ExactNumber in = 0.0254_x;

// Shared words: the newton meter and the foot pound are also units of energy;
// the unit a conversion goes into decides which is meant. The pound-force
// foot is written force first, as on a torque wrench.

// clang-format off
constexpr UnitRow kRows[] = {
    {.box = 0, .outlet = "NewtonMeterField", .unit = "newton meter", .symbols = "N·m|Nm|N-m",
     .exact = AMBREL_SIZE(1_x), .source = kSiBrochure},
    {.box = 0, .outlet = "KilonewtonMeterField", .unit = "kilonewton meter", .symbols = "kN·m|kNm",
     .exact = AMBREL_SIZE(1000_x), .source = kSiBrochure},
    {.box = 0, .outlet = "NewtonCentimeterField", .unit = "newton centimeter", .symbols = "N·cm|Ncm",
     .exact = AMBREL_SIZE(1_x / 100), .source = kSiBrochure},
    {.box = 0, .outlet = "NewtonMillimeterField", .unit = "newton millimeter", .symbols = "N·mm|Nmm",
     .exact = AMBREL_SIZE(1_x / 1000), .source = kSiBrochure},
    {.box = 0, .outlet = "KgfMeterField", .unit = "kilogram-force meter", .symbols = "kgf·m|kp·m|kpm", .aliases = "meter kilogram|kilopond meter",
     .exact = AMBREL_SIZE(g), .source = kNistSp811},
    {.box = 0, .outlet = "KgfCentimeterField", .unit = "kilogram-force centimeter", .symbols = "kgf·cm|kp·cm|kg·cm",
     .exact = AMBREL_SIZE(g / 100), .source = kNistSp811},
    {.box = 0, .outlet = "DyneCentimeterField", .unit = "dyne centimeter", .symbols = "dyn·cm",
     .exact = AMBREL_SIZE(1_x / 10000000), .source = kNistSp811},
    {.box = 0, .outlet = "MillinewtonMeterField", .unit = "millinewton meter", .symbols = "mN·m|mNm",
     .exact = AMBREL_SIZE(1_x / 1000), .source = kSiBrochure},
    {.box = 0, .outlet = "MeganewtonMeterField", .unit = "meganewton meter", .symbols = "MN·m|MNm",
     .exact = AMBREL_SIZE(1000000_x), .source = kSiBrochure},
    {.box = 0, .outlet = "GramForceCentimeterField", .unit = "gram-force centimeter", .symbols = "gf·cm",
     .exact = AMBREL_SIZE(g / 1000 / 100), .source = kNistSp811},
    {.box = 1, .outlet = "PoundFootField", .unit = "pound-force foot", .symbols = "lbf·ft|lb·ft|ft·lb|lbf-ft|lb-ft|ft-lb", .aliases = "pound foot|foot pound",
     .exact = AMBREL_SIZE(lbf * ft), .source = kNistSp811},
    {.box = 1, .outlet = "PoundInchField", .unit = "pound-force inch", .symbols = "lbf·in|lb·in|in·lbf|in·lb|lbf-in|lb-in|in-lb", .aliases = "pound inch|inch pound",
     .exact = AMBREL_SIZE(lbf * in), .source = kNistSp811},
    {.box = 1, .outlet = "OunceInchField", .unit = "ounce-force inch", .symbols = "ozf·in|oz·in|in·oz|ozf-in|oz-in|in-oz", .aliases = "ounce inch|inch ounce",
     .exact = AMBREL_SIZE(lbf / 16 * in), .source = kNistSp811},
    {.box = 1, .outlet = "KipFootField", .unit = "kip foot", .symbols = "kip·ft|kip-ft|klbf·ft",
     .aliases = "kilopound-force foot|foot kip",
     .exact = AMBREL_SIZE(1000 * lbf * ft), .source = kNistSp811},
};
// clang-format on
static_assert(wellFormedTable(kBoxes, kRows));
static_assert(!hasClassicFactors(kRows));

}  // namespace

const ConverterDef kTorqueDef = {
    .identity = {.cliName = "torque",
                 .className = "TorqueObject",
                 .openAction = "OpenTorqueWindow:",
                 .menuTitle = AMBREL_TEXT("Tor&que"),
                 .menuGroup = MenuGroup::Science,
                 .menuPosition = 14,
                 .broadcastRank = 14},
    .windowOutlet = "TorqueWindow",
    .title = AMBREL_TEXT("Torque"),
    .notebookAction = "ShowNotebook:",
    .notebook = "Torque",
    .boxes = kBoxes,
    .rows = kRows,
    .openBox = 0,
    .openTag = 0,
};

}  // namespace ambrel
