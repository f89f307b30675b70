// The file transfer window: line speeds, size units, presets and the split
// of the time into hours, minutes and seconds.
#include "calculators/file_transfer.h"
#include "support.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <vector>

using namespace ambrel;
using ambrel::testing::Rig;

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// The split as a person would do it: take 60 away while 60 or more is left.
Sixties countByHand(double amount)
{
    double count = 0;
    while (amount >= 60) {
        amount -= 60;
        count += 1;
    }
    return {count, amount};
}

// The whole calculation done the long way, for comparison.
struct Duration {
    double hours, minutes, seconds;
};

Duration durationByHand(double size, int unit, int speedTag)
{
    double bytes = size;
    if (unit == 1)
        bytes = size * 1024;
    else if (unit == 2)
        bytes = (size * 1024) * 1024;
    const double t = bytes / FileTransferCalc::lineSpeed(speedTag);
    const Sixties h = countByHand(t / 60);
    const Sixties n = countByHand(h.rest * 60);
    return {h.count, n.count, n.rest};
}

bool sameBits(double a, double b)
{
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

struct TransferRig : Rig<FileTransferCalc> {
    void choose(const char* outlet, int tag) { window.choice(outlet)->selectItemWithTag(tag); }
    Duration result()
    {
        return {value("TimeHour"), value("TimeMinutes"), value("TimeSeconds")};
    }
    Duration run(double size, int unit, int speedTag)
    {
        set("FileSize", size);
        choose("BytesSelPopup", unit);
        choose("TransferSpeed", speedTag);
        window.Calc();
        return result();
    }
};

}  // namespace

TEST(FileTransferSpeeds, EachTagHasItsRateAndUnknownTagsTheSlowest)
{
    const double rates[] = {1843.2, 3584, 7168, 16384, 202375, 5863637, 1310720, 13107200, 196608, 102400};
    for (int tag = 0; tag < 10; ++tag)
        EXPECT_EQ(FileTransferCalc::lineSpeed(tag), rates[tag]) << "tag " << tag;
    for (int tag : {10, 11, 99, -1, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()})
        EXPECT_EQ(FileTransferCalc::lineSpeed(tag), 1843.2) << "tag " << tag;
}

// The items are titled in bits per second (k = 1024, M = 1048576); each
// title must name the rate its tag computes with.
TEST(FileTransferSpeeds, TitlesNameTheRateInBitsPerSecond)
{
    Rig<FileTransferCalc> rig;
    const ChoicePlan* speeds = nullptr;
    for (const ChoicePlan& c : rig.window.plan().choices)
        if (c.outlet == "TransferSpeed")
            speeds = &c;
    ASSERT_NE(speeds, nullptr);
    ASSERT_EQ(speeds->items.size(), 10u);
    for (std::size_t i = 0; i < speeds->items.size(); ++i) {
        const ChoiceItem& item = speeds->items[i];
        EXPECT_EQ(item.tag, static_cast<int>(i));
        std::size_t used = 0;
        const double figure = std::stod(item.title, &used);
        const std::string unit = item.title.substr(used + 1, 6);
        ASSERT_TRUE(unit == "kbit/s" || unit == "Mbit/s") << item.title;
        const double bits = FileTransferCalc::lineSpeed(item.tag) * 8 / (unit == "kbit/s" ? 1024 : 1048576);
        EXPECT_NEAR(bits, figure, figure * 1e-5) << item.title;
    }
}

struct Example {
    const char* preset;  // or nullptr: the size and unit below are typed
    double size;
    int unit;
    int speed;
    Duration expected;
};

class FileTransferExamples : public ::testing::TestWithParam<Example> {};

TEST_P(FileTransferExamples, GiveTheExactTime)
{
    const Example& e = GetParam();
    TransferRig w;
    if (e.preset) {
        ASSERT_TRUE(w.window.perform(e.preset));
    } else {
        w.choose("BytesSelPopup", e.unit);
        ASSERT_TRUE(w.type("FileSize", std::to_string(e.size)));
    }
    w.choose("TransferSpeed", e.speed);
    ASSERT_TRUE(w.window.perform("Calc:"));
    const Duration d = w.result();
    EXPECT_EQ(d.hours, e.expected.hours);
    EXPECT_EQ(d.minutes, e.expected.minutes);
    EXPECT_EQ(d.seconds, e.expected.seconds);
}

