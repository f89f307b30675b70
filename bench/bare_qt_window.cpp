// SPDX-License-Identifier: GPL-3.0-or-later
// The start-up and memory floor for the desktop program: a bare Qt Widgets
// program that shows one window of forty labelled fields. Given counts
// (EDITS:LABELS:WIDTHxHEIGHT ...), it instead opens one top-level window of
// that many line edits and labels, at that size, for each: the like-for-like
// floor for every window left open.
#include "qt/quit_when_shown.h"

#include <QApplication>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QWidget>
#include <memory>
#include <vector>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QStringList counts = QCoreApplication::arguments().mid(1);
    if (counts.isEmpty()) {
        ambrel::QuitWhenShown quit;
        app.installEventFilter(&quit);
        QWidget window;
        auto* form = new QFormLayout(&window);
        for (int i = 0; i < 40; ++i)
            form->addRow(QStringLiteral("unit %1").arg(i), new QLineEdit(QStringLiteral("0.0000")));
        window.show();
        return app.exec();
    }
    std::vector<std::unique_ptr<QWidget>> windows;
    for (const QString& count : counts) {
        const int edits = count.section(QLatin1Char(':'), 0, 0).toInt();
        const int labels = count.section(QLatin1Char(':'), 1, 1).toInt();
        auto& window = windows.emplace_back(std::make_unique<QWidget>());
        // Fourteen rows a column, as the program's windows wrap theirs, so a
        // window of many fields keeps the size it is given.
        auto* grid = new QGridLayout(window.get());
        for (int i = 0; i < std::max(edits, labels); ++i) {
            const int row = i % 14;
            const int column = i / 14 * 2;
            if (i < labels)
                grid->addWidget(new QLabel(QStringLiteral("unit %1").arg(i)), row, column);
            if (i < edits)
                grid->addWidget(new QLineEdit(QStringLiteral("0.0000")), row, column + 1);
        }
        const QString size = count.section(QLatin1Char(':'), 2, 2);
        if (!size.isEmpty())
            window->resize(size.section(QLatin1Char('x'), 0, 0).toInt(), size.section(QLatin1Char('x'), 1, 1).toInt());
        window->show();
        QApplication::processEvents();
    }
    QTimer::singleShot(300, &app, &QCoreApplication::quit);
    return app.exec();
}
