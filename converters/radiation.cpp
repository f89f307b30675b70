// SPDX-License-Identifier: GPL-3.0-or-later
#include "converters/radiation.h"

#include "converters/sources.h"
#include "framework/translatable.h"

namespace ambrel {

namespace {

// clang-format off
constexpr BoxDef kBoxes[] = {
    {"AbsorbedDoseBox", AMBREL_TEXT("Absorbed dose"), "AbsorbedDoseCalc:", "GrayField"},
    {"EquivalentDoseBox", AMBREL_TEXT("Equivalent dose"), "EquivalentDoseCalc:", "SievertField"},
    {"ActivityBox", AMBREL_TEXT("Activity"), "ActivityCalc:", "BecquerelField"},
    {"ExposureBox", AMBREL_TEXT("Exposure"), "ExposureCalc:", "CoulombPerKgField"},
    {"AbsorbedDoseRateBox", AMBREL_TEXT("Absorbed dose rate"), "AbsorbedDoseRateCalc:", "GrayPerHourField"},
    {"EquivalentDoseRateBox", AMBREL_TEXT("Equivalent dose rate"), "EquivalentDoseRateCalc:", "SievertPerHourField"},
};
// clang-format on

// Exact sizes in grays, sieverts, becquerels and coulombs per kilogram: the
// rad is 0.01 Gy, the rem 0.01 Sv, the curie 3.7e10 Bq, the rutherford 1e6
// Bq and the roentgen 2.58e-4 C/kg, each exactly. The dose rates are per hour,
// as survey meters and dosimeters show them; absorbed and equivalent rates are
// kept apart as the doses are.
constexpr ExactNumber ci = 37000000000_x;
constexpr ExactNumber roentgen = 0.000258_x;

// Shared words: rad is the radian in the angles and the dose here, R the
// degree Rankine in the temperatures and the roentgen here; the unit
// converted into decides. rad/h is the rad per hour here, while rad/min and
// rad/s are angular speeds of the frequency window.

// clang-format off
constexpr UnitRow kRows[] = {
    {.box = 0, .outlet = "GrayField", .unit = "gray", .symbols = "Gy",
     .exact = AMBREL_SIZE(1_x), .source = kSiBrochure},
    {.box = 0, .outlet = "MilligrayField", .unit = "milligray", .symbols = "mGy",
     .exact = AMBREL_SIZE(1_x / 1000), .source = kSiBrochure},
    {.box = 0, .outlet = "MicrograyField", .unit = "microgray", .symbols = "µGy|μGy|uGy",
     .exact = AMBREL_SIZE(1_x / 1000000), .source = kSiBrochure},
    {.box = 0, .outlet = "RadField", .unit = "rad",
     .exact = AMBREL_SIZE(1_x / 100), .source = kNistSp811},
    {.box = 1, .outlet = "SievertField", .unit = "sievert", .symbols = "Sv",
     .exact = AMBREL_SIZE(1_x), .source = kSiBrochure},
    {.box = 1, .outlet = "MillisievertField", .unit = "millisievert", .symbols = "mSv",
     .exact = AMBREL_SIZE(1_x / 1000), .source = kSiBrochure},
    {.box = 1, .outlet = "MicrosievertField", .unit = "microsievert", .symbols = "µSv|μSv|uSv",
     .exact = AMBREL_SIZE(1_x / 1000000), .source = kSiBrochure},
    {.box = 1, .outlet = "RemField", .unit = "rem",
     .exact = AMBREL_SIZE(1_x / 100), .source = kNistSp811},
    {.box = 1, .outlet = "MilliremField", .unit = "millirem", .symbols = "mrem",
     .exact = AMBREL_SIZE(1_x / 100000), .source = kNistSp811},
    {.box = 2, .outlet = "BecquerelField", .unit = "becquerel", .symbols = "Bq",
     .exact = AMBREL_SIZE(1_x), .source = kSiBrochure},
    {.box = 2, .outlet = "KilobecquerelField", .unit = "kilobecquerel", .symbols = "kBq",
     .exact = AMBREL_SIZE(1000_x), .source = kSiBrochure},
    {.box = 2, .outlet = "MegabecquerelField", .unit = "megabecquerel", .symbols = "MBq",
     .exact = AMBREL_SIZE(1000000_x), .source = kSiBrochure},
    {.box = 2, .outlet = "GigabecquerelField", .unit = "gigabecquerel", .symbols = "GBq",
     .exact = AMBREL_SIZE(1000000000_x), .source = kSiBrochure},
    {.box = 2, .outlet = "TerabecquerelField", .unit = "terabecquerel", .symbols = "TBq",
     .exact = AMBREL_SIZE(1000000000000_x), .source = kSiBrochure},
    {.box = 2, .outlet = "CurieField", .unit = "curie", .symbols = "Ci",
     .exact = AMBREL_SIZE(ci), .source = kNistSp811},
    {.box = 2, .outlet = "MillicurieField", .unit = "millicurie", .symbols = "mCi",
     .exact = AMBREL_SIZE(ci / 1000), .source = kNistSp811},
    {.box = 2, .outlet = "MicrocurieField", .unit = "microcurie", .symbols = "µCi|μCi|uCi",
     .exact = AMBREL_SIZE(ci / 1000000), .source = kNistSp811},
    {.box = 2, .outlet = "NanocurieField", .unit = "nanocurie", .symbols = "nCi",
     .exact = AMBREL_SIZE(ci / 1000000000), .source = kNistSp811},
    {.box = 2, .outlet = "PicocurieField", .unit = "picocurie", .symbols = "pCi",
     .exact = AMBREL_SIZE(ci / 1000000000000), .source = kNistSp811},
    {.box = 2, .outlet = "RutherfordField", .unit = "rutherford", .symbols = "Rd",
     .exact = AMBREL_SIZE(1000000_x), .source = kNistSp811},
    {.box = 3, .outlet = "CoulombPerKgField", .unit = "coulomb per kilogram", .symbols = "C/kg",
     .exact = AMBREL_SIZE(1_x), .source = kSiBrochure},
    {.box = 3, .outlet = "MillicoulombPerKgField", .unit = "millicoulomb per kilogram", .symbols = "mC/kg",
     .exact = AMBREL_SIZE(1_x / 1000), .source = kSiBrochure},
    {.box = 3, .outlet = "RoentgenField", .unit = "roentgen", .symbols = "R", .aliases = "röntgen",
     .exact = AMBREL_SIZE(roentgen), .source = kNistSp811},
    {.box = 3, .outlet = "MilliroentgenField", .unit = "milliroentgen", .symbols = "mR", .aliases = "milliröntgen",
     .exact = AMBREL_SIZE(roentgen / 1000), .source = kNistSp811},
    {.box = 4, .outlet = "GrayPerHourField", .unit = "gray per hour", .symbols = "Gy/h",
     .exact = AMBREL_SIZE(1_x), .source = kSiBrochure},
    {.box = 4, .outlet = "MilligrayPerHourField", .unit = "milligray per hour", .symbols = "mGy/h",
     .exact = AMBREL_SIZE(1_x / 1000), .source = kSiBrochure},
    {.box = 4, .outlet = "MicrograyPerHourField", .unit = "microgray per hour", .symbols = "µGy/h|μGy/h|uGy/h",
     .exact = AMBREL_SIZE(1_x / 1000000), .source = kSiBrochure},
    {.box = 4, .outlet = "NanograyPerHourField", .unit = "nanogray per hour", .symbols = "nGy/h",
     .exact = AMBREL_SIZE(1_x / 1000000000), .source = kSiBrochure},
    {.box = 4, .outlet = "GrayPerMinuteField", .unit = "gray per minute", .symbols = "Gy/min",
     .exact = AMBREL_SIZE(60_x), .source = kSiBrochure},
    {.box = 4, .outlet = "RadPerHourField", .unit = "rad per hour", .symbols = "rad/h",
     .exact = AMBREL_SIZE(1_x / 100), .source = kNistSp811},
    {.box = 5, .outlet = "SievertPerHourField", .unit = "sievert per hour", .symbols = "Sv/h",
     .exact = AMBREL_SIZE(1_x), .source = kSiBrochure},
    {.box = 5, .outlet = "MillisievertPerHourField", .unit = "millisievert per hour", .symbols = "mSv/h",
     .exact = AMBREL_SIZE(1_x / 1000), .source = kSiBrochure},
    {.box = 5, .outlet = "MicrosievertPerHourField", .unit = "microsievert per hour", .symbols = "µSv/h|μSv/h|uSv/h",
     .exact = AMBREL_SIZE(1_x / 1000000), .source = kSiBrochure},
    {.box = 5, .outlet = "NanosievertPerHourField", .unit = "nanosievert per hour", .symbols = "nSv/h",
     .exact = AMBREL_SIZE(1_x / 1000000000), .source = kSiBrochure},
    {.box = 5, .outlet = "RemPerHourField", .unit = "rem per hour", .symbols = "rem/h",
     .exact = AMBREL_SIZE(1_x / 100), .source = kNistSp811},
    {.box = 5, .outlet = "MilliremPerHourField", .unit = "millirem per hour", .symbols = "mrem/h",
     .exact = AMBREL_SIZE(1_x / 100000), .source = kNistSp811},
};
// clang-format on
static_assert(wellFormedTable(kBoxes, kRows));
static_assert(!hasClassicFactors(kRows));

}  // namespace

const ConverterDef kRadiationDef = {
    .identity = {.cliName = "radiation",
                 .className = "RadiationObject",
                 .openAction = "OpenRadiationWindow:",
                 .menuTitle = AMBREL_TEXT("Ioni&zing radiation"),
                 .menuGroup = MenuGroup::Science,
                 .menuPosition = 20,
                 .broadcastRank = 20},
    .windowOutlet = "RadiationWindow",
    .title = AMBREL_TEXT("Ionizing radiation"),
    .notebookAction = "ShowNotebook:",
    .notebook = "Radiation",
    .boxes = kBoxes,
    .rows = kRows,
    .openBox = 0,
    .openTag = 0,
};

}  // namespace ambrel
