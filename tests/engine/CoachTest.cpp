// The coach: its own rules of a play against the engine's, its blindness to the deck's order,
// and its advice where the right answer can be worked out by hand.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "EngineHarness.h"
#include "HumanPolicy.h"
#include "Lookahead.h"
#include "SimulationRun.h"

namespace vorbia {
namespace {

// Keeps the table and the scores as they are when a play hands the turn on, before the next
// player's card is drawn (and laid, on an empty table).
struct HandedOnTable : UnseenTable {
    const MatchState* state = nullptr;
    std::optional<TableGrid> table;
    PerPlayer<int> score{};

    bool ShowsAnything() const override { return true; }
    void TurnPassed(Player) override {
        if (table) return;
        table = state->Table;
        score = state->Score;
    }
};

// Any number of cards in any slots, a full table now and then; the last card is often a table
// card of the current card's value, so that the last-card scopa comes up.
MatchState RandomPosition(std::mt19937_64& random) {
    auto below = [&random](int bound) { return static_cast<int>(random() % unsigned(bound)); };
    std::vector<int> deck(kCardCount);
    for (int position = 0; position < kCardCount; ++position) deck[size_t(position)] = position;
    std::shuffle(deck.begin(), deck.end(), random);
    const Card current = CardAtDeckPosition(deck[0]);
    const int onTable = below(5) == 0 ? kSlots : 1 + below(12);
    std::vector<int> slots(kSlots);
    for (int index = 0; index < kSlots; ++index) slots[size_t(index)] = index;
    std::shuffle(slots.begin(), slots.end(), random);

    MatchState state;
    state.Turn = below(2) == 0 ? Player::Human : Player::Computer;
    state.TurnCount = 5;
    state.Score = {{below(45), below(45)}};
    state.CurrentCard = current;
    state.CurrentPlace = CurrentCardPlace::OnPlaySpot;
    state.Drawn.Add(current);
    for (int placed = 0; placed < onTable; ++placed) {
        const Card card = CardAtDeckPosition(deck[static_cast<size_t>(placed) + 1]);
        state.Table.Put(SlotAtScanIndex(slots[size_t(placed)]), card);
        state.Drawn.Add(card);
        // Now and then a table card of another value, which only a capture with others can take.
        if (below(card.value == current.value ? 2 : 16) == 0) state.LastCard = card;
    }
    if (!state.LastCard && below(2) == 0) {
        state.LastCard = CardAtDeckPosition(deck[static_cast<size_t>(onTable) + 1]);
        state.Drawn.Add(*state.LastCard);
    }
    return state;
}

TEST(CoachPlay, ScoresAndLeavesTheTableAsTheEngineDoes) {
    std::mt19937_64 random(51);
    int scopas = 0;
    int fullTables = 0;
    for (int round = 0; round < 10000; ++round) {
        MatchState state = RandomPosition(random);
        const Player player = *state.Turn;
        const Card card = *state.CurrentCard;
        std::vector<uint64_t> captures;
        CapturesOf(state.Table, card.value, captures);
        captures.push_back(0);
        const uint64_t taken = captures[random() % captures.size()];

        SeenPosition position{state.Table, UndrawnCards(state), std::nullopt, state.Score};
        const PerPlayer<int> before = state.Score;
        ApplyPlay(position, player, card, state.LastCard, taken);

        HandedOnTable table;
        table.state = &state;
        SeededRandom deck(static_cast<uint64_t>(round));
        MatchEngine engine(state, table, deck);
        fullTables += state.Table.Count() == kSlots;
        for (uint64_t bits = taken; bits != 0; bits &= bits - 1) {
            engine.ToggleTableCard(CardAtDeckPosition(std::countr_zero(bits)));
        }
        engine.PlayCurrentCard(card);

        SCOPED_TRACE("random position " + std::to_string(round));
        ASSERT_TRUE(table.table.has_value());
        ASSERT_EQ(position.table, *table.table);
        ASSERT_EQ(position.score, table.score);
        const int gained = position.score[player] - before[player];
        scopas += gained > 4;  // more than the five point cards of a capture can give
    }
    // Positions that never score a scopa or fill the table would leave those rules untested.
    EXPECT_GT(scopas, 300);
    EXPECT_GT(fullTables, 1000);
}

// Plays a match with the coach, asking at each of the human's turns what the coach and the
// player who sees the deck's order would do if the undrawn cards came in another order.
struct AdviceUnderTwoOrders {
    int positions = 0;
    int coachDiffers = 0;
    int oracleDiffers = 0;
};

AdviceUnderTwoOrders CompareAdvice(uint64_t matchSeed, int mostTurns) {
    class EndAtMatchEnd : public UnseenTable {
      public:
        MatchEngine* engine = nullptr;
        void MatchOver(const MatchState&, StepDone) override { engine->Abandon(); }
    };
    AdviceUnderTwoOrders seen;
    MatchState state;
    EndAtMatchEnd table;
    SeededRandom random(matchSeed);
    MatchEngine engine(state, table, random);
    table.engine = &engine;
    SimulatedHuman player(HumanPolicy::Coach, 1);
    engine.ClearTable();
    engine.NewMatch();
    for (int turn = 0; turn < mostTurns; ++turn) {
        engine.RunComputerTurns();
        if (engine.Closed() || state.Turn != Player::Human || !state.CurrentCardOnPlaySpot()) {
            break;
        }
        // The same cards undrawn, in another order: another generator.
        SeededRandom otherOrder(matchSeed + 1000);
        otherOrder.ReseedForNewHand();
        PerPlayer<std::vector<Card>> advice;
        for (const HumanPolicy policy : {HumanPolicy::Coach, HumanPolicy::Oracle}) {
            SimulatedHuman knowsOrder(policy, 1);
            SimulatedHuman knowsOtherOrder(policy, 1);
            knowsOrder.SeeDeckOrder(random);
            knowsOtherOrder.SeeDeckOrder(otherOrder);
            const bool differs = knowsOrder.Choose(state) != knowsOtherOrder.Choose(state);
            (policy == HumanPolicy::Coach ? seen.coachDiffers : seen.oracleDiffers) += differs;
        }
        ++seen.positions;
        player.PlayTurn(engine, state);
    }
    return seen;
}

TEST(CoachFairness, SameAdviceWhateverTheOrderOfTheUndrawnCards) {
    AdviceUnderTwoOrders total;
    for (uint64_t match = 0; match < 4; ++match) {
        const AdviceUnderTwoOrders seen = CompareAdvice(MatchSeed(9, match), 60);
        total.positions += seen.positions;
        total.coachDiffers += seen.coachDiffers;
        total.oracleDiffers += seen.oracleDiffers;
    }
    ASSERT_GT(total.positions, 100);
    EXPECT_EQ(total.coachDiffers, 0);
    // The same comparison catches a player that reads the order.
    EXPECT_GT(total.oracleDiffers, 0);
}

struct Advice {
    std::string behaviour, table, card, last;
    PerPlayer<int> score;
    std::string expected;     // the table cards to take; empty: lay the card
    bool lastOfHand = false;  // every other card drawn
};

const Advice kAdvice[] = {
    // The Asso is the greedy choice; the same-suit pair scores 14.
    {"a same-suit scopa before a point card", "C1 C6 D3 D4 S9", "D7", "", {{10, 10}}, "D3 D4"},
    // Both take the Fante; only it reaches 51, and the computer needs a single point.
    {"the points that win now", "C8 B3 B5 S10", "D8", "", {{49, 50}}, "C8"},
    // Taking C2 leaves the 8 alone: any of three 8s sweeps it for 16. Laid, the D2 only lets
    // the two 2s left take it for a few points, and an 8 or a Re take one card without a scopa.
    {"laying rather than leaving a lone card to sweep", "C2 / . . S8", "D2", "S8", {{10, 10}}, ""},
    // The last card the computer uncovered, taken alone, is a scopa; the other 5 is not.
    {"the computer's last card, not another of its value",
     "B5 C5 D9",
     "D5",
     "C5",
     {{10, 10}},
     "C5"},
    // Nothing comes after the hand's last card: the points are taken, not left on the table.
    {"the points on the hand's last card", "C8 B3", "D8", "", {{10, 10}}, "C8", true},
};

TEST(CoachAdvice, TakesWhatTheRulesAndTheComputersReplyMakeBest) {
    for (const Advice& a : kAdvice) {
        SCOPED_TRACE(a.behaviour);
        testing::Harness h(a.table, Player::Human, a.card, a.last);
        h.state.Score = a.score;
        if (a.lastOfHand) {
            for (int position = 0; position < kCardCount; ++position) {
                h.state.Drawn.Add(CardAtDeckPosition(position));
            }
        }
        const CardSet advice = ChooseCoachCapture(h.state);
        std::vector<Card> taken;
        for (int position = 0; position < kCardCount; ++position) {
            if (advice.Contains(CardAtDeckPosition(position))) {
                taken.push_back(CardAtDeckPosition(position));
            }
        }
        std::vector<Card> expected = testing::CardsNamed(a.expected);
        std::sort(expected.begin(), expected.end(),
                  [](Card x, Card y) { return DeckPosition(x) < DeckPosition(y); });
        EXPECT_EQ(taken, expected);
    }
}

}  // namespace
}  // namespace vorbia
