#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <optional>

#include "Card.h"
#include "CardSet.h"
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
inline constexpr std::array<Slot, kSlots> kScanOrder = [] {
    std::array<Slot, kSlots> order{};
    for (int index = 0; index < kSlots; ++index)
        order[index] = {index / kColumns, index % kColumns};
    return order;
}();
constexpr Slot SlotAtScanIndex(int index) { return kScanOrder[index]; }

// The order in which a laid card finds its slot: column by column from the left, each player
// filling a column from its own side. Kept as scan indexes, since laying a card, every turn,
// tests them against the occupied bits.
constexpr std::array<uint8_t, kSlots> PlacementOrderOf(Player player) {
    std::array<uint8_t, kSlots> order{};
    int at = 0;
    for (int column = 0; column < kColumns; ++column) {
        for (int step = 0; step < kRows; ++step) {
            const int row = player == Player::Computer ? kRows - 1 - step : step;
            order[at++] = static_cast<uint8_t>(ScanIndex({row, column}));
        }
    }
    return order;
}
inline constexpr PerPlayer<std::array<uint8_t, kSlots>> kPlacementOrder{
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
        if (occupied_ & (1u << index)) cardsOnTable_.Remove(cards_[index]);
        cards_[index] = card;
        occupied_ |= 1u << index;
        cardsOnTable_.Add(card);
    }
    void Clear(Slot slot) {
        const int index = ScanIndex(slot);
        if (occupied_ & (1u << index)) cardsOnTable_.Remove(cards_[index]);
        occupied_ &= ~(1u << index);
    }
    void ClearAll() {
        occupied_ = 0;
        cardsOnTable_.Clear();
    }

    // Lays a card in the first free slot of its player's placement order, and says where. The
    // table must not be full. (A slot, not an optional one: GCC builds an optional result in
    // memory and reads it back at a size that stalls the processor, on every card laid. The
    // slot is known free, so it is filled here rather than through Put, which made a simulated
    // match 3 % slower.)
    Slot Lay(Card card, Player player) {
        for (const uint8_t index : kPlacementOrder[player]) {
            if ((occupied_ & (1u << index)) != 0) continue;
            cards_[index] = card;
            occupied_ |= 1u << index;
            cardsOnTable_.Add(card);
            return SlotAtScanIndex(index);
        }
        return {};
    }

    int Count() const { return std::popcount(occupied_); }
    bool Empty() const { return occupied_ == 0; }
    bool Full() const { return occupied_ == (1u << kSlots) - 1; }
    bool Contains(Card card) const { return cardsOnTable_.Contains(card); }
    // The card of an occupied slot, by its scan index.
    Card CardAtScanIndex(int index) const { return cards_[index]; }

    struct SlotAndCard {
        Slot slot;
        Card card;
    };
    // The occupied slots in scan order with their cards, as they are when the loop starts: a
    // loop may empty the slot it visits.
    class Slots {
      public:
        class Iterator {
          public:
            Iterator(const TableGrid& grid, uint32_t left) : grid_(&grid), left_(left) {}
            SlotAndCard operator*() const {
                const int index = std::countr_zero(left_);
                return {SlotAtScanIndex(index), grid_->cards_[index]};
            }
            Iterator& operator++() {
                left_ &= left_ - 1;
                return *this;
            }
            bool operator==(const Iterator& other) const { return left_ == other.left_; }

          private:
            const TableGrid* grid_;
            uint32_t left_;
        };
        Slots(const TableGrid& grid, uint32_t occupied) : grid_(grid), occupied_(occupied) {}
        Iterator begin() const { return Iterator(grid_, occupied_); }
        Iterator end() const { return Iterator(grid_, 0); }

      private:
        const TableGrid& grid_;
        uint32_t occupied_;
    };
    Slots OccupiedSlots() const { return Slots(*this, occupied_); }

    // Bit i set when the slot of scan index i holds a card.
    uint32_t OccupiedBits() const { return occupied_; }

    bool operator==(const TableGrid& other) const {
        if (occupied_ != other.occupied_) return false;
        for (const auto [slot, card] : OccupiedSlots()) {
            if (other.At(slot) != card) return false;
        }
        return true;
    }

  private:
    std::array<Card, kSlots> cards_{};
    uint32_t occupied_ = 0;
    // The same cards by their place in the deck, so that finding one needs no search.
    CardSet cardsOnTable_;
};

}  // namespace vorbia
