// Whole matches without a window, the bookkeeping checked after every click of a scripted human
// who mixes plain layings, valid captures, wrong selections and selections over 10.
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

#include "HeadlessTable.h"
#include "MatchEngine.h"
#include "SimulationRun.h"

namespace vorbia {
namespace {

// The first rule of the bookkeeping that is broken, or "" when all hold.
std::string BrokenRule(const MatchState& s, const MatchEngine& engine) {
    if (engine.Busy() || s.Turn != Player::Human || !engine.CurrentCardOnPlaySpot()) {
        return "not the human's turn to decide";
    }
    std::array<int, kCardCount + 1> cells{};  // how many slots hold each card
    for (const auto& row : s.TableGrid) {
        for (int card : row) ++cells[card];
    }
    int drawn = 0;
    int occupied = 0;
    for (int card = 1; card <= kCardCount; ++card) {
        drawn += s.Drawn[card];
        occupied += cells[card];
        if (cells[card] > s.Drawn[card] || (cells[card] == 0 && s.Selected[card])) {
            return "card " + std::to_string(card) + " undrawn, twice or selected off the table";
        }
    }
    if (drawn != s.CardsDrawn || occupied != s.TableCount) return "CardsDrawn or TableCount";
    // The piles hold what TurnCount says: one card drawn per turn.
    if (s.TurnCount > 41 || (s.TurnCount != drawn && s.TurnCount != drawn + 1)) {
        return "TurnCount " + std::to_string(s.TurnCount) + " after " + std::to_string(drawn);
    }
    return "";
}

// Match after match on one table, counting the winners.
struct ScriptedMatches : HeadlessTable {
    MatchState state;
    SeededRandom random;
    MatchEngine engine{state, *this, random};
    std::mt19937 dice;
    std::array<int, 3> won{};  // by player; [0]: matches that ended without a winner
    std::vector<int> clicks;   // the human's actions, in order
    std::vector<int> seen;     // after each click: the card in hand and the scores
    std::string broken;        // the first rule found broken after an action

    ScriptedMatches(uint64_t seed, unsigned diceSeed) : random(seed), dice(diceSeed) {
        engine.NewMatch();
        engine.RunComputerTurns();
        broken = BrokenRule(state, engine);
    }

    int Ended() const { return won[0] + won[1] + won[2]; }
    void ShowEndOfMatch(const MatchState& s) override {
        ++won[s.Score[Player::Human] >= 51 ? 1 : s.Score[Player::Computer] >= 51 ? 2 : 0];
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
                for (int card : ChooseComputerCapture(state)) Click(card);
                break;
            case 1:  // any few cards, right or wrong
                cards.resize(std::min<size_t>(cards.size(), dice() % 4));
                [[fallthrough]];
            case 2:  // every card, which passes 10 on any crowded table
                for (int card : cards) Click(card);
                break;
            default:  // a plain laying
                break;
        }
        Click(state.CurrentCard);
    }

    // The computer answers at once, as its timer would once the card has been laid.
    void Click(int card) {
        clicks.push_back(card);
        engine.CardClicked(card);
        engine.RunComputerTurns();
        seen.push_back(state.CurrentCard * 10000 + state.Score[Player::Human] * 100 +
                       state.Score[Player::Computer]);
        if (broken.empty()) broken = BrokenRule(state, engine);
    }
};

TEST(HeadlessMatches, EveryMatchEndsWithAWinnerAndTheRulesHoldAfterEveryClick) {
    const char* fromEnvironment = std::getenv("VORBIA_HEADLESS_MATCHES");
    const int total = fromEnvironment ? std::atoi(fromEnvironment) : 1000;
    const int perSeed = 100;
    for (int seed = 1; (seed - 1) * perSeed < total; ++seed) {
        ScriptedMatches matches(static_cast<uint64_t>(seed) * 1000, static_cast<unsigned>(seed));
        for (int turns = 0; matches.Ended() < perSeed; ++turns) {
            ASSERT_EQ(matches.broken, "") << "seed " << seed << ", click " << matches.clicks.size();
            ASSERT_LT(turns, perSeed * 2000) << "seed " << seed << ": matches do not end";
            matches.PlayHumanTurn();
        }
        EXPECT_EQ(matches.won[0], 0) << "seed " << seed;
    }
}

TEST(HeadlessMatches, ReplayIdenticallyFromTheirSeedAndTheHumansClicks) {
    ScriptedMatches played(42, 7);
    while (played.Ended() < 3 && played.clicks.size() < 100000) played.PlayHumanTurn();
    ScriptedMatches replayed(42, 0);
    for (int card : played.clicks) replayed.Click(card);
    EXPECT_EQ(replayed.seen, played.seen);
}

TEST(HeadlessMatches, SimulatorTotalsDoNotDependOnTheThreadCount) {
    auto play = [](int threads) {
        SimulationOptions options{.matches = 600, .seed = 17, .human = HumanPolicy::Random};
        options.threads = threads;  // 600 matches: three blocks to share
        options.progress = false;
        const SimulationTotals t = RunSimulation(options).totals;
        return std::tuple(t.won, t.hands, t.finalScores, t.scopas);
    };
    EXPECT_EQ(play(1), play(3));
}

}  // namespace
}  // namespace vorbia
