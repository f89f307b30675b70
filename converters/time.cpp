#include "converters/time.h"

namespace ambrel {

using table::b;
using table::v;

namespace {

constexpr BoxDef kBoxes[] = {
    {"FieldBox", "Time", "Calc:", "HourField"},
};

// Exact sizes in hours; the year is the Julian year of 365.25 days.
constexpr ExactNumber s = 1_x / 3600;
constexpr ExactNumber julianYear = 365.25_x * 24;

// Each unit goes through the hour with one factor both ways; no chains
// through neighbouring units.
constexpr UnitRow kRows[] = {
    {0, "PicoSecondField", "picosecond", v.div(3600000000000000), b.mul(3600000000000000), AMBREL_SIZE(s / 1000000000000)},
    {0, "NanoSecondField", "nanosecond", v.div(3600000000000), b.mul(3600000000000), AMBREL_SIZE(s / 1000000000)},
    {0, "MicroSecondField", "microsecond", v.div(3600000000), b.mul(3600000000), AMBREL_SIZE(s / 1000000)},
    {0, "MilliSecondField", "millisecond", v.div(3600000), b.mul(3600000), AMBREL_SIZE(s / 1000)},
    {0, "SecondField", "second", v.div(3600), b.mul(3600), AMBREL_SIZE(s)},
    {0, "MinuteField", "minute", v.div(60), b.mul(60), AMBREL_SIZE(1_x / 60)},
    {0, "HourField", "hour", v, b, AMBREL_SIZE(1_x)},
    {0, "DayField", "day", v.mul(24), b.div(24), AMBREL_SIZE(24_x)},
    {0, "WeekField", "week", v.mul(168), b.div(168), AMBREL_SIZE(7 * 24_x)},
    {0, "YearField", "year", v.mul(8760), b.div(8760), AMBREL_SIZE(julianYear), "Julian year"},
    {0, "DecadeField", "decade", v.mul(87600), b.div(87600), AMBREL_SIZE(10 * julianYear), "decade (Julian)"},
    {0, "CenturyField", "century", v.mul(876000), b.div(876000), AMBREL_SIZE(100 * julianYear), "century (Julian)"},
};

}  // namespace

const ConverterDef kTimeDef = {
    .identity = {.cliName = "time",
                 .className = "TimeObject",
                 .openAction = "OpenTimeWindow:",
                 .menuTitle = "T&ime",
                 .menuPosition = 5,
                 .broadcastRank = 8},
    .windowOutlet = "TimeWindow",
    .title = "Time",
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
