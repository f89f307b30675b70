// The desktop program.
#include "app/application.h"
#include "qt/qt_platform.h"
#include "qt/quit_when_shown.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Orlune"));
    QApplication::setApplicationName(QStringLiteral("Ambrel"));
    QApplication::setApplicationVersion(QStringLiteral(AMBREL_VERSION));
    QApplication::setQuitOnLastWindowClosed(true);
    // Ties the windows to the launcher entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.orlune.Ambrel"));
    QApplication::setWindowIcon(QIcon::fromTheme(
        QStringLiteral("org.orlune.Ambrel"),
        QIcon(ambrel::QtPlatform::resourceDir() + QStringLiteral("/icons/org.orlune.Ambrel.svg"))));

    ambrel::QuitWhenShown quitWhenShown;
    if (qEnvironmentVariableIsSet("AMBREL_EXIT_WHEN_SHOWN"))
        app.installEventFilter(&quitWhenShown);

    ambrel::QtPlatform platform;
    ambrel::Application ambrelApp(platform);
    ambrelApp.menu().applicationDidFinishLaunching();
    return app.exec();
}
