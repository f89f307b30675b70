// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop program.
#include "app/application.h"
#include "app/display.h"
#include "qt/find_argument.h"
#include "qt/qt_platform.h"
#include "qt/quit_when_shown.h"
#include "qt/translations.h"
#include "qt/window_icon.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    if (!ambrel::hasDisplay()) {
        std::fputs(ambrel::kNoDisplayMessage, stderr);
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Orlune"));
    QApplication::setApplicationName(QStringLiteral("Ambrel"));
    QApplication::setApplicationVersion(QStringLiteral(AMBREL_VERSION));
    ambrel::installTranslations();
    QApplication::setQuitOnLastWindowClosed(true);
    // Ties the windows to the launcher entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.orlune.Ambrel"));
    QApplication::setWindowIcon(ambrel::windowIcon());

    ambrel::QuitWhenShown quitWhenShown;
    if (qEnvironmentVariableIsSet("AMBREL_EXIT_WHEN_SHOWN"))
        app.installEventFilter(&quitWhenShown);

    ambrel::QtPlatform platform;
    ambrel::Application ambrelApp(platform);
    ambrelApp.menu().applicationDidFinishLaunching();
    ambrel::fillFinder(platform.mainMenuWidget(), QApplication::arguments());
    return app.exec();
}
