// SPDX-License-Identifier: GPL-3.0-or-later
// The menu's information side: windows loaded from interface files, the
// notebook and summary documents, printing and the home page.
#include "app/menu_object.h"

#include "framework/notebook.h"

#include <optional>
#include <string>

#ifndef AMBREL_HOMEPAGE
#define AMBREL_HOMEPAGE "https://orlune.example.org/ambrel"
#endif

namespace ambrel {

const char* MenuObject::homePage()
{
    return AMBREL_HOMEPAGE;
}

void MenuObject::addInformationActions()
{
    addAction("IntroAndHelp:", [this] { IntroAndHelp(); });
    addAction("MoreInfo:", [this] { MoreInfo(); });
    addAction("WarrantyInfo:", [this] { WarrantyInfo(); });
    addAction("OpenSIPrefixes:", [this] { OpenSIPrefixes(); });
    addAction("ShowNotebook:", [this] { ShowNotebook(); });
    addAction("ShowSummary:", [this] { ShowSummary(); });
    addAction("print:", [this] { print(); });
    addAction("displayOrlune:", [this] { displayOrlune(); });
}

// Each request loads the file anew: a second request shows a second copy.
void MenuObject::loadInformation(std::string_view name)
{
    if (platform_.loadInterface(name, *this))
        return;
    platform_.log("Failed to load " + std::string(name) + ".nib");
    platform_.beep();
}

void MenuObject::ShowNotebook()
{
    showNotebook(platform_, "Misc");
}

void MenuObject::ShowSummary()
{
    showNotebook(platform_, "Summary");
}

void MenuObject::print()
{
    if (Window* key = platform_.keyWindow())
        key->print();
}

void MenuObject::displayOrlune()
{
    // The home page is the manual installed with the program, which needs no
    // network; the address on the web only where none is installed.
    const std::optional<std::string> manual = platform_.pathForResource("index", "html");
    performOpenURL(manual ? *manual : homePage());
}

void MenuObject::performOpenURL(std::string_view address)
{
    platform_.openURL(address);
}

}  // namespace ambrel
