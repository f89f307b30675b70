// SPDX-License-Identifier: GPL-3.0-or-later
// The small set of screen and system operations the controllers use.
// Two implementations exist: the in-memory one in headless/ (tests, CLI)
// and the desktop one in qt/. Nothing here knows about Qt.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ambrel {

class Controller;
class WindowController;
struct WindowPlan;

// An integer control: the accuracy field and slider, a decimal cell.
class IntControl {
public:
    virtual ~IntControl() = default;
    virtual int intValue() const = 0;
    virtual void setIntValue(int value) = 0;
};

// One cell of a window: holds a double (or, for text cells, a string).
class Field : public IntControl {
public:
    virtual double doubleValue() const = 0;
    virtual void setDoubleValue(double value) = 0;
    virtual std::string stringValue() const = 0;
    virtual void setStringValue(std::string_view text) = 0;
    // Fixed display format: `right` digits after the decimal point.
    virtual void setFloatingPointFormat(bool autoRange, int left, int right) = 0;
    virtual void setTitle(std::string_view title) = 0;

    // The user's confirmed entry of a number (kept apart from controller writes).
    virtual void acceptEntry(double value) = 0;
    // Text the user typed that was refused; it stays for correction.
    virtual void keepRefusedText(std::string_view text) = 0;
    // Whether the cell shows refused text waiting for correction.
    virtual bool holdsRefusedText() const = 0;

    int intValue() const override;
    void setIntValue(int value) override;
};

// A group of cells with a selected tag; -1 means nothing is selected.
class Box {
public:
    virtual ~Box() = default;
    virtual int selectedTag() const = 0;
    virtual void selectCellWithTag(int tag) = 0;
    virtual int cellCount() const = 0;
    // The cell at a position (0 first), or nullptr.
    virtual Field* cellAtIndex(int index) = 0;
    Field* cellWithTag(int tag) { return cellAtIndex(tag); }
};

// A radio group or pop-up: a selected item with a tag.
class Choice {
public:
    virtual ~Choice() = default;
    virtual int selectedTag() const = 0;
    virtual void selectItemWithTag(int tag) = 0;
    virtual void selectItemAtIndex(int index) = 0;
};

class Window {
public:
    virtual ~Window() = default;
    virtual void center() = 0;
    virtual void makeKeyAndOrderFront() = 0;
    virtual void orderOut() = 0;
    virtual void performClose() = 0;
    virtual void setTitle(std::string_view title) = 0;
    virtual std::string title() const = 0;
    virtual bool isVisible() const = 0;
    virtual void print() = 0;
};

// The text view of the notebook window.
class NotebookView {
public:
    virtual ~NotebookView() = default;
    virtual void setString(std::string_view text) = 0;
    // Loads a rich-text document; false if it could not be read.
    virtual bool readDocumentFromFile(const std::string& path) = 0;
    virtual std::string text() const = 0;
};

class UserDefaults {
public:
    virtual ~UserDefaults() = default;
    virtual bool boolForKey(std::string_view key) const = 0;
    virtual long long integerForKey(std::string_view key) const = 0;
    // Whether the key holds a value; an absent key reads as NO or 0.
    virtual bool contains(std::string_view key) const = 0;
    virtual void setBool(std::string_view key, bool value) = 0;
    virtual void setInteger(std::string_view key, long long value) = 0;
};

// What the platform built for a window description: the parts in the
// order the description listed them.
struct BuiltWindow {
    Window* window = nullptr;
    std::vector<Box*> boxes;
    std::vector<Field*> fields;
    std::vector<Choice*> choices;
};

// A button of the main menu or of the window of further calculators.
struct MenuButton {
    std::string title;   // with its mnemonic, "&Length"
    std::string action;  // sent to the menu's owner, "OpenLenghtWindow:"
    bool enabled = true;
    std::string group;  // the titled part of the menu it is in; empty for none
};

// What the main menu lists, in order; the converters group by group.
struct MenuPlan {
    std::vector<MenuButton> converters;
    std::vector<MenuButton> calculators;
};

// The outlets of the main menu side of the application.
struct MenuParts {
    Window* mainMenuWindow = nullptr;
    IntControl* accuracyField = nullptr;
    IntControl* accuracySlider = nullptr;
    // The "Exact definitions" check box: 1 checked, 0 not.
    IntControl* exactDefinitions = nullptr;
    Window* infoPanel = nullptr;
    Window* bonusCalcsWindow = nullptr;
};

class Platform {
public:
    virtual ~Platform() = default;

    virtual UserDefaults& defaults() = 0;
    // Calls `action` once after `seconds`, on the main thread.
    virtual void scheduleTimer(double seconds, std::function<void()> action) = 0;
    virtual void beep() = 0;
    virtual void log(std::string_view line) = 0;
    virtual void activateIgnoringOtherApps() = 0;

    // Builds a window from its description. Actions of boxes, choices and
    // buttons are sent to `owner`. The platform owns what it returns.
    virtual BuiltWindow buildWindow(const WindowPlan& plan, WindowController& owner) = 0;
    virtual MenuParts buildMenu(Controller& owner, const MenuPlan& plan) = 0;
    // Says that the named interface file is about to be loaded, so that a
    // platform may start on the work it needs meanwhile.
    virtual void prepareInterface(std::string_view /*name*/) {}
    // Loads a named interface file with `owner` as its owner; false on failure.
    virtual bool loadInterface(std::string_view name, Controller& owner) = 0;

    // The file of a resource: a notebook ("rtfd"), or the installed manual
    // ("index", "html"); none when it is not there.
    virtual std::optional<std::string> pathForResource(std::string_view name, std::string_view type) = 0;
    virtual Window* notebookWindow() = 0;
    virtual NotebookView* notebookView() = 0;
    virtual Window* keyWindow() = 0;
    // Opens a web address or a local file's path in the person's browser.
    virtual void openURL(std::string_view address) = 0;
};

}  // namespace ambrel
