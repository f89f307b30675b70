// SPDX-License-Identifier: GPL-3.0-or-later
// The command line's contract (exact numbers, exit codes, refusals) and its
// friendly forms: unit names, the two-unit form, JSON, listings.
#include "app/unit_names.h"
#include "app/window_registry.h"
#include "cli/cli.h"
#include "cli/json.h"
#include "cli_support.h"
#include "headless/headless_platform.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

using namespace ambrel;
using ambrel::testing::CliRun;
using ambrel::testing::run;

namespace {

template <class F>
void eachListed(std::string_view rest, F f)
{
    while (!rest.empty()) {
        const std::size_t bar = std::min(rest.find('|'), rest.size());
        f(std::string(rest.substr(0, bar)));
        rest.remove_prefix(std::min(bar + 1, rest.size()));
    }
}

// Every way of writing an entry (name, aliases, their plurals, symbols)
// finds that entry and no other.
TEST(UnitNames, EveryWrittenFormFindsItsOwnField)
{
    for (const UnitName& u : unitNames()) {
        std::vector<std::string> forms = {u.name};
        eachListed(u.aliases, [&](std::string a) { forms.push_back(a); });
        const std::size_t names = forms.size();
        for (std::size_t i = 0; i < names; ++i)
            for (const std::string& p : pluralsOf(normalizeUnitName(forms[i])))
                forms.push_back(p);
        eachListed(u.symbols, [&](std::string s) { forms.push_back(s); });
        for (const std::string& form : forms)
            EXPECT_EQ(findUnit(form), &u) << "'" << form << "' of " << u.name;
    }
}

TEST(UnitNames, EveryConverterFieldHasAName)
{
    for (const WindowEntry& e : windowRegistry()) {
        if (!e.takesAccuracy())
            continue;
        HeadlessPlatform platform;
        const auto window = e.make(platform);
        for (const FieldPlan& f : window->plan().fields) {
            if (f.kind != FieldKind::Number)
                continue;
            std::string label = f.label;
            if (label.back() == ':')
                label.pop_back();
            const UnitName* u = findUnit(label, e.cliName);
            ASSERT_NE(u, nullptr) << e.cliName << ": " << label;
            EXPECT_EQ(std::string(u->outlet), f.outlet) << label;
        }
    }
}

TEST(UnitNames, NamesIgnoreCaseAndSpellingSymbolsDoNot)
{
    struct Case {
        const char* typed;
        const char* window;  // where to look; empty for everywhere
        const char* outlet;  // null: no unit
    } cases[] = {
        {"KiloMeters", "", "KilometersField"},
        {"kilometres", "", "KilometersField"},
        {"Nautical  Mile", "", "NauticalMileField"},
        {"centuries", "", "CenturyField"},
        {"MW", "", "Pmegawatt"},
        {"mW", "", nullptr},
        {"b", "", "BitField"},
        {"B", "", "ByteField"},
        {"KM", "", nullptr},
        // Names found in several windows go to one of them; one window sees only its own.
        {"oz", "", "AVounce"},
        {"gal", "", "USgallon"},
        {"oz", "volume", nullptr},
        {"fl oz", "volume", "USfluidonce"},
        {"", "", nullptr},
        {"   ", "", nullptr},
    };
    for (const Case& c : cases) {
        const UnitName* u = findUnit(c.typed, c.window);
        EXPECT_EQ(std::string(u ? u->outlet : "(none)"), c.outlet ? c.outlet : "(none)") << c.typed;
    }
    EXPECT_EQ(std::string(findUnit("kB")->setting), "BaseRadioSelection=1");
    EXPECT_EQ(std::string(findUnit("KiB")->setting), "BaseRadioSelection=0");
}

TEST(UnitNames, UnknownUnitsSuggestCloseOnes)
{
    struct Case {
        std::vector<std::string> args;
        std::vector<const char*> suggested;
    } cases[] = {
        {{"1", "kib"}, {"Kib (kibibit)", "KiB (kibibyte)"}},
        {{"volume", "1", "ounce"}, {"US fluid ounce"}},
        {{"1", std::string(100000, 'x')}, {}},
    };
    for (const Case& c : cases) {
        const CliRun r = run(c.args);
        EXPECT_EQ(r.status, kExitUsage) << c.args[1];
        EXPECT_NE(r.err.find("no unit"), std::string::npos) << r.err;
        for (const char* s : c.suggested)
            EXPECT_NE(r.err.find(s), std::string::npos) << s << " not in " << r.err;
    }
}

TEST(CliConvert, TwoUnitsPrintOneLine)
{
    const struct {
        std::vector<std::string> args;
        std::string out;
    } cases[] = {
        {{"3", "miles", "to", "kilometers"}, "4.828032 kilometers\n"},
        {{"-40", "C", "F"}, "-40 F\n"},
        {{"1000000", "kB", "MiB"}, "953.674316406 MiB\n"},
        // "--" ends the options; a negative number after it is a number.
        {{"--", "-5", "ft", "m"}, "-1.524 m\n"},
        {{"--version"}, "ambrel " AMBREL_VERSION "\n"},
    };
    for (const auto& c : cases) {
        const CliRun r = run(c.args);
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.out, c.out);
    }
    // One unit shows the whole window under that unit's setting.
    const CliRun mb = run({"1", "MB"});
    EXPECT_NE(mb.out.find("1000000  byte\n"), std::string::npos) << mb.out;
    EXPECT_NE(mb.out.find("1  megabyte     <-\n"), std::string::npos) << mb.out;
}

