// Opening and closing every window over and over, the way a person would
// from the menu, the window of further calculators and the notebook
// buttons, leaves no widgets behind: after the first round has built what
// is built once, the count of widgets stays where it is.
#include "app/application.h"
#include "qt/qt_platform.h"

#include <QApplication>
#include <QWidget>
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

using namespace ambrel;

namespace {

constexpr int kRounds = 50;

// What a person does to every window on screen but the main menu.
void closeOpenWindows(const QWidget* mainMenu)
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w != mainMenu)
            w->close();
    // Windows loaded from interface files delete themselves once closed.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

struct Counts {
    qsizetype widgets = 0;
    qsizetype topLevel = 0;
    qsizetype visible = 0;
};

Counts counts()
{
    Counts c;
    c.widgets = QApplication::allWidgets().size();
    const QWidgetList tops = QApplication::topLevelWidgets();
    c.topLevel = tops.size();
    for (const QWidget* w : tops)
        c.visible += w->isVisible();
    return c;
}

}  // namespace

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

    int opened = 0;
    const auto open = [&](Controller& owner, std::string_view action) {
        ASSERT_TRUE(owner.perform(action)) << action;
        ++opened;
        closeOpenWindows(mainMenu);
    };
    const auto round = [&] {
        for (std::string_view action : kConverterOpenActions)
            open(menu, action);
        menu.OpenBonusCalcsWindow();
        for (std::string_view action : kCalculatorOpenActions)
            open(menu, action);
        for (std::size_t i = 0; i < app.controllers().size(); ++i)
            open(*app.controllers()[i], notebookActions[i]);
        for (std::string_view action :
             {"ShowNotebook:", "ShowSummary:", "IntroAndHelp:", "MoreInfo:", "WarrantyInfo:", "OpenSIPrefixes:"})
            open(menu, action);
    };

    round();
    ASSERT_FALSE(::testing::Test::HasFatalFailure());
    const Counts settled = counts();
    const int perRound = opened;
    for (int i = 1; i < kRounds; ++i) {
        round();
        ASSERT_FALSE(::testing::Test::HasFatalFailure());
    }
    const Counts last = counts();
    EXPECT_EQ(opened, perRound * kRounds);
    EXPECT_EQ(last.widgets, settled.widgets) << "widgets left behind after " << kRounds << " rounds";
    EXPECT_EQ(last.topLevel, settled.topLevel);
    EXPECT_EQ(last.visible, settled.visible);
}
