// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/krunner_types.h"

#include <QDBusMetaType>

namespace ambrel {

QDBusArgument& operator<<(QDBusArgument& arg, const RunnerAction& action)
{
    arg.beginStructure();
    arg << action.id << action.text << action.iconName;
    arg.endStructure();
    return arg;
}

const QDBusArgument& operator>>(const QDBusArgument& arg, RunnerAction& action)
{
    arg.beginStructure();
    arg >> action.id >> action.text >> action.iconName;
    arg.endStructure();
    return arg;
}

QDBusArgument& operator<<(QDBusArgument& arg, const RunnerMatch& match)
{
    arg.beginStructure();
    arg << match.id << match.text << match.iconName << match.type << match.relevance << match.properties;
    arg.endStructure();
    return arg;
}

const QDBusArgument& operator>>(const QDBusArgument& arg, RunnerMatch& match)
{
    arg.beginStructure();
    arg >> match.id >> match.text >> match.iconName >> match.type >> match.relevance >> match.properties;
    arg.endStructure();
    return arg;
}

void registerRunnerTypes()
{
    qDBusRegisterMetaType<RunnerAction>();
    qDBusRegisterMetaType<RunnerActions>();
    qDBusRegisterMetaType<RunnerMatch>();
    qDBusRegisterMetaType<RunnerMatches>();
    qDBusRegisterMetaType<QList<QVariantMap>>();
}

}  // namespace ambrel
