// SPDX-License-Identifier: GPL-3.0-or-later
#include "converters/length.h"

#include "converters/sources.h"
#include "framework/translatable.h"

namespace ambrel {

using table::b;
using table::v;

namespace {

// clang-format off
constexpr BoxDef kBoxes[] = {
    {"MetricBox", AMBREL_TEXT("Metric"), "MetricCalc:", "MetersField"},
    {"ImperialBox", AMBREL_TEXT("Imperial and nautical"), "ImperialCalc:", "MetersField"},
    {"AstroBox", AMBREL_TEXT("Astronomical"), "AstroCalc:", "MetersField"},
};
// clang-format on

// Exact sizes in meters: the international yard and pound of 1959, the
// IAU's astronomical unit of 2012, the light year of the Julian year; the
// point of desktop publishing, 1/72 inch. The rows after the nautical mile
// and after the kilometer have no classic factors: they convert by their
// sizes under either table set. Shared words: pt is the point here and the
// US pint in the volumes, mil the thou here and the NATO mil in the angles;
// the pica has no abbreviation, as pc is the parsec.
constexpr ExactNumber ft = 0.3048_x;
constexpr ExactNumber mi = 5280 * ft;
constexpr ExactNumber au = 149597870700_x;
constexpr ExactNumber julianYear = 365.25_x * 86400;
constexpr ExactNumber c = 299792458_x;

// Out of the base, most imperial units use rounded factors of their own
// rather than the reciprocal of the factor in; the astronomical unit comes
// out through the light year.
// clang-format off
constexpr UnitRow kRows[] = {
    {.box = 0, .outlet = "MillimetersField", .unit = "millimeter", .symbols = "mm",
     .into = v.div(1000), .out = b.mul(1000), .exact = AMBREL_SIZE(1_x / 1000)},
    {.box = 0, .outlet = "CentimetersField", .unit = "centimeter", .symbols = "cm",
     .into = v.div(100), .out = b.mul(100), .exact = AMBREL_SIZE(1_x / 100)},
    {.box = 0, .outlet = "DecimeterField", .unit = "decimeter", .symbols = "dm",
     .into = v.div(10), .out = b.mul(10), .exact = AMBREL_SIZE(1_x / 10)},
    {.box = 0, .outlet = "MetersField", .unit = "meter", .symbols = "m",
     .exact = AMBREL_SIZE(1_x)},
    {.box = 0, .outlet = "DekameterField", .unit = "dekameter", .symbols = "dam",
     .into = v.mul(10), .out = b.div(10), .exact = AMBREL_SIZE(10_x)},
    {.box = 0, .outlet = "HectometerField", .unit = "hectometer", .symbols = "hm",
     .into = v.mul(100), .out = b.div(100), .exact = AMBREL_SIZE(100_x)},
    {.box = 0, .outlet = "KilometersField", .unit = "kilometer", .symbols = "km",
     .into = v.mul(1000), .out = b.div(1000), .exact = AMBREL_SIZE(1000_x)},
    {.box = 0, .outlet = "MicrometerField", .unit = "micrometer", .symbols = "\u00b5m|\u03bcm|um",
     .aliases = "micron", .exact = AMBREL_SIZE(1_x / 1000000), .source = kSiBrochure},
    {.box = 0, .outlet = "NanometerField", .unit = "nanometer", .symbols = "nm",
     .exact = AMBREL_SIZE(1_x / 1000000000), .source = kSiBrochure},
    {.box = 0, .outlet = "AngstromField", .unit = "angstrom", .symbols = "\u00c5|\u212b",
     .aliases = "\u00e5ngstr\u00f6m|angstroem", .exact = AMBREL_SIZE(1_x / 10000000000), .source = kNistSp811},
    {.box = 1, .outlet = "InchesField", .unit = "inch", .symbols = "in",
     .into = v.mul(2.54).div(100), .out = b.mul(39.37), .exact = AMBREL_SIZE(ft / 12)},
    {.box = 1, .outlet = "FeetField", .unit = "foot", .symbols = "ft",
     .into = v.mul(0.3048), .out = b.mul(3.281), .exact = AMBREL_SIZE(ft)},
    {.box = 1, .outlet = "YardsField", .unit = "yard", .symbols = "yd|yds",
     .into = v.mul(0.9144), .out = b.mul(1.0936), .exact = AMBREL_SIZE(3 * ft)},
    {.box = 1, .outlet = "RodField", .unit = "rod", .symbols = "rd", .aliases = "perch|pole",
     .into = v.mul(5.0292), .out = b.mul(0.19883878151594686), .exact = AMBREL_SIZE(16.5_x * ft)},
    {.box = 1, .outlet = "ChainField", .unit = "chain", .symbols = "ch",
     .into = v.mul(20.1168), .out = b.mul(0.0497097), .exact = AMBREL_SIZE(66 * ft)},
    {.box = 1, .outlet = "FurlongField", .unit = "furlong", .symbols = "fur",
     .into = v.mul(201.168), .out = b.mul(0.004971), .exact = AMBREL_SIZE(660 * ft)},
    {.box = 1, .outlet = "MilesField", .unit = "mile", .symbols = "mi",
     .into = v.mul(1609.344), .out = b.div(1609.344), .exact = AMBREL_SIZE(mi)},
    {.box = 1, .outlet = "LeagueField", .unit = "league", .symbols = "lea",
     .into = v.mul(4827.9), .out = b.mul(0.0002071), .exact = AMBREL_SIZE(3 * mi)},
    {.box = 1, .outlet = "NauticalMileField", .unit = "nautical mile", .symbols = "nmi|NM",
     .into = v.mul(1851.66), .out = b.mul(0.00053959), .exact = AMBREL_SIZE(1852_x)},
    {.box = 1, .outlet = "ThouField", .unit = "thou", .symbols = "mil",
     .exact = AMBREL_SIZE(ft / 12000), .source = kNistSp811},
    {.box = 1, .outlet = "FathomField", .unit = "fathom", .symbols = "ftm",
     .exact = AMBREL_SIZE(6 * ft), .source = kNistHb44},
    {.box = 1, .outlet = "HandField", .unit = "hand",
     .exact = AMBREL_SIZE(ft / 3), .source = kNistHb44},
    {.box = 1, .outlet = "PointField", .unit = "point", .symbols = "pt",
     .exact = AMBREL_SIZE(ft / 12 / 72), .source = kCssUnits},
    {.box = 1, .outlet = "PicaField", .unit = "pica",
     .exact = AMBREL_SIZE(ft / 12 / 6), .source = kCssUnits},
    {.box = 2, .outlet = "ParsecField", .unit = "parsec", .symbols = "pc",
     .into = v.mul(3086000000000).mul(10).mul(1000), .out = b.div(30860000000000000),
     .exact = AMBREL_SIZE(au * 648000 / ExactNumber::pi())},
    {.box = 2, .outlet = "LightYearField", .unit = "light year", .symbols = "ly",
     .aliases = "lightyear",
     .into = v.mul(9458000000000).mul(1000), .out = b.div(1000).div(9458000000000),
     .exact = AMBREL_SIZE(c * julianYear)},
    {.box = 2, .outlet = "AstroUnitField", .unit = "astronomical unit", .symbols = "au|AU|ua",
     .into = v.mul(149613400000), .out = b.div(1000).div(9458000000000).mul(63216.2627144),
     .exact = AMBREL_SIZE(au)},
};
// clang-format on
static_assert(wellFormedTable(kBoxes, kRows));

}  // namespace

const ConverterDef kLengthDef = {
    .identity = {.cliName = "length",
                 .className = "LenghtObject",
                 .openAction = "OpenLenghtWindow:",
                 .menuTitle = AMBREL_TEXT("&Length"),
                 .menuPosition = 0,
                 .broadcastRank = 4},
    .windowOutlet = "LenghtWindow",
    .title = AMBREL_TEXT("Length"),
    .notebookAction = "ShowNotebook:",
    .notebook = "Length",
    .boxes = kBoxes,
    .rows = kRows,
    .openBox = 0,
    .openTag = 3,
};

}  // namespace ambrel
