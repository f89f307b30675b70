// SPDX-License-Identifier: GPL-3.0-or-later
#include "converters/angle.h"

#include "converters/sources.h"
#include "framework/translatable.h"

namespace ambrel {

namespace {

// clang-format off
constexpr BoxDef kBoxes[] = {
    {"CircleBox", AMBREL_TEXT("Degrees and turns"), "CircleCalc:", "DegreeField"},
    {"RadianBox", AMBREL_TEXT("Radians and mils"), "RadianCalc:", "DegreeField"},
};
// clang-format on

// Exact sizes in degrees. The radian is 180/π degrees; the NATO mil divides
// the turn into 6400.
constexpr ExactNumber pi = ExactNumber::pi();

// Shared words: "mil" is this window's NATO mil; a thousandth of an inch
// would be the length's.

// clang-format off
constexpr UnitRow kRows[] = {
    {.box = 0, .outlet = "DegreeField", .unit = "degree", .symbols = "°|deg", .aliases = "arc degree",
     .exact = AMBREL_SIZE(1_x), .source = kSiBrochure},
    {.box = 0, .outlet = "ArcminuteField", .unit = "arcminute", .symbols = "′|arcmin|amin", .aliases = "minute of arc|minute of angle|MOA",
     .exact = AMBREL_SIZE(1_x / 60), .source = kSiBrochure},
    {.box = 0, .outlet = "ArcsecondField", .unit = "arcsecond", .symbols = "″|arcsec|asec", .aliases = "second of arc",
     .exact = AMBREL_SIZE(1_x / 3600), .source = kSiBrochure},
    {.box = 0, .outlet = "RightAngleField", .unit = "right angle", .aliases = "quadrant|quarter turn",
     .exact = AMBREL_SIZE(90_x), .source = kNistSp811},
    {.box = 0, .outlet = "TurnField", .unit = "turn", .symbols = "tr", .aliases = "revolution|full circle|rotation|rev",
     .exact = AMBREL_SIZE(360_x), .source = kNistSp811},
    {.box = 0, .outlet = "GradianField", .unit = "gradian", .symbols = "gon|grad|grd", .aliases = "grade",
     .exact = AMBREL_SIZE(0.9_x), .source = kNistSp811},
    {.box = 0, .outlet = "SignField", .unit = "sign", .aliases = "zodiac sign",
     .exact = AMBREL_SIZE(30_x), .source = kCircleDivisions},
    {.box = 0, .outlet = "OctantField", .unit = "octant",
     .exact = AMBREL_SIZE(45_x), .source = kCircleDivisions},
    {.box = 0, .outlet = "SextantField", .unit = "sextant",
     .exact = AMBREL_SIZE(60_x), .source = kCircleDivisions},
    {.box = 0, .outlet = "HourAngleField", .unit = "hour angle", .aliases = "hour of arc|hour of right ascension",
     .exact = AMBREL_SIZE(15_x), .source = kCircleDivisions},
    {.box = 0, .outlet = "CompassPointField", .unit = "compass point", .aliases = "point of the compass",
     .exact = AMBREL_SIZE(360_x / 32), .source = kCircleDivisions},
    {.box = 1, .outlet = "RadianField", .unit = "radian", .symbols = "rad",
     .exact = AMBREL_SIZE(180 / pi), .source = kSiBrochure},
    {.box = 1, .outlet = "MilliradianField", .unit = "milliradian", .symbols = "mrad",
     .exact = AMBREL_SIZE(180 / pi / 1000), .source = kSiBrochure},
    {.box = 1, .outlet = "MicroradianField", .unit = "microradian", .symbols = "µrad|μrad|urad",
     .exact = AMBREL_SIZE(180 / pi / 1000000), .source = kSiBrochure},
    {.box = 1, .outlet = "NatoMilField", .unit = "NATO mil", .aliases = "mil|angular mil",
     .exact = AMBREL_SIZE(360_x / 6400), .source = kNistSp811},
    {.box = 1, .outlet = "WarsawPactMilField", .unit = "Warsaw Pact mil", .aliases = "Soviet mil",
     .exact = AMBREL_SIZE(360_x / 6000), .source = kCircleDivisions},
    {.box = 1, .outlet = "StreckField", .unit = "streck", .aliases = "Swedish streck|Swedish mil",
     .exact = AMBREL_SIZE(360_x / 6300), .source = kCircleDivisions},
};
// clang-format on
static_assert(wellFormedTable(kBoxes, kRows));
static_assert(!hasClassicFactors(kRows));

}  // namespace

const ConverterDef kAngleDef = {
    .identity = {.cliName = "angle",
                 .className = "AngleObject",
                 .openAction = "OpenAngleWindow:",
                 .menuTitle = AMBREL_TEXT("An&gle"),
                 .menuGroup = MenuGroup::Science,
                 .menuPosition = 11,
                 .broadcastRank = 11},
    .windowOutlet = "AngleWindow",
    .title = AMBREL_TEXT("Angle"),
    .notebookAction = "ShowNotebook:",
    .notebook = "Angle",
    .boxes = kBoxes,
    .rows = kRows,
    .openBox = 0,
    .openTag = 0,
};

}  // namespace ambrel
