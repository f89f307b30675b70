// SPDX-License-Identifier: GPL-3.0-or-later
// Every window under a long run of random use, reaching states no script
// does: any choice tag, any box selection, any box number for Calc, any
// accuracy, numbers of every magnitude and odd texts. Nothing may crash, an
// entry refused in whatever state was reached leaves every other cell alone,
// and every cell still shows in a bounded number of characters.
#include "app/window_registry.h"
#include "framework/converter_window.h"
#include "framework/entry.h"
#include "framework/number_text.h"
#include "headless/headless_platform.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <random>
#include <string>
#include <vector>

using namespace ambrel;

namespace {

constexpr std::size_t kLongestTyped = 3000;
const char* const kOddTexts[] = {"", "nan", "1e309", "1e-400", "12abc", "0x1A", "1,5", "\xff\xfe", "FF", "1010"};

TEST(Soak, RefusalsLeaveEveryOtherCellAloneInAnyStateRandomUseReaches)
{
    std::mt19937_64 rng(20240611);
    const auto pick = [&rng](std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(rng); };
    const auto anyInt = [&] { return pick(2) ? static_cast<int>(pick(14)) - 2 : pick(2) ? INT_MIN : INT_MAX; };
    const auto anyText = [&]() -> std::string {
        switch (pick(4)) {
        case 0: return kOddTexts[pick(std::size(kOddTexts))];
        case 1: return std::string(1 + pick(kLongestTyped), "19f."[pick(4)]);
        case 2: return std::string(pick(40), static_cast<char>(pick(256)));
        default: return formatExact((pick(2) ? 1 : -1) * std::pow(10.0, static_cast<int>(pick(632)) - 323));
        }
    };
    for (const WindowEntry& entry : windowRegistry()) {
        SCOPED_TRACE(entry.cliName);
        HeadlessPlatform platform;
        const auto window = entry.make(platform);
        const auto& fields = window->plan().fields;
        const auto& choices = window->plan().choices;
        auto* converter = dynamic_cast<ConverterWindow*>(window.get());
        const std::vector<std::string> selectors = window->selectors();
        window->perform(entry.openAction);
        int refusals = 0;
        for (int step = 0; step < 1500; ++step) {
            const std::size_t what = pick(8);
            if (what == 0) {
                window->perform(selectors[pick(selectors.size())]);
            } else if (what == 1 && !choices.empty()) {
                const std::size_t c = pick(choices.size());
                const auto& items = choices[c].items;
                window->parts().choices[c]->selectItemWithTag(!items.empty() && pick(3) ? items[pick(items.size())].tag
                                                                                        : anyInt());
                if (!choices[c].action.empty())
                    window->perform(choices[c].action);
            } else if (what == 2 && !window->parts().boxes.empty()) {
                window->parts().boxes[pick(window->parts().boxes.size())]->selectCellWithTag(anyInt());
            } else if (what == 3 && converter) {
                converter->calc(anyInt());
            } else if (what == 4 && converter) {
                converter->accuracyChange(pick(2) ? static_cast<int>(pick(101)) : anyInt());
            } else {
                const int index = static_cast<int>(pick(fields.size()));
                std::vector<std::string> before;
                for (Field* f : window->parts().fields)
                    before.push_back(f->stringValue());
                const int beeps = platform.beeps();
                if (!typeAndConfirm(platform, *window, index, anyText()).accepted) {
                    ++refusals;
                    EXPECT_LE(platform.beeps() - beeps, 1);
                    for (std::size_t i = 0; i < before.size(); ++i)
                        ASSERT_TRUE(static_cast<int>(i) == index ||
                                    window->parts().fields[i]->stringValue() == before[i])
                            << "a refused entry in " << fields[index].outlet << " changed " << fields[i].outlet;
                }
            }
            // The record of what happened grows with every step; nothing here reads it.
            platform.events().clear();
        }
        for (std::size_t i = 0; i < fields.size(); ++i) {
            auto& cell = static_cast<HeadlessField&>(*window->parts().fields[i]);
            const bool text = fields[i].kind == FieldKind::Text || cell.holdsRefusedText();
            EXPECT_LE(cell.shown().size(), text ? kLongestTyped : kLongestShownText) << fields[i].outlet;
        }
        // The run typed enough nonsense to be refused many times.
        EXPECT_GT(refusals, 75);
        if (::testing::Test::HasFatalFailure())
            return;
    }
}

}  // namespace
