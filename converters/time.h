// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/converter_window.h"

namespace ambrel {

extern const ConverterDef kTimeDef;

// Twelve durations through the hour, in one box whose action is Calc:
// itself. Years have 365 days.
class TimeObject : public ConverterWindow {
public:
    explicit TimeObject(Platform& platform) : ConverterWindow(platform, kTimeDef) {}

    // Sounds the alert once, then formats the fields.
    void accuracyChange(int digits) override;
};

}  // namespace ambrel
