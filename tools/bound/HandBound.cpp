#include "HandBound.h"

#include <bit>

#include "ComputerSearch.h"

namespace vorbia {

namespace {

int PointsDifference(const SeenPosition& position) {
    return position.score[Player::Human] - position.score[Player::Computer];
}

// The position after `mover` has drawn `card` and played it, taking `taken`.
SeenPosition AfterPlay(const SeenPosition& position, Player mover, Card card, uint64_t taken) {
    SeenPosition after = position;
    after.deck &= ~CardBit(card);
    after.justUncovered = card;
    ApplyPlay(after, mover, card, position.justUncovered, taken);
    return after;
}

// The plays open to the human with `card`: every capture, then laying it.
std::vector<uint64_t> HumanPlays(const SeenPosition& position, Card card) {
    std::vector<uint64_t> plays;
    CapturesOf(position.table, card.value, plays);
    plays.push_back(0);
    return plays;
}

// The best of the plays open to `mover` with `card` (none on an empty table, the computer's
// fixed one, or each of the human's), each worth its points and `valueAfter` of the position it
// leaves. `choice` receives the human's best play.
template <class ComputerTakes, class ValueAfter>
double BestPlay(const SeenPosition& position, Player mover, Card card, ComputerTakes computerTakes,
                ValueAfter valueAfter, uint64_t* choice) {
    const int before = PointsDifference(position);
    auto valueOf = [&](uint64_t taken) {
        const SeenPosition after = AfterPlay(position, mover, card, taken);
        return PointsDifference(after) - before + valueAfter(after);
    };
    // On an empty table the card is laid without a choice.
    if (position.table.Empty()) return valueOf(0);
    if (mover == Player::Computer) return valueOf(computerTakes(position, card));
    double best = 0;
    bool first = true;
    for (const uint64_t taken : HumanPlays(position, card)) {
        const double value = valueOf(taken);
        if (first || value > best) {
            best = value;
            first = false;
            if (choice) *choice = taken;
        }
    }
    return best;
}

}  // namespace

SeenPosition HandStart() {
    SeenPosition position;
    position.deck = kWholeDeckBits;
    return position;
}

HandPoints::HandPoints() {
    scratch_.Turn = Player::Computer;
    scratch_.CurrentPlace = CurrentCardPlace::OnPlaySpot;
}

uint64_t HandPoints::ComputerTakes(const SeenPosition& position, Card card) {
    scratch_.Table = position.table;
    scratch_.CurrentCard = card;
    scratch_.LastCard = position.justUncovered;
    uint64_t taken = 0;
    for (const Card tableCard : ChooseComputerCapture(scratch_)) taken |= CardBit(tableCard);
    return taken;
}

double HandPoints::Fair(const SeenPosition& position, Player mover, int plies) {
    if (position.deck == 0) return 0;
    if (plies <= 0) return rest_ ? rest_->Estimate(position, mover) : 0;
    double total = 0;
    for (uint64_t deck = position.deck; deck != 0; deck &= deck - 1) {
        total += FairWithCard(position, mover, CardAtDeckPosition(std::countr_zero(deck)), plies);
    }
    return total / std::popcount(position.deck);
}

double HandPoints::FairWithCard(const SeenPosition& position, Player mover, Card card, int plies,
                                uint64_t* choice) {
    auto computerTakes = [this](const SeenPosition& at, Card drawn) {
        return ComputerTakes(at, drawn);
    };
    auto lookOn = [&](const SeenPosition& after) {
        return Fair(after, Opponent(mover), plies - 1);
    };
    return BestPlay(position, mover, card, computerTakes, lookOn, choice);
}

double HandPoints::Charge(const SeenPosition& position, Player mover, Card card, int pliesAfter) {
    return FairWithCard(position, mover, card, pliesAfter + 1) -
           Fair(position, mover, pliesAfter + 1);
}

double HandPoints::BestKnowingOrder(const SeenPosition& position, Player mover,
                                    std::span<const Card> order,
                                    std::optional<int> chargePliesAfter) {
    if (order.empty()) return 0;
    const Card card = order.front();
    const double charge = chargePliesAfter ? Charge(position, mover, card, *chargePliesAfter) : 0;
    auto computerTakes = [this](const SeenPosition& at, Card drawn) {
        return ComputerTakes(at, drawn);
    };
    auto playOn = [&](const SeenPosition& after) {
        return BestKnowingOrder(after, Opponent(mover), order.subspan(1), chargePliesAfter);
    };
    return BestPlay(position, mover, card, computerTakes, playOn, nullptr) - charge;
}

HandPoints::FairPlay HandPoints::PlayFair(const SeenPosition& start, Player mover,
                                          std::span<const Card> order, int plies) {
    FairPlay play;
    SeenPosition position = start;
    for (const Card card : order) {
        const double luck = Charge(position, mover, card, 0);
        uint64_t taken = 0;
        if (!position.table.Empty()) {
            if (mover == Player::Computer) {
                taken = ComputerTakes(position, card);
            } else {
                FairWithCard(position, mover, card, plies, &taken);
            }
        }
        const SeenPosition after = AfterPlay(position, mover, card, taken);
        const int gain = PointsDifference(after) - PointsDifference(position);
        play.before.push_back(position);
        play.gains.push_back(gain);
        play.points += gain;
        play.withoutLuck += gain - luck;
        position = after;
        mover = Opponent(mover);
    }
    play.end = position;
    return play;
}

void ObserveFairHand(HandPoints& hand, std::span<const Card> order, Player first, int plies,
                     RestOfHand& rest) {
    const HandPoints::FairPlay play = hand.PlayFair(HandStart(), first, order, plies);
    int toTheEnd = 0;
    for (size_t draw = play.gains.size(); draw-- > 0;) {
        toTheEnd += play.gains[draw];
        rest.Observe(play.before[draw], draw % 2 == 0 ? first : Opponent(first), toTheEnd);
    }
}

}  // namespace vorbia
