// SPDX-License-Identifier: GPL-3.0-or-later
// Keys that work the same in every window of the program.
#pragma once

#include <QObject>

namespace ambrel {

// Installed on the application: Ctrl+Q quits from any window, and Return or
// Enter on a focused push button presses it, as Space does, also outside
// dialogs where Qt leaves Return to the default button.
class KeyboardFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// Closes every window and ends the program.
void quitAmbrel();

}  // namespace ambrel
