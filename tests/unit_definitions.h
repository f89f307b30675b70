// SPDX-License-Identifier: GPL-3.0-or-later
// Every unit of every converter window as its definition reads, written from
// NIST SP 811 (appendix B), NIST Handbook 44 (appendix C), the SI Brochure
// and IEC 80000-13, independently of the program's tables: a test that
// compared the tables with themselves would find nothing.
//
// A size is an expression in the window's base unit: decimals, + - * / ^ and
// parentheses, and `pi`. The value v of a unit is v × size + offset in the
// base unit, or size ÷ v for a reciprocal unit.
#pragma once

#include <gmpxx.h>
#include <mpfr.h>

#include <cctype>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <string_view>

namespace ambrel::testing {

struct Definition {
    const char* window;  // command-line name
    const char* outlet;
    const char* size;          // in the base unit of the outlet's conversion group
    const char* offset = "0";  // base = v × size + offset
    bool reciprocal = false;   // base = size ÷ v
    int system = -1;           // the data sizes: 0 binary prefixes, 1 decimal; -1 any
};

// Units that convert into each other share a group; other boxes of the same
// window are apart (the three of fuel efficiency and light).
struct Group {
    const char* window;
    const char* outlets;  // a box's base outlet, or "" for every unit of the window
};

// clang-format off
// Bases: length m, area m², velocity km/h, pressure kPa, temperature °C, time
// h, volume L, weight g (forces at standard gravity), power W and energy J
// (one group: a watt second is a joule), km/L, lx, cd/m², byte; angle
// degree, frequency Hz, force N, torque N·m, acceleration m/s², density
// kg/m³, data rate bit/s; flow m³/s and kg/s, electricity A, C, V and Ω,
// radiation Gy, Sv, Bq, C/kg, Gy/h and Sv/h, viscosity Pa·s and m²/s, substance mol,
// mol/L, mol/kg and kat (each a group).
inline const Definition kDefinitions[] = {
    // SI prefixes; the foot and yard of 1959; survey measures in international feet.
    {"length", "MillimetersField", "1/1000"}, {"length", "CentimetersField", "1/100"},
    {"length", "DecimeterField", "1/10"}, {"length", "MetersField", "1"}, {"length", "DekameterField", "10"},
    {"length", "HectometerField", "100"}, {"length", "KilometersField", "1000"},
    {"length", "InchesField", "0.0254"}, {"length", "FeetField", "0.3048"}, {"length", "YardsField", "0.9144"},
    {"length", "RodField", "5.0292"}, {"length", "ChainField", "20.1168"}, {"length", "FurlongField", "201.168"},
    {"length", "MilesField", "1609.344"}, {"length", "LeagueField", "3 * 1609.344"},
    {"length", "NauticalMileField", "1852"},
    // IAU 2012 astronomical unit and 2015 parsec; the light year of the Julian year.
    {"length", "ParsecField", "648000 / pi * 149597870700"}, {"length", "LightYearField", "9460730472580800"},
    {"length", "AstroUnitField", "149597870700"},

    {"area", "SqMillimeter", "1e-6"}, {"area", "SqCentimeter", "1e-4"}, {"area", "SqMeter", "1"},
    {"area", "SqAre", "100"}, {"area", "SqHectare", "1e4"}, {"area", "SqKilometer", "1e6"},
    {"area", "SqInch", "6.4516e-4"}, {"area", "SqFoot", "9.290304e-2"}, {"area", "SqYard", "0.83612736"},
    {"area", "SqRod", "25.29285264"}, {"area", "SqRood", "4046.8564224 / 4"}, {"area", "SqAcre", "4046.8564224"},
    {"area", "SqMileArea", "2589988.110336"},

    {"velocity", "MeterSecField", "3.6"}, {"velocity", "MeterMinField", "0.06"},
    {"velocity", "MeterHourField", "0.001"}, {"velocity", "KiloSecField", "3600"},
    {"velocity", "KiloMinField", "60"}, {"velocity", "KiloHourField", "1"},
    {"velocity", "FeetSecField", "1.09728"}, {"velocity", "FeetMinField", "0.018288"},
    {"velocity", "FeetHourField", "0.0003048"}, {"velocity", "MileSecField", "1609.344 * 3.6"},
    {"velocity", "MileMinField", "1609.344 * 0.06"}, {"velocity", "MileHourField", "1.609344"},
    {"velocity", "KnotsField", "1.852"},
    // The speed of sound at sea level in the ICAO standard atmosphere (15 °C).
    {"velocity", "MachField", "340.294 * 3.6"}, {"velocity", "LightSpeedField", "299792458 * 3.6"},

    {"pressure", "PascalField", "0.001"}, {"pressure", "KilopascalField", "1"},
    {"pressure", "MegapascalField", "1000"}, {"pressure", "MillibarField", "0.1"}, {"pressure", "BarField", "100"},
    // Conventional mercury (13595.1 kg/m³) and water (1000 kg/m³) under standard gravity.
    {"pressure", "MiliMerc", "0.133322387415"}, {"pressure", "CentiMerc", "1.33322387415"},
    {"pressure", "InchMerc", "3.386388640341"}, {"pressure", "NewtonSQmeter", "0.001"},
    {"pressure", "Atmosphere", "101.325"},
    {"pressure", "PoundSQinch", "0.45359237 * 9.80665 / 0.0254^2 / 1000"},
    {"pressure", "PoundSQfoot", "0.45359237 * 9.80665 / 0.3048^2 / 1000"},
    {"pressure", "InchWater", "0.24908891"}, {"pressure", "FootWater", "12 * 0.24908891"},
    {"pressure", "Torr", "101.325 / 760"},

    {"temperature", "CelsiusField", "1"}, {"temperature", "FahrenheitField", "5/9", "-160/9"},
    {"temperature", "KelvinField", "1", "-273.15"}, {"temperature", "RankineField", "5/9", "-273.15"},

    {"time", "PicoSecondField", "1e-12 / 3600"}, {"time", "NanoSecondField", "1e-9 / 3600"},
    {"time", "MicroSecondField", "1e-6 / 3600"}, {"time", "MilliSecondField", "1e-3 / 3600"},
    {"time", "SecondField", "1 / 3600"}, {"time", "MinuteField", "1 / 60"}, {"time", "HourField", "1"},
    {"time", "DayField", "24"}, {"time", "WeekField", "168"},
    // The Julian year of 365.25 days.
    {"time", "YearField", "8766"}, {"time", "DecadeField", "87660"}, {"time", "CenturyField", "876600"},

    {"volume", "Mmilliiter", "0.001"}, {"volume", "Mcentiliter", "0.01"}, {"volume", "Mdeciliter", "0.1"},
    {"volume", "Mliter", "1"}, {"volume", "Mdekaliter", "10"}, {"volume", "Mhectoliter", "100"},
    {"volume", "Mkiloliter", "1000"}, {"volume", "MDcmillimeter", "1e-6"}, {"volume", "MDccentimeter", "1e-3"},
    {"volume", "MDcmeter", "1000"}, {"volume", "MDckilometer", "1e12"},
    // The imperial gallon of 4.54609 L: 8 pints, 32 gills, 160 fluid ounces of 480 minims.
    {"volume", "Ipint", "4.54609 / 8"}, {"volume", "Iquart", "4.54609 / 4"}, {"volume", "Igallon", "4.54609"},
    {"volume", "Iminim", "4.54609 / 76800"}, {"volume", "Igill", "4.54609 / 32"},
    {"volume", "Ipeck", "9.09218"}, {"volume", "Ibushel", "36.36872"},
    // Cubic inches: 16.387064 mL; the US gallon of 231 in³, the dry pint of 33.6003125 in³.
    {"volume", "UScinch", "0.016387064"}, {"volume", "UScfoot", "28.316846592"},
    {"volume", "UScyard", "764.554857984"}, {"volume", "USacrefoot", "1233481.83754752"},
    {"volume", "USregisterton", "2831.6846592"},
    {"volume", "USdryounce", "0.5506104713575 / 16"}, {"volume", "USdrydram", "0.5506104713575 / 128"},
    {"volume", "USfluidonce", "0.0295735295625"}, {"volume", "USfuilddram", "0.0295735295625 / 8"},
    {"volume", "USgill", "0.11829411825"}, {"volume", "USpint", "0.473176473"},
    {"volume", "USquart", "0.946352946"}, {"volume", "USgallon", "3.785411784"},
    {"volume", "USbarrel", "31.5 * 3.785411784"}, {"volume", "USbarrelofoil", "42 * 3.785411784"},
    {"volume", "USminim", "0.0295735295625 / 480"},
    {"volume", "Mcookteaspoon", "0.005"}, {"volume", "Mcooktablespoon", "0.015"}, {"volume", "Mcookcup", "0.25"},
    // Cooking measures in US fluid ounces: a teaspoon 1/6, a tablespoon 1/2, a cup 8.
    {"volume", "Icookteaspoon", "0.00492892159375"}, {"volume", "Icooktablespoon", "0.01478676478125"},
    {"volume", "Icookcup", "0.2365882365"},

    // The newton and dyne as the mass they weigh under 9.80665 m/s².
    {"weight", "Mcarat", "0.2"}, {"weight", "Mnewton", "1000 / 9.80665"}, {"weight", "Mmilligram", "0.001"},
    {"weight", "Mcentigram", "0.01"}, {"weight", "Mdecigram", "0.1"}, {"weight", "Mgram", "1"},
    {"weight", "Mdekagram", "10"}, {"weight", "Mhectogram", "100"}, {"weight", "Mkilogram", "1000"},
    {"weight", "Mhundredweight", "1e5"}, {"weight", "Mton", "1e6"}, {"weight", "Mkiloton", "1e9"},
    // The pound of 1959, 453.59237 g, of 7000 grains.
    {"weight", "AVgrain", "0.06479891"}, {"weight", "AVdram", "1.7718451953125"},
    {"weight", "AVounce", "28.349523125"}, {"weight", "AVpound", "453.59237"}, {"weight", "AVstone", "6350.29318"},
    {"weight", "AVslug", "453.59237 * 9.80665 / 0.3048"}, {"weight", "AVshundredweight", "45359.237"},
    {"weight", "AVlhundredweight", "50802.34544"}, {"weight", "AVshortton", "907184.74"},
    {"weight", "AVlongton", "1016046.9088"},
    {"weight", "APgrain", "0.06479891"}, {"weight", "APscruple", "1.2959782"}, {"weight", "APdram", "3.8879346"},
    {"weight", "APounce", "31.1034768"}, {"weight", "APpound", "373.2417216"},
    {"weight", "Tgrain", "0.06479891"}, {"weight", "Tdyne", "1 / 980.665"}, {"weight", "Tcarat", "0.25919564"},
    {"weight", "Tpennyweight", "1.55517384"}, {"weight", "Tounce", "31.1034768"}, {"weight", "Tpound", "373.2417216"},

    // The international table BTU; the thermochemical calorie.
    {"power-energy", "Pwatt", "1"}, {"power-energy", "Pkilowatt", "1e3"}, {"power-energy", "Pmegawatt", "1e6"},
    {"power-energy", "Pbtupersecond", "1055.05585262"}, {"power-energy", "Pbtuperhour", "1055.05585262 / 3600"},
    {"power-energy", "PfootPFpersecond", "0.3048 * 0.45359237 * 9.80665"},
    {"power-energy", "Prefigerationton", "12000 * 1055.05585262 / 3600"},
    {"power-energy", "Phorsepower550", "550 * 0.3048 * 0.45359237 * 9.80665"}, {"power-energy", "PhorsepowerMetric", "735.49875"},
    {"power-energy", "PhorsepowerElectric", "746"}, {"power-energy", "PhorsepowerWater", "746.043"},
    {"power-energy", "PhorsepowerBoiler", "9809.5"},
    {"power-energy", "Ejoule", "1"}, {"power-energy", "Ekilojoule", "1e3"}, {"power-energy", "Emegajoule", "1e6"},
    {"power-energy", "Ewattsecond", "1"}, {"power-energy", "Ewatthour", "3600"},
    {"power-energy", "Ekilowatthour", "3.6e6"}, {"power-energy", "EcaloriePhysics", "4.184"},
    {"power-energy", "EcalorieNutrition", "4184"}, {"power-energy", "EnewtonMeter", "1"},
    {"power-energy", "Ebtu", "1055.05585262"}, {"power-energy", "EtermUS", "1.054804e8"},
    {"power-energy", "EtermEurope", "1.05506e8"}, {"power-energy", "EhorsepowerHour", "550 * 0.3048 * 0.45359237 * 9.80665 * 3600"},
    {"power-energy", "Efootpoundforce", "0.3048 * 0.45359237 * 9.80665"},

    {"fuel-light", "KiloLiterfField", "1"}, {"fuel-light", "MileGallonField", "1.609344 / 3.785411784"},
    {"fuel-light", "Litersper100km", "100", "0", true},
    {"fuel-light", "Gallonsper100miles", "100 * 1.609344 / 3.785411784", "0", true},
    {"fuel-light", "LuxField", "1"}, {"fuel-light", "LumenSqMeter", "1"},
    {"fuel-light", "LumenSqFootField", "1 / 0.09290304"}, {"fuel-light", "FootCandleField", "1 / 0.09290304"},
    {"fuel-light", "CandSqMeterField", "1"}, {"fuel-light", "CandSqInchField", "1 / 0.00064516"},
    {"fuel-light", "FootlambertField", "1 / (pi * 0.09290304)"}, {"fuel-light", "LambertField", "1e4 / pi"},

    // A byte of 8 bits; kibi 2^10, kilo 10^3.
    {"computing", "BitField", "1/8"}, {"computing", "ByteField", "1"},
    {"computing", "KilobitField", "2^10 / 8", "0", false, 0}, {"computing", "MegabitField", "2^20 / 8", "0", false, 0},
    {"computing", "KilobyteField", "2^10", "0", false, 0}, {"computing", "MegabyteField", "2^20", "0", false, 0},
    {"computing", "GigaByteField", "2^30", "0", false, 0}, {"computing", "TerabyteField", "2^40", "0", false, 0},
    {"computing", "KilobitField", "10^3 / 8", "0", false, 1}, {"computing", "MegabitField", "10^6 / 8", "0", false, 1},
    {"computing", "KilobyteField", "10^3", "0", false, 1}, {"computing", "MegabyteField", "10^6", "0", false, 1},
    {"computing", "GigaByteField", "10^9", "0", false, 1}, {"computing", "TerabyteField", "10^12", "0", false, 1},

    // Angles in degrees: the radian of the SI, the gon of 1/400 turn, the mil
    // of 1/6400 turn.
    {"angle", "DegreeField", "1"}, {"angle", "ArcminuteField", "1/60"}, {"angle", "ArcsecondField", "1/3600"},
    {"angle", "RightAngleField", "90"}, {"angle", "TurnField", "360"}, {"angle", "GradianField", "360/400"},
    {"angle", "RadianField", "360 / (2 * pi)"}, {"angle", "MilliradianField", "0.36 / (2 * pi)"},
    {"angle", "MicroradianField", "0.00036 / (2 * pi)"}, {"angle", "NatoMilField", "360/6400"},

    // Hertz; a revolution is one cycle, 2 pi radians.
    {"frequency", "HertzField", "1"}, {"frequency", "KilohertzField", "1e3"},
    {"frequency", "MegahertzField", "1e6"}, {"frequency", "GigahertzField", "1e9"},
    {"frequency", "RevPerMinuteField", "1/60"}, {"frequency", "RevPerSecondField", "1"},
    {"frequency", "RadPerSecondField", "0.5 / pi"}, {"frequency", "DegPerSecondField", "1/360"},

    // Newtons; the gravitational units under 9.80665 m/s².
    {"force", "NewtonField", "1"}, {"force", "KilonewtonField", "1e3"}, {"force", "MeganewtonField", "1e6"},
    {"force", "DyneField", "1e-5"}, {"force", "GramForceField", "9.80665e-3"},
    {"force", "KilogramForceField", "9.80665"}, {"force", "TonneForceField", "9806.65"},
    {"force", "PoundForceField", "4.4482216152605"}, {"force", "OunceForceField", "4.4482216152605 / 16"},
    {"force", "KipField", "4448.2216152605"}, {"force", "ShortTonForceField", "8896.443230521"},
    {"force", "PoundalField", "0.138254954376"},

    // Newton meters.
    {"torque", "NewtonMeterField", "1"}, {"torque", "KilonewtonMeterField", "1e3"},
    {"torque", "NewtonCentimeterField", "1e-2"}, {"torque", "NewtonMillimeterField", "1e-3"},
    {"torque", "KgfMeterField", "9.80665"}, {"torque", "KgfCentimeterField", "0.0980665"},
    {"torque", "DyneCentimeterField", "1e-7"}, {"torque", "PoundFootField", "1.3558179483314004"},
    {"torque", "PoundInchField", "0.112984829027616700"}, {"torque", "OunceInchField", "0.00706155181422604375"},

    // Meters per second squared.
    {"acceleration", "MeterPerSecondSqField", "1"}, {"acceleration", "GalField", "0.01"},
    {"acceleration", "MilligalField", "1e-5"}, {"acceleration", "KmhPerSecondField", "1000 / 3600"},
    {"acceleration", "StandardGravityField", "9.80665"}, {"acceleration", "FootPerSecondSqField", "0.3048"},
    {"acceleration", "InchPerSecondSqField", "0.0254"}, {"acceleration", "MphPerSecondField", "1609.344 / 3600"},

    // Kilograms per cubic meter.
    {"density", "KgPerCubicMeterField", "1"}, {"density", "GramPerCubicCmField", "1000"},
    {"density", "GramPerMilliliterField", "1000"}, {"density", "KgPerLiterField", "1000"},
    {"density", "TonnePerCubicMeterField", "1000"}, {"density", "GramPerLiterField", "1"},
    {"density", "MgPerLiterField", "0.001"}, {"density", "PoundPerCubicFootField", "0.45359237 / 0.028316846592"},
    {"density", "PoundPerCubicInchField", "0.45359237 / 0.000016387064"},
    {"density", "OuncePerCubicInchField", "0.028349523125 / 0.000016387064"},
    {"density", "PoundPerUsGallonField", "0.45359237 / 0.003785411784"},
    {"density", "PoundPerImpGallonField", "0.45359237 / 0.00454609"},
    {"density", "SlugPerCubicFootField", "4.4482216152605 / 0.3048 / 0.028316846592"},

    // Bits per second.
    {"data-rate", "BitPerSecondField", "1"}, {"data-rate", "KilobitPerSecondField", "10^3"},
    {"data-rate", "MegabitPerSecondField", "10^6"}, {"data-rate", "GigabitPerSecondField", "10^9"},
    {"data-rate", "TerabitPerSecondField", "10^12"}, {"data-rate", "BytePerSecondField", "8"},
    {"data-rate", "KilobytePerSecondField", "8 * 10^3"}, {"data-rate", "MegabytePerSecondField", "8 * 10^6"},
    {"data-rate", "GigabytePerSecondField", "8 * 10^9"}, {"data-rate", "TerabytePerSecondField", "8 * 10^12"},
    {"data-rate", "KibibitPerSecondField", "2^10"}, {"data-rate", "MebibitPerSecondField", "2^20"},
    {"data-rate", "GibibitPerSecondField", "2^30"}, {"data-rate", "KibibytePerSecondField", "8 * 2^10"},
    {"data-rate", "MebibytePerSecondField", "8 * 2^20"}, {"data-rate", "GibibytePerSecondField", "8 * 2^30"},

    // Cubic meters per second: the cubic foot 0.028316846592 m³, the US
    // gallon 3.785411784 L, the imperial 4.54609 L, the barrel 42 US gallons
    // (0.158987294928 m³), the acre-foot 1233.48183754752 m³; kilograms per
    // second.
    {"flow", "CubicMeterPerSecondField", "1"}, {"flow", "CubicMeterPerHourField", "1/3600"},
    {"flow", "CubicMeterPerDayField", "1/86400"},
    {"flow", "LiterPerSecondField", "1e-3"}, {"flow", "LiterPerMinuteField", "1e-3/60"},
    {"flow", "LiterPerHourField", "1e-3/3600"}, {"flow", "MilliliterPerMinuteField", "1e-6/60"},
    {"flow", "CubicFootPerSecondField", "0.028316846592"}, {"flow", "CubicFootPerMinuteField", "0.028316846592/60"},
    {"flow", "UsGallonPerMinuteField", "0.003785411784/60"}, {"flow", "UsGallonPerHourField", "0.003785411784/3600"},
    {"flow", "ImpGallonPerMinuteField", "0.00454609/60"}, {"flow", "ImpGallonPerHourField", "0.00454609/3600"},
    {"flow", "BarrelPerDayField", "0.158987294928/86400"}, {"flow", "AcreFootPerDayField", "1233.48183754752/86400"},
    {"flow", "KgPerSecondField", "1"}, {"flow", "KgPerMinuteField", "1/60"}, {"flow", "KgPerHourField", "1/3600"},
    {"flow", "GramPerSecondField", "1e-3"}, {"flow", "TonnePerHourField", "1e3/3600"},
    {"flow", "PoundPerSecondField", "0.45359237"}, {"flow", "PoundPerMinuteField", "0.45359237/60"},
    {"flow", "PoundPerHourField", "0.45359237/3600"},

    // Amperes, coulombs, volts and ohms; the elementary charge of 2019.
    {"electricity", "MicroampereField", "1e-6"}, {"electricity", "MilliampereField", "1e-3"},
    {"electricity", "AmpereField", "1"}, {"electricity", "KiloampereField", "1e3"},
    {"electricity", "CoulombField", "1"}, {"electricity", "MillicoulombField", "1e-3"},
    {"electricity", "MicrocoulombField", "1e-6"}, {"electricity", "NanocoulombField", "1e-9"},
    {"electricity", "MilliampereHourField", "3.6"}, {"electricity", "AmpereHourField", "3600"},
    {"electricity", "ElementaryChargeField", "1.602176634e-19"},
    {"electricity", "MicrovoltField", "1e-6"}, {"electricity", "MillivoltField", "1e-3"},
    {"electricity", "VoltField", "1"}, {"electricity", "KilovoltField", "1e3"}, {"electricity", "MegavoltField", "1e6"},
    {"electricity", "MicrohmField", "1e-6"}, {"electricity", "MilliohmField", "1e-3"},
    {"electricity", "OhmField", "1"}, {"electricity", "KilohmField", "1e3"}, {"electricity", "MegohmField", "1e6"},

    // Grays, sieverts, becquerels and coulombs per kilogram.
    {"radiation", "GrayField", "1"}, {"radiation", "MilligrayField", "1e-3"},
    {"radiation", "MicrograyField", "1e-6"}, {"radiation", "RadField", "1e-2"},
    {"radiation", "SievertField", "1"}, {"radiation", "MillisievertField", "1e-3"},
    {"radiation", "MicrosievertField", "1e-6"}, {"radiation", "RemField", "1e-2"},
    {"radiation", "MilliremField", "1e-5"},
    {"radiation", "BecquerelField", "1"}, {"radiation", "KilobecquerelField", "1e3"},
    {"radiation", "MegabecquerelField", "1e6"}, {"radiation", "GigabecquerelField", "1e9"},
    {"radiation", "TerabecquerelField", "1e12"}, {"radiation", "CurieField", "3.7e10"},
    {"radiation", "MillicurieField", "3.7e7"}, {"radiation", "MicrocurieField", "3.7e4"},
    {"radiation", "NanocurieField", "37"}, {"radiation", "PicocurieField", "0.037"}, {"radiation", "RutherfordField", "1e6"},
    {"radiation", "CoulombPerKgField", "1"}, {"radiation", "MillicoulombPerKgField", "1e-3"},
    {"radiation", "RoentgenField", "2.58e-4"}, {"radiation", "MilliroentgenField", "2.58e-7"},

    // Pascal seconds, the poise 0.1 Pa·s; square meters per second, the
    // stokes 1e-4 m²/s.
    {"viscosity", "PascalSecondField", "1"}, {"viscosity", "MillipascalSecondField", "1e-3"},
    {"viscosity", "PoiseField", "0.1"}, {"viscosity", "CentipoiseField", "1e-3"},
    {"viscosity", "PoundForceSecondPerSqFootField", "4.4482216152605 / 0.09290304"},
    {"viscosity", "ReynField", "4.4482216152605 / 0.00064516"},
    {"viscosity", "PoundPerFootSecondField", "0.45359237 / 0.3048"},
    {"viscosity", "SqMeterPerSecondField", "1"}, {"viscosity", "SqMillimeterPerSecondField", "1e-6"},
    {"viscosity", "StokesField", "1e-4"}, {"viscosity", "CentistokesField", "1e-6"},
    {"viscosity", "SqFootPerSecondField", "0.09290304"}, {"viscosity", "SqInchPerSecondField", "0.00064516"},
    // Units added to the first windows, with no classic factors. The
    // angstrom of 1e-10 m, the mil of 1/1000 inch, the fathom of 6 feet, the
    // hand of 4 inches, the point of 1/72 inch and the pica of 12 points.
    {"length", "MicrometerField", "1e-6"}, {"length", "NanometerField", "1e-9"},
    {"length", "AngstromField", "1e-10"}, {"length", "ThouField", "2.54e-5"}, {"length", "FathomField", "1.8288"},
    {"length", "HandField", "0.1016"}, {"length", "PointField", "0.0254 / 72"},
    {"length", "PicaField", "0.0254 / 6"},
    // The technical atmosphere is a kilogram-force per square centimeter;
    // water at 1000 kg/m³; the ksi is 1000 pounds-force per square inch.
    {"pressure", "HectopascalField", "0.1"}, {"pressure", "GigapascalField", "1e6"},
    {"pressure", "TechnicalAtmosphere", "98.0665"}, {"pressure", "MilliWater", "0.00980665"},
    {"pressure", "KipSQinch", "0.45359237 * 9.80665 / 0.0254^2"},
    // 14 days; a twelfth of 365.2425 days; the mean sidereal day of 86164.0905 s.
    {"time", "FortnightField", "336"}, {"time", "MonthField", "730.485"},
    {"time", "SiderealDayField", "86164.0905 / 3600"},
    // The electronvolt of the 2019 SI; the erg of the CGS system; the ton of TNT
    // as 10^9 thermochemical calories.
    {"power-energy", "Pgigawatt", "1e9"}, {"power-energy", "Eelectronvolt", "1.602176634e-19"},
    {"power-energy", "Eerg", "1e-7"}, {"power-energy", "EtonTNT", "4.184e9"},
    {"power-energy", "Egigawatthour", "3.6e12"}, {"power-energy", "Eterawatthour", "3.6e15"},
    // Miles per imperial gallon of 4.54609 L.
    {"fuel-light", "MileImpGallonField", "1.609344 / 4.54609"},
    {"fuel-light", "ImpGallonsper100miles", "100 * 1.609344 / 4.54609", "0", true},
    // A twentieth of the imperial pint; the imperial cup is half of one.
    {"volume", "Ifluidounce", "0.56826125 / 20"}, {"volume", "Icup", "0.56826125 / 2"},
    // Farads, henries and siemens; the mho is the siemens.
    {"electricity", "FaradField", "1"}, {"electricity", "MillifaradField", "1e-3"},
    {"electricity", "MicrofaradField", "1e-6"}, {"electricity", "NanofaradField", "1e-9"},
    {"electricity", "PicofaradField", "1e-12"},
    {"electricity", "HenryField", "1"}, {"electricity", "MillihenryField", "1e-3"},
    {"electricity", "MicrohenryField", "1e-6"}, {"electricity", "NanohenryField", "1e-9"},
    {"electricity", "SiemensField", "1"}, {"electricity", "MillisiemensField", "1e-3"},
    {"electricity", "MicrosiemensField", "1e-6"},
    // Teslas, webers, amperes per meter and ampere-turns. The gauss is
    // 1e-4 T, the gamma 1 nT, the maxwell 1e-8 Wb, the oersted 1000/(4 pi)
    // A/m and the gilbert 10/(4 pi) ampere-turns.
    {"magnetism", "TeslaField", "1"}, {"magnetism", "MilliteslaField", "1e-3"},
    {"magnetism", "MicroteslaField", "1e-6"}, {"magnetism", "NanoteslaField", "1e-9"},
    {"magnetism", "KilogaussField", "1e3 * 1e-4"}, {"magnetism", "GaussField", "1e-4"},
    {"magnetism", "MilligaussField", "1e-3 * 1e-4"}, {"magnetism", "GammaField", "1e-9"},
    {"magnetism", "WeberField", "1"}, {"magnetism", "MilliweberField", "1e-3"},
    {"magnetism", "MicroweberField", "1e-6"}, {"magnetism", "MaxwellField", "1e-8"},
    {"magnetism", "AmperePerMeterField", "1"}, {"magnetism", "KiloamperePerMeterField", "1e3"},
    {"magnetism", "AmperePerCentimeterField", "1 / 0.01"}, {"magnetism", "AmpereTurnPerInchField", "1 / 0.0254"},
    {"magnetism", "OerstedField", "1000 / (4 * pi)"}, {"magnetism", "KilooerstedField", "1e3 * 1000 / (4 * pi)"},
    {"magnetism", "AmpereTurnField", "1"}, {"magnetism", "KiloampereTurnField", "1e3"},
    {"magnetism", "GilbertField", "10 / (4 * pi)"},

    // Moles, the particle one over the Avogadro number of 2019, the
    // pound-mole a mole times the pound in grams; moles per liter and per
    // kilogram; katals, the enzyme unit a micromole per minute.
    {"substance", "PicomoleField", "1e-12"}, {"substance", "NanomoleField", "1e-9"},
    {"substance", "MicromoleField", "1e-6"}, {"substance", "MillimoleField", "1e-3"},
    {"substance", "MoleField", "1"}, {"substance", "KilomoleField", "1e3"},
    {"substance", "PoundMoleField", "453.59237"}, {"substance", "ParticleField", "1 / 6.02214076e23"},
    {"substance", "PicomolePerLiterField", "1e-12"}, {"substance", "NanomolePerLiterField", "1e-9"},
    {"substance", "MicromolePerLiterField", "1e-6"}, {"substance", "MillimolePerLiterField", "1e-3"},
    {"substance", "MolePerLiterField", "1"},
    {"substance", "MillimolePerKgField", "1e-3"}, {"substance", "MolePerKgField", "1"},
    {"substance", "NanokatalField", "1e-9"}, {"substance", "MicrokatalField", "1e-6"},
    {"substance", "KatalField", "1"}, {"substance", "EnzymeUnitField", "1e-6 / 60"},

    // Mass concentrations in kilograms per cubic meter.
    {"density", "MicrogramPerLiterField", "1e-9 / 1e-3"}, {"density", "MgPerDeciliterField", "1e-6 / 1e-4"},
    {"density", "GramPerDeciliterField", "1e-3 / 1e-4"}, {"density", "MicrogramPerCubicMeterField", "1e-9"},
    // More rows in the windows above. The barn of 1e-28 m²; the circular mil
    // a circle one mil across; the township 36 square miles of the
    // international foot.
    {"area", "SqBarn", "1e-28"}, {"area", "SqCircularMil", "pi / 4 * 2.54e-5^2"}, {"area", "SqMil", "2.54e-5^2"},
    {"area", "SqTownship", "36 * 2589988.110336"}, {"area", "SqKcmil", "1000 * pi / 4 * 2.54e-5^2"},
    {"velocity", "CentiSecField", "0.036"}, {"velocity", "MilliSecField", "0.0036"},
    {"velocity", "MilliMinField", "0.00006"}, {"velocity", "InchSecField", "0.0254 * 3.6"},
    {"velocity", "InchMinField", "0.0254 * 0.06"},
    // Ten Julian centuries of 36525 days.
    {"time", "MillenniumField", "1000 * 8766"},
    // The sign 1/12 of a turn, the compass point 1/32, the Warsaw Pact mil
    // 1/6000 and the streck 1/6300.
    {"angle", "SignField", "30"}, {"angle", "OctantField", "45"}, {"angle", "SextantField", "60"},
    {"angle", "HourAngleField", "15"}, {"angle", "CompassPointField", "11.25"},
    {"angle", "WarsawPactMilField", "0.06"}, {"angle", "StreckField", "360/6300"},
    {"frequency", "RevPerHourField", "1/3600"}, {"frequency", "RadPerMinuteField", "1 / (120 * pi)"},
    {"frequency", "DegPerMinuteField", "1/21600"},
    {"force", "MillinewtonField", "1e-3"}, {"force", "MicronewtonField", "1e-6"},
    {"torque", "MillinewtonMeterField", "1e-3"}, {"torque", "MeganewtonMeterField", "1e6"},
    {"torque", "GramForceCentimeterField", "9.80665e-5"}, {"torque", "KipFootField", "1000 * 4.4482216152605 * 0.3048"},
    // The knot of 1852 m an hour.
    {"acceleration", "MillimeterPerSecondSqField", "1e-3"}, {"acceleration", "MicrogalField", "1e-8"},
    {"acceleration", "KnotPerSecondField", "1852 / 3600"},
    {"flow", "CubicMeterPerMinuteField", "1/60"}, {"flow", "CubicCentimeterPerSecondField", "1e-6"},
    {"flow", "MilliliterPerHourField", "1e-6/3600"}, {"flow", "LiterPerDayField", "1e-3/86400"},
    {"flow", "CubicFootPerHourField", "0.028316846592/3600"},
    {"flow", "UsGallonPerDayField", "0.003785411784/86400"},
    {"flow", "MillionGallonsPerDayField", "3785.411784/86400"},
    {"flow", "GramPerMinuteField", "1e-3/60"}, {"flow", "GramPerHourField", "1e-3/3600"},
    {"flow", "TonnePerDayField", "1e3/86400"}, {"flow", "ShortTonPerHourField", "907.18474/3600"},
    {"viscosity", "MicropascalSecondField", "1e-6"}, {"viscosity", "PoundPerFootHourField", "0.45359237 / 0.3048 / 3600"},
    // Dose rates per hour.
    {"radiation", "GrayPerHourField", "1"}, {"radiation", "MilligrayPerHourField", "1e-3"},
    {"radiation", "MicrograyPerHourField", "1e-6"}, {"radiation", "NanograyPerHourField", "1e-9"},
    {"radiation", "GrayPerMinuteField", "60"}, {"radiation", "RadPerHourField", "1e-2"},
    {"radiation", "SievertPerHourField", "1"}, {"radiation", "MillisievertPerHourField", "1e-3"},
    {"radiation", "MicrosievertPerHourField", "1e-6"}, {"radiation", "NanosievertPerHourField", "1e-9"},
    {"radiation", "RemPerHourField", "1e-2"}, {"radiation", "MilliremPerHourField", "1e-5"},
    {"power-energy", "Pmilliwatt", "1e-3"}, {"power-energy", "Pmicrowatt", "1e-6"},
    {"power-energy", "Pterawatt", "1e12"}, {"power-energy", "Pkilocalorieperhour", "4184 / 3600"},
    {"power-energy", "Pcaloriepersecond", "4.184"}, {"power-energy", "Pergpersecond", "1e-7"},
    {"power-energy", "PfootPFperminute", "0.3048 * 0.45359237 * 9.80665 / 60"},
    {"power-energy", "Pbtuperminute", "1055.05585262 / 60"},
    {"power-energy", "Emillijoule", "1e-3"}, {"power-energy", "Egigajoule", "1e9"},
    {"power-energy", "Eterajoule", "1e12"}, {"power-energy", "Emegawatthour", "3.6e9"},
    // The dyne per square centimeter is 0.1 Pa.
    {"pressure", "KilobarField", "1e5"}, {"pressure", "Millitorr", "101.325 / 760000"},
    {"pressure", "CentiWater", "0.0980665"}, {"pressure", "DyneSQcentimeter", "1e-4"},
    {"weight", "Mmicrogram", "1e-6"},
    // The US dry pint of 33.6003125 in³; 2 to the dry quart, 16 to the peck,
    // 64 to the bushel of 2150.42 in³.
    {"volume", "Mmicroliter", "1e-6"}, {"volume", "USdrypint", "0.5506104713575"},
    {"volume", "USdryquart", "1.101220942715"}, {"volume", "USpeck", "8.80976754172"},
    {"volume", "USbushel", "2150.42 * 0.016387064"},
    // Heat, from the International Table BTU of 1055.05585262 J and calorie of
    // 4.1868 J, the thermochemical calorie of 4.184 J (the langley is one per
    // cm²), the pound of 0.45359237 kg, the foot and inch of 1959, the hour;
    // a degree Fahrenheit of difference is 5/9 K, so "per °F" is 1.8 per K.
    {"heat", "JoulePerKgField", "1"}, {"heat", "KilojoulePerKgField", "1e3"},
    {"heat", "MegajoulePerKgField", "1e6"}, {"heat", "WattHourPerKgField", "3600"},
    {"heat", "KilowattHourPerKgField", "3.6e6"}, {"heat", "CaloriePerGramField", "4.1868 / 1e-3"},
    {"heat", "BtuPerPoundField", "1055.05585262 / 0.45359237"},
    {"heat", "JoulePerKgKelvinField", "1"}, {"heat", "KilojoulePerKgKelvinField", "1e3"},
    {"heat", "CaloriePerGramCelsiusField", "4.1868 / 1e-3"},
    {"heat", "BtuPerPoundFahrenheitField", "1055.05585262 / 0.45359237 * 1.8"},
    {"heat", "WattPerMeterKelvinField", "1"}, {"heat", "WattPerCmKelvinField", "100"},
    {"heat", "BtuPerHourFootFahrenheitField", "1055.05585262 / 3600 / 0.3048 * 1.8"},
    {"heat", "BtuInchPerHourSqFootFahrenheitField", "1055.05585262 * 0.0254 / 3600 / 0.3048^2 * 1.8"},
    {"heat", "CaloriePerSecondCmCelsiusField", "4.1868 / 0.01"},
    {"heat", "KilocaloriePerHourMeterCelsiusField", "4186.8 / 3600"},
    {"heat", "WattPerSqMeterField", "1"}, {"heat", "KilowattPerSqMeterField", "1e3"},
    {"heat", "WattPerSqCmField", "1e4"}, {"heat", "MilliwattPerSqCmField", "10"},
    {"heat", "BtuPerHourSqFootField", "1055.05585262 / 3600 / 0.3048^2"},
    {"heat", "KilocaloriePerHourSqMeterField", "4186.8 / 3600"},
    {"heat", "CaloriePerSqCmSecondField", "4.1868 / 0.01^2"},
    {"heat", "LangleyPerMinuteField", "4.184 / 0.01^2 / 60"},
    {"heat", "WattPerSqMeterKelvinField", "1"}, {"heat", "KilowattPerSqMeterKelvinField", "1e3"},
    {"heat", "BtuPerHourSqFootFahrenheitField", "1055.05585262 / 3600 / 0.3048^2 * 1.8"},
    {"heat", "KilocaloriePerHourSqMeterCelsiusField", "4186.8 / 3600"},
    {"heat", "SqMeterKelvinPerWattField", "1"},
    {"heat", "SqFootFahrenheitHourPerBtuField", "0.3048^2 * 3600 / 1.8 / 1055.05585262"},
    {"heat", "CloField", "0.155"},
};

// A scale with no size of its own: the warp factor is a power of the light
// speed, and stops at a cap.
inline const char* const kWithoutDefinition[][2] = {{"velocity", "WarpSpeedField"}};

inline const Group kSeparateGroups[] = {
    {"fuel-light", "KiloLiterfField"}, {"fuel-light", "LuxField"}, {"fuel-light", "CandSqMeterField"},
    {"flow", "CubicMeterPerSecondField"}, {"flow", "KgPerSecondField"},
    {"electricity", "AmpereField"}, {"electricity", "CoulombField"}, {"electricity", "VoltField"},
    {"electricity", "OhmField"},
    {"radiation", "GrayField"}, {"radiation", "SievertField"}, {"radiation", "BecquerelField"},
    {"radiation", "CoulombPerKgField"},
    {"viscosity", "PascalSecondField"}, {"viscosity", "SqMeterPerSecondField"},
    {"electricity", "FaradField"}, {"electricity", "HenryField"}, {"electricity", "SiemensField"},
    {"magnetism", "TeslaField"}, {"magnetism", "WeberField"}, {"magnetism", "AmperePerMeterField"},
    {"magnetism", "AmpereTurnField"},
    {"substance", "MoleField"}, {"substance", "MolePerLiterField"}, {"substance", "MolePerKgField"},
    {"substance", "KatalField"},
    {"radiation", "GrayPerHourField"}, {"radiation", "SievertPerHourField"},
    {"heat", "JoulePerKgField"}, {"heat", "JoulePerKgKelvinField"}, {"heat", "WattPerMeterKelvinField"},
    {"heat", "WattPerSqMeterField"}, {"heat", "WattPerSqMeterKelvinField"}, {"heat", "SqMeterKelvinPerWattField"},
};
// clang-format on

// An exact number times a power of π.
struct PiRational {
    mpq_class q;
    int piPower = 0;
};

// Reads a definition's expression. Throws on a malformed one, so that a slip
// in the table above shows as a failure, not as a wrong size.
class Expression {
public:
    static PiRational read(std::string_view text)
    {
        Expression e{text};
        PiRational r = e.sum();
        e.skipSpaces();
        if (e.pos_ != text.size())
            throw std::invalid_argument("stray text in definition: " + std::string(text));
        return r;
    }

