// SPDX-License-Identifier: GPL-3.0-or-later
// The weight window: units that go in with one constant and come out with
// another, three different grains, chains that are rounded step by step, and
// the dyne under 9.8001 m/s².
#include "converters/weight.h"
#include "support.h"

#include <gtest/gtest.h>

using namespace ambrel;
using ambrel::testing::EntryCase;

namespace {

// clang-format off
AMBREL_ENTRY_TABLE(
    WeightEntries, WeightObject,
    // The kiloton by three divisions, not 1e-9.
    EntryCase{"Mgram", "1", {{"Mcarat", 5}, {"Mnewton", 0.0098001}, {"Mkiloton", 9.999999999999999e-10}, {"AVgrain", 15.43235835294143}, {"APgrain", 15.4320988}, {"Tgrain", 15.4320988}, {"Tdyne", 980.01}}},
    // A division by 0.00001, not a multiplication by 100000.
    EntryCase{"Mhundredweight", "1", {{"Mgram", 99999.99999999999}, {"Mkilogram", 99.99999999999999}}},
    EntryCase{"AVpound", "1", {{"Mgram", 454}, {"AVounce", 16.01410934744268}, {"Tpound", 1.216369910542852}}},
    EntryCase{"AVslug", "1", {{"Mgram", 14593.853069087301}, {"AVpound", 32.145050812967625}}},
    EntryCase{"APgrain", "1", {{"Mgram", 0.0648}, {"Tgrain", 1.00000000224}, {"AVgrain", 1.0000168212706046}, {"APscruple", 0.049999999999999996}}},
    EntryCase{"Tcarat", "1", {{"Mgram", 0.02592000000912384}, {"Mcarat", 0.1296000000456192}}},
    // The dyne counts 980.01 to the gram both ways.
    EntryCase{"Tdyne", "980.01", {{"Mgram", 1}, {"Mkilogram", 0.001}}},
    // Chains are rounded step by step; folded they would give other doubles.
    EntryCase{"AVlhundredweight", "0.7", {{"Mgram", 35561.4}}},
    EntryCase{"Mgram", "123.456", {{"AVlhundredweight", 0.002430140545647809}, {"Mkiloton", 1.2345600000000002e-07}}});
// clang-format on

}  // namespace
