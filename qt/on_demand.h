// SPDX-License-Identifier: GPL-3.0-or-later
// Finding and loading the on-demand module (forms and the print dialog).
#pragma once

#include "qt/on_demand/on_demand_api.h"

#include <QString>

namespace ambrel {

// Starts loading the module on another thread, for a caller that will need it
// soon; onDemand() then waits for that load instead of starting its own.
void preloadOnDemand();
// The module's functions, loading it now if need be; null if it cannot be
// loaded, with the reason in onDemandError(). Main thread only.
const OnDemandApi* onDemand();
QString onDemandError();

}  // namespace ambrel
