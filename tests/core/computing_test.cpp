// The computing window: data sizes under either prefix system, the titles
// that follow the system, and the number base box, on the headless platform.
#include "computing/computing.h"
#include "support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using namespace ambrel;
using ambrel::testing::Rig;

namespace {

constexpr int kBinary = 0;
constexpr int kDecimal = 1;

const char* const kDataSizeOutlets[] = {"BitField",      "KilobitField",  "MegabitField",  "ByteField",
                                        "KilobyteField", "MegabyteField", "GigaByteField", "TerabyteField"};

void choosePrefixes(Rig<ComputingObject>& rig, int tag)
{
    rig.window.choice("BaseRadioSelection")->selectItemWithTag(tag);
    ASSERT_TRUE(rig.window.perform("BaseAction:"));
}

std::vector<std::string> titles(Rig<ComputingObject>& rig)
{
    std::vector<std::string> out;
    for (const char* outlet : kDataSizeOutlets)
        out.push_back(rig.cell(outlet).title());
    return out;
}

const std::vector<std::string> kBinaryTitles = {"bit:",      "kibibit:",  "mebibit:",  "byte:",
                                                "kibibyte:", "mebibyte:", "gibibyte:", "tebibyte:"};
const std::vector<std::string> kDecimalTitles = {"bit:",      "kilobit:",  "megabit:",  "byte:",
                                                 "kilobyte:", "megabyte:", "gigabyte:", "terabyte:"};

// --- data sizes ------------------------------------------------------------

struct Expect {
    const char* outlet;
    double value;
};

struct SizeCase {
    int system;
    const char* typed;
    const char* value;
    double byte;
    std::vector<Expect> results;
};

class DataSizes : public ::testing::TestWithParam<SizeCase> {};

// The exact doubles of the listed operations: binary factors are powers of
// two; decimal ones divide on the way out.
TEST_P(DataSizes, GiveTheTableDoubles)
{
    const SizeCase& c = GetParam();
    Rig<ComputingObject> rig;
    choosePrefixes(rig, c.system);
    ASSERT_TRUE(rig.type(c.typed, c.value));
    EXPECT_EQ(rig.value("ByteField"), c.byte);
    for (const Expect& e : c.results)
        EXPECT_EQ(rig.value(e.outlet), e.value) << e.outlet;
}

INSTANTIATE_TEST_SUITE_P(
    Table, DataSizes,
    ::testing::Values(
        SizeCase{kBinary,
                 "KilobyteField",
                 "1",
                 1024,
                 {{"BitField", 8192},
                  {"KilobitField", 8},
                  {"MegabitField", 0.0078125},
                  {"MegabyteField", 0.0009765625},
                  {"GigaByteField", 0.00000095367431640625},
                  {"TerabyteField", 0.000000000931322574615478515625}}},
        SizeCase{kDecimal,
                 "KilobyteField",
                 "1",
                 1000,
                 {{"BitField", 8000},
                  {"KilobitField", 8},
                  {"MegabitField", 0.008},
                  {"MegabyteField", 0.001},
                  {"GigaByteField", 0.000001},
                  {"TerabyteField", 0.000000001}}},
        SizeCase{kDecimal,
                 "KilobitField",
                 "1",
                 125,
                 {{"BitField", 1000}, {"MegabitField", 0.001}, {"KilobyteField", 0.125}}},
        SizeCase{kBinary,
                 "TerabyteField",
                 "1",
                 1099511627776,
                 {{"BitField", 8796093022208}, {"GigaByteField", 1024}, {"MegabyteField", 1048576}}},
        SizeCase{kBinary, "MegabitField", "1", 131072, {{"BitField", 1048576}, {"KilobitField", 1024}}},
        SizeCase{kDecimal, "GigaByteField", "2", 2000000000, {{"MegabitField", 16000}}},
        // Divisions, not multiplications by 0.000001: 1e-07 would be wrong.
        SizeCase{kDecimal, "ByteField", "0.1", 0.1, {{"MegabyteField", 1.0000000000000001e-07}}},
        // Two divisions by 1000, not one by 1000000 (2.6399999999999998e-05).
        SizeCase{kDecimal, "ByteField", "3.3", 3.3, {{"MegabitField", 2.64e-05}}}));

TEST(ComputingSizes, EditedFieldKeepsWhatWasTypedAndBaseIsWrittenFirst)
{
    Rig<ComputingObject> rig;
    ASSERT_TRUE(rig.type("KilobyteField", "3"));
    const std::vector<std::string> expected = {"ByteField",    "BitField",      "KilobitField",
                                               "MegabitField", "MegabyteField", "GigaByteField",
                                               "TerabyteField"};
    EXPECT_EQ(rig.writes(), expected);
    EXPECT_EQ(rig.value("KilobyteField"), 3);
}

TEST(ComputingSizes, ConfirmingTheByteWritesTheSevenOthersBitFirst)
{
    Rig<ComputingObject> rig;
    ASSERT_TRUE(rig.type("ByteField", "2048"));
    const std::vector<std::string> expected = {"BitField",      "KilobitField",  "MegabitField", "KilobyteField",
                                               "MegabyteField", "GigaByteField", "TerabyteField"};
    EXPECT_EQ(rig.writes(), expected);
    EXPECT_EQ(rig.value("KilobyteField"), 2);
}

// --- the prefix choice -----------------------------------------------------

TEST(ComputingPrefixes, TitlesFollowTheChosenSystem)
{
    Rig<ComputingObject> rig;
    // The window starts under binary prefixes with titles to match.
    EXPECT_EQ(rig.window.choice("BaseRadioSelection")->selectedTag(), kBinary);
    EXPECT_EQ(titles(rig), kBinaryTitles);
    choosePrefixes(rig, kDecimal);
    EXPECT_EQ(titles(rig), kDecimalTitles);
    choosePrefixes(rig, kBinary);
    EXPECT_EQ(titles(rig), kBinaryTitles);
    // Titles are set in tag order, before anything is converted.
    const auto titleEvents = rig.platform.events().ofKind("title");
    ASSERT_GE(titleEvents.size(), 8u);
    EXPECT_EQ(titleEvents[0].target, "BitField");
    EXPECT_EQ(titleEvents[7].target, "TerabyteField");
}

TEST(ComputingPrefixes, SwitchingRecomputesAroundTheEditedField)
{
    Rig<ComputingObject> rig;
    ASSERT_TRUE(rig.type("KilobyteField", "1"));
    ASSERT_EQ(rig.value("ByteField"), 1024);
    rig.clear();
    choosePrefixes(rig, kDecimal);
    EXPECT_EQ(rig.value("KilobyteField"), 1);
    EXPECT_EQ(rig.value("ByteField"), 1000);
    EXPECT_EQ(rig.value("BitField"), 8000);
    const auto writes = rig.writes();
    EXPECT_EQ(std::count(writes.begin(), writes.end(), "KilobyteField"), 0);
    EXPECT_EQ(rig.window.parts().boxes[0]->selectedTag(), 4);
}

TEST(ComputingPrefixes, WithoutASystemNothingIsConvertedOrRetitled)
{
    for (int tag : {-1, 2, 99}) {
        Rig<ComputingObject> rig;
        rig.window.choice("BaseRadioSelection")->selectItemWithTag(tag);
        rig.clear();
        EXPECT_TRUE(rig.type("KilobyteField", "1")) << tag;
        EXPECT_TRUE(rig.writes().empty()) << tag;
        ASSERT_TRUE(rig.window.perform("BaseAction:"));
        EXPECT_EQ(rig.platform.events().count("title"), 0) << tag;
        EXPECT_TRUE(rig.writes().empty()) << tag;
        EXPECT_EQ(titles(rig), kBinaryTitles);
    }
}

TEST(ComputingWindow, AccuracyReachesTheDataSizeCellsOnly)
{
    Rig<ComputingObject> rig;
    rig.window.accuracyChange(2);
    std::vector<std::string> formatted;
    for (const Event& e : rig.platform.events().ofKind("format")) {
        formatted.push_back(e.target);
        EXPECT_EQ(e.value, 2);
    }
    const std::vector<std::string> declared = {"BitField",      "ByteField",    "GigaByteField", "KilobitField",
                                               "KilobyteField", "MegabitField", "MegabyteField", "TerabyteField"};
    EXPECT_EQ(formatted, declared);
}

TEST(ComputingWindow, OpensWithTheKiloByteSelected)
{
    Rig<ComputingObject> rig;
    ASSERT_TRUE(rig.window.perform("OpenComputingWindow:"));
    const auto& events = rig.platform.events().events();
    ASSERT_EQ(events.size(), 3u);
    EXPECT_EQ(events[2].kind, "select");
    EXPECT_EQ(events[2].target, "FieldBox");
    EXPECT_EQ(events[2].value, 4);
}

// --- number bases ----------------------------------------------------------

struct BaseCase {
    const char* typed;
    const char* text;
    const char* binary;
    const char* octal;
    const char* decimal;
    const char* hexa;
};

class NumberBases : public ::testing::TestWithParam<BaseCase> {};

// The edited cell keeps its text; the decimal cell is written from another
// notation, and the rest from the decimal cell.
TEST_P(NumberBases, RewriteTheOtherNotations)
{
    const BaseCase& c = GetParam();
    Rig<ComputingObject> rig;
    ASSERT_TRUE(rig.type(c.typed, c.text));
    EXPECT_EQ(rig.cell("BinaryField").stringValue(), c.binary);
    EXPECT_EQ(rig.cell("OctalField").stringValue(), c.octal);
    EXPECT_EQ(rig.cell("DecimalField").stringValue(), c.decimal);
    EXPECT_EQ(rig.cell("HexaField").stringValue(), c.hexa);
    const int tag = rig.window.plan().fields[rig.window.fieldIndex(c.typed)].tag;
    EXPECT_EQ(rig.window.parts().boxes[1]->selectedTag(), tag);
}

INSTANTIATE_TEST_SUITE_P(
    Table, NumberBases,
    ::testing::Values(BaseCase{"BinaryField", "1010", "1010", "12", "10", "a"},
                      BaseCase{"BinaryField", "0010", "0010", "2", "2", "2"},
                      BaseCase{"HexaField", "FF", "11111111", "377", "255", "FF"},
                      BaseCase{"OctalField", "777", "111111111", "777", "511", "1ff"},
                      BaseCase{"DecimalField", "0", "0", "0", "0", "0"},
                      BaseCase{"DecimalField", "65536", "10000000000000000", "200000", "65536", "10000"},
                      BaseCase{"DecimalField", "-1", "11111111111111111111111111111111", "37777777777", "-1",
                               "ffffffff"},
                      BaseCase{"HexaField", "ffffffff", "11111111111111111111111111111111", "37777777777", "-1",
                               "ffffffff"},
                      BaseCase{"OctalField", "37777777777", "11111111111111111111111111111111", "37777777777",
                               "-1", "ffffffff"},
                      BaseCase{"HexaField", "0x1A", "11010", "32", "26", "0x1A"},
                      BaseCase{"BinaryField", " 0B101 ", " 0B101 ", "5", "5", "5"},
                      BaseCase{"DecimalField", "", "0", "0", "", "0"}));

struct Refusal {
    const char* outlet;
    std::string text;
};

// A refused entry sounds the alert, keeps the typed text for correction and
// changes no other cell.
TEST(ComputingNumberBases, RefusedEntriesChangeNothingElse)
{
    const Refusal cases[] = {
        {"BinaryField", "2"},
        {"BinaryField", "0b"},
        {"BinaryField", "1" + std::string(32, '0')},
        {"BinaryField", "-1"},
        {"OctalField", "8"},
        {"OctalField", "40000000000"},
        {"HexaField", "123456789"},
        {"HexaField", "0x1G"},
        {"HexaField", "1 2"},
        {"HexaField", std::string(10000, 'f')},
        {"DecimalField", "2147483648"},
        {"DecimalField", "-2147483649"},
        {"DecimalField", "1.5"},
        {"DecimalField", "--1"},
        {"DecimalField", "0x10"},
    };
    for (const Refusal& c : cases) {
        Rig<ComputingObject> rig;
        ASSERT_TRUE(rig.type("DecimalField", "7"));
        rig.clear();
        EXPECT_FALSE(rig.type(c.outlet, c.text)) << c.outlet << " " << c.text;
        EXPECT_EQ(rig.platform.beeps(), 1) << c.text;
        EXPECT_EQ(rig.cell(c.outlet).stringValue(), c.text);
        EXPECT_TRUE(rig.cell(c.outlet).holdsRefusedText());
        EXPECT_FALSE(rig.window.refusalMessage().empty()) << c.text;
        // Only the typed text itself reached a cell.
        const auto texts = rig.platform.events().ofKind("text");
        ASSERT_EQ(texts.size(), 1u) << c.text;
        EXPECT_EQ(texts[0].target, c.outlet);
        if (std::string(c.outlet) != "DecimalField") {
            EXPECT_EQ(rig.cell("DecimalField").stringValue(), "7");
        }
        if (std::string(c.outlet) != "BinaryField") {
            EXPECT_EQ(rig.cell("BinaryField").stringValue(), "111");
        }
    }
}

TEST(ComputingNumberBases, RefusalMessagesNameTheDigits)
{
    Rig<ComputingObject> rig;
    EXPECT_FALSE(rig.type("BinaryField", "2"));
    EXPECT_EQ(rig.window.refusalMessage(), "binary digits are 0 and 1");
    EXPECT_FALSE(rig.type("HexaField", "123456789"));
    EXPECT_EQ(rig.window.refusalMessage(), "more than 32 bits");
}

TEST(ComputingNumberBases, ACorrectedEntryIsAccepted)
{
    Rig<ComputingObject> rig;
    ASSERT_FALSE(rig.type("BinaryField", "102"));
    ASSERT_TRUE(rig.type("BinaryField", "101"));
    EXPECT_FALSE(rig.cell("BinaryField").holdsRefusedText());
    EXPECT_EQ(rig.cell("DecimalField").stringValue(), "5");
    // A refusal left in one cell is replaced when another cell is converted.
    ASSERT_FALSE(rig.type("OctalField", "9"));
    ASSERT_TRUE(rig.type("HexaField", "10"));
    EXPECT_FALSE(rig.cell("OctalField").holdsRefusedText());
    EXPECT_EQ(rig.cell("OctalField").stringValue(), "20");
}

TEST(ComputingNumberBases, DataSizesAndNumberBasesStayApart)
{
    Rig<ComputingObject> rig;
    ASSERT_TRUE(rig.type("KilobyteField", "1"));
    rig.clear();
    ASSERT_TRUE(rig.type("DecimalField", "12"));
    EXPECT_TRUE(rig.writes().empty());
    EXPECT_EQ(rig.value("ByteField"), 1024);
    ASSERT_TRUE(rig.type("ByteField", "5"));
    EXPECT_EQ(rig.cell("DecimalField").stringValue(), "12");
}

}  // namespace
