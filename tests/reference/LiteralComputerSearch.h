#pragma once

#include <vector>

#include "MatchState.h"

namespace vorbia {

// The cards the computer selects, in order, found exactly as the rules state it: nested loops
// over every ordered tuple of the 21 slots, empty slots included, and a candidate list with no
// limit. Slow on purpose: the yardstick the fast search is checked and timed against.
std::vector<Card> LiteralComputerCapture(const MatchState& state);

}  // namespace vorbia
