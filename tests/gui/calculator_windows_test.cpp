// SPDX-License-Identifier: GPL-3.0-or-later
// The small calculators on the desktop: their notes can be read, results
// take no typing and no Tab stop, entries show what was typed, and every
// window opens ready for typing.
#include "gui_support.h"

using namespace ambrel;
using namespace ambrel::testing;

namespace {

TEST(CalculatorWindows, NotesAreReadableAndEveryDashHasOne)
{
    struct Case {
        const char* window;
        std::vector<std::pair<const char*, const char*>> typed;
        const char* result;
        const char* says;
    };
    const Case cases[] = {
        {"proportion", {{"formA", "2"}, {"formB", "0"}, {"formC", "3"}}, "formx", "B is 0"},
        {"power-weight", {{"Horsepower", "100"}, {"Weight", "0"}}, "Ratio", "the weight is 0"},
        {"interpolation",
         {{"formA", "1"}, {"formC", "1"}, {"formB", "2"}, {"formD", "1"}, {"formE", "2"}},
         "formx",
         "A equals C"},
    };
    Desktop d;
    for (const Case& c : cases) {
        QWidget* top = d.open(c.window);
        for (const auto& [outlet, text] : c.typed)
            typeInto(top, outlet, text);
        EXPECT_EQ(cellOf(top, c.result)->text(), QStringLiteral("\u2014")) << c.window;
        const StatusLine* note = statusOf(top);
        EXPECT_TRUE(note->text().contains(QString::fromUtf8(c.says))) << c.window << ": " << note->text().toStdString();
        // The whole sentence shows, in a line across the window.
        EXPECT_FALSE(note->isElided()) << c.window << ": " << note->width() << " of " << top->width();
        for (const QPushButton* button : top->findChildren<QPushButton*>())
            EXPECT_LT(note->geometry().bottom(), button->geometry().top()) << c.window;
    }
}

TEST(CalculatorWindows, ResultsTakeNoTabStopAndEntriesShowWhatWasTyped)
{
    Desktop d;
    for (const WindowEntry& entry : windowRegistry()) {
        if (entry.takesAccuracy())
            continue;
        QWidget* top = d.open(entry.cliName);
        for (QtField* cell : top->findChildren<QtField*>()) {
            if (cell->isReadOnly()) {
                EXPECT_FALSE(cell->focusPolicy() & Qt::TabFocus) << cell->objectName().toStdString();
                continue;
            }
            typeInto(cell, QStringLiteral("1"));
            EXPECT_EQ(cell->text(), QStringLiteral("1")) << cell->objectName().toStdString();
        }
    }
}

TEST(CalculatorWindows, EveryWindowOpensWithTheFocusInAField)
{
    Desktop d;
    for (const WindowEntry& entry : windowRegistry()) {
        QWidget* top = d.open(entry.cliName);
        const auto* focused = dynamic_cast<QtField*>(top->focusWidget());
        ASSERT_NE(focused, nullptr) << entry.cliName;
        EXPECT_FALSE(focused->isReadOnly()) << entry.cliName;
        top->close();
    }
}

}  // namespace
