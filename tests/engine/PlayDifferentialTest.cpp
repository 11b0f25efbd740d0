// Every play of the engine against the reference play written from the rules: which clicks
// are refused and with what message, which cards are taken, the points, the scopa and the
// scores shown. On whole matches (VORBIA_SCORED_MATCHES, default 1000) whose human clicks at
// random, with the bookkeeping checked between plays.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <random>

#include "EngineHarness.h"
#include "ReferencePlay.h"

namespace vorbia {
namespace {

using reference::ClickResult;
using reference::PlayResult;
using reference::Position;

long long FromEnvironment(const char* name, long long fallback) {
    const char* text = std::getenv(name);
    return text != nullptr && *text != '\0' ? std::atoll(text) : fallback;
}

reference::Table TableOf(const TableGrid& grid) {
    reference::Table table{};
    for (const Slot slot : kScanOrder) table[slot.row][slot.column] = grid.At(slot);
    return table;
}

// What the engine shows during one click or one play, up to the moment it hands the turn on,
// in the reference's terms. Every step is shown at once.
struct ObservedTable : UnseenTable {
    const MatchState* state = nullptr;
    PlayResult seen;
    bool handedOn = false;
    int beeps = 0;
    int matchesEnded = 0;
    int matchesWithoutWinner = 0;

    bool ShowsAnything() const override { return true; }
    void StartWatching() {
        seen = {};
        handedOn = false;
        beeps = 0;
    }
    void Message(const std::string& text, StepDone shown) override {
        if (!handedOn) seen.messages.push_back(text);
        shown();
    }
    void Beep() override {
        if (handedOn) return;
        seen.beep = true;
        ++beeps;
    }
    void CardTaken(Card card, Player taker, StepDone shown) override {
        if (!handedOn) seen.taken.emplace_back(card, taker);
        shown();
    }
    void ScoreChanged(Player scorer, const PerPlayer<int>& scores) override {
        if (handedOn) return;
        seen.scoreShownFor = scorer;
        seen.scoreShown = scores;
    }
    void TurnPassed(Player) override {
        if (handedOn) return;
        handedOn = true;
        seen.tableAfter = TableOf(state->Table);
        seen.scoreAfter = state->Score;
    }
    void MatchOver(const MatchState& s, StepDone shown) override {
        ++matchesEnded;
        matchesWithoutWinner += std::max(s.Score[Player::Human], s.Score[Player::Computer]) < 51;
        shown();
    }
};

Position PositionOf(const MatchState& state) {
    return {TableOf(state.Table), *state.Turn,        *state.CurrentCard,
            state.LastCard,       state.ShowMessages, state.Score};
}

std::vector<Card> TableCards(const MatchState& state, bool selectedOnly = false) {
    std::vector<Card> cards;
    for (const auto [slot, card] : state.Table.OccupiedSlots()) {
        if (!selectedOnly || state.Selected.Contains(card)) cards.push_back(card);
    }
    return cards;
}

// Between two plays: every table card drawn, in one slot and in the table's set of cards; only
// table cards selected; the card in hand drawn; one turn per card drawn.
std::string BrokenBookkeeping(const MatchState& s) {
    CardSet inSlots;
    for (const Slot slot : kScanOrder) {
        const std::optional<Card> card = s.Table.At(slot);
        if (card && (inSlots.Contains(*card) || !s.Drawn.Contains(*card))) {
            return CardName(*card) + " undrawn or in two slots";
        }
        if (card) inSlots.Add(*card);
    }
    for (int position = 0; position < kCardCount; ++position) {
        const Card card = CardAtDeckPosition(position);
        if (s.Table.Contains(card) != inSlots.Contains(card)) return "table's cards";
        if (s.Selected.Contains(card) && !inSlots.Contains(card)) return "selected off the table";
    }
    if (!s.Drawn.Contains(*s.CurrentCard)) return "the card in hand undrawn";
    const int drawn = s.CardsDrawn();
    if (s.TurnCount > 41 || (s.TurnCount != drawn && s.TurnCount != drawn + 1)) {
        return "TurnCount " + std::to_string(s.TurnCount) + " after " + std::to_string(drawn);
    }
    return "";
}

// The kind of scopa the engine counted, in the reference's terms.
reference::Scopa ScopaCounted(const std::array<int, kScopaKinds>& before,
                              const std::array<int, kScopaKinds>& after) {
    for (size_t kind = 0; kind < kScopaKinds; ++kind) {
        if (after[kind] != before[kind]) return static_cast<reference::Scopa>(kind + 1);
    }
    return reference::Scopa::None;
}

// Plays the human's clicks and then the card in hand through the engine, or the computer's
// move, and returns "" or what differed from the reference.
std::string PlayAndCompare(MatchEngine& engine, const MatchState& state, ObservedTable& table,
                           const Position& position, const std::vector<Card>& clicks) {
    PlayResult before;
    before.scoreAfter = position.score;
    before.tableAfter = position.table;
    std::string where = (position.player == Player::Human ? "human plays " : "computer plays ") +
                        CardName(position.card) + " after " +
                        (position.lastCard ? CardName(*position.lastCard) : "none") + ", clicks";
    for (const Card card : clicks) where += " " + CardName(card);
    where += "; before, " + reference::Describe(before);

    reference::ReferencePlay expected(position);
    const std::array<int, kScopaKinds> scopas = engine.ScopasScored()[position.player];
    if (position.player == Player::Computer) {
        for (const Card card : clicks) expected.Click(card);
        table.StartWatching();
        engine.ComputerMove();
    } else {
        for (const Card card : clicks) {
            table.StartWatching();
            engine.CardClicked(card);
            const ClickResult click{table.seen.messages, TableCards(state, true)};
            if (click != expected.Click(card)) return "click on " + CardName(card) + ", " + where;
        }
        table.StartWatching();
        engine.CardClicked(position.card);
    }
    const PlayResult play = expected.Play();
    if (!table.handedOn) return "the turn was not handed on, " + where;
    table.seen.scopa = ScopaCounted(scopas, engine.ScopasScored()[position.player]);
    if (table.seen == play && table.beeps <= 1) return "";
    return "\n engine:    " + reference::Describe(table.seen) +
           "\n reference: " + reference::Describe(play) + "\n " + where;
}

// The clicks of a player who tries anything: right captures, sums of exactly 10, sums above or
// below the card's value, any few cards, nothing; now and then a card clicked twice.
struct RandomClicker {
    std::mt19937 dice;

