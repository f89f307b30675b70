// SPDX-License-Identifier: GPL-3.0-or-later
// Amounts of substance and concentrations as people type them: symbols that
// differ from other windows' only in letter case (M and m, mM and mm, uM and
// um), mass concentrations in the density window, and the boxes of a window
// of several quantities, which do not convert into each other.
#include "cli/cli.h"
#include "cli_support.h"

#include <gtest/gtest.h>

#include <string>

using namespace ambrel;
using namespace ambrel::testing;

namespace {

TEST(Substance, ConcentrationsAndAmountsAsPeopleTypeThem)
{
    // clang-format off
    const struct { std::vector<std::string> args; const char* out; } cases[] = {
        {{"1", "M", "mM"}, "1000 mM\n"},
        {{"5", "mmol/L", "umol/L"}, "5000 umol/L\n"},
        {{"1", "uM", "nM"}, "1000 nM\n"},
        {{"1", "mol/m3", "mM"}, "1 mM\n"},
        {{"2", "molar", "mol/dm^3"}, "2 mol/dm^3\n"},
        {{"1", "lb-mol", "mol"}, "453.59237 mol\n"},
        {{"6.02214076e23", "particles", "mol"}, "1 mol\n"},
        {{"100", "U", "kat"}, "1.66666666667e-06 kat\n"},
        {{"1", "millikatal", "U"}, "60000 U\n"},
        {{"1", "fmol", "pmol"}, "0.001 pmol\n"},
        {{"1", "mg/dL", "mg/L"}, "10 mg/L\n"},
        {{"35", "ug/m3", "mg/m3"}, "0.035 mg/m3\n"},
        {{"3", "ng/mL", "ug/L"}, "3 ug/L\n"},
        {{"1", "mg/mL", "g/L"}, "1 g/L\n"},
        {{"14", "g/dL", "mg/mL"}, "140 mg/mL\n"},
    };
    // clang-format on
    for (const auto& c : cases) {
        const CliRun r = run(c.args);
        EXPECT_EQ(r.out, c.out) << c.args[1] << " " << c.args[2] << ": " << r.err;
    }
}

TEST(Substance, OtherQuantitiesAndOtherLetterCasesAreRefused)
{
    // clang-format off
    const struct { std::vector<std::string> args; const char* says; } cases[] = {
        // The meter and the millimeter are not read as the molar and the
        // millimolar because a target is a concentration.
        {{"1", "m", "mM"}, "\"m\" is a unit of length and \"mM\" of substance"},
        {{"1", "mm", "mM"}, "\"mm\" is a unit of length"},
        {{"1", "uM", "um"}, "\"uM\" is a unit of substance and \"um\" of length"},
        {{"1", "MM", "mM"}, "mm (millimeter), mM (millimole per liter) or Mm (megameter)"},
        {{"5", "mmol/L", "mg/dL"}, "\"mmol/L\" is a unit of substance and \"mg/dL\" of density"},
        // Boxes of one window that are different quantities.
        {{"1", "mol", "mol/L"}, "\"mol\" is a unit of amount and \"mol/L\" of molar concentration"},
        {{"1", "mol", "2", "mmol/kg"}, "\"mmol/kg\" is a unit of molality and \"mol\" of amount"},
        {{"1", "A", "V"}, "\"A\" is a unit of current and \"V\" of voltage"},
    };
    // clang-format on
    for (const auto& c : cases) {
        const CliRun r = run(c.args);
        EXPECT_EQ(r.status, kExitUsage) << c.args[1] << " " << c.args[2];
        EXPECT_EQ(r.out, "") << c.args[1] << " " << c.args[2];
        EXPECT_NE(r.err.find(c.says), std::string::npos) << r.err;
    }
}

}  // namespace
