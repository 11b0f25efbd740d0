// Whole matches without a window: the human side is a scripted player that mixes plain
// layings, valid captures, wrong selections and selections over 10; the rules' invariants are
// checked after every click.
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

#include "ComputerSearch.h"
#include "HeadlessTable.h"
#include "MatchEngine.h"

namespace vorbia {
namespace {

class CountingTable : public HeadlessTable {
public:
    int matchesEnded = 0;
    int matchesWithoutWinner = 0;
    int humanWins = 0;
    void ShowEndOfMatch(const MatchState& state) override {
        ++matchesEnded;
        if (state.Score[1] < 51 && state.Score[2] < 51) ++matchesWithoutWinner;
        if (state.Score[2] < 51) ++humanWins;
    }
};

::testing::AssertionResult Invariants(const MatchState& s, const MatchEngine& engine) {
    int drawn = 0;
    for (int card = 1; card <= kCardCount; ++card) drawn += s.Drawn[card] != kFalse;
    if (drawn != s.CardsDrawn) return ::testing::AssertionFailure() << "CardsDrawn " << s.CardsDrawn << " but " << drawn << " drawn";
    std::array<int, kCardCount + 1> cells{};
    int occupied = 0;
    for (int row = 1; row <= kRows; ++row) {
        for (int column = 1; column <= kColumns; ++column) {
            const int card = s.TableGrid[row][column];
            if (card == 0) continue;
            ++occupied;
            if (++cells[card] > 1) return ::testing::AssertionFailure() << "card " << card << " twice on the table";
            if (s.Drawn[card] == kFalse) return ::testing::AssertionFailure() << "undrawn card " << card << " on the table";
        }
    }
    for (int card = 1; card <= kCardCount; ++card) {
        if (s.Selected[card] != kFalse && cells[card] == 0) return ::testing::AssertionFailure() << "card " << card << " selected off the table";
    }
    if (occupied != s.TableCount) return ::testing::AssertionFailure() << "TableCount " << s.TableCount << " for " << occupied << " cards";
    if (s.Turn != kHuman && s.Turn != kComputer) return ::testing::AssertionFailure() << "Turn " << s.Turn;
    if (s.TurnCount < 1 || s.TurnCount > 41 || s.PileCount() < 0) return ::testing::AssertionFailure() << "TurnCount " << s.TurnCount;
    if (s.CardsDrawn != s.TurnCount && s.CardsDrawn != s.TurnCount - 1) return ::testing::AssertionFailure() << "TurnCount " << s.TurnCount << " after " << s.CardsDrawn << " draws";
    if (s.CurrentValue != CardValue(s.CurrentCard) || s.CurrentSuit != CardSuit(s.CurrentCard)) return ::testing::AssertionFailure() << "current card " << s.CurrentCard;
    if (engine.Busy()) return ::testing::AssertionFailure() << "still busy";
    return ::testing::AssertionSuccess();
}

// One decision of the scripted human, made with clicks as a player would.
void PlayScriptedTurn(MatchEngine& engine, const MatchState& s, std::mt19937& dice) {
    std::vector<int> tableCards;
    for (int row = 1; row <= kRows; ++row) {
        for (int column = 1; column <= kColumns; ++column) {
            if (s.TableGrid[row][column] != 0) tableCards.push_back(s.TableGrid[row][column]);
        }
    }
    std::shuffle(tableCards.begin(), tableCards.end(), dice);
    switch (dice() % 4) {
        case 0:  // the best capture there is, as the computer would choose it
            for (int card : ChooseComputerCapture(s)) engine.CardClicked(card);
            break;
        case 1:  // any few cards, right or wrong
            for (size_t i = 0; i < tableCards.size() && i < dice() % 4; ++i) engine.CardClicked(tableCards[i]);
            break;
        case 2:  // every card, which passes 10 on any crowded table
            for (int card : tableCards) engine.CardClicked(card);
            break;
        default:  // a plain laying
            break;
    }
    engine.CardClicked(s.CurrentCard);
}

int MatchesToPlay() {
    const char* fromEnvironment = std::getenv("VORBIA_HEADLESS_MATCHES");
    return fromEnvironment ? std::atoi(fromEnvironment) : 1000;
}

TEST(HeadlessMatches, EveryMatchEndsWithAWinnerAndTheRulesHoldAfterEveryClick) {
    const int total = MatchesToPlay();
    const int perSeed = 100;
    int humanWins = 0;
    int computerWins = 0;
    for (int seed = 1; seed * perSeed <= total + perSeed - 1; ++seed) {
        MatchState state;
        state.CardSpeed = 10;
        state.ShowMessages = seed % 2 ? kTrue : kFalse;
        CountingTable table;
        SeededRandom random(static_cast<uint64_t>(seed) * 1000);
        MatchEngine engine(state, table, random);
        std::mt19937 dice(static_cast<unsigned>(seed));
        engine.NewMatch();
        engine.RunComputerTurns();
        int clicks = 0;
        while (table.matchesEnded < perSeed) {
            ASSERT_TRUE(Invariants(state, engine)) << "seed " << seed << " after " << clicks << " turns";
            ASSERT_EQ(state.Turn, kHuman);
            ASSERT_TRUE(engine.CurrentCardOnPlaySpot());
            PlayScriptedTurn(engine, state, dice);
            engine.RunComputerTurns();
            ASSERT_LT(++clicks, perSeed * 2000) << "seed " << seed << ": matches do not end";
        }
        EXPECT_EQ(table.matchesWithoutWinner, 0);
        humanWins += table.humanWins;
        computerWins += table.matchesEnded - table.humanWins;
    }
    // The scripted player is weak but not hopeless: both sides win matches.
    EXPECT_GT(humanWins, 0);
    EXPECT_GT(computerWins, humanWins);
}

TEST(HeadlessMatches, ReplayIdenticallyFromTheirSeedAndTheHumansActions) {
    auto play = [](uint64_t seed) {
        MatchState state;
        state.CardSpeed = 10;
        CountingTable table;
        SeededRandom random(seed);
        MatchEngine engine(state, table, random);
        std::mt19937 dice(7);
        engine.NewMatch();
        engine.RunComputerTurns();
        std::vector<int> history;
        while (table.matchesEnded < 3) {
            history.push_back(state.CurrentCard);
            history.push_back(state.Score[1] * 100 + state.Score[2]);
            PlayScriptedTurn(engine, state, dice);
            engine.RunComputerTurns();
        }
        return history;
    };
    EXPECT_EQ(play(42), play(42));
    EXPECT_NE(play(42), play(43));
}

}  // namespace
}  // namespace vorbia
