// SPDX-License-Identifier: GPL-3.0-or-later
// The power and energy window: two bases, the watt and the joule, copied
// into each other after every entry in a box.
#include "converters/power_energy.h"
#include "support.h"

#include <gtest/gtest.h>

using namespace ambrel;
using ambrel::testing::EntryCase;

namespace {

// Every row lists both bases: each holds the same number afterwards.
// clang-format off
AMBREL_ENTRY_TABLE(
    PowerEnergyEntries, PowerEnergyObject,
    EntryCase{"Pkilowatt", "1", {{"Pwatt", 1000}, {"Ejoule", 1000}, {"Ekilojoule", 1}, {"Ewatthour", 0.2777777777777778}, {"Phorsepower550", 1.341022038490283}, {"Pbtuperhour", 3412.141285851795}, {"Prefigerationton", 0.2843453658813996}, {"PfootPFpersecond", 737.5621211696555}}},
    EntryCase{"PhorsepowerElectric", "1", {{"Pwatt", 746}, {"Ejoule", 746}, {"PhorsepowerMetric", 1.014277381750349}, {"PhorsepowerWater", 0.9999423625715944}}},
    EntryCase{"EhorsepowerHour", "1", {{"Pwatt", 2684520}, {"Ejoule", 2684520}, {"Ewatthour", 745.7}, {"Phorsepower550", 3600.000482767934}}});
// clang-format on

}  // namespace
