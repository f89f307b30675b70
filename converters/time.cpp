// SPDX-License-Identifier: GPL-3.0-or-later
#include "converters/time.h"

#include "converters/sources.h"
#include "framework/translatable.h"

namespace ambrel {

using table::b;
using table::v;

namespace {

// clang-format off
constexpr BoxDef kBoxes[] = {
    {"FieldBox", AMBREL_TEXT("Time"), "Calc:", "HourField"},
};
// clang-format on

// Exact sizes in hours; the year is the Julian year of 365.25 days.
constexpr ExactNumber s = 1_x / 3600;
constexpr ExactNumber julianYear = 365.25_x * 24;
// The month is a twelfth of the Gregorian year of 365.2425 days, the mean
// month of the calendar; the sidereal day is Earth's mean turn against the
// stars, 23 h 56 min 4.0905 s.
constexpr ExactNumber gregorianYear = 365.2425_x * 24;

// Each unit goes through the hour with one factor both ways; no chains
// through neighbouring units. The rows after the century have no classic
// factors: they convert by their sizes under either table set.
// clang-format off
constexpr UnitRow kRows[] = {
    {.box = 0, .outlet = "PicoSecondField", .unit = "picosecond", .symbols = "ps",
     .into = v.div(3600000000000000), .out = b.mul(3600000000000000),
     .exact = AMBREL_SIZE(s / 1000000000000)},
    {.box = 0, .outlet = "NanoSecondField", .unit = "nanosecond", .symbols = "ns",
     .into = v.div(3600000000000), .out = b.mul(3600000000000),
     .exact = AMBREL_SIZE(s / 1000000000)},
    {.box = 0, .outlet = "MicroSecondField", .unit = "microsecond", .symbols = "us|µs|μs",
     .into = v.div(3600000000), .out = b.mul(3600000000), .exact = AMBREL_SIZE(s / 1000000)},
    {.box = 0, .outlet = "MilliSecondField", .unit = "millisecond", .symbols = "ms",
     .into = v.div(3600000), .out = b.mul(3600000), .exact = AMBREL_SIZE(s / 1000)},
    {.box = 0, .outlet = "SecondField", .unit = "second", .symbols = "s|sec|secs",
     .into = v.div(3600), .out = b.mul(3600), .exact = AMBREL_SIZE(s)},
    {.box = 0, .outlet = "MinuteField", .unit = "minute", .symbols = "min|mins",
     .into = v.div(60), .out = b.mul(60), .exact = AMBREL_SIZE(1_x / 60)},
    {.box = 0, .outlet = "HourField", .unit = "hour", .symbols = "h|hr|hrs",
     .exact = AMBREL_SIZE(1_x)},
    {.box = 0, .outlet = "DayField", .unit = "day", .symbols = "d",
     .into = v.mul(24), .out = b.div(24), .exact = AMBREL_SIZE(24_x)},
    {.box = 0, .outlet = "WeekField", .unit = "week", .symbols = "wk",
     .into = v.mul(168), .out = b.div(168), .exact = AMBREL_SIZE(7 * 24_x)},
    {.box = 0, .outlet = "YearField", .unit = "year", .symbols = "yr|yrs",
     .into = v.mul(8760), .out = b.div(8760), .exact = AMBREL_SIZE(julianYear),
     .exactUnit = "Julian year"},
    {.box = 0, .outlet = "DecadeField", .unit = "decade",
     .into = v.mul(87600), .out = b.div(87600), .exact = AMBREL_SIZE(10 * julianYear),
     .exactUnit = "decade (Julian)"},
    {.box = 0, .outlet = "CenturyField", .unit = "century",
     .into = v.mul(876000), .out = b.div(876000), .exact = AMBREL_SIZE(100 * julianYear),
     .exactUnit = "century (Julian)"},
    {.box = 0, .outlet = "FortnightField", .unit = "fortnight",
     .exact = AMBREL_SIZE(14 * 24_x), .source = kGregorianCalendar},
    {.box = 0, .outlet = "MonthField", .unit = "month", .symbols = "mo",
     .exact = AMBREL_SIZE(gregorianYear / 12), .source = kGregorianCalendar},
    {.box = 0, .outlet = "SiderealDayField", .unit = "sidereal day",
     .exact = AMBREL_SIZE(86164.0905_x * s), .source = kIersConventions},
    {.box = 0, .outlet = "MillenniumField", .unit = "millennium", .aliases = "millennia",
     .exact = AMBREL_SIZE(1000 * julianYear), .source = kIersConventions},
};
// clang-format on
static_assert(wellFormedTable(kBoxes, kRows));

}  // namespace

const ConverterDef kTimeDef = {
    .identity = {.cliName = "time",
                 .className = "TimeObject",
                 .openAction = "OpenTimeWindow:",
                 .menuTitle = AMBREL_TEXT("T&ime"),
                 .menuPosition = 5,
                 .broadcastRank = 8},
    .windowOutlet = "TimeWindow",
    .title = AMBREL_TEXT("Time"),
    .notebookAction = "ShowNotebook:",
    .notebook = "Time",
    .boxes = kBoxes,
    .rows = kRows,
    .openBox = 0,
    .openTag = 6,
};

void TimeObject::accuracyChange(int digits)
{
    platform().beep();
    ConverterWindow::accuracyChange(digits);
}

}  // namespace ambrel