TEST(CliJson, ScriptFormPrintsEveryFieldExactly)
{
    const CliRun r = run({"run", "--json", "temperature", "CelsiusField=100"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out,
              "{\"window\":\"temperature\",\"fields\":["
              "{\"outlet\":\"CelsiusField\",\"unit\":\"degree Celsius\",\"value\":100,\"shown\":\"100.0000\"},"
              "{\"outlet\":\"FahrenheitField\",\"unit\":\"degree Fahrenheit\",\"value\":212,\"shown\":\"212.0000\"},"
              "{\"outlet\":\"KelvinField\",\"unit\":\"kelvin\",\"value\":373,\"shown\":\"373.0000\"},"
              "{\"outlet\":\"RankineField\",\"unit\":\"degree Rankine\",\"value\":671.69,\"shown\":\"671.6900\"}]}\n");

    // A division by zero gives numbers JSON has none for; text cells hold text.
    EXPECT_NE(run({"run", "--json", "fuel-light", "Litersper100km=0"})
                  .out.find("\"outlet\":\"KiloLiterfField\",\"unit\":\"kilometer per liter\",\"value\":\"inf\""),
              std::string::npos);
    EXPECT_NE(run({"run", "--json", "computing", "DecimalField=10"})
                  .out.find("\"outlet\":\"BinaryField\",\"unit\":\"binary\",\"value\":\"1010\""),
              std::string::npos);
    EXPECT_EQ(run({"run", "--json", "--tsv", "length"}).status, kExitUsage);
}

TEST(CliJson, StringsAndNumbersAreValidJson)
{
    const struct {
        std::string in, out;
    } strings[] = {
        {"say \"hi\"\\", "\"say \\\"hi\\\"\\\\\""},
        {"a\nb\tc\rd\be\ff", "\"a\\nb\\tc\\rd\\be\\ff\""},
        {std::string("\x01\x1f\x7f", 3), "\"\\u0001\\u001f\x7f\""},
        {std::string("nul\0", 4), "\"nul\\u0000\""},
        {"x = A × C ÷ B", "\"x = A × C ÷ B\""},
        {"\xFF", "\"\xEF\xBF\xBD\""},                                  // not UTF-8 at all
        {"\xC3", "\"\xEF\xBF\xBD\""},                                  // cut short
        {"\xC0\xAF", "\"\xEF\xBF\xBD\xEF\xBF\xBD\""},                  // overlong
        {"\xED\xA0\x80", "\"\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\""},  // a surrogate
    };
    for (const auto& c : strings)
        EXPECT_EQ(jsonString(c.in), c.out);

    const struct {
        double in;
        const char* out;
    } numbers[] = {
        {-0.0, "-0"},
        {1e21, "1e+21"},
        {0.3048 * 39.37, "11.999976"},
        {-std::numeric_limits<double>::infinity(), "\"-inf\""},
        {std::nan(""), "\"nan\""},
    };
    for (const auto& c : numbers)
        EXPECT_EQ(jsonNumber(c.in), c.out);
}

TEST(CliUnits, ListsWindowsAndEachWindowsNames)
{
    const CliRun all = run({"units"});
    ASSERT_EQ(all.status, 0);
    EXPECT_EQ(std::count(all.out.begin(), all.out.end(), '\n'), static_cast<long>(windowRegistry().size()));

    const std::string length = run({"units", "length"}).out;
    EXPECT_NE(length.find(" nmi, NM "), std::string::npos) << length;

    EXPECT_EQ(run({"units", "nowhere"}).status, kExitUsage);
    const CliRun unit = run({"units", "mi"});
    EXPECT_EQ(unit.status, kExitUsage);
    EXPECT_NE(unit.err.find("ambrel units length"), std::string::npos) << unit.err;
}

bool hasLine(const std::string& text, const std::string& line)
{
    return ("\n" + text).find("\n" + line + "\n") != std::string::npos;
}

TEST(Cli, TsvPrintsEveryFieldWithExactAndShownValues)
{
    const CliRun r = run({"run", "--tsv", "length", "FeetField=1"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(hasLine(r.out, "InchesField\t11.999976\t12.0000"));
    EXPECT_TRUE(hasLine(r.out, "ParsecField\t9.876863253402463e-18\t9.8769e-18"));
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 19);
    EXPECT_EQ(r.out.substr(0, r.out.find('\t')), "MillimetersField");
    EXPECT_TRUE(
        hasLine(run({"run", "--accuracy=0", "--tsv", "length", "FeetField=1"}).out, "InchesField\t11.999976\t12"));
    const std::string full = run({"run", "--tsv", "--accuracy", "99", "length", "FeetField=1"}).out;
    EXPECT_TRUE(hasLine(full, "MetersField\t0.3048\t0.3048"));
    EXPECT_TRUE(hasLine(full, "InchesField\t11.999976\t11.999976"));
    for (const auto& [accuracy, shown] : {std::pair{"4", "3.0860e+22"}, std::pair{"99", "3.086e+22"}})
        EXPECT_TRUE(hasLine(run({"run", "--tsv", "--accuracy", accuracy, "length", "ParsecField=1000000"}).out,
                            std::string("MetersField\t3.086e+22\t") + shown))
            << accuracy;

    // Steps run in order; a selector repeats the last entry's conversion.
    const CliRun steps = run({"run", "--tsv", "length", "MilesField=1", "FeetField=2", "ImperialCalc:"});
    EXPECT_TRUE(hasLine(steps.out, "MetersField\t0.6096\t0.6096"));
}

TEST(Cli, RefusalsAndUsageErrorsHaveTheirExitCodes)
{
    struct Case {
        std::vector<std::string> args;
        int status;
        const char* message;
    } cases[] = {
        {{"run", "length", "FeetField=12abc"}, kExitRefused, "not a number"},
        {{"run", "nowhere"}, kExitUsage, "unknown window"},
        {{"run"}, kExitUsage, "needs a window"},
        {{"run", "length", "Nope=1"}, kExitUsage, "no field"},
        {{"run", "length", "garbage"}, kExitUsage, "unknown action"},
        {{"run", "--accuracy", "x", "length"}, kExitUsage, "whole number"},
        {{"run", "--accuracy"}, kExitUsage, "whole number"},
        {{"frobnicate"}, kExitUsage, "unknown command"},
        {{"length", "abc", "foot"}, kExitRefused, "not a number"},
        {{"1e999", "mi", "km"}, kExitRefused, "too large"},
        {{"3", "mi", "kg"}, kExitUsage, "do not convert"},
        {{"mi", "3"}, kExitUsage, "put the number first"},
        {{"3", "mi", "--frob"}, kExitUsage, "unknown option"},
    };
    for (const Case& c : cases) {
        const CliRun r = run(c.args);
        EXPECT_EQ(r.status, c.status) << c.args.back();
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
        EXPECT_TRUE(r.out.empty()) << r.out;
    }
}

TEST(Cli, FriendlyFormPrintsEveryUnitAndHelpNamesTheForms)
{
    const CliRun r = run({"length", "1", "mile"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("1609.344  meter"), std::string::npos) << r.out;
    // Tiny values keep their digits rather than showing a bare zero.
    EXPECT_NE(r.out.find("e-"), std::string::npos);
    const CliRun help = run({"--help"});
    EXPECT_EQ(help.status, 0);
    for (const char* form : {"ambrel run", "ambrel length 1 foot", "ambrel 3 mi km", "ambrel units", "--json"})
        EXPECT_NE(help.out.find(form), std::string::npos) << form;
}

}  // namespace
