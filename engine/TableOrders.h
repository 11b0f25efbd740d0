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
constexpr std::array<Slot, kSlots> PlacementOrder(Player turn) {
    std::array<Slot, kSlots> order{};
    int at = 0;
    for (int column = 1; column <= kColumns; ++column) {
        for (int step = 0; step < kRows; ++step) {
            order[at++] = {turn == Player::Computer ? kRows - step : 1 + step, column};
        }
    }
    return order;
}

// The occupied slots in scan order, for a range-for:
//     for (const Slot slot : OccupiedSlots(state)) ... state.CardAt(slot) ...
// Emptying the slot being visited is allowed.
class OccupiedSlots {
  public:
    explicit OccupiedSlots(const MatchState& state) : state_(state) {}

    class iterator {
      public:
        iterator(const MatchState& state, int at) : state_(&state), at_(at) { SkipEmpty(); }
        Slot operator*() const { return kScanOrder[at_]; }
        iterator& operator++() {
            ++at_;
            SkipEmpty();
            return *this;
        }
        bool operator==(const iterator& other) const { return at_ == other.at_; }

      private:
        void SkipEmpty() {
            while (at_ < kSlots && state_->CardAt(kScanOrder[at_]) == 0) ++at_;
        }
        const MatchState* state_;
        int at_;
    };

    iterator begin() const { return {state_, 0}; }
    iterator end() const { return {state_, kSlots}; }

  private:
    const MatchState& state_;
};

}  // namespace vorbia
