// SPDX-License-Identifier: GPL-3.0-or-later
// Printing a window: converters and notes as documents, anything else as
// a picture of the window.
#pragma once

class QPrinter;
class QWidget;

namespace ambrel {

// Asks for a printer, then prints `window` on it.
void printWindow(QWidget* window);
// Prints `window` on `printer`; false if nothing was printed.
bool printWindowTo(QWidget* window, QPrinter& printer);

}  // namespace ambrel
