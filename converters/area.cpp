#include "converters/area.h"

namespace ambrel {

using table::b;
using table::v;

namespace {

constexpr BoxDef kBoxes[] = {
    {"MetricBox", "Metric", "CalcMetric:", "SqMeter"},
    {"ImperialBox", "Imperial", "CalcImperial:", "SqMeter"},
};

// The square rod and the acre come out through the square foot, but the acre
// goes in with a rounded factor of its own; the square inch, yard, rood and
// mile use rounded factors that are not reciprocals of each other.
constexpr UnitRow kRows[] = {
    {0, "SqMillimeter", "square millimeter", v.div(1000000), b.mul(1000000)},
    {0, "SqCentimeter", "square centimeter", v.div(10000), b.mul(10000)},
    {0, "SqMeter", "square meter", v, b},
    {0, "SqAre", "are", v.mul(100), b.div(100)},
    {0, "SqHectare", "hectare", v.mul(10000), b.div(10000)},
    {0, "SqKilometer", "square kilometer", v.mul(1000000), b.div(1000000)},
    {1, "SqInch", "square inch", v.mul(6.452).div(10000), b.div(6.452).mul(10000)},
    {1, "SqFoot", "square foot", v.mul(0.09290304), b.div(0.09290304)},
    {1, "SqYard", "square yard", v.mul(0.83612736), b.mul(1.196)},
    {1, "SqRod", "square rod", v.mul(0.00625).mul(43560).mul(0.09290304),
     b.div(0.09290304).div(43560).div(0.00625)},
    {1, "SqRood", "rood", v.mul(1011.68), b.mul(0.0009885)},
    {1, "SqAcre", "acre", v.mul(4046.9), b.div(0.09290304).div(43560)},
    {1, "SqMileArea", "square mile", v.mul(2.59).mul(1000000), b.div(1000000).mul(0.3861)},
};

}  // namespace

const ConverterDef kAreaDef = {
    "area", "AreaObject", "AreaWindow", "Area", "OpenAreaWindow:", "ShowNotebook:",
    "Area", kBoxes, kRows, 0, 2,
};

}  // namespace ambrel
