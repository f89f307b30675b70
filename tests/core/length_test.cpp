// SPDX-License-Identifier: GPL-3.0-or-later
// The length window: the table's irregular factors and its notebook.
#include "converters/length.h"
#include "support.h"

#include <gtest/gtest.h>

using namespace ambrel;
using ambrel::testing::EntryCase;
using ambrel::testing::Rig;

namespace {

// clang-format off
AMBREL_ENTRY_TABLE(
    LengthEntries, LenghtObject,
    // Out-of-base factors that are not reciprocals of the factors in.
    EntryCase{"MilesField", "1", {{"MetersField", 1609.344}, {"ChainField", 80.0000074368}, {"FurlongField", 8.000049023999999}, {"FeetField", 5280.257664000001}, {"YardsField", 1759.9785984}, {"InchesField", 63359.87328}, {"NauticalMileField", 0.86838592896}}},
    // The astronomical unit comes out through the light year.
    EntryCase{"LightYearField", "1", {{"MetersField", 9458000000000000}, {"AstroUnitField", 63216.2627144}, {"ParsecField", 0.3064808813998704}}},
    // Three multiplications in, one division out.
    EntryCase{"ParsecField", "1", {{"MetersField", 3.086e16}, {"LightYearField", 3.2628462677098753}, {"AstroUnitField", 206264.946856247}}},
    EntryCase{"FeetField", "1", {{"FeetField", 1}, {"MetersField", 0.3048}}},
    EntryCase{"MetersField", "1", {{"InchesField", 39.37}, {"MilesField", 0.0006213711922373339}}});
// clang-format on

TEST(LengthWindow, NotebookShowsTheDocumentOrNothing)
{
    Rig<LenghtObject> rig;
    rig.window.showNotebook();
    EXPECT_TRUE(rig.platform.events().events().empty());  // missing: nothing shown, nothing said
    rig.platform.resources()["Length.rtfd"] = "/nonexistent/Length.html";
    rig.window.showNotebook();
    EXPECT_EQ(rig.platform.notebookWindow()->title(), "Length \u2014 Notes");
    EXPECT_TRUE(rig.platform.notebookWindow()->isVisible());
    // An unreadable document leaves its path as the text.
    EXPECT_EQ(rig.platform.notebookView()->text(), "/nonexistent/Length.html");
    EXPECT_EQ(rig.platform.beeps(), 0);
}

}  // namespace
