#pragma once

#include <algorithm>
#include <deque>
#include <functional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "MatchEngine.h"
#include "RecordingTable.h"

namespace vorbia::testing {

// A card as a player reads it, its suit's initial and its value: "C6" is the 6 of Coppe.
inline int CardNamed(const std::string& word) {
    return static_cast<int>(std::string("DCBS").find(word[0])) * 10 + std::stoi(word.substr(1));
}

inline std::vector<int> CardsNamed(const std::string& words) {
    std::istringstream in(words);
    std::vector<int> cards;
    for (std::string word; in >> word;) cards.push_back(CardNamed(word));
    return cards;
}

// The card in play and the card laid in the turn before (0: none, as the game reads it).
inline void SetCurrentAndLast(MatchState& state, int current, int last) {
    state.CurrentCard = current;
    state.CurrentValue = CardValue(current);
    state.CurrentSuit = CardSuit(current);
    state.LastValue = CardValue(last);
    state.LastSuit = CardSuit(last);
}

// Deals the given cards first (cut cards and draws alike), then seeded random ones.
struct ScriptedRandom : RandomSource {
    std::deque<int> cards;
    SeededRandom fallback{12345};
    void ReseedForNewHand() override {}
    double NextUniform() override {
        if (cards.empty()) return fallback.NextUniform();
        const int card = cards.front();
        cards.pop_front();
        return (card - 0.5) / kCardCount;
    }
};

// A hand in progress as earlier turns would have left it; it keeps every request made after,
// and runs a hook in the middle of the next glide, as a command can in the real window.
struct Harness {
    MatchState state;
    std::vector<std::string> requests;
    std::function<void()> duringNextGlide;
    RecordingTable table{[this](const std::string& line) {
        requests.push_back(line);
        if (line.starts_with("move ") && duringNextGlide) std::exchange(duringNextGlide, {})();
    }};
    ScriptedRandom random;
    MatchEngine engine{state, table, random};

    // The table row by row from the human's side, "/" between rows, "." for an empty slot:
    // "B2 B4 / . . C6". The player whose turn it is holds `card`; `last` was laid before it.
    explicit Harness(const std::string& rows = "", Player turn = Player::Human,
                     const std::string& card = "", const std::string& last = "") {
        state.PlayerName[Player::Human] = "Gimbo";
        table.ArrangeAsAtHandStart();
        std::istringstream in(rows);
        int row = 1;
        int column = 1;
        for (std::string word; in >> word; ++column) {
            if (word == "/") {
                ++row;
                column = 0;
            } else if (word != ".") {
                const int onTable = CardNamed(word);
                state.CardAt({row, column}) = onTable;
                const PictureBox slot = engine.SlotPosition({row, column});
                table.HeadlessTable::PlacePicture(onTable, slot.left, slot.top);
                state.Drawn[onTable] = true;
                ++state.TableCount;
            }
        }
        if (card.empty()) return;
        state.Turn = turn;
        state.TurnCount = 5;
        SetCurrentAndLast(state, CardNamed(card), last.empty() ? 0 : CardNamed(last));
        state.Drawn[state.CurrentCard] = true;
        const int pile = PileOf(turn);
        table.HeadlessTable::PlacePicture(state.CurrentCard, 69, table.CardBox(pile).top);
    }

    void Click(const std::string& cards) {
        for (int card : CardsNamed(cards)) engine.CardClicked(card);
    }

    std::vector<std::string> Matching(const std::string& prefix) const {
        std::vector<std::string> found;
        for (const auto& line : requests) {
            if (line.starts_with(prefix)) found.push_back(line);
        }
        return found;
    }

    bool Made(const std::string& line) const { return std::ranges::count(requests, line) > 0; }

    // The piles are placed from the drawing area's height, which is the maximised table's only
    // once the window has been maximised.
    bool MaximisedBeforePlacingThePiles() const {
        const auto pile = std::ranges::find_if(requests, [](const std::string& line) {
            return line.starts_with("place " + std::to_string(kComputerPile) + " ") ||
                   line.starts_with("place " + std::to_string(kHumanPile) + " ");
        });
        return pile != requests.end() && std::ranges::find(requests, "maximise") < pile;
    }
};

}  // namespace vorbia::testing
