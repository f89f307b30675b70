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
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

using namespace ambrel;

namespace {

constexpr int kStepsPerWindow = 4000;
constexpr std::uint64_t kSeed = 20240611;

// 309 integer digits, the point, the most decimals shown, and a sign.
constexpr std::size_t kLongestShown = 309 + 1 + kMaxShownDecimals + 1;
// The longest text the run types.
constexpr std::size_t kLongestTyped = 3000;

const char* const kOddTexts[] = {
    "", " ", "\t", "nan", "inf", "-inf", "1e309", "-1e309", "1e-400", "12abc", "1 2", "0x1A", "1.2.3", "--1", "+",
    ".", "e5", "\u0661\u0662", "1,5", "\xff\xfe", "\u22122.5", "ff", "FF", "777", "1010", "-2147483649",
    "4294967296", "0b101", "0o17", "1e9223372036854775807",
};

class RandomUse {
public:
    RandomUse(const WindowEntry& entry, std::uint64_t seed) : window_(entry.make(platform_)), rng_(seed)
    {
        converter_ = dynamic_cast<ConverterWindow*>(window_.get());
        if (converter_ && entry.takesAccuracy)
            converter_->accuracyChange(anyAccuracy());
        window_->perform(entry.openAction);
        selectors_ = window_->selectors();
    }

    void step()
    {
        switch (pick(8)) {
        case 0:
        case 1:
        case 2: type(); break;
        case 3: window_->perform(selectors_[pick(selectors_.size())]); break;
        case 4: choose(); break;
        case 5: selectAnyCell(); break;
        case 6:
            if (converter_)
                converter_->calc(anyBoxNumber());
            break;
        case 7:
            if (converter_)
                converter_->accuracyChange(anyAccuracy());
            break;
        }
        // The record of what happened grows with every step; nothing here reads it.
        platform_.events().clear();
    }

    void expectBounded(int step)
    {
        const auto& fields = window_->plan().fields;
        for (std::size_t i = 0; i < fields.size(); ++i) {
            auto& cell = static_cast<HeadlessField&>(*window_->parts().fields[i]);
            const std::string shown = cell.shown();
            if (fields[i].kind == FieldKind::Text || cell.holdsRefusedText()) {
                ASSERT_LE(shown.size(), kLongestTyped) << fields[i].outlet << " at step " << step;
                continue;
            }
            ASSERT_LE(shown.size(), kLongestShown) << fields[i].outlet << " at step " << step;
            for (const int digits : {INT_MIN, 0, kMaxShownDecimals, INT_MAX})
                ASSERT_LE(formatFixed(cell.doubleValue(), digits).size(), kLongestShown) << fields[i].outlet;
        }
    }

    int refusals() const { return refusals_; }

private:
    std::size_t pick(std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(rng_); }

    int anyInt()
    {
        switch (pick(4)) {
        case 0: return INT_MIN;
        case 1: return INT_MAX;
        case 2: return std::uniform_int_distribution<int>(-3, 12)(rng_);
        default: return std::uniform_int_distribution<int>(INT_MIN, INT_MAX)(rng_);
        }
    }

    int anyAccuracy() { return pick(2) ? static_cast<int>(pick(101)) : anyInt(); }
    int anyBoxNumber() { return converter_ && pick(2) ? static_cast<int>(pick(converter_->boxCount())) : anyInt(); }

    // A double of any magnitude, from the smallest subnormal to the largest.
    double anyNumber()
    {
        switch (pick(6)) {
        case 0: return 0.0;
        case 1: return std::numeric_limits<double>::denorm_min();
        case 2: return -std::numeric_limits<double>::max();
        case 3: return std::uniform_real_distribution<double>(-1000, 1000)(rng_);
        default: {
            const double magnitude = std::pow(10.0, std::uniform_real_distribution<double>(-323, 308)(rng_));
            return pick(2) ? magnitude : -magnitude;
        }
        }
    }

    std::string anyText()
    {
        switch (pick(6)) {
        case 0: return kOddTexts[pick(std::size(kOddTexts))];
        case 1: {
            std::string bytes(pick(40), '\0');
            for (char& c : bytes)
                c = static_cast<char>(pick(256));
            return bytes;
        }
        case 2: return std::string(1 + pick(kLongestTyped), "19f."[pick(4)]);
        case 3: return std::to_string(anyInt());
        default: {
            std::string exact = formatExact(anyNumber());
            if (pick(4) == 0)
                exact = "  " + exact + "\t";
            return exact;
        }
        }
    }

    void type()
    {
        const auto& fields = window_->plan().fields;
        const int index = static_cast<int>(pick(fields.size()));
        std::vector<std::string> before;
        for (Field* f : window_->parts().fields)
            before.push_back(f->stringValue());
        const int beeps = platform_.beeps();
        if (typeAndConfirm(platform_, *window_, index, anyText()).accepted)
            return;
        ++refusals_;
        EXPECT_LE(platform_.beeps() - beeps, 1);
        for (std::size_t i = 0; i < before.size(); ++i) {
            if (static_cast<int>(i) != index) {
                ASSERT_EQ(window_->parts().fields[i]->stringValue(), before[i])
                    << "a refused entry in " << fields[index].outlet << " changed " << fields[i].outlet;
            }
        }
    }

    void choose()
    {
        const auto& choices = window_->plan().choices;
        if (choices.empty())
            return;
        const std::size_t c = pick(choices.size());
        const auto& items = choices[c].items;
        const int tag = !items.empty() && pick(3) ? items[pick(items.size())].tag : anyInt();
        window_->parts().choices[c]->selectItemWithTag(tag);
        if (!choices[c].action.empty())
            window_->perform(choices[c].action);
    }

    // A click that leaves any cell, or none, selected in a box.
    void selectAnyCell()
    {
        auto& boxes = window_->parts().boxes;
        if (boxes.empty())
            return;
        Box& box = *boxes[pick(boxes.size())];
        box.selectCellWithTag(pick(2) ? static_cast<int>(pick(static_cast<std::size_t>(box.cellCount()) + 1)) - 1
                                      : anyInt());
    }

    HeadlessPlatform platform_;
    std::unique_ptr<WindowController> window_;
    ConverterWindow* converter_ = nullptr;
    std::vector<std::string> selectors_;
    std::mt19937_64 rng_;
    int refusals_ = 0;
};

TEST(Soak, EveryWindowSurvivesLongRandomUse)
{
    std::uint64_t seed = kSeed;
    for (const WindowEntry& entry : windowRegistry()) {
        SCOPED_TRACE(entry.cliName);
        RandomUse use(entry, seed++);
        for (int step = 0; step < kStepsPerWindow; ++step) {
            use.step();
            if (::testing::Test::HasFatalFailure())
                return;
            if (step % 10 == 0 || step == kStepsPerWindow - 1) {
                use.expectBounded(step);
                if (::testing::Test::HasFatalFailure())
                    return;
            }
        }
        // The run typed enough nonsense to be refused many times.
        EXPECT_GT(use.refusals(), kStepsPerWindow / 20);
    }
}

}  // namespace
