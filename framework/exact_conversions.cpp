// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/exact_conversions.h"

#include <map>
#include <memory>
#include <stdexcept>
#include <string>

namespace ambrel {

namespace {

using Kind = ExactSize::Kind;

Formula between(const ExactSize& from, const ExactSize& to)
{
    const Formula x{};
    if (from.kind == Kind::Linear && to.kind == Kind::Linear) {
        const double ratio = (from.scale / to.scale).toDouble();
        const ExactNumber shift = (from.offset - to.offset) / to.scale;
        return shift.isZero() ? x.mul(ratio) : x.fma(ratio, shift.toDouble());
    }
    if (!from.offset.isZero() || !to.offset.isZero())
        throw std::logic_error("a reciprocal unit beside an offset scale");
    if (from.kind == Kind::Reciprocal && to.kind == Kind::Reciprocal)
        return x.mul((to.scale / from.scale).toDouble());
    if (from.kind == Kind::Linear)
        return x.divInto((to.scale / from.scale).toDouble());
    return x.divInto((from.scale / to.scale).toDouble());
}

}  // namespace

ExactConversions::ExactConversions(std::span<const UnitRow> rows)
    : rows_(rows), count_(static_cast<int>(rows.size())), table_(rows.size() * rows.size())
{
    for (int i = 0; i < count_; ++i)
        for (int j = 0; j < count_; ++j)
            if (hasSize(i) && hasSize(j))
                table_[i * count_ + j] = between(rows[i].exact, rows[j].exact);
}

const ExactConversions& exactConversions(const ConverterDef& def)
{
    static std::map<const ConverterDef*, std::unique_ptr<ExactConversions>> cache;
    auto& slot = cache[&def];
    if (!slot)
        slot = std::make_unique<ExactConversions>(def.rows);
    return *slot;
}

}  // namespace ambrel
