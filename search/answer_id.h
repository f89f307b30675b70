// SPDX-License-Identifier: GPL-3.0-or-later
// A result's identifier as the shell and KRunner hand it back: the answer
// itself, so that any later call needs no memory of the search.
#pragma once

#include "cli/search_answers.h"

#include <QString>
#include <optional>

namespace ambrel {

struct IdentifiedAnswer {
    SearchAnswer answer;
    QString query;  // what was typed, for the desktop program's finder
};

QString answerId(const SearchAnswer& answer, const QString& query);
// None for an identifier this service did not make.
std::optional<IdentifiedAnswer> readAnswerId(const QString& id);

}  // namespace ambrel
