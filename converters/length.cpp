#include "converters/length.h"

namespace ambrel {

using table::b;
using table::v;

namespace {

constexpr BoxDef kBoxes[] = {
    {"MetricBox", "Metric", "MetricCalc:", "MetersField"},
    {"ImperialBox", "Imperial and nautical", "ImperialCalc:", "MetersField"},
    {"AstroBox", "Astronomical", "AstroCalc:", "MetersField"},
};

// Exact sizes in meters: the international yard and pound of 1959, the
// IAU's astronomical unit of 2012, the light year of the Julian year.
constexpr ExactNumber ft = 0.3048_x;
constexpr ExactNumber mi = 5280 * ft;
constexpr ExactNumber au = 149597870700_x;
constexpr ExactNumber julianYear = 365.25_x * 86400;
constexpr ExactNumber c = 299792458_x;

// Out of the base, most imperial units use rounded factors of their own
// rather than the reciprocal of the factor in; the astronomical unit comes
// out through the light year.
constexpr UnitRow kRows[] = {
    {0, "MillimetersField", "millimeter", v.div(1000), b.mul(1000), AMBREL_SIZE(1_x / 1000)},
    {0, "CentimetersField", "centimeter", v.div(100), b.mul(100), AMBREL_SIZE(1_x / 100)},
    {0, "DecimeterField", "decimeter", v.div(10), b.mul(10), AMBREL_SIZE(1_x / 10)},
    {0, "MetersField", "meter", v, b, AMBREL_SIZE(1_x)},
    {0, "DekameterField", "dekameter", v.mul(10), b.div(10), AMBREL_SIZE(10_x)},
    {0, "HectometerField", "hectometer", v.mul(100), b.div(100), AMBREL_SIZE(100_x)},
    {0, "KilometersField", "kilometer", v.mul(1000), b.div(1000), AMBREL_SIZE(1000_x)},
    {1, "InchesField", "inch", v.mul(2.54).div(100), b.mul(39.37), AMBREL_SIZE(ft / 12)},
    {1, "FeetField", "foot", v.mul(0.3048), b.mul(3.281), AMBREL_SIZE(ft)},
    {1, "YardsField", "yard", v.mul(0.9144), b.mul(1.0936), AMBREL_SIZE(3 * ft)},
    {1, "RodField", "rod", v.mul(5.0292), b.mul(0.19883878151594686), AMBREL_SIZE(16.5_x * ft)},
    {1, "ChainField", "chain", v.mul(20.1168), b.mul(0.0497097), AMBREL_SIZE(66 * ft)},
    {1, "FurlongField", "furlong", v.mul(201.168), b.mul(0.004971), AMBREL_SIZE(660 * ft)},
    {1, "MilesField", "mile", v.mul(1609.344), b.div(1609.344), AMBREL_SIZE(mi)},
    {1, "LeagueField", "league", v.mul(4827.9), b.mul(0.0002071), AMBREL_SIZE(3 * mi)},
    {1, "NauticalMileField", "nautical mile", v.mul(1851.66), b.mul(0.00053959), AMBREL_SIZE(1852_x)},
    {2, "ParsecField", "parsec", v.mul(3086000000000).mul(10).mul(1000), b.div(30860000000000000), AMBREL_SIZE(au * 648000 / ExactNumber::pi())},
    {2, "LightYearField", "light year", v.mul(9458000000000).mul(1000), b.div(1000).div(9458000000000), AMBREL_SIZE(c * julianYear)},
    {2, "AstroUnitField", "astronomical unit", v.mul(149613400000),
     b.div(1000).div(9458000000000).mul(63216.2627144), AMBREL_SIZE(au)},
};

}  // namespace

const ConverterDef kLengthDef = {
    .identity = {.cliName = "length",
                 .className = "LenghtObject",
                 .openAction = "OpenLenghtWindow:",
                 .menuTitle = "&Length",
                 .menuPosition = 0,
                 .broadcastRank = 4},
    .windowOutlet = "LenghtWindow",
    .title = "Length",
    .notebookAction = "ShowNotebook:",
    .notebook = "Length",
    .boxes = kBoxes,
    .rows = kRows,
    .openBox = 0,
    .openTag = 3,
};

}  // namespace ambrel
