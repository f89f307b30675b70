// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculators/proportion.h"
#include "framework/translatable.h"

namespace ambrel {

namespace {

// Why a result has no value.
constexpr const char* kDividesByZero = AMBREL_TEXT("B is 0, and x = A × C ÷ B divides by it");
constexpr const char* kTooLarge = AMBREL_TEXT("x is too large for a number");

enum : int { kA, kB, kC, kX };

WindowPlan makePlan()
{
    WindowPlan plan;
    plan.outlet = "findxWindow";
    plan.title = AMBREL_TEXT("Proportion");
    plan.boxes = {
        {"formA", AMBREL_TEXT("A is to …"), "Calc:"},
        {"formB", AMBREL_TEXT("… B as …"), "Calc:"},
        {"formx", AMBREL_TEXT("… x is to …"), ""},
        {"formC", AMBREL_TEXT("… C"), "Calc:"},
    };
    plan.fields = {
        {"formA", "A", 0, 0},
        {"formB", "B", 1, 0},
        {"formC", "C", 3, 0},
        {"formx", AMBREL_TEXT("x = A × C ÷ B"), 2, 0, FieldKind::Number, true},
    };
    plan.buttons = {{AMBREL_TEXT("&Calculate"), "Calc:"}};
    plan.addNotebookButton("ShowNotebook:");
    return plan;
}

}  // namespace

const WindowIdentity kProportionIdentity = {
    .cliName = "proportion",
    .className = "FindXcalc",
    .openAction = "OpenfindxWindow:",
    .menuTitle = AMBREL_TEXT("&Proportion…"),
    .kind = WindowKind::Calculator,
    .menuPosition = 1,
};

FindXcalc::FindXcalc(Platform& platform) : WindowController(platform, makePlan())
{
    addAction("Calc:", [this] { Calc(); });
    addAction(kProportionIdentity.openAction, [this] { OpenfindxWindow(); });
    addAction("ShowNotebook:", [this] { ShowNotebook(); });
}

void FindXcalc::Calc()
{
    const double a = fieldAt(kA).doubleValue();
    const double b = fieldAt(kB).doubleValue();
    const double c = fieldAt(kC).doubleValue();
    // The product first: A × (C ÷ B) rounds differently.
    const double product = a * c;
    fieldAt(kX).setDoubleValue(product / b);
}

std::string FindXcalc::resultNote()
{
    if (fieldAt(kB).doubleValue() == 0)
        return kDividesByZero;
    return kTooLarge;
}

}  // namespace ambrel
