// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/window_controller.h"

#include "framework/notebook.h"
#include "framework/translatable.h"

#include <cmath>
#include <cstring>
#include <string>

namespace ambrel {

WindowController::WindowController(Platform& platform, WindowPlan plan) : platform_(platform), plan_(std::move(plan))
{}

BuiltWindow& WindowController::parts()
{
    if (!built_) {
        parts_ = platform_.buildWindow(plan_, *this);
        built_ = true;
        showTableSet();
    }
    return parts_;
}

namespace {

constexpr const char* kClassicTitle = AMBREL_TEXT("%1 — classic tables");
constexpr const char* kNoUnitHere = AMBREL_TEXT("no unit '%1' here");

}  // namespace

std::optional<ExactValue> WindowController::amountIn(int, std::string_view, const ExactValue&)
{
    return std::nullopt;
}

std::string WindowController::unitRefusal(std::string_view unit)
{
    return fillText(localText(kNoUnitHere), {unit});
}

std::optional<double> WindowController::convertedValue(int, int, const ExactValue&)
{
    return std::nullopt;
}

std::string WindowController::entryRefusal(int, const ExactValue&)
{
    return {};
}

void WindowController::noteTypedValue(int fieldIndex, const ExactValue& value)
{
    typedField_ = fieldIndex;
    typedDouble_ = value.toDouble();
    typedValue_ = value;
}

ExactValue WindowController::heldValue(int index)
{
    const double held = fieldAt(index).doubleValue();
    // Compared bit for bit, so that a 0 written over a typed -0 counts.
    if (index == typedField_ && std::memcmp(&held, &typedDouble_, sizeof held) == 0)
        return typedValue_;
    return std::isfinite(held) ? ExactValue::ofDouble(held) : ExactValue();
}

int WindowController::fieldIndex(std::string_view outlet) const
{
    for (std::size_t i = 0; i < plan_.fields.size(); ++i)
        if (plan_.fields[i].outlet == outlet)
            return static_cast<int>(i);
    return -1;
}

Field* WindowController::field(std::string_view outlet)
{
    const int i = fieldIndex(outlet);
    return i < 0 ? nullptr : parts().fields[i];
}

Choice* WindowController::choice(std::string_view outlet)
{
    for (std::size_t i = 0; i < plan_.choices.size(); ++i)
        if (plan_.choices[i].outlet == outlet)
            return parts().choices[i];
    return nullptr;
}

void WindowController::openWindow(int box, int tag)
{
    Window& w = window();
    w.center();
    w.makeKeyAndOrderFront();
    if (box >= 0)
        boxAt(box).selectCellWithTag(tag);
}

void WindowController::setExactDefinitions(bool on)
{
    if (on == exact_)
        return;
    exact_ = on;
    if (built_)
        showTableSet();
}

void WindowController::showTableSet()
{
    const std::string title =
        exact_ ? localText(plan_.title) : fillText(localText(kClassicTitle), {localText(plan_.title)});
    if (window().title() != title)
        window().setTitle(title);
}

bool WindowController::showNotebookDocument(std::string_view name)
{
    return showNotebook(platform_, name);
}

}  // namespace ambrel
