// SPDX-License-Identifier: GPL-3.0-or-later
// Interface files, notebooks and printing on the desktop platform.
#include "app/application.h"
#include "framework/entry.h"
#include "qt/printing.h"
#include "qt/qt_platform.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <gtest/gtest.h>

using namespace ambrel;

namespace {

// The desktop platform with the alert sound counted instead of played.
class CountingPlatform : public QtPlatform {
public:
    void beep() override { ++beeps; }
    int beeps = 0;
};

QStringList logged;

void captureLog(QtMsgType, const QMessageLogContext&, const QString& message)
{
    logged << message;
}

QWidget* topLevel(const QString& name)
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == name && w->isVisible())
            return w;
    return nullptr;
}

// Points the program at a copy of its resources, less `missing`.
struct ResourceCopy {
    QTemporaryDir dir;
    const QByteArray saved = qgetenv("AMBREL_RESOURCES");
    explicit ResourceCopy(const QString& missing)
    {
        for (const char* sub : {"ui", "notebooks"}) {
            const QString from = QString::fromLocal8Bit(saved) + "/" + sub, to = dir.path() + "/" + sub;
            QDir().mkpath(to);
            for (const QString& f : QDir(from).entryList(QDir::Files))
                if (f != missing)
                    QFile::copy(from + "/" + f, to + "/" + f);
        }
        qputenv("AMBREL_RESOURCES", dir.path().toLocal8Bit());
    }
    ~ResourceCopy() { qputenv("AMBREL_RESOURCES", saved); }
};

}  // namespace

TEST(InformationGui, MissingInterfaceFileIsLoggedWithABeep)
{
    ResourceCopy resources(QStringLiteral("HelpIntro.ui"));
    CountingPlatform platform;
    Application app(platform);
    logged.clear();
    const QtMessageHandler previous = qInstallMessageHandler(captureLog);
    app.menu().IntroAndHelp();
    qInstallMessageHandler(previous);
    EXPECT_EQ(logged, QStringList{QStringLiteral("Failed to load HelpIntro.nib")});
    EXPECT_EQ(platform.beeps, 1);
    EXPECT_EQ(topLevel(QStringLiteral("HelpIntroWindow")), nullptr);
}

TEST(InformationGui, InformationWindowsLoadAndShowTheVersionAndTheNotebookItsDocument)
{
    QApplication::setApplicationVersion(QStringLiteral("9.8.7"));
    CountingPlatform platform;
    Application app(platform);
    for (const char* action : {"IntroAndHelp:", "MoreInfo:", "OpenSIPrefixes:", "WarrantyInfo:"})
        app.menu().perform(action);
    EXPECT_EQ(platform.beeps, 0);
    QWidget* about = topLevel(QStringLiteral("MoreInfoWindow"));
    ASSERT_NE(about, nullptr);
    QString text;
    for (QLabel* l : about->findChildren<QLabel*>())
        text += l->text();
    for (QTextBrowser* t : about->findChildren<QTextBrowser*>())
        text += t->toPlainText();
    EXPECT_TRUE(text.contains(QStringLiteral("9.8.7"))) << text.toStdString();
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->testAttribute(Qt::WA_DeleteOnClose))
            w->close();

    app.menu().ShowSummary();
    QWidget* notebook = topLevel(QStringLiteral("NotebookWindow"));
    ASSERT_NE(notebook, nullptr);
    EXPECT_EQ(notebook->windowTitle(), QStringLiteral("Summary \u2014 Notes"));
    auto* document = notebook->findChild<QTextBrowser*>();
    ASSERT_NE(document, nullptr);
    EXPECT_GT(document->toPlainText().size(), 200);
    EXPECT_FALSE(document->toPlainText().contains(QStringLiteral("/notebooks/")));
}

// The text of a PDF, as pdftotext reads it.
static QString pdfText(const QString& path)
{
    QProcess extract;
    extract.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!extract.waitForFinished(30000) || extract.exitCode() != 0)
        return {};
    return QString::fromUtf8(extract.readAllStandardOutput());
}

TEST(InformationGui, PrintingAConverterPrintsItsUnitsAndValuesAsText)
{
    CountingPlatform platform;
    Application app(platform);
    app.menu().parts().accuracyField->setIntValue(4);
    app.menu().OpenLenghtWindow();
    WindowController* length = app.controller("LenghtObject");
    typeAndConfirm(platform, *length, length->fieldIndex("FeetField"), "1");
    QTemporaryDir dir;
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.path() + QStringLiteral("/length.pdf"));
    ASSERT_TRUE(printWindowTo(topLevel(QStringLiteral("LenghtWindow")), printer));
    const QString text = pdfText(printer.outputFileName());
    ASSERT_FALSE(text.isEmpty()) << "pdftotext read nothing";
    // A document, not a picture: its heading, the accuracy and the table
    // set, each unit with the value it shows, and none of the buttons.
    EXPECT_TRUE(text.contains(QStringLiteral("Length"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Accuracy: 4 decimals"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Classic tables"))) << text.toStdString();
    const QRegularExpression inch(QStringLiteral("\\binch\\s+12\\.0000"));
    EXPECT_TRUE(inch.match(text).hasMatch()) << text.toStdString();
    const QRegularExpression meter(QStringLiteral("\\bmeter\\s+0\\.3048"));
    EXPECT_TRUE(meter.match(text).hasMatch()) << text.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral("Notebook")));
    EXPECT_FALSE(text.contains(QStringLiteral("Close")));
}

TEST(InformationGui, NotesPrintAsTheirDocument)
{
    CountingPlatform platform;
    Application app(platform);
    app.menu().ShowSummary();
    QTemporaryDir dir;
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.path() + QStringLiteral("/notes.pdf"));
    ASSERT_TRUE(printWindowTo(topLevel(QStringLiteral("NotebookWindow")), printer));
    const QString text = pdfText(printer.outputFileName());
    EXPECT_TRUE(text.contains(QStringLiteral("Proportion"))) << text.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral("Print")));
}
