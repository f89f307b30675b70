// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/idle_exit.h"

#include <QCoreApplication>

namespace ambrel {

namespace {

// Long enough to outlast the pauses of one person's typing.
constexpr int kDefaultIdleMs = 60'000;
constexpr int kLongestIdleMs = 24 * 60 * 60 * 1000;

int idleMs()
{
    bool ok = false;
    const int ms = qEnvironmentVariableIntValue("AMBREL_SEARCH_IDLE_MS", &ok);
    return ok && ms > 0 && ms <= kLongestIdleMs ? ms : kDefaultIdleMs;
}

}  // namespace

IdleExit::IdleExit()
{
    timer_.setSingleShot(true);
    timer_.setInterval(idleMs());
    QObject::connect(&timer_, &QTimer::timeout, QCoreApplication::instance(), &QCoreApplication::quit);
    timer_.start();
}

}  // namespace ambrel
