// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/menu_object.h"

#include "app/window_registry.h"
#include "framework/converter_window.h"
#include "framework/number_text.h"

#include <algorithm>

namespace ambrel {

MenuObject::MenuObject(Platform& platform) : platform_(platform)
{
    for (const WindowEntry& entry : windowRegistry()) {
        slots_.push_back({&entry});
        const std::size_t i = slots_.size() - 1;
        if (entry.takesAccuracy())
            addAction(entry.openAction, [this, i] { openConverter(slots_[i]); });
        else
            addAction(entry.openAction, [this, i] {
                if (slots_[i].controller)
                    slots_[i].controller->perform(slots_[i].entry->openAction);
            });
    }
    for (const WindowEntry* entry : broadcastOrder())
        broadcast_.push_back(static_cast<int>(entry - windowRegistry().data()));
    addAction("OpenBonusCalcsWindow:", [this] { OpenBonusCalcsWindow(); });
    addAction("SetAccuracyPref:", [this] { SetAccuracyPref(); });
    addAction("SetExactDefinitions:", [this] { SetExactDefinitions(); });
    addAction("UseExactDefinitions:", [this] { UseExactDefinitions(); });
    addAction("UseClassicTables:", [this] { UseClassicTables(); });
    addAction("ButtonFromFirstRunWindow:", [this] { ButtonFromFirstRunWindow(); });
    addAction("CloseInfoPanel:", [this] { CloseInfoPanel(); });
    addInformationActions();
}

const MenuParts& MenuObject::parts()
{
    if (!built_) {
        parts_ = platform_.buildMenu(*this, menuPlan());
        built_ = true;
    }
    return parts_;
}

MenuObject::Slot* MenuObject::slot(std::string_view className)
{
    for (Slot& s : slots_)
        if (className == s.entry->className)
            return &s;
    return nullptr;
}

const MenuObject::Slot* MenuObject::slot(std::string_view className) const
{
    return const_cast<MenuObject*>(this)->slot(className);
}

void MenuObject::connect(std::string_view className, WindowController* controller)
{
    Slot* s = slot(className);
    if (!s)
        return;
    // A converter must take the accuracy, or it stays unconnected.
    if (s->entry->takesAccuracy() && controller && !dynamic_cast<ConverterWindow*>(controller))
        controller = nullptr;
    s->controller = controller;
}

WindowController* MenuObject::connection(std::string_view className) const
{
    const Slot* s = slot(className);
    return s ? s->controller : nullptr;
}

bool MenuObject::opened(std::string_view className) const
{
    const Slot* s = slot(className);
    return s && s->opened;
}

MenuPlan MenuObject::menuPlan() const
{
    MenuPlan plan;
    for (const WindowEntry* entry : menuOrder(WindowKind::Calculator))
        plan.calculators.push_back({entry->menuTitle, entry->openAction, connection(entry->className) != nullptr, {}});
    // The converters group by group, each group in menu order.
    std::vector<const WindowEntry*> converters = menuOrder(WindowKind::Converter);
    std::stable_sort(converters.begin(), converters.end(),
                     [](const WindowEntry* a, const WindowEntry* b) { return a->menuGroup < b->menuGroup; });
    for (const WindowEntry* entry : converters)
        plan.converters.push_back({entry->menuTitle, entry->openAction, connection(entry->className) != nullptr,
                                   menuGroupTitle(entry->menuGroup)});
    return plan;
}

void MenuObject::connectOutlet(std::string_view name, Window* window)
{
    if (name == "FirstRunWindow")
        firstRunWindow_ = window;
}

void MenuObject::applicationDidFinishLaunching()
{
    const bool firstRun = !platform_.defaults().boolForKey(kUsePreferences);
    if (firstRun)
        platform_.prepareInterface("Warranty");
    platform_.activateIgnoringOtherApps();
    // Exact definitions unless the classic tables were chosen: a choice never
    // stored, or one Ambrel cannot read, counts as none.
    const UserDefaults& choices = platform_.defaults();
    exact_ = !choices.contains(kExactKey) || choices.boolForKey(kExactKey);
    if (IntControl* box = parts().exactDefinitions)
        box->setIntValue(exact_ ? 1 : 0);
    applyTableSet();
    if (firstRun) {
        parts().accuracySlider->setIntValue(kFirstRunSlider);
        if (!platform_.loadInterface("Warranty", *this) || !firstRunWindow_) {
            platform_.log("Failed to load Warranty.nib");
            platform_.beep();
            return;
        }
        firstRunWindow_->center();
        firstRunWindow_->makeKeyAndOrderFront();
        return;
    }
    showInfoPanelForAWhile();
    // Only an accuracy never stored shows the default; a stored 0 is a choice.
    const UserDefaults& defaults = platform_.defaults();
    long long stored = defaults.contains(kAccuracyKey) ? defaults.integerForKey(kAccuracyKey) : kUnsetAccuracyShown;
    // A value the accuracy controls cannot hold was not written by Ambrel: as
    // good as unset.
    if (stored < 0 || stored > kMaxShownDecimals)
        stored = kUnsetAccuracyShown;
    parts().accuracyField->setIntValue(static_cast<int>(stored));
    parts().accuracySlider->setIntValue(static_cast<int>(stored));
}

void MenuObject::showInfoPanelForAWhile()
{
    Window* panel = parts().infoPanel;
    panel->center();
    panel->makeKeyAndOrderFront();
    // The panel may have been dismissed already; the menu then stays where
    // the person has it.
    platform_.scheduleTimer(kInfoPanelSeconds, [this] {
        if (parts().infoPanel->isVisible())
            CloseInfoPanel();
    });
}

void MenuObject::ButtonFromFirstRunWindow()
{
    if (firstRunWindow_)
        firstRunWindow_->performClose();
    platform_.defaults().setBool(kUsePreferences, true);
    showInfoPanelForAWhile();
}

MenuObject& MenuObject::CloseInfoPanel()
{
    parts().infoPanel->orderOut();
    Window* menu = parts().mainMenuWindow;
    menu->center();
    menu->makeKeyAndOrderFront();
    return *this;
}

void MenuObject::openConverter(Slot& slot)
{
    auto* converter = static_cast<ConverterWindow*>(slot.controller);
    if (!converter)
        return;
    converter->setExactDefinitions(exact_);
    converter->accuracyChange(parts().accuracyField->intValue());
    converter->perform(slot.entry->openAction);
    slot.opened = true;
}

void MenuObject::OpenBonusCalcsWindow()
{
    Window* calcs = parts().bonusCalcsWindow;
    calcs->center();
    calcs->makeKeyAndOrderFront();
}

void MenuObject::SetAccuracyPref()
{
    const int accuracy = parts().accuracyField->intValue();
    for (int i : broadcast_)
        if (slots_[i].opened)
            static_cast<ConverterWindow*>(slots_[i].controller)->accuracyChange(accuracy);
    platform_.defaults().setInteger(kAccuracyKey, accuracy);
    platform_.defaults().setBool(kUsePreferences, true);
}

void MenuObject::SetExactDefinitions()
{
    IntControl* box = parts().exactDefinitions;
    exact_ = box && box->intValue() != 0;
    platform_.defaults().setBool(kExactKey, exact_);
    applyTableSet();
}

void MenuObject::chooseExactDefinitions(bool on)
{
    if (IntControl* box = parts().exactDefinitions)
        box->setIntValue(on ? 1 : 0);
    exact_ = on;
    platform_.defaults().setBool(kExactKey, exact_);
    applyTableSet();
}

// Windows never opened take the set too, so they open with it; they are not
// built for it.
void MenuObject::applyTableSet()
{
    for (const Slot& s : slots_)
        if (s.controller)
            s.controller->setExactDefinitions(exact_);
}

}  // namespace ambrel
