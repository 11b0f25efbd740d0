// Cards, the table's slots and a play: selecting, laying, capturing and scoring.
#include <gtest/gtest.h>

#include <set>

#include "EngineHarness.h"

namespace vorbia {
namespace {

using namespace vorbia::testing;

const std::string kSumIs = "Errore: hai cliccato su un numero di carte la cui somma è :";

TEST(Card, SplitsIntoSuitAndValueWithTensAsRe) {
    const int cases[][3] = {{10, 1, 10}, {11, 2, 1}, {40, 4, 10}, {0, 0, 10}};  // 0: no card yet
    for (const auto& [card, suit, value] : cases) {
        EXPECT_EQ(std::pair(SplitCard(card).suit, SplitCard(card).value), std::pair(suit, value));
    }
}

TEST(Card, SeventeenPointCards) {
    const std::set<int> points = {1, 8, 9, 10, 11, 18, 19, 20, 21, 28, 29, 30, 31, 32, 38, 39, 40};
    for (int card = 0; card <= 41; ++card) {
        EXPECT_EQ(CardPoints(card), static_cast<int>(points.count(card))) << card;
    }
}

TEST(Card, NameEndingsInTheHumansCaption) {
    EXPECT_EQ(HumanCaption("Anna"), "Anna (Umana)");
    EXPECT_EQ(HumanCaption("ANDREA"), "ANDREA (Umana)");
    EXPECT_EQ(HumanCaption("Gimbo"), "Gimbo (Umano)");
    EXPECT_EQ(HumanCaption(""), " (Umano)");
    EXPECT_EQ(NameEnding("Dino (Computer)"), "o");
}

TEST(TableSlots, LieWhereTheTableOf1016By700PutsThem) {
    Harness h;
    const int lefts[] = {163, 293, 423, 553, 683, 813, 943};
    const int tops[] = {562, 315, 68};
    for (int slot = 1; slot <= kSlots; ++slot) {
        const PictureBox box = h.engine.SlotPosition(SlotRow(slot), SlotColumn(slot));
        EXPECT_EQ(box.left, lefts[SlotColumn(slot) - 1]) << slot;
        EXPECT_EQ(box.top, tops[SlotRow(slot) - 1]) << slot;
    }
}

TEST(TableSlots, APlainLayingFillsTheColumnsFromThePlayersOwnSide) {
    // The turn, whether column 1 is full, and the expected row and column.
    const int cases[][4] = {
        {kHuman, 0, 1, 1}, {kComputer, 0, 3, 1}, {kHuman, 1, 1, 2}, {kComputer, 1, 3, 2}};
    for (const auto& [turn, columnOneFull, row, column] : cases) {
        Harness h;
        h.Put(2, 2, {Coppe(9)});
        for (int r = 1; columnOneFull && r <= kRows; ++r) h.Put(r, 1, {Spade(r)});
        h.Hold(turn, Denare(5));
        h.engine.PlayCurrentCard(Denare(5));
        EXPECT_EQ(h.state.TableGrid[row][column], Denare(5)) << turn << columnOneFull;
    }
}

TEST(TableSlots, AFullTableLeavesNoRoomAndThePlayedCardLeavesTheGame) {
    Harness h;
    for (int slot = 1; slot <= kSlots; ++slot) h.Put(SlotRow(slot), SlotColumn(slot), {10 + slot});
    h.Hold(kHuman, Denare(8));
    h.engine.CardClicked(Denare(8));
    EXPECT_TRUE(h.Made("move 8 69 562 -59 562"));
    EXPECT_EQ(h.state.TableCount, 21);
}

TEST(TableSlots, OnlyTheHumanMayClickTableCardsAndItsOwnCard) {
    Harness h;
    h.Put(2, 3, {Denare(7)});
    h.Hold(kHuman, Denare(5));
    h.engine.CardClicked(Denare(5));  // a plain laying: the turn passes to the computer
    EXPECT_TRUE(h.Made("clickable 7 off"));
    EXPECT_TRUE(h.Made("clickable 5 off"));
    h.requests.clear();
    h.engine.RunComputerTurns();  // the computer plays, and the human's next card arrives
    ASSERT_EQ(h.state.Turn, kHuman);
    EXPECT_TRUE(h.Made("clickable " + std::to_string(h.state.CurrentCard) + " on"));
    EXPECT_TRUE(h.Matching("clickable").back().ends_with(" on"));
}

TEST(Selection, AClickTogglesTheFrameOnlyOnTheHumansTurnOnceItsCardHasArrived) {
    Harness h;
    h.Put(1, 1, {Coppe(3)});
    h.Hold(kHuman, Denare(7));
    h.state.Turn = kComputer;
    h.engine.CardClicked(Coppe(3));
    h.state.Turn = kHuman;
    h.table.HeadlessTable::PlacePicture(Denare(7), 40, 562);  // still gliding to its play spot
    h.engine.CardClicked(Coppe(3));
    EXPECT_TRUE(h.requests.empty());

    h.table.HeadlessTable::PlacePicture(Denare(7), 69, 562);
    h.engine.CardClicked(Coppe(3));
    h.engine.CardClicked(Coppe(3));
    EXPECT_EQ(h.requests, (std::vector<std::string>{"frame 13 black", "frame 13 white"}));
    EXPECT_EQ(h.state.Selected[Coppe(3)], kFalse);
}

TEST(Play, WrongOrTooHighSumsAreRefusedButTheCardStaysAndTheTurnPasses) {
    struct Case {
        int played, first, second;
        std::string message;  // with messages on
        bool beepWhenOff;
    };
    const Case cases[] = {
        // Selecting over 10 clears the selection at once; the 9 is then laid plainly.
        {Denare(9), Coppe(6), Bastoni(5), "11. Non puoi specificare una somma maggiore di 10",
         false},
        // Passing the value stops the sum at once, with no beep.
        {Denare(5), Coppe(2), Bastoni(4), "6. Non puoi specificare una somma diversa da 5", false},
        {Denare(8), Coppe(3), Bastoni(4), "7. Non puoi specificare una somma diversa da 8", true},
    };
    for (const Case& c : cases) {
        for (bool messages : {true, false}) {
            SCOPED_TRACE(c.message + (messages ? " on" : " off"));
            Harness h;
            h.state.ShowMessages = messages ? kTrue : kFalse;
            h.Put(1, 1, {c.first, c.second});
            h.Hold(kHuman, c.played);
            for (int card : {c.first, c.second, c.played}) h.engine.CardClicked(card);
            EXPECT_EQ(h.Made("message " + kSumIs + c.message), messages);
            EXPECT_EQ(h.Matching("message ").size(), messages ? 1u : 0u);
            EXPECT_EQ(h.Made("beep"), !messages && c.beepWhenOff);
            EXPECT_EQ(h.state.TableGrid[2][1], c.played);  // not taken back with the others
            EXPECT_EQ(h.state.Selected, (std::array<int16_t, kCardCount + 1>{}));
            EXPECT_EQ(h.state.Turn, kComputer);
        }
    }
}

TEST(Scopa, OnlyTheFirstKindThatAppliesIsScored) {
    struct Case {
        std::vector<int> table;
        int played, last;
        std::vector<int> taken;
        int score;
        std::string scopa;  // the message's end, after "una scopa da "
    };
    const std::string kEmpty = " punti perchè non ci sono altre carte in tavolo.";
    const std::string kSuit = " punti perchè tutte le carte prese sono dello stesso seme.";
    const std::string kLast = " punti perchè presa l'ultima carta giocata.";
    const std::vector<int> kFour = {Bastoni(5), Bastoni(2), Coppe(5), Spade(9)};
    const Case cases[] = {
        // Court cards count one less, then their card points too, but the message shows the
        // values. The taken card was the opponent's last too: still one scopa.
        {{Coppe(10)}, Denare(10), Coppe(10), {Coppe(10)}, 20, "20" + kEmpty},
        {{Spade(1)}, Denare(1), Spade(1), {Spade(1)}, 4, "2" + kEmpty},
        {{Denare(4), Denare(3), Spade(6)}, Denare(7), 0, {Denare(4), Denare(3)}, 14, "14" + kSuit},
        // The opponent's last card counts only when it is taken alone.
        {kFour, Denare(5), Coppe(5), {Coppe(5)}, 10, "10" + kLast},
        {kFour, Denare(5), Coppe(5), {Bastoni(5)}, 0, ""},
        {kFour, Denare(7), Coppe(5), {Coppe(5), Bastoni(2)}, 0, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.scopa);
        Harness h;
        h.state.ShowMessages = kTrue;
        h.Put(1, 1, c.table);
        h.Hold(kHuman, c.played, c.last);
        for (int card : c.taken) h.engine.CardClicked(card);
        h.engine.CardClicked(c.played);
        EXPECT_EQ(h.state.Score[1], c.score);
        EXPECT_TRUE(h.Made("caption Label1(0) Punti: " + std::to_string(c.score)));
        EXPECT_EQ(h.Matching("message E' stata fatta"),
                  c.scopa.empty() ? std::vector<std::string>{}
                                  : std::vector{"message E' stata fatta una scopa da " + c.scopa});
    }
}

TEST(ScoreBar, ReachesItsEndAtFiftyOneAndRoundsToNearest) {
    Harness h;
    h.state.Score = {0, 1, 50};
    h.Put(1, 1, {Coppe(1), Denare(2), Coppe(4)});
    h.Hold(kComputer, Bastoni(3));
    h.engine.ToggleTableCard(Coppe(1));
    h.engine.ToggleTableCard(Denare(2));
    h.engine.PlayCurrentCard(Bastoni(3));
    // Mixed suits with cards left: only the Asso's point, bringing the computer to 51.
    EXPECT_TRUE(h.Made("bar 1 64"));
    EXPECT_TRUE(h.Made("bar 0 -2"));  // the human's 1 point: -1.69
}

}  // namespace
}  // namespace vorbia
