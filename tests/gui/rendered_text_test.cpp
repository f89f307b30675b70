// SPDX-License-Identifier: GPL-3.0-or-later
// What the information windows and notebooks show: text as a person reads
// it, never markup or an entity escaped once too often.
#include "gui_support.h"

#include <QDirIterator>
#include <QTextDocument>
#include <QXmlStreamReader>

namespace {

// The texts as they stand in the source tree.
QString resources()
{
    return QStringLiteral(AMBREL_SOURCE_DIR "/resources");
}

// The pieces of markup that show only when a text was escaped twice or
// its tags were mangled.
std::string strayMarkup(const QString& shown)
{
    static const QRegularExpression stray(
        QStringLiteral(R"(&(lt|gt|amp|quot|apos|nbsp);|&#|\.?(lt|gt);|</?[a-zA-Z][a-zA-Z0-9]*[ />]|<!--)"));
    const QRegularExpressionMatch m = stray.match(shown);
    return m.hasMatch() ? shown.mid(std::max<qsizetype>(0, m.capturedStart() - 30), 70).toStdString() : std::string();
}

QString shownFromHtml(const QString& html)
{
    QTextDocument document;
    document.setHtml(html);
    return document.toPlainText();
}

// Every text property of a .ui file, as its widget shows it: rich text for
// labels and text browsers that hold markup, plain text otherwise.
QStringList shownTexts(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    QXmlStreamReader xml(&file);
    QStringList shown;
    QString property;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("property"))
            property = xml.attributes().value(QLatin1String("name")).toString();
        else if (xml.name() == QLatin1String("string") &&
                 (property == QLatin1String("text") || property == QLatin1String("html") ||
                  property == QLatin1String("toolTip") || property == QLatin1String("windowTitle"))) {
            const QString text = xml.readElementText();
            shown << (Qt::mightBeRichText(text) || property == QLatin1String("html") ? shownFromHtml(text) : text);
        }
    }
    EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
    return shown;
}

TEST(RenderedText, InterfaceFilesAndNotebooksShowNoStrayMarkup)
{
    int files = 0;
    for (QDirIterator it(resources() + QStringLiteral("/ui"), {QStringLiteral("*.ui")}); it.hasNext(); ++files)
        for (const QString& text : shownTexts(it.next()))
            EXPECT_EQ(strayMarkup(text), std::string()) << it.filePath().toStdString();
    for (QDirIterator it(resources() + QStringLiteral("/notebooks"), {QStringLiteral("*.html")}); it.hasNext();
         ++files) {
        QFile file(it.next());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(strayMarkup(shownFromHtml(QString::fromUtf8(file.readAll()))), std::string())
            << it.filePath().toStdString();
    }
    EXPECT_GT(files, 10) << "the resources were not found";
}

// The check itself: what it must catch and what it must let through.
TEST(RenderedText, StrayMarkupIsFoundInShownText)
{
    for (const char* html : {"<p>quotes &amp;lt;code&amp;gt;here</p>", "<p>gone.lt;codea unit</p>",
                             "<p>&amp;amp; twice</p>", "<p>&lt;b&gt;bold&lt;/b&gt;</p>", "<p>&amp;#8212;</p>"})
        EXPECT_NE(strayMarkup(shownFromHtml(QString::fromUtf8(html))), std::string()) << html;
    for (const char* html :
         {"<p>a &lt; b and c &gt; d</p>", "<p>Tom &amp; Jerry, 5&nbsp;ft</p>", "<p><code>ambrel 1 ft m</code></p>"})
        EXPECT_EQ(strayMarkup(shownFromHtml(QString::fromUtf8(html))), std::string()) << html;
}

}  // namespace
