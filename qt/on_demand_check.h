// SPDX-License-Identifier: GPL-3.0-or-later
// Looks at the on-demand module's file before it is loaded: loading runs the
// module's code and maps its pages, so a truncated file or one built for
// another program would crash the process instead of being refused.
#pragma once

#include <QString>

namespace ambrel {

// Why the module at `path` must not be loaded, or an empty text if it looks
// whole and says it is the version `expected`. Reads the file only.
QString refuseOnDemandModule(const QString& path, const char* expected);

}  // namespace ambrel
