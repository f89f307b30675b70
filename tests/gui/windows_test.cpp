// SPDX-License-Identifier: GPL-3.0-or-later
// Windows open from the menu's buttons, fit the screen, open where they were
// left and answer the keys a person expects.
#include "framework/window_controller.h"
#include "gui_support.h"
#include "qt/form_window.h"
#include "qt/menu_windows.h"
#include "qt/translations.h"
#include "qt/window_icon.h"
#include "qt/window_placement.h"

#include <QPushButton>
#include <QSet>

using namespace ambrel;
using namespace ambrel::testing;

namespace {

// Clicks the live button sending `action` in a shown window; false if none.
bool clickButton(const char* action)
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* button = w->isVisible() ? w->findChild<QPushButton*>(QString::fromLatin1(action)) : nullptr)
            if (button->isEnabled()) {
                QTest::mouseClick(button, Qt::LeftButton);
                return true;
            }
    return false;
}

// Every window from its button (calculators from the window of further
// calculators), every notebook and every information window, opened and
// closed ten times: after the first round has built what is built once, the
// widget count stays put.
TEST(Menu, EveryWindowOpensFromItsButtonAgainAndAgainLeavingNoWidgetsBehind)
{
    Desktop d;
    const auto closeAll = [&] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && w != d.platform.mainMenuWidget())
                w->close();
        // Windows loaded from interface files delete themselves once closed.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    };
    const auto round = [&] {
        for (const WindowEntry& entry : windowRegistry()) {
            SCOPED_TRACE(entry.cliName);
            ASSERT_TRUE(entry.takesAccuracy() || clickButton("OpenBonusCalcsWindow:"));
            ASSERT_TRUE(clickButton(entry.openAction)) << "no live button";
            QWidget* top = d.top(entry.className);
            EXPECT_TRUE(top->isVisible());
            // Opened ready for typing, but for the fuel and light window,
            // whose three boxes have no first among them.
            EXPECT_TRUE(dynamic_cast<QtField*>(top->focusWidget()) || entry.cliName == std::string_view("fuel-light"));
            closeAll();
        }
        for (const auto& controller : d.app.controllers())
            ASSERT_TRUE(controller->perform("ShowNotebook:") || controller->perform("ShowNoteBook:"));
        for (const char* action :
             {"ShowNotebook:", "ShowSummary:", "IntroAndHelp:", "MoreInfo:", "WarrantyInfo:", "OpenSIPrefixes:"})
            ASSERT_TRUE(d.menu.perform(action)) << action;
        closeAll();
    };
    round();
    ASSERT_FALSE(::testing::Test::HasFailure());
    const qsizetype widgets = QApplication::allWidgets().size();
    for (int i = 1; i < 10; ++i)
        round();
    EXPECT_EQ(QApplication::allWidgets().size(), widgets) << "widgets left behind";
}

class Answering : public WindowController {
public:
    Answering(Platform& platform, WindowPlan plan) : WindowController(platform, std::move(plan))
    {
        addAction("Known:", [] {});
    }
};

TEST(Menu, AControlNamingNoActionIsReportedAndDisabled)
{
    QtPlatform platform;
    WindowPlan plan;
    plan.outlet = "TestWindow";
    plan.fields = {{"AField", "a", 0, 0}};
    plan.buttons = {{"Known", "Known:"}, {"Typo", "Knwon:"}};
    Answering owner(platform, plan);
    LogCapture log;
    FormWindow window(plan, owner, platform);
    EXPECT_EQ(log.lines.filter(QStringLiteral("Knwon:")).size(), 1) << log.all();
    EXPECT_EQ(log.lines.filter(QStringLiteral("Known:")).size(), 0);
    for (QPushButton* button : window.findChildren<QPushButton*>())
        EXPECT_EQ(button->isEnabled(), button->text() != QLatin1String("Typo")) << button->text().toStdString();
}

// The checks of layout and mnemonics run in each language the program
// ships, whose words are longer than English ones.
class InEachLanguage : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override
    {
        ASSERT_EQ(installTranslations(QLocale(QString::fromLatin1(GetParam()))), QLatin1String(GetParam()));
    }
    void TearDown() override { installTranslations(QLocale(QLocale::English)); }
};

INSTANTIATE_TEST_SUITE_P(Languages, InEachLanguage, ::testing::Values("en", "de", "fr", "es"));

