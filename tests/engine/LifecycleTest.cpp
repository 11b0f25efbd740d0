#include <gtest/gtest.h>

#include "EngineHarness.h"

namespace vorbia {
namespace {

using testing::Harness;

size_t IndexOf(const std::vector<std::string>& lines, const std::string& line) {
    return static_cast<size_t>(std::find(lines.begin(), lines.end(), line) - lines.begin());
}

TEST(HandStart, LowerCutPlaysFirstAndIsNamedWithItsEnding) {
    struct Case {
        std::string name;
        int humanCut;
        int computerCut;
        int firstTurn;
        std::string message;
    };
    const std::vector<Case> cases = {
        {"Gimbo", 3, 9, kHuman,
         "Dopo aver rimescolato il mazzo si inizia una nuova partita.\\rGimbo ha alzato una carta "
         "più bassa quindi calerà per primo."},
        {"Anna", 13, 29, kHuman,
         "Dopo aver rimescolato il mazzo si inizia una nuova partita.\\rAnna ha alzato una carta "
         "più bassa quindi calerà per prima."},
        {"Anna", 10, 2, kComputer,
         "Dopo aver rimescolato il mazzo si inizia una nuova partita.\\rDino (Computer) ha alzato "
         "una carta più bassa quindi calerà per primo."},
    };
    for (const Case& c : cases) {
        Harness h;
        h.state.PlayerName[1] = c.name;
        h.random.Deal({c.humanCut, c.computerCut});
        h.engine.NewMatch();
        EXPECT_TRUE(h.Made("message " + c.message)) << c.name;
        EXPECT_TRUE(h.Made("place " + std::to_string(c.humanCut) + " 20 562"));
        EXPECT_TRUE(h.Made("place " + std::to_string(c.computerCut) + " 20 67"));
        // The first card fell on an empty table and the other player drew without a click.
        EXPECT_EQ(h.state.TurnCount, 2);
        EXPECT_EQ(h.state.Turn, c.firstTurn == kHuman ? kComputer : kHuman);
        EXPECT_EQ(h.state.CardsDrawn, 2);
        EXPECT_EQ(h.state.TableCount, 1);
        EXPECT_TRUE(h.engine.CurrentCardOnPlaySpot());
    }
}

TEST(HandStart, ACutOfEqualValueIsDrawnAgain) {
    Harness h;
    h.random.Deal({3, 13, 23, 9});
    h.engine.NewMatch();
    EXPECT_TRUE(h.Made("place 9 20 67"));
    EXPECT_TRUE(h.Matching("place 13 ").empty());
    EXPECT_TRUE(h.Matching("place 23 ").empty());
    // The human cut lower, so after its first card the turn is the computer's.
    EXPECT_EQ(h.state.Turn, kComputer);
}

TEST(HandStart, LastCardCaptionStartsWithTheSecondDraw) {
    Harness h;
    h.random.Deal({3, 9, /*draws*/ 25, 17});
    h.engine.NewMatch();
    const auto captions = h.Matching("caption Label2");
    ASSERT_EQ(captions.size(), 1u);
    EXPECT_EQ(captions[0], "caption Label2 Ultima: 5 di Bastoni");
    // The first card went to the human's first slot, the second to the computer's play spot.
    EXPECT_TRUE(h.Made("move 25 5 562 163 562"));
    EXPECT_TRUE(h.Made("move 17 5 67 69 67"));
}

TEST(EndOfDeck, NextHandKeepsTheScoresAndSaysSo) {
    Harness h;
    for (int card = 1; card <= kCardCount; ++card) h.state.Drawn[card] = kTrue;
    h.state.Score[1] = 12;
    h.state.Score[2] = 7;
    h.Put(1, 1, 23);
    h.Hold(kHuman, 36);
    h.state.TurnCount = 40;
    h.random.Deal({4, 8});
    h.engine.CardClicked(36);  // the 40th card, laid on the table
    EXPECT_TRUE(h.Made(
        "message Sono finite le carte, alla fine di questa mano il punteggio è: \\rGimbo  12\\r"
        "Dino (Computer)  7\\rDopo aver rimescolato il mazzo si inizia una nuova mano.\\rGimbo ha "
        "alzato una carta più bassa quindi calerà per primo."));
    EXPECT_EQ(h.state.Score[1], 12);
    EXPECT_EQ(h.state.Score[2], 7);
    // Cards left on the table at the end of the deck score nothing and are gone.
    EXPECT_EQ(h.state.TableCount, 1);
    EXPECT_EQ(h.state.CardsDrawn, 2);
}

TEST(EndOfMatch, FiftyOneEndsTheMatchAtTheNextTurnWithoutADraw) {
    Harness h;
    h.state.Score[1] = 49;
    h.state.Score[2] = 30;
    h.Put(1, 1, 11);
    h.Put(1, 2, 24);
    h.Hold(kHuman, 1);
    h.engine.CardClicked(11);
    h.engine.CardClicked(1);  // Asso takes Asso: 2 points, 51
    const size_t press = IndexOf(h.requests, "press 41");
    ASSERT_LT(press + 1, h.requests.size());
    EXPECT_EQ(h.requests[press + 1], "end-of-match 51 30");
    EXPECT_EQ(h.Matching("end-of-match").size(), 1u);
    // A new match has begun: scores 0, announced as a new "partita".
    EXPECT_EQ(h.state.Score[1], 0);
    EXPECT_EQ(h.state.Score[2], 0);
    EXPECT_EQ(h.Matching("message Dopo aver rimescolato il mazzo si inizia una nuova partita.").size(), 1u);
    EXPECT_EQ(h.Matching("hide-all-cards").size(), 2u);  // the end of the match, then the new hand
}

TEST(NewMatch, InTheMiddleOfAGlideStartsAFreshMatchOnceTheGlideEnds) {
    Harness h;
    h.state.Score[1] = 20;
    h.state.Score[2] = 10;
    h.Put(1, 1, 14);
    h.Put(1, 2, 22);
    h.Hold(kHuman, 6);
    h.engine.CardClicked(14);
    h.engine.CardClicked(22);
    size_t interruptedAt = 0;
    h.table.duringNextGlide = [&] {
        interruptedAt = h.requests.size();
        h.engine.NewMatch();
    };
    h.engine.CardClicked(6);  // laying the 6 to take 4 + 2; "Nuova partita" arrives mid-glide

    // Nothing more of the interrupted capture: the new match begins at once.
    ASSERT_LT(interruptedAt, h.requests.size());
    EXPECT_EQ(h.requests[interruptedAt], "caption Label1(1) Punti: 0");
    EXPECT_TRUE(h.Matching("move 14 ").empty());
    EXPECT_EQ(h.state.Score[1], 0);
    EXPECT_EQ(h.state.Score[2], 0);
    for (int card = 1; card <= kCardCount; ++card) {
        EXPECT_EQ(h.state.Selected[card], kFalse) << card;
    }
    EXPECT_EQ(h.state.TurnCount, 2);
    EXPECT_FALSE(h.engine.Busy());
}

TEST(NewMatch, DuringTheComputersMoveLeavesItsTimerArmedAndNoStaleMove) {
    Harness h;
    h.Put(1, 1, 14);
    h.Hold(kComputer, 24);
    h.table.duringNextGlide = [&] { h.engine.NewMatch(); };
    h.engine.ComputerTimerTick();
    EXPECT_EQ(h.Matching("message Dopo aver rimescolato").size(), 1u);
    EXPECT_TRUE(h.Made("timer1 on"));
    EXPECT_TRUE(h.Made("pointer arrow"));
    EXPECT_EQ(h.state.Score[2], 0);
    h.engine.RunComputerTurns();
    EXPECT_FALSE(h.engine.Busy());
}

TEST(Abandon, StopsEverythingAndStartsNothing) {
    Harness h;
    h.Put(1, 1, 14);
    h.Hold(kHuman, 4);
    h.table.duringNextGlide = [&] { h.engine.Abandon(); };
    h.engine.CardClicked(14);
    h.engine.CardClicked(4);
    const size_t made = h.requests.size();
    h.engine.NewMatch();
    h.engine.CardClicked(4);
    h.engine.RunComputerTurns();
    EXPECT_EQ(h.requests.size(), made);
    EXPECT_EQ(h.state.Score[1], 0);
}

}  // namespace
}  // namespace vorbia
