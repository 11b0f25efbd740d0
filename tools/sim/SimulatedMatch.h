#pragma once

#include <array>
#include <cstdint>

#include "HumanPolicy.h"

namespace vorbia {

// What one match left behind.
struct MatchResult {
    bool finished = false;  // false: the match stopped making progress (a fault of the rules)
    Player winner = Player::Human;  // once finished
    PerPlayer<int> finalScore{};
    int hands = 0;
    PerPlayer<std::array<int, kScopaKinds>> scopas{};  // [player][kind]
};

// The seed of match `index` of a run: every match gets its own, whatever thread plays it.
uint64_t MatchSeed(uint64_t runSeed, uint64_t index);

// Plays one whole match without a window, the computer against the given human, from its
// first hand to the end-of-match dialog.
// The coach looks the given number of turns ahead, and further near the end of a hand.
MatchResult PlayMatch(uint64_t matchSeed, HumanPolicy policy, int coachTurns = kCoachTurns);

}  // namespace vorbia
