// SPDX-License-Identifier: GPL-3.0-or-later
// The application controller: launch, the accuracy preference and the menu
// that opens the converter windows.
#pragma once

#include "app/unit_names.h"
#include "framework/controller.h"
#include "framework/entry.h"
#include "framework/platform.h"

#include <string_view>
#include <vector>

namespace ambrel {

class ConverterWindow;
class WindowController;
struct WindowEntry;

class MenuObject : public Controller {
public:
    static constexpr const char* kUsePreferences = "UsePreferences";
    static constexpr const char* kAccuracyKey = "AmbrelAccuracy";
    static constexpr const char* kExactKey = "AmbrelExactDefinitions";
    // Every key Ambrel stores; a damaged settings file keeps these.
    static constexpr const char* kStoredKeys[] = {kUsePreferences, kAccuracyKey, kExactKey};
    static constexpr int kFirstRunSlider = 5;
    static constexpr int kUnsetAccuracyShown = 99;
    static constexpr double kInfoPanelSeconds = 5.0;

    explicit MenuObject(Platform& platform);

    // Connects the controller of the registered window `className`;
    // a window not connected cannot be opened and its button is disabled.
    // The window of further calculators relays each calculator's opening
    // action, so its buttons work whichever calculators are connected.
    void connect(std::string_view className, WindowController* controller);
    WindowController* connection(std::string_view className) const;

    void applicationDidFinishLaunching();
    void ButtonFromFirstRunWindow();
    MenuObject& CloseInfoPanel();
    void SetAccuracyPref();
    // Takes the table set from the menu's check box, stores it and hands it
    // to every window; the first-run window's choice sets the box first.
    void SetExactDefinitions();
    void UseExactDefinitions() { chooseExactDefinitions(true); }
    void UseClassicTables() { chooseExactDefinitions(false); }
    bool exactDefinitions() const { return exact_; }
    // The converters' opening actions under their own names, for callers in
    // code; the menu registers every window's action from the registry.
    void OpenAreaWindow() { perform("OpenAreaWindow:"); }
    void OpenComputingWindow() { perform("OpenComputingWindow:"); }
    void OpenPowerEnergyWindow() { perform("OpenPowerEnergyWindow:"); }
    void OpenLenghtWindow() { perform("OpenLenghtWindow:"); }
    void OpenWeightWindow() { perform("OpenWeightWindow:"); }
    void OpenMiscWindow() { perform("OpenMiscWindow:"); }
    void OpenPressureWindow() { perform("OpenPressureWindow:"); }
    void OpenTempWindow() { perform("OpenTempWindow:"); }
    void OpenTimeWindow() { perform("OpenTimeWindow:"); }
    void OpenVelocityWindow() { perform("OpenVelocityWindow:"); }
    void OpenVolumeWindow() { perform("OpenVolumeWindow:"); }
    void OpenBonusCalcsWindow();

    // Information windows, documents, printing and the home page.
    void IntroAndHelp() { loadInformation("HelpIntro"); }
    void MoreInfo() { loadInformation("MoreInfo"); }
    void WarrantyInfo() { loadInformation("Warranty"); }
    void OpenSIPrefixes() { loadInformation("SIPrefixes"); }
    void ShowNotebook();
    void ShowSummary();
    void print();
    void displayOrlune();
    void performOpenURL(std::string_view address);
    static const char* homePage();

    // The finder: opens the window of `unit` as its button does, gives the
    // unit the setting it needs, enters `number` into its field if one was
    // typed, and leaves that field selected.
    EntryResult openUnit(const UnitName& unit, std::string_view number = {}, char decimalSeparator = '.');

    // Whether the converter has been opened through the menu since launch.
    bool opened(std::string_view className) const;

    void connectOutlet(std::string_view name, Window* window) override;
    Window* firstRunWindow() const { return firstRunWindow_; }
    const MenuParts& parts();

private:
    // A registered window and what the menu knows of it.
    struct Slot {
        const WindowEntry* entry;
        WindowController* controller = nullptr;
        bool opened = false;
    };
    Slot* slot(std::string_view className);
    const Slot* slot(std::string_view className) const;
    void openConverter(Slot& slot);
    MenuPlan menuPlan() const;
    void loadInformation(std::string_view name);
    void addInformationActions();
    void showInfoPanelForAWhile();
    void chooseExactDefinitions(bool on);
    void applyTableSet();

    Platform& platform_;
    MenuParts parts_;
    bool built_ = false;
    Window* firstRunWindow_ = nullptr;
    std::vector<Slot> slots_;     // in the registry's order
    std::vector<int> broadcast_;  // indices into slots_, in broadcast order
    bool exact_ = true;
};

}  // namespace ambrel
