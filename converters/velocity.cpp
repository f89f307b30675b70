#include "converters/velocity.h"

#include <cmath>

namespace ambrel {

using table::b;
using table::v;

namespace {

constexpr BoxDef kBoxes[] = {
    {"MetricBox", "Metric", "CalcMetric:", "KiloHourField"},
    {"ImperialBox", "Imperial", "CalcImperial:", "KiloHourField"},
    {"OtherBox", "Other", "CalcOther:", "KiloHourField"},
};

// The mile goes in as 1.60934 km but comes out as × 0.6214. The warp row's
// "into" formula is applied to w^3.3333333333 (see convert()); it is never
// written from the base through the table.
constexpr UnitRow kRows[] = {
    {0, "MeterSecField", "meter per second", v.div(1000).mul(60).mul(60), b.mul(1000).div(60).div(60)},
    {0, "MeterMinField", "meter per minute", v.div(1000).mul(60), b.mul(1000).div(60)},
    {0, "MeterHourField", "meter per hour", v.div(1000), b.mul(1000)},
    {0, "KiloSecField", "kilometer per second", v.mul(60).mul(60), b.div(60).div(60)},
    {0, "KiloMinField", "kilometer per minute", v.mul(60), b.div(60)},
    {0, "KiloHourField", "kilometer per hour", v, b},
    {1, "FeetSecField", "foot per second", v.mul(0.3048).div(1000).mul(60).mul(60),
     b.div(0.3048).mul(1000).div(60).div(60)},
    {1, "FeetMinField", "foot per minute", v.mul(0.3048).div(1000).mul(60), b.div(0.3048).mul(1000).div(60)},
    {1, "FeetHourField", "foot per hour", v.mul(0.3048).div(1000), b.div(0.3048).mul(1000)},
    {1, "MileSecField", "mile per second", v.mul(60).mul(60).mul(1.60934), b.mul(0.6214).div(60).div(60)},
    {1, "MileMinField", "mile per minute", v.mul(60).mul(1.60934), b.mul(0.6214).div(60)},
    {1, "MileHourField", "mile per hour", v.mul(1.60934), b.mul(0.6214)},
    {2, "KnotsField", "knot", v.mul(1.852), b.div(1.852)},
    {2, "MachField", "Mach", v.mul(1063.77374), b.div(1063.77374)},
    {2, "LightSpeedField", "speed of light (c)", v.mul(299792458).mul(60).mul(60).div(1000),
     b.mul(1000).div(60).div(60).div(299792458)},
    {2, "WarpSpeedField", "warp factor", v.mul(299792458).mul(60).mul(60).div(1000), b},
};

}  // namespace

const ConverterDef kVelocityDef = {
    "velocity", "VelocityObject", "VelocityWindow", "Velocity", "OpenVelocityWindow:", "ShowNotebook:",
    "Velocity", kBoxes, kRows, 0, 5,
};

VelocityObject::VelocityObject(Platform& platform)
    : ConverterWindow(platform, kVelocityDef),
      lightRow_(fieldIndex("LightSpeedField")),
      warpRow_(fieldIndex("WarpSpeedField"))
{
}

void VelocityObject::convert(int boxNumber)
{
    const int edited = editedRow(boxNumber);
    if (edited == warpRow_) {
        double w = read(warpRow_);
        if (w > kWarpCap) {
            write(warpRow_, kWarpCap);
            w = kWarpCap;
        }
        write(baseRowOf(warpRow_), def().rows[warpRow_].into.apply(std::pow(w, kWarpIn)));
    } else if (edited >= 0 && !isBaseRow(edited)) {
        writeBaseFrom(edited);
    }
    // Every linear unit from the base; the warp field comes last, from the
    // light-speed field. A warp entry keeps the light speed it produced, even
    // a rounding step above the cap.
    writeRange(0, warpRow_, edited);
    if (edited == warpRow_)
        return;
    double light = read(lightRow_);
    if (light > kLightSpeedCap) {
        write(lightRow_, kLightSpeedCap);
        light = kLightSpeedCap;
    }
    write(warpRow_, std::pow(light, kWarpOut));
}

}  // namespace ambrel
