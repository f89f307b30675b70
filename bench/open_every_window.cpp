// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop program's memory after opening every window once: launches
// as the program does, opens each converter through the menu and each
// calculator from its window, lets them paint, and exits. With
// AMBREL_COUNT_WIDGETS set it prints, for each window left open, its numbers
// of line edits and labels and its size (EDITS:LABELS:WIDTHxHEIGHT), for the
// like-for-like floor: a window's backing store grows with its size.
#include "app/application.h"
#include "app/window_registry.h"
#include "qt/qt_platform.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Orlune"));
    QApplication::setApplicationName(QStringLiteral("Ambrel"));
    ambrel::QtPlatform platform;
    ambrel::Application ambrel(platform);
    ambrel.menu().applicationDidFinishLaunching();
    ambrel.menu().CloseInfoPanel();
    // With AMBREL_CLOSE_EACH set, each window is closed again after it has
    // painted, as a person who looks at each in turn would.
    const bool closeEach = qEnvironmentVariableIsSet("AMBREL_CLOSE_EACH");
    for (const ambrel::WindowEntry& entry : ambrel::windowRegistry()) {
        ambrel::WindowController* window = ambrel.controller(entry.className);
        if (entry.takesAccuracy())
            ambrel.menu().perform(entry.openAction);
        else
            window->perform(entry.openAction);
        QApplication::processEvents();
        if (closeEach) {
            window->parts().window->performClose();
            QApplication::processEvents();
        }
    }
    if (qEnvironmentVariableIsSet("AMBREL_COUNT_WIDGETS")) {
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->isVisible())
                std::printf("%lld:%lld:%dx%d\n", static_cast<long long>(top->findChildren<QLineEdit*>().size()),
                            static_cast<long long>(top->findChildren<QLabel*>().size()), top->width(), top->height());
        return 0;
    }
    QTimer::singleShot(300, &app, &QCoreApplication::quit);
    return app.exec();
}
