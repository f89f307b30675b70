// The desktop program.
#include "app/application.h"
#include "qt/qt_platform.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Orlune"));
    QApplication::setApplicationName(QStringLiteral("Ambrel"));
    QApplication::setApplicationVersion(QStringLiteral(AMBREL_VERSION));
    QApplication::setQuitOnLastWindowClosed(true);

    ambrel::QtPlatform platform;
    ambrel::Application ambrelApp(platform);
    ambrelApp.menu().applicationDidFinishLaunching();
    return app.exec();
}
