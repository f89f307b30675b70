// SPDX-License-Identifier: GPL-3.0-or-later
#include "converters/area.h"

#include "converters/sources.h"
#include "framework/translatable.h"

namespace ambrel {

using table::b;
using table::v;

namespace {

// clang-format off
constexpr BoxDef kBoxes[] = {
    {"MetricBox", AMBREL_TEXT("Metric"), "CalcMetric:", "SqMeter"},
    {"ImperialBox", AMBREL_TEXT("Imperial"), "CalcImperial:", "SqMeter"},
};
// clang-format on

// Exact sizes in square meters, from the international foot.
constexpr ExactNumber ft = 0.3048_x;
constexpr ExactNumber ft2 = ft * ft;
// The circular mil is the area of a circle one mil (1/1000 inch) across.
constexpr ExactNumber mil = ft / 12000;
constexpr ExactNumber pi = ExactNumber::pi();

// The square rod and the acre come out through the square foot, but the acre
// goes in with a rounded factor of its own; the square inch, yard, rood and
// mile use rounded factors that are not reciprocals of each other.
// clang-format off
constexpr UnitRow kRows[] = {
    {.box = 0, .outlet = "SqMillimeter", .unit = "square millimeter", .symbols = "mm2|mm²|sq mm",
     .into = v.div(1000000), .out = b.mul(1000000), .exact = AMBREL_SIZE(1_x / 1000000)},
    {.box = 0, .outlet = "SqCentimeter", .unit = "square centimeter", .symbols = "cm2|cm²|sq cm",
     .into = v.div(10000), .out = b.mul(10000), .exact = AMBREL_SIZE(1_x / 10000)},
    {.box = 0, .outlet = "SqMeter", .unit = "square meter", .symbols = "m2|m²|sq m",
     .exact = AMBREL_SIZE(1_x)},
    {.box = 0, .outlet = "SqAre", .unit = "are", .symbols = "a",
     .into = v.mul(100), .out = b.div(100), .exact = AMBREL_SIZE(100_x)},
    {.box = 0, .outlet = "SqHectare", .unit = "hectare", .symbols = "ha",
     .into = v.mul(10000), .out = b.div(10000), .exact = AMBREL_SIZE(10000_x)},
    {.box = 0, .outlet = "SqKilometer", .unit = "square kilometer", .symbols = "km2|km²|sq km",
     .into = v.mul(1000000), .out = b.div(1000000), .exact = AMBREL_SIZE(1000000_x)},
    {.box = 0, .outlet = "SqBarn", .unit = "barn",
     .exact = AMBREL_SIZE(1_x / 10000000000 / 10000000000 / 100000000), .source = kNistSp811},
    {.box = 1, .outlet = "SqInch", .unit = "square inch", .symbols = "in2|in²|sq in",
     .into = v.mul(6.452).div(10000), .out = b.div(6.452).mul(10000),
     .exact = AMBREL_SIZE(ft2 / 144)},
    {.box = 1, .outlet = "SqFoot", .unit = "square foot", .symbols = "ft2|ft²|sq ft",
     .into = v.mul(0.09290304), .out = b.div(0.09290304), .exact = AMBREL_SIZE(ft2)},
    {.box = 1, .outlet = "SqYard", .unit = "square yard", .symbols = "yd2|yd²|sq yd",
     .into = v.mul(0.83612736), .out = b.mul(1.196), .exact = AMBREL_SIZE(9 * ft2)},
    {.box = 1, .outlet = "SqRod", .unit = "square rod", .symbols = "rd2|rd²|sq rd",
     .aliases = "square perch",
     .into = v.mul(0.00625).mul(43560).mul(0.09290304),
     .out = b.div(0.09290304).div(43560).div(0.00625), .exact = AMBREL_SIZE(16.5_x * 16.5_x * ft2)},
    {.box = 1, .outlet = "SqRood", .unit = "rood",
     .into = v.mul(1011.68), .out = b.mul(0.0009885), .exact = AMBREL_SIZE(43560 * ft2 / 4)},
    {.box = 1, .outlet = "SqAcre", .unit = "acre", .symbols = "ac",
     .into = v.mul(4046.9), .out = b.div(0.09290304).div(43560), .exact = AMBREL_SIZE(43560 * ft2)},
    {.box = 1, .outlet = "SqMileArea", .unit = "square mile", .symbols = "mi2|mi²|sq mi", .aliases = "section",
     .into = v.mul(2.59).mul(1000000), .out = b.div(1000000).mul(0.3861),
     .exact = AMBREL_SIZE(5280 * 5280 * ft2)},
    {.box = 1, .outlet = "SqCircularMil", .unit = "circular mil", .symbols = "cmil",
     .exact = AMBREL_SIZE(pi / 4 * mil * mil), .source = kNistSp811},
    {.box = 1, .outlet = "SqMil", .unit = "square mil", .symbols = "mil2|mil²|sq mil",
     .exact = AMBREL_SIZE(mil * mil), .source = kNistSp811},
    {.box = 1, .outlet = "SqTownship", .unit = "township",
     .exact = AMBREL_SIZE(36 * 5280 * 5280 * ft2), .source = kNistHb44},
    {.box = 1, .outlet = "SqKcmil", .unit = "thousand circular mils", .symbols = "kcmil|MCM",
     .aliases = "kilo circular mil", .exact = AMBREL_SIZE(1000 * pi / 4 * mil * mil), .source = kNistSp811},
};
// clang-format on
static_assert(wellFormedTable(kBoxes, kRows));

}  // namespace

const ConverterDef kAreaDef = {
    .identity = {.cliName = "area",
                 .className = "AreaObject",
                 .openAction = "OpenAreaWindow:",
                 .menuTitle = AMBREL_TEXT("&Area"),
                 .menuPosition = 1,
                 .broadcastRank = 1},
    .windowOutlet = "AreaWindow",
    .title = AMBREL_TEXT("Area"),
    .notebookAction = "ShowNotebook:",
    .notebook = "Area",
    .boxes = kBoxes,
    .rows = kRows,
    .openBox = 0,
    .openTag = 2,
};

}  // namespace ambrel
