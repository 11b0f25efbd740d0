#include "ComputerSearch.h"

#include <algorithm>
#include <bit>
#include <cstdint>

#include "Card.h"

namespace vorbia {

namespace {

// Eight bytes, so that a card is read and written as one word.
struct alignas(8) TableCard {
    Card card;
    uint8_t value;
    uint8_t suit;
    uint8_t points;
    uint8_t rowBit;
    uint8_t columnBit;
};

// Value, suit and point of every card, worked out once, by the card's place in the deck.
constexpr std::array<TableCard, kCardCount> kCards = [] {
    std::array<TableCard, kCardCount> cards{};
    for (int position = 0; position < kCardCount; ++position) {
        const Card card = CardAtDeckPosition(position);
        cards[position] = {card,
                           card.value,
                           static_cast<uint8_t>(card.suit),
                           static_cast<uint8_t>(CardPoints(card)),
                           0,
                           0};
    }
    return cards;
}();

// The sums up to 10 that some cards can make, for each number of cards: bit s of lane n is set
// when n of the cards add up to s. Distinct slots are not asked for, so a set bit only says
// that a search is worth starting; a clear one that no capture of that size exists.
class ReachableSums {
  public:
    // Every lane moves up one count and on by value at once, which updates each lane from the
    // one below as it was before this card. Sums past 10 are cut before the shift so that no
    // lane spills into the next: one mask and one shift a card instead of a loop over lanes.
    void Add(int value) { lanes_ |= (lanes_ & kKeepBelow[value]) << (kLaneBits + value); }
    bool Reach(int count, int sum) const { return (lanes_ >> (kLaneBits * count + sum)) & 1u; }
    bool ReachWithAnyCount(int sum) const { return (lanes_ & (kOneOrMoreCards << sum)) != 0; }

  private:
    static constexpr int kLaneBits = 12;
    static constexpr int kHighestSum = 10;
    static_assert(kLaneBits * (ComputerChoice::kMostCards + 1) <= 64);
    static_assert(kHighestSum + kHighestSum < 2 * kLaneBits);

    static constexpr uint64_t kOneOrMoreCards = [] {
        uint64_t lanes = 0;
        for (int count = 1; count <= ComputerChoice::kMostCards; ++count) {
            lanes |= uint64_t{1} << (kLaneBits * count);
        }
        return lanes;
    }();

    // For each value, the sums of every lane but the last that can still take it.
    static constexpr std::array<uint64_t, kHighestSum + 1> kKeepBelow = [] {
        std::array<uint64_t, kHighestSum + 1> keep{};
        for (int value = 1; value <= kHighestSum; ++value) {
            for (int count = 0; count < ComputerChoice::kMostCards; ++count) {
                for (int sum = 0; sum + value <= kHighestSum; ++sum) {
                    keep[value] |= uint64_t{1} << (kLaneBits * count + sum);
                }
            }
        }
        return keep;
    }();

