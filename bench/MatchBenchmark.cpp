// Whole matches without a window, the computer's search on both sides, on one thread.
#include <benchmark/benchmark.h>

#include "SimulatedMatch.h"

namespace vorbia::bench {
namespace {

void HeadlessMatch(benchmark::State& run) {
    uint64_t index = 0;
    for (auto _ : run) {
        const MatchResult result = PlayMatch(MatchSeed(1, index++), HumanPolicy::Computer);
        if (!result.finished) run.SkipWithError("a match stopped before its end");
        benchmark::DoNotOptimize(result);
    }
    run.SetItemsProcessed(run.iterations());
}

BENCHMARK(HeadlessMatch)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vorbia::bench
