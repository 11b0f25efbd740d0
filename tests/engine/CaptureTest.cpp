// A play: selecting, laying, capturing and scoring.
#include <gtest/gtest.h>

#include "EngineHarness.h"

namespace vorbia {
namespace {

using namespace vorbia::testing;

using Lines = std::vector<std::string>;

TEST(Capture, OnlyTheHumanClicksAndOnlyOnceItsCardHasArrived) {
    Harness h("C3", Player::Computer, "D5");
    h.Click("C3");
    h.state.Turn = Player::Human;
    h.table.HeadlessTable::PlacePicture(5, 40, 562);  // still gliding to its play spot
    h.Click("C3");
    EXPECT_TRUE(h.requests.empty());

    h.table.HeadlessTable::PlacePicture(5, 69, 562);
    h.Click("C3 C3 D5");  // selected, let go, then a plain laying
    EXPECT_EQ(Lines(h.requests.begin(), h.requests.begin() + 2),
              (Lines{"frame 13 black", "frame 13 white"}));
    EXPECT_TRUE(h.Made("clickable 13 off") && h.Made("clickable 5 off"));
}

TEST(Capture, APlayIsScoredOrRefusedByTheCardsSelectedBeforeIt) {
    const std::string kScopa = "E' stata fatta una scopa da ";
    const std::string kEmpty = " punti perchè non ci sono altre carte in tavolo.";
    const std::string kSuit = " punti perchè tutte le carte prese sono dello stesso seme.";
    const std::string kLast = " punti perchè presa l'ultima carta giocata.";
    const std::string kSum = "Errore: hai cliccato su un numero di carte la cui somma è :";
    const std::string kNot = ". Non puoi specificare una somma ";
    const std::string kFull = "C1 C2 C3 C4 C5 C6 C7 / C8 C9 C10 B1 B2 B3 B4 / B5 B6 B7 B8 B9 S2 S7";
    struct Case {
        std::string table, played, last, clicked;
        int score, left;      // afterwards: the human's score, the cards on the table
        Player turn;          // and whose turn
        std::string message;  // with messages on; with them off, a refusal may beep instead
        bool beep;
    };
    using enum Player;
    const Case cases[] = {
        // Court cards count one less plus their card points, though the message shows values;
        // the opponent's last card too makes one scopa. The computer lays on the empty table.
        {"C8", "D8", "C8", "C8", 16, 1, Human, kScopa + "16" + kEmpty, false},
        {"S1", "D1", "S1", "S1", 4, 1, Human, kScopa + "2" + kEmpty, false},
        {"D4 D3 S6", "D7", "", "D4 D3", 14, 1, Computer, kScopa + "14" + kSuit, false},
        // Empty table and one suit: only the empty table is scored.
        {"D4 D3", "D7", "", "D4 D3", 14, 1, Human, kScopa + "14" + kEmpty, false},
        // Exactly 10 is allowed: the Re takes 6 and 4, one point, no scopa.
        {"C6 B4 S2", "D10", "", "C6 B4", 1, 1, Computer, "", false},
        {"B5 B2 C5 S9", "D5", "C5", "C5", 10, 3, Computer, kScopa + "10" + kLast, false},
        // The last card taken must have the suit of the opponent's last, the same value, and
        // be taken alone.
        {"B5 B2 C5 S9", "D5", "C5", "B5", 0, 3, Computer, "", false},
        {"B5 B2 C5 S9", "D7", "C5", "C5 B2", 0, 2, Computer, "", false},
        {"B2 C3 C5 S9", "D5", "C5", "B2 C3", 0, 2, Computer, "", false},
        // On a full table the card finds no slot: laid plainly it leaves the game; capturing,
        // it counts in the scopa, its suit and its card points as if it had been laid.
        {kFull, "D5", "", "", 0, 21, Computer, "", false},
        {kFull, "S6", "", "C6", 0, 20, Computer, "", false},
        {kFull, "S9", "", "S2 S7", 19, 19, Computer, kScopa + "18" + kSuit, false},
        // Refused, and the played card laid: over 10 clears the selection at once, and so does
        // passing the value, both without a beep.
        {"C6 B5", "D9", "", "C6 B5", 0, 3, Computer, kSum + "11" + kNot + "maggiore di 10", false},
        {"C2 B4", "D5", "", "C2 B4", 0, 3, Computer, kSum + "6" + kNot + "diversa da 5", false},
        {"C3 B4", "D8", "", "C3 B4", 0, 3, Computer, kSum + "7" + kNot + "diversa da 8", true},
    };
    for (const Case& c : cases) {
        for (bool messages : {true, false}) {
            SCOPED_TRACE(c.table + ", " + c.played + " after " + c.clicked +
                         (messages ? "" : ", quiet"));
            Harness h(c.table, Player::Human, c.played, c.last);
            h.state.ShowMessages = messages;
            h.Click(c.clicked + " " + c.played);
            EXPECT_EQ(h.state.Score[Player::Human], c.score);
            EXPECT_EQ(h.state.TableCount, c.left);
            const bool shown = messages && !c.message.empty();
            EXPECT_EQ(h.Matching("message "), shown ? Lines{"message " + c.message} : Lines{});
            EXPECT_EQ(h.Made("beep"), !messages && c.beep);
            EXPECT_TRUE(h.state.Selected.none());
            EXPECT_EQ(h.state.Turn, c.turn);
        }
    }
}

}  // namespace
}  // namespace vorbia
