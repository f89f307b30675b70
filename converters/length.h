// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/converter_window.h"

namespace ambrel {

extern const ConverterDef kLengthDef;

// Nineteen lengths through the meter.
class LenghtObject : public ConverterWindow {
public:
    explicit LenghtObject(Platform& platform) : ConverterWindow(platform, kLengthDef) {}

    void Calc(int boxNumber) { calc(boxNumber); }
    void MetricCalc() { boxAction(0); }
    void ImperialCalc() { boxAction(1); }
    void AstroCalc() { boxAction(2); }
    void OpenLenghtWindow() { open(); }
    void ShowNotebook() { showNotebook(); }
};

}  // namespace ambrel
