// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers for driving the desktop program as a person would: open a window
// as its menu button does, type into a cell and press Enter, read the cells.
#pragma once

#include "app/application.h"
#include "app/window_registry.h"
#include "framework/converter_window.h"
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

// A controller's window, one of its cells, and the note under its cells.
inline const auto topOf = [](WindowController& w) { return static_cast<QtWindow*>(w.parts().window)->widget(); };
inline const auto cellOf = [](QWidget* top, const char* outlet) { return top->findChild<QtField*>(outlet); };
inline const auto statusOf = [](QWidget* top) { return top->findChild<StatusLine*>(QStringLiteral("StatusLine")); };

// The shown top-level window of that name, or null.
inline QWidget* shownWindow(const QString& name)
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == name && w->isVisible())
            return w;
    return nullptr;
}

// What a person is told of a window's cells: each name and full value.
inline std::vector<std::string> shownCells(QWidget* top)
{
    std::vector<std::string> shown;
    for (QtField* cell : top->findChildren<QtField*>())
        shown.push_back(cell->accessibleName().toStdString() + "=" + cell->fullValueText().toStdString());
    return shown;
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

    QWidget* top(std::string_view className) { return topOf(*app.controller(className)); }
    ConverterWindow& converter(std::string_view name) { return dynamic_cast<ConverterWindow&>(*app.controller(name)); }

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

// The program launched from the desktop, as a first or a later run. The
// information panel's timer would outlive the platform; it is only counted.
struct Launch : QtPlatform {
    int timers = 0;
    Application app{*this};
    MenuObject& menu = app.menu();
    Launch() { menu.applicationDidFinishLaunching(); }
    void scheduleTimer(double, std::function<void()>) override { ++timers; }
    QSpinBox* accuracy() { return mainMenuWidget()->findChild<QSpinBox*>(QStringLiteral("AccuracyField")); }
    QCheckBox* exact() { return mainMenuWidget()->findChild<QCheckBox*>(QStringLiteral("ExactDefinitions")); }
};

// Collects what Qt logs while it lives.
struct LogCapture {
    static inline QStringList lines;
    QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& line) { lines << line; });
    LogCapture() { lines.clear(); }
    ~LogCapture() { qInstallMessageHandler(previous); }
    std::string all() const { return lines.join('\n').toStdString(); }
};

}  // namespace ambrel::testing
