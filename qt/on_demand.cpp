// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/on_demand.h"

#include "qt/on_demand_check.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <dlfcn.h>
#include <optional>

namespace ambrel {

namespace {

struct Loaded {
    const OnDemandApi* api = nullptr;
    QString error;
};

Loaded load(const QStringList& paths)
{
    for (const QString& path : paths) {
        if (!QFileInfo::exists(path))
            continue;
        // Loading runs the module's code and maps its pages: a damaged or
        // foreign file is turned away before that.
        if (QString refused = refuseOnDemandModule(path, onDemandVersion()); !refused.isEmpty())
            return {nullptr, refused};
        void* module = dlopen(QFile::encodeName(path).constData(), RTLD_NOW | RTLD_LOCAL);
        if (!module)
            return {nullptr, QString::fromLocal8Bit(dlerror())};
        using Entry = const OnDemandApi* (*)();
        const auto entry = reinterpret_cast<Entry>(dlsym(module, AMBREL_ON_DEMAND_ENTRY));
        const OnDemandApi* api = entry ? entry() : nullptr;
        if (!api || api->abi != kOnDemandAbi) {
            dlclose(module);
            return {nullptr, path + QStringLiteral(" is from another version of Ambrel")};
        }
        // Kept loaded for the rest of the run.
        return {api, {}};
    }
    return {nullptr,
            QStringLiteral("%1 is not installed (looked in %2)")
                .arg(QStringLiteral(AMBREL_ON_DEMAND_FILE), paths.join(QStringLiteral(", ")))};
}

struct State {
    QStringList paths = onDemandCandidates();
    std::optional<Loaded> loaded;
};

State& state()
{
    static State s;
    return s;
}

}  // namespace

const char* onDemandVersion()
{
    return AMBREL_ON_DEMAND_VERSION;
}

QStringList onDemandCandidates()
{
    const QString file = QStringLiteral(AMBREL_ON_DEMAND_FILE);
    const QString here = QCoreApplication::applicationDirPath();
    QStringList paths = {here + QLatin1Char('/') + file,
                         QDir::cleanPath(here + QStringLiteral("/" AMBREL_ON_DEMAND_FROM_BINDIR "/") + file),
                         QStringLiteral(AMBREL_ON_DEMAND_DIR "/") + file};
    paths.removeDuplicates();
    return paths;
}

void lookForOnDemandIn(const QStringList& paths)
{
    state() = {paths, std::nullopt};
}

const OnDemandApi* onDemand()
{
    State& s = state();
    if (!s.loaded) {
        s.loaded = load(s.paths);
        if (!s.loaded->api)
            qWarning().noquote() << s.loaded->error;
    }
    return s.loaded->api;
}

QString onDemandError()
{
    return state().loaded ? state().loaded->error : QString();
}

}  // namespace ambrel
