// The computer's choice: one step of its search at a time on hand-built tables, then the fast
// search against the literal one on random tables (VORBIA_DIFFERENTIAL_TABLES, default 100000).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <random>

#include "EngineHarness.h"
#include "LiteralComputerSearch.h"

namespace vorbia {
namespace {

std::vector<Card> Chosen(const MatchState& state) {
    const ComputerChoice choice = ChooseComputerCapture(state);
    return {choice.begin(), choice.end()};
}

// What the table shows, the computer's card, the card the human laid before it, the table as
// the harness reads it, and the cards the computer selects.
struct Case {
    std::string behaviour, current, last, table, choice;
};

const Case kCases[] = {
    {"the human's last card first", "B6", "C6", "D6 B2 B4 / . . C6", "C6"},
    {"another 6: the same-suit pair", "B6", "C6", "B2 B4 / . . D6", "B2 B4"},
    {"a pair of its own suit before more points", "D7", "C8", "S1 D4 / S6 D3", "D4 D3"},
    {"a same-suit four before a three", "C10", "S5", "C1 C2 C3 C4 / . . . . C7", "C1 C2 C3 C4"},
    {"four in one column fail: the same-suit three", "C10", "S5", "C1 C2 C3 / C4 . . . C7",
     "C1 C2 C7"},
    {"the 2 of Spade is a point card", "D9", "C2", "B4 S5 / S2 B7", "S2 B7"},
    {"nothing scores: the pair found first", "D5", "C8", "S5 C2 / B3", "C2 B3"},
    {"three in neither different rows nor columns", "D6", "C8", "C1 B2 / S3", ""},
    {"three in different columns", "D6", "C8", "C1 B2 / . . S3", "C1 B2 S3"},
    {"three in different rows", "D6", "C8", "C1 / B2 / S3", "C1 B2 S3"},
    {"one point each: the four found first", "D10", "C6", "S10 B1 / . . D2 / . . . S3 C4",
     "B1 D2 S3 C4"},
    {"more points beat more cards", "D10", "C6", ". B1 / . . D2 / . . . S3 C4 S9", "B1 S9"},
    {"an Asso takes only an Asso", "D1", "", "C2 / S1", "S1"},
};

TEST(ComputerChoice, FollowsTheStepsOfItsSearchInOrder) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.behaviour);
        const testing::Harness h(c.table, Player::Computer, c.current, c.last);
        EXPECT_EQ(Chosen(h.state), testing::CardsNamed(c.choice));
        EXPECT_EQ(LiteralComputerCapture(h.state), testing::CardsNamed(c.choice));
    }
}

// Any number of cards in any slots; one table in four is crowded with the small values that
// make the most captures (hundreds of them), against a mostly high current card.
MatchState RandomTable(std::mt19937_64& random) {
    auto below = [&random](int bound) { return static_cast<int>(random() % unsigned(bound)); };
    const bool crowded = below(4) == 0;
    const Card current = crowded && below(4) != 0
                             ? Card{kAllSuits[below(kSuits)], static_cast<uint8_t>(6 + below(5))}
                             : CardAtDeckPosition(below(kCardCount));
    std::vector<std::optional<Card>> cards;
    for (int position = 0; position < kCardCount; ++position) {
        const Card card = CardAtDeckPosition(position);
        if (card != current && (!crowded || card.value <= 5)) cards.emplace_back(card);
    }
    std::shuffle(cards.begin(), cards.end(), random);
    cards.resize(static_cast<size_t>(crowded ? 12 + below(10) : below(kSlots + 1)));
    cards.resize(kSlots);  // the other slots empty
    std::shuffle(cards.begin(), cards.end(), random);
    MatchState state;
    state.Turn = Player::Computer;
    state.CurrentCard = current;
    // The human's last card: any or none, but often a table card of the current value.
    if (below(kCardCount + 1) < kCardCount) state.LastCard = CardAtDeckPosition(below(kCardCount));
    for (int index = 0; index < kSlots; ++index) {
        const std::optional<Card> card = cards[static_cast<size_t>(index)];
        if (!card) continue;
        state.Table.Put(SlotAtScanIndex(index), *card);
        if (card->value == current.value && below(3) == 0) state.LastCard = card;
    }
    return state;
}

TEST(ComputerSearchDifferential, FastSearchChoosesAsTheLiteralSearchOnRandomTables) {
    const char* fromEnvironment = std::getenv("VORBIA_DIFFERENTIAL_TABLES");
    const long long tables =
        fromEnvironment && *fromEnvironment ? std::atoll(fromEnvironment) : 100000;
    std::mt19937_64 random(20020051);
    long long captures = 0;
    for (long long done = 0; done < tables; ++done) {
        const MatchState state = RandomTable(random);
        const std::vector<Card> fast = Chosen(state);
        // The tables come from a fixed seed: VORBIA_DIFFERENTIAL_TABLES=done+1 replays this one.
        ASSERT_EQ(fast, LiteralComputerCapture(state)) << "random table " << done;
        captures += fast.empty() ? 0 : 1;
    }
    // Random tables that never lead to a capture would compare nothing of interest.
    EXPECT_GT(captures, tables / 2);
}

}  // namespace
}  // namespace vorbia
