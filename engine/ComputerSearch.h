#pragma once

#include <algorithm>
#include <array>
#include <initializer_list>

#include "MatchState.h"

namespace vorbia {

// The table cards the computer selects, in the order it selects them; empty when it lays its
// card without capturing. It never takes more than four, so the cards are held in place and a
// move allocates nothing.
class ComputerChoice {
  public:
    static constexpr int kMostCards = 4;
    using value_type = Card;
    using iterator = const Card*;
    using const_iterator = const Card*;

    ComputerChoice() = default;
    ComputerChoice(std::initializer_list<Card> cards) {
        for (const Card card : cards) Add(card);
    }

    void Add(Card card) { cards_[size_++] = card; }
    const Card* begin() const { return cards_.data(); }
    const Card* end() const { return cards_.data() + size_; }
    int size() const { return size_; }
    bool empty() const { return size_ == 0; }
    bool operator==(const ComputerChoice& other) const {
        return std::equal(begin(), end(), other.begin(), other.end());
    }

  private:
    std::array<Card, kMostCards> cards_{};
    int size_ = 0;
};

// The computer's choice for its current card. In order of preference: the card the human laid
// last when it matches; a same-suit capture of four, three, then two cards; then the capture
// whose table cards hold the most point cards, ties going to the larger capture and then to
// the first found in scan order.
ComputerChoice ChooseComputerCapture(const MatchState& state);

}  // namespace vorbia
