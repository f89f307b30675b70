// SPDX-License-Identifier: GPL-3.0-or-later
// Conversions between the units of one table through their exact sizes.
// From any unit to any other the typed quantity is converted exactly and
// rounded once, so a mile comes out as 5280 feet rather than
// 5279.999999999999, and 491.67 °R as 0 °C.
#pragma once

#include "framework/converter_def.h"
#include "framework/exact_value.h"

#include <optional>
#include <span>
#include <vector>

namespace ambrel {

class ExactConversions {
public:
    explicit ExactConversions(std::span<const UnitRow> rows);

    bool hasSize(int row) const { return rows_[row].exact.kind != ExactSize::Kind::None; }
    // `value`, a number in unit `from`, as the nearest double in unit `to`;
    // both rows need exact sizes. A reciprocal unit of zero is infinite.
    double convert(int from, int to, const ExactValue& value) const;
    // A cell's infinity or not-a-number carried through the constants.
    double convertNonFinite(int from, int to, double value) const;
    // The same, kept exact; none when the result is infinite.
    std::optional<ExactValue> convertExactly(int from, int to, const ExactValue& value) const;

    // to = from × ratio + shift, or to = ratio ÷ from for a reciprocal pair,
    // with the two constants to about 106 bits for the quick way.
    struct Pair {
        bool ready = false;
        bool reciprocal = false;
        DoubleDouble ratio;
        DoubleDouble shift;
    };

private:
    const Pair& pair(int from, int to) const;

    std::span<const UnitRow> rows_;
    int count_;
    mutable std::vector<Pair> pairs_;
};

// `value` in the unit of row `from` as an exact number in the unit of row
// `to`, rows of one base, perhaps of two tables of a window (the data sizes
// under either prefix system); none when either has no exact size or the
// result is infinite.
std::optional<ExactValue> convertExactly(const UnitRow& from, const UnitRow& to, const ExactValue& value);

// The conversions of a unit table, worked out on first use.
const ExactConversions& exactConversions(std::span<const UnitRow> rows);

}  // namespace ambrel
