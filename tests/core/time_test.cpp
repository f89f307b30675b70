// SPDX-License-Identifier: GPL-3.0-or-later
// The time window: single factors through the hour (so values pick up its
// rounding), 365-day years, and an accuracy change that sounds the alert.
#include "converters/time.h"
#include "support.h"

#include <gtest/gtest.h>

using namespace ambrel;
using ambrel::testing::EntryCase;
using ambrel::testing::Rig;

namespace {

// clang-format off
AMBREL_ENTRY_TABLE(
    TimeEntries, TimeObject,
    // Years of 365 days, no leap days; SI factors for the small units.
    EntryCase{"YearField", "1", {{"HourField", 8760}, {"DayField", 365}, {"WeekField", 52.142857142857146}, {"DecadeField", 0.1}, {"SecondField", 31536000}, {"PicoSecondField", 3.1536e19}}},
    // Through the hour, not unit to unit: 1 ms is not quite 1000 µs.
    EntryCase{"MilliSecondField", "1", {{"HourField", 0.00000027777777777777776}, {"MicroSecondField", 999.9999999999999}, {"SecondField", 0.001}, {"NanoSecondField", 999999.9999999999}}},
    EntryCase{"PicoSecondField", "1", {{"HourField", 2.777777777777778e-16}, {"NanoSecondField", 0.001}, {"MicroSecondField", 1.0000000000000002e-06}}},
    EntryCase{"NanoSecondField", "1", {{"HourField", 2.777777777777778e-13}, {"PicoSecondField", 1000.0000000000001}}},
    EntryCase{"HourField", "1", {{"PicoSecondField", 3600000000000000}, {"CenturyField", 0.0000011415525114155251}}},
    EntryCase{"DayField", "2", {{"HourField", 48}}});
// clang-format on

// The alert comes with the accuracy, not the opening, before the formats.
TEST(TimeWindow, AccuracyChangeBeepsOnceThenFormats)
{
    Rig<TimeObject> rig;
    rig.window.open();
    EXPECT_EQ(rig.platform.beeps(), 0);
    ASSERT_TRUE(rig.type("YearField", "1"));
    rig.clear();
    rig.window.accuracyChange(0);
    const auto& events = rig.platform.events().events();
    const auto fields = static_cast<int>(rig.window.plan().fields.size());
    ASSERT_EQ(static_cast<int>(events.size()), 1 + fields);
    EXPECT_EQ(events.front().kind, "beep");
    EXPECT_EQ(rig.platform.events().count("format"), fields);
}

}  // namespace
