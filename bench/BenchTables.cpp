#include "BenchTables.h"

#include <algorithm>
#include <numeric>
#include <random>

#include "Card.h"
#include "ComputerSearch.h"
#include "HeadlessTable.h"
#include "HumanPolicy.h"
#include "MatchEngine.h"
#include "RandomSource.h"
#include "SimulatedMatch.h"
#include "TableOrders.h"

namespace vorbia::bench {

namespace {

void Put(MatchState& state, int position, int card) {
    state.CardAt(kScanOrder[position - 1]) = card;
    ++state.TableCount;
}

void SetCurrentAndLast(MatchState& state, int current, int last) {
    state.Turn = Player::Computer;
    state.CurrentCard = current;
    state.CurrentValue = CardValue(current);
    state.CurrentSuit = CardSuit(current);
    state.LastValue = CardValue(last);
    state.LastSuit = CardSuit(last);
}

// Ends the run at the end-of-match dialog instead of waiting for a new match.
class EndAtMatchEnd : public HeadlessTable {
  public:
    void Attach(MatchEngine& engine) { engine_ = &engine; }
    void ShowEndOfMatch(const MatchState&) override { engine_->Abandon(); }

  private:
    MatchEngine* engine_ = nullptr;
};

// Plays one match, keeping the table each time a player is about to choose, until `tables`
// holds `count`.
void CollectFromMatch(uint64_t matchSeed, size_t count, std::vector<MatchState>& tables) {
    MatchState state;
    state.CardSpeed = 10;
    EndAtMatchEnd table;
    SeededRandom random(matchSeed);
    MatchEngine engine(state, table, random);
    table.Attach(engine);
    SimulatedHuman human(HumanPolicy::Computer, matchSeed);
    engine.ClearTable();
    engine.NewMatch();
    // A match takes a few hundred turns; the bound only guards against one that never ends.
    for (int turn = 0; turn < 10000 && tables.size() < count && !engine.Abandoning(); ++turn) {
        if (engine.ComputerMoveIsDue()) {
            tables.push_back(state);
            engine.ComputerTimerTick();
        } else if (state.Turn == Player::Human && !engine.Busy() &&
                   engine.CurrentCardOnPlaySpot()) {
            tables.push_back(state);
            human.PlayTurn(engine, state);
        } else {
            break;
        }
    }
}

}  // namespace

std::vector<MatchState> TablesFromMatches(int count, uint64_t seed) {
    std::vector<MatchState> tables;
    const size_t wanted = static_cast<size_t>(count);
    for (uint64_t match = 0; tables.size() < wanted; ++match) {
        CollectFromMatch(MatchSeed(seed, match), wanted, tables);
    }
    return tables;
}

std::vector<MatchState> TypicalTables(int count, uint64_t seed) {
    std::mt19937_64 random(seed);
    std::vector<MatchState> tables;
    for (int made = 0; made < count; ++made) {
        std::vector<int> deck(kCardCount);
        std::iota(deck.begin(), deck.end(), 1);
        std::shuffle(deck.begin(), deck.end(), random);
        std::vector<int> positions(kSlots);
        std::iota(positions.begin(), positions.end(), 1);
        std::shuffle(positions.begin(), positions.end(), random);

        MatchState state;
        const int cards = 4 + static_cast<int>(random() % 5);
        for (int placed = 0; placed < cards; ++placed) {
            Put(state, positions[static_cast<size_t>(placed)], deck[static_cast<size_t>(placed)]);
        }
        const int last = random() % 2 == 0 ? deck[0] : deck[static_cast<size_t>(cards + 1)];
        SetCurrentAndLast(state, deck[static_cast<size_t>(cards)], last);
        tables.push_back(state);
    }
    return tables;
}

MatchState CrowdedTable() {
    MatchState state;
    int position = 1;
    // Denare 1, 2 and 3 add up to 6 at most: nothing for the Re di Denare's own suit.
    for (int value = 1; value <= 3; ++value) Put(state, position++, value);
    for (int suit = 2; suit <= 4; ++suit) {
        for (int value = 1; value <= 6; ++value) Put(state, position++, (suit - 1) * 10 + value);
    }
    SetCurrentAndLast(state, 10, 17);
    return state;
}

}  // namespace vorbia::bench
