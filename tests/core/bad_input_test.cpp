// SPDX-License-Identifier: GPL-3.0-or-later
// Odd entries in every cell that takes one: each is either read as the
// number it plainly is, or refused with one alert, the text kept in the
// cell, and every other cell of the window exactly as it was.
#include "app/window_registry.h"
#include "computing/number_base.h"
#include "framework/entry.h"
#include "framework/number_text.h"
#include "headless/headless_platform.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

using namespace ambrel;

namespace {

constexpr std::nullopt_t kRefused = std::nullopt;
using Bases = std::array<std::optional<std::int32_t>, 4>;
const Bases kAllRefused = {kRefused, kRefused, kRefused, kRefused};

struct OddInput {
    const char* name;
    std::string text;
    std::optional<double> number;  // what a number cell reads, or refused
    Bases bases;                   // what the binary, octal, decimal and hexadecimal cells read
    // Why a number cell refuses it, where the reason matters to the person.
    std::optional<NumberError> why = std::nullopt;
};

const OddInput kInputs[] = {
    {"empty", "", 0.0, {0, 0, 0, 0}},
    {"spaces", " \t ", 0.0, {0, 0, 0, 0}},
    {"nan", "nan", kRefused, kAllRefused},
    {"overflow", "1e309", kRefused, {kRefused, kRefused, kRefused, 0x1e309}, NumberError::TooLarge},
    {"underflow", "1e-400", kRefused, kAllRefused, NumberError::TooSmall},
    {"exponent_beyond_long_long", "1e9223372036854775807", kRefused, kAllRefused, NumberError::TooLarge},
    {"trailing_letters", "12abc", kRefused, {kRefused, kRefused, kRefused, 0x12abc}},
    {"hexadecimal", "0x1A", kRefused, {kRefused, kRefused, kRefused, 0x1a}},
    {"ten_thousand_digits", std::string(10000, '9'), kRefused, kAllRefused},
    {"embedded_nul", std::string("1\0002", 3), kRefused, kAllRefused},
    {"utf8_garbage", "\xff\xfe\x80\xc3", kRefused, kAllRefused},
    // Plain numbers, for contrast.
    {"padded_decimal", "  12.5\t", 12.5, kAllRefused},
    {"digits_of_every_base", "101", 101.0, {5, 65, 101, 257}},
    {"unicode_minus", "\u22123", -3.0, {kRefused, kRefused, -3, kRefused}},
};

// Every cell of the window as the person sees it and as it is stored.
std::vector<std::string> snapshot(WindowController& window)
{
    std::vector<std::string> cells;
    for (Field* field : window.parts().fields)
        cells.push_back(field->stringValue() + '|' + static_cast<HeadlessField*>(field)->shown());
    return cells;
}

class BadInput : public ::testing::TestWithParam<OddInput> {};

TEST_P(BadInput, IsReadPlainlyOrRefusedWithNothingElseChanged)
{
    const OddInput& input = GetParam();
    int cellsTried = 0;
    for (const WindowEntry& entry : windowRegistry()) {
        for (std::size_t i = 0;; ++i) {
            HeadlessPlatform platform;
            auto window = entry.make(platform);
            const auto& fields = window->plan().fields;
            if (i >= fields.size())
                break;
            if (fields[i].readOnly)
                continue;
            SCOPED_TRACE(std::string(entry.cliName) + " " + fields[i].outlet);
            // Every cell its own value, none derived from another, so that
            // any conversion a refusal started would show.
            for (std::size_t k = 0; k < fields.size(); ++k) {
                Field& other = *window->parts().fields[k];
                if (fields[k].kind == FieldKind::Text)
                    other.setStringValue(std::to_string(k + 1));
                else
                    other.setDoubleValue(static_cast<double>(k) + 0.25);
            }
            const std::vector<std::string> before = snapshot(*window);
            auto& cell = static_cast<HeadlessField&>(*window->parts().fields[i]);
            const bool text = fields[i].kind == FieldKind::Text;
            const std::optional<std::int32_t> base =
                text ? input.bases[static_cast<std::size_t>(fields[i].tag)] : std::nullopt;
            // A number the window has no place for (a temperature below
            // absolute zero) is refused as well.
            const bool legal = text ? base.has_value()
                                    : input.number.has_value() &&
                    window->entryRefusal(static_cast<int>(i), ExactValue::ofDouble(*input.number)).empty();

            const EntryResult result = typeAndConfirm(platform, *window, static_cast<int>(i), input.text);
            ++cellsTried;
            EXPECT_EQ(result.accepted, legal);
            if (legal) {
                EXPECT_EQ(platform.beeps(), 0);
                EXPECT_FALSE(cell.holdsRefusedText());
                if (text) {
                    EXPECT_EQ(readInteger(window->field("DecimalField")->stringValue(), Notation::Decimal).value,
                              *base);
                } else {
                    // What the cell took, before any conversion rewrote it.
                    const auto entries = platform.events().ofKind("entry");
                    ASSERT_EQ(entries.size(), 1u);
                    EXPECT_EQ(entries[0].value, *input.number);
                }
                continue;
            }
            EXPECT_FALSE(result.message.empty());
            if (!text && input.why) {
                EXPECT_EQ(result.message, describe(*input.why));
            }
            EXPECT_EQ(platform.beeps(), 1);
            EXPECT_TRUE(cell.holdsRefusedText());
            EXPECT_EQ(cell.shown(), input.text) << "the typed text is kept for correction";
            const std::vector<std::string> after = snapshot(*window);
            for (std::size_t k = 0; k < before.size(); ++k) {
                if (k != i) {
                    EXPECT_EQ(after[k], before[k]) << fields[k].outlet << " changed";
                }
            }
            if (!text) {
                EXPECT_EQ(cell.doubleValue(), static_cast<double>(i) + 0.25) << "the stored number changed";
            }
        }
    }
    EXPECT_GT(cellsTried, 200);
}

INSTANTIATE_TEST_SUITE_P(EveryCell, BadInput, ::testing::ValuesIn(kInputs),
                         [](const ::testing::TestParamInfo<OddInput>& p) { return std::string(p.param.name); });

}  // namespace
