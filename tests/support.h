// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers for driving a window on the headless platform as a person would.
#pragma once

#include "framework/converter_window.h"
#include "framework/entry.h"
#include "headless/headless_platform.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <iomanip>
#include <ostream>
#include <string>
#include <vector>

namespace ambrel::testing {

// The outlets `log` saw written, in order.
inline std::vector<std::string> writtenOutlets(const EventLog& log)
{
    std::vector<std::string> out;
    for (const Event& e : log.events())
        if (e.kind == "write")
            out.push_back(e.target);
    return out;
}

// One controller of type T on its own headless platform, opened at accuracy 4.
template <class T>
struct Rig {
    HeadlessPlatform platform;
    T window{platform};

    Rig()
    {
        window.parts();
        if constexpr (std::is_base_of_v<ConverterWindow, T>)
            window.accuracyChange(4);
        platform.events().clear();
    }

    // Types `text` into `outlet` and presses Enter; false if refused.
    bool type(const std::string& outlet, const std::string& text)
    {
        const int index = window.fieldIndex(outlet);
        EXPECT_GE(index, 0) << "no field " << outlet;
        return index >= 0 && typeAndConfirm(platform, window, index, text).accepted;
    }

    double value(const std::string& outlet)
    {
        Field* f = window.field(outlet);
        EXPECT_NE(f, nullptr) << "no field " << outlet;
        return f ? f->doubleValue() : 0;
    }

    HeadlessField& cell(const std::string& outlet) { return static_cast<HeadlessField&>(*window.field(outlet)); }

    // Sets a field's number without any conversion (a prepared state).
    void set(const std::string& outlet, double v) { window.field(outlet)->setDoubleValue(v); }

    // Selects a box's tag as a click would, without recording an action.
    void select(int box, int tag) { static_cast<HeadlessBox*>(window.parts().boxes[box])->setSelectedTag(tag); }

    // Outlets written by the controller since the last clear, in order.
    std::vector<std::string> writes() const { return writtenOutlets(platform.events()); }
    // How many times `outlet` was written since the last clear.
    long wrote(const std::string& outlet) const { return std::ranges::count(writes(), outlet); }
    void clear() { platform.events().clear(); }
};

// One field's exact double after an entry.
struct Expect {
    const char* outlet;
    double value;
};

// A row of a converter's table: what is typed where, and the fields it must
// leave holding exactly these doubles.
struct EntryCase {
    const char* typed;
    const char* text;
    std::vector<Expect> results;
};

inline void PrintTo(const EntryCase& c, std::ostream* os)
{
    *os << c.typed << '=' << c.text;
}

// Types `text` into `typed` on a fresh window and checks every listed field
// exactly: the numbers are the doubles the listed operations give, not
// approximations of them.
template <class T>
void expectEntry(const EntryCase& c)
{
    EXPECT_FALSE(c.results.empty()) << "a row that checks nothing";
    Rig<T> rig;
    ASSERT_TRUE(rig.type(c.typed, c.text)) << c.typed << '=' << c.text;
    for (const Expect& e : c.results) {
        const double got = rig.value(e.outlet);
        EXPECT_EQ(got, e.value) << c.typed << '=' << c.text << ": " << e.outlet << " holds " << std::setprecision(17)
                                << got;
    }
}

// A table row's test name: the typed outlet and the typed text, so the names
// stay put when rows are added or moved ("Tdyne_980_01", "CelsiusField_minus40").
// Rows typing the same text into the same outlet would be one test twice,
// which googletest refuses at start-up.
inline std::string entryName(const ::testing::TestParamInfo<EntryCase>& p)
{
    std::string name;
    for (const char ch : std::string(p.param.typed) + '_' + p.param.text)
        name += std::isalnum(static_cast<unsigned char>(ch)) ? std::string(1, ch)
            : ch == '-'                                      ? "minus"
            : ch == '+'                                      ? "plus"
                                                             : "_";
    return name;
}

}  // namespace ambrel::testing

// A converter's table as a parameterized suite: each EntryCase is typed on a
// fresh window of type T and its fields checked exactly.
#define AMBREL_ENTRY_TABLE(Suite, T, ...)                                           \
    class Suite : public ::testing::TestWithParam<::ambrel::testing::EntryCase> {}; \
    TEST_P(Suite, GiveTheTableDoubles)                                              \
    {                                                                               \
        ::ambrel::testing::expectEntry<T>(GetParam());                              \
    }                                                                               \
    INSTANTIATE_TEST_SUITE_P(Table, Suite, ::testing::Values(__VA_ARGS__), ::ambrel::testing::entryName)
