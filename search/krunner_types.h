// SPDX-License-Identifier: GPL-3.0-or-later
// The structures KRunner's D-Bus interface passes: an action (sss) and a
// match (sssida{sv}).
#pragma once

#include <QDBusArgument>
#include <QList>
#include <QMetaType>
#include <QString>
#include <QVariantMap>

namespace ambrel {

struct RunnerAction {
    QString id;
    QString text;
    QString iconName;
};

struct RunnerMatch {
    QString id;
    QString text;
    QString iconName;
    int type = 0;  // KRunner's kind of match: 100 exact, 30 possible
    double relevance = 0;
    QVariantMap properties;
};

using RunnerActions = QList<RunnerAction>;
using RunnerMatches = QList<RunnerMatch>;

QDBusArgument& operator<<(QDBusArgument& arg, const RunnerAction& action);
const QDBusArgument& operator>>(const QDBusArgument& arg, RunnerAction& action);
QDBusArgument& operator<<(QDBusArgument& arg, const RunnerMatch& match);
const QDBusArgument& operator>>(const QDBusArgument& arg, RunnerMatch& match);

// Makes the types known to Qt's D-Bus before any call arrives.
void registerRunnerTypes();

}  // namespace ambrel

Q_DECLARE_METATYPE(ambrel::RunnerAction)
Q_DECLARE_METATYPE(ambrel::RunnerMatch)
