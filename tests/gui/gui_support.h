// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers for driving the desktop program as a person would: open a window
// as its menu button does, type into a cell and press Enter, read the cells.
#pragma once

#include "app/application.h"
#include "app/window_registry.h"
#include "qt/qt_cells.h"
#include "qt/qt_platform.h"
#include "qt/status_line.h"

#include <QtTest>
#include <QtWidgets>
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace ambrel::testing {

inline QWidget* topOf(WindowController& window)
{
    return static_cast<QtWindow*>(window.parts().window)->widget();
}

inline QtField* cellOf(QWidget* top, const char* outlet)
{
    return top->findChild<QtField*>(QString::fromLatin1(outlet));
}

// The note under a window's cells.
inline StatusLine* statusOf(QWidget* top)
{
    return top->findChild<StatusLine*>(QStringLiteral("StatusLine"));
}

// The shown top-level window of that name, or null.
inline QWidget* shownWindow(const QString& name)
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == name && w->isVisible())
            return w;
    return nullptr;
}

// Types `text` over what the cell holds and presses Enter.
inline void typeInto(QLineEdit* cell, const QString& text)
{
    ASSERT_NE(cell, nullptr);
    cell->setFocus();
    cell->selectAll();
    QTest::keyClicks(cell, text);
    QTest::keyClick(cell, Qt::Key_Return);
}

inline void typeInto(QWidget* top, const char* outlet, const char* text)
{
    typeInto(cellOf(top, outlet), QString::fromLatin1(text));
}

// The context menu a key opens on `widget`, or null.
inline QMenu* contextMenuBy(QWidget* widget, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    widget->setFocus();
    QTest::keyClick(widget, key, modifiers);
    return qobject_cast<QMenu*>(QApplication::activePopupWidget());
}

inline QAction* actionNamed(QMenu* menu, const QString& text)
{
    for (QAction* action : menu->actions())
        if (action->text().section(QLatin1Char('\t'), 0, 0) == text)
            return action;
    return nullptr;
}

// The desktop program on platform P, its menu built at 4 decimals.
template <class P = QtPlatform>
struct DesktopOn {
    P platform;
    Application app{platform};
    MenuObject& menu = app.menu();

    DesktopOn()
    {
        menu.parts().accuracyField->setIntValue(4);
        menu.CloseInfoPanel();
    }
    ~DesktopOn()
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            w->hide();
    }

    // Opens a window the way its menu button does and makes it the active one.
    QWidget* open(std::string_view cliName)
    {
        const WindowEntry& entry = *findWindow(cliName);
        WindowController& window = *app.controller(entry.className);
        if (entry.takesAccuracy())
            menu.perform(entry.openAction);
        else
            window.perform(entry.openAction);
        QWidget* top = topOf(window);
        top->activateWindow();
        QApplication::processEvents();
        return top;
    }
};
using Desktop = DesktopOn<>;

// Collects what Qt logs while it lives.
class LogCapture {
public:
    LogCapture() : previous_(qInstallMessageHandler(record)) { lines().clear(); }
    ~LogCapture() { qInstallMessageHandler(previous_); }
    static QStringList& lines()
    {
        static QStringList collected;
        return collected;
    }

private:
    static void record(QtMsgType, const QMessageLogContext&, const QString& message) { lines() << message; }
    QtMessageHandler previous_;
};

}  // namespace ambrel::testing
