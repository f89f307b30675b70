// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window_registry.h"

#include "app/unit_names.h"
#include "framework/converter_window.h"

#include <algorithm>
#include <type_traits>

#include "calculators/file_transfer.h"
#include "calculators/interpolation.h"
#include "calculators/power_weight.h"
#include "calculators/proportion.h"
#include "computing/computing.h"
#include "converters/acceleration.h"
#include "converters/angle.h"
#include "converters/area.h"
#include "converters/data_rate.h"
#include "converters/density.h"
#include "converters/electricity.h"
#include "converters/flow.h"
#include "converters/force.h"
#include "converters/frequency.h"
#include "converters/fuel_light.h"
#include "converters/heat.h"
#include "converters/length.h"
#include "converters/magnetism.h"
#include "converters/power_energy.h"
#include "converters/pressure.h"
#include "converters/radiation.h"
#include "converters/substance.h"
#include "converters/temperature.h"
#include "converters/time.h"
#include "converters/torque.h"
#include "converters/velocity.h"
#include "converters/viscosity.h"
#include "converters/volume.h"
#include "converters/weight.h"

namespace ambrel {

namespace {

// A converter's cells read unit names as the command line does.
ConverterWindow::SpeltUnit spellUnit(const ConverterDef& def, std::string_view typed)
{
    ConverterWindow::SpeltUnit spelt;
    const UnitSpelling m = matchUnit(typed, def.identity.cliName);
    spelt.choices = m.choices;
    if (!m.unit || m.unit->setting)
        return spelt;
    for (std::size_t row = 0; row < def.rows.size(); ++row)
        if (std::string_view(def.rows[row].outlet) == m.unit->outlet)
            spelt.row = static_cast<int>(row);
    spelt.multiply = m.multiply;
    spelt.divide = m.divide;
    return spelt;
}

template <class T>
std::unique_ptr<WindowController> make(Platform& platform)
{
    auto window = std::make_unique<T>(platform);
    if constexpr (std::is_base_of_v<ConverterWindow, T>)
        window->setUnitSpeller(spellUnit);
    return window;
}

template <class T>
WindowEntry entry(const WindowIdentity& identity)
{
    return {identity, make<T>};
}

template <class T>
WindowEntry entry(const ConverterDef& def)
{
    return {def.identity, make<T>, &def};
}

std::vector<const WindowEntry*> sortedBy(int WindowIdentity::*key, WindowKind kind)
{
    std::vector<const WindowEntry*> entries;
    for (const WindowEntry& e : windowRegistry())
        if (e.kind == kind)
            entries.push_back(&e);
    std::stable_sort(entries.begin(), entries.end(),
                     [key](const WindowEntry* a, const WindowEntry* b) { return a->*key < b->*key; });
    return entries;
}

}  // namespace

std::span<const WindowEntry> windowRegistry()
{
    // One line a window: a new window adds its own file pair and a line here.
    static const WindowEntry windows[] = {
        entry<LenghtObject>(kLengthDef),
        entry<AreaObject>(kAreaDef),
        entry<VelocityObject>(kVelocityDef),
        entry<PressureObject>(kPressureDef),
        entry<TempObject>(kTemperatureDef),
        entry<TimeObject>(kTimeDef),
        entry<VolumeObject>(kVolumeDef),
        entry<WeightObject>(kWeightDef),
        entry<PowerEnergyObject>(kPowerEnergyDef),
        entry<MiscObject>(kFuelLightDef),
        entry<ComputingObject>(kComputingDef),
        entry<AngleObject>(kAngleDef),
        entry<FrequencyObject>(kFrequencyDef),
        entry<ForceObject>(kForceDef),
        entry<TorqueObject>(kTorqueDef),
        entry<AccelerationObject>(kAccelerationDef),
        entry<DensityObject>(kDensityDef),
        entry<DataRateObject>(kDataRateDef),
        entry<FlowObject>(kFlowDef),
        entry<ElectricityObject>(kElectricityDef),
        entry<RadiationObject>(kRadiationDef),
        entry<ViscosityObject>(kViscosityDef),
        entry<MagnetismObject>(kMagnetismDef),
        entry<SubstanceObject>(kSubstanceDef),
        entry<HeatObject>(kHeatDef),
        entry<FileTransferCalc>(kFileTransferIdentity),
        entry<FindXcalc>(kProportionIdentity),
        entry<InterpolateCalc>(kInterpolationIdentity),
        entry<PowerWeightRatio>(kPowerWeightIdentity),
    };
    return windows;
}

const WindowEntry* findWindow(std::string_view cliName)
{
    for (const WindowEntry& e : windowRegistry())
        if (cliName == e.cliName)
            return &e;
    return nullptr;
}

const WindowEntry* findWindowByClass(std::string_view className)
{
    for (const WindowEntry& e : windowRegistry())
        if (className == e.className)
            return &e;
    return nullptr;
}

std::vector<const WindowEntry*> menuOrder(WindowKind kind)
{
    return sortedBy(&WindowIdentity::menuPosition, kind);
}

std::vector<const WindowEntry*> broadcastOrder()
{
    return sortedBy(&WindowIdentity::broadcastRank, WindowKind::Converter);
}

std::unique_ptr<WindowController> openWindow(const WindowEntry& entry, Platform& platform, int accuracy, bool exact)
{
    std::unique_ptr<WindowController> window = entry.make(platform);
    window->setExactDefinitions(exact);
    if (entry.takesAccuracy())
        if (auto* converter = dynamic_cast<ConverterWindow*>(window.get()))
            converter->accuracyChange(accuracy);
    window->perform(entry.openAction);
    return window;
}

}  // namespace ambrel
