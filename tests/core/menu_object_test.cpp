// Launch, the accuracy preference and the converter menu.
#include "app/application.h"
#include "app/menu_object.h"
#include "framework/converter_window.h"
#include "framework/number_text.h"
#include "headless/headless_platform.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <string>
#include <vector>

using namespace ambrel;

namespace {

// A converter that records what the menu sends it.
class RecordingConverter : public ConverterWindow {
public:
    RecordingConverter(Platform& p, const ConverterDef& def, std::vector<std::string>& journal, std::string name)
        : ConverterWindow(p, def), journal_(journal), name_(std::move(name))
    {
    }
    void accuracyChange(int digits) override
    {
        journal_.push_back(name_ + " accuracy " + std::to_string(digits));
        ConverterWindow::accuracyChange(digits);
    }

private:
    std::vector<std::string>& journal_;
    std::string name_;
};

constexpr BoxDef kBoxes[] = {{"FieldBox", "Units", "Calc:", "BaseField"}};
constexpr UnitRow kRows[] = {{.box = 0, .outlet = "BaseField", .unit = "base"}};

struct Launch {
    HeadlessPlatform platform;
    Application app{platform};
    MenuObject& menu = app.menu();

    int field() { return menu.parts().accuracyField->intValue(); }
    int slider() { return menu.parts().accuracySlider->intValue(); }
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
    l.menu.OpenLenghtWindow();
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
        {true, 0, 99},
        {true, -2, -2},  // not validated
        {true, std::numeric_limits<long long>::max(), 99},  // no int holds it: as if unset
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

TEST(AccuracyPreference, ReachesOpenedConvertersInTheFixedOrderThenIsStored)
{
    HeadlessPlatform platform;
    MenuObject menu(platform);
    std::vector<std::string> journal;
    const ConverterDef def = {.cliName = "x", .className = "X", .windowOutlet = "XWindow", .title = "X",
                              .openAction = "OpenX:", .notebookAction = "ShowNotebook:", .notebook = "X",
                              .boxes = kBoxes, .rows = kRows, .openBox = 0, .openTag = 0};
    std::vector<std::unique_ptr<RecordingConverter>> converters;
    for (int i = 0; i < kConverterCount; ++i) {
        converters.push_back(
            std::make_unique<RecordingConverter>(platform, def, journal, std::string(kConverterClassNames[i])));
        menu.connect(static_cast<Converter>(i), converters.back().get());
    }

    menu.parts().accuracyField->setIntValue(6);
    menu.SetAccuracyPref();  // nothing opened yet
    EXPECT_TRUE(journal.empty());
    EXPECT_EQ(platform.defaults().integerForKey("AmbrelAccuracy"), 6);
    EXPECT_TRUE(platform.defaults().boolForKey("UsePreferences"));

    // Open time before temperature; the broadcast still reaches temperature first.
    menu.OpenTimeWindow();
    menu.OpenTempWindow();
    menu.OpenVolumeWindow();
    menu.OpenLenghtWindow();
    EXPECT_EQ(journal, (std::vector<std::string>{"TimeObject accuracy 6", "TempObject accuracy 6",
                                                 "VolumeObject accuracy 6", "LenghtObject accuracy 6"}));
    journal.clear();
    EXPECT_TRUE(menu.opened(Converter::Time));
    EXPECT_FALSE(menu.opened(Converter::Area));

    platform.intControl("AccuracyField")->userSets(2);
    menu.perform("SetAccuracyPref:");
    EXPECT_EQ(journal, (std::vector<std::string>{"TempObject accuracy 2", "LenghtObject accuracy 2",
                                                 "TimeObject accuracy 2", "VolumeObject accuracy 2"}));
    EXPECT_EQ(platform.defaults().integerForKey("AmbrelAccuracy"), 2);
}

TEST(AccuracyPreference, OpeningTwiceAppliesTheAccuracyBeforeEachShowing)
{
    Launch l;
    l.menu.parts().accuracyField->setIntValue(3);
    l.platform.events().clear();
    l.menu.OpenLenghtWindow();
    l.menu.OpenLenghtWindow();
    EXPECT_EQ(l.platform.events().count("format"), 38);
    EXPECT_EQ(l.platform.events().count("front"), 2);
    const auto& events = l.platform.events().events();
    const auto first = [&](const char* kind) {
        return std::find_if(events.begin(), events.end(), [&](const Event& e) { return e.kind == kind; });
    };
    EXPECT_LT(first("format") - events.begin(), first("front") - events.begin());
}

TEST(Menu, EveryOpeningActionIsAnActionOfTheMenu)
{
    Launch l;
    for (std::string_view action : kConverterOpenActions)
        EXPECT_TRUE(l.menu.responds(action)) << action;
    l.menu.perform("OpenBonusCalcsWindow:");
    EXPECT_TRUE(l.platform.window("BonusCalcsWindow")->isVisible());
}

}  // namespace
