// The 21 slots of the table: where they lie, how they fill up, and the selection frames.

#include <bit>
#include <cstdint>

#include "MatchEngine.h"
#include "TableOrders.h"

namespace vorbia {

PictureBox MatchEngine::SlotPosition(Slot slot) const {
    const PictureBox humanPile = window_.CardBox(kHumanPile);
    const PictureBox computerPile = window_.CardBox(kComputerPile);
    const int rowStep = (humanPile.top - computerPile.top) / 2;
    const int columnStep =
        (window_.DrawingWidth() - window_.TableEdgeX() - computerPile.width - 20) / 6;
    return {window_.TableEdgeX() + 5 + (slot.column - 1) * columnStep,
            humanPile.top - (slot.row - 1) * rowStep, computerPile.width, computerPile.height};
}

void MatchEngine::ToggleSelection(int card) {
    if (windowShowsAnything_) window_.DrawSelectionFrame(card, !state_.Selected[card]);
    state_.Selected.flip(card);
}

void MatchEngine::ClearSelection() {
    // Most turns start with nothing selected.
    if (state_.Selected.none()) return;
    // Toggling changes no slot, so the grid can be read as it goes.
    for (int row = 1; row <= kRows; ++row) {
        for (int column = 1; column <= kColumns; ++column) {
            const int card = state_.TableGrid[row][column];
            if (card != 0 && state_.Selected[card]) ToggleSelection(card);
        }
    }
}

int MatchEngine::SelectionSum(int start, int limit) const {
    // Most plays are made with nothing selected, and most sums stay within the limit. A
    // selected card always lies on the table, and a sum within the limit is the same in any
    // order, so it is added up from the few selected cards; only a sum above the limit is
    // added up in scan order, to stop where it first passes the limit.
    int whole = start;
    for (uint64_t selected = state_.Selected.to_ullong(); selected != 0; selected &= selected - 1) {
        whole += CardValue(std::countr_zero(selected));
    }
    if (whole <= limit) return whole;

    int sum = start;
    for (int row = 1; row <= kRows; ++row) {
        for (int column = 1; column <= kColumns; ++column) {
            const int card = state_.TableGrid[row][column];
            if (card == 0 || !state_.Selected[card]) continue;
            sum += CardValue(card);
            if (sum > limit) return sum;
        }
    }
    return sum;
}

bool MatchEngine::PlaceOnTable(int card, int& left, int& top) {
    if (card > kCardCount) card = state_.CurrentCard;
    for (const Slot slot : PlacementOrder(state_.Turn)) {
        if (state_.CardAt(slot) != 0) continue;
        state_.CardAt(slot) = card;
        const PictureBox position = SlotPosition(slot);
        left = position.left;
        top = position.top;
        return true;
    }
    return false;
}

void MatchEngine::RecountTable() {
    // Row 0 and column 0 lie off the table and stay empty, so the whole grid can be swept at
    // once, which the compiler turns into a few vector comparisons; the empty cells are counted,
    // one comparison fewer a cell than counting the cards.
    constexpr int kCells = (kRows + 1) * (kColumns + 1);
    int emptyCells = 0;
    for (const auto& row : state_.TableGrid) {
        for (const int card : row) emptyCells += card == 0 ? 1 : 0;
    }
    state_.TableCount = kCells - emptyCells;
    if (windowShowsAnything_) SendClickable();
}

void MatchEngine::SendClickable() {
    const bool humansTurn = state_.Turn == Player::Human;
    for (const Slot slot : OccupiedSlots(state_)) {
        window_.SetClickable(state_.CardAt(slot), humansTurn);
    }
    if (humansTurn && state_.CurrentCard > 0) window_.SetClickable(state_.CurrentCard, true);
}

bool MatchEngine::IsOnTable(int card) const {
    for (int row = 1; row <= kRows; ++row) {
        for (int column = 1; column <= kColumns; ++column) {
            if (state_.TableGrid[row][column] == card) return true;
        }
    }
    return false;
}

}  // namespace vorbia
