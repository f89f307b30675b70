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

// Most units are counted per liter (multiplied out of the base); the large
// ones and the imperial cooking measures in liters per unit. The rounded
// per-liter constants are kept with the digits they have: an imperial gallon
// is 4.5460000000002045 liters here, not 4.54609.
constexpr UnitRow kRows[] = {
    {0, "Mmilliiter", "milliliter", v.div(1000), b.mul(1000)},
    {0, "Mcentiliter", "centiliter", v.div(100), b.mul(100)},
    {0, "Mdeciliter", "deciliter", v.div(10), b.mul(10)},
    {0, "Mliter", "liter", v, b},
    {0, "Mdekaliter", "dekaliter", v.mul(10), b.div(10)},
    {0, "Mhectoliter", "hectoliter", v.mul(100), b.div(100)},
    {0, "Mkiloliter", "kiloliter", v.mul(1000), b.div(1000)},
    {1, "MDcmillimeter", "cubic millimeter", v.div(1000000), b.mul(1000000)},
    {1, "MDccentimeter", "cubic centimeter", v.div(1000), b.mul(1000)},
    {1, "MDcmeter", "cubic meter", v.mul(1000), b.div(1000)},
    {1, "MDckilometer", "cubic kilometer", v.mul(1000000000000), b.div(1000000000000)},
    {2, "Ipint", "imperial pint", v.div(1.7597579), b.mul(1.7597579)},
    {2, "Iquart", "imperial quart", v.div(0.88028169014084), b.mul(0.88028169014084)},
    {2, "Igallon", "imperial gallon", v.div(0.21997360316761), b.mul(0.21997360316761)},
    {2, "Iminim", "imperial minim", v.div(16893.6040815), b.mul(16893.6040815)},
    {2, "Igill", "imperial gill", v.div(7.0389819), b.mul(7.0389819)},
    {2, "Ipeck", "imperial peck", v.div(0.1098901098901), b.mul(0.1098901098901)},
    {2, "Ibushel", "imperial bushel", v.div(0.0277778), b.mul(0.0277778)},
    {3, "UScinch", "cubic inch", v.div(61.02361), b.mul(61.02361)},
    {3, "UScfoot", "cubic foot", v.div(0.0353146), b.mul(0.0353146)},
    {3, "UScyard", "cubic yard", v.mul(765), b.div(765)},
    {3, "USacrefoot", "acre-foot", v.mul(1233490), b.div(1233490)},
    {3, "USregisterton", "register ton", v.mul(2831.685), b.div(2831.685)},
    {3, "USdryounce", "US dry ounce", v.div(35.1963959), b.mul(35.1963959)},
    {3, "USdrydram", "US dry dram", v.div(281.5632391), b.mul(281.5632391)},
    {3, "USfluidonce", "US fluid ounce", v.div(33.8146282), b.mul(33.8146282)},
    {3, "USfuilddram", "US fluid dram", v.div(270.4895862), b.mul(270.4895862)},
    {3, "USgill", "US gill", v.div(8.4535141), b.mul(8.4535141)},
    {3, "USpint", "US pint", v.div(2.11337650068), b.mul(2.11337650068)},
    {3, "USquart", "US quart", v.div(1.0570825), b.mul(1.0570825)},
    {3, "USgallon", "US gallon", v.div(0.26420079260237), b.mul(0.26420079260237)},
    {3, "USbarrel", "US barrel", v.div(0.0083864), b.mul(0.0083864)},
    {3, "USbarrelofoil", "barrel of oil", v.mul(158.973), b.div(158.973)},
    {3, "USminim", "US minim", v.div(16231.1313099), b.mul(16231.1313099)},
    {4, "Mcookteaspoon", "metric teaspoon", v.div(200), b.mul(200)},
    {4, "Mcooktablespoon", "metric tablespoon", v.div(50), b.mul(50)},
    {4, "Mcookcup", "metric cup", v.mul(0.25), b.mul(4)},
    {5, "Icookteaspoon", "imperial teaspoon", v.mul(0.00493), b.div(0.00493)},
    {5, "Icooktablespoon", "imperial tablespoon", v.mul(0.01479), b.div(0.01479)},
    {5, "Icookcup", "imperial cup", v.mul(0.236584), b.div(0.236584)},
};

}  // namespace

const ConverterDef kVolumeDef = {
    "volume", "VolumeObject", "VolumeWindow", "Volume", "OpenVolumeWindow:", "ShowNotebook:",
    "Volume", kBoxes, kRows, 0, 3,
};

}  // namespace ambrel
