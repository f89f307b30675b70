#include "app/menu_object.h"

#include "framework/converter_window.h"

namespace ambrel {

const std::array<std::string_view, kConverterCount> kConverterClassNames = {
    "AreaObject",   "ComputingObject", "PowerEnergyObject", "LenghtObject",
    "WeightObject", "MiscObject",      "PressureObject",    "TempObject",
    "TimeObject",   "VelocityObject",  "VolumeObject",
};

const std::array<std::string_view, kConverterCount> kConverterOpenActions = {
    "OpenAreaWindow:",   "OpenComputingWindow:", "OpenPowerEnergyWindow:", "OpenLenghtWindow:",
    "OpenWeightWindow:", "OpenMiscWindow:",      "OpenPressureWindow:",    "OpenTempWindow:",
    "OpenTimeWindow:",   "OpenVelocityWindow:",  "OpenVolumeWindow:",
};

const std::array<std::string_view, kCalculatorCount> kCalculatorOpenActions = {
    "OpenFileTransCalcWindow:",
    "OpenfindxWindow:",
    "OpenInterpolateCalcWindow:",
    "OpenPowerWeightRatioWindow:",
};

namespace {

// The order in which an accuracy change reaches the opened converters.
constexpr Converter kBroadcastOrder[] = {
    Converter::Temp,   Converter::Area,     Converter::Computing, Converter::PowerEnergy,
    Converter::Lenght, Converter::Weight,   Converter::Misc,      Converter::Pressure,
    Converter::Time,   Converter::Velocity, Converter::Volume,
};

}  // namespace

MenuObject::MenuObject(Platform& platform) : platform_(platform)
{
    for (int i = 0; i < kConverterCount; ++i) {
        const auto which = static_cast<Converter>(i);
        addAction(std::string(kConverterOpenActions[i]), [this, which] { openConverter(which); });
    }
    for (int i = 0; i < kCalculatorCount; ++i)
        addAction(std::string(kCalculatorOpenActions[i]), [this, i] {
            if (calculators_[i])
                calculators_[i]->perform(kCalculatorOpenActions[i]);
        });
    addAction("OpenBonusCalcsWindow:", [this] { OpenBonusCalcsWindow(); });
    addAction("SetAccuracyPref:", [this] { SetAccuracyPref(); });
    addAction("ButtonFromFirstRunWindow:", [this] { ButtonFromFirstRunWindow(); });
    addAction("CloseInfoPanel:", [this] { CloseInfoPanel(); });
    addInformationActions();
}

const MenuParts& MenuObject::parts()
{
    if (!built_) {
        parts_ = platform_.buildMenu(*this);
        built_ = true;
    }
    return parts_;
}

void MenuObject::connect(Converter which, ConverterWindow* controller)
{
    connections_[static_cast<int>(which)] = controller;
}

ConverterWindow* MenuObject::connection(Converter which) const
{
    return connections_[static_cast<int>(which)];
}

void MenuObject::connectCalculator(int index, Controller* calculator)
{
    if (index >= 0 && index < kCalculatorCount)
        calculators_[index] = calculator;
}

Controller* MenuObject::calculatorConnection(int index) const
{
    return index >= 0 && index < kCalculatorCount ? calculators_[index] : nullptr;
}

void MenuObject::connectOutlet(std::string_view name, Window* window)
{
    if (name == "FirstRunWindow")
        firstRunWindow_ = window;
}

void MenuObject::applicationDidFinishLaunching()
{
    platform_.activateIgnoringOtherApps();
    if (!platform_.defaults().boolForKey(kUsePreferences)) {
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
    // A value no int can hold is as good as unset.
    if (stored > INT32_MAX || stored < INT32_MIN)
        stored = kUnsetAccuracyShown;
    parts().accuracyField->setIntValue(static_cast<int>(stored));
    parts().accuracySlider->setIntValue(static_cast<int>(stored));
}

void MenuObject::showInfoPanelForAWhile()
{
    Window* panel = parts().infoPanel;
    panel->center();
    panel->makeKeyAndOrderFront();
    platform_.scheduleTimer(kInfoPanelSeconds, [this] { CloseInfoPanel(); });
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

void MenuObject::openConverter(Converter which)
{
    const int i = static_cast<int>(which);
    ConverterWindow* converter = connections_[i];
    if (!converter)
        return;
    converter->accuracyChange(parts().accuracyField->intValue());
    converter->perform(kConverterOpenActions[i]);
    opened_[i] = 1;
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
    for (Converter which : kBroadcastOrder)
        if (opened(which))
            connections_[static_cast<int>(which)]->accuracyChange(accuracy);
    platform_.defaults().setInteger(kAccuracyKey, accuracy);
    platform_.defaults().setBool(kUsePreferences, true);
}

}  // namespace ambrel
