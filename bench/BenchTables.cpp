#include "BenchTables.h"

#include <algorithm>
#include <numeric>
#include <random>

#include "Card.h"
#include "ComputerSearch.h"
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

}  // namespace

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
