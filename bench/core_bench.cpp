#include "core/lookangles.h"
#include "core/textnumber.h"

#include <benchmark/benchmark.h>

namespace {

void BM_CalcLookAngles(benchmark::State& state) {
    double satellite = 13.0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(satellite);
        benchmark::DoNotOptimize(calc::CalcLookAngles(35, 27.69, 32, 48.5, satellite, 0));
    }
}
BENCHMARK(BM_CalcLookAngles);

void BM_TextToNumber(benchmark::State& state) {
    const char* texts[] = {"35", "27.69", "  -80 ", "1.5E-07", "&H1F"};
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(calc::TextToNumber(texts[i++ % 5]));
    }
}
BENCHMARK(BM_TextToNumber);

void BM_NumberToText(benchmark::State& state) {
    const double values[] = {217.34429253812783, -28.781934172025035, 180.0, 1.5e-7};
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(calc::NumberToText(values[i++ % 4]));
    }
}
BENCHMARK(BM_NumberToText);

} // namespace

BENCHMARK_MAIN();
