// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculators/interpolation.h"
#include "framework/translatable.h"

namespace ambrel {

namespace {

// Why a result has no value.
constexpr const char* kNoLine = AMBREL_TEXT("A equals C, so the points give no line");
constexpr const char* kTooLarge = AMBREL_TEXT("x is too large for a number");

enum : int { kA, kB, kC, kD, kE, kX };

// The boxes read as the two known points, then the wanted abscissa and the
// answer; the cells keep the order of the letters.
WindowPlan makePlan()
{
    WindowPlan plan;
    plan.outlet = "InterpolateCalcWindow";
    plan.title = AMBREL_TEXT("Linear interpolation");
    plan.boxes = {
        {"formA", AMBREL_TEXT("First known point: at A …"), "Calc:"},
        {"formD", AMBREL_TEXT("… the value is D"), "Calc:"},
        {"formC", AMBREL_TEXT("Second known point: at C …"), "Calc:"},
        {"formE", AMBREL_TEXT("… the value is E"), "Calc:"},
        {"formB", AMBREL_TEXT("Wanted: at B …"), "Calc:"},
        {"formx", AMBREL_TEXT("… the value is x"), ""},
    };
    plan.fields = {
        {"formA", "A", 0, 0}, {"formB", "B", 4, 0}, {"formC", "C", 2, 0},
        {"formD", "D", 1, 0}, {"formE", "E", 3, 0}, {"formx", "x", 5, 0, FieldKind::Number, true},
    };
    plan.buttons = {{AMBREL_TEXT("&Calculate"), "Calc:"}};
    plan.addNotebookButton("ShowNotebook:");
    return plan;
}

}  // namespace

const WindowIdentity kInterpolationIdentity = {
    .cliName = "interpolation",
    .className = "InterpolateCalc",
    .openAction = "OpenInterpolateCalcWindow:",
    .menuTitle = AMBREL_TEXT("&Linear interpolation…"),
    .kind = WindowKind::Calculator,
    .menuPosition = 2,
};

InterpolateCalc::InterpolateCalc(Platform& platform) : WindowController(platform, makePlan())
{
    addAction("Calc:", [this] { Calc(); });
    addAction(kInterpolationIdentity.openAction, [this] { OpenInterpolateCalcWindow(); });
    addAction("ShowNotebook:", [this] { ShowNotebook(); });
}

void InterpolateCalc::Calc()
{
    const double a = fieldAt(kA).doubleValue();
    const double b = fieldAt(kB).doubleValue();
    const double c = fieldAt(kC).doubleValue();
    const double d = fieldAt(kD).doubleValue();
    const double e = fieldAt(kE).doubleValue();
    // x = D + ((E − D) × (B − A)) ÷ (C − A): the product before the division.
    const double rise = e - d;
    const double run = b - a;
    const double span = c - a;
    const double product = rise * run;
    const double quotient = product / span;
    fieldAt(kX).setDoubleValue(d + quotient);
}

std::string InterpolateCalc::resultNote()
{
    if (fieldAt(kA).doubleValue() == fieldAt(kC).doubleValue())
        return kNoLine;
    return kTooLarge;
}

}  // namespace ambrel
