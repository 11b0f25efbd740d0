#pragma once

#include <vector>

#include "MatchState.h"

namespace vorbia {

// The computer's search exactly as the rules state it: nested loops over every ordered tuple
// of the 21 slot positions, empty slots included, and a candidate list with no limit. Slow on
// purpose; it is the yardstick the fast search is checked and timed against. Returns the
// cards the computer selects, in the order it selects them.
std::vector<int> LiteralComputerCapture(const MatchState& state);

}  // namespace vorbia
