// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/converter_window.h"

namespace ambrel {

extern const ConverterDef kAccelerationDef;

// Eight accelerations through the meter per second squared.
class AccelerationObject : public ConverterWindow {
public:
    explicit AccelerationObject(Platform& platform) : ConverterWindow(platform, kAccelerationDef) {}
};

}  // namespace ambrel
