// SPDX-License-Identifier: GPL-3.0-or-later
// Every window under a long run of random use: numbers of every magnitude,
// odd texts, every action it has, any choice tag, any box selection, any
// box number for Calc and any accuracy. Nothing may crash, a refused entry
// must leave every other cell alone, and every number cell must still show
// in a bounded number of characters.
#include "app/window_registry.h"
#include "framework/converter_window.h"
#include "framework/entry.h"
#include "framework/number_text.h"
#include "headless/headless_platform.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <vector>

using namespace ambrel;

namespace {

constexpr int kStepsPerWindow = 1500;
constexpr std::size_t kLongestTyped = 3000;

// clang-format off
const char* const kOddTexts[] = {
    "", " ", "nan", "-inf", "1e309", "1e-400", "12abc", "0x1A", "1.2.3", "--1", "\u0661\u0662", "1,5", "\xff\xfe",
    "\u22122.5", "FF", "777", "1010", "-2147483649", "4294967296", "0b101", "0o17", "1e9223372036854775807",
};
// clang-format on

void useAtRandom(const WindowEntry& entry, std::uint64_t seed)
{
    HeadlessPlatform platform;
    const auto window = entry.make(platform);
    const auto& fields = window->plan().fields;
    const auto& choices = window->plan().choices;
    auto& boxes = window->parts().boxes;
    auto* converter = dynamic_cast<ConverterWindow*>(window.get());
    std::mt19937_64 rng(seed);
    const auto pick = [&rng](std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(rng); };
    const auto anyInt = [&] {
        const int edges[] = {INT_MIN, INT_MAX, std::uniform_int_distribution<int>(-3, 12)(rng)};
        return pick(4) < 3 ? edges[pick(3)] : std::uniform_int_distribution<int>(INT_MIN, INT_MAX)(rng);
    };
    const auto anyAccuracy = [&] { return pick(2) ? static_cast<int>(pick(101)) : anyInt(); };
    // Odd texts, random bytes, very long ones, and exact numbers of every
    // magnitude from the smallest subnormal to the largest double.
    const auto anyText = [&]() -> std::string {
        switch (pick(6)) {
        case 0: return kOddTexts[pick(std::size(kOddTexts))];
        case 1: {
            std::string bytes(pick(40), '\0');
            for (char& c : bytes)
                c = static_cast<char>(pick(256));
            return bytes;
        }
        case 2: return std::string(1 + pick(kLongestTyped), "19f."[pick(4)]);
        case 3: return formatExact(std::numeric_limits<double>::denorm_min() * (pick(2) ? 1 : -1));
        case 4: return formatExact(pick(2) ? -std::numeric_limits<double>::max() : anyInt());
        default: {
            const double magnitude = std::pow(10.0, std::uniform_real_distribution<double>(-323, 308)(rng));
            return (pick(4) == 0 ? "  " : "") + formatExact(pick(2) ? magnitude : -magnitude);
        }
        }
    };

    if (converter && entry.takesAccuracy())
        converter->accuracyChange(anyAccuracy());
    window->perform(entry.openAction);
    const std::vector<std::string> selectors = window->selectors();
    int refusals = 0;
    for (int step = 0; step < kStepsPerWindow; ++step) {
        const std::size_t what = pick(8);
        if (what < 3) {
            const int index = static_cast<int>(pick(fields.size()));
            std::vector<std::string> before;
            for (Field* f : window->parts().fields)
                before.push_back(f->stringValue());
            const int beeps = platform.beeps();
            if (!typeAndConfirm(platform, *window, index, anyText()).accepted) {
                ++refusals;
                EXPECT_LE(platform.beeps() - beeps, 1);
                for (std::size_t i = 0; i < before.size(); ++i) {
                    if (static_cast<int>(i) != index) {
                        ASSERT_EQ(window->parts().fields[i]->stringValue(), before[i])
                            << "a refused entry in " << fields[index].outlet << " changed " << fields[i].outlet;
                    }
                }
            }
        } else if (what == 3) {
            window->perform(selectors[pick(selectors.size())]);
        } else if (what == 4 && !choices.empty()) {
            const std::size_t c = pick(choices.size());
            const auto& items = choices[c].items;
            window->parts().choices[c]->selectItemWithTag(!items.empty() && pick(3) ? items[pick(items.size())].tag
                                                                                    : anyInt());
            if (!choices[c].action.empty())
                window->perform(choices[c].action);
        } else if (what == 5 && !boxes.empty()) {
            // A click that leaves any cell, or none, selected in a box.
            Box& box = *boxes[pick(boxes.size())];
            box.selectCellWithTag(pick(2) ? static_cast<int>(pick(box.cellCount() + 1u)) - 1 : anyInt());
        } else if (what == 6 && converter) {
            converter->calc(pick(2) ? static_cast<int>(pick(converter->boxCount())) : anyInt());
        } else if (what == 7 && converter) {
            converter->accuracyChange(anyAccuracy());
        }
        // The record of what happened grows with every step; nothing here reads it.
        platform.events().clear();
        if (step % 10 != 0 && step != kStepsPerWindow - 1)
            continue;
        for (std::size_t i = 0; i < fields.size(); ++i) {
            auto& cell = static_cast<HeadlessField&>(*window->parts().fields[i]);
            const bool text = fields[i].kind == FieldKind::Text || cell.holdsRefusedText();
            ASSERT_LE(cell.shown().size(), text ? kLongestTyped : kLongestShownText) << fields[i].outlet << " " << step;
            for (const int digits : {INT_MIN, 0, kMaxShownDecimals, INT_MAX}) {
                if (!text) {
                    ASSERT_LE(formatShown(cell.doubleValue(), digits).size(), kLongestShownText) << fields[i].outlet;
                }
            }
        }
    }
    // The run typed enough nonsense to be refused many times.
    EXPECT_GT(refusals, kStepsPerWindow / 20);
}

TEST(Soak, EveryWindowSurvivesLongRandomUse)
{
    std::uint64_t seed = 20240611;
    for (const WindowEntry& entry : windowRegistry()) {
        SCOPED_TRACE(entry.cliName);
        useAtRandom(entry, seed++);
        if (::testing::Test::HasFatalFailure())
            return;
    }
}

}  // namespace
