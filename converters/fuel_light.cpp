#include "converters/fuel_light.h"

namespace ambrel {

using table::b;
using table::v;

namespace {

constexpr BoxDef kBoxes[] = {
    {"FuelEfficBox", "Fuel efficiency", "CalcFuelEfficency:", "KiloLiterfField"},
    {"IlluminanceBox", "Illuminance", "CalcIlluminance:", "LuxField"},
    {"LuminanceBox", "Luminance", "CalcLumiance:", "CandSqMeterField"},
};

// Exact sizes in kilometers per liter, lux and candelas per square meter.
constexpr ExactNumber mi = 1.609344_x;  // in kilometers
constexpr ExactNumber usgal = 231 * 0.0254_x * 0.0254_x * 0.0254_x * 1000;  // in liters
constexpr ExactNumber ft2 = 0.3048_x * 0.3048_x;
constexpr ExactNumber in2 = 0.0254_x * 0.0254_x;

// One factor, 0.4251437 km/l per mpg, serves both ways; volume per distance
// is a reciprocal, so 0 gives an infinite result. The light units come out
// through rounded factors of their own, not the reciprocals of those in.
constexpr UnitRow kRows[] = {
    {0, "KiloLiterfField", "kilometer per liter", v, b, AMBREL_SIZE(1_x)},
    {0, "MileGallonField", "mile per US gallon", v.mul(0.4251437), b.div(0.4251437), AMBREL_SIZE(mi / usgal)},
    {0, "Litersper100km", "liter per 100 kilometers", v.divInto(100), b.divInto(100), reciprocalSize(100, "100 / (km/L)")},
    {0, "Gallonsper100miles", "US gallon per 100 miles", v.divInto(100).mul(0.4251437),
     b.divInto(100).mul(0.4251437), reciprocalSize(100 * mi / usgal, "100 * mi / usgal / (km/L)")},
    {1, "LuxField", "lux", v, b, AMBREL_SIZE(1_x)},
    {1, "LumenSqMeter", "lumen per square meter", v, b, AMBREL_SIZE(1_x)},
    {1, "LumenSqFootField", "lumen per square foot", v.mul(10.76391), b.mul(0.092903044), AMBREL_SIZE(1 / ft2)},
    {1, "FootCandleField", "foot-candle", v.mul(10.76391), b.mul(0.092903044), AMBREL_SIZE(1 / ft2)},
    {2, "CandSqMeterField", "candela per square meter", v, b, AMBREL_SIZE(1_x)},
    {2, "CandSqInchField", "candela per square inch", v.mul(1550.003), b.mul(0.00064516004), AMBREL_SIZE(1 / in2)},
    {2, "FootlambertField", "foot-lambert", v.mul(3.426259), b.mul(0.29186352), AMBREL_SIZE(1 / (ExactNumber::pi() * ft2))},
    {2, "LambertField", "lambert", v.mul(3183.099), b.mul(0.00031415925), AMBREL_SIZE(10000 / ExactNumber::pi())},
};

}  // namespace

const ConverterDef kFuelLightDef = {
    .identity = {.cliName = "fuel-light",
                 .className = "MiscObject",
                 .openAction = "OpenMiscWindow:",
                 .menuTitle = "&Fuel and light",
                 .menuPosition = 9,
                 .broadcastRank = 6},
    .windowOutlet = "MiscWindow",
    .title = "Fuel Efficiency and Light",
    .notebookAction = "ShowNotebook:",
    .notebook = "Misc",
    .boxes = kBoxes,
    .rows = kRows,
    .openBox = -1,
    .openTag = 0,
};

MiscObject::MiscObject(Platform& platform) : ConverterWindow(platform, kFuelLightDef)
{
    addAction("Calc:", [this] { Calc(); });
}

void MiscObject::convert(int box)
{
    if (box < 0 || box >= boxCount())
        return;
    const int edited = editedRow(box);
    if (edited >= 0 && !isBaseRow(edited))
        writeBaseFrom(edited);
    const int first = boxFirstRow(box);
    writeRange(first, first + boxRowCount(box), edited);
}


void MiscObject::convertExact(int box)
{
    if (box < 0 || box >= boxCount())
        return;
    const int first = boxFirstRow(box);
    convertExactWithin(editedRow(box), first, first + boxRowCount(box));
}

void MiscObject::repeatEntries()
{
    for (int box = 0; box < boxCount(); ++box)
        repeatEntry(box);
}

}  // namespace ambrel
