// SPDX-License-Identifier: GPL-3.0-or-later
// A role for assistive technology that a widget's class does not give it.
#pragma once

#include <QAccessible>

class QComboBox;
class QWidget;

namespace ambrel {

// Gives a plain widget `role` (its own class would make it a filler), with
// the name and children that any widget has. Called before the widget is
// first shown.
void setAccessibleRole(QWidget* widget, QAccessible::Role role);

// Makes a list of choices known to assistive technology by its own name, its
// label's, with the chosen item as its value: on Linux Qt names a combo box
// by its current item, so "Size unit" would be read as "megabytes".
void nameChoiceListByItsLabel(QComboBox* list);

}  // namespace ambrel
