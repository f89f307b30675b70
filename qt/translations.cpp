// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/translations.h"

#include "qt/qt_text.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace ambrel {

namespace {

QString loadedLanguage = QStringLiteral("en");

// Loaded once and kept for the life of the program, as the application
// holds only pointers to them.
QTranslator* loaded(const QLocale& locale, const QString& name, const QString& folder)
{
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(locale, name, QStringLiteral("_"), folder)) {
        QCoreApplication::installTranslator(translator);
        return translator;
    }
    delete translator;
    return nullptr;
}

}  // namespace

QString installTranslations()
{
    // QLocale::system() takes the languages of messages from LANGUAGE,
    // LC_ALL, LC_MESSAGES and LANG, in that order, and its numbers from
    // LC_NUMERIC: the two stay apart.
    const QLocale messages = QLocale::system();
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
    return loadedLanguage = ours->language().section(QLatin1Char('_'), 0, 0);
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

}  // namespace ambrel
