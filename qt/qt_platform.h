// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop platform: windows, settings, timers and resources on Qt.
#pragma once

#include "framework/platform.h"
#include "qt/keyboard.h"
#include "qt/qt_defaults.h"
#include "qt/window_placement.h"

#include <QMap>
#include <QPointer>
#include <QSettings>
#include <QString>
#include <QWidget>

#include <functional>
#include <map>
#include <memory>
#include <vector>

namespace ambrel {

class QtNotebookWindow;

// A top-level widget seen as a platform window. "Centring" it places it as
// the placer says: where it was left, or beside the main menu.
class QtWindow : public Window {
public:
    explicit QtWindow(QWidget* widget, WindowPlacer* placer = nullptr) : widget_(widget), placer_(placer) {}
    // A window made by `make` when it is first shown, so that start-up does
    // not pay for a window that may never open.
    QtWindow(std::function<QWidget*()> make, WindowPlacer* placer) : make_(std::move(make)), placer_(placer) {}
    void center() override;
    void makeKeyAndOrderFront() override;
    void orderOut() override;
    void performClose() override;
    void setTitle(std::string_view title) override;
    std::string title() const override;
    bool isVisible() const override;
    void print() override;
    QWidget* widget() const { return widget_; }
    // The widget, made now if it is still to be made.
    QWidget* built();

private:
    QPointer<QWidget> widget_;
    std::function<QWidget*()> make_;
    WindowPlacer* placer_;
};

class QtPlatform : public Platform {
public:
    QtPlatform();
    ~QtPlatform() override;

    UserDefaults& defaults() override { return defaults_; }
    void scheduleTimer(double seconds, std::function<void()> action) override;
    void beep() override;
    void log(std::string_view line) override;
    void activateIgnoringOtherApps() override;
    BuiltWindow buildWindow(const WindowPlan& plan, WindowController& owner) override;
    MenuParts buildMenu(Controller& owner, const MenuPlan& plan) override;
    bool loadInterface(std::string_view name, Controller& owner) override;
    std::optional<std::string> pathForResource(std::string_view name, std::string_view type) override;
    Window* notebookWindow() override;
    NotebookView* notebookView() override;
    Window* keyWindow() override;
    void openURL(std::string_view address) override;

    // Where interface files and notebooks live: the installed data folder,
    // or the source tree when running from a build.
    static QString resourceDir();
    // The main menu window, made now if it is still to be made.
    QWidget* mainMenuWidget();
    WindowPlacer& placer() { return placer_; }

private:
    QtWindow* wrap(QWidget* widget);
    QtWindow* wrapLater(std::function<QWidget*()> make);
    // Keeps where each window is left when it is hidden.
    class PlacementKeeper : public QObject {
    public:
        explicit PlacementKeeper(WindowPlacer& placer) : placer_(placer) {}

    protected:
        bool eventFilter(QObject* watched, QEvent* event) override;

    private:
        WindowPlacer& placer_;
    };

    QtDefaults defaults_;
    WindowPlacer placer_{defaults_};
    PlacementKeeper keeper_{placer_};
    KeyboardFilter keyboard_;
    QObject timerContext_;
    std::vector<std::unique_ptr<QtWindow>> windows_;
    std::vector<std::unique_ptr<IntControl>> controls_;
    QtNotebookWindow* notebook_ = nullptr;
    QtWindow* notebookWindow_ = nullptr;
    QtWindow* mainMenuWindow_ = nullptr;
};

}  // namespace ambrel
