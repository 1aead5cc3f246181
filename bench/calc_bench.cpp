// Time of one full calculation as the window runs it after every keystroke: moves, both label
// texts and the data of both graphs, with growth and the tolerance band on.

#include <benchmark/benchmark.h>

#include <string>

#include "calc/Alignment.h"
#include "calc/NumberFormat.h"

namespace {

void calcMethod(benchmark::State& state) {
    corvane::ProjectRecord record;
    corvane::setDefaults(record);
    for (int f = 0; f < 4; ++f)
        for (int m = 0; m < 3; ++m) record.growth(m, f) = 0.5f * static_cast<float>(f);
    corvane::CalcOptions options;
    options.method = static_cast<int>(state.range(0));
    options.growthOn = true;
    options.toleranceOn = true;
    options.autoScale = true;
    options.tolerance = corvane::calcTolerance(corvane::toleranceSpan(record, options.method), record.RPM);
    for (auto _ : state) {
        benchmark::DoNotOptimize(record);
        corvane::CalcResult result = corvane::calcAlignment(record, options);
        benchmark::DoNotOptimize(result);
    }
}

// The share of the four result numbers in the time above.
void formatMove(benchmark::State& state) {
    float move = 25.3f;
    for (auto _ : state) {
        benchmark::DoNotOptimize(move);
        std::string text = corvane::formatValue(move);
        benchmark::DoNotOptimize(text);
    }
}

}  // namespace

BENCHMARK(calcMethod)->ArgName("method")->Arg(0)->Arg(1)->Arg(2);
BENCHMARK(formatMove);

BENCHMARK_MAIN();
