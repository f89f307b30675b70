// SPDX-License-Identifier: GPL-3.0-or-later
// Every pair of units of every converter window against the units'
// definitions (unit_definitions.h), typed as a person types: under exact
// definitions each field holds the double nearest to the exact conversion of
// the typed decimal; under the classic tables each is within 1e-4 of it, or
// within the departure the classic list gives for the unit, and a unit
// without classic factors is converted by its size: straight from the entry,
// or from its base cell after a classic factor.
#include "app/classic_departures.h"
#include "app/window_registry.h"
#include "converters/velocity.h"
#include "framework/converter_def.h"
#include "framework/entry.h"
#include "headless/headless_platform.h"
#include "unit_definitions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <iomanip>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <vector>

using namespace ambrel;
using namespace ambrel::testing;

namespace {

// The decimals typed into every unit: small, large, with many digits, with
// an exponent, negative, and a few drawn with a fixed seed.
std::vector<std::string> typedTexts()
{
    std::vector<std::string> texts = {"1", "0.1", "7.25", "123456.789", "3e-5", "-40"};
    std::mt19937 random(26);
    for (int i = 0; i < 3; ++i) {
        const std::uint32_t digits = random() % 100000000 + 1;
        const int point = static_cast<int>(random() % 9);
        std::string s = std::to_string(digits);
        if (point < static_cast<int>(s.size()))
            s.insert(s.size() - point, ".");
        texts.push_back(s + "e" + std::to_string(static_cast<int>(random() % 9) - 4));
    }
    return texts;
}

struct Unit {
    std::string outlet;
    std::string group;  // units of one group convert into each other
    Size size;
    double departure = 0;  // listed classic departure, 0 if none
    std::string base;      // its box's base
    bool bySize = false;   // no formulas: converts by its size under either set
};

// One window under one prefix system (the data sizes) with its units.
struct Setup {
    const WindowEntry* entry;
    int system;  // -1 if the window has one table
    std::vector<Unit> units;
};

const char* groupOf(std::string_view window, const char* base)
{
    for (const Group& g : kSeparateGroups)
        if (window == g.window && std::string_view(base) == g.outlets)
            return g.outlets;
    return "";
}

double listedDeparture(std::string_view window, std::string_view outlet)
{
    for (const ClassicDeparture& d : classicDepartures())
        if (window == d.window && outlet == d.outlet)
            return d.departure;
    return 0;
}

const std::vector<Setup>& setups()
{
    static const std::vector<Setup> all = [] {
        std::vector<Setup> out;
        for (const WindowEntry& entry : windowRegistry()) {
            if (!entry.def)
                continue;
            const std::string_view window = entry.cliName;
            const bool twoSystems = !entry.def->altRows.empty();
            for (int system = twoSystems ? 0 : -1; system <= (twoSystems ? 1 : -1); ++system) {
                Setup s{&entry, system, {}};
                const auto rows = system == 1 ? entry.def->altRows : entry.def->rows;
                for (const UnitRow& row : rows) {
                    if (hasNoDefinition(window, row.outlet))
                        continue;
                    const Definition* found = findDefinition(window, row.outlet, system);
                    if (!found) {
                        ADD_FAILURE() << window << " " << row.outlet << " has no definition";
                        continue;
                    }
                    const char* base = entry.def->boxes[row.box].base;
                    s.units.push_back({row.outlet, groupOf(window, base), sizeOf(*found),
                                       listedDeparture(window, row.outlet), base, convertsBySize(row, base)});
                }
                out.push_back(std::move(s));
            }
        }
        return out;
    }();
    return all;
}

std::unique_ptr<WindowController> open(const Setup& s, HeadlessPlatform& platform, bool exact)
{
    auto window = openWindow(*s.entry, platform, 4, exact);
    if (s.system >= 0) {
        window->choice("BaseRadioSelection")->selectItemWithTag(s.system);
        EXPECT_TRUE(window->perform("BaseAction:"));
    }
    return window;
}

// How far a classic result may be from the definition: 1e-4 for each unit
// whose factor is not on the list, the listed size with half again for one
// that is. Measured as |ln(got / want)|, so that a tenth and ten times are
// the same distance.
double allowance(const Unit& u)
{
    return u.departure == 0 ? 1e-4 : 1.5 * std::fabs(std::log1p(u.departure)) + 1e-4;
}

// The distance of a classic result from the exact one. Temperatures are
// compared in kelvin, against at least room temperature, as the list does.
double distance(std::string_view window, const Unit& to, double got, double want)
{
    if (window == "temperature") {
        const auto kelvin = [&](double v) {
            return v * nearestDouble(to.size.scale) + to.size.offset.get_d() + 273.15;
        };
        return std::fabs(kelvin(got) - kelvin(want)) / std::max(std::fabs(kelvin(want)), 293.15);
    }
    if (got == want)
        return 0;
    return got / want > 0 ? std::fabs(std::log(got / want)) : INFINITY;
}

struct Failures {
    long count = 0;
    long checked = 0;
    std::vector<std::string> examples;

