#pragma once
// How many points a hand can any player make against the computer? The fair lookahead gives a
// floor (points a player at the table reaches); an upper bound comes from information
// relaxation: a player told the order of the cards, charged at every draw for what that card
// is worth beyond an average undrawn card. The charges average zero for a player who does not
// know the order, whatever it does, so the charged player's best total bounds every fair player
// from above; the better the charge values a position, the closer the bound.
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "Card.h"
#include "Lookahead.h"
#include "MatchState.h"
#include "Players.h"
#include "RestOfHand.h"

namespace vorbia {

// Points are the human's less the computer's, from the position on to the end of the hand.
class HandPoints {
  public:
    HandPoints();

    // Past its last ply the lookahead stands on this estimate of the rest of the hand (none:
    // nothing more is counted).
    void EstimateRestWith(const RestOfHand* rest) { rest_ = rest; }

    // Expected points of the next `plies` draws, `mover` drawing first, every undrawn card as
    // likely; the human plays each card for the most points over the same horizon.
    double Fair(const SeenPosition& position, Player mover, int plies);

    // The same once the next card is known to be `card`; `choice` receives the human's best play
    // (the table cards to take, 0 to lay the card).
    double FairWithCard(const SeenPosition& position, Player mover, Card card, int plies,
                        uint64_t* choice = nullptr);

    // What drawing `card` is worth beyond the average undrawn card, valued by a fair lookahead
    // of the draw itself and `pliesAfter` more. Over the undrawn cards it averages zero.
    double Charge(const SeenPosition& position, Player mover, Card card, int pliesAfter);

    // The most points the human can make over the rest of the hand when it knows that the
    // cards will come in `order` (all the undrawn cards); with `chargePliesAfter`, less the
    // charge of every draw.
    double BestKnowingOrder(const SeenPosition& position, Player mover, std::span<const Card> order,
                            std::optional<int> chargePliesAfter);

    struct FairPlay {
        int points = 0;
        // The same points with the luck of every draw taken out (each card's charge by what
        // it brings at once): the same expectation, far less spread.
        double withoutLuck = 0;
        SeenPosition end;
        // Before each draw: the position and that draw's points.
        std::vector<SeenPosition> before;
        std::vector<int> gains;
    };
    // The rest of the hand played by the fair lookahead of `plies` draws, in the given order.
    FairPlay PlayFair(const SeenPosition& start, Player mover, std::span<const Card> order,
                      int plies);

  private:
    // The cards the computer takes with `card`, by its fixed choice.
    uint64_t ComputerTakes(const SeenPosition& position, Card card);

    const RestOfHand* rest_ = nullptr;
    MatchState scratch_;  // the computer's choice reads its card and the table from a state
};

// A new hand before its first draw: an empty table and the whole deck undrawn.
SeenPosition HandStart();

// Plays a hand from its start by the fair lookahead of `plies` draws, in the given order, and
// shows `rest` the points made from each draw on.
void ObserveFairHand(HandPoints& hand, std::span<const Card> order, Player first, int plies,
                     RestOfHand& rest);

}  // namespace vorbia
