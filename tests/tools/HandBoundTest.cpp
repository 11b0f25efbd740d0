// The one-hand bound: on the last cards of a hand every order can be tried, so its promises are
// checked exactly against the best fair play, found by a lookahead to the end of the hand.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
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

std::vector<Card> ShuffledDeck(std::mt19937_64& random) {
    std::vector<Card> order(kCardsInDeckOrder.begin(), kCardsInDeckOrder.end());
    std::shuffle(order.begin(), order.end(), random);
    return order;
}

// A random hand played by a short-sighted fair player until a few cards remain undrawn.
Endgame PlayUntilTheLastCards(uint64_t seed) {
    std::mt19937_64 random(seed);
    const std::vector<Card> order = ShuffledDeck(random);
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

// The positions before every draw of a few random hands, with the player to draw.
std::vector<std::pair<SeenPosition, Player>> PositionsOfHands(int hands, uint64_t seed) {
    std::mt19937_64 random(seed);
    std::vector<std::pair<SeenPosition, Player>> positions;
    HandPoints hand;
    for (int played = 0; played < hands; ++played) {
        const std::vector<Card> order = ShuffledDeck(random);
        const Player first = random() % 2 == 0 ? Player::Human : Player::Computer;
        const HandPoints::FairPlay play = hand.PlayFair(HandStart(), first, order, 1);
        for (size_t draw = 0; draw < play.before.size(); ++draw) {
            positions.emplace_back(play.before[draw], draw % 2 == 0 ? first : Opponent(first));
        }
    }
    return positions;
}

TEST(HandBound, ShallowChargesStillBoundTheBestFairPlayFromAboveWhateverTheyStandOn) {
    // Any estimate of the rest of the hand must keep the bound: one learnt from fair play, and
    // one fitted to noise, far from any true value.
    RestOfHand learnt;
    std::mt19937_64 random(42);
    for (uint64_t hand = 0; hand < 200; ++hand) {
        const std::vector<Card> order = ShuffledDeck(random);
        HandPoints player;
        ObserveFairHand(player, order, hand % 2 == 0 ? Player::Human : Player::Computer, 1, learnt);
    }
    learnt.Fit();
    RestOfHand noise;
    std::uniform_real_distribution<double> points(-20, 20);
    for (const auto& [position, mover] : PositionsOfHands(100, 43)) {
        noise.Observe(position, mover, points(random));
    }
    noise.Fit();

    const std::array<std::pair<const char*, const RestOfHand*>, 3> estimates = {
        {{"no estimate", nullptr}, {"learnt", &learnt}, {"noise", &noise}}};
    for (const auto& [name, rest] : estimates) {
        for (uint64_t seed = 11; seed <= 20; ++seed) {
            const Endgame endgame = PlayUntilTheLastCards(seed);
            HandPoints hand;
            const double bestFair = hand.Fair(endgame.position, endgame.mover, kCardsLeft);
            hand.EstimateRestWith(rest);
            for (const int plies : {0, 1, 2}) {
                double charged = 0;
                int orders = 0;
                ForEveryOrder(endgame, [&](std::span<const Card> order) {
                    charged += hand.BestKnowingOrder(endgame.position, endgame.mover, order, plies);
                    ++orders;
                });
                EXPECT_GE(charged / orders, bestFair - kRounding)
                    << name << ", seed " << seed << ", " << plies << " plies";
            }
        }
    }
}

TEST(HandBound, TheEstimateOfTheRestOfAHandFindsALinearRuleItWasShown) {
    // Points that follow the features exactly, a rule of its own for each player to draw.
    auto rule = [](const SeenPosition& position, Player mover) {
        const RestOfHand::Features x = RestOfHand::Describe(position);
        double points = mover == Player::Human ? 3 : -2;
        for (size_t i = 1; i < x.size(); ++i) {
            points += (mover == Player::Human ? 1.5 : -0.5) * static_cast<double>(i) * x[i];
        }
        return points;
    };
    const auto shown = PositionsOfHands(300, 7);
    RestOfHand rest;
    for (const auto& [position, mover] : shown)
        rest.Observe(position, mover, rule(position, mover));
    rest.Fit();
    for (const auto& [position, mover] : PositionsOfHands(20, 8)) {
        EXPECT_NEAR(rest.Estimate(position, mover), rule(position, mover), 1e-3);
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
