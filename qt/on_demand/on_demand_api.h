// SPDX-License-Identifier: GPL-3.0-or-later
// What the desktop program keeps in a module of its own, loaded when first
// needed: Designer forms (Qt UI Tools) and the print dialog (Qt Print
// Support). Most sessions use neither, and loading those libraries with the
// program would slow every start.
#pragma once

#include <QtGlobal>
#include <functional>

class QIODevice;
class QPagedPaintDevice;
class QWidget;

namespace ambrel {

// Raised whenever OnDemandApi changes, so that a module left from another
// build is refused rather than called.
#define AMBREL_ON_DEMAND_ABI 1
inline constexpr int kOnDemandAbi = AMBREL_ON_DEMAND_ABI;

struct OnDemandApi {
    int abi;
    // Makes the widgets a Designer file describes; null if it cannot.
    QWidget* (*loadForm)(QIODevice& file);
    // Asks for a printer for `window` and, if the person accepts, calls
    // `print` with it.
    void (*askAndPrint)(QWidget* window, const std::function<bool(QPagedPaintDevice&)>& print);
};

}  // namespace ambrel

// The module's version text, which the program reads from the module's file
// before loading it: a module of another release, interface or Qt is refused
// without running any of its code.
#define AMBREL_ON_DEMAND_STRING(x) #x
#define AMBREL_ON_DEMAND_TEXT(x) AMBREL_ON_DEMAND_STRING(x)
#define AMBREL_ON_DEMAND_VERSION \
    "Ambrel " AMBREL_ON_DEMAND_RELEASE " interface " AMBREL_ON_DEMAND_TEXT(AMBREL_ON_DEMAND_ABI) " Qt " QT_VERSION_STR
#define AMBREL_ON_DEMAND_VERSION_SYMBOL "ambrel_on_demand_version"

// The module's one entry point.
#define AMBREL_ON_DEMAND_ENTRY "ambrel_on_demand_api"
extern "C" const ambrel::OnDemandApi* ambrel_on_demand_api();
