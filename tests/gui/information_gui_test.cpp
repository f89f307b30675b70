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
    QWidget* found = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == name && w->isVisible())
            found = w;
    return found;
}

// Points the program at a copy of its resources, less `missing`.
struct ResourceCopy {
    QTemporaryDir dir;
    explicit ResourceCopy(const QString& missing)
    {
        const QString source = QString::fromLocal8Bit(qgetenv("AMBREL_RESOURCES"));
        for (const char* sub : {"ui", "notebooks"}) {
            QDir().mkpath(dir.path() + "/" + sub);
            for (const QString& f : QDir(source + "/" + sub).entryList(QDir::Files))
                if (f != missing)
                    QFile::copy(source + "/" + sub + "/" + f, dir.path() + "/" + sub + "/" + f);
        }
        saved_ = qgetenv("AMBREL_RESOURCES");
        qputenv("AMBREL_RESOURCES", dir.path().toLocal8Bit());
    }
    ~ResourceCopy() { qputenv("AMBREL_RESOURCES", saved_); }

private:
    QByteArray saved_;
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

TEST(InformationGui, InformationWindowsLoadAndShowTheVersion)
{
    QApplication::setApplicationVersion(QStringLiteral("9.8.7"));
    CountingPlatform platform;
    Application app(platform);
    for (const char* action : {"IntroAndHelp:", "MoreInfo:", "OpenSIPrefixes:", "WarrantyInfo:"})
        app.menu().perform(action);
    EXPECT_EQ(platform.beeps, 0);
    for (const char* name : {"HelpIntroWindow", "MoreInfoWindow", "SIPrefixesWindow"}) {
        QWidget* w = topLevel(QString::fromLatin1(name));
        ASSERT_NE(w, nullptr) << name;
        EXPECT_FALSE(w->windowTitle().isEmpty()) << name;
    }
    QString about;
    for (QLabel* l : topLevel(QStringLiteral("MoreInfoWindow"))->findChildren<QLabel*>())
        about += l->text();
    for (QTextBrowser* t : topLevel(QStringLiteral("MoreInfoWindow"))->findChildren<QTextBrowser*>())
        about += t->toPlainText();
    EXPECT_TRUE(about.contains(QStringLiteral("9.8.7"))) << about.toStdString();
    EXPECT_FALSE(about.contains(QStringLiteral("@VERSION@")));
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->testAttribute(Qt::WA_DeleteOnClose))
            w->close();
}

TEST(InformationGui, NotebookShowsTheDocumentUnderItsName)
{
    CountingPlatform platform;
    Application app(platform);
    app.menu().ShowSummary();
    QWidget* notebook = topLevel(QStringLiteral("NotebookWindow"));
    ASSERT_NE(notebook, nullptr);
    EXPECT_EQ(notebook->windowTitle(), QStringLiteral("Summary"));
    auto* text = notebook->findChild<QTextBrowser*>();
    ASSERT_NE(text, nullptr);
    EXPECT_GT(text->toPlainText().size(), 200);
    EXPECT_FALSE(text->toPlainText().contains(QStringLiteral("/notebooks/")));
}

TEST(InformationGui, PrintingAWindowWritesAPage)
{
    CountingPlatform platform;
    Application app(platform);
    app.menu().OpenLenghtWindow();
    QWidget* length = topLevel(QStringLiteral("LenghtWindow"));
    ASSERT_NE(length, nullptr);
    QTemporaryDir dir;
    const QString pdf = dir.path() + QStringLiteral("/length.pdf");
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    ASSERT_TRUE(QtWindow::printWidget(length, printer));
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray content = file.readAll();
    EXPECT_TRUE(content.startsWith("%PDF"));
    EXPECT_TRUE(content.contains("/Type /Page"));
}
