#pragma once

#include <deque>
#include <optional>
#include <ostream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "MatchEngine.h"

namespace vorbia {

// For GoogleTest's messages.
inline void PrintTo(Card card, std::ostream* out) { *out << CardName(card); }

}  // namespace vorbia

namespace vorbia::testing {

using Lines = std::vector<std::string>;

// A card as a player reads it, its suit's initial and its value: "C6" is the 6 of Coppe.
inline Card CardNamed(const std::string& word) {
    const auto suit = static_cast<Suit>(std::string("DCBS").find(word.at(0)));
    return {suit, static_cast<uint8_t>(std::stoi(word.substr(1)))};
}

inline std::vector<Card> CardsNamed(const std::string& words) {
    std::istringstream in(words);
    std::vector<Card> cards;
    for (std::string word; in >> word;) cards.push_back(CardNamed(word));
    return cards;
}

// The table row by row from the human's side, "/" between rows, "." for an empty slot:
// "B2 B4 / . . C6".
inline TableGrid TableNamed(const std::string& rows) {
    TableGrid table;
    std::istringstream in(rows);
    Slot slot{0, 0};
    for (std::string word; in >> word;) {
        if (word == "/") {
            slot = {slot.row + 1, 0};
            continue;
        }
        if (word != ".") table.Put(slot, CardNamed(word));
        ++slot.column;
    }
    return table;
}

// Deals the given cards first (cut cards and draws alike), then seeded random ones.
struct ScriptedRandom : RandomSource {
    std::deque<Card> cards;
    SeededRandom fallback{12345};
    void Deal(const std::string& names) {
        for (const Card card : CardsNamed(names)) cards.push_back(card);
    }
    void ReseedForNewHand() override {}
    double NextUniform() override {
        if (cards.empty()) return fallback.NextUniform();
        const Card card = cards.front();
        cards.pop_front();
        return (DeckPosition(card) + 0.5) / kCardCount;
    }
};

// A table that writes down what the rules tell it, in game terms, one line a call. Steps are
// over at once unless `holdGlides` is set: then a glide waits in `heldGlide` until the test
// calls it, as the window's animations make the rules wait.
struct WatchedTable : UnseenTable {
    std::vector<std::string> lines;
    bool holdGlides = false;
    std::optional<StepDone> heldGlide;

    bool ShowsAnything() const override { return true; }
    void Glide(const std::string& line, StepDone shown) {
        lines.push_back(line);
        if (!holdGlides) return shown();
        heldGlide = shown;
    }
    void CardUncovered(Player, Card card, std::optional<Slot>, StepDone shown) override {
        Glide("uncovered " + CardName(card), shown);
    }
    void CardLaid(Card card, Slot slot, StepDone shown) override {
        Glide("laid " + CardName(card) + " at " + std::to_string(slot.row) + "," +
                  std::to_string(slot.column),
              shown);
    }
    void CardTaken(Card card, Player, StepDone shown) override {
        Glide("taken " + CardName(card), shown);
    }
    void MatchOver(const MatchState& state, StepDone shown) override {
        lines.push_back("match over " + std::to_string(state.Score[Player::Human]) + " " +
                        std::to_string(state.Score[Player::Computer]));
        shown();
    }
    void LastCardShown(Card card) override { lines.push_back("last card " + CardName(card)); }
    void Message(const std::string& text, StepDone shown) override {
        lines.push_back("message " + text);
        shown();
    }
    void Beep() override { lines.emplace_back("beep"); }
};

// A hand in progress as earlier turns would have left it. `rows` is the table as TableNamed
// reads it; the player to move holds `card` on the play spot, and `last` was uncovered in the
// turn before.
struct Harness {
    MatchState state;
    WatchedTable table;
    ScriptedRandom random;
    MatchEngine engine{state, table, random};

    explicit Harness(const std::string& rows = "", Player turn = Player::Human,
                     const std::string& card = "", const std::string& last = "") {
        state.PlayerName[Player::Human] = "Gimbo";
        state.Table = TableNamed(rows);
        for (const auto [slot, onTable] : state.Table.OccupiedSlots()) state.Drawn.Add(onTable);
        if (card.empty()) return;
        state.Turn = turn;
        state.TurnCount = 5;
        state.CurrentCard = CardNamed(card);
        state.CurrentPlace = CurrentCardPlace::OnPlaySpot;
        state.Drawn.Add(*state.CurrentCard);
        if (!last.empty()) state.LastCard = CardNamed(last);
        if (state.LastCard) state.Drawn.Add(*state.LastCard);
    }

    void Click(const std::string& cards) {
        for (const Card card : CardsNamed(cards)) engine.CardClicked(card);
    }

    // Lets every held glide end, and those that start meanwhile.
    void FinishGlides() {
        while (table.heldGlide) (*std::exchange(table.heldGlide, std::nullopt))();
    }

    Lines Starting(const std::string& prefix) const {
        Lines found;
        for (const auto& line : table.lines) {
            if (line.starts_with(prefix)) found.push_back(line);
        }
        return found;
    }
};

}  // namespace vorbia::testing
