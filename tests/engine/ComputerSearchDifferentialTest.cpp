// The fast search against the literal one on random tables: same cards, same order.
// VORBIA_DIFFERENTIAL_TABLES sets how many tables (default 100000).
#include <gtest/gtest.h>

#include <cstdlib>
#include <numeric>
#include <random>

#include "EngineHarness.h"
#include "LiteralComputerSearch.h"

namespace vorbia {
namespace {

// Any number of cards in any slots; one table in four is crowded with the small values that
// make the most captures (hundreds of them), against a mostly high current card.
MatchState RandomTable(std::mt19937_64& random) {
    auto below = [&random](size_t bound) { return static_cast<int>(random() % bound); };
    const bool crowded = below(4) == 0;
    const int current =
        crowded && below(4) != 0 ? below(4) * 10 + 6 + below(5) : below(kCardCount) + 1;
    std::vector<int> cards;
    for (int card = 1; card <= kCardCount; ++card) {
        if (card != current && (!crowded || CardValue(card) <= 5)) cards.push_back(card);
    }
    std::vector<int> slots(kSlots);
    std::iota(slots.begin(), slots.end(), 1);
    std::shuffle(cards.begin(), cards.end(), random);
    std::shuffle(slots.begin(), slots.end(), random);
    cards.resize(std::min<size_t>(cards.size(), crowded ? 12 + below(10) : below(kSlots + 1)));
    MatchState state;
    for (size_t i = 0; i < cards.size(); ++i) {
        state.TableGrid[SlotRow(slots[i])][SlotColumn(slots[i])] = static_cast<int16_t>(cards[i]);
    }
    state.TableCount = static_cast<int16_t>(cards.size());
    // The human's last card: any card or none, but often a table card of the current value, so
    // that the first step fires.
    int last = below(kCardCount + 1);
    for (int card : cards) {
        if (CardValue(card) == CardValue(current) && below(3) == 0) last = card;
    }
    testing::SetCurrentAndLast(state, current, last);
    return state;
}

std::string Describe(const MatchState& state) {
    std::string text = "current " + std::to_string(state.CurrentCard) + ", last " +
                       std::to_string(state.LastValue) + " of suit " +
                       std::to_string(state.LastSuit) + ", grid";
    for (int slot = 1; slot <= kSlots; ++slot) {
        text += " " + std::to_string(state.TableGrid[SlotRow(slot)][SlotColumn(slot)]);
    }
    return text;
}

TEST(ComputerSearchDifferential, FastSearchChoosesAsTheLiteralSearchOnRandomTables) {
    const char* fromEnvironment = std::getenv("VORBIA_DIFFERENTIAL_TABLES");
    const long long tables =
        fromEnvironment && *fromEnvironment ? std::atoll(fromEnvironment) : 100000;
    std::mt19937_64 random(20020051);
    long long captures = 0;
    for (long long done = 0; done < tables; ++done) {
        const MatchState state = RandomTable(random);
        const ComputerChoice choice = ChooseComputerCapture(state);
        const std::vector<int> fast(choice.begin(), choice.end());
        ASSERT_EQ(fast, LiteralComputerCapture(state))
            << "table " << done << ": " << Describe(state);
        captures += fast.empty() ? 0 : 1;
    }
    // Random tables that never lead to a capture would compare nothing of interest.
    EXPECT_GT(captures, tables / 2);
}

}  // namespace
}  // namespace vorbia
