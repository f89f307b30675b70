// SPDX-License-Identifier: GPL-3.0-or-later
// Names as people type them on a plain keyboard, SI prefixes on the hertz,
// a name two windows share with nothing to settle it, and where each exact
// size comes from.
#include "app/unit_names.h"
#include "cli/cli.h"
#include "cli_support.h"

#include <gtest/gtest.h>

#include <string>

using namespace ambrel;
using namespace ambrel::testing;

namespace {

TEST(SharedNames, PlainKeyboardFormsAndHertzPrefixesNameTheirUnits)
{
    // clang-format off
    const struct { const char* typed; const char* unit; double multiply, divide; const char* window = ""; } cases[] = {
        {"THz", "hertz", 1e12, 1}, {"mHz", "hertz", 1, 1e3}, {"uHz", "hertz", 1, 1e6}, {"kHz", "kilohertz", 1, 1},
        {"GHz", "gigahertz", 1, 1}, {"terahertz", "hertz", 1e12, 1},
        {"um", "micrometer", 1, 1}, {"ug", "microgram", 1, 1}, {"uA", "microampere", 1, 1}, {"us", "microsecond", 1, 1},
        {"m^2", "square meter", 1, 1}, {"m2", "square meter", 1, 1}, {"ft^3", "cubic foot", 1, 1},
        {"N*m", "newton meter", 1, 1, "torque"}, {"N m", "newton meter", 1, 1, "torque"},
        {"lbf*ft", "pound-force foot", 1, 1, "torque"}, {"lbf ft", "pound-force foot", 1, 1, "torque"},
        {"m/s^2", "meter per second squared", 1, 1}, {"m/s2", "meter per second squared", 1, 1},
        {"g/cm^3", "gram per cubic centimeter", 1, 1},
    };
    // clang-format on
    for (const auto& c : cases) {
        const UnitSpelling m = matchUnit(c.typed, c.window);
        ASSERT_NE(m.unit, nullptr) << c.typed;
        EXPECT_EQ(std::string(m.unit->name), c.unit) << c.typed;
        EXPECT_EQ(m.multiply, c.multiply) << c.typed;
        EXPECT_EQ(m.divide, c.divide) << c.typed;
    }
    // Another case reads as the one unit it may stand for, or not at all.
    EXPECT_FALSE(matchUnit("mhz").unit);
    EXPECT_EQ(matchUnit("mhz").choices.size(), 2u);
}

TEST(SharedNames, ANameOfTwoWindowsIsSettledOrRefusedWithTheChoices)
{
    const CliRun both = run({"5", "N"});
    EXPECT_EQ(both.status, kExitUsage);
    EXPECT_TRUE(both.out.empty());
    for (const char* named : {"is a unit of weight and of force", "'ambrel force 5 N'"})
        EXPECT_NE(both.err.find(named), std::string::npos) << named << " not in " << both.err;
    // A window or a target settles it.
    EXPECT_EQ(run({"force", "5", "N"}).status, 0);
    EXPECT_EQ(run({"5", "N", "lbf"}).out, "1.1240447155 lbf\n");
    // A name of one window needs neither, though another case names a unit
    // elsewhere (the nautical mile, the knot; the newton meter, the kilonewton).
    for (const char* only : {"mi", "NM", "kn", "ps"})
        EXPECT_EQ(run({"3", only}).status, 0) << only;
    // A symbol typed letter for letter is shared only with a window that has
    // the same symbol: "gal" is the gallon's, the gal being "Gal"; "C" is the
    // degree Celsius's and the coulomb's alike.
    EXPECT_EQ(run({"1", "gal", "L"}).out, "3.785411784 L\n");
    EXPECT_EQ(run({"1", "gal"}).status, 0);
    EXPECT_EQ(run({"1", "Gal"}).status, 0);
    EXPECT_EQ(run({"100", "C"}).status, kExitUsage);
    EXPECT_NE(run({"1", "F"}).err.find("is a unit of temperature and of electricity"), std::string::npos);
    // The symbols of a case of their own name their own units alone.
    for (const auto& [typed, unit] : {std::pair{"T", "tesla"},
                                      {"mG", "milligauss"},
                                      {"S", "siemens"},
                                      {"mS", "millisiemens"},
                                      {"H", "henry"},
                                      {"At", "ampere-turn"}}) {
        const CliRun r = run({"1", typed});
        EXPECT_EQ(r.status, 0) << typed << ": " << r.err;
        EXPECT_NE(r.out.find("  1  " + std::string(unit) + " "), std::string::npos) << typed << ": " << r.out;
    }
}

TEST(SharedNames, TheUnitsListNamesEachSizesSource)
{
    const CliRun force = run({"units", "force"});
    ASSERT_EQ(force.status, 0);
    EXPECT_NE(force.out.find("= 1 newton (SI Brochure 2019)"), std::string::npos) << force.out;
}

}  // namespace
