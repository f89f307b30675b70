// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/find_argument.h"

#include <QLineEdit>
#include <QWidget>

namespace ambrel {

void fillFinder(QWidget* menu, const QStringList& arguments)
{
    const qsizetype find = arguments.indexOf(QStringLiteral("--find"));
    if (!menu || find < 1 || find + 1 >= arguments.size())
        return;
    auto* finder = menu->findChild<QLineEdit*>(QStringLiteral("UnitFinder"));
    if (!finder)
        return;
    finder->setText(arguments.at(find + 1));
    finder->setFocus();
}

}  // namespace ambrel
