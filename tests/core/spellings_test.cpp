// SPDX-License-Identifier: GPL-3.0-or-later
// The ways people write units, each matched to the unit it means.
#include "app/unit_names.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace ambrel;

namespace {

struct Spelling {
    const char* typed;
    const char* unit;   // the table's unit name
    double factor = 1;  // the typed unit in that unit
};

// 127 everyday spellings, gathered from what people type into converters.
// clang-format off
const Spelling kCommon[] = {
    // length
    {"m", "meter"}, {"metre", "meter"}, {"meters", "meter"}, {"km", "kilometer"}, {"cm", "centimeter"},
    {"mm", "millimeter"}, {"nm", "nanometer"}, {"um", "micrometer"}, {"\u00b5m", "micrometer"},
    {"\u03bcm", "micrometer"}, {"nanometer", "nanometer"}, {"micrometre", "micrometer"}, {"in", "inch"},
    {"ft", "foot"}, {"feet", "foot"}, {"yd", "yard"}, {"mi", "mile"}, {"miles", "mile"}, {"nmi", "nautical mile"},
    {"ly", "light year"}, {"light-years", "light year"}, {"au", "astronomical unit"},
    // area
    {"m^2", "square meter"}, {"m2", "square meter"}, {"m\u00b2", "square meter"}, {"sq m", "square meter"},
    {"km^2", "square kilometer"}, {"ft^2", "square foot"}, {"sq ft", "square foot"}, {"square feet", "square foot"},
    {"acres", "acre"}, {"ha", "hectare"},
    // velocity
    {"m/s", "meter per second"}, {"km/h", "kilometer per hour"}, {"km/hr", "kilometer per hour"},
    {"kph", "kilometer per hour"}, {"km per hour", "kilometer per hour"}, {"mph", "mile per hour"},
    {"miles per hour", "mile per hour"}, {"mi/hr", "mile per hour"}, {"ft/s", "foot per second"}, {"knots", "knot"},
    // pressure
    {"Pa", "pascal"}, {"kPa", "kilopascal"}, {"hPa", "hectopascal"}, {"GPa", "gigapascal"}, {"bar", "bar"},
    {"mbar", "millibar"}, {"psi", "pound per square inch"}, {"atm", "atmosphere"}, {"mmHg", "millimeter of mercury"},
    {"torr", "torr"},
    // temperature
    {"C", "degree Celsius"}, {"\u00b0C", "degree Celsius"}, {"celsius", "degree Celsius"},
    {"\u00b0F", "degree Fahrenheit"}, {"fahrenheit", "degree Fahrenheit"}, {"K", "kelvin"},
    // time
    {"s", "second"}, {"sec", "second"}, {"ms", "millisecond"}, {"\u00b5s", "microsecond"}, {"ns", "nanosecond"},
    {"min", "minute"}, {"h", "hour"}, {"hr", "hour"}, {"hours", "hour"}, {"days", "day"}, {"month", "month"},
    {"months", "month"}, {"yr", "year"},
    // volume
    {"l", "liter"}, {"L", "liter"}, {"ml", "milliliter"}, {"mL", "milliliter"}, {"m^3", "cubic meter"},
    {"cm3", "cubic centimeter"}, {"cc", "cubic centimeter"}, {"ft^3", "cubic foot"}, {"gal", "US gallon"},
    {"UK gallon", "imperial gallon"}, {"imperial gallons", "imperial gallon"}, {"UK pint", "imperial pint"},
    {"pint", "US pint"}, {"cups", "US cup"}, {"tsp", "US teaspoon"}, {"tbsp", "US tablespoon"},
    {"fl oz", "US fluid ounce"}, {"bbl", "barrel of oil"},
    // weight and force
    {"g", "gram"}, {"kg", "kilogram"}, {"mg", "milligram"}, {"\u00b5g", "microgram"}, {"t", "metric ton"},
    {"lb", "avoirdupois pound"}, {"lbs", "avoirdupois pound"}, {"oz", "avoirdupois ounce"}, {"stone", "stone"},
    {"N", "newton"}, {"kN", "kilonewton"}, {"MN", "meganewton"}, {"mN", "millinewton"},
    // power and energy
    {"W", "watt"}, {"kW", "kilowatt"}, {"GW", "gigawatt"}, {"mW", "milliwatt"}, {"hp", "horsepower (550 ft-lbf/s)"},
    {"J", "joule"}, {"kJ", "kilojoule"}, {"kWh", "kilowatt-hour"}, {"kwh", "kilowatt-hour"},
    {"TWh", "terawatt-hour"}, {"kcal", "calorie (nutrition)"}, {"BTU", "BTU"},
    // data sizes
    {"B", "byte"}, {"KB", "byte", 1e3}, {"kB", "kilobyte"}, {"MB", "megabyte"}, {"GB", "gigabyte"},
    {"PB", "byte", 1e15}, {"TiB", "tebibyte"}, {"PiB", "byte", 1125899906842624.0}, {"Gbit", "bit", 1e9},
    {"Gb", "bit", 1e9}, {"Mbit", "megabit"}, {"kilobytes", "kilobyte"},
    // fuel and light
    {"mpg", "mile per US gallon"}, {"L/100km", "liter per 100 kilometers"}, {"lux", "lux"},
};
// clang-format on

TEST(Spellings, CommonSpellingsNameTheirUnits)
{
    static_assert(std::size(kCommon) == 129);
    std::vector<std::string> missed;
    for (const Spelling& s : kCommon) {
        const UnitSpelling m = matchUnit(s.typed);
        if (!m.unit) {
            missed.push_back(s.typed);
            continue;
        }
        // An understood spelling must mean the right unit at the right size.
        EXPECT_STREQ(m.unit->name, s.unit) << s.typed;
        EXPECT_DOUBLE_EQ(m.multiply / m.divide, s.factor) << s.typed;
    }
    std::string list;
    for (const std::string& s : missed)
        list += s + " ";
    EXPECT_LE(missed.size(), 7u) << "not understood: " << list;
}

TEST(Spellings, PrefixesStayOnMetricUnitsAndTablesComeFirst)
{
    // The tables' own symbols win over a prefix reading: "ft" is no
    // femto-ton, "NM" a nautical mile, "min" a minute, "Pa" a pascal.
    const std::pair<const char*, const char*> own[] = {{"ft", "foot"},       {"NM", "nautical mile"},
                                                       {"min", "minute"},    {"Pa", "pascal"},
                                                       {"pt", "point"},      {"ct", "metric carat"},
                                                       {"dam", "dekameter"}, {"kt", "kiloton"}};
    for (const auto& [typed, unit] : own) {
        const UnitSpelling m = matchUnit(typed);
        ASSERT_NE(m.unit, nullptr) << typed;
        EXPECT_STREQ(m.unit->name, unit) << typed;
        EXPECT_EQ(std::pair(m.multiply, m.divide), std::pair(1.0, 1.0)) << typed;
    }
    // No prefixes on units that do not take them, nor on nothing.
    for (const char* typed : {"kft", "kmi", "Mlb", "kC", "nhp", "month2", "Kx"})
        EXPECT_EQ(matchUnit(typed).unit, nullptr) << typed;
    // A window narrows the search.
    EXPECT_EQ(matchUnit("nm", "time").unit, nullptr);
    EXPECT_NE(matchUnit("nm", "length").unit, nullptr);
    EXPECT_STREQ(matchUnit("pt", "volume").unit->name, "US pint");
}

// Cup and spoons are the US measures, like gal and pint; the metric ones say
// so. The imperial cup (284 mL) says so too, and the 237 mL row must not
// answer to it; there are no imperial spoons, and no US spoon answers for one.
TEST(Spellings, CookingMeasuresAreUSUnlessSaidOtherwise)
{
    // clang-format off
    const std::pair<const char*, const char*> cases[] = {
        {"cup", "Icookcup"}, {"cups", "Icookcup"}, {"US cup", "Icookcup"}, {"us cups", "Icookcup"},
        {"tbsp", "Icooktablespoon"}, {"tablespoons", "Icooktablespoon"}, {"US tbsp", "Icooktablespoon"},
        {"US tablespoon", "Icooktablespoon"}, {"tsp", "Icookteaspoon"}, {"teaspoon", "Icookteaspoon"},
        {"US tsp", "Icookteaspoon"}, {"US teaspoons", "Icookteaspoon"},
        {"metric cup", "Mcookcup"}, {"metric cups", "Mcookcup"}, {"metric tablespoon", "Mcooktablespoon"},
        {"metric tbsp", "Mcooktablespoon"}, {"metric teaspoon", "Mcookteaspoon"}, {"metric tsp", "Mcookteaspoon"},
        {"imperial cup", "Icup"}, {"UK cup", "Icup"}, {"British cups", "Icup"},
        {"imperial teaspoon", nullptr}, {"imperial tablespoon", nullptr}, {"UK tsp", nullptr},
    };
    // clang-format on
    for (const auto& [typed, outlet] : cases)
        for (const char* window : {"", "volume"}) {
            const UnitSpelling m = matchUnit(typed, window);
            EXPECT_EQ(std::string(m.unit ? m.unit->outlet : "(none)"), outlet ? outlet : "(none)") << typed;
            EXPECT_EQ(std::pair(m.multiply, m.divide), std::pair(1.0, 1.0)) << typed;
        }
}

}  // namespace
