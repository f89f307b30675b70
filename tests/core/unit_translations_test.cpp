// SPDX-License-Identifier: GPL-3.0-or-later
// Unit names in other languages: the shipped catalogs are whole and never
// make the finder misread a name; the finder takes them beside English.
#include "app/unit_finder.h"
#include "app/unit_names.h"
#include "app/unit_translations.h"
#include "framework/translatable.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

using namespace ambrel;

namespace {

std::string catalogText(const std::string& language)
{
    std::ifstream in(std::string(AMBREL_SOURCE_DIR) + "/translations/units_" + language + ".tsv");
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// Every language the desktop ships, with a name each must hold.
struct Shipped {
    const char* language;
    const char* english;
    const char* singular;
};

class ShippedUnitNames : public ::testing::TestWithParam<Shipped> {};

TEST_P(ShippedUnitNames, NameEveryUnitOnceAndClashWithNoOtherName)
{
    const Shipped& lang = GetParam();
    std::vector<std::string> problems;
    const std::vector<UnitTranslation> catalog = readUnitTranslations(catalogText(lang.language), &problems);
    EXPECT_TRUE(problems.empty()) << problems.front();

    std::set<std::string> named;
    for (const UnitTranslation& t : catalog)
        EXPECT_TRUE(named.insert(t.english).second) << "“" << t.english << "” twice";
    for (const std::string& english : translatableUnitNames())
        EXPECT_TRUE(named.contains(english)) << lang.language << " has no name for “" << english << "”";
    for (const std::string& clash : unitTranslationClashes(catalog))
        ADD_FAILURE() << lang.language << ": " << clash;

    const auto found = std::ranges::find(catalog, std::string(lang.english), &UnitTranslation::english);
    ASSERT_NE(found, catalog.end());
    EXPECT_EQ(found->singular, lang.singular);
}

INSTANTIATE_TEST_SUITE_P(Languages, ShippedUnitNames,
                         ::testing::Values(Shipped{"de", "mile", "Meile"}, Shipped{"fr", "inch", "pouce"},
                                           Shipped{"es", "inch", "pulgada"}));

// A catalog line is four columns; the others are refused with their line.
TEST(UnitTranslations, ReadFourColumnsAndRefuseOtherLines)
{
    std::vector<std::string> problems;
    const std::vector<UnitTranslation> catalog =
        readUnitTranslations("# a comment\n\nmile\tMeile\tMeilen\tLandmeile|Statute Mile\r\n"
                             "foot\tFuß\n"
                             "yard\tYard\tYards\t\textra\n"
                             "inch\tZoll\tZoll\t\n",
                             &problems);
    ASSERT_EQ(catalog.size(), 2u);
    EXPECT_EQ(catalog[0].plural, "Meilen");
    EXPECT_EQ(catalog[0].aliases, (std::vector<std::string>{"Landmeile", "Statute Mile"}));
    EXPECT_TRUE(catalog[1].aliases.empty());
    ASSERT_EQ(problems.size(), 2u);
    EXPECT_TRUE(problems[0].starts_with("line 4:")) << problems[0];
    EXPECT_TRUE(problems[1].starts_with("line 5:")) << problems[1];
}

// What a name may not be: another unit's symbol letter for letter, another
// unit's English name in any case, or another translation. The unit's own
// names, and symbols in another letter case, are no clash.
TEST(UnitTranslations, ClashesWithOtherUnitsAreFound)
{
    const auto clashesOf = [](std::vector<UnitTranslation> catalog) { return unitTranslationClashes(catalog); };
    EXPECT_EQ(clashesOf({{"foot", "Fuß", "Fuß", {"in"}}}).size(), 1u);            // the inch's symbol
    EXPECT_EQ(clashesOf({{"metric ton", "Tonne", "Tonnen", {"t"}}}).size(), 0u);  // its own symbol
    EXPECT_EQ(clashesOf({{"foot", "Fuß", "Fuß", {"Mile"}}}).size(), 1u);          // the mile's name
    EXPECT_EQ(clashesOf({{"foot", "Fuß", "Fuß", {}}, {"inch", "Zoll", "Fuß", {}}}).size(), 2u);
    EXPECT_EQ(clashesOf({{"degree", "Grad", "Grad", {}}}).size(), 0u);  // the gradian's "grad" is lower case
    EXPECT_EQ(clashesOf({{"no such unit", "x", "x", {}}}).size(), 1u);
    EXPECT_EQ(clashesOf({{"foot", "pied", "pieds", {"FOOT"}}}).size(), 0u);
}

// The finder with German names: the German words, in any case and without
// the ß, and still every English name and symbol.
TEST(UnitTranslations, TheFinderTakesTheLanguagesNamesBesideEnglish)
{
    useUnitTranslations(readUnitTranslations(catalogText("de")));
    const auto first = [](std::string_view typed) {
        const std::vector<UnitMatch> found = findUnits(typed);
        return found.empty() ? std::string() : found.front().text;
    };
    EXPECT_EQ(first("Meile"), "Meile — Length");
    EXPECT_EQ(first("meilen"), "Meile — Length");
    EXPECT_EQ(first("ZOLL"), "Zoll — Length");
    EXPECT_EQ(first("mile"), "Meile — Length");
    EXPECT_EQ(first("mi"), "Meile — Length");
    EXPECT_EQ(first("Fuss"), "Fuß — Length");
    EXPECT_EQ(findUnits("Meilen").front().pluralText, "Meilen — Length");
    EXPECT_EQ(matchUnit("mw", "power-energy").choices, (std::vector<std::string>{"MW (Megawatt)", "mW (Milliwatt)"}));
    useUnitTranslations({});
    EXPECT_EQ(first("Meile"), "");
    EXPECT_EQ(first("mile"), "mile — Length");
}

TEST(TranslatableText, PlaceholdersAreFilledInAnyOrder)
{
    EXPECT_EQ(fillText("%2 vor %1", {"a", "b"}), "b vor a");
    EXPECT_EQ(fillText("100%% of %1", {"x"}), "100% of x");
    EXPECT_EQ(fillText("%1 and %3", {"x"}), "x and %3");
    EXPECT_EQ(fillText("ends in %", {}), "ends in %");
}

}  // namespace
