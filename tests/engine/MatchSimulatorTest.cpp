// The match simulator: its totals do not depend on the threads, and each human policy plays
// whole matches to a winner.
#include <gtest/gtest.h>

#include "SimulationRun.h"

namespace vorbia {
namespace {

SimulationTotals PlayMatches(HumanPolicy human, int threads) {
    SimulationOptions options;
    options.matches = 600;  // more than two blocks, so threads really share the work
    options.seed = 17;
    options.human = human;
    options.threads = threads;
    options.progress = false;
    return RunSimulation(options).totals;
}

void ExpectSameTotals(const SimulationTotals& a, const SimulationTotals& b) {
    EXPECT_EQ(a.matches, b.matches);
    EXPECT_EQ(a.hands, b.hands);
    EXPECT_EQ(a.won, b.won);
    EXPECT_EQ(a.finalScores, b.finalScores);
    EXPECT_EQ(a.scopas, b.scopas);
}

TEST(MatchSimulator, SameSeedSameTotalsWhateverTheThreads) {
    ExpectSameTotals(PlayMatches(HumanPolicy::Random, 1), PlayMatches(HumanPolicy::Random, 3));
}

TEST(MatchSimulator, EveryPolicyPlaysWholeMatchesToAWinner) {
    for (HumanPolicy human :
         {HumanPolicy::Computer, HumanPolicy::Greedy, HumanPolicy::Random, HumanPolicy::Plain}) {
        const SimulationTotals totals = PlayMatches(human, 2);
        SCOPED_TRACE(HumanPolicyName(human));
        EXPECT_EQ(totals.unfinished, 0);
        EXPECT_EQ(totals.won[1] + totals.won[2], totals.matches);
        EXPECT_GE(totals.finalScores[1] + totals.finalScores[2], 51 * totals.matches);
        EXPECT_GE(totals.hands, totals.matches);
    }
    // A human who never captures never scores, and the computer's own search is an even match.
    const SimulationTotals plain = PlayMatches(HumanPolicy::Plain, 1);
    EXPECT_EQ(plain.finalScores[1], 0);
    EXPECT_EQ(plain.won[2], plain.matches);
    const SimulationTotals mirror = PlayMatches(HumanPolicy::Computer, 1);
    EXPECT_GT(mirror.won[1], mirror.matches / 3);
    EXPECT_GT(mirror.won[2], mirror.matches / 3);
}

}  // namespace
}  // namespace vorbia
