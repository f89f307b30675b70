#pragma once

#include "framework/window_controller.h"

namespace ambrel {

// Horsepower per unit of weight, always shown to three decimals.
class PowerWeightRatio : public WindowController {
public:
    explicit PowerWeightRatio(Platform& platform);

    void Calc();
    void OpenPowerWeightRatioWindow();
    void ShowNoteBook() { showNotebookDocument("PowerWeightRatio"); }
};

}  // namespace ambrel
