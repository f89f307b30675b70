// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/converter_window.h"

namespace ambrel {

extern const ConverterDef kAngleDef;

// Ten angles through the degree.
class AngleObject : public ConverterWindow {
public:
    explicit AngleObject(Platform& platform) : ConverterWindow(platform, kAngleDef) {}
};

}  // namespace ambrel
