// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/printing.h"

#include "qt/form_window.h"
#include "qt/menu_windows.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextDocument>
#include <algorithm>

namespace ambrel {

namespace {

bool printPicture(QWidget* widget, QPrinter& printer)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    // Fit the window on the page, never enlarging it beyond its screen size.
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    const double scale =
        std::min({page.width() / widget->width(), page.height() / widget->height(), printer.resolution() / 96.0});
    painter.scale(scale, scale);
    widget->render(&painter);
    return painter.end();
}

}  // namespace

bool printWindowTo(QWidget* window, QPrinter& printer)
{
    if (!window)
        return false;
    if (const auto* form = dynamic_cast<const FormWindow*>(window)) {
        QTextDocument document;
        document.setHtml(form->printedDocument());
        document.print(&printer);
        return true;
    }
    if (const auto* notes = dynamic_cast<const QtNotebookWindow*>(window)) {
        notes->document()->print(&printer);
        return true;
    }
    return printPicture(window, printer);
}

void printWindow(QWidget* window)
{
    if (!window)
        return;
    QPrinter printer;
    printer.setDocName(window->windowTitle());
    QPrintDialog dialog(&printer, window);
    if (dialog.exec() == QDialog::Accepted)
        printWindowTo(window, printer);
}

}  // namespace ambrel
