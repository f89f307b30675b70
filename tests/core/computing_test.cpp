// SPDX-License-Identifier: GPL-3.0-or-later
// The computing window: data sizes under either prefix system, the titles
// that follow the system, and the number base box, on the headless platform.
#include "computing/computing.h"
#include "support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace ambrel;
using ambrel::testing::Expect;
using ambrel::testing::Rig;

namespace {

constexpr int kBinary = 0;
constexpr int kDecimal = 1;

void choosePrefixes(Rig<ComputingObject>& rig, int tag)
{
    rig.window.choice("BaseRadioSelection")->selectItemWithTag(tag);
    ASSERT_TRUE(rig.window.perform("BaseAction:"));
}

std::vector<std::string> titles(Rig<ComputingObject>& rig)
{
    std::vector<std::string> out;
    for (const char* outlet : {"BitField", "KilobitField", "MegabitField", "ByteField", "KilobyteField",
                               "MegabyteField", "GigaByteField", "TerabyteField"})
        out.push_back(rig.cell(outlet).title());
    return out;
}

TEST(ComputingSizes, GiveTheDoublesOfTheListedOperations)
{
    struct SizeCase {
        int system;
        const char *typed, *value;
        std::vector<Expect> results;
    };
    // clang-format off
    const SizeCase cases[] = {
        {kBinary, "KilobyteField", "1", {{"ByteField", 1024}, {"BitField", 8192}, {"KilobitField", 8}, {"MegabitField", 0.0078125}, {"MegabyteField", 0.0009765625}, {"GigaByteField", 0.00000095367431640625}, {"TerabyteField", 0.000000000931322574615478515625}}},
        {kDecimal, "KilobyteField", "1", {{"ByteField", 1000}, {"BitField", 8000}, {"KilobitField", 8}, {"MegabitField", 0.008}, {"MegabyteField", 0.001}, {"GigaByteField", 0.000001}, {"TerabyteField", 0.000000001}}},
        // Divisions, not multiplications by 0.000001: 1e-07 would be wrong.
        {kDecimal, "ByteField", "0.1", {{"MegabyteField", 1.0000000000000001e-07}}},
        // Two divisions by 1000, not one by 1000000 (2.6399999999999998e-05).
        {kDecimal, "ByteField", "3.3", {{"MegabitField", 2.64e-05}}},
    };
    // clang-format on
    for (const SizeCase& c : cases) {
        Rig<ComputingObject> rig;
        choosePrefixes(rig, c.system);
        ASSERT_TRUE(rig.type(c.typed, c.value));
        for (const Expect& e : c.results)
            EXPECT_EQ(rig.value(e.outlet), e.value) << c.typed << '=' << c.value << ": " << e.outlet;
    }
}

// Switching retitles the cells and converts again around the edited field.
TEST(ComputingPrefixes, SwitchingRetitlesAndRecomputes)
{
    const std::vector<std::string> binary = {"bit",      "kibibit",  "mebibit",  "byte",
                                             "kibibyte", "mebibyte", "gibibyte", "tebibyte"};
    Rig<ComputingObject> rig;
    EXPECT_EQ(rig.window.choice("BaseRadioSelection")->selectedTag(), kBinary);
    EXPECT_EQ(titles(rig), binary);
    ASSERT_TRUE(rig.type("KilobyteField", "1"));
    rig.clear();
    choosePrefixes(rig, kDecimal);
    EXPECT_EQ(titles(rig),
              (std::vector<std::string>{"bit", "kilobit", "megabit", "byte", "kilobyte", "megabyte", "gigabyte",
                                        "terabyte"}));
    EXPECT_EQ(rig.value("KilobyteField"), 1);
    EXPECT_EQ(rig.value("BitField"), 8000);
    EXPECT_EQ(rig.wrote("KilobyteField"), 0);
    EXPECT_EQ(rig.window.parts().boxes[0]->selectedTag(), 4);
    choosePrefixes(rig, kBinary);
    EXPECT_EQ(titles(rig), binary);
    EXPECT_EQ(rig.value("BitField"), 8192);
}

TEST(ComputingPrefixes, WithoutASystemNothingIsConvertedOrRetitled)
{
    for (int tag : {-1, 2, 99}) {
        Rig<ComputingObject> rig;
        rig.window.choice("BaseRadioSelection")->selectItemWithTag(tag);
        rig.clear();
        EXPECT_TRUE(rig.type("KilobyteField", "1")) << tag;
        ASSERT_TRUE(rig.window.perform("BaseAction:"));
        EXPECT_EQ(rig.platform.events().count("title"), 0) << tag;
        EXPECT_TRUE(rig.writes().empty()) << tag;
    }
}

// The edited cell keeps its text; the decimal cell is written from another
// notation, and the rest from the decimal cell.
TEST(ComputingNumberBases, RewriteTheOtherNotations)
{
    struct BaseCase {
        const char *typed, *text;
        std::vector<std::string> cells;  // binary, octal, decimal, hexadecimal
    };
    // clang-format off
    const BaseCase cases[] = {
        {"BinaryField", " 0B0101 ", {" 0B0101 ", "5", "5", "5"}},
        {"OctalField", "777", {"111111111", "777", "511", "1ff"}},
        {"DecimalField", "-1", {"11111111111111111111111111111111", "37777777777", "-1", "ffffffff"}},
        {"HexaField", "0x1A", {"11010", "32", "26", "0x1A"}},
        {"DecimalField", "", {"0", "0", "", "0"}},
    };
    // clang-format on
    for (const BaseCase& c : cases) {
        Rig<ComputingObject> rig;
        ASSERT_TRUE(rig.type(c.typed, c.text));
        std::vector<std::string> cells;
        for (const char* outlet : {"BinaryField", "OctalField", "DecimalField", "HexaField"})
            cells.push_back(rig.cell(outlet).stringValue());
        EXPECT_EQ(cells, c.cells) << c.typed << '=' << c.text;
        const int tag = rig.window.plan().fields[rig.window.fieldIndex(c.typed)].tag;
        EXPECT_EQ(rig.window.parts().boxes[1]->selectedTag(), tag) << c.typed;
    }
}

// Beyond what every cell's refusal guarantees (see the bad input test): the
// message names the fault, and a conversion replaces a refused text.
TEST(ComputingNumberBases, RefusalsNameTheFaultAndAreReplacedOnceCorrected)
{
    Rig<ComputingObject> rig;
    EXPECT_FALSE(rig.type("BinaryField", "2"));
    EXPECT_EQ(rig.window.refusalMessage(), "binary digits are 0 and 1");
    EXPECT_FALSE(rig.type("HexaField", "123456789"));
    EXPECT_EQ(rig.window.refusalMessage(), "more than 32 bits");
    ASSERT_TRUE(rig.type("BinaryField", "101"));
    EXPECT_FALSE(rig.cell("BinaryField").holdsRefusedText());
    // The refusal left in the hexadecimal cell is replaced by the conversion.
    EXPECT_FALSE(rig.cell("HexaField").holdsRefusedText());
    EXPECT_EQ(rig.cell("HexaField").stringValue(), "5");
}

}  // namespace
