// SPDX-License-Identifier: GPL-3.0-or-later
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
    for (; amount >= 60; count += 1)
        amount -= 60;
    return {count, amount};
}

bool sameBits(double a, double b)
{
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

struct TransferRig : Rig<FileTransferCalc> {
    void choose(const char* outlet, int tag) { window.choice(outlet)->selectItemWithTag(tag); }
    std::vector<double> time() { return {value("TimeHour"), value("TimeMinutes"), value("TimeSeconds")}; }
    std::vector<double> run(double size, int unit, int speedTag)
    {
        set("FileSize", size);
        choose("BytesSelPopup", unit);
        choose("TransferSpeed", speedTag);
        window.Calc();
        return time();
    }
};

}  // namespace

// The items are titled in bits per second (k = 1024, M = 1048576); each
// title must name the rate its tag computes with.
TEST(FileTransferSpeeds, EachTagHasItsRateNamedByItsTitleAndUnknownTagsTheSlowest)
{
    const double rates[] = {1843.2, 3584, 7168, 16384, 202375, 5863637, 1310720, 13107200, 196608, 102400};
    for (int tag = 0; tag < 10; ++tag)
        EXPECT_EQ(FileTransferCalc::lineSpeed(tag), rates[tag]) << "tag " << tag;
    for (int tag : {10, -1, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()})
        EXPECT_EQ(FileTransferCalc::lineSpeed(tag), 1843.2) << "tag " << tag;

    Rig<FileTransferCalc> rig;
    for (const ChoicePlan& c : rig.window.plan().choices) {
        if (c.outlet != "TransferSpeed")
            continue;
        ASSERT_EQ(c.items.size(), 11u);
        double slower = 0;
        for (const ChoiceItem& item : c.items) {
            if (item.tag == 10)
                continue;  // your own speed
            EXPECT_GT(FileTransferCalc::lineSpeed(item.tag), slower) << item.title << " is out of order";
            slower = FileTransferCalc::lineSpeed(item.tag);
            std::size_t used = 0;
            const double figure = std::stod(item.title, &used);
            const std::string unit = item.title.substr(used + 1, 6);
            ASSERT_TRUE(unit == "kbit/s" || unit == "Mbit/s") << item.title;
            const double bits = FileTransferCalc::lineSpeed(item.tag) * 8 / (unit == "kbit/s" ? 1024 : 1048576);
            EXPECT_NEAR(bits, figure, figure * 1e-5) << item.title;
        }
    }
}

TEST(FileTransferExamples, GiveTheExactTime)
{
    struct Example {
        const char* preset;  // or nullptr: the size and unit are set
        double size;
        int unit, speed;
        double hours, minutes, seconds;
    };
    // clang-format off
    const Example examples[] = {
        {"FileSize1MB:", 0, 0, 0, 0, 9, 28.888888888888914}, {"FileSize10MB:", 0, 0, 0, 1, 34, 48.88888888888869},
        {nullptr, 1024, 1, 0, 0, 9, 28.888888888888914}, {nullptr, 700, 2, 1, 56, 53, 20.000000000009095},
        {nullptr, 6635520, 0, 0, 1, 0, 0},  // exactly sixty minutes is an hour
    };
    // clang-format on
    for (const Example& e : examples) {
        TransferRig w;
        if (e.preset) {
            // A preset fills in the size and its unit, and calculates at once.
            ASSERT_TRUE(w.window.perform(e.preset));
            EXPECT_EQ(w.writes(), (std::vector<std::string>{"FileSize", "TimeHour", "TimeMinutes", "TimeSeconds"}))
                << e.preset;
            EXPECT_EQ(w.time(), (std::vector{e.hours, e.minutes, e.seconds})) << e.preset;
        } else {
            w.choose("BytesSelPopup", e.unit);
            w.set("FileSize", e.size);
        }
        w.choose("TransferSpeed", e.speed);
        w.clear();
        ASSERT_TRUE(w.window.perform("Calc:"));
        EXPECT_EQ(w.writes(), (std::vector<std::string>{"TimeHour", "TimeMinutes", "TimeSeconds"}));
        EXPECT_EQ(w.time(), (std::vector{e.hours, e.minutes, e.seconds})) << e.size;
    }
}

