// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/separate_boxes_window.h"

namespace ambrel {

extern const ConverterDef kHeatDef;

// Specific energy, specific heat capacity, thermal conductivity, heat flux density, heat transfer coefficient and
// thermal insulance, each box through its own base.
class HeatObject : public SeparateBoxesWindow {
public:
    explicit HeatObject(Platform& platform) : SeparateBoxesWindow(platform, kHeatDef) {}
};

}  // namespace ambrel
