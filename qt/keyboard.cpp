// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/keyboard.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>

namespace ambrel {

void quitAmbrel()
{
    QApplication::closeAllWindows();
    QCoreApplication::quit();
}

bool KeyboardFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride)
        return QObject::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    // Ctrl+Q whatever the desktop's key theme says, which may bind none.
    const bool quit = key->matches(QKeySequence::Quit) ||
        (key->key() == Qt::Key_Q && (key->modifiers() & ~Qt::KeypadModifier) == Qt::ControlModifier);
    if (quit) {
        // Taking the override keeps any window's own shortcut from it; the
        // key press that follows quits.
        event->accept();
        if (event->type() == QEvent::KeyPress)
            quitAmbrel();
        return true;
    }
    if (event->type() == QEvent::KeyPress && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
        !(key->modifiers() & ~Qt::KeypadModifier)) {
        auto* button = qobject_cast<QPushButton*>(watched);
        // An auto-default button in a dialog handles Return itself.
        if (button && button->isEnabled() && button->hasFocus() && !button->autoDefault()) {
            button->animateClick();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace ambrel
