// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/answer_id.h"

#include <QStringList>

namespace ambrel {

namespace {

// Between the parts: a character no answer or search text holds.
constexpr char16_t kUnitSeparator = u'\x1f';
const QString kPrefix = QStringLiteral("ambrel");

}  // namespace

QString answerId(const SearchAnswer& answer, const QString& query)
{
    const QString q = QString(query).remove(QChar(kUnitSeparator));
    return QStringList{kPrefix, QString::fromStdString(answer.result), QString::fromStdString(answer.question),
                       QString::fromStdString(answer.window), q}
        .join(QChar(kUnitSeparator));
}

std::optional<IdentifiedAnswer> readAnswerId(const QString& id)
{
    const QStringList parts = id.split(QChar(kUnitSeparator));
    if (parts.size() != 5 || parts[0] != kPrefix || parts[1].isEmpty())
        return std::nullopt;
    return IdentifiedAnswer{{parts[1].toStdString(), parts[2].toStdString(), parts[3].toStdString()}, parts[4]};
}

}  // namespace ambrel
