// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/converter_window.h"

namespace ambrel {

extern const ConverterDef kVolumeDef;

// Forty volumes through the liter, in six boxes.
class VolumeObject : public ConverterWindow {
public:
    explicit VolumeObject(Platform& platform) : ConverterWindow(platform, kVolumeDef) {}
};

}  // namespace ambrel
