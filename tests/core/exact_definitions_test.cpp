// SPDX-License-Identifier: GPL-3.0-or-later
// Exact definitions: every unit of every converter window against its size
// written out from its definition (long decimals from the sources), and the
// switch between the two table sets.
#include "app/application.h"
#include "app/menu_object.h"
#include "app/window_registry.h"
#include "calculators/file_transfer.h"
#include "cli_support.h"
#include "converters/fuel_light.h"
#include "converters/velocity.h"
#include "converters/volume.h"
#include "support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <regex>

using namespace ambrel;
using ambrel::testing::Rig;

namespace {

// One unit's size in its window's base unit, as a decimal from its
// definition: the pound is 453.59237 g, the US gallon 231 in³ = 3.785411784 L.
struct Size {
    const char* outlet;
    const char* reference;
};

// The distance from `got` to `want` in units in the last place of `want`.
double ulpsApart(double got, double want)
{
    return std::fabs(got - want) / (std::nextafter(std::fabs(want), INFINITY) - std::fabs(want));
}

// Typing 1 into the unit gives its size in the base field; typing 1 into the
// base gives one over the size in the unit's field (linear units only).
// Both within one unit in the last place of the true value.
double afterOne(const char* window, const std::string& typed, const std::string& read)
{
    HeadlessPlatform platform;
    const auto w = openWindow(*findWindow(window), platform, 4, true);
    EXPECT_TRUE(typeAndConfirm(platform, *w, w->fieldIndex(typed), "1").accepted) << typed;
    return w->field(read)->doubleValue();
}

void expectSizes(const char* window, const std::vector<Size>& sizes)
{
    const ConverterDef& def = *findWindow(window)->def;
    for (const Size& s : sizes) {
        const auto row = std::find_if(def.rows.begin(), def.rows.end(),
                                      [&](const UnitRow& r) { return std::string_view(r.outlet) == s.outlet; });
        ASSERT_NE(row, def.rows.end()) << s.outlet;
        const std::string base = def.boxes[row->box].base;
        const long double size = std::strtold(s.reference, nullptr);
        const double got = afterOne(window, s.outlet, base);
        EXPECT_LE(ulpsApart(got, static_cast<double>(size)), 1.0)
            << s.outlet << " gives " << std::setprecision(17) << got << " " << base;
        // Temperatures are offsets: one over a size means nothing there.
        if (row->exact.kind != ExactSize::Kind::Linear || std::string_view(window) == "temperature")
            continue;
        const double over = afterOne(window, base, s.outlet);
        EXPECT_LE(ulpsApart(over, static_cast<double>(1 / size)), 1.0)
            << "1 " << base << " gives " << std::setprecision(17) << over << " " << s.outlet;
    }
}

// clang-format off
// Reference tables, one unit after another.
const std::pair<const char*, std::vector<Size>> kSizes[] = {
    {"length", {{"MillimetersField", "0.001"}, {"CentimetersField", "0.01"}, {"DecimeterField", "0.1"},
        {"DekameterField", "1e+1"}, {"HectometerField", "1e+2"}, {"KilometersField", "1e+3"},
        {"InchesField", "0.0254"}, {"FeetField", "0.3048"}, {"YardsField", "0.9144"}, {"RodField", "5.0292"},
        {"ChainField", "20.1168"}, {"FurlongField", "201.168"}, {"MilesField", "1609.344"},
        {"LeagueField", "4828.032"}, {"NauticalMileField", "1852"}, {"ParsecField", "30856775814913672.78913938"},
        {"LightYearField", "9.4607304725808e+15"}, {"AstroUnitField", "1.495978707e+11"}}},
    {"area", {{"SqMillimeter", "0.000001"}, {"SqCentimeter", "0.0001"}, {"SqAre", "1e+2"}, {"SqHectare", "1e+4"},
        {"SqKilometer", "1e+6"}, {"SqInch", "0.00064516"}, {"SqFoot", "0.09290304"}, {"SqYard", "0.83612736"},
        {"SqRod", "25.29285264"}, {"SqRood", "1011.7141056"}, {"SqAcre", "4046.8564224"},
        {"SqMileArea", "2589988.110336"}}},
    {"velocity", {{"MeterSecField", "3.6"}, {"MeterMinField", "0.06"}, {"MeterHourField", "0.001"}, {"KiloSecField", "3.6e+3"},
        {"KiloMinField", "6e+1"}, {"FeetSecField", "1.09728"}, {"FeetMinField", "0.018288"},
        {"FeetHourField", "0.0003048"}, {"MileSecField", "5793.6384"}, {"MileMinField", "96.56064"},
        {"MileHourField", "1.609344"}, {"KnotsField", "1.852"}, {"MachField", "1225.0584"},
        {"LightSpeedField", "1079252848.8"}}},
    {"pressure", {{"PascalField", "0.001"}, {"MegapascalField", "1e+3"}, {"MillibarField", "0.1"}, {"BarField", "1e+2"},
        {"MiliMerc", "0.133322387415"}, {"CentiMerc", "1.33322387415"}, {"InchMerc", "3.386388640341"},
        {"NewtonSQmeter", "0.001"}, {"Atmosphere", "101.325"}, {"PoundSQinch", "6.894757293168361336722673"},
        {"PoundSQfoot", "0.04788025898033584261612968"}, {"InchWater", "0.24908891"}, {"FootWater", "2.98906692"},
        {"Torr", "0.1333223684210526315789474"}}},
    {"temperature", {{"FahrenheitField", "-17.22222222222222222222222"}, {"KelvinField", "-272.15"},
        {"RankineField", "-272.5944444444444444444444"}}},
    {"time", {{"PicoSecondField", "2.777777777777777777777778e-16"}, {"NanoSecondField", "2.777777777777777777777778e-13"},
        {"MicroSecondField", "2.777777777777777777777778e-10"}, {"MilliSecondField", "2.777777777777777777777778e-7"},
        {"SecondField", "0.0002777777777777777777777778"}, {"MinuteField", "0.01666666666666666666666667"},
        {"DayField", "24"}, {"WeekField", "168"}, {"YearField", "8766"}, {"DecadeField", "8.766e+4"},
        {"CenturyField", "8.766e+5"}}},
    {"volume", {{"Mmilliiter", "0.001"}, {"Mcentiliter", "0.01"}, {"Mdeciliter", "0.1"}, {"Mdekaliter", "1e+1"},
        {"Mhectoliter", "1e+2"}, {"Mkiloliter", "1e+3"}, {"MDcmillimeter", "0.000001"}, {"MDccentimeter", "0.001"},
        {"MDcmeter", "1e+3"}, {"MDckilometer", "1e+12"}, {"Ipint", "0.56826125"}, {"Iquart", "1.1365225"},
        {"Igallon", "4.54609"}, {"Iminim", "0.00005919388020833333333333333"}, {"Igill", "0.1420653125"},
        {"Ipeck", "9.09218"}, {"Ibushel", "36.36872"}, {"UScinch", "0.016387064"}, {"UScfoot", "28.316846592"},
        {"UScyard", "764.554857984"}, {"USacrefoot", "1233481.83754752"}, {"USregisterton", "2831.6846592"},
        {"USdryounce", "0.03441315445984375"}, {"USdrydram", "0.00430164430748046875"},
        {"USfluidonce", "0.0295735295625"}, {"USfuilddram", "0.0036966911953125"}, {"USgill", "0.11829411825"},
        {"USpint", "0.473176473"}, {"USquart", "0.946352946"}, {"USgallon", "3.785411784"},
        {"USbarrel", "119.240471196"}, {"USbarrelofoil", "158.987294928"}, {"USminim", "0.000061611519921875"},
        {"Mcookteaspoon", "0.005"}, {"Mcooktablespoon", "0.015"}, {"Mcookcup", "0.25"},
        {"Icookteaspoon", "0.00492892159375"}, {"Icooktablespoon", "0.01478676478125"}, {"Icookcup", "0.2365882365"}}},
    {"weight", {{"Mcarat", "0.2"}, {"Mnewton", "101.9716212977928242570093"}, {"Mmilligram", "0.001"}, {"Mcentigram", "0.01"},
        {"Mdecigram", "0.1"}, {"Mdekagram", "1e+1"}, {"Mhectogram", "1e+2"}, {"Mkilogram", "1e+3"},
        {"Mhundredweight", "1e+5"}, {"Mton", "1e+6"}, {"Mkiloton", "1e+9"}, {"AVgrain", "0.06479891"},
        {"AVdram", "1.7718451953125"}, {"AVounce", "28.349523125"}, {"AVpound", "453.59237"},
        {"AVstone", "6350.29318"}, {"AVslug", "14593.90293720636482939633"}, {"AVshundredweight", "45359.237"},
        {"AVlhundredweight", "50802.34544"}, {"AVshortton", "907184.74"}, {"AVlongton", "1016046.9088"},
        {"APgrain", "0.06479891"}, {"APscruple", "1.2959782"}, {"APdram", "3.8879346"}, {"APounce", "31.1034768"},
        {"APpound", "373.2417216"}, {"Tgrain", "0.06479891"}, {"Tdyne", "0.001019716212977928242570093"},
        {"Tcarat", "0.25919564"}, {"Tpennyweight", "1.55517384"}, {"Tounce", "31.1034768"}, {"Tpound", "373.2417216"}}},
    {"power-energy", {{"Pkilowatt", "1e+3"}, {"Pmegawatt", "1e+6"}, {"Pbtupersecond", "1055.05585262"},
        {"Pbtuperhour", "0.2930710701722222222222222"}, {"PfootPFpersecond", "1.3558179483314004"},
        {"Prefigerationton", "3516.852842066666666666667"}, {"Phorsepower550", "745.69987158227022"},
        {"PhorsepowerMetric", "735.49875"}, {"PhorsepowerElectric", "746"}, {"PhorsepowerWater", "746.043"},
        {"PhorsepowerBoiler", "9809.5"}, {"Ekilojoule", "1e+3"}, {"Emegajoule", "1e+6"}, {"Ewattsecond", "1"},
        {"Ewatthour", "3.6e+3"}, {"Ekilowatthour", "3.6e+6"}, {"EcaloriePhysics", "4.184"},
        {"EcalorieNutrition", "4184"}, {"EnewtonMeter", "1"}, {"Ebtu", "1055.05585262"}, {"EtermUS", "1.054804e+8"},
        {"EtermEurope", "1.05506e+8"}, {"EhorsepowerHour", "2684519.537696172792"},
        {"Efootpoundforce", "1.3558179483314004"}}},
    {"fuel-light", {{"MileGallonField", "0.4251437074302720034011497"}, {"Litersper100km", "1e+2"},
        {"Gallonsper100miles", "42.51437074302720034011497"}, {"LumenSqMeter", "1"},
        {"LumenSqFootField", "10.76391041670972230833351"}, {"FootCandleField", "10.76391041670972230833351"},
        {"CandSqInchField", "1550.003100006200012400025"}, {"FootlambertField", "3.426259099635390526916746"},
        {"LambertField", "3183.098861837906715377675"}}},
};
// clang-format on

TEST(ExactSizes, EveryUnitWithinAUnitInTheLastPlace)
{
    for (const auto& [window, sizes] : kSizes)
        expectSizes(window, sizes);
}

std::string run(std::vector<std::string> args)
{
    const ambrel::testing::CliRun r = ambrel::testing::run(std::move(args));
    return r.out + r.err;
}

// Results that are exact in decimal show exactly, as stored and as printed;
// the classic tables are what they were.
TEST(ExactCommandLine, ExactDecimalsPrintExactly)
{
    // clang-format off
    ambrel::testing::expectRuns({
        {{"--exact", "1", "lb", "kg"}, 0, "0.45359237 kg\n"},      {{"--exact", "0", "C", "K"}, 0, "273.15 K\n"},
        {{"--exact", "1", "mi", "ft"}, 0, "5280 ft\n"},            {{"--exact", "1", "impgal", "imppt"}, 0, "8 imppt\n"},
        {{"--exact", "1", "nmi", "m"}, 0, "1852 m\n"},             {{"--exact", "1", "au", "km"}, 0, "149597870.7 km\n"},
        {{"--exact", "-40", "C", "F"}, 0, "-40 F\n"},              {{"--exact", "1", "gal", "l"}, 0, "3.785411784 l\n"},
        {{"--exact", "30", "mpg", "l/100km"}, 0, "7.84048611111 l/100km\n"},
        {{"--classic", "1", "lb", "kg"}, 0, "0.454 kg\n"},         {{"--classic", "1", "mi", "ft"}, 0, "5280.257664 ft\n"},
    });
    // clang-format on
    const std::string tsv = run({"run", "--exact", "--tsv", "length", "MilesField=1"});
    EXPECT_NE(tsv.find("FeetField\t5280\t"), std::string::npos) << tsv;
    EXPECT_NE(tsv.find("FurlongField\t8\t"), std::string::npos) << tsv;
    EXPECT_NE(run({"run", "--exact", "--tsv", "volume", "Igallon=1"}).find("Ipint\t8\t"), std::string::npos);
    EXPECT_NE(run({"run", "--tsv", "--exact", "weight", "AVpound=1"}).find("Mkilogram\t0.45359237\t"),
              std::string::npos);
    ::setenv("AMBREL_EXACT", "1", 1);
    EXPECT_EQ(run({"1", "nmi", "m"}), "1852 m\n");
    ::setenv("AMBREL_CLASSIC", "1", 1);
    EXPECT_EQ(run({"1", "nmi", "m"}), "1851.66 m\n");
    ::unsetenv("AMBREL_CLASSIC");
    ::unsetenv("AMBREL_EXACT");
}

TEST(ExactCommandLine, UnitsListTheDefinitions)
{
    const std::string units = run({"units", "volume", "--exact"});
    EXPECT_NE(units.find("usgal = 3.785411784 liter"), std::string::npos) << units;
    EXPECT_NE(units.find("impgal / 8 = 0.56826125 liter"), std::string::npos) << units;
    EXPECT_NE(units.find("metric tablespoon (15 mL): 15 / 1000"), std::string::npos) << units;
    EXPECT_NE(run({"units", "velocity", "--exact"}).find("no exact size"), std::string::npos);
    EXPECT_EQ(run({"units", "volume", "--classic"}).find("231 * in3"), std::string::npos);
}

// Exact results of entries whose departures keep working under the exact
// set: temperature offsets go in with one rounding (no 273.15000000000001),
// power and energy share the entry, the warp keeps its formula (warp 1 is c)
// and its cap.
TEST(ExactWindows, DeparturesGiveExactResults)
{
    // clang-format off
    const struct { const char *window, *typed, *text; std::vector<std::pair<const char*, double>> want; } cases[] = {
        {"temperature", "CelsiusField", "0", {{"KelvinField", 273.15}, {"CelsiusField", 0}}},
        {"temperature", "CelsiusField", "100", {{"FahrenheitField", 212}}},
        {"temperature", "CelsiusField", "-40", {{"FahrenheitField", -40}}},
        {"temperature", "KelvinField", "0", {{"RankineField", 0}}},
        {"temperature", "FahrenheitField", "0", {{"RankineField", 459.67}}},
        {"temperature", "FahrenheitField", "212", {{"CelsiusField", 100}}},
        {"temperature", "KelvinField", "373.15", {{"CelsiusField", 100}, {"KelvinField", 373.15}}},
        {"temperature", "FahrenheitField", "98.6", {{"CelsiusField", 37}, {"FahrenheitField", 98.6}}},
        {"power-energy", "Phorsepower550", "1", {{"Efootpoundforce", 550}, {"Phorsepower550", 1},
                                                 {"Pwatt", 745.6998715822702}, {"Ejoule", 745.6998715822702}}},
        {"velocity", "WarpSpeedField", "1", {{"LightSpeedField", 1}, {"KiloHourField", 1079252848.8}}},
        {"velocity", "WarpSpeedField", "12", {{"WarpSpeedField", VelocityObject::kWarpCap}}},
        // Offsets are exact: absolute zero on one scale is absolute zero on
        // the other, and the typed field keeps what was typed.
        {"temperature", "RankineField", "491.67", {{"CelsiusField", 0}, {"KelvinField", 273.15}}},
        {"temperature", "FahrenheitField", "-459.67", {{"KelvinField", 0}, {"RankineField", 0}}},
        {"temperature", "FahrenheitField", "0", {{"FahrenheitField", 0}, {"RankineField", 459.67}}},
        // Data sizes, which once had no exact size and came out unchanged.
        {"computing", "GigaByteField", "1", {{"MegabyteField", 1024}, {"ByteField", 1073741824},
                                              {"BitField", 8589934592}, {"TerabyteField", 0.0009765625}}},
        {"computing", "BitField", "1", {{"ByteField", 0.125}, {"KilobitField", 0.0009765625}}},
        // One rounding from the typed decimal: 3 mm is 3e-5 hm, not a
        // rounded ratio times a rounded 3.
        {"length", "MillimetersField", "3", {{"HectometerField", 3e-5}}},
    };
    // clang-format on
    for (const auto& c : cases) {
        HeadlessPlatform platform;
        const auto w = openWindow(*findWindow(c.window), platform, 4, true);
        ASSERT_TRUE(typeAndConfirm(platform, *w, w->fieldIndex(c.typed), c.text).accepted) << c.typed;
        for (const auto& [outlet, want] : c.want)
            EXPECT_EQ(w->field(outlet)->doubleValue(), want) << c.typed << '=' << c.text << " -> " << outlet;
    }
}

// Switching sets converts the last entry again; switching back gives the
// classic doubles bit for bit, and the labels and title say which set it is.
TEST(ExactWindows, SwitchingConvertsTheLastEntryAgain)
{
    Rig<VolumeObject> rig;
    ASSERT_TRUE(rig.type("Igallon", "1"));
    const double classicPints = rig.value("Ipint");
    const double classicTeaspoons = rig.value("Icookteaspoon");
    rig.window.setExactDefinitions(true);
    EXPECT_EQ(rig.value("Ipint"), 8);
    EXPECT_EQ(rig.value("Igallon"), 1);
    EXPECT_EQ(rig.cell("Mcooktablespoon").title(), "metric tablespoon (15 mL)");
    EXPECT_EQ(rig.window.parts().window->title(), "Volume");
    rig.window.setExactDefinitions(false);
    EXPECT_EQ(rig.value("Ipint"), classicPints);
    EXPECT_EQ(rig.value("Icookteaspoon"), classicTeaspoons);
    EXPECT_EQ(rig.cell("Mcooktablespoon").title(), "metric tablespoon");
    EXPECT_EQ(rig.window.parts().window->title(), "Volume — classic tables");
}

TEST(ExactWindows, EachBoxOfTheFuelAndLightWindowKeepsItsEntry)
{
    Rig<MiscObject> rig;
    ASSERT_TRUE(rig.type("MileGallonField", "30"));
    ASSERT_TRUE(rig.type("FootCandleField", "1"));
    rig.window.setExactDefinitions(true);
    EXPECT_EQ(rig.value("MileGallonField"), 30);
    EXPECT_NEAR(rig.value("Litersper100km"), 7.840486111111111, 1e-15);
    EXPECT_EQ(rig.value("LuxField"), 1 / 0.09290304);
}

// The menu's check box reaches every window and is stored; windows opened
// earlier convert their last entry again.
TEST(ExactMenu, TheSwitchReachesOpenWindowsAndIsKept)
{
    HeadlessPlatform platform;
    platform.defaults().setBool(MenuObject::kUsePreferences, true);
    platform.defaults().setBool(MenuObject::kExactKey, false);
    Application app(platform);
    MenuObject& menu = app.menu();
    menu.applicationDidFinishLaunching();
    menu.OpenLenghtWindow();
    menu.OpenWeightWindow();
    const auto typeInto = [&](const char* cls, const char* outlet, const char* text) {
        WindowController* w = app.controller(cls);
        ASSERT_TRUE(typeAndConfirm(platform, *w, w->fieldIndex(outlet), text).accepted);
    };
    typeInto("LenghtObject", "MilesField", "1");
    typeInto("WeightObject", "AVpound", "1");
    EXPECT_EQ(app.controller("WeightObject")->field("Mgram")->doubleValue(), 454);

    menu.parts().exactDefinitions->setIntValue(1);
    menu.SetExactDefinitions();
    EXPECT_TRUE(platform.defaults().boolForKey(MenuObject::kExactKey));
    EXPECT_EQ(app.controller("LenghtObject")->field("FeetField")->doubleValue(), 5280);
    EXPECT_EQ(app.controller("WeightObject")->field("Mgram")->doubleValue(), 453.59237);

    // The first-run window's choice works the same way, back to the classic tables.
    menu.UseClassicTables();
    EXPECT_FALSE(platform.defaults().boolForKey(MenuObject::kExactKey));
    EXPECT_EQ(menu.parts().exactDefinitions->intValue(), 0);
    EXPECT_EQ(app.controller("LenghtObject")->field("FeetField")->doubleValue(), 5280.257664000001);
}

// Line speeds count k = 1000 under exact definitions.
TEST(ExactWindows, FileTransferLineSpeedsAreDecimal)
{
    EXPECT_EQ(std::vector({FileTransferCalc::lineSpeed(6), FileTransferCalc::lineSpeed(6, true),
                           FileTransferCalc::lineSpeed(0, true), FileTransferCalc::lineSpeed(4, true)}),
              std::vector({1310720.0, 1250000.0, 1800.0, 193000.0}));
}

// The texts a person meets first never call the program exact: its results
// are rounded, and the classic tables are one option or click away.
TEST(OutwardTexts, NoneCallsTheProgramExact)
{
    const auto read = [](const char* path) {
        std::ifstream in(std::string(AMBREL_SOURCE_DIR) + "/" + path);
        EXPECT_TRUE(in) << path;
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    const std::pair<std::string, std::string> texts[] = {
        {"README.md", read("README.md")},
        {"metainfo", read("resources/org.orlune.Ambrel.metainfo.xml.in")},
        {"man page", read("resources/ambrel.1")},
        {"--help", run({"--help"})},
    };
    // "Ambrel is a fast, exact unit converter", "an exact converter".
    const std::regex claim(
        R"(ambrel (is|gives|converts)[^.\n]{0,40}\bexact\b(?! definitions)|\bexact (unit )?converter)",
        std::regex::icase);
    for (const auto& [name, text] : texts) {
        std::smatch m;
        EXPECT_FALSE(std::regex_search(text, m, claim)) << name << ": \"" << m.str() << '"';
        // Each says the classic factors are rounded and how to get exact ones.
        EXPECT_NE(text.find("rounded"), std::string::npos) << name;
        EXPECT_NE(text.find("xact definitions"), std::string::npos) << name;
    }
}

}  // namespace
