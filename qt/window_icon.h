// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>

namespace ambrel {

// The program's icon for its windows. Launchers take it from the icon theme
// through the desktop file; the windows carry this built-in copy, which needs
// no image plugin, SVG parser or theme search as the program starts.
QIcon windowIcon();

}  // namespace ambrel
