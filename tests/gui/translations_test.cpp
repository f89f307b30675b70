// SPDX-License-Identifier: GPL-3.0-or-later
// The catalogs the desktop ships: each loads and translates, every
// placeholder and mnemonic of a text survives its translation, and none is
// left unfinished.
#include "app/unit_translations.h"
#include "gui_support.h"
#include "qt/translations.h"

#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>

using namespace ambrel;

namespace {

constexpr const char* kShipped[] = {"de", "fr", "es"};

// One message of a .ts file: its source and each of its translations (one,
// or one per plural form).
struct Message {
    QString context;
    QString source;
    QStringList translations;
    bool unfinished = false;
};

QList<Message> readCatalog(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    QList<Message> messages;
    QString context, text;
    bool inTranslation = false;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isCharacters() && inTranslation) {
            text += xml.text();
            continue;
        }
        if (xml.isEndElement() && xml.name() == QLatin1String("translation")) {
            inTranslation = false;
            if (!text.trimmed().isEmpty())
                messages.last().translations << text;
            continue;
        }
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            messages.append({context, {}, {}, false});
        } else if (messages.isEmpty()) {
            continue;
        } else if (xml.name() == QLatin1String("source")) {
            messages.last().source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            messages.last().unfinished = xml.attributes().value(QLatin1String("type")) == QLatin1String("unfinished");
            inTranslation = true;
            text.clear();
        } else if (xml.name() == QLatin1String("numerusform")) {
            messages.last().translations << xml.readElementText();
        }
    }
    EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
    return messages;
}

// The placeholders of a text, sorted: "%1", "%2", "%n".
QStringList placeholders(const QString& text)
{
    static const QRegularExpression placeholder(QStringLiteral("%(\\d+|n)"));
    QStringList found;
    for (const QRegularExpressionMatch& m : placeholder.globalMatch(text))
        found << m.captured();
    found.sort();
    return found;
}

int mnemonics(const QString& text)
{
    int count = 0;
    for (qsizetype at = text.indexOf(u'&'); at >= 0 && at + 1 < text.size(); at = text.indexOf(u'&', at + 2))
        count += text[at + 1] != u'&' && text[at + 1] != u' ';
    return count;
}

// Whether the text is a title or label a person reaches with Alt: short, no
// markup (the information windows' HTML has its own ampersands).
bool isTitle(const QString& text)
{
    return !text.contains(u'<') && text.size() < 60;
}

TEST(Catalogs, EveryTextIsTranslatedKeepingItsPlaceholdersAndMnemonic)
{
    for (const char* language : kShipped) {
        const QString path =
            QStringLiteral(AMBREL_SOURCE_DIR "/translations/ambrel_%1.ts").arg(QLatin1String(language));
        const QList<Message> catalog = readCatalog(path);
        EXPECT_GT(catalog.size(), 200) << language;
        for (const Message& m : catalog) {
            const std::string where =
                std::string(language) + ": " + m.context.toStdString() + ": “" + m.source.toStdString() + "”";
            EXPECT_FALSE(m.unfinished) << where << " is unfinished";
            // The core's texts are looked up under "ambrel" alone: one marked
            // inside a class, or read by lupdate as of "std", is never found.
            EXPECT_TRUE(m.context == QLatin1String("ambrel") ||
                        (!m.context.contains(u':') && m.context != QLatin1String("std")))
                << where << ": a context the program does not look in";
            ASSERT_FALSE(m.translations.isEmpty()) << where << " has no translation";
            for (const QString& t : m.translations) {
                EXPECT_FALSE(t.trimmed().isEmpty()) << where;
                EXPECT_EQ(placeholders(t), placeholders(m.source)) << where << " → “" << t.toStdString() << "”";
                if (isTitle(m.source)) {
                    EXPECT_EQ(mnemonics(t), mnemonics(m.source)) << where << " → “" << t.toStdString() << "”";
                }
            }
        }
    }
}

// Each catalog compiled into the program loads under its language, for
// the Qt windows' texts, the core's texts and the units' names alike.
TEST(Catalogs, EachShippedLanguageLoadsAndTranslates)
{
    for (const char* language : kShipped) {
        SCOPED_TRACE(language);
        ASSERT_EQ(installTranslations(QLocale(QString::fromLatin1(language))), QLatin1String(language));
        EXPECT_NE(QCoreApplication::translate("MainMenuWindow", "&Help"), QLatin1String("&Help"));
        EXPECT_NE(translatedCoreText("Temperature"), QLatin1String("Temperature"));
        EXPECT_NE(translatedLabel("mile"), QLatin1String("mile"));
        EXPECT_NE(translatedLabel("hours"), QLatin1String("hours"));  // a calculator's label
    }
    // Back to English, and no unit name of the last language stays.
    EXPECT_EQ(installTranslations(QLocale(QLocale::English)), QLatin1String("en"));
    EXPECT_EQ(translatedLabel("mile"), QLatin1String("mile"));
    EXPECT_EQ(unitTranslation("mile"), nullptr);
}

}  // namespace
