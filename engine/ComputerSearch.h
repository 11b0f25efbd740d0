#pragma once

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
    using value_type = int;
    using iterator = const int*;
    using const_iterator = const int*;

    ComputerChoice() = default;
    ComputerChoice(std::initializer_list<int> cards) {
        for (int card : cards) Add(card);
    }

    void Add(int card) { cards_[size_++] = card; }
    const int* begin() const { return cards_.data(); }
    const int* end() const { return cards_.data() + size_; }
    int size() const { return size_; }
    bool empty() const { return size_ == 0; }
    // Places beyond size() stay 0, so comparing every place compares the choices.
    bool operator==(const ComputerChoice&) const = default;

  private:
    std::array<int, kMostCards> cards_{};
    int size_ = 0;
};

// The computer's choice for its current card. In order of preference: the card the human laid
// last when it matches; a same-suit capture of four, three, then two cards; then the capture
// whose table cards hold the most point cards, ties going to the larger capture and then to
// the first found in scan order.
ComputerChoice ChooseComputerCapture(const MatchState& state);

}  // namespace vorbia
