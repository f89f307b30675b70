// SPDX-License-Identifier: GPL-3.0-or-later
// The window of further calculators: its buttons open the calculators,
// which work from the keyboard.
#include "app/application.h"
#include "qt/qt_platform.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace ambrel;

TEST(BonusCalcsWindowGui, ButtonOpensTheProportionWindowWhichSolvesForX)
{
    QtPlatform platform;
    Application app(platform);
    app.menu().parts();
    app.menu().OpenBonusCalcsWindow();
    const auto topLevel = [](const char* name) -> QWidget* {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String(name))
                return w;
        return nullptr;
    };
    QWidget* bonus = topLevel("BonusCalcsWindow");
    ASSERT_NE(bonus, nullptr);
    for (const char* action : {"OpenFileTransCalcWindow:", "OpenfindxWindow:", "OpenInterpolateCalcWindow:",
                               "OpenPowerWeightRatioWindow:"}) {
        auto* button = bonus->findChild<QPushButton*>(QString::fromLatin1(action));
        ASSERT_NE(button, nullptr) << action;
        EXPECT_TRUE(button->isEnabled()) << action;
    }

    QTest::mouseClick(bonus->findChild<QPushButton*>(QStringLiteral("OpenfindxWindow:")), Qt::LeftButton);
    QWidget* findx = topLevel("findxWindow");
    ASSERT_NE(findx, nullptr);
    EXPECT_TRUE(findx->isVisible());
    EXPECT_EQ(findx->focusWidget(), findx->findChild<QLineEdit*>(QStringLiteral("formA")));
    for (const auto& [outlet, text] : {std::pair{"formA", "2"}, {"formB", "4"}, {"formC", "10"}}) {
        auto* cell = findx->findChild<QLineEdit*>(QString::fromLatin1(outlet));
        ASSERT_NE(cell, nullptr) << outlet;
        cell->setFocus();
        cell->selectAll();
        QTest::keyClicks(cell, QString::fromLatin1(text));
        QTest::keyClick(cell, Qt::Key_Return);
    }
    auto* x = findx->findChild<QLineEdit*>(QStringLiteral("formx"));
    ASSERT_NE(x, nullptr);
    EXPECT_TRUE(x->isReadOnly());
    EXPECT_EQ(app.controller("FindXcalc")->field("formx")->doubleValue(), 5);
    findx->close();
    bonus->close();
}
