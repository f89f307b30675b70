// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/controller.h"

#include "framework/platform.h"

#include <cmath>
#include <limits>

namespace ambrel {

bool Controller::perform(std::string_view selector)
{
    const Action* action = find(selector);
    if (!action)
        return false;
    action->run();
    return true;
}

bool Controller::responds(std::string_view selector) const
{
    return find(selector) != nullptr;
}

std::vector<std::string> Controller::selectors() const
{
    std::vector<std::string> names;
    names.reserve(actions_.size());
    for (const Action& a : actions_)
        names.push_back(a.selector);
    return names;
}

void Controller::connectOutlet(std::string_view, Window*)
{}

void Controller::addAction(std::string selector, std::function<void()> action)
{
    actions_.push_back({std::move(selector), std::move(action)});
}

const Controller::Action* Controller::find(std::string_view selector) const
{
    for (const Action& a : actions_)
        if (a.selector == selector)
            return &a;
    return nullptr;
}

int Field::intValue() const
{
    // Saturate rather than invoke undefined behaviour on out-of-range values.
    const double v = doubleValue();
    if (std::isnan(v))
        return 0;
    if (v >= 2147483647.0)
        return std::numeric_limits<int>::max();
    if (v <= -2147483648.0)
        return std::numeric_limits<int>::min();
    return static_cast<int>(v);
}

void Field::setIntValue(int value)
{
    setDoubleValue(value);
}

}  // namespace ambrel
