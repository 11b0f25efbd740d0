#pragma once

#include <array>
#include <bitset>
#include <string>

#include "Card.h"

namespace vorbia {

constexpr int kRows = 3;
constexpr int kColumns = 7;
constexpr int kSlots = kRows * kColumns;

// One value for each player. Nobody's place exists only so that a match without a winner has
// somewhere to be counted; the rules never write it.
template <class T>
struct PerPlayer {
    std::array<T, 3> values{};

    T& operator[](Player player) { return values[static_cast<int>(player)]; }
    const T& operator[](Player player) const { return values[static_cast<int>(player)]; }
    bool operator==(const PerPlayer&) const = default;
};

// A place on the table. Row 1 lies on the human's side, row 3 on the computer's; columns run
// 1..7 from the left.
struct Slot {
    int row;
    int column;
};

// All state of a match that both the rules and the window read.
struct MatchState {
    PerPlayer<std::string> PlayerName{"", "", "Dino (Computer)"};  // UTF-8
    PerPlayer<int> Score{};
    Player Turn = Player::Nobody;
    int TurnCount = 0;  // 1..41 within a hand; 0: the next hand starts a new match
    int CardsDrawn = 0;
    std::array<bool, kCardCount + 1> Drawn{};  // by card number
    int CurrentCard = 0;
    int CurrentValue = 0;
    int CurrentSuit = 0;
    int LastValue = 0;
    int LastSuit = 0;  // 0: no card was drawn before the current one in this hand
    // [row][column] from 1; row 0 and column 0 stay 0.
    std::array<std::array<int, kColumns + 1>, kRows + 1> TableGrid{};
    int TableCount = 0;
    std::bitset<kCardCount + 1> Selected{};  // by card number
    int CardSpeed = 0;
    bool ShowMessages = false;

    // The card in a slot, 0 when it is empty.
    int& CardAt(Slot slot) { return TableGrid[slot.row][slot.column]; }
    int CardAt(Slot slot) const { return TableGrid[slot.row][slot.column]; }

    // Cards left in each pile: 20 minus the whole part of TurnCount / 2.
    int PileCount() const { return 20 - TurnCount / 2; }
};

}  // namespace vorbia
