// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mixed_readings.h"
#include "app/unit_names.h"
#include "framework/mixed_amounts.h"
#include "framework/number_text.h"
#include "framework/translatable.h"

#include <array>
#include <cmath>
#include <cstring>
#include <string_view>

namespace ambrel {

namespace {

struct ReadingPlan {
    const char* window;
    const char* name;
    std::array<const char*, 3> outlets;  // largest first; unused ones null
};

// clang-format off
constexpr ReadingPlan kReadings[] = {
    {"length", AMBREL_TEXT("Feet and inches"),            {"FeetField", "InchesField"}},
    {"weight", AMBREL_TEXT("Stone and pounds"),           {"AVstone", "AVpound"}},
    {"weight", AMBREL_TEXT("Pounds and ounces"),          {"AVpound", "AVounce"}},
    {"time",   AMBREL_TEXT("Hours, minutes and seconds"), {"HourField", "MinuteField", "SecondField"}},
};
// clang-format on

const UnitRow* rowNamed(const ConverterDef& def, std::string_view outlet)
{
    for (const UnitRow& row : def.rows)
        if (outlet == row.outlet)
            return &row;
    return nullptr;
}

// The rows of a reading, or none when the table lacks one or a row is no
// plain multiple of the others.
std::vector<const UnitRow*> rowsOf(const ConverterDef& def, const ReadingPlan& plan)
{
    std::vector<const UnitRow*> rows;
    for (const char* outlet : plan.outlets) {
        if (!outlet)
            break;
        const UnitRow* row = rowNamed(def, outlet);
        if (!row || row->exact.kind != ExactSize::Kind::Linear || !row->exact.offset.isZero())
            return {};
        rows.push_back(row);
    }
    return rows;
}

template <class F>
void eachReading(const ConverterDef& def, F f)
{
    for (const ReadingPlan& plan : kReadings)
        if (std::strcmp(plan.window, def.identity.cliName) == 0)
            if (const std::vector<const UnitRow*> rows = rowsOf(def, plan); rows.size() > 1)
                f(plan, rows);
}

}  // namespace

std::vector<MixedReading> mixedReadings(const ConverterDef& def, const std::function<double(std::string_view)>& cell,
                                        int digits, char decimalSeparator)
{
    std::vector<MixedReading> readings;
    eachReading(def, [&](const ReadingPlan& plan, const std::vector<const UnitRow*>& rows) {
        const UnitRow& last = *rows.back();
        MixedReading reading{plan.name, {}};
        const double value = cell(last.outlet);
        // The sizes are the definitions' (12 in to the foot under either
        // table set): the cell's number of inches is what is split.
        std::vector<ExactValue> sizes;
        for (std::size_t i = 0; i + 1 < rows.size(); ++i)
            sizes.push_back(ExactValue::ofSize(rows[i]->exact.scale / last.exact.scale));
        std::vector<std::string> units;
        for (const UnitRow* row : rows)
            units.emplace_back(firstName(row->symbols));
        if (std::isfinite(value))
            if (const std::optional<MixedAmount> amount =
                    splitAmount(ExactValue::ofDouble(value), sizes, {digits, false}))
                reading.text =
                    mixedText(*amount, units, [&](double rest) { return formatShown(rest, digits, decimalSeparator); });
        readings.push_back(std::move(reading));
    });
    return readings;
}

std::vector<std::string> mixedReadingSources(const ConverterDef& def)
{
    std::vector<std::string> outlets;
    eachReading(def, [&](const ReadingPlan&, const std::vector<const UnitRow*>& rows) {
        outlets.emplace_back(rows.back()->outlet);
    });
    return outlets;
}

}  // namespace ambrel
