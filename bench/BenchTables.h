#pragma once

#include <cstdint>
#include <vector>

#include "MatchState.h"

namespace vorbia::bench {

// Mid-hand tables of 4 to 8 cards in random slots, the computer to move; the human's last
// card lies among them half of the time. The same tables for the same seed.
std::vector<MatchState> TypicalTables(int count, uint64_t seed);

// The most work for both searches: all 21 slots full of small cards and a Re to play, with no
// capture of the Re's own suit, so every capture of four cards is weighed.
MatchState CrowdedTable();

// The first `count` tables on which a search is asked for in seeded headless matches, the
// computer against a human that uses the same search, both players' turns. The same tables for
// the same seed.
std::vector<MatchState> TablesFromMatches(int count, uint64_t seed);

}  // namespace vorbia::bench
