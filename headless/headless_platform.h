// SPDX-License-Identifier: GPL-3.0-or-later
// The in-memory platform: windows, boxes and cells that hold their values and
// record, in order, everything done to them. The command line runs windows
// on it, and the tests assert on its record.
#pragma once

#include "framework/platform.h"
#include "framework/window_plan.h"

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace ambrel {

struct Event {
    std::string kind;    // "write", "entry", "text", "format", "select", "center",
                         // "front", "orderOut", "close", "title", "beep", "log",
                         // "timer", "notebookText", "notebookLoad", "openURL", "print"
    std::string target;  // outlet or window name; empty for beeps and logs
    double value = 0;
    std::string text;
};

class EventLog {
public:
    void add(Event e)
    {
        if (recording_)
            events_.push_back(std::move(e));
    }
    // The command line keeps no record: nobody reads it there.
    void setRecording(bool on) { recording_ = on; }
    bool recording() const { return recording_; }
    const std::vector<Event>& events() const { return events_; }
    void clear() { events_.clear(); }
    std::vector<Event> ofKind(std::string_view kind) const;
    int count(std::string_view kind) const;

private:
    std::vector<Event> events_;
    bool recording_ = true;
};

// The format a cell has before any accuracy reaches it: shows the exact form.
inline constexpr int kUnformatted = -1000;

class HeadlessField : public Field {
public:
    HeadlessField(EventLog& log, std::string name, FieldKind kind = FieldKind::Number, std::string title = {})
        : log_(log), name_(std::move(name)), isText_(kind == FieldKind::Text), title_(std::move(title))
    {}

    double doubleValue() const override;
    void setDoubleValue(double value) override;
    std::string stringValue() const override;
    void setStringValue(std::string_view text) override;
    void setFloatingPointFormat(bool autoRange, int left, int right) override;
    void setTitle(std::string_view title) override;
    void acceptEntry(double value) override;
    void keepRefusedText(std::string_view text) override;

    // What the window shows for this cell.
    std::string shown() const;
    const std::string& name() const { return name_; }
    const std::string& title() const { return title_; }
    int digits() const { return digits_; }
    bool isText() const { return isText_; }
    bool holdsRefusedText() const override { return refused_.has_value(); }

private:
    EventLog& log_;
    std::string name_;
    bool isText_;
    double value_ = 0;
    std::string text_;
    std::string title_;
    std::optional<std::string> refused_;
    int digits_ = kUnformatted;
};

class HeadlessBox : public Box {
public:
    HeadlessBox(EventLog& log, std::string name) : log_(log), name_(std::move(name)) {}

    int selectedTag() const override { return selected_; }
    void selectCellWithTag(int tag) override;
    int cellCount() const override { return static_cast<int>(cells_.size()); }
    Field* cellAtIndex(int index) override;

    void addCell(HeadlessField* cell) { cells_.push_back(cell); }
    // What a click in a cell does: select it without recording an action.
    void setSelectedTag(int tag) { selected_ = tag; }
    const std::string& name() const { return name_; }

private:
    EventLog& log_;
    std::string name_;
    std::vector<HeadlessField*> cells_;
    int selected_ = -1;
};

class HeadlessChoice : public Choice {
public:
    HeadlessChoice(EventLog& log, std::string name, std::vector<int> tags, int initial)
        : log_(log), name_(std::move(name)), tags_(std::move(tags)), selected_(initial)
    {}

    int selectedTag() const override { return selected_; }
    void selectItemWithTag(int tag) override;
    void selectItemAtIndex(int index) override;
    const std::string& name() const { return name_; }

private:
    EventLog& log_;
    std::string name_;
    std::vector<int> tags_;
    int selected_;
};

class HeadlessIntControl : public IntControl {
public:
    HeadlessIntControl(EventLog& log, std::string name, int initial)
        : log_(log), name_(std::move(name)), value_(initial)
    {}
    int intValue() const override { return value_; }
    void setIntValue(int value) override;
    // A person moving the control: no record, just the new value.
    void userSets(int value) { value_ = value; }
    const std::string& name() const { return name_; }

private:
    EventLog& log_;
    std::string name_;
    int value_;
};

class HeadlessWindow : public Window {
public:
    HeadlessWindow(EventLog& log, std::string name, Window** keySlot, std::string title = {})
        : log_(log), name_(std::move(name)), key_(keySlot), title_(std::move(title))
    {}

    void center() override;
    void makeKeyAndOrderFront() override;
    void orderOut() override;
    void performClose() override;
    void setTitle(std::string_view title) override;
    std::string title() const override { return title_; }
    bool isVisible() const override { return visible_; }
    void print() override;
    const std::string& name() const { return name_; }

private:
    EventLog& log_;
    std::string name_;
    Window** key_;
    std::string title_;
    bool visible_ = false;
};

class HeadlessNotebookView : public NotebookView {
public:
    explicit HeadlessNotebookView(EventLog& log) : log_(log) {}
    void setString(std::string_view text) override;
    bool readDocumentFromFile(const std::string& path) override;
    std::string text() const override { return text_; }

private:
    EventLog& log_;
    std::string text_;
};

class HeadlessDefaults : public UserDefaults {
public:
    bool boolForKey(std::string_view key) const override;
    long long integerForKey(std::string_view key) const override;
    void setBool(std::string_view key, bool value) override;
    void setInteger(std::string_view key, long long value) override;
    bool contains(std::string_view key) const override;
    void remove(std::string_view key);

private:
    std::map<std::string, long long, std::less<>> values_;
};

class HeadlessPlatform : public Platform {
public:
    HeadlessPlatform();
    ~HeadlessPlatform() override;

    UserDefaults& defaults() override { return defaults_; }
    void scheduleTimer(double seconds, std::function<void()> action) override;
    void beep() override;
    void log(std::string_view line) override;
    void activateIgnoringOtherApps() override;
    BuiltWindow buildWindow(const WindowPlan& plan, WindowController& owner) override;
    MenuParts buildMenu(Controller& owner, const MenuPlan& plan) override;
    // The buttons the main menu was built with.
    const MenuPlan& menuPlan() const { return menuPlan_; }
    bool loadInterface(std::string_view name, Controller& owner) override;
    std::optional<std::string> pathForResource(std::string_view name, std::string_view type) override;
    Window* notebookWindow() override;
    NotebookView* notebookView() override;
    Window* keyWindow() override { return key_; }
    void openURL(std::string_view address) override;

    // For tests and the command line.
    EventLog& events() { return log_; }
    const EventLog& events() const { return log_; }
    HeadlessDefaults& storedDefaults() { return defaults_; }
    // Interface files this platform can load: name -> the window outlets it
    // connects. All four are present unless removed.
    std::map<std::string, std::vector<std::string>, std::less<>>& interfaces() { return interfaces_; }
    // Resources: "Name.type" -> path.
    std::map<std::string, std::string, std::less<>>& resources() { return resources_; }
    // Fires the pending timers (in the order scheduled); returns how many ran.
    int fireTimers();
    const std::vector<double>& timerDelays() const { return timerDelays_; }
    std::size_t pendingTimers() const { return timers_.size(); }
    HeadlessWindow* window(std::string_view name);
    HeadlessField* field(std::string_view name);
    HeadlessBox* box(std::string_view name);
    HeadlessIntControl* intControl(std::string_view name);
    // The value the menu's accuracy field has before anything sets it.
    void setInitialAccuracyField(int value) { initialAccuracyField_ = value; }
    int beeps() const { return log_.count("beep"); }
    std::vector<std::string> logLines() const;

private:
    MenuPlan menuPlan_;
    HeadlessWindow* makeWindow(std::string name, std::string title = {});

    EventLog log_;
    HeadlessDefaults defaults_;
    std::vector<std::unique_ptr<HeadlessWindow>> windows_;
    std::vector<std::unique_ptr<HeadlessField>> fields_;
    std::vector<std::unique_ptr<HeadlessBox>> boxes_;
    std::vector<std::unique_ptr<HeadlessChoice>> choices_;
    std::vector<std::unique_ptr<HeadlessIntControl>> intControls_;
    std::vector<std::function<void()>> timers_;
    std::vector<double> timerDelays_;
    std::map<std::string, std::vector<std::string>, std::less<>> interfaces_;
    std::map<std::string, std::string, std::less<>> resources_;
    HeadlessWindow* notebookWindow_ = nullptr;
    std::unique_ptr<HeadlessNotebookView> notebookView_;
    Window* key_ = nullptr;
    int initialAccuracyField_ = 5;
};

}  // namespace ambrel
