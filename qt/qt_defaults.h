// SPDX-License-Identifier: GPL-3.0-or-later
// The user's settings, in Ambrel's own INI file.
#pragma once

#include "framework/platform.h"

#include <QMap>
#include <QSettings>
#include <QString>
#include <memory>
#include <optional>

namespace ambrel {

// The user's settings file. Whatever is on disk, reading never fails: a file
// that is missing, unreadable or not a file at all reads as empty (a first
// run), a damaged file gives what can still be read from it, and a value
// Ambrel would never have written reads as absent. A save that does not reach
// the disk is reported in one log line.
class QtDefaults : public UserDefaults {
public:
    QtDefaults();
    bool boolForKey(std::string_view key) const override;
    long long integerForKey(std::string_view key) const override;
    bool contains(std::string_view key) const override;
    void setBool(std::string_view key, bool value) override;
    void setInteger(std::string_view key, long long value) override;

private:
    // The stored value as text, or an empty string.
    QString stored(std::string_view key) const;
    // The stored value as Ambrel writes it ("true" reads as 1), if it is one.
    std::optional<long long> value(std::string_view key) const;
    void save(std::string_view key, const QVariant& value);
    // Keeps a damaged file beside the new one and starts the new one with
    // what could be read from it.
    bool replaceDamagedFile();
    void reportUnsaved(const QString& why);

    QString path_;
    // Null while the path holds something that is no settings file.
    std::unique_ptr<QSettings> settings_;
    // The file did not parse as a whole: reads see `recovered_`, what could be
    // read from it, and the first save replaces it.
    bool damaged_ = false;
    QMap<QString, QString> recovered_;
    // A failed save was reported; stay quiet until one succeeds.
    bool reported_ = false;
};

}  // namespace ambrel