    // A decimal as typed ("-7.25", "3e-5"), exactly.
    static mpq_class decimal(std::string_view text)
    {
        Expression e{text};
        const bool negative = !text.empty() && text[0] == '-';
        if (negative)
            ++e.pos_;
        mpq_class r = e.number();
        if (e.pos_ != text.size())
            throw std::invalid_argument("not a decimal: " + std::string(text));
        return negative ? mpq_class(-r) : r;
    }

private:
    explicit Expression(std::string_view text) : text_(text) {}

    void skipSpaces()
    {
        while (pos_ < text_.size() && text_[pos_] == ' ')
            ++pos_;
    }
    bool eat(char c)
    {
        skipSpaces();
        if (pos_ < text_.size() && text_[pos_] == c) {
            ++pos_;
            return true;
        }
        return false;
    }

    PiRational sum()
    {
        PiRational r = product();
        for (;;) {
            const bool plus = eat('+');
            if (!plus && !eat('-'))
                return r;
            PiRational t = product();
            if (t.piPower != r.piPower && t.q != 0 && r.q != 0)
                throw std::invalid_argument("sum of unlike powers of pi");
            r.q = plus ? mpq_class(r.q + t.q) : mpq_class(r.q - t.q);
            r.piPower = r.q == 0 ? 0 : std::max(r.piPower, t.piPower);
        }
    }
    PiRational product()
    {
        PiRational r = power();
        for (;;) {
            if (eat('*')) {
                const PiRational t = power();
                r.q *= t.q;
                r.piPower += t.piPower;
            } else if (eat('/')) {
                const PiRational t = power();
                r.q /= t.q;
                r.piPower -= t.piPower;
            } else {
                return r;
            }
        }
    }
    PiRational power()
    {
        PiRational r = atom();
        if (!eat('^'))
            return r;
        skipSpaces();
        const std::size_t start = pos_;
        while (pos_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[pos_])))
            ++pos_;
        const int n = std::atoi(std::string(text_.substr(start, pos_ - start)).c_str());
        PiRational p{1, 0};
        for (int i = 0; i < n; ++i) {
            p.q *= r.q;
            p.piPower += r.piPower;
        }
        return p;
    }
    PiRational atom()
    {
        if (eat('(')) {
            PiRational r = sum();
            if (!eat(')'))
                throw std::invalid_argument("unclosed parenthesis: " + std::string(text_));
            return r;
        }
        if (eat('-')) {
            PiRational r = atom();
            r.q = -r.q;
            return r;
        }
        skipSpaces();
        if (text_.substr(pos_, 2) == "pi") {
            pos_ += 2;
            return {1, 1};
        }
        return {number(), 0};
    }
    // Digits, a point, digits, an exponent: read as an exact fraction.
    mpq_class number()
    {
        mpz_class digits = 0, scale = 1;
        bool any = false, point = false;
        for (; pos_ < text_.size(); ++pos_) {
            const char c = text_[pos_];
            if (c == '.' && !point) {
                point = true;
            } else if (std::isdigit(static_cast<unsigned char>(c))) {
                digits = digits * 10 + (c - '0');
                if (point)
                    scale *= 10;
                any = true;
            } else {
                break;
            }
        }
        if (!any)
            throw std::invalid_argument("a number expected in: " + std::string(text_));
        long exponent = 0;
        if (pos_ < text_.size() && (text_[pos_] == 'e' || text_[pos_] == 'E')) {
            ++pos_;
            const bool negative = pos_ < text_.size() && text_[pos_] == '-';
            if (pos_ < text_.size() && (text_[pos_] == '-' || text_[pos_] == '+'))
                ++pos_;
            for (; pos_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[pos_])); ++pos_)
                exponent = exponent * 10 + (text_[pos_] - '0');
            if (negative)
                exponent = -exponent;
        }
        mpz_class ten;
        mpz_ui_pow_ui(ten.get_mpz_t(), 10, static_cast<unsigned long>(exponent < 0 ? -exponent : exponent));
        mpq_class r(digits, scale);
        if (exponent < 0)
            r /= ten;
        else
            r *= ten;
        r.canonicalize();
        return r;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
};

