// SPDX-License-Identifier: GPL-3.0-or-later
#include "converters/electricity.h"

#include "converters/sources.h"
#include "framework/translatable.h"

namespace ambrel {

namespace {

// clang-format off
constexpr BoxDef kBoxes[] = {
    {"CurrentBox", AMBREL_TEXT("Current"), "CurrentCalc:", "AmpereField"},
    {"ChargeBox", AMBREL_TEXT("Charge"), "ChargeCalc:", "CoulombField"},
    {"VoltageBox", AMBREL_TEXT("Voltage"), "VoltageCalc:", "VoltField"},
    {"ResistanceBox", AMBREL_TEXT("Resistance"), "ResistanceCalc:", "OhmField"},
    {"CapacitanceBox", AMBREL_TEXT("Capacitance"), "CapacitanceCalc:", "FaradField"},
    {"InductanceBox", AMBREL_TEXT("Inductance"), "InductanceCalc:", "HenryField"},
    {"ConductanceBox", AMBREL_TEXT("Conductance"), "ConductanceCalc:", "SiemensField"},
};
// clang-format on

// Exact sizes in amperes, coulombs, volts, ohms, farads, henries and
// siemens. An ampere hour is the charge of an ampere for an hour, 3600 C;
// the elementary charge is exact since 2019.
constexpr ExactNumber e = 1.602176634e-19_x;

// Shared words: C is the coulomb here and the degree Celsius in the
// temperatures, F the farad and the degree Fahrenheit; the unit converted
// into decides. H, S and mS differ from the hour, the second and the
// millisecond only in case. "u" stands for µ, and both the Greek omega and
// the ohm sign are read as Ω; the mho is the siemens under its old name.

// clang-format off
constexpr UnitRow kRows[] = {
    {.box = 0, .outlet = "MicroampereField", .unit = "microampere", .symbols = "µA|μA|uA", .aliases = "microamp",
     .exact = AMBREL_SIZE(1_x / 1000000), .source = kSiBrochure},
    {.box = 0, .outlet = "MilliampereField", .unit = "milliampere", .symbols = "mA", .aliases = "milliamp",
     .exact = AMBREL_SIZE(1_x / 1000), .source = kSiBrochure},
    {.box = 0, .outlet = "AmpereField", .unit = "ampere", .symbols = "A", .aliases = "amp",
     .exact = AMBREL_SIZE(1_x), .source = kSiBrochure},
    {.box = 0, .outlet = "KiloampereField", .unit = "kiloampere", .symbols = "kA", .aliases = "kiloamp",
     .exact = AMBREL_SIZE(1000_x), .source = kSiBrochure},
    {.box = 1, .outlet = "CoulombField", .unit = "coulomb", .symbols = "C", .aliases = "ampere second|amp second",
     .exact = AMBREL_SIZE(1_x), .source = kSiBrochure},
    {.box = 1, .outlet = "MillicoulombField", .unit = "millicoulomb", .symbols = "mC",
     .exact = AMBREL_SIZE(1_x / 1000), .source = kSiBrochure},
    {.box = 1, .outlet = "MicrocoulombField", .unit = "microcoulomb", .symbols = "µC|μC|uC",
     .exact = AMBREL_SIZE(1_x / 1000000), .source = kSiBrochure},
    {.box = 1, .outlet = "NanocoulombField", .unit = "nanocoulomb", .symbols = "nC",
     .exact = AMBREL_SIZE(1_x / 1000000000), .source = kSiBrochure},
    {.box = 1, .outlet = "MilliampereHourField", .unit = "milliampere hour", .symbols = "mAh|mA·h", .aliases = "milliamp hour",
     .exact = AMBREL_SIZE(3600_x / 1000), .source = kNistSp811},
    {.box = 1, .outlet = "AmpereHourField", .unit = "ampere hour", .symbols = "Ah|A·h", .aliases = "amp hour",
     .exact = AMBREL_SIZE(3600_x), .source = kNistSp811},
    {.box = 1, .outlet = "ElementaryChargeField", .unit = "elementary charge", .symbols = "e",
     .exact = AMBREL_SIZE(e), .source = kSiBrochure},
    {.box = 2, .outlet = "MicrovoltField", .unit = "microvolt", .symbols = "µV|μV|uV",
     .exact = AMBREL_SIZE(1_x / 1000000), .source = kSiBrochure},
    {.box = 2, .outlet = "MillivoltField", .unit = "millivolt", .symbols = "mV",
     .exact = AMBREL_SIZE(1_x / 1000), .source = kSiBrochure},
    {.box = 2, .outlet = "VoltField", .unit = "volt", .symbols = "V",
     .exact = AMBREL_SIZE(1_x), .source = kSiBrochure},
    {.box = 2, .outlet = "KilovoltField", .unit = "kilovolt", .symbols = "kV",
     .exact = AMBREL_SIZE(1000_x), .source = kSiBrochure},
    {.box = 2, .outlet = "MegavoltField", .unit = "megavolt", .symbols = "MV",
     .exact = AMBREL_SIZE(1000000_x), .source = kSiBrochure},
    {.box = 3, .outlet = "MicrohmField", .unit = "microohm", .symbols = "µΩ|μΩ|uΩ|µΩ|μΩ|uΩ|uohm", .aliases = "microhm",
     .exact = AMBREL_SIZE(1_x / 1000000), .source = kSiBrochure},
    {.box = 3, .outlet = "MilliohmField", .unit = "milliohm", .symbols = "mΩ|mΩ|mohm",
     .exact = AMBREL_SIZE(1_x / 1000), .source = kSiBrochure},
    {.box = 3, .outlet = "OhmField", .unit = "ohm", .symbols = "Ω|Ω",
     .exact = AMBREL_SIZE(1_x), .source = kSiBrochure},
    {.box = 3, .outlet = "KilohmField", .unit = "kilohm", .symbols = "kΩ|kΩ|kohm", .aliases = "kiloohm",
     .exact = AMBREL_SIZE(1000_x), .source = kSiBrochure},
    {.box = 3, .outlet = "MegohmField", .unit = "megohm", .symbols = "MΩ|MΩ|Mohm", .aliases = "megaohm",
     .exact = AMBREL_SIZE(1000000_x), .source = kSiBrochure},
    {.box = 4, .outlet = "FaradField", .unit = "farad", .symbols = "F",
     .exact = AMBREL_SIZE(1_x), .source = kSiBrochure},
    {.box = 4, .outlet = "MillifaradField", .unit = "millifarad", .symbols = "mF",
     .exact = AMBREL_SIZE(1_x / 1000), .source = kSiBrochure},
    {.box = 4, .outlet = "MicrofaradField", .unit = "microfarad", .symbols = "µF|μF|uF",
     .exact = AMBREL_SIZE(1_x / 1000000), .source = kSiBrochure},
    {.box = 4, .outlet = "NanofaradField", .unit = "nanofarad", .symbols = "nF",
     .exact = AMBREL_SIZE(1_x / 1000000000), .source = kSiBrochure},
    {.box = 4, .outlet = "PicofaradField", .unit = "picofarad", .symbols = "pF",
     .exact = AMBREL_SIZE(1_x / 1000000000000), .source = kSiBrochure},
    {.box = 5, .outlet = "HenryField", .unit = "henry", .symbols = "H", .aliases = "henries|henrys",
     .exact = AMBREL_SIZE(1_x), .source = kSiBrochure},
    {.box = 5, .outlet = "MillihenryField", .unit = "millihenry", .symbols = "mH", .aliases = "millihenries|millihenrys",
     .exact = AMBREL_SIZE(1_x / 1000), .source = kSiBrochure},
    {.box = 5, .outlet = "MicrohenryField", .unit = "microhenry", .symbols = "µH|μH|uH", .aliases = "microhenries|microhenrys",
     .exact = AMBREL_SIZE(1_x / 1000000), .source = kSiBrochure},
    {.box = 5, .outlet = "NanohenryField", .unit = "nanohenry", .symbols = "nH", .aliases = "nanohenries|nanohenrys",
     .exact = AMBREL_SIZE(1_x / 1000000000), .source = kSiBrochure},
    {.box = 6, .outlet = "SiemensField", .unit = "siemens", .symbols = "S|℧", .aliases = "mho",
     .exact = AMBREL_SIZE(1_x), .source = kSiBrochure},
    {.box = 6, .outlet = "MillisiemensField", .unit = "millisiemens", .symbols = "mS", .aliases = "millimho",
     .exact = AMBREL_SIZE(1_x / 1000), .source = kSiBrochure},
    {.box = 6, .outlet = "MicrosiemensField", .unit = "microsiemens", .symbols = "µS|μS|uS", .aliases = "micromho",
     .exact = AMBREL_SIZE(1_x / 1000000), .source = kSiBrochure},
};
// clang-format on
static_assert(wellFormedTable(kBoxes, kRows));
static_assert(!hasClassicFactors(kRows));

}  // namespace

const ConverterDef kElectricityDef = {
    .identity = {.cliName = "electricity",
                 .className = "ElectricityObject",
                 .openAction = "OpenElectricityWindow:",
                 // Every letter of the name is another button's: a digit.
                 .menuTitle = AMBREL_TEXT("Electricity (&2)"),
                 .menuGroup = MenuGroup::Science,
                 .menuPosition = 19,
                 .broadcastRank = 19},
    .windowOutlet = "ElectricityWindow",
    .title = AMBREL_TEXT("Electricity"),
    .notebookAction = "ShowNotebook:",
    .notebook = "Electricity",
    .boxes = kBoxes,
    .rows = kRows,
    .openBox = 0,
    .openTag = 2,
};

}  // namespace ambrel
