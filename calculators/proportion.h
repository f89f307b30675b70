// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/window_controller.h"
#include "framework/window_identity.h"

namespace ambrel {

extern const WindowIdentity kProportionIdentity;

// The missing term x of "A is to B as x is to C".
class FindXcalc : public WindowController {
public:
    explicit FindXcalc(Platform& platform);

    void Calc();
    std::string resultNote() override;
    void OpenfindxWindow() { openWindow(0, 0); }
    void ShowNotebook() { showNotebookDocument("FindxCalc"); }
};

}  // namespace ambrel
