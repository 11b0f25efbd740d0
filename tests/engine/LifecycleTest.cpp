#include <gtest/gtest.h>

#include "EngineHarness.h"

namespace vorbia {
namespace {

using namespace vorbia::testing;

const std::string kNewMatch = "message Dopo aver rimescolato il mazzo si inizia una nuova partita.";

TEST(HandStart, LowerCutPlaysFirstAndEqualCutsAreDrawnAgain) {
    struct Case {
        std::string name;
        std::vector<int> deal;  // the human's cut, the computer's, then the first two draws
        int computerCut;
        std::string first, ending, last;
    };
    const Case cases[] = {
        {"Gimbo", {3, 9, 25, 17}, 9, "Gimbo", "primo", "5 di Bastoni"},
        {"Anna", {13, 29, 1, 40}, 29, "Anna", "prima", "Asso di Denare"},
        {"Anna", {10, 2, 38, 5}, 2, "Dino (Computer)", "primo", "Fante di Spade"},
        {"Gimbo", {3, 13, 23, 9, 19, 4}, 9, "Gimbo", "primo", "Cavallo di Coppe"},  // 13, 23: 3s
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.last);
        Harness h;
        h.state.PlayerName[1] = c.name;
        h.random.cards.assign(c.deal.begin(), c.deal.end());
        h.engine.NewMatch();
        EXPECT_TRUE(h.Made(kNewMatch + "\\r" + c.first +
                           " ha alzato una carta più bassa quindi calerà per " + c.ending + "."));
        EXPECT_TRUE(h.Made("place " + std::to_string(c.computerCut) + " 20 67"));
        // The first card fell on an empty table and the other player drew without a click;
        // only then is there a last card to show.
        EXPECT_EQ(h.Matching("caption Label2"), std::vector{"caption Label2 Ultima: " + c.last});
        EXPECT_EQ(h.state.TableCount, 1);
        EXPECT_EQ(h.state.Turn, c.first == "Dino (Computer)" ? kHuman : kComputer);
        EXPECT_TRUE(h.engine.CurrentCardOnPlaySpot());
    }
}

TEST(EndOfDeck, NextHandKeepsTheScoresAndSaysSo) {
    Harness h;
    h.Put(1, 1, {23});
    h.Hold(kHuman, 36);
    h.state.TurnCount = 40;
    h.state.CardsDrawn = 40;
    h.state.Score = {0, 12, 7};
    h.random.cards = {4, 8};
    h.engine.CardClicked(36);  // the 40th card, laid on the table
    EXPECT_TRUE(
        h.Made("message Sono finite le carte, alla fine di questa mano il punteggio è: \\rGimbo  "
               "12\\rDino (Computer)  7\\rDopo aver rimescolato il mazzo si inizia una nuova "
               "mano.\\rGimbo ha alzato una carta più bassa quindi calerà per primo."));
    EXPECT_EQ(h.state.Score, (std::array<int16_t, 3>{0, 12, 7}));
    // Cards left on the table at the end of the deck score nothing and are gone.
    EXPECT_EQ(h.state.TableCount, 1);
    EXPECT_EQ(h.state.CardsDrawn, 2);
}

TEST(EndOfMatch, FiftyOneEndsTheMatchAtTheNextTurnWithoutADraw) {
    Harness h;
    h.state.Score = {0, 49, 30};
    h.Put(1, 1, {11, 24});
    h.Hold(kHuman, 1);
    h.engine.CardClicked(11);
    h.engine.CardClicked(1);  // Asso takes Asso: 2 points, 51
    const auto press = std::ranges::find(h.requests, "press 41");
    ASSERT_LT(press + 1, h.requests.end());
    EXPECT_EQ(press[1], "end-of-match 51 30");
    EXPECT_EQ(h.Matching("end-of-match").size(), 1u);
    // A fresh match has begun, announced as a new "partita".
    EXPECT_EQ(h.state.Score, (std::array<int16_t, 3>{}));
    EXPECT_EQ(h.Matching(kNewMatch).size(), 1u);
}

TEST(NewMatch, InTheMiddleOfAGlideStartsAFreshMatchOnceTheGlideEnds) {
    Harness h;
    h.state.Score = {0, 20, 10};
    h.Put(1, 1, {14, 22});
    h.Hold(kHuman, 6);
    h.engine.CardClicked(14);
    h.engine.CardClicked(22);
    size_t interruptedAt = 0;
    h.duringNextGlide = [&] {
        interruptedAt = h.requests.size();
        h.engine.NewMatch();
    };
    h.engine.CardClicked(6);  // laying the 6 to take 4 + 2; "Nuova partita" arrives mid-glide

    // Nothing more of the interrupted capture: the new match begins at once.
    ASSERT_LT(interruptedAt, h.requests.size());
    EXPECT_EQ(h.requests[interruptedAt], "caption Label1(1) Punti: 0");
    EXPECT_TRUE(h.Matching("move 14 ").empty());
    EXPECT_EQ(h.state.Score, (std::array<int16_t, 3>{}));
    EXPECT_EQ(h.state.Selected, (std::array<int16_t, kCardCount + 1>{}));
    EXPECT_FALSE(h.engine.Busy());
}

TEST(NewMatch, DuringTheComputersMoveLeavesItsTimerArmedAndNoStaleMove) {
    Harness h;
    h.Put(1, 1, {14});
    h.Hold(kComputer, 24);
    h.duringNextGlide = [&] { h.engine.NewMatch(); };
    h.engine.ComputerTimerTick();
    EXPECT_EQ(h.Matching(kNewMatch).size(), 1u);
    EXPECT_TRUE(h.Made("timer1 on"));
    EXPECT_TRUE(h.Made("pointer arrow"));
    EXPECT_EQ(h.state.Score[2], 0);
    h.engine.RunComputerTurns();
    EXPECT_FALSE(h.engine.Busy());
}

TEST(Abandon, StopsEverythingAndStartsNothing) {
    Harness h;
    h.Put(1, 1, {14});
    h.Hold(kHuman, 4);
    h.duringNextGlide = [&] { h.engine.Abandon(); };
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
