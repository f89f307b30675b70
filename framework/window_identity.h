// SPDX-License-Identifier: GPL-3.0-or-later
// Who a window is, declared once beside the window itself: the command line,
// the menu, its buttons and the accuracy broadcast all read it from here.
#pragma once

#include "framework/translatable.h"

namespace ambrel {

enum class WindowKind {
    Converter,   // opened from the main menu, takes the accuracy
    Calculator,  // opened from the window of further calculators
};

// The part of the main menu a converter's button is in.
enum class MenuGroup {
    Everyday,
    Science,  // science and engineering
    Computing,
};

constexpr const char* menuGroupTitle(MenuGroup group)
{
    switch (group) {
    case MenuGroup::Everyday: return AMBREL_TEXT("Everyday");
    case MenuGroup::Science: return AMBREL_TEXT("Science and engineering");
    case MenuGroup::Computing: return AMBREL_TEXT("Computing");
    }
    return "";
}

struct WindowIdentity {
    const char* cliName = "";     // "length"
    const char* className = "";   // "LenghtObject"
    const char* openAction = "";  // "OpenLenghtWindow:"
    const char* menuTitle = "";   // "&Length": its button, with the mnemonic
    WindowKind kind = WindowKind::Converter;
    MenuGroup menuGroup = MenuGroup::Everyday;
    int menuPosition = 0;  // the button's place among those of its kind, within its group
    // Converters: the place of this window when an accuracy change reaches
    // the opened converters (temperature first).
    int broadcastRank = -1;
};

}  // namespace ambrel
