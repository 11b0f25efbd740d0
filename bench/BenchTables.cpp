#include "BenchTables.h"

#include <algorithm>
#include <numeric>
#include <random>

#include "Card.h"
#include "ComputerSearch.h"
#include "HumanPolicy.h"
#include "MatchEngine.h"
#include "RandomSource.h"
#include "SimulatedMatch.h"

namespace vorbia::bench {

namespace {

void SetCurrentAndLast(MatchState& state, Card current, Card last) {
    state.Turn = Player::Computer;
    state.CurrentCard = current;
    state.CurrentPlace = CurrentCardPlace::OnPlaySpot;
    state.LastCard = last;
}

// Ends the run at the end-of-match dialog instead of waiting for a new match.
class EndAtMatchEnd : public UnseenTable {
  public:
    void Attach(MatchEngine& engine) { engine_ = &engine; }
    void MatchOver(const MatchState&, StepDone) override { engine_->Abandon(); }

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
    for (int turn = 0; turn < 10000 && tables.size() < count && !engine.Closed(); ++turn) {
        if (engine.ComputerMoveIsDue()) {
            tables.push_back(state);
            engine.ComputerTimerTick();
        } else if (state.Turn == Player::Human && !engine.Busy() && state.CurrentCardOnPlaySpot()) {
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
        std::iota(deck.begin(), deck.end(), 0);
        std::shuffle(deck.begin(), deck.end(), random);
        std::vector<int> slots(kSlots);
        std::iota(slots.begin(), slots.end(), 0);
        std::shuffle(slots.begin(), slots.end(), random);
        const auto card = [&deck](int at) {
            return CardAtDeckPosition(deck[static_cast<size_t>(at)]);
        };

        MatchState state;
        const int cards = 4 + static_cast<int>(random() % 5);
        for (int placed = 0; placed < cards; ++placed) {
            state.Table.Put(SlotAtScanIndex(slots[static_cast<size_t>(placed)]), card(placed));
        }
        const Card last = random() % 2 == 0 ? card(0) : card(cards + 1);
        SetCurrentAndLast(state, card(cards), last);
        tables.push_back(state);
    }
    return tables;
}

MatchState CrowdedTable() {
    MatchState state;
    int index = 0;
    const auto put = [&](Suit suit, int value) {
        state.Table.Put(SlotAtScanIndex(index++), {suit, static_cast<uint8_t>(value)});
    };
    // Denare 1, 2 and 3 add up to 6 at most: nothing for the Re di Denare's own suit.
    for (int value = 1; value <= 3; ++value) put(Suit::Denare, value);
    for (const Suit suit : {Suit::Coppe, Suit::Bastoni, Suit::Spade}) {
        for (int value = 1; value <= 6; ++value) put(suit, value);
    }
    SetCurrentAndLast(state, {Suit::Denare, 10}, {Suit::Coppe, 7});
    return state;
}

}  // namespace vorbia::bench