INSTANTIATE_TEST_SUITE_P(
    Table, FileTransferExamples,
    ::testing::Values(Example{"FileSize1MB:", 0, 0, 0, {0, 9, 28.888888888888914}},
                      Example{nullptr, 1, 2, 0, {0, 9, 28.888888888888914}},
                      Example{nullptr, 1024, 1, 0, {0, 9, 28.888888888888914}},
                      Example{"FileSize5MB:", 0, 0, 2, {0, 12, 11.428571428571445}},
                      Example{"FileSize10MB:", 0, 0, 0, {1, 34, 48.88888888888869}},
                      Example{"FileSize10MB:", 0, 0, 4, {0, 0, 51.813514515132795}},
                      Example{nullptr, 4, 2, 3, {0, 4, 16}},
                      Example{nullptr, 1, 2, 9, {0, 0, 10.24}},
                      // Exactly sixty minutes is an hour.
                      Example{nullptr, 6635520, 0, 0, {1, 0, 0}},
                      Example{nullptr, 700, 2, 1, {56, 53, 20.000000000009095}},
                      // A tag past the table calculates at the slowest line.
                      Example{"FileSize10MB:", 0, 0, 10, {1, 34, 48.88888888888869}},
                      Example{nullptr, 0, 2, 5, {0, 0, 0}}));

TEST(FileTransferUnits, PopUpItemsAreIndexedByTheirTagsSoPresetsGiveTheirSize)
{
    TransferRig w;
    const ChoicePlan* units = nullptr;
    for (const ChoicePlan& c : w.window.plan().choices)
        if (c.outlet == "BytesSelPopup")
            units = &c;
    ASSERT_NE(units, nullptr);
    ASSERT_EQ(units->items.size(), 3u);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(units->items[i].tag, i);

    struct Preset {
        const char* action;
        double size;
        int unit;
    };
    for (const Preset& p : {Preset{"FileSize5MB:", 5, 2}, Preset{"FileSize1MB:", 1048576, 0},
                            Preset{"FileSize10MB:", 10, 2}}) {
        w.set("TimeHour", 7);
        w.clear();
        ASSERT_TRUE(w.window.perform(p.action));
        EXPECT_EQ(w.value("FileSize"), p.size) << p.action;
        EXPECT_EQ(w.window.choice("BytesSelPopup")->selectedTag(), p.unit) << p.action;
        // A preset fills in the size and does not calculate.
        EXPECT_EQ(w.writes(), std::vector<std::string>{"FileSize"}) << p.action;
        EXPECT_EQ(w.value("TimeHour"), 7) << p.action;
    }
}

// Counting off sixties without the loop must give the loop's very bits,
// including amounts a hair either side of each multiple of 60.
TEST(CountSixties, MatchesCountingOneAtATime)
{
    std::vector<double> amounts = {0.0, -0.0, 1e-320, 59.0, 60.0, 120.0, 3600.0, -60.0, -1e300,
                                   -kInf, kNaN, 0.1 * 600, 59.99999999999999};
    for (int k = 0; k <= 2000; ++k) {
        const double m = 60.0 * k;
        amounts.push_back(m);
        amounts.push_back(std::nextafter(m, 0.0));
        amounts.push_back(std::nextafter(m, kInf));
        amounts.push_back(m + 0.5);
    }
    std::mt19937_64 gen(20240611);
    std::uniform_real_distribution<double> small(0, 600);
    std::uniform_real_distribution<double> wide(-1000, 200000);
    for (int i = 0; i < 2000; ++i) {
        amounts.push_back(small(gen));
        amounts.push_back(wide(gen));
        // Totals as the window makes them: a size over a rate, over 60.
        amounts.push_back(small(gen) * 1024 * 1024 / FileTransferCalc::lineSpeed(i % 10) / 60);
    }
    for (double m : amounts) {
        const Sixties fast = countSixties(m);
        const Sixties slow = countByHand(m);
        EXPECT_TRUE(sameBits(fast.count, slow.count)) << m << ": " << fast.count << " vs " << slow.count;
        EXPECT_TRUE(sameBits(fast.rest, slow.rest)) << m << ": " << fast.rest << " vs " << slow.rest;
    }
}

