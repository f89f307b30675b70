// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/separate_boxes_window.h"

namespace ambrel {

extern const ConverterDef kFlowDef;

// Volume and mass flow rates, each box through its own base: the cubic meter per second and the kilogram per second.
class FlowObject : public SeparateBoxesWindow {
public:
    explicit FlowObject(Platform& platform) : SeparateBoxesWindow(platform, kFlowDef) {}
};

}  // namespace ambrel
