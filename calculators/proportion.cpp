// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculators/proportion.h"

namespace ambrel {

namespace {

enum : int { kA, kB, kC, kX };

WindowPlan makePlan()
{
    WindowPlan plan;
    plan.outlet = "findxWindow";
    plan.title = "Proportion";
    plan.boxes = {
        {"formA", "A is to …", "Calc:"},
        {"formB", "… B as …", "Calc:"},
        {"formx", "… x is to …", ""},
        {"formC", "… C", "Calc:"},
    };
    plan.fields = {
        {"formA", "A", 0, 0},
        {"formB", "B", 1, 0},
        {"formC", "C", 3, 0},
        {"formx", "x = A × C ÷ B", 2, 0, FieldKind::Number, true},
    };
    plan.buttons = {{"&Calculate", "Calc:"}};
    plan.addNotebookButton("ShowNotebook:");
    return plan;
}

}  // namespace

const WindowIdentity kProportionIdentity = {
    .cliName = "proportion",
    .className = "FindXcalc",
    .openAction = "OpenfindxWindow:",
    .menuTitle = "&Proportion…",
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
        return "B is 0, and x = A × C ÷ B divides by it";
    return "x is too large for a number";
}

}  // namespace ambrel
