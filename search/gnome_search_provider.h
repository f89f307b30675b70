// SPDX-License-Identifier: GPL-3.0-or-later
// The GNOME Shell search provider: the Activities search's answers.
#pragma once

#include <QObject>
#include <QStringList>
#include <QVariantMap>

namespace ambrel {

class IdleExit;
class StoredChoices;

class GnomeSearchProvider : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.gnome.Shell.SearchProvider2")

public:
    GnomeSearchProvider(StoredChoices& choices, IdleExit& idle, QObject* parent = nullptr);

public Q_SLOTS:
    QStringList GetInitialResultSet(const QStringList& terms);
    QStringList GetSubsearchResultSet(const QStringList& previousResults, const QStringList& terms);
    QList<QVariantMap> GetResultMetas(const QStringList& identifiers);
    void ActivateResult(const QString& identifier, const QStringList& terms, uint timestamp);
    void LaunchSearch(const QStringList& terms, uint timestamp);

private:
    QStringList search(const QStringList& terms);

    StoredChoices& choices_;
    IdleExit& idle_;
};

}  // namespace ambrel
