// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/converter_window.h"

namespace ambrel {

extern const ConverterDef kDataRateDef;

// Sixteen data rates through the bit per second.
class DataRateObject : public ConverterWindow {
public:
    explicit DataRateObject(Platform& platform) : ConverterWindow(platform, kDataRateDef) {}
};

}  // namespace ambrel
