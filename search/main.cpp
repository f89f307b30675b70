// SPDX-License-Identifier: GPL-3.0-or-later
// ambrel-search-provider: conversions for the desktop's search, started by
// the session bus when a search first asks and ended when idle.
#include "search/gnome_search_provider.h"
#include "search/idle_exit.h"
#include "search/krunner_runner.h"
#include "search/stored_choices.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusError>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Orlune"));
    QCoreApplication::setApplicationName(QStringLiteral("Ambrel"));
    ambrel::registerRunnerTypes();

    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        std::fprintf(stderr, "ambrel-search-provider: no session bus: %s\n", qPrintable(bus.lastError().message()));
        return 1;
    }
    ambrel::StoredChoices choices;
    ambrel::IdleExit idle;
    ambrel::GnomeSearchProvider gnome(choices, idle);
    ambrel::KRunnerRunner runner(choices, idle);
    const auto exported = QDBusConnection::ExportAllSlots;
    if (!bus.registerObject(QStringLiteral("/org/orlune/Ambrel/SearchProvider"), &gnome, exported) ||
        !bus.registerObject(QStringLiteral("/runner"), &runner, exported)) {
        std::fprintf(stderr, "ambrel-search-provider: cannot serve its objects\n");
        return 1;
    }
    // The objects first, so that no call finds the name without them.
    if (!bus.registerService(QStringLiteral("org.orlune.Ambrel.SearchProvider"))) {
        std::fprintf(stderr, "ambrel-search-provider: %s\n", qPrintable(bus.lastError().message()));
        return 1;
    }
    return app.exec();
}
