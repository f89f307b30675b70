// SPDX-License-Identifier: GPL-3.0-or-later
// Launch, the accuracy preference and the converter menu.
#include "app/application.h"
#include "app/menu_object.h"
#include "app/window_registry.h"
#include "framework/converter_window.h"
#include "framework/entry.h"
#include "framework/number_text.h"
#include "headless/headless_platform.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <string>
#include <vector>

using namespace ambrel;

namespace {

struct Launch {
    HeadlessPlatform platform;
    Application app{platform};
    MenuObject& menu = app.menu();

    int field() { return menu.parts().accuracyField->intValue(); }
    int slider() { return menu.parts().accuracySlider->intValue(); }

    // The converters an accuracy reached since the last look, in order, by
    // the cells each formatted.
    std::vector<std::string> reached()
    {
        std::vector<std::string> order;
        for (const Event& e : platform.events().ofKind("format"))
            for (const WindowEntry& w : windowRegistry()) {
                const std::string seen =
                    std::string(w.className) + " accuracy " + std::to_string(static_cast<int>(e.value));
                if (w.def &&
                    std::any_of(w.def->rows.begin(), w.def->rows.end(),
                                [&](const UnitRow& r) { return e.target == r.outlet; }) &&
                    (order.empty() || order.back() != seen))
                    order.push_back(seen);
            }
        platform.events().clear();
        return order;
    }
};

TEST(Launch, FirstRunShowsTheWarrantyWindowAndSetsOnlyTheSlider)
{
    Launch l;
    l.platform.setInitialAccuracyField(7);
    l.menu.applicationDidFinishLaunching();
    EXPECT_EQ(l.slider(), 5);
    EXPECT_EQ(l.field(), 7);
    ASSERT_NE(l.menu.firstRunWindow(), nullptr);
    EXPECT_TRUE(l.menu.firstRunWindow()->isVisible());
    EXPECT_EQ(l.platform.pendingTimers(), 0u);
    // Opening a converter sends the field's value, not the slider's 5.
    l.menu.perform("OpenLenghtWindow:");
    EXPECT_EQ(static_cast<HeadlessField*>(l.app.controller("LenghtObject")->field("FeetField"))->digits(), 7);

    // The button stores the flag but no accuracy, and shows the panel for 5 s.
    l.menu.perform("ButtonFromFirstRunWindow:");
    EXPECT_FALSE(l.menu.firstRunWindow()->isVisible());
    EXPECT_TRUE(l.platform.defaults().boolForKey("UsePreferences"));
    EXPECT_FALSE(l.platform.storedDefaults().contains("AmbrelAccuracy"));
    ASSERT_EQ(l.platform.timerDelays(), std::vector<double>{5.0});
    l.platform.fireTimers();
    EXPECT_FALSE(l.platform.window("InfoPanel")->isVisible());
    EXPECT_TRUE(l.platform.window("MainMenuWindow")->isVisible());
}

TEST(Launch, WarrantyThatCannotBeLoadedIsLoggedAndNothingIsShown)
{
    Launch l;
    l.platform.interfaces().erase("Warranty");
    l.menu.applicationDidFinishLaunching();
    EXPECT_EQ(l.platform.logLines(), std::vector<std::string>{"Failed to load Warranty.nib"});
    EXPECT_EQ(l.platform.beeps(), 1);
    EXPECT_EQ(l.menu.firstRunWindow(), nullptr);
    EXPECT_EQ(l.platform.events().count("front"), 0);
    EXPECT_FALSE(l.platform.defaults().boolForKey("UsePreferences"));
}

TEST(Launch, LaterRunRestoresTheStoredAccuracyAndTellsNoConverter)
{
    struct Case {
        bool stored;
        long long value;
        int shown;
    } cases[] = {
        {false, 0, 99},  // absent
        {true, 0, 0},    // a chosen 0 survives
        // Outside the controls' range, as on every platform, or beyond an int: as if unset.
        {true, -2, 99},
        {true, 100, 99},
        {true, std::numeric_limits<long long>::max(), 99},
    };
    for (const Case& c : cases) {
        Launch l;
        l.platform.defaults().setBool("UsePreferences", true);
        if (c.stored)
            l.platform.defaults().setInteger("AmbrelAccuracy", c.value);
        l.platform.events().clear();
        l.menu.applicationDidFinishLaunching();
        EXPECT_EQ(l.field(), c.shown) << c.value;
        EXPECT_EQ(l.slider(), c.shown) << c.value;
        EXPECT_TRUE(l.platform.window("InfoPanel")->isVisible());
        EXPECT_EQ(l.platform.timerDelays(), std::vector<double>{5.0});
        l.platform.fireTimers();
        EXPECT_EQ(l.platform.events().count("load"), 0);
        EXPECT_EQ(l.platform.events().count("format"), 0);
        EXPECT_EQ(l.platform.defaults().integerForKey("AmbrelAccuracy"), c.stored ? c.value : 0);
    }
}

// Exact definitions unless the classic tables were chosen and stored, on the
// first run and later ones alike; launching stores no choice of its own.
TEST(Launch, TheTableSetIsExactUnlessTheClassicTablesWereChosen)
{
    struct Case {
        bool laterRun;
        int stored;  // -1: nothing stored
        bool exact;
    } cases[] = {
        {false, -1, true}, {true, -1, true}, {false, 1, true}, {true, 0, false}, {false, 0, false}, {true, 2, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.laterRun) + " stored " + std::to_string(c.stored));
        Launch l;
        l.platform.defaults().setBool(MenuObject::kUsePreferences, c.laterRun);
        if (c.stored >= 0)
            l.platform.defaults().setInteger(MenuObject::kExactKey, c.stored);
        l.menu.applicationDidFinishLaunching();
        EXPECT_EQ(l.menu.exactDefinitions(), c.exact);
        EXPECT_EQ(l.menu.parts().exactDefinitions->intValue(), c.exact ? 1 : 0);
        EXPECT_EQ(l.platform.defaults().contains(MenuObject::kExactKey), c.stored >= 0);
        // Windows that are not converters take the set too.
        EXPECT_EQ(l.app.controller("FileTransferCalc")->exactDefinitions(), c.exact);
        l.menu.perform("OpenWeightWindow:");
        WindowController& weight = *l.app.controller("WeightObject");
        EXPECT_EQ(weight.parts().window->title(), c.exact ? "Weight" : "Weight \u2014 classic tables");
        ASSERT_TRUE(typeAndConfirm(l.platform, weight, weight.fieldIndex("AVpound"), "1").accepted);
        EXPECT_EQ(weight.field("Mgram")->doubleValue(), c.exact ? 453.59237 : 454);
    }
}

