// Speed of the core: one conversion on headless cells.
#include "converters/length.h"
#include "headless/headless_platform.h"

#include <benchmark/benchmark.h>

namespace {

using namespace ambrel;

// One Calc of the length window after an entry in the foot field.
void BM_LengthCalc(benchmark::State& state)
{
    HeadlessPlatform platform;
    LenghtObject length(platform);
    length.accuracyChange(4);
    Box& imperial = *length.parts().boxes[1];
    imperial.selectCellWithTag(1);
    length.field("FeetField")->acceptEntry(1);
    for (auto _ : state) {
        length.Calc(1);
        platform.events().clear();
        benchmark::DoNotOptimize(length.field("MetersField")->doubleValue());
    }
}
BENCHMARK(BM_LengthCalc);

}  // namespace
