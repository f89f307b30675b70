// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculators/power_weight.h"
#include "framework/translatable.h"

namespace ambrel {

namespace {

// Why a result has no value.
constexpr const char* kNoWeight = AMBREL_TEXT("the weight is 0, and the ratio divides by it");
constexpr const char* kTooLarge = AMBREL_TEXT("the ratio is too large for a number");

enum : int { kHorsepower, kWeight, kRatio };
enum : int { kTextFieldInput };

WindowPlan makePlan()
{
    WindowPlan plan;
    plan.outlet = "PowerWeightRatioWindow";
    plan.title = AMBREL_TEXT("Power to weight");
    plan.boxes = {
        {"TextFieldInput", AMBREL_TEXT("Power and weight (weight in any unit)"), "Calc:"},
        {"RatioBox", AMBREL_TEXT("Ratio"), ""},
    };
    plan.fields = {
        {"Horsepower", AMBREL_TEXT("power, horsepower"), kTextFieldInput, 0},
        {"Weight", AMBREL_TEXT("weight"), kTextFieldInput, 1},
        {AMBREL_TEXT("Ratio"), AMBREL_TEXT("horsepower per unit of weight"), 1, 0, FieldKind::Number, true},
    };
    plan.buttons = {{AMBREL_TEXT("&Calculate"), "Calc:"}};
    plan.addNotebookButton("ShowNoteBook:");
    return plan;
}

}  // namespace

const WindowIdentity kPowerWeightIdentity = {
    .cliName = "power-weight",
    .className = "PowerWeightRatio",
    .openAction = "OpenPowerWeightRatioWindow:",
    .menuTitle = AMBREL_TEXT("Power to &weight…"),
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
        return kNoWeight;
    return kTooLarge;
}

}  // namespace ambrel
