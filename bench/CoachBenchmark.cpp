// The coach's decision: on the human's tables of real matches, on the slowest of them, and on
// the table that offers the most captures.
#include <benchmark/benchmark.h>

#include <chrono>
#include <vector>

#include "BenchTables.h"
#include "Lookahead.h"

namespace vorbia::bench {
namespace {

const std::vector<MatchState>& HumanTables() {
    static const std::vector<MatchState> tables = [] {
        std::vector<MatchState> human;
        for (const MatchState& state : TablesFromMatches(4096, 7)) {
            if (state.Turn == Player::Human) human.push_back(state);
        }
        return human;
    }();
    return tables;
}

void CoachTypical(benchmark::State& run) {
    const auto& tables = HumanTables();
    size_t next = 0;
    for (auto _ : run) {
        benchmark::DoNotOptimize(ChooseCoachCapture(tables[next]));
        next = (next + 1) % tables.size();
    }
    run.SetItemsProcessed(run.iterations());
}

// Timed once each to find it; the benchmark then times it properly.
void CoachSlowestInMatches(benchmark::State& run) {
    static const MatchState slowest = [] {
        const MatchState* found = &HumanTables().front();
        std::chrono::steady_clock::duration longest{};
        for (const MatchState& state : HumanTables()) {
            const auto start = std::chrono::steady_clock::now();
            benchmark::DoNotOptimize(ChooseCoachCapture(state));
            const auto took = std::chrono::steady_clock::now() - start;
            if (took > longest) {
                longest = took;
                found = &state;
            }
        }
        return *found;
    }();
    for (auto _ : run) benchmark::DoNotOptimize(ChooseCoachCapture(slowest));
}

// All 21 slots full of small cards and a Re in hand: thousands of captures to choose from.
void CoachCrowded(benchmark::State& run) {
    MatchState state = CrowdedTable();
    state.Turn = Player::Human;
    for (const auto [slot, card] : state.Table.OccupiedSlots()) state.Drawn.Add(card);
    state.Drawn.Add(*state.CurrentCard);
    state.Drawn.Add(*state.LastCard);
    for (auto _ : run) benchmark::DoNotOptimize(ChooseCoachCapture(state));
}

BENCHMARK(CoachTypical)->Unit(benchmark::kMicrosecond);
BENCHMARK(CoachSlowestInMatches)->Unit(benchmark::kMillisecond);
BENCHMARK(CoachCrowded)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vorbia::bench
