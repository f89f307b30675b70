// SPDX-License-Identifier: GPL-3.0-or-later
// What can still be read from a settings file that does not parse as a whole.
#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>

namespace ambrel {

struct SettingsText {
    QMap<QString, QString> values;  // the wanted keys found, with their text
    bool damaged = false;           // some of the file is no settings text
};

// Reads `keys` of the [General] section (or before any section) from the
// bytes of an INI file line by line. A line that does not parse (a byte-order
// mark, a NUL, a merge conflict marker, a broken section header) marks the
// file damaged and is skipped; the lines around it still count.
SettingsText readSettingsText(const QByteArray& bytes, const QStringList& keys);

}  // namespace ambrel
