// SPDX-License-Identifier: GPL-3.0-or-later
#include "computing/computing.h"
#include "framework/translatable.h"

namespace ambrel {

using table::b;
using table::v;

namespace {

// clang-format off
constexpr BoxDef kBoxes[] = {
    {"FieldBox", AMBREL_TEXT("Data sizes"), "Calc:", "ByteField"},
};
// clang-format on

// Exact sizes in bytes, under either prefix system and either table set.
// The units under each prefix system need its choice first. Shared words:
// KB names nothing, as the kilobyte is kB (1000 bytes) and the kibibyte KiB
// (1024); mb neither, as the megabit is Mb and the megabyte MB. The bit and
// the byte mean the same under both and are named in the binary table.
constexpr const char* kBinary = "BaseRadioSelection=0";
constexpr const char* kDecimal = "BaseRadioSelection=1";

// The binary factors out of the base are exact powers of two (2^-10 to
// 2^-40), written out so that no reciprocal is computed at run time.
// clang-format off
constexpr UnitRow kBinaryRows[] = {
    {.box = 0, .outlet = "BitField", .unit = "bit", .symbols = "b",
     .into = v.mul(0.125), .out = b.mul(8),
     .exact = AMBREL_SIZE(1_x / 8)},
    {.box = 0, .outlet = "KilobitField", .unit = "kibibit", .symbols = "Kib|Kibit",
     .setting = kBinary,
     .into = v.mul(0.125).mul(1024), .out = b.mul(8).mul(0.0009765625),
     .exact = AMBREL_SIZE(1024_x / 8)},
    {.box = 0, .outlet = "MegabitField", .unit = "mebibit", .symbols = "Mib|Mibit",
     .setting = kBinary,
     .into = v.mul(0.125).mul(1024).mul(1024), .out = b.mul(8).mul(0.0009765625).mul(0.0009765625),
     .exact = AMBREL_SIZE(1024_x * 1024 / 8)},
    {.box = 0, .outlet = "ByteField", .unit = "byte", .symbols = "B", .aliases = "octet", .exact = AMBREL_SIZE(1_x)},
    {.box = 0, .outlet = "KilobyteField", .unit = "kibibyte", .symbols = "KiB", .setting = kBinary,
     .into = v.mul(1024), .out = b.mul(0.0009765625),
     .exact = AMBREL_SIZE(1024_x)},
    {.box = 0, .outlet = "MegabyteField", .unit = "mebibyte", .symbols = "MiB", .setting = kBinary,
     .into = v.mul(1048576), .out = b.mul(0.00000095367431640625),
     .exact = AMBREL_SIZE(1024_x * 1024)},
    {.box = 0, .outlet = "GigaByteField", .unit = "gibibyte", .symbols = "GiB", .setting = kBinary,
     .into = v.mul(1073741824), .out = b.mul(0.000000000931322574615478515625),
     .exact = AMBREL_SIZE(1024_x * 1024 * 1024)},
    {.box = 0, .outlet = "TerabyteField", .unit = "tebibyte", .symbols = "TiB", .setting = kBinary,
     .into = v.mul(1099511627776), .out = b.mul(0.0000000000009094947017729282379150390625),
     .exact = AMBREL_SIZE(1024_x * 1024 * 1024 * 1024)},
};
// clang-format on

// Out of the base the decimal prefixes divide; multiplying by 0.001 and the
// like would give other doubles.
// clang-format off
constexpr UnitRow kDecimalRows[] = {
    {.box = 0, .outlet = "BitField", .unit = "bit",
     .into = v.mul(0.125), .out = b.mul(8),
     .exact = AMBREL_SIZE(1_x / 8)},
    {.box = 0, .outlet = "KilobitField", .unit = "kilobit", .symbols = "kb|kbit",
     .setting = kDecimal,
     .into = v.mul(0.125).mul(1000), .out = b.mul(8).div(1000),
     .exact = AMBREL_SIZE(1000_x / 8)},
    {.box = 0, .outlet = "MegabitField", .unit = "megabit", .symbols = "Mb|Mbit",
     .setting = kDecimal,
     .into = v.mul(0.125).mul(1000).mul(1000), .out = b.mul(8).div(1000).div(1000),
     .exact = AMBREL_SIZE(1000000_x / 8)},
    {.box = 0, .outlet = "ByteField", .unit = "byte", .exact = AMBREL_SIZE(1_x)},
    {.box = 0, .outlet = "KilobyteField", .unit = "kilobyte", .symbols = "kB", .setting = kDecimal,
     .into = v.mul(1000), .out = b.div(1000),
     .exact = AMBREL_SIZE(1000_x)},
    {.box = 0, .outlet = "MegabyteField", .unit = "megabyte", .symbols = "MB", .setting = kDecimal,
     .into = v.mul(1000000), .out = b.div(1000000),
     .exact = AMBREL_SIZE(1000000_x)},
    {.box = 0, .outlet = "GigaByteField", .unit = "gigabyte", .symbols = "GB", .setting = kDecimal,
     .into = v.mul(1000000000), .out = b.div(1000000000),
     .exact = AMBREL_SIZE(1000000000_x)},
    {.box = 0, .outlet = "TerabyteField", .unit = "terabyte", .symbols = "TB", .setting = kDecimal,
     .into = v.mul(1000000000000), .out = b.div(1000000000000),
     .exact = AMBREL_SIZE(1000000000000_x)},
};
// clang-format on
static_assert(wellFormedTable(kBoxes, kBinaryRows));
static_assert(sameShape(kBinaryRows, kDecimalRows));

constexpr int kDataSizeBox = 0;
constexpr int kNumberBaseBox = 1;

// The data size cells in the order the accuracy reaches them.
constexpr const char* kFormatOrder[] = {
    "BitField",      "ByteField",    "GigaByteField", "KilobitField",
    "KilobyteField", "MegabitField", "MegabyteField", "TerabyteField",
};

// The number base box and the prefix choice; the window starts under binary
// prefixes, matching the titles of the table it is built from.
WindowPlan numberBaseParts()
{
    WindowPlan extra;
    extra.boxes.push_back({"FieldBox2", AMBREL_TEXT("Number bases"), "NumConversion:"});
    const char* outlets[] = {"BinaryField", "OctalField", "DecimalField", "HexaField"};
    // The four notations hold one 32-bit pattern; the decimal cell reads it
    // signed, so "ffffffff" is -1 there, which its label says.
    const char* labels[] = {AMBREL_TEXT("binary"), AMBREL_TEXT("octal"), AMBREL_TEXT("decimal (signed 32-bit)"),
                            AMBREL_TEXT("hexadecimal")};
    for (int tag = 0; tag < 4; ++tag)
        extra.fields.push_back({outlets[tag], labels[tag], 0, tag, FieldKind::Text});
    extra.choices.push_back(
        {"BaseRadioSelection",
         AMBREL_TEXT("Prefixes"),
         "BaseAction:",
         {{0, AMBREL_TEXT("binary (1 kibibyte = 1024 bytes)")}, {1, AMBREL_TEXT("decimal (1 kilobyte = 1000 bytes)")}},
         true,
         0});
    return extra;
}

Notation notationOf(int tag)
{
    return static_cast<Notation>(tag);
}

}  // namespace

const ConverterDef kComputingDef = {
    .identity = {.cliName = "computing",
                 .className = "ComputingObject",
                 .openAction = "OpenComputingWindow:",
                 .menuTitle = AMBREL_TEXT("&Computing"),
                 .menuGroup = MenuGroup::Computing,
                 .menuPosition = 10,
                 .broadcastRank = 2},
    .windowOutlet = "ComputingWindow",
    .title = AMBREL_TEXT("Computing"),
    .notebookAction = "ShowNotebook:",
    .notebook = "Computing",
    .boxes = kBoxes,
    .rows = kBinaryRows,
    .altRows = kDecimalRows,
    .openBox = kDataSizeBox,
    .openTag = 4,
};

const std::span<const UnitRow> kDataSizeTables[2] = {kBinaryRows, kDecimalRows};

ComputingObject::ComputingObject(Platform& platform) : ConverterWindow(platform, kComputingDef, numberBaseParts())
{
    addAction("BaseAction:", [this] { BaseAction(); });
    addAction("NumConversion:", [this] { NumConversion(); });
}

void ComputingObject::Calc()
{
    boxAction(kDataSizeBox);
}

int ComputingObject::prefixSystem()
{
    const int tag = choice("BaseRadioSelection")->selectedTag();
    return tag == 0 || tag == 1 ? tag : -1;
}

void ComputingObject::convert(int boxNumber)
{
    const int system = prefixSystem();
    if (system < 0)
        return;
    useTable(kDataSizeTables[system]);
    ConverterWindow::convert(boxNumber);
}

void ComputingObject::convertExact(int boxNumber)
{
    const int system = prefixSystem();
    if (system < 0)
        return;
    useTable(kDataSizeTables[system]);
    ConverterWindow::convertExact(boxNumber);
}

void ComputingObject::BaseAction()
{
    const int system = prefixSystem();
    if (system >= 0) {
        const std::span<const UnitRow> rows = kDataSizeTables[system];
        Box& box = boxAt(kDataSizeBox);
        for (int tag = 0; tag < boxRowCount(kDataSizeBox); ++tag)
            box.cellWithTag(tag)->setTitle(rows[boxFirstRow(kDataSizeBox) + tag].unit);
    }
    Calc();
}

void ComputingObject::accuracyChange(int digits)
{
    for (const char* outlet : kFormatOrder)
        field(outlet)->setFloatingPointFormat(false, 0, digits);
}

bool ComputingObject::readNotation(int tag, std::int32_t& value)
{
    Field& cell = *boxAt(kNumberBaseBox).cellWithTag(tag);
    const std::string text = cell.stringValue();
    const BaseReading reading = readInteger(text, notationOf(tag));
    if (!reading.ok()) {
        setRefusalMessage(localText(describe(reading.error, notationOf(tag))));
        cell.keepRefusedText(text);
        platform().beep();
        return false;
    }
    value = reading.value;
    return true;
}

// The decimal cell is the base: another notation's entry is written there
// first, and the others are then written from a fresh read of it. The edited
// cell keeps what was typed; a refused entry changes nothing else.
void ComputingObject::NumConversion()
{
    Box& box = boxAt(kNumberBaseBox);
    const int edited = box.selectedTag();
    const int decimal = static_cast<int>(Notation::Decimal);
    std::int32_t value = 0;
    const bool intoBase = edited == static_cast<int>(Notation::Binary) || edited == static_cast<int>(Notation::Octal) ||
        edited == static_cast<int>(Notation::Hexadecimal);
    if (intoBase) {
        if (!readNotation(edited, value)) {
            box.selectCellWithTag(edited);
            return;
        }
        box.cellWithTag(decimal)->setStringValue(writeInteger(value, Notation::Decimal));
    }
    for (const Notation notation : {Notation::Binary, Notation::Octal, Notation::Hexadecimal}) {
        const int tag = static_cast<int>(notation);
        if (tag == edited)
            continue;
        if (!readNotation(decimal, value))
            break;
        box.cellWithTag(tag)->setStringValue(writeInteger(value, notation));
    }
    box.selectCellWithTag(edited);
}

}  // namespace ambrel
