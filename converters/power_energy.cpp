#include "converters/power_energy.h"

namespace ambrel {

using table::b;
using table::v;

namespace {

constexpr BoxDef kBoxes[] = {
    {"PowerBox", "Power", "CalcPower:", "Pwatt"},
    {"EnergyBox", "Energy", "CalcEnergy:", "Ejoule"},
};

// Watts or joules per unit, multiplied in and divided out. The watt-hour
// goes through two steps of 60; the watt-second and newton-meter are the
// joule itself.
constexpr UnitRow kRows[] = {
    {0, "Pwatt", "watt", v, b},
    {0, "Pkilowatt", "kilowatt", v.mul(1000), b.div(1000)},
    {0, "Pmegawatt", "megawatt", v.mul(1000000), b.div(1000000)},
    {0, "Pbtupersecond", "BTU per second", v.mul(1055.056), b.div(1055.056)},
    {0, "Pbtuperhour", "BTU per hour", v.mul(0.2930711), b.div(0.2930711)},
    {0, "PfootPFpersecond", "foot-pound-force per second", v.mul(1.355818), b.div(1.355818)},
    {0, "Prefigerationton", "ton of refrigeration", v.mul(3516.85), b.div(3516.85)},
    {0, "Phorsepower550", "horsepower (550 ft-lbf/s)", v.mul(745.6999), b.div(745.6999)},
    {0, "PhorsepowerMetric", "metric horsepower", v.mul(735.499), b.div(735.499)},
    {0, "PhorsepowerElectric", "electric horsepower", v.mul(746), b.div(746)},
    {0, "PhorsepowerWater", "water horsepower", v.mul(746.043), b.div(746.043)},
    {0, "PhorsepowerBoiler", "boiler horsepower", v.mul(9809.5), b.div(9809.5)},
    {1, "Ejoule", "joule", v, b},
    {1, "Ekilojoule", "kilojoule", v.mul(1000), b.div(1000)},
    {1, "Emegajoule", "megajoule", v.mul(1000000), b.div(1000000)},
    {1, "Ewattsecond", "watt-second", v, b},
    {1, "Ewatthour", "watt-hour", v.mul(60).mul(60), b.div(60).div(60)},
    {1, "Ekilowatthour", "kilowatt-hour", v.mul(3600000), b.div(3600000)},
    {1, "EcaloriePhysics", "calorie (physics)", v.mul(4.184), b.div(4.184)},
    {1, "EcalorieNutrition", "calorie (nutrition)", v.mul(4184), b.div(4184)},
    {1, "EnewtonMeter", "newton-meter", v, b},
    {1, "Ebtu", "BTU", v.mul(1055.056), b.div(1055.056)},
    {1, "EtermUS", "therm (US)", v.mul(105480400), b.div(105480400)},
    {1, "EtermEurope", "therm (Europe)", v.mul(105505590), b.div(105505590)},
    {1, "EhorsepowerHour", "horsepower-hour", v.mul(2684520), b.div(2684520)},
    {1, "Efootpoundforce", "foot-pound-force", v.mul(1.355818), b.div(1.355818)},
};

}  // namespace

const ConverterDef kPowerEnergyDef = {
    "power-energy", "PowerEnergyObject", "PowerEnergyWindow", "Power and Energy", "OpenPowerEnergyWindow:",
    "ShowNoteBook:", "PowerEnergy", kBoxes, kRows, 1, 0,
};

void PowerEnergyObject::convert(int boxNumber)
{
    const int edited = editedRow(boxNumber);
    if (boxNumber == kPowerBox || boxNumber == kEnergyBox) {
        // A tag that names no field counts as an edit of the box's base.
        if (edited >= 0 && !isBaseRow(edited))
            writeBaseFrom(edited);
        const int own = baseRowOf(boxFirstRow(boxNumber));
        const int other = baseRowOf(boxFirstRow(1 - boxNumber));
        write(other, read(own));
    }
    // With no box named the bases stay unlinked: each box from its own base.
    writeRange(0, rowCount(), edited);
}

}  // namespace ambrel
