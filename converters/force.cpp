// SPDX-License-Identifier: GPL-3.0-or-later
#include "converters/force.h"

#include "converters/sources.h"
#include "framework/translatable.h"

namespace ambrel {

namespace {

// clang-format off
constexpr BoxDef kBoxes[] = {
    {"MetricBox", AMBREL_TEXT("Metric"), "MetricCalc:", "NewtonField"},
    {"ImperialBox", AMBREL_TEXT("Imperial and US"), "ImperialCalc:", "NewtonField"},
};
// clang-format on

// Exact sizes in newtons: the forces of gravity use standard gravity,
// 9.80665 m/s², and the pound of 1959.
constexpr ExactNumber g = 9.80665_x;
constexpr ExactNumber lb = 0.45359237_x;
constexpr ExactNumber ft = 0.3048_x;
constexpr ExactNumber lbf = lb * g;

// Shared words: N and dyn also name the weight window's newton and dyne
// (as masses); the unit a conversion goes into decides which is meant.

// clang-format off
constexpr UnitRow kRows[] = {
    {.box = 0, .outlet = "NewtonField", .unit = "newton", .symbols = "N",
     .exact = AMBREL_SIZE(1_x), .source = kSiBrochure},
    {.box = 0, .outlet = "KilonewtonField", .unit = "kilonewton", .symbols = "kN", .aliases = "sthène|sthene",
     .exact = AMBREL_SIZE(1000_x), .source = kSiBrochure},
    {.box = 0, .outlet = "MeganewtonField", .unit = "meganewton", .symbols = "MN",
     .exact = AMBREL_SIZE(1000000_x), .source = kSiBrochure},
    {.box = 0, .outlet = "DyneField", .unit = "dyne", .symbols = "dyn",
     .exact = AMBREL_SIZE(1_x / 100000), .source = kNistSp811},
    {.box = 0, .outlet = "GramForceField", .unit = "gram-force", .symbols = "gf", .aliases = "pond",
     .exact = AMBREL_SIZE(g / 1000), .source = kNistSp811},
    {.box = 0, .outlet = "KilogramForceField", .unit = "kilogram-force", .symbols = "kgf|kp", .aliases = "kilopond",
     .exact = AMBREL_SIZE(g), .source = kNistSp811},
    {.box = 0, .outlet = "TonneForceField", .unit = "tonne-force", .symbols = "tf", .aliases = "metric ton-force",
     .exact = AMBREL_SIZE(1000 * g), .source = kNistSp811},
    {.box = 0, .outlet = "MillinewtonField", .unit = "millinewton", .symbols = "mN",
     .exact = AMBREL_SIZE(1_x / 1000), .source = kSiBrochure},
    {.box = 0, .outlet = "MicronewtonField", .unit = "micronewton", .symbols = "µN|μN|uN",
     .exact = AMBREL_SIZE(1_x / 1000000), .source = kSiBrochure},
    {.box = 1, .outlet = "PoundForceField", .unit = "pound-force", .symbols = "lbf",
     .exact = AMBREL_SIZE(lbf), .source = kNistSp811},
    {.box = 1, .outlet = "OunceForceField", .unit = "ounce-force", .symbols = "ozf",
     .exact = AMBREL_SIZE(lbf / 16), .source = kNistSp811},
    {.box = 1, .outlet = "KipField", .unit = "kip", .symbols = "klbf|kipf", .aliases = "kilopound-force",
     .exact = AMBREL_SIZE(1000 * lbf), .source = kNistSp811},
    {.box = 1, .outlet = "ShortTonForceField", .unit = "ton-force (short)", .symbols = "tonf", .aliases = "short ton-force|ton-force",
     .exact = AMBREL_SIZE(2000 * lbf), .source = kNistSp811},
    {.box = 1, .outlet = "PoundalField", .unit = "poundal", .symbols = "pdl",
     .exact = AMBREL_SIZE(lb * ft), .source = kNistSp811},
};
// clang-format on
static_assert(wellFormedTable(kBoxes, kRows));
static_assert(!hasClassicFactors(kRows));

}  // namespace

const ConverterDef kForceDef = {
    .identity = {.cliName = "force",
                 .className = "ForceObject",
                 .openAction = "OpenForceWindow:",
                 .menuTitle = AMBREL_TEXT("Fo&rce"),
                 .menuGroup = MenuGroup::Science,
                 .menuPosition = 13,
                 .broadcastRank = 13},
    .windowOutlet = "ForceWindow",
    .title = AMBREL_TEXT("Force"),
    .notebookAction = "ShowNotebook:",
    .notebook = "Force",
    .boxes = kBoxes,
    .rows = kRows,
    .openBox = 0,
    .openTag = 0,
};

}  // namespace ambrel
