// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/krunner_runner.h"

#include "search/answer_id.h"
#include "search/desktop_actions.h"
#include "search/idle_exit.h"
#include "search/stored_choices.h"

namespace ambrel {

namespace {

const QString kCopyAction = QStringLiteral("copy");
const QString kOpenAction = QStringLiteral("open");
const QString kIcon = QStringLiteral("org.orlune.Ambrel");
// KRunner's kinds of match: the conversion asked for runs on Enter; the
// others are offered beside it.
constexpr int kExactMatch = 100;
constexpr int kPossibleMatch = 30;

}  // namespace

KRunnerRunner::KRunnerRunner(StoredChoices& choices, IdleExit& idle, QObject* parent)
    : QObject(parent), choices_(choices), idle_(idle)
{}

RunnerActions KRunnerRunner::Actions()
{
    idle_.restart();
    return {{kCopyAction, tr("Copy the result"), QStringLiteral("edit-copy")},
            {kOpenAction, tr("Open in Ambrel"), kIcon}};
}

RunnerMatches KRunnerRunner::Match(const QString& query)
{
    idle_.restart();
    RunnerMatches matches;
    const std::vector<SearchAnswer> answers = answerSearch(query.toStdString(), choices_.current());
    for (std::size_t i = 0; i < answers.size(); ++i) {
        const SearchAnswer& a = answers[i];
        RunnerMatch m;
        m.id = answerId(a, query);
        m.text = QString::fromStdString(a.result);
        m.iconName = kIcon;
        m.type = i == 0 ? kExactMatch : kPossibleMatch;
        // The first answer first; the rest in their order.
        m.relevance = 1.0 - 0.1 * static_cast<double>(i);
        m.properties = {
            {QStringLiteral("subtext"), QString::fromStdString(a.question + " \u00b7 " + a.window)},
            {QStringLiteral("category"), tr("Unit conversion")},
            {QStringLiteral("actions"), QStringList{kCopyAction, kOpenAction}},
        };
        matches << m;
    }
    return matches;
}

// Enter runs a match with no action: it copies the result.
void KRunnerRunner::Run(const QString& matchId, const QString& actionId)
{
    idle_.restart();
    const std::optional<IdentifiedAnswer> read = readAnswerId(matchId);
    if (!read)
        return;
    if (actionId.isEmpty() || actionId == kCopyAction)
        copyToClipboard(QString::fromStdString(read->answer.result));
    else if (actionId == kOpenAction)
        openInDesktopProgram(read->query);
}

// KRunner closed: nothing is held between searches, so nothing to let go.
void KRunnerRunner::Teardown()
{
    idle_.restart();
}

}  // namespace ambrel
