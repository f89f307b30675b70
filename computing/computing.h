// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "computing/number_base.h"
#include "framework/converter_window.h"

#include <span>

namespace ambrel {

extern const ConverterDef kComputingDef;
// The data size rows under binary (1024) and decimal (1000) prefixes, by the
// tag of BaseRadioSelection. A row's unit is its cell's title.
extern const std::span<const UnitRow> kDataSizeTables[2];

// Eight data sizes through the byte, under the prefix system chosen in
// BaseRadioSelection, and one 32-bit integer in four notations through the
// decimal cell.
class ComputingObject : public ConverterWindow {
public:
    explicit ComputingObject(Platform& platform);

    void Calc();
    void BaseAction();
    void NumConversion();

    // Formats the eight data size cells only.
    void accuracyChange(int digits) override;

protected:
    // Converts with the table of the selected prefix system, or not at all
    // while none is selected.
    void convert(int boxNumber) override;
    void convertExact(int boxNumber) override;
    std::optional<double> convertedValue(int, int, const ExactValue&) override { return std::nullopt; }

private:
    // The prefix system's table index, or -1 when none is selected.
    int prefixSystem();
    // Reads cell `tag` of the number base box; on a refusal sounds the alert
    // and leaves the typed text in the cell.
    bool readNotation(int tag, std::int32_t& value);
};

}  // namespace ambrel
