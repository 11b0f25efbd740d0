// The computer's choice on hand-built tables, one step of its search at a time. The literal
// search must agree on each, so a wrong expectation here cannot hide behind the fast search.
#include <gtest/gtest.h>

#include <vector>

#include "Card.h"
#include "ComputerSearch.h"
#include "LiteralComputerSearch.h"
#include "MatchState.h"

namespace vorbia {
namespace {

enum Suit { Denare = 1, Coppe = 2, Bastoni = 3, Spade = 4 };

constexpr int CardOf(int value, Suit suit) { return (suit - 1) * 10 + value; }

// The computer to move with `current`; the human laid `last` in the turn before.
class Table {
  public:
    Table(int current, int last) {
        state_.Turn = kComputer;
        state_.CurrentCard = static_cast<int16_t>(current);
        state_.CurrentValue = static_cast<int16_t>(CardValue(current));
        state_.CurrentSuit = static_cast<int16_t>(CardSuit(current));
        state_.LastValue = static_cast<int16_t>(CardValue(last));
        state_.LastSuit = static_cast<int16_t>(CardSuit(last));
    }

    Table& Put(int row, int column, int card) {
        state_.TableGrid[static_cast<size_t>(row)][static_cast<size_t>(column)] =
            static_cast<int16_t>(card);
        ++state_.TableCount;
        return *this;
    }

    std::vector<int> Choice() const {
        const ComputerChoice choice = ChooseComputerCapture(state_);
        const std::vector<int> fast(choice.begin(), choice.end());
        EXPECT_EQ(fast, LiteralComputerCapture(state_)) << "fast and literal searches disagree";
        return fast;
    }