    // Cards adding up to `target`, tried in a random order; empty when none do.
    std::vector<Card> AddingUpTo(std::vector<Card> cards, int target) {
        std::shuffle(cards.begin(), cards.end(), dice);
        std::vector<Card> chosen;
        auto search = [&](auto& self, size_t from, int left) -> bool {
            if (left == 0) return true;
            for (size_t i = from; i < cards.size(); ++i) {
                if (cards[i].value > left) continue;
                chosen.push_back(cards[i]);
                if (self(self, i + 1, left - cards[i].value)) return true;
                chosen.pop_back();
            }
            return false;
        };
        return search(search, 0, target) ? chosen : std::vector<Card>{};
    }

    std::vector<Card> Clicks(const MatchState& state) {
        std::vector<Card> cards = TableCards(state);
        const int v = state.CurrentCard->value;
        const int above = v + 1 + static_cast<int>(dice() % static_cast<unsigned>(11 - v));
        const int below = 1 + static_cast<int>(dice() % static_cast<unsigned>(v));
        const int targets[] = {v, v, 10, std::min(above, 10), below};
        const auto kind = dice() % 7;
        std::vector<Card> clicks;
        if (kind < std::size(targets)) {
            clicks = AddingUpTo(cards, targets[kind]);
        } else if (kind == std::size(targets)) {
            std::shuffle(cards.begin(), cards.end(), dice);
            cards.resize(std::min<size_t>(cards.size(), dice() % 6));
            clicks = cards;
        }
        std::shuffle(clicks.begin(), clicks.end(), dice);
        if (!clicks.empty() && dice() % 4 == 0) {
            const Card again = clicks[dice() % clicks.size()];
            clicks.insert(clicks.begin() + static_cast<long>(dice() % (clicks.size() + 1)), again);
            if (dice() % 2 == 0) clicks.push_back(again);
        }
        return clicks;
    }
};

TEST(PlayDifferential, EveryPlayOfWholeMatchesScoresAsTheRulesSay) {
    const long long matches = FromEnvironment("VORBIA_SCORED_MATCHES", 1000);
    const int perSeed = 50;
    long long plays = 0;
    long long scoring = 0;
    for (int seed = 1; static_cast<long long>(seed - 1) * perSeed < matches; ++seed) {
        ObservedTable table;
        MatchState state;
        table.state = &state;
        SeededRandom random(static_cast<uint64_t>(seed) * 7919);
        MatchEngine engine(state, table, random);
        RandomClicker clicker{std::mt19937(static_cast<unsigned>(seed))};
        state.PlayerName[Player::Human] = "Gimbo";
        engine.NewMatch();
        while (table.matchesEnded < perSeed) {
            ASSERT_TRUE(!engine.Busy() && state.CurrentCardOnPlaySpot())
                << "no player to decide, seed " << seed;
            ASSERT_EQ(BrokenBookkeeping(state), "") << "seed " << seed << ", play " << plays;
            state.ShowMessages = clicker.dice() % 2 == 0;
            const Position before = PositionOf(state);
            std::vector<Card> clicks = clicker.Clicks(state);
            if (state.Turn == Player::Computer) {
                const ComputerChoice choice = ChooseComputerCapture(state);
                clicks.assign(choice.begin(), choice.end());
            }
            ASSERT_EQ(PlayAndCompare(engine, state, table, before, clicks), "")
                << "seed " << seed << ", play " << plays;
            scoring += table.seen.scoreAfter != before.score;
            ASSERT_LT(++plays, matches * 1000) << "matches do not end";
        }
        EXPECT_EQ(table.matchesWithoutWinner, 0) << "seed " << seed;
    }
    // Matches whose plays never score would compare little of interest.
    EXPECT_GT(scoring, plays / 5);
}

}  // namespace
}  // namespace vorbia
