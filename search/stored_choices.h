// SPDX-License-Identifier: GPL-3.0-or-later
// The person's choices the desktop program stored: the table set and the
// accuracy, read again whenever the file changes.
#pragma once

#include "cli/search_answers.h"

#include <QDateTime>
#include <QString>

namespace ambrel {

class StoredChoices {
public:
    StoredChoices();

    // The options for a search, as stored now.
    const SearchOptions& current();

private:
    void read();

    QString path_;
    QDateTime modified_;
    qint64 size_ = -1;
    bool exists_ = false;
    bool readOnce_ = false;
    SearchOptions options_;
};

}  // namespace ambrel
