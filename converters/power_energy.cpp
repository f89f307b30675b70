#include "converters/power_energy.h"

namespace ambrel {

using table::b;
using table::v;

namespace {

constexpr BoxDef kBoxes[] = {
    {"PowerBox", "Power", "CalcPower:", "Pwatt"},
    {"EnergyBox", "Energy", "CalcEnergy:", "Ejoule"},
};

// Exact sizes in watts and joules: the International Table BTU, the
// thermochemical calorie, the foot-pound-force of the international foot
// and pound under standard gravity.
constexpr ExactNumber btu = 1055.05585262_x;
constexpr ExactNumber ftlbf = 0.3048_x * 0.45359237_x * 9.80665_x;

// Watts or joules per unit, multiplied in and divided out. The watt-hour
// goes through two steps of 60; the watt-second and newton-meter are the
// joule itself.
constexpr UnitRow kRows[] = {
    {0, "Pwatt", "watt", v, b, AMBREL_SIZE(1_x)},
    {0, "Pkilowatt", "kilowatt", v.mul(1000), b.div(1000), AMBREL_SIZE(1000_x)},
    {0, "Pmegawatt", "megawatt", v.mul(1000000), b.div(1000000), AMBREL_SIZE(1000000_x)},
    {0, "Pbtupersecond", "BTU per second", v.mul(1055.056), b.div(1055.056), AMBREL_SIZE(btu), "BTU (IT) per second"},
    {0, "Pbtuperhour", "BTU per hour", v.mul(0.2930711), b.div(0.2930711), AMBREL_SIZE(btu / 3600), "BTU (IT) per hour"},
    {0, "PfootPFpersecond", "foot-pound-force per second", v.mul(1.355818), b.div(1.355818), AMBREL_SIZE(ftlbf)},
    {0, "Prefigerationton", "ton of refrigeration", v.mul(3516.85), b.div(3516.85), AMBREL_SIZE(12000 * btu / 3600)},
    {0, "Phorsepower550", "horsepower (550 ft-lbf/s)", v.mul(745.6999), b.div(745.6999), AMBREL_SIZE(550 * ftlbf)},
    {0, "PhorsepowerMetric", "metric horsepower", v.mul(735.499), b.div(735.499), AMBREL_SIZE(75 * 9.80665_x)},
    {0, "PhorsepowerElectric", "electric horsepower", v.mul(746), b.div(746), AMBREL_SIZE(746_x)},
    {0, "PhorsepowerWater", "water horsepower", v.mul(746.043), b.div(746.043), AMBREL_SIZE(746.043_x)},
    {0, "PhorsepowerBoiler", "boiler horsepower", v.mul(9809.5), b.div(9809.5), AMBREL_SIZE(9809.5_x)},
    {1, "Ejoule", "joule", v, b, AMBREL_SIZE(1_x)},
    {1, "Ekilojoule", "kilojoule", v.mul(1000), b.div(1000), AMBREL_SIZE(1000_x)},
    {1, "Emegajoule", "megajoule", v.mul(1000000), b.div(1000000), AMBREL_SIZE(1000000_x)},
    {1, "Ewattsecond", "watt-second", v, b, AMBREL_SIZE(1_x)},
    {1, "Ewatthour", "watt-hour", v.mul(60).mul(60), b.div(60).div(60), AMBREL_SIZE(3600_x)},
    {1, "Ekilowatthour", "kilowatt-hour", v.mul(3600000), b.div(3600000), AMBREL_SIZE(3600000_x)},
    {1, "EcaloriePhysics", "calorie (physics)", v.mul(4.184), b.div(4.184), AMBREL_SIZE(4.184_x), "calorie (thermochemical)"},
    {1, "EcalorieNutrition", "calorie (nutrition)", v.mul(4184), b.div(4184), AMBREL_SIZE(4184_x), "kilocalorie (thermochemical)"},
    {1, "EnewtonMeter", "newton-meter", v, b, AMBREL_SIZE(1_x)},
    {1, "Ebtu", "BTU", v.mul(1055.056), b.div(1055.056), AMBREL_SIZE(btu), "BTU (IT)"},
    {1, "EtermUS", "therm (US)", v.mul(105480400), b.div(105480400), AMBREL_SIZE(105480400_x)},
    {1, "EtermEurope", "therm (Europe)", v.mul(105505590), b.div(105505590), AMBREL_SIZE(105506000_x), "therm (EC)"},
    {1, "EhorsepowerHour", "horsepower-hour", v.mul(2684520), b.div(2684520), AMBREL_SIZE(550 * ftlbf * 3600)},
    {1, "Efootpoundforce", "foot-pound-force", v.mul(1.355818), b.div(1.355818), AMBREL_SIZE(ftlbf)},
};

}  // namespace

const ConverterDef kPowerEnergyDef = {
    .identity = {.cliName = "power-energy",
                 .className = "PowerEnergyObject",
                 .openAction = "OpenPowerEnergyWindow:",
                 .menuTitle = "Power and &energy",
                 .menuPosition = 8,
                 .broadcastRank = 3},
    .windowOutlet = "PowerEnergyWindow",
    .title = "Power and Energy",
    .notebookAction = "ShowNoteBook:",
    .notebook = "PowerEnergy",
    .boxes = kBoxes,
    .rows = kRows,
    .openBox = 1,
    .openTag = 0,
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


// Under exact definitions every field comes straight from the entry: a watt
// and a joule have the same size, as the link between the bases says.
void PowerEnergyObject::convertExact(int boxNumber)
{
    const int edited = editedRow(boxNumber);
    if (boxNumber != kPowerBox && boxNumber != kEnergyBox) {
        writeExactRange(0, rowCount(), edited, -1, 0);
        return;
    }
    const int own = baseRowOf(boxFirstRow(boxNumber));
    const int other = baseRowOf(boxFirstRow(1 - boxNumber));
    const int from = edited >= 0 ? edited : own;
    const double value = read(from);
    if (from != own)
        writeExact(from, value, own);
    write(other, read(own));
    writeExactRange(0, rowCount(), edited, from, value);
}

}  // namespace ambrel
