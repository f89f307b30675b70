// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/converter_window.h"

namespace ambrel {

extern const ConverterDef kVolumeDef;

// Forty volumes through the liter, in six boxes.
class VolumeObject : public ConverterWindow {
public:
    explicit VolumeObject(Platform& platform) : ConverterWindow(platform, kVolumeDef) {}

    void Calc(int boxNumber) { calc(boxNumber); }
    void CalcMetricLiquid() { boxAction(0); }
    void CalcMetricDry() { boxAction(1); }
    void CalcImperial() { boxAction(2); }
    void CalcUS() { boxAction(3); }
    void CalcCookingMetric() { boxAction(4); }
    void CalcCookingImperial() { boxAction(5); }
    void OpenVolumeWindow() { open(); }
    void ShowNotebook() { showNotebook(); }
};

}  // namespace ambrel
