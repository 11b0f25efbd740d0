#include "TableLayout.h"

#include <cmath>

#include "MatchState.h"

namespace vorbia {

namespace {

constexpr int kComputerPileTop = 67;
constexpr int kPileLeft = 5;
// The human's pile stands this far above the bottom of the drawing area, below its name panel.
constexpr int kHumanPileBottomGap = 39;
constexpr int kPlaySpotGap = 6;
constexpr int kCutCardShift = 15;
constexpr int kCutAwayLeft = -70;
constexpr int kTakenLeft = -59;
constexpr int kScoreGap = 10;
constexpr int kSlotGap = 5;
constexpr int kRightMargin = 20;

}  // namespace

TableLayout::TableLayout(int drawingWidth, int pilesHeight)
    : drawingWidth_(drawingWidth), pilesHeight_(pilesHeight) {}

Position TableLayout::Pile(Player owner) const {
    if (owner == Player::Computer) return {kPileLeft, kComputerPileTop};
    return {kPileLeft, pilesHeight_ - kHumanPileBottomGap - kCardSize.height};
}

Position TableLayout::PlaySpot(Player player) const {
    const Position pile = Pile(player);
    return {pile.left + kCardSize.width + kPlaySpotGap, pile.top};
}

// Row 0 is level with the human's pile, the last row with the computer's, and the rows between
// share the distance evenly; the columns share the width right of the table's edge.
Position TableLayout::SlotPosition(Slot slot) const {
    const int humanPileTop = Pile(Player::Human).top;
    const int rowStep = (humanPileTop - Pile(Player::Computer).top) / (kRows - 1);
    const int columnStep =
        (drawingWidth_ - kTableEdgeX - kCardSize.width - kRightMargin) / (kColumns - 1);
    return {kTableEdgeX + kSlotGap + slot.column * columnStep, humanPileTop - slot.row * rowStep};
}

Position TableLayout::CutCard(Player owner) const {
    const Position pile = Pile(owner);
    return {pile.left + kCutCardShift, pile.top};
}

Position TableLayout::CutCardAway(Player owner) const { return {kCutAwayLeft, Pile(owner).top}; }

Position TableLayout::TakenCard(Player taker) const { return {kTakenLeft, Pile(taker).top}; }

// The human's score sits above the human's pile with its bar on top; the computer's below the
// computer's pile with its bar underneath.
int TableLayout::ScoreCaptionTop(Player owner) const {
    if (owner == Player::Human) {
        return Pile(Player::Human).top - kScoreGap - kScoreCaptionSize.height;
    }
    return Pile(Player::Computer).top + kCardSize.height + kScoreGap;
}

int TableLayout::ScoreBarTop(Player owner) const {
    if (owner == Player::Human) return ScoreCaptionTop(owner) - kScoreBarSize.height;
    return ScoreCaptionTop(owner) + kScoreCaptionSize.height;
}

int ScoreBarRight(int score) {
    const double width = kScoreBarSize.width;
    // Rounded to nearest, halves to even: the default floating-point rounding mode.
    return static_cast<int>(std::nearbyint(score * width / kWinningScore - 3.0));
}

}  // namespace vorbia
