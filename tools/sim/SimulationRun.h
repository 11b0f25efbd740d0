#pragma once

#include <array>
#include <cstdint>
#include <iosfwd>

#include "SimulatedMatch.h"

namespace vorbia {

struct SimulationTotals {
    long long matches = 0;
    long long unfinished = 0;
    long long hands = 0;
    PerPlayer<long long> won{};
    PerPlayer<long long> finalScores{};  // sums
    PerPlayer<std::array<long long, kScopaKinds>> scopas{};

    void Add(const MatchResult& match);
    void Add(const SimulationTotals& other);
};

struct SimulationOptions {
    long long matches = 1000;
    uint64_t seed = 1;
    HumanPolicy human = HumanPolicy::Computer;
    int coachTurns = kCoachTurns;
    int threads = 1;
    bool progress = true;  // a bar on standard error once the run lasts more than a second
};

struct SimulationReport {
    SimulationTotals totals;
    double seconds = 0;
};

// Plays the matches on the given number of threads. The totals depend only on the seed, the
// count and the policy: each match is seeded from its index, and blocks of matches are added
// up in match order.
SimulationReport RunSimulation(const SimulationOptions& options);

void PrintReport(std::ostream& out, const SimulationOptions& options,
                 const SimulationReport& report);

}  // namespace vorbia
