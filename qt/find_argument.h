// SPDX-License-Identifier: GPL-3.0-or-later
// ambrel-desktop --find TEXT: the menu opens with TEXT in its finder, as the
// desktop's search hands a search over.
#pragma once

#include <QStringList>

class QWidget;

namespace ambrel {

// Puts the text after --find in `arguments` into the finder of `menu` and
// gives it the focus; does nothing without one.
void fillFinder(QWidget* menu, const QStringList& arguments);

}  // namespace ambrel
