// SPDX-License-Identifier: GPL-3.0-or-later
// The menu's finder side: opening the window of a unit a person named, with
// that unit's field selected and, if they gave one, their number in it.
#include "app/menu_object.h"

#include "app/window_registry.h"
#include "framework/entry.h"

#include <charconv>
#include <string>

namespace ambrel {

namespace {

// A unit that needs a setting of its window ("BaseRadioSelection=1") gets it
// the way a person would make it: the choice is selected and its action sent.
void applySetting(WindowController& window, std::string_view setting)
{
    const std::size_t equals = setting.find('=');
    if (equals == std::string_view::npos)
        return;
    const std::string_view outlet = setting.substr(0, equals);
    const std::string_view value = setting.substr(equals + 1);
    int tag = 0;
    if (std::from_chars(value.data(), value.data() + value.size(), tag).ec != std::errc())
        return;
    Choice* choice = window.choice(outlet);
    if (!choice || choice->selectedTag() == tag)
        return;
    choice->selectItemWithTag(tag);
    for (const ChoicePlan& plan : window.plan().choices)
        if (plan.outlet == outlet && !plan.action.empty())
            window.perform(plan.action);
}

}  // namespace

EntryResult MenuObject::openUnit(const UnitName& unit, std::string_view number, char decimalSeparator)
{
    const WindowEntry* entry = findWindow(unit.window);
    Slot* s = entry ? slot(entry->className) : nullptr;
    if (!s || !s->controller)
        return {false, "that window is not available"};
    WindowController& window = *s->controller;
    if (entry->takesAccuracy())
        openConverter(*s);
    else
        window.perform(entry->openAction);
    if (unit.setting)
        applySetting(window, unit.setting);
    const int index = window.fieldIndex(unit.outlet);
    if (index < 0)
        return {false, "that window has no such field"};
    EntryResult result;
    if (!number.empty())
        result = typeAndConfirm(platform_, window, index, number, decimalSeparator);
    const FieldPlan& field = window.plan().fields[index];
    if (field.box >= 0 && field.box < static_cast<int>(window.parts().boxes.size()))
        window.parts().boxes[field.box]->selectCellWithTag(field.tag);
    return result;
}

}  // namespace ambrel