// Counting off sixties without the loop must give the loop's very bits,
// including amounts a hair either side of each multiple of 60, and whole
// amounts too large to count by hand must still split exactly.
TEST(CountSixties, MatchesCountingOneAtATime)
{
    std::vector<double> amounts = {0.0, -0.0, 1e-320, -60.0, -1e300, -kInf, kNaN, 0.1 * 600, 59.99999999999999};
    for (int k = 0; k <= 300; ++k) {
        const double m = 60.0 * k;
        amounts.insert(amounts.end(), {m, std::nextafter(m, 0.0), std::nextafter(m, kInf), m + 0.5});
    }
    std::mt19937_64 gen(20240611);
    std::uniform_real_distribution<double> wide(-1000, 20000);
    for (int i = 0; i < 500; ++i)
        amounts.push_back(wide(gen));
    for (double m : amounts) {
        const Sixties fast = countSixties(m), slow = countByHand(m);
        EXPECT_TRUE(sameBits(fast.count, slow.count) && sameBits(fast.rest, slow.rest))
            << m << ": " << fast.count << "," << fast.rest << " vs " << slow.count << "," << slow.rest;
    }
    for (std::uint64_t start : {1ULL << 40, (1ULL << 53) - 60, (1ULL << 55) - 4096}) {
        for (std::uint64_t whole = start; whole < start + 240; whole += 4) {
            const Sixties s = countSixties(static_cast<double>(whole));
            EXPECT_EQ(s.count, static_cast<double>(whole / 60)) << whole;
            EXPECT_EQ(s.rest, static_cast<double>(whole % 60)) << whole;
        }
    }
}

TEST(FileTransferCalc, EndlessAndMeaninglessSizesAnswerAtOnce)
{
    TransferRig w;
    EXPECT_EQ(w.run(1e308, 2, 0), std::vector(3, kInf));  // overflows to infinitely many bytes
    std::vector<double> d = w.run(kNaN, 0, 0);
    EXPECT_EQ(d[1], 0);
    EXPECT_TRUE(std::isnan(d[2]));
    // Finite but far beyond any counting: whole hours, the rest in range.
    d = w.run(1e300, 2, 0);
    EXPECT_EQ(d[0], std::floor(d[0]));
    EXPECT_TRUE(d[1] >= 0 && d[1] < 60 && d[2] >= 0 && d[2] < 60);
}

namespace {

// Your own speed takes a unit, selects itself and calculates; a speed of 0
// or below, or a unit that is no speed, is refused.
TEST(FileTransferOwnSpeed, TakesBitsOrBytesPerSecondWithPrefixes)
{
    struct Case {
        const char* typed;
        double seconds;  // for 10 MB (10485760 bytes); negative: refused
    };
    const Case cases[] = {
        {"8388608", 10},      {"8388608 bit/s", 10},  {"1048576 B/s", 10}, {"83.88608 Mbit/s", 1},
        {"10.48576 MB/s", 1}, {"0.01048576 GB/s", 1}, {"0", -1},           {"-5 Mbit/s", -1},
        {"5 furlongs", -1},
    };
    for (const Case& c : cases) {
        TransferRig w;
        ASSERT_TRUE(w.window.perform("FileSize10MB:"));
        const bool accepted = w.type("OwnSpeed", c.typed);
        EXPECT_EQ(accepted, c.seconds >= 0) << c.typed;
        if (!accepted) {
            EXPECT_EQ(w.window.choice("TransferSpeed")->selectedTag(), 0) << c.typed;
            continue;
        }
        EXPECT_EQ(w.window.choice("TransferSpeed")->selectedTag(), 10) << c.typed;
        EXPECT_EQ(w.time(), (std::vector<double>{0, 0, c.seconds})) << c.typed;
    }
}

}  // namespace