    void add(std::string what)
    {
        if (examples.size() < 3)
            examples.push_back(std::move(what));
        ++count;
    }
};

void checkEverySetup(bool exact)
{
    const std::vector<std::string> texts = typedTexts();
    for (const Setup& s : setups()) {
        const std::string_view window = s.entry->cliName;
        HeadlessPlatform platform;
        const auto w = open(s, platform, exact);
        Failures failures;
        for (const Unit& from : s.units) {
            for (const std::string& text : texts) {
                const int index = w->fieldIndex(from.outlet);
                const EntryResult entry = typeAndConfirm(platform, *w, index, text);
                if (window == "temperature" && entry.message.starts_with("below absolute zero"))
                    continue;  // refused, as no such temperature exists
                ASSERT_TRUE(entry.accepted) << from.outlet << " " << text;
                const mpq_class typed = Expression::decimal(text);
                for (const Unit& to : s.units) {
                    if (&to == &from || to.group != from.group)
                        continue;
                    double want = nearestDouble(convertExactly(typed, from.size, to.size));
                    // Under the classic tables a row without formulas meets
                    // the entry exactly when nothing but sizes lie between
                    // them; after a classic factor, it follows its base cell.
                    const auto sized = [&](const Unit& u) { return u.bySize || u.outlet == u.base; };
                    const bool bySizes = exact || !hasClassicFactors(s.entry->def->rows) ||
                        (sized(from) && sized(to) && from.base == to.base);
                    if (!bySizes && to.bySize) {
                        const Unit* base = nullptr;
                        for (const Unit& u : s.units)
                            base = u.outlet == to.base ? &u : base;
                        ASSERT_NE(base, nullptr) << to.outlet;
                        want = nearestDouble(
                            convertExactly(mpq_class(w->field(to.base)->doubleValue()), base->size, to.size));
                    }
                    if (window == "velocity" && to.outlet == "LightSpeedField" && want > VelocityObject::kLightSpeedCap)
                        continue;  // the field stops at the cap
                    const double got = w->field(to.outlet)->doubleValue();
                    ++failures.checked;
                    const bool wrong = bySizes || to.bySize
                        ? got != want
                        : distance(window, to, got, want) > allowance(from) + allowance(to);
                    if (wrong) {
                        std::ostringstream what;
                        what << std::setprecision(17) << text << " " << from.outlet << " gives " << got << " "
                             << to.outlet << ", not " << want;
                        failures.add(what.str());
                    }
                }
            }
        }
        if (failures.count == 0)
            continue;
        std::string examples;
        for (const std::string& e : failures.examples)
            examples += "\n  " + e;
        ADD_FAILURE() << window
                      << (s.system == 0       ? " (binary)"
                              : s.system == 1 ? " (decimal)"
                                              : "")
                      << ": " << failures.count << " of " << failures.checked << " results wrong, e.g." << examples;
    }
}

TEST(UnitDefinitions, EveryDefinitionNamesAUnitOfItsWindow)
{
    for (const Definition& d : kDefinitions) {
        const WindowEntry* entry = findWindow(d.window);
        ASSERT_NE(entry, nullptr) << d.window;
        ASSERT_NE(entry->def, nullptr) << d.window;
        bool found = false;
        for (const auto rows : {entry->def->rows, entry->def->altRows})
            for (const UnitRow& row : rows)
                found = found || std::string_view(row.outlet) == d.outlet;
        EXPECT_TRUE(found) << d.window << " has no unit " << d.outlet;
        EXPECT_NO_THROW(sizeOf(d)) << d.window << " " << d.outlet;
    }
    EXPECT_FALSE(setups().empty());
}

TEST(UnitDefinitions, ExactResultsAreTheNearestDoubles)
{
    checkEverySetup(true);
}

TEST(UnitDefinitions, ClassicResultsAreWithinTheirListedDepartures)
{
    checkEverySetup(false);
}

}  // namespace
