// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/entry.h"

#include <cmath>

#include "framework/quantity_text.h"
#include "framework/translatable.h"
#include "framework/window_controller.h"

namespace ambrel {

namespace {

constexpr const char* kAtCharacter = AMBREL_TEXT("%1 at character %2");
constexpr const char* kUnitNotHere = AMBREL_TEXT("not a number: %1");
constexpr const char* kResultCell = AMBREL_TEXT("this field shows a result and takes no entry");

// A calculator's actions write only its read-only result cells, never what
// was entered; a converter's rewrite every cell but the edited one.
bool writesOnlyResults(const WindowPlan& plan)
{
    for (const FieldPlan& f : plan.fields)
        if (f.readOnly)
            return true;
    return false;
}

}  // namespace

std::string describe(const QuantityReading& reading)
{
    if (reading.ok())
        return {};
    if (reading.error != NumberError::None)
        return localText(describe(reading.error));
    return fillText(localText(kAtCharacter),
                    {fillText(localText(reading.message), {reading.detail}), std::to_string(reading.position)});
}

// The amounts of `reading` added up, exactly, in the unit of cell
// `fieldIndex`.
static QuantityReading sumInto(WindowController& window, int fieldIndex, QuantityReading reading)
{
    ExactValue total;
    bool first = true;
    for (const QuantityTerm& term : reading.terms) {
        ExactValue value = term.exact;
        if (!term.unit.empty()) {
            std::optional<ExactValue> in = window.amountIn(fieldIndex, term.unit, term.exact);
            if (!in) {
                reading.message = kUnitNotHere;
                reading.detail = window.unitRefusal(term.unit);
                reading.position = term.unitAt;
                break;
            }
            value = std::move(*in);
        }
        // From the first amount on, so that "-0" stays a negative zero.
        total = first ? std::move(value) : total + value;
        first = false;
    }
    const double rounded = total.toDouble();
    if (reading.ok())
        reading.error = rangeError(total);
    if (reading.error != NumberError::None)
        reading.message = describe(reading.error);
    if (reading.ok())
        reading.terms = {{rounded, std::move(total), {}, 0}};
    else
        reading.terms.clear();
    return reading;
}

QuantityReading confirmEntry(Platform& platform, Field& field, std::string_view text, char decimalSeparator)
{
    return confirmReading(platform, field, text, readAmount(text, decimalSeparator));
}

QuantityReading confirmReading(Platform& platform, Field& field, std::string_view text, const QuantityReading& reading)
{
    if (reading.ok()) {
        ExactValue value = reading.terms.front().exact;
        for (std::size_t i = 1; i < reading.terms.size(); ++i)
            value = value + reading.terms[i].exact;
        field.acceptEntry(value.toDouble());
    } else {
        field.keepRefusedText(text);
        platform.beep();
    }
    return reading;
}

EntryResult typeAndConfirm(Platform& platform, WindowController& window, int fieldIndex, std::string_view text,
                           char decimalSeparator)
{
    const FieldPlan& plan = window.plan().fields.at(fieldIndex);
    Field& cell = *window.parts().fields.at(fieldIndex);
    if (plan.readOnly)
        return {false, localText(kResultCell)};
    if (plan.kind == FieldKind::Number) {
        // Most entries are a plain number, which the quantity reader would
        // read the same way at several times the cost (batch reads millions).
        ExactValue typed;
        const NumberReading plain = readNumber(text, decimalSeparator, &typed);
        QuantityReading reading;
        if (!plain.ok()) {
            reading = sumInto(window, fieldIndex, readQuantity(text, decimalSeparator));
            if (reading.ok())
                typed = reading.terms.front().exact;
        }
        // A number the window cannot take is refused as unreadable text is.
        if (std::string why = plain.ok() || reading.ok() ? window.entryRefusal(fieldIndex, typed) : std::string();
            !why.empty()) {
            cell.keepRefusedText(text);
            platform.beep();
            return {false, std::move(why)};
        }
        if (plain.ok()) {
            cell.acceptEntry(plain.value);
        } else if (!confirmReading(platform, cell, text, reading).ok()) {
            return {false, describe(reading)};
        }
        window.noteTypedValue(fieldIndex, typed);
    } else {
        cell.setStringValue(text);
    }
    if (plan.box >= 0 && plan.box < static_cast<int>(window.plan().boxes.size())) {
        window.parts().boxes[plan.box]->selectCellWithTag(plan.tag);
        window.perform(window.plan().boxes[plan.box].action);
    }
    if (cell.holdsRefusedText())
        return {false, window.refusalMessage()};
    return {};
}

EntryResult confirmUnchanged(WindowController& window, int fieldIndex)
{
    const WindowPlan& plan = window.plan();
    const FieldPlan& field = plan.fields.at(fieldIndex);
    if (field.readOnly)
        return {false, localText(kResultCell)};
    if (field.box < 0 || field.box >= static_cast<int>(plan.boxes.size()))
        return {};
    window.parts().boxes[field.box]->selectCellWithTag(field.tag);
    if (writesOnlyResults(plan))
        window.perform(plan.boxes[field.box].action);
    return {};
}

}  // namespace ambrel
