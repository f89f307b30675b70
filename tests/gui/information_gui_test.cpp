// Interface files, notebooks and printing on the desktop platform.
#include "app/application.h"
#include "qt/qt_platform.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPrinter>
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

TEST(InformationGui, PrintingAWindowWritesAPdfPage)
{
    CountingPlatform platform;
    Application app(platform);
    app.menu().OpenLenghtWindow();
    QWidget* length = topLevel(QStringLiteral("LenghtWindow"));
    ASSERT_NE(length, nullptr);
    QTemporaryDir dir;
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.path() + QStringLiteral("/length.pdf"));
    ASSERT_TRUE(QtWindow::printWidget(length, printer));
    QFile file(printer.outputFileName());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray content = file.readAll();
    EXPECT_TRUE(content.startsWith("%PDF"));
    EXPECT_TRUE(content.contains("/Type /Page"));
}
