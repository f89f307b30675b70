// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/converter_window.h"

namespace ambrel {

extern const ConverterDef kPressureDef;

// Fifteen pressures through the kilopascal.
class PressureObject : public ConverterWindow {
public:
    explicit PressureObject(Platform& platform) : ConverterWindow(platform, kPressureDef) {}
};

}  // namespace ambrel
