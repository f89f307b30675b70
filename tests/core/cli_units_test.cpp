// SPDX-License-Identifier: GPL-3.0-or-later
// The command line's unit names: every written form finds its own field,
// unknown names get suggestions, and the listings.
#include "app/unit_names.h"
#include "app/window_registry.h"
#include "cli/cli.h"
#include "cli_support.h"
#include "headless/headless_platform.h"

#include <gtest/gtest.h>

#include <algorithm>
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
// finds that entry and no other of its window. Across windows a word may be
// shared (the newton of weight and of force): the conversion's other unit
// decides.
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
            EXPECT_EQ(findUnit(form, u.window), &u) << "'" << form << "' of " << u.name;
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
            const UnitName* u = findUnit(f.label, e.cliName);
            ASSERT_NE(u, nullptr) << e.cliName << ": " << f.label;
            EXPECT_EQ(std::string(u->outlet), f.outlet) << f.label;
        }
    }
}

TEST(UnitNames, NamesIgnoreCaseAndSpellingSymbolsDoNot)
{
    // Where to look (empty: everywhere), and the field found (null: none).
    // Names found in several windows go to one of them; one window sees only its own.
    // clang-format off
    const struct { const char *typed, *window, *outlet; } cases[] = {
        {"KiloMeters", "", "KilometersField"}, {"kilometres", "", "KilometersField"}, {"Nautical  Mile", "", "NauticalMileField"},
        {"centuries", "", "CenturyField"}, {"MW", "", "Pmegawatt"}, {"nW", "", nullptr}, {"b", "", "BitField"},
        {"B", "", "ByteField"}, {"KM", "", nullptr}, {"oz", "", "AVounce"}, {"gal", "", "USgallon"},
        {"oz", "volume", nullptr}, {"fl oz", "volume", "USfluidonce"}, {"", "", nullptr}, {"   ", "", nullptr},
    };
    // clang-format on
    for (const auto& c : cases) {
        const UnitName* u = findUnit(c.typed, c.window);
        EXPECT_EQ(std::string(u ? u->outlet : "(none)"), c.outlet ? c.outlet : "(none)") << c.typed;
    }
    EXPECT_EQ(std::string(findUnit("kB")->setting), "BaseRadioSelection=1");
    EXPECT_EQ(std::string(findUnit("KiB")->setting), "BaseRadioSelection=0");
}

TEST(UnitNames, UnknownUnitsSuggestCloseOnes)
{
    const std::pair<std::vector<std::string>, std::vector<const char*>> cases[] = {
        {{"1", "kib"}, {"Kib (kibibit)", "KiB (kibibyte)"}},
        {{"volume", "1", "ounce"}, {"US fluid ounce"}},
        {{"1", std::string(100000, 'x')}, {}},
    };
    for (const auto& [args, suggested] : cases) {
        const CliRun r = run(args);
        EXPECT_EQ(r.status, kExitUsage) << args[1];
        EXPECT_NE(r.err.find("no unit"), std::string::npos) << r.err;
        for (const char* s : suggested)
            EXPECT_NE(r.err.find(s), std::string::npos) << s << " not in " << r.err;
    }
}

TEST(CliUnits, ListsWindowsEachWindowsNamesAndChoices)
{
    const CliRun all = run({"units"});
    ASSERT_EQ(all.status, 0);
    // A line per window, then the total of the names the finder knows.
    EXPECT_EQ(std::count(all.out.begin(), all.out.end(), '\n'), static_cast<long>(windowRegistry().size()) + 1);
    EXPECT_TRUE(all.out.ends_with("\n" + std::to_string(unitNames().size()) + " units in " +
                                  std::to_string(menuOrder(WindowKind::Converter).size()) + " converter windows\n"))
        << all.out;
    EXPECT_NE(run({"units", "length"}).out.find(" nmi, NM "), std::string::npos);
    EXPECT_NE(run({"units", "file-transfer"}).out.find("(TransferSpeed=TAG)\n   0  14.4 kbit/s\n"), std::string::npos);
    EXPECT_EQ(run({"units", "nowhere"}).status, kExitUsage);
    const CliRun unit = run({"units", "mi"});
    EXPECT_EQ(unit.status, kExitUsage);
    EXPECT_NE(unit.err.find("ambrel units length"), std::string::npos) << unit.err;
}

// The outlets start in one column however many non-ASCII symbols the names
// before them hold.
TEST(CliUnits, AlignsByCharacters)
{
    const CliRun temperature = run({"units", "temperature"});
    std::istringstream lines(temperature.out);
    std::vector<std::size_t> columns;
    for (std::string line; std::getline(lines, line);) {
        const std::size_t at = line.find("Field");
        if (at == std::string::npos)
            continue;
        const std::size_t start = line.rfind(' ', at) + 1;
        columns.push_back(std::count_if(line.begin(), line.begin() + start,
                                        [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
    }
    ASSERT_EQ(columns.size(), 4u);
    EXPECT_EQ(std::count(columns.begin(), columns.end(), columns.front()), 4) << temperature.out;
}

// The exact listing writes definitions as arithmetic, never as the tables'
// code (a call for π, the suffix of exact literals).
TEST(CliUnits, DefinitionsReadAsArithmetic)
{
    for (const WindowEntry& e : windowRegistry()) {
        const CliRun r = run({"units", e.cliName});
        EXPECT_EQ(r.status, 0) << e.cliName;
        for (const char* code : {"::", "()", "_x"})
            EXPECT_EQ(r.out.find(code), std::string::npos) << e.cliName << ": " << code;
    }
    EXPECT_NE(run({"units", "fuel-light"}).out.find("10000 / π = 3183.09886"), std::string::npos);
}

}  // namespace
