// SPDX-License-Identifier: GPL-3.0-or-later
// Every window can be read by assistive technology and works the same from
// the keyboard, the mouse and an assistive tool.
#include "gui_support.h"

using namespace ambrel;
using namespace ambrel::testing;

// What a screen reader announces: every window as a window, every cell,
// list, box and button by a name without a trailing colon.
TEST(Accessibility, EveryWindowIsAWindowAndEveryControlIsNamedWithoutAColon)
{
    Desktop d;
    // The menu's and the notebook's controls are Qt's own.
    for (QWidget* top : {d.platform.mainMenuWidget(), static_cast<QtWindow*>(d.platform.notebookWindow())->widget()})
        EXPECT_EQ(QAccessible::queryAccessibleInterface(top)->role(), QAccessible::Window);
    for (const WindowEntry& entry : windowRegistry()) {
        QWidget* top = d.top(entry.className);
        EXPECT_EQ(QAccessible::queryAccessibleInterface(top)->role(), QAccessible::Window) << entry.cliName;
        EXPECT_FALSE(top->windowTitle().isEmpty()) << top->objectName().toStdString();
        // A list's own name would be its current item; its label names it.
        for (QComboBox* list : top->findChildren<QComboBox*>())
            EXPECT_TRUE(std::ranges::any_of(top->findChildren<QLabel*>(), [&](QLabel* l) {
                return l->buddy() == list;
            })) << list->objectName().toStdString();
        for (QWidget* w : top->findChildren<QWidget*>()) {
            if (!qobject_cast<QLineEdit*>(w) && !qobject_cast<QComboBox*>(w) && !qobject_cast<QAbstractButton*>(w) &&
                !qobject_cast<QGroupBox*>(w))
                continue;
            const QString name = QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
            EXPECT_FALSE(name.isEmpty() || name.endsWith(QLatin1Char(':')))
                << top->objectName().toStdString() << ": " << w->objectName().toStdString() << " '"
                << name.toStdString() << "'";
        }
    }
}

// The alert raised with a refusal reaches only an active accessibility
// bridge, which offscreen runs lack; what it tells is checked here.
TEST(Accessibility, ARefusalDescribesTheCellUntilCorrected)
{
    Desktop d;
    QWidget* top = d.open("length");
    QtField* foot = cellOf(top, "FeetField");
    // An assistive tool sets the text rather than typing it; that is an entry too.
    foot->setFocus();
    QAccessible::queryAccessibleInterface(foot)->setText(QAccessible::Value, QStringLiteral("abc"));
    QTest::keyClick(foot, Qt::Key_Return);
    EXPECT_EQ(foot->text(), QStringLiteral("abc"));
    EXPECT_TRUE(foot->accessibleDescription().contains(QStringLiteral("not a number")));

    // Corrected, the cell describes its full value again; so do the others.
    typeInto(top, "FeetField", "1");
    EXPECT_EQ(foot->accessibleDescription(), QStringLiteral("1"));
    EXPECT_EQ(cellOf(top, "YardsField")->accessibleDescription(), QStringLiteral("0.3333333333333333"));
}

// The prefix choice of the computing window relabels its cells and
// converts. A click (as the arrow keys give), setChecked and an assistive
// tool's toggle must all give the same cells.
TEST(Accessibility, EveryWayOfCheckingARadioButtonGivesTheSameCells)
{
    enum Way { Click, SetChecked, ToggleAction };
    Desktop desktops[3];
    QWidget* tops[3];
    QList<QRadioButton*> buttons[3];
    for (int way : {Click, SetChecked, ToggleAction}) {
        tops[way] = desktops[way].open("computing");
        typeInto(tops[way], "ByteField", "1000");
        buttons[way] =
            tops[way]->findChild<QGroupBox*>(QStringLiteral("BaseRadioSelection"))->findChildren<QRadioButton*>();
    }
    ASSERT_GE(buttons[Click].size(), 2);
    // Every button in turn, then the first again.
    for (qsizetype n = 1; n <= buttons[Click].size(); ++n) {
        const qsizetype i = n % buttons[Click].size();
        buttons[Click][i]->click();
        buttons[SetChecked][i]->setChecked(true);
        QAccessible::queryAccessibleInterface(buttons[ToggleAction][i])
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::toggleAction());
        const std::vector<std::string> clicked = shownCells(tops[Click]);
        EXPECT_EQ(shownCells(tops[SetChecked]), clicked) << buttons[Click][i]->text().toStdString();
        EXPECT_EQ(shownCells(tops[ToggleAction]), clicked) << buttons[Click][i]->text().toStdString();
    }
}

TEST(Keyboard, EscapeClosesAnOpenListBeforeItClosesTheWindow)
{
    Desktop d;
    QWidget* top = d.open("file-transfer");
    auto* units = top->findChild<QComboBox*>(QStringLiteral("BytesSelPopup"));
    ASSERT_NE(units, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(top));
    const int unit = units->currentIndex();
    units->setFocus();
    QTest::keyClick(units, Qt::Key_Down, Qt::AltModifier);
    ASSERT_NE(QApplication::activePopupWidget(), nullptr);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    EXPECT_TRUE(top->isVisible());
    EXPECT_EQ(units->currentIndex(), unit);

    QTest::keyClick(units, Qt::Key_Escape);
    EXPECT_FALSE(top->isVisible());
}

// Shift+F10 and the menu key open a cell's context menu, whose Copy works
// whenever Ctrl+C would, with nothing selected too.
TEST(Keyboard, TheContextMenuOpensFromTheKeyboardAndCopiesTheShownNumber)
{
    Desktop d;
    QtField* foot = cellOf(d.open("length"), "FeetField");
    for (const auto& [key, modifiers] : {std::pair{Qt::Key_F10, Qt::ShiftModifier}, {Qt::Key_Menu, Qt::NoModifier}}) {
        foot->deselect();
        QMenu* menu = contextMenuBy(foot, key, modifiers);
        ASSERT_NE(menu, nullptr) << "key " << key;
        QAction* copy = actionNamed(menu, QLineEdit::tr("&Copy"));
        ASSERT_TRUE(copy && copy->isEnabled());
        QGuiApplication::clipboard()->clear();
        copy->trigger();
        EXPECT_EQ(QGuiApplication::clipboard()->text(), foot->shownText());
        menu->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}
