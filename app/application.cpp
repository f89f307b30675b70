#include "app/application.h"

#include "app/window_registry.h"
#include "framework/converter_window.h"

namespace ambrel {

Application::Application(Platform& platform) : menu_(platform)
{
    for (const WindowEntry& entry : windowRegistry()) {
        controllers_.push_back(entry.make(platform));
        classNames_.push_back(entry.className);
        for (int i = 0; i < kConverterCount; ++i)
            if (kConverterClassNames[i] == entry.className)
                menu_.connect(static_cast<Converter>(i),
                              dynamic_cast<ConverterWindow*>(controllers_.back().get()));
        for (int i = 0; i < kCalculatorCount; ++i)
            if (kCalculatorOpenActions[i] == entry.openAction)
                menu_.connectCalculator(i, controllers_.back().get());
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
