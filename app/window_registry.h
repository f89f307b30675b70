// Every window the program has, by the name the command line uses.
#pragma once

#include "framework/window_controller.h"

#include <memory>
#include <span>
#include <string_view>

namespace ambrel {

struct WindowEntry {
    const char* cliName;      // "length"
    const char* className;    // "LenghtObject"
    const char* openAction;   // "OpenLenghtWindow:"
    bool takesAccuracy;       // converters do; the further calculators do not
    std::unique_ptr<WindowController> (*make)(Platform&);
};

std::span<const WindowEntry> windowRegistry();
const WindowEntry* findWindow(std::string_view cliName);

// Makes the window of `entry` and opens it the way the menu does: the table
// set, the accuracy (converters only), then its opening action.
std::unique_ptr<WindowController> openWindow(const WindowEntry& entry, Platform& platform, int accuracy,
                                             bool exact = false);

}  // namespace ambrel
