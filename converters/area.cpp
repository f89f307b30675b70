#include "converters/area.h"

namespace ambrel {

using table::b;
using table::v;

namespace {

constexpr BoxDef kBoxes[] = {
    {"MetricBox", "Metric", "CalcMetric:", "SqMeter"},
    {"ImperialBox", "Imperial", "CalcImperial:", "SqMeter"},
};

// Exact sizes in square meters, from the international foot.
constexpr ExactNumber ft = 0.3048_x;
constexpr ExactNumber ft2 = ft * ft;

// The square rod and the acre come out through the square foot, but the acre
// goes in with a rounded factor of its own; the square inch, yard, rood and
// mile use rounded factors that are not reciprocals of each other.
constexpr UnitRow kRows[] = {
    {0, "SqMillimeter", "square millimeter", v.div(1000000), b.mul(1000000), AMBREL_SIZE(1_x / 1000000)},
    {0, "SqCentimeter", "square centimeter", v.div(10000), b.mul(10000), AMBREL_SIZE(1_x / 10000)},
    {0, "SqMeter", "square meter", v, b, AMBREL_SIZE(1_x)},
    {0, "SqAre", "are", v.mul(100), b.div(100), AMBREL_SIZE(100_x)},
    {0, "SqHectare", "hectare", v.mul(10000), b.div(10000), AMBREL_SIZE(10000_x)},
    {0, "SqKilometer", "square kilometer", v.mul(1000000), b.div(1000000), AMBREL_SIZE(1000000_x)},
    {1, "SqInch", "square inch", v.mul(6.452).div(10000), b.div(6.452).mul(10000), AMBREL_SIZE(ft2 / 144)},
    {1, "SqFoot", "square foot", v.mul(0.09290304), b.div(0.09290304), AMBREL_SIZE(ft2)},
    {1, "SqYard", "square yard", v.mul(0.83612736), b.mul(1.196), AMBREL_SIZE(9 * ft2)},
    {1, "SqRod", "square rod", v.mul(0.00625).mul(43560).mul(0.09290304),
     b.div(0.09290304).div(43560).div(0.00625), AMBREL_SIZE(16.5_x * 16.5_x * ft2)},
    {1, "SqRood", "rood", v.mul(1011.68), b.mul(0.0009885), AMBREL_SIZE(43560 * ft2 / 4)},
    {1, "SqAcre", "acre", v.mul(4046.9), b.div(0.09290304).div(43560), AMBREL_SIZE(43560 * ft2)},
    {1, "SqMileArea", "square mile", v.mul(2.59).mul(1000000), b.div(1000000).mul(0.3861), AMBREL_SIZE(5280 * 5280 * ft2)},
};

}  // namespace

const ConverterDef kAreaDef = {
    .identity = {.cliName = "area",
                 .className = "AreaObject",
                 .openAction = "OpenAreaWindow:",
                 .menuTitle = "&Area",
                 .menuPosition = 1,
                 .broadcastRank = 1},
    .windowOutlet = "AreaWindow",
    .title = "Area",
    .notebookAction = "ShowNotebook:",
    .notebook = "Area",
    .boxes = kBoxes,
    .rows = kRows,
    .openBox = 0,
    .openTag = 2,
};

}  // namespace ambrel
