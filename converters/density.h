// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/converter_window.h"

namespace ambrel {

extern const ConverterDef kDensityDef;

// Densities and mass concentrations through the kilogram per cubic meter.
class DensityObject : public ConverterWindow {
public:
    explicit DensityObject(Platform& platform) : ConverterWindow(platform, kDensityDef) {}
};

}  // namespace ambrel
