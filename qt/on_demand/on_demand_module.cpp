// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/on_demand/on_demand_api.h"

#include <QCoreApplication>
#include <QPrintDialog>
#include <QPrinter>
#include <QUiLoader>
#include <QWidget>

namespace ambrel {
namespace {

QWidget* loadForm(QIODevice& file)
{
    // Our interface files use Qt's own widgets only, but a loader loads every
    // installed Designer plugin as it is made (Qt Quick's among them), which
    // costs more than the window itself: it is made with no plugin paths.
    const QStringList libraryPaths = QCoreApplication::libraryPaths();
    QCoreApplication::setLibraryPaths({});
    QUiLoader loader;
    QCoreApplication::setLibraryPaths(libraryPaths);
    loader.clearPluginPaths();
    return loader.load(&file);
}

void askAndPrint(QWidget* window, const std::function<bool(QPagedPaintDevice&)>& print)
{
    QPrinter printer;
    printer.setDocName(window->windowTitle());
    QPrintDialog dialog(&printer, window);
    if (dialog.exec() == QDialog::Accepted)
        print(printer);
}

constexpr OnDemandApi kApi{kOnDemandAbi, loadForm, askAndPrint};

}  // namespace
}  // namespace ambrel

// Read from the file, never called: see AMBREL_ON_DEMAND_VERSION.
extern "C" __attribute__((visibility("default"), used)) const char ambrel_on_demand_version[] =
    AMBREL_ON_DEMAND_VERSION;

extern "C" __attribute__((visibility("default"))) const ambrel::OnDemandApi* ambrel_on_demand_api()
{
    return &ambrel::kApi;
}
