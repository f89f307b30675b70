// SPDX-License-Identifier: GPL-3.0-or-later
// Printing a window: converters and notes as documents, anything else as
// a picture of the window.
#pragma once

class QPagedPaintDevice;
class QWidget;

namespace ambrel {

// Asks for a printer, then prints `window` on it.
void printWindow(QWidget* window);
// Prints `window` on `printer` (a printer, or a PDF writer); false if nothing
// was printed.
bool printWindowTo(QWidget* window, QPagedPaintDevice& printer);

}  // namespace ambrel