// Too large to count by hand, but still exact: whole amounts below 2^55,
// checked against integer division.
TEST(CountSixties, LargeWholeAmountsSplitExactly)
{
    const std::uint64_t starts[] = {1ULL << 40, (1ULL << 53) - 60, 1ULL << 53, (1ULL << 55) - 4096};
    for (std::uint64_t start : starts) {
        for (std::uint64_t step = 0; step < 240; step += 4) {
            const std::uint64_t whole = start + step;
            const double m = static_cast<double>(whole);
            ASSERT_EQ(static_cast<std::uint64_t>(m), whole);
            const Sixties s = countSixties(m);
            EXPECT_EQ(s.count, static_cast<double>(whole / 60)) << whole;
            EXPECT_EQ(s.rest, static_cast<double>(whole % 60)) << whole;
        }
    }
}

TEST(FileTransferCalc, AgreesWithTheLongWayForEverySpeedAndUnit)
{
    TransferRig w;
    const double sizes[] = {0, 1, 3.5, 512, 1000, 1843.2, 65535, 110592, 6635520, 1e6, 123456789};
    for (int speed = 0; speed < 11; ++speed)
        for (int unit = 0; unit < 3; ++unit)
            for (double size : sizes) {
                if (unit == 2 && size > 1e6)
                    continue;  // days of hours: too long to count by hand
                const Duration fast = w.run(size, unit, speed);
                const Duration slow = durationByHand(size, unit, speed);
                const std::string where =
                    std::to_string(size) + " unit " + std::to_string(unit) + " speed " + std::to_string(speed);
                EXPECT_TRUE(sameBits(fast.hours, slow.hours)) << where;
                EXPECT_TRUE(sameBits(fast.minutes, slow.minutes)) << where;
                EXPECT_TRUE(sameBits(fast.seconds, slow.seconds)) << where;
            }
}

TEST(FileTransferCalc, WritesHoursMinutesSecondsInThatOrder)
{
    TransferRig w;
    w.run(10, 2, 0);
    w.clear();
    w.window.Calc();
    EXPECT_EQ(w.writes(), (std::vector<std::string>{"TimeHour", "TimeMinutes", "TimeSeconds"}));
}

TEST(FileTransferCalc, EndlessAndMeaninglessSizesAnswerAtOnce)
{
    TransferRig w;
    // Overflows to an infinite number of bytes: forever, in every field.
    Duration d = w.run(1e308, 2, 0);
    EXPECT_EQ(d.hours, kInf);
    EXPECT_EQ(d.minutes, kInf);
    EXPECT_EQ(d.seconds, kInf);
    EXPECT_EQ(w.cell("TimeHour").shown(), "inf");

    d = w.run(-1e308, 2, 0);
    EXPECT_EQ(d.hours, 0);
    EXPECT_EQ(d.minutes, 0);
    EXPECT_EQ(d.seconds, -kInf);

    d = w.run(kNaN, 0, 0);
    EXPECT_EQ(d.hours, 0);
    EXPECT_EQ(d.minutes, 0);
    EXPECT_TRUE(std::isnan(d.seconds));

    // Finite but far beyond any counting: whole hours, the rest in range.
    d = w.run(1e300, 2, 0);
    EXPECT_TRUE(std::isfinite(d.hours));
    EXPECT_EQ(d.hours, std::floor(d.hours));
    EXPECT_GE(d.minutes, 0);
    EXPECT_LT(d.minutes, 60);
    EXPECT_GE(d.seconds, 0);
    EXPECT_LT(d.seconds, 60);
}

TEST(FileTransferCalc, OpeningShowsTheWindowWithTheSizeSelectedAndComputesNothing)
{
    TransferRig w;
    w.run(10, 2, 0);
    w.clear();
    ASSERT_TRUE(w.window.perform("OpenFileTransCalcWindow:"));
    EXPECT_TRUE(w.platform.window("FileTransCalcWindow")->isVisible());
    EXPECT_EQ(w.platform.box("FileSize")->selectedTag(), 0);
    EXPECT_TRUE(w.writes().empty());
    EXPECT_EQ(w.value("TimeMinutes"), 34);
    EXPECT_EQ(w.cell("TimeMinutes").shown(), "34");
}
