// SPDX-License-Identifier: GPL-3.0-or-later
// The KRunner runner: answers in Plasma's search (Alt+Space).
#pragma once

#include "search/krunner_types.h"

#include <QObject>

namespace ambrel {

class IdleExit;
class StoredChoices;

class KRunnerRunner : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.krunner1")

public:
    KRunnerRunner(StoredChoices& choices, IdleExit& idle, QObject* parent = nullptr);

public Q_SLOTS:
    RunnerActions Actions();
    RunnerMatches Match(const QString& query);
    void Run(const QString& matchId, const QString& actionId);
    void Teardown();

private:
    StoredChoices& choices_;
    IdleExit& idle_;
};

}  // namespace ambrel
