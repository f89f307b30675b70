// The start-up and memory floor for the desktop program: a bare Qt Widgets
// program that shows one window of forty labelled fields.
#include "qt/quit_when_shown.h"

#include <QApplication>
#include <QFormLayout>
#include <QLineEdit>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    ambrel::QuitWhenShown quit;
    app.installEventFilter(&quit);
    QWidget window;
    auto* form = new QFormLayout(&window);
    for (int i = 0; i < 40; ++i)
        form->addRow(QStringLiteral("unit %1").arg(i), new QLineEdit(QStringLiteral("0.0000")));
    window.show();
    return app.exec();
}
