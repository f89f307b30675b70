// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/application.h"

#include "app/window_registry.h"
#include "framework/converter_window.h"

namespace ambrel {

Application::Application(Platform& platform) : menu_(platform)
{
    for (const WindowEntry& entry : windowRegistry()) {
        controllers_.push_back(entry.make(platform));
        classNames_.push_back(entry.className);
        menu_.connect(entry.className, controllers_.back().get());
    }
}

Application::~Application() = default;

WindowController* Application::controller(std::string_view className)
{
    for (std::size_t i = 0; i < controllers_.size(); ++i)
        if (classNames_[i] == className)
            return controllers_[i].get();
    return nullptr;
}

}  // namespace ambrel
