// The friendly command line: unit names, the two-unit form, JSON, listings.
#include "app/window_registry.h"
#include "cli/cli.h"
#include "cli/json.h"
#include "cli/unit_names.h"
#include "headless/headless_platform.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

using namespace ambrel;

namespace {

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

CliRun run(std::vector<std::string> args)
{
    std::ostringstream out, err;
    const int status = runCli(args, out, err);
    return {status, out.str(), err.str()};
}

// The stored value of OUTLET after `steps`, through the script form.
std::string scriptValue(const std::string& window, const std::string& step, const std::string& outlet)
{
    const CliRun r = run({"run", "--tsv", window, step});
    const std::size_t at = r.out.find(outlet + "\t");
    if (at == std::string::npos)
        return "(missing)";
    const std::size_t start = at + outlet.size() + 1;
    return r.out.substr(start, r.out.find('\t', start) - start);
}

template <class F>
void eachListed(const char* list, F f)
{
    std::string_view rest = list;
    while (!rest.empty()) {
        const std::size_t bar = std::min(rest.find('|'), rest.size());
        f(std::string(rest.substr(0, bar)));
        rest.remove_prefix(std::min(bar + 1, rest.size()));
    }
}

// Every way of writing an entry finds that entry and no other, and the
// entry is a field of its window that, under its setting, is titled with
// the entry's name and takes the number.
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

        // (The temperature window rewrites the edited field from its base:
        // the value is near 2.5, not always 2.5 itself.)
        const CliRun r = run({"--json", "2.5", u.name, u.name});
        ASSERT_EQ(r.status, 0) << u.name << ": " << r.err;
        EXPECT_EQ(r.out.rfind(std::string("{\"window\":\"") + u.window + "\",\"fields\":[{\"outlet\":\"" +
                                  u.outlet + "\",\"unit\":\"" + u.name + "\",\"value\":2.",
                              0),
                  0u)
            << r.out;
        EXPECT_NE(r.out.find(",\"shown\":\"2.5\"}]}\n"), std::string::npos) << r.out;
    }
}

