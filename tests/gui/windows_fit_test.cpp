// SPDX-License-Identifier: GPL-3.0-or-later
// Windows fit the screen, open where they were left, and answer the keys
// a person expects in every window.
#include "app/application.h"
#include "app/window_registry.h"
#include "qt/form_window.h"
#include "qt/menu_windows.h"
#include "qt/qt_cells.h"
#include "qt/qt_platform.h"
#include "qt/window_placement.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

#include <string>

using namespace ambrel;

namespace {

QWidget* topOf(WindowController& window)
{
    return static_cast<QtWindow*>(window.parts().window)->widget();
}

struct Desktop {
    QtPlatform platform;
    Application app{platform};
    MenuObject& menu = app.menu();

    Desktop()
    {
        menu.parts().accuracyField->setIntValue(4);
        menu.CloseInfoPanel();
    }
    ~Desktop()
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            w->hide();
    }
    QWidget* open(const WindowEntry& entry)
    {
        WindowController& window = *app.controller(entry.className);
        if (entry.takesAccuracy())
            menu.perform(entry.openAction);
        else
            window.perform(entry.openAction);
        QWidget* top = topOf(window);
        top->activateWindow();
        QApplication::processEvents();
        return top;
    }
};

TEST(WindowsFit, NoWindowNeedsMoreThanASmallScreenAndEachFitsItsScreen)
{
    Desktop d;
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    for (const WindowEntry& entry : windowRegistry()) {
        QWidget* top = d.open(entry);
        EXPECT_LE(top->minimumSizeHint().width(), 1366) << entry.cliName;
        EXPECT_LE(top->minimumSizeHint().height(), 768) << entry.cliName;
        EXPECT_LE(top->minimumWidth(), 1366) << entry.cliName;
        EXPECT_LE(top->minimumHeight(), 768) << entry.cliName;
        // Opened on this screen, it lies within its free area.
        EXPECT_TRUE(screen.contains(top->geometry())) << entry.cliName;
        top->close();
    }
}

TEST(WindowsFit, OnA1280By720AreaTheBoxesReflowInsteadOfScrollingSideways)
{
    Desktop d;
    const QRect area(0, 0, 1280, 720);
    for (const WindowEntry& entry : windowRegistry()) {
        QWidget* top = d.open(entry);
        fitWindowTo(top, area);
        QApplication::processEvents();
        EXPECT_LE(top->width(), area.width()) << entry.cliName;
        EXPECT_LE(top->height(), area.height()) << entry.cliName;
        if (auto* form = dynamic_cast<FormWindow*>(top)) {
            EXPECT_TRUE(form->boxesFitWidth()) << entry.cliName;
        }
        top->close();
    }
}

TEST(WindowPlacement, AWindowReopensWhereItWasLeftAndNotOffEveryScreen)
{
    Desktop d;
    const WindowEntry& temperature = *findWindow("temperature");
    const std::string name = d.app.controller(temperature.className)->plan().outlet;
    UserDefaults& defaults = d.platform.defaults();
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();

    defaults.setInteger("Windows/" + name + "/x", screen.left() + 40);
    defaults.setInteger("Windows/" + name + "/y", screen.top() + 50);
    QWidget* top = d.open(temperature);
    EXPECT_EQ(top->pos(), screen.topLeft() + QPoint(40, 50));

    // Where the person leaves it is where it comes back.
    top->move(screen.topLeft() + QPoint(60, 70));
    top->close();
    EXPECT_EQ(defaults.integerForKey("Windows/" + name + "/x"), screen.left() + 60);
    EXPECT_EQ(defaults.integerForKey("Windows/" + name + "/y"), screen.top() + 70);

    // A screen that is gone: the window comes up on one that is there.
    for (const QPoint gone : {QPoint(-5000, -5000), QPoint(screen.right() + 4000, 10), QPoint(10, -400)}) {
        defaults.setInteger("Windows/" + name + "/x", gone.x());
        defaults.setInteger("Windows/" + name + "/y", gone.y());
        top = d.open(temperature);
        EXPECT_TRUE(screen.contains(top->geometry())) << gone.x() << "," << gone.y();
        top->close();
    }
}

TEST(WindowPlacement, AWindowNeverShownOpensBesideTheMainMenuNotOverIt)
{
    Desktop d;
    QWidget* menu = d.platform.mainMenuWidget();
    // The menu where a person may keep it: in a corner, room beside it.
    menu->move(QGuiApplication::primaryScreen()->availableGeometry().topLeft());
    QWidget* temperature = d.open(*findWindow("temperature"));
    EXPECT_NE(temperature->pos(), menu->pos());
    EXPECT_TRUE(temperature->x() > menu->x() || temperature->y() > menu->y());
    EXPECT_FALSE(temperature->geometry().contains(menu->geometry().center()));
}

TEST(Keyboard, CtrlQFromAConverterQuits)
{
    Desktop d;
    QWidget* length = d.open(*findWindow("length"));
    QWidget* focus = length->focusWidget() ? length->focusWidget() : length;
    QTest::keyClick(focus, Qt::Key_Q, Qt::ControlModifier);
    for (QWidget* w : QApplication::topLevelWidgets())
        EXPECT_FALSE(w->isVisible()) << w->objectName().toStdString() << " " << w->metaObject()->className();
}

