#include "ComputerSearch.h"

#include <array>

#include "Card.h"

namespace vorbia {

namespace {

struct TableCard {
    int card;
    int value;
    int suit;
    int row;
    int column;
};

// Occupied slots in scan order. Empty slots can never be part of an accepted capture, so
// leaving them out keeps every capture in the order the full search over all 21 slots meets it.
std::vector<TableCard> CardsInScanOrder(const MatchState& state) {
    std::vector<TableCard> cards;
    for (int position = 1; position <= kSlots; ++position) {
        const int row = SlotRow(position);
        const int column = SlotColumn(position);
        const int card = state.TableGrid[static_cast<size_t>(row)][static_cast<size_t>(column)];
        if (card == 0) continue;
        const SuitAndValue split = SplitCard(card);
        cards.push_back({card, split.value, split.suit, row, column});
    }
    return cards;
}

// Three or four slots count as distinct only when they lie in pairwise different rows, or in
// pairwise different columns; two slots whenever they are not the same slot.
template <size_t N>
bool Distinct(const std::array<const TableCard*, N>& slots) {
    bool rowsDiffer = true;
    bool columnsDiffer = true;
    for (size_t a = 0; a < N; ++a) {
        for (size_t b = a + 1; b < N; ++b) {
            rowsDiffer = rowsDiffer && slots[a]->row != slots[b]->row;
            columnsDiffer = columnsDiffer && slots[a]->column != slots[b]->column;
        }
    }
    if constexpr (N == 2) return slots[0] != slots[1];
    return rowsDiffer || columnsDiffer;
}

// Visits every ordered tuple of N table cards whose values add up to target, in the order of
// nested loops over the slots with the first index outermost. The visitor returns true to stop.
template <size_t N, class Visitor>
bool VisitCaptures(const std::vector<TableCard>& cards, int target, Visitor&& visit) {
    std::array<const TableCard*, N> tuple{};
    auto recurse = [&](auto&& self, size_t depth, int sum) -> bool {
        if (depth == N) return sum == target && Distinct(tuple) && visit(tuple);
        for (const TableCard& card : cards) {
            // Every value is at least 1, so a sum that leaves no room for the rest is hopeless.
            if (sum + card.value + static_cast<int>(N - depth - 1) > target) continue;
            tuple[depth] = &card;
            if (self(self, depth + 1, sum + card.value)) return true;
        }
        return false;
    };
    return recurse(recurse, 0, 0);
}

template <size_t N>
std::vector<int> CardsOf(const std::array<const TableCard*, N>& tuple) {
    std::vector<int> selection;
    for (const TableCard* slot : tuple) selection.push_back(slot->card);
    return selection;
}

template <size_t N>
bool FindSameSuitCapture(const std::vector<TableCard>& cards, const MatchState& state,
                         std::vector<int>& selection) {
    return VisitCaptures<N>(cards, state.CurrentValue, [&](const auto& tuple) {
        for (const TableCard* slot : tuple) {
            if (slot->suit != state.CurrentSuit) return false;
        }
        selection = CardsOf(tuple);
        return true;
    });
}

struct BestCapture {
    std::vector<int> first;  // taken when every candidate scores 0
    std::vector<int> best;
    int bestScore = 0;
    bool any = false;

    template <size_t N>
    void Consider(const std::array<const TableCard*, N>& tuple) {
        int score = 0;
        for (const TableCard* slot : tuple) score += CardPoints(slot->card);
        if (!any) {
            first = CardsOf(tuple);
            any = true;
        }
        // Only a strictly higher score replaces the best: ties go to what was found first.
        if (score > bestScore) {
            bestScore = score;
            best = CardsOf(tuple);
        }
    }

    std::vector<int> Choice() const { return bestScore > 0 ? best : first; }
};

}  // namespace

std::vector<int> ChooseComputerCapture(const MatchState& state) {
    const std::vector<TableCard> cards = CardsInScanOrder(state);
    const int tableCount = state.TableCount;
    const int value = state.CurrentValue;

    // The card the human laid last, when it is still there and matches.
    if (tableCount > 0) {
        for (const TableCard& card : cards) {
            if (card.value == value && card.value == state.LastValue && card.suit == state.LastSuit) {
                return {card.card};
            }
        }
    }

    std::vector<int> selection;
    if (tableCount > 3 && value > 3 && FindSameSuitCapture<4>(cards, state, selection)) return selection;
    if (tableCount > 2 && value > 2 && FindSameSuitCapture<3>(cards, state, selection)) return selection;
    if (tableCount > 1 && value > 1 && FindSameSuitCapture<2>(cards, state, selection)) return selection;

    BestCapture best;
    auto consider = [&best](const auto& tuple) {
        best.Consider(tuple);
        return false;
    };
    if (tableCount > 3 && value > 3) VisitCaptures<4>(cards, value, consider);
    if (tableCount > 2 && value > 2) VisitCaptures<3>(cards, value, consider);
    if (tableCount > 1 && value > 1) VisitCaptures<2>(cards, value, consider);
    if (tableCount > 0) VisitCaptures<1>(cards, value, consider);
    if (!best.any) return {};
    return best.Choice();
}

}  // namespace vorbia
