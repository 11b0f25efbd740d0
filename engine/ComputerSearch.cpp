#include "ComputerSearch.h"

#include <algorithm>
#include <cstdint>

#include "Card.h"

namespace vorbia {

namespace {

struct TableCard {
    int8_t card;
    int8_t value;
    int8_t suit;
    int8_t points;
    uint8_t rowBit;
    uint8_t columnBit;
};

// Value, suit and point of every card number, worked out once.
constexpr std::array<TableCard, kCardCount + 1> kCards = [] {
    std::array<TableCard, kCardCount + 1> cards{};
    for (int card = 1; card <= kCardCount; ++card) {
        const SuitAndValue split = SplitCard(card);
        cards[card] = {static_cast<int8_t>(card),
                       static_cast<int8_t>(split.value),
                       static_cast<int8_t>(split.suit),
                       static_cast<int8_t>(CardPoints(card)),
                       0,
                       0};
    }
    return cards;
}();

// Occupied slots in scan order. An empty slot reads as a 10 of no suit, which can never
// complete a capture, so leaving them out loses nothing. Only the first count places are
// ever read, so they are not cleared beforehand.
struct TableCards {
    std::array<TableCard, kSlots> cards;
    int count = 0;
    int pointCards = 0;

    void Add(const TableCard& card) {
        cards[count++] = card;
        pointCards += card.points;
    }
};

TableCards CardsInScanOrder(const MatchState& state) {
    TableCards table;
    for (int row = 1; row <= kRows; ++row) {
        for (int column = 1; column <= kColumns; ++column) {
            const int card = state.TableGrid[row][column];
            if (card <= 0 || card > kCardCount) continue;
            TableCard tableCard = kCards[card];
            tableCard.rowBit = static_cast<uint8_t>(1u << row);
            tableCard.columnBit = static_cast<uint8_t>(1u << column);
            table.Add(tableCard);
        }
    }
    return table;
}

TableCards CardsOfSuit(const TableCards& table, int suit) {
    TableCards ofSuit;
    for (int index = 0; index < table.count; ++index) {
        if (table.cards[index].suit == suit) ofSuit.Add(table.cards[index]);
    }
    return ofSuit;
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
// in which captures are first met, are the same here. The visitor returns true to stop.
template <int N, class Visitor>
class CaptureWalk {
  public:
    CaptureWalk(const TableCards& table, int target, Visitor& visit)
        : table_(table), target_(target), visit_(visit) {}

    // Four slots can never lie in four different rows, so only their columns can tell them
    // apart; two slots taken in scan order are always different.
    bool Run() { return Step<0>(0, 0, 0u, 0u, N <= kRows, true); }

  private:
    template <int Depth>
    bool Step(int first, int sum, unsigned rows, unsigned columns, bool rowsDiffer,
              bool columnsDiffer) {
        constexpr int kStillToCome = N - Depth - 1;
        for (int index = first; index < table_.count - kStillToCome; ++index) {
            const TableCard& card = table_.cards[index];
            const int newSum = sum + card.value;
            // Every card is worth at least 1, so the cards still to come need room too.
            if constexpr (kStillToCome == 0) {
                if (newSum != target_) continue;
            } else {
                if (newSum + kStillToCome > target_) continue;
            }
            const bool newRowsDiffer = rowsDiffer && (rows & card.rowBit) == 0;
            const bool newColumnsDiffer = columnsDiffer && (columns & card.columnBit) == 0;
            if (!newRowsDiffer && !newColumnsDiffer) continue;
            tuple_[Depth] = &card;
            if constexpr (kStillToCome == 0) {
                if (visit_(tuple_)) return true;
            } else {
                if (Step<Depth + 1>(index + 1, newSum, rows | card.rowBit, columns | card.columnBit,
                                    newRowsDiffer, newColumnsDiffer)) {
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
bool VisitCaptures(const TableCards& table, int target, Visitor&& visit) {
    return CaptureWalk<N, Visitor>(table, target, visit).Run();
}

template <int N>
bool FindSameSuitCapture(const TableCards& ofSuit, int target, ComputerChoice& choice) {
    return VisitCaptures<N>(ofSuit, target, [&choice](const Tuple& tuple) {
        choice = CardsOf<N>(tuple);
        return true;
    });
}

// The candidates are not stored: only the first one and the first with a strictly higher
// score can be chosen, so a table with more than 100 candidates loses none of them and the
// choice rule holds over all of them.
class BestCapture {
  public:
    template <int N>
    void Consider(const Tuple& tuple) {
        int score = 0;
        for (int place = 0; place < N; ++place) score += tuple[place]->points;
        if (!any_) {
            first_ = CardsOf<N>(tuple);
            any_ = true;
        }
        // Only a strictly higher score replaces the best: ties go to what was found first.
        if (score > bestScore_) {
            bestScore_ = score;
            best_ = CardsOf<N>(tuple);
        }
    }

    // True once no capture still to come could score more than highest.
    bool Settled(int highest) const { return any_ && bestScore_ >= highest; }

    // Every candidate scoring 0 means the first one found.
    ComputerChoice Choice() const { return bestScore_ > 0 ? best_ : first_; }

  private:
    ComputerChoice first_;
    ComputerChoice best_;
    int bestScore_ = 0;
    bool any_ = false;
};

template <int N>
void ConsiderCaptures(const TableCards& table, int target, BestCapture& best) {
    // A capture of N cards holds at most N point cards, and never more than the table has.
    const int highest = std::min(N, table.pointCards);
    if (best.Settled(highest)) return;
    VisitCaptures<N>(table, target, [&best, highest](const Tuple& tuple) {
        best.Consider<N>(tuple);
        return best.Settled(highest);
    });
}

}  // namespace

ComputerChoice ChooseComputerCapture(const MatchState& state) {
    const TableCards table = CardsInScanOrder(state);
    const int tableCount = state.TableCount;
    const int value = state.CurrentValue;

    // The card the human laid last, when it is still there and matches.
    if (tableCount > 0) {
        for (int index = 0; index < table.count; ++index) {
            const TableCard& card = table.cards[index];
            if (card.value == value && card.value == state.LastValue &&
                card.suit == state.LastSuit) {
                return {card.card};
            }
        }
    }

    // Same-suit captures take cards of the computer's suit only; each one needs two cards.
    if (tableCount > 1 && value > 1) {
        const TableCards ofSuit = CardsOfSuit(table, state.CurrentSuit);
        ComputerChoice choice;
        if (tableCount > 3 && value > 3 && FindSameSuitCapture<4>(ofSuit, value, choice)) {
            return choice;
        }
        if (tableCount > 2 && value > 2 && FindSameSuitCapture<3>(ofSuit, value, choice)) {
            return choice;
        }
        if (FindSameSuitCapture<2>(ofSuit, value, choice)) return choice;
    }

    BestCapture best;
    if (tableCount > 3 && value > 3) ConsiderCaptures<4>(table, value, best);
    if (tableCount > 2 && value > 2) ConsiderCaptures<3>(table, value, best);
    if (tableCount > 1 && value > 1) ConsiderCaptures<2>(table, value, best);
    if (tableCount > 0) ConsiderCaptures<1>(table, value, best);
    return best.Choice();
}

}  // namespace vorbia
