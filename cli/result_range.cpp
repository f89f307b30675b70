// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/result_range.h"

#include "framework/number_text.h"
#include "headless/headless_platform.h"

#include <cmath>
#include <map>
#include <vector>

namespace ambrel {

namespace {

// The last value each cell got while the window took `amount` into cell
// `index`, by cell.
std::map<int, double> cellsWritten(Session& s, int index, double amount)
{
    EventLog& log = s.platform.events();
    log.clear();
    log.setRecording(true);
    carry(s, index, amount);
    log.setRecording(false);
    std::map<int, double> written;
    for (const Event& e : log.ofKind("write"))
        written[s.controller->fieldIndex(e.target)] = e.value;
    log.clear();
    return written;
}

}  // namespace

const char* outOfRange(Session& s, const UnitPick& from, double amount, double result, const UnitPick& to)
{
    if (!std::isfinite(result))
        return amount == 0 ? "the result is infinite (a division by zero)" : "the result is too large";
    if (result == 0 && amount != 0)
        if (const std::optional<ExactValue> zero = convertIn(s, from, ExactValue(), to); zero && zero->isZero())
            return "the result is too small to tell from zero";
    return nullptr;
}

const char* outOfRange(const ExactValue& amount, const std::optional<ExactValue>& result)
{
    if (!result)
        return amount.isZero() ? "the result is infinite (a division by zero)" : "the result is too large";
    switch (rangeError(*result)) {
    case NumberError::TooLarge: return "the result is too large";
    case NumberError::TooSmall: return "the result is too small to tell from zero";
    default: return nullptr;
    }
}

std::string tableOutOfRange(Session& s, int index, double amount)
{
    if (amount == 0)
        return {};
    const std::map<int, double> written = cellsWritten(s, index, amount);
    std::vector<int> zero;
    for (const auto& [cell, value] : written) {
        if (!std::isfinite(value))
            return "in " + s.cell(cell).title() + " the result is too large";
        if (value == 0)
            zero.push_back(cell);
    }
    if (zero.empty())
        return {};
    const std::map<int, double> fromZero = cellsWritten(s, index, 0);
    carry(s, index, amount);
    for (const int cell : zero)
        if (const auto at = fromZero.find(cell); at != fromZero.end() && at->second == 0)
            return "in " + s.cell(cell).title() + " the result is too small to tell from zero";
    return {};
}

}  // namespace ambrel
