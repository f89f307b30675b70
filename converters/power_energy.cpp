// SPDX-License-Identifier: GPL-3.0-or-later
#include "converters/power_energy.h"

#include "converters/sources.h"
#include "framework/translatable.h"

namespace ambrel {

using table::b;
using table::v;

namespace {

// clang-format off
constexpr BoxDef kBoxes[] = {
    {"PowerBox", AMBREL_TEXT("Power"), "CalcPower:", "Pwatt"},
    {"EnergyBox", AMBREL_TEXT("Energy"), "CalcEnergy:", "Ejoule"},
};
// clang-format on

// Exact sizes in watts and joules: the International Table BTU, the
// thermochemical calorie, the foot-pound-force of the international foot
// and pound under standard gravity.
constexpr ExactNumber btu = 1055.05585262_x;
constexpr ExactNumber ftlbf = 0.3048_x * 0.45359237_x * 9.80665_x;

// Shared words: hp and horsepower are 550 ft-lbf/s (metric: PS); cal and
// calorie the physics calorie (food: kcal, Cal); therm and thm the US therm;
// ton is the metric ton of the weights, this ton goes by its full name.
//
// The rows after the boiler horsepower and after the foot-pound-force have
// no classic factors: they convert by their sizes under either table set.
//
// Watts or joules per unit, multiplied in and divided out. The watt-hour
// goes through two steps of 60; the watt-second and newton-meter are the
// joule itself.
// clang-format off
constexpr UnitRow kRows[] = {
    {.box = 0, .outlet = "Pwatt", .unit = "watt", .symbols = "W|J/s",
     .exact = AMBREL_SIZE(1_x)},
    {.box = 0, .outlet = "Pkilowatt", .unit = "kilowatt", .symbols = "kW",
     .into = v.mul(1000), .out = b.div(1000), .exact = AMBREL_SIZE(1000_x)},
    {.box = 0, .outlet = "Pmegawatt", .unit = "megawatt", .symbols = "MW",
     .into = v.mul(1000000), .out = b.div(1000000), .exact = AMBREL_SIZE(1000000_x)},
    {.box = 0, .outlet = "Pbtupersecond", .unit = "BTU per second", .symbols = "BTU/s|Btu/s",
     .into = v.mul(1055.056), .out = b.div(1055.056), .exact = AMBREL_SIZE(btu),
     .exactUnit = "BTU (IT) per second"},
    {.box = 0, .outlet = "Pbtuperhour", .unit = "BTU per hour", .symbols = "BTU/h|Btu/h",
     .into = v.mul(0.2930711), .out = b.div(0.2930711), .exact = AMBREL_SIZE(btu / 3600),
     .exactUnit = "BTU (IT) per hour"},
    {.box = 0, .outlet = "PfootPFpersecond", .unit = "foot-pound-force per second",
     .symbols = "ft·lbf/s|ft-lbf/s|ft lbf/s", .aliases = "foot-pound per second",
     .into = v.mul(1.355818), .out = b.div(1.355818), .exact = AMBREL_SIZE(ftlbf)},
    {.box = 0, .outlet = "Prefigerationton", .unit = "ton of refrigeration", .symbols = "TR",
     .aliases = "refrigeration ton",
     .into = v.mul(3516.85), .out = b.div(3516.85), .exact = AMBREL_SIZE(12000 * btu / 3600)},
    {.box = 0, .outlet = "Phorsepower550", .unit = "horsepower (550 ft-lbf/s)", .symbols = "hp",
     .aliases = "horsepower|mechanical horsepower",
     .into = v.mul(745.6999), .out = b.div(745.6999), .exact = AMBREL_SIZE(550 * ftlbf)},
    {.box = 0, .outlet = "PhorsepowerMetric", .unit = "metric horsepower", .symbols = "PS",
     .into = v.mul(735.499), .out = b.div(735.499), .exact = AMBREL_SIZE(75 * 9.80665_x)},
    {.box = 0, .outlet = "PhorsepowerElectric", .unit = "electric horsepower",
     .aliases = "electrical horsepower",
     .into = v.mul(746), .out = b.div(746), .exact = AMBREL_SIZE(746_x)},
    {.box = 0, .outlet = "PhorsepowerWater", .unit = "water horsepower",
     .into = v.mul(746.043), .out = b.div(746.043), .exact = AMBREL_SIZE(746.043_x)},
    {.box = 0, .outlet = "PhorsepowerBoiler", .unit = "boiler horsepower",
     .into = v.mul(9809.5), .out = b.div(9809.5), .exact = AMBREL_SIZE(9809.5_x)},
    {.box = 0, .outlet = "Pgigawatt", .unit = "gigawatt", .symbols = "GW",
     .exact = AMBREL_SIZE(1000000000_x), .source = kSiBrochure},
    {.box = 0, .outlet = "Pmilliwatt", .unit = "milliwatt", .symbols = "mW",
     .exact = AMBREL_SIZE(1_x / 1000), .source = kSiBrochure},
    {.box = 0, .outlet = "Pmicrowatt", .unit = "microwatt", .symbols = "µW|μW|uW",
     .exact = AMBREL_SIZE(1_x / 1000000), .source = kSiBrochure},
    {.box = 0, .outlet = "Pterawatt", .unit = "terawatt", .symbols = "TW",
     .exact = AMBREL_SIZE(1000000000000_x), .source = kSiBrochure},
    {.box = 0, .outlet = "Pkilocalorieperhour", .unit = "kilocalorie per hour", .symbols = "kcal/h",
     .exact = AMBREL_SIZE(4184_x / 3600), .source = kNistSp811},
    {.box = 0, .outlet = "Pcaloriepersecond", .unit = "calorie per second", .symbols = "cal/s",
     .exact = AMBREL_SIZE(4.184_x), .source = kNistSp811},
    {.box = 0, .outlet = "Pergpersecond", .unit = "erg per second", .symbols = "erg/s",
     .exact = AMBREL_SIZE(1_x / 10000000), .source = kNistSp811},
    {.box = 0, .outlet = "PfootPFperminute", .unit = "foot-pound-force per minute",
     .symbols = "ft·lbf/min|ft-lbf/min|ft lbf/min", .exact = AMBREL_SIZE(ftlbf / 60), .source = kNistSp811},
    {.box = 0, .outlet = "Pbtuperminute", .unit = "BTU per minute", .symbols = "BTU/min|Btu/min",
     .exact = AMBREL_SIZE(btu / 60), .source = kNistSp811},
    {.box = 1, .outlet = "Ejoule", .unit = "joule", .symbols = "J",
     .exact = AMBREL_SIZE(1_x)},
    {.box = 1, .outlet = "Ekilojoule", .unit = "kilojoule", .symbols = "kJ",
     .into = v.mul(1000), .out = b.div(1000), .exact = AMBREL_SIZE(1000_x)},
    {.box = 1, .outlet = "Emegajoule", .unit = "megajoule", .symbols = "MJ",
     .into = v.mul(1000000), .out = b.div(1000000), .exact = AMBREL_SIZE(1000000_x)},
    {.box = 1, .outlet = "Ewattsecond", .unit = "watt-second", .symbols = "Ws|W·s|W s",
     .into = v, .out = b, .exact = AMBREL_SIZE(1_x)},
    {.box = 1, .outlet = "Ewatthour", .unit = "watt-hour", .symbols = "Wh|W·h",
     .into = v.mul(60).mul(60), .out = b.div(60).div(60), .exact = AMBREL_SIZE(3600_x)},
    {.box = 1, .outlet = "Ekilowatthour", .unit = "kilowatt-hour", .symbols = "kWh|kW·h",
     .into = v.mul(3600000), .out = b.div(3600000), .exact = AMBREL_SIZE(3600000_x)},
    {.box = 1, .outlet = "EcaloriePhysics", .unit = "calorie (physics)", .symbols = "cal",
     .aliases = "calorie",
     .into = v.mul(4.184), .out = b.div(4.184), .exact = AMBREL_SIZE(4.184_x),
     .exactUnit = "calorie (thermochemical)"},
    {.box = 1, .outlet = "EcalorieNutrition", .unit = "calorie (nutrition)", .symbols = "kcal|Cal",
     .aliases = "kilocalorie|food calorie",
     .into = v.mul(4184), .out = b.div(4184), .exact = AMBREL_SIZE(4184_x),
     .exactUnit = "kilocalorie (thermochemical)"},
    {.box = 1, .outlet = "EnewtonMeter", .unit = "newton-meter", .symbols = "N·m|Nm|N m",
     .into = v, .out = b, .exact = AMBREL_SIZE(1_x)},
    {.box = 1, .outlet = "Ebtu", .unit = "BTU", .symbols = "Btu", .aliases = "british thermal unit",
     .into = v.mul(1055.056), .out = b.div(1055.056), .exact = AMBREL_SIZE(btu),
     .exactUnit = "BTU (IT)"},
    {.box = 1, .outlet = "EtermUS", .unit = "therm (US)", .symbols = "thm",
     .aliases = "therm|US therm",
     .into = v.mul(105480400), .out = b.div(105480400), .exact = AMBREL_SIZE(105480400_x)},
    {.box = 1, .outlet = "EtermEurope", .unit = "therm (Europe)", .aliases = "European therm",
     .into = v.mul(105505590), .out = b.div(105505590), .exact = AMBREL_SIZE(105506000_x),
     .exactUnit = "therm (EC)"},
    {.box = 1, .outlet = "EhorsepowerHour", .unit = "horsepower-hour", .symbols = "hp·h|hph|hp h",
     .into = v.mul(2684520), .out = b.div(2684520), .exact = AMBREL_SIZE(550 * ftlbf * 3600)},
    {.box = 1, .outlet = "Efootpoundforce", .unit = "foot-pound-force",
     .symbols = "ft·lbf|ft-lbf|ftlbf|ft lbf", .aliases = "foot-pound",
     .into = v.mul(1.355818), .out = b.div(1.355818), .exact = AMBREL_SIZE(ftlbf)},
    {.box = 1, .outlet = "Eelectronvolt", .unit = "electronvolt", .symbols = "eV",
     .aliases = "electron volt", .exact = AMBREL_SIZE(1.602176634e-19_x), .source = kSiBrochure},
    {.box = 1, .outlet = "Eerg", .unit = "erg",
     .exact = AMBREL_SIZE(1_x / 10000000), .source = kNistSp811},
    {.box = 1, .outlet = "EtonTNT", .unit = "ton of TNT", .symbols = "tTNT",
     .aliases = "tonne of TNT|ton TNT|tons TNT", .exact = AMBREL_SIZE(4184000000_x), .source = kNistSp811},
    {.box = 1, .outlet = "Egigawatthour", .unit = "gigawatt-hour", .symbols = "GWh|GW·h",
     .exact = AMBREL_SIZE(3600000000000_x), .source = kSiBrochure},
    {.box = 1, .outlet = "Eterawatthour", .unit = "terawatt-hour", .symbols = "TWh|TW·h",
     .exact = AMBREL_SIZE(3600000000000000_x), .source = kSiBrochure},
    {.box = 1, .outlet = "Emillijoule", .unit = "millijoule", .symbols = "mJ",
     .exact = AMBREL_SIZE(1_x / 1000), .source = kSiBrochure},
    {.box = 1, .outlet = "Egigajoule", .unit = "gigajoule", .symbols = "GJ",
     .exact = AMBREL_SIZE(1000000000_x), .source = kSiBrochure},
    {.box = 1, .outlet = "Eterajoule", .unit = "terajoule", .symbols = "TJ",
     .exact = AMBREL_SIZE(1000000000000_x), .source = kSiBrochure},
    {.box = 1, .outlet = "Emegawatthour", .unit = "megawatt-hour", .symbols = "MWh|MW·h",
     .exact = AMBREL_SIZE(3600000000_x), .source = kSiBrochure},
};
// clang-format on
static_assert(wellFormedTable(kBoxes, kRows));

}  // namespace

const ConverterDef kPowerEnergyDef = {
    .identity = {.cliName = "power-energy",
                 .className = "PowerEnergyObject",
                 .openAction = "OpenPowerEnergyWindow:",
                 .menuTitle = AMBREL_TEXT("Power and &energy"),
                 .menuGroup = MenuGroup::Science,
                 .menuPosition = 8,
                 .broadcastRank = 3},
    .windowOutlet = "PowerEnergyWindow",
    .title = AMBREL_TEXT("Power and energy"),
    .notebookAction = "ShowNoteBook:",
    .notebook = "PowerEnergy",
    .boxes = kBoxes,
    .rows = kRows,
    .openBox = 1,
    .openTag = 0,
    .linkedBases = true,
};

namespace {

// The link writes numbers a person did not type into the other box.
const char* linkNote(int boxNumber)
{
    return boxNumber == PowerEnergyObject::kPowerBox
        ? AMBREL_TEXT("The energy box shows one second at this power (1 watt for 1 second is 1 joule).")
        : AMBREL_TEXT("The power box shows this energy spent in one second (1 joule in 1 second is 1 watt).");
}

}  // namespace

void PowerEnergyObject::convert(int boxNumber)
{
    const int edited = editedRow(boxNumber);
    if (boxNumber == kPowerBox || boxNumber == kEnergyBox) {
        setCalculationNote(linkNote(boxNumber));
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
        writeExactRange(0, rowCount(), edited, -1);
        return;
    }
    setCalculationNote(linkNote(boxNumber));
    const int own = baseRowOf(boxFirstRow(boxNumber));
    const int other = baseRowOf(boxFirstRow(1 - boxNumber));
    const int from = edited >= 0 ? edited : own;
    if (from != own)
        writeExact(from, own);
    writeExact(from, other);
    writeExactRange(0, rowCount(), edited, from);
}

}  // namespace ambrel
