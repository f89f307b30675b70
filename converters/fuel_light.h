// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/separate_boxes_window.h"

namespace ambrel {

extern const ConverterDef kFuelLightDef;

// Three converters side by side (fuel efficiency, illuminance, luminance),
// each with its own base; an entry converts only within its own box.
class MiscObject : public SeparateBoxesWindow {
public:
    explicit MiscObject(Platform& platform);

    void CalcFuelEfficency() { boxAction(kFuelBox); }
    void CalcIlluminance() { boxAction(kIlluminanceBox); }
    void CalcLumiance() { boxAction(kLuminanceBox); }
    // The window has no box numbers, so its Calc: does nothing.
    void Calc() {}

    static constexpr int kFuelBox = 0;
    static constexpr int kIlluminanceBox = 1;
    static constexpr int kLuminanceBox = 2;
};

}  // namespace ambrel
