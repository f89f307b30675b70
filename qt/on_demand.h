// SPDX-License-Identifier: GPL-3.0-or-later
// Finding and loading the on-demand module (forms and the print dialog).
#pragma once

#include "qt/on_demand/on_demand_api.h"

#include <QString>
#include <QStringList>

namespace ambrel {

// The module's functions, loading it now if need be; null if it is missing
// or refused, with the reason in onDemandError() and logged once. Main thread
// only.
const OnDemandApi* onDemand();
QString onDemandError();

// The version text a module must carry to be loaded.
const char* onDemandVersion();

// Where the module is looked for: beside the program, where a relocated
// install put it, and where the configured install put it.
QStringList onDemandCandidates();
// Looks for the module in `paths` from now on, as if nothing had been loaded
// yet (for tests; a module already loaded stays in memory).
void lookForOnDemandIn(const QStringList& paths);

}  // namespace ambrel
