#include "framework/entry.h"

#include "framework/window_controller.h"

namespace ambrel {

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

}  // namespace ambrel
