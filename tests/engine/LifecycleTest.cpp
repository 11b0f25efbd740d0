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
        std::vector<int> deal;  // the human's cut, the computer's, then the first two draws
        std::string first, ending, last;
    };
    const Case cases[] = {
        {"ANNA", {13, 29, 1, 40}, "ANNA", "prima", "Asso di Denare"},
        {"Anna", {10, 2, 38, 5}, "Dino (Computer)", "primo", "Fante di Spade"},
        {"Gimbo", {3, 13, 23, 9, 19, 4}, "Gimbo", "primo", "Cavallo di Coppe"},  // 13, 23: 3s
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.last);
        Harness h;
        h.state.PlayerName[Player::Human] = c.name;
        h.random.cards.assign(c.deal.begin(), c.deal.end());
        h.engine.NewMatch();
        EXPECT_TRUE(h.Made(kNewMatch + "\\r" + c.first +
                           " ha alzato una carta più bassa quindi calerà per " + c.ending + "."));
        // The first card fell on the empty table, and the other player drew without a click.
        const std::string lastCard =
            std::string("caption ") + ProtocolName(Element::LastCardCaption);
        EXPECT_EQ(h.Matching(lastCard), std::vector{lastCard + " Ultima: " + c.last});
        EXPECT_EQ(h.state.Turn, c.first == "Dino (Computer)" ? Player::Human : Player::Computer);
        EXPECT_TRUE(h.MaximisedBeforePlacingThePiles());
    }
}

TEST(Lifecycle, AfterTheFortiethCardTheNextHandKeepsTheScoresAndSaysSo) {
    const struct {
        int drawn;
        PerPlayer<int> score;
        std::string summary;  // empty: no new hand yet
    } cases[] = {
        {40, {0, 12, 7}, "Gimbo  12\\rDino (Computer)  7"},
        {40, {0, 0, 7}, "Gimbo  0\\rDino (Computer)  7"},
        {39, {0, 12, 7}, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.drawn);
        Harness h("B3", Player::Human, "S6");
        h.state.TurnCount = c.drawn;
        h.state.CardsDrawn = c.drawn;
        h.state.Score = c.score;
        h.random.cards = {4, 8};
        h.Click("S6");  // laid on the table
        EXPECT_EQ(h.state.Score, c.score);
        if (c.summary.empty()) {
            // The computer drew the 40th card and takes its turn.
            EXPECT_EQ(h.Matching("message"), std::vector<std::string>{});
            EXPECT_EQ(h.state.CardsDrawn, 40);
            EXPECT_EQ(h.state.TableCount, 2);
            continue;
        }
        EXPECT_TRUE(
            h.Made("message Sono finite le carte, alla fine di questa mano il punteggio è: \\r" +
                   c.summary +
                   "\\rDopo aver rimescolato il mazzo si inizia una nuova mano.\\rGimbo ha alzato "
                   "una carta più bassa quindi calerà per primo."));
        // The cards left on the table score nothing and are gone; the new hand's first is there.
        EXPECT_EQ(h.state.TableCount, 1);
        EXPECT_TRUE(h.MaximisedBeforePlacingThePiles());
    }
}

TEST(Lifecycle, FiftyOneEndsTheMatchAndAFreshOneBegins) {
    Harness h("C1 B4", Player::Human, "D1");
    h.state.Score = {0, 49, 1};
    h.Click("C1 D1");  // Asso takes Asso: 2 points, 51
    // The score bars end at 51 and round to nearest: the computer's 1 point is at -1.69.
    EXPECT_TRUE(h.Made("bar 0 64") && h.Made("bar 1 -2"));
    EXPECT_EQ(h.Matching("end-of-match"), std::vector<std::string>{"end-of-match 51 1"});
    // A fresh match has begun, announced as a new "partita".
    EXPECT_EQ(h.state.Score, (PerPlayer<int>{}));
    EXPECT_EQ(h.Matching(kNewMatch).size(), 1u);
    EXPECT_TRUE(h.MaximisedBeforePlacingThePiles());

    // 51 for either player or both ends the match when the next turn begins; 50 does not.
    const std::pair<PerPlayer<int>, size_t> scores[] = {
        {{0, 50, 50}, 0}, {{0, 51, 0}, 1}, {{0, 0, 51}, 1}, {{0, 51, 51}, 1}};
    for (const auto& [score, ended] : scores) {
        Harness laying("C3", Player::Human, "D5");
        laying.state.Score = score;
        laying.Click("D5");
        EXPECT_EQ(laying.Matching("end-of-match").size(), ended)
            << score[Player::Human] << "-" << score[Player::Computer];
    }
}

// Closing the window in the middle of a glide: the capture goes no further, and nothing that
// comes afterwards starts anything.
TEST(Lifecycle, AbandonStopsEverythingAndStartsNothing) {
    Harness h("C4", Player::Human, "D4");
    h.duringNextGlide = [&] { h.engine.Abandon(); };
    h.Click("C4 D4");
    const size_t made = h.requests.size();
    h.engine.NewMatch();
    h.Click("D4");
    h.engine.RunComputerTurns();
    EXPECT_EQ(h.requests.size(), made);
    EXPECT_EQ(h.state.Score[Player::Human], 0);
}

}  // namespace
}  // namespace vorbia
