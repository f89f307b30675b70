// SPDX-License-Identifier: GPL-3.0-or-later
// The "Exact definitions" check box on the desktop: it reaches the windows
// already open and is there again after a restart.
#include "app/application.h"
#include "framework/entry.h"
#include "qt/qt_platform.h"

#include <QCheckBox>
#include <QSettings>
#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>

#include <functional>

using namespace ambrel;

namespace {

// Keeps the information panel's timer away from the event loop.
class Desktop : public QtPlatform {
public:
    void scheduleTimer(double, std::function<void()>) override {}
};

double valueOf(Application& app, const char* cls, const char* outlet)
{
    return app.controller(cls)->field(outlet)->doubleValue();
}

void type(Platform& platform, Application& app, const char* cls, const char* outlet, const char* text)
{
    WindowController* w = app.controller(cls);
    ASSERT_TRUE(typeAndConfirm(platform, *w, w->fieldIndex(outlet), text).accepted) << outlet;
}

TEST(ExactSwitch, ReachesOpenWindowsAndSurvivesARestart)
{
    QTemporaryDir config;
    const QByteArray previous = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    {
        Desktop platform;
        platform.defaults().setBool(MenuObject::kUsePreferences, true);
        Application app(platform);
        MenuObject& menu = app.menu();
        menu.applicationDidFinishLaunching();
        menu.OpenLenghtWindow();
        menu.OpenVolumeWindow();
        menu.OpenTempWindow();
        type(platform, app, "LenghtObject", "MilesField", "1");
        type(platform, app, "VolumeObject", "Igallon", "1");
        type(platform, app, "TempObject", "CelsiusField", "100");
        EXPECT_EQ(valueOf(app, "LenghtObject", "FeetField"), 5280.257664000001);

        auto* box = platform.mainMenuWidget()->findChild<QCheckBox*>(QStringLiteral("ExactDefinitions"));
        ASSERT_NE(box, nullptr);
        EXPECT_FALSE(box->isChecked());
        box->click();
        EXPECT_EQ(valueOf(app, "LenghtObject", "FeetField"), 5280);
        EXPECT_EQ(valueOf(app, "VolumeObject", "Ipint"), 8);
        EXPECT_EQ(valueOf(app, "TempObject", "KelvinField"), 373.15);
        EXPECT_EQ(app.controller("LenghtObject")->parts().window->title(),
                  std::string("Length") + WindowController::kExactTitleSuffix);
    }
    {
        QSettings saved(config.path() + QStringLiteral("/Orlune/Ambrel.conf"), QSettings::IniFormat);
        EXPECT_EQ(saved.value(QStringLiteral("AmbrelExactDefinitions")).toString(), QStringLiteral("true"));
    }
    {
        Desktop platform;
        Application app(platform);
        app.menu().applicationDidFinishLaunching();
        auto* box = platform.mainMenuWidget()->findChild<QCheckBox*>(QStringLiteral("ExactDefinitions"));
        ASSERT_NE(box, nullptr);
        EXPECT_TRUE(box->isChecked());
        app.menu().OpenLenghtWindow();
        type(platform, app, "LenghtObject", "NauticalMileField", "1");
        EXPECT_EQ(valueOf(app, "LenghtObject", "MetersField"), 1852);
        box->click();
        EXPECT_EQ(valueOf(app, "LenghtObject", "MetersField"), 1851.66);
    }
    qputenv("XDG_CONFIG_HOME", previous);
}

}  // namespace
