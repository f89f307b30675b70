#include "app/window_registry.h"

#include "converters/length.h"

namespace ambrel {

namespace {

template <class T>
std::unique_ptr<WindowController> make(Platform& platform)
{
    return std::make_unique<T>(platform);
}

constexpr WindowEntry kWindows[] = {
    {"length", "LenghtObject", "OpenLenghtWindow:", true, make<LenghtObject>},
};

}  // namespace

std::span<const WindowEntry> windowRegistry()
{
    return kWindows;
}

const WindowEntry* findWindow(std::string_view cliName)
{
    for (const WindowEntry& e : kWindows)
        if (cliName == e.cliName)
            return &e;
    return nullptr;
}

}  // namespace ambrel
