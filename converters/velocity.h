// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/converter_window.h"

namespace ambrel {

extern const ConverterDef kVelocityDef;

// Sixteen speeds through the kilometer per hour. The warp factor is not a
// linear unit: it follows the light-speed field, and both are capped at
// warp 9.99.
class VelocityObject : public ConverterWindow {
public:
    explicit VelocityObject(Platform& platform);

    static constexpr double kWarpCap = 9.99;
    // The light-speed multiple of warp 9.99.
    static constexpr double kLightSpeedCap = 2147.261615534098;
    // c = w^kWarpIn on the way in, w = c^kWarpOut on the way out; the two
    // are deliberately not exact inverses.
    static constexpr double kWarpIn = 3.3333333333;
    static constexpr double kWarpOut = 0.3;

protected:
    void convert(int boxNumber) override;
    void convertExact(int boxNumber) override;
    // The warp field follows the light-speed field, not the table.
    std::optional<double> convertedValue(int, int, const ExactValue&) override { return std::nullopt; }

private:
    // The warp entry, capped; its light-speed multiple.
    double warpEntry();
    // The light-speed field capped, and the warp factor from it.
    void writeWarp();

    int lightRow_;
    int warpRow_;
};

}  // namespace ambrel
