// SPDX-License-Identifier: GPL-3.0-or-later
#include "converters/velocity.h"

#include "converters/sources.h"
#include "framework/translatable.h"

#include <cmath>

namespace ambrel {

using table::b;
using table::v;

namespace {

// clang-format off
constexpr BoxDef kBoxes[] = {
    {"MetricBox", AMBREL_TEXT("Metric"), "CalcMetric:", "KiloHourField"},
    {"ImperialBox", AMBREL_TEXT("Imperial"), "CalcImperial:", "KiloHourField"},
    {"OtherBox", AMBREL_TEXT("Other"), "CalcOther:", "KiloHourField"},
};
// clang-format on

// Exact sizes in kilometers per hour.
constexpr ExactNumber ms = 3.6_x;            // a meter per second
constexpr ExactNumber ft = 0.3048_x / 1000;  // in kilometers
constexpr ExactNumber mi = 5280 * ft;

// Shared words: kt is the kiloton of the weights, knots are kn; c is the
// Celsius degree, the speed of light goes by its name.
//
// The mile goes in as 1.60934 km but comes out as × 0.6214. The warp row's
// "into" formula is applied to w^3.3333333333 (see convert()); it is never
// written from the base through the table.
// clang-format off
constexpr UnitRow kRows[] = {
    {.box = 0, .outlet = "MeterSecField", .unit = "meter per second", .symbols = "m/s",
     .into = v.div(1000).mul(60).mul(60), .out = b.mul(1000).div(60).div(60),
     .exact = AMBREL_SIZE(ms)},
    {.box = 0, .outlet = "MeterMinField", .unit = "meter per minute", .symbols = "m/min",
     .into = v.div(1000).mul(60), .out = b.mul(1000).div(60), .exact = AMBREL_SIZE(ms / 60)},
    {.box = 0, .outlet = "MeterHourField", .unit = "meter per hour", .symbols = "m/h",
     .into = v.div(1000), .out = b.mul(1000), .exact = AMBREL_SIZE(ms / 3600)},
    {.box = 0, .outlet = "KiloSecField", .unit = "kilometer per second", .symbols = "km/s",
     .into = v.mul(60).mul(60), .out = b.div(60).div(60), .exact = AMBREL_SIZE(3600_x)},
    {.box = 0, .outlet = "KiloMinField", .unit = "kilometer per minute", .symbols = "km/min",
     .into = v.mul(60), .out = b.div(60), .exact = AMBREL_SIZE(60_x)},
    {.box = 0, .outlet = "KiloHourField", .unit = "kilometer per hour", .symbols = "km/h|kmh",
     .aliases = "kph",
     .exact = AMBREL_SIZE(1_x)},
    {.box = 0, .outlet = "CentiSecField", .unit = "centimeter per second", .symbols = "cm/s",
     .exact = AMBREL_SIZE(ms / 100), .source = kSiBrochure},
    {.box = 0, .outlet = "MilliSecField", .unit = "millimeter per second", .symbols = "mm/s",
     .exact = AMBREL_SIZE(ms / 1000), .source = kSiBrochure},
    {.box = 0, .outlet = "MilliMinField", .unit = "millimeter per minute", .symbols = "mm/min",
     .exact = AMBREL_SIZE(ms / 1000 / 60), .source = kSiBrochure},
    {.box = 1, .outlet = "FeetSecField", .unit = "foot per second", .symbols = "ft/s",
     .aliases = "fps",
     .into = v.mul(0.3048).div(1000).mul(60).mul(60),
     .out = b.div(0.3048).mul(1000).div(60).div(60), .exact = AMBREL_SIZE(ft * 3600)},
    {.box = 1, .outlet = "FeetMinField", .unit = "foot per minute", .symbols = "ft/min",
     .aliases = "fpm",
     .into = v.mul(0.3048).div(1000).mul(60), .out = b.div(0.3048).mul(1000).div(60),
     .exact = AMBREL_SIZE(ft * 60)},
    {.box = 1, .outlet = "FeetHourField", .unit = "foot per hour", .symbols = "ft/h",
     .into = v.mul(0.3048).div(1000), .out = b.div(0.3048).mul(1000), .exact = AMBREL_SIZE(ft)},
    {.box = 1, .outlet = "MileSecField", .unit = "mile per second", .symbols = "mi/s",
     .into = v.mul(60).mul(60).mul(1.60934), .out = b.mul(0.6214).div(60).div(60),
     .exact = AMBREL_SIZE(mi * 3600)},
    {.box = 1, .outlet = "MileMinField", .unit = "mile per minute", .symbols = "mi/min",
     .into = v.mul(60).mul(1.60934), .out = b.mul(0.6214).div(60), .exact = AMBREL_SIZE(mi * 60)},
    {.box = 1, .outlet = "MileHourField", .unit = "mile per hour", .symbols = "mi/h",
     .aliases = "mph",
     .into = v.mul(1.60934), .out = b.mul(0.6214), .exact = AMBREL_SIZE(mi)},
    {.box = 1, .outlet = "InchSecField", .unit = "inch per second", .symbols = "in/s|ips",
     .exact = AMBREL_SIZE(ft / 12 * 3600), .source = kNistHb44},
    {.box = 1, .outlet = "InchMinField", .unit = "inch per minute", .symbols = "in/min|ipm",
     .exact = AMBREL_SIZE(ft / 12 * 60), .source = kNistHb44},
    {.box = 2, .outlet = "KnotsField", .unit = "knot", .symbols = "kn",
     .into = v.mul(1.852), .out = b.div(1.852), .exact = AMBREL_SIZE(1.852_x)},
    {.box = 2, .outlet = "MachField", .unit = "Mach", .aliases = "mach number",
     .into = v.mul(1063.77374), .out = b.div(1063.77374), .exact = AMBREL_SIZE(340.294_x * ms),
     .exactUnit = "Mach (sea level, 15 °C)"},
    {.box = 2, .outlet = "LightSpeedField", .unit = "speed of light (c)",
     .aliases = "speed of light",
     .into = v.mul(299792458).mul(60).mul(60).div(1000),
     .out = b.mul(1000).div(60).div(60).div(299792458), .exact = AMBREL_SIZE(299792458_x * ms)},
    {.box = 2, .outlet = "WarpSpeedField", .unit = "warp factor", .aliases = "warp",
     .into = v.mul(299792458).mul(60).mul(60).div(1000), .out = b},
};
// clang-format on
static_assert(wellFormedTable(kBoxes, kRows));

}  // namespace

const ConverterDef kVelocityDef = {
    .identity = {.cliName = "velocity",
                 .className = "VelocityObject",
                 .openAction = "OpenVelocityWindow:",
                 .menuTitle = AMBREL_TEXT("&Velocity"),
                 .menuPosition = 6,
                 .broadcastRank = 9},
    .windowOutlet = "VelocityWindow",
    .title = AMBREL_TEXT("Velocity"),
    .notebookAction = "ShowNotebook:",
    .notebook = "Velocity",
    .boxes = kBoxes,
    .rows = kRows,
    .openBox = 0,
    .openTag = 5,
};

namespace {

constexpr const char* kWarpCapped = AMBREL_TEXT("Capped at warp 9.99, the fastest speed this window converts.");
constexpr const char* kLightCapped =
    AMBREL_TEXT("Capped at 2147.26 times the speed of light (warp 9.99), the fastest speed this window converts.");

}  // namespace

VelocityObject::VelocityObject(Platform& platform)
    : ConverterWindow(platform, kVelocityDef), lightRow_(fieldIndex("LightSpeedField")),
      warpRow_(fieldIndex("WarpSpeedField"))
{}

double VelocityObject::warpEntry()
{
    double w = read(warpRow_);
    if (w > kWarpCap) {
        write(warpRow_, kWarpCap);
        w = kWarpCap;
        setCalculationNote(kWarpCapped);
    }
    return std::pow(w, kWarpIn);
}

void VelocityObject::writeWarp()
{
    double light = read(lightRow_);
    if (light > kLightSpeedCap) {
        write(lightRow_, kLightSpeedCap);
        light = kLightSpeedCap;
        setCalculationNote(kLightCapped);
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
        write(lightRow_, warpEntry());
        writeExact(lightRow_, baseRowOf(lightRow_));
        writeExactRange(0, warpRow_, lightRow_, lightRow_);
        return;
    }
    convertExactWithin(edited, 0, warpRow_);
    writeWarp();
}

}  // namespace ambrel
