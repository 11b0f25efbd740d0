#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "Card.h"
#include "CardSet.h"
#include "MatchState.h"
#include "Players.h"
#include "TableGrid.h"

namespace vorbia {

// A hand as a player at the table sees it between two turns: everything uncovered is face up,
// so the deck is known as a set of cards, never as an order.
struct SeenPosition {
    TableGrid table;
    uint64_t deck = 0;  // bit p: the card at place p of the deck's order is still undrawn
    // The card uncovered in the turn just played: the next player's last-card scopa takes it.
    std::optional<Card> justUncovered;
    PerPlayer<int> score{};
};

// The deck, by place in the deck's order, of a state: the cards not drawn in this hand.
uint64_t UndrawnCards(const MatchState& state);

// One play, as the rules carry it out: the card is laid (in its player's first free slot) or
// takes the table cards in `taken`, which must add up to its value; points and scopa are
// scored. The turn's last card is the one uncovered in the turn before.
void ApplyPlay(SeenPosition& position, Player player, Card card, std::optional<Card> lastCard,
               uint64_t taken);

// Every set of table cards adding up to `value`, as sets of cards; not the plain laying.
void CapturesOf(const TableGrid& grid, int value, std::vector<uint64_t>& captures);

// The human's chance of winning the match from these scores, for a position the search does not
// look past: a race to 51 whose points come in bursts (the scopas), so a lead weighs more as the
// end nears.
double WinChance(const PerPlayer<int>& score);

// Both sides of the lookahead: the chance of the draws, the computer's fixed reply and the
// human's best answer. `Next` stands for the cards the search may expect; the fair coach
// averages over every undrawn card, the players that see the deck's order follow it.
class LookaheadSearch {
  public:
    LookaheadSearch();

    // The human's best play for its current card, by a lookahead of `turns` turns after it:
    // the table cards to take, 0 for a plain laying. `value` receives its chance of winning.
    uint64_t BestPlay(const SeenPosition& position, Card card, std::optional<Card> lastCard,
                      int turns, double* value = nullptr);

    // The next cards to be drawn in this hand, when the search may know them; past them every
    // undrawn card is as likely.
    void KnowOrder(std::vector<Card> order) { order_ = std::move(order); }

    long long Nodes() const { return nodes_; }

  private:
    double AfterTurn(const SeenPosition& position, Player next, int turns, int drawn);
    double Turn(const SeenPosition& position, Player mover, Card card, int turns, int drawn);
    double HumanBest(const SeenPosition& position, Card card, std::optional<Card> lastCard,
                     int turns, int drawn, uint64_t* best);

    static constexpr size_t kMostChoicesWeighed = 48;
    void KeepMostScoring(const SeenPosition& position, Card card, std::optional<Card> lastCard,
                         std::vector<uint64_t>& captures);

    MatchState scratch_;  // the computer's search reads its card and the table from a state
    std::vector<std::vector<uint64_t>> capturesAtDepth_;
    std::vector<Card> order_;
    long long nodes_ = 0;
};

// The coach's advice for the human's current card: the table cards to take (none: lay it).
// It reads only what lies face up and the scores; with the undrawn cards it looks ahead over
// every card that may come next, the computer's fixed reply and the human's best answer,
// `usualTurns` turns deep, and deeper while that stays cheap (near the end of the hand).
// Measured: a third turn everywhere won no more matches than the noise of 10,000 of them, at
// ten times the cost.
constexpr int kCoachTurns = 2;
CardSet ChooseCoachCapture(const MatchState& state, int usualTurns = kCoachTurns);

}  // namespace vorbia