// Every window fits a small screen as it comes and, on a 1280x720 area,
// reflows its boxes instead of scrolling sideways.
TEST_P(InEachLanguage, EveryWindowFitsASmallScreenAndEachButtonHasItsOwnMnemonic)
{
    Desktop d;
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const QRect area(0, 0, 1280, 720);
    for (const WindowEntry& entry : windowRegistry()) {
        SCOPED_TRACE(entry.cliName);
        QWidget* top = d.open(entry.cliName);
        // Opened on this screen, it lies within its free area.
        EXPECT_TRUE(screen.contains(top->geometry()));
        // Laid out for a 1366x700 screen, it asks for no more; in a language
        // of longer words the volume's many boxes may scroll, but only down.
        fitWindowTo(top, QRect(0, 0, 1366, 700));
        const QSize wanted = top->sizeHint().expandedTo(top->minimumSize());
        const bool mayScrollDown = GetParam() != std::string_view("en") && entry.cliName == std::string_view("volume");
        EXPECT_LE(wanted.width(), 1366);
        EXPECT_TRUE(wanted.height() <= 700 || mayScrollDown) << wanted.height();
        // Every button has a mnemonic of its own within its window.
        QSet<QChar> mnemonics;
        for (const QPushButton* button : top->findChildren<QPushButton*>()) {
            const qsizetype amp = button->text().indexOf(QLatin1Char('&'));
            ASSERT_GE(amp, 0) << button->text().toStdString() << " has no mnemonic";
            EXPECT_FALSE(mnemonics.contains(button->text().at(amp + 1).toLower())) << button->text().toStdString();
            mnemonics.insert(button->text().at(amp + 1).toLower());
        }
        fitWindowTo(top, area);
        QApplication::processEvents();
        EXPECT_TRUE(area.contains(QRect(QPoint(), top->size())));
        EXPECT_TRUE(!dynamic_cast<FormWindow*>(top) || static_cast<FormWindow*>(top)->boxesFitWidth());
        top->close();
    }
}

// The letter after '&' in a text, in lower case; 0 if none.
QChar mnemonic(const QString& text)
{
    for (qsizetype at = text.indexOf(u'&'); at >= 0 && at + 1 < text.size(); at = text.indexOf(u'&', at + 2))
        if (text[at + 1] != u'&')
            return text[at + 1].toLower();
    return {};
}

// The main menu, with a button for every window of the registry, fits a
// 1366x768 screen at 1.25 times (1093x614 and a title bar), and every
// mnemonic in it, its menus' included, is its own.
TEST_P(InEachLanguage, TheMainMenuFitsASmallScreenAndEachMnemonicIsItsOwn)
{
    Desktop d;
    QWidget* menu = d.platform.mainMenuWidget();
    const QSize size = menu->sizeHint().expandedTo(menu->minimumSize());
    EXPECT_LE(size.width(), 1093);
    EXPECT_LE(size.height(), 614 - 40);
    QStringList texts;
    for (QAbstractButton* b : menu->findChildren<QAbstractButton*>())
        texts << b->text();
    for (QLabel* l : menu->findChildren<QLabel*>())
        texts << l->text();
    for (QMenuBar* bar : menu->findChildren<QMenuBar*>())
        for (QAction* a : bar->actions())
            texts << a->text();
    QMap<QChar, QString> seen;
    int buttons = 0;
    for (const QString& text : texts) {
        const QChar key = mnemonic(text);
        if (key.isNull())
            continue;
        ++buttons;
        EXPECT_FALSE(seen.contains(key)) << text.toStdString() << " and " << seen.value(key).toStdString();
        seen.insert(key, text);
    }
    EXPECT_GT(buttons, static_cast<int>(menuOrder(WindowKind::Converter).size()));
}