// The double nearest to q × π^piPower: exactly rounded when there is no π,
// otherwise through 256 bits, far more than a double's rounding can notice.
inline double nearestDouble(const PiRational& x)
{
    mpfr_t r;
    if (x.piPower == 0) {
        mpfr_init2(r, 53);
        mpfr_set_q(r, x.q.get_mpq_t(), MPFR_RNDN);
    } else {
        mpfr_t pi;
        mpfr_inits2(256, r, pi, static_cast<mpfr_ptr>(nullptr));
        mpfr_const_pi(pi, MPFR_RNDN);
        mpfr_pow_si(pi, pi, x.piPower, MPFR_RNDN);
        mpfr_set_q(r, x.q.get_mpq_t(), MPFR_RNDN);
        mpfr_mul(r, r, pi, MPFR_RNDN);
        mpfr_clear(pi);
    }
    const double d = mpfr_get_d(r, MPFR_RNDN);
    mpfr_clear(r);
    return d;
}

// A unit's definition, read.
struct Size {
    PiRational scale;
    mpq_class offset;
    bool reciprocal = false;
};

inline Size sizeOf(const Definition& d)
{
    const PiRational offset = Expression::read(d.offset);
    if (offset.piPower != 0)
        throw std::invalid_argument("an offset with pi");
    return {Expression::read(d.size), offset.q, d.reciprocal};
}

