// A window built from a WindowPlan: boxes of labelled cells in columns, the
// choices, a row of buttons and a status line for refused entries. A main
// window, so that assistive technology sees a window and not a filler.
#pragma once

#include "framework/platform.h"
#include "framework/window_plan.h"

#include <QLabel>
#include <QMainWindow>

namespace ambrel {

class WindowController;
class QtBox;
class QtField;

class FormWindow : public QMainWindow {
public:
    FormWindow(const WindowPlan& plan, WindowController& owner, Platform& platform);

    BuiltWindow& parts() { return parts_; }
    void setParts(Window* window) { parts_.window = window; }
    QString statusText() const { return status_->text(); }

protected:
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void confirm(QtField* cell, int box);
    void showRefusal(QtField* cell, const QString& why);

    WindowController& owner_;
    Platform& platform_;
    BuiltWindow parts_;
    QLabel* status_;
};

}  // namespace ambrel