    uint64_t lanes_ = 1;  // no cards make 0
};

// Occupied slots in scan order; an empty slot can never take part in a capture. Only the first
// count places are ever read, so they are not cleared beforehand.
struct TableCards {
    std::array<TableCard, kSlots> cards;
    int count = 0;
    ReachableSums sums;
};

// Counted in locals: stores of the one-byte fields could alias the counters and force them
// back to memory after every card.
// The row and column bits of each slot, by its scan index.
struct SlotLines {
    uint8_t rowBit;
    uint8_t columnBit;
};
constexpr std::array<SlotLines, kSlots> kSlotLines = [] {
    std::array<SlotLines, kSlots> lines{};
    for (int index = 0; index < kSlots; ++index) {
        const Slot slot = SlotAtScanIndex(index);
        lines[index] = {static_cast<uint8_t>(1u << slot.row),
                        static_cast<uint8_t>(1u << slot.column)};
    }
    return lines;
}();

TableCards CardsInScanOrder(const TableGrid& grid) {
    TableCards table;
    int count = 0;
    ReachableSums sums;
    for (uint32_t bits = grid.OccupiedBits(); bits != 0; bits &= bits - 1) {
        const int index = std::countr_zero(bits);
        TableCard tableCard = kCards[DeckPosition(grid.CardAtScanIndex(index))];
        tableCard.rowBit = kSlotLines[index].rowBit;
        tableCard.columnBit = kSlotLines[index].columnBit;
        table.cards[count++] = tableCard;
        sums.Add(tableCard.value);
    }
    table.count = count;
    table.sums = sums;
    return table;
}

int PointCards(const TableCards& table) {
    int points = 0;
    for (int index = 0; index < table.count; ++index) points += table.cards[index].points;
    return points;
}

TableCards CardsOfSuit(const TableCards& table, int suit) {
    TableCards ofSuit;
    int count = 0;
    for (int index = 0; index < table.count; ++index) {
        if (table.cards[index].suit == suit) ofSuit.cards[count++] = table.cards[index];
    }
    ofSuit.count = count;
    return ofSuit;
}

ReachableSums SumsOfSuit(const TableCards& table, int suit) {
    ReachableSums sums;
    for (int index = 0; index < table.count; ++index) {
        if (table.cards[index].suit == suit) sums.Add(table.cards[index].value);
    }
    return sums;
}

using Tuple = std::array<const TableCard*, ComputerChoice::kMostCards>;

template <int N>
ComputerChoice CardsOf(const Tuple& tuple) {
    ComputerChoice choice;
    for (int place = 0; place < N; ++place) choice.Add(tuple[place]->card);
    return choice;
}

// Each capture is visited once, as its slots taken in scan order. The search over every
// ordered tuple of slots meets each set of slots first in that order, because neither the
// distinctness tests nor the sum depend on the order; so the first capture met, and the order
// in which captures are first met, are the same here. The visitor's Take(tuple, score) returns
// true to stop; only captures whose score the visitor's Beats() are visited.
template <int N, class Visitor>
class CaptureWalk {
  public:
    CaptureWalk(const TableCards& table, int target, Visitor& visit)
        : table_(table), target_(target), visit_(visit) {}

    // Four slots can never lie in four different rows, so only their columns can tell them
    // apart; two slots taken in scan order are always different.
    bool Run() { return Step<0>(0, 0, 0, 0u, 0u, N <= kRows, true); }

  private:
    static constexpr bool kRowsOrColumns = N > 2;

    template <int Depth>
    bool Step(int first, int sum, int score, unsigned rows, unsigned columns, bool rowsDiffer,
              bool columnsDiffer) {
        constexpr int kStillToCome = N - Depth - 1;
        for (int index = first; index < table_.count - kStillToCome; ++index) {
            const TableCard& card = table_.cards[index];
            const int newSum = sum + card.value;
            const int newScore = score + card.points;
            // Every card is worth at least 1, so the cards still to come need room too; and
            // each of them adds at most one point.
            if constexpr (kStillToCome == 0) {
                if (newSum != target_ || !visit_.Beats(newScore)) continue;
            } else {
                if (newSum + kStillToCome > target_) continue;
                if (!visit_.Beats(newScore + kStillToCome)) continue;
            }
            bool newRowsDiffer = true;
            bool newColumnsDiffer = true;
            if constexpr (kRowsOrColumns) {
                newRowsDiffer = rowsDiffer && (rows & card.rowBit) == 0;
                newColumnsDiffer = columnsDiffer && (columns & card.columnBit) == 0;
                if (!newRowsDiffer && !newColumnsDiffer) continue;
            }
            tuple_[Depth] = &card;
            if constexpr (kStillToCome == 0) {
                if (visit_.Take(tuple_, newScore)) return true;
            } else {
                if (Step<Depth + 1>(index + 1, newSum, newScore, rows | card.rowBit,
                                    columns | card.columnBit, newRowsDiffer, newColumnsDiffer)) {
                    return true;
                }
            }
        }
        return false;
    }

