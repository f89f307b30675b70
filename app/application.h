// SPDX-License-Identifier: GPL-3.0-or-later
// The whole program on one platform: the application controller and one
// controller per window, connected the way the menu expects.
#pragma once

#include "app/menu_object.h"
#include "framework/window_controller.h"

#include <memory>
#include <string_view>
#include <vector>

namespace ambrel {

class Application {
public:
    explicit Application(Platform& platform);
    ~Application();

    MenuObject& menu() { return menu_; }
    // The controller of class `className`, or nullptr.
    WindowController* controller(std::string_view className);
    const std::vector<std::unique_ptr<WindowController>>& controllers() const { return controllers_; }

private:
    MenuObject menu_;
    std::vector<std::unique_ptr<WindowController>> controllers_;
    std::vector<std::string_view> classNames_;
};

}  // namespace ambrel
