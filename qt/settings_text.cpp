// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/settings_text.h"

namespace ambrel {

SettingsText readSettingsText(const QByteArray& bytes, const QStringList& keys)
{
    SettingsText result;
    QByteArray text = bytes;
    if (text.startsWith("\xEF\xBB\xBF")) {
        result.damaged = true;
        text.remove(0, 3);
    }
    bool general = true;  // keys before any section belong to [General]
    for (QByteArray line : text.split('\n')) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(';') || line.startsWith('#'))
            continue;
        if (line.contains('\0')) {
            result.damaged = true;
            continue;
        }
        if (line.startsWith('[')) {
            // "[Name]" opens a section; anything else leaves the section as it was.
            if (line.size() > 2 && line.endsWith(']') && line.indexOf(']') == line.size() - 1)
                general = line == "[General]";
            else
                result.damaged = true;
            continue;
        }
        const qsizetype eq = line.indexOf('=');
        if (eq <= 0) {
            result.damaged = true;
            continue;
        }
        const QString key = QString::fromUtf8(line.left(eq).trimmed());
        if (general && keys.contains(key))
            result.values.insert(key, QString::fromUtf8(line.mid(eq + 1).trimmed()));
    }
    return result;
}

}  // namespace ambrel
