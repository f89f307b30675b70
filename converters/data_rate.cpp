// SPDX-License-Identifier: GPL-3.0-or-later
#include "converters/data_rate.h"

#include "converters/sources.h"
#include "framework/translatable.h"

namespace ambrel {

namespace {

// clang-format off
constexpr BoxDef kBoxes[] = {
    {"BitBox", AMBREL_TEXT("Bits per second"), "BitCalc:", "BitPerSecondField"},
    {"ByteBox", AMBREL_TEXT("Bytes per second"), "ByteCalc:", "BitPerSecondField"},
    {"BinaryBox", AMBREL_TEXT("Binary prefixes"), "BinaryCalc:", "BitPerSecondField"},
};
// clang-format on

// Exact sizes in bits per second: a byte of eight bits, decimal prefixes
// of 1000 and binary ones of 1024.

// Shared words: b is a bit and B a byte, as in the computing window; a
// symbol typed in another case is read only when it can mean one unit.

// clang-format off
constexpr UnitRow kRows[] = {
    {.box = 0, .outlet = "BitPerSecondField", .unit = "bit per second", .symbols = "bit/s|b/s|bps",
     .exact = AMBREL_SIZE(1_x), .source = kIec80000},
    {.box = 0, .outlet = "KilobitPerSecondField", .unit = "kilobit per second", .symbols = "kbit/s|kb/s|kbps|Kbps",
     .exact = AMBREL_SIZE(1000_x), .source = kIec80000},
    {.box = 0, .outlet = "MegabitPerSecondField", .unit = "megabit per second", .symbols = "Mbit/s|Mb/s|Mbps",
     .exact = AMBREL_SIZE(1000000_x), .source = kIec80000},
    {.box = 0, .outlet = "GigabitPerSecondField", .unit = "gigabit per second", .symbols = "Gbit/s|Gb/s|Gbps",
     .exact = AMBREL_SIZE(1000000000_x), .source = kIec80000},
    {.box = 0, .outlet = "TerabitPerSecondField", .unit = "terabit per second", .symbols = "Tbit/s|Tb/s|Tbps",
     .exact = AMBREL_SIZE(1000000000000_x), .source = kIec80000},
    {.box = 1, .outlet = "BytePerSecondField", .unit = "byte per second", .symbols = "B/s|Bps",
     .exact = AMBREL_SIZE(8_x), .source = kIec80000},
    {.box = 1, .outlet = "KilobytePerSecondField", .unit = "kilobyte per second", .symbols = "kB/s|KB/s|kBps|KBps",
     .exact = AMBREL_SIZE(8_x * 1000), .source = kIec80000},
    {.box = 1, .outlet = "MegabytePerSecondField", .unit = "megabyte per second", .symbols = "MB/s|MBps",
     .exact = AMBREL_SIZE(8_x * 1000000), .source = kIec80000},
    {.box = 1, .outlet = "GigabytePerSecondField", .unit = "gigabyte per second", .symbols = "GB/s|GBps",
     .exact = AMBREL_SIZE(8_x * 1000000000), .source = kIec80000},
    {.box = 1, .outlet = "TerabytePerSecondField", .unit = "terabyte per second", .symbols = "TB/s|TBps",
     .exact = AMBREL_SIZE(8_x * 1000000000000), .source = kIec80000},
    {.box = 2, .outlet = "KibibitPerSecondField", .unit = "kibibit per second", .symbols = "Kibit/s|Kib/s",
     .exact = AMBREL_SIZE(1024_x), .source = kIec80000},
    {.box = 2, .outlet = "MebibitPerSecondField", .unit = "mebibit per second", .symbols = "Mibit/s|Mib/s",
     .exact = AMBREL_SIZE(1024_x * 1024), .source = kIec80000},
    {.box = 2, .outlet = "GibibitPerSecondField", .unit = "gibibit per second", .symbols = "Gibit/s|Gib/s",
     .exact = AMBREL_SIZE(1024_x * 1024 * 1024), .source = kIec80000},
    {.box = 2, .outlet = "KibibytePerSecondField", .unit = "kibibyte per second", .symbols = "KiB/s",
     .exact = AMBREL_SIZE(8_x * 1024), .source = kIec80000},
    {.box = 2, .outlet = "MebibytePerSecondField", .unit = "mebibyte per second", .symbols = "MiB/s",
     .exact = AMBREL_SIZE(8_x * 1024 * 1024), .source = kIec80000},
    {.box = 2, .outlet = "GibibytePerSecondField", .unit = "gibibyte per second", .symbols = "GiB/s",
     .exact = AMBREL_SIZE(8_x * 1024 * 1024 * 1024), .source = kIec80000},
};
// clang-format on
static_assert(wellFormedTable(kBoxes, kRows));
static_assert(!hasClassicFactors(kRows));

}  // namespace

const ConverterDef kDataRateDef = {
    .identity = {.cliName = "data-rate",
                 .className = "DataRateObject",
                 .openAction = "OpenDataRateWindow:",
                 .menuTitle = AMBREL_TEXT("&Data rate"),
                 .menuGroup = MenuGroup::Computing,
                 .menuPosition = 17,
                 .broadcastRank = 17},
    .windowOutlet = "DataRateWindow",
    .title = AMBREL_TEXT("Data rate"),
    .notebookAction = "ShowNotebook:",
    .notebook = "DataRate",
    .boxes = kBoxes,
    .rows = kRows,
    .openBox = 0,
    .openTag = 2,
};

}  // namespace ambrel
