#pragma once

#include <bitset>
#include <cstdint>

#include "Card.h"

namespace vorbia {

// A set of cards, by their place in the deck's order.
class CardSet {
  public:
    bool Contains(Card card) const { return bits_[static_cast<size_t>(DeckPosition(card))]; }
    void Add(Card card) { bits_.set(static_cast<size_t>(DeckPosition(card))); }
    void Remove(Card card) { bits_.reset(static_cast<size_t>(DeckPosition(card))); }
    void Flip(Card card) { bits_.flip(static_cast<size_t>(DeckPosition(card))); }
    void Clear() { bits_.reset(); }
    int Count() const { return static_cast<int>(bits_.count()); }
    bool Empty() const { return bits_.none(); }
    // Bit p set when the card at place p of the deck is in the set.
    uint64_t Bits() const { return bits_.to_ullong(); }
    bool operator==(const CardSet&) const = default;

  private:
    std::bitset<kCardCount> bits_;
};

}  // namespace vorbia
