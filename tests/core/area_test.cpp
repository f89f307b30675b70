// SPDX-License-Identifier: GPL-3.0-or-later
// The area window: rounded imperial factors that are not reciprocals, and
// the rod and acre coming out through the square foot.
#include "converters/area.h"
#include "support.h"

#include <gtest/gtest.h>

using namespace ambrel;
using ambrel::testing::EntryCase;

namespace {

// clang-format off
AMBREL_ENTRY_TABLE(
    AreaEntries, AreaObject,
    // The acre goes in as 4046.9 but comes out through the square foot.
    EntryCase{"SqAcre", "1", {{"SqMeter", 4046.9}, {"SqFoot", 43560.469065382575}, {"SqYard", 4840.0923999999995}, {"SqRod", 160.0017229215154}, {"SqRood", 4.00036065}, {"SqMileArea", 0.00156250809}}},
    // Three multiplications in, three divisions out.
    EntryCase{"SqRod", "1", {{"SqMeter", 25.292852640000003}, {"SqFoot", 272.25}, {"SqAcre", 0.00625}}},
    EntryCase{"SqInch", "1", {{"SqMeter", 0.0006452}, {"SqFoot", 0.006944875000861112}}},
    EntryCase{"SqMeter", "1", {{"SqInch", 1549.907005579665}, {"SqAcre", 0.0002471053814671653}}});
// clang-format on

}  // namespace
