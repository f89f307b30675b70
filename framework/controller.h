// SPDX-License-Identifier: GPL-3.0-or-later
// Base of every window's controller: a table of actions by selector, so that
// buttons, boxes, menus and the command line can all send "MetricCalc:".
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace ambrel {

class Window;

class Controller {
public:
    virtual ~Controller() = default;
    Controller() = default;
    Controller(const Controller&) = delete;
    Controller& operator=(const Controller&) = delete;

    // Sends the action named by `selector` ("OpenLenghtWindow:");
    // false if this controller has no such action.
    bool perform(std::string_view selector);
    bool responds(std::string_view selector) const;
    std::vector<std::string> selectors() const;

    // Outlets that an interface file connects when it is loaded with this
    // controller as owner. Unknown names are ignored.
    virtual void connectOutlet(std::string_view name, Window* window);

protected:
    void addAction(std::string selector, std::function<void()> action);

private:
    struct Action {
        std::string selector;
        std::function<void()> run;
    };
    const Action* find(std::string_view selector) const;
    std::vector<Action> actions_;
};

}  // namespace ambrel
