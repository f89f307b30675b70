// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculators/file_transfer.h"
#include "framework/translatable.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <numeric>
#include <vector>

namespace ambrel {

namespace {

struct LineSpeed {
    double bytesPerSecond;
    const char* title;     // the same rate in bits per second, k = 1024 and M = 1048576
    double bitsPerSecond;  // the rate as the title reads under exact definitions, k = 1000 and M = 10^6
};

// Rates as the line carries them; 1.544 and 44.736 Mbit/s are held to the
// nearest byte.
constexpr LineSpeed kLineSpeeds[] = {
    {1843.2, "14.4 kbit/s", 14.4e3},
    {3584, "28 kbit/s", 28e3},
    {7168, "56 kbit/s", 56e3},
    {16384, "128 kbit/s", 128e3},
    {202375, "1.544 Mbit/s (T1)", 1.544e6},
    {5863637, "44.736 Mbit/s (T3)", 44.736e6},
    {1310720, "10 Mbit/s", 10e6},
    {13107200, "100 Mbit/s", 100e6},
    {196608, "1.5 Mbit/s", 1.5e6},
    {102400, "800 kbit/s", 800e3},
};
constexpr int kLineSpeedCount = static_cast<int>(std::size(kLineSpeeds));

// Size units; an item's index is its tag, which the presets rely on.
constexpr const char* kSizeUnits[] = {AMBREL_TEXT("bytes"), AMBREL_TEXT("kilobytes"), AMBREL_TEXT("megabytes")};

// A line speed of the person's own, in bits per second, with SI prefixes
// in either table set.
constexpr int kOwnSpeedTag = kLineSpeedCount;
struct SpeedUnit {
    const char* names;  // spellings, '|' between them
    double bitsPerSecond;
};
constexpr SpeedUnit kSpeedUnits[] = {
    {"bit/s|bps|b/s", 1},
    {"kbit/s|kbps|kb/s", 1e3},
    {"Mbit/s|Mbps|Mb/s", 1e6},
    {"Gbit/s|Gbps|Gb/s", 1e9},
    {"B/s|byte/s", 8},
    {"kB/s|KB/s", 8e3},
    {"MB/s", 8e6},
    {"GB/s", 8e9},
};

// Refusals and notes.
constexpr const char* kSpeedNotAbove0 = AMBREL_TEXT("a line speed must be above 0");
constexpr const char* kNoLineSpeed =
    AMBREL_TEXT("'%1' is no line speed here; try bit/s, kbit/s, Mbit/s, Gbit/s or B/s, kB/s, MB/s");
constexpr const char* kOwnSpeedZero = AMBREL_TEXT("your own speed is not above 0, and the time divides by it");
constexpr const char* kFileTooLarge = AMBREL_TEXT("the file is too large for its transfer time to be a number");

enum : int { kFileSizeField, kHourField, kMinutesField, kSecondsField, kOwnSpeedField };
enum : int { kFileSizeBox, kOwnSpeedBox, kTransferTimeBox };

WindowPlan makePlan()
{
    WindowPlan plan;
    plan.outlet = "FileTransCalcWindow";
    plan.title = AMBREL_TEXT("File transfer time");
    plan.boxes = {
        {"FileSize", AMBREL_TEXT("File size"), "Calc:"},
        {"OwnSpeedBox", AMBREL_TEXT("Your own line speed"), "OwnSpeed:"},
        {"TransferTimeBox", AMBREL_TEXT("Transfer time"), ""},
    };
    plan.fields = {
        {"FileSize", AMBREL_TEXT("size"), kFileSizeBox, 0},
        {"TimeHour", AMBREL_TEXT("hours"), kTransferTimeBox, 0, FieldKind::Number, true},
        {"TimeMinutes", AMBREL_TEXT("minutes"), kTransferTimeBox, 1, FieldKind::Number, true},
        {"TimeSeconds", AMBREL_TEXT("seconds"), kTransferTimeBox, 2, FieldKind::Number, true},
        {"OwnSpeed", AMBREL_TEXT("bits per second (25 Mbit/s, 3 MB/s)"), kOwnSpeedBox, 0},
    };

    ChoicePlan units{"BytesSelPopup", AMBREL_TEXT("Size unit"), "Calc:", {}, false, 2};
    for (int tag = 0; tag < static_cast<int>(std::size(kSizeUnits)); ++tag)
        units.items.push_back({tag, kSizeUnits[tag]});
    ChoicePlan speeds{"TransferSpeed", AMBREL_TEXT("Line speed (bits per second)"), "Calc:", {}, true, 0};
    // Slowest first; the tags stay the rates' places in the table.
    std::vector<int> order(kLineSpeedCount);
    std::iota(order.begin(), order.end(), 0);
    std::ranges::sort(order, {}, [](int tag) { return kLineSpeeds[tag].bytesPerSecond; });
    for (int tag : order)
        speeds.items.push_back({tag, kLineSpeeds[tag].title});
    speeds.items.push_back({kOwnSpeedTag, AMBREL_TEXT("your own speed")});
    plan.choices = {std::move(units), std::move(speeds)};

    plan.buttons = {
        {"&1 MB", "FileSize1MB:"},
        {"&5 MB", "FileSize5MB:"},
        {"1&0 MB", "FileSize10MB:"},
        {AMBREL_TEXT("&Calculate"), "Calc:"},
    };
    plan.addNotebookButton("ShowNotebook:");
    return plan;
}

}  // namespace

Sixties countSixties(double amount)
{
    // Counting off stops at once below 60, and for not-a-number.
    if (!(amount >= 60))
        return {0, amount};
    if (std::isinf(amount))
        return {amount, amount};
    // Below 2^55 every subtraction of 60 is exact (60 is a multiple of the
    // amount's spacing), so the counting leaves the exact remainder, which
    // fmod gives exactly, and amount - rest is exactly 60 × count. Larger
    // amounts, which no counting would finish, get the nearest whole count.
    const double rest = std::fmod(amount, 60.0);
    return {std::floor((amount - rest) / 60), rest};
}

const WindowIdentity kFileTransferIdentity = {
    .cliName = "file-transfer",
    .className = "FileTransferCalc",
    .openAction = "OpenFileTransCalcWindow:",
    .menuTitle = AMBREL_TEXT("&File transfer time…"),
    .kind = WindowKind::Calculator,
    .menuPosition = 0,
};

FileTransferCalc::FileTransferCalc(Platform& platform) : WindowController(platform, makePlan())
{
    addAction("Calc:", [this] { Calc(); });
    addAction("OwnSpeed:", [this] { OwnSpeed(); });
    addAction("FileSize1MB:", [this] { FileSize1MB(); });
    addAction("FileSize5MB:", [this] { FileSize5MB(); });
    addAction("FileSize10MB:", [this] { FileSize10MB(); });
    addAction(kFileTransferIdentity.openAction, [this] { OpenFileTransCalcWindow(); });
    addAction("ShowNotebook:", [this] { ShowNotebook(); });
}

double FileTransferCalc::lineSpeed(int tag, bool exact)
{
    const LineSpeed& speed = kLineSpeeds[tag >= 1 && tag < kLineSpeedCount ? tag : 0];
    return exact ? speed.bitsPerSecond / 8 : speed.bytesPerSecond;
}

void FileTransferCalc::setExactDefinitions(bool on)
{
    if (on == exactDefinitions())
        return;
    WindowController::setExactDefinitions(on);
    if (calculated_)
        Calc();
}

void FileTransferCalc::Calc()
{
    const int unit = BytesSelPopup().selectedTag();
    const double size = fieldAt(kFileSizeField).doubleValue();
    double bytes = size;
    if (unit == 1)
        bytes = size * 1024;
    else if (unit == 2)
        bytes = (size * 1024) * 1024;
    const int speed = choice("TransferSpeed")->selectedTag();
    const double rate =
        speed == kOwnSpeedTag ? fieldAt(kOwnSpeedField).doubleValue() / 8 : lineSpeed(speed, exactDefinitions());
    calculated_ = true;

    const double seconds = bytes / rate;
    const double minutes = seconds / 60;
    const Sixties hours = countSixties(minutes);
    const Sixties minutesLeft = countSixties(hours.rest * 60);

    fieldAt(kHourField).setDoubleValue(hours.count);
    fieldAt(kMinutesField).setDoubleValue(minutesLeft.count);
    fieldAt(kSecondsField).setDoubleValue(minutesLeft.rest);
}

void FileTransferCalc::preset(double size, int unitIndex)
{
    fieldAt(kFileSizeField).setDoubleValue(size);
    InXBytes().selectItemAtIndex(unitIndex);
    // The time shown is always the one for the size shown.
    Calc();
}

void FileTransferCalc::OwnSpeed()
{
    // An empty cell (0) is no speed to switch to.
    if (fieldAt(kOwnSpeedField).doubleValue() > 0)
        choice("TransferSpeed")->selectItemWithTag(kOwnSpeedTag);
    Calc();
}

std::optional<ExactValue> FileTransferCalc::amountIn(int fieldIndex, std::string_view unit, const ExactValue& amount)
{
    if (fieldIndex != kOwnSpeedField)
        return std::nullopt;
    for (const SpeedUnit& u : kSpeedUnits)
        for (std::string_view names = u.names; !names.empty();) {
            const std::size_t bar = std::min(names.find('|'), names.size());
            if (names.substr(0, bar) == unit)
                return amount * ExactValue::ofDouble(u.bitsPerSecond);
            names.remove_prefix(std::min(bar + 1, names.size()));
        }
    return std::nullopt;
}

std::string FileTransferCalc::entryRefusal(int fieldIndex, const ExactValue& value)
{
    if (fieldIndex == kOwnSpeedField && (value.isZero() || value.isNegative()))
        return localText(kSpeedNotAbove0);
    return {};
}

std::string FileTransferCalc::unitRefusal(std::string_view unit)
{
    return fillText(localText(kNoLineSpeed), {unit});
}

std::string FileTransferCalc::resultNote()
{
    if (choice("TransferSpeed")->selectedTag() == kOwnSpeedTag && !(fieldAt(kOwnSpeedField).doubleValue() > 0))
        return kOwnSpeedZero;
    return kFileTooLarge;
}

void FileTransferCalc::OpenFileTransCalcWindow()
{
    // Whole hours and minutes; the seconds to the hundredth.
    fieldAt(kHourField).setFloatingPointFormat(false, 0, 0);
    fieldAt(kMinutesField).setFloatingPointFormat(false, 0, 0);
    fieldAt(kSecondsField).setFloatingPointFormat(false, 0, 2);
    openWindow(kFileSizeBox, 0);
}

}  // namespace ambrel
