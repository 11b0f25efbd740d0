#pragma once

#include <algorithm>
#include <deque>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "HeadlessTable.h"
#include "MatchEngine.h"
#include "MatchState.h"
#include "RandomSource.h"

namespace vorbia::testing {

// Deals the given cards first (cut cards and draws alike), then seeded random ones.
class ScriptedRandom : public RandomSource {
public:
    void Deal(std::initializer_list<int> cards) { cards_.insert(cards_.end(), cards); }
    void ReseedForNewHand() override {}
    double NextUniform() override {
        if (cards_.empty()) return fallback_.NextUniform();
        const int card = cards_.front();
        cards_.pop_front();
        return (card - 1 + 0.5) / kCardCount;
    }

private:
    std::deque<int> cards_;
    SeededRandom fallback_{12345};
};

// Records requests; a hook can run in the middle of the next glide, as a click or a command
// can in the real window.
class HookedTable : public RecordingTable {
public:
    using RecordingTable::RecordingTable;
    std::function<void()> duringNextGlide;

    void MoveCard(int picture, int startLeft, int startTop, int endLeft, int endTop) override {
        RecordingTable::MoveCard(picture, startLeft, startTop, endLeft, endTop);
        if (!duringNextGlide) return;
        auto hook = std::move(duringNextGlide);
        duringNextGlide = nullptr;
        hook();
    }
};

// A table set up by hand, as a hand in progress would leave it: piles placed, cards on their
// slots, the current card on its player's play spot. Every request made afterwards is kept.
struct Harness {
    MatchState state;
    std::vector<std::string> requests;
    HookedTable table{[this](const std::string& line) { requests.push_back(line); }};
    ScriptedRandom random;
    MatchEngine engine{state, table, random};

    Harness() {
        state.CardSpeed = 10;
        state.PlayerName[1] = "Gimbo";
        table.ArrangeAsAtHandStart();
    }

    void Put(int row, int column, int card) {
        state.TableGrid[row][column] = static_cast<int16_t>(card);
        state.Drawn[card] = kTrue;
        const PictureBox slot = engine.SlotPosition(row, column);
        table.HeadlessTable::PlacePicture(card, slot.left, slot.top);
        Recount();
    }

    // The player whose turn it is holds `card` on its play spot; `last` is the card drawn in
    // the turn before (0: none).
    void Hold(int turn, int card, int last = 0) {
        state.Turn = static_cast<int16_t>(turn);
        state.TurnCount = 5;
        state.CurrentCard = static_cast<int16_t>(card);
        state.CurrentValue = static_cast<int16_t>(CardValue(card));
        state.CurrentSuit = static_cast<int16_t>(CardSuit(card));
        state.LastValue = static_cast<int16_t>(last == 0 ? 0 : CardValue(last));
        state.LastSuit = static_cast<int16_t>(last == 0 ? 0 : CardSuit(last));
        state.Drawn[card] = kTrue;
        const int pile = turn == kHuman ? kHumanPile : kComputerPile;
        table.HeadlessTable::PlacePicture(card, 69, table.Picture(pile).top);
        Recount();
    }

    void Recount() {
        int cards = 0;
        int drawn = 0;
        for (int row = 1; row <= kRows; ++row) {
            for (int column = 1; column <= kColumns; ++column) cards += state.TableGrid[row][column] != 0;
        }
        for (int card = 1; card <= kCardCount; ++card) drawn += state.Drawn[card] != kFalse;
        state.TableCount = static_cast<int16_t>(cards);
        state.CardsDrawn = static_cast<int16_t>(drawn);
    }

    bool OnTable(int card) const {
        for (int row = 1; row <= kRows; ++row) {
            for (int column = 1; column <= kColumns; ++column) {
                if (state.TableGrid[row][column] == card) return true;
            }
        }
        return false;
    }

    std::vector<std::string> Matching(const std::string& prefix) const {
        std::vector<std::string> found;
        for (const auto& line : requests) {
            if (line.rfind(prefix, 0) == 0) found.push_back(line);
        }
        return found;
    }

    bool Made(const std::string& line) const {
        return std::find(requests.begin(), requests.end(), line) != requests.end();
    }
};

}  // namespace vorbia::testing
