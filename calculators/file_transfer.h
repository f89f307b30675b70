// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/window_controller.h"
#include "framework/window_identity.h"

namespace ambrel {

// Whole sixties in an amount and what is left over: the hours in a number
// of minutes, or the minutes in a number of seconds.
struct Sixties {
    double count;
    double rest;
};

// The same counts as taking 60 away until less than 60 is left, without the
// loop, so that any amount answers at once. An amount below 60, negative or
// not a number counts none and is left as it is; an infinite amount counts
// infinitely many and leaves an infinite rest, so every field reads "inf".
Sixties countSixties(double amount);

extern const WindowIdentity kFileTransferIdentity;

// How long a file takes to cross a line of a given speed, in hours, minutes
// and seconds.
class FileTransferCalc : public WindowController {
public:
    explicit FileTransferCalc(Platform& platform);

    // Bytes per second of the line speed with tag `tag`; unknown tags give
    // the slowest line. The classic rates count k = 1024, exact ones 1000.
    static double lineSpeed(int tag, bool exact = false);
    // Calculates again with the other rates, if it has calculated before.
    void setExactDefinitions(bool on) override;

    void Calc();
    void FileSize1MB() { preset(1048576, kBytesItem); }
    void FileSize5MB() { preset(5, kMegabytesItem); }
    void FileSize10MB() { preset(10, kMegabytesItem); }
    void OpenFileTransCalcWindow();
    std::string resultNote() override;
    // Your own line speed: selects it and calculates.
    void OwnSpeed();
    // The own speed cell takes bits or bytes per second with SI prefixes.
    std::optional<ExactValue> amountIn(int fieldIndex, std::string_view unit, const ExactValue& amount) override;
    std::string unitRefusal(std::string_view unit) override;
    std::string entryRefusal(int fieldIndex, const ExactValue& value) override;
    void ShowNotebook() { showNotebookDocument("FileTransfer"); }

private:
    static constexpr int kBytesItem = 0;
    static constexpr int kMegabytesItem = 2;

    // One pop-up is both the unit read by Calc (by tag) and the one the
    // presets set (by index); its item indices equal its tags.
    Choice& BytesSelPopup() { return *choice("BytesSelPopup"); }
    Choice& InXBytes() { return BytesSelPopup(); }

    void preset(double size, int unitIndex);

    bool calculated_ = false;
};

}  // namespace ambrel
