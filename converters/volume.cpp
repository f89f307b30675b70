// SPDX-License-Identifier: GPL-3.0-or-later
#include "converters/volume.h"

#include "converters/sources.h"
#include "framework/translatable.h"

namespace ambrel {

using table::b;
using table::v;

namespace {

// clang-format off
constexpr BoxDef kBoxes[] = {
    {"MetricLiquidBox", AMBREL_TEXT("Metric liquid"), "CalcMetricLiquid:", "Mliter"},
    {"MDMetricDryBox", AMBREL_TEXT("Metric cubic"), "CalcMetricDry:", "Mliter"},
    {"ImperialBox", AMBREL_TEXT("Imperial"), "CalcImperial:", "Mliter"},
    {"USBox", AMBREL_TEXT("US"), "CalcUS:", "Mliter"},
    {"McookBox", AMBREL_TEXT("Metric cooking"), "CalcCookingMetric:", "Mliter"},
    {"Icookbox", AMBREL_TEXT("US cooking"), "CalcCookingImperial:", "Mliter"},
};
// clang-format on

// Exact sizes in liters: the UK's imperial gallon of 4.54609 L, the US
// gallon of 231 cubic inches, the US dry pint of 33.6003125 cubic inches.
constexpr ExactNumber in3 = 0.0254_x * 0.0254_x * 0.0254_x * 1000;
constexpr ExactNumber ft3 = 1728 * in3;
constexpr ExactNumber impgal = 4.54609_x;
constexpr ExactNumber usgal = 231 * in3;
constexpr ExactNumber usfloz = usgal / 128;
constexpr ExactNumber usdrypint = 33.6003125_x * in3;

// Shared words: gal and gallon are the US gallon (imperial: impgal), and
// pint, quart, gill and minim likewise the US ones, and so are cup, tsp and
// tbsp (the metric ones: metric cup, metric tsp, ...); barrel and bbl the
// barrel of oil, 42 US gallons; L the liter (the lambert has no
// abbreviation); oz is the avoirdupois ounce, the fluid ounce here is floz or
// fl oz; the imperial fluid ounce and cup say so (UK and British read as
// imperial). The imperial cup is half the imperial pint, 10 imperial fluid
// ounces. There are no imperial spoons: a British tablespoon has been 15 mL
// in recipes and 5/8 fluid ounce in older tables, with no one definition.
//
// The rows after the imperial bushel have no classic factors: they convert
// by their sizes under either table set.
//
// Most units are counted per liter (multiplied out of the base); the large
// ones and the US cooking measures in liters per unit. The rounded
// per-liter constants are kept with the digits they have: an imperial gallon
// is 4.5460000000002045 liters here, not 4.54609.
// clang-format off
constexpr UnitRow kRows[] = {
    {.box = 0, .outlet = "Mmilliiter", .unit = "milliliter", .symbols = "ml|mL",
     .into = v.div(1000), .out = b.mul(1000), .exact = AMBREL_SIZE(1_x / 1000)},
    {.box = 0, .outlet = "Mcentiliter", .unit = "centiliter", .symbols = "cl|cL",
     .into = v.div(100), .out = b.mul(100), .exact = AMBREL_SIZE(1_x / 100)},
    {.box = 0, .outlet = "Mdeciliter", .unit = "deciliter", .symbols = "dl|dL",
     .into = v.div(10), .out = b.mul(10), .exact = AMBREL_SIZE(1_x / 10)},
    {.box = 0, .outlet = "Mliter", .unit = "liter", .symbols = "l|L", .aliases = "cubic decimeter|dm3|dm³",
     .exact = AMBREL_SIZE(1_x)},
    {.box = 0, .outlet = "Mdekaliter", .unit = "dekaliter", .symbols = "dal|daL",
     .into = v.mul(10), .out = b.div(10), .exact = AMBREL_SIZE(10_x)},
    {.box = 0, .outlet = "Mhectoliter", .unit = "hectoliter", .symbols = "hl|hL",
     .into = v.mul(100), .out = b.div(100), .exact = AMBREL_SIZE(100_x)},
    {.box = 0, .outlet = "Mkiloliter", .unit = "kiloliter", .symbols = "kl|kL",
     .into = v.mul(1000), .out = b.div(1000), .exact = AMBREL_SIZE(1000_x)},
    {.box = 0, .outlet = "Mmicroliter", .unit = "microliter", .symbols = "µL|μL|uL|µl|μl|ul",
     .exact = AMBREL_SIZE(1_x / 1000000), .source = kSiBrochure},
    {.box = 1, .outlet = "MDcmillimeter", .unit = "cubic millimeter", .symbols = "mm3|mm³",
     .into = v.div(1000000), .out = b.mul(1000000), .exact = AMBREL_SIZE(1_x / 1000000)},
    {.box = 1, .outlet = "MDccentimeter", .unit = "cubic centimeter", .symbols = "cm3|cm³|cc",
     .into = v.div(1000), .out = b.mul(1000), .exact = AMBREL_SIZE(1_x / 1000)},
    {.box = 1, .outlet = "MDcmeter", .unit = "cubic meter", .symbols = "m3|m³",
     .into = v.mul(1000), .out = b.div(1000), .exact = AMBREL_SIZE(1000_x)},
    {.box = 1, .outlet = "MDckilometer", .unit = "cubic kilometer", .symbols = "km3|km³",
     .into = v.mul(1000000000000), .out = b.div(1000000000000),
     .exact = AMBREL_SIZE(1000000000000_x)},
    {.box = 2, .outlet = "Ipint", .unit = "imperial pint", .symbols = "imppt",
     .aliases = "imp pint",
     .into = v.div(1.7597579), .out = b.mul(1.7597579), .exact = AMBREL_SIZE(impgal / 8)},
    {.box = 2, .outlet = "Iquart", .unit = "imperial quart", .symbols = "impqt",
     .aliases = "imp quart",
     .into = v.div(0.88028169014084), .out = b.mul(0.88028169014084),
     .exact = AMBREL_SIZE(impgal / 4)},
    {.box = 2, .outlet = "Igallon", .unit = "imperial gallon", .symbols = "impgal",
     .aliases = "imp gallon",
     .into = v.div(0.21997360316761), .out = b.mul(0.21997360316761), .exact = AMBREL_SIZE(impgal)},
    {.box = 2, .outlet = "Iminim", .unit = "imperial minim",
     .into = v.div(16893.6040815), .out = b.mul(16893.6040815),
     .exact = AMBREL_SIZE(impgal / 160 / 8 / 60)},
    {.box = 2, .outlet = "Igill", .unit = "imperial gill",
     .into = v.div(7.0389819), .out = b.mul(7.0389819), .exact = AMBREL_SIZE(impgal / 32)},
    {.box = 2, .outlet = "Ipeck", .unit = "imperial peck", .symbols = "pk", .aliases = "peck",
     .into = v.div(0.1098901098901), .out = b.mul(0.1098901098901),
     .exact = AMBREL_SIZE(2 * impgal)},
    {.box = 2, .outlet = "Ibushel", .unit = "imperial bushel", .symbols = "bu", .aliases = "bushel",
     .into = v.div(0.0277778), .out = b.mul(0.0277778), .exact = AMBREL_SIZE(8 * impgal)},
    {.box = 2, .outlet = "Ifluidounce", .unit = "imperial fluid ounce", .symbols = "imp fl oz|imp floz",
     .aliases = "imp fluid ounce", .exact = AMBREL_SIZE(impgal / 160), .source = kNistHb44},
    {.box = 2, .outlet = "Icup", .unit = "imperial cup", .aliases = "imp cup",
     .exact = AMBREL_SIZE(impgal / 16), .source = kNistHb44},
    {.box = 3, .outlet = "UScinch", .unit = "cubic inch", .symbols = "in3|in³|cu in",
     .into = v.div(61.02361), .out = b.mul(61.02361), .exact = AMBREL_SIZE(in3)},
    {.box = 3, .outlet = "UScfoot", .unit = "cubic foot", .symbols = "ft3|ft³|cu ft",
     .into = v.div(0.0353146), .out = b.mul(0.0353146), .exact = AMBREL_SIZE(ft3)},
    {.box = 3, .outlet = "UScyard", .unit = "cubic yard", .symbols = "yd3|yd³|cu yd",
     .into = v.mul(765), .out = b.div(765), .exact = AMBREL_SIZE(27 * ft3)},
    {.box = 3, .outlet = "USacrefoot", .unit = "acre-foot", .symbols = "ac-ft|ac ft",
     .into = v.mul(1233490), .out = b.div(1233490), .exact = AMBREL_SIZE(43560 * ft3)},
    {.box = 3, .outlet = "USregisterton", .unit = "register ton",
     .into = v.mul(2831.685), .out = b.div(2831.685), .exact = AMBREL_SIZE(100 * ft3)},
    {.box = 3, .outlet = "USdryounce", .unit = "US dry ounce", .aliases = "dry ounce",
     .into = v.div(35.1963959), .out = b.mul(35.1963959), .exact = AMBREL_SIZE(usdrypint / 16),
     .exactUnit = "US dry ounce (1/16 dry pint)"},
    {.box = 3, .outlet = "USdrydram", .unit = "US dry dram", .aliases = "dry dram",
     .into = v.div(281.5632391), .out = b.mul(281.5632391),
     .exact = AMBREL_SIZE(usdrypint / 16 / 8), .exactUnit = "US dry dram (1/8 dry ounce)"},
    {.box = 3, .outlet = "USfluidonce", .unit = "US fluid ounce", .symbols = "floz|fl oz|fl. oz.",
     .aliases = "fluid ounce",
     .into = v.div(33.8146282), .out = b.mul(33.8146282), .exact = AMBREL_SIZE(usfloz)},
    {.box = 3, .outlet = "USfuilddram", .unit = "US fluid dram", .symbols = "fl dr|fl. dr.",
     .aliases = "fluid dram",
     .into = v.div(270.4895862), .out = b.mul(270.4895862), .exact = AMBREL_SIZE(usfloz / 8)},
    {.box = 3, .outlet = "USgill", .unit = "US gill", .aliases = "gill",
     .into = v.div(8.4535141), .out = b.mul(8.4535141), .exact = AMBREL_SIZE(usgal / 32)},
    {.box = 3, .outlet = "USpint", .unit = "US pint", .symbols = "pt", .aliases = "pint",
     .into = v.div(2.11337650068), .out = b.mul(2.11337650068), .exact = AMBREL_SIZE(usgal / 8)},
    {.box = 3, .outlet = "USquart", .unit = "US quart", .symbols = "qt", .aliases = "quart",
     .into = v.div(1.0570825), .out = b.mul(1.0570825), .exact = AMBREL_SIZE(usgal / 4)},
    {.box = 3, .outlet = "USgallon", .unit = "US gallon", .symbols = "gal", .aliases = "gallon",
     .into = v.div(0.26420079260237), .out = b.mul(0.26420079260237), .exact = AMBREL_SIZE(usgal)},
    {.box = 3, .outlet = "USbarrel", .unit = "US barrel", .aliases = "fluid barrel",
     .into = v.div(0.0083864), .out = b.mul(0.0083864), .exact = AMBREL_SIZE(31.5_x * usgal)},
    {.box = 3, .outlet = "USbarrelofoil", .unit = "barrel of oil", .symbols = "bbl",
     .aliases = "barrel|oil barrel",
     .into = v.mul(158.973), .out = b.div(158.973), .exact = AMBREL_SIZE(42 * usgal)},
    {.box = 3, .outlet = "USminim", .unit = "US minim", .aliases = "minim",
     .into = v.div(16231.1313099), .out = b.mul(16231.1313099),
     .exact = AMBREL_SIZE(usfloz / 8 / 60)},
    {.box = 3, .outlet = "USdrypint", .unit = "US dry pint", .symbols = "dry pt",
     .exact = AMBREL_SIZE(usdrypint), .source = kNistHb44},
    {.box = 3, .outlet = "USdryquart", .unit = "US dry quart", .symbols = "dry qt",
     .exact = AMBREL_SIZE(2 * usdrypint), .source = kNistHb44},
    {.box = 3, .outlet = "USpeck", .unit = "US peck",
     .exact = AMBREL_SIZE(16 * usdrypint), .source = kNistHb44},
    {.box = 3, .outlet = "USbushel", .unit = "US bushel",
     .exact = AMBREL_SIZE(64 * usdrypint), .source = kNistHb44},
    {.box = 4, .outlet = "Mcookteaspoon", .unit = "metric teaspoon", .aliases = "metric tsp",
     .into = v.div(200), .out = b.mul(200), .exact = AMBREL_SIZE(5_x / 1000)},
    {.box = 4, .outlet = "Mcooktablespoon", .unit = "metric tablespoon", .aliases = "metric tbsp",
     .into = v.div(50), .out = b.mul(50), .exact = AMBREL_SIZE(15_x / 1000),
     .exactUnit = "metric tablespoon (15 mL)"},
    {.box = 4, .outlet = "Mcookcup", .unit = "metric cup",
     .into = v.mul(0.25), .out = b.mul(4), .exact = AMBREL_SIZE(250_x / 1000)},
    {.box = 5, .outlet = "Icookteaspoon", .unit = "US teaspoon", .aliases = "teaspoon|tsp|US tsp",
     .into = v.mul(0.00493), .out = b.div(0.00493), .exact = AMBREL_SIZE(usfloz / 6)},
    {.box = 5, .outlet = "Icooktablespoon", .unit = "US tablespoon", .aliases = "tablespoon|tbsp|US tbsp",
     .into = v.mul(0.01479), .out = b.div(0.01479), .exact = AMBREL_SIZE(usfloz / 2)},
    {.box = 5, .outlet = "Icookcup", .unit = "US cup", .aliases = "cup",
     .into = v.mul(0.236584), .out = b.div(0.236584), .exact = AMBREL_SIZE(8 * usfloz)},
};
// clang-format on
static_assert(wellFormedTable(kBoxes, kRows));

}  // namespace

const ConverterDef kVolumeDef = {
    .identity = {.cliName = "volume",
                 .className = "VolumeObject",
                 .openAction = "OpenVolumeWindow:",
                 .menuTitle = AMBREL_TEXT("V&olume"),
                 .menuPosition = 2,
                 .broadcastRank = 10},
    .windowOutlet = "VolumeWindow",
    .title = AMBREL_TEXT("Volume"),
    .notebookAction = "ShowNotebook:",
    .notebook = "Volume",
    .boxes = kBoxes,
    .rows = kRows,
    .openBox = 0,
    .openTag = 3,
};

}  // namespace ambrel
