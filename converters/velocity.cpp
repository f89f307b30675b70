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

// Exact sizes in kilometers per hour.
constexpr ExactNumber ms = 3.6_x;  // a meter per second
constexpr ExactNumber ft = 0.3048_x / 1000;  // in kilometers
constexpr ExactNumber mi = 5280 * ft;

// The mile goes in as 1.60934 km but comes out as × 0.6214. The warp row's
// "into" formula is applied to w^3.3333333333 (see convert()); it is never
// written from the base through the table.
constexpr UnitRow kRows[] = {
    {0, "MeterSecField", "meter per second", v.div(1000).mul(60).mul(60), b.mul(1000).div(60).div(60), AMBREL_SIZE(ms)},
    {0, "MeterMinField", "meter per minute", v.div(1000).mul(60), b.mul(1000).div(60), AMBREL_SIZE(ms / 60)},
    {0, "MeterHourField", "meter per hour", v.div(1000), b.mul(1000), AMBREL_SIZE(ms / 3600)},
    {0, "KiloSecField", "kilometer per second", v.mul(60).mul(60), b.div(60).div(60), AMBREL_SIZE(3600_x)},
    {0, "KiloMinField", "kilometer per minute", v.mul(60), b.div(60), AMBREL_SIZE(60_x)},
    {0, "KiloHourField", "kilometer per hour", v, b, AMBREL_SIZE(1_x)},
    {1, "FeetSecField", "foot per second", v.mul(0.3048).div(1000).mul(60).mul(60),
     b.div(0.3048).mul(1000).div(60).div(60), AMBREL_SIZE(ft * 3600)},
    {1, "FeetMinField", "foot per minute", v.mul(0.3048).div(1000).mul(60), b.div(0.3048).mul(1000).div(60), AMBREL_SIZE(ft * 60)},
    {1, "FeetHourField", "foot per hour", v.mul(0.3048).div(1000), b.div(0.3048).mul(1000), AMBREL_SIZE(ft)},
    {1, "MileSecField", "mile per second", v.mul(60).mul(60).mul(1.60934), b.mul(0.6214).div(60).div(60), AMBREL_SIZE(mi * 3600)},
    {1, "MileMinField", "mile per minute", v.mul(60).mul(1.60934), b.mul(0.6214).div(60), AMBREL_SIZE(mi * 60)},
    {1, "MileHourField", "mile per hour", v.mul(1.60934), b.mul(0.6214), AMBREL_SIZE(mi)},
    {2, "KnotsField", "knot", v.mul(1.852), b.div(1.852), AMBREL_SIZE(1.852_x)},
    {2, "MachField", "Mach", v.mul(1063.77374), b.div(1063.77374), AMBREL_SIZE(340.294_x * ms), "Mach (sea level, 15 °C)"},
    {2, "LightSpeedField", "speed of light (c)", v.mul(299792458).mul(60).mul(60).div(1000),
     b.mul(1000).div(60).div(60).div(299792458), AMBREL_SIZE(299792458_x * ms)},
    {2, "WarpSpeedField", "warp factor", v.mul(299792458).mul(60).mul(60).div(1000), b},
};

}  // namespace

const ConverterDef kVelocityDef = {
    .identity = {.cliName = "velocity",
                 .className = "VelocityObject",
                 .openAction = "OpenVelocityWindow:",
                 .menuTitle = "&Velocity",
                 .menuPosition = 6,
                 .broadcastRank = 9},
    .windowOutlet = "VelocityWindow",
    .title = "Velocity",
    .notebookAction = "ShowNotebook:",
    .notebook = "Velocity",
    .boxes = kBoxes,
    .rows = kRows,
    .openBox = 0,
    .openTag = 5,
};

VelocityObject::VelocityObject(Platform& platform)
    : ConverterWindow(platform, kVelocityDef),
      lightRow_(fieldIndex("LightSpeedField")),
      warpRow_(fieldIndex("WarpSpeedField"))
{
}

double VelocityObject::warpEntry()
{
    double w = read(warpRow_);
    if (w > kWarpCap) {
        write(warpRow_, kWarpCap);
        w = kWarpCap;
    }
    return std::pow(w, kWarpIn);
}

void VelocityObject::writeWarp()
{
    double light = read(lightRow_);
    if (light > kLightSpeedCap) {
        write(lightRow_, kLightSpeedCap);
        light = kLightSpeedCap;
    }
    write(warpRow_, std::pow(light, kWarpOut));
}

void VelocityObject::convert(int boxNumber)
{
    const int edited = editedRow(boxNumber);
    if (edited == warpRow_)
        write(baseRowOf(warpRow_), def().rows[warpRow_].into.apply(warpEntry()));
    else if (edited >= 0 && !isBaseRow(edited))
        writeBaseFrom(edited);
    // Every linear unit from the base; the warp field comes last, from the
    // light-speed field. A warp entry keeps the light speed it produced, even
    // a rounding step above the cap.
    writeRange(0, warpRow_, edited);
    if (edited != warpRow_)
        writeWarp();
}

// The warp factor keeps its formula under exact definitions; a warp entry
// converts as the light-speed multiple it stands for.
void VelocityObject::convertExact(int boxNumber)
{
    const int edited = editedRow(boxNumber);
    if (edited == warpRow_) {
        const double light = warpEntry();
        writeExact(lightRow_, light, baseRowOf(lightRow_));
        writeExactRange(0, warpRow_, -1, lightRow_, light);
        return;
    }
    convertExactWithin(edited, 0, warpRow_);
    writeWarp();
}

}  // namespace ambrel
