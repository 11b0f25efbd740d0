#pragma once

#include <bit>
#include <cstdint>

#include "Card.h"

namespace vorbia {

// A card's bit in a set of cards kept as bits.
constexpr uint64_t CardBit(Card card) { return uint64_t{1} << DeckPosition(card); }
// The bits of all 40 cards.
inline constexpr uint64_t kWholeDeckBits = (uint64_t{1} << kCardCount) - 1;

// A set of cards, by their place in the deck's order: bit p stands for the card at place p.
class CardSet {
  public:
    bool Contains(Card card) const { return (bits_ & CardBit(card)) != 0; }
    void Add(Card card) { bits_ |= CardBit(card); }
    void Remove(Card card) { bits_ &= ~CardBit(card); }
    void Flip(Card card) { bits_ ^= CardBit(card); }
    void Clear() { bits_ = 0; }
    int Count() const { return std::popcount(bits_); }
    bool Empty() const { return bits_ == 0; }
    bool Full() const { return bits_ == kWholeDeckBits; }
    // Bit p set when the card at place p of the deck is in the set.
    uint64_t Bits() const { return bits_; }
    bool operator==(const CardSet&) const = default;

  private:
    uint64_t bits_ = 0;
};

}  // namespace vorbia
