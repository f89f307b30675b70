// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/separate_boxes_window.h"

namespace ambrel {

extern const ConverterDef kMagnetismDef;

// Flux density, flux, field strength and magnetomotive force, each box through its own base: the tesla, the weber,
// the ampere per meter and the ampere-turn.
class MagnetismObject : public SeparateBoxesWindow {
public:
    explicit MagnetismObject(Platform& platform) : SeparateBoxesWindow(platform, kMagnetismDef) {}
};

}  // namespace ambrel
