// SPDX-License-Identifier: GPL-3.0-or-later
#include "converters/heat.h"

#include "converters/sources.h"
#include "framework/translatable.h"

namespace ambrel {

namespace {

// clang-format off
constexpr BoxDef kBoxes[] = {
    {"SpecificEnergyBox", AMBREL_TEXT("Specific energy"), "SpecificEnergyCalc:", "JoulePerKgField"},
    {"SpecificHeatBox", AMBREL_TEXT("Specific heat capacity"), "SpecificHeatCalc:", "JoulePerKgKelvinField"},
    {"ConductivityBox", AMBREL_TEXT("Thermal conductivity"), "ConductivityCalc:", "WattPerMeterKelvinField"},
    {"HeatFluxBox", AMBREL_TEXT("Heat flux density"), "HeatFluxCalc:", "WattPerSqMeterField"},
    {"TransferCoefficientBox", AMBREL_TEXT("Heat transfer coefficient"), "TransferCoefficientCalc:", "WattPerSqMeterKelvinField"},
    {"InsulanceBox", AMBREL_TEXT("Thermal insulance"), "InsulanceCalc:", "SqMeterKelvinPerWattField"},
};
// clang-format on

// Exact sizes in J/kg, J/(kg·K), W/(m·K), W/m², W/(m²·K) and m²·K/W. The
// calorie is the International Table calorie of the steam tables, with which
// a BTU per pound degree Fahrenheit is exactly a calorie per gram degree
// Celsius; only the langley keeps the thermochemical calorie it is defined
// by. A degree here is a temperature difference: a degree Celsius is a
// kelvin, a degree Fahrenheit 5/9 of one.
constexpr ExactNumber btu = 1055.05585262_x;
constexpr ExactNumber calIt = 4.1868_x;
constexpr ExactNumber calTh = 4.184_x;
constexpr ExactNumber lb = 0.45359237_x;
constexpr ExactNumber ft = 0.3048_x;
constexpr ExactNumber in = 0.0254_x;
constexpr ExactNumber hour = 3600_x;
constexpr ExactNumber perDegF = 9_x / 5;

// A quantity reads "/" before a parenthesis as arithmetic, so each unit is
// also written without them ("W/m·K"); a space, "*" or "-" reads as the dot,
// and "F" and "C" stand for the degrees.

// clang-format off
constexpr UnitRow kRows[] = {
    {.box = 0, .outlet = "JoulePerKgField", .unit = "joule per kilogram", .symbols = "J/kg",
     .exact = AMBREL_SIZE(1_x), .source = kSiBrochure},
    {.box = 0, .outlet = "KilojoulePerKgField", .unit = "kilojoule per kilogram", .symbols = "kJ/kg|J/g",
     .exact = AMBREL_SIZE(1000_x), .source = kSiBrochure},
    {.box = 0, .outlet = "MegajoulePerKgField", .unit = "megajoule per kilogram", .symbols = "MJ/kg|kJ/g",
     .exact = AMBREL_SIZE(1000000_x), .source = kSiBrochure},
    {.box = 0, .outlet = "WattHourPerKgField", .unit = "watt hour per kilogram", .symbols = "Wh/kg|W·h/kg",
     .exact = AMBREL_SIZE(hour), .source = kSiBrochure},
    {.box = 0, .outlet = "KilowattHourPerKgField", .unit = "kilowatt hour per kilogram", .symbols = "kWh/kg|kW·h/kg",
     .exact = AMBREL_SIZE(1000 * hour), .source = kSiBrochure},
    {.box = 0, .outlet = "CaloriePerGramField", .unit = "calorie per gram", .symbols = "cal/g|kcal/kg|cal_IT/g",
     .aliases = "kilocalorie per kilogram",
     .exact = AMBREL_SIZE(calIt * 1000), .source = kNistSp811},
    {.box = 0, .outlet = "BtuPerPoundField", .unit = "BTU per pound", .symbols = "BTU/lb|BTU/lbm",
     .aliases = "british thermal unit per pound",
     .exact = AMBREL_SIZE(btu / lb), .source = kNistSp811},

    {.box = 1, .outlet = "JoulePerKgKelvinField", .unit = "joule per kilogram kelvin",
     .symbols = "J/(kg·K)|J/kg·K|J/kgK|J/kg/K|J/(kg·°C)|J/kg·°C|J/kg·C",
     .exact = AMBREL_SIZE(1_x), .source = kSiBrochure},
    {.box = 1, .outlet = "KilojoulePerKgKelvinField", .unit = "kilojoule per kilogram kelvin",
     .symbols = "kJ/(kg·K)|kJ/kg·K|kJ/kgK|kJ/(kg·°C)|kJ/kg·°C|kJ/kg·C|J/(g·K)|J/g·K|J/gK|J/(g·°C)|J/g·°C",
     .aliases = "joule per gram kelvin|kilojoule per kilogram degree celsius",
     .exact = AMBREL_SIZE(1000_x), .source = kSiBrochure},
    {.box = 1, .outlet = "CaloriePerGramCelsiusField", .unit = "calorie per gram degree Celsius",
     .symbols = "cal/(g·°C)|cal/g·°C|cal/g·C|cal/g·K|kcal/(kg·°C)|kcal/kg·°C|kcal/kg·C|kcal/kg·K",
     .aliases = "kilocalorie per kilogram degree celsius",
     .exact = AMBREL_SIZE(calIt * 1000), .source = kNistSp811},
    {.box = 1, .outlet = "BtuPerPoundFahrenheitField", .unit = "BTU per pound degree Fahrenheit",
     .symbols = "BTU/(lb·°F)|BTU/lb·°F|BTU/lb·F|BTU/lbF|BTU/lb/F",
     .exact = AMBREL_SIZE(btu / lb * perDegF), .source = kNistSp811},

    {.box = 2, .outlet = "WattPerMeterKelvinField", .unit = "watt per meter kelvin",
     .symbols = "W/(m·K)|W/m·K|W/mK|W/m/K|W/(m·°C)|W/m·°C|W/m·C",
     .exact = AMBREL_SIZE(1_x), .source = kSiBrochure},
    {.box = 2, .outlet = "WattPerCmKelvinField", .unit = "watt per centimeter kelvin",
     .symbols = "W/(cm·K)|W/cm·K|W/cmK|W/cm·°C",
     .exact = AMBREL_SIZE(100_x), .source = kSiBrochure},
    {.box = 2, .outlet = "BtuPerHourFootFahrenheitField", .unit = "BTU per hour foot degree Fahrenheit",
     .symbols = "BTU/(h·ft·°F)|BTU/h·ft·°F|BTU/h·ft·F|BTU/hr·ft·F",
     .exact = AMBREL_SIZE(btu / (hour * ft) * perDegF), .source = kNistSp811},
    {.box = 2, .outlet = "BtuInchPerHourSqFootFahrenheitField", .unit = "BTU inch per hour square foot degree Fahrenheit",
     .symbols = "BTU·in/(h·ft²·°F)|BTU·in/h·ft²·°F|BTU·in/h·ft2·F|BTU·in/hr·ft2·F",
     .exact = AMBREL_SIZE(btu * in / (hour * ft * ft) * perDegF), .source = kNistSp811},
    {.box = 2, .outlet = "CaloriePerSecondCmCelsiusField", .unit = "calorie per second centimeter degree Celsius",
     .symbols = "cal/(s·cm·°C)|cal/s·cm·°C|cal/s·cm·C|cal/cm·s·C",
     .exact = AMBREL_SIZE(calIt * 100), .source = kNistSp811},
    {.box = 2, .outlet = "KilocaloriePerHourMeterCelsiusField", .unit = "kilocalorie per hour meter degree Celsius",
     .symbols = "kcal/(h·m·°C)|kcal/h·m·°C|kcal/h·m·C|kcal/m·h·C",
     .exact = AMBREL_SIZE(calIt * 1000 / hour), .source = kNistSp811},

    {.box = 3, .outlet = "WattPerSqMeterField", .unit = "watt per square meter", .symbols = "W/m²|W/m2",
     .exact = AMBREL_SIZE(1_x), .source = kSiBrochure},
    {.box = 3, .outlet = "KilowattPerSqMeterField", .unit = "kilowatt per square meter", .symbols = "kW/m²|kW/m2",
     .exact = AMBREL_SIZE(1000_x), .source = kSiBrochure},
    {.box = 3, .outlet = "WattPerSqCmField", .unit = "watt per square centimeter", .symbols = "W/cm²|W/cm2",
     .exact = AMBREL_SIZE(10000_x), .source = kSiBrochure},
    {.box = 3, .outlet = "MilliwattPerSqCmField", .unit = "milliwatt per square centimeter", .symbols = "mW/cm²|mW/cm2",
     .exact = AMBREL_SIZE(10_x), .source = kSiBrochure},
    {.box = 3, .outlet = "BtuPerHourSqFootField", .unit = "BTU per hour square foot",
     .symbols = "BTU/(h·ft²)|BTU/h·ft²|BTU/h·ft2|BTU/hr·ft2|BTU/ft2·h|BTU/h/ft²|BTU/h/ft2",
     .exact = AMBREL_SIZE(btu / (hour * ft * ft)), .source = kNistSp811},
    {.box = 3, .outlet = "KilocaloriePerHourSqMeterField", .unit = "kilocalorie per hour square meter",
     .symbols = "kcal/(h·m²)|kcal/h·m²|kcal/h·m2|kcal/m2·h",
     .exact = AMBREL_SIZE(calIt * 1000 / hour), .source = kNistSp811},
    {.box = 3, .outlet = "CaloriePerSqCmSecondField", .unit = "calorie per square centimeter second",
     .symbols = "cal/(cm²·s)|cal/cm²·s|cal/cm2·s|cal/cm2/s",
     .exact = AMBREL_SIZE(calIt * 10000), .source = kNistSp811},
    {.box = 3, .outlet = "LangleyPerMinuteField", .unit = "langley per minute", .symbols = "ly/min|Ly/min",
     .exact = AMBREL_SIZE(calTh * 10000 / 60), .source = kNistSp811},

    {.box = 4, .outlet = "WattPerSqMeterKelvinField", .unit = "watt per square meter kelvin",
     .symbols = "W/(m²·K)|W/m²·K|W/m2·K|W/m2K|W/m2/K|W/(m²·°C)|W/m²·°C|W/m2·C",
     .exact = AMBREL_SIZE(1_x), .source = kSiBrochure},
    {.box = 4, .outlet = "KilowattPerSqMeterKelvinField", .unit = "kilowatt per square meter kelvin",
     .symbols = "kW/(m²·K)|kW/m²·K|kW/m2·K|kW/m2K",
     .exact = AMBREL_SIZE(1000_x), .source = kSiBrochure},
    {.box = 4, .outlet = "BtuPerHourSqFootFahrenheitField", .unit = "BTU per hour square foot degree Fahrenheit",
     .symbols = "BTU/(h·ft²·°F)|BTU/h·ft²·°F|BTU/h·ft2·F|BTU/hr·ft2·F",
     .exact = AMBREL_SIZE(btu / (hour * ft * ft) * perDegF), .source = kNistSp811},
    {.box = 4, .outlet = "KilocaloriePerHourSqMeterCelsiusField", .unit = "kilocalorie per hour square meter degree Celsius",
     .symbols = "kcal/(h·m²·°C)|kcal/h·m²·°C|kcal/h·m2·C|kcal/m2·h·C",
     .exact = AMBREL_SIZE(calIt * 1000 / hour), .source = kNistSp811},

    {.box = 5, .outlet = "SqMeterKelvinPerWattField", .unit = "square meter kelvin per watt",
     .symbols = "m²·K/W|m2·K/W|m2K/W|K·m²/W|K·m2/W|m²·°C/W|m2·C/W|RSI", .aliases = "SI R-value",
     .exact = AMBREL_SIZE(1_x), .source = kSiBrochure},
    {.box = 5, .outlet = "SqFootFahrenheitHourPerBtuField", .unit = "square foot degree Fahrenheit hour per BTU",
     .symbols = "ft²·°F·h/BTU|ft2·F·h/BTU|h·ft²·°F/BTU|h·ft2·F/BTU|hr·ft2·F/BTU",
     .aliases = "R-value|US R-value|imperial R-value",
     .exact = AMBREL_SIZE(ft * ft * hour / (btu * perDegF)), .source = kNistSp811},
    {.box = 5, .outlet = "CloField", .unit = "clo", .symbols = "clo",
     .exact = AMBREL_SIZE(0.155_x), .source = kNistSp811},
};
// clang-format on
static_assert(wellFormedTable(kBoxes, kRows));
static_assert(!hasClassicFactors(kRows));

}  // namespace

const ConverterDef kHeatDef = {
    .identity = {.cliName = "heat",
                 .className = "HeatObject",
                 .openAction = "OpenHeatWindow:",
                 // Every letter of the name is another button's or a menu's: a digit.
                 .menuTitle = AMBREL_TEXT("Heat (&6)"),
                 .menuGroup = MenuGroup::Science,
                 .menuPosition = 24,
                 .broadcastRank = 24},
    .windowOutlet = "HeatWindow",
    .title = AMBREL_TEXT("Heat"),
    .notebookAction = "ShowNotebook:",
    .notebook = "Heat",
    .boxes = kBoxes,
    .rows = kRows,
    .openBox = 0,
    .openTag = 1,
};

}  // namespace ambrel
