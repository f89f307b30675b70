// SPDX-License-Identifier: GPL-3.0-or-later
// Results that are no number show a dash and the reason; the binary cell
// shows all 32 digits.
#include "app/application.h"
#include "app/window_registry.h"
#include "qt/form_window.h"
#include "qt/qt_cells.h"
#include "qt/qt_platform.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

#include <utility>
#include <vector>

using namespace ambrel;

namespace {

FormWindow* openWindow(Application& app, const char* cliName)
{
    const WindowEntry& entry = *findWindow(cliName);
    WindowController& window = *app.controller(entry.className);
    if (entry.takesAccuracy())
        app.menu().perform(entry.openAction);
    else
        window.perform(entry.openAction);
    return dynamic_cast<FormWindow*>(static_cast<QtWindow*>(window.parts().window)->widget());
}

void typeInto(QWidget* top, const char* outlet, const char* text)
{
    auto* cell = top->findChild<QtField*>(QString::fromLatin1(outlet));
    ASSERT_NE(cell, nullptr) << outlet;
    cell->setFocus();
    cell->selectAll();
    QTest::keyClicks(cell, QString::fromLatin1(text));
    QTest::keyClick(cell, Qt::Key_Return);
}

struct Blank {
    const char* window;
    std::vector<std::pair<const char*, const char*>> entries;
    const char* result;
    const char* reason;  // a part of the note
};

TEST(CalculatorResults, AResultThatIsNoNumberShowsADashAndWhy)
{
    const Blank cases[] = {
        {"proportion", {{"formA", "2"}, {"formB", "0"}, {"formC", "3"}}, "formx", "B is 0"},
        {"interpolation", {{"formA", "1"}, {"formC", "1"}, {"formB", "2"}}, "formx", "A and C are equal"},
        {"power-weight", {{"Horsepower", "300"}, {"Weight", "0"}}, "Ratio", "the weight is 0"},
    };
    for (const Blank& c : cases) {
        QtPlatform platform;
        Application app(platform);
        app.menu().parts();
        FormWindow* top = openWindow(app, c.window);
        ASSERT_NE(top, nullptr) << c.window;
        for (const auto& [outlet, text] : c.entries)
            typeInto(top, outlet, text);
        auto* result = top->findChild<QtField*>(QString::fromLatin1(c.result));
        EXPECT_EQ(result->shownText(), QStringLiteral("\u2014")) << c.window;
        EXPECT_TRUE(top->statusText().contains(QString::fromLatin1(c.reason)))
            << c.window << ": " << top->statusText().toStdString();
        // A result again: the dash and the note go.
        typeInto(top, c.entries[1].first, "5");
        EXPECT_NE(result->shownText(), QStringLiteral("\u2014")) << c.window;
        EXPECT_TRUE(top->statusText().isEmpty()) << c.window;
        top->close();
    }
}

TEST(CalculatorResults, TheBinaryCellShowsAll32Digits)
{
    QtPlatform platform;
    Application app(platform);
    app.menu().parts();
    FormWindow* computing = openWindow(app, "computing");
    typeInto(computing, "DecimalField", "-1");
    auto* binary = computing->findChild<QtField*>(QStringLiteral("BinaryField"));
    EXPECT_EQ(binary->shownText(), QString(32, QLatin1Char('1')));
    EXPECT_FALSE(binary->isElided());
    computing->close();
}

}  // namespace
