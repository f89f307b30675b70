// SPDX-License-Identifier: GPL-3.0-or-later
#include "converters/fuel_light.h"

#include "converters/sources.h"
#include "framework/translatable.h"

namespace ambrel {

using table::b;
using table::v;

namespace {

// clang-format off
constexpr BoxDef kBoxes[] = {
    {"FuelEfficBox", AMBREL_TEXT("Fuel efficiency"), "CalcFuelEfficency:", "KiloLiterfField"},
    {"IlluminanceBox", AMBREL_TEXT("Illuminance"), "CalcIlluminance:", "LuxField"},
    {"LuminanceBox", AMBREL_TEXT("Luminance"), "CalcLumiance:", "CandSqMeterField"},
};
// clang-format on

// Exact sizes in kilometers per liter, lux and candelas per square meter.
constexpr ExactNumber mi = 1.609344_x;                                      // in kilometers
constexpr ExactNumber usgal = 231 * 0.0254_x * 0.0254_x * 0.0254_x * 1000;  // in liters
constexpr ExactNumber impgal = 4.54609_x;                                   // in liters
constexpr ExactNumber ft2 = 0.3048_x * 0.3048_x;
constexpr ExactNumber in2 = 0.0254_x * 0.0254_x;

// Shared words: L is the liter of the volumes; the lambert has no
// abbreviation.
//
// The imperial rows have no classic factors: they convert by their sizes
// under either table set, the reciprocal one too.
//
// One factor, 0.4251437 km/l per mpg, serves both ways; volume per distance
// is a reciprocal, so 0 gives an infinite result. The light units come out
// through rounded factors of their own, not the reciprocals of those in.
// clang-format off
constexpr UnitRow kRows[] = {
    {.box = 0, .outlet = "KiloLiterfField", .unit = "kilometer per liter", .symbols = "km/l|km/L",
     .aliases = "kmpl",
     .exact = AMBREL_SIZE(1_x)},
    {.box = 0, .outlet = "MileGallonField", .unit = "mile per US gallon",
     .aliases = "mpg|mile per gallon",
     .into = v.mul(0.4251437), .out = b.div(0.4251437), .exact = AMBREL_SIZE(mi / usgal)},
    {.box = 0, .outlet = "Litersper100km", .unit = "liter per 100 kilometers",
     .symbols = "l/100km|L/100km|l/100 km|L/100 km",
     .into = v.divInto(100), .out = b.divInto(100), .exact = reciprocalSize(100, "100 / (km/L)")},
    {.box = 0, .outlet = "Gallonsper100miles", .unit = "US gallon per 100 miles",
     .symbols = "gal/100mi|gal/100 mi", .aliases = "gallon per 100 miles",
     .into = v.divInto(100).mul(0.4251437), .out = b.divInto(100).mul(0.4251437),
     .exact = reciprocalSize(100 * mi / usgal, "100 * mi / usgal / (km/L)")},
    {.box = 0, .outlet = "MileImpGallonField", .unit = "mile per imperial gallon",
     .aliases = "mpg imp|imperial mpg|mpg (imp)|mpg (imperial)|mpg UK|UK mpg|mile per imp gallon",
     .exact = AMBREL_SIZE(mi / impgal), .source = kNistHb44},
    {.box = 0, .outlet = "ImpGallonsper100miles", .unit = "imperial gallon per 100 miles",
     .symbols = "impgal/100mi|impgal/100 mi|imp gal/100mi|imp gal/100 mi",
     .exact = reciprocalSize(100 * mi / impgal, "100 * mi / impgal / (km/L)"), .source = kNistHb44},
    {.box = 1, .outlet = "LuxField", .unit = "lux", .symbols = "lx",
     .exact = AMBREL_SIZE(1_x)},
    {.box = 1, .outlet = "LumenSqMeter", .unit = "lumen per square meter", .symbols = "lm/m2|lm/m²",
     .into = v, .out = b, .exact = AMBREL_SIZE(1_x)},
    {.box = 1, .outlet = "LumenSqFootField", .unit = "lumen per square foot",
     .symbols = "lm/ft2|lm/ft²",
     .into = v.mul(10.76391), .out = b.mul(0.092903044), .exact = AMBREL_SIZE(1 / ft2)},
    {.box = 1, .outlet = "FootCandleField", .unit = "foot-candle", .symbols = "fc",
     .into = v.mul(10.76391), .out = b.mul(0.092903044), .exact = AMBREL_SIZE(1 / ft2)},
    {.box = 2, .outlet = "CandSqMeterField", .unit = "candela per square meter",
     .symbols = "cd/m2|cd/m²", .aliases = "nit",
     .exact = AMBREL_SIZE(1_x)},
    {.box = 2, .outlet = "CandSqInchField", .unit = "candela per square inch",
     .symbols = "cd/in2|cd/in²",
     .into = v.mul(1550.003), .out = b.mul(0.00064516004), .exact = AMBREL_SIZE(1 / in2)},
    {.box = 2, .outlet = "FootlambertField", .unit = "foot-lambert", .symbols = "fL|ftL",
     .into = v.mul(3.426259), .out = b.mul(0.29186352),
     .exact = AMBREL_SIZE(1 / (ExactNumber::pi() * ft2))},
    {.box = 2, .outlet = "LambertField", .unit = "lambert",
     .into = v.mul(3183.099), .out = b.mul(0.00031415925),
     .exact = AMBREL_SIZE(10000 / ExactNumber::pi())},
};
// clang-format on
static_assert(wellFormedTable(kBoxes, kRows));

}  // namespace

const ConverterDef kFuelLightDef = {
    .identity = {.cliName = "fuel-light",
                 .className = "MiscObject",
                 .openAction = "OpenMiscWindow:",
                 .menuTitle = AMBREL_TEXT("&Fuel efficiency and light"),
                 .menuPosition = 9,
                 .broadcastRank = 6},
    .windowOutlet = "MiscWindow",
    .title = AMBREL_TEXT("Fuel efficiency and light"),
    .notebookAction = "ShowNotebook:",
    .notebook = "Misc",
    .boxes = kBoxes,
    .rows = kRows,
    .openBox = 0,
    .openTag = 0,
};

MiscObject::MiscObject(Platform& platform) : SeparateBoxesWindow(platform, kFuelLightDef)
{
    addAction("Calc:", [this] { Calc(); });
}

}  // namespace ambrel
