// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/converter_window.h"

namespace ambrel {

extern const ConverterDef kTorqueDef;

// Ten torques through the newton meter.
class TorqueObject : public ConverterWindow {
public:
    explicit TorqueObject(Platform& platform) : ConverterWindow(platform, kTorqueDef) {}
};

}  // namespace ambrel