inline bool hasNoDefinition(std::string_view window, std::string_view outlet)
{
    for (const auto& [w, o] : kWithoutDefinition)
        if (window == w && outlet == o)
            return true;
    return false;
}

// The definition of a unit of `window` under prefix system `system` (-1: the
// window has one), or null.
inline const Definition* findDefinition(std::string_view window, std::string_view outlet, int system)
{
    for (const Definition& d : kDefinitions)
        if (window == d.window && outlet == d.outlet && (d.system < 0 || d.system == system))
            return &d;
    return nullptr;
}

// The value v of unit `from` in unit `to`, exactly.
inline PiRational convertExactly(const mpq_class& v, const Size& from, const Size& to)
{
    // In the base unit: v × s + o, or s ÷ v.
    PiRational base = from.reciprocal ? PiRational{from.scale.q / v, from.scale.piPower}
                                      : PiRational{v * from.scale.q, from.scale.piPower};
    if (from.offset != 0 || to.offset != 0) {
        if (base.piPower != 0 || to.scale.piPower != 0)
            throw std::invalid_argument("an offset scale with pi");
        return {(base.q + from.offset - to.offset) / to.scale.q, 0};
    }
    if (to.reciprocal)
        return {to.scale.q / base.q, to.scale.piPower - base.piPower};
    return {base.q / to.scale.q, base.piPower - to.scale.piPower};
}

}  // namespace ambrel::testing
