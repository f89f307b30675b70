// SPDX-License-Identifier: GPL-3.0-or-later
// Whether a desktop session is there to show windows in. Checked before Qt
// starts, since Qt aborts when it finds no display.
#pragma once

#include <cstdlib>
#include <initializer_list>

namespace ambrel {

inline bool hasDisplay()
{
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char* value = std::getenv(name);
        if (value && *value)
            return true;
    }
    return false;
}

inline constexpr const char* kNoDisplayMessage =
    "ambrel: the desktop program needs a display (neither DISPLAY nor WAYLAND_DISPLAY is set); "
    "for the command line see 'ambrel --help'\n";

}  // namespace ambrel
