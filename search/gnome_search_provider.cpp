// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/gnome_search_provider.h"

#include "search/answer_id.h"
#include "search/desktop_actions.h"
#include "search/idle_exit.h"
#include "search/stored_choices.h"

namespace ambrel {

GnomeSearchProvider::GnomeSearchProvider(StoredChoices& choices, IdleExit& idle, QObject* parent)
    : QObject(parent), choices_(choices), idle_(idle)
{}

// The shell splits the text at white space; the reader wants it whole.
QStringList GnomeSearchProvider::search(const QStringList& terms)
{
    idle_.restart();
    const QString query = terms.join(QLatin1Char(' '));
    QStringList ids;
    for (const SearchAnswer& a : answerSearch(query.toStdString(), choices_.current()))
        ids << answerId(a, query);
    return ids;
}

QStringList GnomeSearchProvider::GetInitialResultSet(const QStringList& terms)
{
    return search(terms);
}

// The answers change as the text grows ("3 mi to k" → "3 mi to km"), so the
// search runs again rather than narrowing the last one.
QStringList GnomeSearchProvider::GetSubsearchResultSet(const QStringList& /*previousResults*/, const QStringList& terms)
{
    return search(terms);
}

QList<QVariantMap> GnomeSearchProvider::GetResultMetas(const QStringList& identifiers)
{
    idle_.restart();
    QList<QVariantMap> metas;
    for (const QString& id : identifiers) {
        const std::optional<IdentifiedAnswer> read = readAnswerId(id);
        if (!read)
            continue;
        const QString result = QString::fromStdString(read->answer.result);
        metas << QVariantMap{
            {QStringLiteral("id"), id},
            {QStringLiteral("name"), result},
            {QStringLiteral("description"),
             QString::fromStdString(read->answer.question + " \u00b7 " + read->answer.window)},
            // The shell copies this when the result is chosen.
            {QStringLiteral("clipboardText"), result},
            {QStringLiteral("gicon"), QStringLiteral("org.orlune.Ambrel")},
        };
    }
    return metas;
}

// Choosing a result copies it, which the shell does from the result's
// clipboard text; nothing more is asked of the program.
void GnomeSearchProvider::ActivateResult(const QString& /*identifier*/, const QStringList& /*terms*/,
                                         uint /*timestamp*/)
{
    idle_.restart();
}

void GnomeSearchProvider::LaunchSearch(const QStringList& terms, uint /*timestamp*/)
{
    idle_.restart();
    openInDesktopProgram(terms.join(QLatin1Char(' ')));
}

}  // namespace ambrel