TEST(AccuracyPreference, ReachesOpenedConvertersInTheFixedOrderThenIsStored)
{
    Launch l;
    HeadlessPlatform& platform = l.platform;
    MenuObject& menu = l.menu;
    menu.parts().accuracyField->setIntValue(6);
    menu.SetAccuracyPref();  // nothing opened yet
    EXPECT_TRUE(l.reached().empty());
    EXPECT_EQ(platform.defaults().integerForKey("AmbrelAccuracy"), 6);
    EXPECT_TRUE(platform.defaults().boolForKey("UsePreferences"));

    // Open time before temperature; the broadcast still reaches temperature first.
    menu.perform("OpenTimeWindow:");
    menu.perform("OpenTempWindow:");
    menu.perform("OpenVolumeWindow:");
    menu.perform("OpenLenghtWindow:");
    EXPECT_EQ(l.reached(),
              (std::vector<std::string>{"TimeObject accuracy 6", "TempObject accuracy 6", "VolumeObject accuracy 6",
                                        "LenghtObject accuracy 6"}));
    EXPECT_TRUE(menu.opened("TimeObject"));
    EXPECT_FALSE(menu.opened("AreaObject"));

    platform.intControl("AccuracyField")->userSets(2);
    menu.perform("SetAccuracyPref:");
    EXPECT_EQ(l.reached(),
              (std::vector<std::string>{"TempObject accuracy 2", "LenghtObject accuracy 2", "TimeObject accuracy 2",
                                        "VolumeObject accuracy 2"}));
    EXPECT_EQ(platform.defaults().integerForKey("AmbrelAccuracy"), 2);
}

