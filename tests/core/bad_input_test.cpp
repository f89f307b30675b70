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
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

using namespace ambrel;

namespace {

constexpr std::nullopt_t kRefused = std::nullopt;

struct OddInput {
    const char* name;
    std::string text;
    std::optional<double> number;  // what a number cell reads, or refused
    // What each number base cell reads, in the order binary, octal, decimal, hexadecimal.
    std::array<std::optional<std::int32_t>, 4> bases;
    // Why a number cell refuses it, where the reason matters to the person.
    std::optional<NumberError> why = std::nullopt;
};

using B = std::array<std::optional<std::int32_t>, 4>;
const B kAllRefused = {kRefused, kRefused, kRefused, kRefused};

const OddInput kInputs[] = {
    {"empty", "", 0.0, {0, 0, 0, 0}},
    {"spaces", "   ", 0.0, {0, 0, 0, 0}},
    {"tabs", "\t\t", 0.0, {0, 0, 0, 0}},
    {"nan", "nan", kRefused, kAllRefused},
    {"inf", "inf", kRefused, kAllRefused},
    {"minus_inf", "-inf", kRefused, kAllRefused},
    {"overflow", "1e309", kRefused, {kRefused, kRefused, kRefused, 0x1e309}, NumberError::TooLarge},
    {"negative_overflow", "-1e309", kRefused, kAllRefused, NumberError::TooLarge},
    {"underflow", "1e-400", kRefused, kAllRefused, NumberError::TooSmall},
    {"exponent_beyond_long_long", "1e9223372036854775807", kRefused, kAllRefused, NumberError::TooLarge},
    {"negative_exponent_beyond_long_long", "0.000001e-9223372036854775807", kRefused, kAllRefused,
     NumberError::TooSmall},
    {"trailing_letters", "12abc", kRefused, {kRefused, kRefused, kRefused, 0x12abc}},
    {"inner_space", "1 2", kRefused, kAllRefused},
    {"hexadecimal", "0x1A", kRefused, {kRefused, kRefused, kRefused, 0x1a}},
    {"two_points", "1.2.3", kRefused, kAllRefused},
    {"double_minus", "--1", kRefused, kAllRefused},
    {"plus_alone", "+", kRefused, kAllRefused},
    {"point_alone", ".", kRefused, kAllRefused},
    {"exponent_alone", "e5", kRefused, {kRefused, kRefused, kRefused, 0xe5}},
    {"arabic_digits", "\u0661\u0662", kRefused, kAllRefused},
    {"ten_thousand_digits", std::string(10000, '9'), kRefused, kAllRefused},
    {"embedded_nul", std::string("1\0" "2", 3), kRefused, kAllRefused},
    {"utf8_garbage", "\xff\xfe\x80\xc3", kRefused, kAllRefused},
    {"comma_in_a_point_locale", "1,5", kRefused, kAllRefused},
    // Plain numbers, for contrast.
    {"padded_decimal", "  12.5\t", 12.5, kAllRefused},
    {"digits_of_every_base", "101", 101.0, {5, 65, 101, 257}},
    {"unicode_minus", "\u22123", -3.0, {kRefused, kRefused, -3, kRefused}},
    {"small_exponent", "1e-5", 1e-5, kAllRefused},
};

// Every cell of the window as the person sees it and as it is stored.
std::vector<std::string> snapshot(WindowController& window)
{
    std::vector<std::string> cells;
    for (Field* field : window.parts().fields) {
        auto& cell = static_cast<HeadlessField&>(*field);
        cells.push_back(cell.stringValue() + '|' + cell.shown());
    }
    return cells;
}

// Gives every cell its own value, none derived from another, so that any
// conversion a refusal started would show.
void fillUnrelated(WindowController& window)
{
    const auto& fields = window.plan().fields;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        Field& cell = *window.parts().fields[i];
        if (fields[i].kind == FieldKind::Text)
            cell.setStringValue(std::to_string(i + 1));
        else
            cell.setDoubleValue(static_cast<double>(i) + 0.25);
    }
}

class BadInput : public ::testing::TestWithParam<OddInput> {};

TEST_P(BadInput, IsReadPlainlyOrRefusedWithNothingElseChanged)
{
    const OddInput& input = GetParam();
    int cellsTried = 0;
    for (const WindowEntry& entry : windowRegistry()) {
        HeadlessPlatform planPlatform;
        const auto planWindow = entry.make(planPlatform);
        const auto& fields = planWindow->plan().fields;
        for (std::size_t i = 0; i < fields.size(); ++i) {
            if (fields[i].readOnly)
                continue;
            SCOPED_TRACE(std::string(entry.cliName) + " " + fields[i].outlet);
            HeadlessPlatform platform;
            auto window = entry.make(platform);
            fillUnrelated(*window);
            const std::vector<std::string> before = snapshot(*window);
            const int index = static_cast<int>(i);
            auto& cell = static_cast<HeadlessField&>(*window->parts().fields[index]);
            const bool text = fields[i].kind == FieldKind::Text;
            const std::optional<std::int32_t> base =
                text ? input.bases[static_cast<std::size_t>(fields[i].tag)] : std::nullopt;
            const bool legal = text ? base.has_value() : input.number.has_value();

            const EntryResult result = typeAndConfirm(platform, *window, index, input.text);
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
                         [](const ::testing::TestParamInfo<OddInput>& info) { return std::string(info.param.name); });

}  // namespace
