// A play: selecting, laying, capturing and scoring.
#include <gtest/gtest.h>

#include "EngineHarness.h"

namespace vorbia {
namespace {

using namespace vorbia::testing;

// A click counts only on the human's turn and while no step is being shown: a click during
// the glides of a play must neither change its selection nor play the card a second time.
TEST(Capture, OnlyTheHumanClicksAndNotWhileAPlayIsUnderWay) {
    Harness h("C3 B2 S4", Player::Computer, "D5");
    h.Click("C3 D5");
    EXPECT_EQ(h.table.lines, Lines{});

    h.state.Turn = Player::Human;
    h.table.holdGlides = true;
    h.Click("C3 B2 D5");
    ASSERT_EQ(h.table.lines.back(), "laid 5 di Denare at 1,0");
    h.Click("S4 D5");  // S4 would be taken too, or take the selection past 10
    h.FinishGlides();
    EXPECT_EQ(h.Starting("taken"),
              (Lines{"taken 3 di Coppe", "taken 2 di Bastoni", "taken 5 di Denare"}));
    EXPECT_EQ(h.Starting("message"), Lines{});
    EXPECT_EQ(h.state.Table, TableNamed(". . S4"));
    EXPECT_EQ(h.state.Turn, Player::Computer);
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
        // The card taken must be the opponent's last, and taken alone.
        {"B5 B2 C5 S9", "D5", "C5", "B5", 0, 3, Computer, "", false},
        {"B5 B2 C5 S9", "D7", "C5", "C5 B2", 0, 2, Computer, "", false},
        {"B2 C3 C5 S9", "D5", "C5", "B2 C3", 0, 2, Computer, "", false},
        // On a full table the card finds no slot: laid plainly it leaves the game; capturing,
        // it counts in the scopa, its suit and its card points as if it had been laid.
        {kFull, "D5", "", "", 0, 21, Computer, "", false},
        {kFull, "S6", "", "C6", 0, 20, Computer, "", false},
        {kFull, "S9", "", "S2 S7", 19, 19, Computer, kScopa + "18" + kSuit, false},
        {kFull, "D7", "C7", "C7", 14, 20, Computer, kScopa + "14" + kLast, false},
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
            EXPECT_EQ(h.state.Table.Count(), c.left);
            const bool shown = messages && !c.message.empty();
            EXPECT_EQ(h.Starting("message "), shown ? Lines{"message " + c.message} : Lines{});
            EXPECT_EQ(h.Starting("beep").size(), !messages && c.beep ? 1u : 0u);
            EXPECT_TRUE(h.state.Selected.Empty());
            EXPECT_EQ(h.state.Turn, c.turn);
        }
    }
}

}  // namespace
}  // namespace vorbia
