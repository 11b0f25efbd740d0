#pragma once

#include <array>

#include "MatchState.h"

namespace vorbia {

// The two orders in which the rules visit the table.
//
// Scan order, row by row from the human's side and each row from the left, is the order of
// every loop over the table: selection sums, clearing, captures, the recount and the
// computer's search.
constexpr std::array<Slot, kSlots> kScanOrder = [] {
    std::array<Slot, kSlots> order{};
    int at = 0;
    for (int row = 1; row <= kRows; ++row) {
        for (int column = 1; column <= kColumns; ++column) order[at++] = {row, column};
    }
    return order;
}();

// Placement order, where a laid card goes: column by column from the left, each player filling
// a column from its own side.
constexpr std::array<Slot, kSlots> PlacementOrderFromSide(Player turn) {
    std::array<Slot, kSlots> order{};
    int at = 0;
    for (int column = 1; column <= kColumns; ++column) {
        for (int step = 0; step < kRows; ++step) {
            order[at++] = {turn == Player::Computer ? kRows - step : 1 + step, column};
        }
    }
    return order;
}
constexpr std::array<Slot, kSlots> kHumansPlacementOrder = PlacementOrderFromSide(Player::Human);
constexpr std::array<Slot, kSlots> kComputersPlacementOrder =
    PlacementOrderFromSide(Player::Computer);

constexpr const std::array<Slot, kSlots>& PlacementOrder(Player turn) {
    return turn == Player::Computer ? kComputersPlacementOrder : kHumansPlacementOrder;
}

// The occupied slots in scan order, for a range-for:
//     for (const Slot slot : OccupiedSlots(state)) ... state.CardAt(slot) ...
// The slots are those occupied when the loop starts; a loop may empty the slot it visits.
class OccupiedSlots {
  public:
    explicit OccupiedSlots(const MatchState& state) {
        for (int row = 1; row <= kRows; ++row) {
            for (int column = 1; column <= kColumns; ++column) {
                if (state.TableGrid[row][column] != 0) slots_[count_++] = {row, column};
            }
        }
    }
    const Slot* begin() const { return slots_.data(); }
    const Slot* end() const { return slots_.data() + count_; }

  private:
    std::array<Slot, kSlots> slots_;
    int count_ = 0;
};

}  // namespace vorbia
