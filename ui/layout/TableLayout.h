#pragma once

#include "Players.h"
#include "TableGrid.h"

namespace vorbia {

// Where everything stands on the card table, in device-independent pixels of its drawing area
// (origin at the top left, y downwards). The window and the console both place the game's
// cards and captions from here; nothing else knows a pixel of the table.

struct Position {
    int left;
    int top;
    friend constexpr bool operator==(Position, Position) = default;
};

struct Extent {
    int width;
    int height;
};

struct Box {
    int left;
    int top;
    int width;
    int height;
};

constexpr Extent kCardSize{58, 99};

constexpr int kTitlePanelHeight = 28;
constexpr int kComputerNamePanelHeight = 30;
constexpr int kHumanNamePanelHeight = 30;

// The line at the table's left edge, from below the panels at the top to the bottom.
constexpr int kTableEdgeX = 158;
constexpr int kTableEdgeTop = 48;

constexpr int kNewMatchButtonLeft = 6;
constexpr int kNewMatchButtonTop = 3;
constexpr int kNewMatchButtonSize = 22;
// The new-match button's picture, shown at its own size: scaled down it blurs.
constexpr Extent kNewMatchPictureSize{22, 21};

// Inside the computer's name panel.
constexpr Box kLastCardCaption{4, 7, 122, 13};

constexpr PerPlayer<int> kScoreLeft{{3, 4}};
constexpr Extent kScoreCaptionSize{67, 16};
constexpr Extent kScoreBarSize{67, 7};

// The background picture's place and size before any picture is loaded into it.
constexpr Box kBackgroundDesignBox{364, 144, 157, 154};

// The drawing area the table was designed around; tests use it instead of the screen.
constexpr Extent kDesignDrawingArea{1016, 700};

// Where a card that is out of sight waits: just below the drawing area.
constexpr int HiddenTop(int drawingHeight) { return drawingHeight; }
// The background picture, out of the way for good once a hand has begun.
constexpr int BackgroundHiddenTop(int drawingHeight) { return drawingHeight + 10; }

// The places of one hand. The piles are laid for the drawing area's height when the hand
// begins and stay there; the slots spread over the area's width at the time a card is laid.
class TableLayout {
  public:
    TableLayout(int drawingWidth, int pilesHeight);

    Position Pile(Player owner) const;
    // Where a player's uncovered card waits, beside the player's pile.
    Position PlaySpot(Player player) const;
    Position SlotPosition(Slot slot) const;
    // The cut cards stand a little right of their owners' piles, and leave off the left edge.
    Position CutCard(Player owner) const;
    Position CutCardAway(Player owner) const;
    // Taken cards leave the table off its left edge, level with the taker's pile.
    Position TakenCard(Player taker) const;

    int ScoreCaptionTop(Player owner) const;
    int ScoreBarTop(Player owner) const;

  private:
    int drawingWidth_;
    int pilesHeight_;
};

// Where a score bar's filled box ends, in pixels from its left: in proportion to the score
// against the winning score, less 3. Negative when the score is low.
int ScoreBarRight(int score);

}  // namespace vorbia
