// SPDX-License-Identifier: GPL-3.0-or-later
// Ends the service when no call has come for a while: the bus starts it
// again with the next search.
#pragma once

#include <QTimer>

namespace ambrel {

class IdleExit {
public:
    // AMBREL_SEARCH_IDLE_MS sets the wait, in milliseconds.
    IdleExit();
    // A call came: the wait starts again.
    void restart() { timer_.start(); }

private:
    QTimer timer_;
};

}  // namespace ambrel
