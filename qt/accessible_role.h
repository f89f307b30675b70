// SPDX-License-Identifier: GPL-3.0-or-later
// A role for assistive technology that a widget's class does not give it.
#pragma once

#include <QAccessible>

class QWidget;

namespace ambrel {

// Gives a plain widget `role` (its own class would make it a filler), with
// the name and children that any widget has. Called before the widget is
// first shown.
void setAccessibleRole(QWidget* widget, QAccessible::Role role);

}  // namespace ambrel
