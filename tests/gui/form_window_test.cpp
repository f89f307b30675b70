// SPDX-License-Identifier: GPL-3.0-or-later
// Building a window from its plan: a control whose action the controller
// does not answer is reported and disabled, never left silently dead.
#include "framework/window_controller.h"
#include "qt/form_window.h"
#include "qt/qt_platform.h"

#include <QPushButton>
#include <QtGlobal>
#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace ambrel;

namespace {

std::vector<std::string> criticals;

void record(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg)
        criticals.push_back(message.toStdString());
}

WindowPlan planWithButtons(std::vector<ButtonPlan> buttons)
{
    WindowPlan plan;
    plan.outlet = "TestWindow";
    plan.title = "Test";
    plan.boxes = {{"Box", "Units", "Calc:"}};
    plan.fields = {{"AField", "a", 0, 0}};
    plan.buttons = std::move(buttons);
    return plan;
}

class Answering : public WindowController {
public:
    Answering(Platform& platform, WindowPlan plan) : WindowController(platform, std::move(plan))
    {
        addAction("Calc:", [] {});
        addAction("Known:", [] {});
    }
};

}  // namespace

TEST(FormWindow, AControlNamingNoActionIsReportedAndDisabled)
{
    QtPlatform platform;
    const WindowPlan plan = planWithButtons({{"Known", "Known:"}, {"Typo", "Knwon:"}});
    Answering owner(platform, plan);
    criticals.clear();
    const QtMessageHandler previous = qInstallMessageHandler(record);
    FormWindow window(plan, owner, platform);
    qInstallMessageHandler(previous);

    ASSERT_EQ(criticals.size(), 1u);
    EXPECT_NE(criticals[0].find("Knwon:"), std::string::npos) << criticals[0];
    for (QPushButton* button : window.findChildren<QPushButton*>()) {
        if (button->text() == QLatin1String("Typo"))
            EXPECT_FALSE(button->isEnabled());
        else
            EXPECT_TRUE(button->isEnabled()) << button->text().toStdString();
    }
}
