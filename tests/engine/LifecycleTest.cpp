// New matches, new hands and the turns between them.
#include <gtest/gtest.h>

#include "EngineHarness.h"

namespace vorbia {
namespace {

using namespace vorbia::testing;

const std::string kNewMatch = "message Dopo aver rimescolato il mazzo si inizia una nuova partita.";

TEST(Lifecycle, AtAHandsStartTheLowerCutPlaysFirstAndEqualCutsAreDrawnAgain) {
    struct Case {
        std::string name;
        std::string deal;  // the human's cut, the computer's, then the first two draws
        std::string first, ending, last;
    };
    const Case cases[] = {
        {"ANNA", "C3 B9 D1 S10", "ANNA", "prima", "Asso di Denare"},
        {"Anna", "D10 D2 S8 D5", "Dino (Computer)", "primo", "Fante di Spade"},
        {"Gimbo", "D3 C3 B3 D9 C9 D4", "Gimbo", "primo", "Cavallo di Coppe"},  // three 3s cut
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.last);
        Harness h;
        h.state.PlayerName[Player::Human] = c.name;
        h.random.Deal(c.deal);
        h.engine.NewMatch();
        EXPECT_EQ(h.Starting("message"),
                  Lines{kNewMatch + "\r" + c.first +
                        " ha alzato una carta più bassa quindi calerà per " + c.ending + "."});
        // The first card fell on the empty table, and the other player drew without a click.
        EXPECT_EQ(h.Starting("last card"), Lines{"last card " + c.last});
        EXPECT_EQ(h.state.Table.Count(), 1);
        EXPECT_EQ(h.state.Turn, c.first == "Dino (Computer)" ? Player::Human : Player::Computer);
    }
}

TEST(Lifecycle, AfterTheFortiethCardTheNextHandKeepsTheScoresAndSaysSo) {
    const struct {
        int drawn;
        PerPlayer<int> score;
        std::string summary;  // empty: no new hand yet
    } cases[] = {
        {40, {12, 7}, "Gimbo  12\rDino (Computer)  7"},
        {40, {0, 7}, "Gimbo  0\rDino (Computer)  7"},
        {39, {12, 7}, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.drawn);
        Harness h("B3", Player::Human, "S6");
        h.state.TurnCount = c.drawn;
        for (int position = 0; position < c.drawn; ++position) {
            h.state.Drawn.Add(CardAtDeckPosition(kCardCount - 1 - position));
        }
        h.state.Score = c.score;
        h.random.Deal("D1 D8");
        h.Click("S6");  // laid on the table
        EXPECT_EQ(h.state.Score, c.score);
        // Shown by the next draw, and in a new hand only from its second draw on.
        EXPECT_EQ(h.Starting("last card").size(), 1u);
        if (c.summary.empty()) {
            // The computer drew the 40th card and takes its turn.
            EXPECT_EQ(h.Starting("message"), Lines{});
            EXPECT_EQ(h.state.CurrentCard, CardNamed("D1"));
            EXPECT_EQ(h.state.Table.Count(), 2);
            continue;
        }
        EXPECT_EQ(
            h.Starting("message"),
            Lines{"message Sono finite le carte, alla fine di questa mano il punteggio è: \r" +
                  c.summary +
                  "\rDopo aver rimescolato il mazzo si inizia una nuova mano.\rGimbo ha "
                  "alzato una carta più bassa quindi calerà per primo."});
        // The cards left on the table score nothing and are gone; the new hand's first is there.
        EXPECT_EQ(h.state.Table.Count(), 1);
        EXPECT_EQ(h.state.CardsDrawn(), 2);
    }
}

TEST(Lifecycle, FiftyOneEndsTheMatchAndAFreshOneBegins) {
    Harness h("C1 B4", Player::Human, "D1");
    h.state.Score = {49, 1};
    h.Click("C1 D1");  // Asso takes Asso: 2 points, 51
    EXPECT_EQ(h.Starting("match over"), Lines{"match over 51 1"});
    // A fresh match has begun, announced as a new "partita".
    EXPECT_EQ(h.state.Score, (PerPlayer<int>{}));
    EXPECT_EQ(h.Starting(kNewMatch).size(), 1u);

    // 51 for either player or both ends the match when the next turn begins; 50 does not.
    const std::pair<PerPlayer<int>, size_t> scores[] = {
        {{50, 50}, 0}, {{51, 0}, 1}, {{0, 51}, 1}, {{51, 51}, 1}};
    for (const auto& [score, ended] : scores) {
        Harness laying("C3", Player::Human, "D5");
        laying.state.Score = score;
        laying.Click("D5");
        EXPECT_EQ(laying.Starting("match over").size(), ended)
            << score[Player::Human] << "-" << score[Player::Computer];
    }
}

}  // namespace
}  // namespace vorbia
