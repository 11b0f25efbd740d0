// The 21 slots of the table: where they lie, how they fill up, and the selection frames.
#include <cmath>

#include "MatchEngine.h"

namespace vorbia {

namespace {

int16_t& Slot(MatchState& state, int row, int column) {
    return state.TableGrid[static_cast<size_t>(row)][static_cast<size_t>(column)];
}

}  // namespace

PictureBox MatchEngine::SlotPosition(int row, int column) const {
    const PictureBox humanPile = window_.CardBox(kHumanPile);
    const PictureBox computerPile = window_.CardBox(kComputerPile);
    const int rowStep = static_cast<int>(std::lround(humanPile.top - computerPile.top)) / 2;
    const int columnStep =
        (window_.DrawingWidth() - window_.TableEdgeX() - computerPile.width - 20) / 6;
    return {window_.TableEdgeX() + 5 + (column - 1) * columnStep,
            humanPile.top - (row - 1) * rowStep, computerPile.width, computerPile.height};
}

void MatchEngine::ToggleSelection(int card) {
    auto& flag = state_.Selected[static_cast<size_t>(card)];
    window_.DrawSelectionFrame(card, flag == kFalse);
    flag = static_cast<int16_t>(~flag);
}

void MatchEngine::ClearSelection() {
    for (int row = 1; row <= kRows; ++row) {
        for (int column = 1; column <= kColumns; ++column) {
            const int card = Slot(state_, row, column);
            if (card != 0 && state_.Selected[static_cast<size_t>(card)] != kFalse) {
                ToggleSelection(card);
            }
        }
    }
}

// Placement order: column by column, each player filling a column from its own side.
bool MatchEngine::PlaceOnTable(int card, int& left, int& top) {
    if (card > kCardCount) card = state_.CurrentCard;
    const bool fromComputersSide = state_.Turn == kComputer;
    for (int column = 1; column <= kColumns; ++column) {
        for (int step = 0; step < kRows; ++step) {
            const int row = fromComputersSide ? kRows - step : 1 + step;
            auto& slot = Slot(state_, row, column);
            if (slot != 0) continue;
            slot = static_cast<int16_t>(card);
            const PictureBox position = SlotPosition(row, column);
            left = position.left;
            top = position.top;
            return true;
        }
    }
    return false;
}

void MatchEngine::RecountTable() {
    int count = 0;
    const bool humansTurn = state_.Turn == kHuman;
    for (int row = 1; row <= kRows; ++row) {
        for (int column = 1; column <= kColumns; ++column) {
            const int card = Slot(state_, row, column);
            if (card == 0) continue;
            ++count;
            window_.SetClickable(card, humansTurn);
        }
    }
    state_.TableCount = static_cast<int16_t>(count);
    if (humansTurn && state_.CurrentCard > 0) window_.SetClickable(state_.CurrentCard, true);
}

bool MatchEngine::IsOnTable(int card) const {
    for (const auto& row : state_.TableGrid) {
        for (int cell : row) {
            if (cell == card) return true;
        }
    }
    return false;
}

}  // namespace vorbia