// Each unit field of each converter window can be named by its title.
TEST(UnitNames, EveryConverterFieldHasAName)
{
    for (const WindowEntry& e : windowRegistry()) {
        if (!e.takesAccuracy)
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
        {"light-years", "", "LightYearField"},
        {"kilowatt hours", "", "Ekilowatthour"},
        {"square feet", "", "SqFoot"},
        {"miles per hour", "", "MileHourField"},
        {"degrees Celsius", "", "CelsiusField"},
        {"centuries", "", "CenturyField"},
        {"apothecaries ounce", "", "APounce"},
        {"decalitres", "", "Mdekaliter"},
        {"MW", "", "Pmegawatt"},
        {"mW", "", nullptr},
        {"b", "", "BitField"},
        {"B", "", "ByteField"},
        {"KM", "", nullptr},
        // Names found in several windows go to one of them.
        {"ton", "", "Mton"},
        {"oz", "", "AVounce"},
        {"gal", "", "USgallon"},
        {"impgal", "", "Igallon"},
        {"kt", "", "Mkiloton"},
        {"L", "", "Mliter"},
        // Looking in one window sees that window only.
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
        {{"1", "nautical", "mils"}, {"nautical mile"}},
        {{"1", "mW"}, {"MW (megawatt)"}},
        {{"1", "km", "to", "mies"}, {"mile"}},
        {{"volume", "1", "ounce"}, {"US fluid ounce"}},
        {{"1", "furlongs/fortnight"}, {}},
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

TEST(CliConvert, TwoUnitsGiveTheWindowsExactNumber)
{
    struct Case {
        std::vector<std::string> args;
        std::string line;      // what is printed
        std::string window, step, outlet;  // the same through the script form
    } cases[] = {
        {{"3", "mi", "km"}, "4.828032 km", "length", "MilesField=3", "KilometersField"},
        {{"3", "miles", "to", "kilometers"}, "4.828032 kilometers", "length", "MilesField=3", "KilometersField"},
        {{"-40", "C", "F"}, "-40 F", "temperature", "CelsiusField=-40", "FahrenheitField"},
        {{"1", "US", "gallon", "l"}, "", "volume", "USgallon=1", "Mliter"},
        {{"length", "1", "foot", "m"}, "0.3048 m", "length", "FeetField=1", "MetersField"},
        {{"1", "GiB", "GB"}, "1.073741824 GB", "", "", ""},
        {{"1000000", "kB", "MiB"}, "953.674316406 MiB", "", "", ""},
        {{"1", "byte", "KiB"}, "0.0009765625 KiB", "", "", ""},
    };
    for (const Case& c : cases) {
        const CliRun r = run(c.args);
        ASSERT_EQ(r.status, 0) << c.args[1] << ": " << r.err;
        if (!c.line.empty()) {
            EXPECT_EQ(r.out, c.line + "\n");
        }
        if (c.window.empty())
            continue;
        std::vector<std::string> json = c.args;
        json.insert(json.begin(), "--json");
        const CliRun j = run(json);
        EXPECT_NE(j.out.find("\"value\":" + scriptValue(c.window, c.step, c.outlet) + ","), std::string::npos)
            << j.out;
    }
}

TEST(CliConvert, BadNumbersAndMismatchedUnitsAreRefused)
{
    struct Case {
        std::vector<std::string> args;
        int status;
        const char* message;
    } cases[] = {
        {{"3x", "mi", "km"}, kExitRefused, "not a number"},
        {{"1e999", "mi", "km"}, kExitRefused, "too large"},
        {{"3", "mi", "kg"}, kExitUsage, "do not convert"},
        {{"3"}, kExitUsage, "give a unit"},
        {{"length", "1"}, kExitUsage, "give a number"},
        {{"mi", "3"}, kExitUsage, "put the number first"},
        {{"3", "mi", "--frob"}, kExitUsage, "unknown option"},
    };
    for (const Case& c : cases) {
        const CliRun r = run(c.args);
        EXPECT_EQ(r.status, c.status) << c.args[0];
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
        EXPECT_TRUE(r.out.empty()) << r.out;
    }
}

TEST(CliConvert, OneUnitShowsTheWholeWindowUnderItsSetting)
{
    const CliRun r = run({"1", "MB"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("1000000  byte\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("1  megabyte     <-\n"), std::string::npos) << r.out;
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

    // A division by zero gives numbers JSON has none for.
    const CliRun inf = run({"run", "--json", "fuel-light", "Litersper100km=0"});
    EXPECT_NE(inf.out.find("\"outlet\":\"KiloLiterfField\",\"unit\":\"kilometer per liter\",\"value\":\"inf\""),
              std::string::npos)
        << inf.out;
    // Text cells hold text.
    const CliRun text = run({"run", "--json", "computing", "DecimalField=10"});
    EXPECT_NE(text.out.find("\"outlet\":\"BinaryField\",\"unit\":\"binary\",\"value\":\"1010\""), std::string::npos)
        << text.out;
    EXPECT_EQ(run({"run", "--json", "--tsv", "length"}).status, kExitUsage);
}

TEST(CliJson, StringsAndNumbersAreValidJson)
{
    const struct {
        std::string in, out;
    } strings[] = {
        {"plain", "\"plain\""},
        {"say \"hi\"\\", "\"say \\\"hi\\\"\\\\\""},
        {"a\nb\tc\rd\be\ff", "\"a\\nb\\tc\\rd\\be\\ff\""},
        {std::string("\x01\x1f\x7f", 3), "\"\\u0001\\u001f\x7f\""},
        {std::string("nul\0", 4), "\"nul\\u0000\""},
        {"x = A × C ÷ B", "\"x = A × C ÷ B\""},
        {"\xF0\x9F\x93\x8F", "\"\xF0\x9F\x93\x8F\""},
        {"\xFF", "\"\xEF\xBF\xBD\""},                                    // not UTF-8 at all
        {"\xC3", "\"\xEF\xBF\xBD\""},                                    // cut short
        {"\xC0\xAF", "\"\xEF\xBF\xBD\xEF\xBF\xBD\""},                    // overlong
        {"\xED\xA0\x80", "\"\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\""},    // a surrogate
    };
    for (const auto& c : strings)
        EXPECT_EQ(jsonString(c.in), c.out);

    const struct {
        double in;
        const char* out;
    } numbers[] = {
        {0.1, "0.1"},
        {-0.0, "-0"},
        {1e21, "1e+21"},
        {5e-324, "5e-324"},
        {0.3048 * 39.37, "11.999976"},
        {std::numeric_limits<double>::infinity(), "\"inf\""},
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
    EXPECT_NE(all.out.find("  length "), std::string::npos) << all.out;

    const CliRun length = run({"units", "length"});
    ASSERT_EQ(length.status, 0);
    EXPECT_NE(length.out.find("Imperial and nautical\n"), std::string::npos) << length.out;
    const std::size_t line = length.out.find("  nautical mile ");
    ASSERT_NE(line, std::string::npos) << length.out;
    const std::string row = length.out.substr(line, length.out.find('\n', line) - line);
    EXPECT_NE(row.find(" nmi, NM "), std::string::npos) << row;
    EXPECT_EQ(row.substr(row.size() - 18), " NauticalMileField") << row;

    // A calculator has no unit names: its fields, by outlet.
    const CliRun calc = run({"units", "file-transfer"});
    EXPECT_NE(calc.out.find("FileSize"), std::string::npos) << calc.out;

    EXPECT_EQ(run({"units", "nowhere"}).status, kExitUsage);
    const CliRun unit = run({"units", "mi"});
    EXPECT_EQ(unit.status, kExitUsage);
    EXPECT_NE(unit.err.find("ambrel units length"), std::string::npos) << unit.err;
}

TEST(CliUnits, HelpNamesTheNewForms)
{
    const CliRun r = run({"--help"});
    for (const char* form : {"ambrel 3 mi km", "ambrel units", "--json"})
        EXPECT_NE(r.out.find(form), std::string::npos) << form;
}

}  // namespace
