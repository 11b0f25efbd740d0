// The one-hand bound: on the last cards of a hand every order can be tried, so its promises are
// checked exactly against the best fair play, found by a lookahead to the end of the hand.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "HandBound.h"

namespace vorbia {
namespace {

constexpr double kRounding = 1e-9;
constexpr int kCardsLeft = 5;

struct Endgame {
    SeenPosition position;
    Player mover = Player::Human;
    std::vector<Card> undrawn;  // sorted, the first of the orders to try
};

// A random hand played by a short-sighted fair player until a few cards remain undrawn.
Endgame PlayUntilTheLastCards(uint64_t seed) {
    std::mt19937_64 random(seed);
    std::vector<Card> order(kCardsInDeckOrder.begin(), kCardsInDeckOrder.end());
    std::shuffle(order.begin(), order.end(), random);
    const Player first = random() % 2 == 0 ? Player::Human : Player::Computer;
    const size_t drawn = kCardCount - kCardsLeft;
    HandPoints hand;
    Endgame endgame;
    endgame.position = hand.PlayFair(HandStart(), first, std::span(order).first(drawn), 1).end;
    endgame.mover = drawn % 2 == 0 ? first : Opponent(first);
    endgame.undrawn.assign(order.begin() + drawn, order.end());
    std::sort(endgame.undrawn.begin(), endgame.undrawn.end(),
              [](Card a, Card b) { return DeckPosition(a) < DeckPosition(b); });
    return endgame;
}

// Calls `visit` with every order of the endgame's undrawn cards.
template <class Visit>
void ForEveryOrder(Endgame endgame, Visit visit) {
    auto earlier = [](Card a, Card b) { return DeckPosition(a) < DeckPosition(b); };
    do {
        visit(std::span<const Card>(endgame.undrawn));
    } while (std::next_permutation(endgame.undrawn.begin(), endgame.undrawn.end(), earlier));
}

TEST(HandBound, ChargedWithALookaheadToTheEndTheAllSeeingPlayerMakesExactlyTheBestFairPlay) {
    int endgamesWhereTheOrderIsWorthPoints = 0;
    for (uint64_t seed = 1; seed <= 10; ++seed) {
        const Endgame endgame = PlayUntilTheLastCards(seed);
        HandPoints hand;
        const double bestFair = hand.Fair(endgame.position, endgame.mover, kCardsLeft);
        double uncharged = 0;
        int orders = 0;
        ForEveryOrder(endgame, [&](std::span<const Card> order) {
            EXPECT_NEAR(hand.BestKnowingOrder(endgame.position, endgame.mover, order, kCardsLeft),
                        bestFair, kRounding)
                << "seed " << seed;
            uncharged +=
                hand.BestKnowingOrder(endgame.position, endgame.mover, order, std::nullopt);
            ++orders;
        });
        if (uncharged / orders > bestFair + kRounding) ++endgamesWhereTheOrderIsWorthPoints;
    }
    // Otherwise the charges would have had nothing to take away.
    EXPECT_GE(endgamesWhereTheOrderIsWorthPoints, 5);
}

TEST(HandBound, ShallowChargesStillBoundTheBestFairPlayFromAbove) {
    for (uint64_t seed = 11; seed <= 20; ++seed) {
        const Endgame endgame = PlayUntilTheLastCards(seed);
        HandPoints hand;
        const double bestFair = hand.Fair(endgame.position, endgame.mover, kCardsLeft);
        for (const int plies : {0, 1, 2}) {
            double charged = 0;
            int orders = 0;
            ForEveryOrder(endgame, [&](std::span<const Card> order) {
                charged += hand.BestKnowingOrder(endgame.position, endgame.mover, order, plies);
                ++orders;
            });
            EXPECT_GE(charged / orders, bestFair - kRounding) << "seed " << seed << ", " << plies;
        }
    }
}

TEST(HandBound, TakingTheLuckOutKeepsTheFairPlayersExpectedPoints) {
    for (uint64_t seed = 21; seed <= 30; ++seed) {
        const Endgame endgame = PlayUntilTheLastCards(seed);
        HandPoints hand;
        double points = 0;
        double withoutLuck = 0;
        int orders = 0;
        ForEveryOrder(endgame, [&](std::span<const Card> order) {
            const HandPoints::FairPlay play =
                hand.PlayFair(endgame.position, endgame.mover, order, 2);
            points += play.points;
            withoutLuck += play.withoutLuck;
            ++orders;
        });
        EXPECT_NEAR(withoutLuck / orders, points / orders, kRounding) << "seed " << seed;
    }
}

}  // namespace
}  // namespace vorbia
