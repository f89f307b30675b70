// SPDX-License-Identifier: GPL-3.0-or-later
#include "converters/viscosity.h"

#include "converters/sources.h"
#include "framework/translatable.h"

namespace ambrel {

namespace {

// clang-format off
constexpr BoxDef kBoxes[] = {
    {"DynamicBox", AMBREL_TEXT("Dynamic viscosity"), "DynamicCalc:", "PascalSecondField"},
    {"KinematicBox", AMBREL_TEXT("Kinematic viscosity"), "KinematicCalc:", "SqMeterPerSecondField"},
};
// clang-format on

// Exact sizes in pascal seconds and square meters per second: the poise is
// 0.1 Pa·s and the stokes 1 cm²/s; the pound-force of 1959 at standard
// gravity, and the foot and inch of 1959.
constexpr ExactNumber ft = 0.3048_x;
constexpr ExactNumber in = 0.0254_x;
constexpr ExactNumber lb = 0.45359237_x;
constexpr ExactNumber lbf = lb * 9.80665_x;

// Shared words: P is the poise, as a prefix never stands alone; products are
// read with a space, "*" or "-" for the dot ("Pa s").

// clang-format off
constexpr UnitRow kRows[] = {
    {.box = 0, .outlet = "PascalSecondField", .unit = "pascal second", .symbols = "Pa·s|N·s/m²|N·s/m2", .aliases = "poiseuille",
     .exact = AMBREL_SIZE(1_x), .source = kSiBrochure},
    {.box = 0, .outlet = "MillipascalSecondField", .unit = "millipascal second", .symbols = "mPa·s",
     .exact = AMBREL_SIZE(1_x / 1000), .source = kSiBrochure},
    {.box = 0, .outlet = "PoiseField", .unit = "poise", .symbols = "P",
     .exact = AMBREL_SIZE(1_x / 10), .source = kNistSp811},
    {.box = 0, .outlet = "CentipoiseField", .unit = "centipoise", .symbols = "cP",
     .exact = AMBREL_SIZE(1_x / 1000), .source = kNistSp811},
    {.box = 0, .outlet = "PoundForceSecondPerSqFootField", .unit = "pound-force second per square foot", .symbols = "lbf·s/ft²|lbf·s/ft2",
     .exact = AMBREL_SIZE(lbf / (ft * ft)), .source = kNistSp811},
    {.box = 0, .outlet = "ReynField", .unit = "reyn", .symbols = "lbf·s/in²|lbf·s/in2", .aliases = "pound-force second per square inch",
     .exact = AMBREL_SIZE(lbf / (in * in)), .source = kNistSp811},
    {.box = 0, .outlet = "PoundPerFootSecondField", .unit = "pound per foot second", .symbols = "lb/ft·s|lb/ft/s",
     .exact = AMBREL_SIZE(lb / ft), .source = kNistSp811},
    {.box = 0, .outlet = "MicropascalSecondField", .unit = "micropascal second", .symbols = "µPa·s|μPa·s|uPa·s",
     .exact = AMBREL_SIZE(1_x / 1000000), .source = kSiBrochure},
    {.box = 0, .outlet = "PoundPerFootHourField", .unit = "pound per foot hour", .symbols = "lb/ft·h|lb/ft/h",
     .exact = AMBREL_SIZE(lb / ft / 3600), .source = kNistSp811},
    {.box = 1, .outlet = "SqMeterPerSecondField", .unit = "square meter per second", .symbols = "m²/s|m2/s",
     .exact = AMBREL_SIZE(1_x), .source = kSiBrochure},
    {.box = 1, .outlet = "SqMillimeterPerSecondField", .unit = "square millimeter per second", .symbols = "mm²/s|mm2/s",
     .exact = AMBREL_SIZE(1_x / 1000000), .source = kSiBrochure},
    {.box = 1, .outlet = "StokesField", .unit = "stokes", .symbols = "St|cm²/s|cm2/s", .aliases = "stoke",
     .exact = AMBREL_SIZE(1_x / 10000), .source = kNistSp811},
    {.box = 1, .outlet = "CentistokesField", .unit = "centistokes", .symbols = "cSt", .aliases = "centistoke",
     .exact = AMBREL_SIZE(1_x / 1000000), .source = kNistSp811},
    {.box = 1, .outlet = "SqFootPerSecondField", .unit = "square foot per second", .symbols = "ft²/s|ft2/s",
     .exact = AMBREL_SIZE(ft * ft), .source = kNistSp811},
    {.box = 1, .outlet = "SqInchPerSecondField", .unit = "square inch per second", .symbols = "in²/s|in2/s",
     .exact = AMBREL_SIZE(in * in), .source = kNistSp811},
};
// clang-format on
static_assert(wellFormedTable(kBoxes, kRows));
static_assert(!hasClassicFactors(kRows));

}  // namespace

const ConverterDef kViscosityDef = {
    .identity = {.cliName = "viscosity",
                 .className = "ViscosityObject",
                 .openAction = "OpenViscosityWindow:",
                 // Every letter of the name is another button's: a digit.
                 .menuTitle = AMBREL_TEXT("Viscosity (&3)"),
                 .menuGroup = MenuGroup::Science,
                 .menuPosition = 21,
                 .broadcastRank = 21},
    .windowOutlet = "ViscosityWindow",
    .title = AMBREL_TEXT("Viscosity"),
    .notebookAction = "ShowNotebook:",
    .notebook = "Viscosity",
    .boxes = kBoxes,
    .rows = kRows,
    .openBox = 0,
    .openTag = 0,
};

}  // namespace ambrel
