// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop program.
#include "app/application.h"
#include "app/display.h"
#include "qt/qt_platform.h"
#include "qt/quit_when_shown.h"

#include <QApplication>
#include <QIcon>
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
    QApplication::setQuitOnLastWindowClosed(true);
    // Ties the windows to the launcher entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.orlune.Ambrel"));
    // Launchers take the icon from the desktop file through the icon theme.
    // The windows carry the built-in copy: looking it up in the themes would
    // cost start-up a search through every theme folder.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/org.orlune.Ambrel.svg")));

    ambrel::QuitWhenShown quitWhenShown;
    if (qEnvironmentVariableIsSet("AMBREL_EXIT_WHEN_SHOWN"))
        app.installEventFilter(&quitWhenShown);

    ambrel::QtPlatform platform;
    ambrel::Application ambrelApp(platform);
    ambrelApp.menu().applicationDidFinishLaunching();
    return app.exec();
}
