// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/notebook.h"

#include <optional>
#include <string>
#include <utility>

namespace ambrel {

std::string notebookTitle(std::string_view name)
{
    // Documents whose names are not words a person would read.
    // Documents named otherwise than their windows carry the window's title,
    // so the notes say which window they explain.
    static constexpr std::pair<std::string_view, std::string_view> kReadable[] = {
        {"PowerEnergy", "Power and energy"},     {"Misc", "Fuel efficiency and light"},
        {"FileTransfer", "File transfer time"},  {"FindxCalc", "Proportion"},
        {"Interpolate", "Linear interpolation"}, {"PowerWeightRatio", "Power to weight"},
        {"Frequency", "Frequency and rotation"}, {"DataRate", "Data rate"},
        {"Radiation", "Ionizing radiation"},     {"Substance", "Amount of substance"},
    };
    std::string_view readable = name;
    for (const auto& [document, title] : kReadable)
        if (document == name)
            readable = title;
    return std::string(readable) + " \u2014 Notes";
}

bool showNotebook(Platform& platform, std::string_view name)
{
    const std::optional<std::string> path = platform.pathForResource(name, "rtfd");
    if (!path)
        return false;
    NotebookView* view = platform.notebookView();
    Window* notebook = platform.notebookWindow();
    if (!view || !notebook)
        return true;
    view->setString(*path);
    view->readDocumentFromFile(*path);
    notebook->setTitle(notebookTitle(name));
    notebook->center();
    notebook->makeKeyAndOrderFront();
    return true;
}

}  // namespace ambrel
