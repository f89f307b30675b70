// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/converter_window.h"

namespace ambrel {

extern const ConverterDef kForceDef;

// Twelve forces through the newton.
class ForceObject : public ConverterWindow {
public:
    explicit ForceObject(Platform& platform) : ConverterWindow(platform, kForceDef) {}
};

}  // namespace ambrel