// A window never shown opens beside the main menu, not over it; later where
// it was left, but never off every screen.
TEST(WindowPlacement, AWindowOpensBesideTheMenuThenWhereItWasLeftAndNotOffEveryScreen)
{
    Desktop d;
    QWidget* menu = d.platform.mainMenuWidget();
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    // The menu where a person may keep it: in a corner, room beside it.
    menu->move(screen.topLeft());
    QWidget* top = d.open("temperature");
    EXPECT_TRUE(top->x() > menu->x() || top->y() > menu->y());
    EXPECT_FALSE(top->geometry().contains(menu->geometry().center()));
    top->close();

    const std::string key = "Windows/" + d.app.controller("TempObject")->plan().outlet;
    UserDefaults& defaults = d.platform.defaults();
    const auto place = [&](QPoint at) {
        defaults.setInteger(key + "/x", at.x());
        defaults.setInteger(key + "/y", at.y());
        return d.open("temperature");
    };
    top = place(screen.topLeft() + QPoint(40, 50));
    EXPECT_EQ(top->pos(), screen.topLeft() + QPoint(40, 50));
    // Where the person leaves it is where it comes back.
    top->move(screen.topLeft() + QPoint(60, 70));
    top->close();
    EXPECT_EQ(defaults.integerForKey(key + "/x"), screen.left() + 60);
    EXPECT_EQ(defaults.integerForKey(key + "/y"), screen.top() + 70);
    // A screen that is gone: the window comes up on one that is there.
    for (const QPoint gone : {QPoint(-5000, -5000), QPoint(screen.right() + 4000, 10), QPoint(10, -400)}) {
        top = place(gone);
        EXPECT_TRUE(screen.contains(top->geometry())) << gone.x() << "," << gone.y();
        top->close();
    }
}

// On a small screen (1366x768 at 1.25x is 1093x614) a new window goes
// beside the menu where its boxes show whole across, cascading, scrolling
// from top to bottom if it must. Only one too wide for any room beside the
// menu goes over it, whole, leaving the menu's left edge showing. Boxes
// stack in shorter columns before a window scrolls.
TEST(WindowPlacement, NewWindowsLeaveTheMenuShowingAndUseTheFreeHeightBeforeScrolling)
{
    Desktop d;
    QWidget* menu = d.platform.mainMenuWidget();
    menu->move(0, 0);
    const auto placeIn = [&](const char* name, const QRect& area) {
        SCOPED_TRACE(name);
        auto* top = static_cast<FormWindow*>(d.open(name));
        // Where earlier tests left it is forgotten: a place beyond any screen counts as none.
        d.platform.defaults().setInteger("Windows/" + top->objectName().toStdString() + "/x", 1LL << 40);
        d.platform.placer().place(top, area);
        EXPECT_TRUE(area.contains(top->geometry()))
            << top->x() << "," << top->y() << " " << top->width() << "x" << top->height();
        EXPECT_TRUE(top->boxesFitWidth(top->size()));
        const bool beside = !top->geometry().intersects(menu->frameGeometry());
        if (!beside) {
            EXPECT_EQ(top->scrollBarWidth(top->size()), 0);
            EXPECT_GT(top->x(), menu->frameGeometry().left());
        }
        return std::pair(top->pos(), beside);
    };
    const QRect small(0, 0, 1093, 614);
    placeIn("weight", small);
    const auto [lengthAt, lengthBeside] = placeIn("length", small);
    const auto [areaAt, areaBeside] = placeIn("area", small);
    EXPECT_TRUE(lengthBeside && areaBeside);
    EXPECT_NE(lengthAt, areaAt);
    EXPECT_TRUE(placeIn("weight", QRect(0, 0, 1200, 400)).second);
    // Room for no more than a column of boxes with one column of cells each.
    EXPECT_TRUE(placeIn("weight", QRect(0, 0, menu->frameGeometry().width() + 440, 614)).second);

    // The whole of a 1280x720 screen holds Weight without a scroll bar.
    auto* weight = static_cast<FormWindow*>(d.open("weight"));
    fitWindowTo(weight, QRect(0, 0, 1280, 720));
    EXPECT_EQ(weight->scrollBarWidth(weight->size()), 0);
    EXPECT_TRUE(weight->boxesFitWidth(weight->size()));
}

TEST(Keyboard, ReturnPressesTheFocusedButtonAndCtrlQQuits)
{
    Desktop d;
    QWidget* length = d.open("length");
    for (QPushButton* notebook : length->findChildren<QPushButton*>())
        if (notebook->text() == QLatin1String("&Notebook")) {
            notebook->setFocus();
            QTest::keyClick(notebook, Qt::Key_Return);
            QTest::qWait(200);  // the click is animated
        }
    EXPECT_TRUE(d.platform.notebookWindow()->isVisible());
    QTest::keyClick(cellOf(length, "FeetField"), Qt::Key_Q, Qt::ControlModifier);
    for (QWidget* w : QApplication::topLevelWidgets())
        EXPECT_FALSE(w->isVisible()) << w->objectName().toStdString() << " " << w->metaObject()->className();
}

