// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop search provider as the desktops meet it, on a session bus that
// starts it by name: the time from the first call to its reply (a cold
// start), then the reply times of many queries to the running service, and
// the service's resident memory after them.
// Prints: COLD_US MEDIAN_US SLOWEST_US RSS_KB
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QFile>
#include <QStringList>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

const QString kService = QStringLiteral("org.orlune.Ambrel.SearchProvider");

QDBusMessage matchCall(const QString& query)
{
    QDBusMessage call = QDBusMessage::createMethodCall(kService, QStringLiteral("/runner"),
                                                       QStringLiteral("org.kde.krunner1"), QStringLiteral("Match"));
    call << query;
    return call;
}

QDBusMessage shellCall(const QString& query)
{
    QDBusMessage call = QDBusMessage::createMethodCall(kService, QStringLiteral("/org/orlune/Ambrel/SearchProvider"),
                                                       QStringLiteral("org.gnome.Shell.SearchProvider2"),
                                                       QStringLiteral("GetInitialResultSet"));
    call << query.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    return call;
}

long long timedCallUs(const QDBusMessage& call)
{
    const auto start = std::chrono::steady_clock::now();
    const QDBusMessage reply = QDBusConnection::sessionBus().call(call);
    const auto end = std::chrono::steady_clock::now();
    if (reply.type() != QDBusMessage::ReplyMessage) {
        std::fprintf(stderr, "search_latency: %s\n", qPrintable(reply.errorMessage()));
        std::exit(1);
    }
    return std::chrono::duration_cast<std::chrono::microseconds>(end - start).count();
}

long long residentKb(uint pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    return -1;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int queries = argc > 1 ? std::atoi(argv[1]) : 1000;
    // What people type, as it grows, as a whole, and text that is no
    // quantity.
    const QStringList typed = {
        QStringLiteral("3 mi in km"),
        QStringLiteral("3 mi to k"),
        QStringLiteral("1 km"),
        QStringLiteral("5 ft 3 in to cm"),
        QStringLiteral("100 F to C"),
        QStringLiteral("hello"),
        QStringLiteral("42"),
        QStringLiteral("1/2 cup in ml"),
        QStringLiteral("65 mph"),
        QStringLiteral("3 MB to KiB"),
        QStringLiteral("firefox"),
        QStringLiteral("12.5 kg as lb"),
        QStringLiteral("(1+2)*3 ft -> m"),
        QStringLiteral("1 bar = psi"),
        QStringLiteral("2 ha"),
    };
    const long long cold = timedCallUs(matchCall(typed.front()));
    std::vector<long long> times;
    for (int i = 0; i < queries; ++i) {
        const QString q = typed[i % typed.size()];
        times.push_back(timedCallUs(i % 2 ? matchCall(q) : shellCall(q)));
    }
    std::sort(times.begin(), times.end());
    const uint pid = QDBusConnection::sessionBus().interface()->servicePid(kService);
    std::printf("%lld %lld %lld %lld\n", cold, times[times.size() / 2], times.back(), residentKb(pid));
    return 0;
}
