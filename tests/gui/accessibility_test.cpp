// SPDX-License-Identifier: GPL-3.0-or-later
// Every window can be read by assistive technology, fits a small screen and
// works the same from the keyboard, the mouse and an assistive tool.
#include "app/application.h"
#include "app/window_registry.h"
#include "qt/qt_cells.h"
#include "qt/qt_platform.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using namespace ambrel;

namespace {

QWidget* topOf(WindowController& window)
{
    return static_cast<QtWindow*>(window.parts().window)->widget();
}

QtField* cellOf(QWidget* top, const char* outlet)
{
    return top->findChild<QtField*>(QString::fromLatin1(outlet));
}

void typeInto(QLineEdit* cell, const QString& text)
{
    cell->setFocus();
    cell->selectAll();
    QTest::keyClicks(cell, text);
    QTest::keyClick(cell, Qt::Key_Return);
}

// What every cell of a window holds: numbers for numeric cells, the text
// for text cells.
std::vector<std::string> storedValues(WindowController& window)
{
    std::vector<std::string> values;
    for (Field* f : window.parts().fields) {
        auto* cell = static_cast<QtField*>(f);
        values.push_back(cell->isTextCell()
                             ? cell->stringValue()
                             : std::to_string(cell->doubleValue()) + " " + cell->fullValueText().toStdString());
    }
    return values;
}

// What a person sees of a window's cells: each label and each shown text.
std::vector<std::string> shownCells(QWidget* top)
{
    std::vector<std::string> shown;
    for (QtField* cell : top->findChildren<QtField*>())
        shown.push_back(cell->accessibleName().toStdString() + "=" + cell->fullValueText().toStdString());
    return shown;
}

}  // namespace

TEST(Accessibility, EveryWindowIsAWindowAndEveryControlIsNamedWithoutAColon)
{
    QtPlatform platform;
    Application app(platform);
    app.menu().parts();
    for (const WindowEntry& entry : windowRegistry()) {
        WindowController* window = app.controller(entry.className);
        ASSERT_NE(window, nullptr);
        QWidget* top = topOf(*window);
        ASSERT_NE(top, nullptr);
        EXPECT_FALSE(top->windowTitle().isEmpty()) << entry.cliName;
        QAccessibleInterface* frame = QAccessible::queryAccessibleInterface(top);
        ASSERT_NE(frame, nullptr);
        EXPECT_EQ(frame->role(), QAccessible::Window) << entry.cliName;
        for (QLineEdit* field : top->findChildren<QLineEdit*>()) {
            const QString name = field->accessibleName();
            EXPECT_FALSE(name.isEmpty()) << entry.cliName << ": " << field->objectName().toStdString();
            EXPECT_FALSE(name.endsWith(QLatin1Char(':'))) << entry.cliName << ": " << name.toStdString();
        }
        for (QComboBox* list : top->findChildren<QComboBox*>()) {
            bool labelled = false;
            for (QLabel* label : top->findChildren<QLabel*>())
                labelled = labelled || label->buddy() == list;
            EXPECT_TRUE(labelled) << entry.cliName << ": " << list->objectName().toStdString();
        }
        for (QGroupBox* box : top->findChildren<QGroupBox*>())
            EXPECT_FALSE(box->title().isEmpty()) << entry.cliName << ": " << box->objectName().toStdString();
        for (QAbstractButton* button : top->findChildren<QAbstractButton*>())
            EXPECT_FALSE(button->text().isEmpty()) << entry.cliName;
        EXPECT_LE(top->sizeHint().width(), 1366) << entry.cliName;
        EXPECT_LE(top->sizeHint().height(), 700) << entry.cliName;
    }
    for (QWidget* other : {platform.mainMenuWidget(), static_cast<QtWindow*>(platform.notebookWindow())->widget()}) {
        QAccessibleInterface* frame = QAccessible::queryAccessibleInterface(other);
        ASSERT_NE(frame, nullptr);
        EXPECT_EQ(frame->role(), QAccessible::Window) << other->objectName().toStdString();
    }
}

// Tabbing through a window and pressing Enter to hear each value must not
// feed the rounded display back in: at 0 decimals a foot shows as "0".
TEST(Accessibility, EnterOnCellsNobodyTypedIntoKeepsEveryStoredValue)
{
    for (int accuracy : {0, 4}) {
        for (const WindowEntry& entry : windowRegistry()) {
            SCOPED_TRACE(std::string(entry.cliName) + " at " + std::to_string(accuracy));
            QtPlatform platform;
            std::unique_ptr<WindowController> window = openWindow(entry, platform, accuracy);
            QWidget* top = topOf(*window);
            std::vector<QtField*> editable;
            for (Field* f : window->parts().fields)
                if (auto* cell = static_cast<QtField*>(f); !cell->isReadOnly())
                    editable.push_back(cell);
            ASSERT_FALSE(editable.empty());
            // An entry that leaves the other cells with long fractions.
            for (QtField* cell : editable)
                if (!cell->isTextCell()) {
                    typeInto(cell, QStringLiteral("3"));
                    break;
                }
            const std::vector<std::string> before = storedValues(*window);
            for (QtField* cell : editable) {
                cell->setFocus();
                QTest::keyClick(cell, Qt::Key_Return);
                EXPECT_EQ(storedValues(*window), before) << "after Enter on " << cell->objectName().toStdString();
            }
            top->close();
        }
    }
}

