// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/separate_boxes_window.h"

namespace ambrel {

extern const ConverterDef kRadiationDef;

// Absorbed dose, equivalent dose, activity and exposure, each box through its own base: the gray, the sievert, the
// becquerel and the coulomb per kilogram.
class RadiationObject : public SeparateBoxesWindow {
public:
    explicit RadiationObject(Platform& platform) : SeparateBoxesWindow(platform, kRadiationDef) {}
};

}  // namespace ambrel
