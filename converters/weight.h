// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/converter_window.h"

namespace ambrel {

extern const ConverterDef kWeightDef;

// Thirty-three masses through the gram, in four boxes. Opens on the
// kilogram rather than the gram.
class WeightObject : public ConverterWindow {
public:
    explicit WeightObject(Platform& platform) : ConverterWindow(platform, kWeightDef) {}
};

}  // namespace ambrel
