#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <optional>

#include "Card.h"
#include "Players.h"

namespace vorbia {

constexpr int kRows = 3;
constexpr int kColumns = 7;
constexpr int kSlots = kRows * kColumns;

// A place on the table. Row 0 lies on the human's side, row 2 on the computer's; columns run
// from the left.
struct Slot {
    int row;
    int column;
    friend constexpr bool operator==(Slot, Slot) = default;
};

// The slots in scan order, row by row from the human's side and each row from the left: the
// order of every visit of the table (selection sums, clearing, captures, the computer's search).
constexpr int ScanIndex(Slot slot) { return slot.row * kColumns + slot.column; }
constexpr Slot SlotAtScanIndex(int index) { return {index / kColumns, index % kColumns}; }

// The order in which a laid card finds its slot: column by column from the left, each player
// filling a column from its own side.
constexpr std::array<Slot, kSlots> PlacementOrderOf(Player player) {
    std::array<Slot, kSlots> order{};
    int at = 0;
    for (int column = 0; column < kColumns; ++column) {
        for (int step = 0; step < kRows; ++step) {
            order[at++] = {player == Player::Computer ? kRows - 1 - step : step, column};
        }
    }
    return order;
}
inline constexpr PerPlayer<std::array<Slot, kSlots>> kPlacementOrder{
    {PlacementOrderOf(Player::Human), PlacementOrderOf(Player::Computer)}};

// The 21 slots of the table and the cards in them.
class TableGrid {
  public:
    std::optional<Card> At(Slot slot) const {
        const int index = ScanIndex(slot);
        if ((occupied_ & (1u << index)) == 0) return std::nullopt;
        return cards_[index];
    }
    void Put(Slot slot, Card card) {
        const int index = ScanIndex(slot);
        cards_[index] = card;
        occupied_ |= 1u << index;
    }
    void Clear(Slot slot) { occupied_ &= ~(1u << ScanIndex(slot)); }
    void ClearAll() { occupied_ = 0; }

    int Count() const { return std::popcount(occupied_); }
    bool Empty() const { return occupied_ == 0; }
    std::optional<Slot> SlotOf(Card card) const {
        for (const Slot slot : OccupiedSlots()) {
            if (cards_[ScanIndex(slot)] == card) return slot;
        }
        return std::nullopt;
    }
    bool Contains(Card card) const { return SlotOf(card).has_value(); }

    // The occupied slots in scan order, as they are when the loop starts: a loop may empty the
    // slot it visits.
    class Slots {
      public:
        class Iterator {
          public:
            explicit Iterator(uint32_t left) : left_(left) {}
            Slot operator*() const { return SlotAtScanIndex(std::countr_zero(left_)); }
            Iterator& operator++() {
                left_ &= left_ - 1;
                return *this;
            }
            bool operator==(const Iterator&) const = default;

          private:
            uint32_t left_;
        };
        explicit Slots(uint32_t occupied) : occupied_(occupied) {}
        Iterator begin() const { return Iterator(occupied_); }
        Iterator end() const { return Iterator(0); }

      private:
        uint32_t occupied_;
    };
    Slots OccupiedSlots() const { return Slots(occupied_); }

    // Bit i set when the slot of scan index i holds a card.
    uint32_t OccupiedBits() const { return occupied_; }

    bool operator==(const TableGrid& other) const {
        if (occupied_ != other.occupied_) return false;
        for (const Slot slot : OccupiedSlots()) {
            if (At(slot) != other.At(slot)) return false;
        }
        return true;
    }

  private:
    std::array<Card, kSlots> cards_{};
    uint32_t occupied_ = 0;
};

}  // namespace vorbia
