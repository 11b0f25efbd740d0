#pragma once

#include <algorithm>
#include <deque>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "HeadlessTable.h"
#include "MatchEngine.h"

namespace vorbia::testing {

// Cards by suit and value, to read the positions in the tests as a player would.
constexpr int Denare(int value) { return value; }
constexpr int Coppe(int value) { return 10 + value; }
constexpr int Bastoni(int value) { return 20 + value; }
constexpr int Spade(int value) { return 30 + value; }

// The card in play and the card laid in the turn before (0: none, as the game reads it).
inline void SetCurrentAndLast(MatchState& state, int current, int last) {
    state.CurrentCard = static_cast<int16_t>(current);
    state.CurrentValue = static_cast<int16_t>(CardValue(current));
    state.CurrentSuit = static_cast<int16_t>(CardSuit(current));
    state.LastValue = static_cast<int16_t>(CardValue(last));
    state.LastSuit = static_cast<int16_t>(CardSuit(last));
}

// Deals the given cards first (cut cards and draws alike), then seeded random ones.
class ScriptedRandom : public RandomSource {
  public:
    std::deque<int> cards;
    void ReseedForNewHand() override {}
    double NextUniform() override {
        if (cards.empty()) return fallback_.NextUniform();
        const int card = cards.front();
        cards.pop_front();
        return (card - 0.5) / kCardCount;
    }

  private:
    SeededRandom fallback_{12345};
};

// A table set up by hand, as a hand in progress would leave it. Every request made afterwards
// is kept, and a hook can run in the middle of the next glide, as a click or a command can in
// the real window.
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

    Harness() {
        state.PlayerName[1] = "Gimbo";
        table.ArrangeAsAtHandStart();
    }

    // Lays the cards side by side from slot (row, column), as earlier turns would have.
    void Put(int row, int column, const std::vector<int>& cards) {
        for (int card : cards) {
            state.TableGrid[row][column] = static_cast<int16_t>(card);
            const PictureBox slot = engine.SlotPosition(row, column++);
            table.HeadlessTable::PlacePicture(card, slot.left, slot.top);
            state.Drawn[card] = kTrue;
            ++state.TableCount;
        }
    }

    // The player whose turn it is holds `card` on its play spot; `last` was laid just before.
    void Hold(int turn, int card, int last = 0) {
        state.Turn = static_cast<int16_t>(turn);
        state.TurnCount = 5;
        SetCurrentAndLast(state, card, last);
        state.Drawn[card] = kTrue;
        table.HeadlessTable::PlacePicture(
            card, 69, table.Picture(turn == kHuman ? kHumanPile : kComputerPile).top);
    }

    std::vector<std::string> Matching(const std::string& prefix) const {
        std::vector<std::string> found;
        for (const auto& line : requests) {
            if (line.starts_with(prefix)) found.push_back(line);
        }
        return found;
    }

    bool Made(const std::string& line) const { return std::ranges::count(requests, line) > 0; }
};

}  // namespace vorbia::testing
