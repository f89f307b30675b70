// Every window can be read by assistive technology and fits a small screen.
#include "app/application.h"
#include "app/window_registry.h"
#include "qt/qt_platform.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <gtest/gtest.h>

using namespace ambrel;

TEST(Accessibility, EveryFieldBoxAndButtonIsNamedAndEveryWindowFits1366By768)
{
    QtPlatform platform;
    Application app(platform);
    for (const WindowEntry& entry : windowRegistry()) {
        WindowController* window = app.controller(entry.className);
        ASSERT_NE(window, nullptr);
        QWidget* top = static_cast<QtWindow*>(window->parts().window)->widget();
        ASSERT_NE(top, nullptr);
        EXPECT_FALSE(top->windowTitle().isEmpty()) << entry.cliName;
        for (QLineEdit* field : top->findChildren<QLineEdit*>())
            EXPECT_FALSE(field->accessibleName().isEmpty()) << entry.cliName << ": " << field->objectName().toStdString();
        for (QGroupBox* box : top->findChildren<QGroupBox*>())
            EXPECT_FALSE(box->title().isEmpty()) << entry.cliName << ": " << box->objectName().toStdString();
        for (QAbstractButton* button : top->findChildren<QAbstractButton*>())
            EXPECT_FALSE(button->text().isEmpty()) << entry.cliName;
        EXPECT_LE(top->sizeHint().width(), 1366) << entry.cliName;
        EXPECT_LE(top->sizeHint().height(), 700) << entry.cliName;
    }
}
