// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/converter_window.h"

namespace ambrel {

extern const ConverterDef kFrequencyDef;

// Eight frequencies and speeds of rotation through the hertz.
class FrequencyObject : public ConverterWindow {
public:
    explicit FrequencyObject(Platform& platform) : ConverterWindow(platform, kFrequencyDef) {}
};

}  // namespace ambrel
