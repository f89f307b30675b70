// SPDX-License-Identifier: GPL-3.0-or-later
// A converter window of several quantities side by side (current, charge,
// voltage, ...), each box with its own base: an entry converts only within
// its own box, and each box keeps its own last entry.
#pragma once

#include "framework/converter_window.h"

namespace ambrel {

class SeparateBoxesWindow : public ConverterWindow {
public:
    using ConverterWindow::ConverterWindow;

    bool convertsBetween(int from, int to) const override;

protected:
    void convert(int box) override;
    void convertExact(int box) override;
    void repeatEntries() override;
};

}  // namespace ambrel
