// SPDX-License-Identifier: GPL-3.0-or-later
// The application's own windows: the main menu, the information panel, the
// window of further calculators and the notebook window.
#pragma once

#include "framework/platform.h"

#include <QCoreApplication>
#include <QMainWindow>
#include <QPointer>
#include <QTextBrowser>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>

class QAction;
class QCheckBox;
class QSlider;
class QSpinBox;

namespace ambrel {

class Controller;

class MainMenuWindow : public QMainWindow {
    Q_DECLARE_TR_FUNCTIONS(MainMenuWindow)

public:
    MainMenuWindow(Controller& menu, const std::vector<MenuButton>& converters, QWidget* parent = nullptr);
    QSpinBox* accuracyField() const { return field_; }
    QSlider* accuracySlider() const { return slider_; }
    QCheckBox* exactDefinitions() const { return exact_; }
    // The window the menu's Print prints: the one used before the menu.
    QWidget* printTarget() const;

protected:
    // Typing a letter anywhere in the menu starts a search for a unit.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void noteActiveWindow();

    QSpinBox* field_;
    QSlider* slider_;
    QCheckBox* exact_;
    QWidget* finder_ = nullptr;
    QAction* print_ = nullptr;
    QPointer<QWidget> lastWindow_;
};

// The menu's "Exact definitions" check box as the controller sees it.
class QtCheckControl : public IntControl {
public:
    explicit QtCheckControl(QCheckBox* box) : box_(box) {}
    int intValue() const override;
    void setIntValue(int value) override;

private:
    QCheckBox* box_;
};

// A control of the main menu, which is made when first needed: until then
// the control keeps the value it is given, and hands it on when the menu is
// made. Reading a value never given makes the menu.
class MenuControl : public IntControl {
public:
    explicit MenuControl(std::function<void()> makeMenu) : makeMenu_(std::move(makeMenu)) {}
    int intValue() const override;
    void setIntValue(int value) override;
    // Takes on the control of the menu just made.
    void attach(std::unique_ptr<IntControl> control);

private:
    std::function<void()> makeMenu_;
    std::unique_ptr<IntControl> control_;
    std::optional<int> given_;
};

// Closes on a click, Escape, Return or Space, or when its time is up.
QWidget* makeInfoPanel(Controller& menu);
// Main windows, as the converters are, so assistive technology sees windows.
QWidget* makeBonusCalcsWindow(Controller& menu, const std::vector<MenuButton>& calculators);

class QtNotebookWindow : public QMainWindow, public NotebookView {
    Q_DECLARE_TR_FUNCTIONS(QtNotebookWindow)

public:
    QtNotebookWindow();
    void setString(std::string_view text) override;
    bool readDocumentFromFile(const std::string& path) override;
    std::string text() const override;
    const QTextDocument* document() const { return browser_->document(); }

private:
    QTextBrowser* browser_;
};

}  // namespace ambrel
