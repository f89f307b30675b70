// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/translations.h"

#include "app/unit_translations.h"
#include "framework/translatable.h"
#include "qt/qt_text.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace ambrel {

namespace {

QString loadedLanguage = QStringLiteral("en");
// The catalogs installed, which the application holds only pointers to.
QList<QTranslator*> installedCatalogs;

QTranslator* loaded(const QLocale& locale, const QString& name, const QString& folder)
{
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(locale, name, QStringLiteral("_"), folder)) {
        QCoreApplication::installTranslator(translator);
        installedCatalogs.append(translator);
        return translator;
    }
    delete translator;
    return nullptr;
}

void removeCatalogs()
{
    for (QTranslator* translator : std::as_const(installedCatalogs)) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    installedCatalogs.clear();
    setTextLookup(nullptr);
    useUnitTranslations({});
}

std::string lookUpCoreText(std::string_view english)
{
    return translatedCoreText(english).toStdString();
}

// The unit names of `language`, for the windows' labels and the finder.
void installUnitNames(const QString& language)
{
    QFile file(QStringLiteral(":/i18n/units_%1.tsv").arg(language));
    if (!file.open(QIODevice::ReadOnly)) {
        qWarning("ambrel: no unit names in %s", qPrintable(language));
        return;
    }
    const QByteArray text = file.readAll();
    std::vector<std::string> problems;
    useUnitTranslations(readUnitTranslations(std::string_view(text.constData(), text.size()), &problems));
    for (const std::string& problem : problems)
        qWarning("ambrel: units_%s.tsv: %s", qPrintable(language), problem.c_str());
}

}  // namespace

QString installTranslations(const QLocale& messages)
{
    removeCatalogs();
    // English, the language of the sources, for a language we do not have
    // (and for the C locale): its catalog holds only the plural forms.
    const QString folder = QStringLiteral(":/i18n"), name = QStringLiteral("ambrel");
    const QTranslator* ours = loaded(messages, name, folder);
    if (!ours)
        ours = loaded(QLocale(QLocale::English), name, folder);
    if (!ours || ours->language().startsWith(QLatin1String("en")))
        return loadedLanguage = QStringLiteral("en");
    // Qt's own, for the texts of its standard dialogs and buttons, where
    // the system has them (Debian's qt6-translations-l10n).
    loaded(messages, QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    loadedLanguage = ours->language().section(QLatin1Char('_'), 0, 0);
    // The texts the core composes at run time (refusals, titles) and the
    // units' own names.
    setTextLookup(lookUpCoreText);
    installUnitNames(loadedLanguage);
    return loadedLanguage;
}

QString uiLanguage()
{
    return loadedLanguage;
}

QString translatedCoreText(std::string_view english)
{
    const QByteArray key(english.data(), static_cast<qsizetype>(english.size()));
    return QCoreApplication::translate("ambrel", key.constData());
}

QString translatedLabel(std::string_view english)
{
    if (const UnitTranslation* unit = unitTranslation(english))
        return toQString(unit->singular);
    return translatedCoreText(english);
}

}  // namespace ambrel
