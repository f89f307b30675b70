// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/converter_window.h"

namespace ambrel {

extern const ConverterDef kLengthDef;

// Lengths through the meter.
class LenghtObject : public ConverterWindow {
public:
    explicit LenghtObject(Platform& platform) : ConverterWindow(platform, kLengthDef) {}
};

}  // namespace ambrel
