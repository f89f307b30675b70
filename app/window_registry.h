// SPDX-License-Identifier: GPL-3.0-or-later
// Every window the program has, each declared once with its window (its
// WindowIdentity); the menu, its buttons, the accuracy broadcast and the
// command line's window list all come from here.
#pragma once

#include "framework/window_controller.h"
#include "framework/window_identity.h"

#include <memory>
#include <span>
#include <string_view>
#include <vector>

namespace ambrel {

struct ConverterDef;

struct WindowEntry : WindowIdentity {
    std::unique_ptr<WindowController> (*make)(Platform&);
    // A converter's table; null for a calculator.
    const ConverterDef* def = nullptr;

    bool takesAccuracy() const { return kind == WindowKind::Converter; }
};

// In the command line's order.
std::span<const WindowEntry> windowRegistry();
const WindowEntry* findWindow(std::string_view cliName);
const WindowEntry* findWindowByClass(std::string_view className);

// The windows of one kind in the order their buttons are listed.
std::vector<const WindowEntry*> menuOrder(WindowKind kind);
// The converters in the order an accuracy change reaches them.
std::vector<const WindowEntry*> broadcastOrder();

// Makes the window of `entry` and opens it the way the menu does: the table
// set and the accuracy first (converters only), then its opening action.
std::unique_ptr<WindowController> openWindow(const WindowEntry& entry, Platform& platform, int accuracy, bool exact);

}  // namespace ambrel