  private:
    MatchState state_;
};

using Cards = std::vector<int>;

TEST(ComputerChoice, TakesTheCardTheHumanJustLaidBeforeASameSuitPair) {
    const int sixOfCoppe = CardOf(6, Coppe);
    Table table(CardOf(6, Bastoni), sixOfCoppe);
    table.Put(1, 1, CardOf(2, Bastoni)).Put(1, 2, CardOf(4, Bastoni)).Put(2, 3, sixOfCoppe);
    EXPECT_EQ(table.Choice(), Cards{sixOfCoppe});

    // Another 6 is not the human's last card: the same-suit pair comes first.
    Table otherSix(CardOf(6, Bastoni), sixOfCoppe);
    otherSix.Put(1, 1, CardOf(2, Bastoni))
        .Put(1, 2, CardOf(4, Bastoni))
        .Put(2, 3, CardOf(6, Denare));
    EXPECT_EQ(otherSix.Choice(), (Cards{CardOf(2, Bastoni), CardOf(4, Bastoni)}));
}

TEST(ComputerChoice, SameSuitPairBeatsASingleCardOfTheSameValue) {
    Table table(CardOf(7, Denare), CardOf(5, Coppe));
    table.Put(1, 1, CardOf(7, Spade)).Put(1, 2, CardOf(4, Denare)).Put(3, 5, CardOf(3, Denare));
    EXPECT_EQ(table.Choice(), (Cards{CardOf(4, Denare), CardOf(3, Denare)}));
}

TEST(ComputerChoice, SameSuitFourBeforeThreeAndFourNeedFourColumns) {
    // Coppe 1 + 2 + 3 + 4 and Coppe 1 + 2 + 7 both make the Re di Coppe's 10.
    Table table(CardOf(10, Coppe), CardOf(5, Spade));
    table.Put(1, 1, CardOf(1, Coppe)).Put(1, 2, CardOf(2, Coppe)).Put(1, 3, CardOf(3, Coppe));
    table.Put(1, 4, CardOf(4, Coppe)).Put(2, 5, CardOf(7, Coppe));
    EXPECT_EQ(table.Choice(),
              (Cards{CardOf(1, Coppe), CardOf(2, Coppe), CardOf(3, Coppe), CardOf(4, Coppe)}));

    // With the 4 below the 1 the four share a column and fail; the three remain.
    Table sharedColumn(CardOf(10, Coppe), CardOf(5, Spade));
    sharedColumn.Put(1, 1, CardOf(1, Coppe))
        .Put(1, 2, CardOf(2, Coppe))
        .Put(1, 3, CardOf(3, Coppe));
    sharedColumn.Put(2, 1, CardOf(4, Coppe)).Put(2, 5, CardOf(7, Coppe));
    EXPECT_EQ(sharedColumn.Choice(), (Cards{CardOf(1, Coppe), CardOf(2, Coppe), CardOf(7, Coppe)}));
}

TEST(ComputerChoice, APointCardBeatsCapturesWorthNothing) {
    Table table(CardOf(9, Denare), CardOf(2, Coppe));
    table.Put(1, 1, CardOf(4, Bastoni)).Put(1, 2, CardOf(5, Spade)).Put(2, 2, CardOf(9, Coppe));
    EXPECT_EQ(table.Choice(), Cards{CardOf(9, Coppe)});
}

TEST(ComputerChoice, WhenNothingScoresTheFirstCaptureFoundWins) {
    // The pair is recorded before any single card, wherever the 5 lies.
    Table table(CardOf(5, Denare), CardOf(8, Coppe));
    table.Put(1, 1, CardOf(5, Spade)).Put(1, 2, CardOf(2, Coppe)).Put(2, 1, CardOf(3, Bastoni));
    EXPECT_EQ(table.Choice(), (Cards{CardOf(2, Coppe), CardOf(3, Bastoni)}));
}

TEST(ComputerChoice, ThreeCardsNeedDifferentRowsOrDifferentColumns) {
    // Rows 1, 1, 2 and columns 1, 2, 1: neither all different, so no capture at all.
    Table table(CardOf(6, Denare), CardOf(8, Coppe));
    table.Put(1, 1, CardOf(1, Coppe)).Put(1, 2, CardOf(2, Bastoni)).Put(2, 1, CardOf(3, Spade));
    EXPECT_EQ(table.Choice(), Cards{});

    Table columnsDiffer(CardOf(6, Denare), CardOf(8, Coppe));
    columnsDiffer.Put(1, 1, CardOf(1, Coppe))
        .Put(1, 2, CardOf(2, Bastoni))
        .Put(2, 3, CardOf(3, Spade));
    EXPECT_EQ(columnsDiffer.Choice(),
              (Cards{CardOf(1, Coppe), CardOf(2, Bastoni), CardOf(3, Spade)}));
}

TEST(ComputerChoice, AnAssoCanOnlyTakeAnAsso) {
    Table table(CardOf(1, Denare), CardOf(8, Coppe));
    table.Put(1, 1, CardOf(10, Spade)).Put(1, 2, CardOf(2, Denare)).Put(3, 7, CardOf(1, Bastoni));
    EXPECT_EQ(table.Choice(), Cards{CardOf(1, Bastoni)});

    Table noAsso(CardOf(1, Denare), CardOf(8, Coppe));
    noAsso.Put(1, 1, CardOf(10, Spade)).Put(1, 2, CardOf(2, Denare));
    EXPECT_EQ(noAsso.Choice(), Cards{});
}

TEST(ComputerChoice, TiesGoToTheLargerCaptureButMorePointsWin) {
    // Asso + 2 + 3 + 4 holds one point card, as does the Re alone: the four were found first.
    Table tie(CardOf(10, Denare), CardOf(6, Coppe));
    tie.Put(1, 1, CardOf(10, Spade)).Put(1, 2, CardOf(1, Bastoni)).Put(2, 3, CardOf(2, Denare));
    tie.Put(3, 4, CardOf(3, Spade)).Put(3, 5, CardOf(4, Coppe));
    EXPECT_EQ(tie.Choice(),
              (Cards{CardOf(1, Bastoni), CardOf(2, Denare), CardOf(3, Spade), CardOf(4, Coppe)}));

    // Asso + Cavallo holds two.
    Table twoPoints(CardOf(10, Denare), CardOf(6, Coppe));
    twoPoints.Put(1, 2, CardOf(1, Bastoni))
        .Put(2, 3, CardOf(2, Denare))
        .Put(3, 4, CardOf(3, Spade));
    twoPoints.Put(3, 5, CardOf(4, Coppe)).Put(3, 6, CardOf(9, Spade));
    EXPECT_EQ(twoPoints.Choice(), (Cards{CardOf(1, Bastoni), CardOf(9, Spade)}));
}

TEST(ComputerChoice, APointCardFoundAfterMoreThanAHundredCandidatesStillWins) {
    // Eleven small cards of three suits make some 200 ordered captures worth nothing, all met
    // before the single Re of Spade.
    Table table(CardOf(10, Denare), CardOf(6, Denare));
    const int small[] = {CardOf(2, Coppe),   CardOf(3, Coppe),   CardOf(4, Coppe),
                         CardOf(5, Coppe),   CardOf(2, Bastoni), CardOf(3, Bastoni),
                         CardOf(4, Bastoni), CardOf(5, Bastoni), CardOf(3, Spade),
                         CardOf(4, Spade),   CardOf(5, Spade)};
    int position = 0;
    for (int card : small) {
        table.Put(position / kColumns + 1, position % kColumns + 1, card);
        ++position;
    }
    table.Put(3, 7, CardOf(10, Spade));
    EXPECT_EQ(table.Choice(), Cards{CardOf(10, Spade)});
}

}  // namespace
}  // namespace vorbia
