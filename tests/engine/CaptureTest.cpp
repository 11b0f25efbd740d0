#include <gtest/gtest.h>

#include "EngineHarness.h"

namespace vorbia {
namespace {

using testing::Harness;

// Cards by suit and value, to read the positions below as a player would.
constexpr int Denare(int value) { return value; }
constexpr int Coppe(int value) { return 10 + value; }
constexpr int Bastoni(int value) { return 20 + value; }
constexpr int Spade(int value) { return 30 + value; }

const std::string kSumIs = "Errore: hai cliccato su un numero di carte la cui somma è :";

TEST(Selection, OverTenIsRefusedAndClearsEverySelectedCard) {
    for (bool messages : {true, false}) {
        Harness h;
        h.state.ShowMessages = messages ? kTrue : kFalse;
        h.Put(1, 1, Coppe(6));
        h.Put(1, 2, Bastoni(5));
        h.Hold(kHuman, Denare(9));
        h.engine.CardClicked(Coppe(6));
        h.engine.CardClicked(Bastoni(5));
        EXPECT_EQ(h.Made("message " + kSumIs + "11. Non puoi specificare una somma maggiore di 10"), messages);
        EXPECT_EQ(h.state.Selected[Coppe(6)], kFalse);
        EXPECT_EQ(h.state.Selected[Bastoni(5)], kFalse);
        EXPECT_EQ(h.Matching("frame").back(), "frame 16 white");
        // The player may select again in the same turn.
        h.engine.CardClicked(Bastoni(5));
        EXPECT_EQ(h.state.Selected[Bastoni(5)], kTrue);
    }
}

TEST(Selection, ClickingTwiceDeselectsWithAWhiteFrame) {
    Harness h;
    h.Put(1, 1, Coppe(3));
    h.Hold(kHuman, Denare(7));
    h.engine.CardClicked(Coppe(3));
    h.engine.CardClicked(Coppe(3));
    EXPECT_EQ(h.state.Selected[Coppe(3)], kFalse);
    EXPECT_EQ(h.Matching("frame"), (std::vector<std::string>{"frame 13 black", "frame 13 white"}));
}

TEST(Selection, IgnoredOffTurnOnPilesAndBeforeTheCardArrives) {
    Harness h;
    h.Put(1, 1, Coppe(3));
    h.Hold(kComputer, Denare(7));
    h.engine.CardClicked(Coppe(3));  // the computer's turn
    h.state.Turn = kHuman;
    h.engine.CardClicked(kHumanPile);
    h.table.HeadlessTable::PlacePicture(Denare(7), 40, 562);  // still gliding to its play spot
    h.engine.ToggleTableCard(Coppe(3));
    EXPECT_TRUE(h.requests.empty());
    EXPECT_EQ(h.state.Selected[Coppe(3)], kFalse);
}

TEST(Play, SameSuitCaptureScoresItsScopa) {
    Harness h;
    h.state.ShowMessages = kTrue;
    h.Put(1, 1, Denare(4));
    h.Put(1, 2, Denare(3));
    h.Put(1, 3, Spade(6));
    h.Hold(kHuman, Denare(7));
    h.engine.CardClicked(Denare(4));
    h.engine.CardClicked(Denare(3));
    h.engine.CardClicked(Denare(7));
    EXPECT_EQ(h.state.Score[1], 14);
    EXPECT_TRUE(h.Made(
        "message E' stata fatta una scopa da 14 punti perchè tutte le carte prese sono dello "
        "stesso seme."));
    EXPECT_TRUE(h.Made("caption Label1(0) Punti: 14"));
    EXPECT_TRUE(h.Made("bar 0 15"));  // 14 x 67 / 51 - 3 = 15.39
    EXPECT_TRUE(h.OnTable(Spade(6)));
    EXPECT_FALSE(h.OnTable(Denare(7)));
    // Taken cards leave at the left edge, level with the taker's pile.
    EXPECT_TRUE(h.Made("move 4 163 562 -59 562"));
}

TEST(Play, WrongSumsAreRefusedButTheCardStaysAndTheTurnPasses) {
    struct Case {
        int played;
        std::vector<int> selected;
        bool messages;
        std::string expectedMessage;  // empty: none
        bool beep;
    };
    const std::vector<Case> cases = {
        // Passing the value stops the sum at once, with no beep when messages are off.
        {Denare(5), {Coppe(2), Bastoni(4)}, true, kSumIs + "6. Non puoi specificare una somma diversa da 5", false},
        {Denare(5), {Coppe(2), Bastoni(4)}, false, "", false},
        {Denare(8), {Coppe(3), Bastoni(4)}, true, kSumIs + "7. Non puoi specificare una somma diversa da 8", false},
        {Denare(8), {Coppe(3), Bastoni(4)}, false, "", true},
    };
    for (const Case& c : cases) {
        Harness h;
        h.state.ShowMessages = c.messages ? kTrue : kFalse;
        h.Put(1, 1, c.selected[0]);
        h.Put(1, 2, c.selected[1]);
        h.Hold(kHuman, c.played);
        for (int card : c.selected) h.engine.CardClicked(card);
        h.engine.CardClicked(c.played);
        EXPECT_EQ(h.Matching("message").size(), c.expectedMessage.empty() ? 0u : 1u);
        if (!c.expectedMessage.empty()) {
            EXPECT_TRUE(h.Made("message " + c.expectedMessage));
        }
        EXPECT_EQ(h.Made("beep"), c.beep);
        EXPECT_EQ(h.state.Score[1], 0);
        EXPECT_TRUE(h.OnTable(c.played));
        for (int card : c.selected) EXPECT_EQ(h.state.Selected[card], kFalse);
        EXPECT_EQ(h.state.Selected[c.played], kFalse);
        EXPECT_EQ(h.state.Turn, kComputer);
    }
}

TEST(Play, PlainLayingGoesToThePlayersOwnSide) {
    Harness human;
    human.Put(2, 2, Coppe(9));
    human.Hold(kHuman, Denare(5));
    human.engine.CardClicked(Denare(5));
    EXPECT_EQ(human.state.TableGrid[1][1], Denare(5));
    EXPECT_TRUE(human.Made("move 5 69 562 163 562"));
    EXPECT_TRUE(human.Matching("message").empty());

    Harness computer;
    computer.Put(2, 2, Coppe(9));
    computer.Hold(kComputer, Denare(5));
    computer.engine.PlayCurrentCard(Denare(5));
    EXPECT_EQ(computer.state.TableGrid[3][1], Denare(5));

    // With column 1 full, both players go on in column 2, each from its own side.
    Harness full;
    full.Put(1, 1, Coppe(9));
    full.Put(2, 1, Bastoni(9));
    full.Put(3, 1, Spade(9));
    full.Hold(kComputer, Denare(2));
    full.engine.PlayCurrentCard(Denare(2));
    EXPECT_EQ(full.state.TableGrid[3][2], Denare(2));
}

TEST(Scopa, EmptyTableCountsCourtCardsOneLessPlusTheirPoints) {
    struct Case {
        int played;
        int taken;
        int added;
        int shown;
    };
    // Re takes the last Re: 9 + 9 scopa and 2 card points; Asso takes the last Asso: 1 + 1
    // and 2 card points, while the message shows only the values.
    for (const Case& c : {Case{Denare(10), Coppe(10), 20, 20}, Case{Denare(1), Spade(1), 4, 2}}) {
        Harness h;
        h.state.ShowMessages = kTrue;
        h.Put(2, 4, c.taken);
        h.Hold(kHuman, c.played);
        h.engine.CardClicked(c.taken);
        h.engine.CardClicked(c.played);
        EXPECT_EQ(h.state.Score[1], c.added);
        EXPECT_TRUE(h.Made("message E' stata fatta una scopa da " + std::to_string(c.shown) +
                           " punti perchè non ci sono altre carte in tavolo."));
        // Empty table and last card both apply here when the taken card was the opponent's
        // last one; only one scopa is scored.
        EXPECT_EQ(h.Matching("message E' stata fatta").size(), 1u);
    }
}

TEST(Scopa, OnlyTheOpponentsLastCardTakenAloneCounts) {
    struct Case {
        int played;
        std::vector<int> taken;
        int expectedScore;
    };
    // The computer laid the 5 of Coppe in the turn before.
    const std::vector<Case> cases = {
        {Denare(5), {Coppe(5)}, 10},             // last-card scopa
        {Denare(5), {Bastoni(5)}, 0},            // an older 5: no scopa
        {Denare(7), {Coppe(5), Bastoni(2)}, 0},  // three cards taken: no scopa
    };
    for (const Case& c : cases) {
        Harness h;
        h.Put(1, 1, Bastoni(5));
        h.Put(1, 2, Bastoni(2));
        h.Put(1, 3, Coppe(5));
        h.Put(2, 1, Spade(9));
        h.Hold(kHuman, c.played, Coppe(5));
        for (int card : c.taken) h.engine.CardClicked(card);
        h.engine.CardClicked(c.played);
        EXPECT_EQ(h.state.Score[1], c.expectedScore) << c.played;
    }
}

TEST(Scopa, TwoOfSpadeAndCourtCardsScoreTheirPointsInAnyCapture) {
    Harness h;
    h.Put(1, 1, Spade(2));
    h.Put(1, 2, Coppe(1));
    h.Put(1, 3, Bastoni(4));
    h.Put(2, 1, Denare(6));
    h.Hold(kHuman, Bastoni(3));
    h.engine.CardClicked(Spade(2));
    h.engine.CardClicked(Coppe(1));
    h.engine.CardClicked(Bastoni(3));
    EXPECT_EQ(h.state.Score[1], 2);  // mixed suits, cards left: no scopa
}

TEST(ScoreBar, ReachesItsEndAtFiftyOneAndRoundsToNearest) {
    Harness h;
    h.state.Score[2] = 50;
    h.Put(1, 1, Coppe(1));
    h.Put(1, 2, Denare(2));
    h.Put(1, 3, Coppe(4));
    h.Hold(kComputer, Bastoni(3));
    h.engine.ToggleTableCard(Coppe(1));
    h.engine.ToggleTableCard(Denare(2));
    h.engine.PlayCurrentCard(Bastoni(3));
    // The Asso brings the computer to 51; the human's bar at 0 points is drawn to -3.
    EXPECT_TRUE(h.Made("bar 1 64"));
    EXPECT_TRUE(h.Made("bar 0 -3"));

    // At 1 point the end is -1.69, rounded to -2.
    Harness one;
    one.Put(1, 1, Coppe(1));
    one.Put(1, 2, Denare(2));
    one.Put(1, 3, Coppe(4));
    one.Hold(kHuman, Bastoni(3));
    one.engine.CardClicked(Coppe(1));
    one.engine.CardClicked(Denare(2));
    one.engine.CardClicked(Bastoni(3));
    EXPECT_EQ(one.state.Score[1], 1);
    EXPECT_TRUE(one.Made("bar 0 -2"));
}

}  // namespace
}  // namespace vorbia
