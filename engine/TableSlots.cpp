// The 21 slots of the table: how they fill up, and the selection.

#include <bit>
#include <cstdint>

#include "MatchEngine.h"

namespace vorbia {

void MatchEngine::DeselectAll() {
    for (const auto [slot, card] : state_.Table.OccupiedSlots()) {
        if (state_.Selected.Contains(card)) ToggleSelection(card);
    }
}

int MatchEngine::SelectionSum(int start, int limit) const {
    // Most plays are made with nothing selected, and most sums stay within the limit. A
    // selected card always lies on the table, and a sum within the limit is the same in any
    // order, so it is added up from the few selected cards; only a sum above the limit is
    // added up in scan order, to stop where it first passes the limit.
    int whole = start;
    for (uint64_t selected = state_.Selected.Bits(); selected != 0; selected &= selected - 1) {
        whole += CardAtDeckPosition(std::countr_zero(selected)).value;
    }
    if (whole <= limit) return whole;

    int sum = start;
    for (const auto [slot, card] : state_.Table.OccupiedSlots()) {
        if (!state_.Selected.Contains(card)) continue;
        sum += card.value;
        if (sum > limit) return sum;
    }
    return sum;
}

// Which cards the human may click: on the human's turn the table cards and the uncovered card.
void MatchEngine::SendClickable() {
    const bool humansTurn = state_.Turn == Player::Human;
    for (const auto [slot, card] : state_.Table.OccupiedSlots()) {
        display_.CardClickable(card, humansTurn);
    }
    if (humansTurn && state_.CurrentCard) display_.CardClickable(*state_.CurrentCard, true);
}

}  // namespace vorbia
