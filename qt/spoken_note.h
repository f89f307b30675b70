// SPDX-License-Identifier: GPL-3.0-or-later
// A note for screen readers alone, such as why an entry was refused.
#pragma once

#include <QWidget>

namespace ambrel {

// An invisible notification. Each `say` shows it afresh with the text as its
// name, which a screen reader speaks without moving the focus: Qt's AT-SPI
// bridge (6.4) forwards the "showing" change of a notification, where it
// drops an alert and sends a name or description change without its text.
class SpokenNote : public QWidget {
public:
    explicit SpokenNote(QWidget* parent);
    void say(const QString& text);
};

}  // namespace ambrel
