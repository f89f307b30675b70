// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/on_demand.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <dlfcn.h>
#include <future>

namespace ambrel {

namespace {

struct Loaded {
    const OnDemandApi* api = nullptr;
    QString error;
};

// Where the module may be: beside the program in a build folder, where an
// install relocated with the program put it, and where the configured install
// put it.
QStringList candidates()
{
    const QString file = QStringLiteral(AMBREL_ON_DEMAND_FILE);
    const QString here = QCoreApplication::applicationDirPath();
    QStringList paths = {here + QLatin1Char('/') + file,
                         QDir::cleanPath(here + QStringLiteral("/" AMBREL_ON_DEMAND_FROM_BINDIR "/") + file),
                         QStringLiteral(AMBREL_ON_DEMAND_DIR "/") + file};
    paths.removeDuplicates();
    return paths;
}

// Safe on any thread: touches nothing of Qt's but strings.
Loaded load(const QStringList& paths)
{
    for (const QString& path : paths) {
        if (!QFileInfo::exists(path))
            continue;
        // Bound at once, so that a load in the background leaves nothing to
        // resolve on the main thread.
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

std::shared_future<Loaded>& pending()
{
    static std::shared_future<Loaded> loading;
    return loading;
}

}  // namespace

void preloadOnDemand()
{
    if (!pending().valid())
        pending() = std::async(std::launch::async, load, candidates()).share();
}

const OnDemandApi* onDemand()
{
    if (!pending().valid())
        pending() = std::async(std::launch::deferred, load, candidates()).share();
    return pending().get().api;
}

QString onDemandError()
{
    return pending().valid() ? pending().get().error : QString();
}

}  // namespace ambrel
