// SPDX-License-Identifier: GPL-3.0-or-later
// The menu's buttons open every window, over and over without leaving
// widgets behind, and a control whose action nobody answers is reported and
// disabled, never left silently dead.
#include "framework/window_controller.h"
#include "gui_support.h"
#include "qt/form_window.h"

#include <QPushButton>

using namespace ambrel;
using namespace ambrel::testing;

namespace {

// Clicks the live button sending `action` in a shown window; false if none.
bool clickButton(const char* action)
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* button = w->isVisible() ? w->findChild<QPushButton*>(QString::fromLatin1(action)) : nullptr)
            if (button->isEnabled()) {
                QTest::mouseClick(button, Qt::LeftButton);
                return true;
            }
    return false;
}

// Every window from its button (calculators from the window of further
// calculators), every notebook and every information window, opened and
// closed ten times: after the first round has built what is built once, the
// widget count stays put.
TEST(Menu, EveryWindowOpensFromItsButtonAgainAndAgainLeavingNoWidgetsBehind)
{
    Desktop d;
    QWidget* mainMenu = d.platform.mainMenuWidget();
    const auto closeAll = [&] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && w != mainMenu)
                w->close();
        // Windows loaded from interface files delete themselves once closed.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    };
    const auto round = [&] {
        for (const WindowEntry& entry : windowRegistry()) {
            SCOPED_TRACE(entry.cliName);
            if (!entry.takesAccuracy()) {
                ASSERT_TRUE(clickButton("OpenBonusCalcsWindow:"));
            }
            ASSERT_TRUE(clickButton(entry.openAction)) << "no live button";
            QWidget* top = topOf(*d.app.controller(entry.className));
            EXPECT_TRUE(top->isVisible());
            // Opened ready for typing, but for the fuel and light window,
            // whose three boxes have no first among them.
            if (std::string_view(entry.className) != "MiscObject") {
                EXPECT_NE(dynamic_cast<QtField*>(top->focusWidget()), nullptr);
            }
            closeAll();
        }
        for (const auto& controller : d.app.controllers()) {
            ASSERT_TRUE(controller->perform("ShowNotebook:") || controller->perform("ShowNoteBook:"));
            closeAll();
        }
        for (const char* action :
             {"ShowNotebook:", "ShowSummary:", "IntroAndHelp:", "MoreInfo:", "WarrantyInfo:", "OpenSIPrefixes:"}) {
            ASSERT_TRUE(d.menu.perform(action)) << action;
            closeAll();
        }
    };

    round();
    ASSERT_FALSE(::testing::Test::HasFailure());
    const qsizetype widgets = QApplication::allWidgets().size();
    const qsizetype topLevel = QApplication::topLevelWidgets().size();
    for (int i = 1; i < 10; ++i)
        round();
    EXPECT_EQ(QApplication::allWidgets().size(), widgets) << "widgets left behind";
    EXPECT_EQ(QApplication::topLevelWidgets().size(), topLevel);
}

class Answering : public WindowController {
public:
    Answering(Platform& platform, WindowPlan plan) : WindowController(platform, std::move(plan))
    {
        addAction("Calc:", [] {});
        addAction("Known:", [] {});
    }
};

TEST(FormWindow, AControlNamingNoActionIsReportedAndDisabled)
{
    QtPlatform platform;
    WindowPlan plan;
    plan.outlet = "TestWindow";
    plan.title = "Test";
    plan.boxes = {{"Box", "Units", "Calc:"}};
    plan.fields = {{"AField", "a", 0, 0}};
    plan.buttons = {{"Known", "Known:"}, {"Typo", "Knwon:"}};
    Answering owner(platform, plan);
    LogCapture log;
    FormWindow window(plan, owner, platform);
    EXPECT_EQ(log.lines().filter(QStringLiteral("Knwon:")).size(), 1) << log.lines().join('\n').toStdString();
    EXPECT_EQ(log.lines().filter(QStringLiteral("Known:")).size(), 0);
    for (QPushButton* button : window.findChildren<QPushButton*>())
        EXPECT_EQ(button->isEnabled(), button->text() != QLatin1String("Typo")) << button->text().toStdString();
}

}  // namespace
