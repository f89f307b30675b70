// SPDX-License-Identifier: GPL-3.0-or-later
// The list of classic departures against the classic formulas themselves:
// every factor more than 1e-4 from its unit's definition (typing into the
// unit or reading it out) is on the list, with about the size it has, and
// nothing else is. A mistyped classic factor shows here as a departure the
// list does not know.
#include "app/classic_departures.h"
#include "app/window_registry.h"
#include "framework/converter_def.h"
#include "unit_definitions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>

using namespace ambrel;
using namespace ambrel::testing;

namespace {

constexpr double kDepartureBound = 1e-4;
// Offset scales are compared in kelvin at this temperature in °C.
constexpr double kReferenceCelsius = 20;

// The classic unit's size against its definition, classic ÷ definition − 1,
// the larger of the two directions: typing into the unit (`into`) and
// reading it from the base (`out`).
double departureOf(const UnitRow& row, const Size& size)
{
    const double scale = nearestDouble(size.scale);
    const double offset = size.offset.get_d();
    double in = 0, out = 0;
    if (size.reciprocal) {
        const double v = 7.25, base = scale / v;
        in = row.into.apply(v) / base - 1;
        out = v / row.out.apply(base) - 1;
    } else if (size.offset != 0) {
        // In kelvin: where the classic entry lands, and what the classic
        // reading stands for, against the true temperature.
        const double kelvin = kReferenceCelsius + 273.15;
        const double typed = (kReferenceCelsius - offset) / scale;
        in = (row.into.apply(typed) + 273.15) / kelvin - 1;
        out = kelvin / (row.out.apply(kReferenceCelsius) * scale + offset + 273.15) - 1;
    } else {
        in = row.into.apply(1) / scale - 1;
        out = 1 / (row.out.apply(1) * scale) - 1;
    }
    return std::fabs(std::log1p(in)) >= std::fabs(std::log1p(out)) ? in : out;
}

struct Measured {
    std::string window, outlet;
    double departure;
};

// Every row with classic formulas, in both data-size tables.
std::vector<Measured> measureEveryRow()
{
    std::vector<Measured> out;
    for (const WindowEntry& entry : windowRegistry()) {
        if (!entry.def)
            continue;
        const bool twoSystems = !entry.def->altRows.empty();
        for (int system = twoSystems ? 0 : -1; system <= (twoSystems ? 1 : -1); ++system) {
            for (const UnitRow& row : system == 1 ? entry.def->altRows : entry.def->rows) {
                if ((row.into.count == 0 && row.out.count == 0) || hasNoDefinition(entry.cliName, row.outlet))
                    continue;
                const Definition* d = findDefinition(entry.cliName, row.outlet, system);
                if (!d) {
                    ADD_FAILURE() << entry.cliName << " " << row.outlet << " has no definition";
                    continue;
                }
                out.push_back({entry.cliName, row.outlet, departureOf(row, sizeOf(*d))});
            }
        }
    }
    return out;
}

TEST(ClassicDepartures, EveryListedUnitIsARowWithClassicFormulas)
{
    std::set<std::string> seen;
    for (const ClassicDeparture& d : classicDepartures()) {
        EXPECT_TRUE(seen.insert(std::string(d.window) + " " + d.outlet).second) << d.outlet << " is listed twice";
        const WindowEntry* entry = findWindow(d.window);
        ASSERT_NE(entry, nullptr) << d.window;
        ASSERT_NE(entry->def, nullptr) << d.window;
        bool found = false;
        for (const auto rows : {entry->def->rows, entry->def->altRows})
            for (const UnitRow& row : rows)
                found = found || (std::string_view(row.outlet) == d.outlet && row.into.count > 0);
        EXPECT_TRUE(found) << d.window << " has no unit " << d.outlet << " with classic formulas";
        EXPECT_TRUE(*d.unit && *d.classic && *d.definition) << d.outlet;
    }
}

TEST(ClassicDepartures, ListHoldsEveryDepartureWithItsSize)
{
    for (const Measured& m : measureEveryRow()) {
        const ClassicDeparture* listed = nullptr;
        for (const ClassicDeparture& d : classicDepartures())
            if (m.window == d.window && m.outlet == d.outlet)
                listed = &d;
        if (!listed) {
            EXPECT_LE(std::fabs(m.departure), kDepartureBound)
                << m.window << " " << m.outlet << " departs by " << m.departure << " and is not on the list";
            continue;
        }
        EXPECT_GT(std::fabs(m.departure), kDepartureBound)
            << m.window << " " << m.outlet << " is listed but departs by only " << m.departure;
        // The same sign, and within half again either way.
        const double ratio = std::log1p(m.departure) / std::log1p(listed->departure);
        EXPECT_TRUE(ratio >= 1 / 1.5 && ratio <= 1.5)
            << m.window << " " << m.outlet << " departs by " << m.departure << ", listed as " << listed->departure;
    }
}

}  // namespace