TEST(AccuracyPreference, OpeningTwiceAppliesTheAccuracyBeforeEachShowing)
{
    Launch l;
    l.menu.parts().accuracyField->setIntValue(3);
    l.platform.events().clear();
    l.menu.perform("OpenLenghtWindow:");
    l.menu.perform("OpenLenghtWindow:");
    EXPECT_EQ(l.platform.events().count("format"), 2 * static_cast<long>(findWindow("length")->def->rows.size()));
    EXPECT_EQ(l.platform.events().count("front"), 2);
    const auto& events = l.platform.events().events();
    const auto first = [&](const char* kind) {
        return std::find_if(events.begin(), events.end(), [&](const Event& e) { return e.kind == kind; });
    };
    EXPECT_LT(first("format") - events.begin(), first("front") - events.begin());
}

// The registry is the one list of windows: the menu builds a button for each
// in its own place, and the broadcast covers every converter.
TEST(Menu, EveryRegisteredWindowHasAButtonAndEveryConverterTheBroadcast)
{
    Launch l;
    l.menu.parts();
    const MenuPlan& plan = l.platform.menuPlan();
    std::vector<std::string> actions;
    for (const auto* buttons : {&plan.converters, &plan.calculators})
        for (const MenuButton& b : *buttons) {
            EXPECT_NE(b.title.find('&'), std::string::npos) << b.title << " has no mnemonic";
            actions.push_back(b.action);
        }
    EXPECT_EQ(actions.size(), windowRegistry().size());
    // Menu positions are 0..n-1 within each kind, so no two buttons share a place.
    for (WindowKind kind : {WindowKind::Converter, WindowKind::Calculator}) {
        const auto ordered = menuOrder(kind);
        for (std::size_t i = 0; i < ordered.size(); ++i)
            EXPECT_EQ(ordered[i]->menuPosition, static_cast<int>(i)) << ordered[i]->cliName;
    }
    EXPECT_EQ(plan.converters.front().action, "OpenLenghtWindow:");
    std::vector<std::string> order;
    for (const WindowEntry* e : broadcastOrder())
        order.push_back(e->className);
    // The first windows keep their fixed order; later ones follow.
    ASSERT_EQ(order.size(), menuOrder(WindowKind::Converter).size());
    order.resize(11);
    EXPECT_EQ(order,
              (std::vector<std::string>{"TempObject", "AreaObject", "ComputingObject", "PowerEnergyObject",
                                        "LenghtObject", "WeightObject", "MiscObject", "PressureObject", "TimeObject",
                                        "VelocityObject", "VolumeObject"}));
}

// Each converter's button has its own mnemonic, none of them one the main
// menu keeps for itself (Decimals shown, Exact definitions, Further
// calculators, the Ambrel and Help menus), and the buttons come group by
// group, in the order of the groups.
TEST(Menu, EachButtonHasItsOwnMnemonicAndTheGroupsComeInOrder)
{
    Launch l;
    l.menu.parts();
    const MenuPlan& plan = l.platform.menuPlan();
    std::string taken = "mxubh";
    std::vector<std::string> groups;
    for (const MenuButton& b : plan.converters) {
        const std::size_t at = b.title.find('&');
        ASSERT_LT(at + 1, b.title.size()) << b.title;
        const char key = static_cast<char>(std::tolower(static_cast<unsigned char>(b.title[at + 1])));
        EXPECT_EQ(taken.find(key), std::string::npos) << b.title;
        taken += key;
        if (groups.empty() || groups.back() != b.group)
            groups.push_back(b.group);
    }
    EXPECT_EQ(groups,
              (std::vector<std::string>{menuGroupTitle(MenuGroup::Everyday), menuGroupTitle(MenuGroup::Science),
                                        menuGroupTitle(MenuGroup::Computing)}));
}

}  // namespace
