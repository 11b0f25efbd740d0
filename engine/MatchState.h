#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace vorbia {

constexpr int16_t kTrue = -1;
constexpr int16_t kFalse = 0;

constexpr int kRows = 3;
constexpr int kColumns = 7;
constexpr int kSlots = kRows * kColumns;

// All state of a match that both the rules and the window read. Arrays keep the game's
// 1-based indexing (element 0 unused) so that the rules read as they are stated.
struct MatchState {
    std::array<std::string, 3> PlayerName{"", "", "Dino (Computer)"};  // UTF-8
    std::array<int16_t, 3> Score{};
    int16_t Turn = 0;       // 0 before the first hand, then 1 human, 2 computer
    int16_t TurnCount = 0;  // 1..41 within a hand; 0: the next hand starts a new match
    int16_t CardsDrawn = 0;
    std::array<int16_t, 41> Drawn{};  // flags, kTrue / kFalse
    int16_t CurrentCard = 0;
    int16_t CurrentValue = 0;
    int16_t CurrentSuit = 0;
    int16_t LastValue = 0;
    int16_t LastSuit = 0;
    std::array<std::array<int16_t, kColumns + 1>, kRows + 1> TableGrid{};  // [row][column]
    int16_t TableCount = 0;
    std::array<int16_t, 41> Selected{};  // flags
    int16_t CardSpeed = 0;
    int16_t ShowMessages = kFalse;

    // Cards left in each pile: 20 minus the whole part of TurnCount / 2.
    int PileCount() const { return 20 - TurnCount / 2; }
};

}  // namespace vorbia
