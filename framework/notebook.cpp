// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/notebook.h"

#include "framework/translatable.h"

#include <optional>
#include <string>
#include <utility>

namespace ambrel {

namespace {

// Documents whose names are not words a person would read. Documents named
// otherwise than their windows carry the window's title, so the notes say
// which window they explain.
// clang-format off
constexpr std::pair<std::string_view, const char*> kReadable[] = {
    {"PowerEnergy", AMBREL_TEXT("Power and energy")},     {"Misc", AMBREL_TEXT("Fuel efficiency and light")},
    {"FileTransfer", AMBREL_TEXT("File transfer time")},  {"FindxCalc", AMBREL_TEXT("Proportion")},
    {"Interpolate", AMBREL_TEXT("Linear interpolation")}, {"PowerWeightRatio", AMBREL_TEXT("Power to weight")},
    {"Frequency", AMBREL_TEXT("Frequency and rotation")}, {"DataRate", AMBREL_TEXT("Data rate")},
    {"Radiation", AMBREL_TEXT("Ionizing radiation")},     {"Substance", AMBREL_TEXT("Amount of substance")},
    {"Summary", AMBREL_TEXT("Summary")},
};
// clang-format on
constexpr const char* kNotes = AMBREL_TEXT("%1 — Notes");

}  // namespace

std::string notebookTitle(std::string_view name)
{
    // The other documents are named as their windows are titled.
    std::string_view readable = name;
    for (const auto& [document, title] : kReadable)
        if (document == name)
            readable = title;
    return fillText(localText(kNotes), {localText(readable)});
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
