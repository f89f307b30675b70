// SPDX-License-Identifier: GPL-3.0-or-later
#include "converters/magnetism.h"

#include "converters/sources.h"
#include "framework/translatable.h"

namespace ambrel {

namespace {

// clang-format off
constexpr BoxDef kBoxes[] = {
    {"FluxDensityBox", AMBREL_TEXT("Flux density"), "FluxDensityCalc:", "TeslaField"},
    {"FluxBox", AMBREL_TEXT("Flux"), "FluxCalc:", "WeberField"},
    {"FieldStrengthBox", AMBREL_TEXT("Field strength"), "FieldStrengthCalc:", "AmperePerMeterField"},
    {"MagnetomotiveForceBox", AMBREL_TEXT("Magnetomotive force"), "MagnetomotiveForceCalc:", "AmpereTurnField"},
};
// clang-format on

// Exact sizes in teslas, webers, amperes per meter and ampere-turns. The
// CGS units are tied to the SI by the conventional factors: a gauss is
// 1e-4 T, a maxwell 1e-8 Wb, an oersted 1000/(4π) A/m and a gilbert
// 10/(4π) ampere-turns. A turn is a count, so an ampere-turn is an ampere.
constexpr ExactNumber pi = ExactNumber::pi();

// Shared words: T, G and mG differ from the tonne, the gram and the
// milligram only in case, and At from the technical atmosphere; a symbol
// typed in its own case names its own unit. The kilogauss has no symbol:
// "kG" would take "Kg" from the kilogram people mistype, and "Gb" is the
// gigabit, so the gilbert is "Gi".

// clang-format off
constexpr UnitRow kRows[] = {
    {.box = 0, .outlet = "TeslaField", .unit = "tesla", .symbols = "T|Wb/m2|Wb/m²", .aliases = "weber per square meter",
     .exact = AMBREL_SIZE(1_x), .source = kSiBrochure},
    {.box = 0, .outlet = "MilliteslaField", .unit = "millitesla", .symbols = "mT",
     .exact = AMBREL_SIZE(1_x / 1000), .source = kSiBrochure},
    {.box = 0, .outlet = "MicroteslaField", .unit = "microtesla", .symbols = "µT|μT|uT",
     .exact = AMBREL_SIZE(1_x / 1000000), .source = kSiBrochure},
    {.box = 0, .outlet = "NanoteslaField", .unit = "nanotesla", .symbols = "nT",
     .exact = AMBREL_SIZE(1_x / 1000000000), .source = kSiBrochure},
    {.box = 0, .outlet = "KilogaussField", .unit = "kilogauss",
     .exact = AMBREL_SIZE(1_x / 10), .source = kNistSp811},
    {.box = 0, .outlet = "GaussField", .unit = "gauss", .symbols = "G|Mx/cm2|Mx/cm²", .aliases = "maxwell per square centimeter",
     .exact = AMBREL_SIZE(1_x / 10000), .source = kNistSp811},
    {.box = 0, .outlet = "MilligaussField", .unit = "milligauss", .symbols = "mG",
     .exact = AMBREL_SIZE(1_x / 10000000), .source = kNistSp811},
    {.box = 0, .outlet = "GammaField", .unit = "gamma", .symbols = "γ",
     .exact = AMBREL_SIZE(1_x / 1000000000), .source = kNistSp811},
    {.box = 1, .outlet = "WeberField", .unit = "weber", .symbols = "Wb|V·s|T·m2|T·m²", .aliases = "volt second|tesla square meter",
     .exact = AMBREL_SIZE(1_x), .source = kSiBrochure},
    {.box = 1, .outlet = "MilliweberField", .unit = "milliweber", .symbols = "mWb",
     .exact = AMBREL_SIZE(1_x / 1000), .source = kSiBrochure},
    {.box = 1, .outlet = "MicroweberField", .unit = "microweber", .symbols = "µWb|μWb|uWb",
     .exact = AMBREL_SIZE(1_x / 1000000), .source = kSiBrochure},
    {.box = 1, .outlet = "MaxwellField", .unit = "maxwell", .symbols = "Mx",
     .exact = AMBREL_SIZE(1_x / 100000000), .source = kNistSp811},
    {.box = 2, .outlet = "AmperePerMeterField", .unit = "ampere per meter", .symbols = "A/m|At/m",
     .aliases = "ampere-turn per meter|amp per meter",
     .exact = AMBREL_SIZE(1_x), .source = kSiBrochure},
    {.box = 2, .outlet = "KiloamperePerMeterField", .unit = "kiloampere per meter", .symbols = "kA/m",
     .exact = AMBREL_SIZE(1000_x), .source = kSiBrochure},
    {.box = 2, .outlet = "AmperePerCentimeterField", .unit = "ampere per centimeter", .symbols = "A/cm|At/cm",
     .aliases = "ampere-turn per centimeter",
     .exact = AMBREL_SIZE(100_x), .source = kSiBrochure},
    {.box = 2, .outlet = "AmpereTurnPerInchField", .unit = "ampere-turn per inch", .symbols = "At/in|A/in",
     .aliases = "ampere per inch",
     .exact = AMBREL_SIZE(1_x / 0.0254_x), .source = kNistSp811},
    {.box = 2, .outlet = "OerstedField", .unit = "oersted", .symbols = "Oe",
     .exact = AMBREL_SIZE(1000 / (4 * pi)), .source = kNistSp811},
    {.box = 2, .outlet = "KilooerstedField", .unit = "kilooersted", .symbols = "kOe",
     .exact = AMBREL_SIZE(1000000 / (4 * pi)), .source = kNistSp811},
    {.box = 3, .outlet = "AmpereTurnField", .unit = "ampere-turn", .symbols = "At|A·t", .aliases = "ampere turn",
     .exact = AMBREL_SIZE(1_x), .source = kSiBrochure},
    {.box = 3, .outlet = "KiloampereTurnField", .unit = "kiloampere-turn", .symbols = "kAt", .aliases = "kiloampere turn",
     .exact = AMBREL_SIZE(1000_x), .source = kSiBrochure},
    {.box = 3, .outlet = "GilbertField", .unit = "gilbert", .symbols = "Gi",
     .exact = AMBREL_SIZE(10 / (4 * pi)), .source = kNistSp811},
};
// clang-format on
static_assert(wellFormedTable(kBoxes, kRows));
static_assert(!hasClassicFactors(kRows));

}  // namespace

const ConverterDef kMagnetismDef = {
    .identity = {.cliName = "magnetism",
                 .className = "MagnetismObject",
                 .openAction = "OpenMagnetismWindow:",
                 // Every letter of the name is another button's or the menu's: a digit.
                 .menuTitle = AMBREL_TEXT("Magnetism (&4)"),
                 .menuGroup = MenuGroup::Science,
                 .menuPosition = 22,
                 .broadcastRank = 22},
    .windowOutlet = "MagnetismWindow",
    .title = AMBREL_TEXT("Magnetism"),
    .notebookAction = "ShowNotebook:",
    .notebook = "Magnetism",
    .boxes = kBoxes,
    .rows = kRows,
    .openBox = 0,
    .openTag = 0,
};

}  // namespace ambrel
