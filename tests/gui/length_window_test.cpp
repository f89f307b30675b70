// SPDX-License-Identifier: GPL-3.0-or-later
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

// The length window opened through the menu, typed into with the keyboard.
struct LengthWindow {
    QtPlatform platform;
    Application app{platform};
    LenghtObject* length = nullptr;
    QWidget* top = nullptr;

    LengthWindow()
    {
        app.menu().parts();
        app.menu().OpenLenghtWindow();
        length = dynamic_cast<LenghtObject*>(app.controller("LenghtObject"));
        if (length)
            top = static_cast<QtWindow*>(length->parts().window)->widget();
    }
    QLineEdit* cell(const char* outlet) const { return top->findChild<QLineEdit*>(QString::fromLatin1(outlet)); }
    void type(const char* outlet, const QString& text) const
    {
        QLineEdit* c = cell(outlet);
        ASSERT_NE(c, nullptr) << outlet;
        c->setFocus();
        c->selectAll();
        QTest::keyClicks(c, text);
        QTest::keyClick(c, Qt::Key_Return);
    }
};

}  // namespace

TEST(LengthWindowGui, TypingAFootAndPressingEnterUpdatesEveryField)
{
    LengthWindow w;
    ASSERT_NE(w.length, nullptr);
    ASSERT_TRUE(w.top->isVisible());
    LenghtObject* length = w.length;
    QWidget* top = w.top;
    Application& app = w.app;
    const auto cell = [&](const char* outlet) { return w.cell(outlet); };
    const auto type = [&](const char* outlet, const char* text) { w.type(outlet, QString::fromLatin1(text)); };

    // The menu's accuracy field starts at 5 decimals.
    type("FeetField", "1");
    EXPECT_EQ(cell("InchesField")->text(), QStringLiteral("11.99998"));
    EXPECT_EQ(cell("FeetField")->text(), QStringLiteral("1.00000"));
    EXPECT_EQ(length->field("InchesField")->doubleValue(), 11.999976);
    // The edited field keeps the focus, ready for the next number.
    EXPECT_EQ(top->focusWidget(), cell("FeetField"));

    // A refused entry changes nothing and says why.
    type("YardsField", "12abc");
    EXPECT_EQ(cell("YardsField")->text(), QStringLiteral("12abc"));
    EXPECT_EQ(cell("InchesField")->text(), QStringLiteral("11.99998"));
    auto* status = top->findChild<QLabel*>(QStringLiteral("StatusLine"));
    ASSERT_NE(status, nullptr);
    EXPECT_TRUE(status->text().contains(QStringLiteral("not a number"))) << status->text().toStdString();

    // Changing the accuracy reformats what is shown without converting.
    length->accuracyChange(2);
    EXPECT_EQ(cell("InchesField")->text(), QStringLiteral("12.00"));
    EXPECT_EQ(length->field("InchesField")->doubleValue(), 11.999976);

    // Closed and opened again through the menu, the window shows the numbers
    // it held at the menu's accuracy and still converts.
    top->close();
    QApplication::processEvents();
    app.menu().OpenLenghtWindow();
    ASSERT_TRUE(top->isVisible());
    EXPECT_EQ(cell("InchesField")->text(), QStringLiteral("11.99998"));
    type("MilesField", "1");
    EXPECT_EQ(cell("MetersField")->text(), QStringLiteral("1609.34400"));
    top->close();
}

TEST(LengthWindowGui, ACellTakesArithmeticAndMixedUnitsAndShowsTheResult)
{
    LengthWindow w;
    ASSERT_NE(w.length, nullptr);
    LenghtObject* length = w.length;
    QWidget* top = w.top;
    const auto cell = [&](const char* outlet) { return w.cell(outlet); };
    const auto type = [&](const char* outlet, const QString& text) { w.type(outlet, text); };

    type("MetersField", QStringLiteral("3*4"));
    EXPECT_EQ(cell("MetersField")->text(), QStringLiteral("12.00000"));
    EXPECT_EQ(length->field("KilometersField")->doubleValue(), 0.012);

    type("MetersField", QStringLiteral("1 km 500 m"));
    EXPECT_EQ(cell("MetersField")->text(), QStringLiteral("1500.00000"));

    type("KilometersField", QStringLiteral("-(1/2)"));
    EXPECT_EQ(cell("KilometersField")->text(), QStringLiteral("-0.50000"));
    EXPECT_EQ(length->field("MetersField")->doubleValue(), -500);

    // A unit of another window is refused where it stands; nothing changes.
    type("MetersField", QStringLiteral("2 m 3 kg"));
    EXPECT_EQ(cell("MetersField")->text(), QStringLiteral("2 m 3 kg"));
    EXPECT_EQ(length->field("KilometersField")->doubleValue(), -0.5);
    auto* status = top->findChild<QLabel*>(QStringLiteral("StatusLine"));
    ASSERT_NE(status, nullptr);
    EXPECT_TRUE(status->text().contains(QStringLiteral("no unit 'kg' here at character 7")))
        << status->text().toStdString();
}
