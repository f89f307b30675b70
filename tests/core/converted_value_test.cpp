// SPDX-License-Identifier: GPL-3.0-or-later
// A batch into one field works out the printed cell alone. Whatever a window
// answers that way must be, to the bit, what the cell holds after the same
// number is typed and the whole window converts.
#include "cli/session.h"
#include "framework/entry.h"
#include "framework/number_text.h"

#include <gtest/gtest.h>

#include <bit>
#include <string>

using namespace ambrel;

TEST(ConvertedValue, EveryAnswerIsWhatTheWholeWindowShows)
{
    const char* const amounts[] = {"1", "0.3", "-17.25", "1e-300", "6.02214076e23", "123456789.123456789123"};
    int answered = 0;
    for (const WindowEntry& entry : windowRegistry()) {
        for (const bool exact : {false, true}) {
            Session s(entry, 4, exact);
            const auto& plans = s.controller->plan().fields;
            for (int from = 0; from < static_cast<int>(plans.size()); ++from) {
                if (plans[from].kind != FieldKind::Number || plans[from].readOnly)
                    continue;
                for (int to = 0; to < static_cast<int>(plans.size()); ++to) {
                    for (const char* amount : amounts) {
                        ExactValue typed;
                        ASSERT_TRUE(readNumber(amount, '.', &typed).ok());
                        const std::optional<double> alone = s.controller->convertedValue(from, to, typed);
                        if (!alone)
                            continue;
                        ++answered;
                        ASSERT_TRUE(typeAndConfirm(s.platform, *s.controller, from, amount).accepted);
                        const double shown = s.cell(to).doubleValue();
                        EXPECT_EQ(std::bit_cast<std::uint64_t>(*alone), std::bit_cast<std::uint64_t>(shown))
                            << entry.cliName << (exact ? " exact " : " ") << plans[from].outlet << " -> "
                            << plans[to].outlet << " of " << amount << ": " << *alone << " vs " << shown;
                    }
                }
            }
        }
    }
    // Length, area, pressure, time, volume, weight and fuel-light answer.
    EXPECT_GT(answered, 5000);
}

TEST(ConvertedValue, CellsOutsideTheTableGetNoAnswer)
{
    Session length(*findWindow("length"), 4, false);
    const int feet = length.controller->fieldIndex("FeetField");
    const ExactValue one = ExactValue::ofDouble(1);
    EXPECT_EQ(length.controller->convertedValue(feet, feet, ExactValue::ofDouble(2.5)), 2.5);
    EXPECT_FALSE(length.controller->convertedValue(feet, -1, one));
    EXPECT_FALSE(length.controller->convertedValue(10'000, feet, one));
}
