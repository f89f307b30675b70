// The length window on the real desktop platform, driven by keystrokes.
#include "app/application.h"
#include "converters/length.h"
#include "qt/qt_cells.h"
#include "qt/qt_platform.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

using namespace ambrel;

namespace {

QLineEdit* cell(QWidget* window, const char* outlet)
{
    return window->findChild<QLineEdit*>(QString::fromLatin1(outlet));
}

}  // namespace

TEST(LengthWindowGui, TypingAFootAndPressingEnterUpdatesEveryField)
{
    QtPlatform platform;
    Application app(platform);
    app.menu().parts();
    app.menu().OpenLenghtWindow();
    auto* length = dynamic_cast<LenghtObject*>(app.controller("LenghtObject"));
    ASSERT_NE(length, nullptr);
    QWidget* top = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("LenghtWindow"))
            top = w;
    ASSERT_NE(top, nullptr);
    EXPECT_TRUE(top->isVisible());

    QLineEdit* feet = cell(top, "FeetField");
    ASSERT_NE(feet, nullptr);
    feet->setFocus();
    feet->selectAll();
    QTest::keyClicks(feet, QStringLiteral("1"));
    QTest::keyClick(feet, Qt::Key_Return);

    // The menu's accuracy field starts at 5 decimals.
    EXPECT_EQ(cell(top, "MetersField")->text(), QStringLiteral("0.30480"));
    EXPECT_EQ(cell(top, "InchesField")->text(), QStringLiteral("11.99998"));
    EXPECT_EQ(cell(top, "MilesField")->text(), QStringLiteral("0.00019"));
    EXPECT_EQ(cell(top, "FeetField")->text(), QStringLiteral("1.00000"));
    EXPECT_EQ(length->field("InchesField")->doubleValue(), 11.999976);
    // The edited field keeps the focus, ready for the next number.
    EXPECT_EQ(top->focusWidget(), feet);

    // A refused entry changes nothing and says why.
    QLineEdit* yards = cell(top, "YardsField");
    yards->setFocus();
    yards->selectAll();
    QTest::keyClicks(yards, QStringLiteral("12abc"));
    QTest::keyClick(yards, Qt::Key_Return);
    EXPECT_EQ(yards->text(), QStringLiteral("12abc"));
    EXPECT_EQ(cell(top, "MetersField")->text(), QStringLiteral("0.30480"));
    auto* status = top->findChild<QLabel*>(QStringLiteral("StatusLine"));
    ASSERT_NE(status, nullptr);
    EXPECT_TRUE(status->text().contains(QStringLiteral("not a number"))) << status->text().toStdString();

    // Changing the accuracy reformats what is shown without converting.
    length->accuracyChange(2);
    EXPECT_EQ(cell(top, "InchesField")->text(), QStringLiteral("12.00"));
    EXPECT_EQ(length->field("InchesField")->doubleValue(), 11.999976);

    // Closed and opened again through the menu (which applies its accuracy
    // of 5 again), the window shows the numbers it held and still converts.
    top->close();
    QApplication::processEvents();
    app.menu().OpenLenghtWindow();
    ASSERT_TRUE(top->isVisible());
    EXPECT_EQ(cell(top, "InchesField")->text(), QStringLiteral("11.99998"));
    QLineEdit* miles = cell(top, "MilesField");
    miles->setFocus();
    miles->selectAll();
    QTest::keyClicks(miles, QStringLiteral("1"));
    QTest::keyClick(miles, Qt::Key_Return);
    EXPECT_EQ(cell(top, "MetersField")->text(), QStringLiteral("1609.34400"));
    top->close();
}