    const TableCards& table_;
    const int target_;
    Visitor& visit_;
    Tuple tuple_{};
};

template <int N, class Visitor>
bool VisitCaptures(const TableCards& table, int target, Visitor& visit) {
    return CaptureWalk<N, Visitor>(table, target, visit).Run();
}

template <int N>
struct FirstCapture {
    ComputerChoice& choice;
    static constexpr bool Beats(int) { return true; }
    bool Take(const Tuple& tuple, int) {
        choice = CardsOf<N>(tuple);
        return true;
    }
};

template <int N>
bool FindSameSuitCapture(const TableCards& ofSuit, int target, ComputerChoice& choice) {
    FirstCapture<N> first{choice};
    return VisitCaptures<N>(ofSuit, target, first);
}

// The candidates are not stored: only the first one with the highest score can be chosen, so a
// table with more than 100 candidates loses none of them and the choice rule holds over all
// of them. The first candidate always scores above "none yet", so when every candidate scores
// 0 the choice is the first one found.
class BestCapture {
  public:
    // Only a strictly higher score replaces the best: ties go to what was found first.
    bool Beats(int score) const { return score > bestScore_; }

    template <int N>
    void Consider(const Tuple& tuple, int score) {
        if (Beats(score)) {
            bestScore_ = score;
            best_ = CardsOf<N>(tuple);
        }
    }

    // True once no capture still to come could score more than highest.
    bool Settled(int highest) const { return bestScore_ >= highest; }

    const ComputerChoice& Choice() const { return best_; }

  private:
    static constexpr int kNoneYet = -1;
    ComputerChoice best_;
    int bestScore_ = kNoneYet;
};

// Captures that cannot beat the best so far cannot replace it, so the walk skips them.
template <int N>
struct BetterCapture {
    BestCapture& best;
    int highest;
    bool Beats(int score) const { return best.Beats(score); }
    bool Take(const Tuple& tuple, int score) {
        best.Consider<N>(tuple, score);
        return best.Settled(highest);
    }
};

template <int N>
void ConsiderCaptures(const TableCards& table, int pointCards, int target, BestCapture& best) {
    // A capture of N cards holds at most N point cards, and never more than the table has.
    const int highest = std::min(N, pointCards);
    if (best.Settled(highest)) return;
    BetterCapture<N> better{best, highest};
    VisitCaptures<N>(table, target, better);
}

}  // namespace

ComputerChoice ChooseComputerCapture(const MatchState& state) {
    if (!state.CurrentCard) return {};
    const TableCards table = CardsInScanOrder(state.Table);
    const int tableCount = table.count;
    const int value = state.CurrentCard->value;
    // Every step takes cards adding up to the value, so most turns end here.
    if (!table.sums.ReachWithAnyCount(value)) return {};

    // The card the human laid last, when it is still there and matches.
    if (state.LastCard && state.LastCard->value == value && state.Table.Contains(*state.LastCard)) {
        return {*state.LastCard};
    }

    // Same-suit captures take cards of the computer's suit only; each one needs two cards.
    if (tableCount > 1 && value > 1) {
        const int suit = static_cast<int>(state.CurrentCard->suit);
        const ReachableSums sums = SumsOfSuit(table, suit);
        const bool four = tableCount > 3 && sums.Reach(4, value);
        const bool three = tableCount > 2 && sums.Reach(3, value);
        const bool two = sums.Reach(2, value);
        if (four || three || two) {
            const TableCards ofSuit = CardsOfSuit(table, suit);
            ComputerChoice choice;
            if (four && FindSameSuitCapture<4>(ofSuit, value, choice)) return choice;
            if (three && FindSameSuitCapture<3>(ofSuit, value, choice)) return choice;
            if (two && FindSameSuitCapture<2>(ofSuit, value, choice)) return choice;
        }
    }

    // Sizes that no cards of the table add up to are not searched; each card is worth at least
    // 1, so a reachable sum of N cards is at least N.
    const int pointCards = PointCards(table);
    BestCapture best;
    if (tableCount > 3 && table.sums.Reach(4, value)) {
        ConsiderCaptures<4>(table, pointCards, value, best);
    }
    if (tableCount > 2 && table.sums.Reach(3, value)) {
        ConsiderCaptures<3>(table, pointCards, value, best);
    }
    if (tableCount > 1 && table.sums.Reach(2, value)) {
        ConsiderCaptures<2>(table, pointCards, value, best);
    }
    if (tableCount > 0 && table.sums.Reach(1, value)) {
        ConsiderCaptures<1>(table, pointCards, value, best);
    }
    return best.Choice();
}

}  // namespace vorbia
