// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/qt_defaults.h"

#include "app/menu_object.h"
#include "qt/qt_text.h"
#include "qt/settings_text.h"

#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>
#include <utility>
#include <vector>

namespace ambrel {

namespace {

// Ambrel's own file is a few lines; anything this large is not its.
constexpr qint64 kLargestSettingsFile = 1 << 20;
// Damaged files kept before a new one is refused.
constexpr int kMostKeptFiles = 1000;

QStringList storedKeys()
{
    QStringList keys;
    for (const char* key : MenuObject::kStoredKeys)
        keys << QString::fromLatin1(key);
    return keys;
}

}  // namespace

QtDefaults::QtDefaults()
{
    // Where QSettings("Orlune", "Ambrel") keeps the file.
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (folder.isEmpty())
        return;
    path_ = folder + QStringLiteral("/Orlune/Ambrel.conf");
    // A directory, pipe or device in the file's place is left alone: reading
    // a pipe would wait forever and a device might never end.
    const QFileInfo info(path_);
    if (info.exists() && (!info.isFile() || info.size() > kLargestSettingsFile))
        return;
    settings_ = std::make_unique<QSettings>(path_, QSettings::IniFormat);
    // QSettings parses a section when it is first read; read them all now so
    // that a bad line anywhere shows.
    settings_->allKeys();
    QFile file(path_);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const SettingsText text = readSettingsText(file.read(kLargestSettingsFile), storedKeys());
    damaged_ = text.damaged || settings_->status() == QSettings::FormatError;
    if (damaged_)
        recovered_ = text.values;
}

QString QtDefaults::stored(std::string_view key) const
{
    if (!settings_)
        return {};
    if (damaged_)
        return recovered_.value(toQString(key));
    const QVariant v = settings_->value(toQString(key));
    // The file holds text; a list, a byte array or a floating-point value
    // is none of ours.
    switch (v.typeId()) {
    case QMetaType::QString:
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::LongLong: return v.toString().trimmed();
    default: return {};
    }
}

std::optional<long long> QtDefaults::value(std::string_view key) const
{
    const QString s = stored(key).toLower();
    if (s == QLatin1String("true"))
        return 1;
    if (s == QLatin1String("false"))
        return 0;
    bool ok = false;
    const long long value = s.toLongLong(&ok, 10);
    if (!ok)
        return std::nullopt;
    return value;
}

bool QtDefaults::boolForKey(std::string_view key) const
{
    return value(key).value_or(0) != 0;
}

long long QtDefaults::integerForKey(std::string_view key) const
{
    return value(key).value_or(0);
}

bool QtDefaults::contains(std::string_view key) const
{
    return value(key).has_value();
}

void QtDefaults::setBool(std::string_view key, bool value)
{
    save(key, value);
}

void QtDefaults::setInteger(std::string_view key, long long value)
{
    save(key, value);
}

void QtDefaults::save(std::string_view key, const QVariant& value)
{
    if (path_.isEmpty())
        return reportUnsaved(QStringLiteral("there is no folder for settings"));
    if (!settings_)
        return reportUnsaved(path_ + QStringLiteral(" is not a settings file"));
    if (damaged_ && !replaceDamagedFile())
        return reportUnsaved(path_ + QStringLiteral(" cannot be replaced"));
    settings_->setValue(toQString(key), value);
    settings_->sync();
    if (settings_->status() != QSettings::NoError)
        return reportUnsaved(path_ + QStringLiteral(" cannot be written"));
    reported_ = false;
}

bool QtDefaults::replaceDamagedFile()
{
    // Only where the file may be written at all.
    if (!QFile(path_).open(QIODevice::ReadWrite))
        return false;
    // Kept under the first free name (.bad, .bad.1, .bad.2, ...): an older
    // damaged file may still hold something its owner wants back. A rename
    // never replaces a file that exists.
    QString kept;
    for (int n = 0;; ++n) {
        if (n > kMostKeptFiles)
            return false;
        kept = path_ + QStringLiteral(".bad") + (n ? QStringLiteral(".%1").arg(n) : QString());
        if (!QFileInfo::exists(kept) && QFile::rename(path_, kept))
            break;
    }
    qWarning().noquote() << QStringLiteral("The settings file did not read in full; it is kept as %1 and a new one "
                                           "starts with what could be read")
                                .arg(kept);
    std::vector<std::pair<QString, long long>> carried;
    for (const char* key : MenuObject::kStoredKeys)
        if (const std::optional<long long> v = value(key))
            carried.emplace_back(QString::fromLatin1(key), *v);
    settings_ = std::make_unique<QSettings>(path_, QSettings::IniFormat);
    damaged_ = false;
    recovered_.clear();
    for (const auto& [key, v] : carried)
        settings_->setValue(key, key == QLatin1String(MenuObject::kAccuracyKey) ? QVariant(v) : QVariant(v != 0));
    return true;
}

void QtDefaults::reportUnsaved(const QString& why)
{
    if (reported_)
        return;
    reported_ = true;
    qWarning().noquote() << QStringLiteral("Could not save the settings: %1").arg(why);
}

}  // namespace ambrel
