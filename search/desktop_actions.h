// SPDX-License-Identifier: GPL-3.0-or-later
// What a chosen result does outside this service: the text on the clipboard,
// or the desktop program opened with its finder holding the search.
#pragma once

#include <QString>

namespace ambrel {

// Hands `text` to the desktop's clipboard keeper (Plasma's Klipper), which
// holds it after this windowless service has gone.
void copyToClipboard(const QString& text);

// Starts the desktop program with `text` in its finder.
void openInDesktopProgram(const QString& text);

}  // namespace ambrel
