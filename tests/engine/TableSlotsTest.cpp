#include <gtest/gtest.h>

#include "EngineHarness.h"

namespace vorbia {
namespace {

using testing::Harness;

TEST(TableSlots, LieWhereTheTableOf1016By700PutsThem) {
    Harness h;
    const int lefts[] = {163, 293, 423, 553, 683, 813, 943};
    const int tops[] = {562, 315, 68};
    for (int row = 1; row <= kRows; ++row) {
        for (int column = 1; column <= kColumns; ++column) {
            const PictureBox slot = h.engine.SlotPosition(row, column);
            EXPECT_EQ(slot.left, lefts[column - 1]);
            EXPECT_EQ(slot.top, tops[row - 1]);
        }
    }
}

TEST(TableSlots, OnlyTheHumanMayClickTableCardsAndItsOwnCard) {
    Harness h;
    h.Put(2, 3, 17);
    h.Hold(kHuman, 5);
    h.engine.CardClicked(5);  // a plain laying: the turn passes to the computer
    EXPECT_TRUE(h.Made("clickable 17 off"));
    EXPECT_TRUE(h.Made("clickable 5 off"));
    h.requests.clear();
    h.engine.RunComputerTurns();  // the computer plays, and the human's next card arrives
    ASSERT_EQ(h.state.Turn, kHuman);
    EXPECT_TRUE(h.Made("clickable " + std::to_string(h.state.CurrentCard) + " on"));
    EXPECT_EQ(h.Matching("clickable").back().substr(h.Matching("clickable").back().size() - 3), " on");
}

TEST(TableSlots, AFullTableLeavesNoRoomAndThePlayedCardLeavesTheGame) {
    Harness h;
    int card = 1;
    for (int row = 1; row <= kRows; ++row) {
        for (int column = 1; column <= kColumns; ++column) h.Put(row, column, card++);
    }
    h.Hold(kHuman, 38);
    h.engine.CardClicked(38);
    EXPECT_FALSE(h.OnTable(38));
    EXPECT_TRUE(h.Made("move 38 69 562 -59 562"));
    EXPECT_EQ(h.state.TableCount, 21);
}

}  // namespace
}  // namespace vorbia
