// SPDX-License-Identifier: GPL-3.0-or-later
#include "converters/substance.h"

#include "converters/sources.h"
#include "framework/translatable.h"

namespace ambrel {

namespace {

// clang-format off
constexpr BoxDef kBoxes[] = {
    {"AmountBox", AMBREL_TEXT("Amount"), "AmountCalc:", "MoleField"},
    {"ConcentrationBox", AMBREL_TEXT("Molar concentration"), "ConcentrationCalc:", "MolePerLiterField"},
    {"MolalityBox", AMBREL_TEXT("Molality"), "MolalityCalc:", "MolePerKgField"},
    {"CatalyticBox", AMBREL_TEXT("Catalytic activity"), "CatalyticCalc:", "KatalField"},
};
// clang-format on

// Exact sizes in moles, moles per liter, moles per kilogram and katals. The
// Avogadro number is exact since 2019, so one particle is exactly its
// reciprocal of a mole. A pound-mole is as many particles as there are
// grams in a pound, 453.59237 mol. The enzyme unit is a micromole per
// minute.
constexpr ExactNumber avogadro = 602214076_x * 1000000000000000_x;
constexpr ExactNumber poundInGrams = 453.59237_x;

// Shared words: M and mM are the molar and the millimolar here, never the
// mega prefix on its own; mol/m³ is a millimole per liter; U is the enzyme
// unit.

// clang-format off
constexpr UnitRow kRows[] = {
    {.box = 0, .outlet = "PicomoleField", .unit = "picomole", .symbols = "pmol",
     .exact = AMBREL_SIZE(1_x / 1000000000000), .source = kSiBrochure},
    {.box = 0, .outlet = "NanomoleField", .unit = "nanomole", .symbols = "nmol",
     .exact = AMBREL_SIZE(1_x / 1000000000), .source = kSiBrochure},
    {.box = 0, .outlet = "MicromoleField", .unit = "micromole", .symbols = "µmol|μmol|umol",
     .exact = AMBREL_SIZE(1_x / 1000000), .source = kSiBrochure},
    {.box = 0, .outlet = "MillimoleField", .unit = "millimole", .symbols = "mmol",
     .exact = AMBREL_SIZE(1_x / 1000), .source = kSiBrochure},
    {.box = 0, .outlet = "MoleField", .unit = "mole", .symbols = "mol", .aliases = "gram mole",
     .exact = AMBREL_SIZE(1_x), .source = kSiBrochure},
    {.box = 0, .outlet = "KilomoleField", .unit = "kilomole", .symbols = "kmol", .aliases = "kilogram mole",
     .exact = AMBREL_SIZE(1000_x), .source = kSiBrochure},
    {.box = 0, .outlet = "PoundMoleField", .unit = "pound-mole", .symbols = "lb-mol|lbmol|lb·mol", .aliases = "lb mole",
     .exact = AMBREL_SIZE(poundInGrams), .source = kNistHb44},
    {.box = 0, .outlet = "ParticleField", .unit = "particle", .aliases = "entity|elementary entity|molecule|atom",
     .exact = AMBREL_SIZE(1_x / avogadro), .source = kSiBrochure},
    {.box = 1, .outlet = "PicomolePerLiterField", .unit = "picomole per liter", .symbols = "pmol/L|pmol/l|pM",
     .aliases = "picomolar", .exact = AMBREL_SIZE(1_x / 1000000000000), .source = kSiBrochure},
    {.box = 1, .outlet = "NanomolePerLiterField", .unit = "nanomole per liter", .symbols = "nmol/L|nmol/l|nM",
     .aliases = "nanomolar", .exact = AMBREL_SIZE(1_x / 1000000000), .source = kSiBrochure},
    {.box = 1, .outlet = "MicromolePerLiterField", .unit = "micromole per liter",
     .symbols = "µmol/L|μmol/L|umol/L|µmol/l|μmol/l|umol/l|µM|μM|uM", .aliases = "micromolar",
     .exact = AMBREL_SIZE(1_x / 1000000), .source = kSiBrochure},
    {.box = 1, .outlet = "MillimolePerLiterField", .unit = "millimole per liter",
     .symbols = "mmol/L|mmol/l|mM|mol/m³|mol/m3", .aliases = "millimolar|mole per cubic meter",
     .exact = AMBREL_SIZE(1_x / 1000), .source = kSiBrochure},
    {.box = 1, .outlet = "MolePerLiterField", .unit = "mole per liter", .symbols = "mol/L|mol/l|M|mol/dm³|mol/dm3",
     .aliases = "molar|mole per cubic decimeter", .exact = AMBREL_SIZE(1_x), .source = kSiBrochure},
    {.box = 2, .outlet = "MillimolePerKgField", .unit = "millimole per kilogram", .symbols = "mmol/kg",
     .aliases = "millimolal", .exact = AMBREL_SIZE(1_x / 1000), .source = kSiBrochure},
    {.box = 2, .outlet = "MolePerKgField", .unit = "mole per kilogram", .symbols = "mol/kg", .aliases = "molal",
     .exact = AMBREL_SIZE(1_x), .source = kSiBrochure},
    {.box = 3, .outlet = "NanokatalField", .unit = "nanokatal", .symbols = "nkat",
     .exact = AMBREL_SIZE(1_x / 1000000000), .source = kSiBrochure},
    {.box = 3, .outlet = "MicrokatalField", .unit = "microkatal", .symbols = "µkat|μkat|ukat",
     .exact = AMBREL_SIZE(1_x / 1000000), .source = kSiBrochure},
    {.box = 3, .outlet = "KatalField", .unit = "katal", .symbols = "kat|mol/s",
     .exact = AMBREL_SIZE(1_x), .source = kSiBrochure},
    {.box = 3, .outlet = "EnzymeUnitField", .unit = "enzyme unit", .symbols = "U|µmol/min|μmol/min|umol/min",
     .aliases = "micromole per minute", .exact = AMBREL_SIZE(1_x / 1000000 / 60), .source = kIupacGoldBook},
};
// clang-format on
static_assert(wellFormedTable(kBoxes, kRows));
static_assert(!hasClassicFactors(kRows));

}  // namespace

const ConverterDef kSubstanceDef = {
    .identity = {.cliName = "substance",
                 .className = "SubstanceObject",
                 .openAction = "OpenSubstanceWindow:",
                 // Every letter of the name is another button's: a digit.
                 .menuTitle = AMBREL_TEXT("Amount of substance (&5)"),
                 .menuGroup = MenuGroup::Science,
                 .menuPosition = 23,
                 .broadcastRank = 23},
    .windowOutlet = "SubstanceWindow",
    .title = AMBREL_TEXT("Amount of substance"),
    .notebookAction = "ShowNotebook:",
    .notebook = "Substance",
    .boxes = kBoxes,
    .rows = kRows,
    .openBox = 0,
    .openTag = 4,
};

}  // namespace ambrel
