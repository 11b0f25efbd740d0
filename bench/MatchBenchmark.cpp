// Whole headless matches on one thread, the computer against each human policy, and the part of
// a match that no speed-up of the rules can remove: a hand's reseed and its draws with retries.
#include <benchmark/benchmark.h>

#include <array>

#include "Card.h"
#include "RandomSource.h"
#include "SimulatedMatch.h"

namespace vorbia::bench {
namespace {

void HeadlessMatch(benchmark::State& run, HumanPolicy human) {
    uint64_t index = 0;
    for (auto _ : run) {
        const MatchResult result = PlayMatch(MatchSeed(1, index++), human);
        if (!result.finished) run.SkipWithError("a match stopped before its end");
        benchmark::DoNotOptimize(result);
    }
    run.SetItemsProcessed(run.iterations());
}

BENCHMARK_CAPTURE(HeadlessMatch, computer, HumanPolicy::Computer)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(HeadlessMatch, greedy, HumanPolicy::Greedy)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(HeadlessMatch, random, HumanPolicy::Random)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(HeadlessMatch, plain, HumanPolicy::Plain)->Unit(benchmark::kMicrosecond);

// The 40 cards of a hand drawn as the rules draw them: a number in [0, 1) picks one of 40,
// again until it is one not drawn yet. The engine sees the generator through its interface.
void DrawsOfAHand(benchmark::State& run) {
    SeededRandom seeded(1);
    RandomSource& random = seeded;
    benchmark::DoNotOptimize(&random);
    for (auto _ : run) {
        random.ReseedForNewHand();
        CardSet drawn;
        for (int left = kCardCount; left > 0; --left) drawn.Add(random.NextCardNotDrawn(drawn));
        benchmark::DoNotOptimize(drawn);
    }
}

BENCHMARK(DrawsOfAHand)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vorbia::bench
