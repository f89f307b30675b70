// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/separate_boxes_window.h"

namespace ambrel {

extern const ConverterDef kElectricityDef;

// Current, charge, voltage, resistance, capacitance, inductance and conductance, each box through its own base: the
// ampere, the coulomb, the volt, the ohm, the farad, the henry and the siemens.
class ElectricityObject : public SeparateBoxesWindow {
public:
    explicit ElectricityObject(Platform& platform) : SeparateBoxesWindow(platform, kElectricityDef) {}
};

}  // namespace ambrel