TEST(Keyboard, ReturnOnAFocusedButtonPressesIt)
{
    Desktop d;
    QWidget* length = d.open(*findWindow("length"));
    QPushButton* notebook = nullptr;
    for (QPushButton* b : length->findChildren<QPushButton*>())
        if (b->text() == QLatin1String("Notebook"))
            notebook = b;
    ASSERT_NE(notebook, nullptr);
    notebook->setFocus();
    QTest::keyClick(notebook, Qt::Key_Return);
    QTest::qWait(200);  // the click is animated
    EXPECT_TRUE(d.platform.notebookWindow()->isVisible());
}

TEST(Keyboard, TheInformationPanelGoesOnAClickEscapeOrReturn)
{
    const std::function<void(QWidget*)> gestures[] = {
        [](QWidget* w) { QTest::mouseClick(w, Qt::LeftButton); },
        [](QWidget* w) { QTest::keyClick(w, Qt::Key_Escape); },
        [](QWidget* w) { QTest::keyClick(w, Qt::Key_Return); },
    };
    for (const auto& gesture : gestures) {
        QtPlatform platform;
        platform.defaults().setBool(MenuObject::kUsePreferences, true);
        Application app(platform);
        app.menu().applicationDidFinishLaunching();
        QWidget* panel = static_cast<QtWindow*>(app.menu().parts().infoPanel)->widget();
        ASSERT_TRUE(panel->isVisible());
        gesture(panel);
        EXPECT_FALSE(panel->isVisible());
        EXPECT_TRUE(platform.mainMenuWidget()->isVisible());
        platform.mainMenuWidget()->hide();
    }
}

TEST(Finder, TypingAQuantityInTheMenuOpensItsWindowWithTheNumberEntered)
{
    Desktop d;
    QWidget* menu = d.platform.mainMenuWidget();
    auto* finder = menu->findChild<QLineEdit*>(QStringLiteral("UnitFinder"));
    auto* matches = menu->findChild<QListWidget*>(QStringLiteral("UnitMatches"));
    ASSERT_NE(finder, nullptr);
    ASSERT_NE(matches, nullptr);
    // Ctrl+F reaches the finder from anywhere in the menu.
    menu->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(menu));
    QTest::keyClick(menu, Qt::Key_F, Qt::ControlModifier);
    EXPECT_TRUE(finder->hasFocus() || QApplication::focusWidget() == finder);
    QTest::keyClicks(finder, QStringLiteral("3 furlong"));
    ASSERT_GE(matches->count(), 1);
    EXPECT_EQ(matches->item(0)->text(), QStringLiteral("3 furlong \u2014 Length"));
    EXPECT_TRUE(matches->isVisible());
    QTest::keyClick(finder, Qt::Key_Return);

    QWidget* length = topOf(*d.app.controller("LenghtObject"));
    EXPECT_TRUE(length->isVisible());
    auto* furlong = length->findChild<QtField*>(QStringLiteral("FurlongField"));
    EXPECT_EQ(furlong->doubleValue(), 3);
    EXPECT_EQ(length->focusWidget(), furlong);
    EXPECT_EQ(furlong->selectedText(), furlong->text());
    // The search is over: the menu shows its buttons again.
    EXPECT_TRUE(finder->text().isEmpty());
    EXPECT_FALSE(matches->isVisible());
}

TEST(Finder, AClickOnAMatchOpensItsWindow)
{
    Desktop d;
    QWidget* menu = d.platform.mainMenuWidget();
    auto* finder = menu->findChild<QLineEdit*>(QStringLiteral("UnitFinder"));
    auto* matches = menu->findChild<QListWidget*>(QStringLiteral("UnitMatches"));
    // Typing a letter anywhere in the menu starts a search.
    QTest::keyClicks(menu, QStringLiteral("slug"));
    EXPECT_EQ(finder->text(), QStringLiteral("slug"));
    ASSERT_GE(matches->count(), 1);
    const QRect row = matches->visualItemRect(matches->item(0));
    QTest::mouseClick(matches->viewport(), Qt::LeftButton, {}, row.center());
    QWidget* weight = topOf(*d.app.controller("WeightObject"));
    EXPECT_TRUE(weight->isVisible());
    EXPECT_EQ(weight->focusWidget(), weight->findChild<QtField*>(QStringLiteral("AVslug")));
}

TEST(Keyboard, TheContextMenusCopyWorksWheneverCtrlCWould)
{
    Desktop d;
    QWidget* length = d.open(*findWindow("length"));
    auto* foot = length->findChild<QtField*>(QStringLiteral("FeetField"));
    foot->setFocus();
    foot->deselect();
    ASSERT_FALSE(foot->hasSelectedText());
    QTest::keyClick(foot, Qt::Key_F10, Qt::ShiftModifier);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    QAction* copy = nullptr;
    for (QAction* a : menu->actions())
        if (a->text().section(QLatin1Char('\t'), 0, 0) == QLineEdit::tr("&Copy"))
            copy = a;
    ASSERT_NE(copy, nullptr);
    EXPECT_TRUE(copy->isEnabled());
    QGuiApplication::clipboard()->clear();
    copy->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), foot->shownText());
    menu->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST(Printing, TheMenusPrintIsForTheWindowUsedBeforeIt)
{
    Desktop d;
    auto* menu = static_cast<MainMenuWindow*>(d.platform.mainMenuWidget());
    menu->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(menu));
    EXPECT_EQ(menu->printTarget(), nullptr);
    QWidget* length = d.open(*findWindow("length"));
    ASSERT_TRUE(QTest::qWaitForWindowActive(length));
    menu->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(menu));
    EXPECT_EQ(menu->printTarget(), length);
    length->close();
    EXPECT_EQ(menu->printTarget(), nullptr);
}

}  // namespace
