// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/window_controller.h"
#include "framework/window_identity.h"

namespace ambrel {

extern const WindowIdentity kPowerWeightIdentity;

// Horsepower per unit of weight, always shown to three decimals.
class PowerWeightRatio : public WindowController {
public:
    explicit PowerWeightRatio(Platform& platform);

    void Calc();
    std::string resultNote() override;
    void OpenPowerWeightRatioWindow();
    void ShowNoteBook() { showNotebookDocument("PowerWeightRatio"); }
};

}  // namespace ambrel
