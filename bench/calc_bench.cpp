// Time of one full calculation as the window runs it after every keystroke: moves, both label
// texts and the data of both graphs, with growth and the tolerance band on; then the same with the
// readings check and the verdict.

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "calc/format/NumberFormat.h"
#include "calc/graph/ToleranceBand.h"
#include "calc/judging/MoveAlternatives.h"
#include "calc/judging/ReadingsCheck.h"
#include "calc/judging/Verdict.h"
#include "calc/methods/Alignment.h"

namespace {

struct Job {
    corvane::ProjectRecord record;
    corvane::CalcOptions options;
};

Job job(int method) {
    Job j;
    corvane::setDefaults(j.record);
    for (int f = 0; f < 4; ++f)
        for (int m = 0; m < 3; ++m) j.record.growth(m, f) = 0.5f * static_cast<float>(f);
    j.options.method = method;
    j.options.growthOn = true;
    j.options.toleranceOn = true;
    j.options.autoScale = true;
    j.options.tolerance = corvane::calcTolerance(corvane::toleranceSpan(j.record, method), j.record.RPM);
    return j;
}

void calcMethod(benchmark::State& state) {
    Job j = job(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(j.record);
        corvane::CalcResult result = corvane::calcAlignment(j.record, j.options);
        benchmark::DoNotOptimize(result);
    }
}

// The same with the readings check and the verdict, whose status line the window shows each time.
// The defaults read consistently; `bad` puts a reading off at 12:00 so that one finding is built too.
void calcCheckJudge(benchmark::State& state) {
    Job j = job(static_cast<int>(state.range(0)));
    if (state.range(1) != 0) j.record.dial1(j.options.method, 0) = 5;
    for (auto _ : state) {
        benchmark::DoNotOptimize(j.record);
        corvane::CalcResult result = corvane::calcAlignment(j.record, j.options);
        std::vector<corvane::ReadingFinding> findings = corvane::checkReadings(j.record, j.options);
        corvane::AlignmentVerdict verdict = corvane::judgeAlignment(j.record, j.options, result);
        std::string status = corvane::verdictStatusLine(verdict);
        benchmark::DoNotOptimize(result);
        benchmark::DoNotOptimize(findings);
        benchmark::DoNotOptimize(status);
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

// What the moves window adds to each calculation: the six alternatives and both least moves into
// tolerance for both planes, with the fixed machine's feet and a limit on every foot given, beside
// the calculation and the verdict it starts from (measured apart from them).
void moveAlternatives(benchmark::State& state) {
    const Job j = job(static_cast<int>(state.range(0)));
    corvane::MoveSetup setup;
    setup.fixedInboardToCoupling = 10;
    setup.fixedFootSpacing = 20;
    for (corvane::FootLimits& f : setup.feet) f = {100.0, 100.0, 100.0};
    const corvane::CalcResult result = corvane::calcAlignment(j.record, j.options);
    const corvane::AlignmentVerdict verdict = corvane::judgeAlignment(j.record, j.options, result);
    for (auto _ : state) {
        benchmark::DoNotOptimize(j.record);
        corvane::MoveAlternatives moves =
            corvane::moveAlternatives(j.record, j.options, result, verdict, setup);
        benchmark::DoNotOptimize(moves);
    }
}

BENCHMARK(calcMethod)->ArgName("method")->Arg(0)->Arg(1)->Arg(2);
BENCHMARK(calcCheckJudge)->ArgNames({"method", "bad"})->ArgsProduct({{0, 1, 2}, {0, 1}});
BENCHMARK(formatMove);
BENCHMARK(moveAlternatives)->ArgName("method")->Arg(0)->Arg(1)->Arg(2);

BENCHMARK_MAIN();
