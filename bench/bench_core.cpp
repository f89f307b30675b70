// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of the core: one conversion on headless cells, against the floor of
// the same formulas applied to plain doubles.
#include "converters/length.h"
#include "converters/volume.h"
#include "headless/headless_platform.h"

#include <benchmark/benchmark.h>

#include <string_view>
#include <vector>

namespace {

using namespace ambrel;

// One Calc of the length window after an entry in the foot field.
void BM_LengthCalc(benchmark::State& state)
{
    HeadlessPlatform platform;
    platform.events().setRecording(false);
    LenghtObject length(platform);
    length.accuracyChange(4);
    length.parts().boxes[1]->selectCellWithTag(1);
    length.field("FeetField")->acceptEntry(1);
    for (auto _ : state) {
        length.calc(1);
        benchmark::DoNotOptimize(length.field("MetersField")->doubleValue());
    }
}
BENCHMARK(BM_LengthCalc);

// One Calc of the forty-field volume window after an entry in the gallon,
// with the classic tables (0) or exact definitions (1).
void BM_VolumeCalc(benchmark::State& state)
{
    HeadlessPlatform platform;
    platform.events().setRecording(false);
    VolumeObject volume(platform);
    volume.setExactDefinitions(state.range(0) != 0);
    volume.accuracyChange(4);
    volume.parts().boxes[2]->selectCellWithTag(2);
    volume.field("Igallon")->acceptEntry(1);
    for (auto _ : state) {
        volume.calc(2);
        benchmark::DoNotOptimize(volume.field("Mliter")->doubleValue());
    }
}
BENCHMARK(BM_VolumeCalc)->Arg(0)->Arg(1);

// The floor: the same forty formulas on an array of doubles, no cells.
void BM_VolumeBareArithmetic(benchmark::State& state)
{
    const auto& rows = kVolumeDef.rows;
    std::vector<double> values(rows.size(), 0.0);
    std::size_t gallon = 0, liter = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (std::string_view(rows[i].outlet) == "Igallon")
            gallon = i;
        if (std::string_view(rows[i].outlet) == "Mliter")
            liter = i;
    }
    values[gallon] = 1;
    for (auto _ : state) {
        values[liter] = rows[gallon].into.apply(values[gallon]);
        for (std::size_t i = 0; i < rows.size(); ++i)
            if (i != gallon && i != liter)
                values[i] = rows[i].out.apply(values[liter]);
        benchmark::DoNotOptimize(values.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_VolumeBareArithmetic);

}  // namespace
