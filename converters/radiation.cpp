// SPDX-License-Identifier: GPL-3.0-or-later
#include "converters/radiation.h"

#include "converters/sources.h"

namespace ambrel {

namespace {

// clang-format off
constexpr BoxDef kBoxes[] = {
    {"AbsorbedDoseBox", "Absorbed dose", "AbsorbedDoseCalc:", "GrayField"},
    {"EquivalentDoseBox", "Equivalent dose", "EquivalentDoseCalc:", "SievertField"},
    {"ActivityBox", "Activity", "ActivityCalc:", "BecquerelField"},
    {"ExposureBox", "Exposure", "ExposureCalc:", "CoulombPerKgField"},
};
// clang-format on

// Exact sizes in grays, sieverts, becquerels and coulombs per kilogram: the
// rad is 0.01 Gy, the rem 0.01 Sv, the curie 3.7e10 Bq, the rutherford 1e6
// Bq and the roentgen 2.58e-4 C/kg, each exactly.
constexpr ExactNumber ci = 37000000000_x;
constexpr ExactNumber roentgen = 0.000258_x;

// Shared words: rad is the radian in the angles and the dose here, R the
// degree Rankine in the temperatures and the roentgen here; the unit
// converted into decides.

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
};
// clang-format on
static_assert(wellFormedTable(kBoxes, kRows));
static_assert(!hasClassicFactors(kRows));

}  // namespace

const ConverterDef kRadiationDef = {
    .identity = {.cliName = "radiation",
                 .className = "RadiationObject",
                 .openAction = "OpenRadiationWindow:",
                 .menuTitle = "Ioni&zing radiation",
                 .menuGroup = MenuGroup::Science,
                 .menuPosition = 20,
                 .broadcastRank = 20},
    .windowOutlet = "RadiationWindow",
    .title = "Ionizing radiation",
    .notebookAction = "ShowNotebook:",
    .notebook = "Radiation",
    .boxes = kBoxes,
    .rows = kRows,
    .openBox = 0,
    .openTag = 0,
};

}  // namespace ambrel
