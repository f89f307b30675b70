// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/window_controller.h"
#include "framework/window_identity.h"

namespace ambrel {

extern const WindowIdentity kInterpolationIdentity;

// The value at B on the straight line through the points (A, D) and (C, E).
class InterpolateCalc : public WindowController {
public:
    explicit InterpolateCalc(Platform& platform);

    void Calc();
    std::string resultNote() override;
    void OpenInterpolateCalcWindow() { openWindow(0, 0); }
    void ShowNotebook() { showNotebookDocument("Interpolate"); }
};

}  // namespace ambrel
