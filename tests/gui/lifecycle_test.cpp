// SPDX-License-Identifier: GPL-3.0-or-later
// Opening and closing every window over and over, from the menu, the window
// of further calculators and the notebook buttons, leaves no widgets behind:
// after the first round has built what is built once, the count stays put.
#include "app/application.h"
#include "app/window_registry.h"
#include "qt/qt_platform.h"

#include <QApplication>
#include <QWidget>
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

using namespace ambrel;

TEST(Lifecycle, OpeningAndClosingEveryWindowLeavesNoWidgetsBehind)
{
    QtPlatform platform;
    Application app(platform);
    MenuObject& menu = app.menu();
    menu.parts();
    QWidget* mainMenu = platform.mainMenuWidget();
    ASSERT_NE(mainMenu, nullptr);

    std::vector<std::string> notebookActions;
    for (const auto& controller : app.controllers())
        for (const char* action : {"ShowNotebook:", "ShowNoteBook:"})
            if (controller->responds(action))
                notebookActions.push_back(action);
    ASSERT_EQ(notebookActions.size(), app.controllers().size()) << "a window without a notebook action";

    const auto open = [&](Controller& owner, std::string_view action) {
        ASSERT_TRUE(owner.perform(action)) << action;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && w != mainMenu)
                w->close();
        // Windows loaded from interface files delete themselves once closed.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    };
    const auto round = [&] {
        menu.OpenBonusCalcsWindow();
        for (const WindowEntry& entry : windowRegistry())
            open(menu, entry.openAction);
        for (std::size_t i = 0; i < app.controllers().size(); ++i)
            open(*app.controllers()[i], notebookActions[i]);
        for (std::string_view action :
             {"ShowNotebook:", "ShowSummary:", "IntroAndHelp:", "MoreInfo:", "WarrantyInfo:", "OpenSIPrefixes:"})
            open(menu, action);
    };

    round();
    ASSERT_FALSE(::testing::Test::HasFatalFailure());
    const qsizetype widgets = QApplication::allWidgets().size();
    const qsizetype topLevel = QApplication::topLevelWidgets().size();
    for (int i = 1; i < 10; ++i)
        round();
    EXPECT_EQ(QApplication::allWidgets().size(), widgets) << "widgets left behind";
    EXPECT_EQ(QApplication::topLevelWidgets().size(), topLevel);
}
