// The application controller: launch, the accuracy preference and the menu
// that opens the converter windows.
#pragma once

#include "framework/controller.h"
#include "framework/platform.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace ambrel {

class ConverterWindow;

// The eleven converter connections, in declaration order.
enum class Converter : int {
    Area,
    Computing,
    PowerEnergy,
    Lenght,
    Weight,
    Misc,
    Pressure,
    Temp,
    Time,
    Velocity,
    Volume,
};
inline constexpr int kConverterCount = 11;

// The class name each connection names, in declaration order.
extern const std::array<std::string_view, kConverterCount> kConverterClassNames;
// The opening action of each connection, in declaration order.
extern const std::array<std::string_view, kConverterCount> kConverterOpenActions;

// The further calculators' opening actions, in the order their window lists them.
inline constexpr int kCalculatorCount = 4;
extern const std::array<std::string_view, kCalculatorCount> kCalculatorOpenActions;

class MenuObject : public Controller {
public:
    static constexpr const char* kUsePreferences = "UsePreferences";
    static constexpr const char* kAccuracyKey = "AmbrelAccuracy";
    static constexpr const char* kExactKey = "AmbrelExactDefinitions";
    static constexpr int kFirstRunSlider = 5;
    static constexpr int kUnsetAccuracyShown = 99;
    static constexpr double kInfoPanelSeconds = 5.0;

    explicit MenuObject(Platform& platform);

    // Connects a converter controller; unconnected converters cannot be opened.
    void connect(Converter which, ConverterWindow* controller);
    ConverterWindow* connection(Converter which) const;
    // The window of further calculators relays each calculator's opening
    // action, so its buttons work whichever calculators are connected.
    void connectCalculator(int index, Controller* calculator);
    Controller* calculatorConnection(int index) const;

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
    void OpenAreaWindow() { openConverter(Converter::Area); }
    void OpenComputingWindow() { openConverter(Converter::Computing); }
    void OpenPowerEnergyWindow() { openConverter(Converter::PowerEnergy); }
    void OpenLenghtWindow() { openConverter(Converter::Lenght); }
    void OpenWeightWindow() { openConverter(Converter::Weight); }
    void OpenMiscWindow() { openConverter(Converter::Misc); }
    void OpenPressureWindow() { openConverter(Converter::Pressure); }
    void OpenTempWindow() { openConverter(Converter::Temp); }
    void OpenTimeWindow() { openConverter(Converter::Time); }
    void OpenVelocityWindow() { openConverter(Converter::Velocity); }
    void OpenVolumeWindow() { openConverter(Converter::Volume); }
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

    // Whether the converter has been opened through the menu since launch.
    bool opened(Converter which) const { return opened_[static_cast<int>(which)] == 1; }

    void connectOutlet(std::string_view name, Window* window) override;
    Window* firstRunWindow() const { return firstRunWindow_; }
    const MenuParts& parts();

private:
    void openConverter(Converter which);
    void loadInformation(std::string_view name);
    void addInformationActions();
    void showInfoPanelForAWhile();
    void chooseExactDefinitions(bool on);
    void applyTableSet();

    Platform& platform_;
    MenuParts parts_;
    bool built_ = false;
    Window* firstRunWindow_ = nullptr;
    std::array<ConverterWindow*, kConverterCount> connections_{};
    std::array<Controller*, kCalculatorCount> calculators_{};
    std::array<std::int32_t, kConverterCount> opened_{};
    bool exact_ = false;
};

}  // namespace ambrel
