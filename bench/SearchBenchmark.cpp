// The literal search against the fast one, on the same tables.
#include <benchmark/benchmark.h>

#include <vector>

#include "BenchTables.h"
#include "ComputerSearch.h"
#include "LiteralComputerSearch.h"

namespace vorbia::bench {
namespace {

const std::vector<MatchState>& Typical() {
    static const std::vector<MatchState> tables = TypicalTables(1024, 51);
    return tables;
}

void LiteralSearchTypical(benchmark::State& run) {
    const auto& tables = Typical();
    size_t next = 0;
    for (auto _ : run) {
        benchmark::DoNotOptimize(LiteralComputerCapture(tables[next]));
        next = (next + 1) % tables.size();
    }
    run.SetItemsProcessed(run.iterations());
}

void FastSearchTypical(benchmark::State& run) {
    const auto& tables = Typical();
    size_t next = 0;
    for (auto _ : run) {
        benchmark::DoNotOptimize(ChooseComputerCapture(tables[next]));
        next = (next + 1) % tables.size();
    }
    run.SetItemsProcessed(run.iterations());
}

// Real matches leave fewer cards on the table than Typical's 4 to 8: mostly 2 to 4.
void FastSearchInMatches(benchmark::State& run) {
    static const std::vector<MatchState> tables = TablesFromMatches(4096, 1);
    size_t next = 0;
    for (auto _ : run) {
        benchmark::DoNotOptimize(ChooseComputerCapture(tables[next]));
        next = (next + 1) % tables.size();
    }
    run.SetItemsProcessed(run.iterations());
}

void LiteralSearchCrowded(benchmark::State& run) {
    const MatchState table = CrowdedTable();
    for (auto _ : run) benchmark::DoNotOptimize(LiteralComputerCapture(table));
    run.SetItemsProcessed(run.iterations());
}

void FastSearchCrowded(benchmark::State& run) {
    const MatchState table = CrowdedTable();
    for (auto _ : run) benchmark::DoNotOptimize(ChooseComputerCapture(table));
    run.SetItemsProcessed(run.iterations());
}

BENCHMARK(LiteralSearchTypical);
BENCHMARK(FastSearchTypical);
BENCHMARK(FastSearchInMatches);
BENCHMARK(LiteralSearchCrowded)->Unit(benchmark::kMicrosecond);
BENCHMARK(FastSearchCrowded)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vorbia::bench