TEST(Keyboard, TheInformationPanelGoesOnAClickEscapeOrReturn)
{
    QtPlatform().defaults().setBool(MenuObject::kUsePreferences, true);            // the panel comes with a later run
    for (const Qt::Key key : {Qt::Key_unknown, Qt::Key_Escape, Qt::Key_Return}) {  // unknown: a click
        Launch later;
        QWidget* panel = static_cast<QtWindow*>(later.menu.parts().infoPanel)->widget();
        ASSERT_TRUE(panel->isVisible());
        if (key == Qt::Key_unknown)
            QTest::mouseClick(panel, Qt::LeftButton);
        else
            QTest::keyClick(panel, key);
        EXPECT_FALSE(panel->isVisible());
        EXPECT_TRUE(later.mainMenuWidget()->isVisible());
        later.mainMenuWidget()->hide();
    }
}

// The menu's finder, reached by Ctrl+F or by typing a letter anywhere in the
// menu, opens the window of a match with the number entered in its cell.
TEST(Finder, ReturnOrAClickOnAMatchOpensItsWindowWithTheNumberEntered)
{
    Desktop d;
    QWidget* menu = d.platform.mainMenuWidget();
    auto* finder = menu->findChild<QLineEdit*>(QStringLiteral("UnitFinder"));
    auto* matches = menu->findChild<QListWidget*>(QStringLiteral("UnitMatches"));
    ASSERT_TRUE(finder && matches);
    menu->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(menu));
    QTest::keyClick(menu, Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(QApplication::focusWidget(), finder);
    QTest::keyClicks(finder, QStringLiteral("3 furlong"));
    ASSERT_GE(matches->count(), 1);
    EXPECT_TRUE(matches->isVisible());
    QTest::keyClick(finder, Qt::Key_Return);
    QtField* furlong = cellOf(d.top("LenghtObject"), "FurlongField");
    EXPECT_EQ(furlong->doubleValue(), 3);
    EXPECT_EQ(furlong->window()->focusWidget(), furlong);
    EXPECT_EQ(furlong->selectedText(), furlong->text());
    // The search is over: the menu shows its buttons again.
    EXPECT_TRUE(finder->text().isEmpty());
    EXPECT_FALSE(matches->isVisible());

    menu->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(menu));
    QTest::keyClicks(menu, QStringLiteral("slug"));
    EXPECT_EQ(finder->text(), QStringLiteral("slug"));
    ASSERT_GE(matches->count(), 1);
    QTest::mouseClick(matches->viewport(), Qt::LeftButton, {}, matches->visualItemRect(matches->item(0)).center());
    EXPECT_EQ(d.top("WeightObject")->focusWidget(), cellOf(d.top("WeightObject"), "AVslug"));
}

TEST(Printing, TheMenusPrintIsForTheWindowUsedBeforeIt)
{
    Desktop d;
    auto* menu = static_cast<MainMenuWindow*>(d.platform.mainMenuWidget());
    const auto activate = [](QWidget* w) {
        w->activateWindow();
        return QTest::qWaitForWindowActive(w);
    };
    ASSERT_TRUE(activate(menu));
    EXPECT_EQ(menu->printTarget(), nullptr);
    QWidget* length = d.open("length");
    ASSERT_TRUE(QTest::qWaitForWindowActive(length));
    ASSERT_TRUE(activate(menu));
    EXPECT_EQ(menu->printTarget(), length);
    length->close();
    EXPECT_EQ(menu->printTarget(), nullptr);
}

// The icon is rendered from its SVG file at build time: a render that went
// wrong (no picture, wrong byte order) shows here.
TEST(WindowIcon, HoldsTheAmberRulerAtTheWindowManagersSizes)
{
    const QIcon icon = windowIcon();
    EXPECT_EQ(icon.availableSizes(), (QList<QSize>{{16, 16}, {32, 32}, {64, 64}, {128, 128}}));
    const QImage image = icon.pixmap(QSize(128, 128)).toImage();
    ASSERT_EQ(image.size(), QSize(128, 128));
    EXPECT_EQ(qAlpha(image.pixel(1, 1)), 0);  // outside the rounded square
    // The amber square at the top, between the arrows' ends.
    const QColor amber = image.pixelColor(64, 14);
    EXPECT_EQ(amber.alpha(), 255);
    EXPECT_GT(amber.red(), 200);
    EXPECT_LT(amber.blue(), 120);
    // The ruler's light face.
    EXPECT_GT(image.pixelColor(60, 100).lightness(), 230);
}

}  // namespace
