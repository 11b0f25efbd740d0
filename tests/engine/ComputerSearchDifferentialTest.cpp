// The fast search against the literal one on random tables: same cards, same order.
// VORBIA_DIFFERENTIAL_TABLES sets how many tables (default 100000).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <numeric>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "Card.h"
#include "ComputerSearch.h"
#include "LiteralComputerSearch.h"
#include "MatchState.h"

namespace vorbia {
namespace {

long long TablesToCompare() {
    const char* text = std::getenv("VORBIA_DIFFERENTIAL_TABLES");
    if (text == nullptr || *text == '\0') return 100000;
    return std::atoll(text);
}

int Below(std::mt19937_64& random, int bound) {
    return static_cast<int>(random() % static_cast<uint64_t>(bound));
}

void SetCurrent(MatchState& state, int card) {
    state.CurrentCard = static_cast<int16_t>(card);
    state.CurrentValue = static_cast<int16_t>(CardValue(card));
    state.CurrentSuit = static_cast<int16_t>(CardSuit(card));
}

void SetLast(MatchState& state, int card) {
    state.LastValue = static_cast<int16_t>(CardValue(card));
    state.LastSuit = static_cast<int16_t>(CardSuit(card));
}

// Any number of cards in any slots; one table in four is crowded with the small values that
// make the most captures, and then the current card is mostly high.
MatchState RandomTable(std::mt19937_64& random) {
    MatchState state;
    state.Turn = kComputer;
    const bool crowded = Below(random, 4) == 0;
    int current = Below(random, kCardCount) + 1;
    if (crowded && Below(random, 4) != 0) current = Below(random, 4) * 10 + 6 + Below(random, 5);
    SetCurrent(state, current);

    std::vector<int> deck;
    for (int card = 1; card <= kCardCount; ++card) {
        if (card != current && (!crowded || CardValue(card) <= 5)) deck.push_back(card);
    }
    std::shuffle(deck.begin(), deck.end(), random);
    const int lowest = crowded ? 12 : 0;
    const int count =
        std::min<int>(lowest + Below(random, kSlots + 1 - lowest), static_cast<int>(deck.size()));
    std::vector<int> positions(kSlots);
    std::iota(positions.begin(), positions.end(), 1);
    std::shuffle(positions.begin(), positions.end(), random);
    std::vector<int> onTable;
    for (int placed = 0; placed < count; ++placed) {
        const int position = positions[static_cast<size_t>(placed)];
        const int card = deck[static_cast<size_t>(placed)];
        state.TableGrid[static_cast<size_t>(SlotRow(position))]
                       [static_cast<size_t>(SlotColumn(position))] = static_cast<int16_t>(card);
        onTable.push_back(card);
    }
    state.TableCount = static_cast<int16_t>(count);

    // The human's last card: often one on the table, preferably of the current value, so that
    // the first step fires; otherwise any card off the table, or none at all.
    const int lastKind = Below(random, 3);
    int last = 0;
    if (lastKind == 0 && !onTable.empty()) {
        last = onTable[static_cast<size_t>(Below(random, count))];
        for (int card : onTable) {
            if (CardValue(card) == CardValue(current) && Below(random, 2) == 0) last = card;
        }
    } else if (lastKind == 1) {
        last = Below(random, kCardCount + 1);
        while (std::find(onTable.begin(), onTable.end(), last) != onTable.end()) {
            last = Below(random, kCardCount + 1);
        }
    }
    SetLast(state, last);
    return state;
}

std::string Describe(const MatchState& state) {
    std::ostringstream text;
    text << "current " << state.CurrentCard << ", last value " << state.LastValue << " suit "
         << state.LastSuit << ", TableCount " << state.TableCount << ", grid";
    for (int row = 1; row <= kRows; ++row) {
        for (int column = 1; column <= kColumns; ++column) {
            text << ' ' << state.TableGrid[static_cast<size_t>(row)][static_cast<size_t>(column)];
        }
    }
    return text.str();
}

TEST(ComputerSearchDifferential, FastSearchChoosesAsTheLiteralSearchOnRandomTables) {
    const long long tables = TablesToCompare();
    std::mt19937_64 random(20020051);
    long long captures = 0;
    for (long long done = 0; done < tables; ++done) {
        const MatchState state = RandomTable(random);
        const ComputerChoice choice = ChooseComputerCapture(state);
        const std::vector<int> fast(choice.begin(), choice.end());
        const std::vector<int> literal = LiteralComputerCapture(state);
        ASSERT_EQ(fast, literal) << "table " << done << ": " << Describe(state);
        captures += fast.empty() ? 0 : 1;
    }
    // Random tables that never lead to a capture would compare nothing of interest.
    EXPECT_GT(captures, tables / 2);
}

}  // namespace
}  // namespace vorbia
