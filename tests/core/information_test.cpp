// SPDX-License-Identifier: GPL-3.0-or-later
// The menu's information windows, documents, printing and home page, and
// every window's notebook action.
#include "app/application.h"
#include "app/unit_finder.h"
#include "app/window_registry.h"
#include "headless/headless_platform.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

using namespace ambrel;

namespace {

struct Menu {
    HeadlessPlatform platform;
    Application app{platform};
    MenuObject& menu = app.menu();

    Menu()
    {
        // The notebooks that ship with the program.
        for (const auto& entry : std::filesystem::directory_iterator(AMBREL_SOURCE_DIR "/resources/notebooks"))
            if (entry.is_regular_file())  // not the folders of translations
                platform.resources()[entry.path().stem().string() + ".rtfd"] = entry.path().string();
    }
};

// Each request loads the file anew: a failure is logged with a beep, and
// the next request tries again.
TEST(InformationWindows, EachRequestLoadsTheFileAnewAndFailuresAreLogged)
{
    Menu m;
    const auto saved = m.platform.interfaces()["MoreInfo"];
    m.platform.interfaces().erase("MoreInfo");
    ASSERT_TRUE(m.menu.perform("MoreInfo:"));
    EXPECT_EQ(m.platform.logLines(), std::vector<std::string>{"Failed to load MoreInfo.nib"});
    EXPECT_EQ(m.platform.beeps(), 1);
    EXPECT_EQ(m.platform.events().count("front"), 0);

    m.platform.interfaces()["MoreInfo"] = saved;
    m.menu.perform("MoreInfo:");
    m.menu.perform("MoreInfo:");
    const auto loads = m.platform.events().ofKind("load");
    ASSERT_EQ(loads.size(), 2u);
    EXPECT_EQ(loads[0].target, "MoreInfo");
    EXPECT_EQ(m.platform.beeps(), 1);
}

// Every window is called the same on its button, its title bar and its
// notes, and its notebook action loads its own document.
TEST(Documents, EveryWindowShowsItsOwnDocumentUnderItsName)
{
    Menu m;
    for (const WindowEntry& entry : windowRegistry()) {
        WindowController& window = *m.app.controller(entry.className);
        EXPECT_EQ(windowTitle(entry), window.plan().title) << entry.cliName;
        m.platform.events().clear();
        ASSERT_TRUE(window.perform(window.responds("ShowNoteBook:") ? "ShowNoteBook:" : "ShowNotebook:"))
            << entry.cliName;
        EXPECT_EQ(m.platform.notebookWindow()->title(), window.plan().title + " \u2014 Notes") << entry.cliName;
        EXPECT_TRUE(m.platform.notebookWindow()->isVisible());
        EXPECT_EQ(m.platform.events().ofKind("notebookLoad").size(), 1u) << entry.cliName << ": no document";
    }
}

TEST(Printing, PrintsTheKeyWindowOrNothingAndTheMenuShowsItsDocumentsAndHomePage)
{
    Menu m;
    m.menu.print();
    EXPECT_EQ(m.platform.events().count("print"), 0);
    m.menu.OpenLenghtWindow();
    m.menu.print();
    const auto prints = m.platform.events().ofKind("print");
    ASSERT_EQ(prints.size(), 1u);
    EXPECT_EQ(prints[0].target, "LenghtWindow");
    // The menu's notebook shows the same document as the fuel and light window's.
    m.menu.ShowNotebook();
    EXPECT_EQ(m.platform.notebookWindow()->title(), "Fuel efficiency and light \u2014 Notes");
    m.menu.ShowSummary();
    EXPECT_EQ(m.platform.notebookWindow()->title(), "Summary \u2014 Notes");
    m.menu.print();
    EXPECT_EQ(m.platform.events().ofKind("print").back().target, "NotebookWindow");
    // The home page is the installed manual; the web address only without one.
    m.menu.perform("displayOrlune:");
    EXPECT_EQ(m.platform.events().ofKind("openURL").at(0).text, MenuObject::homePage());
    m.platform.resources()["index.html"] = "/usr/share/ambrel/index.html";
    m.menu.perform("displayOrlune:");
    EXPECT_EQ(m.platform.events().ofKind("openURL").at(1).text, "/usr/share/ambrel/index.html");
}

}  // namespace
