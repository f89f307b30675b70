// SPDX-License-Identifier: GPL-3.0-or-later
// Where windows open and how large: never larger than the screen's free
// area, where the person last left them, and otherwise beside the main menu.
#pragma once

#include "framework/platform.h"

#include <QPointer>
#include <QRect>
#include <QWidget>
#include <optional>

namespace ambrel {

// Sizes `window` to its contents, at most `area` with room for the frame.
// A converter window first lays its boxes out in as many columns as fit.
void fitWindowTo(QWidget* window, const QRect& area);

// The free area of the screen that shows most of `frame`; none when the
// frame lies on no screen at all, or only a sliver of its title bar does.
std::optional<QRect> screenAreaShowing(const QRect& frame);

class WindowPlacer {
public:
    explicit WindowPlacer(UserDefaults& defaults) : defaults_(defaults) {}
    void setMainMenu(QWidget* menu) { mainMenu_ = menu; }

    // Before a window is shown: fitted to its screen, then put where it was
    // last left if that is still on a screen, otherwise the main menu at the
    // left and any other window beside it where its boxes show across,
    // cascading, or else at the far side of the screen from the menu.
    void place(QWidget* window);
    // The same within `area`, the free area of the main menu's screen.
    void place(QWidget* window, QRect area);
    // Stores where `window` is, for the next time it opens.
    void remember(QWidget* window);
    // The stored position of the window named `name`, if any.
    std::optional<QPoint> storedPosition(const QString& name) const;

private:
    // Fitted into the free part of `area` beside the menu where its boxes
    // show across; none when no part is wide enough.
    std::optional<QPoint> besideMainMenu(QWidget* window, const QRect& area);
    // Where a window too large for the room beside the menu covers least of it.
    QPoint overMainMenu(const QSize& frame, const QRect& area);

    UserDefaults& defaults_;
    QPointer<QWidget> mainMenu_;
    int cascaded_ = 0;
};

}  // namespace ambrel
