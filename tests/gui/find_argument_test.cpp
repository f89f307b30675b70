// SPDX-License-Identifier: GPL-3.0-or-later
// ambrel-desktop --find TEXT opens the menu with the search handed over from
// the desktop's search: TEXT in the finder, its matches listed.
#include "gui_support.h"
#include "qt/find_argument.h"

#include <QLineEdit>
#include <QListWidget>

using namespace ambrel;
using namespace ambrel::testing;

namespace {

TEST(FindArgument, TheTextAfterFindFillsTheFinderAndNothingElseDoes)
{
    Desktop d;
    QWidget* menu = d.platform.mainMenuWidget();
    auto* finder = menu->findChild<QLineEdit*>(QStringLiteral("UnitFinder"));
    auto* matches = menu->findChild<QListWidget*>(QStringLiteral("UnitMatches"));
    ASSERT_TRUE(finder && matches);
    const QString program = QStringLiteral("ambrel-desktop"), find = QStringLiteral("--find");
    for (const QStringList& arguments :
         {QStringList{program}, QStringList{program, find}, QStringList{find, QStringLiteral("3 mi")}}) {
        fillFinder(menu, arguments);
        EXPECT_TRUE(finder->text().isEmpty()) << arguments.join(QLatin1Char(' ')).toStdString();
    }
    fillFinder(menu, {program, find, QStringLiteral("3 furlong")});
    EXPECT_EQ(finder->text(), QStringLiteral("3 furlong"));
    EXPECT_GE(matches->count(), 1);
}

}  // namespace
