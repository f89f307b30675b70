// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/converter_window.h"

namespace ambrel {

extern const ConverterDef kTemperatureDef;

// Four temperature scales through the degree Celsius, in one box whose
// action is Calc: itself.
class TempObject : public ConverterWindow {
public:
    explicit TempObject(Platform& platform) : ConverterWindow(platform, kTemperatureDef) {}

    // Beeps after the document, whether or not it was found.
    void showNotebook() override;
    // A temperature below absolute zero, as the table set in use puts it
    // (the classic tables at -273 °C, exact definitions at -273.15 °C).
    std::string entryRefusal(int fieldIndex, const ExactValue& value) override;

protected:
    // Every scale but Celsius is rewritten after each entry, the one typed
    // into included.
    void convert(int boxNumber) override;
    std::optional<double> convertedValue(int, int, const ExactValue&) override { return std::nullopt; }

private:
    // The Fahrenheit cell, reached through the box by position.
    Field* fahrenheitCell();
};

}  // namespace ambrel
