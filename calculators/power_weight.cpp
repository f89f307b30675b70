// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculators/power_weight.h"

namespace ambrel {

namespace {

enum : int { kHorsepower, kWeight, kRatio };
enum : int { kTextFieldInput };

WindowPlan makePlan()
{
    WindowPlan plan;
    plan.outlet = "PowerWeightRatioWindow";
    plan.title = "Power to weight";
    plan.boxes = {
        {"TextFieldInput", "Power and weight (weight in any unit)", "Calc:"},
        {"RatioBox", "Ratio", ""},
    };
    plan.fields = {
        {"Horsepower", "power, horsepower", kTextFieldInput, 0},
        {"Weight", "weight", kTextFieldInput, 1},
        {"Ratio", "horsepower per unit of weight", 1, 0, FieldKind::Number, true},
    };
    plan.buttons = {{"&Calculate", "Calc:"}};
    plan.addNotebookButton("ShowNoteBook:");
    return plan;
}

}  // namespace

const WindowIdentity kPowerWeightIdentity = {
    .cliName = "power-weight",
    .className = "PowerWeightRatio",
    .openAction = "OpenPowerWeightRatioWindow:",
    .menuTitle = "Power to &weight…",
    .kind = WindowKind::Calculator,
    .menuPosition = 3,
};

PowerWeightRatio::PowerWeightRatio(Platform& platform) : WindowController(platform, makePlan())
{
    addAction("Calc:", [this] { Calc(); });
    addAction(kPowerWeightIdentity.openAction, [this] { OpenPowerWeightRatioWindow(); });
    addAction("ShowNoteBook:", [this] { ShowNoteBook(); });
}

void PowerWeightRatio::Calc()
{
    const double power = fieldAt(kHorsepower).doubleValue();
    const double weight = fieldAt(kWeight).doubleValue();
    fieldAt(kRatio).setDoubleValue(power / weight);
}

void PowerWeightRatio::OpenPowerWeightRatioWindow()
{
    Window& w = window();
    w.center();
    w.makeKeyAndOrderFront();
    // The ratio has its own fixed three decimals, whatever the accuracy.
    fieldAt(kRatio).setFloatingPointFormat(false, 0, 3);
    boxAt(kTextFieldInput).selectCellWithTag(0);
}

std::string PowerWeightRatio::resultNote()
{
    if (fieldAt(kWeight).doubleValue() == 0)
        return "the weight is 0, and the ratio divides by it";
    return "the ratio is too large for a number";
}

}  // namespace ambrel
