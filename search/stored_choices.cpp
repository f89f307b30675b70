// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/stored_choices.h"

#include "app/menu_object.h"

#include <QFileInfo>
#include <QLocale>
#include <QSettings>
#include <QStandardPaths>
#include <optional>

namespace ambrel {

namespace {

// As the desktop program: Ambrel's own file is a few lines.
constexpr qint64 kLargestSettingsFile = 1 << 20;

// A stored value as the desktop program reads it: "true", "false" or a
// whole number; anything else counts as not stored.
std::optional<long long> storedValue(const QSettings& settings, const char* key)
{
    const QVariant v = settings.value(QString::fromLatin1(key));
    if (v.typeId() != QMetaType::QString)
        return std::nullopt;
    const QString s = v.toString().trimmed().toLower();
    if (s == QLatin1String("true"))
        return 1;
    if (s == QLatin1String("false"))
        return 0;
    bool ok = false;
    const long long value = s.toLongLong(&ok, 10);
    return ok ? std::optional<long long>(value) : std::nullopt;
}

}  // namespace

StoredChoices::StoredChoices()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (!folder.isEmpty())
        path_ = folder + QStringLiteral("/Orlune/Ambrel.conf");
    // Numbers as the windows show them, with the locale's decimal separator.
    const QString point = QLocale::system().decimalPoint();
    if (point.size() == 1 && point.at(0).unicode() < 0x80)
        options_.decimalSeparator = static_cast<char>(point.at(0).unicode());
}

const SearchOptions& StoredChoices::current()
{
    const QFileInfo info(path_);
    const bool exists = !path_.isEmpty() && info.exists();
    if (!readOnce_ || exists != exists_ || (exists && (info.lastModified() != modified_ || info.size() != size_))) {
        readOnce_ = true;
        exists_ = exists;
        modified_ = exists ? info.lastModified() : QDateTime();
        size_ = exists ? info.size() : -1;
        read();
    }
    return options_;
}

void StoredChoices::read()
{
    options_.exact = true;
    options_.accuracy = MenuObject::kUnsetAccuracyShown;
    const QFileInfo info(path_);
    // A directory, pipe or device in the file's place is none of ours.
    if (!exists_ || !info.isFile() || info.size() > kLargestSettingsFile)
        return;
    const QSettings settings(path_, QSettings::IniFormat);
    // The classic tables only when chosen; a value Ambrel cannot read counts
    // as no choice.
    if (const auto exact = storedValue(settings, MenuObject::kExactKey))
        options_.exact = *exact != 0;
    if (const auto accuracy = storedValue(settings, MenuObject::kAccuracyKey);
        accuracy && *accuracy >= 0 && *accuracy <= kMaxShownDecimals)
        options_.accuracy = static_cast<int>(*accuracy);
}

}  // namespace ambrel
