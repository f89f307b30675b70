#include "converters/volume.h"

namespace ambrel {

using table::b;
using table::v;

namespace {

constexpr BoxDef kBoxes[] = {
    {"MetricLiquidBox", "Metric liquid", "CalcMetricLiquid:", "Mliter"},
    {"MDMetricDryBox", "Metric cubic", "CalcMetricDry:", "Mliter"},
    {"ImperialBox", "Imperial", "CalcImperial:", "Mliter"},
    {"USBox", "US", "CalcUS:", "Mliter"},
    {"McookBox", "Metric cooking", "CalcCookingMetric:", "Mliter"},
    {"Icookbox", "Imperial cooking", "CalcCookingImperial:", "Mliter"},
};

// Exact sizes in liters: the UK's imperial gallon of 4.54609 L, the US
// gallon of 231 cubic inches, the US dry pint of 33.6003125 cubic inches.
constexpr ExactNumber in3 = 0.0254_x * 0.0254_x * 0.0254_x * 1000;
constexpr ExactNumber ft3 = 1728 * in3;
constexpr ExactNumber impgal = 4.54609_x;
constexpr ExactNumber usgal = 231 * in3;
constexpr ExactNumber usfloz = usgal / 128;
constexpr ExactNumber usdrypint = 33.6003125_x * in3;

// Most units are counted per liter (multiplied out of the base); the large
// ones and the imperial cooking measures in liters per unit. The rounded
// per-liter constants are kept with the digits they have: an imperial gallon
// is 4.5460000000002045 liters here, not 4.54609.
constexpr UnitRow kRows[] = {
    {0, "Mmilliiter", "milliliter", v.div(1000), b.mul(1000), AMBREL_SIZE(1_x / 1000)},
    {0, "Mcentiliter", "centiliter", v.div(100), b.mul(100), AMBREL_SIZE(1_x / 100)},
    {0, "Mdeciliter", "deciliter", v.div(10), b.mul(10), AMBREL_SIZE(1_x / 10)},
    {0, "Mliter", "liter", v, b, AMBREL_SIZE(1_x)},
    {0, "Mdekaliter", "dekaliter", v.mul(10), b.div(10), AMBREL_SIZE(10_x)},
    {0, "Mhectoliter", "hectoliter", v.mul(100), b.div(100), AMBREL_SIZE(100_x)},
    {0, "Mkiloliter", "kiloliter", v.mul(1000), b.div(1000), AMBREL_SIZE(1000_x)},
    {1, "MDcmillimeter", "cubic millimeter", v.div(1000000), b.mul(1000000), AMBREL_SIZE(1_x / 1000000)},
    {1, "MDccentimeter", "cubic centimeter", v.div(1000), b.mul(1000), AMBREL_SIZE(1_x / 1000)},
    {1, "MDcmeter", "cubic meter", v.mul(1000), b.div(1000), AMBREL_SIZE(1000_x)},
    {1, "MDckilometer", "cubic kilometer", v.mul(1000000000000), b.div(1000000000000), AMBREL_SIZE(1000000000000_x)},
    {2, "Ipint", "imperial pint", v.div(1.7597579), b.mul(1.7597579), AMBREL_SIZE(impgal / 8)},
    {2, "Iquart", "imperial quart", v.div(0.88028169014084), b.mul(0.88028169014084), AMBREL_SIZE(impgal / 4)},
    {2, "Igallon", "imperial gallon", v.div(0.21997360316761), b.mul(0.21997360316761), AMBREL_SIZE(impgal)},
    {2, "Iminim", "imperial minim", v.div(16893.6040815), b.mul(16893.6040815), AMBREL_SIZE(impgal / 160 / 8 / 60)},
    {2, "Igill", "imperial gill", v.div(7.0389819), b.mul(7.0389819), AMBREL_SIZE(impgal / 32)},
    {2, "Ipeck", "imperial peck", v.div(0.1098901098901), b.mul(0.1098901098901), AMBREL_SIZE(2 * impgal)},
    {2, "Ibushel", "imperial bushel", v.div(0.0277778), b.mul(0.0277778), AMBREL_SIZE(8 * impgal)},
    {3, "UScinch", "cubic inch", v.div(61.02361), b.mul(61.02361), AMBREL_SIZE(in3)},
    {3, "UScfoot", "cubic foot", v.div(0.0353146), b.mul(0.0353146), AMBREL_SIZE(ft3)},
    {3, "UScyard", "cubic yard", v.mul(765), b.div(765), AMBREL_SIZE(27 * ft3)},
    {3, "USacrefoot", "acre-foot", v.mul(1233490), b.div(1233490), AMBREL_SIZE(43560 * ft3)},
    {3, "USregisterton", "register ton", v.mul(2831.685), b.div(2831.685), AMBREL_SIZE(100 * ft3)},
    {3, "USdryounce", "US dry ounce", v.div(35.1963959), b.mul(35.1963959), AMBREL_SIZE(usdrypint / 16), "US dry ounce (1/16 dry pint)"},
    {3, "USdrydram", "US dry dram", v.div(281.5632391), b.mul(281.5632391), AMBREL_SIZE(usdrypint / 16 / 8), "US dry dram (1/8 dry ounce)"},
    {3, "USfluidonce", "US fluid ounce", v.div(33.8146282), b.mul(33.8146282), AMBREL_SIZE(usfloz)},
    {3, "USfuilddram", "US fluid dram", v.div(270.4895862), b.mul(270.4895862), AMBREL_SIZE(usfloz / 8)},
    {3, "USgill", "US gill", v.div(8.4535141), b.mul(8.4535141), AMBREL_SIZE(usgal / 32)},
    {3, "USpint", "US pint", v.div(2.11337650068), b.mul(2.11337650068), AMBREL_SIZE(usgal / 8)},
    {3, "USquart", "US quart", v.div(1.0570825), b.mul(1.0570825), AMBREL_SIZE(usgal / 4)},
    {3, "USgallon", "US gallon", v.div(0.26420079260237), b.mul(0.26420079260237), AMBREL_SIZE(usgal)},
    {3, "USbarrel", "US barrel", v.div(0.0083864), b.mul(0.0083864), AMBREL_SIZE(31.5_x * usgal)},
    {3, "USbarrelofoil", "barrel of oil", v.mul(158.973), b.div(158.973), AMBREL_SIZE(42 * usgal)},
    {3, "USminim", "US minim", v.div(16231.1313099), b.mul(16231.1313099), AMBREL_SIZE(usfloz / 8 / 60)},
    {4, "Mcookteaspoon", "metric teaspoon", v.div(200), b.mul(200), AMBREL_SIZE(5_x / 1000)},
    {4, "Mcooktablespoon", "metric tablespoon", v.div(50), b.mul(50), AMBREL_SIZE(15_x / 1000), "metric tablespoon (15 mL)"},
    {4, "Mcookcup", "metric cup", v.mul(0.25), b.mul(4), AMBREL_SIZE(250_x / 1000)},
    {5, "Icookteaspoon", "imperial teaspoon", v.mul(0.00493), b.div(0.00493), AMBREL_SIZE(usfloz / 6), "US teaspoon"},
    {5, "Icooktablespoon", "imperial tablespoon", v.mul(0.01479), b.div(0.01479), AMBREL_SIZE(usfloz / 2), "US tablespoon"},
    {5, "Icookcup", "imperial cup", v.mul(0.236584), b.div(0.236584), AMBREL_SIZE(8 * usfloz), "US cup"},
};

}  // namespace

const ConverterDef kVolumeDef = {
    .identity = {.cliName = "volume",
                 .className = "VolumeObject",
                 .openAction = "OpenVolumeWindow:",
                 .menuTitle = "V&olume",
                 .menuPosition = 2,
                 .broadcastRank = 10},
    .windowOutlet = "VolumeWindow",
    .title = "Volume",
    .notebookAction = "ShowNotebook:",
    .notebook = "Volume",
    .boxes = kBoxes,
    .rows = kRows,
    .openBox = 0,
    .openTag = 3,
};

}  // namespace ambrel
