// SPDX-License-Identifier: GPL-3.0-or-later
// Interface files, notebooks and printing on the desktop platform.
#include "gui_support.h"
#include "qt/printing.h"

#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

using namespace ambrel;
using namespace ambrel::testing;

namespace {

// The desktop platform with the alert sound counted instead of played.
struct CountingPlatform : QtPlatform {
    void beep() override { ++beeps; }
    int beeps = 0;
};

// The text of `window` printed to a PDF, as pdftotext reads it.
QString printedText(QWidget* window)
{
    QTemporaryDir dir;
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.path() + QStringLiteral("/printed.pdf"));
    if (!window || !printWindowTo(window, printer))
        return {};
    QProcess extract;
    extract.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-layout"), printer.outputFileName(), QStringLiteral("-")});
    if (!extract.waitForFinished(30000) || extract.exitCode() != 0)
        return {};
    return QString::fromUtf8(extract.readAllStandardOutput());
}

}  // namespace

TEST(InformationGui, MissingInterfaceFileIsLoggedWithABeep)
{
    // Resources that are not there.
    const QByteArray resources = qgetenv("AMBREL_RESOURCES");
    QTemporaryDir empty;
    qputenv("AMBREL_RESOURCES", empty.path().toLocal8Bit());
    DesktopOn<CountingPlatform> d;
    LogCapture log;
    d.menu.IntroAndHelp();
    EXPECT_EQ(log.lines, QStringList{QStringLiteral("Failed to load HelpIntro.nib")});
    EXPECT_EQ(d.platform.beeps, 1);
    EXPECT_EQ(shownWindow(QStringLiteral("HelpIntroWindow")), nullptr);
    qputenv("AMBREL_RESOURCES", resources);
}

TEST(InformationGui, InformationWindowsLoadAndShowTheVersionAndTheNotebookItsDocument)
{
    QApplication::setApplicationVersion(QStringLiteral("9.8.7"));
    DesktopOn<CountingPlatform> d;
    for (const char* action : {"IntroAndHelp:", "MoreInfo:", "OpenSIPrefixes:", "WarrantyInfo:"})
        d.menu.perform(action);
    EXPECT_EQ(d.platform.beeps, 0);
    QWidget* about = shownWindow(QStringLiteral("MoreInfoWindow"));
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(std::ranges::any_of(about->findChildren<QLabel*>(),
                                    [](QLabel* l) { return l->text().contains(QStringLiteral("Version 9.8.7")); }));

    d.menu.ShowSummary();
    QWidget* notebook = shownWindow(QStringLiteral("NotebookWindow"));
    ASSERT_NE(notebook, nullptr);
    auto* document = notebook->findChild<QTextBrowser*>();
    ASSERT_TRUE(document && document->toPlainText().size() > 200);
    EXPECT_FALSE(document->toPlainText().contains(QStringLiteral("/notebooks/")));

    // Notes print as their document, without the window's buttons.
    const QString printed = printedText(notebook);
    EXPECT_TRUE(printed.contains(QStringLiteral("Proportion"))) << printed.toStdString();
    EXPECT_FALSE(printed.contains(QStringLiteral("Print")));
}

// A converter prints as a document, not a picture: its heading, the accuracy
// and the table set, each unit with the value it shows, and none of the buttons.
TEST(InformationGui, PrintingAConverterPrintsItsUnitsAndValuesAsText)
{
    Desktop d;
    typeInto(d.open("length"), "FeetField", "1");
    const QString text = printedText(shownWindow(QStringLiteral("LenghtWindow")));
    ASSERT_FALSE(text.isEmpty()) << "nothing printed, or pdftotext read nothing";
    // The PDF's text may join "fi" into one ligature.
    for (const char* line : {"Length", "Accuracy: 4 decimals", "Exact de(fi|\uFB01)nitions"})
        EXPECT_TRUE(QRegularExpression(QString::fromUtf8(line)).match(text).hasMatch())
            << line << " in " << text.toStdString();
    for (const char* row : {"\\binch\\s+12\\.0000", "\\bmeter\\s+0\\.3048"})
        EXPECT_TRUE(QRegularExpression(QString::fromLatin1(row)).match(text).hasMatch()) << row;
    EXPECT_FALSE(text.contains(QStringLiteral("Notebook")));
    EXPECT_FALSE(text.contains(QStringLiteral("Close")));
}

// The home-page link opens the manual installed with the program, which
// lists every notebook and the README; where no browser can be started a
// message says where those files are.
TEST(InformationGui, TheHomePageIsTheInstalledManualAndWithoutABrowserAMessageSaysWhereItIs)
{
    DesktopOn<CountingPlatform> d;
    const std::optional<std::string> manual = d.platform.pathForResource("index", "html");
    ASSERT_TRUE(manual);
    QFile index(QString::fromStdString(*manual));
    ASSERT_TRUE(index.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(index.readAll());
    const QDir dir = QFileInfo(index).dir();
    for (const QString& notebook :
         QDir(dir.filePath(QStringLiteral("notebooks"))).entryList({QStringLiteral("*.html")}))
        EXPECT_TRUE(html.contains(QStringLiteral("href=\"notebooks/") + notebook + QLatin1Char('"')))
            << notebook.toStdString() << " is not in the manual";
    static const QRegularExpression link(QStringLiteral("href=\"([^\"]+)\""));
    for (auto it = link.globalMatch(html); it.hasNext();) {
        const QString target = it.next().captured(1);
        EXPECT_TRUE(
            QFileInfo::exists(dir.filePath(target)) ||
            (target == QLatin1String("README.md") && QFileInfo::exists(dir.filePath(QStringLiteral("../README.md")))))
            << target.toStdString() << " is linked but missing";
    }

    // No browser on the path: the message names the manual's file.
    const QByteArray path = qgetenv("PATH");
    const QByteArray browser = qgetenv("BROWSER");
    QTemporaryDir empty;
    qputenv("PATH", empty.path().toLocal8Bit());
    qunsetenv("BROWSER");
    d.menu.perform("displayOrlune:");
    qputenv("PATH", path);
    if (!browser.isEmpty())
        qputenv("BROWSER", browser);
    auto* message = qobject_cast<QMessageBox*>(shownWindow(QStringLiteral("NoBrowserMessage")));
    ASSERT_NE(message, nullptr);
    EXPECT_TRUE(message->informativeText().contains(QDir::toNativeSeparators(QString::fromStdString(*manual))))
        << message->informativeText().toStdString();
    message->close();
}
