// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/desktop_actions.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QProcess>

namespace ambrel {

void copyToClipboard(const QString& text)
{
    QDBusMessage call = QDBusMessage::createMethodCall(QStringLiteral("org.kde.klipper"), QStringLiteral("/klipper"),
                                                       QStringLiteral("org.kde.klipper.klipper"),
                                                       QStringLiteral("setClipboardContents"));
    call << text;
    // Not waited for: the reply changes nothing, and a missing Klipper must
    // not hold up KRunner.
    call.setAutoStartService(false);
    QDBusConnection::sessionBus().call(call, QDBus::NoBlock);
}

void openInDesktopProgram(const QString& text)
{
    // The program at its installed place; AMBREL_DESKTOP_PROGRAM names
    // another (a build's, or a test's stand-in).
    QString program = qEnvironmentVariable("AMBREL_DESKTOP_PROGRAM");
    if (program.isEmpty())
        program = QStringLiteral(AMBREL_DESKTOP_PROGRAM);
    QStringList arguments;
    if (!text.trimmed().isEmpty())
        arguments << QStringLiteral("--find") << text.trimmed();
    QProcess::startDetached(program, arguments);
}

}  // namespace ambrel
