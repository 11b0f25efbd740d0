// Whole matches without a window: with a scripted human that mixes plain layings, valid
// captures, wrong selections and selections over 10, checking the bookkeeping after every
// turn; then in the match simulator, with each of its human policies.
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

#include "HeadlessTable.h"
#include "MatchEngine.h"
#include "SimulationRun.h"

namespace vorbia {
namespace {

class CountingTable : public HeadlessTable {
  public:
    std::array<int, 3> won{};  // by player; [0]: matches that ended without a winner
    int Ended() const { return won[0] + won[1] + won[2]; }
    void ShowEndOfMatch(const MatchState& s) override {
        ++won[s.Score[1] >= 51 ? 1 : s.Score[2] >= 51 ? 2 : 0];
    }
};

// The first rule of the bookkeeping that is broken, or "" when all hold.
std::string BrokenRule(const MatchState& s, const MatchEngine& engine) {
    if (engine.Busy() || s.Turn != kHuman || !engine.CurrentCardOnPlaySpot()) {
        return "not the human's turn to decide";
    }
    std::array<int, kCardCount + 1> onTable{};
    for (const auto& row : s.TableGrid) {
        for (int card : row) ++onTable[card];
    }
    int drawn = 0;
    int occupied = 0;
    for (int card = 1; card <= kCardCount; ++card) {
        drawn += s.Drawn[card] != kFalse;
        occupied += onTable[card];
        if (onTable[card] > (s.Drawn[card] != kFalse) ||
            (onTable[card] == 0 && s.Selected[card] != kFalse)) {
            return "card " + std::to_string(card) + " undrawn, twice or selected off the table";
        }
    }
    if (drawn != s.CardsDrawn || occupied != s.TableCount) return "CardsDrawn or TableCount";
    if (s.TurnCount > 41 || (s.TurnCount != drawn && s.TurnCount != drawn + 1)) {
        return "TurnCount " + std::to_string(s.TurnCount) + " after " + std::to_string(drawn);
    }
    return "";
}

struct ScriptedMatches {
    MatchState state;
    CountingTable table;
    SeededRandom random;
    MatchEngine engine{state, table, random};
    std::mt19937 dice;

    ScriptedMatches(uint64_t seed, unsigned diceSeed) : random(seed), dice(diceSeed) {
        engine.NewMatch();
        engine.RunComputerTurns();
    }

    // One decision of the scripted human, made with clicks as a player would.
    void PlayHumanTurn() {
        std::vector<int> cards;
        for (const auto& row : state.TableGrid) {
            for (int card : row) {
                if (card != 0) cards.push_back(card);
            }
        }
        std::shuffle(cards.begin(), cards.end(), dice);
        switch (dice() % 4) {
            case 0:  // the best capture there is, as the computer would choose it
                for (int card : ChooseComputerCapture(state)) engine.CardClicked(card);
                break;
            case 1:  // any few cards, right or wrong
                cards.resize(std::min<size_t>(cards.size(), dice() % 4));
                [[fallthrough]];
            case 2:  // every card, which passes 10 on any crowded table
                for (int card : cards) engine.CardClicked(card);
                break;
            default:  // a plain laying
                break;
        }
        engine.CardClicked(state.CurrentCard);
        engine.RunComputerTurns();
    }
};

TEST(HeadlessMatches, EveryMatchEndsWithAWinnerAndTheRulesHoldAfterEveryTurn) {
    const char* fromEnvironment = std::getenv("VORBIA_HEADLESS_MATCHES");
    const int total = fromEnvironment ? std::atoi(fromEnvironment) : 1000;
    const int perSeed = 100;
    std::array<int, 3> won{};
    for (int seed = 1; (seed - 1) * perSeed < total; ++seed) {
        ScriptedMatches matches(static_cast<uint64_t>(seed) * 1000, static_cast<unsigned>(seed));
        for (int turns = 0; matches.table.Ended() < perSeed; ++turns) {
            ASSERT_EQ(BrokenRule(matches.state, matches.engine), "")
                << "seed " << seed << ", turn " << turns;
            ASSERT_LT(turns, perSeed * 2000) << "seed " << seed << ": matches do not end";
            matches.PlayHumanTurn();
        }
        for (int player : {0, 1, 2}) won[player] += matches.table.won[player];
    }
    EXPECT_EQ(won[0], 0);
    // The scripted player is weak but not hopeless: both sides win matches.
    EXPECT_GT(won[1], 0);
    EXPECT_GT(won[2], won[1]);
}

TEST(HeadlessMatches, ReplayIdenticallyFromTheirSeedAndTheHumansActions) {
    auto play = [](uint64_t seed) {
        ScriptedMatches matches(seed, 7);
        std::vector<int> history;
        while (matches.table.Ended() < 3 && history.size() < 100000) {
            history.push_back(matches.state.CurrentCard);
            history.push_back(matches.state.Score[1] * 100 + matches.state.Score[2]);
            matches.PlayHumanTurn();
        }
        return history;
    };
    EXPECT_EQ(play(42), play(42));
    EXPECT_NE(play(42), play(43));
}

TEST(MatchSimulator, EveryPolicyPlaysToAWinnerWithTheSameTotalsWhateverTheThreads) {
    for (HumanPolicy human :
         {HumanPolicy::Computer, HumanPolicy::Greedy, HumanPolicy::Random, HumanPolicy::Plain}) {
        SCOPED_TRACE(HumanPolicyName(human));
        auto play = [human](int threads) {
            // More than two blocks of matches, so that threads really share the work.
            return RunSimulation({.matches = 600,
                                  .seed = 17,
                                  .human = human,
                                  .threads = threads,
                                  .progress = false})
                .totals;
        };
        auto all = [](const SimulationTotals& t) {
            return std::tie(t.matches, t.unfinished, t.hands, t.won, t.finalScores, t.scopas);
        };
        const SimulationTotals totals = play(1);
        EXPECT_EQ(all(totals), all(play(3)));
        EXPECT_EQ(totals.unfinished, 0);
        EXPECT_EQ(totals.won[1] + totals.won[2], totals.matches);
        // A human who never captures never scores.
        EXPECT_TRUE(human != HumanPolicy::Plain || totals.finalScores[1] == 0);
    }
}

}  // namespace
}  // namespace vorbia
