// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/converter_window.h"

namespace ambrel {

extern const ConverterDef kPowerEnergyDef;

// Twelve powers through the watt and fourteen energies through the joule.
// The two bases are linked as for one second: after an entry in either box
// its base number is copied into the other base.
class PowerEnergyObject : public ConverterWindow {
public:
    explicit PowerEnergyObject(Platform& platform) : ConverterWindow(platform, kPowerEnergyDef) {}

    void CalcPower() { boxAction(kPowerBox); }
    void CalcEnergy() { boxAction(kEnergyBox); }

    static constexpr int kPowerBox = 0;
    static constexpr int kEnergyBox = 1;

protected:
    void convert(int boxNumber) override;
    void convertExact(int boxNumber) override;
    // An entry in one box converts the other box too, through the linked bases.
    std::optional<double> convertedValue(int, int, const ExactValue&) override { return std::nullopt; }
};

}  // namespace ambrel
