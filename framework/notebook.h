// SPDX-License-Identifier: GPL-3.0-or-later
// Showing a window's explanatory document in the shared notebook window.
#pragma once

#include "framework/platform.h"

#include <string>
#include <string_view>

namespace ambrel {

// Looks up the document `name` among the notebook resources. If it is
// missing nothing is shown and nothing said; otherwise the notebook window
// shows it under its readable title and comes to the front. A document that
// cannot be read leaves its path as the text. Returns whether it was found.
bool showNotebook(Platform& platform, std::string_view name);

// The notebook window's title for the document `name`: "Proportion — Notes".
std::string notebookTitle(std::string_view name);

}  // namespace ambrel
