// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/separate_boxes_window.h"

namespace ambrel {

extern const ConverterDef kViscosityDef;

// Dynamic and kinematic viscosity, each box through its own base: the pascal second and the square meter per second.
class ViscosityObject : public SeparateBoxesWindow {
public:
    explicit ViscosityObject(Platform& platform) : SeparateBoxesWindow(platform, kViscosityDef) {}
};

}  // namespace ambrel
