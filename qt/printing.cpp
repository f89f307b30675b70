// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/printing.h"

#include "qt/form_window.h"
#include "qt/menu_windows.h"
#include "qt/on_demand.h"

#include <QApplication>
#include <QMessageBox>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextDocument>
#include <algorithm>

namespace ambrel {

namespace {

bool printPicture(QWidget* widget, QPagedPaintDevice& printer)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    // Fit the window on the page, never enlarging it beyond its screen size.
    const int resolution = printer.logicalDpiX();
    const QRectF page = printer.pageLayout().paintRectPixels(resolution);
    const double scale =
        std::min({page.width() / widget->width(), page.height() / widget->height(), resolution / 96.0});
    painter.scale(scale, scale);
    widget->render(&painter);
    return painter.end();
}

}  // namespace

bool printWindowTo(QWidget* window, QPagedPaintDevice& printer)
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
    const OnDemandApi* onDemandParts = onDemand();
    if (!onDemandParts) {
        QApplication::beep();
        QMessageBox::warning(window, QApplication::translate("Ambrel", "Print"),
                             QApplication::translate("Ambrel", "Printing is not available: %1").arg(onDemandError()));
        return;
    }
    onDemandParts->askAndPrint(window, [window](QPagedPaintDevice& printer) { return printWindowTo(window, printer); });
}

}  // namespace ambrel
