#include "app/window_registry.h"

#include "framework/converter_window.h"

#include "calculators/file_transfer.h"
#include "calculators/interpolation.h"
#include "calculators/power_weight.h"
#include "calculators/proportion.h"
#include "computing/computing.h"
#include "converters/area.h"
#include "converters/fuel_light.h"
#include "converters/length.h"
#include "converters/power_energy.h"
#include "converters/pressure.h"
#include "converters/temperature.h"
#include "converters/time.h"
#include "converters/velocity.h"
#include "converters/volume.h"
#include "converters/weight.h"

namespace ambrel {

namespace {

template <class T>
std::unique_ptr<WindowController> make(Platform& platform)
{
    return std::make_unique<T>(platform);
}

// In the order the menu lists them.
constexpr WindowEntry kWindows[] = {
    {"length", "LenghtObject", "OpenLenghtWindow:", true, make<LenghtObject>},
    {"area", "AreaObject", "OpenAreaWindow:", true, make<AreaObject>},
    {"velocity", "VelocityObject", "OpenVelocityWindow:", true, make<VelocityObject>},
    {"pressure", "PressureObject", "OpenPressureWindow:", true, make<PressureObject>},
    {"temperature", "TempObject", "OpenTempWindow:", true, make<TempObject>},
    {"time", "TimeObject", "OpenTimeWindow:", true, make<TimeObject>},
    {"volume", "VolumeObject", "OpenVolumeWindow:", true, make<VolumeObject>},
    {"weight", "WeightObject", "OpenWeightWindow:", true, make<WeightObject>},
    {"power-energy", "PowerEnergyObject", "OpenPowerEnergyWindow:", true, make<PowerEnergyObject>},
    {"fuel-light", "MiscObject", "OpenMiscWindow:", true, make<MiscObject>},
    {"computing", "ComputingObject", "OpenComputingWindow:", true, make<ComputingObject>},
    {"file-transfer", "FileTransferCalc", "OpenFileTransCalcWindow:", false, make<FileTransferCalc>},
    {"proportion", "FindXcalc", "OpenfindxWindow:", false, make<FindXcalc>},
    {"interpolation", "InterpolateCalc", "OpenInterpolateCalcWindow:", false, make<InterpolateCalc>},
    {"power-weight", "PowerWeightRatio", "OpenPowerWeightRatioWindow:", false, make<PowerWeightRatio>},
};

}  // namespace

std::span<const WindowEntry> windowRegistry()
{
    return kWindows;
}

const WindowEntry* findWindow(std::string_view cliName)
{
    for (const WindowEntry& e : kWindows)
        if (cliName == e.cliName)
            return &e;
    return nullptr;
}

std::unique_ptr<WindowController> openWindow(const WindowEntry& entry, Platform& platform, int accuracy, bool exact)
{
    std::unique_ptr<WindowController> window = entry.make(platform);
    window->setExactDefinitions(exact);
    if (entry.takesAccuracy)
        if (auto* converter = dynamic_cast<ConverterWindow*>(window.get()))
            converter->accuracyChange(accuracy);
    window->perform(entry.openAction);
    return window;
}

}  // namespace ambrel
