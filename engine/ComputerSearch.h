#pragma once

#include <vector>

#include "MatchState.h"

namespace vorbia {

// The computer's choice for its current card: the table cards to select, in the order it
// selects them (empty: lay the card without capturing). In order of preference: the card the
// human laid last when it matches; a same-suit capture of four, three, then two cards; then
// the capture whose table cards hold the most point cards, ties going to the larger capture
// and then to the first found in scan order.
std::vector<int> ChooseComputerCapture(const MatchState& state);

// Slot position p (1..21, scan order) to row and column.
constexpr int SlotRow(int position) { return (position - 1) / kColumns + 1; }
constexpr int SlotColumn(int position) {
    return position % kColumns == 0 ? kColumns : position % kColumns;
}

}  // namespace vorbia
