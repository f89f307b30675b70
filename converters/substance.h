// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/separate_boxes_window.h"

namespace ambrel {

extern const ConverterDef kSubstanceDef;

// Amount of substance, molar concentration, molality and catalytic activity, each box through its own base: the
// mole, the mole per liter, the mole per kilogram and the katal.
class SubstanceObject : public SeparateBoxesWindow {
public:
    explicit SubstanceObject(Platform& platform) : SeparateBoxesWindow(platform, kSubstanceDef) {}
};

}  // namespace ambrel
