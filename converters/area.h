// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/converter_window.h"

namespace ambrel {

extern const ConverterDef kAreaDef;

// Thirteen areas through the square meter.
class AreaObject : public ConverterWindow {
public:
    explicit AreaObject(Platform& platform) : ConverterWindow(platform, kAreaDef) {}
};

}  // namespace ambrel
