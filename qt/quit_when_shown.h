// SPDX-License-Identifier: GPL-3.0-or-later
// For start-up measurements: quits the application as soon as its first
// window is on screen.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QWindow>

namespace ambrel {

class QuitWhenShown : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Expose) {
            auto* window = qobject_cast<QWindow*>(watched);
            if (window && window->isExposed())
                QCoreApplication::exit(0);
        }
        return false;
    }
};

}  // namespace ambrel