// The alert raised with a refusal reaches only an active accessibility
// bridge, which offscreen runs lack; what it tells is checked here.
TEST(Accessibility, ARefusalDescribesTheCellUntilCorrected)
{
    QtPlatform platform;
    std::unique_ptr<WindowController> window = openWindow(*findWindow("length"), platform, 4);
    QWidget* top = topOf(*window);
    QtField* foot = cellOf(top, "FeetField");
    ASSERT_NE(foot, nullptr);

    // An assistive tool sets the text rather than typing it; that is an entry too.
    QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(foot);
    ASSERT_NE(reader, nullptr);
    foot->setFocus();
    reader->setText(QAccessible::Value, QStringLiteral("abc"));
    QTest::keyClick(foot, Qt::Key_Return);
    EXPECT_EQ(foot->text(), QStringLiteral("abc"));
    EXPECT_TRUE(foot->accessibleDescription().contains(QStringLiteral("not a number")))
        << foot->accessibleDescription().toStdString();

    // Corrected, the cell describes its full value again; so do the others.
    typeInto(foot, QStringLiteral("1"));
    EXPECT_EQ(foot->accessibleDescription(), QStringLiteral("1"));
    EXPECT_EQ(cellOf(top, "InchesField")->accessibleDescription(), QStringLiteral("11.999976"));
    top->close();
}

// The prefix choice of the computing window relabels its cells and
// converts; the line speed of the file transfer window recalculates. A
// click (as the arrow keys give), setChecked and an assistive tool's toggle
// must all give the same cells.
TEST(Accessibility, EveryWayOfCheckingARadioButtonGivesTheSameCells)
{
    struct Case {
        const char* window;
        const char* radio;
        const char* entryCell;
        const char* entry;
    };
    for (const Case& c : {Case{"computing", "BaseRadioSelection", "ByteField", "1000"},
                          Case{"file-transfer", "TransferSpeed", "FileSize", "5"}}) {
        SCOPED_TRACE(c.window);
        enum Way { Click, SetChecked, ToggleAction };
        QtPlatform platforms[3];
        std::unique_ptr<WindowController> windows[3];
        std::vector<QAbstractButton*> buttons[3];
        for (int way : {Click, SetChecked, ToggleAction}) {
            windows[way] = openWindow(*findWindow(c.window), platforms[way], 4);
            QWidget* top = topOf(*windows[way]);
            typeInto(cellOf(top, c.entryCell), QString::fromLatin1(c.entry));
            auto* group = top->findChild<QGroupBox*>(QString::fromLatin1(c.radio));
            ASSERT_NE(group, nullptr);
            for (QRadioButton* b : group->findChildren<QRadioButton*>())
                buttons[way].push_back(b);
        }
        ASSERT_GE(buttons[Click].size(), 2u);
        // Every button in turn, then the first again.
        std::vector<std::size_t> order;
        for (std::size_t i = 1; i < buttons[Click].size(); ++i)
            order.push_back(i);
        order.push_back(0);
        for (std::size_t i : order) {
            buttons[Click][i]->click();
            buttons[SetChecked][i]->setChecked(true);
            QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(buttons[ToggleAction][i]);
            ASSERT_NE(reader, nullptr);
            ASSERT_NE(reader->actionInterface(), nullptr);
            reader->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
            const std::vector<std::string> clicked = shownCells(topOf(*windows[Click]));
            EXPECT_EQ(shownCells(topOf(*windows[SetChecked])), clicked) << buttons[Click][i]->text().toStdString();
            EXPECT_EQ(shownCells(topOf(*windows[ToggleAction])), clicked) << buttons[Click][i]->text().toStdString();
        }
        for (auto& w : windows)
            topOf(*w)->close();
    }
}

TEST(Accessibility, EscapeClosesAnOpenListBeforeItClosesTheWindow)
{
    QtPlatform platform;
    std::unique_ptr<WindowController> window = openWindow(*findWindow("file-transfer"), platform, 4);
    QWidget* top = topOf(*window);
    auto* units = top->findChild<QComboBox*>(QStringLiteral("BytesSelPopup"));
    ASSERT_NE(units, nullptr);
    top->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(top));
    const int unit = units->currentIndex();
    units->setFocus();
    QTest::keyClick(units, Qt::Key_Down, Qt::AltModifier);
    QWidget* popup = QApplication::activePopupWidget();
    ASSERT_NE(popup, nullptr);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    EXPECT_TRUE(top->isVisible());
    EXPECT_EQ(units->currentIndex(), unit);

    QTest::keyClick(units, Qt::Key_Escape);
    EXPECT_FALSE(top->isVisible());
}

TEST(Accessibility, ShiftF10AndTheMenuKeyOpenTheCellsContextMenu)
{
    QtPlatform platform;
    std::unique_ptr<WindowController> window = openWindow(*findWindow("length"), platform, 4);
    QWidget* top = topOf(*window);
    QtField* foot = cellOf(top, "FeetField");
    ASSERT_NE(foot, nullptr);
    for (const auto& [key, modifiers] : {std::pair{Qt::Key_F10, Qt::ShiftModifier}, {Qt::Key_Menu, Qt::NoModifier}}) {
        foot->setFocus();
        QTest::keyClick(foot, key, modifiers);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr) << "key " << key;
        QStringList actions;
        for (QAction* a : menu->actions())
            actions << a->text();
        EXPECT_TRUE(actions.contains(QStringLiteral("Copy &Full Value")))
            << actions.join(QLatin1Char('|')).toStdString();
        menu->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    top->close();
}
