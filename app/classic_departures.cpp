// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/classic_departures.h"

namespace ambrel {

namespace {

// Sizes measured from the tables' formulas against the definitions, to three
// figures; tests/core/classic_departures_test.cpp measures them again.
// clang-format off
constexpr ClassicDeparture kDepartures[] = {
    {"length", "LeagueField", "league", "1 m = 0.0002071 leagues (a league of 4828.6 m read, 4827.9 m typed)",
     "3 miles = 4828.032 m", +1.15e-4},
    {"length", "NauticalMileField", "nautical mile", "1851.66 m typed, 1853.26 m read (1 m = 0.00053959 nmi)",
     "1852 m", +6.80e-4},
    {"length", "ParsecField", "parsec", "3.086e16 m", "648000/π au = 3.0856776e16 m", +1.05e-4},
    {"length", "LightYearField", "light year", "9.458e15 m", "c × 365.25 days = 9.4607305e15 m", -2.89e-4},
    {"length", "AstroUnitField", "astronomical unit", "149613400 km", "149597870.7 km", +1.04e-4},
    {"velocity", "MachField", "Mach", "1063.77374 km/h (295.5 m/s)", "340.294 m/s = 1225.0584 km/h", -1.32e-1},
    {"pressure", "InchWater", "inch of water", "0.24884 kPa", "1 inch × 1000 kg/m³ × g = 0.24908891 kPa", -9.99e-4},
    {"temperature", "KelvinField", "kelvin", "K = °C + 273", "K = °C + 273.15", +5.12e-4},
    {"time", "YearField", "year", "365 days", "Julian year, 365.25 days", -6.85e-4},
    {"time", "DecadeField", "decade", "3650 days", "3652.5 days", -6.85e-4},
    {"time", "CenturyField", "century", "36500 days", "36525 days", -6.85e-4},
    {"volume", "Iquart", "imperial quart", "1 L = 0.88028169 qt (1.136 L)", "1.1365225 L", -4.60e-4},
    {"volume", "Ipeck", "imperial peck", "9.1 L", "2 imperial gallons = 9.09218 L", +8.60e-4},
    {"volume", "Ibushel", "imperial bushel", "36 L", "8 imperial gallons = 36.36872 L", -1.01e-2},
    {"volume", "UScyard", "cubic yard", "765 L", "764.554857984 L", +5.82e-4},
    {"volume", "USdryounce", "US dry ounce", "1 L = 35.1963959 oz (28.41 mL, an imperial fluid ounce)",
     "1/16 US dry pint = 34.41 mL", -1.74e-1},
    {"volume", "USdrydram", "US dry dram", "1 L = 281.5632391 drams (3.552 mL)", "1/128 US dry pint = 4.302 mL",
     -1.74e-1},
    {"volume", "USquart", "US quart", "1 L = 1.0570825 qt (0.946 L)", "0.946352946 L", -3.73e-4},
    {"volume", "USgallon", "US gallon", "1 L = 0.26420079 gal (3.785 L)", "231 in³ = 3.785411784 L", -1.09e-4},
    {"volume", "Mcooktablespoon", "metric tablespoon", "20 mL", "15 mL", +3.33e-1},
    {"volume", "Icookteaspoon", "US teaspoon", "4.93 mL", "1/6 US fluid ounce = 4.92892 mL", +2.19e-4},
    {"volume", "Icooktablespoon", "US tablespoon", "14.79 mL", "1/2 US fluid ounce = 14.78676 mL", +2.19e-4},
    {"weight", "Mnewton", "newton", "g = 9.8001 m/s² (1 N = 102.04 g)", "g = 9.80665 m/s² (1 N = 101.97 g)",
     +6.68e-4},
    {"weight", "AVpound", "pound", "454 g", "453.59237 g", +8.99e-4},
    {"weight", "AVstone", "stone", "6356 g", "14 pounds = 6350.29318 g", +8.99e-4},
    {"weight", "AVshortton", "short ton", "907 kg", "2000 pounds = 907.18474 kg", -2.04e-4},
    {"weight", "APpound", "apothecaries' pound", "373 g typed (373.241722 g read)", "5760 grains = 373.2417216 g",
     -6.48e-4},
    {"weight", "Tdyne", "dyne", "g = 9.8001 m/s² (1 g = 980.01 dyn)", "g = 9.80665 m/s² (1 g = 980.665 dyn)",
     +6.68e-4},
    {"weight", "Tcarat", "troy carat", "0.0259 g (1 g = 38.58 ct)", "4 grains = 0.25919564 g", -9.00e-1},
    {"weight", "Tpennyweight", "pennyweight", "1.555 g", "24 grains = 1.55517384 g", -1.12e-4},
};
// clang-format on

}  // namespace

std::span<const ClassicDeparture> classicDepartures()
{
    return kDepartures;
}

}  // namespace ambrel
