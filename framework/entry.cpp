#include "framework/entry.h"

#include "framework/window_controller.h"

namespace ambrel {

namespace {

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

NumberReading confirmEntry(Platform& platform, Field& field, std::string_view text,
                           char decimalSeparator)
{
    const NumberReading reading = readNumber(text, decimalSeparator);
    if (reading.ok()) {
        field.acceptEntry(reading.value);
    } else {
        field.keepRefusedText(text);
        platform.beep();
    }
    return reading;
}

EntryResult typeAndConfirm(Platform& platform, WindowController& window, int fieldIndex,
                           std::string_view text, char decimalSeparator)
{
    const FieldPlan& plan = window.plan().fields.at(fieldIndex);
    Field& cell = *window.parts().fields.at(fieldIndex);
    if (plan.readOnly)
        return {false, "this field shows a result and takes no entry"};
    if (plan.kind == FieldKind::Number) {
        const NumberReading reading = confirmEntry(platform, cell, text, decimalSeparator);
        if (!reading.ok())
            return {false, describe(reading.error)};
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
        return {false, "this field shows a result and takes no entry"};
    if (field.box < 0 || field.box >= static_cast<int>(plan.boxes.size()))
        return {};
    window.parts().boxes[field.box]->selectCellWithTag(field.tag);
    if (writesOnlyResults(plan))
        window.perform(plan.boxes[field.box].action);
    return {};
}

}  // namespace ambrel
