// SPDX-License-Identifier: GPL-3.0-or-later
// Conversions between the units of one table through their exact sizes.
// From any unit to any other is one operation on the number typed (or an
// fma for offset scales), its constant worked out exactly and rounded once,
// so a mile comes out as 5280 feet rather than 5279.999999999999.
#pragma once

#include "framework/converter_def.h"

#include <vector>

namespace ambrel {

class ExactConversions {
public:
    explicit ExactConversions(std::span<const UnitRow> rows);

    bool hasSize(int row) const { return rows_[row].exact.kind != ExactSize::Kind::None; }
    // The formula from a number in unit `from` to the same quantity in unit
    // `to`; both rows need exact sizes.
    const Formula& formula(int from, int to) const { return table_[from * count_ + to]; }
    double convert(int from, int to, double value) const { return formula(from, to).apply(value); }

private:
    std::span<const UnitRow> rows_;
    int count_;
    std::vector<Formula> table_;
};

// The conversions of a converter's table, worked out on first use.
const ExactConversions& exactConversions(const ConverterDef& def);

}  // namespace ambrel
