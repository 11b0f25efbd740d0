// The point cards, the table's slots and a play: selecting, laying, capturing and scoring.
#include <gtest/gtest.h>

#include <set>
#include <tuple>

#include "EngineHarness.h"

namespace vorbia {
namespace {

using namespace vorbia::testing;

using Lines = std::vector<std::string>;

TEST(Capture, SeventeenPointCards) {
    const std::set<int> points = {1, 8, 9, 10, 11, 18, 19, 20, 21, 28, 29, 30, 31, 32, 38, 39, 40};
    for (int card = 0; card <= 41; ++card) {
        EXPECT_EQ(CardPoints(card), static_cast<int>(points.count(card))) << card;
    }
}

TEST(Capture, APlainLayingFillsTheColumnsFromThePlayersOwnSide) {
    const std::string kFull =
        "C1 C2 C3 C4 C5 C6 C7 / C8 C9 C10 B1 B2 B3 B4 / B5 B6 B7 B8 B9 B10 S1";
    // The table, who lays the 5 of Denare, and its glide from the play spot to its slot.
    const std::tuple<std::string, int, std::string> cases[] = {
        {"", kHuman, "move 5 69 562 163 562"},
        {"S1 / . / S3", kHuman, "move 5 69 562 163 315"},
        {"S1 / S2 / S3", kHuman, "move 5 69 562 293 562"},
        {"S1 / S2 / S3", kComputer, "move 5 69 67 293 68"},
        {kFull, kHuman, "move 5 69 562 -59 562"},  // no room: the card leaves the game
    };
    for (const auto& [rows, turn, glide] : cases) {
        Harness h(rows, turn, "D5");
        h.engine.PlayCurrentCard(5);
        EXPECT_EQ(h.Matching("move 5 ").at(0), glide);
    }
}

TEST(Capture, OnlyTheHumanClicksAndOnlyOnceItsCardHasArrived) {
    Harness h("C3", kComputer, "D5");
    h.Click("C3");
    h.state.Turn = kHuman;
    h.table.HeadlessTable::PlacePicture(5, 40, 562);  // still gliding to its play spot
    h.Click("C3");
    EXPECT_TRUE(h.requests.empty());

    h.table.HeadlessTable::PlacePicture(5, 69, 562);
    h.Click("C3 C3 D5");  // selected, let go, then a plain laying
    EXPECT_EQ(Lines(h.requests.begin(), h.requests.begin() + 2),
              (Lines{"frame 13 black", "frame 13 white"}));
    EXPECT_TRUE(h.Made("clickable 13 off") && h.Made("clickable 5 off"));
    h.engine.RunComputerTurns();  // the computer plays, and the human's next card arrives
    ASSERT_EQ(h.state.Turn, kHuman);
    EXPECT_TRUE(h.Made("clickable " + std::to_string(h.state.CurrentCard) + " on"));
    EXPECT_TRUE(h.Matching("clickable").back().ends_with(" on"));
}

TEST(Capture, WrongOrTooHighSumsAreRefusedButTheCardStaysAndTheTurnPasses) {
    const std::string kSumIs =
        "message Errore: hai cliccato su un numero di carte la cui somma è :";
    // The card played, the table cards clicked before it, the message's end with messages on,
    // and whether a beep stands in for it with messages off.
    const std::tuple<std::string, std::string, std::string, bool> cases[] = {
        // Selecting over 10 clears the selection at once; the 9 is then laid plainly.
        {"D9", "C6 B5", "11. Non puoi specificare una somma maggiore di 10", false},
        // Passing the value stops the sum at once, with no beep.
        {"D5", "C2 B4", "6. Non puoi specificare una somma diversa da 5", false},
        {"D8", "C3 B4", "7. Non puoi specificare una somma diversa da 8", true},
    };
    for (const auto& [played, clicked, message, beep] : cases) {
        for (bool messages : {true, false}) {
            SCOPED_TRACE(message + (messages ? " on" : " off"));
            Harness h(clicked, kHuman, played);
            h.state.ShowMessages = messages ? kTrue : kFalse;
            h.Click(clicked + " " + played);
            EXPECT_EQ(h.Matching("message "), messages ? Lines{kSumIs + message} : Lines{});
            EXPECT_EQ(h.Made("beep"), !messages && beep);
            // The played card stays, not taken back with the others.
            EXPECT_EQ(h.state.TableGrid[2][1], CardNamed(played));
            EXPECT_EQ(h.state.Selected, (std::array<int16_t, kCardCount + 1>{}));
            EXPECT_EQ(h.state.Turn, kComputer);
        }
    }
}

TEST(Capture, OnlyTheFirstKindOfScopaThatAppliesIsScored) {
    const std::string kEmpty = " punti perchè non ci sono altre carte in tavolo.";
    const std::string kSuit = " punti perchè tutte le carte prese sono dello stesso seme.";
    const std::string kLast = " punti perchè presa l'ultima carta giocata.";
    struct Case {
        std::string table, played, last, taken;
        int score;          // the human's, after the play
        std::string scopa;  // the end of the scopa's message
    };
    const Case cases[] = {
        // Court cards count one less, then their card points too, but the message shows the
        // values. The taken card was the opponent's last too: still one scopa.
        {"C8", "D8", "C8", "C8", 16, "16" + kEmpty},
        {"S1", "D1", "S1", "S1", 4, "2" + kEmpty},
        {"D4 D3 S6", "D7", "", "D4 D3", 14, "14" + kSuit},
        {"B5 B2 C5 S9", "D5", "C5", "C5", 10, "10" + kLast},
        // The last card taken must have the suit of the opponent's last, the same value, and
        // be taken alone.
        {"B5 B2 C5 S9", "D5", "C5", "B5", 0, ""},
        {"B5 B2 C5 S9", "D7", "C5", "C5 B2", 0, ""},
        {"B5 B2 C3 C5", "D5", "C5", "B2 C3", 0, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.table + ", " + c.played + " takes " + c.taken);
        Harness h(c.table, kHuman, c.played, c.last);
        h.state.ShowMessages = kTrue;
        h.Click(c.taken + " " + c.played);
        EXPECT_EQ(h.state.Score[1], c.score);
        EXPECT_TRUE(h.Made("caption Label1(0) Punti: " + std::to_string(c.score)));
        EXPECT_EQ(
            h.Matching("message E' stata fatta"),
            c.scopa.empty() ? Lines{} : Lines{"message E' stata fatta una scopa da " + c.scopa});
    }
}

TEST(Capture, ScoreBarsReachTheirEndAtFiftyOneAndRoundToNearest) {
    Harness h("C1 D2 C4", kHuman, "B3");
    h.state.Score = {0, 50, 1};
    h.Click("C1 D2 B3");  // mixed suits with cards left: only the Asso's point, 51
    EXPECT_TRUE(h.Made("bar 0 64"));
    EXPECT_TRUE(h.Made("bar 1 -2"));  // the computer's 1 point: -1.69
}

}  // namespace
}  // namespace vorbia
