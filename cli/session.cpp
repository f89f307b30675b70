// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/session.h"

#include "app/unit_names.h"
#include "cli/safe_text.h"
#include "framework/exact_conversions.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstring>

namespace ambrel {

namespace {

std::string lower(std::string_view s)
{
    std::string out(s);
    for (char& c : out)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

// Whether `typed` (lower case) names the unit of `field`: its label, a plural
// of it, or its outlet name.
bool namesUnit(const FieldPlan& field, const std::string& typed)
{
    const std::string label = lower(field.label);
    if (typed == label || typed == label + "s" || typed == label + "es" || typed == lower(field.outlet))
        return true;
    const std::size_t foot = label.find("foot");
    return foot != std::string::npos && typed == label.substr(0, foot) + "feet" + label.substr(foot + 4);
}

}  // namespace

// The unit `typed` names, in `window` if one is given. Windows without
// unit names (the calculators) still know their fields by title and outlet.
std::optional<UnitPick> pickUnit(const std::string& typed, const WindowEntry* window)
{
    const UnitSpelling m = matchUnit(typed, window ? window->cliName : "");
    if (m.unit)
        return UnitPick{findWindow(m.unit->window), m.unit->outlet, m.unit->setting, typed, m.multiply, m.divide};
    if (!m.choices.empty())
        return std::nullopt;
    if (!window)
        return std::nullopt;
    HeadlessPlatform platform;
    const auto controller = window->make(platform);
    const std::string wanted = lower(typed);
    for (const FieldPlan& f : controller->plan().fields)
        if (namesUnit(f, wanted))
            return UnitPick{window, f.outlet, nullptr, typed};
    return std::nullopt;
}

namespace {

// `pick` read in another window, unless that takes another letter case for
// what is a symbol as written in its own: "m" stays the meter, never the
// molar "M"; "mm" the millimeter, never the millimolar "mM".
std::optional<UnitPick> readAgainIn(const UnitPick& pick, const WindowEntry* window)
{
    if (matchUnit(pick.typed, window->cliName).otherCase && !matchUnit(pick.typed, pick.window->cliName).otherCase)
        return std::nullopt;
    return pickUnit(pick.typed, window);
}

}  // namespace

void pickSameWindow(std::optional<UnitPick>& from, std::optional<UnitPick>& to)
{
    if (!from || !to || from->window == to->window)
        return;
    if (std::optional<UnitPick> again = readAgainIn(*from, to->window))
        from = std::move(again);
    else if ((again = readAgainIn(*to, from->window)))
        to = std::move(again);
}

bool sameSetting(const char* a, const char* b)
{
    return (!a && !b) || (a && b && std::strcmp(a, b) == 0);
}

// Puts the window in the state the unit needs (the prefix system of the data
// sizes); the steps are ours, so they do not fail.
void applySetting(Session& s, const char* setting)
{
    if (!setting)
        return;
    const std::string_view step = setting;
    const std::size_t eq = step.find('=');
    const auto& choices = s.controller->plan().choices;
    for (std::size_t i = 0; i < choices.size(); ++i) {
        if (choices[i].outlet != step.substr(0, eq))
            continue;
        int tag = 0;
        const std::string_view text = step.substr(eq + 1);
        std::from_chars(text.data(), text.data() + text.size(), tag);
        s.controller->parts().choices[i]->selectItemWithTag(tag);
        if (!choices[i].action.empty())
            s.controller->perform(choices[i].action);
    }
}

// Enters a number the window itself produced into field `index`, as if
// typed: no reading of text, so an infinite value carries over too.
void carry(Session& s, int index, double value)
{
    const FieldPlan& f = s.controller->plan().fields[index];
    s.cell(index).acceptEntry(value);
    s.controller->parts().boxes[f.box]->selectCellWithTag(f.tag);
    s.controller->perform(s.controller->plan().boxes[f.box].action);
}

void carry(Session& s, int index, const ExactValue& value)
{
    s.controller->noteTypedValue(index, value);
    carry(s, index, value.toDouble());
}

namespace {

ExactValue scaled(ExactValue value, double multiply, double divide)
{
    if (multiply != 1)
        value = value * ExactValue::ofDouble(multiply);
    if (divide != 1)
        value = value / ExactValue::ofDouble(divide);
    return value;
}

const UnitRow* rowOf(const Session& s, const UnitPick& unit)
{
    return unitRow(s.entry, unit);
}

// The exact conversion between two units of one base.
std::optional<ExactValue> exactlyIn(const Session& s, const UnitPick& from, const ExactValue& value, const UnitPick& to)
{
    const UnitRow* a = rowOf(s, from);
    const UnitRow* b = rowOf(s, to);
    if (!a || !b || std::strcmp(s.entry.def->boxes[a->box].base, s.entry.def->boxes[b->box].base) != 0)
        return std::nullopt;
    return convertExactly(*a, *b, value);
}

}  // namespace

// Under its setting, the row of the table for that setting.
const UnitRow* unitRow(const WindowEntry& window, const UnitPick& unit)
{
    if (!window.def)
        return nullptr;
    for (const std::span<const UnitRow> rows : {window.def->rows, window.def->altRows})
        for (const UnitRow& row : rows)
            if (unit.outlet == row.outlet && (!unit.setting || !row.setting || sameSetting(unit.setting, row.setting)))
                return &row;
    return nullptr;
}

std::string apartBoxes(const Session& s, const UnitPick& a, const UnitPick& b)
{
    const UnitRow* ra = unitRow(s.entry, a);
    const UnitRow* rb = unitRow(s.entry, b);
    if (!ra || !rb || boxesConvert(*s.entry.def, ra->box, rb->box))
        return {};
    const BoxDef& boxA = s.entry.def->boxes[ra->box];
    const BoxDef& boxB = s.entry.def->boxes[rb->box];
    return quoted(a.typed) + " is a unit of " + lower(boxA.title) + " and " + quoted(b.typed) + " of " +
        lower(boxB.title) + "; they do not convert into each other";
}

ExactValue inTableUnit(const UnitPick& unit, const ExactValue& amount)
{
    return scaled(amount, unit.multiply, unit.divide);
}

std::optional<ExactValue> convertIn(Session& s, const UnitPick& from, const ExactValue& value, const UnitPick& to)
{
    const ExactValue inRow = inTableUnit(from, value);
    applySetting(s, from.setting);
    carry(s, s.controller->fieldIndex(from.outlet), inRow);
    const bool exact = s.controller->exactDefinitions();
    const UnitName* meeting = meetingUnit(from.window->cliName);
    if (!sameSetting(from.setting, to.setting) && meeting) {
        // The data sizes convert under one prefix system at a time: carry the
        // number over in a unit that needs none.
        const int at = s.controller->fieldIndex(meeting->outlet);
        const UnitPick meetingPick{from.window, meeting->outlet, nullptr, meeting->name};
        const std::optional<ExactValue> carried = exact ? exactlyIn(s, from, inRow, meetingPick) : std::nullopt;
        const double held = s.cell(at).doubleValue();
        applySetting(s, to.setting);
        if (carried)
            carry(s, at, *carried);
        else
            carry(s, at, held);
    }
    if (exact)
        if (const std::optional<ExactValue> result = exactlyIn(s, from, inRow, to))
            return scaled(*result, to.divide, to.multiply);
    const double result = s.cell(s.controller->fieldIndex(to.outlet)).doubleValue() * to.divide / to.multiply;
    if (!std::isfinite(result))
        return std::nullopt;
    return ExactValue::ofDouble(result);
}

}  // namespace ambrel
