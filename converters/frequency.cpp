// SPDX-License-Identifier: GPL-3.0-or-later
#include "converters/frequency.h"

#include "converters/sources.h"
#include "framework/translatable.h"

namespace ambrel {

namespace {

// clang-format off
constexpr BoxDef kBoxes[] = {
    {"FrequencyBox", AMBREL_TEXT("Frequency"), "FrequencyCalc:", "HertzField"},
    {"RotationBox", AMBREL_TEXT("Rotation"), "RotationCalc:", "HertzField"},
};
// clang-format on

// Exact sizes in hertz. A revolution is one cycle, so a revolution per second
// is a hertz and a radian per second 1/(2π) of one.
constexpr ExactNumber pi = ExactNumber::pi();

// clang-format off
constexpr UnitRow kRows[] = {
    {.box = 0, .outlet = "HertzField", .unit = "hertz", .symbols = "Hz", .aliases = "cycle per second|cps",
     .exact = AMBREL_SIZE(1_x), .source = kSiBrochure},
    {.box = 0, .outlet = "KilohertzField", .unit = "kilohertz", .symbols = "kHz",
     .exact = AMBREL_SIZE(1000_x), .source = kSiBrochure},
    {.box = 0, .outlet = "MegahertzField", .unit = "megahertz", .symbols = "MHz",
     .exact = AMBREL_SIZE(1000000_x), .source = kSiBrochure},
    {.box = 0, .outlet = "GigahertzField", .unit = "gigahertz", .symbols = "GHz",
     .exact = AMBREL_SIZE(1000000000_x), .source = kSiBrochure},
    {.box = 1, .outlet = "RevPerMinuteField", .unit = "revolution per minute", .symbols = "rpm|r/min|rev/min", .aliases = "rotation per minute|turn per minute|cycle per minute|cpm|beat per minute|bpm",
     .exact = AMBREL_SIZE(1_x / 60), .source = kNistSp811},
    {.box = 1, .outlet = "RevPerSecondField", .unit = "revolution per second", .symbols = "rps|r/s|rev/s", .aliases = "rotation per second|turn per second",
     .exact = AMBREL_SIZE(1_x), .source = kNistSp811},
    {.box = 1, .outlet = "RadPerSecondField", .unit = "radian per second", .symbols = "rad/s",
     .exact = AMBREL_SIZE(1 / (2 * pi)), .source = kSiBrochure},
    {.box = 1, .outlet = "DegPerSecondField", .unit = "degree per second", .symbols = "°/s|deg/s",
     .exact = AMBREL_SIZE(1_x / 360), .source = kSiBrochure},
    {.box = 1, .outlet = "RevPerHourField", .unit = "revolution per hour", .symbols = "rph|r/h|rev/h",
     .aliases = "rotation per hour|turn per hour",
     .exact = AMBREL_SIZE(1_x / 3600), .source = kNistSp811},
    {.box = 1, .outlet = "RadPerMinuteField", .unit = "radian per minute", .symbols = "rad/min",
     .exact = AMBREL_SIZE(1 / (2 * pi) / 60), .source = kSiBrochure},
    {.box = 1, .outlet = "DegPerMinuteField", .unit = "degree per minute", .symbols = "°/min|deg/min",
     .exact = AMBREL_SIZE(1_x / 360 / 60), .source = kSiBrochure},
};
// clang-format on
static_assert(wellFormedTable(kBoxes, kRows));
static_assert(!hasClassicFactors(kRows));

}  // namespace

const ConverterDef kFrequencyDef = {
    .identity = {.cliName = "frequency",
                 .className = "FrequencyObject",
                 .openAction = "OpenFrequencyWindow:",
                 .menuTitle = AMBREL_TEXT("Frequenc&y and rotation"),
                 .menuGroup = MenuGroup::Science,
                 .menuPosition = 12,
                 .broadcastRank = 12},
    .windowOutlet = "FrequencyWindow",
    .title = AMBREL_TEXT("Frequency and rotation"),
    .notebookAction = "ShowNotebook:",
    .notebook = "Frequency",
    .boxes = kBoxes,
    .rows = kRows,
    .openBox = 0,
    .openTag = 0,
};

}  // namespace ambrel
