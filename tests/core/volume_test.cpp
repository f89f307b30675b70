// SPDX-License-Identifier: GPL-3.0-or-later
// The volume window: rounded per-liter constants kept with their digits, the
// metric cup's two factors, the cubic kilometer, and six boxes of units.
#include "converters/volume.h"
#include "support.h"

#include <gtest/gtest.h>

using namespace ambrel;
using ambrel::testing::EntryCase;

namespace {

// clang-format off
AMBREL_ENTRY_TABLE(
    VolumeEntries, VolumeObject,
    // Fourteen-digit per-liter constants, divided into the base.
    EntryCase{"Igallon", "1", {{"Mliter", 4.5460000000002045}, {"Ipint", 7.99985941340036}, {"Iquart", 4.001760563380439}, {"USgallon", 1.201056803170428}}},
    EntryCase{"Ibushel", "1", {{"Mliter", 35.99997120002304}, {"Ipeck", 3.9560407912109667}}},
    // A cubic kilometer is 10^12 liters, both ways.
    EntryCase{"Mliter", "1", {{"MDckilometer", 1e-12}, {"Icookteaspoon", 202.83975659229208}}},
    EntryCase{"MDckilometer", "1", {{"Mliter", 1e12}, {"MDcmeter", 1e9}, {"MDccentimeter", 1e15}, {"USgallon", 264200792602.37}}},
    // The metric cup goes in as × 0.25 and out as × 4.
    EntryCase{"Mcookcup", "1", {{"Mliter", 0.25}, {"Mcooktablespoon", 12.5}, {"Icookcup", 1.056707131505089}}},
    EntryCase{"Icookcup", "1", {{"Mliter", 0.236584}, {"Mcookcup", 0.946336}, {"Mmilliiter", 236.58399999999997}}});
// clang-format on

}  // namespace
